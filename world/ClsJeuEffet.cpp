// Starting and advancing an animated visual effect.
#include "world/ClsJeuEffet.h"

#include <algorithm>

#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

void ClsJeuEffet::Activer_Effet(std::int16_t Type, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                                std::int32_t Hauteur, const ClsJeuParam& Parametres, bool Forcer) {
    // A type the rules do not know would animate nothing and read rows
    // that do not exist: ignore it.
    if (Type < 0 || Type >= Parametres.NombreEffets) return;
    if (Actif && !Forcer) return;
    TypeEffet = Type;
    this->X = Sature32(Arrondi(static_cast<double>(X) + (static_cast<double>(Largeur) - Parametres.Effet_Largeur(Type)) / 2.0));
    this->Y = Sature32(Arrondi(static_cast<double>(Y) + (static_cast<double>(Hauteur) - Parametres.Effet_Hauteur(Type)) / 2.0));
    DureeEtape = Parametres.Effet_DureeEtape(Type);
    NombreEtapes = Parametres.Effet_NombreEtapes(Type);
    Etape = 0.0;
    Actif = true;
}

std::int16_t ClsJeuEffet::Etape_Effet() const {
    // Halves round to even, so a step of n - 0.25 would round to n, one
    // frame past the sheet: keep the frame within the sheet.
    const double dernier = std::max(0, static_cast<int>(NombreEtapes) - 1);
    return Sature16(std::clamp(Arrondi(Etape), 0.0, dernier));
}

void ClsJeuEffet::Etape_Suivante() {
    if (!Actif) return;
    // The rules never give a step duration of 0, but a loaded world might.
    const double duree = DureeEtape > 0.0 ? DureeEtape : 1.0;
    Etape += 1.0 / duree;
    if (Etape >= NombreEtapes) Actif = false;
}
