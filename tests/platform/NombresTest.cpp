#include <gtest/gtest.h>

#include <cmath>

#include "platform/Nombres.h"

TEST(Nombres, ConversionIndulgente) {
    struct Cas { const char* texte; double attendu; };
    const Cas cas[] = {
        {"", 0},          {"abc", 0},        {"  42", 42},     {"-3.5kg", -3.5},  {"+7", 7},
        {"1e3", 1000},    {"2E-2x", 0.02},   {"1e", 1},        {".5", 0.5},       {"5.", 5},
        {"3,5", 3},       {"\t 12 34", 12},  {"-", 0},         {"0.7055475", 0.7055475},
    };
    for (const auto& c : cas) EXPECT_DOUBLE_EQ(Val(c.texte), c.attendu) << '"' << c.texte << '"';
}

TEST(Nombres, ConversionStricte) {
    EXPECT_EQ(ValeurStricte(" 12 "), 12.0);
    EXPECT_EQ(ValeurStricte("1.25"), 1.25);
    EXPECT_EQ(ValeurStricte("1,25"), 1.25);
    EXPECT_EQ(ValeurStricte("-4e2"), -400.0);
    for (const char* mauvais : {"", "  ", "12a", "a12", "1.2.3", "--1", "1e999"})
        EXPECT_FALSE(ValeurStricte(mauvais).has_value()) << '"' << mauvais << '"';
}

TEST(Nombres, ArrondiAuPairEtEntier) {
    EXPECT_EQ(Arrondi(0.5), 0);
    EXPECT_EQ(Arrondi(1.5), 2);
    EXPECT_EQ(Arrondi(2.5), 2);
    EXPECT_EQ(Arrondi(-2.5), -2);
    EXPECT_EQ(Arrondi(2.5000001), 3);
    EXPECT_EQ(Entier(-0.5), -1);
    EXPECT_EQ(Entier(2.9), 2);
}

TEST(Nombres, RangementDansUnChamp) {
    EXPECT_EQ(VersEntier16(32767.4), 32767);
    EXPECT_EQ(VersEntier16(-32768.5), -32768);  // half to even stays in range
    EXPECT_THROW(VersEntier16(32767.5), std::range_error);
    EXPECT_THROW(VersEntier32(3e9), std::range_error);
    EXPECT_THROW(VersEntier32(NAN), std::range_error);
    EXPECT_EQ(Sature16(1e9), 32767);
    EXPECT_EQ(Sature16(-1e9), -32768);
    EXPECT_EQ(Sature32(NAN), 0);
    EXPECT_EQ(Sature32(2.5), 2);
}

TEST(Nombres, EcritureAllerRetour) {
    for (double x : {0.0, 1.0, -2.5, 0.1, 1234567.891, 1e-9, 12345678901234.0}) {
        auto relu = ValeurStricte(TexteNombre(x));
        ASSERT_TRUE(relu.has_value()) << TexteNombre(x);
        EXPECT_EQ(*relu, x);
        EXPECT_EQ(Val(TexteNombre(x)), x);
    }
    EXPECT_EQ(TexteNombreFrancais(2.5), "2,5");
    EXPECT_EQ(TexteNombreFrancais(1.0 / 3.0, 2), "0,33");
}
