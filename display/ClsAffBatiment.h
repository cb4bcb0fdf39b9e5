// Castle sheets (one per people, one row per era) or house sheets (one per
// building type, one row per construction state, one column per animation
// step), by category.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/ClsAffSprite.h"

class ClsJeuParam;

class ClsAffBatiment {
public:
    // Categorie 0: castles; any other: houses. Throws ErreurImage.
    void Charger(std::int16_t Categorie, Graphique& dd, const ClsJeuParam& Parametres);
    // One cell of sheet TypeBatiment; a type, state or step beyond the
    // sheets draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeBatiment, std::int32_t Etat, Surface& SurfBack,
                  const Vue& vue, std::int32_t Largeur, std::int32_t Hauteur, std::int16_t EtapeAnimation = 0);

    static std::string Chemin_Chateau(std::int16_t Index);
    static std::string Chemin_Maison(std::int32_t Index, const ClsJeuParam& Parametres);
    std::size_t Nombre() const { return Sprites.size(); }

private:
    std::vector<ClsAffSprite> Sprites;
};
