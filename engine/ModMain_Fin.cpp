// What is left of a game once its engine window is closed.
#include "engine/ModMain.h"

void ModMain::Effacer_Monde() {
    Maisons.clear();
    Chateaux.clear();
    Fiefs.clear();
    Ressources.clear();
}
