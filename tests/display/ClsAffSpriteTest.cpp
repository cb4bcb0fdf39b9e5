#include <gtest/gtest.h>

#include "display/ClsAffSprite.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

namespace {

// A 32 x 32 sheet whose pixels are all distinct and never black, except a
// black column at x = 5.
Surface Feuille() {
    Surface s(64, 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) s.DefinirPixel(x, y, x == 5 ? 0 : static_cast<std::uint16_t>(0x8000 | (x + 64 * y)));
    return s;
}

// Where the sheet pixel (sx, sy) landed on the back buffer, or (-1, -1).
std::pair<int, int> Position(const Surface& back, int sx, int sy) {
    const std::uint16_t v = static_cast<std::uint16_t>(0x8000 | (sx + 64 * sy));
    for (int y = 0; y < back.Hauteur(); ++y)
        for (int x = 0; x < back.Largeur(); ++x)
            if (back.Pixel(x, y) == v) return {x, y};
    return {-1, -1};
}

int PixelsEcrits(const Surface& back) {
    int n = 0;
    for (auto p : back.Pixels()) n += p != 0x1111;
    return n;
}

Surface Fond() {
    Surface back(200, 100);
    back.RemplirPixel565(0x1111);
    return back;
}

}  // namespace

TEST(ClsAffSprite, DessinOpaqueDecoupeALaVue) {
    struct Cas {
        const char* nom;
        Vue vue;
        int X, Y;
        Rectangle cellule;
        std::int16_t ajX, ajY;
        int ecrits;                     // back-buffer pixels changed
        int sx, sy, dx, dy;             // sheet pixel (sx, sy) lands at (dx, dy); dx -1: absent
    };
    const Vue vue{100, 100, 0, 0};
    const Vue droite{100, 100, 100, 0};  // second view of a split screen
    const Cas cas[] = {
        {"entier", vue, 10, 20, {0, 0, 32, 32}, 0, 0, 31 * 32, 0, 0, 10, 20},
        {"X = -5 perd 5 colonnes", vue, -5, 0, {0, 0, 32, 32}, 0, 0, 26 * 32, 6, 0, 1, 0},
        {"coupe au bord droit", vue, 90, 0, {0, 0, 32, 32}, 0, 0, 9 * 32, 0, 0, 90, 0},
        {"coupe en bas", vue, 0, 80, {0, 0, 32, 32}, 0, 0, 31 * 20, 0, 19, 0, 99},
        {"hors de la vue", vue, 100, 0, {0, 0, 32, 32}, 0, 0, 0, 0, 0, -1, 0},
        {"vue de droite", droite, 10, 20, {0, 0, 32, 32}, 0, 0, 31 * 32, 0, 0, 110, 20},
        {"vue de droite coupee", droite, 90, 0, {0, 0, 32, 32}, 0, 0, 9 * 32, 0, 0, 190, 0},
        {"cellule hors feuille", vue, 0, 0, {64, 0, 96, 32}, 0, 0, 0, 0, 0, -1, 0},
        {"cellule inversee", vue, 0, 0, {32, 0, 0, 32}, 0, 0, 0, 0, 0, -1, 0},
        // A positive offset moves the picture and cuts as much off its far
        // side (a character wading); a negative one cuts its near side.
        {"decalage vers le bas", vue, 10, 10, {0, 0, 32, 32}, 0, 8, 31 * 24, 0, 0, 10, 18},
        {"decalage vers le haut", vue, 10, 10, {32, 0, 64, 32}, 0, -2, 32 * 30, 32, 2, 10, 8},
        {"decalage hors de la vue", vue, 0, 10, {32, 0, 64, 32}, -3, 0, 32 * 26, 38, 0, 0, 10},
    };
    ClsAffSprite sprite;
    sprite.Charger(Feuille());
    for (const auto& c : cas) {
        Surface back = Fond();
        sprite.Selection(c.cellule.Haut, c.cellule.Bas, c.cellule.Gauche, c.cellule.Droite);
        sprite.Afficher(c.X, c.Y, back, c.vue, true, false, c.ajX, c.ajY);
        EXPECT_EQ(PixelsEcrits(back), c.ecrits) << c.nom;
        auto [x, y] = Position(back, c.sx, c.sy);
        if (c.dx < 0) EXPECT_EQ(x, -1) << c.nom;
        else EXPECT_EQ(std::make_pair(x, y), std::make_pair(c.dx, c.dy)) << c.nom;
    }
}

TEST(ClsAffSprite, DessinTranslucide) {
    ClsAffSprite sprite;
    sprite.Charger(Feuille());
    const Vue vue{100, 100, 0, 0};
    const Vue droite{100, 100, 100, 0};
    // A 32 x 32 cell touches exactly its 32 x 32 pixels, less the black
    // column, which leaves the back buffer as it was.
    Surface back = Fond();
    sprite.Selection(0, 32, 0, 32);
    sprite.Afficher(10, 20, back, vue, true, true);
    EXPECT_EQ(PixelsEcrits(back), 31 * 32);
    EXPECT_EQ(back.Pixel(15, 20), 0x1111);
    EXPECT_EQ(back.Pixel(10, 20), Melange565(0x1111, 0x8000));
    EXPECT_EQ(sprite.RectSource, (Rectangle{0, 0, 32, 32})) << "the translucent draw keeps its rectangle";

    // Both modes draw at the same place, in either view, cut the same way.
    for (const Vue& v : {vue, droite}) {
        for (int X : {-7, 10, 85}) {
            Surface opaque = Fond(), translucide = Fond();
            sprite.Selection(0, 32, 32, 64);
            sprite.Afficher(X, 3, opaque, v, true, false);
            sprite.Selection(0, 32, 32, 64);
            sprite.Afficher(X, 3, translucide, v, true, true);
            for (int y = 0; y < 100; ++y)
                for (int x = 0; x < 200; ++x)
                    ASSERT_EQ(opaque.Pixel(x, y) != 0x1111, translucide.Pixel(x, y) != 0x1111)
                        << "X " << X << " at " << x << "," << y;
        }
    }

    // White over black: the blend's own rounding, channel by channel.
    Surface blanc(4, 4);
    blanc.Remplir(0xFFFFFF);
    ClsAffSprite s2;
    s2.Charger(blanc);
    Surface noir(4, 4);
    s2.Selection(0, 4, 0, 4);
    s2.Afficher(0, 0, noir, Vue{4, 4, 0, 0}, true, true);
    EXPECT_EQ(noir.Pixel(2, 2), (16 << 11) | (32 << 5) | 16);
    // A rectangle reaching outside the picture or the back buffer reads
    // and writes only what exists.
    Surface petit(8, 8);
    s2.Selection(-2, 8, -2, 8);
    s2.Afficher(3, 3, petit, Vue{10, 10, 0, 0}, true, true);
    int touches = 0;
    for (auto p : petit.Pixels()) touches += p != 0;
    EXPECT_EQ(touches, 9);  // sheet pixels 0..3 land from (5, 5), cut at 8: 3 x 3
}

TEST(ClsAffSprite, ImageManquante) {
    DossierTemporaire d;
    DossierJeu dossier(d.Chemin());
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur);
    ClsAffSprite sprite;
    try {
        sprite.Charger(dd, "Persos\\Absent");
        FAIL() << "no error";
    } catch (const ErreurImage& e) {
        const std::string m = e.what();
        EXPECT_EQ(m.rfind("Le fichier image :\n", 0), 0u) << m;
        EXPECT_NE(m.find("Absent.bmp\nne peux être chargé."), std::string::npos) << m;
    }
    EXPECT_FALSE(sprite.Charge());
    // Drawing a sprite that never loaded draws nothing.
    Surface back = Fond();
    sprite.Selection(0, 10, 0, 10);
    sprite.Afficher(0, 0, back, Vue{100, 100, 0, 0});
    EXPECT_EQ(PixelsEcrits(back), 0);
    // A file that is not a picture is no better.
    d.Ecrire("Images/Casse.bmp", "BM pas une image");
    EXPECT_THROW(sprite.Charger(dd, "Casse"), ErreurImage);
}
