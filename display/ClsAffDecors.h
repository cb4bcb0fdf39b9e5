// Scenery sheets: one per scenery type, one column per animation step.
#pragma once

#include <cstdint>
#include <vector>

#include "display/ClsAffSprite.h"

class ClsJeuParam;

class ClsAffDecors {
public:
    void Charger(Graphique& dd, const ClsJeuParam& Parametres);
    // A type or step beyond the sheets draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeDecor, Surface& SurfBack, const Vue& vue,
                  std::int16_t EtapeAnimation = 0);

    std::vector<std::int16_t> Largeur, Hauteur;

private:
    std::vector<ClsAffSprite> Sprites;
};
