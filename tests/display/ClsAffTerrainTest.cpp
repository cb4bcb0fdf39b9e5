#include <gtest/gtest.h>

#include <memory>

#include "display/ClsAffTerrain.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"
#include "world/ClsJeuMonde.h"

namespace {

// Terrain types 0..3, type 1 animated over 3 frames.
const char* Terrain =
    "[Terrains]\nTerrainOptimise=1\nLargeurCase=32\nHauteurCase=32\nTerrainAnime=1\nNombreEtapesAnimation=3\n"
    "NombreTypesTerrains=3\n"
    "[Terrain_0]\nNom=Prairie\n[Terrain_1]\nNom=Eau\nAnimation=1\n[Terrain_2]\nNom=Forêt\n[Terrain_3]\nNom=Route\n"
    "[Mondes]\nNombreTypesMondes=1\n[Monde_1]\nNom=Test\n";

// A sheet whose pixels are all distinct, never black.
Surface FeuilleDistincte(int l, int h) {
    Surface s(l, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) s.DefinirPixel(x, y, static_cast<std::uint16_t>(1 + ((x * 7 + y * 131) % 65000)));
    return s;
}

struct Terrains : ::testing::Test {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ClsJeuMonde> monde;
    ClsAffTerrain aff;

    void SetUp() override {
        d.Ecrire("Ini_Terrain.ini", Terrain);
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        monde = std::make_unique<ClsJeuMonde>(*dossier);
    }
    // A map of w x h cells of size l x hc, every type and appearance used.
    void Carte(int w, int h, int l = 32, int hc = 32) {
        monde->LargeurCase = static_cast<std::int16_t>(l);
        monde->HauteurCase = static_cast<std::int16_t>(hc);
        monde->LargeurCarte = w;
        monde->HauteurCarte = h;
        monde->Creer_Grilles();
        for (int i = 0; i < w * h; ++i) {
            monde->Param_TerrainCategorie(i, static_cast<std::int16_t>((i * 7 / 5) % 4));
            monde->Param_TerrainApparence(i, static_cast<std::int16_t>((i * 3) % 16));
        }
        aff.LargeurCase = l;
        aff.HauteurCase = hc;
        aff.Charger(FeuilleDistincte(16 * l, ClsAffTerrain::NombreLignesFeuille(*monde) * hc));
    }
};

}  // namespace

TEST_F(Terrains, LignesDeLaFeuille) {
    // Each type its row, the animated one a row per frame, later types below.
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 0, 2), 0);
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 1, 0), 1);
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 1, 2), 3);
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 1, 7), 3) << "frame kept within the type's rows";
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 2, 1), 4);
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 3, 0), 5);
    EXPECT_EQ(ClsAffTerrain::LigneFeuille(*monde, 4, 0), -1);
    EXPECT_EQ(ClsAffTerrain::NombreLignesFeuille(*monde), 6);
}

TEST_F(Terrains, Animation) {
    auto suite = [&](int n, int vitesse, int ticks) {
        monde->NombreEtapesAnimation = static_cast<std::int16_t>(n);
        ClsAffTerrain a;
        std::vector<int> etapes;
        for (int t = 0; t < ticks; ++t) {
            a.Animation_Suivante(*monde, vitesse);
            etapes.push_back(a.EtapeTerrain());
        }
        return etapes;
    };
    EXPECT_EQ(suite(4, 0, 8), (std::vector<int>{1, 2, 3, 2, 1, 0, 1, 2}));
    EXPECT_EQ(suite(2, 1, 8), (std::vector<int>{0, 1, 1, 0, 0, 1, 1, 0})) << "once every speed + 1 ticks";
    EXPECT_EQ(suite(1, 0, 4), (std::vector<int>{0, 0, 0, 0})) << "one frame never moves";
    EXPECT_EQ(suite(0, 0, 3), (std::vector<int>{0, 0, 0}));
    monde->TerrainAnime = false;
    EXPECT_EQ(suite(4, 0, 3), (std::vector<int>{0, 0, 0}));
}

TEST_F(Terrains, DefilementDeDixPixels) {
    Carte(10, 10);
    Surface back(100, 100);
    aff.AfficheFast(0, 0, 10, 0, 100, 100, back, Vue{100, 100, 0, 0}, *monde);
    // Cell 0 (type 0, appearance 0) loses its 10 leftmost columns and
    // starts at the view's left edge.
    Surface attendu(100, 100);
    aff.Afficher(-10, 0, 0, 0, attendu);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 22; ++x) ASSERT_EQ(back.Pixel(x, y), attendu.Pixel(x, y));
}

TEST_F(Terrains, CasesDe32Sur16) {
    Carte(20, 30, 32, 16);
    for (int dx : {0, 5, 31, 37}) {
        for (int dy : {0, 7, 16, 23}) {
            Surface back(120, 90);
            aff.AfficheFast(0, 0, dx, dy, 120, 90, back, Vue{120, 90, 0, 0}, *monde);
            // The pixel at (x, y) of the view is pixel (dx + x, dy + y) of
            // the map: cell (col, row) of the map at its offset in the tile.
            for (int y = 0; y < 90; y += 13)
                for (int x = 0; x < 120; x += 11) {
                    const int mx = dx + x, my = dy + y;
                    const int i = (my / 16) * 20 + mx / 32;
                    const int ligne = ClsAffTerrain::LigneFeuille(*monde, monde->Param_TerrainCategorie(i), 0);
                    Surface tuile(32, 16);
                    aff.Afficher(0, 0, monde->Param_TerrainApparence(i), ligne, tuile);
                    ASSERT_EQ(back.Pixel(x, y), tuile.Pixel(mx % 32, my % 16)) << dx << "," << dy << " " << x << "," << y;
                }
        }
    }
}

TEST_F(Terrains, BlocsEtTuilesDonnentLesMemesPixels) {
    Carte(40, 30);  // 1280 x 960: 3 x 2 blocks, the last ones partly empty
    for (int etape : {0, 2}) {
        while (aff.EtapeTerrain() != etape) aff.Animation_Suivante(*monde, 0);
        ASSERT_TRUE(aff.Modeliser_Carte(*monde));
        EXPECT_EQ(aff.NombreBlocs(), 3u * 2u * 3u);
        struct Cas { Vue vue; int ox, dx, dy, lz, hz; };
        const Cas cas[] = {
            {{800, 600, 0, 0}, 0, 0, 0, 800, 600},
            {{800, 600, 0, 0}, 0, 480, 360, 800, 600},     // against the map's far corner
            {{800, 600, 0, 0}, 0, 17, 503, 800, 600},
            {{800, 600, 0, 0}, 0, 511, 513, 800, 600},
            {{800, 600, 0, 0}, 0, -150, -40, 800, 600},    // map smaller than the view
            {{800, 600, 0, 0}, 0, 1000, 900, 800, 600},    // scrolled past the edges
            {{400, 600, 0, 0}, 0, 300, 100, 400, 600},     // left half of a split view
            {{800, 600, 400, 0}, 400, 1, 2, 400, 600},     // right half: LargeurVue is the right limit
        };
        for (const auto& c : cas) {
            Surface tuiles(800, 600), blocs(800, 600);
            tuiles.RemplirPixel565(0xFFFF);
            blocs.RemplirPixel565(0xFFFF);
            aff.AfficheFast(c.ox, 0, c.dx, c.dy, c.lz, c.hz, tuiles, c.vue, *monde);
            aff.AfficheVeryFast(c.ox, 0, c.dx, c.dy, c.lz, c.hz, blocs, c.vue, *monde);
            ASSERT_EQ(tuiles.Pixels(), blocs.Pixels()) << "frame " << etape << " scroll " << c.dx << "," << c.dy;
        }
    }
}

TEST_F(Terrains, LaVueEntiereEstCouverte) {
    // A view whose height is not a whole number of blocks or tiles: the
    // bottom band is drawn too.
    Carte(60, 60);
    ASSERT_TRUE(aff.Modeliser_Carte(*monde));
    for (int dy : {0, 300, 511}) {
        for (bool blocs : {false, true}) {
            Surface back(800, 600);
            const Vue vue{400, 600, 0, 0};
            if (blocs) aff.AfficheVeryFast(0, 0, 400, dy, 400, 600, back, vue, *monde);
            else aff.AfficheFast(0, 0, 400, dy, 400, 600, back, vue, *monde);
            for (int y = 0; y < 600; ++y)
                for (int x = 0; x < 800; ++x)
                    ASSERT_EQ(back.Pixel(x, y) != 0, x < 400) << blocs << " " << dy << " at " << x << "," << y;
        }
    }
}

TEST_F(Terrains, CarteRecouvrantPeuOuPasLaVue) {
    Carte(3, 2);  // 96 x 64
    Surface back(200, 100);
    back.RemplirPixel565(0xFFFF);
    aff.AfficheFast(0, 0, -52, -18, 200, 100, back, Vue{200, 100, 0, 0}, *monde);
    int carte = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            const bool dedans = x >= 52 && x < 52 + 96 && y >= 18 && y < 18 + 64;
            ASSERT_EQ(back.Pixel(x, y) != 0xFFFF, dedans) << x << "," << y;
            carte += dedans;
        }
    EXPECT_EQ(carte, 96 * 64);
}

TEST_F(Terrains, NombreDeBlocsEtProgression) {
    Carte(100, 80);
    monde->NombreEtapesAnimation = 4;
    aff.Charger(FeuilleDistincte(16 * 32, ClsAffTerrain::NombreLignesFeuille(*monde) * 32));
    std::vector<std::string> textes;
    ASSERT_TRUE(aff.Modeliser_Carte(*monde, [&](int p, const std::string& t) {
        EXPECT_EQ(p, 80);
        textes.push_back(t);
    }));
    EXPECT_EQ(aff.NombreBlocs(), 7u * 6u * 4u);
    ASSERT_EQ(textes.size(), 168u);
    EXPECT_EQ(textes.front(), "Optimisation de l'affichage 00 %");
    EXPECT_EQ(textes.back(), "Optimisation de l'affichage 99 %");

    Carte(120, 10);
    ASSERT_TRUE(aff.Modeliser_Carte(*monde));
    EXPECT_EQ(aff.NombreBlocs(), 8u * 1u * 4u);

    // Beyond the memory budget the map is drawn tile by tile.
    aff.BudgetBlocs = 10u * 512u * 512u * 2u;
    EXPECT_FALSE(aff.Modeliser_Carte(*monde));
    EXPECT_FALSE(aff.BlocsPrets());
    Surface back(100, 100);
    aff.AfficheVeryFast(0, 0, 0, 0, 100, 100, back, Vue{100, 100, 0, 0}, *monde);
    EXPECT_EQ(back.Pixel(50, 50), 0);
}

TEST_F(Terrains, TexteManquante) {
    DecodeurImageQt decodeur;
    Graphique dd(*dossier, decodeur);
    try {
        aff.Charger(dd, "Plaine");
        FAIL();
    } catch (const ErreurImage& e) {
        EXPECT_STREQ(e.what(), "Texture du terrain Plaine introuvable. Abandon.");
    }
}
