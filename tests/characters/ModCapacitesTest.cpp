// Special abilities of items: summoning onto rings and into dead slots,
// healing and raising the nearest valid allies, the bearer's own gains.
#include <gtest/gtest.h>

#include "characters/ModCapacites.h"
#include "tests/characters/MondeCombat.h"

namespace {

class Capacites : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
        s = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
    }
    ClsJeuPerso& S() { return W.Pe(s); }
    ModMain& M() { return W.M(); }
    // Character i's wound: life l of 100.
    std::int32_t Blesse(std::int32_t x, std::int32_t y, double vie, std::int32_t equipe = 0) {
        const std::int32_t i = W.Perso(RaceCombat::Humain, equipe, x, y);
        W.Pe(i).Vie = vie;
        return i;
    }

    MondeCombat W;
    std::int32_t s = 0;
};

// ---- Summoning ----

TEST_F(Capacites, AHornSummonsTwoWolvesIntoNewSlots) {
    S().CapaciteEnAttente = ObjetCombat::CorLoups;
    S().Aller_A(1200, 1000);
    ModCapacites::Capacites_Speciales(M());
    EXPECT_EQ(S().CapaciteEnAttente, -1);
    ASSERT_EQ(M().Persos.size(), 3u);
    EXPECT_EQ(M().Maisons.size(), 3u);
    EXPECT_EQ(M().EffetsPersos.size(), 3u);
    EXPECT_EQ(M().EffetsMaisons.size(), 3u);
    EXPECT_EQ(M().IA.DernierPerso, 2);
    EXPECT_EQ(M().IA.CourseFaite.size(), 3u);
    EXPECT_EQ(M().Maisons[2].Proprietaire, 2);
    EXPECT_EQ(S().NombreInvocations, 2);
    // Wolves are 24 wide: first ring right, then left of the summoner.
    for (auto [i, x] : {std::pair{1, 1024}, std::pair{2, 976}}) {
        const ClsJeuPerso& loup = W.Pe(i);
        EXPECT_EQ(loup.Race, RaceCombat::Loup);
        EXPECT_EQ(loup.NoMaison, i);
        EXPECT_EQ(loup.Invocateur, s);
        EXPECT_EQ(loup.Camp, 0);
        EXPECT_TRUE(loup.IA_Active);
        EXPECT_FALSE(loup.IA);
        EXPECT_EQ(loup.PositionX, x);
        EXPECT_EQ(loup.PositionY, 1000);
        EXPECT_DOUBLE_EQ(loup.Vie, loup.Definir_MaxVie());
        EXPECT_DOUBLE_EQ(loup.Attaque, loup.Definir_MaxAttaque());
        // It follows its summoner's walk, and says so.
        EXPECT_EQ(loup.Action, Actions::Deplacer);
        EXPECT_EQ(loup.Definir_Commentaires(), "genre 33");
        EXPECT_TRUE(M().EffetsPersos[static_cast<std::size_t>(i)].Actif);
    }
    // Then the square formation of two: (0, 0) and (0, -24).
    EXPECT_EQ(W.Pe(1).DecalageFormationX, 0);
    EXPECT_EQ(W.Pe(1).DecalageFormationY, 0);
    EXPECT_EQ(W.Pe(2).DecalageFormationY, -24);
}

TEST_F(Capacites, RingsOfEight) {
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 9, s, -1);
    ASSERT_EQ(M().Persos.size(), 10u);
    // W 24, H 16, by k mod 8, ring 1; the ninth opens ring 2.
    const std::vector<std::pair<std::int32_t, std::int32_t>> places = {
        {24, 0}, {-24, 0}, {0, 16}, {0, -16}, {-24, -16}, {24, -16}, {-24, 16}, {24, 16}, {48, 0}};
    for (std::size_t k = 0; k < places.size(); ++k) {
        EXPECT_EQ(W.Pe(static_cast<std::int32_t>(k + 1)).PositionX, 1000 + places[k].first) << k;
        EXPECT_EQ(W.Pe(static_cast<std::int32_t>(k + 1)).PositionY, 1000 + places[k].second) << k;
    }
    EXPECT_EQ(S().NombreInvocations, 9);
}

TEST_F(Capacites, ZeroCountsAsOne) {
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 0, s, -1);
    EXPECT_EQ(M().Persos.size(), 2u);
    EXPECT_EQ(S().NombreInvocations, 1);
}

TEST_F(Capacites, ADeadCreaturesSlotIsReusedFirst) {
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 3, s, -1);
    W.Pe(2).Vivant(false);
    W.Pe(2).DansChateau = true;
    ASSERT_EQ(S().NombreInvocations, 2);
    const std::size_t n = M().Persos.size();
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 1, s, -1);
    EXPECT_EQ(M().Persos.size(), n);
    EXPECT_EQ(M().Maisons.size(), n);
    EXPECT_TRUE(W.Pe(2).Vivant());
    EXPECT_TRUE(W.Pe(2).Visible());
    EXPECT_EQ(S().NombreInvocations, 3);
}

TEST_F(Capacites, CreaturesJoinTheirSummonersAttack) {
    S().Attaquer_Chateau(1);
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 3, s, -1);
    for (std::int32_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(W.Pe(i).Action, Actions::DetruireChateau);
        EXPECT_EQ(W.Pe(i).CibleChateau, 1);
    }
}

TEST_F(Capacites, ABerserkGoesForTheNearestEnemyOrDies) {
    const std::int32_t loin = W.Perso(RaceCombat::Humain, 1, 1800, 1800);
    const std::int32_t pres = W.Perso(RaceCombat::Humain, 1, 1100, 1000);
    ModCapacites::Invoquer(M(), RaceCombat::Furie, 1, s, -1);
    const ClsJeuPerso& furie = M().Persos.back();
    EXPECT_EQ(furie.Action, Actions::Attaquer);
    EXPECT_EQ(furie.CiblePerso, pres);
    (void)loin;

    // No enemy character, castle or house anywhere: it dies at once.
    MondeCombat w;
    w.Fief(0);
    const std::int32_t seul = w.Perso(RaceCombat::Humain, 0, 500, 500);
    ModCapacites::Invoquer(w.M(), RaceCombat::Furie, 1, seul, -1);
    EXPECT_FALSE(w.M().Persos.back().Vivant());
    EXPECT_EQ(w.Pe(seul).NombreInvocations, 0);
}

TEST_F(Capacites, ASummonerAtTheEndOfAGrowingArrayIsReadAgain) {
    // Fifty summons from the last character: the array moves many times.
    const std::int32_t dernier = W.Perso(RaceCombat::Humain, 0, 700, 300);
    W.Pe(dernier).Attaquer_Perso(s);
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 50, dernier, -1);
    EXPECT_EQ(M().Persos.size(), 52u);
    EXPECT_EQ(W.Pe(dernier).NombreInvocations, 50);
    for (std::size_t i = 2; i < M().Persos.size(); ++i) {
        EXPECT_EQ(M().Persos[i].Invocateur, dernier);
        EXPECT_EQ(M().Persos[i].CiblePerso, s);
    }
}

// ---- Healing and raising ----

TEST_F(Capacites, AWandHealsTheNearestWoundedAlliesInTurn) {
    const std::int32_t b = Blesse(1050, 1000, 80);   // 50 away
    const std::int32_t c = Blesse(1000, 1080, 50);   // 80 away
    const std::int32_t d = Blesse(900, 1000, 50);    // 100 away: out of reach
    const std::int32_t mort = Blesse(1010, 1000, 0);
    W.Pe(mort).Vivant(false);
    const std::int32_t ennemi = Blesse(1005, 1000, 50, 1);
    S().Vie = 10;  // the bearer is never its own target
    S().CapaciteEnAttente = ObjetCombat::BaguetteSoin;
    ModCapacites::Capacites_Speciales(M());
    EXPECT_DOUBLE_EQ(W.Pe(b).ReserveVie, 30);
    EXPECT_DOUBLE_EQ(W.Pe(c).ReserveVie, 30);
    EXPECT_DOUBLE_EQ(W.Pe(d).ReserveVie, 0);
    EXPECT_DOUBLE_EQ(W.Pe(ennemi).ReserveVie, 0);
    EXPECT_DOUBLE_EQ(S().ReserveVie, 0);
    EXPECT_FALSE(W.Pe(mort).Vivant());
    EXPECT_TRUE(M().EffetsPersos[static_cast<std::size_t>(b)].Actif);
}

TEST_F(Capacites, AStillWoundedAllyIsHealedAgain) {
    const std::int32_t b = Blesse(1050, 1000, 10);
    ModCapacites::Gains_Zone(M(), s, 100, 30, 0, 0, 0, 0, 2, -1);
    EXPECT_DOUBLE_EQ(W.Pe(b).ReserveVie, 60);
}

TEST_F(Capacites, ReachMustBeStrictlyGreaterThanTheDistance) {
    const std::int32_t d = Blesse(900, 1000, 50);
    ModCapacites::Gains_Zone(M(), s, 100, 30, 0, 0, 0, 0, 1, -1);
    EXPECT_DOUBLE_EQ(W.Pe(d).ReserveVie, 0);
    ModCapacites::Gains_Zone(M(), s, 101, 30, 0, 0, 0, 0, 1, -1);
    EXPECT_DOUBLE_EQ(W.Pe(d).ReserveVie, 30);
}

TEST_F(Capacites, AWandWithoutGainsPlaysNothing) {
    const std::int32_t b = Blesse(1050, 1000, 50);
    S().CapaciteEnAttente = ObjetCombat::BaguetteEteinte;
    ModCapacites::Capacites_Speciales(M());
    EXPECT_DOUBLE_EQ(W.Pe(b).ReserveVie, 0);
    EXPECT_FALSE(M().EffetsPersos[static_cast<std::size_t>(b)].Actif);
}

TEST_F(Capacites, AScrollRaisesTheNearestDeadAllyNeverACreature) {
    const std::int32_t creature = Blesse(1010, 1000, 0);
    W.Pe(creature).Invocateur = s;
    W.Pe(creature).Vivant(false);
    const std::int32_t loin = Blesse(1200, 1000, 0);
    W.Pe(loin).Vivant(false);
    const std::int32_t pres = Blesse(1100, 1000, 0);
    W.Pe(pres).Vivant(false);
    const std::int32_t ennemi = Blesse(1001, 1000, 0, 1);
    W.Pe(ennemi).Vivant(false);
    S().CapaciteEnAttente = ObjetCombat::Parchemin;
    ModCapacites::Capacites_Speciales(M());
    EXPECT_TRUE(W.Pe(pres).Vivant());
    EXPECT_DOUBLE_EQ(W.Pe(pres).Vie, 5);
    EXPECT_DOUBLE_EQ(W.Pe(pres).ReserveVie, 95);
    EXPECT_TRUE(M().EffetsPersos[static_cast<std::size_t>(pres)].Actif);
    EXPECT_FALSE(W.Pe(loin).Vivant());
    EXPECT_FALSE(W.Pe(creature).Vivant());
    EXPECT_FALSE(W.Pe(ennemi).Vivant());
}

TEST_F(Capacites, RaisingGivesFivePerCentAndTheRestToRegain) {
    S().Definir_MaxVie(200);
    S().Actualiser_Bonus();
    S().Vivant(false);
    ModCapacites::Ressusciter(M(), s, -1);
    EXPECT_DOUBLE_EQ(S().Vie, 10);
    EXPECT_DOUBLE_EQ(S().ReserveVie, 190);
    // The living are left as they are.
    S().Vie = 150;
    ModCapacites::Ressusciter(M(), s, -1);
    EXPECT_DOUBLE_EQ(S().Vie, 150);
}

TEST_F(Capacites, TheBearersOwnAbility) {
    // A potion: 30 life to regain; its effect is none (-1): nothing plays.
    S().CapaciteEnAttente = ObjetCombat::Potion;
    ModCapacites::Capacites_Speciales(M());
    EXPECT_DOUBLE_EQ(S().ReserveVie, 30);
    EXPECT_FALSE(M().EffetsPersos[static_cast<std::size_t>(s)].Actif);

    // A feather raises its dead bearer.
    S().ReserveVie = 0;
    S().Vivant(false);
    S().CapaciteEnAttente = ObjetCombat::Plume;
    ModCapacites::Capacites_Speciales(M());
    EXPECT_TRUE(S().Vivant());
    EXPECT_DOUBLE_EQ(S().Vie, 5);
}

TEST_F(Capacites, OnlyTheCharactersOfTheStepsStartAreVisited) {
    // The summoner is last; creatures land after it and are not visited,
    // even with an ability pending in a reused slot's old record.
    ModCapacites::Invoquer(M(), RaceCombat::Loup, 1, s, -1);
    W.Pe(1).Vivant(false);
    W.Pe(1).CapaciteEnAttente = ObjetCombat::Potion;
    S().CapaciteEnAttente = ObjetCombat::CorLoups;
    ModCapacites::Capacites_Speciales(M());
    // Slot 1 was reused by the horn (a fresh record), then one new slot.
    EXPECT_EQ(M().Persos.size(), 3u);
    EXPECT_EQ(W.Pe(1).CapaciteEnAttente, -1);
    EXPECT_DOUBLE_EQ(W.Pe(1).ReserveVie, 0);
}

}  // namespace
