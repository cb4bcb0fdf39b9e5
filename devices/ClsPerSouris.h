// The mouse of the game: moves the cursor position the caller keeps by the
// movement read since the last pass, and turns the buttons into edges (a
// click, a hold, a release). Reads a SourceSouris: the engine window's
// events, or a script in tests.
#pragma once

#include <array>
#include <cstdint>

#include "platform/SourceEntrees.h"

class ClsPerSouris {
public:
    ClsPerSouris() = default;
    ~ClsPerSouris();
    ClsPerSouris(const ClsPerSouris&) = delete;
    ClsPerSouris& operator=(const ClsPerSouris&) = delete;

    // True once the mouse has been acquired.
    bool Initialise = false;

    // Takes the mouse from this source (at every game start). A source that
    // cannot be acquired now leaves Initialise False; the next poll tries
    // again. nullptr: no mouse.
    void Init(SourceSouris* source);
    // Gives the mouse back and forgets the source: call it before the
    // source goes (the engine window closes), since the object itself
    // lives until the program ends.
    void Fermer();

    // Reads the mouse: X and Y move by its movement, each then clamped to
    // Min..Max (Min first, so that Max wins when they cross); Z moves by the
    // wheel, unbounded. The buttons read serve the edges until the next
    // poll. When the mouse was lost, it is acquired again and the cursor
    // stays put for this poll.
    void Positions(float& X, float& Y, float& Z, std::int16_t MinX, std::int16_t MaxX, std::int16_t MinY,
                   std::int16_t MaxY);

    // Click edge of button 0 (left), 1 (right) or 2 (middle): down now, up
    // when it was last asked. Advances that button's edges, so ask once per
    // poll. Any other number is refused (False, nothing changes).
    bool Clique(std::int16_t NumeroBouton);
    // Down at the last two edge updates of that button.
    bool Maintenu_Enfonce(std::int16_t NumeroBouton) const;
    // Up now after being down, as found by the last Clique of that button.
    bool Bouton_Relache(std::int16_t NumeroBouton) const;

    // The cursor in the middle of a width x height screen.
    void Centrer_curseur(float& X, float& Y, std::int16_t Largeur, std::int16_t Hauteur) const;

    static constexpr int NombreBoutons = 3;

private:
    void Liberer();

    SourceSouris* source_ = nullptr;
    EtatSouris etat_;
    // EtatLeve starts False: a button held when the game starts gives no
    // click until it has been seen up. EtatPrecedent starts True so that a
    // button never asked about does not read as held.
    std::array<bool, NombreBoutons> EtatLeve{};
    std::array<bool, NombreBoutons> EtatPrecedent{true, true, true};
    std::array<bool, NombreBoutons> EtatRelache{};
    // A button is assumed down until its first edge update, so that one
    // held at the start gives no click; it must not give a release either.
    std::array<bool, NombreBoutons> EtatConnu{};
};
