#include "devices/ClsPerClavier.h"

#include <algorithm>

#include "platform/Nombres.h"

ClsPerClavier::~ClsPerClavier() { Liberer(); }

void ClsPerClavier::Liberer() {
    if (source_) source_->Liberer();
    source_ = nullptr;
}

void ClsPerClavier::Init(SourceClavier* source, double Maintenant) {
    if (source_ != source) Liberer();
    source_ = source;
    if (source_) source_->Acquerir();
    DernierTemps = Maintenant;
}

std::int16_t ClsPerClavier::Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt) {
    if (source_) source_->Lire(EtatTouches);
    else EtatTouches.fill(0);

    // Code 0 names no key: the scan starts at 1 so that it can never be
    // taken for a pressed key.
    std::int16_t touche = 0;
    for (int code = 1; code < 256; ++code) {
        if (code == CtrlGauche || code == CtrlDroit) {
            Ctrl = EtatTouches[CtrlDroit] || EtatTouches[CtrlGauche];
        } else if (code == ShiftGauche || code == ShiftDroit) {
            Shift = EtatTouches[ShiftDroit] || EtatTouches[ShiftGauche];
        } else if (code == AltGauche || code == AltDroit) {
            Alt = EtatTouches[AltDroit] || EtatTouches[AltGauche];
        } else if (EtatTouches[static_cast<std::size_t>(code)]) {
            touche = static_cast<std::int16_t>(code);
            break;
        }
    }

    EtatPrecedent[2] = EtatLeve[2];
    EtatLeve[2] = touche == 0;
    return EtatPrecedent[2] ? touche : std::int16_t{0};
}

void ClsPerClavier::Positions(float& X, float& Y, float& Z, std::int16_t MinX, std::int16_t MaxX,
                              std::int16_t MinY, std::int16_t MaxY, double Maintenant, double Vitesse) {
    // One tick at most: a long pause (loading, a window dragged) must not
    // throw the cursor across the screen. A game speed of 0 sets no bound.
    double dt = std::max(0.0, Maintenant - DernierTemps);
    if (Vitesse > 0.0) dt = std::min(dt, 1.0 / Vitesse);

    const auto tenue = [this](std::uint8_t code) { return EtatTouches[code] != 0; };
    const bool direction = tenue(Pave2) || tenue(Pave4) || tenue(Pave5) || tenue(Pave6) || tenue(Pave8);
    if (!direction) {
        if (tenue(Pave3)) Z -= static_cast<float>(dt * VitesseCurseur);
        else if (tenue(Pave9)) Z += static_cast<float>(dt * VitesseCurseur);
        VitesseCurseur = 40.0f;
    } else {
        VitesseCurseur += 7.5f;
        const double pas = std::min(Arrondi(VitesseCurseur * dt), Arrondi(450.0 * dt));
        const auto p = static_cast<float>(pas);
        if (tenue(Pave4)) X -= p;
        else if (tenue(Pave6)) X += p;
        if (tenue(Pave8)) Y -= p;
        else if (tenue(Pave5) || tenue(Pave2)) Y += p;
        if (X < MinX) X = MinX;
        if (X > MaxX) X = MaxX;
        if (Y < MinY) Y = MinY;
        if (Y > MaxY) Y = MaxY;
    }
    DernierTemps = Maintenant;
}

bool ClsPerClavier::Clique(std::int16_t NumeroBouton) {
    if (NumeroBouton != 0 && NumeroBouton != 1) return false;
    const auto b = static_cast<std::size_t>(NumeroBouton);
    const bool c = EtatTouches[NumeroBouton == 0 ? Pave0 : PaveEntree] != 0;
    EtatRelache[b] = EtatConnu[b] && !(EtatLeve[b] || c);
    EtatConnu[b] = true;
    EtatPrecedent[b] = EtatLeve[b];
    EtatLeve[b] = !c;
    return EtatPrecedent[b] && c;
}

bool ClsPerClavier::Maintenu_Enfonce(std::int16_t NumeroBouton) const {
    if (NumeroBouton < 0 || NumeroBouton > 2) return false;
    const auto b = static_cast<std::size_t>(NumeroBouton);
    return !EtatPrecedent[b] && !EtatLeve[b];
}

bool ClsPerClavier::Bouton_Relache(std::int16_t NumeroBouton) const {
    if (NumeroBouton < 0 || NumeroBouton > 2) return false;
    return EtatRelache[static_cast<std::size_t>(NumeroBouton)];
}
