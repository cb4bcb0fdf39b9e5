// The hit test of the window buttons: eating, trading, transfers, taking
// things for giving, castle repair, making and buying items, services, the
// inventory slots and the scroll buttons; and the scrolling of the lists.
#include "interface/ClsInterface.h"

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

bool ClsInterface::Interieur_Fenetres(const EntreeInterface&, std::int16_t&, ClsJeuPerso&, std::int32_t,
                                      std::int32_t, std::int16_t&, bool Traite, Surface&) {
    return Traite;
}

bool ClsInterface::Boutons_Defilement(const EntreeInterface&, std::int16_t, std::int16_t&, bool, Surface&) {
    return false;
}

void ClsInterface::Defilement_Haut(std::int16_t NoFenetre, bool Fabrique) {
    if (NoFenetre < 0 || static_cast<std::size_t>(NoFenetre) >= fenetres_.size()) return;
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(NoFenetre)];
    if (Fabrique) {
        if (f.PremiereLigneFabrique > 0) --f.PremiereLigneFabrique;
        return;
    }
    if (f.PremiereLigne <= 0) return;
    const auto n = static_cast<std::int16_t>(f.PremiereLigne - 1);
    // The building and resources windows scroll together.
    if (NoFenetre == 3 || NoFenetre == 5 || fenetres_.size() < 2) {
        f.PremiereLigne = n;
    } else {
        fenetres_[0].PremiereLigne = n;
        fenetres_[1].PremiereLigne = n;
    }
}

void ClsInterface::Defilement_Bas(std::int16_t NoFenetre, bool Fabrique) {
    if (NoFenetre < 0 || static_cast<std::size_t>(NoFenetre) >= fenetres_.size()) return;
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(NoFenetre)];
    if (Fabrique) {
        if (f.PremiereLigneFabrique < f.LigneMax) ++f.PremiereLigneFabrique;
        return;
    }
    if (f.PremiereLigne >= f.LigneMax) return;
    const auto n = static_cast<std::int16_t>(f.PremiereLigne + 1);
    if (NoFenetre == 3 || NoFenetre == 5 || fenetres_.size() < 2) {
        f.PremiereLigne = n;
    } else {
        fenetres_[0].PremiereLigne = n;
        fenetres_[1].PremiereLigne = n;
    }
}
