// The character's tick: steps and directions, arrival, the walking upkeep,
// following and striking a target, paying for a blow, the gift, and the
// work done on arrival.
#include <gtest/gtest.h>

#include "tests/characters/MondeCombat.h"

namespace {

template <class Rangee>
auto Element(Rangee& rangee, std::int32_t i) -> decltype(&rangee[0]) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size() ? &rangee[static_cast<std::size_t>(i)] : nullptr;
}

class Tick : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
        a = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
        t = W.Perso(RaceCombat::Humain, 1, 1000, 1200);
    }
    // One tick of character i's state machine, on the objects its indices
    // name; returns the speech code.
    std::int16_t Pas(std::int32_t i) {
        ModMain& m = W.M();
        ClsJeuPerso& p = W.Pe(i);
        std::int16_t code = -1;
        p.Deplacement(Element(m.Ressources, p.CibleRessource), Element(m.Persos, p.CiblePerso),
                      Element(m.Maisons, p.CibleMaison), Element(m.Chateaux, p.CibleChateau), Element(m.Fiefs, p.Equipe),
                      code, m.Commentaires, m.Parametres);
        return code;
    }
    ClsJeuPerso& A() { return W.Pe(a); }
    ClsJeuPerso& T() { return W.Pe(t); }

    MondeCombat W;
    std::int32_t a = 0, t = 0;
};

// ---- Steps: a 5-pixel step splits into 4 and 3 on a diagonal ----

struct CasPas {
    std::int32_t dx, dy;      // destination from (1000, 1000)
    std::int32_t x, y;        // position after one tick
    std::int16_t direction;
};

class Marche : public Tick, public ::testing::WithParamInterface<CasPas> {};

TEST_P(Marche, UnPasVersLaDestination) {
    const CasPas& c = GetParam();
    A().VitesseTotale = 5;
    A().Aller_A(1000 + c.dx, 1000 + c.dy);
    Pas(a);
    EXPECT_EQ(A().PositionX, c.x);
    EXPECT_EQ(A().PositionY, c.y);
    EXPECT_EQ(A().Direction, c.direction);
    const bool arrive = c.x == 1000 && c.y == 1000;
    EXPECT_EQ(A().EnMarche, !arrive);
    EXPECT_EQ(A().Action, arrive ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Tick, Marche,
    ::testing::Values(CasPas{0, -100, 1000, 995, 1}, CasPas{2, -100, 1000, 995, 1}, CasPas{100, -50, 1004, 997, 2},
                      CasPas{50, -100, 1003, 996, 1}, CasPas{-100, -50, 996, 997, 4}, CasPas{-50, -100, 997, 996, 1},
                      CasPas{0, 100, 1000, 1005, 3}, CasPas{50, 100, 1003, 1004, 3}, CasPas{100, 50, 1004, 1003, 2},
                      CasPas{-50, 100, 997, 1004, 3}, CasPas{-100, 50, 996, 1003, 4}, CasPas{-100, 1, 995, 1000, 4},
                      CasPas{100, 1, 1005, 1000, 2},
                      // |dx| = |dy|: the horizontal direction of each pair.
                      CasPas{100, -100, 1004, 997, 2}, CasPas{-100, 100, 996, 1003, 4},
                      // Within half a step on both axes: arrived, not moved.
                      CasPas{2, -2, 1000, 1000, 0}));

TEST_F(Tick, ArrivalFreezesTheDestinationAndEndsTheWalk) {
    for (auto [avant, apres] : {std::pair{1, 0}, std::pair{3, 2}, std::pair{7, 6}, std::pair{101, 101}}) {
        A().DestinationX = 1002;
        A().DestinationY = 998;
        A().Action = static_cast<std::int16_t>(avant);
        A().CibleRessource = -1;
        A().CibleMaison = -1;
        Pas(a);
        EXPECT_EQ(A().DestinationX, 1000);
        EXPECT_EQ(A().DestinationY, 1000);
        // 3 and 7 become 2 and 6, whose work then finds no deposit or no
        // house and stops.
        if (avant == 1) {
            EXPECT_EQ(A().Action, apres);
        }
        if (avant >= 3 && avant <= 7) {
            EXPECT_EQ(A().Action, Actions::Attente);
        }
    }
}

TEST_F(Tick, AFlyerKeepsFacingDownAndFlapping) {
    A().Volant = true;
    A().EtapeAnimation = 3;
    Pas(a);
    EXPECT_EQ(A().Direction, 3);
    EXPECT_EQ(A().EtapeAnimation, 0);
    Pas(a);
    EXPECT_EQ(A().EtapeAnimation, 1);
    // A walker standing keeps its step.
    T().EtapeAnimation = 2;
    Pas(t);
    EXPECT_EQ(T().EtapeAnimation, 2);
}

TEST_F(Tick, WalkingUpkeep) {
    // Resting and walking means going home.
    W.Maison(a, BatimentCombat::Cabane, 1500, 1500);
    A().Action = Actions::Repos;
    A().CibleMaison = a;
    A().DestinationX = 1400;
    const double energie = A().Energie;
    Pas(a);
    EXPECT_EQ(A().Action, Actions::RentrerMaison);
    EXPECT_DOUBLE_EQ(A().Energie, energie - 0.001);
    // Walking to build a house that fell stops.
    W.Ma(a).Definir_Vie(0);
    A().Action = Actions::AllerConstruire;
    A().DestinationX = 1300;
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Attente);
}

// ---- Following and striking ----

TEST_F(Tick, AnAttackerFollowsItsTargetsCentre) {
    A().Attaquer_Perso(t);
    A().PremierCoup = false;
    A().Attaque = 0;
    Pas(a);
    // The target's centre: same size, so its corner.
    EXPECT_EQ(A().DestinationX, 1000);
    EXPECT_EQ(A().DestinationY, 1200);
    EXPECT_EQ(A().PositionY, 1006);
}

TEST_F(Tick, AnImmobilisedCharacterStrikesOnlyWhenTouching) {
    A().Attaquer_Perso(t);
    A().DureeImmobilisation = 2;
    Pas(a);
    EXPECT_DOUBLE_EQ(A().DureeImmobilisation, 1);
    EXPECT_EQ(A().PositionY, 1000);
    // Touching (a human's reach is 0): the blow is struck.
    A().PositionY = 1200 - 30;
    W.Tirages({0.5f, 0.5f});
    Pas(a);
    EXPECT_DOUBLE_EQ(T().Vie, 90);
    EXPECT_DOUBLE_EQ(A().DureeImmobilisation, 1);
    EXPECT_FALSE(A().PremierCoup);
}

TEST_F(Tick, AfterTheFirstBlowTheAttackMustBeFullUnlessTheTargetFalls) {
    A().Attaquer_Perso(t);
    A().PositionY = 1190;
    A().Attaque = 10;
    W.Tirages({0.5f, 0.5f, 0.5f, 0.5f});
    Pas(a);  // the first blow, with 10 attack against 20 defence: 1 point
    EXPECT_DOUBLE_EQ(T().Vie, 99);
    A().Attaque = 39;
    Pas(a);  // not full, and 0 + 99 + 1 < 39 does not hold: no blow
    EXPECT_DOUBLE_EQ(T().Vie, 99);
    EXPECT_EQ(W.Tires(), 1);
    // A nearly dead target falls to the blow: struck at once.
    T().Vie = 5;
    T().Defense = 0;
    Pas(a);
    EXPECT_FALSE(T().Vivant());
}

TEST_F(Tick, ABlowThatCannotBePaidPutsTheWeaponsAway) {
    // The bow costs 2 money and an arrow a blow.
    A().Objet_Equipe_Charger(0, ObjetCombat::Arc, W.P());
    A().Actualiser_Bonus();
    A().Definir_Argent(1);
    A().Definir_Ressources(2, 5);
    A().Attaquer_Perso(t);
    A().PositionY = 1150;  // within the bow's reach of 40
    Pas(a);
    EXPECT_EQ(A().Definir_Commentaires(), "genre 45");
    EXPECT_FALSE(A().Objet_Equipes_Actif(0));
    EXPECT_EQ(A().Objet_NombreType(ObjetCombat::Arc), 1);
    EXPECT_EQ(A().Action, Actions::Attente);
    EXPECT_DOUBLE_EQ(T().Vie, 100);

    // With money and no arrow: type 34.
    A().Definir_Commentaires("");
    A().Objet_Equipe_Charger(0, ObjetCombat::Arc, W.P());
    A().Actualiser_Bonus();
    A().Definir_Argent(10);
    A().Definir_Ressources(2, 0);
    A().Attaquer_Perso(t);
    Pas(a);
    EXPECT_EQ(A().Definir_Commentaires(), "genre 34");
}

TEST_F(Tick, ABlowIsPaidInMoneyAndAmmunition) {
    A().Objet_Equipe_Charger(0, ObjetCombat::Arc, W.P());
    A().Actualiser_Bonus();
    A().Definir_Argent(10);
    A().Definir_Ressources(2, 5);
    A().Attaquer_Perso(t);
    A().PositionY = 1150;
    W.Tirages({0.5f, 0.5f});
    Pas(a);
    EXPECT_DOUBLE_EQ(T().Vie, 90);
    EXPECT_DOUBLE_EQ(A().Definir_Argent(), 8);
    EXPECT_DOUBLE_EQ(A().Definir_Ressources(2), 4);
    EXPECT_TRUE(A().Objet_Equipes_Actif(0));
}

TEST_F(Tick, ASingleUseWeaponGoesAndItsBonusesWithItAtOnce) {
    // The javelin: +20 attack, 2 life and 5 money a throw.
    A().Objet_Equipe_Charger(0, ObjetCombat::Javelot, W.P());
    A().Actualiser_Bonus();
    ASSERT_DOUBLE_EQ(A().Definir_MaxAttaque(), 60);
    A().Attaque = 60;
    A().Definir_Argent(20);
    A().Attaquer_Perso(t);
    A().PositionY = 1190;
    W.Tirages({0.5f, 0.5f});
    Pas(a);
    // 100 - (60 - 20) x 0.5.
    EXPECT_DOUBLE_EQ(T().Vie, 80);
    EXPECT_FALSE(A().Objet_Equipes_Actif(0));
    EXPECT_DOUBLE_EQ(A().Definir_MaxAttaque(), 40);
    EXPECT_DOUBLE_EQ(A().Vie, 98);
    // Paid for the throw that used it.
    EXPECT_DOUBLE_EQ(A().Definir_Argent(), 15);
}

TEST_F(Tick, AKamikazeDiesOfItsBlow) {
    const std::int32_t bombe = W.Perso(RaceCombat::Bombe, 0, 1000, 1190);
    W.Pe(bombe).Attaquer_Perso(t);
    T().Vie = 50;  // 50 - (200 - 20) x 0.5
    W.Tirages({0.0f, 0.5f});
    Pas(bombe);
    EXPECT_FALSE(W.Pe(bombe).Vivant());
    EXPECT_FALSE(T().Vivant());
}

TEST_F(Tick, AnAreaAttackerStrikesAroundItselfInsteadOfItsTarget) {
    A().Objet_Equipe_Charger(0, ObjetCombat::Masse, W.P());
    A().Actualiser_Bonus();
    A().Attaque = A().Definir_MaxAttaque();
    const std::int32_t voisin = W.Perso(RaceCombat::Humain, 1, 1030, 1000);
    A().Attaquer_Perso(t);
    A().PositionY = 1190;
    W.Pe(voisin).PositionY = 1190;
    W.Tirages({0.5f, 0.5f, 0.5f, 0.5f});
    Pas(a);
    EXPECT_DOUBLE_EQ(T().Vie, 85);
    EXPECT_DOUBLE_EQ(W.Pe(voisin).Vie, 85);
    EXPECT_DOUBLE_EQ(A().Attaque, 0);
}

struct CasCache {
    const char* nom;
    bool iaActive;
    int lieu;  // 0 its house, 1 a house it entered, 2 its castle, 3 a castle
    std::int16_t action;
    std::int32_t cible;
};

class Cachette : public Tick, public ::testing::WithParamInterface<CasCache> {};

TEST_P(Cachette, UneCibleCacheeDansUnBatiment) {
    const CasCache& c = GetParam();
    T().CibleMaison = 0;
    T().CibleChateau = 0;
    switch (c.lieu) {
    case 0: T().DansMaison = true; break;
    case 1: T().DansMaisonCible = true; break;
    case 2: T().DansChateau = true; break;
    default: T().DansChateauCible = true; break;
    }
    A().IA_Active = c.iaActive;
    A().Attaquer_Perso(t);
    Pas(a);
    EXPECT_EQ(A().Action, c.action);
    if (c.action == 301) {
        EXPECT_EQ(A().CibleMaison, c.cible);
    }
    if (c.action == 302) {
        EXPECT_EQ(A().CibleChateau, c.cible);
    }
    EXPECT_EQ(A().Definir_Commentaires(), "genre 15");
}

INSTANTIATE_TEST_SUITE_P(Tick, Cachette,
                         ::testing::Values(CasCache{"maison", true, 0, 301, 1}, CasCache{"maison_cible", true, 1, 301, 0},
                                           CasCache{"chateau", true, 2, 302, 1},
                                           CasCache{"chateau_cible", true, 3, 302, 0},
                                           CasCache{"joueur", false, 0, 0, 0}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Tick, AHiddenTargetsNewBuildingIsTheOneStruck) {
    // The target went into its house, next to the attacker; the attacker's
    // old house target is its own house, also next to it. The switch this
    // tick aims at the target's house, not at the stale one.
    W.Maison(a, BatimentCombat::Cabane, 1000, 1020);
    W.Maison(t, BatimentCombat::Cabane, 1000, 960);
    A().CibleMaison = a;
    A().IA_Active = true;
    T().DansMaison = true;
    A().Attaquer_Perso(t);
    W.Tirages({0.5f, 0.5f, 0.5f});
    Pas(a);
    EXPECT_EQ(A().Action, Actions::DetruireMaison);
    EXPECT_EQ(A().CibleMaison, t);
    EXPECT_DOUBLE_EQ(W.Ma(a).Vie, W.Ma(a).MaxVie);
    EXPECT_DOUBLE_EQ(W.Ma(t).Vie, W.Ma(t).MaxVie - 30);
}

TEST_F(Tick, ADeadOrMissingTargetStopsTheAttack) {
    T().Vivant(false);
    A().Attaquer_Perso(t);
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Attente);
    A().Attaquer_Perso(57);
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Attente);
    A().Attaquer_Maison(-1);
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Attente);
    A().Attaquer_Chateau(9);
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Attente);
}

TEST_F(Tick, AGiftHandsOverTheSelectionOnContact) {
    A().Definir_Argent(30);
    A().Argent_Prendre(12, false);
    A().Aller_Donner(t, 0);
    T().PositionY = 1025;
    Pas(a);
    EXPECT_DOUBLE_EQ(T().Definir_Argent(), 12);
    EXPECT_DOUBLE_EQ(A().Definir_Argent(), 18);
    EXPECT_EQ(T().Definir_Commentaires(), "genre 46");
    EXPECT_EQ(A().Action, Actions::Attente);
}

// ---- Work on arrival ----

TEST_F(Tick, ArrivingInsideBuildings) {
    // Into its castle, into another castle, into a house.
    A().Rentrer_Chateau(W.Ch(0));
    A().PositionX = A().DestinationX;
    A().PositionY = A().DestinationY;
    Pas(a);
    EXPECT_TRUE(A().DansChateau);
    EXPECT_EQ(A().Action, Actions::Attente);

    A().Visible(true);
    A().Aller_Chateau(W.Ch(1), 1);
    A().PositionX = A().DestinationX;
    A().PositionY = A().DestinationY;
    Pas(a);
    EXPECT_TRUE(A().DansChateauCible);
    EXPECT_EQ(A().Action, Actions::Attente);

    A().Visible(true);
    W.Maison(t, BatimentCombat::Cabane, 400, 400);
    A().Aller_Maison(W.Ma(t));
    A().PositionX = A().DestinationX;
    A().PositionY = A().DestinationY;
    Pas(a);
    EXPECT_TRUE(A().DansMaisonCible);
    EXPECT_EQ(A().Action, Actions::Attente);

    // Its castle falls: standing in it, it is out on the next tick.
    A().Visible(true);
    A().DansChateau = true;
    W.Ch(0).Definir_Vie(0);
    Pas(a);
    EXPECT_FALSE(A().DansChateau);
}

TEST_F(Tick, ATreasureIsPickedUpOnArrival) {
    const std::int32_t n = W.M().Tresors.Ajouter_Tresor(1000, 1000, W.P());
    W.M().Tresors(n).Definir_Argent(25);
    A().Aller_Tresor(W.M().Tresors(n), n, 26, 26);
    A().PositionX = A().DestinationX;
    A().PositionY = A().DestinationY;
    Pas(a);
    EXPECT_DOUBLE_EQ(A().Definir_Argent(), 25);
    EXPECT_EQ(W.M().Tresors.Count(), 0);
    EXPECT_EQ(A().Action, Actions::Attente);
}

TEST_F(Tick, HarvestingAtADeposit) {
    ClsJeuRessources& gisement = W.M().Ressources.emplace_back();
    gisement.X = 1000;
    gisement.Y = 1000;
    gisement.TypeRessource = 1;
    gisement.Quantite = gisement.QuantiteInitiale = 100;
    A().Aller_Ressource(gisement, 0, 32, 32);
    A().PositionX = A().DestinationX;
    A().PositionY = A().DestinationY;
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Recolter);
    EXPECT_EQ(A().RessourceEnCours, 1);
    EXPECT_GT(A().Definir_Ressources(1), 0.0);
    EXPECT_LT(W.M().Ressources[0].Quantite, 100.0);
}

TEST_F(Tick, ResurrectionWaitingDeadCharacterIsLeftStanding) {
    A().Vivant(false);
    A().Action = Actions::Ressusciter;
    Pas(a);
    EXPECT_EQ(A().Action, Actions::Ressusciter);
    EXPECT_EQ(A().PositionX, 1000);
}

}  // namespace
