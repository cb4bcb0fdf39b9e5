// What the in-game interface and the key dispatcher ask of the engine
// window: the pause flag, the zoom, saving the world, the whole-map
// screenshot, the screen selection of soldiers and leaving the program.
// The engine fills the hooks it has; an empty hook does nothing, so the
// interface runs headless in tests.
#pragma once

#include <cstdint>
#include <functional>

struct LiensMoteur {
    // Inverts the game's pause flag (Jeu).
    std::function<void()> Basculer_Pause;
    // Saves the world under a name made of the date and time.
    std::function<void()> Sauvegarder_Monde;
    // The whole-map screenshot.
    std::function<void()> Capture_Ecran;
    // The engine window's soldier selection for a local player.
    std::function<void(std::int16_t Joueur, bool Ajouter, bool Retirer, bool& PleinEcran)> Selectionner_Soldats;
    // Alt + F4: the game ends (FinPartie is set first, so the heroes are
    // still saved) and the program closes after it.
    std::function<void()> Quitter_Programme;
    // The view's zoom factor; null when the engine has none.
    double* Zoom = nullptr;
};
