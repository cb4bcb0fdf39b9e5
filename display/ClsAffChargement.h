// The loading screen: a picture per screen width ("Fenetres\Chargement" &
// width), a progress bar along the bottom that shows through the picture's
// transparent parts, the cursor and a line of text beside it. Draws one
// frame into the back buffer; the engine window presents it and lets
// pending events run.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "display/ClsAffSprite.h"

class ClsAffSouris;

class ClsAffChargement {
public:
    // The text beside the cursor; by default a small framed label. The
    // in-game interface hands its own tooltip drawer here.
    using Bulle = std::function<void(std::int32_t X, std::int32_t Y, std::string_view Texte, Surface& SurfBack)>;
    Bulle AfficherBulle;

    // Draws the frame for Pourcentage (0 to 100, the picture is loaded at
    // 0) and Texte. False when the screen width has no loading picture:
    // nothing is drawn then. Any other failure leaves the frame partly
    // drawn and the caller carries on.
    bool Afficher_Image_Chargement(Graphique& dd, std::int16_t Pourcentage, std::string_view Texte,
                                   Surface& SurfBack, const Vue& vue, std::int32_t LargeurEcran,
                                   std::int32_t HauteurEcran, ClsAffSouris* AffSouris, std::int32_t SourisX,
                                   std::int32_t SourisY);
    // Forgets the picture (end of a game): the next game loads it again.
    void Liberer() { FondChargement.reset(); }

    // The bar's colour at a percentage, 0x00BBGGRR.
    static std::uint32_t CouleurBarre(std::int16_t Pourcentage);
    static void BulleParDefaut(std::int32_t X, std::int32_t Y, std::string_view Texte, Surface& SurfBack);

private:
    std::unique_ptr<ClsAffSprite> FondChargement;
};
