// What is left of a game once its engine window is closed.
#include "engine/ModMain.h"

void ModMain::Effacer_Monde() {
    Maisons.clear();
    Chateaux.clear();
    Fiefs.clear();
    Ressources.clear();
    // The session's heroes were this game's only: the setup window lists
    // and edits the player's own again.
    SavPerso.DossierSession.clear();
}
