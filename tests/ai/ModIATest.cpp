// The AI's per-character tables, wandering, the nearest-target searches
// and the all-out attack.
#include <gtest/gtest.h>

#include "ai/ModIA.h"
#include "tests/characters/MondeCombat.h"

namespace {

TEST(ModIA, TablesGrowKeepingWhatTheyHold) {
    MondeCombat w;
    ModIA& ia = w.M().IA;
    ia.Redimensionner_Tableaux_IA(3);
    ia.RayonPerso[2] = 112;
    ia.CourseFaite[1] = true;
    ia.TypeMaisonVoulue[0] = -1;
    ia.Redimensionner_Tableaux_IA(5);
    EXPECT_EQ(ia.DernierPerso, 4);
    EXPECT_EQ(ia.RayonPerso[2], 112);
    EXPECT_TRUE(ia.CourseFaite[1]);
    EXPECT_EQ(ia.TypeMaisonVoulue[0], -1);
    // New entries start at 0, not -1.
    EXPECT_EQ(ia.TypeMaisonVoulue[4], 0);
    EXPECT_EQ(ia.DistanceRecherche[4], 0);
    EXPECT_EQ(ia.QuantiteVoulue.size(), 5u);
}

TEST(ModIA, ShareOfCharactersPerTickAndPerSearch) {
    struct Cas {
        std::int32_t n, parTour, parRecherche;
    };
    // L x 0.01 and L x 0.6 (singles), halves to even, 0 counted as 1.
    for (const Cas& c : {Cas{1, 1, 1}, Cas{2, 1, 1}, Cas{100, 1, 59}, Cas{300, 3, 179}, Cas{1001, 10, 600}}) {
        MondeCombat w;
        w.M().IA.Redimensionner_Tableaux_IA(c.n);
        EXPECT_EQ(w.M().IA.PersosParTour, c.parTour) << c.n;
        EXPECT_EQ(w.M().IA.NombreParRecherche, c.parRecherche) << c.n;
    }
}

class IA : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
        i = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
    }
    MondeCombat W;
    std::int32_t i = 0;
};

TEST_F(IA, WanderingStaysOnTheMap) {
    struct Cas {
        std::int32_t x, y;
        float r1, r2;
        std::int32_t dx, dy;
    };
    // (r x 128 - 64) x 32 and (r x 96 - 48) x 32 from the position; the
    // map is 2048 square and a human 20 x 30.
    for (const Cas& c : {Cas{1000, 1000, 0.5f, 0.5f, 1000, 1000}, Cas{1000, 1000, 0.75f, 0.25f, 2024, 232},
                         Cas{0, 0, 0.0f, 0.0f, 0, 0}, Cas{2000, 2000, 0.99f, 0.99f, 2028, 2018}}) {
        W.Pe(i).PositionX = c.x;
        W.Pe(i).PositionY = c.y;
        W.Tirages({c.r1, c.r2});
        W.M().IA.Aller_Au_Hasard(i);
        EXPECT_EQ(W.Tires(), 2);
        EXPECT_EQ(W.Pe(i).Action, Actions::Deplacer);
        EXPECT_EQ(W.Pe(i).DestinationX, c.dx) << c.x << " " << c.r1;
        EXPECT_EQ(W.Pe(i).DestinationY, c.dy) << c.y << " " << c.r2;
    }
}

TEST_F(IA, TheNearestEnemyTiesToTheLowerIndex) {
    EXPECT_EQ(W.M().IA.Chercher_Perso_Proche(i), -1);
    const std::int32_t a = W.Perso(RaceCombat::Humain, 1, 1030, 1040);  // 50
    const std::int32_t b = W.Perso(RaceCombat::Humain, 1, 1040, 1030);  // 50
    W.Perso(RaceCombat::Humain, 0, 1001, 1000);                          // a friend
    const std::int32_t cache = W.Perso(RaceCombat::Humain, 1, 1010, 1000);
    W.Pe(cache).DansMaison = true;
    EXPECT_EQ(W.M().IA.Chercher_Perso_Proche(i), a);
    W.Pe(a).Vivant(false);
    EXPECT_EQ(W.M().IA.Chercher_Perso_Proche(i), b);
    // The nearest castle is the enemy's only.
    EXPECT_EQ(W.M().IA.Chercher_Chateau_Proche(i), 1);
    EXPECT_EQ(W.M().IA.Chercher_Maison_Proche(i), -1);
    W.Maison(b, BatimentCombat::Cabane, 1200, 1200);
    EXPECT_EQ(W.M().IA.Chercher_Maison_Proche(i), b);
}

TEST_F(IA, AttackAnythingCharactersFirstThenCastlesThenHouses) {
    ModIA& ia = W.M().IA;
    const std::int32_t e = W.Perso(RaceCombat::Humain, 1, 1800, 1800);
    W.Maison(e, BatimentCombat::Cabane, 1200, 1200);
    ia.Attaquer_Tout(i);
    EXPECT_EQ(W.Pe(i).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(i).CiblePerso, e);
    // Already fighting: nothing changes.
    ia.Attaquer_Tout(i);
    EXPECT_EQ(W.Pe(i).CiblePerso, e);

    W.Pe(i).Arreter();
    W.Pe(e).Vivant(false);
    ia.Attaquer_Tout(i);
    EXPECT_EQ(W.Pe(i).Action, Actions::DetruireChateau);
    EXPECT_EQ(W.Pe(i).CibleChateau, 1);

    W.Pe(i).Arreter();
    W.Ch(1).Definir_Vie(0);
    ia.Attaquer_Tout(i);
    EXPECT_EQ(W.Pe(i).Action, Actions::DetruireMaison);
    EXPECT_EQ(W.Pe(i).CibleMaison, e);

    W.Pe(i).Arreter();
    W.Ma(e).Definir_Vie(0);
    ia.Attaquer_Tout(i);
    EXPECT_FALSE(W.Pe(i).Vivant());
}

TEST_F(IA, TheNearestAttackCanBeAGroupOrder) {
    const std::int32_t e = W.Perso(RaceCombat::Humain, 1, 1100, 1000);
    const std::int32_t loup = W.Perso(RaceCombat::Loup, 0, 1000, 1000);
    W.Pe(loup).Invocateur = i;
    W.Pe(i).NombreInvocations = 1;
    W.M().IA.Attaquer_Perso_Proche(i, true, true, false);
    EXPECT_EQ(W.Pe(loup).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(loup).CiblePerso, e);
    EXPECT_EQ(W.Pe(i).Action, Actions::Attente);
}

}  // namespace
