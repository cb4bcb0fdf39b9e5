// Coloured multi-line text: line breaks and colour marks.
#include <gtest/gtest.h>

#include "interface/ClsIntMessage.h"
#include "interface/ClsIntBouton.h"
#include "platform/Surface.h"

namespace {

constexpr std::uint32_t Base = 0x123456;
constexpr std::uint32_t R = ClsIntMessage::Rouge, B = ClsIntMessage::Bleu;

struct CasTexte {
    const char* texte;
    std::vector<LigneTexte> lignes;
};

class Decoupage : public ::testing::TestWithParam<CasTexte> {};

TEST_P(Decoupage, LignesEtCouleurs) {
    EXPECT_EQ(ClsIntMessage::Decouper(10, 20, GetParam().texte, Base), GetParam().lignes);
}

INSTANTIATE_TEST_SUITE_P(
    Textes, Decoupage,
    ::testing::Values(CasTexte{"", {}}, CasTexte{"simple", {{10, 20, "simple", Base}}},
                      CasTexte{"&rouge#normal", {{10, 20, "rouge", R}, {10, 36, "normal", Base}}},
                      CasTexte{"haut#$bleu", {{10, 20, "haut", Base}, {10, 36, "bleu", B}}},
                      // A carriage return breaks first, whatever "#" follow.
                      CasTexte{"a#b\rc", {{10, 20, "a#b", Base}, {10, 36, "c", Base}}},
                      CasTexte{"a\r\nb", {{10, 20, "a", Base}, {10, 36, "b", Base}}},
                      CasTexte{"a##b", {{10, 20, "a", Base}, {10, 36, "", Base}, {10, 52, "b", Base}}},
                      CasTexte{"&", {{10, 20, "", R}}}, CasTexte{"x&y", {{10, 20, "x&y", Base}}}));

TEST(ClsIntMessage, NombreDeLignes) {
    EXPECT_EQ(ClsIntMessage::Nombre_Lignes(""), 1);
    EXPECT_EQ(ClsIntMessage::Nombre_Lignes("a#b#c"), 3);
    EXPECT_EQ(ClsIntMessage::Nombre_Lignes("a\rb"), 1);
}

TEST(ClsIntMessage, LaPlumeGardeLaCouleurDeBase) {
    ClsIntMessage m;
    Surface s(8, 8);
    m.CouleurAvantPlan = 77;
    m.Afficher(0, 0, "&rouge", s);
    EXPECT_EQ(m.CouleurAvantPlan, 77u);
    m.Afficher(0, 0, "x", s, 99, true);
    EXPECT_EQ(m.CouleurAvantPlan, 99u);
}

TEST(ClsIntBouton, MesureDesBulles) {
    // The broken line counts its "#"; the widest line sets the width.
    const MesureInfoBulle m = ClsIntBouton::Mesurer("abc#de");
    EXPECT_EQ(m.Colonnes, 4);
    EXPECT_EQ(m.Lignes, 2);
    const MesureInfoBulle n = ClsIntBouton::Mesurer("a#bcdefg");
    EXPECT_EQ(n.Colonnes, 6);
    EXPECT_EQ(ClsIntBouton::Mesurer("été").Colonnes, 3);
}

TEST(ClsIntBouton, BulleGardeeDansLaVue) {
    StyleInfoBulle style;
    style.CouleurRectangleFond = 0xFFFFFF;
    style.BordureRectangleFond = 2;
    ClsIntBouton b(style);
    b.InfoBulle = "abcd";  // 28 x 16 pixels
    Surface s(100, 50);
    ClsIntMessage m;
    b.Afficher_Info_Bulle(95, 10, m, s, Vue{100, 50, 0, 0});
    // Box and margin end at the right edge: text from 70, box from 68.
    EXPECT_EQ(s.Pixel(99, 12), Surface::Couleur565(0));
    EXPECT_EQ(s.Pixel(97, 12), Surface::Couleur565(0xFFFFFF));
    EXPECT_EQ(s.Pixel(69, 12), Surface::Couleur565(0xFFFFFF));
    EXPECT_EQ(s.Pixel(67, 12), 0);
    // Nothing for an empty text unless forced.
    Surface t(100, 50);
    b.InfoBulle.clear();
    b.Afficher_Info_Bulle(0, 0, m, t, Vue{100, 50, 0, 0});
    EXPECT_EQ(t.Pixel(1, 1), 0);
    b.Afficher_Info_Bulle(0, 0, m, t, Vue{100, 50, 0, 0}, true);
    EXPECT_EQ(t.Pixel(0, 5), Surface::Couleur565(0xFFFFFF));
}

}  // namespace
