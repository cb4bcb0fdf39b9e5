// Visual effect sheets: one per effect, one column per step.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/ClsAffSprite.h"

class ClsJeuParam;

class ClsAffEffet {
public:
    void Charger(Graphique& dd, const ClsJeuParam& Parametres);
    // A type or step beyond the sheets draws nothing.
    void Afficher(std::int32_t TypeEffet, std::int16_t Etape, std::int32_t X, std::int32_t Y, Surface& SurfBack,
                  const Vue& vue);

    std::vector<std::int16_t> Largeur, Hauteur, NombreEtapes;
    std::vector<double> DureeEtape;
    std::vector<std::string> Son;

private:
    std::vector<ClsAffSprite> Sprites;
};
