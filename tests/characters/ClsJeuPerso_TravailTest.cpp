// Work, one tick at a time: harvesting, production, services, building and
// crafting, driven directly as the tick would.
#include <gtest/gtest.h>

#include "tests/world/MondeObjets.h"

namespace {

constexpr std::int16_t TypeMaison = 0;
constexpr std::int16_t TypeAtelier = 2;
constexpr std::int16_t TypeTemple = 3;
constexpr std::int16_t TypeBoulangerie = 5;  // bread (3) from berries (0), one each

class Travail : public ::testing::Test {
protected:
    void SetUp() override {
        M.Peupler(2);
        P = &M.Parametres();
    }
    // Character 0 harvesting at a deposit of berries holding Quantite.
    ClsJeuRessources& Gisement(double Quantite) {
        ClsJeuRessources& g = M.Main.Ressources.emplace_back();
        g.TypeRessource = 0;
        g.Quantite = Quantite;
        ClsJeuPerso& perso = M.Perso(0);
        perso.CibleRessource = static_cast<std::int32_t>(M.Main.Ressources.size()) - 1;
        perso.Action = Actions::Recolter;
        return g;
    }
    MondeObjets M;
    const ClsJeuParam* P = nullptr;
};

TEST_F(Travail, HarvestingTakesFromTheDeposit) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuRessources& gisement = Gisement(500);
    const double energie = perso.Energie;
    const double r = perso.CoefVitesse * 0.0025 * (perso.Definir_Niveau_CompetenceRessources(0) + 30);
    std::int16_t code = -1;
    perso.Recolter_Ressources(0, M.Maison(0), code, *P);
    EXPECT_EQ(code, -1);
    EXPECT_EQ(perso.Action, Actions::Recolter);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), r);
    EXPECT_DOUBLE_EQ(gisement.Quantite, 500 - r);
    EXPECT_DOUBLE_EQ(perso.Energie, energie - 0.00625);
    EXPECT_GT(perso.Definir_ExpRessources(0), 0.0);
}

TEST_F(Travail, AFullHarvesterStops) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuRessources& gisement = Gisement(500);
    perso.Definir_Ressources(0, 30);
    const double energie = perso.Energie;
    std::int16_t code = -1;
    perso.Recolter_Ressources(0, M.Maison(0), code, *P);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(perso.Action, Actions::Attente);
    EXPECT_EQ(gisement.Quantite, 500.0);
    EXPECT_EQ(perso.Energie, energie);
}

TEST_F(Travail, AnExhaustedDepositEndsTheHarvest) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuRessources& gisement = Gisement(0.01);
    std::int16_t code = -1;
    perso.Recolter_Ressources(0, M.Maison(0), code, *P);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 0.01);
    EXPECT_EQ(gisement.Quantite, 0.0);
    EXPECT_FALSE(gisement.Visible());
    perso.Recolter_Ressources(0, M.Maison(0), code, *P);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(perso.Action, Actions::Attente);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 0.01);
}

TEST_F(Travail, ProducingAtHomeFillsTheCarrierThenTheHouse) {
    ClsJeuPerso& boulanger = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeBoulangerie);
    boulanger.DansMaison = true;
    boulanger.Action = Actions::ProduireMaison;
    boulanger.Definir_Ressources(0, 10);
    const double a = boulanger.CoefVitesse * 0.0025 * (boulanger.Definir_Niveau_CompetenceRessources(3) + 30);
    std::int16_t code = -1;
    boulanger.Recolter_Ressources(3, maison, code, *P);
    EXPECT_DOUBLE_EQ(boulanger.Definir_Ressources(3), a);
    EXPECT_DOUBLE_EQ(boulanger.Definir_Ressources(0), 10 - a);

    boulanger.Definir_Ressources(3, 30);
    boulanger.Recolter_Ressources(3, maison, code, *P);
    EXPECT_DOUBLE_EQ(maison.Definir_Stock(), a);
    EXPECT_EQ(boulanger.Action, Actions::ProduireMaison);

    maison.Definir_Stock(maison.MaxStock);
    boulanger.Recolter_Ressources(3, maison, code, *P);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(boulanger.Action, Actions::Repos);  // it rests in its house
}

TEST_F(Travail, MissingRawMaterialRestsWithoutCost) {
    ClsJeuPerso& boulanger = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeBoulangerie);
    boulanger.DansMaison = true;
    boulanger.Action = Actions::ProduireMaison;
    const double energie = boulanger.Energie;
    const double moral = boulanger.Moral;
    std::int16_t code = -1;
    boulanger.Recolter_Ressources(3, maison, code, *P);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(boulanger.Action, Actions::Repos);
    EXPECT_EQ(boulanger.Energie, energie);
    EXPECT_EQ(boulanger.Moral, moral);
    EXPECT_EQ(boulanger.Definir_ExpRessources(3), 0.0);
}

TEST_F(Travail, PreparingAService) {
    ClsJeuPerso& pretre = M.Perso(0);
    ClsJeuBatiment& temple = M.Maison_Achevee(0, TypeTemple);
    pretre.DansMaison = true;
    pretre.Action = Actions::PreparerService;
    const double r = pretre.Definir_Niveau_CompetenceServices(0) * pretre.CoefVitesse * 0.0025;
    std::int16_t code = -1;
    // Berries are its raw material, one per unit prepared.
    pretre.Preparer_Service(temple, code, *P);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(pretre.Action, Actions::Repos);
    EXPECT_EQ(temple.Definir_Stock(), 0.0);

    pretre.Definir_Ressources(0, 5);
    pretre.Action = Actions::PreparerService;
    pretre.Preparer_Service(temple, code, *P);
    EXPECT_EQ(pretre.Action, Actions::PreparerService);
    EXPECT_EQ(pretre.ServiceEnCours, 1);
    EXPECT_DOUBLE_EQ(temple.Definir_Stock(), 0.5 * r);
    EXPECT_DOUBLE_EQ(pretre.Definir_Ressources(0), 5 - 0.5 * r);
    EXPECT_DOUBLE_EQ(pretre.Definir_ExpServices(0), 1.0 * 0.5 * r);

    temple.Definir_Stock(temple.MaxStock);
    code = -1;
    pretre.Preparer_Service(temple, code, *P);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(pretre.Action, Actions::Repos);
}

TEST_F(Travail, BuildingAddsSixLifeATickUntilDone) {
    ClsJeuPerso& batisseur = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison(0);
    maison.Creer(200, 300, TypeMaison, batisseur, *P);
    ASSERT_DOUBLE_EQ(batisseur.CoefVitesse, 1.0);
    int ticks = 0;
    batisseur.Batir_Maison(M.Fief(), M.Chateau(), maison, *P);
    ++ticks;
    EXPECT_DOUBLE_EQ(maison.Vie, 96.0);
    EXPECT_EQ(batisseur.Action, Actions::Construire);
    while (batisseur.Action == Actions::Construire && ticks < 1000) {
        batisseur.CoefVitesse = 1.0;  // keep the rate of a rested builder
        batisseur.Batir_Maison(M.Fief(), M.Chateau(), maison, *P);
        ++ticks;
    }
    EXPECT_EQ(ticks, 152);  // (1000 - 90) / 6, rounded up
    EXPECT_EQ(batisseur.Action, Actions::RentrerMaison);
    EXPECT_TRUE(maison.Acheve);
    // A house of the first era built in era 0 moves the fief on.
    EXPECT_TRUE(M.Fief().ChangementEpoque);
    EXPECT_EQ(M.Chateau().MaxVie, 2000 + 250);
}

TEST_F(Travail, AHouseReachingItsMaximumExactlyIsDoneAtOnce) {
    ClsJeuPerso& batisseur = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison(0);
    maison.Creer(200, 300, TypeMaison, batisseur, *P);
    maison.Vie = 994;
    M.Fief().Epoque = 1;  // already beyond the house's era: no change
    batisseur.Batir_Maison(M.Fief(), M.Chateau(), maison, *P);
    EXPECT_EQ(batisseur.Action, Actions::RentrerMaison);
    EXPECT_FALSE(M.Fief().ChangementEpoque);
}

TEST_F(Travail, WhoCanPayForAHouse) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Definir_Ressources(1, 10);
    EXPECT_TRUE(perso.PeutConstruire_Maison(1, *P));
    EXPECT_FALSE(perso.PeutConstruire_Maison(0, *P));  // 40 berries, 100 wood
    perso.Definir_Ressources(1, 9.5);
    EXPECT_FALSE(perso.PeutConstruire_Maison(1, *P));
    EXPECT_FALSE(perso.PeutConstruire_Maison(-1, *P));
    EXPECT_FALSE(perso.PeutConstruire_Maison(P->NombreTypeBatiments, *P));
}

TEST_F(Travail, CraftingPaysWhenTheItemIsDone) {
    ClsJeuPerso& artisan = M.Perso(0);
    ClsJeuBatiment& atelier = M.Maison_Achevee(0, TypeAtelier);
    artisan.Definir_Ressources(1, 5);
    artisan.Creer_Objet(0, atelier, *P);  // the sword: 3 wood, 10 of work
    EXPECT_EQ(artisan.Action, Actions::Fabriquer);
    const double pas = artisan.Definir_Niveau_CompetenceObjets(P->Objet_Competence(0)) * 0.1;
    ASSERT_GT(pas, 0.0);
    std::int16_t code = -1;
    int ticks = 0;
    while (artisan.Action == Actions::Fabriquer && ticks < 10000) {
        artisan.CoefVitesse = 1.0;
        EXPECT_DOUBLE_EQ(artisan.Definir_Ressources(1), 5.0);
        artisan.Fabriquer_Etape(*P, atelier, code);
        ++ticks;
    }
    EXPECT_NEAR(ticks, std::ceil(10.0 / pas), 1.0);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(artisan.Action, Actions::Repos);
    EXPECT_EQ(atelier.Stock_Objets(0), 1.0);
    EXPECT_DOUBLE_EQ(artisan.Definir_Ressources(1), 2.0);
}

TEST_F(Travail, AnItemOfNoDurationIsDoneAtTheFirstStep) {
    ClsJeuPerso& artisan = M.Perso(0);
    ClsJeuBatiment& atelier = M.Maison_Achevee(0, TypeAtelier);
    artisan.Definir_Ressources(0, 4);
    artisan.Definir_Ressources(2, 1);
    ASSERT_TRUE(artisan.PeutConstruire_Objet(1, atelier, *P));
    artisan.Creer_Objet(1, atelier, *P);  // the amulet
    std::int16_t code = -1;
    artisan.Fabriquer_Etape(*P, atelier, code);
    EXPECT_EQ(artisan.Action, Actions::Repos);
    EXPECT_EQ(atelier.Stock_Objets(1), 1.0);
    EXPECT_DOUBLE_EQ(artisan.Definir_Ressources(0), 1.0);
    EXPECT_EQ(artisan.Definir_Ressources(2), 0.0);
}

}  // namespace
