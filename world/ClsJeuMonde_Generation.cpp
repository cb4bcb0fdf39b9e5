// Making the terrain of a new map: seeding and growth of terrain types,
// roads between castles, and the tiling codes that pick each cell's tile.
#include <cmath>
#include <cstdio>

#include "platform/Nombres.h"
#include "rules/ModRandom.h"
#include "world/ClsJeuMonde.h"

std::int32_t ClsJeuMonde::TypeVoisin(std::int64_t i) const {
    // Outside the grid reads as ground. Neighbours are the index plus or
    // minus one, so past a row's end comes the next row's first cell: the
    // tiling works on indices alone.
    if (i < 0 || i >= static_cast<std::int64_t>(TerrainApparence_.size())) return 0;
    if (i >= static_cast<std::int64_t>(TerrainCategorie_.size())) return 0;
    return TerrainCategorie_[static_cast<std::size_t>(i)];
}

void ClsJeuMonde::Generer_Monde(std::int16_t typeMonde, ModRandom& aleatoire, const ProgresChargement& progres) {
    if (typeMonde < 0 || typeMonde >= static_cast<std::int16_t>(TypeMondeTerrain_.size())) typeMonde = 0;
    Creer_Grilles();
    TypeMonde = typeMonde;
    const TypeMondeDef& type = TypeMondeTerrain_[static_cast<std::size_t>(typeMonde)];
    const std::int32_t N = NombreTypesTerrains_;

    // Seeding: every cell but the very last draws once, and a second time
    // when it is seeded.
    const float seuil = 1.0f - type.Relief;
    const std::size_t derniere = TerrainCategorie_.size() - 1;
    for (std::size_t c = 0; c < derniere; ++c) {
        float r = aleatoire.Nombre_Aleatoire();
        if (r > seuil) {
            float r2 = aleatoire.Nombre_Aleatoire();
            auto t = static_cast<std::int32_t>(Arrondi(static_cast<double>(N - 1) * r2 + 1.0));
            if (type.SurfaceTerrain[static_cast<std::size_t>(t)] != 0) TerrainCategorie_[c] = t;
        }
    }

    // Growth, type by type; ground first so that lone seeds fade.
    for (std::int32_t t = 0; t <= N; ++t) {
        const std::int32_t passes = type.SurfaceTerrain[static_cast<std::size_t>(t)];
        if (passes < 0) continue;
        for (std::int32_t k = 0; k <= passes; ++k) {
            Etendre_Terrain(t, aleatoire);
            if (passes > 0 && progres) {
                double p = (static_cast<double>(k) / N / passes + static_cast<double>(t - 1) / N) * 100.0;
                char texte[64];
                std::snprintf(texte, sizeof texte, "Création du terrain : %02d %%", static_cast<int>(Arrondi(p)));
                progres(30, texte);
            }
        }
    }
    Reformer_Terrain(progres);
}

void ClsJeuMonde::Etendre_Terrain(std::int32_t t, ModRandom& aleatoire) {
    const std::int64_t W = LargeurCarte;
    const std::int64_t fin = static_cast<std::int64_t>(TerrainCategorie_.size());
    for (std::int64_t i = 0; i < fin; ++i) {
        int score = 0;
        if (TypeVoisin(i - W) == t) score += 15;
        if (TypeVoisin(i + W) == t) score += 15;
        if (TypeVoisin(i - 1) == t) score += 15;
        if (TypeVoisin(i + 1) == t) score += 15;
        if (score > 0) {
            if (TypeVoisin(i - W - 1) == t) score += 10;
            if (TypeVoisin(i - W + 1) == t) score += 10;
            if (TypeVoisin(i + W - 1) == t) score += 10;
            if (TypeVoisin(i + W + 1) == t) score += 10;
        }
        float r = aleatoire.Nombre_Aleatoire();
        if (static_cast<float>(score) > r * 100.0f) TerrainCategorie_[static_cast<std::size_t>(i)] = t;
    }
}

void ClsJeuMonde::Contruire_Routes(const std::vector<BoiteChateau>& chateaux, ModRandom& aleatoire,
                                  const ProgresChargement& progres) {
    const TypeMondeDef& type = TypeMondeTerrain_[static_cast<std::size_t>(
        TypeMonde >= 0 && TypeMonde < static_cast<std::int16_t>(TypeMondeTerrain_.size()) ? TypeMonde : 0)];
    const std::int16_t route = type.Route;
    auto poser = [&](double x, double y) {
        std::int32_t i = TerrainIndice(static_cast<std::int32_t>(Arrondi(x)), static_cast<std::int32_t>(y));
        if (i >= 0 && static_cast<std::size_t>(i) < TerrainCategorie_.size())
            TerrainCategorie_[static_cast<std::size_t>(i)] = route;
    };
    if (route > 0 && route <= NombreTypesTerrains_) {
        const double maxX = static_cast<double>(LargeurCarte) * LargeurCase;
        const double maxY = static_cast<double>(HauteurCarte) * HauteurCase;
        for (std::size_t a = 0; a + 1 < chateaux.size(); ++a) {
            for (std::size_t b = a + 1; b < chateaux.size(); ++b) {
                double x = chateaux[a].X + chateaux[a].Largeur / 2.0;
                double y = Arrondi(chateaux[a].Y + chateaux[a].Hauteur / 2.0);
                const double tx = chateaux[b].X + chateaux[b].Largeur / 2.0;
                const double ty = chateaux[b].Y + chateaux[b].Hauteur / 2.0;
                int phase = 1;
                // Each phase moves one cell towards the target per
                // iteration; the walk ends when the fourth phase finds
                // nothing left to do. Bounded by the map's size anyway.
                for (std::int64_t garde = 0; phase <= 4 && garde < 4 * (LargeurCarte + HauteurCarte + 4); ++garde) {
                    poser(x, y);
                    if (aleatoire.Nombre_Aleatoire() > 0.8f) {
                        if (aleatoire.Nombre_Aleatoire() <= 0.5f) {
                            if (aleatoire.Nombre_Aleatoire() <= 0.5f) y = std::max(0.0, y - HauteurCase);
                            else y = std::min(maxY, y + HauteurCase);
                        } else {
                            if (aleatoire.Nombre_Aleatoire() <= 0.5f) x = std::max(0.0, x - LargeurCase);
                            else x = std::min(maxX, x + LargeurCase);
                        }
                        poser(x, y);
                    }
                    switch (phase) {
                        case 1: if (x > tx) x -= LargeurCase; else phase = 2; break;
                        case 2: if (x < tx) x += LargeurCase; else phase = 3; break;
                        case 3: if (ty < y) y -= HauteurCase; else phase = 4; break;
                        case 4: if (ty > y) y += HauteurCase; else phase = 5; break;
                    }
                }
            }
        }
    }
    Reformer_Terrain(progres);
}

void ClsJeuMonde::Reformer_Terrain(const ProgresChargement& progres) {
    if (progres)
        progres(35, "Modélisation surface du terrain (" + std::to_string(TerrainCategorie_.size() - 1) + " cases)");
    // Appearance code by the side neighbours that carry terrain:
    // bit 0 north, 1 south, 2 west, 3 east. 0 means the cell turns to ground.
    static constexpr std::int16_t Codes[16] = {0, 3, 2, 6, 5, 15, 13, 11, 4, 14, 12, 10, 7, 9, 8, 1};
    const std::int64_t W = LargeurCarte;
    const std::int64_t fin = static_cast<std::int64_t>(TerrainCategorie_.size());
    if (TerrainApparence_.size() < TerrainCategorie_.size()) TerrainApparence_.resize(TerrainCategorie_.size(), 0);
    for (std::int64_t i = 0; i < fin; ++i) {
        auto& type = TerrainCategorie_[static_cast<std::size_t>(i)];
        if (type <= 0) continue;
        int masque = (TypeVoisin(i - W) > 0 ? 1 : 0) | (TypeVoisin(i + W) > 0 ? 2 : 0) |
                     (TypeVoisin(i - 1) > 0 ? 4 : 0) | (TypeVoisin(i + 1) > 0 ? 8 : 0);
        if (masque == 0) type = 0;
        else TerrainApparence_[static_cast<std::size_t>(i)] = Codes[masque];
    }
}
