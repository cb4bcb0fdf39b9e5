// The game's random source. Every rule draws from Nombre_Aleatoire, in a
// fixed order per procedure: in a network game the fixed cycle of 17 values
// replaces the generator, so that every machine draws the same numbers.
// GenerateurLocal serves draws that only one machine makes (character
// creation, acknowledgements, music, tips) and never touches the cycle.
#pragma once

#include <array>
#include <cstdint>
#include <random>

// A uniform generator of [0, 1), seedable, with no hidden state.
class GenerateurLocal {
public:
    explicit GenerateurLocal(std::uint64_t graine = 0) : moteur_(graine) {}
    void Semer(std::uint64_t graine) { moteur_.seed(graine); }
    void SemerHorloge();
    // 24 random bits over 2^24: exactly representable, never 1.
    float Suivant() { return static_cast<float>(moteur_() >> 40) * (1.0f / 16777216.0f); }
    // Passes over n values as if drawn (one engine step per value).
    void Sauter(std::uint64_t n) { moteur_.discard(n); }

private:
    std::mt19937_64 moteur_;
};

class ModRandom {
public:
    std::array<float, 17> TableAleatoire{};
    std::int16_t PositionAleatoire = 0;
    bool TableActive = false;

    // Fills the cycle, rewinds it and switches it on.
    void Initialiser_Aleatoire();
    // Switches the cycle off and reseeds the generator from the clock: a
    // game set up without a network session draws fresh numbers again.
    void Desactiver_Table();
    // Next value in [0, 1). Inline: combat draws once per character and
    // per call for help.
    float Nombre_Aleatoire() {
        if (TableActive) {
            ++PositionAleatoire;
            if (PositionAleatoire > 16) PositionAleatoire = 0;
            return TableAleatoire[static_cast<std::size_t>(PositionAleatoire)];
        }
        return generateur_.Suivant();
    }
    // Moves on exactly as n draws of Nombre_Aleatoire would, without the
    // n steps: a loop whose last rounds repeat can pass over their draws.
    void Sauter(std::uint64_t n);

    GenerateurLocal& Generateur() { return generateur_; }

private:
    GenerateurLocal generateur_;
};
