#include "world/ClsJeuBatiment.h"

#include <gtest/gtest.h>

#include "tests/world/MondeObjets.h"

namespace {

// Building types of the fixture rules (0-based).
constexpr std::int16_t TypeMaison = 0;   // costs 40 berries and 100 wood, life 1000
constexpr std::int16_t TypeScierie = 1;  // shop of planks (resource 2), stock 20
constexpr std::int16_t TypeAtelier = 2;  // workshop of the sword (0) and the amulet (1)
constexpr std::int16_t TypeTemple = 3;   // resurrection, stock 5
constexpr std::int16_t TypeFerme = 4;    // shop of berries (resource 0), stock 40
constexpr std::int16_t TypeLoge = 6;     // bounty service
constexpr std::int16_t TypePuits = 7;    // shop of water, priced 0
constexpr std::int16_t TypeMine = 8;     // shop of gold, priced 2000

class ClsJeuBatimentTest : public ::testing::Test {
protected:
    void SetUp() override { M.Peupler(2); }
    MondeObjets M;
    const ClsJeuParam& P() { return M.Parametres(); }
};

TEST_F(ClsJeuBatimentTest, CreerStartsAtNinePercentAndChargesTheBuilder) {
    ClsJeuPerso& perso = M.Perso(0);
    perso.Definir_Ressources(0, 30);
    perso.Definir_Ressources(1, 30);
    perso.DansMaison = true;
    ClsJeuBatiment& maison = M.Maison(0);
    maison.Creer(200, 300, TypeMaison, perso, P());
    EXPECT_EQ(maison.X, 200);
    EXPECT_EQ(maison.Largeur, 64);
    EXPECT_EQ(maison.Hauteur, 48);
    EXPECT_EQ(maison.EntreePositionY, 20);
    EXPECT_EQ(maison.MaxVie, 1000);
    EXPECT_DOUBLE_EQ(maison.Vie, 90.0);
    EXPECT_FALSE(maison.Acheve);
    EXPECT_TRUE(maison.Visible());
    EXPECT_EQ(maison.Etat(P()), 0);  // Int(0.09 x 4)
    EXPECT_EQ(maison.Definir_Nombre_Stock_Objet(), 0);
    // No check that it can pay: what it carries stops at 0.
    EXPECT_EQ(perso.Definir_Ressources(0), 0.0);
    EXPECT_EQ(perso.Definir_Ressources(1), 0.0);
    EXPECT_TRUE(perso.Visible());

    ClsJeuBatiment& atelier = M.Maison(1);
    atelier.Creer(600, 300, TypeAtelier, M.Perso(1), P());
    EXPECT_TRUE(atelier.Fabrique);
    EXPECT_EQ(atelier.Definir_Nombre_Stock_Objet(), 1);  // items 0 and 1
    EXPECT_DOUBLE_EQ(atelier.MaxStock, 10.0);
}

TEST_F(ClsJeuBatimentTest, LifeSetsTheFlags) {
    struct Cas {
        double vie;
        bool acheve, endommage;
    };
    ClsJeuBatiment& maison = M.Maison(0);
    maison.MaxVie = 1000;
    // In this order: each case starts from the state the previous left.
    for (const Cas& c : {Cas{1005, true, false}, Cas{999, true, true}, Cas{0, false, false}, Cas{50, false, true}}) {
        maison.Definir_Vie(c.vie);
        EXPECT_EQ(maison.Acheve, c.acheve) << c.vie;
        EXPECT_EQ(maison.Endommage, c.endommage) << c.vie;
    }
    maison.Definir_Vie(1005);
    EXPECT_DOUBLE_EQ(maison.Vie, 1000.0);
    maison.ReserveVie = 30.0;
    maison.Definir_Vie(0);
    EXPECT_EQ(maison.ReserveVie, 0.0);
    maison.Vie = 980;
    maison.ReserveVie = 50;
    EXPECT_DOUBLE_EQ(maison.Definir_Vie(), 1000.0);
}

TEST_F(ClsJeuBatimentTest, RestorationDrainsTheReserveByTenths) {
    ClsJeuBatiment& maison = M.Maison(0);
    maison.MaxVie = 1000;
    maison.Definir_Vie(500);
    maison.ReserveVie = 0.25;
    maison.Restauration();
    maison.Restauration();
    EXPECT_NEAR(maison.Vie, 500.2, 1e-9);
    EXPECT_NEAR(maison.ReserveVie, 0.05, 1e-9);
    maison.Restauration();
    EXPECT_EQ(maison.ReserveVie, 0.0);
    EXPECT_NEAR(maison.Vie, 500.2, 1e-9);
}

TEST_F(ClsJeuBatimentTest, DemolitionRefundsHalfThePriceByLifeLeft) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeMaison, 200, 300);
    perso.DansMaison = true;
    perso.Action = Actions::Repos;
    maison.Definir_Vie(500);
    maison.Demolir(perso, P());
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 10.0);  // 40 x 0.5 x 0.5
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(1), 25.0);  // 100 x 0.5 x 0.5
    EXPECT_FALSE(maison.Visible());
    EXPECT_FALSE(maison.Acheve);
    EXPECT_FALSE(maison.Endommage);
    EXPECT_FALSE(perso.DansMaison);
    EXPECT_EQ(perso.Action, Actions::Attente);
    EXPECT_EQ(M.Main.Tresors.Count(), 0);  // an empty house leaves nothing on the ground
}

TEST_F(ClsJeuBatimentTest, RefundBeyondWhatTheOwnerCarriesLiesOnTheGround) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeMaison, 200, 300);
    perso.Definir_Ressources(1, 25);
    maison.Demolir(perso, P());  // full life: 20 berries and 50 wood back
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 20.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(1), 30.0);
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    const ClsJeuTresors& tresor = M.Main.Tresors(1);
    EXPECT_DOUBLE_EQ(tresor.Definir_Ressources(1), 45.0);
    EXPECT_EQ(tresor.X, 200 + 32 - 13);
    EXPECT_EQ(tresor.Y, 300 + 32 - 13);  // the width serves for both
}

TEST_F(ClsJeuBatimentTest, DemolishedShopOfResourceZeroHandsItsGoodsOver) {
    for (const bool touche : {true, false}) {
        MondeObjets m;
        m.Peupler(1);
        ClsJeuPerso& perso = m.Perso(0);
        ClsJeuBatiment& ferme = m.Maison_Achevee(0, TypeFerme, 200, 300);
        perso.Definir_Ressources(1, 0);
        ferme.Argent = 50;
        ferme.Definir_Stock(12);
        if (!touche) perso.PositionX = 900;
        ferme.Demolir(perso, m.Parametres());
        EXPECT_EQ(ferme.Argent, 0.0);
        EXPECT_EQ(ferme.Definir_Stock(), 0.0);
        if (touche) {
            EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 50.0 + 0.0);
            EXPECT_DOUBLE_EQ(perso.Definir_Ressources(0), 12.0);
            EXPECT_EQ(m.Main.Tresors.Count(), 0);
        } else {
            ASSERT_EQ(m.Main.Tresors.Count(), 1);
            EXPECT_DOUBLE_EQ(m.Main.Tresors(1).Definir_Argent(), 50.0);
            EXPECT_DOUBLE_EQ(m.Main.Tresors(1).Definir_Ressources(0), 12.0);
        }
    }
}

TEST_F(ClsJeuBatimentTest, DemolishedWorkshopHandsOverEveryMadeItem) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& atelier = M.Maison_Achevee(0, TypeAtelier, 200, 300);
    atelier.Stock_Objets(0, 2);
    atelier.Stock_Objets(1, 1);  // the last item of the list too
    perso.PositionX = 900;
    atelier.Demolir(perso, P());
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    const ClsJeuTresors& tresor = M.Main.Tresors(1);
    ASSERT_EQ(tresor.Nombre_Objets(), 3);
    EXPECT_EQ(tresor.Definir_Objet(1), 0);
    EXPECT_EQ(tresor.Definir_Objet(2), 0);
    EXPECT_EQ(tresor.Definir_Objet(3), 1);
    EXPECT_EQ(atelier.Stock_Objets(0), 0.0);
    EXPECT_EQ(atelier.Stock_Objets(1), 0.0);
}

TEST_F(ClsJeuBatimentTest, DemolishedWorkshopFillsTheOwnersInventoryThenTheGround) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& atelier = M.Maison_Achevee(0, TypeAtelier, 200, 300);
    atelier.Stock_Objets(1, 5);  // five amulets, three inventory slots
    atelier.Demolir(perso, P());
    // A new amulet may go straight to the neck: what the owner cannot hold
    // lies in one treasure, and none is lost.
    EXPECT_TRUE(perso.Inventaire_Plein());
    ASSERT_EQ(M.Main.Tresors.Count(), 1);
    EXPECT_GE(M.Main.Tresors(1).Nombre_Objets(), 1);
    EXPECT_EQ(perso.Objet_NombreType(1) + M.Main.Tresors(1).Nombre_Objets(), 5);
    EXPECT_EQ(atelier.Stock_Objets(1), 0.0);
}

TEST_F(ClsJeuBatimentTest, RebuildingAFinishedHouseDemolishesItFirst) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeFerme, 200, 300);
    maison.Argent = 7;
    perso.Definir_Ressources(1, 10);
    maison.Creer(200, 300, TypeMaison, perso, P());
    // The farm's 10 wood came back at full life (5) and its cash; then the
    // new house took the wood.
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 7.0);
    EXPECT_EQ(perso.Definir_Ressources(1), 0.0);
    EXPECT_EQ(maison.TypeBatiment, TypeMaison);
    EXPECT_EQ(maison.Argent, 0.0);
}

TEST_F(ClsJeuBatimentTest, StockTransfersMoveWholeUnitsWithinRoom) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& scierie = M.Maison_Achevee(0, TypeScierie);
    scierie.Definir_Stock(20);
    scierie.Transfert_Stock_Prendre(10.7, perso, P(), false);
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(2), 10.0);
    EXPECT_DOUBLE_EQ(scierie.Definir_Stock(), 10.0);
    perso.Definir_Ressources(2, 25.5);
    scierie.Transfert_Stock_Prendre(0, perso, P(), true);  // four whole units fit
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(2), 29.5);
    EXPECT_DOUBLE_EQ(scierie.Definir_Stock(), 6.0);
    scierie.Transfert_Stock_Deposer(0, perso, P(), true);  // room in the house: 14
    EXPECT_DOUBLE_EQ(perso.Definir_Ressources(2), 15.5);
    EXPECT_DOUBLE_EQ(scierie.Definir_Stock(), 20.0);
    scierie.Transfert_Stock_Prendre(-5, perso, P(), false);
    EXPECT_DOUBLE_EQ(scierie.Definir_Stock(), 20.0);
}

TEST_F(ClsJeuBatimentTest, MoneyTransfers) {
    ClsJeuPerso& perso = M.Perso(0);
    ClsJeuBatiment& maison = M.Maison_Achevee(0, TypeMaison);
    perso.Definir_Argent(100);
    maison.Transfert_Argent_Deposer(150, perso, false);
    EXPECT_EQ(perso.Definir_Argent(), 0.0);
    EXPECT_EQ(maison.Argent, 100.0);
    maison.Transfert_Argent_Prendre(30, perso, false);
    EXPECT_EQ(perso.Definir_Argent(), 30.0);
    maison.Transfert_Argent_Prendre(-30, perso, false);  // never the other way
    EXPECT_EQ(maison.Argent, 70.0);
    maison.Transfert_Argent_Prendre(0, perso, true);
    EXPECT_EQ(perso.Definir_Argent(), 100.0);
    EXPECT_EQ(maison.Argent, 0.0);
}

TEST_F(ClsJeuBatimentTest, BuyingTheProduct) {
    struct Cas {
        const char* nom;
        std::int16_t type;
        double stock, argent, porte, quantite;
        bool tout;
        double achete, paye;
    };
    // Planks sell at 8, bought at 12; gold at 2000, bought at 3000.
    const Cas cas[] = {
        {"all the money pays for", TypeScierie, 20, 100, 0, 0, true, 8, 96},
        {"limited by the stock", TypeScierie, 3, 1000, 0, 10, false, 3, 36},
        {"limited by whole units of room", TypeScierie, 20, 1000, 28.5, 10, false, 1, 12},
        {"more than the money", TypeScierie, 20, 50, 0, 10, false, 4, 48},
        {"price of 0: nothing sold", TypePuits, 10, 100, 0, 5, true, 0, 0},
        {"a total beyond 16 bits", TypeMine, 40, 100000, 0, 20, false, 20, 60000},
    };
    for (const Cas& c : cas) {
        MondeObjets m;
        m.Peupler(1);
        ClsJeuPerso& perso = m.Perso(0);
        ClsJeuBatiment& maison = m.Maison_Achevee(0, c.type);
        const std::int32_t r = m.Parametres().Batiment_RessourceFabrique(c.type);
        maison.Definir_Stock(c.stock);
        perso.Definir_Argent(c.argent);
        perso.Definir_Ressources(r, c.porte);
        maison.Acheter(c.quantite, perso, m.Parametres(), c.tout);
        EXPECT_DOUBLE_EQ(perso.Definir_Ressources(r), c.porte + c.achete) << c.nom;
        EXPECT_DOUBLE_EQ(maison.Definir_Stock(), c.stock - c.achete) << c.nom;
        EXPECT_DOUBLE_EQ(perso.Definir_Argent(), c.argent - c.paye) << c.nom;
        EXPECT_DOUBLE_EQ(maison.Argent, c.paye) << c.nom;
    }
}

TEST_F(ClsJeuBatimentTest, ResurrectionIsForTheDeadWhoCanPay) {
    struct Cas {
        const char* nom;
        bool vivant, chezSoi;
        double argent, stock;
        bool utilisable;
    };
    const Cas cas[] = {
        {"living, with money", true, false, 100, 2, false},
        {"dead, with money", false, false, 100, 2, true},
        {"dead, penniless, elsewhere", false, false, 10, 2, false},
        {"dead, penniless, at home", false, true, 0, 2, true},
        {"dead, with money, nothing prepared", false, false, 100, 0.5, false},
    };
    for (const Cas& c : cas) {
        MondeObjets m;
        m.Peupler(2);
        ClsJeuBatiment& temple = m.Maison_Achevee(0, TypeTemple);
        temple.Definir_Stock(c.stock);
        ClsJeuPerso& client = m.Perso(c.chezSoi ? 0 : 1);
        client.Definir_Argent(c.argent);
        if (!c.vivant) client.Vivant(false);
        EXPECT_EQ(temple.Service_Utilisable(client, m.Parametres()), c.utilisable) << c.nom;
    }
}

TEST_F(ClsJeuBatimentTest, ResurrectionBringsBackHalfTheLifeAndStartsTheEffect) {
    ClsJeuBatiment& temple = M.Maison_Achevee(0, TypeTemple, 100, 100);
    temple.Definir_Stock(2);
    ClsJeuPerso& client = M.Perso(1);
    client.Definir_Argent(100);
    client.Vivant(false);
    ASSERT_TRUE(temple.Service_Utilisable(client, P()));
    temple.Service_Utiliser(client, P(), 0);
    EXPECT_TRUE(client.Vivant());
    EXPECT_DOUBLE_EQ(client.Vie, client.Definir_MaxVie() * 0.5);
    EXPECT_DOUBLE_EQ(temple.Definir_Stock(), 1.0);
    EXPECT_DOUBLE_EQ(client.Definir_Argent(), 60.0);
    EXPECT_DOUBLE_EQ(temple.Argent, 40.0);
    const ClsJeuEffet& effet = M.Main.EffetsMaisons[0];
    EXPECT_TRUE(effet.Actif);
    EXPECT_EQ(effet.TypeEffet, 0);
    EXPECT_EQ(effet.X, 100 + 16);  // centred: 64 wide house, 32 wide effect
    // Once alive, the service does nothing more for it.
    temple.Service_Utiliser(client, P(), 0);
    EXPECT_DOUBLE_EQ(temple.Definir_Stock(), 1.0);
    EXPECT_DOUBLE_EQ(client.Definir_Argent(), 60.0);
    EXPECT_DOUBLE_EQ(client.Vie, client.Definir_MaxVie() * 0.5);
}

TEST_F(ClsJeuBatimentTest, BountyGoesToTheHouseAndTheOwnerPaysNothing) {
    ClsJeuBatiment& loge = M.Maison_Achevee(0, TypeLoge);
    ClsJeuPerso& chasseur = M.Perso(0);
    chasseur.Definir_Argent(10);
    loge.Service_Utiliser(chasseur, P(), 25);
    EXPECT_DOUBLE_EQ(loge.Argent, 25.0);
    EXPECT_DOUBLE_EQ(chasseur.Definir_Argent(), 10.0);
    EXPECT_FALSE(M.Main.EffetsMaisons[0].Actif);  // no effect for this service
}

TEST_F(ClsJeuBatimentTest, DrawingRowAndAnimation) {
    ClsJeuBatiment& ferme = M.Maison_Achevee(0, TypeFerme);
    EXPECT_EQ(ferme.Etat(P()), 3);  // an empty shop shows its empty row
    ferme.Definir_Stock(5);
    EXPECT_EQ(ferme.Etat(P()), 4);
    ClsJeuBatiment& maison = M.Maison_Achevee(1, TypeMaison);
    EXPECT_EQ(maison.Etat(P()), 4);
    maison.Definir_Vie(500);
    maison.Acheve = false;
    EXPECT_EQ(maison.Etat(P()), 2);
    std::vector<int> pas;
    for (int i = 0; i < 4; ++i) {
        maison.Actualiser_NumeroAnimation(P());
        pas.push_back(maison.Definir_NumeroAnimation(P()));
    }
    EXPECT_EQ(pas, (std::vector<int>{1, 2, 0, 1}));
}

TEST_F(ClsJeuBatimentTest, ItemStocksMoveTheTotalStock) {
    ClsJeuBatiment& atelier = M.Maison_Achevee(0, TypeAtelier);
    atelier.Stock_Objets(0, 3);
    atelier.Stock_Objets(1, 2);
    EXPECT_DOUBLE_EQ(atelier.Definir_Stock(), 5.0);
    atelier.Stock_Objets(0, 1);
    EXPECT_DOUBLE_EQ(atelier.Definir_Stock(), 3.0);
    atelier.Stock_Objets(2, 9);  // no such item: ignored
    EXPECT_EQ(atelier.Stock_Objets(2), 0.0);
    EXPECT_DOUBLE_EQ(atelier.Definir_Stock(), 3.0);
    atelier.Definir_Stock(50);
    EXPECT_DOUBLE_EQ(atelier.Definir_Stock(), 10.0);  // capped
    atelier.Definir_Nombre_Stock_Objet(4);
    EXPECT_EQ(atelier.Definir_Nombre_Stock_Objet(), 4);
    EXPECT_EQ(atelier.Stock_Objets(0), 0.0);
}

}  // namespace
