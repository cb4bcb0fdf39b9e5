// Item trade and transfer between a character and houses, the ground and
// its fief's castle.
#include <gtest/gtest.h>

#include "tests/world/MondeObjets.h"

namespace {

constexpr std::int16_t TypeAtelier = 2;  // makes the sword (position 0) and the amulet (1)
constexpr std::int16_t TypeFerme = 4;
// Item types of the fixture rules.
constexpr std::int16_t Epee = 0;      // worth 10
constexpr std::int16_t Amulette = 1;  // worth 12, costs 3 berries and 1 plank
constexpr std::int16_t Potion = 2;
constexpr std::int16_t Anneau = 3;  // inseparable

class Commerce : public ::testing::Test {
protected:
    void SetUp() override {
        M.Peupler(2);
        P = &M.Parametres();
        Atelier = &M.Maison_Achevee(0, TypeAtelier, 100, 100);
    }
    void Remplir_Inventaire(ClsJeuPerso& perso) {
        for (std::int16_t i = 0; i < perso.Nombre_Objets_Inventaire(); ++i) perso.Objet_Inventaire_Charger(i, Potion, *P);
    }
    MondeObjets M;
    const ClsJeuParam* P = nullptr;
    ClsJeuBatiment* Atelier = nullptr;
};

TEST_F(Commerce, WhoCanHaveAnItemMade) {
    ClsJeuPerso& client = M.Perso(1);
    client.Definir_Ressources(0, 3);
    client.Definir_Ressources(2, 1);
    EXPECT_TRUE(client.PeutConstruire_Objet(1, *Atelier, *P));
    EXPECT_FALSE(client.PeutConstruire_Objet(-1, *Atelier, *P));
    EXPECT_FALSE(client.PeutConstruire_Objet(2, *Atelier, *P));  // it makes two items
    client.Definir_Ressources(2, 0.5);
    EXPECT_FALSE(client.PeutConstruire_Objet(1, *Atelier, *P));
    client.Definir_Ressources(2, 1);
    Atelier->Stock_Objets(0, Atelier->MaxStock);  // a full workshop
    EXPECT_FALSE(client.PeutConstruire_Objet(1, *Atelier, *P));
}

TEST_F(Commerce, BuyingAnItemAtItsHaggledPrice) {
    struct Cas {
        const char* nom;
        double argent, stock;
        bool plein;
        bool achete;
    };
    // The sword is worth 10: 15 at the starting bargaining level.
    const Cas cas[] = {
        {"plenty of money", 100, 2, false, true},
        {"exactly the price", 15, 1, false, true},
        {"not enough money", 14.5, 1, false, false},
        {"nothing in stock", 100, 0, false, false},
        {"inventory full", 100, 2, true, false},
    };
    for (const Cas& c : cas) {
        MondeObjets m;
        m.Peupler(2);
        ClsJeuBatiment& atelier = m.Maison_Achevee(0, TypeAtelier);
        atelier.Stock_Objets(0, c.stock);
        ClsJeuPerso& client = m.Perso(1);
        client.Definir_Argent(c.argent);
        if (c.plein)
            for (std::int16_t i = 0; i < client.Nombre_Objets_Inventaire(); ++i)
                client.Objet_Inventaire_Charger(i, Potion, m.Parametres());
        client.Objet_Acheter_Maison(0, atelier, m.Parametres(), m.Main.Commentaires);
        const double paye = c.achete ? 15.0 : 0.0;
        EXPECT_DOUBLE_EQ(client.Definir_Argent(), c.argent - paye) << c.nom;
        EXPECT_DOUBLE_EQ(atelier.Argent, paye) << c.nom;
        EXPECT_EQ(client.Objet_NombreType(Epee), c.achete ? 1 : 0) << c.nom;
        EXPECT_DOUBLE_EQ(atelier.Stock_Objets(0), c.stock - (c.achete ? 1 : 0)) << c.nom;
    }
}

TEST_F(Commerce, TakingFromTheHouseStock) {
    ClsJeuPerso& proprio = M.Perso(0);
    Atelier->Stock_Objets(1, 1);
    proprio.Objet_Ramasser_Maison(1, *Atelier, *P, M.Main.Commentaires);
    EXPECT_EQ(Atelier->Stock_Objets(1), 0.0);
    EXPECT_EQ(proprio.Objet_NombreType(Amulette), 1);
    proprio.Objet_Ramasser_Maison(1, *Atelier, *P, M.Main.Commentaires);
    EXPECT_EQ(proprio.Objet_NombreType(Amulette), 1);
    EXPECT_EQ(Atelier->Stock_Objets(1), 0.0);
}

TEST_F(Commerce, DepositingInTheHouseOrOnTheGround) {
    ClsJeuPerso& proprio = M.Perso(0);
    proprio.Objet_Inventaire_Charger(0, Amulette, *P);
    proprio.Objet_Inventaire_Charger(1, Potion, *P);
    proprio.Objet_Deposer_Maison(0, *Atelier, *P, true);
    EXPECT_EQ(Atelier->Stock_Objets(1), 1.0);
    EXPECT_FALSE(proprio.Objet_Inventaire_Actif(0));
    EXPECT_EQ(M.Main.Tresors.Count(), 0);
    // The workshop does not make potions: it lands at the character's feet.
    proprio.PositionX = 150;
    proprio.PositionY = 160;
    proprio.Objet_Deposer_Maison(1, *Atelier, *P, true);
    EXPECT_FALSE(proprio.Objet_Inventaire_Actif(1));
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    EXPECT_EQ(M.Main.Tresors(1).Definir_Objet(1), Potion);
    EXPECT_EQ(M.Main.Tresors(1).X, 150);
    EXPECT_EQ(M.Main.Tresors(1).Y, 160);
}

TEST_F(Commerce, DroppingAnItemWithTheSelectedMoney) {
    ClsJeuPerso& perso = M.Perso(1);
    perso.Definir_Argent(50);
    perso.Objet_Inventaire_Charger(0, Epee, *P);
    perso.Argent_Prendre(30, false);
    perso.Objet_Deposer_Sol(0, true);
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    const ClsJeuTresors& tresor = M.Main.Tresors(1);
    EXPECT_EQ(tresor.Nombre_Objets(), 1);
    EXPECT_DOUBLE_EQ(tresor.Definir_Argent(), 30.0);
    EXPECT_DOUBLE_EQ(tresor.Definir_Fortune(), 40.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 20.0);
    EXPECT_FALSE(perso.Objet_Inventaire_Actif(0));
    EXPECT_FALSE(perso.Definir_ObjetSelectionne());
}

TEST_F(Commerce, AnInseparableItemIsNeitherDroppedNorSold) {
    ClsJeuPerso& perso = M.Perso(1);
    perso.Definir_Argent(50);
    perso.Objet_Inventaire_Charger(0, Anneau, *P);
    perso.Argent_Prendre(30, false);
    perso.Objet_Deposer_Sol(0, true);
    EXPECT_EQ(M.Main.Tresors.Count(), 0);
    EXPECT_TRUE(perso.Objet_Inventaire_Actif(0));
    EXPECT_DOUBLE_EQ(perso.ArgentSelectionne, 30.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 50.0);

    perso.IndiceObjetSelectionne = Anneau;
    perso.Objet_Deposer_Sol(Anneau);
    EXPECT_EQ(perso.IndiceObjetSelectionne, Anneau);
    EXPECT_EQ(M.Main.Tresors.Count(), 0);

    perso.Objet_Vendre_Chateau(0, M.Fief(), *P, true);
    EXPECT_TRUE(perso.Objet_Inventaire_Actif(0));
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 50.0);
}

TEST_F(Commerce, TheCastleTakesASoldItemApart) {
    ClsJeuPerso& perso = M.Perso(1);
    perso.Objet_Inventaire_Charger(2, Amulette, *P);
    perso.Objet_Vendre_Chateau(2, M.Fief(), *P, true);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 12.0);
    EXPECT_DOUBLE_EQ(M.Fief().Definir_Ressources(0), 3.0);
    EXPECT_DOUBLE_EQ(M.Fief().Definir_Ressources(2), 1.0);
    EXPECT_FALSE(perso.Objet_Inventaire_Actif(2));
}

TEST_F(Commerce, ASelectedItemThatLeftTheHandDoesNotComeBack) {
    ClsJeuPerso& perso = M.Perso(1);
    perso.IndiceObjetSelectionne = Epee;
    perso.Objet_Vendre_Chateau(Epee, M.Fief(), *P, false);
    perso.Definir_ObjetSelectionne(false);
    EXPECT_EQ(perso.Objet_NombreType(Epee), 0);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 10.0);

    perso.IndiceObjetSelectionne = Epee;
    perso.Objet_Deposer_Maison(Epee, *Atelier, *P, false);
    perso.Definir_ObjetSelectionne(false);
    EXPECT_EQ(perso.Objet_NombreType(Epee), 0);
    EXPECT_EQ(Atelier->Stock_Objets(0), 1.0);
}

}  // namespace
