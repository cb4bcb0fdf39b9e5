#include "world/ClsJeuFief.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/world/ReglesObjets.h"
#include "tests/world/MondeObjets.h"
#include "world/ClsJeuBatiment.h"

namespace {

const ReglesObjets& Regles() {
    static const ReglesObjets regles;
    return regles;
}

ClsJeuFief FiefAvecStocks(const std::vector<double>& stocks, std::int16_t epoque = 0) {
    ClsJeuFief fief;
    fief.Init(Regles().Parametres());
    fief.Epoque = epoque;
    for (std::size_t i = 0; i < stocks.size(); ++i) fief.Definir_Ressources(static_cast<std::int32_t>(i), stocks[i]);
    return fief;
}

ClsJeuBatiment ChateauDebout(std::int32_t maxVie, double vie) {
    ClsJeuBatiment chateau;
    chateau.MaxVie = maxVie;
    chateau.Definir_Vie(vie);
    return chateau;
}

TEST(ClsJeuFief, ResourceStockBounds) {
    ClsJeuFief fief = FiefAvecStocks({});
    EXPECT_EQ(fief.Definir_Ressources(-1), 0.0);
    fief.Definir_Ressources(0, -3.0);
    EXPECT_EQ(fief.Definir_Ressources(0), 0.0);
    fief.Definir_Ressources(6, 7.0);  // six resources: 0..5
    EXPECT_EQ(fief.Definir_Ressources(6), 0.0);
}

TEST(ClsJeuFief, MarketMovesFromPlentyToScarcity) {
    // Resources 0, 1, 3 are of era 0, resource 2 of era 1.
    struct Cas {
        const char* nom;
        std::vector<double> avant;
        std::int16_t epoque;
        std::vector<double> apres;
    };
    const std::vector<Cas> cas{
        {"whole parts equal: nothing", {5.9, 5.2, 5.0, 5.5}, 0, {5.9, 5.2, 5.0, 5.5}},
        {"below 0.02 apart", {10.00, 10.01, 10.0, 10.0}, 0, {10.00, 10.01, 10.0, 10.0}},
        {"scarce of this era", {20.0, 3.0, 1.0, 8.0}, 0, {19.98, 3.02, 1.0, 8.0}},
        {"later era counts once reached", {20.0, 3.0, 1.0, 8.0}, 1, {19.98, 3.0, 1.02, 8.0}},
        {"ties keep the lower index", {9.0, 2.5, 4.0, 2.1}, 0, {8.98, 2.52, 4.0, 2.1}},
        {"resource 0 scarce whatever", {0.0, 9.0, 0.0, 9.0}, 0, {0.02, 8.98, 0.0, 9.0}},
    };
    for (const Cas& c : cas) {
        ClsJeuFief fief = FiefAvecStocks(c.avant, c.epoque);
        fief.Transaction_Ressources(Regles().Parametres());
        for (std::size_t i = 0; i < c.apres.size(); ++i)
            EXPECT_NEAR(fief.Definir_Ressources(static_cast<std::int32_t>(i)), c.apres[i], 1e-9) << c.nom << " " << i;
    }
}

TEST(ClsJeuFief, MarketRebalancesOverTicks) {
    ClsJeuFief fief = FiefAvecStocks({100.0, 0.0, 0.0, 0.0});
    for (int tick = 0; tick < 6000; ++tick) fief.Transaction_Ressources(Regles().Parametres());
    // Resource 2 is of a later era: it gets nothing.
    EXPECT_EQ(fief.Definir_Ressources(2), 0.0);
    double total = 0.0;
    for (std::int32_t r = 0; r < 4; ++r) total += fief.Definir_Ressources(r);
    EXPECT_NEAR(total, 100.0, 1e-6);
    for (std::int32_t r : {0, 1, 3}) EXPECT_NEAR(fief.Definir_Ressources(r), 100.0 / 3.0, 1.1) << r;
}

TEST(ClsJeuFief, RepairFundPaysFiveMoneyAPoint) {
    ClsJeuFief fief = FiefAvecStocks({});
    ClsJeuBatiment plein = ChateauDebout(1000, 1000);
    fief.FondsRestauration = 100.0;
    fief.Restauration(plein);
    EXPECT_EQ(fief.FondsRestauration, 100.0);
    EXPECT_EQ(plein.ReserveVie, 0.0);

    ClsJeuBatiment abime = ChateauDebout(1000, 970);
    fief.Restauration(abime);
    EXPECT_DOUBLE_EQ(abime.ReserveVie, 20.0);
    EXPECT_EQ(fief.FondsRestauration, 0.0);

    ClsJeuBatiment peu = ChateauDebout(1000, 995);
    fief.FondsRestauration = 1000.0;
    fief.Restauration(peu);
    EXPECT_DOUBLE_EQ(peu.ReserveVie, 6.0);  // missing 5, plus one
    EXPECT_DOUBLE_EQ(fief.FondsRestauration, 970.0);
}

TEST(ClsJeuFief, EraChangeThroughTheCastleReserve) {
    ClsJeuFief fief = FiefAvecStocks({});
    ClsJeuBatiment chateau = ChateauDebout(2000, 2000);
    fief.Changer_Epoque(chateau, Regles().Parametres());
    ASSERT_TRUE(fief.ChangementEpoque);
    EXPECT_EQ(chateau.MaxVie, 2250);
    EXPECT_DOUBLE_EQ(chateau.ReserveVie, 251.0);
    // A second call while the change is under way does nothing.
    fief.Changer_Epoque(chateau, Regles().Parametres());
    EXPECT_EQ(chateau.MaxVie, 2250);

    int ticks = 0;
    while (fief.Epoque == 0 && ticks < 10000) {
        fief.Transaction_Ressources(Regles().Parametres());
        fief.Restauration(chateau);
        chateau.Restauration();
        ++ticks;
    }
    EXPECT_EQ(fief.Epoque, 1);
    EXPECT_FALSE(fief.ChangementEpoque);
    EXPECT_GT(ticks, 2500);  // 0.1 a tick for 251 points
    EXPECT_DOUBLE_EQ(chateau.Definir_Vie(), 2250.0);
    EXPECT_TRUE(chateau.Acheve);
}

TEST(ClsJeuFief, EraChangeRefused) {
    struct Cas {
        const char* nom;
        std::int16_t epoque;
        bool enCours;
        double vie;
    };
    for (const Cas& c : {Cas{"last era", 2, false, 2000}, Cas{"under way", 0, true, 2000},
                         Cas{"castle fallen", 0, false, 0}}) {
        ClsJeuFief fief = FiefAvecStocks({}, c.epoque);
        fief.ChangementEpoque = c.enCours;
        ClsJeuBatiment chateau = ChateauDebout(2000, c.vie);
        fief.Changer_Epoque(chateau, Regles().Parametres());
        EXPECT_EQ(chateau.MaxVie, 2000) << c.nom;
        EXPECT_EQ(chateau.ReserveVie, 0.0) << c.nom;
        EXPECT_EQ(fief.ChangementEpoque, c.enCours) << c.nom;
    }
}

TEST(ClsJeuFief, SellingPaysTheSalePriceForWholeUnits) {
    MondeObjets m;
    m.Peupler(1);
    ClsJeuPerso& perso = m.Perso(0);
    ClsJeuFief& fief = m.Fief();
    perso.Definir_Ressources(1, 12.7);  // wood, sells at 3
    fief.Vendre(1, 20, perso, m.Parametres(), false);
    EXPECT_NEAR(perso.Definir_Ressources(1), 0.7, 1e-12);
    EXPECT_DOUBLE_EQ(fief.Definir_Ressources(1), 12.0);
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 36.0);
    fief.Vendre(9, 1, perso, m.Parametres(), true);  // no such resource
    EXPECT_DOUBLE_EQ(perso.Definir_Argent(), 36.0);
}

TEST(ClsJeuFief, BuyingFromTheMarket) {
    struct Cas {
        const char* nom;
        std::int32_t ressource;
        double stock, argent, porte, quantite;
        bool tout;
        double achete, paye;
    };
    // Wood sells at 3, bought at 4.5; water has no price.
    const Cas cas[] = {
        {"all the money pays for", 1, 100, 50, 0, 0, true, 11, 49.5},
        {"limited by the stock", 1, 2.5, 50, 0, 5, false, 2, 9},
        {"limited by whole units of room", 1, 100, 500, 27.5, 10, false, 2, 9},
        {"price of 0: nothing sold", 4, 100, 50, 0, 10, true, 0, 0},
    };
    for (const Cas& c : cas) {
        MondeObjets m;
        m.Peupler(1);
        ClsJeuPerso& perso = m.Perso(0);
        ClsJeuFief& fief = m.Fief();
        fief.Definir_Ressources(c.ressource, c.stock);
        perso.Definir_Argent(c.argent);
        perso.Definir_Ressources(c.ressource, c.porte);
        fief.Acheter(c.ressource, c.quantite, perso, m.Parametres(), c.tout);
        EXPECT_DOUBLE_EQ(perso.Definir_Ressources(c.ressource), c.porte + c.achete) << c.nom;
        EXPECT_DOUBLE_EQ(fief.Definir_Ressources(c.ressource), c.stock - c.achete) << c.nom;
        EXPECT_DOUBLE_EQ(perso.Definir_Argent(), c.argent - c.paye) << c.nom;
    }
}

TEST(ClsJeuFief, GiftsToTheRepairFund) {
    MondeObjets m;
    m.Peupler(1);
    ClsJeuPerso& perso = m.Perso(0);
    ClsJeuFief& fief = m.Fief();
    perso.Definir_Argent(80);
    fief.Restaurer_Chateau(30, perso, false);
    fief.Restaurer_Chateau(-10, perso, false);
    EXPECT_DOUBLE_EQ(fief.FondsRestauration, 30.0);
    fief.Restaurer_Chateau(500, perso, false);
    EXPECT_DOUBLE_EQ(fief.FondsRestauration, 80.0);
    EXPECT_EQ(perso.Definir_Argent(), 0.0);
}

}  // namespace
