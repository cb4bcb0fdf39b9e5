// The mouse cursor sheet: one row of cursor pictures, chosen by what lies
// under the cursor (0 the ordinary arrow). Its folder and cell size come
// from Ini_Souris.
#pragma once

#include <cstdint>
#include <string>

#include "display/ClsAffSprite.h"

class DossierJeu;

class ClsAffSouris {
public:
    // Reads Ini_Souris, section [Souris].
    explicit ClsAffSouris(DossierJeu& dossier);

    std::string Chemin;
    std::int16_t NombreCurseurs = 0;
    std::int16_t LargeurImage = 0;
    std::int16_t HauteurImage = 0;

    // Loads Chemin & "ArrowCursor"; throws ErreurImage.
    void Charger(Graphique& dd);
    // Cursor TypeSouris at (X, Y); a type above NombreCurseurs (or below 0)
    // draws cursor 0.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeSouris, Surface& SurfBack, const Vue& vue);

    std::int32_t Largeur() const { return LargeurImage; }
    std::int32_t Hauteur() const { return HauteurImage; }

    static constexpr const char* NomFichier = "ArrowCursor";

private:
    ClsAffSprite Sprite;
};
