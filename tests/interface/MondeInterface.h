// Shared by the interface tests: the combat fixture world with a player's
// character (index 0, fief 0) and its house, the screen at a chosen width,
// one interface set up headless (no pictures), its message feed and the
// key bindings of the default data.
#pragma once

#include <memory>

#include "display/ClsPerEcran.h"
#include "interface/ClsIntTouches.h"
#include "interface/ClsInterface.h"
#include "interface/ClsJeuMessages.h"
#include "tests/characters/MondeCombat.h"

class MondeInterface {
public:
    explicit MondeInterface(std::int32_t Largeur = 1024, std::int32_t Hauteur = 768) {
        Ecran = std::make_unique<ClsPerEcran>(W.M().Dossier);
        Ecran->Width(Largeur);
        Ecran->Height(Hauteur);
        W.Fief(0, 100, 100);
        W.Fief(1, 1500, 100);
        Joueur = W.Perso(RaceCombat::Humain, 0, 1000, 1000);
        W.Pe(Joueur).Joueur = true;
        Interface = std::make_unique<ClsInterface>(W.M(), *Ecran);
        Interface->Init1(0, 1);
        Interface->Init2(*Ecran, W.P());
        Messages = std::make_unique<ClsJeuMessages>(W.M());
        Messages->Init(W.P());
        Touches = std::make_unique<ClsIntTouches>(W.M().Dossier);
    }

    // Presses a key as the main loop does for player 0.
    void Presser(std::int16_t Touche, bool Ctrl = false, bool Shift = false, bool Alt = false) {
        Touches->Presser_Touche(Touche, W.M(), *Interface, *Messages, Joueur,
                                static_cast<std::int32_t>(W.M().Persos.size()) - 1, Ctrl, Shift, Alt,
                                SelectionActive, Selection);
    }

    ClsJeuPerso& Pj() { return W.Pe(Joueur); }

    MondeCombat W;
    std::unique_ptr<ClsPerEcran> Ecran;
    std::unique_ptr<ClsInterface> Interface;
    std::unique_ptr<ClsJeuMessages> Messages;
    std::unique_ptr<ClsIntTouches> Touches;
    std::int32_t Joueur = 0;
    bool SelectionActive = false;
    ModDialogue::Groupe Selection;
};
