// A picture in memory: 16-bit RGB 5-6-5 pixels, black (0) as the only
// transparent colour. Every drawing of the game ends here: clipped blits of
// a sheet's cell, fills, boxes, lines and text. Plain C++, no window system:
// the simulation library draws headless, and the platform layer only loads
// pictures into surfaces and shows the back buffer.
#pragma once

#include <bit>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class CacheGlyphes;

// A rectangle with exclusive right and bottom edges, as the game writes its
// source rectangles (left, top, right, bottom).
struct Rectangle {
    std::int32_t Gauche = 0;
    std::int32_t Haut = 0;
    std::int32_t Droite = 0;
    std::int32_t Bas = 0;

    bool Vide() const { return Droite <= Gauche || Bas <= Haut; }
    std::int32_t Largeur() const { return Droite - Gauche; }
    std::int32_t Hauteur() const { return Bas - Haut; }
    bool operator==(const Rectangle&) const = default;
};

// The hatch patterns of a box fill, in the order the game numbers its fill
// styles after "solid" and "transparent".
enum class Hachure : std::uint8_t {
    Horizontale,
    Verticale,
    DiagonaleDescendante,  // "\\\\"
    DiagonaleMontante,     // "////"
    Croix,
    CroixDiagonale,
};

class Surface {
public:
    Surface() = default;
    // A black surface; sizes below 0 count as 0.
    Surface(std::int32_t largeur, std::int32_t hauteur);

    std::int32_t Largeur() const { return largeur_; }
    std::int32_t Hauteur() const { return hauteur_; }
    bool Vide() const { return largeur_ == 0 || hauteur_ == 0; }
    Rectangle Bornes() const { return {0, 0, largeur_, hauteur_}; }

    std::uint16_t* Rangee(std::int32_t y) { return pixels_.data() + static_cast<std::size_t>(y) * largeur_; }
    const std::uint16_t* Rangee(std::int32_t y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * largeur_;
    }
    // Unchecked access; callers stay inside Bornes().
    std::uint16_t Pixel(std::int32_t x, std::int32_t y) const { return Rangee(y)[x]; }
    void DefinirPixel(std::int32_t x, std::int32_t y, std::uint16_t v) { Rangee(y)[x] = v; }
    const std::vector<std::uint16_t>& Pixels() const { return pixels_; }
    std::vector<std::uint16_t>& Pixels() { return pixels_; }

    // Colours of the game's calls are 0x00BBGGRR; each channel keeps its
    // high bits, as a 16-bit display mode does.
    static std::uint16_t Couleur565(std::uint32_t bbggrr);
    // Back to 0x00BBGGRR, the low bits filled from the high ones.
    static std::uint32_t CouleurBGR(std::uint16_t pixel);

    // Copies rect of source to (x, y). Nothing is drawn for an empty or
    // inverted rectangle; a rectangle reaching outside the source or a
    // destination outside this surface is cut to what exists. With the
    // colour key, black source pixels leave the destination unchanged.
    void Copier(std::int32_t x, std::int32_t y, const Surface& source, Rectangle rect, bool cleCouleur);
    // The same, never drawing outside limite (a view on this surface).
    void Copier(std::int32_t x, std::int32_t y, const Surface& source, Rectangle rect, bool cleCouleur,
                const Rectangle& limite);

    void Remplir(std::uint32_t bbggrr);
    void RemplirPixel565(std::uint16_t pixel);
    // Fills the rectangle from (x1, y1) to (x2, y2), right and bottom
    // excluded, cut to the surface.
    void RemplirRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t bbggrr);
    // A box drawn as the game draws boxes: a one-pixel outline in the
    // outline colour on the rectangle's inner edge, and the inside filled
    // when a fill colour is given (negative: left as it is).
    void Boite(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t contour,
               std::int64_t remplissage = -1);
    // A box with rounded corners of the given radii.
    void BoiteArrondie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t rayonX,
                       std::int32_t rayonY, std::uint32_t contour, std::int64_t remplissage = -1);
    // The inside of the rectangle hatched in one colour on an 8 x 8 pattern
    // anchored at the surface's origin (so neighbouring boxes line up); the
    // pixels between the hatch lines are left as they are.
    void Hachurer(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t bbggrr,
                  Hachure motif);
    // A one-pixel line, both ends included.
    void Ligne(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t bbggrr);

    // One line of text, in cells of the glyph cache (7 x 16), its top-left
    // corner at (x, y), over a transparent background. Without a glyph
    // cache nothing is drawn.
    void Texte(std::int32_t x, std::int32_t y, std::string_view texte, std::uint32_t bbggrr);
    void DefinirGlyphes(std::shared_ptr<const CacheGlyphes> glyphes) { glyphes_ = std::move(glyphes); }
    const std::shared_ptr<const CacheGlyphes>& Glyphes() const { return glyphes_; }

private:
    void LigneHorizontale(std::int32_t x1, std::int32_t x2, std::int32_t y, std::uint16_t c);

    std::int32_t largeur_ = 0;
    std::int32_t hauteur_ = 0;
    std::vector<std::uint16_t> pixels_;
    std::shared_ptr<const CacheGlyphes> glyphes_;
};

// The three channel masks of the 5-6-5 format.
inline constexpr std::uint16_t MasqueRouge565 = 0xF800;
inline constexpr std::uint16_t MasqueVert565 = 0x07E0;
inline constexpr std::uint16_t MasqueBleu565 = 0x001F;

// One channel of the 50 % mix: the mean of the two channel values, ties to
// the even neighbour (white over black gives 16, 32, 16). Mixing the masked
// values in place instead would drop the low bit of red and green, and
// ghosts would drift towards blue.
inline std::uint16_t MelangeCanal(std::uint16_t d, std::uint16_t s, std::uint16_t masque) {
    const int decalage = std::countr_zero(masque);
    const std::uint32_t somme = static_cast<std::uint32_t>((d & masque) >> decalage) +
                                static_cast<std::uint32_t>((s & masque) >> decalage);
    std::uint32_t c = somme >> 1;
    if ((somme & 1u) && (c & 1u)) ++c;  // x.5 goes to the even neighbour
    return static_cast<std::uint16_t>((c << decalage) & masque);
}

inline std::uint16_t Melange565(std::uint16_t d, std::uint16_t s) {
    return static_cast<std::uint16_t>(MelangeCanal(d, s, MasqueRouge565) | MelangeCanal(d, s, MasqueVert565) |
                                      MelangeCanal(d, s, MasqueBleu565));
}
