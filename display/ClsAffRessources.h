// The sheet of resource deposits: one 32 x 32 picture per type, side by
// side, in Images\Decors\Ressources.
#pragma once

#include <cstdint>

#include "display/ClsAffSprite.h"
#include "world/ClsJeuRessources.h"

class ClsAffRessources {
public:
    void Charger(Graphique& dd) { Sprite.Charger(dd, "Decors\\Ressources"); }
    // A type beyond the sheet draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeRessource, Surface& SurfBack, const Vue& vue) {
        Sprite.AfficherCellule(TypeRessource, 0, Largeur(), Hauteur(), X, Y, SurfBack, vue);
    }
    static constexpr std::int32_t Largeur() { return ClsJeuRessources::Largeur; }
    static constexpr std::int32_t Hauteur() { return ClsJeuRessources::Hauteur; }

    ClsAffSprite Sprite;
};
