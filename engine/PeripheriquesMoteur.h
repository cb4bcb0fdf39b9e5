// What the engine needs of the players' devices at each pass of its loop:
// the key pressed with its modifiers, the mouse's movement and wheel, and
// the state of two buttons (pressed this pass, held since an earlier pass,
// released this pass) for the mouse and for the keyboard's two action
// keys. The window layer fills them from its events; tests script them.
#pragma once

#include <cstdint>

struct EtatBoutons {
    bool Clique[2] = {false, false};    // pressed since the last reading
    bool Maintenu[2] = {false, false};  // down now and already down before
    bool Relache[2] = {false, false};   // released since the last reading
};

class PeripheriquesMoteur {
public:
    virtual ~PeripheriquesMoteur() = default;
    // The mouse is acquired: keys are read only then.
    virtual bool Pret() const { return true; }
    // The key pressed this pass (keyboard codes of the key bindings), 0
    // for none, with the three modifiers.
    virtual std::int16_t Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt) = 0;
    // Mouse movement and wheel since the last reading, in screen pixels.
    virtual void Positions_Souris(double& dX, double& dY, double& dZ) = 0;
    virtual EtatBoutons Boutons_Souris() = 0;
    // The keyboard player's cursor keys and two action keys (two players).
    virtual void Positions_Clavier(double& dX, double& dY, double& dZ) { dX = dY = dZ = 0; }
    virtual EtatBoutons Boutons_Clavier() { return {}; }
};

// Devices whose next readings are set by hand: the loop's tests and a
// program without input. Each reading hands over what was set and clears
// the one-pass values (movement, key, clicks and releases).
class PeripheriquesScriptes : public PeripheriquesMoteur {
public:
    std::int16_t Touche = 0;
    bool Ctrl = false, Shift = false, Alt = false;
    double DX = 0, DY = 0, DZ = 0;
    EtatBoutons Souris;
    EtatBoutons Clavier;
    double ClavierDX = 0, ClavierDY = 0;

    std::int16_t Pression_Clavier(bool& c, bool& s, bool& a) override {
        c = Ctrl;
        s = Shift;
        a = Alt;
        const std::int16_t t = Touche;
        Touche = 0;
        return t;
    }
    void Positions_Souris(double& dX, double& dY, double& dZ) override {
        dX = DX;
        dY = DY;
        dZ = DZ;
        DX = DY = DZ = 0;
    }
    EtatBoutons Boutons_Souris() override { return Lire(Souris); }
    void Positions_Clavier(double& dX, double& dY, double& dZ) override {
        dX = ClavierDX;
        dY = ClavierDY;
        dZ = 0;
        ClavierDX = ClavierDY = 0;
    }
    EtatBoutons Boutons_Clavier() override { return Lire(Clavier); }

private:
    static EtatBoutons Lire(EtatBoutons& e) {
        EtatBoutons r = e;
        for (int b = 0; b < 2; ++b) e.Clique[b] = e.Relache[b] = false;
        return r;
    }
};
