// Checks the game's default rules data on its own: counts against numbered
// sections, every reference inside its table, the line order that the item
// and race files need, and the meanings the rules give to some rows. The
// key-by-key files are read through ClsFicINI, the item and race files the
// way the rules database reads them, line by line.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "tests/Outils.h"

namespace {

const char* const FichiersRegles[] = {
    "Ini_Parametres_Persos",    "Ini_Parametres_Fiefs",  "Ini_Parametres_Ressources",
    "Ini_Parametres_Batiments", "Ini_Parametres_Objets", "Ini_Parametres_Decors",
    "Ini_Parametres_Peuples",   "Ini_Parametres_Effets", "Ini_Parametres_Races",
};

// The faults found by one test, each naming its file, section and key.
class Fautes {
public:
    void Si(bool faute, const std::string& lieu, const std::string& quoi) {
        if (faute) liste_.push_back(lieu + " : " + quoi);
    }
    bool Vide() const { return liste_.empty(); }
    std::string Texte() const {
        std::string t;
        for (const std::string& l : liste_) t += l + "\n";
        return t;
    }

private:
    std::vector<std::string> liste_;
};

// A key written with an index in parentheses, as "PrixRessources(3)" or
// "Monstre(2)Indice": its name with "()" in place of the index.
struct Cle {
    std::string nom;
    std::optional<int> indice;
};

Cle SeparerCle(const std::string& cle) {
    std::size_t ouvre = cle.find('('), ferme = cle.find(')');
    if (ouvre == std::string::npos || ferme == std::string::npos || ferme < ouvre) return {cle, std::nullopt};
    Cle c{cle.substr(0, ouvre) + "()" + cle.substr(ferme + 1), std::nullopt};
    auto n = ValeurStricte(Rogner(std::string_view(cle).substr(ouvre + 1, ferme - ouvre - 1)));
    if (n && *n == std::floor(*n))
        c.indice = static_cast<int>(*n);
    else
        c.indice = -9999;  // reported as out of every range
    return c;
}

// One "key = value" line, in file order.
struct Entree {
    std::size_t ligne = 0;
    std::string cle;
    std::string valeur;
};

struct Section {
    std::string nom;
    std::size_t ligne = 0;
    std::vector<Entree> entrees;
};

// The file as lines and sections, read the way the line reader of the rules
// database reads it: a key is the text left of the first "=".
struct Fichier {
    std::string nom;
    std::string texte;  // bytes as stored, byte-order mark included
    std::vector<std::string> lignes;
    std::vector<Section> sections;  // sections[0] holds what comes before any header

    const Section* Trouver(const std::string& nomSection) const {
        for (const Section& s : sections)
            if (EgalSansCasse(s.nom, nomSection)) return &s;
        return nullptr;
    }
};

std::string LireOctets(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

Fichier LireRegles(const std::filesystem::path& dossier, const std::string& nom) {
    Fichier f;
    f.nom = nom + ".ini";
    f.texte = LireOctets(dossier / f.nom);
    f.lignes = DecouperLignes(LireFichier(dossier / f.nom).value_or(""));
    f.sections.push_back({"", 0, {}});
    for (std::size_t i = 0; i < f.lignes.size(); ++i) {
        std::string t(Rogner(f.lignes[i]));
        if (t.empty() || t.front() == ';') continue;
        std::size_t egal = t.find('=');
        if (egal == std::string::npos) {
            if (t.front() == '[' && t.back() == ']')
                f.sections.push_back({std::string(Rogner(std::string_view(t).substr(1, t.size() - 2))), i + 1, {}});
            continue;
        }
        f.sections.back().entrees.push_back({i + 1, std::string(Rogner(std::string_view(t).substr(0, egal))),
                                             std::string(Rogner(std::string_view(t).substr(egal + 1)))});
    }
    return f;
}

// The keys of one row of a list, by name and index.
class Rangee {
public:
    Rangee() = default;
    Rangee(std::string fichier, const Section& s) : lieu_(fichier + ", [" + s.nom + "]") {
        for (const Entree& e : s.entrees) {
            Cle c = SeparerCle(e.cle);
            valeurs_.emplace(std::make_pair(c.nom, c.indice.value_or(0)), e.valeur);
        }
    }
    const std::string& Lieu() const { return lieu_; }
    std::string Lieu(const std::string& cle) const { return lieu_ + ", " + cle; }
    bool A(const std::string& cle, int i = 0) const { return valeurs_.count({cle, i}) > 0; }
    std::string Texte(const std::string& cle, int i = 0) const {
        auto it = valeurs_.find({cle, i});
        return it == valeurs_.end() ? std::string() : it->second;
    }
    double Nombre(const std::string& cle, int i = 0) const { return Val(Texte(cle, i)); }
    bool Vrai(const std::string& cle, int i = 0) const { return Nombre(cle, i) != 0.0; }
    std::optional<double> Strict(const std::string& cle, int i = 0) const { return ValeurStricte(Texte(cle, i)); }
    // Indices written for an indexed key, in increasing order.
    std::vector<int> Indices(const std::string& cle) const {
        std::vector<int> v;
        for (const auto& [k, val] : valeurs_)
            if (k.first == cle) v.push_back(k.second);
        return v;
    }

private:
    std::string lieu_;
    std::map<std::pair<std::string, int>, std::string> valeurs_;
};

// Every rules file, with the rows of its lists.
struct Donnees {
    DossierTemporaire dossier;
    std::unique_ptr<DossierJeu> jeu;
    std::map<std::string, Fichier> fichiers;

    Rangee persos, personnages;
    std::vector<Rangee> epoques, ressources, depots, batiments, services, tresors, competencesObjets, objets, decors,
        peuples, effets, races;
    Rangee listeRaces;  // the list-wide part of the race file

    Donnees() {
        dossier.CopierDonnees();
        jeu = std::make_unique<DossierJeu>(dossier.Chemin());
        for (const char* nom : FichiersRegles) fichiers.emplace(nom, LireRegles(dossier.Chemin(), nom));
        personnages = Ligne("Ini_Parametres_Persos", "Personnages");
        epoques = Liste("Ini_Parametres_Fiefs", "Epoques", "NombreEpoques", "Epoque_");
        ressources = Liste("Ini_Parametres_Ressources", "Ressources", "NombreRessources", "Ressource_");
        depots =
            Liste("Ini_Parametres_Ressources", "Terrain_Ressources", "NombreTerrainRessource", "TerrainRessource_");
        batiments = Liste("Ini_Parametres_Batiments", "Batiments", "NombreTypeBatiments", "Batiment_");
        tresors = Liste("Ini_Parametres_Objets", "Tresors", "NombreTresors", "Tresor_");
        services = Liste("Ini_Parametres_Objets", "Services", "NombreServices", "Service_");
        competencesObjets =
            Liste("Ini_Parametres_Objets", "CompetencesObjets", "NombreCompetencesObjets", "CompetenceObjet_");
        decors = Liste("Ini_Parametres_Decors", "Decors", "NombreDecors", "Decor_");
        peuples = Liste("Ini_Parametres_Peuples", "Peuples", "NombrePeuples", "Peuple_");
        effets = Liste("Ini_Parametres_Effets", "Effets", "NombreEffets", "Effet_");
        objets = Rangees("Ini_Parametres_Objets", "Objet_");
        races = Rangees("Ini_Parametres_Races", "Race_");
        if (const Section* s = fichiers.at("Ini_Parametres_Races").Trouver("Races"))
            listeRaces = Rangee("Ini_Parametres_Races.ini", *s);
    }

    // A value read the way the game reads key-by-key files.
    std::string Texte(const std::string& fichier, const std::string& section, const std::string& cle) {
        ClsFicINI ini(*jeu);
        ini.NomFichier = fichier;
        ini.Section = section;
        return ini.Parametre(cle);
    }
    int Compte(const std::string& fichier, const std::string& section, const std::string& cle) {
        auto n = ValeurStricte(Texte(fichier, section, cle));
        return n ? static_cast<int>(*n) : -1;
    }
    Rangee Ligne(const std::string& fichier, const std::string& section) {
        const Section* s = fichiers.at(fichier).Trouver(section);
        return s ? Rangee(fichier + ".ini", *s) : Rangee();
    }
    // Rows 1 to the count of a list read through ClsFicINI.
    std::vector<Rangee> Liste(const std::string& fichier, const std::string& section, const std::string& cle,
                              const std::string& prefixe) {
        std::vector<Rangee> v;
        int n = Compte(fichier, section, cle);
        for (int i = 1; i <= n; ++i) v.push_back(Ligne(fichier, prefixe + std::to_string(i)));
        return v;
    }
    // Rows of a line-read list, by their header number (1-based, in order).
    std::vector<Rangee> Rangees(const std::string& fichier, const std::string& prefixe) {
        std::vector<Rangee> v;
        for (const Section& s : fichiers.at(fichier).sections)
            if (s.nom.rfind(prefixe, 0) == 0) v.emplace_back(fichier + ".ini", s);
        return v;
    }

    int NombreRessources() const { return static_cast<int>(ressources.size()); }
    int NombreObjets() const { return static_cast<int>(objets.size()); }
    int NombreRaces() const { return static_cast<int>(races.size()); }
    int NombreEffets() const { return static_cast<int>(effets.size()); }
    int NombreEpoques() const { return static_cast<int>(epoques.size()); }
    int Perso(const char* cle) const { return static_cast<int>(personnages.Nombre(cle)); }
};

bool Dans(double v, double min, double max) {
    return v >= min && v <= max;
}

// A script is found by its file name alone, letter case aside: no folder.
bool NomScriptValide(const std::string& n) {
    return n.size() > 3 && n.find('\\') == std::string::npos && n.find('/') == std::string::npos &&
           EgalSansCasse(std::string_view(n).substr(n.size() - 3), ".ia");
}

// Keys the rules database reads, by section: the list section of each file,
// then each row prefix. "()" stands for an index.
const std::map<std::string, std::set<std::string>>& ClesConnues() {
    // clang-format off
    static const std::map<std::string, std::set<std::string>> cles = {
        {"Transactions", {"CoefficientAchat"}},
        {"Personnages", {"PersosNombreApparences", "PersosLargeurDefaut", "PersosHauteurDefaut", "PersosMaxVie",
            "PersosMaxEnergie", "PersosMaxMagie", "PersosMaxMoral", "PersosNiveauSpecialesDepart",
            "PersosMaxRessources", "PersosNiveauServicesDepart", "PersosNiveauObjetsDepart", "PersosAttaque",
            "PersosPorteeAttaque", "PersosDefense", "PersosVitesse", "PersosNombreObjetsEquipes",
            "PersosNombreObjetsInventaire"}},
        {"Competences_Speciales", {"NombreCompetencesSpeciales", "CompetencesSpeciales1", "CompetencesSpeciales2",
            "CompetencesSpeciales3", "CompetencesSpeciales4"}},
        {"Epoques", {"NombreEpoques"}},
        {"Epoque_", {"Nom", "BonusVieChateau", "ChateauxRessourcesDepart", "PersosRessourcesDepart",
            "PersosArgentDepart"}},
        {"Ressources", {"NombreRessources"}},
        {"Ressource_", {"Nom", "NomCompetence", "VitesseExtraction", "TypeMatierePremiere", "QuantiteMatierePremiere",
            "PrixVente", "Mangeable", "GainVie", "GainEnergie", "GainMagie", "GainMoral", "NecessairePourConstruire",
            "Epoque"}},
        {"Terrain_Ressources", {"NombreTerrainRessource"}},
        {"TerrainRessource_", {"Nom", "TypeRessource", "Quantite"}},
        {"Batiments", {"NombreTypeBatiments"}},
        {"Batiment_", {"Nom", "MetierM", "MetierF", "Description", "PrixRessources()", "MaxVie", "RessourceFabrique",
            "NombreObjetsfabriques", "ObjetsFabriques()", "Magasin", "Fabrique", "Service", "MaxStock", "Niveau",
            "NoEpoque", "Largeur", "Hauteur", "EntreePositionX", "EntreePositionY", "NombreEtapeFabrication",
            "NombreEtapeAnimation", "ApparencePerso"}},
        {"Tresors", {"NombreTresors"}},
        {"Tresor_", {"Nom", "ValeurMin"}},
        {"Services", {"NombreServices"}},
        {"Service_", {"Nom", "Description", "VitesseCreation", "TypeMatierePremiere", "QuantiteMatierePremiere",
            "Prix", "Coefficient", "NomCompetence", "CoefExp", "Effet"}},
        {"CompetencesObjets", {"NombreCompetencesObjets"}},
        {"CompetenceObjet_", {"Numero", "Nom"}},
        {"Objets", {}},
        {"Objet_", {"Nom", "Image", "NomPluriel", "Description", "Secret", "Unique", "Indestructible", "Inseparable",
            "Categorie", "Competence", "PrixRessources()", "Epoque", "DureeFabrication", "PrixVente", "BonusVie",
            "BonusEnergie", "BonusMagie", "BonusMoral", "BonusAttaque", "BonusPorteeAttaque", "EffetAttaque",
            "SurfaceAttaque", "BonusDefense", "BonusDeplacement", "BonusCompetencesSpeciales()",
            "BonusCompetencesRessources()", "BonusCompetencesServices()", "BonusCompetencesObjets()", "BonusArmure",
            "BonusMaxRessources", "BonusVitesseRegenerationVie", "BonusVitesseRegenerationEnergie",
            "BonusVitesseRegenerationMagie", "BonusVitesseRegenerationMoral", "PerteVie", "PerteEnergie",
            "PerteMagie", "PerteMoral", "PerteArgent", "PerteRessourceIndice", "PerteRessourceQuantite",
            "ApparencePerso", "ChangerApparencePerso", "Utilisable", "UtilisationUnique", "UtilisationMort",
            "Experience", "Invocation", "Quantite", "GainVie", "GainEnergie", "GainMagie", "GainMoral", "GainArgent",
            "GainRessource()", "Resurrection", "SelfResurrection", "PrixTalents"}},
        {"Decors", {"NombreDecors"}},
        {"Decor_", {"Nom", "Image", "Largeur", "Hauteur", "NombreEtapeAnimation"}},
        {"Peuples", {"NombrePeuples"}},
        {"Peuple_", {"Nom", "NombreMonstres", "Monstre()Indice", "Monstre()Chance", "Monstre()FichierIA",
            "NomChateau", "ChateauMaxVie", "ChateauLargeur", "ChateauHauteur", "ChateauEntreePositionX",
            "ChateauEntreePositionY"}},
        {"Effets", {"NombreEffets", "EffetMaisonEnFeu", "EffetMaisonDetruite", "EffetChateauDetruit"}},
        {"Effet_", {"Nom", "Fichier", "Largeur", "Hauteur", "NombreEtapes", "DureeEtape", "Son"}},
        {"Races", {"ChancesRaceAleatoire", "JouerToutesLesRaces", "NombreObjets", "Objet()"}},
        {"Race_", {"NomM", "NomF", "NomMPluriel", "NomFPluriel", "Jouable", "Description", "RestrictionMaculin",
            "RestrictionFeminin", "Largeur", "Hauteur", "DefinirApparence", "CheminApparenceM", "CheminApparenceF",
            "Vie", "Energie", "Magie", "Moral", "Attaque", "Defense", "CoefVie", "CoefEnergie", "CoefMagie",
            "CoefMoral", "CoefAttaque", "CoefDefense", "VitesseRegenerationVie", "VitesseRegenerationEnergie",
            "VitesseRegenerationMagie", "VitesseRegenerationMoral", "Parole", "Experience", "Equiper",
            "CoefCompSpeciale()", "CoefCompRessource()", "CoefCompService()", "CoefCompObjet()", "Volant",
            "CommentairesSpecifique", "PorteeAttaque", "EffetAttaque", "Armure", "Vitesse", "IA_Pacifique",
            "IA_Manger", "IA_Temeraire", "IA_Berserk", "IA_Incommandable", "IA_Selectionner", "IA_Fichier",
            "Infatigable", "Kamikaze", "RestaurationComplete", "Argent", "Ressources()", "DepartSansRessources",
            "NombreObjets", "Objet()", "NombreEquipement", "Equipement()", "IndiceBestiaire"}},
    };
    // clang-format on
    return cles;
}

const std::set<std::string>* ClesDeSection(const std::string& section) {
    const auto& cles = ClesConnues();
    if (auto it = cles.find(section); it != cles.end()) return &it->second;
    std::size_t souligne = section.rfind('_');
    if (souligne != std::string::npos && souligne + 1 < section.size() &&
        std::all_of(section.begin() + static_cast<std::ptrdiff_t>(souligne) + 1, section.end(), ::isdigit)) {
        if (auto it = cles.find(section.substr(0, souligne + 1)); it != cles.end()) return &it->second;
    }
    return nullptr;
}

bool Utf8Valide(const std::string& s) {
    for (std::size_t i = 0; i < s.size();) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) >> 6) != 2) return false;
        i += n;
    }
    return true;
}

// The epoch an item is available from, worked out as the rules database
// does: the first workshop type that makes it, then the epochs of what it
// costs. -1 for a secret item.
int EpoqueObjet(const Donnees& d, int objet) {
    const Rangee& o = d.objets[static_cast<std::size_t>(objet)];
    if (o.Vrai("Secret")) return -1;
    int e = static_cast<int>(Arrondi(o.Nombre("Epoque")));
    for (const Rangee& b : d.batiments) {
        if (!b.Vrai("Fabrique")) continue;
        int n = static_cast<int>(b.Nombre("NombreObjetsfabriques"));
        bool fait = false;
        for (int k = 1; k <= n; ++k) fait = fait || static_cast<int>(b.Nombre("ObjetsFabriques()", k)) == objet + 1;
        if (fait) {
            e = std::max(e, static_cast<int>(b.Nombre("NoEpoque")));
            break;
        }
    }
    for (int r = 0; r < d.NombreRessources() && e >= 0; ++r) {
        if (o.Nombre("PrixRessources()", r + 1) <= 0) continue;
        int er = static_cast<int>(d.ressources[static_cast<std::size_t>(r)].Nombre("Epoque")) - 1;
        if (er >= e) e = er + 1;
    }
    return e;
}

struct DonneesRegles : ::testing::Test {
    Donnees d;
    Fautes f;
};

}  // namespace

TEST_F(DonneesRegles, FichiersUtf8SansCleInconnue) {
    for (const auto& [nom, fichier] : d.fichiers) {
        const std::string& t = fichier.texte;
        f.Si(t.empty(), fichier.nom, "fichier absent ou vide");
        f.Si(t.find('\r') != std::string::npos, fichier.nom, "fins de ligne CR LF au lieu de LF");
        f.Si(t.rfind("\xEF\xBB\xBF", 0) == 0, fichier.nom, "marque d'ordre des octets");
        f.Si(!Utf8Valide(t), fichier.nom, "pas en UTF-8");
        // The line reader would take a comment holding "=" for a key.
        for (std::size_t i = 0; i < fichier.lignes.size(); ++i) {
            std::string_view l = Rogner(fichier.lignes[i]);
            f.Si(!l.empty() && l.front() == ';' && l.find('=') != std::string_view::npos,
                 fichier.nom + ", ligne " + std::to_string(i + 1), "commentaire contenant « = »");
        }
        std::set<std::string> vues;
        for (const Section& s : fichier.sections) {
            std::string lieu = fichier.nom + ", [" + s.nom + "]";
            f.Si(!s.nom.empty() && !vues.insert(MinusculesAscii(s.nom)).second, lieu, "section en double");
            f.Si(s.nom.empty() && !s.entrees.empty(), fichier.nom, "clé avant la première section");
            const std::set<std::string>* connues = ClesDeSection(s.nom);
            f.Si(!s.nom.empty() && !connues, lieu, "section inconnue");
            std::set<std::string> clesVues;
            for (const Entree& e : s.entrees) {
                std::string place = lieu + ", " + e.cle + " (ligne " + std::to_string(e.ligne) + ")";
                f.Si(connues && !connues->count(SeparerCle(e.cle).nom), place, "clé inconnue");
                f.Si(!clesVues.insert(MinusculesAscii(e.cle)).second, place, "clé en double");
                f.Si(LongueurCaracteres(e.valeur) > 254, place, "valeur de plus de 254 caractères");
            }
        }
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, ComptesEgauxAuxSectionsNumerotees) {
    struct Liste {
        const char* fichier;
        const char* section;
        const char* cle;
        const char* prefixe;
    };
    const Liste listes[] = {
        {"Ini_Parametres_Fiefs", "Epoques", "NombreEpoques", "Epoque_"},
        {"Ini_Parametres_Ressources", "Ressources", "NombreRessources", "Ressource_"},
        {"Ini_Parametres_Ressources", "Terrain_Ressources", "NombreTerrainRessource", "TerrainRessource_"},
        {"Ini_Parametres_Batiments", "Batiments", "NombreTypeBatiments", "Batiment_"},
        {"Ini_Parametres_Objets", "Tresors", "NombreTresors", "Tresor_"},
        {"Ini_Parametres_Objets", "Services", "NombreServices", "Service_"},
        {"Ini_Parametres_Objets", "CompetencesObjets", "NombreCompetencesObjets", "CompetenceObjet_"},
        {"Ini_Parametres_Decors", "Decors", "NombreDecors", "Decor_"},
        {"Ini_Parametres_Peuples", "Peuples", "NombrePeuples", "Peuple_"},
        {"Ini_Parametres_Effets", "Effets", "NombreEffets", "Effet_"},
    };
    for (const Liste& l : listes) {
        std::string lieu = std::string(l.fichier) + ".ini, [" + l.section + "], " + l.cle;
        int n = d.Compte(l.fichier, l.section, l.cle);
        f.Si(n < 1, lieu, "nombre absent ou inférieur à 1");
        std::set<int> numeros;
        for (const Section& s : d.fichiers.at(l.fichier).sections)
            if (s.nom.rfind(l.prefixe, 0) == 0)
                numeros.insert(static_cast<int>(Val(s.nom.substr(std::strlen(l.prefixe)))));
        std::set<int> attendus;
        for (int i = 1; i <= n; ++i) attendus.insert(i);
        f.Si(numeros != attendus, lieu, "les sections numérotées ne vont pas de 1 à " + std::to_string(n));
    }

    // The item and race files are read line by line: rows grow as headers
    // appear, so headers come in order, each before its keys, and nothing
    // but rows follows the part they belong to.
    struct Lu {
        const char* fichier;
        const char* partie;
        const char* prefixe;
    };
    for (const Lu& l :
         {Lu{"Ini_Parametres_Objets", "Objets", "Objet_"}, Lu{"Ini_Parametres_Races", "Races", "Race_"}}) {
        const Fichier& fi = d.fichiers.at(l.fichier);
        bool dansPartie = false;
        int attendu = 1;
        for (const Section& s : fi.sections) {
            std::string lieu = fi.nom + ", [" + s.nom + "] (ligne " + std::to_string(s.ligne) + ")";
            if (s.nom == l.partie) {
                dansPartie = true;
                f.Si(!s.entrees.empty() && std::string(l.partie) == "Objets", lieu, "clé avant le premier objet");
                continue;
            }
            if (s.nom.rfind(l.prefixe, 0) == 0) {
                f.Si(!dansPartie, lieu, std::string("rangée avant [") + l.partie + "]");
                f.Si(Val(s.nom.substr(std::strlen(l.prefixe))) != attendu, lieu,
                     "en-tête attendu : [" + std::string(l.prefixe) + std::to_string(attendu) + "]");
                ++attendu;
            } else {
                f.Si(dansPartie, lieu, std::string("section lue comme des clés de [") + l.partie + "]");
            }
        }
        f.Si(!dansPartie, fi.nom, std::string("partie [") + l.partie + "] absente");
    }

    // A list's count comes before its entries, which then run from 1 to it.
    auto listeComptee = [&](const Section& s, const std::string& fichier, const char* compte, const char* element) {
        std::string lieu = fichier + ", [" + s.nom + "], " + element;
        std::optional<std::size_t> ligneCompte;
        std::set<int> indices;
        int n = 0;
        for (const Entree& e : s.entrees) {
            if (e.cle == compte) {
                ligneCompte = e.ligne;
                n = static_cast<int>(Val(e.valeur));
            }
            Cle c = SeparerCle(e.cle);
            if (c.nom != std::string(element) + "()") continue;
            f.Si(!ligneCompte, lieu,
                 "élément avant " + std::string(compte) + " (ligne " + std::to_string(e.ligne) + ")");
            indices.insert(c.indice.value_or(0));
        }
        std::set<int> attendus;
        for (int i = 1; i <= n; ++i) attendus.insert(i);
        f.Si(indices != attendus, lieu, "les éléments ne vont pas de 1 à " + std::string(compte));
    };
    for (const Section& s : d.fichiers.at("Ini_Parametres_Races").sections) {
        if (s.nom != "Races" && s.nom.rfind("Race_", 0) != 0) continue;
        listeComptee(s, "Ini_Parametres_Races.ini", "NombreObjets", "Objet");
        if (s.nom != "Races") listeComptee(s, "Ini_Parametres_Races.ini", "NombreEquipement", "Equipement");
    }
    for (const Section& s : d.fichiers.at("Ini_Parametres_Batiments").sections)
        if (s.nom.rfind("Batiment_", 0) == 0)
            listeComptee(s, "Ini_Parametres_Batiments.ini", "NombreObjetsfabriques", "ObjetsFabriques");
    for (const Rangee& p : d.peuples) {
        int n = static_cast<int>(p.Nombre("NombreMonstres"));
        for (const char* cle : {"Monstre()Indice", "Monstre()Chance", "Monstre()FichierIA"}) {
            std::vector<int> attendus;
            for (int i = 1; i <= n; ++i) attendus.push_back(i);
            f.Si(p.Indices(cle) != attendus, p.Lieu(cle), "les monstres ne vont pas de 1 à NombreMonstres");
        }
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, ValeursDesPersonnagesEtDesEpoques) {
    const char* strictes[] = {"PersosMaxVie",
                              "PersosMaxEnergie",
                              "PersosMaxMagie",
                              "PersosMaxMoral",
                              "PersosNiveauSpecialesDepart",
                              "PersosMaxRessources",
                              "PersosNiveauServicesDepart",
                              "PersosNiveauObjetsDepart",
                              "PersosAttaque",
                              "PersosPorteeAttaque",
                              "PersosDefense",
                              "PersosVitesse",
                              "PersosNombreObjetsEquipes",
                              "PersosNombreObjetsInventaire",
                              "PersosNombreApparences"};
    for (const char* cle : strictes) {
        auto v = ValeurStricte(d.Texte("Ini_Parametres_Persos", "Personnages", cle));
        f.Si(!v, d.personnages.Lieu(cle), "absente ou pas un nombre");
    }
    // Divisors, maxima that current values are a share of, and table sizes.
    for (const char* cle : {"PersosNiveauSpecialesDepart", "PersosNiveauServicesDepart", "PersosNiveauObjetsDepart",
                            "PersosMaxVie", "PersosMaxEnergie", "PersosMaxMagie", "PersosMaxMoral", "PersosAttaque",
                            "PersosDefense", "PersosMaxRessources", "PersosVitesse", "PersosNombreApparences",
                            "PersosNombreObjetsInventaire", "PersosLargeurDefaut", "PersosHauteurDefaut"})
        f.Si(d.Perso(cle) < 1, d.personnages.Lieu(cle), "doit valoir au moins 1");
    // The inventory window places ten equipment slots at most.
    f.Si(!Dans(d.Perso("PersosNombreObjetsEquipes"), 2, 10), d.personnages.Lieu("PersosNombreObjetsEquipes"),
         "de 2 à 10 emplacements");
    auto coef = ValeurStricte(d.Texte("Ini_Parametres_Persos", "Transactions", "CoefficientAchat"));
    f.Si(!coef || *coef < 1, "Ini_Parametres_Persos.ini, [Transactions], CoefficientAchat",
         "un prix d'achat ne peut être sous le prix de vente");

    // The rules name the four special competences by position.
    f.Si(d.Compte("Ini_Parametres_Persos", "Competences_Speciales", "NombreCompetencesSpeciales") != 4,
         "Ini_Parametres_Persos.ini, [Competences_Speciales]", "exactement 4 compétences spéciales");
    for (int k = 1; k <= 4; ++k) {
        std::string cle = "CompetencesSpeciales" + std::to_string(k);
        f.Si(d.Texte("Ini_Parametres_Persos", "Competences_Speciales", cle).empty(),
             "Ini_Parametres_Persos.ini, [Competences_Speciales], " + cle, "nom absent");
    }

    f.Si(d.NombreEpoques() != 3, "Ini_Parametres_Fiefs.ini, [Epoques]", "trois époques attendues");
    for (const Rangee& e : d.epoques) {
        f.Si(e.Texte("Nom").empty(), e.Lieu("Nom"), "nom absent");
        f.Si(!e.Strict("BonusVieChateau") || *e.Strict("BonusVieChateau") < 0, e.Lieu("BonusVieChateau"),
             "nombre positif attendu");
        // Starting loads are cut to what a character can carry.
        f.Si(!Dans(e.Nombre("PersosRessourcesDepart"), 0, d.Perso("PersosMaxRessources")),
             e.Lieu("PersosRessourcesDepart"), "dépasse ce qu'un personnage peut porter");
        f.Si(e.Nombre("ChateauxRessourcesDepart") < 0 || e.Nombre("PersosArgentDepart") < 0, e.Lieu(),
             "valeur négative");
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, RessourcesEtGisements) {
    const int nr = d.NombreRessources();
    std::vector<int> depotsParRessource(static_cast<std::size_t>(nr), 0);
    for (const Rangee& t : d.depots) {
        auto type = t.Strict("TypeRessource");
        f.Si(!type || !Dans(*type, 1, nr), t.Lieu("TypeRessource"), "ne désigne aucune ressource");
        if (type && Dans(*type, 1, nr)) ++depotsParRessource[static_cast<std::size_t>(*type) - 1];
        f.Si(t.Texte("Nom").empty(), t.Lieu("Nom"), "nom absent");
        f.Si(t.Nombre("Quantite") <= 0, t.Lieu("Quantite"), "un gisement neuf doit contenir quelque chose");
    }
    int materiaux = 0, fabriquees = 0;
    for (int r = 0; r < nr; ++r) {
        const Rangee& x = d.ressources[static_cast<std::size_t>(r)];
        int matiere = static_cast<int>(x.Nombre("TypeMatierePremiere"));
        f.Si(x.Texte("Nom").empty() || x.Texte("NomCompetence").empty(), x.Lieu(), "nom ou compétence absent");
        f.Si(!Dans(matiere, 0, nr) || matiere == r + 1, x.Lieu("TypeMatierePremiere"), "matière première invalide");
        f.Si(matiere > 0 && x.Nombre("QuantiteMatierePremiere") <= 0, x.Lieu("QuantiteMatierePremiere"),
             "quantité de matière première nulle");
        // Purchases divide the money by the unit price.
        f.Si(x.Nombre("PrixVente") < 1, x.Lieu("PrixVente"), "un prix de vente d'au moins 1");
        f.Si(!Dans(x.Nombre("Epoque"), 1, d.NombreEpoques()), x.Lieu("Epoque"), "époque hors des époques");
        f.Si(x.Nombre("VitesseExtraction") <= 0, x.Lieu("VitesseExtraction"), "rien ne serait jamais produit");
        // Raw resources come from exactly one deposit type, or only from
        // the buildings that produce them; made ones from no deposit.
        bool produite = false;
        for (const Rangee& b : d.batiments) produite = produite || b.Nombre("RessourceFabrique") == r + 1;
        const int depots = depotsParRessource[static_cast<std::size_t>(r)];
        const bool attendu = matiere == 0 ? depots == 1 || (depots == 0 && produite) : depots == 0;
        f.Si(!attendu, x.Lieu(), std::to_string(depots) + " types de gisement");
        if (x.Vrai("NecessairePourConstruire") && matiere == 0) ++materiaux;
        if (matiere > 0) ++fabriquees;
        f.Si(x.Vrai("Mangeable") &&
                 x.Nombre("GainVie") + x.Nombre("GainEnergie") + x.Nombre("GainMagie") + x.Nombre("GainMoral") <= 0,
             x.Lieu("Mangeable"), "une nourriture qui ne rend rien");
    }
    // Hungry and tired characters go and gather resources 1 and 2.
    ASSERT_GE(nr, 2);
    f.Si(!d.ressources[0].Vrai("Mangeable") || d.ressources[0].Nombre("GainVie") <= 0 || depotsParRessource[0] != 1,
         d.ressources[0].Lieu(), "la ressource 1 doit être une nourriture de vie qui se récolte");
    f.Si(!d.ressources[1].Vrai("Mangeable") || d.ressources[1].Nombre("GainEnergie") <= 0 || depotsParRessource[1] != 1,
         d.ressources[1].Lieu(), "la ressource 2 doit être une nourriture d'énergie qui se récolte");
    f.Si(materiaux < 2, "Ini_Parametres_Ressources.ini", "au moins deux matériaux de construction récoltables");
    f.Si(fabriquees < 1, "Ini_Parametres_Ressources.ini", "au moins une ressource fabriquée à partir d'une autre");
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, Batiments) {
    const int nr = d.NombreRessources(), ne = d.NombreEpoques();
    const int ns = static_cast<int>(d.services.size());
    int precedente = 1, premierHorsEpoque = -1;
    bool logis = false, producteur = false, magasin = false, atelier = false, service1 = false, service2 = false;
    std::set<std::string> noms;
    for (int i = 0; i < static_cast<int>(d.batiments.size()); ++i) {
        const Rangee& b = d.batiments[static_cast<std::size_t>(i)];
        // The name is also the building's picture file.
        f.Si(b.Texte("Nom").empty() || !noms.insert(b.Texte("Nom")).second, b.Lieu("Nom"), "nom absent ou en double");
        f.Si(b.Texte("MetierM").empty() || b.Texte("MetierF").empty(), b.Lieu(), "métier masculin ou féminin absent");
        f.Si(!b.Strict("MaxVie") || *b.Strict("MaxVie") < 1, b.Lieu("MaxVie"), "au moins 1");
        for (int r : b.Indices("PrixRessources()"))
            f.Si(!Dans(r, 1, nr), b.Lieu("PrixRessources(" + std::to_string(r) + ")"), "ne désigne aucune ressource");
        int produit = static_cast<int>(b.Nombre("RessourceFabrique"));
        int service = static_cast<int>(b.Nombre("Service"));
        int nObjets = static_cast<int>(b.Nombre("NombreObjetsfabriques"));
        bool fabrique = b.Vrai("Fabrique");
        f.Si(!Dans(produit, 0, nr), b.Lieu("RessourceFabrique"), "ne désigne aucune ressource");
        f.Si(!Dans(service, 0, ns - 1), b.Lieu("Service"), "ne désigne aucun service");
        f.Si(fabrique != (nObjets > 0), b.Lieu("Fabrique"), "un atelier et lui seul a des objets à fabriquer");
        for (int k = 1; k <= nObjets; ++k)
            f.Si(!Dans(b.Nombre("ObjetsFabriques()", k), 1, d.NombreObjets()),
                 b.Lieu("ObjetsFabriques(" + std::to_string(k) + ")"), "ne désigne aucun objet");
        // One trade per house: the windows show a single panel.
        f.Si((produit > 0) + fabrique + (service > 0) > 1, b.Lieu(), "à la fois producteur, atelier ou service");
        f.Si(b.Vrai("Magasin") && produit == 0, b.Lieu("Magasin"), "un magasin vend ce qu'il produit");
        // Making, preparing a service and selling all need room in stock.
        f.Si((fabrique || service > 0 || b.Vrai("Magasin")) && b.Nombre("MaxStock") < 1, b.Lieu("MaxStock"),
             "stock nul pour un bâtiment qui en a besoin");
        int epoque = static_cast<int>(b.Nombre("NoEpoque"));
        f.Si(epoque < 1, b.Lieu("NoEpoque"), "au moins 1");
        f.Si(epoque < precedente, b.Lieu("NoEpoque"), "les types sont rangés par époque");
        precedente = std::max(precedente, epoque);
        f.Si(!Dans(b.Nombre("ApparencePerso"), 0, d.Perso("PersosNombreApparences") - 1), b.Lieu("ApparencePerso"),
             "apparence hors de la planche des personnages");
        f.Si(b.Nombre("Largeur") < 1 || b.Nombre("Hauteur") < 1, b.Lieu(), "taille nulle");
        f.Si(std::abs(b.Nombre("EntreePositionX")) * 2 > b.Nombre("Largeur") ||
                 std::abs(b.Nombre("EntreePositionY")) * 2 > b.Nombre("Hauteur"),
             b.Lieu(), "entrée hors du bâtiment");
        f.Si(b.Nombre("NombreEtapeFabrication") < 1 || b.Nombre("NombreEtapeAnimation") < 1, b.Lieu(),
             "étapes de dessin absentes");
        if (epoque > ne) {
            if (premierHorsEpoque < 0) premierHorsEpoque = i;
            continue;
        }
        // A character pays a house with what it carries.
        for (int r = 1; r <= nr; ++r) {
            double prix = b.Nombre("PrixRessources()", r);
            f.Si(prix > d.Perso("PersosMaxRessources"), b.Lieu("PrixRessources(" + std::to_string(r) + ")"),
                 "plus qu'un personnage ne peut porter");
            f.Si(prix > 0 && d.ressources[static_cast<std::size_t>(r) - 1].Nombre("Epoque") > epoque,
                 b.Lieu("PrixRessources(" + std::to_string(r) + ")"), "ressource d'une époque plus tardive");
        }
        logis = logis || (produit == 0 && !fabrique && service == 0 && epoque == 1);
        producteur = producteur || (produit > 0 && !b.Vrai("Magasin"));
        magasin = magasin || b.Vrai("Magasin");
        atelier = atelier || fabrique;
        service1 = service1 || service == 1;
        service2 = service2 || service == 2;
    }
    // Houses can only be the types before the first one no era reaches.
    f.Si(premierHorsEpoque < 1, "Ini_Parametres_Batiments.ini", "au moins un type hors époque, et pas en premier");
    for (std::size_t i = static_cast<std::size_t>(std::max(premierHorsEpoque, 0));
         premierHorsEpoque >= 0 && i < d.batiments.size(); ++i)
        f.Si(d.batiments[i].Nombre("NoEpoque") <= ne, d.batiments[i].Lieu("NoEpoque"),
             "un type constructible après un type hors époque");
    f.Si(!logis, "Ini_Parametres_Batiments.ini", "aucune simple demeure de première époque");
    f.Si(!producteur || !magasin || !atelier, "Ini_Parametres_Batiments.ini",
         "producteur, magasin et atelier attendus");
    f.Si(!service1 || !service2, "Ini_Parametres_Batiments.ini", "services 1 (résurrection) et 2 (prime) attendus");
    // The building choice of the AI falls back on a level-0 type.
    bool niveau0 = std::any_of(d.batiments.begin(), d.batiments.end(),
                               [](const Rangee& b) { return b.Nombre("Niveau") == 0 && b.Nombre("NoEpoque") == 1; });
    f.Si(!niveau0, "Ini_Parametres_Batiments.ini", "aucun type de niveau 0 à la première époque");
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, ServicesTresorsEtCompetencesObjets) {
    const int nr = d.NombreRessources();
    // Service 1 raises the dead and service 2 pays bounties; row 1 is never offered.
    ASSERT_EQ(d.services.size(), 3u);
    for (std::size_t s = 0; s < d.services.size(); ++s) {
        const Rangee& x = d.services[s];
        f.Si(x.Texte("Nom").empty(), x.Lieu("Nom"), "nom absent");
        // Written 0-based here: a missing key would name resource 1.
        f.Si(!x.A("TypeMatierePremiere") || !Dans(x.Nombre("TypeMatierePremiere"), -1, nr - 1),
             x.Lieu("TypeMatierePremiere"), "de -1 à " + std::to_string(nr - 1) + ", écrit");
        f.Si(!x.A("Effet") || !Dans(x.Nombre("Effet"), -1, d.NombreEffets() - 1), x.Lieu("Effet"),
             "de -1 à " + std::to_string(d.NombreEffets() - 1) + ", écrit");
        if (s == 0) continue;
        f.Si(x.Texte("NomCompetence").empty(), x.Lieu("NomCompetence"), "compétence de service sans nom");
        f.Si(x.Nombre("VitesseCreation") <= 0, x.Lieu("VitesseCreation"), "le service ne se préparerait jamais");
        f.Si(x.Nombre("Prix") < 1, x.Lieu("Prix"), "un service se paie");
        f.Si(x.Nombre("TypeMatierePremiere") >= 0 && x.Nombre("QuantiteMatierePremiere") <= 0,
             x.Lieu("QuantiteMatierePremiere"), "quantité nulle");
    }
    f.Si(!Dans(d.services[1].Nombre("Coefficient"), 0.01, 1), d.services[1].Lieu("Coefficient"),
         "part de la vie rendue au ressuscité, de 0 à 1");
    f.Si(d.services[2].Nombre("Coefficient") <= 0 || d.services[2].Nombre("CoefExp") <= 0, d.services[2].Lieu(),
         "la prime et son expérience doivent être positives");

    double precedent = -1;
    for (const Rangee& t : d.tresors) {
        auto v = t.Strict("ValeurMin");
        f.Si(!v || *v <= precedent, t.Lieu("ValeurMin"), "valeurs minimales croissantes attendues");
        if (v) precedent = *v;
        f.Si(t.Texte("Nom").empty(), t.Lieu("Nom"), "nom absent");
    }
    f.Si(d.tresors.empty() || d.tresors[0].Nombre("ValeurMin") != 0, "Ini_Parametres_Objets.ini, [Tresor_1]",
         "le premier trésor commence à 0");

    std::set<int> numeros;
    for (const Rangee& c : d.competencesObjets) {
        auto n = c.Strict("Numero");
        f.Si(!n || *n < 1 || !numeros.insert(static_cast<int>(*n)).second, c.Lieu("Numero"),
             "numéro absent ou en double");
        f.Si(c.Texte("Nom").empty(), c.Lieu("Nom"), "nom absent");
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, Objets) {
    const int nr = d.NombreRessources(), no = d.NombreObjets();
    const int emplacements = d.Perso("PersosNombreObjetsEquipes");
    const int nco = static_cast<int>(d.competencesObjets.size());
    const int ns = static_cast<int>(d.services.size());
    f.Si(!Dans(no, 20, 30), "Ini_Parametres_Objets.ini", "de 20 à 30 objets");
    std::set<std::string> noms, images;
    std::vector<bool> categorieUtilisee(static_cast<std::size_t>(std::max(emplacements, 0)), false);
    bool uneMain = false, deuxMains = false, distance = false, armure = false, potion = false, invocation = false,
         soinADistance = false, autoResurrection = false, argent = false;
    for (int i = 0; i < no; ++i) {
        const Rangee& o = d.objets[static_cast<std::size_t>(i)];
        auto lieu = [&](const std::string& cle) { return o.Lieu(cle); };
        f.Si(o.Texte("Nom").empty() || !noms.insert(o.Texte("Nom")).second, lieu("Nom"), "nom absent ou en double");
        f.Si(o.Texte("Image").empty() || !images.insert(o.Texte("Image")).second, lieu("Image"),
             "image absente ou en double");
        f.Si(o.Texte("NomPluriel").empty(), lieu("NomPluriel"), "pluriel absent");
        auto categorie = o.Strict("Categorie");
        f.Si(!categorie || !Dans(*categorie, 0, emplacements - 1), lieu("Categorie"), "ne désigne aucun emplacement");
        // 0 in the file would be competence -1, outside the table.
        f.Si(!Dans(o.Nombre("Competence"), 1, nco), lieu("Competence"), "de 1 à " + std::to_string(nco));
        bool utilisable = o.Vrai("Utilisable");
        if (categorie && Dans(*categorie, 0, emplacements - 1) && !utilisable)
            categorieUtilisee[static_cast<std::size_t>(*categorie)] = true;
        for (int r : o.Indices("PrixRessources()"))
            f.Si(!Dans(r, 1, nr), lieu("PrixRessources(" + std::to_string(r) + ")"), "ne désigne aucune ressource");
        for (int r = 1; r <= nr; ++r)
            f.Si(!Dans(o.Nombre("PrixRessources()", r), 0, d.Perso("PersosMaxRessources")),
                 lieu("PrixRessources(" + std::to_string(r) + ")"), "de 0 à ce qu'un personnage peut porter");
        for (int r : o.Indices("GainRessource()"))
            f.Si(!Dans(r, 1, nr), lieu("GainRessource(" + std::to_string(r) + ")"), "ne désigne aucune ressource");
        for (int k : o.Indices("BonusCompetencesSpeciales()"))
            f.Si(!Dans(k, 1, 4), lieu("BonusCompetencesSpeciales(" + std::to_string(k) + ")"), "de 1 à 4");
        for (int k : o.Indices("BonusCompetencesRessources()"))
            f.Si(!Dans(k, 1, nr), lieu("BonusCompetencesRessources(" + std::to_string(k) + ")"),
                 "ne désigne aucune ressource");
        for (int k : o.Indices("BonusCompetencesServices()"))
            f.Si(!Dans(k, 2, ns), lieu("BonusCompetencesServices(" + std::to_string(k) + ")"),
                 "de 2 à " + std::to_string(ns) + " (le premier service n'a pas de compétence)");
        // This list is as long as the rows read so far when the key is met.
        for (int k : o.Indices("BonusCompetencesObjets()"))
            f.Si(!Dans(k, 1, std::min(nco, i + 1)), lieu("BonusCompetencesObjets(" + std::to_string(k) + ")"),
                 "de 1 à " + std::to_string(std::min(nco, i + 1)));
        f.Si(!Dans(o.Nombre("EffetAttaque"), 0, d.NombreEffets()), lieu("EffetAttaque"), "ne désigne aucun effet");
        // A blow plays the effect of what is held in hand, and a use the item's.
        bool enMain = categorie && *categorie <= 1 && !utilisable;
        f.Si((enMain || utilisable) && o.Nombre("EffetAttaque") < 1, lieu("EffetAttaque"), "effet obligatoire");
        f.Si(!Dans(o.Nombre("Invocation"), 0, d.NombreRaces()), lieu("Invocation"), "ne désigne aucune race");
        f.Si(!Dans(o.Nombre("PerteRessourceIndice"), 0, nr), lieu("PerteRessourceIndice"),
             "ne désigne aucune ressource");
        f.Si(o.Nombre("PerteRessourceQuantite") > 0 && o.Nombre("PerteRessourceIndice") < 1,
             lieu("PerteRessourceIndice"), "munition sans ressource");
        f.Si(!Dans(o.Nombre("ApparencePerso"), 0, d.Perso("PersosNombreApparences") - 1), lieu("ApparencePerso"),
             "apparence hors de la planche des personnages");
        f.Si(!o.Vrai("Secret") && !Dans(o.Nombre("Epoque"), 1, d.NombreEpoques()), lieu("Epoque"),
             "époque hors des époques");
        f.Si(o.Nombre("PrixVente") < 0 || o.Nombre("PrixTalents") < 0, lieu("PrixVente"), "prix négatif");
        f.Si(o.Vrai("SelfResurrection") && !(utilisable && o.Vrai("UtilisationMort")), lieu("SelfResurrection"),
             "doit pouvoir servir une fois mort");
        f.Si(o.Nombre("Resurrection") > 0 && (!utilisable || o.Nombre("BonusPorteeAttaque") < 1), lieu("Resurrection"),
             "une résurrection se lance à distance");
        // Bonuses shrink with the competence level when negative: keep them out.
        for (const char* cle : {"BonusVie", "BonusEnergie", "BonusMagie", "BonusMoral", "BonusAttaque", "BonusDefense",
                                "BonusDeplacement", "BonusArmure", "BonusMaxRessources", "BonusPorteeAttaque",
                                "SurfaceAttaque", "Quantite"})
            f.Si(o.Nombre(cle) < 0 || o.Nombre(cle) > 32767, lieu(cle), "de 0 à 32767");

        double gains = o.Nombre("GainVie") + o.Nombre("GainEnergie") + o.Nombre("GainMagie") + o.Nombre("GainMoral");
        double portee = o.Nombre("BonusPorteeAttaque");
        uneMain = uneMain || (categorie == 0 && !utilisable && o.Nombre("BonusAttaque") > 0);
        deuxMains = deuxMains || (categorie == 1 && !utilisable && o.Nombre("BonusAttaque") > 0);
        distance = distance || (!utilisable && portee >= 50 && o.Nombre("PerteRessourceQuantite") > 0);
        armure = armure || (categorie == 2 && !utilisable && o.Nombre("BonusDefense") > 0);
        potion = potion || (utilisable && o.Vrai("UtilisationUnique") && portee < 1 && gains > 0);
        invocation = invocation || (utilisable && o.Nombre("Invocation") >= 1);
        soinADistance = soinADistance || (utilisable && portee >= 1 && (gains > 0 || o.Nombre("Resurrection") > 0));
        autoResurrection = autoResurrection || o.Vrai("SelfResurrection");
        argent = argent || (!utilisable && o.Nombre("GainArgent") > 0);

        // The summoned race is one no player plays.
        int race = static_cast<int>(o.Nombre("Invocation"));
        if (race >= 1 && race <= d.NombreRaces())
            f.Si(d.races[static_cast<std::size_t>(race) - 1].Vrai("Jouable"), lieu("Invocation"),
                 "invoque une race jouable");
        int munition = static_cast<int>(o.Nombre("PerteRessourceIndice"));
        if (munition >= 1 && munition <= nr) {
            // Ammunition is made and sold, not gathered.
            bool vendue = std::any_of(d.batiments.begin(), d.batiments.end(), [&](const Rangee& b) {
                return b.Vrai("Magasin") && b.Nombre("RessourceFabrique") == munition;
            });
            f.Si(!vendue || d.ressources[static_cast<std::size_t>(munition) - 1].Nombre("TypeMatierePremiere") < 1,
                 lieu("PerteRessourceIndice"), "munition qui n'est ni fabriquée ni vendue");
        }
    }
    for (int c = 0; c < emplacements; ++c)
        f.Si(!categorieUtilisee[static_cast<std::size_t>(c)], "Ini_Parametres_Objets.ini",
             "aucun objet à porter pour l'emplacement " + std::to_string(c));
    f.Si(!uneMain || !deuxMains, "Ini_Parametres_Objets.ini", "armes à une et à deux mains attendues");
    f.Si(!distance, "Ini_Parametres_Objets.ini", "aucune arme à distance avec munitions");
    f.Si(!armure, "Ini_Parametres_Objets.ini", "aucune armure");
    f.Si(!potion, "Ini_Parametres_Objets.ini", "aucune potion");
    f.Si(!invocation, "Ini_Parametres_Objets.ini", "aucun objet d'invocation");
    f.Si(!soinADistance, "Ini_Parametres_Objets.ini", "aucun soin ni résurrection à distance");
    f.Si(!autoResurrection, "Ini_Parametres_Objets.ini", "aucun objet pour se ressusciter soi-même");
    f.Si(!argent, "Ini_Parametres_Objets.ini", "aucun objet qui rapporte de l'argent");
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, EpoquesDesObjetsEtAteliers) {
    const int ne = d.NombreEpoques();
    for (int i = 0; i < d.NombreObjets(); ++i) {
        int e = EpoqueObjet(d, i);
        const Rangee& o = d.objets[static_cast<std::size_t>(i)];
        // Pages and windows name the epoch of every item that is not secret.
        f.Si(e != -1 && !Dans(e, 1, ne), o.Lieu("Epoque"),
             "époque calculée " + std::to_string(e) + " hors des époques");
        f.Si(o.Vrai("Secret") && e != -1, o.Lieu("Secret"), "un objet secret n'a pas d'époque");
    }
    for (const Rangee& b : d.batiments) {
        if (!b.Vrai("Fabrique")) continue;
        int epoque = static_cast<int>(b.Nombre("NoEpoque"));
        int n = static_cast<int>(b.Nombre("NombreObjetsfabriques"));
        bool faisable = false;
        for (int k = 1; k <= n; ++k) {
            int o = static_cast<int>(b.Nombre("ObjetsFabriques()", k));
            if (!Dans(o, 1, d.NombreObjets())) continue;
            int e = EpoqueObjet(d, o - 1);
            faisable = faisable || Dans(e, 0, epoque);
            f.Si(d.objets[static_cast<std::size_t>(o) - 1].Nombre("DureeFabrication") < 1,
                 b.Lieu("ObjetsFabriques(" + std::to_string(k) + ")"), "objet sans durée de fabrication");
            f.Si(e == -1, b.Lieu("ObjetsFabriques(" + std::to_string(k) + ")"),
                 "un atelier ne fabrique pas d'objet secret");
        }
        // The workshop's worker draws an item of its epoch until one fits.
        f.Si(!faisable, b.Lieu("ObjetsFabriques"), "rien de fabricable à l'époque du bâtiment");
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, RacesEtPeuples) {
    const int nr = d.NombreRessources(), no = d.NombreObjets(), nra = d.NombreRaces();
    const int nco = static_cast<int>(d.competencesObjets.size());
    const int ns = static_cast<int>(d.services.size());
    auto listeObjets = [&](const Rangee& r, const char* compte, const char* element) {
        int n = static_cast<int>(r.Nombre(compte));
        for (int k = 1; k <= n; ++k)
            f.Si(!Dans(r.Nombre(element, k), 1, no), r.Lieu(std::string(element) + std::to_string(k)),
                 "ne désigne aucun objet");
    };
    listeObjets(d.listeRaces, "NombreObjets", "Objet()");
    f.Si(!Dans(d.listeRaces.Nombre("ChancesRaceAleatoire"), 0, 1), d.listeRaces.Lieu("ChancesRaceAleatoire"),
         "de 0 à 1");

    int jouables = 0, sexeImpose = 0;
    std::set<std::string> nomsM;
    std::set<int> bestiaire;
    for (int i = 0; i < nra; ++i) {
        const Rangee& r = d.races[static_cast<std::size_t>(i)];
        for (const char* cle : {"NomM", "NomF", "NomMPluriel", "NomFPluriel", "Description"})
            f.Si(r.Texte(cle).empty(), r.Lieu(cle), "absent");
        // Races are found by their masculine name.
        f.Si(!nomsM.insert(r.Texte("NomM")).second, r.Lieu("NomM"), "nom en double");
        f.Si(!bestiaire.insert(static_cast<int>(r.Nombre("IndiceBestiaire"))).second || r.Nombre("IndiceBestiaire") < 1,
             r.Lieu("IndiceBestiaire"), "numéro de bestiaire absent ou en double");
        listeObjets(r, "NombreObjets", "Objet()");
        listeObjets(r, "NombreEquipement", "Equipement()");
        // Every blow plays the attacker's effect.
        f.Si(!Dans(r.Nombre("EffetAttaque"), 1, d.NombreEffets()), r.Lieu("EffetAttaque"), "effet obligatoire");
        for (int k : r.Indices("CoefCompSpeciale()")) f.Si(!Dans(k, 1, 4), r.Lieu("CoefCompSpeciale"), "de 1 à 4");
        for (int k : r.Indices("CoefCompRessource()"))
            f.Si(!Dans(k, 1, nr), r.Lieu("CoefCompRessource"), "ne désigne aucune ressource");
        for (int k : r.Indices("CoefCompService()"))
            f.Si(!Dans(k, 1, ns - 1), r.Lieu("CoefCompService"), "ne désigne aucune compétence de service");
        for (int k : r.Indices("CoefCompObjet()"))
            f.Si(!Dans(k, 1, nco), r.Lieu("CoefCompObjet"), "ne désigne aucune compétence d'objet");
        for (int k : r.Indices("Ressources()")) {
            f.Si(!Dans(k, 1, nr), r.Lieu("Ressources"), "ne désigne aucune ressource");
            f.Si(!Dans(r.Nombre("Ressources()", k), 0, d.Perso("PersosMaxRessources")), r.Lieu("Ressources"),
                 "plus qu'un personnage ne peut porter");
        }
        for (const char* cle : {"CoefVie", "CoefEnergie", "CoefMagie", "CoefMoral", "CoefAttaque", "CoefDefense"})
            f.Si(r.Nombre(cle) < 0, r.Lieu(cle), "coefficient négatif");
        f.Si(r.Vrai("RestrictionMaculin") && r.Vrai("RestrictionFeminin"), r.Lieu(), "aucun sexe permis");
        f.Si(r.Texte("CheminApparenceM").empty() || r.Texte("CheminApparenceF").empty(), r.Lieu(),
             "dossier d'apparence absent");
        f.Si(!r.Texte("IA_Fichier").empty() && !NomScriptValide(r.Texte("IA_Fichier")), r.Lieu("IA_Fichier"),
             "un nom de fichier .ia sans dossier");
        if (r.Vrai("Jouable")) {
            ++jouables;
            if (r.Vrai("RestrictionMaculin") != r.Vrai("RestrictionFeminin")) ++sexeImpose;
            f.Si(r.Texte("IA_Fichier").empty(), r.Lieu("IA_Fichier"), "les villageois ont un script");
        }
    }
    // Every character is of race 1 while it is created: what race 1 gives,
    // every creature would keep.
    if (nra > 0) {
        f.Si(d.races[0].Nombre("NombreEquipement") > 0 || !d.races[0].Indices("Ressources()").empty(),
             d.races[0].Lieu(), "la première race ne donne ni équipement ni ressource");
        f.Si(!d.races[0].Vrai("Jouable"), d.races[0].Lieu("Jouable"), "la première race est celle des villageois");
    }
    f.Si(jouables < 3, "Ini_Parametres_Races.ini", "au moins trois races jouables");
    f.Si(sexeImpose < 1, "Ini_Parametres_Races.ini", "aucune race jouable d'un seul sexe");

    std::set<int> monstres;
    ASSERT_FALSE(d.peuples.empty());
    f.Si(d.peuples[0].Nombre("NombreMonstres") != 0, d.peuples[0].Lieu("NombreMonstres"),
         "le premier peuple est sans monstres");
    // People 1's name is the file of the common character sheet.
    f.Si(d.peuples[0].Texte("Nom").find_first_of("\\/:*?\"<>|.") != std::string::npos, d.peuples[0].Lieu("Nom"),
         "pas un nom de fichier");
    for (const Rangee& p : d.peuples) {
        f.Si(p.Texte("Nom").empty() || p.Texte("NomChateau").empty(), p.Lieu(), "nom ou château absent");
        f.Si(p.Nombre("ChateauMaxVie") < 1 || p.Nombre("ChateauLargeur") < 1 || p.Nombre("ChateauHauteur") < 1,
             p.Lieu(), "château sans vie ou sans taille");
        f.Si(std::abs(p.Nombre("ChateauEntreePositionX")) * 2 > p.Nombre("ChateauLargeur") ||
                 std::abs(p.Nombre("ChateauEntreePositionY")) * 2 > p.Nombre("ChateauHauteur"),
             p.Lieu(), "entrée hors du château");
        int n = static_cast<int>(p.Nombre("NombreMonstres"));
        for (int m = 1; m <= n; ++m) {
            std::string cle = "Monstre(" + std::to_string(m) + ")";
            int race = static_cast<int>(p.Nombre("Monstre()Indice", m));
            f.Si(!Dans(race, 1, nra), p.Lieu(cle + "Indice"), "ne désigne aucune race");
            if (Dans(race, 1, nra)) {
                f.Si(d.races[static_cast<std::size_t>(race) - 1].Vrai("Jouable"), p.Lieu(cle + "Indice"),
                     "monstre jouable");
                monstres.insert(race);
            }
            f.Si(!Dans(p.Nombre("Monstre()Chance", m), 0, 1), p.Lieu(cle + "Chance"), "de 0 à 1");
            f.Si(!NomScriptValide(p.Texte("Monstre()FichierIA", m)), p.Lieu(cle + "FichierIA"),
                 "un nom de fichier .ia sans dossier");
        }
    }
    f.Si(monstres.size() < 4, "Ini_Parametres_Peuples.ini", "au moins quatre races de monstres dans les peuples");
    bool invoquee = false;
    for (const Rangee& o : d.objets) {
        int race = static_cast<int>(o.Nombre("Invocation"));
        invoquee = invoquee || (Dans(race, 1, nra) && !monstres.count(race) &&
                                !d.races[static_cast<std::size_t>(race) - 1].Vrai("Jouable"));
    }
    f.Si(!invoquee, "Ini_Parametres_Races.ini", "aucune créature qu'on ne rencontre que par invocation");
    EXPECT_TRUE(f.Vide()) << f.Texte();
}

TEST_F(DonneesRegles, EffetsEtDecors) {
    const int ne = d.NombreEffets();
    for (const char* cle : {"EffetMaisonEnFeu", "EffetMaisonDetruite", "EffetChateauDetruit"})
        f.Si(!Dans(Val(d.Texte("Ini_Parametres_Effets", "Effets", cle)), 1, ne),
             std::string("Ini_Parametres_Effets.ini, [Effets], ") + cle, "ne désigne aucun effet");
    for (const Rangee& e : d.effets) {
        for (const char* cle : {"Nom", "Fichier", "Son"}) f.Si(e.Texte(cle).empty(), e.Lieu(cle), "absent");
        f.Si(e.Nombre("Largeur") < 1 || e.Nombre("Hauteur") < 1 || e.Nombre("NombreEtapes") < 1, e.Lieu(),
             "taille ou étapes nulles");
        f.Si(e.Nombre("DureeEtape") < 0, e.Lieu("DureeEtape"), "durée négative");
    }
    for (const Rangee& x : d.decors) {
        f.Si(x.Texte("Nom").empty() || x.Texte("Image").empty(), x.Lieu(), "nom ou image absent");
        for (const char* cle : {"Largeur", "Hauteur"}) {
            auto v = x.Strict(cle);
            f.Si(!v || *v < 1, x.Lieu(cle), "au moins 1");
        }
        f.Si(x.Nombre("NombreEtapeAnimation") < 1, x.Lieu("NombreEtapeAnimation"), "au moins 1");
    }
    EXPECT_TRUE(f.Vide()) << f.Texte();
}
