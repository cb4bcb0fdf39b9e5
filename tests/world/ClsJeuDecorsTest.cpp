#include "world/ClsJeuDecors.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/world/ReglesObjets.h"
#include "world/ModDecors.h"

namespace {

const ReglesObjets& Regles() {
    static const ReglesObjets regles;
    return regles;
}

TEST(ClsJeuDecors, AnimationCycles) {
    struct Cas {
        std::int16_t etapes, depart;
        std::vector<int> suite;
    };
    const std::vector<Cas> cas{
        {3, 0, {1, 2, 0, 1}},
        {1, 0, {0, 0}},
        {0, 0, {0, 0}},
        {3, 2, {0}},
        {3, 5, {0}},
    };
    for (const Cas& c : cas) {
        ClsJeuDecors decor;
        decor.NombreEtapeAnimation = c.etapes;
        decor.EtapeAnimation = c.depart;
        for (int attendu : c.suite) {
            decor.ChangerEtapeAnimation();
            EXPECT_EQ(decor.EtapeAnimation, attendu) << c.etapes << " " << c.depart;
        }
    }
}

TEST(ModDecors, AddsSizedElementsNumberedFromOne) {
    ModDecors decors;
    EXPECT_EQ(decors.Ajouter_Decor(0, 10, 20, Regles().Parametres()), 1);
    EXPECT_EQ(decors.Ajouter_Decor(1, 30, 40, Regles().Parametres()), 2);
    ASSERT_TRUE(decors.Existe(2));
    EXPECT_FALSE(decors.Existe(0));
    EXPECT_FALSE(decors.Existe(3));
    EXPECT_EQ(decors(1).Largeur, 48);
    EXPECT_EQ(decors(1).NombreEtapeAnimation, 3);
    EXPECT_EQ(decors(2).X, 30);
    EXPECT_EQ(decors(2).Hauteur, 32);
    EXPECT_EQ(decors.Element(3), nullptr);
    decors.Init_Decors();
    EXPECT_EQ(decors.Count(), 0);
}

}  // namespace
