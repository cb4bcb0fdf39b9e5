// The engine's devices over the game's mouse and keyboard: the mouse gives
// the movement and buttons of the mouse player, the keypad the cursor and
// two buttons of the keyboard player, and the keyboard the key pressed for
// the key bindings.
#pragma once

#include "devices/ClsPerClavier.h"
#include "devices/ClsPerSouris.h"
#include "engine/ClsJeu.h"
#include "engine/Horloge.h"
#include "engine/PeripheriquesMoteur.h"

class PeripheriquesJeu : public PeripheriquesMoteur {
public:
    PeripheriquesJeu(ClsPerSouris& Souris, ClsPerClavier& Clavier, Horloge& Horloge, const ClsJeu& Jeu)
        : Souris(Souris), Clavier(Clavier), horloge_(Horloge), jeu_(Jeu) {}

    ClsPerSouris& Souris;
    ClsPerClavier& Clavier;

    bool Pret() const override { return Souris.Initialise; }
    std::int16_t Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt) override {
        return Clavier.Pression_Clavier(Ctrl, Shift, Alt);
    }
    // The devices move a position inside bounds; the engine keeps its own
    // cursors and bounds, so the movement is read from an unbounded one.
    void Positions_Souris(double& dX, double& dY, double& dZ) override {
        float x = 0, y = 0, z = 0;
        Souris.Positions(x, y, z, -32000, 32000, -32000, 32000);
        dX = x, dY = y, dZ = z;
    }
    EtatBoutons Boutons_Souris() override {
        EtatBoutons e;
        for (std::int16_t b = 0; b < 2; ++b) {
            e.Clique[b] = Souris.Clique(b);
            e.Maintenu[b] = Souris.Maintenu_Enfonce(b);
            e.Relache[b] = Souris.Bouton_Relache(b);
        }
        return e;
    }
    void Positions_Clavier(double& dX, double& dY, double& dZ) override {
        float x = 0, y = 0, z = 0;
        Clavier.Positions(x, y, z, -32000, 32000, -32000, 32000, horloge_.Maintenant(),
                          jeu_.Definir_Vitesse() > 0 ? jeu_.Definir_Vitesse() : 1);
        dX = x, dY = y, dZ = z;
    }
    EtatBoutons Boutons_Clavier() override {
        EtatBoutons e;
        for (std::int16_t b = 0; b < 2; ++b) {
            e.Clique[b] = Clavier.Clique(b);
            e.Maintenu[b] = Clavier.Maintenu_Enfonce(b);
            e.Relache[b] = Clavier.Bouton_Relache(b);
        }
        return e;
    }

private:
    Horloge& horloge_;
    const ClsJeu& jeu_;
};
