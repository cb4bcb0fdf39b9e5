// The small synthesiser behind the game's sounds: mono buffers of floats
// at one rate, oscillators, noise, envelopes, filters, an echo, and the
// 16-bit WAV writer. Everything is deterministic: noise comes from a seeded
// generator that each sound owns.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace synthese {

constexpr int Frequence = 22050;
constexpr double Pi = 3.14159265358979323846;

using Tampon = std::vector<float>;

inline std::size_t Echantillons(double secondes) {
    return static_cast<std::size_t>(secondes * Frequence + 0.5);
}

// A seeded white-noise source in [-1, 1).
class Bruit {
public:
    explicit Bruit(std::uint32_t graine) : etat_(graine * 2654435761u + 1u) {}
    float Suivant() {
        etat_ = etat_ * 1664525u + 1013904223u;
        return static_cast<float>(etat_ >> 8) / 8388608.0f - 1.0f;
    }
    // Uniform in [a, b).
    double Entre(double a, double b) { return a + (b - a) * (Suivant() * 0.5 + 0.5); }

private:
    std::uint32_t etat_;
};

enum class Onde { Sinus, Triangle, Carre, DentDeScie };

// One oscillator sample at phase p (in turns).
float Oscillateur(Onde onde, double p);

// A tone whose frequency slides exponentially from f0 to f1, with an
// exponential decay (time to fall to 1/e, 0 = none) and a short attack.
Tampon Ton(Onde onde, double f0, double f1, double duree, double attaque, double decroissance, float volume = 1.0f);
// White noise with the same envelope.
Tampon Souffle(Bruit& bruit, double duree, double attaque, double decroissance, float volume = 1.0f);
// Brown (integrated) noise: a rumble.
Tampon Grondement(Bruit& bruit, double duree, float volume = 1.0f);

// One-pole filters, cutoff in Hz (sliding from c0 to c1 over the buffer).
void PasseBas(Tampon& t, double c0, double c1);
void PasseHaut(Tampon& t, double c);
// A multiplying envelope: linear attack, hold, linear release.
void Enveloppe(Tampon& t, double attaque, double relache);
// A feedback echo.
void Echo(Tampon& t, double retard, float retour, int repetitions);
// Adds src into dst from time debut (dst grows as needed).
void Ajouter(Tampon& dst, const Tampon& src, double debut, float gain = 1.0f);
// Scales so that the loudest sample reaches crete.
void Normaliser(Tampon& t, float crete);
// A bell-like note: a few inharmonic partials with decays.
Tampon Cloche(double f, double duree, float volume = 1.0f);

// A 16-bit mono PCM WAV file. False when it cannot be written.
bool EcrireWav(const std::filesystem::path& chemin, const Tampon& t);

}  // namespace synthese
