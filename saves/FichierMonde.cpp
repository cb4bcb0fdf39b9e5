#include "saves/FichierMonde.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ModRandom.h"

namespace fs = std::filesystem;

// ---- Value forms ----

std::string Texte_Entier_Monde(long long Valeur) {
    return (Valeur >= 0 ? " " : "") + std::to_string(Valeur) + " ";
}

namespace {

// Shortest text giving the value back, then in the file's form: no zero
// before the point, a capital E.
template <class T>
std::string TexteReel(T x) {
    if (std::isnan(x) || x == 0) return " 0 ";
    if (std::isinf(x)) x = x > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::lowest();
    char tampon[64];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x);
    if (err != std::errc()) return " 0 ";
    std::string s(tampon, fin);
    for (char& c : s)
        if (c == 'e') c = 'E';
    if (s.rfind("0.", 0) == 0) s.erase(0, 1);
    else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    return (s[0] == '-' ? "" : " ") + s + " ";
}

}  // namespace

std::string Texte_Decimal_Monde(double Valeur) { return TexteReel(Valeur); }
std::string Texte_Simple_Monde(float Valeur) { return TexteReel(Valeur); }

namespace {

constexpr long long Min32 = std::numeric_limits<std::int32_t>::min();
constexpr long long Max32 = std::numeric_limits<std::int32_t>::max();
constexpr long long Min16 = std::numeric_limits<std::int16_t>::min();
constexpr long long Max16 = std::numeric_limits<std::int16_t>::max();

// ---- The two directions over one description of every record ----
// Each record is described once (Champs_* below) against an "archive" that
// either writes the values or reads them back, so that the writer and the
// reader can never disagree on the order of the lines.

class Ecrivain {
public:
    static constexpr bool Lecture = false;
    std::string Texte;

    void Ligne(std::string_view t) {
        Texte += t;
        Texte += "\r\n";
    }
    void I32(const std::int32_t& v, const char*, long long = Min32, long long = Max32) { Ligne(Texte_Entier_Monde(v)); }
    void I16(const std::int16_t& v, const char*, long long = Min16, long long = Max16) { Ligne(Texte_Entier_Monde(v)); }
    void F64(const double& v, const char*) { Ligne(Texte_Decimal_Monde(v)); }
    void F32(const float& v, const char*) { Ligne(Texte_Simple_Monde(v)); }
    void B(const bool& v, const char*) { Ligne(v ? "True" : "False"); }
    void S(const std::string& v, const char*) {
        // The format has no escape: a line break inside a text would shift
        // every later line.
        std::string t = v;
        for (char& c : t)
            if (c == '\r' || c == '\n') c = ' ';
        Ligne(t);
    }
    template <class G, class E>
    void PF64(G lire, E, const char*) { Ligne(Texte_Decimal_Monde(lire())); }
    template <class G, class E>
    void PF32(G lire, E, const char*) { Ligne(Texte_Simple_Monde(lire())); }
    template <class G, class E>
    void PI32(G lire, E, const char*, long long = Min32, long long = Max32) { Ligne(Texte_Entier_Monde(lire())); }
    template <class G, class E>
    void PI16(G lire, E, const char*, long long = Min16, long long = Max16) { Ligne(Texte_Entier_Monde(lire())); }
    template <class G, class E>
    void PS(G lire, E, const char* c) { S(lire(), c); }
};

class Lecteur {
public:
    static constexpr bool Lecture = true;

    Lecteur(std::string_view texte, std::string fichier) : fichier_(std::move(fichier)) {
        lignes_ = DecouperVues(texte);
    }

    std::size_t NombreLignes() const { return lignes_.size(); }
    std::size_t Position() const { return pos_; }
    const std::string& Fichier() const { return fichier_; }

    [[noreturn]] void Erreur(std::size_t ligne, const std::string& quoi) const {
        throw ErreurFichier(fichier_, "Ligne " + std::to_string(ligne) + " : " + quoi);
    }
    [[noreturn]] void Erreur(const std::string& quoi) const { Erreur(pos_, quoi); }

    std::string_view Suivante(const char* champ) {
        if (pos_ >= lignes_.size())
            throw ErreurFichier(fichier_, "Le fichier s'arrête à la ligne " + std::to_string(lignes_.size()) +
                                              " alors qu'il manque encore la valeur de " + champ + ".");
        return lignes_[pos_++];
    }

    double Nombre(const char* champ) {
        const std::string_view t = Suivante(champ);
        const std::optional<double> v = ValeurStricte(t);
        if (!v) Erreur("la valeur de " + std::string(champ) + " (« " + Court(t) + " ») n'est pas un nombre.");
        return *v;
    }
    long long Entier(const char* champ, long long min, long long max) {
        const double r = Arrondi(Nombre(champ));
        if (!(r >= static_cast<double>(min) && r <= static_cast<double>(max)))
            Erreur(std::string(champ) + " vaut " + TexteNombre(r) + ", hors des limites " + std::to_string(min) +
                   " à " + std::to_string(max) + ".");
        return static_cast<long long>(r);
    }
    // The leading number of the line, whatever follows it.
    double Prefixe(const char*champ) { return Val(Suivante(champ)); }

    void I32(std::int32_t& v, const char* c, long long min = Min32, long long max = Max32) {
        v = static_cast<std::int32_t>(Entier(c, min, max));
    }
    void I16(std::int16_t& v, const char* c, long long min = Min16, long long max = Max16) {
        v = static_cast<std::int16_t>(Entier(c, std::max(min, Min16), std::min(max, Max16)));
    }
    void F64(double& v, const char* c) { v = Nombre(c); }
    void F32(float& v, const char* c) {
        const double d = Nombre(c);
        if (std::fabs(d) > std::numeric_limits<float>::max()) Erreur(std::string(c) + " est trop grand.");
        v = static_cast<float>(d);
    }
    void B(bool& v, const char* c) {
        const std::string_view t = Rogner(Suivante(c));
        if (EgalSansCasse(t, "true")) v = true;
        else if (EgalSansCasse(t, "false")) v = false;
        else {
            const std::optional<double> d = ValeurStricte(t);
            if (!d) Erreur("la valeur de " + std::string(c) + " (« " + Court(t) + " ») n'est ni True ni False.");
            v = *d != 0.0;
        }
    }
    void S(std::string& v, const char* c) { v = std::string(Suivante(c)); }
    template <class G, class E>
    void PF64(G, E ecrire, const char* c) { ecrire(Nombre(c)); }
    template <class G, class E>
    void PF32(G, E ecrire, const char* c) {
        float f = 0;
        F32(f, c);
        ecrire(f);
    }
    template <class G, class E>
    void PI32(G, E ecrire, const char* c, long long min = Min32, long long max = Max32) {
        ecrire(static_cast<std::int32_t>(Entier(c, min, max)));
    }
    template <class G, class E>
    void PI16(G, E ecrire, const char* c, long long min = Min16, long long max = Max16) {
        ecrire(static_cast<std::int16_t>(Entier(c, std::max(min, Min16), std::min(max, Max16))));
    }
    template <class G, class E>
    void PS(G, E ecrire, const char* c) {
        std::string s;
        S(s, c);
        ecrire(s);
    }

private:
    static std::string Court(std::string_view t) {
        std::string s(PremiersCaracteres(t, 40));
        if (s.size() < t.size()) s += "…";
        return s;
    }

    std::string fichier_;
    std::vector<std::string_view> lignes_;
    std::size_t pos_ = 0;
};

// ---- Records ----

struct Comptes {
    std::int32_t NR = 0, NCS = 0, NSV = 0, NCO = 0, NRA = 0;
    std::int32_t NF = 0, NP = 0;
    explicit Comptes(const ClsJeuParam& P)
        : NR(P.NombreRessources), NCS(P.NombreCompetencesSpeciales), NSV(P.NombreServices),
          NCO(P.NombreCompetencesObjets), NRA(P.NombreRaces) {}
};

template <class A>
void Champs_Fief(A& a, ClsJeuFief& f, const ClsJeuParam& P, const Comptes& n) {
    a.I32(f.Camp, "Camp");
    a.I16(f.Peuple, "Peuple", 0, P.NombrePeuples - 1);
    a.I16(f.Epoque, "Epoque", 0, P.NombreEpoques - 1);
    a.B(f.ChangementEpoque, "ChangementEpoque");
    a.I32(f.NombrePersos, "NombreSoldats");
    a.I32(f.NombreMorts, "NombreSoldatsRef");
    a.F64(f.FondsRestauration, "FondsRestauration");
    for (std::int32_t r = 0; r < n.NR; ++r)
        a.PF64([&] { return f.Definir_Ressources(r); }, [&](double v) { f.Definir_Ressources(r, v); }, "Ressources");
}

template <class A>
void Champs_Batiment_Base(A& a, ClsJeuBatiment& b) {
    a.I32(b.X, "PositionX");
    a.I32(b.Y, "PositionY");
    a.I16(b.Largeur, "Largeur");
    a.I16(b.Hauteur, "Hauteur");
    a.I16(b.EntreePositionX, "EntreePositionX");
    a.I16(b.EntreePositionY, "EntreePositionY");
    a.B(b.Acheve, "Construit");
    a.B(b.Endommage, "Degrade");
    a.F64(b.Vie, "Vie");
    a.F64(b.ReserveVie, "ReserveVie");
    a.I32(b.MaxVie, "MaxVie");
}

template <class A>
void Champs_Chateau(A& a, ClsJeuBatiment& b, const Comptes& n) {
    a.I32(b.Proprietaire, "Proprietaire", 0, n.NF - 1);
    Champs_Batiment_Base(a, b);
}

template <class A>
void Champs_Ressource(A& a, ClsJeuRessources& r, const Comptes& n) {
    a.I32(r.X, "X");
    a.I32(r.Y, "Y");
    a.S(r.Nom, "Nom");
    a.I32(r.TypeTerrainRessource, "TypeGisement");
    a.I32(r.TypeRessource, "TypeRessource", -1, n.NR - 1);
    a.F64(r.Quantite, "QuantiteRestante");
    a.F64(r.QuantiteInitiale, "Quantite");
}

template <class A>
void Champs_Decor(A& a, ClsJeuDecors& d, const ClsJeuParam& P) {
    a.I16(d.Categorie, "Categorie", 0, P.NombreDecors - 1);
    a.I32(d.X, "X");
    a.I32(d.Y, "Y");
    a.I16(d.Largeur, "Largeur");
    a.I16(d.Hauteur, "Hauteur");
    a.I16(d.EtapeAnimation, "EtapeAnimation");
    a.I16(d.NombreEtapeAnimation, "NombreEtapeAnimation");
}

// One characteristic: value, base, reserve (when it has one), experience,
// level and the two level thresholds.
template <class A>
void Carac(A& a, double& v, std::int32_t& base, double* reserve, double& exp, std::int32_t& niv, double& expNiv,
           double& expNivPlus, const char* nom) {
    a.F64(v, nom);
    a.I32(base, "Base");
    if (reserve) a.F64(*reserve, "Reserve");
    a.F64(exp, "Exp");
    a.I32(niv, "Niveau");
    a.F64(expNiv, "ExpNiv");
    a.F64(expNivPlus, "ExpNivPlus");
}

// Lines 1 to 105 of a character and its competences and coefficients.
template <class A>
void Champs_Perso_Debut(A& a, ClsJeuPerso& p, const ClsJeuParam& P, const Comptes& n) {
    a.I32(p.PositionX, "PositionX");
    a.I32(p.PositionY, "PositionY");
    a.I32(p.Vitesse, "Vitesse");
    a.I32(p.VitesseTotale, "VitesseTotale");
    a.I16(p.EtapeAnimation, "EtapeAnimation");
    a.I16(p.ApparenceBase, "ApparenceBase");
    a.I32(p.DestinationX, "DestinationX");
    a.I32(p.DestinationY, "DestinationY");
    a.I32(p.NoMaison, "NoMaison");
    a.S(p.Nom, "Nom");
    a.I16(p.Largeur, "Largeur");
    a.I16(p.Hauteur, "Hauteur");
    a.I32(p.Equipe, "Equipe", 0, n.NF - 1);
    a.I32(p.Camp, "Camp");
    a.I32(p.Invocateur, "Invocateur", -1, n.NP - 1);
    a.B(p.IA_Incommandable, "IA_Incommandable");
    a.I32(p.DecalageFormationX, "DecalageFormationX");
    a.I32(p.DecalageFormationY, "DecalageFormationY");
    a.I16(p.Attitude, "Attitude");
    a.I16(p.Formation, "Formation");
    a.B(p.IA_Active, "IA_Active");
    a.I32(p.NombreInvocations, "NombreInvocations");
    a.I16(p.Race, "Race", 0, n.NRA - 1);
    a.B(p.Parole, "Parole");
    a.B(p.Volant, "Volant");
    a.B(p.Apparence, "Apparence");
    a.S(p.FichierApparence, "FichierApparence");
    a.I16(p.ApparenceFichier, "ApparenceFichier");
    a.I16(p.ApparenceAffichee, "ApparenceAffichee");
    a.B(p.Sexe, "Sexe");
    a.B(p.Experience, "Experience");
    a.F64(p.DelaiResurrection, "DelaiResurrection");
    a.PS([&] { return p.Definir_Commentaires(); }, [&](const std::string& s) { p.Definir_Commentaires(s, 0.0); },
         "Commentaires");
    a.B(p.ParoleSpecifique, "ParoleSpecifique");
    a.I16(p.CommentairesSpecifique, "CommentairesSpecifique");
    a.F64(p.HeureCommentaire, "HeureCommentaire");
    Carac(a, p.Vie, p.VieBase, &p.ReserveVie, p.ExpVie, p.NiveauVie, p.ExpNivVie, p.ExpNivPlusVie, "Vie");
    Carac(a, p.Energie, p.EnergieBase, &p.ReserveEnergie, p.ExpEnergie, p.NiveauEnergie, p.ExpNivEnergie,
          p.ExpNivPlusEnergie, "Energie");
    Carac(a, p.Magie, p.MagieBase, &p.ReserveMagie, p.ExpMagie, p.NiveauMagie, p.ExpNivMagie, p.ExpNivPlusMagie,
          "Magie");
    Carac(a, p.Moral, p.MoralBase, &p.ReserveMoral, p.ExpMoral, p.NiveauMoral, p.ExpNivMoral, p.ExpNivPlusMoral,
          "Moral");
    Carac(a, p.Attaque, p.AttaqueBase, nullptr, p.ExpAttaque, p.NiveauAttaque, p.ExpNivAttaque, p.ExpNivPlusAttaque,
          "Attaque");
    a.I16(p.PorteeAttaque, "PorteeAttaque");
    a.I16(p.EffetAttaque, "EffetAttaque", -1, P.NombreEffets - 1);
    a.B(p.PremierCoup, "PremierCoup");
    a.B(p.Kamikaze, "Kamikaze");
    Carac(a, p.Defense, p.DefenseBase, nullptr, p.ExpDefense, p.NiveauDefense, p.ExpNivDefense, p.ExpNivPlusDefense,
          "Defense");
    a.I16(p.Armure, "Armure");
    a.B(p.IA, "IA");
    a.S(p.FichierIA, "FichierIA");
    a.B(p.Equiper, "Equiper");
    a.B(p.IA_Manger, "IA_Manger");
    a.B(p.IA_Pacifique, "IA_Pacifique");
    a.B(p.IA_Temeraire, "IA_Temeraire");
    a.B(p.IA_Berserk, "IA_Berserk");
    a.I16(p.Suivre, "Suivre");
    a.B(p.Joueur, "Joueur");
    a.PF64([&] { return p.Definir_Argent(); }, [&](double v) { p.Definir_Argent(v); }, "Argent");
    a.I16(p.Action, "Action");
    a.I16(p.Direction, "Direction");
    a.F64(p.DureeImmobilisation, "DureeImmobilisation");
    a.B(p.DansMaisonCible, "DansMaisonCible");
    a.B(p.DansMaison, "DansMaison");
    a.I32(p.CibleMaison, "CibleMaison");
    a.B(p.DansChateauCible, "DansChateauCible");
    a.B(p.DansChateau, "DansChateau");
    a.I32(p.CibleRessource, "CibleRessource");
    a.I32(p.CibleChateau, "CibleChateau");
    a.I32(p.CiblePerso, "CiblePerso");
    a.I32(p.CibleTresor, "CibleTresor");
    a.I32(p.RessourceEnCours, "RessourceEnCours");
    a.I32(p.ServiceEnCours, "ServiceEnCours");

    for (std::int32_t s = 0; s < n.NCS; ++s) {
        a.PI16([&] { return p.Definir_Carac_CompetenceSpeciales(s); },
               [&](std::int16_t v) { p.Definir_Carac_CompetenceSpeciales(s, v); }, "CompetenceSpeciale");
        a.PF64([&] { return p.Definir_ExpSpeciales(s); }, [&](double v) { p.Definir_ExpSpeciales(s, v); }, "ExpSpeciales");
        a.PI16([&] { return p.Niveau_CompetenceSpeciales(s); }, [&](std::int16_t v) { p.Niveau_CompetenceSpeciales(s, v); },
               "NiveauSpeciales");
        a.PF64([&] { return p.Definir_ExpNivSpeciales(s); }, [&](double v) { p.Definir_ExpNivSpeciales(s, v); },
               "ExpNivSpeciales");
        a.PF64([&] { return p.Definir_ExpNivPlusSpeciales(s); }, [&](double v) { p.Definir_ExpNivPlusSpeciales(s, v); },
               "ExpNivPlusSpeciales");
    }
    for (std::int32_t r = 0; r < n.NR; ++r) {
        a.PI32([&] { return p.Definir_Carac_Ressources(r); }, [&](std::int32_t v) { p.Definir_Carac_Ressources(r, v); },
               "CompetenceRessource");
        a.PF64([&] { return p.Definir_ExpRessources(r); }, [&](double v) { p.Definir_ExpRessources(r, v); },
               "ExpRessources");
        a.PI16([&] { return p.Niveau_CompetenceRessources(r); },
               [&](std::int16_t v) { p.Niveau_CompetenceRessources(r, v); }, "NiveauRessources");
        a.PF64([&] { return p.Definir_ExpNivRessources(r); }, [&](double v) { p.Definir_ExpNivRessources(r, v); },
               "ExpNivRessources");
        a.PF64([&] { return p.Definir_ExpNivPlusRessources(r); },
               [&](double v) { p.Definir_ExpNivPlusRessources(r, v); }, "ExpNivPlusRessources");
    }
    for (std::int32_t v = 0; v < n.NSV; ++v) {
        a.PI16([&] { return p.Definir_Carac_CompetenceServices(v); },
               [&](std::int16_t x) { p.Definir_Carac_CompetenceServices(v, x); }, "CompetenceService");
        a.PF64([&] { return p.Definir_ExpServices(v); }, [&](double x) { p.Definir_ExpServices(v, x); }, "ExpServices");
        a.PI16([&] { return p.Niveau_CompetenceServices(v); }, [&](std::int16_t x) { p.Niveau_CompetenceServices(v, x); },
               "NiveauServices");
        a.PF64([&] { return p.Definir_ExpNivServices(v); }, [&](double x) { p.Definir_ExpNivServices(v, x); },
               "ExpNivServices");
        a.PF64([&] { return p.Definir_ExpNivPlusServices(v); }, [&](double x) { p.Definir_ExpNivPlusServices(v, x); },
               "ExpNivPlusServices");
    }
    for (std::int32_t o = 0; o < n.NCO; ++o) {
        a.PI16([&] { return p.Definir_Carac_CompetenceObjets(o); },
               [&](std::int16_t x) { p.Definir_Carac_CompetenceObjets(o, x); }, "CompetenceObjet");
        a.PF64([&] { return p.Definir_ExpObjets(o); }, [&](double x) { p.Definir_ExpObjets(o, x); }, "ExpObjets");
        a.PI16([&] { return p.Niveau_CompetenceObjets(o); }, [&](std::int16_t x) { p.Niveau_CompetenceObjets(o, x); },
               "NiveauObjets");
        a.PF64([&] { return p.Definir_ExpNivObjets(o); }, [&](double x) { p.Definir_ExpNivObjets(o, x); },
               "ExpNivObjets");
        a.PF64([&] { return p.Definir_ExpNivPlusObjets(o); }, [&](double x) { p.Definir_ExpNivPlusObjets(o, x); },
               "ExpNivPlusObjets");
    }
    a.F32(p.CoefVie, "CoefVie");
    a.F32(p.CoefEnergie, "CoefEnergie");
    a.F32(p.CoefMagie, "CoefMagie");
    a.F32(p.CoefMoral, "CoefMoral");
    a.F32(p.CoefAttaque, "CoefAttaque");
    a.F32(p.CoefDefense, "CoefDefense");
    for (std::int16_t s = 0; s < n.NCS; ++s)
        a.PF32([&] { return p.Definir_CoefRaceCompSpeciales(s); }, [&](float v) { p.Definir_CoefRaceCompSpeciales(s, v); },
               "CoefRaceCompSpeciales");
    for (std::int16_t r = 0; r < n.NR; ++r)
        a.PF32([&] { return p.Definir_CoefRaceCompRessources(r); },
               [&](float v) { p.Definir_CoefRaceCompRessources(r, v); }, "CoefRaceCompRessources");
    for (std::int16_t v = 0; v < n.NSV; ++v)
        a.PF32([&] { return p.Definir_CoefRaceCompServices(v); }, [&](float x) { p.Definir_CoefRaceCompServices(v, x); },
               "CoefRaceCompServices");
    for (std::int16_t o = 0; o < n.NCO; ++o)
        a.PF32([&] { return p.Definir_CoefRaceCompObjets(o); }, [&](float x) { p.Definir_CoefRaceCompObjets(o, x); },
               "CoefRaceCompObjets");
}

// Lines of a character record, from its slot counts.
long long Lignes_Perso(const Comptes& n, long long emplacements) {
    return 105 + 6LL * (n.NCS + n.NR + n.NSV + n.NCO) + 9 + 2 * emplacements + n.NR + n.NRA;
}

// ---- Writer ----

void Ecrire_Perso(Ecrivain& e, const ClsJeuPerso& perso, const ClsJeuParam& P, const Comptes& n) {
    // The description takes a modifiable record so that one text serves
    // both directions; the writer only reads through it.
    ClsJeuPerso& p = const_cast<ClsJeuPerso&>(perso);
    Champs_Perso_Debut(e, p, P, n);
    e.I16(p.ObjetEnCours, "ObjetEnCours");
    e.I16(p.IndiceObjetSelectionne, "IndiceObjetSelectionne");
    e.F64(p.ProgressionFabrication, "ProgressionFabrication");
    // A unique item belongs to its hero's file, not to the world: its slot
    // is kept empty here.
    auto emplacement = [&](bool actif, std::int16_t type) {
        if (actif && type >= 0 && type < P.NombreTypesObjets && P.Objet_Unique(type)) {
            actif = false;
            type = 0;
        }
        e.B(actif, "ObjetActif");
        e.I16(type, "ObjetType");
    };
    for (std::int16_t k = 0; k < p.Nombre_Objets_Equipes(); ++k) emplacement(p.Objet_Equipes_Actif(k), p.Objet_Equipes_Type(k));
    for (std::int16_t k = 0; k < p.Nombre_Objets_Inventaire(); ++k)
        emplacement(p.Objet_Inventaire_Actif(k), p.Objet_Inventaire_Type(k));
    for (std::int32_t r = 0; r < n.NR; ++r) e.F64(p.Definir_Ressources(r), "Ressources");
    for (std::int16_t a = 0; a < n.NRA; ++a) e.I32(p.Definir_Bestiaire(a), "Bestiaire");
}

}  // namespace

std::string Ecrire_Texte_Monde(const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    Comptes n(P);
    n.NF = static_cast<std::int32_t>(Main.Fiefs.size());
    n.NP = static_cast<std::int32_t>(Main.Persos.size());
    Ecrivain e;
    e.Texte.reserve(4096 + Main.Persos.size() * 4096 + Main.Monde.TailleGrille() * 12);
    const ClsJeuMonde& M = Main.Monde;
    const std::int32_t W = M.LargeurCarte, H = M.HauteurCarte;
    for (std::size_t c : {Main.Fiefs.size(), Main.Chateaux.size(), Main.Ressources.size(),
                          static_cast<std::size_t>(Main.Tresors.Count()), static_cast<std::size_t>(Main.Decors.Count()),
                          Main.Persos.size(), Main.Maisons.size()})
        e.Ligne(Texte_Entier_Monde(static_cast<long long>(c)));
    e.Ligne(Texte_Entier_Monde(W));
    e.Ligne(Texte_Entier_Monde(H));
    const long long cellules = static_cast<long long>(W + 1) * (H + 1);
    for (long long c = 0; c < cellules; ++c) {
        e.Ligne(Texte_Entier_Monde(M.Param_TerrainApparence(static_cast<std::int32_t>(c))));
        e.Ligne(Texte_Entier_Monde(M.Param_TerrainCategorie(static_cast<std::int32_t>(c))));
    }
    for (const ClsJeuFief& f : Main.Fiefs) Champs_Fief(e, const_cast<ClsJeuFief&>(f), P, n);
    for (const ClsJeuBatiment& c : Main.Chateaux) Champs_Chateau(e, const_cast<ClsJeuBatiment&>(c), n);
    for (const ClsJeuRessources& r : Main.Ressources) Champs_Ressource(e, const_cast<ClsJeuRessources&>(r), n);
    for (const ClsJeuTresors& t : Main.Tresors) {
        e.I32(t.X, "X");
        e.I32(t.Y, "Y");
        e.F64(t.Definir_Fortune(), "Fortune");
        e.F64(t.Definir_Argent(), "Argent");
        for (std::int32_t r = 0; r < n.NR; ++r) e.F64(t.Definir_Ressources(r), "Ressources");
        e.Ligne(Texte_Entier_Monde(t.Nombre_Objets()));
        for (std::int32_t k = 1; k <= t.Nombre_Objets(); ++k) e.Ligne(Texte_Entier_Monde(t.Definir_Objet(k)));
    }
    for (const ClsJeuDecors& d : Main.Decors) Champs_Decor(e, const_cast<ClsJeuDecors&>(d), P);
    for (const ClsJeuPerso& p : Main.Persos) Ecrire_Perso(e, p, P, n);
    for (const ClsJeuBatiment& mb : Main.Maisons) {
        ClsJeuBatiment& b = const_cast<ClsJeuBatiment&>(mb);
        e.I32(b.Proprietaire, "Proprietaire");
        e.I16(b.TypeBatiment, "TypeBatiment");
        Champs_Batiment_Base(e, b);
        e.F64(b.Argent, "Argent");
        e.F64(b.MaxStock, "CapaciteStock");
        const std::int32_t N = std::max(0, P.Batiment_NombreObjetsFabriques(b.TypeBatiment));
        for (std::int32_t k = 0; k < N; ++k) e.F64(b.Stock_Objets(k), "Stock_Objets");
        e.F64(b.Definir_Stock(), "Stock");
        e.B(b.Magasin, "Magasin");
        e.B(b.Fabrique, "Fabrique");
        e.I16(b.Service, "Service");
    }
    return std::move(e.Texte);
}

void Ecrire_Fichier_Monde(const ModMain& Main, const fs::path& Chemin, const std::function<void()>& AvantRenommage) {
    const std::string texte = Ecrire_Texte_Monde(Main);
    const std::string nom = Chemin.filename().string();
    std::error_code ec;
    fs::create_directories(Chemin.parent_path(), ec);
    const fs::path temporaire = Chemin.string() + ".tmp" + std::to_string(::getpid());
    {
        std::ofstream f(temporaire, std::ios::binary | std::ios::trunc);
        if (f) f.write(texte.data(), static_cast<std::streamsize>(texte.size()));
        f.flush();
        if (!f) {
            fs::remove(temporaire, ec);
            throw ErreurFichier(nom, "Le monde n'a pas pu être écrit dans " + Chemin.parent_path().string() +
                                         " (disque plein ou dossier protégé ?).");
        }
    }
    if (AvantRenommage) AvantRenommage();
    fs::rename(temporaire, Chemin, ec);
    if (ec) {
        fs::remove(temporaire, ec);
        throw ErreurFichier(nom, "Le monde n'a pas pu remplacer l'ancienne sauvegarde.");
    }
}

// ---- Reader ----

namespace {

struct MondeLu {
    std::int32_t W = 0, H = 0;
    std::vector<std::int16_t> Apparences, Categories;
    std::vector<ClsJeuFief> Fiefs;
    std::vector<ClsJeuBatiment> Chateaux;
    std::vector<ClsJeuRessources> Ressources;
    ModTresors Tresors;
    ModDecors Decors;
    std::vector<ClsJeuPerso> Persos;
    std::vector<ClsJeuBatiment> Maisons;
};

}  // namespace

void Lire_Texte_Monde(ModMain& Main, std::string_view Texte, const std::string& NomFichier) {
    const ClsJeuParam& P = Main.Parametres;
    Comptes n(P);
    Lecteur L(Texte, NomFichier);
    const long long lignes = static_cast<long long>(L.NombreLignes());

    // Header: the seven counts, then the map size.
    static const char* const Noms[7] = {"le nombre de fiefs", "le nombre de châteaux", "le nombre de gisements",
                                         "le nombre de trésors", "le nombre de décors", "le nombre de personnages",
                                         "le nombre de maisons"};
    long long c[7];
    for (int k = 0; k < 7; ++k) {
        const double v = Arrondi(L.Prefixe(Noms[k]));
        if (!(v >= 0 && v <= static_cast<double>(std::min<long long>(lignes, Max32))))
            L.Erreur(std::string(Noms[k]) + " (" + TexteNombre(v) + ") ne tient pas dans le fichier.");
        c[k] = static_cast<long long>(v);
    }
    const long long NF = c[0], NC = c[1], ND = c[2], NT = c[3], NS = c[4], NP = c[5], NM = c[6];
    if (NF < 1) L.Erreur(1, "un monde a au moins un fief.");
    if (NC != NF) L.Erreur(2, "il faut un château par fief (" + std::to_string(NF) + "), pas " + std::to_string(NC) + ".");
    if (NP < 1) L.Erreur(6, "un monde a au moins un personnage.");
    if (NM != NP)
        L.Erreur(7, "il faut une maison par personnage (" + std::to_string(NP) + "), pas " + std::to_string(NM) + ".");
    n.NF = static_cast<std::int32_t>(NF);
    n.NP = static_cast<std::int32_t>(NP);
    MondeLu m;
    L.I32(m.W, "Largeur", 1, 2048);
    L.I32(m.H, "Hauteur", 1, 2048);

    // Slot counts of a character of these rules.
    GenerateurLocal generateur;
    generateur.Semer(0);
    long long emplacements = 0;
    {
        ClsJeuPerso essai;
        essai.Init(0, P, generateur);
        emplacements = essai.Nombre_Objets_Equipes() + essai.Nombre_Objets_Inventaire();
    }
    // Every record has at least its fixed lines: a count the file cannot
    // hold is refused before anything is reserved.
    const long long cellules = static_cast<long long>(m.W + 1) * (m.H + 1);
    const long long minimum = 9 + 2 * cellules + NF * (7 + n.NR) + NC * 12 + ND * 7 + NT * (5 + n.NR) + NS * 7 +
                              NP * Lignes_Perso(n, emplacements) + NM * 19;
    if (minimum > lignes)
        throw ErreurFichier(NomFichier, "Les nombres de l'en-tête (lignes 1 à 9) demandent au moins " +
                                            std::to_string(minimum) + " lignes, mais le fichier n'en a que " +
                                            std::to_string(lignes) + " : il est tronqué ou n'est pas une sauvegarde "
                                                                     "faite avec ces règles.");

    m.Apparences.resize(static_cast<std::size_t>(cellules));
    m.Categories.resize(static_cast<std::size_t>(cellules));
    const std::int16_t typesTerrains = Main.Monde.NombreTypesTerrains();
    for (long long i = 0; i < cellules; ++i) {
        L.I16(m.Apparences[static_cast<std::size_t>(i)], "TerrainApparence", 0, Max16);
        L.I16(m.Categories[static_cast<std::size_t>(i)], "TerrainCategorie", 0, typesTerrains);
    }

    m.Fiefs.resize(static_cast<std::size_t>(NF));
    for (ClsJeuFief& f : m.Fiefs) {
        f.Init(P);
        Champs_Fief(L, f, P, n);
    }
    m.Chateaux.resize(static_cast<std::size_t>(NC));
    for (ClsJeuBatiment& b : m.Chateaux) Champs_Chateau(L, b, n);
    m.Ressources.resize(static_cast<std::size_t>(ND));
    for (ClsJeuRessources& r : m.Ressources) Champs_Ressource(L, r, n);

    for (long long t = 0; t < NT; ++t) {
        ClsJeuTresors& tr = m.Tresors(m.Tresors.Ajouter_Tresor(0, 0, P));
        L.I32(tr.X, "X");
        L.I32(tr.Y, "Y");
        double fortune = 0, argent = 0;
        L.F64(fortune, "Fortune");
        L.F64(argent, "Argent");
        tr.Definir_Argent(argent);
        for (std::int32_t r = 0; r < n.NR; ++r) {
            double q = 0;
            L.F64(q, "Ressources");
            tr.Definir_Ressources(r, q);
        }
        const double k = Arrondi(L.Prefixe("le nombre d'objets du trésor"));
        const long long reste = lignes - static_cast<long long>(L.Position());
        if (!(k >= 0 && k <= static_cast<double>(std::min<long long>(reste, Max16))))
            L.Erreur("le nombre d'objets du trésor (" + TexteNombre(k) + ") ne tient pas dans le fichier.");
        for (long long j = 0; j < static_cast<long long>(k); ++j) {
            std::int16_t type = 0;
            L.I16(type, "Objet du trésor", 0, P.NombreTypesObjets - 1);
            tr.Ajouter_Objet(type, P);
        }
        // The setters above each add their share to the fortune: the saved
        // fortune is put back last, so that it is counted once.
        tr.Definir_Fortune(fortune);
    }
    for (long long s = 0; s < NS; ++s) {
        ClsJeuDecors d;
        Champs_Decor(L, d, P);
        ClsJeuDecors& nouveau = m.Decors(m.Decors.Ajouter_Decor(d.Categorie, d.X, d.Y, P));
        nouveau = d;
    }

    m.Persos.reserve(static_cast<std::size_t>(NP));
    for (long long i = 0; i < NP; ++i) {
        ClsJeuPerso& p = m.Persos.emplace_back(&Main);
        p.Init(static_cast<std::int32_t>(i), P, generateur);
        Champs_Perso_Debut(L, p, P, n);
        // The bonus updates below rescale the current values and the
        // reserves to the new maxima; the file holds them as they stood.
        const double vie = p.Vie, energie = p.Energie, magie = p.Magie, moral = p.Moral, attaque = p.Attaque,
                     defense = p.Defense;
        const double reserves[4] = {p.ReserveVie, p.ReserveEnergie, p.ReserveMagie, p.ReserveMoral};
        p.Gestion_Tous_Niveaux();
        p.Ajuster_Bonus();
        L.I16(p.ObjetEnCours, "ObjetEnCours");
        L.I16(p.IndiceObjetSelectionne, "IndiceObjetSelectionne", -1, P.NombreTypesObjets - 1);
        L.F64(p.ProgressionFabrication, "ProgressionFabrication");
        auto emplacement = [&](bool& actif, std::int16_t& type) {
            L.B(actif, "ObjetActif");
            L.I16(type, "ObjetType", actif ? 0 : Min16, actif ? P.NombreTypesObjets - 1 : Max16);
        };
        for (std::int16_t k = 0; k < p.Nombre_Objets_Equipes(); ++k) {
            bool actif = false;
            std::int16_t type = 0;
            emplacement(actif, type);
            p.Objet_Equipes_Actif(k, actif);
            p.Objet_Equipes_Type(k, type);
            if (actif) p.Objet_Equipe_Charger(k, type, P);
        }
        for (std::int16_t k = 0; k < p.Nombre_Objets_Inventaire(); ++k) {
            bool actif = false;
            std::int16_t type = 0;
            emplacement(actif, type);
            p.Objet_Inventaire_Actif(k, actif);
            p.Objet_Inventaire_Type(k, type);
            if (actif) p.Objet_Inventaire_Charger(k, type, P);
        }
        // What the race gives and the file does not hold.
        p.VitesseRegenerationVie = P.Race_VitesseRegenerationVie(p.Race);
        p.VitesseRegenerationEnergie = P.Race_VitesseRegenerationEnergie(p.Race);
        p.VitesseRegenerationMagie = P.Race_VitesseRegenerationMagie(p.Race);
        p.VitesseRegenerationMoral = P.Race_VitesseRegenerationMoral(p.Race);
        p.Actualiser_Bonus();
        // Current values above their maximum come down to it. They are not
        // rescaled by the race coefficients: the values were saved as they
        // stood, and rescaling them would change them at every load.
        p.Vie = std::min(vie, p.Definir_MaxVie());
        p.Energie = std::min(energie, p.Definir_MaxEnergie());
        p.Magie = std::min(magie, p.Definir_MaxMagie());
        p.Moral = std::min(moral, p.Definir_MaxMoral());
        p.Attaque = std::min(attaque, p.Definir_MaxAttaque());
        p.Defense = std::min(defense, p.Definir_MaxDefense());
        p.ReserveVie = reserves[0];
        p.ReserveEnergie = reserves[1];
        p.ReserveMagie = reserves[2];
        p.ReserveMoral = reserves[3];
        for (std::int32_t r = 0; r < n.NR; ++r) {
            double q = 0;
            L.F64(q, "Ressources");
            p.Definir_Ressources(r, q);
        }
        for (std::int16_t a = 0; a < n.NRA; ++a) {
            std::int32_t b = 0;
            L.I32(b, "Bestiaire", 0, Max32);
            p.Definir_Bestiaire(a, b);
        }
    }

    m.Maisons.resize(static_cast<std::size_t>(NM));
    for (std::size_t i = 0; i < m.Maisons.size(); ++i) {
        ClsJeuBatiment& b = m.Maisons[i];
        L.I32(b.Proprietaire, "Proprietaire", 0, NP - 1);
        L.I16(b.TypeBatiment, "TypeBatiment", 0, P.NombreTypeBatiments - 1);
        Champs_Batiment_Base(L, b);
        L.F64(b.Argent, "Argent");
        L.F64(b.MaxStock, "CapaciteStock");
        const std::int32_t N = std::max(0, P.Batiment_NombreObjetsFabriques(b.TypeBatiment));
        if (static_cast<long long>(L.Position()) + N + 4 > lignes)
            L.Erreur("le fichier est tronqué : il s'arrête au milieu de la maison " + std::to_string(i + 1) + ".");
        // The made-item slots as a new house of that type has them.
        b.Definir_Nombre_Stock_Objet(std::max(0, N - 1));
        for (std::int32_t k = 0; k < N; ++k) {
            double q = 0;
            L.F64(q, "Stock_Objets");
            b.Stock_Objets(k, q);
        }
        b.Definir_Stock(L.Prefixe("Stock"));
        L.B(b.Magasin, "Magasin");
        L.B(b.Fabrique, "Fabrique");
        L.I16(b.Service, "Service", 0, P.NombreServices);
    }
    if (L.Position() < L.NombreLignes())
        L.Erreur(L.Position() + 1, "des données suivent la dernière maison : le fichier n'est pas une sauvegarde "
                                   "de monde faite avec ces règles.");

    // The whole file is read: the world is handed over.
    for (std::size_t i = 0; i < m.Persos.size(); ++i) m.Persos[i].Calculer_Apparence(m.Maisons[i], P);
    ClsJeuMonde& M = Main.Monde;
    M.LargeurCarte = m.W;
    M.HauteurCarte = m.H;
    M.Creer_Grilles();
    for (std::size_t i = 0; i < m.Categories.size(); ++i) {
        M.Param_TerrainApparence(static_cast<std::int32_t>(i), m.Apparences[i]);
        M.Param_TerrainCategorie(static_cast<std::int32_t>(i), m.Categories[i]);
    }
    for (ClsJeuBatiment& b : m.Chateaux) b.Main = &Main;
    for (ClsJeuBatiment& b : m.Maisons) b.Main = &Main;
    Main.Fiefs = std::move(m.Fiefs);
    Main.Chateaux = std::move(m.Chateaux);
    Main.Ressources = std::move(m.Ressources);
    Main.Tresors = std::move(m.Tresors);
    Main.Decors = std::move(m.Decors);
    Main.Persos = std::move(m.Persos);
    Main.Maisons = std::move(m.Maisons);
    Main.EffetsPersos.assign(Main.Persos.size(), ClsJeuEffet{});
    Main.EffetsMaisons.assign(Main.Maisons.size(), ClsJeuEffet{});
    // The pace follows from the speed, the fatigue and the ground under
    // the character, now that the map is there.
    for (ClsJeuPerso& p : Main.Persos) {
        // A character short of its destination is on its way.
        p.EnMarche = p.PositionX != p.DestinationX || p.PositionY != p.DestinationY;
        p.Calculer_Coef_Vitesse();
        p.Calculer_Longueur_Pas();
    }
}

void Lire_Fichier_Monde(ModMain& Main, const fs::path& Chemin) {
    const std::string nom = Chemin.filename().string();
    std::error_code ec;
    const auto taille = fs::file_size(Chemin, ec);
    if (ec) throw ErreurFichier(nom, "Le fichier est introuvable ou illisible.");
    // A world of the largest map with many characters stays far below this.
    if (taille > 1024ULL * 1024 * 1024) throw ErreurFichier(nom, "Le fichier est trop gros pour une sauvegarde.");
    const std::optional<std::string> texte = LireFichier(Chemin);
    if (!texte) throw ErreurFichier(nom, "Le fichier est introuvable ou illisible.");
    Lire_Texte_Monde(Main, *texte, nom);
}
