// Recovery and eating: the per-tick upkeep of a character and its food.
#include <gtest/gtest.h>

#include "tests/world/MondeObjets.h"

namespace {

class Recuperation : public ::testing::Test {
protected:
    void SetUp() override {
        M.Peupler(2);
        P = &M.Parametres();
        ClsJeuPerso& perso = M.Perso(0);
        perso.RegenerationVie = perso.RegenerationEnergie = perso.RegenerationMagie = perso.RegenerationMoral = 0.0f;
    }
    MondeObjets M;
    const ClsJeuParam* P = nullptr;
};

TEST_F(Recuperation, ReservesFlowInBySteps) {
    ClsJeuPerso& perso = M.Perso(0);
    ASSERT_DOUBLE_EQ(perso.Definir_MaxVie(), 100.0);
    perso.Vie = 50;
    perso.ReserveVie = 1.0;  // steps of 0.25
    perso.Energie = 50;
    perso.ReserveEnergie = 0.001;  // less than a step: dropped
    perso.Recuperation(M.Fief());
    EXPECT_DOUBLE_EQ(perso.Vie, 50.25);
    EXPECT_DOUBLE_EQ(perso.ReserveVie, 0.75);
    EXPECT_DOUBLE_EQ(perso.Energie, 50.0);
    EXPECT_EQ(perso.ReserveEnergie, 0.0);
}

TEST_F(Recuperation, RefillingAttackAndDefenceCostsEnergyAndMorale) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.CoefVitesse = 1.0;
    perso.Energie = 80;
    perso.Moral = 80;
    perso.Attaque = 10;
    perso.Recuperation(M.Fief());
    // The human's attack maximum is its base (20): 1.25 a tick.
    EXPECT_DOUBLE_EQ(perso.Attaque, 11.25);
    EXPECT_DOUBLE_EQ(perso.Energie, 80 - 0.0125);
    EXPECT_DOUBLE_EQ(perso.Moral, 80 - 0.0025);

    perso.Energie = 80;
    perso.Moral = 80;
    perso.Attaque = 10;
    perso.Defense = 5;
    perso.Recuperation(M.Fief());
    EXPECT_DOUBLE_EQ(perso.Energie, 80 - 2 * 0.0125);
    EXPECT_DOUBLE_EQ(perso.Moral, 80 - 2 * 0.0025);
}

TEST_F(Recuperation, ItemsGiveMoneyAndResourcesEachTick) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Objet_Ajouter_Inventaire(4, *P, M.Main.Commentaires, true);  // the horn of plenty
    ASSERT_TRUE(perso.Definir_GainsObjets());
    const double argent = perso.Definir_Argent();
    const double bois = perso.Definir_Ressources(1);
    const double planches = perso.Definir_Ressources(2);
    perso.Recuperation(M.Fief());
    // The horn gives 0.5 money and 0.25 wood a tick ("GainRessource(2)"
    // counts resources from 1), and nothing else.
    EXPECT_NEAR(perso.Definir_Argent(), argent + 0.5, 1e-9);
    EXPECT_NEAR(perso.Definir_Ressources(1), bois + 0.25, 1e-9);
    EXPECT_EQ(perso.Definir_Ressources(2), planches);
}

TEST_F(Recuperation, TheDeadCountDownInTheirCastle) {
    struct Cas {
        const char* nom;
        std::int32_t persos, morts;
        double pas;
    };
    const Cas cas[] = {
        {"4 dead of 10", 10, 4, 0.175},
        {"all dead", 5, 5, 0.05},
        {"counts out of step: more dead than members", 2, 7, 0.125},
        {"no member counted", 0, 1, 0.25},
    };
    for (const Cas& c : cas) {
        MondeObjets m;
        m.Peupler(1);
        ClsJeuPerso& mort = m.Perso(0);
        mort.Vivant(false);
        mort.DansChateau = true;
        mort.DelaiResurrection = 10.0;
        m.Fief().NombrePersos = c.persos;
        m.Fief().NombreMorts = c.morts;
        mort.Recuperation(m.Fief());
        EXPECT_NEAR(mort.DelaiResurrection, 10.0 - c.pas, 1e-12) << c.nom;
        EXPECT_EQ(mort.Action, Actions::Ressusciter) << c.nom;
    }
}

TEST_F(Recuperation, TheDeadComeBackOrLeaveAFallenCastle) {
    ClsJeuPerso& mort = M.Perso(0);
    mort.Vivant(false);
    mort.DansChateau = true;
    mort.DelaiResurrection = 0.1;
    mort.Recuperation(M.Fief());
    EXPECT_TRUE(mort.Vivant());
    EXPECT_EQ(M.Fief().NombreMorts, 0);

    mort.Vivant(false);
    mort.DansChateau = true;
    mort.Action = Actions::Ressusciter;
    M.Chateau().Definir_Vie(0);
    mort.Recuperation(M.Fief());
    EXPECT_EQ(mort.Action, Actions::Attente);
    EXPECT_FALSE(mort.DansChateau);
    EXPECT_FALSE(mort.Vivant());
}

TEST_F(Recuperation, EatingOneKindAtATime) {
    ClsJeuPerso& perso = M.Perso(0);
    // Berries: 10 life, 1 morale. Bread: 10 energy, 2 morale.
    perso.Vie = 50;
    perso.Definir_Ressources(0, 10);
    perso.Recuperer_Vie(*P);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 6.0);  // to 60, 70, 80, 90
    EXPECT_DOUBLE_EQ(perso.ReserveVie, 40.0);

    perso.Energie = 95;
    perso.Definir_Ressources(3, 5);
    perso.Recuperer_Energie(*P);  // the first unit is always eaten
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(3), 4.0);

    perso.Moral = 10;
    perso.Recuperer_Moral(*P);  // berries come first by index; bread stays
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(3), 4.0);
    EXPECT_LT(perso.Definir_Ressources(0), 6.0);
}

TEST_F(Recuperation, EatingNeedsAWholeUnit) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Vie = 10;
    perso.Definir_Ressources(0, 0.5);
    perso.Manger_Ressources(0, *P);
    perso.Recuperer_AutoVie(*P);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 0.5);
    EXPECT_EQ(perso.ReserveVie, 0.0);

    perso.Vie = perso.Definir_MaxVie();
    perso.Definir_Ressources(0, 3);
    perso.Recuperer_AutoVie(*P);  // nothing to refill
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 3.0);
    EXPECT_EQ(perso.Manger_Ressources_Coef(4), 0.0);
    EXPECT_DOUBLE_EQ(perso.Manger_Ressources_Coef(0), 1.0);
}

TEST_F(Recuperation, ItemsWaitingForTheGroundAreDroppedAtTheNextTick) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.ObjetsEnAttenteSol.push_back(0);
    perso.ObjetsEnAttenteSol.push_back(2);
    perso.Recuperation(M.Fief());
    EXPECT_TRUE(perso.ObjetsEnAttenteSol.empty());
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    EXPECT_EQ(M.Main.Tresors(1).Nombre_Objets(), 2);
    EXPECT_EQ(M.Main.Tresors(1).X, perso.PositionX);
}

}  // namespace
