#include "devices/PeripheriqueScripte.h"

void PeripheriqueScripte::Deplacer(std::int32_t dx, std::int32_t dy, std::int32_t dz) {
    souris_.attente.DeplacementX += dx;
    souris_.attente.DeplacementY += dy;
    souris_.attente.DeplacementZ += dz;
}

void PeripheriqueScripte::Bouton(int numero, bool enfonce) {
    if (numero < 0 || numero >= static_cast<int>(souris_.attente.Boutons.size())) return;
    const auto b = static_cast<std::size_t>(numero);
    if (souris_.attente.Boutons[b] == enfonce) return;
    souris_.attente.Boutons[b] = enfonce;
    ++(enfonce ? souris_.attente.Appuis : souris_.attente.Relachements)[b];
}

void PeripheriqueScripte::Touche(std::uint8_t code, bool enfonce) {
    clavier_.touches[code] = enfonce ? 0x80 : 0;
    if (enfonce) clavier_.frappees[code] = 0x80;
}

void PeripheriqueScripte::ToutRelacher() {
    for (int b = 0; b < static_cast<int>(souris_.attente.Boutons.size()); ++b) Bouton(b, false);
    clavier_.touches.fill(0);
}

bool PeripheriqueScripte::Souris_::Acquerir() {
    if (refusee) return false;
    // Clicks made while the mouse was not the game's are not the game's.
    attente.Appuis.fill(0);
    attente.Relachements.fill(0);
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
    attente.Appuis.fill(0);
    attente.Relachements.fill(0);
    return true;
}

void PeripheriqueScripte::Clavier_::Lire(EtatClavier& etat) {
    for (std::size_t k = 0; k < etat.size(); ++k) etat[k] = touches[k] | frappees[k];
    frappees.fill(0);
}
