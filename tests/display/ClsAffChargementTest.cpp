#include <gtest/gtest.h>

#include "display/ClsAffChargement.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/ImageBMP.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

namespace {

struct Chargement : ::testing::Test {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    DecodeurImageQt decodeur;
    std::unique_ptr<Graphique> dd;
    ClsAffChargement ecran;
    Surface back{200, 150};
    const Vue vue{200, 150, 0, 0};
    std::vector<std::string> bulles;

    void SetUp() override {
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        dd = std::make_unique<Graphique>(*dossier, decodeur);
        ecran.AfficherBulle = [this](std::int32_t, std::int32_t, std::string_view t, Surface&) {
            bulles.emplace_back(t);
        };
    }
    // A picture opaque at the top, transparent from row 40 down.
    void Image() {
        Surface image(200, 150);
        image.RemplirRectangle(0, 0, 200, 40, 0x406080);
        ASSERT_TRUE(EcrireBMP(image, d.Chemin() / "Images" / "Fenetres" / "Chargement200.bmp"));
    }
    int LargeurBarre() const {
        int l = 0;
        while (l < 200 && back.Pixel(l, 140) != 0) ++l;
        return l;
    }
};

}  // namespace

TEST_F(Chargement, SansImageRienNestDessine) {
    back.RemplirPixel565(0x1234);
    EXPECT_FALSE(ecran.Afficher_Image_Chargement(*dd, 0, "Création du terrain : 05 %", back, vue, 200, 150, nullptr, 0, 0));
    for (auto p : back.Pixels()) ASSERT_EQ(p, 0x1234);
    EXPECT_TRUE(bulles.empty());
}

TEST_F(Chargement, BarreEtImage) {
    Image();
    EXPECT_TRUE(ecran.Afficher_Image_Chargement(*dd, 0, "début", back, vue, 200, 150, nullptr, 10, 10));
    EXPECT_EQ(LargeurBarre(), 0);
    EXPECT_EQ(back.Pixel(10, 10), Surface::Couleur565(0x406080));
    struct Cas { std::int16_t pourcent; int largeur; std::uint32_t couleur; };
    const Cas cas[] = {{50, 100, 0x7C83}, {100, 200, 0xF906}, {33, 66, 0x522E}, {150, 200, 0xF906}};
    for (const auto& c : cas) {
        back.RemplirPixel565(0x1234);
        ASSERT_TRUE(ecran.Afficher_Image_Chargement(*dd, c.pourcent, "suite", back, vue, 200, 150, nullptr, 0, 0));
        EXPECT_EQ(ClsAffChargement::CouleurBarre(std::min<std::int16_t>(c.pourcent, 100)), c.couleur);
        EXPECT_EQ(LargeurBarre(), c.largeur) << c.pourcent;
        EXPECT_EQ(back.Pixel(0, 140), Surface::Couleur565(c.couleur));
        EXPECT_EQ(back.Pixel(0, 150 - 101), Surface::Couleur565(c.couleur)) << "a band 101 pixels high";
        EXPECT_EQ(back.Pixel(0, 150 - 102), 0);
        EXPECT_EQ(back.Pixel(0, 39), Surface::Couleur565(0x406080));
        EXPECT_EQ(back.Pixel(199, 2), Surface::Couleur565(0x406080)) << "the picture stays loaded";
    }
    EXPECT_EQ(bulles.size(), 5u);
    EXPECT_EQ(bulles.back(), "suite");
}

TEST_F(Chargement, PremierAppelSansZero) {
    // The picture is loaded only at 0 %: a sequence that starts later draws
    // the bar and the text without it.
    Image();
    back.RemplirPixel565(0x1234);
    EXPECT_TRUE(ecran.Afficher_Image_Chargement(*dd, 40, "x", back, vue, 200, 150, nullptr, 0, 0));
    EXPECT_EQ(LargeurBarre(), 80);
    EXPECT_EQ(back.Pixel(10, 10), 0);
    EXPECT_EQ(bulles.size(), 1u);
    // After a game the picture is forgotten.
    ecran.Afficher_Image_Chargement(*dd, 0, "x", back, vue, 200, 150, nullptr, 0, 0);
    ecran.Liberer();
    ecran.Afficher_Image_Chargement(*dd, 40, "x", back, vue, 200, 150, nullptr, 0, 0);
    EXPECT_EQ(back.Pixel(10, 10), 0);
}
