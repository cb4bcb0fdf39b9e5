// The per-tick world step: characters in index order with their speech
// draws, the animations, and a world whose indices name nothing.
#include <gtest/gtest.h>

#include "engine/ModMonde.h"
#include "tests/characters/MondeCombat.h"

namespace {

class PasMonde : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
    }
    MondeCombat W;
};

TEST_F(PasMonde, AnEmptyWorldStepsQuietly) {
    W.Tirages({});
    ModMonde::Pas_Monde(W.M());
    EXPECT_EQ(W.Tires(), 0);
}

TEST_F(PasMonde, ALaterCharacterSeesWhatAnEarlierOneDidThisTick) {
    const std::int32_t guide = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
    const std::int32_t suiveur = W.Perso(RaceCombat::Humain, 0, 1000, 1300);
    W.Pe(guide).Aller_A(1000, 1100);
    W.Pe(suiveur).Aller_Donner(guide, 0);
    ModMonde::Deplacer_Persos(W.M());
    EXPECT_EQ(W.Pe(guide).PositionY, 1006);
    EXPECT_EQ(W.Pe(suiveur).DestinationY, 1006);
}

TEST_F(PasMonde, WorkLinesAreDrawnForAndSaidByTheLocalPlayerAlways) {
    // Two harvesters with full hands: the work stops with code 0.
    ClsJeuRessources& gisement = W.M().Ressources.emplace_back();
    gisement.TypeRessource = 1;
    gisement.Quantite = 100;
    std::vector<std::int32_t> recolteurs;
    for (std::int32_t k = 0; k < 2; ++k) {
        const std::int32_t i = W.Perso(RaceCombat::Humain, 0, 500, 500);
        W.Pe(i).Definir_Ressources(1, 30);
        W.Pe(i).Action = Actions::Recolter;
        W.Pe(i).CibleRessource = 0;
        recolteurs.push_back(i);
    }
    // A character doing nothing draws nothing.
    W.Perso(RaceCombat::Humain, 0, 800, 800);
    W.M().NoPersoJoueur = recolteurs[1];
    W.Tirages({0.5f, 0.5f});
    ModMonde::Deplacer_Persos(W.M());
    EXPECT_EQ(W.Tires(), 2);
    EXPECT_EQ(W.Pe(recolteurs[0]).Definir_Commentaires(), "");
    EXPECT_EQ(W.Pe(recolteurs[1]).Definir_Commentaires(), "genre 0");

    // Anyone else speaks on a draw above 0.99.
    W.Pe(recolteurs[0]).Action = Actions::Recolter;
    W.M().NoPersoJoueur = -1;
    W.Tirages({0.995f});
    ModMonde::Deplacer_Persos(W.M());
    EXPECT_EQ(W.Pe(recolteurs[0]).Definir_Commentaires(), "genre 0");
}

TEST_F(PasMonde, IndicesThatNameNothingAreNeverRead) {
    const std::int32_t i = W.Perso(RaceCombat::Humain, 0, 500, 500);
    for (std::int16_t action : {0, 2, 3, 6, 7, 100, 101, 102, 201, 202, 203, 204, 205, 300, 301, 302, 500, 600}) {
        ClsJeuPerso& p = W.Pe(i);
        p.Action = action;
        p.Equipe = 7;
        p.CibleRessource = 40;
        p.CiblePerso = -3;
        p.CibleMaison = 12;
        p.CibleChateau = -1;
        p.CibleTresor = 9;
        ModMonde::Pas_Monde(W.M());
        EXPECT_TRUE(W.Pe(i).Vivant()) << action;
    }
}

TEST_F(PasMonde, AnimationsAdvanceHousesSceneryAndEffects) {
    const std::int32_t i = W.Perso(RaceCombat::Humain, 0, 500, 500);
    W.Maison(i, BatimentCombat::Cabane, 600, 600);
    W.M().Decors.Ajouter_Decor(0, 10, 10, W.P());
    W.M().EffetsMaisons[0].Activer_Effet(0, 0, 0, 10, 10, W.P(), true);
    W.M().EffetsPersos[0].Activer_Effet(1, 0, 0, 10, 10, W.P(), true);
    ModMonde::Animer_Maisons(W.M());
    ModMonde::Animer_Decors(W.M());
    ModMonde::Animer_Effets(W.M());
    EXPECT_DOUBLE_EQ(W.M().EffetsMaisons[0].Etape, 1.0);
    EXPECT_DOUBLE_EQ(W.M().EffetsPersos[0].Etape, 0.5);
    EXPECT_EQ(W.M().Decors(1).EtapeAnimation, 0);  // a one-step scenery stays
}

TEST_F(PasMonde, AbilitiesRunAfterTheCharactersInTheSameTick) {
    const std::int32_t s = W.Perso(RaceCombat::Humain, 0, 500, 500);
    W.Pe(s).CapaciteEnAttente = ObjetCombat::CorLoups;
    ModMonde::Pas_Monde(W.M());
    EXPECT_EQ(W.M().Persos.size(), 3u);
    EXPECT_EQ(W.M().EffetsPersos.size(), 3u);
    // The new creatures had no tick of their own yet.
    EXPECT_EQ(W.Pe(1).PositionX, 524);
}

}  // namespace
