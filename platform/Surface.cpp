#include "platform/Surface.h"

#include <bit>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/CacheGlyphes.h"

namespace {

// Intersection of a with b.
Rectangle Intersection(const Rectangle& a, const Rectangle& b) {
    return {std::max(a.Gauche, b.Gauche), std::max(a.Haut, b.Haut), std::min(a.Droite, b.Droite),
            std::min(a.Bas, b.Bas)};
}

// The 8 x 8 hatch patterns, one bit per pixel, bit 7 the leftmost.
constexpr std::uint8_t Motifs[6][8] = {
    {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},  // horizontal
    {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // descending diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // rising diagonal
    {0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0xFF},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

}  // namespace

Surface::Surface(std::int32_t largeur, std::int32_t hauteur)
    : largeur_(std::max(0, largeur)), hauteur_(std::max(0, hauteur)),
      pixels_(static_cast<std::size_t>(largeur_) * static_cast<std::size_t>(hauteur_), 0) {
    if (largeur_ == 0 || hauteur_ == 0) {
        largeur_ = hauteur_ = 0;
        pixels_.clear();
    }
}

std::uint16_t Surface::Couleur565(std::uint32_t bbggrr) {
    std::uint32_t r = bbggrr & 0xFF, g = (bbggrr >> 8) & 0xFF, b = (bbggrr >> 16) & 0xFF;
    return static_cast<std::uint16_t>(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}

std::uint32_t Surface::CouleurBGR(std::uint16_t p) {
    std::uint32_t r = (p >> 11) & 0x1F, g = (p >> 5) & 0x3F, b = p & 0x1F;
    r = (r << 3) | (r >> 2);
    g = (g << 2) | (g >> 4);
    b = (b << 3) | (b >> 2);
    return r | (g << 8) | (b << 16);
}

void Surface::Copier(std::int32_t x, std::int32_t y, const Surface& source, Rectangle rect, bool cleCouleur) {
    Copier(x, y, source, rect, cleCouleur, Bornes());
}

[[gnu::optimize("tree-vectorize")]] void Surface::Copier(std::int32_t x, std::int32_t y, const Surface& source,
                                                         Rectangle rect, bool cleCouleur,
                                                         const Rectangle& limiteDemandee) {
    if (rect.Vide()) return;
    // Cut the rectangle to the source, moving the destination with it.
    std::int64_t dx = x, dy = y;
    if (rect.Gauche < 0) { dx -= rect.Gauche; rect.Gauche = 0; }
    if (rect.Haut < 0) { dy -= rect.Haut; rect.Haut = 0; }
    rect.Droite = std::min(rect.Droite, source.largeur_);
    rect.Bas = std::min(rect.Bas, source.hauteur_);
    if (rect.Vide()) return;
    // Then to the destination's limits.
    Rectangle limite = Intersection(limiteDemandee, Bornes());
    if (limite.Vide()) return;
    std::int64_t gauche = std::max<std::int64_t>(dx, limite.Gauche);
    std::int64_t haut = std::max<std::int64_t>(dy, limite.Haut);
    std::int64_t droite = std::min<std::int64_t>(dx + rect.Largeur(), limite.Droite);
    std::int64_t bas = std::min<std::int64_t>(dy + rect.Hauteur(), limite.Bas);
    if (droite <= gauche || bas <= haut) return;
    const std::int32_t sx = rect.Gauche + static_cast<std::int32_t>(gauche - dx);
    const std::int32_t sy = rect.Haut + static_cast<std::int32_t>(haut - dy);
    const std::int32_t l = static_cast<std::int32_t>(droite - gauche);
    const std::int32_t h = static_cast<std::int32_t>(bas - haut);
    for (std::int32_t j = 0; j < h; ++j) {
        const std::uint16_t* s = source.Rangee(sy + j) + sx;
        std::uint16_t* d = Rangee(static_cast<std::int32_t>(haut) + j) + gauche;
        if (!cleCouleur) {
            std::memcpy(d, s, static_cast<std::size_t>(l) * sizeof(std::uint16_t));
            continue;
        }
        // Branch-free, so that the compiler copies several pixels at once.
        for (std::int32_t i = 0; i < l; ++i) {
            const std::uint16_t v = s[i];
            d[i] = v != 0 ? v : d[i];
        }
    }
}

void Surface::Remplir(std::uint32_t bbggrr) { RemplirPixel565(Couleur565(bbggrr)); }

void Surface::RemplirPixel565(std::uint16_t pixel) { std::fill(pixels_.begin(), pixels_.end(), pixel); }

void Surface::LigneHorizontale(std::int32_t x1, std::int32_t x2, std::int32_t y, std::uint16_t c) {
    if (y < 0 || y >= hauteur_) return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, largeur_);
    if (x2 <= x1) return;
    std::uint16_t* l = Rangee(y);
    std::fill(l + x1, l + x2, c);
}

void Surface::RemplirRectangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                               std::uint32_t bbggrr) {
    Rectangle r = Intersection({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}, Bornes());
    if (r.Vide()) return;
    std::uint16_t c = Couleur565(bbggrr);
    for (std::int32_t y = r.Haut; y < r.Bas; ++y) LigneHorizontale(r.Gauche, r.Droite, y, c);
}

void Surface::Boite(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t contour,
                    std::int64_t remplissage) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    if (x2 <= x1 || y2 <= y1) return;
    if (remplissage >= 0) RemplirRectangle(x1, y1, x2, y2, static_cast<std::uint32_t>(remplissage));
    std::uint16_t c = Couleur565(contour);
    LigneHorizontale(x1, x2, y1, c);
    LigneHorizontale(x1, x2, y2 - 1, c);
    for (std::int32_t y = y1; y < y2; ++y) {
        if (y < 0 || y >= hauteur_) continue;
        if (x1 >= 0 && x1 < largeur_) Rangee(y)[x1] = c;
        if (x2 - 1 >= 0 && x2 - 1 < largeur_) Rangee(y)[x2 - 1] = c;
    }
}

void Surface::BoiteArrondie(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t rx,
                            std::int32_t ry, std::uint32_t contour, std::int64_t remplissage) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    const std::int32_t l = x2 - x1, h = y2 - y1;
    if (l <= 0 || h <= 0) return;
    rx = std::clamp(rx, 0, l / 2);
    ry = std::clamp(ry, 0, h / 2);
    if (rx == 0 || ry == 0) {
        Boite(x1, y1, x2, y2, contour, remplissage);
        return;
    }
    // Each row's inset from the ellipse of the corners; the outline is the
    // edge pixel of every row plus the joins between rows of different inset.
    std::vector<std::int32_t> retrait(static_cast<std::size_t>(h), 0);
    for (std::int32_t j = 0; j < h; ++j) {
        std::int32_t dj = j < ry ? ry - j : (j >= h - ry ? j - (h - 1 - ry) : 0);
        if (dj == 0) continue;
        double t = (static_cast<double>(dj) - 0.5) / ry;
        double e = rx * (1.0 - std::sqrt(std::max(0.0, 1.0 - t * t)));
        retrait[static_cast<std::size_t>(j)] = static_cast<std::int32_t>(e + 0.5);
    }
    const std::uint16_t c = Couleur565(contour);
    const bool plein = remplissage >= 0;
    const std::uint16_t f = plein ? Couleur565(static_cast<std::uint32_t>(remplissage)) : 0;
    for (std::int32_t j = 0; j < h; ++j) {
        const std::int32_t y = y1 + j;
        const std::int32_t r = retrait[static_cast<std::size_t>(j)];
        const std::int32_t g = x1 + r, d = x2 - r;  // d exclusive
        if (j == 0 || j == h - 1) {
            LigneHorizontale(g, d, y, c);
            continue;
        }
        if (plein) LigneHorizontale(g + 1, d - 1, y, f);
        // Outline: from this row's edge to the edge of the row nearer the
        // box's top or bottom, so that the curve has no holes.
        const std::size_t exterieur = static_cast<std::size_t>(j < h / 2 ? j - 1 : j + 1);
        const std::int32_t etendue = std::max(1, retrait[exterieur] - r);
        LigneHorizontale(g, g + etendue, y, c);
        LigneHorizontale(d - etendue, d, y, c);
    }
}

void Surface::Hachurer(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t bbggrr,
                       Hachure motif) {
    Rectangle r = Intersection({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)}, Bornes());
    if (r.Vide()) return;
    const std::uint16_t c = Couleur565(bbggrr);
    const auto& m = Motifs[static_cast<int>(motif)];
    for (std::int32_t y = r.Haut; y < r.Bas; ++y) {
        std::uint8_t bits = m[y & 7];
        if (!bits) continue;
        std::uint16_t* l = Rangee(y);
        for (std::int32_t x = r.Gauche; x < r.Droite; ++x)
            if (bits & (0x80 >> (x & 7))) l[x] = c;
    }
}

void Surface::Ligne(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t bbggrr) {
    if (Vide()) return;
    // A line much longer than the surface is first cut to it (Liang-Barsky),
    // so that a wild coordinate never walks millions of pixels.
    const std::int64_t limite = 4 * (static_cast<std::int64_t>(largeur_) + hauteur_);
    if (std::llabs(static_cast<std::int64_t>(x2) - x1) + std::llabs(static_cast<std::int64_t>(y2) - y1) > limite) {
        double t0 = 0.0, t1 = 1.0;
        const double ddx = static_cast<double>(x2) - x1, ddy = static_cast<double>(y2) - y1;
        const double p[4] = {-ddx, ddx, -ddy, ddy};
        const double q[4] = {static_cast<double>(x1) + 1, static_cast<double>(largeur_) - x1,
                             static_cast<double>(y1) + 1, static_cast<double>(hauteur_) - y1};
        for (int k = 0; k < 4; ++k) {
            if (p[k] == 0) {
                if (q[k] < 0) return;
                continue;
            }
            double t = q[k] / p[k];
            if (p[k] < 0) t0 = std::max(t0, t);
            else t1 = std::min(t1, t);
        }
        if (t0 > t1) return;
        const double ax = x1, ay = y1;
        x1 = static_cast<std::int32_t>(std::lround(ax + t0 * ddx));
        y1 = static_cast<std::int32_t>(std::lround(ay + t0 * ddy));
        x2 = static_cast<std::int32_t>(std::lround(ax + t1 * ddx));
        y2 = static_cast<std::int32_t>(std::lround(ay + t1 * ddy));
    }
    const std::uint16_t c = Couleur565(bbggrr);
    const std::int64_t dx = std::llabs(static_cast<std::int64_t>(x2) - x1), sx = x1 < x2 ? 1 : -1;
    const std::int64_t dy = -std::llabs(static_cast<std::int64_t>(y2) - y1), sy = y1 < y2 ? 1 : -1;
    std::int64_t err = dx + dy;
    std::int64_t x = x1, y = y1;
    for (;;) {
        if (x >= 0 && y >= 0 && x < largeur_ && y < hauteur_) Rangee(static_cast<std::int32_t>(y))[x] = c;
        if (x == x2 && y == y2) break;
        const std::int64_t e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

void Surface::Texte(std::int32_t x, std::int32_t y, std::string_view texte, std::uint32_t bbggrr) {
    if (!glyphes_) return;
    constexpr int L = CacheGlyphes::LargeurCellule, H = CacheGlyphes::HauteurCellule;
    const std::uint16_t c = Couleur565(bbggrr);
    const std::uint32_t cEtale = (c | (static_cast<std::uint32_t>(c) << 16)) & 0x07E0F81Fu;
    if (y >= hauteur_ || y + H <= 0) return;
    std::size_t i = 0;
    std::int32_t cx = x;
    while (i < texte.size() && cx < largeur_) {
        char32_t car = LireCaractereUtf8(texte, i);
        const CacheGlyphes::Cellule* g = glyphes_->Glyphe(car);
        if (g && cx + L > 0) {
            const bool entier = cx >= 0 && y >= 0 && cx + L <= largeur_ && y + H <= hauteur_;
            const CacheGlyphes::Forme& forme = glyphes_->Formes(g);
            if (entier && forme.Pleine) {
                for (int r = 0; r < H; ++r) {
                    unsigned m = forme.Lignes[static_cast<std::size_t>(r)];
                    std::uint16_t* ligne = Rangee(y + r) + cx;
                    while (m) {
                        ligne[std::countr_zero(m)] = c;
                        m &= m - 1;
                    }
                }
                cx += L;
                continue;
            }
            for (const auto& e : glyphes_->Encres(g)) {
                const std::int32_t px = cx + e.Position % L, py = y + e.Position / L;
                if (!entier && (px < 0 || py < 0 || px >= largeur_ || py >= hauteur_)) continue;
                std::uint16_t& cible = Rangee(py)[px];
                const std::int32_t a = e.Couverture;
                if (a == 255) {
                    cible = c;
                    continue;
                }
                // The three channels at once, green moved apart from red and
                // blue, with the coverage in 32 steps: one product a pixel.
                const std::uint32_t x = (cible | (static_cast<std::uint32_t>(cible) << 16)) & 0x07E0F81Fu;
                const std::uint32_t a5 = static_cast<std::uint32_t>(a + 4) >> 3;
                const std::uint32_t r = ((x * (32 - a5) + cEtale * a5) >> 5) & 0x07E0F81Fu;
                cible = static_cast<std::uint16_t>(r | (r >> 16));
            }
        }
        cx += L;
    }
}
