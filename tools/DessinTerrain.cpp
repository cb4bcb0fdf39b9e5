// The terrain zone's tile sheet: 16 appearance columns per terrain type
// (which sides touch other terrain), one row per type and per animation
// frame of an animated type. Every texture has a period of one tile, so
// that tiles of one kind join without seams.
#include <cmath>

#include "display/ClsAffTerrain.h"
#include "tools/Dessin.h"
#include "tools/Dessins.h"
#include "world/ClsJeuMonde.h"

namespace {

enum class Genre { Herbe, Foret, Eau, Roche, Route, Sable, Neige, Marais, Autre };

Genre GenreTerrain(const std::string& nom) {
    if (Contient(nom, {"marais", "tourb", "vase"})) return Genre::Marais;
    if (Contient(nom, {"eau", "lac", "mer", "riviere", "etang", "ocean", "fleuve"})) return Genre::Eau;
    if (Contient(nom, {"foret", "bois", "jungle", "taillis"})) return Genre::Foret;
    if (Contient(nom, {"roc", "pierre", "mont", "falaise", "colline"})) return Genre::Roche;
    if (Contient(nom, {"route", "chemin", "pave", "piste"})) return Genre::Route;
    if (Contient(nom, {"sable", "desert", "dune", "plage"})) return Genre::Sable;
    if (Contient(nom, {"neige", "glace"})) return Genre::Neige;
    if (Contient(nom, {"prairie", "herbe", "plaine", "pre", "champ"})) return Genre::Herbe;
    return Genre::Autre;
}

// Which sides of a cell touch terrain, by appearance code (north, south,
// west, east).
struct Cotes { bool n, s, o, e; };
Cotes CotesCode(int code) {
    switch (code) {
        case 1: return {true, true, true, true};
        case 2: return {false, true, false, false};
        case 3: return {true, false, false, false};
        case 4: return {false, false, false, true};
        case 5: return {false, false, true, false};
        case 6: return {true, true, false, false};
        case 7: return {false, false, true, true};
        case 8: return {false, true, true, true};
        case 9: return {true, false, true, true};
        case 10: return {true, true, false, true};
        case 11: return {true, true, true, false};
        case 12: return {false, true, false, true};
        case 13: return {false, true, true, false};
        case 14: return {true, false, false, true};
        case 15: return {true, false, true, false};
        default: return {false, false, false, false};
    }
}

constexpr double Pi = 3.14159265358979;

// Depth of (x, y) inside the terrain of a cell of the given code, in
// pixels of a 32-pixel cell: negative outside. Open sides hold the terrain
// back by a margin that wavers with a period of one cell; corners between
// two open sides are rounded.
double Profondeur(double x, double y, const Cotes& c, std::uint32_t graine) {
    const double m = 7.0, r = 8.0;
    auto onde = [&](double t, int k) { return 1.3 * std::sin(2 * Pi * t / 32.0 * (2 + k % 2) + (graine >> (k * 3) & 7)); };
    const double inf = 1e9;
    const double gauche = c.o ? inf : x - (m + onde(y, 1));
    const double droite = c.e ? inf : (32 - m - onde(y, 2)) - x;
    const double haut = c.n ? inf : y - (m + onde(x, 3));
    const double bas = c.s ? inf : (32 - m - onde(x, 4)) - y;
    double d = std::min({gauche, droite, haut, bas});
    auto coin = [&](bool ouvertX, bool ouvertY, double cx, double cy) {
        if (!ouvertX || !ouvertY) return;
        const bool dansX = (cx < 16) ? x < cx : x > cx;
        const bool dansY = (cy < 16) ? y < cy : y > cy;
        if (dansX && dansY) d = std::min(d, r - std::hypot(x - cx, y - cy));
    };
    coin(!c.o, !c.n, m + r, m + r);
    coin(!c.e, !c.n, 32 - m - r, m + r);
    coin(!c.o, !c.s, m + r, 32 - m - r);
    coin(!c.e, !c.s, 32 - m - r, 32 - m - r);
    if (!c.n && !c.s && !c.o && !c.e) d = 9.0 - std::hypot(x - 16, y - 16);  // a lone patch
    return d;
}

struct Texture {
    Genre genre;
    QColor teinte;
    BruitPeriodique bruit, fin;
    Texture(Genre g, const std::string& nom)
        : genre(g), teinte(TeinteNom(nom, 90, 160)), bruit(Empreinte(nom), 8), fin(Empreinte(nom) * 7 + 1, 4) {}

    // Colour of the terrain at (x, y) of a 32-pixel cell, at depth d from
    // its edge, animation frame f.
    QColor Couleur(double x, double y, double d, int f) const {
        const double n = bruit.Valeur(x, y), m = fin.Valeur(x, y);
        switch (genre) {
            case Genre::Herbe: {
                QColor c = Melanger(QColor(74, 128, 52), QColor(112, 162, 70), n * 0.7 + m * 0.3);
                if (m > 0.82) c = Varier(c, 22);
                return c;
            }
            case Genre::Foret: {
                // Round crowns on a dark floor, lit from the top left.
                double lumiere = 0, couronne = 0;
                const double centres[5][2] = {{8, 8}, {24, 7}, {16, 20}, {2, 24}, {28, 26}};
                for (auto& c : centres)
                    for (int ox = -32; ox <= 32; ox += 32)
                        for (int oy = -32; oy <= 32; oy += 32) {
                            const double dx = x - c[0] - ox, dy = y - c[1] - oy;
                            const double v = 1.0 - std::hypot(dx, dy) / 9.5;
                            if (v > couronne) {
                                couronne = v;
                                lumiere = (-dx - dy) / 14.0;
                            }
                        }
                QColor c = Melanger(QColor(34, 78, 40), QColor(58, 112, 50), n);
                if (couronne > 0) c = Melanger(c, QColor(70 + int(40 * lumiere), 138 + int(30 * lumiere), 58), couronne * 0.9);
                if (d < 2.5) c = Melanger(c, QColor(44, 70, 38), 0.5);
                return c;
            }
            case Genre::Eau: {
                if (d < 1.6) return QColor(214, 196, 138);  // sandy shore
                if (d < 2.8) return QColor(176, 214, 226);  // foam
                QColor c = Melanger(QColor(44, 96, 170), QColor(66, 126, 198), n);
                const double vague = std::sin(2 * Pi * (x / 32.0 + 2 * y / 32.0) + f * Pi / 2 + 3 * m);
                if (vague > 0.82) c = Melanger(c, QColor(150, 196, 236), (vague - 0.82) * 4);
                if (d < 5) c = Varier(c, 12);
                return c;
            }
            case Genre::Roche: {
                QColor c = Melanger(QColor(118, 112, 104), QColor(166, 156, 140), n);
                if (std::abs(m - 0.5) < 0.035) c = QColor(84, 78, 72);  // cracks
                if (m > 0.85) c = Varier(c, 26);
                if (d < 2) c = Varier(c, -24);
                return c;
            }
            case Genre::Route: {
                QColor c = Melanger(QColor(164, 128, 84), QColor(192, 158, 108), n * 0.5 + m * 0.5);
                if (m > 0.86) c = QColor(140, 132, 120);  // gravel
                if (d < 1.8) c = QColor(122, 98, 62);
                return c;
            }
            case Genre::Sable: {
                QColor c = Melanger(QColor(210, 188, 128), QColor(232, 212, 156), n);
                if (d < 1.5) c = Varier(c, -30);
                return c;
            }
            case Genre::Neige: {
                QColor c = Melanger(QColor(214, 224, 236), QColor(244, 248, 252), n);
                if (d < 1.5) c = QColor(180, 196, 214);
                return c;
            }
            case Genre::Marais: {
                QColor c = Melanger(QColor(74, 96, 58), QColor(98, 118, 70), n);
                const double flaque = std::sin(2 * Pi * x / 16.0) * std::sin(2 * Pi * y / 16.0) + (m - 0.5);
                if (flaque > 0.55) c = Melanger(QColor(60, 86, 92), QColor(92, 124, 120), 0.5 + 0.5 * std::sin(f * Pi / 2 + x));
                if (d < 2) c = Varier(c, -20);
                return c;
            }
            case Genre::Autre: {
                QColor c = Melanger(Varier(teinte, -30), Varier(teinte, 20), n);
                if (d < 1.8) c = Varier(c, -40);
                return c;
            }
        }
        return teinte;
    }
};

}  // namespace

int DessinerTerrain(const DonneesRegles& d, const ClsJeuMonde& monde, const fs::path& images) {
    const int L = monde.LargeurCase, H = monde.HauteurCase;
    const int lignes = ClsAffTerrain::NombreLignesFeuille(monde);
    const int images_ = std::max<int>(1, monde.NombreEtapesAnimation);
    QImage feuille(16 * L, lignes * H, QImage::Format_ARGB32);
    feuille.fill(Qt::transparent);
    std::vector<Texture> textures;
    for (int t = 0; t <= monde.NombreTypesTerrains(); ++t) {
        const std::string& nom = monde.TypeTerrain(t).Nom;
        textures.emplace_back(t == 0 && GenreTerrain(nom) == Genre::Autre ? Genre::Herbe : GenreTerrain(nom), nom);
    }
    const Texture& sol = textures[0];
    for (int t = 0; t <= monde.NombreTypesTerrains(); ++t) {
        const int etapes = monde.TypeTerrain(t).Animation ? images_ : 1;
        for (int f = 0; f < etapes; ++f) {
            const int ligne = ClsAffTerrain::LigneFeuille(monde, t, f);
            for (int code = 0; code < 16; ++code) {
                const Cotes cotes = CotesCode(code);
                for (int py = 0; py < H; ++py)
                    for (int px = 0; px < L; ++px) {
                        // Every cell size is drawn on a 32-pixel pattern.
                        const double x = (px + 0.5) * 32.0 / L, y = (py + 0.5) * 32.0 / H;
                        QColor c = sol.Couleur(x, y, 99, f);
                        if (t > 0) {
                            const double p = Profondeur(x, y, cotes, Empreinte(monde.TypeTerrain(t).Nom));
                            if (p >= 0) c = textures[static_cast<std::size_t>(t)].Couleur(x, y, p, f);
                            else if (p > -2.5) c = Varier(c, -16);  // soft shadow on the ground
                        } else if (code > 0) {
                            // Ground variants: a few flowers away from the edges.
                            std::mt19937 gen(static_cast<std::uint32_t>(code * 977));
                            for (int k = 0; k < 3; ++k) {
                                const double fx = 6 + gen() % 20, fy = 6 + gen() % 20;
                                if (std::hypot(x - fx, y - fy) < 1.3)
                                    c = k % 2 ? QColor(236, 220, 96) : QColor(226, 120, 150);
                            }
                        }
                        feuille.setPixelColor(code * L + px, ligne * H + py, c);
                    }
            }
        }
    }
    (void)d;
    return Enregistrer(feuille, images / "terrains" / "Plaine.bmp") ? 1 : 0;
}
