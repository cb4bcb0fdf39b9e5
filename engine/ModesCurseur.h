// The modes of a local player's cursor (JoueurLocal::ModeCurseur).
#pragma once

#include <cstdint>

#include "world/ModEmplacement.h"

// What a local player's cursor points at or is doing: the picture of the
// cursor sheet it shows, its tooltip and what a click orders. Most are the
// codes of Tester_Emplacement under the cursor; placing a house and giving
// to an ally are the cursor's own.
namespace ModesCurseur {
enum : std::int16_t {
    Carte = Emplacement::Libre,  // open ground: walk there
    Ressource = Emplacement::Ressource,
    MaisonLibre = 2,    // placing a house where it may stand
    MaisonOccupee = 3,  // placing a house where it may not
    MaisonEnChantier = Emplacement::MaisonEnChantier,
    MaisonAchevee = Emplacement::MaisonAchevee,
    ChateauPropre = Emplacement::ChateauPropre,
    MaisonAlliee = Emplacement::MaisonAlliee,
    ChateauAllie = Emplacement::ChateauAllie,
    PersoEnnemi = Emplacement::PersoEnnemi,
    MaisonEnnemie = Emplacement::MaisonEnnemie,
    ChateauEnnemi = Emplacement::ChateauEnnemi,
    MaisonService = Emplacement::MaisonService,
    Tresor = Emplacement::Tresor,
    DonnerAllie = 14,  // holding an item over an ally: give it
};
}  // namespace ModesCurseur
