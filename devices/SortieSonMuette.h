// The sound output when there is no sound card (or none wanted): every
// effect and track is refused, and the game goes on in silence.
#pragma once

#include "platform/SortieSon.h"

class SortieSonMuette : public SortieSon, public SortieMusique {
public:
    void Vider(std::int32_t) override {}
    bool Charger(std::int32_t, const std::filesystem::path&) override { return false; }
    void Jouer(std::int32_t) override {}

    bool Ouvrir(const std::filesystem::path&) override { return false; }
    void Jouer() override {}
    void Arreter() override {}
    void Fermer() override {}
};
