// The sheet of treasures on the ground: one 26 x 26 picture per treasure
// kind, from the smallest heap to the richest, in Images\Decors\Tresors.
#pragma once

#include <cstdint>

#include "display/ClsAffSprite.h"
#include "world/ClsJeuTresors.h"

class ClsAffTresors {
public:
    void Charger(Graphique& dd) { Sprite.Charger(dd, "Decors\\Tresors"); }
    // A kind beyond the sheet draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeTresor, Surface& SurfBack, const Vue& vue) {
        Sprite.AfficherCellule(TypeTresor, 0, Largeur(), Hauteur(), X, Y, SurfBack, vue);
    }
    static constexpr std::int32_t Largeur() { return ClsJeuTresors::Largeur; }
    static constexpr std::int32_t Hauteur() { return ClsJeuTresors::Hauteur; }

    ClsAffSprite Sprite;
};
