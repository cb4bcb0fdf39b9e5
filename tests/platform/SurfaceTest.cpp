#include <gtest/gtest.h>

#include "platform/CacheGlyphes.h"
#include "platform/Surface.h"

namespace {

// A source whose every pixel is distinct and not black: 1 + x + 100 y.
Surface Motif(int l, int h) {
    Surface s(l, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) s.DefinirPixel(x, y, static_cast<std::uint16_t>(1 + x + 100 * y));
    return s;
}

int Comptage(const Surface& s, std::uint16_t v) {
    int n = 0;
    for (auto p : s.Pixels()) n += p == v;
    return n;
}

}  // namespace

TEST(Surface, CouleursDuJeuVers565) {
    struct Cas { std::uint32_t bgr; std::uint16_t attendu; };
    const Cas cas[] = {
        {0x000000, 0x0000}, {0xFFFFFF, 0xFFFF}, {0x0000FF, 0xF800},  // red is the low byte
        {0x00FF00, 0x07E0}, {0xFF0000, 0x001F}, {0x070307, 0x0000},  // too dark: black, transparent
        {0x080408, 0x0821}, {0x7C83 & 0xFFFFFF, (0x83 >> 3) << 11 | (0x7C >> 2) << 5},
    };
    for (const auto& c : cas) EXPECT_EQ(Surface::Couleur565(c.bgr), c.attendu) << std::hex << c.bgr;
    for (std::uint32_t p : {0x0000u, 0x0821u, 0xF800u, 0x07E0u, 0x001Fu, 0xFFFFu, 0x1234u})
        EXPECT_EQ(Surface::Couleur565(Surface::CouleurBGR(static_cast<std::uint16_t>(p))), p);
}

TEST(Surface, CopieDecoupee) {
    const Surface source = Motif(10, 6);
    struct Cas {
        const char* nom;
        int x, y;
        Rectangle rect;
        int pixelsAttendus;             // pixels written
        int premierX, premierY;         // destination of the first pixel written, -1 none
        std::uint16_t premierAttendu;   // its value
    };
    const Cas cas[] = {
        {"entier", 2, 3, {0, 0, 10, 6}, 60, 2, 3, 1},
        {"vide", 2, 3, {4, 2, 4, 5}, 0, -1, -1, 0},
        {"inverse", 2, 3, {6, 2, 3, 5}, 0, -1, -1, 0},
        {"hors de la feuille", 0, 0, {10, 0, 20, 6}, 0, -1, -1, 0},
        {"sous la feuille", 0, 0, {0, 6, 10, 12}, 0, -1, -1, 0},
        {"a cheval sur la feuille", 0, 0, {8, 0, 12, 1}, 2, 0, 0, 9},
        {"gauche negative", 0, 0, {-3, 0, 2, 1}, 2, 3, 0, 1},
        {"destination a gauche", -4, 0, {0, 0, 10, 1}, 6, 0, 0, 5},
        {"destination en bas", 0, 18, {0, 0, 10, 6}, 20, 0, 18, 1},
        {"destination dehors", 40, 0, {0, 0, 10, 6}, 0, -1, -1, 0},
    };
    for (const auto& c : cas) {
        Surface d(30, 20);
        d.Copier(c.x, c.y, source, c.rect, true);
        int ecrits = static_cast<int>(d.Pixels().size()) - Comptage(d, 0);
        EXPECT_EQ(ecrits, c.pixelsAttendus) << c.nom;
        if (c.premierX >= 0) {
            EXPECT_EQ(d.Pixel(c.premierX, c.premierY), c.premierAttendu) << c.nom;
        }
    }
}

TEST(Surface, CleDeCouleurEtLimite) {
    Surface source(3, 1);
    source.DefinirPixel(0, 0, 7);
    source.DefinirPixel(2, 0, 9);  // pixel 1 is black
    Surface d(4, 1);
    d.RemplirPixel565(5);
    d.Copier(0, 0, source, source.Bornes(), true);
    EXPECT_EQ(d.Pixels(), (std::vector<std::uint16_t>{7, 5, 9, 5}));
    d.Copier(1, 0, source, source.Bornes(), false);
    EXPECT_EQ(d.Pixels(), (std::vector<std::uint16_t>{7, 7, 0, 9}));
    // A limit keeps the copy inside a view.
    d.RemplirPixel565(5);
    d.Copier(0, 0, source, source.Bornes(), false, {1, 0, 2, 1});
    EXPECT_EQ(d.Pixels(), (std::vector<std::uint16_t>{5, 0, 5, 5}));
}

TEST(Surface, MelangeMoitieParCanal) {
    // The mean of each channel, ties to even.
    struct Cas { std::uint16_t d, s, attendu; };
    const Cas cas[] = {
        // White over black: red 15.5 -> 16, green 31.5 -> 32, blue 15.5 -> 16.
        {0x0000, 0xFFFF, (16 << 11) | (32 << 5) | 16},
        {0xFFFF, 0x0000, (16 << 11) | (32 << 5) | 16},
        {0x1800, 0x0000, 0x1000},  // red 3 / 2 = 1.5 -> 2
        {0x0840, 0x0000, 0x0020},  // red 0.5 -> 0, green 2 -> 1
        {0x0001, 0x0000, 0x0000},  // blue 0.5 goes to 0
        {0x0003, 0x0000, 0x0002},  // 1.5 goes to 2
        {0x0005, 0x0000, 0x0002},  // 2.5 goes to 2
        {0x001F, 0x001F, 0x001F},
        {0xF800, 0x0800, 0x8000},  // red (31 + 1) / 2 = 16
        {0x07E0, 0x0020, 0x0400},  // green (63 + 1) / 2 = 32
        {0x0800, 0x0000, 0x0000},  // red 0.5 -> 0
    };
    for (const auto& c : cas) EXPECT_EQ(Melange565(c.d, c.s), c.attendu) << std::hex << c.d << " " << c.s;
}

TEST(Surface, BoitesEtRemplissages) {
    Surface s(10, 8);
    s.Boite(1, 1, 5, 4, 0xFFFFFF, 0x0000FF);
    const std::uint16_t blanc = 0xFFFF, rouge = 0xF800;
    EXPECT_EQ(s.Pixel(1, 1), blanc);
    EXPECT_EQ(s.Pixel(4, 3), blanc);  // right and bottom edges excluded from the box
    EXPECT_EQ(s.Pixel(5, 3), 0);
    EXPECT_EQ(s.Pixel(2, 2), rouge);
    EXPECT_EQ(Comptage(s, blanc), 10);
    EXPECT_EQ(Comptage(s, rouge), 2);

    Surface r(20, 20);
    r.BoiteArrondie(0, 0, 20, 20, 6, 6, 0xFFFFFF, 0x0000FF);
    EXPECT_EQ(r.Pixel(0, 0), 0) << "rounded corner";
    EXPECT_EQ(r.Pixel(19, 19), 0);
    EXPECT_EQ(r.Pixel(10, 0), blanc);
    EXPECT_EQ(r.Pixel(0, 10), blanc);
    EXPECT_EQ(r.Pixel(10, 10), rouge);
    // The outline is closed: every row has an outline pixel on each side.
    for (int y = 0; y < 20; ++y) {
        int gauche = 0;
        while (gauche < 20 && r.Pixel(gauche, y) == 0) ++gauche;
        ASSERT_LT(gauche, 20);
        EXPECT_EQ(r.Pixel(gauche, y), blanc) << y;
        EXPECT_EQ(r.Pixel(19 - gauche, y), blanc) << y;
    }

    Surface h(16, 16);
    h.Hachurer(0, 0, 16, 16, 0xFFFFFF, Hachure::DiagonaleDescendante);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(h.Pixel(i, i), blanc);
    EXPECT_EQ(Comptage(h, blanc), 32);
    h.Hachurer(0, 0, 16, 16, 0x0000FF, Hachure::Horizontale);
    EXPECT_EQ(Comptage(h, rouge), 32);

    Surface vide(4, 4);
    vide.RemplirRectangle(3, 3, 1, 1, 0xFFFFFF);  // corners in either order
    EXPECT_EQ(Comptage(vide, blanc), 4);
}

TEST(Surface, Lignes) {
    Surface s(10, 10);
    s.Ligne(0, 0, 9, 9, 0xFFFFFF);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(s.Pixel(i, i), 0xFFFF);
    EXPECT_EQ(Comptage(s, 0xFFFF), 10);
    Surface t(10, 10);
    t.Ligne(-2000000000, 5, 2000000000, 5, 0xFFFFFF);  // cut to the surface, not walked
    EXPECT_EQ(Comptage(t, 0xFFFF), 10);
    t.Ligne(-50, -50, -10, -3, 0xFFFFFF);
    EXPECT_EQ(Comptage(t, 0xFFFF), 10);
}

TEST(Surface, TexteDepuisLeCache) {
    auto glyphes = std::make_shared<CacheGlyphes>();
    CacheGlyphes::Cellule a{}, q{};
    a[0] = 255;       // top-left pixel inked
    a[7 + 1] = 128;   // second row, half ink
    q[6] = 255;       // "?" inks its top-right pixel
    glyphes->Ajouter(U'a', a);
    glyphes->Ajouter(U'?', q);
    Surface s(30, 20);
    s.Texte(1, 2, "aé", 0xFFFFFF);  // "é" is not in this cache: "?"
    EXPECT_EQ(s.Pixel(1, 2), 0);  // no cache yet
    s.DefinirGlyphes(glyphes);
    s.Texte(1, 2, "aé", 0xFFFFFF);
    EXPECT_EQ(s.Pixel(1, 2), 0xFFFF);
    EXPECT_EQ(s.Pixel(2, 3), (15 << 11) | (31 << 5) | 15);  // half way to white, in 32 steps
    EXPECT_EQ(s.Pixel(1 + 7 + 6, 2), 0xFFFF);
    EXPECT_EQ(Comptage(s, 0), 30 * 20 - 3);
}

TEST(Surface, LectureUtf8) {
    const std::string texte = "aé€\xff";
    std::size_t i = 0;
    std::vector<char32_t> lus;
    while (i < texte.size()) lus.push_back(LireCaractereUtf8(texte, i));
    EXPECT_EQ(lus, (std::vector<char32_t>{U'a', U'é', U'€', 0xFF}));
}
