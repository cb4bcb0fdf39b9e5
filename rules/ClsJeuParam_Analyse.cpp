// Line parser of the item and race files: no count keys, tables that grow
// as numbered section headers appear, keys with an index in parentheses,
// and the list-wide part of the race file. Every index and reference it
// reads is checked here, against the tables loaded by the earlier stages.
#include <unordered_map>

#include "platform/CheminConfine.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "rules/ClsJeuParam_Lecture.h"

using namespace regles;

namespace {

// Blanks here are spaces only: tabs are handled apart by Nettoyer_Ligne.
std::string_view SansEspaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

// Entry `indice` of a list whose first key index is `premier`, or nothing
// (and a fault) when the index falls outside the list.
template <typename T>
T* Position(std::vector<T>& liste, std::int32_t indice, std::int32_t premier, const Conversion& a) {
    std::int64_t p = static_cast<std::int64_t>(indice) - premier;
    if (p >= 0 && p < static_cast<std::int64_t>(liste.size())) return &liste[static_cast<std::size_t>(p)];
    if (liste.empty())
        a.Erreur("l'indice " + std::to_string(indice) + " est hors de la liste, qui est vide.");
    else
        a.Erreur("l'indice " + std::to_string(indice) + " est hors de la liste (" + std::to_string(premier) + " à " +
                 std::to_string(premier + static_cast<std::int64_t>(liste.size()) - 1) + ").");
    return nullptr;
}

// A 1-based reference written in the file, stored 0-based; 0 (none) is
// allowed only when `aucun` is set. A bad one reads -1 after its fault.
std::int16_t Reference(const Conversion& a, std::string_view valeur, std::int32_t nombre, bool aucun,
                       std::string_view quoi) {
    double ecrit = Val(valeur);
    if (!a.Plage(ecrit, aucun ? 0 : 1, nombre, quoi)) return -1;
    return static_cast<std::int16_t>(Arrondi(ecrit) - 1);
}

float Simple(std::string_view valeur) { return static_cast<float>(Val(valeur)); }

// A name that becomes a path below the game folder; "" after its fault
// when it would leave the folder.
std::string CheminSur(const Conversion& a, std::string_view valeur) {
    if (auto defaut = DefautChemin(valeur)) {
        a.Erreur(*defaut);
        return {};
    }
    return std::string(valeur);
}

}  // namespace

// ---------------------------------------------------------------------------
// Text of one line

std::string ClsJeuParam::Nettoyer_Ligne(std::string_view Texte) {
    std::string_view t = SansEspaces(Texte);
    while (!t.empty() && t.front() == '\t') t.remove_prefix(1);
    return std::string(SansEspaces(t));
}

// Keys and values lose their blanks and tabs both ends: a tab left at the
// end of a value would only make a file name or a text that nothing finds.
std::string ClsJeuParam::Lire_Cle(std::string_view Texte) {
    return std::string(Rogner(Texte.substr(0, Texte.find('='))));
}

std::string ClsJeuParam::Lire_Valeur(std::string_view Texte) {
    std::size_t egal = Texte.find('=');
    if (egal == std::string_view::npos) return {};
    return std::string(Rogner(Texte.substr(egal + 1)));
}

std::optional<std::int32_t> ClsJeuParam::Lire_Indice(std::string_view Cle) {
    std::size_t ouvre = Cle.find('(');
    std::size_t ferme = Cle.find(')');
    if (ouvre == std::string_view::npos || ferme == std::string_view::npos) return 0;
    if (ferme < ouvre) return std::nullopt;
    auto v = ValeurStricte(Cle.substr(ouvre + 1, ferme - ouvre - 1));
    if (!v) return std::nullopt;
    return Entier32(*v);
}

std::string ClsJeuParam::Retirer_Indice(std::string_view Cle) {
    std::size_t ouvre = Cle.find('(');
    if (ouvre == std::string_view::npos || Cle.find(')') == std::string_view::npos) return std::string(Cle);
    return std::string(Rogner(Cle.substr(0, ouvre)));
}

// ---------------------------------------------------------------------------
// Reading a file

void ClsJeuParam::Lire_Fichier_Parametres(const std::filesystem::path& Chemin, EtatAnalyse& Etat) {
    std::optional<std::string> texte = LireFichierBorne(Chemin, TailleFichierMax::Ini, Etat.Erreurs.Fichier());
    if (!texte) throw ErreurFichier(Etat.Erreurs.Fichier(), "Le fichier est introuvable dans le dossier du jeu.");
    std::string section;
    std::int32_t rang = 0;
    Etat.EtatRang = EtatAnalyse::Rangee::AvantEntete;
    std::vector<std::string> lignes = DecouperLignes(*texte);
    Etat.EntetesObjets = Etat.EntetesRaces = 0;
    for (const std::string& l : lignes) {
        std::string propre = Nettoyer_Ligne(l);
        if (propre.starts_with("[Objet_")) ++Etat.EntetesObjets;
        else if (propre.starts_with("[Race_")) ++Etat.EntetesRaces;
    }
    for (std::size_t i = 0; i < lignes.size(); ++i) {
        Etat.NumeroLigne = i + 1;
        Analyser_Ligne(lignes[i], section, rang, Etat);
    }
}

void ClsJeuParam::Analyser_Ligne(std::string_view Ligne, std::string& Section, std::int32_t& Rang, EtatAnalyse& Etat) {
    std::string ligne = Nettoyer_Ligne(Ligne);
    if (ligne.empty()) return;

    if (ligne.find('=') != std::string::npos) {
        std::string valeur = Lire_Valeur(ligne);
        std::string cleEcrite = Lire_Cle(ligne);
        // Every other file reads its values through the 254-character
        // limit: here too a longer value is refused, never cut and read.
        if (LongueurCaracteres(valeur) > ClsFicINI::LongueurMax &&
            Etat.EtatRang != EtatAnalyse::Rangee::Invalide && (Section == "Objets" || Section == "Races")) {
            Etat.Erreur(cleEcrite, "valeur trop longue (plus de " + std::to_string(ClsFicINI::LongueurMax) +
                                       " caractères).");
            return;
        }
        std::string cle = Retirer_Indice(cleEcrite);
        if (Section == "Objets")
            Affecter_Cle_Objet(cle, cleEcrite, valeur, Rang, Etat);
        else if (Section == "Races")
            Affecter_Cle_Race(cle, cleEcrite, valeur, Rang, Etat);
        return;
    }

    // A numbered row header: "[Objet_" n "]" or "[Race_" n "]".
    auto entete = [&](std::string_view prefixe, std::string_view partie,
                      std::int32_t entetes) -> std::optional<std::int32_t> {
        auto erreur = [&](std::string_view message) {
            Etat.Erreurs.Ajouter("Ligne " + std::to_string(Etat.NumeroLigne) + ", section " + ligne + " : " +
                                 std::string(message));
            Etat.EtatRang = EtatAnalyse::Rangee::Invalide;
        };
        if (Section != partie) {
            erreur("cette section doit suivre la section [" + std::string(partie) + "].");
            return std::nullopt;
        }
        std::size_t longueur = ligne.size() > prefixe.size() ? ligne.size() - prefixe.size() - 1 : 0;
        double rang = Arrondi(Val(std::string_view(ligne).substr(prefixe.size(), longueur)) - 1);
        // Row counts are 16-bit.
        if (!(rang >= 0 && rang <= 32766)) {
            erreur("le numéro doit être un entier de 1 à 32767.");
            return std::nullopt;
        }
        if (rang >= entetes + EtatAnalyse::TrouMax) {
            erreur("le numéro laisse trop de sections absentes : le fichier n'en contient que " +
                   std::to_string(entetes) + ".");
            return std::nullopt;
        }
        Etat.EtatRang = EtatAnalyse::Rangee::Valide;
        return static_cast<std::int32_t>(rang);
    };

    if (ligne.starts_with("[Objet_")) {
        if (auto r = entete("[Objet_", "Objets", Etat.EntetesObjets)) {
            Rang = *r;
            Ouvrir_Rang_Objet(Rang);
        }
    } else if (ligne.starts_with("[Race_")) {
        if (auto r = entete("[Race_", "Races", Etat.EntetesRaces)) {
            Rang = *r;
            Ouvrir_Rang_Race(Rang);
        }
    } else if (ligne == "[Objets]") {
        Section = "Objets";
        Etat.EtatRang = EtatAnalyse::Rangee::AvantEntete;
    } else if (ligne == "[Races]") {
        Section = "Races";
        Rang = -1;
        Etat.EtatRang = EtatAnalyse::Rangee::Valide;
    } else if (ligne.front() == '[') {
        // Any other section ends the item or race part, so that its keys
        // never land in the last item or race.
        Section = ligne;
        Etat.EtatRang = EtatAnalyse::Rangee::AvantEntete;
    }
}

// ---------------------------------------------------------------------------
// Items

void ClsJeuParam::Ouvrir_Rang_Objet(std::int32_t Rang) {
    if (Rang >= NombreTypesObjets) {
        ParamObjet neuf;
        neuf.PrixRessources.assign(static_cast<std::size_t>(NombreRessources), 0);
        neuf.BonusCompetencesRessources.assign(static_cast<std::size_t>(NombreRessources), 0);
        neuf.GainRessource.assign(static_cast<std::size_t>(NombreRessources), 0.0f);
        neuf.BonusCompetencesSpeciales.assign(static_cast<std::size_t>(NombreCompetencesSpeciales), 0);
        // Service competences are numbered from service row 1.
        neuf.BonusCompetencesServices.assign(static_cast<std::size_t>(std::max(NombreServices - 1, 0)), 0);
        // One entry per item competence.
        neuf.BonusCompetencesObjets.assign(static_cast<std::size_t>(NombreCompetencesObjets), 0);
        ListeObjets.resize(static_cast<std::size_t>(Rang) + 1, neuf);
        NombreTypesObjets = static_cast<std::int16_t>(Rang + 1);
    }
    ParamObjet& o = ListeObjets[static_cast<std::size_t>(Rang)];
    o.PerteRessourceIndice = -1;
    o.Invocation = -1;
}

void ClsJeuParam::Affecter_Cle_Objet(std::string_view Cle, std::string_view CleEcrite, std::string_view Valeur,
                                     std::int32_t Rang, EtatAnalyse& Etat) {
    struct A {
        ClsJeuParam& p;
        ParamObjet& o;
        std::int32_t indice;
        std::string_view valeur;
        Conversion conv;
        std::int16_t E16() const { return conv.Souple16(valeur); }
        std::int32_t E32() const { return conv.Souple32(valeur); }
        bool B() const { return VersBooleen(valeur); }
        std::string Chemin() const { return CheminSur(conv, valeur); }
    };
    using Affecteur = void (*)(A&);
    static const std::unordered_map<std::string_view, Affecteur> table = {
        {"Nom", [](A& a) { a.o.Nom = a.valeur; }},
        {"Image", [](A& a) { a.o.Image = a.Chemin(); }},
        {"NomPluriel", [](A& a) { a.o.NomPluriel = a.valeur; }},
        {"Description", [](A& a) { a.o.Description = a.valeur; }},
        {"Secret", [](A& a) { a.o.Secret = a.B(); }},
        {"Unique", [](A& a) { a.o.Unique = a.B(); }},
        {"Indestructible", [](A& a) { a.o.Indestructible = a.B(); }},
        {"Inseparable", [](A& a) { a.o.Inseparable = a.B(); }},
        {"Categorie", [](A& a) { a.o.Categorie = a.conv.Strict16(a.valeur).value_or(0); }},
        {"Competence",
         [](A& a) { a.o.Competence = Reference(a.conv, a.valeur, a.p.NombreCompetencesObjets, true, "aucune compétence d'objet"); }},
        {"PrixRessources",
         [](A& a) {
             if (auto* e = Position(a.o.PrixRessources, a.indice, 1, a.conv)) *e = a.E16();
         }},
        {"Epoque", [](A& a) { a.o.Epoque = a.E16(); }},
        {"DureeFabrication", [](A& a) { a.o.DureeFabrication = a.E16(); }},
        {"PrixVente", [](A& a) { a.o.PrixVente = a.E16(); }},
        {"BonusVie", [](A& a) { a.o.BonusVie = a.E16(); }},
        {"BonusEnergie", [](A& a) { a.o.BonusEnergie = a.E16(); }},
        {"BonusMagie", [](A& a) { a.o.BonusMagie = a.E16(); }},
        {"BonusMoral", [](A& a) { a.o.BonusMoral = a.E16(); }},
        {"BonusAttaque", [](A& a) { a.o.BonusAttaque = a.E16(); }},
        {"BonusPorteeAttaque", [](A& a) { a.o.BonusPorteeAttaque = a.E16(); }},
        {"EffetAttaque",
         [](A& a) {
             // Effects are read at stage 6: checked then.
             a.o.EffetAttaque = a.conv.Souple16(a.valeur, -1);
             a.p.ReferencesDifferees.push_back({a.conv.erreurs.Fichier(), a.conv.lieu, std::string(a.valeur),
                                                a.o.EffetAttaque, -1, 1, Cible::Effet});
         }},
        {"SurfaceAttaque", [](A& a) { a.o.SurfaceAttaque = a.E16(); }},
        {"BonusDefense", [](A& a) { a.o.BonusDefense = a.E16(); }},
        {"BonusDeplacement", [](A& a) { a.o.BonusDeplacement = a.E16(); }},
        {"BonusCompetencesSpeciales",
         [](A& a) {
             if (auto* e = Position(a.o.BonusCompetencesSpeciales, a.indice, 1, a.conv)) *e = a.E16();
         }},
        {"BonusCompetencesRessources",
         [](A& a) {
             if (auto* e = Position(a.o.BonusCompetencesRessources, a.indice, 1, a.conv)) *e = a.E16();
         }},
        {"BonusCompetencesServices",
         [](A& a) {
             // Key 2 is the competence of service row 1, at position 0.
             if (auto* e = Position(a.o.BonusCompetencesServices, a.indice, 2, a.conv)) *e = a.E16();
         }},
        {"BonusCompetencesObjets",
         [](A& a) {
             if (auto* e = Position(a.o.BonusCompetencesObjets, a.indice, 1, a.conv)) *e = a.E16();
         }},
        {"BonusArmure", [](A& a) { a.o.BonusArmure = a.E16(); }},
        {"BonusMaxRessources", [](A& a) { a.o.BonusMaxRessources = a.E16(); }},
        {"BonusVitesseRegenerationVie", [](A& a) { a.o.BonusVitesseRegenerationVie = Simple(a.valeur); }},
        {"BonusVitesseRegenerationEnergie", [](A& a) { a.o.BonusVitesseRegenerationEnergie = Simple(a.valeur); }},
        {"BonusVitesseRegenerationMagie", [](A& a) { a.o.BonusVitesseRegenerationMagie = Simple(a.valeur); }},
        {"BonusVitesseRegenerationMoral", [](A& a) { a.o.BonusVitesseRegenerationMoral = Simple(a.valeur); }},
        {"PerteVie", [](A& a) { a.o.PerteVie = Val(a.valeur); }},
        {"PerteEnergie", [](A& a) { a.o.PerteEnergie = Val(a.valeur); }},
        {"PerteMagie", [](A& a) { a.o.PerteMagie = Val(a.valeur); }},
        {"PerteMoral", [](A& a) { a.o.PerteMoral = Val(a.valeur); }},
        {"PerteArgent", [](A& a) { a.o.PerteArgent = a.E32(); }},
        {"PerteRessourceIndice",
         [](A& a) { a.o.PerteRessourceIndice = Reference(a.conv, a.valeur, a.p.NombreRessources, true, "aucune ressource"); }},
        {"PerteRessourceQuantite", [](A& a) { a.o.PerteRessourceQuantite = Simple(a.valeur); }},
        {"ApparencePerso", [](A& a) { a.o.ApparencePerso = a.E16(); }},
        {"ChangerApparencePerso", [](A& a) { a.o.ChangerApparencePerso = a.B(); }},
        {"Utilisable", [](A& a) { a.o.Utilisable = a.B(); }},
        {"UtilisationUnique", [](A& a) { a.o.UtilisationUnique = a.B(); }},
        {"UtilisationMort", [](A& a) { a.o.UtilisationMort = a.B(); }},
        {"Experience", [](A& a) { a.o.Experience = Val(a.valeur); }},
        {"Invocation",
         [](A& a) {
             // Races are read at stage 7: checked then.
             a.o.Invocation = a.conv.Souple16(a.valeur, -1);
             a.p.ReferencesDifferees.push_back({a.conv.erreurs.Fichier(), a.conv.lieu, std::string(a.valeur),
                                                a.o.Invocation, -1, 1, Cible::Race});
         }},
        {"Quantite", [](A& a) { a.o.Quantite = Simple(a.valeur); }},
        {"GainVie", [](A& a) { a.o.GainVie = Val(a.valeur); }},
        {"GainEnergie", [](A& a) { a.o.GainEnergie = Val(a.valeur); }},
        {"GainMagie", [](A& a) { a.o.GainMagie = Val(a.valeur); }},
        {"GainMoral", [](A& a) { a.o.GainMoral = Val(a.valeur); }},
        {"GainArgent", [](A& a) { a.o.GainArgent = Simple(a.valeur); }},
        {"GainRessource",
         [](A& a) {
             if (auto* e = Position(a.o.GainRessource, a.indice, 1, a.conv)) *e = Simple(a.valeur);
         }},
        {"Resurrection", [](A& a) { a.o.Resurrection = a.E32(); }},
        {"SelfResurrection", [](A& a) { a.o.SelfResurrection = a.B(); }},
        {"PrixTalents", [](A& a) { a.o.PrixTalents = a.E16(); }},
    };

    auto it = table.find(Cle);
    if (it == table.end()) return;  // keys are compared exactly: others are not item keys
    if (Etat.EtatRang == EtatAnalyse::Rangee::Invalide) return;
    if (Etat.EtatRang == EtatAnalyse::Rangee::AvantEntete || Rang < 0 || Rang >= NombreTypesObjets) {
        Etat.Erreur(CleEcrite, "clé placée avant toute section [Objet_n].");
        return;
    }
    auto indice = Lire_Indice(CleEcrite);
    if (!indice) {
        Etat.Erreur(CleEcrite, "l'indice entre parenthèses n'est pas un nombre entier.");
        return;
    }
    A a{*this, ListeObjets[static_cast<std::size_t>(Rang)], *indice, Valeur, Etat.A(CleEcrite)};
    it->second(a);
}

// ---------------------------------------------------------------------------
// Races

void ClsJeuParam::Ouvrir_Rang_Race(std::int32_t Rang) {
    if (Rang < NombreRaces) return;
    ParamRace neuve;
    neuve.CoefCompSpeciale.assign(static_cast<std::size_t>(NombreCompetencesSpeciales), 0.0f);
    neuve.CoefCompRessource.assign(static_cast<std::size_t>(NombreRessources), 0.0f);
    neuve.Ressources.assign(static_cast<std::size_t>(NombreRessources), 0.0);
    neuve.CoefCompService.assign(static_cast<std::size_t>(NombreServices), 0.0f);
    neuve.CoefCompObjet.assign(static_cast<std::size_t>(NombreCompetencesObjets), 0.0f);
    ListeRaces.resize(static_cast<std::size_t>(Rang) + 1, neuve);
    NombreRaces = static_cast<std::int16_t>(Rang + 1);
}

void ClsJeuParam::Affecter_Cle_Race(std::string_view Cle, std::string_view CleEcrite, std::string_view Valeur,
                                    std::int32_t Rang, EtatAnalyse& Etat) {
    struct A {
        ClsJeuParam& p;
        ParamRace& r;
        std::int32_t indice;
        std::string_view valeur;
        Conversion conv;
        std::int16_t E16() const { return conv.Souple16(valeur); }
        std::int32_t E32() const { return conv.Souple32(valeur); }
        bool B() const { return VersBooleen(valeur); }
        std::string Chemin() const { return CheminSur(conv, valeur); }
        // A list whose count key came earlier in the row.
        void Entree(std::vector<std::int16_t>& liste, std::string_view cleNombre) {
            if (liste.empty()) {
                conv.Erreur(std::string(cleNombre) + " doit être donné, et plus grand que 0, avant cette clé.");
                return;
            }
            if (auto* e = Position(liste, indice, 1, conv))
                *e = Reference(conv, valeur, std::max<std::int32_t>(p.NombreTypesObjets, 0), false, "aucun objet");
        }
        // A count that creates its list, entries not yet given.
        std::int16_t Nombre(std::vector<std::int16_t>& liste) {
            std::int16_t n = E16();
            if (!conv.AuMoins(n, 0)) n = 0;
            liste.assign(static_cast<std::size_t>(n), NonDonne);
            return n;
        }
    };
    using Affecteur = void (*)(A&);
    static const std::unordered_map<std::string_view, Affecteur> table = {
        {"NomM", [](A& a) { a.r.NomM = a.valeur; }},
        {"NomF", [](A& a) { a.r.NomF = a.valeur; }},
        {"NomMPluriel", [](A& a) { a.r.NomMPluriel = a.valeur; }},
        {"NomFPluriel", [](A& a) { a.r.NomFPluriel = a.valeur; }},
        {"Jouable", [](A& a) { a.r.Jouable = a.B(); }},
        {"Description", [](A& a) { a.r.Description = a.valeur; }},
        {"RestrictionMaculin", [](A& a) { a.r.RestrictionMaculin = a.B(); }},
        {"RestrictionFeminin", [](A& a) { a.r.RestrictionFeminin = a.B(); }},
        {"Largeur", [](A& a) { a.r.Largeur = a.E16(); }},
        {"Hauteur", [](A& a) { a.r.Hauteur = a.E16(); }},
        {"DefinirApparence", [](A& a) { a.r.DefinirApparence = a.B(); }},
        {"CheminApparenceM", [](A& a) { a.r.CheminApparenceM = a.Chemin(); }},
        {"CheminApparenceF", [](A& a) { a.r.CheminApparenceF = a.Chemin(); }},
        {"Vie", [](A& a) { a.r.Vie = a.E32(); }},
        {"Energie", [](A& a) { a.r.Energie = a.E32(); }},
        {"Magie", [](A& a) { a.r.Magie = a.E32(); }},
        {"Moral", [](A& a) { a.r.Moral = a.E32(); }},
        {"Attaque", [](A& a) { a.r.Attaque = a.E32(); }},
        {"Defense", [](A& a) { a.r.Defense = a.E32(); }},
        {"CoefVie", [](A& a) { a.r.CoefVie = Simple(a.valeur); }},
        {"CoefEnergie", [](A& a) { a.r.CoefEnergie = Simple(a.valeur); }},
        {"CoefMagie", [](A& a) { a.r.CoefMagie = Simple(a.valeur); }},
        {"CoefMoral", [](A& a) { a.r.CoefMoral = Simple(a.valeur); }},
        {"CoefAttaque", [](A& a) { a.r.CoefAttaque = Simple(a.valeur); }},
        {"CoefDefense", [](A& a) { a.r.CoefDefense = Simple(a.valeur); }},
        {"VitesseRegenerationVie", [](A& a) { a.r.VitesseRegenerationVie = Simple(a.valeur); }},
        {"VitesseRegenerationEnergie", [](A& a) { a.r.VitesseRegenerationEnergie = Simple(a.valeur); }},
        {"VitesseRegenerationMagie", [](A& a) { a.r.VitesseRegenerationMagie = Simple(a.valeur); }},
        {"VitesseRegenerationMoral", [](A& a) { a.r.VitesseRegenerationMoral = Simple(a.valeur); }},
        {"Parole", [](A& a) { a.r.Parole = a.B(); }},
        {"Experience", [](A& a) { a.r.Experience = a.B(); }},
        {"Equiper", [](A& a) { a.r.Equiper = a.B(); }},
        {"CoefCompSpeciale",
         [](A& a) {
             if (auto* e = Position(a.r.CoefCompSpeciale, a.indice, 1, a.conv)) *e = Simple(a.valeur);
         }},
        {"CoefCompRessource",
         [](A& a) {
             if (auto* e = Position(a.r.CoefCompRessource, a.indice, 1, a.conv)) *e = Simple(a.valeur);
         }},
        {"CoefCompService",
         [](A& a) {
             if (auto* e = Position(a.r.CoefCompService, a.indice, 1, a.conv)) *e = Simple(a.valeur);
         }},
        {"CoefCompObjet",
         [](A& a) {
             if (auto* e = Position(a.r.CoefCompObjet, a.indice, 1, a.conv)) *e = Simple(a.valeur);
         }},
        {"Volant", [](A& a) { a.r.Volant = a.B(); }},
        {"CommentairesSpecifique",
         [](A& a) { a.r.CommentairesSpecifique = Reference(a.conv, a.valeur, 32767, true, "aucun type de paroles"); }},
        {"PorteeAttaque", [](A& a) { a.r.PorteeAttaque = a.E16(); }},
        {"EffetAttaque",
         [](A& a) { a.r.EffetAttaque = Reference(a.conv, a.valeur, a.p.NombreEffets, true, "aucun effet"); }},
        {"Armure", [](A& a) { a.r.Armure = a.E16(); }},
        {"Vitesse", [](A& a) { a.r.Vitesse = a.E16(); }},
        {"IA_Pacifique", [](A& a) { a.r.IA_Pacifique = a.B(); }},
        {"IA_Manger", [](A& a) { a.r.IA_Manger = a.B(); }},
        {"IA_Temeraire", [](A& a) { a.r.IA_Temeraire = a.B(); }},
        {"IA_Berserk", [](A& a) { a.r.IA_Berserk = a.B(); }},
        {"IA_Incommandable", [](A& a) { a.r.IA_Incommandable = a.B(); }},
        {"IA_Selectionner", [](A& a) { a.r.IA_Selectionner = a.B(); }},
        {"IA_Fichier", [](A& a) { a.r.IA_Fichier = a.Chemin(); }},
        {"Infatigable", [](A& a) { a.r.Infatigable = a.B(); }},
        {"Kamikaze", [](A& a) { a.r.Kamikaze = a.B(); }},
        {"RestaurationComplete", [](A& a) { a.r.RestaurationComplete = a.B(); }},
        {"Argent", [](A& a) { a.r.Argent = Val(a.valeur); }},
        {"Ressources",
         [](A& a) {
             if (auto* e = Position(a.r.Ressources, a.indice, 1, a.conv)) *e = Val(a.valeur);
         }},
        {"DepartSansRessources", [](A& a) { a.r.DepartSansRessources = a.B(); }},
        {"NombreObjets", [](A& a) { a.r.NombreObjets = a.Nombre(a.r.Objet); }},
        {"Objet", [](A& a) { a.Entree(a.r.Objet, "NombreObjets"); }},
        {"NombreEquipement", [](A& a) { a.r.NombreEquipement = a.Nombre(a.r.Equipement); }},
        {"Equipement", [](A& a) { a.Entree(a.r.Equipement, "NombreEquipement"); }},
        {"IndiceBestiaire", [](A& a) { a.r.IndiceBestiaire = a.E16(); }},
    };

    if (Etat.EtatRang == EtatAnalyse::Rangee::Invalide) return;
    Conversion conv = Etat.A(CleEcrite);
    // List-wide keys, wherever they stand in the file.
    if (Cle == "ChancesRaceAleatoire") {
        ChancesRaceAleatoire = Simple(Valeur);
        return;
    }
    if (Cle == "JouerToutesLesRaces") {
        JouerToutesLesRaces = VersBooleen(Valeur);
        return;
    }
    auto it = table.find(Cle);
    if (it == table.end()) return;
    auto indice = Lire_Indice(CleEcrite);
    if (!indice) {
        conv.Erreur("l'indice entre parenthèses n'est pas un nombre entier.");
        return;
    }
    if (Rang < 0) {
        // The [Races] part: the common item list, given to every race.
        ParamRace rien;
        A a{*this, rien, *indice, Valeur, conv};
        if (Cle == "NombreObjets")
            NombreObjetsCommuns = a.Nombre(ObjetsCommuns);
        else if (Cle == "Objet")
            a.Entree(ObjetsCommuns, "NombreObjets");
        else
            conv.Erreur("clé placée avant toute section [Race_n].");
        return;
    }
    if (Rang >= NombreRaces) {
        conv.Erreur("clé placée avant toute section [Race_n].");
        return;
    }
    A a{*this, ListeRaces[static_cast<std::size_t>(Rang)], *indice, Valeur, conv};
    it->second(a);
}
