#include "devices/ClsPerSouris.h"

ClsPerSouris::~ClsPerSouris() { Liberer(); }

void ClsPerSouris::Liberer() {
    if (source_ && Initialise) source_->Liberer();
    Initialise = false;
}

void ClsPerSouris::Fermer() {
    Liberer();
    source_ = nullptr;
}

void ClsPerSouris::Init(SourceSouris* source) {
    if (source_ != source) Liberer();
    source_ = source;
    Initialise = source_ != nullptr && source_->Acquerir();
}

void ClsPerSouris::Positions(float& X, float& Y, float& Z, std::int16_t MinX, std::int16_t MaxX,
                             std::int16_t MinY, std::int16_t MaxY) {
    EtatSouris lu;
    if (!source_ || !Initialise || !source_->Lire(lu)) {
        // Lost (the window lost the focus): take it again; the cursor and
        // the buttons stay as they were for this poll.
        Init(source_);
        return;
    }
    etat_ = lu;
    X += static_cast<float>(etat_.DeplacementX);
    if (X < MinX) X = MinX;
    if (X > MaxX) X = MaxX;
    Y += static_cast<float>(etat_.DeplacementY);
    if (Y < MinY) Y = MinY;
    if (Y > MaxY) Y = MaxY;
    Z += static_cast<float>(etat_.DeplacementZ);
}

bool ClsPerSouris::Clique(std::int16_t NumeroBouton) {
    if (NumeroBouton < 0 || NumeroBouton >= NombreBoutons) return false;
    const auto b = static_cast<std::size_t>(NumeroBouton);
    const bool c = etat_.Boutons[b];
    // A press or a release since the last poll counts even when the button
    // is back where it was: a quick click lies between two polls.
    const bool appui = etat_.Appuis[b] > 0, relache = etat_.Relachements[b] > 0;
    EtatRelache[b] = EtatConnu[b] && (!(EtatLeve[b] || c) || relache);
    EtatConnu[b] = true;
    EtatPrecedent[b] = EtatLeve[b];
    EtatLeve[b] = !c;
    return (EtatPrecedent[b] && c) || appui;
}

bool ClsPerSouris::Maintenu_Enfonce(std::int16_t NumeroBouton) const {
    if (NumeroBouton < 0 || NumeroBouton >= NombreBoutons) return false;
    const auto b = static_cast<std::size_t>(NumeroBouton);
    return !EtatPrecedent[b] && !EtatLeve[b];
}

bool ClsPerSouris::Bouton_Relache(std::int16_t NumeroBouton) const {
    if (NumeroBouton < 0 || NumeroBouton >= NombreBoutons) return false;
    return EtatRelache[static_cast<std::size_t>(NumeroBouton)];
}

void ClsPerSouris::Centrer_curseur(float& X, float& Y, std::int16_t Largeur, std::int16_t Hauteur) const {
    X = static_cast<float>(Largeur) / 2.0f;
    Y = static_cast<float>(Hauteur) / 2.0f;
}
