#include "world/ClsJeuEffet.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/world/ReglesObjets.h"

namespace {

const ReglesObjets& Regles() {
    static const ReglesObjets regles;  // read-only rules, shared by the cases of this file
    return regles;
}

TEST(ClsJeuEffet, RunsItsStepsAndNeverDrawsPastTheSheet) {
    // Effect 0: 3 steps of 4 ticks, 32 x 48.
    ClsJeuEffet effet;
    effet.Activer_Effet(0, 100, 100, 64, 64, Regles().Parametres(), false);
    ASSERT_TRUE(effet.Actif);
    EXPECT_EQ(effet.X, 116);
    EXPECT_EQ(effet.Y, 108);
    std::vector<int> vus;
    int ticks = 0;
    while (effet.Actif && ticks < 100) {
        effet.Etape_Suivante();
        ++ticks;
        vus.push_back(effet.Etape_Effet());
    }
    EXPECT_EQ(ticks, 12);
    // 0.25, 0.5 (to even), 0.75, 1, ... 2.5 (to even), 2.75, 3.
    const std::vector<int> attendu{0, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2};
    EXPECT_EQ(vus, attendu);
    for (int v : vus) EXPECT_LT(v, effet.NombreEtapes);
}

TEST(ClsJeuEffet, ARunningEffectRestartsOnlyWhenForced) {
    ClsJeuEffet effet;
    effet.Activer_Effet(0, 0, 0, 32, 48, Regles().Parametres(), false);
    effet.Etape_Suivante();
    effet.Activer_Effet(1, 500, 500, 10, 10, Regles().Parametres(), false);
    EXPECT_EQ(effet.TypeEffet, 0);
    EXPECT_DOUBLE_EQ(effet.Etape, 0.25);
    effet.Activer_Effet(1, 500, 500, 10, 10, Regles().Parametres(), true);
    EXPECT_EQ(effet.TypeEffet, 1);
    EXPECT_DOUBLE_EQ(effet.Etape, 0.0);
    // 96 wide on a 10-wide rectangle: starts left of it.
    EXPECT_EQ(effet.X, 500 - 43);
}

TEST(ClsJeuEffet, IgnoresTypesOutsideTheRules) {
    for (std::int16_t type : {std::int16_t{-1}, std::int16_t{2}, std::int16_t{300}}) {
        ClsJeuEffet effet;
        effet.Activer_Effet(type, 0, 0, 10, 10, Regles().Parametres(), true);
        EXPECT_FALSE(effet.Actif) << type;
    }
}

TEST(ClsJeuEffet, AZeroStepDurationStillEnds) {
    ClsJeuEffet effet;
    effet.Actif = true;
    effet.DureeEtape = 0.0;
    effet.NombreEtapes = 2;
    effet.Etape_Suivante();
    effet.Etape_Suivante();
    EXPECT_FALSE(effet.Actif);
}

}  // namespace
