#include "rules/ModRandom.h"

#include <chrono>

void GenerateurLocal::SemerHorloge() {
    Semer(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
          static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

void ModRandom::Initialiser_Aleatoire() {
    TableAleatoire = {0.7055475f, 0.533424f,  0.5795186f, 0.2895625f, 0.301948f,   0.7747401f,
                      0.01401764f, 0.7607236f, 0.81449f,  0.7090379f, 0.7055475f,  0.533424f,
                      0.5795186f, 0.2895625f, 0.301948f,  0.7747401f, 0.7055475f};
    PositionAleatoire = 0;
    TableActive = true;
}

void ModRandom::Desactiver_Table() {
    TableActive = false;
    generateur_.SemerHorloge();
}

void ModRandom::Sauter(std::uint64_t n) {
    if (!TableActive) {
        generateur_.Sauter(n);
        return;
    }
    if (n == 0) return;
    // One real step first brings a position past the end back into the
    // cycle; from there on every 17 steps come back to the same place.
    Nombre_Aleatoire();
    for (std::uint64_t k = (n - 1) % 17; k > 0; --k) Nombre_Aleatoire();
}
