// The keyboard of the game: the key newly pressed for the key bindings
// (with Ctrl, Shift and Alt), and a cursor driven by the numeric keypad so
// that a second player on the same machine plays without a mouse. Key
// codes are the DirectInput codes of the key-binding file (PC set-1 scan
// codes, extended keys from 0x9C). Reads a SourceClavier: the engine
// window's events, or a script in tests.
#pragma once

#include <array>
#include <cstdint>

#include "platform/SourceEntrees.h"

class ClsPerClavier {
public:
    ClsPerClavier() = default;
    ~ClsPerClavier();
    ClsPerClavier(const ClsPerClavier&) = delete;
    ClsPerClavier& operator=(const ClsPerClavier&) = delete;

    // Key codes the keyboard itself looks at.
    static constexpr std::uint8_t CtrlGauche = CodesModificateurs::CtrlGauche, CtrlDroit = CodesModificateurs::CtrlDroit;
    static constexpr std::uint8_t ShiftGauche = CodesModificateurs::ShiftGauche, ShiftDroit = CodesModificateurs::ShiftDroit;
    static constexpr std::uint8_t AltGauche = CodesModificateurs::AltGauche, AltDroit = CodesModificateurs::AltDroit;
    static constexpr std::uint8_t Pave8 = 72, Pave9 = 73, Pave4 = 75, Pave5 = 76, Pave6 = 77;
    static constexpr std::uint8_t Pave2 = 80, Pave3 = 81, Pave0 = 82, PaveEntree = 156;

    // Takes the keyboard from this source (at every game start); Maintenant
    // is the game clock in seconds. nullptr: no keyboard (no key is ever
    // held).
    void Init(SourceClavier* source, double Maintenant);
    // Gives the keyboard back and forgets the source (before it goes).
    void Fermer() { Liberer(); }

    // Reads the keys and returns the code of a newly pressed key, or 0.
    // Codes are scanned upwards; Ctrl, Shift and Alt are written only when
    // the scan reaches their codes before it stops at the first other held
    // key (a flag beyond that keeps the caller's value, so the caller keeps
    // the three flags from one pass to the next: Ctrl + 1 then reads the
    // Ctrl seen alone at the previous pass). One key is reported once:
    // nothing more until every key is released.
    std::int16_t Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt);

    // Moves the keypad cursor from the keys of the last Pression_Clavier:
    // 4/6/8/5/2 move X and Y (accelerating by 7.5 pixels per second at each
    // poll, up to 450), each clamped to Min..Max; with no direction held,
    // 3 and 9 move Z. Vitesse is the game speed (ticks per second): the
    // time step counts at most one tick.
    void Positions(float& X, float& Y, float& Z, std::int16_t MinX, std::int16_t MaxX, std::int16_t MinY,
                   std::int16_t MaxY, double Maintenant, double Vitesse);

    // Click edge of keypad 0 (0) or keypad Enter (1). Any other number is
    // refused (False, nothing changes): entry 2 belongs to Pression_Clavier.
    bool Clique(std::int16_t NumeroBouton);
    bool Maintenu_Enfonce(std::int16_t NumeroBouton) const;
    bool Bouton_Relache(std::int16_t NumeroBouton) const;

    // Whether a key was held at the last Pression_Clavier.
    bool Enfoncee(std::uint8_t Code) const { return EtatTouches[Code] != 0; }

    // Keypad cursor speed in pixels per second.
    float VitesseCurseur = 40.0f;

private:
    void Liberer();

    SourceClavier* source_ = nullptr;
    double DernierTemps = 0.0;
    EtatClavier EtatTouches{};
    // Entries 0 and 1: keypad 0 and keypad Enter; entry 2: any key.
    // As for the mouse: nothing held reads as held before its first edge.
    std::array<bool, 3> EtatLeve{};
    std::array<bool, 3> EtatPrecedent{true, true, true};
    std::array<bool, 3> EtatRelache{};
    // A button is assumed down until its first edge update, so that one
    // held at the start gives no click; it must not give a release either.
    std::array<bool, 3> EtatConnu{};
};
