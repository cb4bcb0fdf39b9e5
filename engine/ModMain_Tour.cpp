// One simulation tick of the world, headless: what the main loop runs at
// every tick between the players' input and the frame.
#include "engine/ModMain.h"
#include "engine/ModMonde.h"

void ModMain::Tour_Simulation() {
    // The AI decides first, on the world as the last tick left it; the
    // characters then carry its orders out.
    IA.Gestion_IA();
    IA.Gestion_Fiefs();
    ModMonde::Pas_Monde(*this);
}
