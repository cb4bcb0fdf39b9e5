#include "devices/PeripheriqueScripte.h"

void PeripheriqueScripte::Deplacer(std::int32_t dx, std::int32_t dy, std::int32_t dz) {
    souris_.attente.DeplacementX += dx;
    souris_.attente.DeplacementY += dy;
    souris_.attente.DeplacementZ += dz;
}

void PeripheriqueScripte::Bouton(int numero, bool enfonce) {
    if (numero >= 0 && numero < static_cast<int>(souris_.attente.Boutons.size()))
        souris_.attente.Boutons[static_cast<std::size_t>(numero)] = enfonce;
}

void PeripheriqueScripte::Touche(std::uint8_t code, bool enfonce) { clavier_.touches[code] = enfonce ? 0x80 : 0; }

void PeripheriqueScripte::ToutRelacher() {
    souris_.attente.Boutons.fill(false);
    clavier_.touches.fill(0);
}

bool PeripheriqueScripte::Souris_::Acquerir() {
    if (refusee) return false;
    acquise = true;
    perdue = false;
    ++acquisitions;
    return true;
}

bool PeripheriqueScripte::Souris_::Lire(EtatSouris& etat) {
    if (!acquise || perdue) {
        acquise = false;
        return false;
    }
    etat = attente;
    attente.DeplacementX = attente.DeplacementY = attente.DeplacementZ = 0;
    return true;
}
