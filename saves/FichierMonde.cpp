#include "saves/FichierMonde.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <system_error>
#include <unistd.h>
#include <vector>

#include "characters/ClsJeuPerso_Champs.h"
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

using champs::Max16;
using champs::Max32;
using champs::Min16;
using champs::Min32;

// ---- The two directions over one description of every record ----
// Each record is described once against an "archive" that either writes
// the values or reads them back (the state hash is a third), so that the
// writer and the reader can never disagree on the order of the lines.

class Ecrivain {
public:
    static constexpr bool Lecture = false;
    static constexpr bool Ecriture = true;
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
    template <class G, class E>
    void PF64Prefixe(G lire, E, const char*) { Ligne(Texte_Decimal_Monde(lire())); }
    void Compte(const long long& v, const char*, long long) { Ligne(Texte_Entier_Monde(v)); }
    template <class F>
    void Reste(long long, F) {}
    template <class F>
    void Local(F champs) { champs(); }
};

class Lecteur {
public:
    static constexpr bool Lecture = true;
    static constexpr bool Ecriture = false;

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

    // The next line, left to be read.
    std::string_view Regarder() const { return pos_ < lignes_.size() ? lignes_[pos_] : std::string_view(); }

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
    template <class G, class E>
    void PF64Prefixe(G, E ecrire, const char* c) { ecrire(Prefixe(c)); }
    // A count, by its leading number: at most Max, and no more than the
    // lines the file still holds.
    void Compte(long long& v, const char* c, long long Max) {
        const double k = Arrondi(Prefixe(c));
        const long long reste = static_cast<long long>(lignes_.size() - pos_);
        if (!(k >= 0 && k <= static_cast<double>(std::min(reste, Max))))
            Erreur(std::string(c) + " (" + TexteNombre(k) + ") ne tient pas dans le fichier.");
        v = static_cast<long long>(k);
    }
    template <class F>
    void Reste(long long n, F quoi) {
        if (static_cast<long long>(pos_) + n > static_cast<long long>(lignes_.size()))
            Erreur("le fichier est tronqué : il s'arrête au milieu de " + quoi() + ".");
    }
    template <class F>
    void Local(F champs) { champs(); }

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
// The records' fields are listed in world/ChampsMonde.h and
// characters/ClsJeuPerso_Champs.h, shared with the state hash.

// Lines of a character record, from its slot counts.
long long Lignes_Perso(const ComptesMonde& n, long long emplacements) {
    return 105 + 6LL * (n.NCS + n.NR + n.NSV + n.NCO) + 9 + 2 * emplacements + n.NR + n.NRA;
}

// ---- Writer ----

// The final section follows the last house. Its first line names it with
// its version: a file of the first layout, which ends with its last house,
// still loads, and a later version can add fields behind these.
constexpr std::string_view MarqueSuite = "Compléments 1";

void Ecrire_Perso(Ecrivain& e, const ClsJeuPerso& perso, const ClsJeuParam& P, const ComptesMonde& n) {
    // The description takes a modifiable record so that one text serves
    // both directions; the writer only reads through it.
    ClsJeuPerso& p = const_cast<ClsJeuPerso&>(perso);
    Champs_Perso_Debut(e, p, P, n);
    Champs_Perso_Fabrication(e, p, P);
    Champs_Perso_Objets(e, p, P);
    Champs_Perso_Fin(e, p, n);
}

}  // namespace

std::string Ecrire_Texte_Monde(const ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    ComptesMonde n(P);
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
    for (const ClsJeuTresors& t : Main.Tresors) Champs_Tresor(e, const_cast<ClsJeuTresors&>(t), P, n);
    for (const ClsJeuDecors& d : Main.Decors) Champs_Decor(e, const_cast<ClsJeuDecors&>(d), P);
    for (const ClsJeuPerso& p : Main.Persos) Ecrire_Perso(e, p, P, n);
    for (std::size_t i = 0; i < Main.Maisons.size(); ++i)
        Champs_Maison(e, const_cast<ClsJeuBatiment&>(Main.Maisons[i]), i, P, n);
    e.Ligne(MarqueSuite);
    Champs_Monde_Suite(e, const_cast<std::int16_t&>(M.TypeMonde));
    for (const ClsJeuPerso& p : Main.Persos) Champs_Perso_Suite(e, const_cast<ClsJeuPerso&>(p));
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
    ComptesMonde n(P);
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

    for (long long t = 0; t < NT; ++t) Champs_Tresor(L, m.Tresors(m.Tresors.Ajouter_Tresor(0, 0, P)), P, n);
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
        p.EquipementDecrit = true;
        Champs_Perso_Debut(L, p, P, n);
        // The bonus updates below rescale the current values and the
        // reserves to the new maxima; the file holds them as they stood.
        const double vie = p.Vie, energie = p.Energie, magie = p.Magie, moral = p.Moral, attaque = p.Attaque,
                     defense = p.Defense;
        const double reserves[4] = {p.ReserveVie, p.ReserveEnergie, p.ReserveMagie, p.ReserveMoral};
        p.Gestion_Tous_Niveaux();
        p.Ajuster_Bonus();
        Champs_Perso_Fabrication(L, p, P);
        Champs_Perso_Objets(L, p, P);
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
        Champs_Perso_Fin(L, p, n);
    }

    m.Maisons.resize(static_cast<std::size_t>(NM));
    for (std::size_t i = 0; i < m.Maisons.size(); ++i) Champs_Maison(L, m.Maisons[i], i, P, n);

    // The final section, which a file of the first layout does not have.
    const bool suite = L.Position() < L.NombreLignes() && Rogner(L.Regarder()) == MarqueSuite;
    std::int16_t typeMonde = 0;
    if (suite) {
        L.Suivante("la section finale");
        Champs_Monde_Suite(L, typeMonde);
        for (ClsJeuPerso& p : m.Persos) Champs_Perso_Suite(L, p);
    }
    if (L.Position() < L.NombreLignes())
        L.Erreur(L.Position() + 1, std::string("des données suivent ") +
                                       (suite ? "la section finale" : "la dernière maison") +
                                       " : le fichier n'est pas une sauvegarde de monde faite avec ces règles.");

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
    if (suite) {
        M.TypeMonde = typeMonde;
        // The diagonal steps follow from the saved pace alone.
        for (ClsJeuPerso& p : Main.Persos) p.Calculer_Pas_Diagonaux();
    } else {
        // A file without the final section: the pace is worked out from
        // the speed, the fatigue and the ground under the character, now
        // that the map is there, and a character short of its destination
        // is on its way.
        for (ClsJeuPerso& p : Main.Persos) {
            p.EnMarche = p.PositionX != p.DestinationX || p.PositionY != p.DestinationY;
            p.Calculer_Coef_Vitesse();
            p.Calculer_Longueur_Pas();
        }
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
