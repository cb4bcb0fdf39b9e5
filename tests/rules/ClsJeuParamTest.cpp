#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"
#include "tests/Outils.h"

namespace {

namespace fs = std::filesystem;

void ChargerTout(ClsJeuParam& p) {
    for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
}

// The small hand-written rules set of tests/fixtures/regles_base, loaded
// through all eight stages.
struct Regles : ::testing::Test {
    DossierJeu dossier{Fixtures() / "regles_base"};
    ClsJeuParam p{dossier};
    void SetUp() override { ASSERT_NO_THROW(ChargerTout(p)); }
};

struct CasNombre {
    const char* quoi;
    std::function<double(const ClsJeuParam&)> lire;
    double attendu;
};
struct CasTexte {
    const char* quoi;
    std::function<std::string(const ClsJeuParam&)> lire;
    std::string attendu;
};

}  // namespace

TEST(JeuParam, AvantChargement) {
    DossierJeu dossier{Fixtures() / "regles_base"};
    ClsJeuParam p(dossier);
    EXPECT_EQ(p.NombreTypesObjets, -1);
    EXPECT_EQ(p.NombreRaces, 0);
    p.Init(8);   // any other stage does nothing
    p.Init(-1);
    EXPECT_EQ(p.NombreEpoques, 0);
    EXPECT_EQ(p.Objet_Nom(0), "");
}

TEST_F(Regles, ChampsPublics) {
    const CasNombre cas[] = {
        {"CoefficientAchat", [](auto& p) { return p.CoefficientAchat; }, 1.5},
        {"PersosNombreApparences", [](auto& p) { return p.PersosNombreApparences; }, 6},
        {"PersosLargeurDefaut", [](auto& p) { return p.PersosLargeurDefaut; }, 24},
        {"PersosHauteurDefaut", [](auto& p) { return p.PersosHauteurDefaut; }, 32},
        {"PersosMaxVie", [](auto& p) { return p.PersosMaxVie; }, 100},
        {"PersosMaxEnergie", [](auto& p) { return p.PersosMaxEnergie; }, 90},
        {"PersosMaxMagie", [](auto& p) { return p.PersosMaxMagie; }, 40},
        {"PersosMaxMoral", [](auto& p) { return p.PersosMaxMoral; }, 80},
        {"PersosNiveauSpecialesDepart", [](auto& p) { return p.PersosNiveauSpecialesDepart; }, 2},
        {"PersosMaxRessources", [](auto& p) { return p.PersosMaxRessources; }, 50},
        {"PersosNiveauServicesDepart", [](auto& p) { return p.PersosNiveauServicesDepart; }, 3},
        {"PersosNiveauObjetsDepart", [](auto& p) { return p.PersosNiveauObjetsDepart; }, 4},
        {"PersosAttaque", [](auto& p) { return p.PersosAttaque; }, 11},
        {"PersosPorteeAttaque", [](auto& p) { return p.PersosPorteeAttaque; }, 12},
        {"PersosDefense", [](auto& p) { return p.PersosDefense; }, 13},
        {"PersosVitesse", [](auto& p) { return p.PersosVitesse; }, 5},
        {"PersosNombreObjetsEquipes", [](auto& p) { return p.PersosNombreObjetsEquipes; }, 10},
        {"PersosNombreObjetsInventaire", [](auto& p) { return p.PersosNombreObjetsInventaire; }, 12},
        {"NombreEpoques", [](auto& p) { return p.NombreEpoques; }, 4},
        {"NombreCompetencesSpeciales", [](auto& p) { return p.NombreCompetencesSpeciales; }, 4},
        {"NombreRessources", [](auto& p) { return p.NombreRessources; }, 5},
        {"NombreTerrainRessource", [](auto& p) { return p.NombreTerrainRessource; }, 4},
        {"NombreTypeBatiments", [](auto& p) { return p.NombreTypeBatiments; }, 7},
        // NoEpoque 1, 2, 9, 3, 9, 3, 9 with four eras: the first type no era
        // reaches, counted from type 1, is type 2.
        {"NombreBatimentsConstructibles", [](auto& p) { return p.NombreBatimentsConstructibles; }, 2},
        {"NombrePeuples", [](auto& p) { return p.NombrePeuples; }, 2},
        {"NombreCompetencesObjets", [](auto& p) { return p.NombreCompetencesObjets; }, 2},
        {"NombreTypesObjets", [](auto& p) { return p.NombreTypesObjets; }, 5},
        {"NombreTresors", [](auto& p) { return p.NombreTresors; }, 2},
        {"NombreDecors", [](auto& p) { return p.NombreDecors; }, 2},
        {"NombreServices", [](auto& p) { return p.NombreServices; }, 3},
        {"NombreEffets", [](auto& p) { return p.NombreEffets; }, 5},
        {"EffetMaisonEnFeu 3", [](auto& p) { return p.EffetMaisonEnFeu; }, 2},
        {"EffetMaisonDetruite 0", [](auto& p) { return p.EffetMaisonDetruite; }, -1},
        {"EffetChateauDetruit absent", [](auto& p) { return p.EffetChateauDetruit; }, -1},
        {"NombreRaces", [](auto& p) { return p.NombreRaces; }, 5},
        {"NombreRacesJouables", [](auto& p) { return p.NombreRacesJouables; }, 2},
        {"ChancesRaceAleatoire", [](auto& p) { return p.ChancesRaceAleatoire; }, 0.25},
        {"JouerToutesLesRaces", [](auto& p) { return p.JouerToutesLesRaces; }, 0},
    };
    for (const auto& c : cas) EXPECT_DOUBLE_EQ(c.lire(p), c.attendu) << c.quoi;
}

TEST_F(Regles, AccesseursTextes) {
    const CasTexte cas[] = {
        {"Epoque_Nom(1)", [](auto& p) { return p.Epoque_Nom(1); }, "Âge de la pierre"},
        {"Epoque_BonusVieChateau(1)", [](auto& p) { return p.Epoque_BonusVieChateau(1); }, "250"},
        {"Speciales_NomCompetences(3)", [](auto& p) { return p.Speciales_NomCompetences(3); }, "Marchander"},
        {"Ressources_Nom(2)", [](auto& p) { return p.Ressources_Nom(2); }, "Bois"},
        {"Ressources_NomCompetence(4)", [](auto& p) { return p.Ressources_NomCompetence(4); }, "Empennage"},
        {"TerrainRessources_Nom(1)", [](auto& p) { return p.TerrainRessources_Nom(1); }, "Buisson"},
        {"Batiment_Nom(3)", [](auto& p) { return p.Batiment_Nom(3); }, "Scierie"},
        {"Batiment_Metier(1, M)", [](auto& p) { return p.Batiment_Metier(1, false); }, "Artisan"},
        {"Batiment_Metier(1, F)", [](auto& p) { return p.Batiment_Metier(1, true); }, "Artisane"},
        {"Batiment_Description(0)", [](auto& p) { return p.Batiment_Description(0); }, "Un abri de branches."},
        {"Peuples_Nom(1)", [](auto& p) { return p.Peuples_Nom(1); }, "Peaux-Vertes"},
        {"Peuples_MonstreFichierIA(1, 0)", [](auto& p) { return p.Peuples_MonstreFichierIA(1, 0); }, "orque.ia"},
        {"Peuples_MonstreFichierIA(1, 1)", [](auto& p) { return p.Peuples_MonstreFichierIA(1, 1); }, ""},
        {"Peuples_NomChateau(0)", [](auto& p) { return p.Peuples_NomChateau(0); }, "Manoir"},
        {"CompetenceObjet_Nom(1)", [](auto& p) { return p.CompetenceObjet_Nom(1); }, "Arcs"},
        // Tabs and blanks around a key, "=" inside a value.
        {"Objet_Nom(0)", [](auto& p) { return p.Objet_Nom(0); }, "Épée courte"},
        {"Objet_NomPluriel(0)", [](auto& p) { return p.Objet_NomPluriel(0); }, "Épées courtes"},
        {"Objet_Description(0)", [](auto& p) { return p.Objet_Description(0); }, "Dégâts = 4 à 6"},
        {"Objet_Image(0) sans Image", [](auto& p) { return p.Objet_Image(0); }, "Épée courte"},
        {"Objet_Image(3)", [](auto& p) { return p.Objet_Image(3); }, "potion_rouge"},
        // "nom = minuscule" follows Nom: keys are compared with their case.
        {"Objet_Nom(3)", [](auto& p) { return p.Objet_Nom(3); }, "Potion de vie"},
        {"Objet_Nom(2) (premier en-tête du fichier)", [](auto& p) { return p.Objet_Nom(2); }, "Bouclier"},
        {"Objet_Nom(1)", [](auto& p) { return p.Objet_Nom(1); }, "Amulette d'ombre"},
        {"Objet_Nom(4)", [](auto& p) { return p.Objet_Nom(4); }, "Arc long"},
        {"Tresor_Nom(1)", [](auto& p) { return p.Tresor_Nom(1); }, "Coffre"},
        {"Decor_Nom(0)", [](auto& p) { return p.Decor_Nom(0); }, "Chêne"},
        {"Decor_Image(1)", [](auto& p) { return p.Decor_Image(1); }, "rocher"},
        {"Service_Nom(1)", [](auto& p) { return p.Service_Nom(1); }, "Résurrection"},
        {"Service_Description(2)", [](auto& p) { return p.Service_Description(2); }, "Soigne contre paiement."},
        {"Service_VitesseCreation(1)", [](auto& p) { return p.Service_VitesseCreation(1); }, "0.25"},
        {"Service_MatierePremiere(2)", [](auto& p) { return p.Service_MatierePremiere(2); }, "2"},
        {"Service_QuantiteMatierePremiere(2)", [](auto& p) { return p.Service_QuantiteMatierePremiere(2); }, "0.75"},
        {"Service_NomCompetence(2)", [](auto& p) { return p.Service_NomCompetence(2); }, "Herboristerie"},
        {"Service_CoefExp(2)", [](auto& p) { return p.Service_CoefExp(2); }, "1.25"},
        {"Service_Effet(2)", [](auto& p) { return p.Service_Effet(2); }, "4"},
        {"Service_Effet(1)", [](auto& p) { return p.Service_Effet(1); }, "-1"},
        {"Effet_Nom(1)", [](auto& p) { return p.Effet_Nom(1); }, "Éclat"},
        {"Effet_Fichier(2)", [](auto& p) { return p.Effet_Fichier(2); }, "feu"},
        {"Effet_Son(0)", [](auto& p) { return p.Effet_Son(0); }, "coup.wav"},
        {"Race_Nom(0)", [](auto& p) { return p.Race_Nom(0); }, "Orque"},
        {"Race_Nom(0, F)", [](auto& p) { return p.Race_Nom(0, true); }, "Orque femelle"},
        {"Race_Nom(0, M, pluriel)", [](auto& p) { return p.Race_Nom(0, false, true); }, "Orques"},
        {"Race_Nom(0, F, pluriel)", [](auto& p) { return p.Race_Nom(0, true, true); }, "Orques femelles"},
        {"Race_Nom(-1)", [](auto& p) { return p.Race_Nom(-1); }, ""},
        {"Race_Description(0)", [](auto& p) { return p.Race_Description(0); }, "Brutal et robuste."},
        {"Race_CheminApparence(1)", [](auto& p) { return p.Race_CheminApparence(1); }, "elfe_h"},
        {"Race_CheminApparence(1, F)", [](auto& p) { return p.Race_CheminApparence(1, true); }, "elfe_f"},
        {"Race_IA_Fichier(0)", [](auto& p) { return p.Race_IA_Fichier(0); }, "orque.ia"},
    };
    for (const auto& c : cas) EXPECT_EQ(c.lire(p), c.attendu) << c.quoi;
}

TEST_F(Regles, AccesseursNombres) {
    const CasNombre cas[] = {
        // Eras
        {"Epoque_ChateauxRessourcesDepart(1)", [](auto& p) { return p.Epoque_ChateauxRessourcesDepart(1); }, 300.5},
        {"Epoque_PersosRessourcesDepart(1)", [](auto& p) { return p.Epoque_PersosRessourcesDepart(1); }, 12.25},
        {"Epoque_PersosArgentDepart(0)", [](auto& p) { return p.Epoque_PersosArgentDepart(0); }, 50},
        // Resources: references written 1-based, stored 0-based
        {"Ressources_VitesseExtraction(0)", [](auto& p) { return p.Ressources_VitesseExtraction(0); }, 1.5},
        {"Ressources_TypeMatierePremiere(3)", [](auto& p) { return p.Ressources_TypeMatierePremiere(3); }, 2},
        {"Ressources_TypeMatierePremiere(0)", [](auto& p) { return p.Ressources_TypeMatierePremiere(0); }, -1},
        {"Ressources_QuantiteMatierePremiere(3)", [](auto& p) { return p.Ressources_QuantiteMatierePremiere(3); }, 2},
        {"Ressources_PrixVente(3)", [](auto& p) { return p.Ressources_PrixVente(3); }, 9},
        {"Ressources_NecessairePourConstruire(2)", [](auto& p) { return p.Ressources_NecessairePourConstruire(2); }, 1},
        {"Ressources_NecessairePourConstruire(0)", [](auto& p) { return p.Ressources_NecessairePourConstruire(0); }, 0},
        {"Ressources_NecessairePourAttaquer(4)", [](auto& p) { return p.Ressources_NecessairePourAttaquer(4); }, 1},
        {"Ressources_NecessairePourAttaquer(2)", [](auto& p) { return p.Ressources_NecessairePourAttaquer(2); }, 0},
        {"Ressources_Recoltable(1)", [](auto& p) { return p.Ressources_Recoltable(1); }, 1},
        {"Ressources_Recoltable(3)", [](auto& p) { return p.Ressources_Recoltable(3); }, 0},
        {"Ressources_Recoltable(-1)", [](auto& p) { return p.Ressources_Recoltable(-1); }, 0},
        // Deposit types 0 and 3 both yield resource 1: the last one is kept.
        {"Ressources_TypeTerrainRessource(1)", [](auto& p) { return p.Ressources_TypeTerrainRessource(1); }, 3},
        {"Ressources_TypeTerrainRessource(0)", [](auto& p) { return p.Ressources_TypeTerrainRessource(0); }, 1},
        {"Ressources_TypeTerrainRessource(3)", [](auto& p) { return p.Ressources_TypeTerrainRessource(3); }, 0},
        {"Ressources_Mangeable(0)", [](auto& p) { return p.Ressources_Mangeable(0); }, 1},
        {"Ressources_Mangeable(2)", [](auto& p) { return p.Ressources_Mangeable(2); }, 0},
        {"Ressources_GainVie(0)", [](auto& p) { return p.Ressources_GainVie(0); }, 3},
        {"Ressources_GainEnergie(1)", [](auto& p) { return p.Ressources_GainEnergie(1); }, 5},
        {"Ressources_GainMagie(1)", [](auto& p) { return p.Ressources_GainMagie(1); }, 0.25},
        {"Ressources_GainMoral(0)", [](auto& p) { return p.Ressources_GainMoral(0); }, 0.5},
        {"Ressources_Epoque(3)", [](auto& p) { return p.Ressources_Epoque(3); }, 3},
        {"Ressources_Epoque(0)", [](auto& p) { return p.Ressources_Epoque(0); }, 0},
        {"TerrainRessources_TypeRessource(0)", [](auto& p) { return p.TerrainRessources_TypeRessource(0); }, 1},
        {"TerrainRessources_TypeRessource(1)", [](auto& p) { return p.TerrainRessources_TypeRessource(1); }, 0},
        {"TerrainRessources_Quantite(1)", [](auto& p) { return p.TerrainRessources_Quantite(1); }, 25.5},
        // Buildings
        {"Batiment_Prix(0, 2)", [](auto& p) { return p.Batiment_Prix(0, 2); }, 20},
        {"Batiment_Prix(1, 3)", [](auto& p) { return p.Batiment_Prix(1, 3); }, 10},
        {"Batiment_Prix(0, 0)", [](auto& p) { return p.Batiment_Prix(0, 0); }, 0},
        {"Batiment_MaxVie(1)", [](auto& p) { return p.Batiment_MaxVie(1); }, 500},
        {"Batiment_RessourceFabrique(0) 0", [](auto& p) { return p.Batiment_RessourceFabrique(0); }, -1},
        {"Batiment_RessourceFabrique(3)", [](auto& p) { return p.Batiment_RessourceFabrique(3); }, 3},
        {"Batiment_NombreObjetsFabriques(1)", [](auto& p) { return p.Batiment_NombreObjetsFabriques(1); }, 3},
        {"Batiment_NombreObjetsFabriques(0)", [](auto& p) { return p.Batiment_NombreObjetsFabriques(0); }, 0},
        {"Batiment_ObjetFabrique(1, 0)", [](auto& p) { return p.Batiment_ObjetFabrique(1, 0); }, 0},
        {"Batiment_ObjetFabrique(1, 2)", [](auto& p) { return p.Batiment_ObjetFabrique(1, 2); }, 2},
        {"Batiment_ObjetFabrique(5, 1)", [](auto& p) { return p.Batiment_ObjetFabrique(5, 1); }, 3},
        {"Batiment_ObjetFabrique(0, 0) sans liste", [](auto& p) { return p.Batiment_ObjetFabrique(0, 0); }, -1},
        {"Batiment_Magasin(3)", [](auto& p) { return p.Batiment_Magasin(3); }, 1},
        {"Batiment_Fabrique(1)", [](auto& p) { return p.Batiment_Fabrique(1); }, 1},
        {"Batiment_Fabrique(0)", [](auto& p) { return p.Batiment_Fabrique(0); }, 0},
        {"Batiment_Service(2)", [](auto& p) { return p.Batiment_Service(2); }, 1},
        {"Batiment_Service(4)", [](auto& p) { return p.Batiment_Service(4); }, 2},
        {"Batiment_Service(0) 0", [](auto& p) { return p.Batiment_Service(0); }, 0},
        {"Batiment_MaxStockVente(1)", [](auto& p) { return p.Batiment_MaxStockVente(1); }, 20.5},
        {"Batiment_Niveau(1)", [](auto& p) { return p.Batiment_Niveau(1); }, 2},
        {"Batiment_NoEpoque(1)", [](auto& p) { return p.Batiment_NoEpoque(1); }, 2},
        {"Batiment_NoEpoque(2)", [](auto& p) { return p.Batiment_NoEpoque(2); }, 9},
        {"Batiment_Largeur(0)", [](auto& p) { return p.Batiment_Largeur(0); }, 64},
        {"Batiment_Hauteur(0)", [](auto& p) { return p.Batiment_Hauteur(0); }, 48},
        {"Batiment_EntreePositionX(1)", [](auto& p) { return p.Batiment_EntreePositionX(1); }, 40},
        {"Batiment_EntreePositionY(1)", [](auto& p) { return p.Batiment_EntreePositionY(1); }, 60},
        {"Batiment_NombreEtapeFabrication(1)", [](auto& p) { return p.Batiment_NombreEtapeFabrication(1); }, 4},
        {"Batiment_NombreEtapeAnimation(0)", [](auto& p) { return p.Batiment_NombreEtapeAnimation(0); }, 2},
        {"Batiment_ApparencePerso(1)", [](auto& p) { return p.Batiment_ApparencePerso(1); }, 2},
        // Peoples
        {"Peuples_NombreMonstres(0)", [](auto& p) { return p.Peuples_NombreMonstres(0); }, 0},
        {"Peuples_NombreMonstres(1)", [](auto& p) { return p.Peuples_NombreMonstres(1); }, 2},
        {"Peuples_MonstreIndice(1, 0)", [](auto& p) { return p.Peuples_MonstreIndice(1, 0); }, 0},
        {"Peuples_MonstreIndice(1, 1)", [](auto& p) { return p.Peuples_MonstreIndice(1, 1); }, 4},
        {"Peuples_MonstreIndice(0, 0) sans monstres", [](auto& p) { return p.Peuples_MonstreIndice(0, 0); }, -1},
        {"Peuples_MonstreChance(1, 0)", [](auto& p) { return p.Peuples_MonstreChance(1, 0); }, 0.6f},
        {"Peuples_MonstreChance(1, 1)", [](auto& p) { return p.Peuples_MonstreChance(1, 1); }, 0.4f},
        {"Peuples_ChateauMaxVie(0)", [](auto& p) { return p.Peuples_ChateauMaxVie(0); }, 2000},
        {"Peuples_ChateauLargeur(0)", [](auto& p) { return p.Peuples_ChateauLargeur(0); }, 128},
        {"Peuples_ChateauHauteur(1)", [](auto& p) { return p.Peuples_ChateauHauteur(1); }, 80},
        {"Peuples_ChateauEntreePositionX(0)", [](auto& p) { return p.Peuples_ChateauEntreePositionX(0); }, 60},
        {"Peuples_ChateauEntreePositionY(0)", [](auto& p) { return p.Peuples_ChateauEntreePositionY(0); }, 90},
        // Item competences, treasures, scenery, services, effects
        {"CompetenceObjet_Numero(1)", [](auto& p) { return p.CompetenceObjet_Numero(1); }, 9},
        {"Tresor_ValeurMin(0)", [](auto& p) { return p.Tresor_ValeurMin(0); }, 10},
        {"Decor_Largeur(0)", [](auto& p) { return p.Decor_Largeur(0); }, 32},
        {"Decor_Hauteur(0)", [](auto& p) { return p.Decor_Hauteur(0); }, 64},
        {"Decor_NombreEtapeAnimation(0)", [](auto& p) { return p.Decor_NombreEtapeAnimation(0); }, 4},
        {"Decor_NombreEtapeAnimation(1)", [](auto& p) { return p.Decor_NombreEtapeAnimation(1); }, 0},
        {"Service_Prix(2)", [](auto& p) { return p.Service_Prix(2); }, 15.75},
        {"Service_Coefficient(1)", [](auto& p) { return p.Service_Coefficient(1); }, 1.2},
        {"Effet_Largeur(0)", [](auto& p) { return p.Effet_Largeur(0); }, 32},
        {"Effet_Hauteur(2)", [](auto& p) { return p.Effet_Hauteur(2); }, 64},
        {"Effet_NombreEtapes(4)", [](auto& p) { return p.Effet_NombreEtapes(4); }, 6},
        {"Effet_DureeEtape(0)", [](auto& p) { return p.Effet_DureeEtape(0); }, 0.1},
        {"Effet_DureeEtape(1) 0", [](auto& p) { return p.Effet_DureeEtape(1); }, 1.0},
        {"Effet_DureeEtape(2) absente", [](auto& p) { return p.Effet_DureeEtape(2); }, 1.0},
        // Items (file order 3, 1, 2, 4, 5)
        {"Objet_Secret(1)", [](auto& p) { return p.Objet_Secret(1); }, 1},
        {"Objet_Unique(0)", [](auto& p) { return p.Objet_Unique(0); }, 1},
        {"Objet_Unique(-1)", [](auto& p) { return p.Objet_Unique(-1); }, 0},
        {"Objet_Indestructible(1)", [](auto& p) { return p.Objet_Indestructible(1); }, 1},
        {"Objet_Inseparable(1)", [](auto& p) { return p.Objet_Inseparable(1); }, 1},
        {"Objet_Categorie(2)", [](auto& p) { return p.Objet_Categorie(2); }, 2},
        {"Objet_Categorie(4)", [](auto& p) { return p.Objet_Categorie(4); }, 1},
        {"Objet_Competence(0) 1", [](auto& p) { return p.Objet_Competence(0); }, 0},
        {"Objet_Competence(3) 0", [](auto& p) { return p.Objet_Competence(3); }, -1},
        {"Objet_Competence(2) absente", [](auto& p) { return p.Objet_Competence(2); }, 0},
        {"Objet_PrixRessources(0, 2) indice entre blancs", [](auto& p) { return p.Objet_PrixRessources(0, 2); }, 5},
        {"Objet_PrixRessources(0, 3)", [](auto& p) { return p.Objet_PrixRessources(0, 3); }, 2},
        {"Objet_PrixRessources(2, 2)", [](auto& p) { return p.Objet_PrixRessources(2, 2); }, 4},
        {"Objet_DureeFabrication(0)", [](auto& p) { return p.Objet_DureeFabrication(0); }, 12},
        {"Objet_PrixVente(0)", [](auto& p) { return p.Objet_PrixVente(0); }, 30},
        {"Objet_BonusVie(2)", [](auto& p) { return p.Objet_BonusVie(2); }, 1},
        {"Objet_BonusEnergie(2)", [](auto& p) { return p.Objet_BonusEnergie(2); }, 2},
        {"Objet_BonusMagie(2)", [](auto& p) { return p.Objet_BonusMagie(2); }, 3},
        {"Objet_BonusMoral(2)", [](auto& p) { return p.Objet_BonusMoral(2); }, 4},
        {"Objet_BonusAttaque(0)", [](auto& p) { return p.Objet_BonusAttaque(0); }, 4},
        {"Objet_BonusPorteeAttaque(4)", [](auto& p) { return p.Objet_BonusPorteeAttaque(4); }, 6},
        {"Objet_EffetAttaque(0)", [](auto& p) { return p.Objet_EffetAttaque(0); }, 3},
        {"Objet_SurfaceAttaque(0)", [](auto& p) { return p.Objet_SurfaceAttaque(0); }, 3},
        {"Objet_BonusDefense(2)", [](auto& p) { return p.Objet_BonusDefense(2); }, 5},
        {"Objet_BonusDeplacement(2)", [](auto& p) { return p.Objet_BonusDeplacement(2); }, -1},
        {"Objet_BonusCompetencesSpeciales(0, 2)", [](auto& p) { return p.Objet_BonusCompetencesSpeciales(0, 2); }, 2},
        {"Objet_BonusCompetencesRessources(0, 2)", [](auto& p) { return p.Objet_BonusCompetencesRessources(0, 2); }, 1},
        // Key 2 is the competence of the second service row, at position 0.
        {"Objet_BonusCompetencesServices(0, 0)", [](auto& p) { return p.Objet_BonusCompetencesServices(0, 0); }, 7},
        {"Objet_BonusCompetencesObjets(0, 0)", [](auto& p) { return p.Objet_BonusCompetencesObjets(0, 0); }, 3},
        {"Objet_BonusArmure(2)", [](auto& p) { return p.Objet_BonusArmure(2); }, 2},
        {"Objet_BonusMaxRessources(2)", [](auto& p) { return p.Objet_BonusMaxRessources(2); }, 10},
        {"Objet_BonusVitesseRegenerationVie(2)", [](auto& p) { return p.Objet_BonusVitesseRegenerationVie(2); }, 0.5},
        {"Objet_BonusVitesseRegenerationEnergie(2)", [](auto& p) { return p.Objet_BonusVitesseRegenerationEnergie(2); }, 0.25},
        {"Objet_BonusVitesseRegenerationMagie(2)", [](auto& p) { return p.Objet_BonusVitesseRegenerationMagie(2); }, 0.125},
        {"Objet_BonusVitesseRegenerationMoral(2)", [](auto& p) { return p.Objet_BonusVitesseRegenerationMoral(2); }, 2},
        {"Objet_PerteVie(3)", [](auto& p) { return p.Objet_PerteVie(3); }, 1},
        {"Objet_PerteEnergie(4)", [](auto& p) { return p.Objet_PerteEnergie(4); }, 0.5},
        {"Objet_PerteMagie(4)", [](auto& p) { return p.Objet_PerteMagie(4); }, 0.25},
        {"Objet_PerteMoral(4)", [](auto& p) { return p.Objet_PerteMoral(4); }, 0.125},
        {"Objet_PerteArgent(3)", [](auto& p) { return p.Objet_PerteArgent(3); }, 5},
        {"Objet_PerteRessourceIndice(4)", [](auto& p) { return p.Objet_PerteRessourceIndice(4); }, 4},
        {"Objet_PerteRessourceIndice(0) absente", [](auto& p) { return p.Objet_PerteRessourceIndice(0); }, -1},
        {"Objet_PerteRessourceQuantite(4)", [](auto& p) { return p.Objet_PerteRessourceQuantite(4); }, 1},
        {"Objet_ApparencePerso(1)", [](auto& p) { return p.Objet_ApparencePerso(1); }, 3},
        {"Objet_ChangerApparencePerso(1)", [](auto& p) { return p.Objet_ChangerApparencePerso(1); }, 1},
        {"Objet_Utilisable(3)", [](auto& p) { return p.Objet_Utilisable(3); }, 1},
        {"Objet_UtilisationUnique(3)", [](auto& p) { return p.Objet_UtilisationUnique(3); }, 1},
        {"Objet_UtilisationMort(3)", [](auto& p) { return p.Objet_UtilisationMort(3); }, 1},
        {"Objet_Experience(3)", [](auto& p) { return p.Objet_Experience(3); }, 2.5},
        {"Objet_Invocation(4)", [](auto& p) { return p.Objet_Invocation(4); }, 1},
        {"Objet_Invocation(0) absente", [](auto& p) { return p.Objet_Invocation(0); }, -1},
        {"Objet_Quantite(3)", [](auto& p) { return p.Objet_Quantite(3); }, 1},
        {"Objet_GainVie(3)", [](auto& p) { return p.Objet_GainVie(3); }, 25.5},
        {"Objet_GainEnergie(3)", [](auto& p) { return p.Objet_GainEnergie(3); }, 10},
        {"Objet_GainMagie(3)", [](auto& p) { return p.Objet_GainMagie(3); }, 5},
        {"Objet_GainMoral(3)", [](auto& p) { return p.Objet_GainMoral(3); }, 2},
        {"Objet_GainArgent(3)", [](auto& p) { return p.Objet_GainArgent(3); }, 1.5},
        {"Objet_GainRessource(3, 1)", [](auto& p) { return p.Objet_GainRessource(3, 1); }, 3.5},
        {"Objet_Resurrection(3)", [](auto& p) { return p.Objet_Resurrection(3); }, 2},
        {"Objet_SelfResurrection(3)", [](auto& p) { return p.Objet_SelfResurrection(3); }, -1},
        {"Objet_SelfResurrection(0)", [](auto& p) { return p.Objet_SelfResurrection(0); }, 0},
        {"Objet_PrixTalents(0)", [](auto& p) { return p.Objet_PrixTalents(0); }, 8},
        // Item eras. Made by types 1 (era 2) and 5 (era 3): the first decides.
        {"Objet_Epoque(2) fabriqué", [](auto& p) { return p.Objet_Epoque(2); }, 2},
        // Same, but it also costs planks, whose file era is 4.
        {"Objet_Epoque(0) ressource", [](auto& p) { return p.Objet_Epoque(0); }, 4},
        {"Objet_Epoque(1) secret", [](auto& p) { return p.Objet_Epoque(1); }, -1},
        {"Objet_Epoque(3) sans coût", [](auto& p) { return p.Objet_Epoque(3); }, 3},
        {"Objet_Epoque(4) non fabriqué", [](auto& p) { return p.Objet_Epoque(4); }, 1},
        // Races, with their defaults
        {"Race_Jouable(1)", [](auto& p) { return p.Race_Jouable(1); }, 1},
        {"Race_Jouable(0)", [](auto& p) { return p.Race_Jouable(0); }, 0},
        {"Race_Largeur(0) défaut", [](auto& p) { return p.Race_Largeur(0); }, 24},
        {"Race_Largeur(1)", [](auto& p) { return p.Race_Largeur(1); }, 20},
        {"Race_Hauteur(0) défaut", [](auto& p) { return p.Race_Hauteur(0); }, 32},
        {"Race_Hauteur(1)", [](auto& p) { return p.Race_Hauteur(1); }, 30},
        {"Race_RestrictionSexe(0, F)", [](auto& p) { return p.Race_RestrictionSexe(0, true); }, 1},
        {"Race_RestrictionSexe(0)", [](auto& p) { return p.Race_RestrictionSexe(0); }, 0},
        {"Race_DefinirApparence(1)", [](auto& p) { return p.Race_DefinirApparence(1); }, 1},
        {"Race_Vie(0) défaut", [](auto& p) { return p.Race_Vie(0); }, 100},
        {"Race_Vie(1)", [](auto& p) { return p.Race_Vie(1); }, 120},
        {"Race_Energie(0) défaut", [](auto& p) { return p.Race_Energie(0); }, 90},
        {"Race_Energie(1)", [](auto& p) { return p.Race_Energie(1); }, 70},
        {"Race_Magie(0) défaut", [](auto& p) { return p.Race_Magie(0); }, 40},
        {"Race_Magie(1)", [](auto& p) { return p.Race_Magie(1); }, 60},
        {"Race_Moral(0) défaut", [](auto& p) { return p.Race_Moral(0); }, 80},
        {"Race_Moral(1)", [](auto& p) { return p.Race_Moral(1); }, 50},
        {"Race_Attaque(0) défaut", [](auto& p) { return p.Race_Attaque(0); }, 11},
        {"Race_Attaque(1)", [](auto& p) { return p.Race_Attaque(1); }, 9},
        {"Race_Defense(0) défaut", [](auto& p) { return p.Race_Defense(0); }, 13},
        {"Race_Defense(1)", [](auto& p) { return p.Race_Defense(1); }, 8},
        {"Race_CoefVie(1) 0.5", [](auto& p) { return p.Race_CoefVie(1); }, 0.5},
        {"Race_CoefVie(0) défaut", [](auto& p) { return p.Race_CoefVie(0); }, 1},
        {"Race_CoefEnergie(1)", [](auto& p) { return p.Race_CoefEnergie(1); }, 1.25},
        {"Race_CoefMagie(1)", [](auto& p) { return p.Race_CoefMagie(1); }, 1},
        {"Race_CoefMoral(1)", [](auto& p) { return p.Race_CoefMoral(1); }, 1},
        {"Race_CoefAttaque(1) absente", [](auto& p) { return p.Race_CoefAttaque(1); }, 1},
        {"Race_CoefDefense(1)", [](auto& p) { return p.Race_CoefDefense(1); }, 1},
        {"Race_VitesseRegenerationVie(0)", [](auto& p) { return p.Race_VitesseRegenerationVie(0); }, 0.3f},
        // Tireless: 2 in the file, 0.01 whatever the file says.
        {"Race_VitesseRegenerationEnergie(0)", [](auto& p) { return p.Race_VitesseRegenerationEnergie(0); }, 0.01f},
        {"Race_VitesseRegenerationMagie(0)", [](auto& p) { return p.Race_VitesseRegenerationMagie(0); }, 0.1f},
        {"Race_VitesseRegenerationMoral(0)", [](auto& p) { return p.Race_VitesseRegenerationMoral(0); }, 0.01f},
        {"Race_CoefCompSpeciales(1, 1)", [](auto& p) { return p.Race_CoefCompSpeciales(1, 1); }, 1.5},
        {"Race_CoefCompSpeciales(1, 0) défaut", [](auto& p) { return p.Race_CoefCompSpeciales(1, 0); }, 1},
        {"Race_CoefCompRessources(1, 2)", [](auto& p) { return p.Race_CoefCompRessources(1, 2); }, 0.75},
        {"Race_CoefCompServices(1, 0)", [](auto& p) { return p.Race_CoefCompServices(1, 0); }, 2},
        {"Race_CoefCompServices(1, 1) défaut", [](auto& p) { return p.Race_CoefCompServices(1, 1); }, 1},
        {"Race_CoefCompServices(1, 2) dernière", [](auto& p) { return p.Race_CoefCompServices(1, 2); }, 0},
        {"Race_CoefCompObjets(1, 1)", [](auto& p) { return p.Race_CoefCompObjets(1, 1); }, 1.1f},
        {"Race_CoefCompObjets(1, 0) défaut", [](auto& p) { return p.Race_CoefCompObjets(1, 0); }, 1},
        {"Race_Equiper(1)", [](auto& p) { return p.Race_Equiper(1); }, 1},
        {"Race_Parole(1)", [](auto& p) { return p.Race_Parole(1); }, 1},
        {"Race_Experience(1)", [](auto& p) { return p.Race_Experience(1); }, 1},
        {"Race_Volant(3)", [](auto& p) { return p.Race_Volant(3); }, 1},
        {"Race_CommentairesSpecifique(0)", [](auto& p) { return p.Race_CommentairesSpecifique(0); }, 1},
        {"Race_CommentairesSpecifique(1) absente", [](auto& p) { return p.Race_CommentairesSpecifique(1); }, 0},
        {"Race_PorteeAttaque(0)", [](auto& p) { return p.Race_PorteeAttaque(0); }, 2},
        {"Race_EffetAttaque(0)", [](auto& p) { return p.Race_EffetAttaque(0); }, 0},
        {"Race_Armure(0)", [](auto& p) { return p.Race_Armure(0); }, 3},
        {"Race_Vitesse(0) défaut", [](auto& p) { return p.Race_Vitesse(0); }, 5},
        {"Race_Vitesse(1)", [](auto& p) { return p.Race_Vitesse(1); }, 7},
        {"Race_IA_Pacifique(3)", [](auto& p) { return p.Race_IA_Pacifique(3); }, 1},
        {"Race_IA_Manger(1)", [](auto& p) { return p.Race_IA_Manger(1); }, 1},
        {"Race_IA_Temeraire(0)", [](auto& p) { return p.Race_IA_Temeraire(0); }, 1},
        {"Race_IA_Berserk(0)", [](auto& p) { return p.Race_IA_Berserk(0); }, 1},
        {"Race_IA_Incommandable(3)", [](auto& p) { return p.Race_IA_Incommandable(3); }, 1},
        {"Race_IA_Selectionner(1)", [](auto& p) { return p.Race_IA_Selectionner(1); }, 1},
        {"Race_Infatigable(0)", [](auto& p) { return p.Race_Infatigable(0); }, 1},
        {"Race_Kamikaze(0)", [](auto& p) { return p.Race_Kamikaze(0); }, 1},
        {"Race_RestaurationComplete(1)", [](auto& p) { return p.Race_RestaurationComplete(1); }, 1},
        {"Race_Argent(1)", [](auto& p) { return p.Race_Argent(1); }, 120.5},
        {"Race_Ressources(1, 1)", [](auto& p) { return p.Race_Ressources(1, 1); }, 5.5},
        {"Race_DepartSansRessources(1)", [](auto& p) { return p.Race_DepartSansRessources(1); }, 1},
        {"Race_NombreEquipement(1)", [](auto& p) { return p.Race_NombreEquipement(1); }, 2},
        {"Race_Equipement(1, 0)", [](auto& p) { return p.Race_Equipement(1, 0); }, 0},
        {"Race_Equipement(1, 1)", [](auto& p) { return p.Race_Equipement(1, 1); }, 2},
        {"Race_IndiceBestiaire(0)", [](auto& p) { return p.Race_IndiceBestiaire(0); }, 4},
    };
    for (const auto& c : cas) EXPECT_NEAR(c.lire(p), c.attendu, 1e-6) << c.quoi;
}

// The race's own items come first, then the common list of [Races] (file
// items 4 and 3), which a race without NombreObjets gets alone.
TEST_F(Regles, ObjetsCommunsEtObjetsDeRace) {
    EXPECT_EQ(p.Race_NombreObjets(1), 3);
    EXPECT_EQ(p.Race_Objet(1, 0), 0);
    EXPECT_EQ(p.Race_Objet(1, 1), 3);
    EXPECT_EQ(p.Race_Objet(1, 2), 2);
    EXPECT_EQ(p.Race_NombreObjets(0), 2);
    EXPECT_EQ(p.Race_Objet(0, 0), 3);
    EXPECT_EQ(p.Race_Objet(0, 1), 2);
}

TEST_F(Regles, IndiceDeRaceEtBestiaire) {
    EXPECT_EQ(p.Race_Indice("Nain"), std::optional<std::int16_t>(2));
    EXPECT_EQ(p.Race_Indice("Orque"), std::optional<std::int16_t>(0));  // race 4's feminine name comes later
    EXPECT_EQ(p.Race_Indice("Naine"), std::nullopt);                    // feminine names do not count
    EXPECT_EQ(p.Race_Indice("nain"), std::nullopt);
    // Orques, Elfes, Nains, Écorcheurs, gobelins: upper case before lower
    // case, an accented initial after every other letter.
    const std::int16_t attendu[] = {1, 2, 0, 4, 3};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(p.Bestiaire_Ordre_Alpha(i), attendu[i]) << i;
}

// Indices come from files and messages later on: outside a table the
// answer is an empty row, with "none" for references, never a crash.
TEST_F(Regles, IndicesHorsTable) {
    for (std::int32_t i : {-1, -32768, 5, 7, 1000, 2147483647}) {
        EXPECT_EQ(p.Objet_Nom(i), "") << i;
        EXPECT_EQ(p.Objet_Invocation(i), -1) << i;
        EXPECT_EQ(p.Objet_Epoque(i), -1) << i;
        EXPECT_EQ(p.Objet_PrixRessources(i, 0), 0) << i;
        EXPECT_EQ(p.Race_Objet(i, 0), -1) << i;
        EXPECT_EQ(p.Race_Nom(i, true, true), "") << i;
        EXPECT_EQ(p.Batiment_RessourceFabrique(i + 10), -1) << i;
        EXPECT_EQ(p.Ressources_TypeMatierePremiere(i + 10), -1) << i;
        EXPECT_EQ(p.Service_MatierePremiere(i + 10), "-1") << i;
        EXPECT_EQ(p.Epoque_BonusVieChateau(i + 10), "0") << i;
        EXPECT_EQ(p.Peuples_MonstreIndice(1, i + 10), -1) << i;
        EXPECT_EQ(p.Bestiaire_Ordre_Alpha(i + 10), -1) << i;
        EXPECT_DOUBLE_EQ(p.Effet_DureeEtape(i + 10), 1.0) << i;
    }
    ModRandom aleatoire;
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(-1, aleatoire), -1);
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(99, aleatoire), -1);
}

TEST_F(Regles, MatierePremiereDesBatiments) {
    ModRandom aleatoire;
    aleatoire.Initialiser_Aleatoire();
    // Workshop: the first pair that costs is (wood, short sword); the fresh
    // table's first draw, 0.533424, is above one half.
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(1, aleatoire), 2);
    EXPECT_EQ(aleatoire.PositionAleatoire, 1);

    // From a draw of 0.2895625 then 0.301948 then 0.7747401: the pairs
    // (wood, sword) and (wood, shield) fail, (planks, sword) succeeds.
    aleatoire.PositionAleatoire = 2;
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(1, aleatoire), 3);
    EXPECT_EQ(aleatoire.PositionAleatoire, 5);

    // When no draw succeeds: the last candidate, the highest costed resource.
    aleatoire.PositionAleatoire = 5;  // 0.01401764 once, for (wood, shield)
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(5, aleatoire), 2);
    EXPECT_EQ(aleatoire.PositionAleatoire, 6);

    // Makes only an item that costs nothing: no draw, no resource.
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(6, aleatoire), -1);
    EXPECT_EQ(aleatoire.PositionAleatoire, 6);

    // Service buildings: the service's raw material, written 0-based.
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(2, aleatoire), 0);
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(4, aleatoire), 2);
    // Producers: the raw material of what they produce (planks from wood).
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(3, aleatoire), 2);
    // Neither: the dwelling produces nothing.
    EXPECT_EQ(p.Batiment_TypeMatierePremiere(0, aleatoire), -1);
    EXPECT_EQ(aleatoire.PositionAleatoire, 6);
}

// Two rules databases in one process share nothing.
TEST_F(Regles, DeuxBasesIndependantes) {
    DossierTemporaire d;
    for (const auto& f : fs::directory_iterator(Fixtures() / "regles_base"))
        fs::copy(f.path(), d.Chemin() / f.path().filename());
    std::string effets = d.Lire("Ini_Parametres_Effets.ini");
    effets.replace(effets.find("EffetMaisonEnFeu=3"), 18, "EffetMaisonEnFeu=5");
    d.Ecrire("Ini_Parametres_Effets.ini", effets);
    DossierJeu autreDossier(d.Chemin());
    ClsJeuParam autre(autreDossier);
    ASSERT_NO_THROW(ChargerTout(autre));
    EXPECT_EQ(autre.EffetMaisonEnFeu, 4);
    EXPECT_EQ(p.EffetMaisonEnFeu, 2);
}

// The game's own data set goes through the real loader without a fault.
TEST(JeuParamDonnees, LeJeuDeDonneesParDefautSeCharge) {
    DossierJeu dossier(DonneesSource());
    ClsJeuParam p(dossier);
    for (std::int16_t etape = 0; etape <= 7; ++etape) {
        try {
            p.Init(etape);
        } catch (const ErreurFichier& e) {
            FAIL() << "étape " << etape << " : " << e.what();
        }
    }
    EXPECT_GT(p.NombreTypesObjets, 0);
    EXPECT_GT(p.NombreRaces, 0);
    EXPECT_GT(p.NombreRacesJouables, 0);
    EXPECT_GT(p.NombreBatimentsConstructibles, 0);
}
