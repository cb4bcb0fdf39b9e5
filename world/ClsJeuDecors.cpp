// The animation step of a scenery element.
#include "world/ClsJeuDecors.h"

void ClsJeuDecors::ChangerEtapeAnimation() {
    const std::int32_t suivante = static_cast<std::int32_t>(EtapeAnimation) + 1;
    EtapeAnimation = suivante >= NombreEtapeAnimation ? 0 : static_cast<std::int16_t>(suivante);
}
