// What the mouse and the keyboard of the game read, whatever delivers it:
// the engine window's events (platform/qt), or a script in tests. The
// device classes (devices/ClsPerSouris, ClsPerClavier) only see these.
#pragma once

#include <array>
#include <cstdint>

// One read of the mouse: movement since the previous read, in pixels, the
// wheel in its own units (120 per notch), and the four buttons (0 left,
// 1 right, 2 middle, 3 extra).
struct EtatSouris {
    std::int32_t DeplacementX = 0;
    std::int32_t DeplacementY = 0;
    std::int32_t DeplacementZ = 0;
    std::array<bool, 4> Boutons{};
    // Presses and releases of each button since the previous read: a
    // click made and let go between two reads shows only here.
    std::array<std::uint8_t, 4> Appuis{};
    std::array<std::uint8_t, 4> Relachements{};
};

// The 256 keys, indexed by the DirectInput key codes the key bindings use
// (PC set-1 scan codes, extended keys from 0x9C); non-zero = held.
using EtatClavier = std::array<std::uint8_t, 256>;

// The modifier keys in that set: the adapters set them from the window
// system's own modifier state, which a key event alone may not tell.
namespace CodesModificateurs {
inline constexpr std::uint8_t CtrlGauche = 29, CtrlDroit = 157;
inline constexpr std::uint8_t ShiftGauche = 42, ShiftDroit = 54;
inline constexpr std::uint8_t AltGauche = 56, AltDroit = 184;
}  // namespace CodesModificateurs

class SourceSouris {
public:
    virtual ~SourceSouris() = default;
    // Takes the mouse for the game; false when it cannot be had now (the
    // engine window does not have the focus).
    virtual bool Acquerir() = 0;
    virtual void Liberer() = 0;
    // Movement and buttons since the previous read. False when the mouse
    // was lost since it was acquired: the caller acquires it again.
    virtual bool Lire(EtatSouris& etat) = 0;
};

class SourceClavier {
public:
    virtual ~SourceClavier() = default;
    virtual bool Acquerir() = 0;
    virtual void Liberer() = 0;
    // The keys held now, and those pressed since the previous read even if
    // already let go (a key tapped between two reads is seen once).
    virtual void Lire(EtatClavier& etat) = 0;
};
