// Calls for help, the leader's orders to its creatures, the formations and
// the orders of a selection.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "characters/ModDialogue.h"
#include "tests/characters/MondeCombat.h"

namespace {

using Places = std::vector<std::pair<std::int32_t, std::int32_t>>;

class Dialogue : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
        chef = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
    }
    // n living creatures of the leader, counted on it.
    std::vector<std::int32_t> Creatures(std::int32_t n) {
        std::vector<std::int32_t> c;
        for (std::int32_t k = 0; k < n; ++k) {
            const std::int32_t i = W.Perso(RaceCombat::Loup, 0, 1000, 1000);
            W.Pe(i).Invocateur = chef;
            c.push_back(i);
        }
        W.Pe(chef).NombreInvocations += n;
        return c;
    }
    Places Offsets(const std::vector<std::int32_t>& c) {
        Places p;
        for (std::int32_t i : c) p.emplace_back(W.Pe(i).DecalageFormationX, W.Pe(i).DecalageFormationY);
        return p;
    }
    ClsJeuPerso& L() { return W.Pe(chef); }

    MondeCombat W;
    std::int32_t chef = 0;
};

// ---- Formations ----

struct CasFormation {
    const char* nom;
    std::int16_t formation;
    std::int32_t n;
    Places places;
};

class Formation : public Dialogue, public ::testing::WithParamInterface<CasFormation> {};

TEST_P(Formation, PlacesDesCreatures) {
    const CasFormation& c = GetParam();
    const auto creatures = Creatures(c.n);
    L().Formation = c.formation;
    ModDialogue::Placer_Formation(W.M(), chef, false, false);
    EXPECT_EQ(Offsets(creatures), c.places);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 22");
}

INSTANTIATE_TEST_SUITE_P(
    Dialogue, Formation,
    ::testing::Values(
        CasFormation{"carre_9", 0, 9,
                     {{-24, 24}, {0, 24}, {24, 24}, {-24, 0}, {0, 0}, {24, 0}, {-24, -24}, {0, -24}, {24, -24}}},
        CasFormation{"carre_4", 0, 4, {{-12, 12}, {12, 12}, {-12, -12}, {12, -12}}},
        CasFormation{"rangs_haut_9", 1, 9,
                     {{-36, -24}, {-12, -24}, {12, -24}, {36, -24}, {-36, -48}, {-12, -48}, {12, -48}, {36, -48},
                      {-36, -72}}},
        CasFormation{"rangs_bas_9", 2, 9,
                     {{-36, 24}, {-12, 24}, {12, 24}, {36, 24}, {-36, 48}, {-12, 48}, {12, 48}, {36, 48}, {-36, 72}}},
        CasFormation{"colonnes_gauche_9", 3, 9,
                     {{-24, -36}, {-24, -12}, {-24, 12}, {-24, 36}, {-48, -36}, {-48, -12}, {-48, 12}, {-48, 36},
                      {-72, -36}}},
        CasFormation{"colonnes_droite_9", 4, 9,
                     {{24, -36}, {24, -12}, {24, 12}, {24, 36}, {48, -36}, {48, -12}, {48, 12}, {48, 36}, {72, -36}}},
        CasFormation{"inconnue", 7, 2, {{0, 0}, {0, 0}}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Dialogue, AFormationWithNoCountedCreaturePlacesNobody) {
    // A creature that the leader's count does not know (a count of 0 gives
    // a row length of 0).
    const auto c = Creatures(2);
    W.Pe(c[0]).DecalageFormationX = 7;
    L().NombreInvocations = 0;
    for (std::int16_t f = 0; f <= 4; ++f) {
        L().Formation = f;
        ModDialogue::Placer_Formation(W.M(), chef, false, true);
        EXPECT_EQ(W.Pe(c[0]).DecalageFormationX, 7) << f;
    }
}

TEST_F(Dialogue, FormationsSkipTheDeadAndThoseOnAnErrand) {
    const auto c = Creatures(5);
    W.Pe(c[1]).Vivant(false);  // the count follows: 4
    W.Pe(c[2]).Suivre = 1;
    W.Pe(c[2]).DecalageFormationX = 99;
    L().Formation = 0;
    L().EnMarche = true;
    ModDialogue::Placer_Formation(W.M(), chef, false, false);
    EXPECT_EQ(Offsets({c[0], c[3], c[4]}), (Places{{-12, 12}, {12, 12}, {-12, -12}}));
    EXPECT_EQ(W.Pe(c[2]).DecalageFormationX, 99);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 23");
    // Changing the formation first: 0 to 1.
    L().Definir_Commentaires("");
    ModDialogue::Placer_Formation(W.M(), chef, true, true);
    EXPECT_EQ(L().Formation, 1);
    EXPECT_EQ(L().Definir_Commentaires(), "");
}

// ---- Orders to the creatures ----

TEST_F(Dialogue, OneCreatureOrderedTakesTheLowestIndex) {
    const auto c = Creatures(3);
    const std::int32_t ennemi = W.Perso(RaceCombat::Humain, 1, 1200, 1000);
    W.Tirages({0.5f, 0.5f});
    ModDialogue::Ordre_Attaquer_Groupe(W.M(), chef, ModDialogue::CiblePerso, ennemi, true, false);
    EXPECT_EQ(W.Pe(c[0]).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(c[0]).CiblePerso, ennemi);
    EXPECT_NE(W.Pe(c[1]).Action, Actions::Attaquer);
    EXPECT_EQ(W.Tires(), 1);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 25");
}

TEST_F(Dialogue, TheGroupOrderCountsAndAnnounces) {
    struct Cas {
        const char* nom;
        bool choix1, choix2;
        std::int16_t type;
        std::size_t ordonnes;
        std::string ligne;
    };
    for (const Cas& k : {Cas{"tous", false, false, ModDialogue::CibleMaison, 7, "genre 28"},
                         Cas{"cinq", false, true, ModDialogue::CibleChateau, 5, "genre 30"},
                         Cas{"dix", true, true, ModDialogue::CiblePerso, 7, "genre 26"}}) {
        MondeCombat w;
        w.Fief(0);
        w.Fief(1, 1500, 0);
        const std::int32_t l = w.Perso(RaceCombat::Humain, 0, 1000, 1000);
        for (int n = 0; n < 7; ++n) w.Pe(w.Perso(RaceCombat::Loup, 0, 900, 900)).Invocateur = l;
        w.Pe(l).NombreInvocations = 7;
        ModDialogue::Ordre_Attaquer_Groupe(w.M(), l, k.type, 1, k.choix1, k.choix2);
        std::size_t n = 0;
        for (const ClsJeuPerso& p : w.M().Persos) n += p.EnCombat() ? 1 : 0;
        EXPECT_EQ(n, k.ordonnes) << k.nom;
        EXPECT_EQ(w.Pe(l).Definir_Commentaires(), k.ligne) << k.nom;
    }
}

TEST_F(Dialogue, ALeaderWithoutCreaturesSaysSo) {
    ModDialogue::Ordre_Attaquer_Groupe(W.M(), chef, ModDialogue::CiblePerso, 0, false, false);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 32");
}

TEST_F(Dialogue, CreaturesDefendTheirLeaderOrFollowIt) {
    const auto c = Creatures(2);
    // Nobody attacks the leader: they take their places around its
    // destination.
    L().Aller_A(1300, 1000);
    L().Action = Actions::Attente;
    ModDialogue::Ordre_Attaquer_Groupe(W.M(), chef, ModDialogue::CibleActuelle, -1, false, false);
    EXPECT_EQ(W.Pe(c[0]).Action, Actions::Deplacer);
    EXPECT_EQ(W.Pe(c[0]).DestinationX, 1300 + W.Pe(c[0]).DecalageFormationX);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 22");

    // Two attackers: the nearer one is taken.
    const std::int32_t loin = W.Perso(RaceCombat::Humain, 1, 1300, 1000);
    const std::int32_t pres = W.Perso(RaceCombat::Humain, 1, 1100, 1000);
    W.Pe(loin).Attaquer_Perso(chef);
    W.Pe(pres).Attaquer_Perso(chef);
    ModDialogue::Ordre_Attaquer_Groupe(W.M(), chef, ModDialogue::CibleActuelle, -1, false, false);
    EXPECT_EQ(W.Pe(c[1]).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(c[1]).CiblePerso, pres);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 24");

    // The leader's own attack is joined.
    for (std::int32_t i : c) W.Pe(i).Arreter();
    L().Attaquer_Chateau(1);
    ModDialogue::Ordre_Attaquer_Groupe(W.M(), chef, ModDialogue::CibleActuelle, -1, false, false);
    EXPECT_EQ(W.Pe(c[0]).Action, Actions::DetruireChateau);
    EXPECT_EQ(W.Pe(c[0]).CibleChateau, 1);
}

TEST_F(Dialogue, StoppingTheCreaturesOrTheSelection) {
    const auto c = Creatures(2);
    W.Pe(c[0]).Attaquer_Perso(0);
    ModDialogue::Ordre_Arreter_Groupe(W.M(), chef, false, {});
    EXPECT_EQ(W.Pe(c[0]).Action, Actions::Attente);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 21");

    // An empty selection still makes the leader speak.
    L().Definir_Commentaires("");
    ModDialogue::Ordre_Arreter_Groupe(W.M(), chef, true, {});
    EXPECT_EQ(L().Definir_Commentaires(), "genre 21");

    // No creature: silence.
    MondeCombat w;
    w.Fief(0);
    const std::int32_t seul = w.Perso(RaceCombat::Humain, 0, 0, 0);
    ModDialogue::Ordre_Arreter_Groupe(w.M(), seul, false, {});
    EXPECT_EQ(w.Pe(seul).Definir_Commentaires(), "");
}

TEST_F(Dialogue, HandingTheCreaturesToTheAI) {
    const auto c = Creatures(2);
    W.Pe(c[1]).Vivant(false);
    ModDialogue::Activer_IA_Invocations(W.M(), chef, false);
    EXPECT_FALSE(W.Pe(c[0]).IA_Active);
    EXPECT_TRUE(W.Pe(c[1]).IA_Active == false || !W.Pe(c[1]).Vivant());
    ModDialogue::Activer_IA_Invocations(W.M(), chef, true);
    EXPECT_TRUE(W.Pe(c[0]).IA_Active);
}

// ---- A selection ----

TEST_F(Dialogue, TheSelectionGathersAtAHouse) {
    const std::int32_t b = W.Perso(RaceCombat::Humain, 0, 900, 900);
    const std::int32_t d = W.Perso(RaceCombat::Humain, 0, 800, 900);
    W.Maison(chef, BatimentCombat::Cabane, 400, 400);
    W.Maison(b, BatimentCombat::Cabane, 600, 400);

    // Alone, to its own house.
    ModDialogue::Ordre_Rentrer_Maison(W.M(), chef, {chef}, chef);
    EXPECT_EQ(L().Action, Actions::RentrerMaison);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 36");

    // Three of them, to another house.
    L().Definir_Commentaires("");
    ModDialogue::Ordre_Rentrer_Maison(W.M(), chef, {chef, b, d}, b);
    EXPECT_EQ(L().Action, Actions::Entrer);
    for (std::int32_t m : {b, d}) {
        EXPECT_EQ(W.Pe(m).Suivre, 1);
        EXPECT_EQ(W.Pe(m).CibleMaison, b);
        EXPECT_EQ(W.Pe(m).Action, Actions::Deplacer);
        // 600 + 24 - 10, 400 + 24 - 15.
        EXPECT_EQ(W.Pe(m).DestinationX, 614);
        EXPECT_EQ(W.Pe(m).DestinationY, 409);
    }
    EXPECT_EQ(L().Definir_Commentaires(), "genre 39");

    // A house index that names nothing: no order, no word.
    L().Definir_Commentaires("");
    ModDialogue::Ordre_Rentrer_Maison(W.M(), chef, {chef}, -1);
    ModDialogue::Ordre_Rentrer_Maison(W.M(), chef, {chef}, 99);
    EXPECT_EQ(L().Definir_Commentaires(), "");
}

TEST_F(Dialogue, TheSelectionGathersAtACastle) {
    const std::int32_t b = W.Perso(RaceCombat::Humain, 0, 900, 900);
    ModDialogue::Ordre_Rentrer_Chateau(W.M(), chef, {chef, b}, 1);
    EXPECT_EQ(L().Action, Actions::AllerChateau);
    EXPECT_EQ(W.Pe(b).Suivre, 2);
    EXPECT_EQ(W.Pe(b).CibleChateau, 1);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 43");
}

TEST_F(Dialogue, TheSelectionMovesAndAttacks) {
    const std::int32_t b = W.Perso(RaceCombat::Humain, 0, 900, 900);
    W.Pe(b).DecalageFormationX = 24;
    W.Pe(b).Suivre = 2;
    ModDialogue::Ordre_Deplacer_Groupe(W.M(), chef, {chef, b}, 500, 600);
    EXPECT_EQ(W.Pe(b).DestinationX, 524);
    EXPECT_EQ(W.Pe(b).Suivre, 0);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 23");

    // The acknowledgements never touch the game's random source.
    W.Tirages({});
    L().Definir_Commentaires("");
    ModDialogue::Ordre_Attaquer_Chateau(W.M(), chef, {chef, b}, 1);
    EXPECT_EQ(W.Tires(), 0);
    EXPECT_EQ(W.Pe(b).Action, Actions::DetruireChateau);
    EXPECT_EQ(L().Action, Actions::DetruireChateau);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 30");
    // No target: nothing.
    L().Definir_Commentaires("");
    ModDialogue::Ordre_Attaquer_Perso(W.M(), chef, {chef, b}, -1);
    EXPECT_EQ(L().Definir_Commentaires(), "");
    ModDialogue::Ordre_Attaquer_Maison(W.M(), chef, {chef}, 0);
    EXPECT_EQ(L().Definir_Commentaires(), "genre 27");
}

// ---- Calls for help ----

class Aide : public ::testing::Test {
protected:
    // A caller and n others of its side, all fit and AI-led; the caller
    // fights an enemy.
    void Peupler(std::int32_t n) {
        W.Fief(0);
        W.Fief(1, 1500, 0);
        ennemi = W.Perso(RaceCombat::Humain, 1, 500, 500);
        appelant = W.Perso(RaceCombat::Humain, 0, 400, 400);
        for (std::int32_t k = 0; k < n; ++k) {
            const std::int32_t i = W.Perso(RaceCombat::Humain, 0, 300, 300);
            W.Pe(i).IA_Active = true;
            W.Pe(i).CoefVitesse = 1.0;
        }
        W.Pe(appelant).Attaquer_Perso(ennemi);
    }
    MondeCombat W;
    std::int32_t ennemi = 0, appelant = 0;
};

TEST_F(Aide, ASmallFiefAnswersWhole) {
    Peupler(1);  // the fief counts 2: 3 / 3 = 1 lets every draw through
    W.Tirages({0.99f, 0.99f, 0.99f});
    ModDialogue::Appel_Aide(W.M(), appelant);
    EXPECT_EQ(W.Tires(), 3);
    EXPECT_EQ(W.Pe(2).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(2).CiblePerso, ennemi);
    EXPECT_EQ(W.Pe(2).Definir_Commentaires(), "genre 10");
    EXPECT_EQ(W.Pe(appelant).Definir_Commentaires(), "genre 6");
}

TEST_F(Aide, ALargerFiefAnswersByChance) {
    Peupler(4);  // 5 counted: 3 / 6 = 0.5
    W.Tirages({0.1f, 0.1f, 0.49f, 0.5f, 0.1f, 0.7f});
    ModDialogue::Appel_Aide(W.M(), appelant);
    EXPECT_EQ(W.Pe(2).Action, Actions::Attaquer);
    EXPECT_NE(W.Pe(3).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(4).Action, Actions::Attaquer);
    EXPECT_NE(W.Pe(5).Action, Actions::Attaquer);
}

TEST_F(Aide, TheUnfitNeverAnswer) {
    Peupler(6);
    W.Pe(2).CoefVitesse = 0.875;
    W.Pe(3).IA_Pacifique = true;
    W.Pe(4).Invocateur = 0;
    W.Pe(5).IA_Active = false;
    W.Pe(6).Vie = 50;  // exactly half
    W.Pe(7).Action = Actions::ProduireMaison;
    W.Tirages({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    ModDialogue::Appel_Aide(W.M(), appelant);
    for (std::int32_t i = 2; i <= 7; ++i) EXPECT_NE(W.Pe(i).Action, Actions::Attaquer) << i;
}

TEST_F(Aide, ACallerNotFightingSendsHelpAtItsAttacker) {
    Peupler(1);
    W.Pe(appelant).Arreter();
    W.Pe(ennemi).Attaquer_Perso(appelant);
    // One draw per character examined, then one per attacker examined.
    W.Tirages({0.0f, 0.9f, 0.9f, 0.0f, 0.9f});
    ModDialogue::Appel_Aide(W.M(), appelant);
    EXPECT_EQ(W.Pe(2).Action, Actions::Attaquer);
    EXPECT_EQ(W.Pe(2).CiblePerso, ennemi);
    EXPECT_EQ(W.Pe(appelant).Definir_Commentaires(), "genre 9");

    // Nobody attacks it: nobody moves, the draws are made all the same.
    MondeCombat w;
    w.Fief(0);
    const std::int32_t v = w.Perso(RaceCombat::Humain, 0, 0, 0);
    const std::int32_t p = w.Perso(RaceCombat::Humain, 0, 0, 0);
    w.Pe(p).IA_Active = true;
    w.Tirages({0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    ModDialogue::Appel_Aide(w.M(), v);
    EXPECT_EQ(w.Pe(p).Action, Actions::Attente);
    // v is examined too (one draw; not AI-led, it does not answer); p
    // answers and looks at both for an attacker.
    EXPECT_EQ(w.Tires(), 4);
}

}  // namespace
