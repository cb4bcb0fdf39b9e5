#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/sdl/SonSDL.h"
#include "tests/Outils.h"

namespace {

// A short 16-bit mono WAV written by hand.
void EcrireWav(const std::filesystem::path& chemin, int echantillons) {
    std::ofstream f(chemin, std::ios::binary);
    auto mot32 = [&](std::uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto mot16 = [&](std::uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    const std::uint32_t donnees = static_cast<std::uint32_t>(echantillons) * 2;
    f.write("RIFF", 4);
    mot32(36 + donnees);
    f.write("WAVEfmt ", 8);
    mot32(16);
    mot16(1);
    mot16(1);
    mot32(22050);
    mot32(44100);
    mot16(2);
    mot16(16);
    f.write("data", 4);
    mot32(donnees);
    for (int k = 0; k < echantillons; ++k) mot16(static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(k * 0.1))));
}

// Sets an environment variable for one test and puts it back.
struct Environnement {
    std::string nom;
    std::string ancien;
    bool avait;
    Environnement(const char* n, const char* valeur) : nom(n) {
        const char* v = std::getenv(n);
        avait = v != nullptr;
        if (v) ancien = v;
        setenv(n, valeur, 1);
    }
    ~Environnement() {
        if (avait) setenv(nom.c_str(), ancien.c_str(), 1);
        else unsetenv(nom.c_str());
    }
};

}  // namespace

TEST(SonSDL, PiloteFactice) {
    Environnement pilote("SDL_AUDIODRIVER", "dummy");
    DossierTemporaire d;
    EcrireWav(d.Chemin() / "choc.wav", 2000);
    d.Ecrire("pas_un_son.wav", "ceci n'est pas un son");
    SonSDL son;
    ASSERT_TRUE(son.Disponible()) << son.Erreur();
    son.Vider(3);
    EXPECT_TRUE(son.Charger(0, d.Chemin() / "choc.wav"));
    EXPECT_FALSE(son.Charger(1, d.Chemin() / "pas_un_son.wav"));
    EXPECT_FALSE(son.Charger(2, d.Chemin() / "absent.wav"));
    EXPECT_FALSE(son.Charger(3, d.Chemin() / "choc.wav"));   // beyond the effects made room for
    EXPECT_FALSE(son.Charger(-1, d.Chemin() / "choc.wav"));
    for (int i : {0, 0, 1, 2, 3, -5}) son.Jouer(i);
    // Loading again over a loaded effect replaces it.
    EXPECT_TRUE(son.Charger(0, d.Chemin() / "choc.wav"));
    son.Vider(0);
    son.Jouer(0);

    EXPECT_TRUE(son.Ouvrir(d.Chemin() / "choc.wav"));
    son.Jouer();
    son.Arreter();
    son.Fermer();
    son.Fermer();
    EXPECT_FALSE(son.Ouvrir(d.Chemin() / "absent.ogg"));
    son.Jouer();
}

// A track plays once through, then the music is silent until the next
// track is asked for (the interval between tracks runs meanwhile).
TEST(SonSDL, UnMorceauJoueUneFoisPuisSilence) {
    Environnement pilote("SDL_AUDIODRIVER", "dummy");
    DossierTemporaire d;
    EcrireWav(d.Chemin() / "fanfare.wav", 2205);  // a tenth of a second
    SonSDL son;
    ASSERT_TRUE(son.Disponible()) << son.Erreur();
    ASSERT_TRUE(son.Ouvrir(d.Chemin() / "fanfare.wav"));
    son.Jouer();
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    // The dummy device plays in real time: the track ends within its
    // length, and a loaded machine gets a minute.
    const Uint64 limite = SDL_GetTicks64() + 60000;
    while (Mix_PlayingMusic() && SDL_GetTicks64() < limite) SDL_Delay(10);
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the track is still playing: it loops";
    son.Fermer();
}

TEST(SonSDL, SansPeripheriqueLeSilence) {
    Environnement pilote("SDL_AUDIODRIVER", "pilote_qui_n_existe_pas");
    DossierTemporaire d;
    EcrireWav(d.Chemin() / "choc.wav", 100);
    SonSDL son;
    EXPECT_FALSE(son.Disponible());
    EXPECT_FALSE(son.Erreur().empty());
    son.Vider(4);
    EXPECT_FALSE(son.Charger(0, d.Chemin() / "choc.wav"));
    son.Jouer(0);
    EXPECT_FALSE(son.Ouvrir(d.Chemin() / "choc.wav"));
    son.Jouer();
    son.Arreter();
    son.Fermer();
}
