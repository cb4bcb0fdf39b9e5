// Looting a fallen character or a destroyed house, with the fixture's
// halves: half the money and resources, each item taken on a draw below
// 0.5 and broken on a second draw at or below 0.25.
#include <gtest/gtest.h>

#include "characters/ModCombat.h"
#include "tests/characters/MondeCombat.h"

namespace {

class Pillage : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 0, 0);
        W.Fief(1, 1500, 0);
        k = W.Perso(RaceCombat::Humain, 0, 500, 500);
        v = W.Perso(RaceCombat::Humain, 1, 510, 520);
    }
    ClsJeuPerso& K() { return W.Pe(k); }
    ClsJeuPerso& V() { return W.Pe(v); }
    ModCombat& C() { return W.M().Combat; }
    ModTresors& Tresors() { return W.M().Tresors; }
    // Thirteen draws (nine places, four bag slots) that take nothing.
    void Rien() { W.Tirages({0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f}); }

    MondeCombat W;
    std::int32_t k = 0, v = 0;
};

TEST_F(Pillage, TouchingTheLooterTakesItsShareDirectly) {
    V().Definir_Argent(100);
    V().Definir_Ressources(1, 8);
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_DOUBLE_EQ(K().Definir_Argent(), 50);
    EXPECT_DOUBLE_EQ(V().Definir_Argent(), 50);
    EXPECT_DOUBLE_EQ(K().Definir_Ressources(1), 4);
    EXPECT_DOUBLE_EQ(V().Definir_Ressources(1), 4);
    EXPECT_EQ(Tresors().Count(), 0);
    EXPECT_EQ(W.Tires(), 13);
}

TEST_F(Pillage, FromAfarEverythingLiesInOneTreasureOnTheVictim) {
    K().PositionX = 1000;
    V().Definir_Argent(100);
    V().Definir_Ressources(0, 10);
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_DOUBLE_EQ(K().Definir_Argent(), 0);
    ASSERT_EQ(Tresors().Count(), 1);
    const ClsJeuTresors& t = Tresors()(1);
    // The victim's centre: 510 + 20 / 2 - 13 and 520 + 30 / 2 - 13.
    EXPECT_EQ(t.X, 507);
    EXPECT_EQ(t.Y, 522);
    EXPECT_DOUBLE_EQ(t.Definir_Argent(), 50);
    EXPECT_DOUBLE_EQ(t.Definir_Ressources(0), 5);
}

TEST_F(Pillage, WhatTheLooterCannotCarryLiesOnTheGround) {
    K().Definir_Ressources(1, 28);  // capacity 30
    V().Definir_Ressources(1, 10);
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_DOUBLE_EQ(K().Definir_Ressources(1), 30);
    ASSERT_EQ(Tresors().Count(), 1);
    EXPECT_DOUBLE_EQ(Tresors()(1).Definir_Ressources(1), 3);
}

TEST_F(Pillage, ANothingVictimLeavesNoTreasure) {
    K().PositionX = 1000;
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_EQ(Tresors().Count(), 0);
}

// Items: a draw per place whether used or not, a second one for each item
// taken.
struct CasObjet {
    const char* nom;
    std::int16_t objet;
    float prise, bris;
    bool touche;
    bool victimeGarde, pillardRecoit, tresor;
    int tires;
};

class PillageObjet : public Pillage, public ::testing::WithParamInterface<CasObjet> {};

TEST_P(PillageObjet, PrendOuBriseUnObjetPorte) {
    const CasObjet& c = GetParam();
    if (!c.touche) K().PositionX = 1000;
    V().Objet_Equipe_Charger(0, c.objet, W.P());
    V().Actualiser_Bonus();
    W.Tirages({c.prise, c.bris, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f});
    C().Piller_Perso(K(), V());
    EXPECT_EQ(V().Objet_Equipes_Actif(0), c.victimeGarde);
    EXPECT_EQ(K().Objet_NombreType(c.objet) == 1, c.pillardRecoit);
    ASSERT_EQ(Tresors().Count(), c.tresor ? 1 : 0);
    // A treasure holding one single item stays on the ground.
    if (c.tresor) {
        EXPECT_EQ(Tresors()(1).Nombre_Objets(), 1);
        EXPECT_EQ(Tresors()(1).Definir_Objet(1), c.objet);
    }
    EXPECT_EQ(W.Tires(), c.tires);
}

INSTANTIATE_TEST_SUITE_P(
    Combat, PillageObjet,
    ::testing::Values(CasObjet{"pris", ObjetCombat::Epee, 0.4f, 0.3f, true, false, true, false, 14},
                      CasObjet{"laisse", ObjetCombat::Epee, 0.5f, 0.9f, true, true, false, false, 13},
                      CasObjet{"brise", ObjetCombat::Epee, 0.4f, 0.25f, true, false, false, false, 14},
                      CasObjet{"au_sol", ObjetCombat::Epee, 0.4f, 0.3f, false, false, false, true, 14},
                      CasObjet{"indestructible", ObjetCombat::Anneau, 0.0f, 0.0f, true, true, false, false, 13}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Pillage, EveryItemTakenIsBrokenWhenTheChanceIsOne) {
    C().CoefDestructionObjets = 1.0f;
    C().CoefPillageObjetsPersoMort = 1.0f;
    V().Objet_Equipe_Charger(0, ObjetCombat::Epee, W.P());
    V().Objet_Inventaire_Charger(2, ObjetCombat::Potion, W.P());
    W.Tirages({0.99f, 0.99f});
    C().Piller_Perso(K(), V());
    EXPECT_FALSE(V().Objet_Equipes_Actif(0));
    EXPECT_FALSE(V().Objet_Inventaire_Actif(2));
    EXPECT_EQ(K().Objet_NombreType(ObjetCombat::Epee), 0);
    EXPECT_EQ(K().Objet_NombreType(ObjetCombat::Potion), 0);
}

TEST_F(Pillage, TheOneTheVictimWasAttackingIsRescued) {
    const std::int32_t sauve = W.Perso(RaceCombat::Humain, 0, 600, 600);
    V().Attaquer_Perso(sauve);
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_EQ(W.Pe(sauve).Definir_Commentaires(), "genre 14");
    // Not when the looter itself was the one attacked.
    W.Pe(sauve).Definir_Commentaires("");
    V().Attaquer_Perso(k);
    Rien();
    C().Piller_Perso(K(), V());
    EXPECT_EQ(K().Definir_Commentaires(), "");
}

// ---- Houses ----

TEST_F(Pillage, ADestroyedShopGivesSharesToATreasureOnly) {
    // The farm makes berries, the first resource (index 0).
    ClsJeuBatiment& ferme = W.Maison(v, BatimentCombat::Ferme, 800, 800);
    ferme.Argent = 40;
    ferme.Definir_Stock(12);
    K().PositionX = 800;
    K().PositionY = 800;
    W.Tirages({});
    C().Piller_Maison(K(), ferme);
    ASSERT_EQ(Tresors().Count(), 1);
    const ClsJeuTresors& t = Tresors()(1);
    // Centre with the width for both: 800 + 32 - 13.
    EXPECT_EQ(t.X, 819);
    EXPECT_EQ(t.Y, 819);
    EXPECT_DOUBLE_EQ(t.Definir_Argent(), 20);
    EXPECT_DOUBLE_EQ(t.Definir_Ressources(0), 6);
    // The looter standing on it gets nothing directly; the house keeps
    // its contents.
    EXPECT_DOUBLE_EQ(K().Definir_Argent(), 0);
    EXPECT_DOUBLE_EQ(ferme.Argent, 40);
    EXPECT_DOUBLE_EQ(ferme.Definir_Stock(), 12);
    EXPECT_EQ(W.Tires(), 0);
}

TEST_F(Pillage, AWorkshopsMadeItemsAreDrawnUnitByUnitTheLastOneIncluded) {
    ClsJeuBatiment& forge = W.Maison(v, BatimentCombat::Forge, 800, 800);
    // Two swords and three javelins, the last made item.
    forge.Stock_Objets(0, 2);
    forge.Stock_Objets(1, 3);
    W.Tirages({0.4f, 0.6f, 0.1f, 0.9f, 0.2f});
    C().Piller_Maison(K(), forge);
    EXPECT_EQ(W.Tires(), 5);
    ASSERT_EQ(Tresors().Count(), 1);
    const ClsJeuTresors& t = Tresors()(1);
    ASSERT_EQ(t.Nombre_Objets(), 3);
    EXPECT_EQ(t.Definir_Objet(1), ObjetCombat::Epee);
    EXPECT_EQ(t.Definir_Objet(2), ObjetCombat::Javelot);
    EXPECT_EQ(t.Definir_Objet(3), ObjetCombat::Javelot);
}

TEST_F(Pillage, AnEmptyHouseLeavesNoTreasure) {
    ClsJeuBatiment& cabane = W.Maison(v, BatimentCombat::Cabane, 800, 800);
    W.Tirages({});
    C().Piller_Maison(K(), cabane);
    EXPECT_EQ(Tresors().Count(), 0);
}

}  // namespace
