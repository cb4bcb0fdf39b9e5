// One clickable element of the in-game interface as the hit test sees it:
// its place, its hit size, its on and shown flags and its tooltip, with the
// drawing of that tooltip in the style of Ini_Boutons.
#pragma once

#include <cstdint>
#include <string>

#include "display/Vue.h"

class ClsIntMessage;
class DossierJeu;
class Surface;

// The tooltip style shared by every button (Ini_Boutons, section
// "Boutons"). A button copies it when it is created.
struct StyleInfoBulle {
    bool AfficherInfoBulle = true;
    std::int16_t InfoBulleDecalageX = 0;
    std::int16_t InfoBulleDecalageY = 0;
    std::uint32_t CouleurInfoBulle = 0;
    std::uint32_t CouleurRectangleFond = 0xFFFFFF;
    std::int16_t BordureRectangleFond = 0;

    // Throws ErreurFichier naming the keys that are not numbers.
    static StyleInfoBulle Lire(DossierJeu& Dossier);
};

// Size of a tooltip text in characters: the widest line (a line counting
// its break character) and the number of lines.
struct MesureInfoBulle {
    std::int32_t Colonnes = 0;
    std::int32_t Lignes = 0;
};

class ClsIntBouton {
public:
    ClsIntBouton() = default;
    explicit ClsIntBouton(const StyleInfoBulle& Style) : style_(Style) {}

    std::int32_t PositionX = 0;
    std::int32_t PositionY = 0;
    std::int16_t Largeur = 0;
    std::int16_t Hauteur = 0;
    bool Actif = false;
    bool Visible = false;
    std::string InfoBulle;

    // Draws the tooltip near (X, Y), kept inside the view. Nothing is drawn
    // for an empty text or with tooltips off, unless ForcerAffichage.
    void Afficher_Info_Bulle(std::int32_t X, std::int32_t Y, ClsIntMessage& Message, Surface& SurfBack,
                             const Vue& vue, bool ForcerAffichage = false) const;

    bool Definir_AfficherInfoBulle() const { return style_.AfficherInfoBulle; }
    // Stores the switch and writes it to Ini_Boutons at once.
    void Definir_AfficherInfoBulle(bool Valeur, DossierJeu& Dossier);

    static MesureInfoBulle Mesurer(const std::string& Texte);
    const StyleInfoBulle& Style() const { return style_; }

private:
    StyleInfoBulle style_;
};
