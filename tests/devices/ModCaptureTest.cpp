#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "devices/ModCapture.h"
#include "display/ClsAffTerrain.h"
#include "platform/DossierJeu.h"
#include "platform/PressePapiers.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"
#include "world/ClsJeuMonde.h"

namespace {

struct FauxPressePapiers : PressePapiers {
    Surface image;
    bool MettreImage(const Surface& s) override {
        image = s;
        return true;
    }
};

struct Captures : ::testing::Test {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ClsJeuMonde> monde;
    ClsAffTerrain terrain;
    DecodeurImageQt decodeur;

    void SetUp() override {
        d.CopierDonnees();
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        monde = std::make_unique<ClsJeuMonde>(*dossier);
        terrain.LargeurCase = monde->LargeurCase;
        terrain.HauteurCase = monde->HauteurCase;
        // Tiles of distinct pixels, none black.
        Surface feuille(16 * 32, ClsAffTerrain::NombreLignesFeuille(*monde) * 32);
        for (int y = 0; y < feuille.Hauteur(); ++y)
            for (int x = 0; x < feuille.Largeur(); ++x)
                feuille.DefinirPixel(x, y, static_cast<std::uint16_t>(0x0821 + ((x * 13 + y * 7) % 60000)));
        terrain.Charger(std::move(feuille));
    }
    void Carte(int w, int h) {
        monde->LargeurCarte = w;
        monde->HauteurCarte = h;
        monde->Creer_Grilles();
        for (int i = 0; i < w * h; ++i) {
            monde->Param_TerrainCategorie(i, static_cast<std::int16_t>(i % 5));
            monde->Param_TerrainApparence(i, static_cast<std::int16_t>((i / 3) % 16));
        }
    }
    // The whole map drawn at once, the reference for every tile.
    Surface CarteEntiere() {
        Surface s(monde->LargeurCarte * 32, monde->HauteurCarte * 32);
        terrain.AfficheFast(0, 0, 0, 0, s.Largeur(), s.Hauteur(), s, Vue{s.Largeur(), s.Hauteur(), 0, 0}, *monde);
        return s;
    }
    Surface Lire(int n) {
        auto s = decodeur.Decoder(d.Chemin() / NomCapture(n));
        return s ? *s : Surface();
    }
};

}  // namespace

TEST_F(Captures, UneSerieCouvreLaCarte) {
    Carte(50, 25);  // 1600 x 800: exactly two screens wide
    const Surface reference = CarteEntiere();
    Surface back(800, 600);
    std::int32_t vueX = -1, vueY = -1;
    std::vector<std::pair<int, int>> origines;
    int couches = 0;
    CoucheCapture c;
    c.DessinerCouches = [&](const Vue& v) {
        EXPECT_EQ(v.LargeurVue, 800);
        origines.emplace_back(vueX, vueY);
        ++couches;
    };
    ASSERT_EQ(GigaCapture(d.Chemin(), *monde, terrain, back, vueX, vueY, c), 6);
    // Column by column, top to bottom; the third column repeats the second.
    EXPECT_EQ(origines, (std::vector<std::pair<int, int>>{{0, 0}, {0, 200}, {800, 0}, {800, 200}, {800, 0}, {800, 200}}));
    EXPECT_EQ(std::make_pair(vueX, vueY), std::make_pair(800, 200)) << "the view stays on the last tile";
    std::vector<bool> couvert(1600 * 800, false);
    for (int n = 0; n < 6; ++n) {
        Surface image = Lire(n);
        ASSERT_EQ(image.Largeur(), 800) << n;
        ASSERT_EQ(image.Hauteur(), 600);
        auto [ox, oy] = origines[static_cast<std::size_t>(n)];
        for (int y = 0; y < 600; ++y)
            for (int x = 0; x < 800; ++x) {
                ASSERT_EQ(image.Pixel(x, y), reference.Pixel(ox + x, oy + y)) << n << " " << x << "," << y;
                couvert[static_cast<std::size_t>((oy + y) * 1600 + ox + x)] = true;
            }
    }
    EXPECT_EQ(std::count(couvert.begin(), couvert.end(), false), 0);
    EXPECT_FALSE(std::filesystem::exists(d.Chemin() / "Capture006.bmp"));

    // A map narrower than the screen: one tile at a negative origin, black
    // beyond the map. It overwrites the first file and leaves the others.
    Carte(20, 15);
    const Surface petite = CarteEntiere();
    origines.clear();
    ASSERT_EQ(GigaCapture(d.Chemin(), *monde, terrain, back, vueX, vueY, c), 1);
    EXPECT_EQ(origines, (std::vector<std::pair<int, int>>{{-160, -120}}));
    Surface image = Lire(0);
    EXPECT_EQ(image.Pixel(0, 0), 0);
    EXPECT_EQ(image.Pixel(160, 120), petite.Pixel(0, 0));
    EXPECT_EQ(image.Pixel(160 + 639, 120 + 479), petite.Pixel(639, 479));
    EXPECT_EQ(image.Pixel(160 + 640, 120), 0);
    EXPECT_TRUE(std::filesystem::exists(d.Chemin() / "Capture005.bmp"));
}

TEST_F(Captures, BlocsPrecalcules) {
    Carte(30, 30);
    ASSERT_TRUE(monde->TerrainOptimise);
    ASSERT_TRUE(terrain.Modeliser_Carte(*monde));
    Surface back(400, 300);
    std::int32_t vueX = 0, vueY = 0;
    FauxPressePapiers pp;
    CoucheCapture c;
    c.VersPressePapiers = &pp;
    ASSERT_EQ(GigaCapture(d.Chemin(), *monde, terrain, back, vueX, vueY, c), 12);
    const Surface reference = CarteEntiere();
    Surface image = Lire(11);
    ASSERT_FALSE(image.Vide());
    // Each tile went through the clipboard: the last one is there.
    EXPECT_EQ(pp.image.Pixels(), image.Pixels());
    for (int y = 0; y < 300; y += 7)
        for (int x = 0; x < 400; x += 7) ASSERT_EQ(image.Pixel(x, y), reference.Pixel(560 + x, 660 + y));
}

TEST_F(Captures, DossierIllisibleEtEcranVide) {
    Carte(10, 10);
    Surface back(100, 100);
    std::int32_t vueX = 0, vueY = 0;
    // A game folder that is a file: the first write fails and the capture
    // stops there.
    d.Ecrire("bloque", "x");
    EXPECT_EQ(GigaCapture(d.Chemin() / "bloque", *monde, terrain, back, vueX, vueY, {}), 0);
    Surface vide;
    EXPECT_EQ(GigaCapture(d.Chemin(), *monde, terrain, vide, vueX, vueY, {}), 0);
}

TEST(CopierEcranPressePapiers, CopieDuTamponArriere) {
    FauxPressePapiers pp;
    Surface back(4, 3);
    back.Remplir(0x102030);
    EXPECT_TRUE(CopierEcranPressePapiers(back, pp));
    EXPECT_EQ(pp.image.Pixels(), back.Pixels());
    EXPECT_FALSE(CopierEcranPressePapiers(Surface(), pp));
}
