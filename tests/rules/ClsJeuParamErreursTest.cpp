#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

namespace {

namespace fs = std::filesystem;

// A copy of the hand-written rules set in a scratch folder, for one change.
struct CopieRegles {
    DossierTemporaire d;
    CopieRegles() {
        for (const auto& f : fs::directory_iterator(Fixtures() / "regles_base"))
            fs::copy(f.path(), d.Chemin() / f.path().filename());
    }
    // Replaces the first `ancien` of a file by `nouveau`; false when absent.
    bool Remplacer(const std::string& fichier, const std::string& ancien, const std::string& nouveau) {
        std::string texte = d.Lire(fichier);
        std::size_t i = texte.find(ancien);
        if (i == std::string::npos) return false;
        texte.replace(i, ancien.size(), nouveau);
        d.Ecrire(fichier, texte);
        return true;
    }
    // Loads every stage; the first error, if any.
    std::optional<ErreurFichier> Charger(ClsJeuParam& p) {
        try {
            for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
        } catch (const ErreurFichier& e) {
            return e;
        }
        return std::nullopt;
    }
};

struct CasFautif {
    const char* fichier;     // file to change
    const char* ancien;      // text replaced ("" : the file is removed)
    const char* nouveau;
    const char* fichierCite; // file the error names
    std::vector<const char*> attendus;  // fragments of the message
};

}  // namespace

// One fault per case: the error names the file and the section or line and
// key, the loader stops at the faulty stage, and the process goes on.
TEST(JeuParamErreurs, FichiersFautifs) {
    const CasFautif cas[] = {
        // Character defaults
        {"Ini_Parametres_Persos.ini", "PersosMaxVie=100\n", "", "Ini_Parametres_Persos.ini",
         {"Section [Personnages], clé PersosMaxVie : valeur absente"}},
        {"Ini_Parametres_Persos.ini", "PersosMaxVie=100", "PersosMaxVie=cent", "Ini_Parametres_Persos.ini",
         {"clé PersosMaxVie : « cent » n'est pas un nombre."}},
        {"Ini_Parametres_Persos.ini", "PersosVitesse=5", "PersosVitesse=40000", "Ini_Parametres_Persos.ini",
         {"clé PersosVitesse : « 40000 » dépasse les limites permises"}},
        {"Ini_Parametres_Persos.ini", "PersosNiveauSpecialesDepart=2", "PersosNiveauSpecialesDepart=0",
         "Ini_Parametres_Persos.ini", {"clé PersosNiveauSpecialesDepart : la valeur 0 est trop petite (au moins 1)."}},
        // Every fault of a file at once.
        {"Ini_Parametres_Persos.ini", "PersosNiveauServicesDepart=3\nPersosNiveauObjetsDepart=4",
         "PersosNiveauServicesDepart=0\nPersosNiveauObjetsDepart=-2", "Ini_Parametres_Persos.ini",
         {"clé PersosNiveauServicesDepart : la valeur 0", "clé PersosNiveauObjetsDepart : la valeur -2"}},
        {"Ini_Parametres_Persos.ini", "NombreCompetencesSpeciales=4", "NombreCompetencesSpeciales=3",
         "Ini_Parametres_Persos.ini", {"Section [Competences_Speciales], clé NombreCompetencesSpeciales : la valeur 3"}},
        {"Ini_Parametres_Persos.ini", "", "", "Ini_Parametres_Persos.ini", {"introuvable"}},
        // Eras
        {"Ini_Parametres_Fiefs.ini", "BonusVieChateau=250", "BonusVieChateau=250 points", "Ini_Parametres_Fiefs.ini",
         {"Section [Epoque_2], clé BonusVieChateau : « 250 points » n'est pas un nombre."}},
        {"Ini_Parametres_Fiefs.ini", "NombreEpoques=4", "NombreEpoques=0", "Ini_Parametres_Fiefs.ini",
         {"clé NombreEpoques : la valeur 0 est trop petite (au moins 1)."}},
        // Resources and deposits
        {"Ini_Parametres_Ressources.ini", "TypeMatierePremiere=3", "TypeMatierePremiere=9",
         "Ini_Parametres_Ressources.ini",
         {"Section [Ressource_4], clé TypeMatierePremiere : 9 ne désigne aucune ressource (valeurs permises : 0 à 5)."}},
        {"Ini_Parametres_Ressources.ini", "TypeRessource=1", "TypeRessource=0", "Ini_Parametres_Ressources.ini",
         {"Section [TerrainRessource_2], clé TypeRessource : 0 ne désigne aucune ressource (valeurs permises : 1 à 5)."}},
        {"Ini_Parametres_Ressources.ini", "TypeRessource=3\n", "", "Ini_Parametres_Ressources.ini",
         {"Section [TerrainRessource_3], clé TypeRessource : valeur absente"}},
        {"Ini_Parametres_Ressources.ini", "NombreRessources=5", "NombreRessources=1", "Ini_Parametres_Ressources.ini",
         {"clé NombreRessources : la valeur 1 est trop petite (au moins 2)."}},
        // Buildings
        {"Ini_Parametres_Batiments.ini", "MaxVie=500", "MaxVie=0", "Ini_Parametres_Batiments.ini",
         {"Section [Batiment_2], clé MaxVie : la valeur 0 est trop petite (au moins 1)."}},
        {"Ini_Parametres_Batiments.ini", "RessourceFabrique=4", "RessourceFabrique=7", "Ini_Parametres_Batiments.ini",
         {"Section [Batiment_4], clé RessourceFabrique : 7 ne désigne aucune ressource"}},
        {"Ini_Parametres_Batiments.ini", "ObjetsFabriques(3)=3\n", "", "Ini_Parametres_Batiments.ini",
         {"Section [Batiment_2], clé ObjetsFabriques(3) : valeur absente"}},
        // Checked once the items are read: the error still names this file.
        {"Ini_Parametres_Batiments.ini", "ObjetsFabriques(2)=2", "ObjetsFabriques(2)=99", "Ini_Parametres_Batiments.ini",
         {"Section [Batiment_2], clé ObjetsFabriques(2) : 99 ne désigne aucun objet (valeurs permises : 1 à 5)."}},
        {"Ini_Parametres_Batiments.ini", "Service=2", "Service=3", "Ini_Parametres_Batiments.ini",
         {"Section [Batiment_5], clé Service : 3 ne désigne aucun service (valeurs permises : 0 à 2)."}},
        {"Ini_Parametres_Batiments.ini", "NombreObjetsfabriques=2", "NombreObjetsfabriques=-2",
         "Ini_Parametres_Batiments.ini", {"Section [Batiment_6], clé NombreObjetsfabriques : la valeur -2"}},
        // Items: the key-by-key part
        {"Ini_Parametres_Objets.ini", "ValeurMin=100", "ValeurMin=", "Ini_Parametres_Objets.ini",
         {"Section [Tresor_2], clé ValeurMin : valeur absente"}},
        {"Ini_Parametres_Objets.ini", "TypeMatierePremiere=2", "TypeMatierePremiere=5", "Ini_Parametres_Objets.ini",
         {"Section [Service_3], clé TypeMatierePremiere : 5 ne désigne aucune ressource (valeurs permises : 0 à 4, ou négative)."}},
        {"Ini_Parametres_Objets.ini", "Effet=4", "Effet=5", "Ini_Parametres_Objets.ini",
         {"Section [Service_3], clé Effet : 5 ne désigne aucun effet (valeurs permises : 0 à 4, ou négative)."}},
        {"Ini_Parametres_Objets.ini", "Numero=9", "Numero=neuf", "Ini_Parametres_Objets.ini",
         {"Section [CompetenceObjet_2], clé Numero : « neuf » n'est pas un nombre."}},
        // Items: the line parser (the line is the file's line number)
        {"Ini_Parametres_Objets.ini", "PrixRessources(4)=2", "PrixRessources(9)=2", "Ini_Parametres_Objets.ini",
         {"Ligne 82, clé PrixRessources(9) : l'indice 9 est hors de la liste (1 à 5)."}},
        {"Ini_Parametres_Objets.ini", "PrixRessources(4)=2", "PrixRessources(quatre)=2", "Ini_Parametres_Objets.ini",
         {"Ligne 82, clé PrixRessources(quatre) : l'indice entre parenthèses n'est pas un nombre entier."}},
        {"Ini_Parametres_Objets.ini", "PrixRessources(4)=2", "PrixRessources=2", "Ini_Parametres_Objets.ini",
         {"Ligne 82, clé PrixRessources : l'indice 0 est hors de la liste"}},
        {"Ini_Parametres_Objets.ini", "[Objets]\n", "[Objets]\nNom=Orphelin\n", "Ini_Parametres_Objets.ini",
         {"Ligne 55, clé Nom : clé placée avant toute section [Objet_n]."}},
        {"Ini_Parametres_Objets.ini", "[Objet_2]", "[Objet_0]", "Ini_Parametres_Objets.ini",
         {"section [Objet_0] : le numéro doit être un entier de 1 à 32767."}},
        {"Ini_Parametres_Objets.ini", "[Objet_2]", "[Objet_deux]", "Ini_Parametres_Objets.ini",
         {"section [Objet_deux] : le numéro"}},
        {"Ini_Parametres_Objets.ini", "[Objets]\n", "[Objet_6]\nNom=Égaré\n[Objets]\n", "Ini_Parametres_Objets.ini",
         {"Ligne 54, section [Objet_6] : cette section doit suivre la section [Objets]."}},
        {"Ini_Parametres_Objets.ini", "Categorie=2", "Categorie=lourde", "Ini_Parametres_Objets.ini",
         {"clé Categorie : « lourde » n'est pas un nombre."}},
        {"Ini_Parametres_Objets.ini", "Categorie=2", "Categorie=12", "Ini_Parametres_Objets.ini",
         {"Section [Objet_3], clé Categorie : la catégorie 12 n'a pas de place d'équipement"}},
        {"Ini_Parametres_Objets.ini", "Competence=2", "Competence=3", "Ini_Parametres_Objets.ini",
         {"clé Competence : 3 ne désigne aucune compétence d'objet (valeurs permises : 0 à 2)."}},
        {"Ini_Parametres_Objets.ini", "PerteRessourceIndice=5", "PerteRessourceIndice=6", "Ini_Parametres_Objets.ini",
         {"clé PerteRessourceIndice : 6 ne désigne aucune ressource"}},
        {"Ini_Parametres_Objets.ini", "BonusCompetencesServices(2)=7", "BonusCompetencesServices(1)=7",
         "Ini_Parametres_Objets.ini", {"clé BonusCompetencesServices(1) : l'indice 1 est hors de la liste (2 à 3)."}},
        {"Ini_Parametres_Objets.ini", "BonusCompetencesObjets(1)=3", "BonusCompetencesObjets(3)=3",
         "Ini_Parametres_Objets.ini", {"clé BonusCompetencesObjets(3) : l'indice 3 est hors de la liste (1 à 2)."}},
        {"Ini_Parametres_Objets.ini", "BonusVie=1", "BonusVie=40000", "Ini_Parametres_Objets.ini",
         {"clé BonusVie : « 40000 » dépasse les limites permises (-32768 à 32767)."}},
        // Item references checked once effects, then races, are read.
        {"Ini_Parametres_Objets.ini", "EffetAttaque=4", "EffetAttaque=8", "Ini_Parametres_Objets.ini",
         {"clé EffetAttaque : 8 ne désigne aucun effet (valeurs permises : 0 à 5)."}},
        {"Ini_Parametres_Objets.ini", "Invocation=2", "Invocation=9", "Ini_Parametres_Objets.ini",
         {"Ligne 141, clé Invocation : 9 ne désigne aucune race (valeurs permises : 0 à 5)."}},
        // Scenery
        {"Ini_Parametres_Decors.ini", "Largeur=48\n", "", "Ini_Parametres_Decors.ini",
         {"Section [Decor_2], clé Largeur : valeur absente"}},
        {"Ini_Parametres_Decors.ini", "", "", "Ini_Parametres_Decors.ini", {"Le fichier est introuvable"}},
        // Peoples: monsters are races, checked with the races.
        {"Ini_Parametres_Peuples.ini", "Monstre(2)Indice=5", "Monstre(2)Indice=9", "Ini_Parametres_Peuples.ini",
         {"Section [Peuple_2], clé Monstre(2)Indice : 9 ne désigne aucune race (valeurs permises : 1 à 5)."}},
        {"Ini_Parametres_Peuples.ini", "Monstre(2)Indice=5\n", "", "Ini_Parametres_Peuples.ini",
         {"Section [Peuple_2], clé Monstre(2)Indice : valeur absente (valeurs permises : 1 à 5)."}},
        {"Ini_Parametres_Peuples.ini", "NombrePeuples=2", "NombrePeuples=", "Ini_Parametres_Peuples.ini",
         {"Section [Peuples], clé NombrePeuples : valeur absente"}},
        // Effects
        {"Ini_Parametres_Effets.ini", "EffetMaisonEnFeu=3", "EffetMaisonEnFeu=6", "Ini_Parametres_Effets.ini",
         {"Section [Effets], clé EffetMaisonEnFeu : 6 ne désigne aucun effet (valeurs permises : 0 à 5)."}},
        // Races
        {"Ini_Parametres_Races.ini", "NombreObjets=1\r\nObjet(1)=1", "Objet(1)=1\r\nNombreObjets=1",
         "Ini_Parametres_Races.ini",
         {"clé Objet(1) : NombreObjets doit être donné, et plus grand que 0, avant cette clé.",
          "Section [Race_2], clé Objet(1) : valeur absente (NombreObjets vaut 1)."}},
        {"Ini_Parametres_Races.ini", "Equipement(2)=3", "Equipement(3)=3", "Ini_Parametres_Races.ini",
         {"clé Equipement(3) : l'indice 3 est hors de la liste (1 à 2).",
          "Section [Race_2], clé Equipement(2) : valeur absente (NombreEquipement vaut 2)."}},
        {"Ini_Parametres_Races.ini", "Equipement(2)=3", "Equipement(2)=99", "Ini_Parametres_Races.ini",
         {"clé Equipement(2) : 99 ne désigne aucun objet (valeurs permises : 1 à 5)."}},
        {"Ini_Parametres_Races.ini", "Objet(2)=3", "Objet(2)=0", "Ini_Parametres_Races.ini",
         {"Ligne 7, clé Objet(2) : 0 ne désigne aucun objet"}},
        {"Ini_Parametres_Races.ini", "JouerToutesLesRaces=0", "JouerToutesLesRaces=0\r\nVie=5",
         "Ini_Parametres_Races.ini", {"Ligne 5, clé Vie : clé placée avant toute section [Race_n]."}},
        {"Ini_Parametres_Races.ini", "EffetAttaque=1", "EffetAttaque=6", "Ini_Parametres_Races.ini",
         {"clé EffetAttaque : 6 ne désigne aucun effet"}},
        {"Ini_Parametres_Races.ini", "Vie=120", "Vie=-3", "Ini_Parametres_Races.ini",
         {"Section [Race_2], clé Vie : la vie maximale vaut -3"}},
        // A race without Vie takes PersosMaxVie, which must then be usable.
        {"Ini_Parametres_Persos.ini", "PersosMaxVie=100", "PersosMaxVie=0", "Ini_Parametres_Races.ini",
         {"Section [Race_1], clé Vie : la vie maximale vaut 0 (PersosMaxVie = 0"}},
        {"Ini_Parametres_Races.ini", "[Race_3]", "[Race_-3]", "Ini_Parametres_Races.ini",
         {"section [Race_-3] : le numéro doit être un entier de 1 à 32767."}},
        {"Ini_Parametres_Races.ini", "", "", "Ini_Parametres_Races.ini", {"Le fichier est introuvable"}},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(std::string(c.fichier) + " : " + c.ancien + " -> " + c.nouveau);
        CopieRegles regles;
        if (*c.ancien == '\0')
            fs::remove(regles.d.Chemin() / c.fichier);
        else
            ASSERT_TRUE(regles.Remplacer(c.fichier, c.ancien, c.nouveau));
        DossierJeu dossier(regles.d.Chemin());
        ClsJeuParam p(dossier);
        auto erreur = regles.Charger(p);
        ASSERT_TRUE(erreur.has_value());
        EXPECT_EQ(erreur->Fichier(), c.fichierCite);
        std::string message = erreur->what();
        EXPECT_EQ(message.rfind("Le fichier " + std::string(c.fichierCite) + " est invalide.\n", 0), 0u) << message;
        for (const char* attendu : c.attendus) EXPECT_NE(message.find(attendu), std::string::npos) << message;
        // The half-loaded database still answers without crashing.
        EXPECT_EQ(p.Objet_Nom(100), "");
        EXPECT_EQ(p.Race_Nom(-5), "");
    }
}

TEST(JeuParamErreurs, FichierDeRacesSansRace) {
    CopieRegles regles;
    regles.d.Ecrire("Ini_Parametres_Races.ini", "[Races]\nChancesRaceAleatoire=0.5\n");
    DossierJeu dossier(regles.d.Chemin());
    ClsJeuParam p(dossier);
    auto erreur = regles.Charger(p);
    ASSERT_TRUE(erreur.has_value());
    EXPECT_NE(std::string(erreur->what()).find("Aucune section [Race_n]"), std::string::npos);
}

// When every building type is reachable by some era, houses may be any
// of them (not none).
TEST(JeuParamErreurs, ToutesLesConstructionsAccessibles) {
    CopieRegles regles;
    std::string texte = regles.d.Lire("Ini_Parametres_Batiments.ini");
    for (std::size_t i; (i = texte.find("NoEpoque=9")) != std::string::npos;) texte.replace(i, 10, "NoEpoque=4");
    regles.d.Ecrire("Ini_Parametres_Batiments.ini", texte);
    DossierJeu dossier(regles.d.Chemin());
    ClsJeuParam p(dossier);
    ASSERT_FALSE(regles.Charger(p).has_value());
    EXPECT_EQ(p.NombreBatimentsConstructibles, 7);
}

// Item headers 3 then 1: after the first the table has three rows; row 2,
// whose header never comes, stays empty (its references keep 0). Keys of
// a section met after the item part belong to no item.
TEST(JeuParamAnalyse, EntetesDansLeDesordreEtSectionsSuivantes) {
    CopieRegles regles;
    std::string objets = regles.d.Lire("Ini_Parametres_Objets.ini");
    objets = objets.substr(0, objets.find("[Objets]"));
    objets +=
        "[Objets]\n[Objet_3]\nNom=Troisième\n[Objet_1]\nNom=Premier\nInvocation=1\n"
        "[Annexe]\nNom=Hors objets\nPrixVente=99\n";
    regles.d.Ecrire("Ini_Parametres_Objets.ini", objets);
    // No building makes items 4 and 5 any more.
    std::string batiments = regles.d.Lire("Ini_Parametres_Batiments.ini");
    for (const char* cle : {"ObjetsFabriques(2)=4", "ObjetsFabriques(1)=4"}) {
        std::size_t i = batiments.find(cle);
        batiments.replace(i, std::string(cle).size(), std::string(cle).substr(0, 19) + "1");
    }
    regles.d.Ecrire("Ini_Parametres_Batiments.ini", batiments);
    std::string races = regles.d.Lire("Ini_Parametres_Races.ini");
    races.replace(races.find("Objet(1)=4"), 10, "Objet(1)=1");
    regles.d.Ecrire("Ini_Parametres_Races.ini", races);

    DossierJeu dossier(regles.d.Chemin());
    ClsJeuParam p(dossier);
    auto erreur = regles.Charger(p);
    ASSERT_FALSE(erreur.has_value()) << erreur->what();
    EXPECT_EQ(p.NombreTypesObjets, 3);
    EXPECT_EQ(p.Objet_Nom(0), "Premier");
    EXPECT_EQ(p.Objet_Invocation(0), 0);
    EXPECT_EQ(p.Objet_Nom(1), "");
    EXPECT_EQ(p.Objet_PerteRessourceIndice(1), 0);
    EXPECT_EQ(p.Objet_Invocation(1), 0);
    EXPECT_EQ(p.Objet_Nom(2), "Troisième");
    EXPECT_EQ(p.Objet_PerteRessourceIndice(2), -1);
    EXPECT_EQ(p.Objet_PrixVente(0), 0);
}

// A key read leniently may be missing: it reads 0, and races that give no
// width inherit that 0.
TEST(JeuParamErreurs, CleSoupleAbsente) {
    CopieRegles regles;
    ASSERT_TRUE(regles.Remplacer("Ini_Parametres_Persos.ini", "PersosLargeurDefaut=24\n", ""));
    DossierJeu dossier(regles.d.Chemin());
    ClsJeuParam p(dossier);
    auto erreur = regles.Charger(p);
    ASSERT_FALSE(erreur.has_value()) << erreur->what();
    EXPECT_EQ(p.PersosLargeurDefaut, 0);
    EXPECT_EQ(p.Race_Largeur(0), 0);
    EXPECT_EQ(p.Race_Largeur(1), 20);
}
