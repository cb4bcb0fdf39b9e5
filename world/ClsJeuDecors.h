// One scenery element of the map: an animated decoration of a category of
// the rules' scenery table. The elements of a game live in ModDecors.
#pragma once

#include <cstdint>

class ClsJeuDecors {
public:
    // ---- Public fields, in their declared order ----
    std::int16_t Categorie = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int16_t Largeur = 0;
    std::int16_t Hauteur = 0;
    std::int16_t EtapeAnimation = 0;
    std::int16_t NombreEtapeAnimation = 0;

    // One tick: next step, back to 0 once the step count is reached.
    void ChangerEtapeAnimation();
};
