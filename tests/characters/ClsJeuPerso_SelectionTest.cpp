// The selection of money, resources and an item to give or drop.
#include <gtest/gtest.h>

#include "tests/world/MondeObjets.h"

namespace {

class Selection : public ::testing::Test {
protected:
    void SetUp() override {
        M.Peupler(2);
        P = &M.Parametres();
    }
    MondeObjets M;
    const ClsJeuParam* P = nullptr;
};

TEST_F(Selection, TakingMoney) {
    struct Cas {
        const char* nom;
        double argent, deja, valeur;
        bool tout;
        double choisi;
    };
    const Cas cas[] = {
        {"below one: nothing", 30, 0, 0.5, false, 0},
        {"more than held: all of it", 30, 0, 50, false, 30},
        {"everything", 30, 0, 0, true, 30},
        {"adds to what is chosen", 30, 10, 5, false, 15},
        {"everything, but less than one held", 0.5, 0, 0, true, 0},
    };
    for (const Cas& c : cas) {
        ClsJeuPerso& perso = M.Perso(0);
        perso.Definir_Argent(c.argent);
        perso.ArgentSelectionne = c.deja;
        perso.Argent_Prendre(c.valeur, c.tout);
        EXPECT_DOUBLE_EQ(perso.ArgentSelectionne, c.choisi) << c.nom;
    }
}

TEST_F(Selection, TakingResourcesThenCheckingThem) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Definir_Ressources(1, 15);
    perso.Ressources_Prendre(1, 10, false);
    perso.Ressources_Prendre(1, 10, false);
    EXPECT_DOUBLE_EQ(perso.Definir_RessourcesSelectionnes(1), 20.0);
    EXPECT_TRUE(perso.SelectionRessources);
    perso.Ressources_Verifications();
    EXPECT_DOUBLE_EQ(perso.Definir_RessourcesSelectionnes(1), 15.0);

    // Below one unit a selection is dropped, even when that much is held.
    perso.Definir_Ressources(2, 0.6);
    perso.Definir_RessourcesSelectionnes(2, 0.6);
    perso.Definir_Ressources(1, 0);
    perso.Ressources_Verifications();
    EXPECT_EQ(perso.Definir_RessourcesSelectionnes(2), 0.0);
    EXPECT_EQ(perso.Definir_RessourcesSelectionnes(1), 0.0);
    EXPECT_FALSE(perso.SelectionRessources);
}

TEST_F(Selection, GivingWithinTheReceiversRoom) {
    ClsJeuPerso& donneur = M.Perso(0);
    ClsJeuPerso& receveur = M.Perso(1);
    donneur.Definir_Argent(40);
    donneur.Definir_Ressources(1, 10);
    receveur.Definir_Ressources(1, 26);
    donneur.Argent_Prendre(25, false);
    donneur.Ressources_Prendre(1, 10, false);
    donneur.Donner_Selection(receveur);
    EXPECT_DOUBLE_EQ(receveur.Definir_Argent(), 25.0);
    EXPECT_DOUBLE_EQ(donneur.Definir_Argent(), 15.0);
    EXPECT_DOUBLE_EQ(receveur.Definir_Ressources(1), 30.0);
    EXPECT_DOUBLE_EQ(donneur.Definir_Ressources(1), 6.0);
    EXPECT_FALSE(donneur.Definir_ObjetSelectionne());
}

TEST_F(Selection, ClearingPutsTheItemBackOrOnTheGround) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.IndiceObjetSelectionne = 2;
    perso.Definir_ObjetSelectionne(false);
    EXPECT_EQ(perso.IndiceObjetSelectionne, -1);
    EXPECT_EQ(perso.Objet_NombreType(2), 1);
    EXPECT_EQ(M.Main.Tresors.Count(), 0);

    for (std::int16_t i = 0; i < perso.Nombre_Objets_Inventaire(); ++i) perso.Objet_Inventaire_Charger(i, 2, *P);
    perso.IndiceObjetSelectionne = 0;
    perso.Definir_ObjetSelectionne(false);
    EXPECT_EQ(perso.IndiceObjetSelectionne, -1);
    ASSERT_EQ(M.Main.Tresors.Count(), 1);  // not lost: on the ground
    EXPECT_EQ(M.Main.Tresors(1).Definir_Objet(1), 0);
    perso.Definir_ObjetSelectionne(true);  // does nothing
    EXPECT_EQ(perso.IndiceObjetSelectionne, -1);
}

TEST_F(Selection, DroppingTheSelectionMakesOneTreasure) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Definir_Argent(40);
    perso.Definir_Ressources(0, 7);
    perso.Definir_Ressources(1, 3);
    perso.Argent_Prendre(12, false);
    perso.Ressources_Prendre(0, 5, false);
    perso.Ressources_Prendre(1, 0, true);
    perso.Ressources_Deposer_Sol(-1);
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    const ClsJeuTresors& tresor = M.Main.Tresors(1);
    EXPECT_DOUBLE_EQ(tresor.Definir_Argent(), 12.0);
    EXPECT_DOUBLE_EQ(tresor.Definir_Ressources(0), 5.0);
    EXPECT_DOUBLE_EQ(tresor.Definir_Ressources(1), 3.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 28.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 2.0);
    EXPECT_EQ(perso.Definir_Ressources(1), 0.0);
    EXPECT_FALSE(perso.Definir_ObjetSelectionne());

    perso.Ressources_Deposer_Sol(-1);  // nothing selected: no empty treasure
    EXPECT_EQ(M.Main.Tresors.Count(), 1);
}

}  // namespace
