// Item icons: one 32 x 32 picture per item type, drawn in the inventory
// and at the cursor, translucent when asked.
#pragma once

#include <cstdint>
#include <vector>

#include "display/ClsAffSprite.h"

class ClsJeuParam;

class ClsAffObjets {
public:
    void Charger(Graphique& dd, const ClsJeuParam& Parametres);
    // A type beyond the item table draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeObjet, Surface& SurfBack, const Vue& vue,
                  bool Translucide = false);
    static constexpr std::int32_t Largeur() { return 32; }
    static constexpr std::int32_t Hauteur() { return 32; }

private:
    std::vector<ClsAffSprite> Sprites;
};
