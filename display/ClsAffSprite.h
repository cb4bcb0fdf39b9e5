// One picture of the game (a sprite sheet, a button sheet, a window frame,
// a background) with the source rectangle of its next draw. Draws either a
// clipped colour-keyed copy or a 50 % mix with the back buffer.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "display/Vue.h"
#include "platform/Surface.h"

class Graphique;

class ClsAffSprite {
public:
    // Loads "\Images\" & Fichier & ".bmp"; throws ErreurImage (the player's
    // message, then the game ends cleanly) when it cannot.
    void Charger(Graphique& dd, std::string_view Fichier);
    // The same picture, already in memory (tools and tests).
    void Charger(Surface image);

    void Selection(std::int32_t Haut, std::int32_t Bas, std::int32_t Gauche, std::int32_t Droite);

    // Draws RectSource at (X, Y) of the view. The opaque draw narrows
    // RectSource while clipping, so callers select before every draw. A
    // rectangle that is empty, inverted or outside the picture draws nothing.
    void Afficher(std::int32_t X, std::int32_t Y, Surface& SurfBack, const Vue& vue, bool CleCouleur = true,
                  bool Translucide = false, std::int16_t AjustementX = 0, std::int16_t AjustementY = 0);

    // The pattern of every sheet: selects cell (colonne, ligne) of cells
    // largeur x hauteur and draws it colour-keyed. A cell that starts
    // beyond the picture (a type, frame or column the sheet does not have)
    // draws nothing; false then.
    bool AfficherCellule(std::int32_t colonne, std::int32_t ligne, std::int32_t largeur, std::int32_t hauteur,
                         std::int32_t X, std::int32_t Y, Surface& SurfBack, const Vue& vue, bool Translucide = false,
                         std::int16_t AjustementX = 0, std::int16_t AjustementY = 0);

    static std::string CheminImage() { return "\\Images\\"; }
    static std::string Extension_Image() { return ".bmp"; }

    bool Charge() const { return image_ != nullptr; }
    const Surface* Image() const { return image_.get(); }
    std::int32_t LargeurImage() const { return image_ ? image_->Largeur() : 0; }
    std::int32_t HauteurImage() const { return image_ ? image_->Hauteur() : 0; }

    Rectangle RectSource;

private:
    void AfficherTranslucide(std::int32_t X, std::int32_t Y, Surface& SurfBack, const Vue& vue) const;

    std::shared_ptr<const Surface> image_;
};
