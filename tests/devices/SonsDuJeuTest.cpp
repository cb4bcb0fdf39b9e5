#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "devices/ClsPerMusique.h"
#include "devices/ClsPerSon.h"
#include "platform/DossierJeu.h"
#include "platform/sdl/SonSDL.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"

// The game folder the build assembled: every visual effect of the default
// rules has a sound that SDL_mixer reads, and every situation has music.
TEST(SonsDuJeu, ChaqueEffetAUnSonEtChaqueSituationUneMusique) {
    DossierJeu dossier(MORVAINE_GAME_DIR);
    ClsJeuParam regles(dossier);
    for (std::int16_t etape = 0; etape <= 7; ++etape) regles.Init(etape);
    ASSERT_GT(regles.NombreEffets, 0);

    // The test suite runs without a sound card.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    SonSDL sortie;
    ASSERT_TRUE(sortie.Disponible()) << sortie.Erreur();
    ClsPerSon son(dossier);
    son.Init(&sortie, regles);
    for (int i = 0; i < regles.NombreEffets; ++i) {
        EXPECT_TRUE(son.Charge(i)) << regles.Effet_Son(i);
        son.Lire(static_cast<std::int16_t>(i));
    }

    GenerateurLocal generateur(3);
    ClsPerMusique musique(dossier, generateur, &sortie);
    for (int s = 0; s < ClsPerMusique::NombreSituations; ++s) {
        EXPECT_TRUE(musique.Liste(s).Disponible) << s;
        musique.Jouer_Musique(s, false, 1000.0 * s);
        EXPECT_EQ(musique.Situation_Courante(), s);
        // The track chosen opens.
        const auto& l = musique.Liste(s);
        EXPECT_TRUE(sortie.Ouvrir(dossier.Chemin(musique.Chemin + "\\" + l.Dossier + "\\" + musique.Morceau_Courant())))
            << musique.Morceau_Courant();
    }
    musique.StopSon();
}

namespace {

struct Wav {
    int canaux = 0, frequence = 0, bits = 0;
    std::vector<float> echantillons;
};

std::optional<Wav> LireWav(const std::filesystem::path& chemin) {
    std::ifstream flux(chemin, std::ios::binary);
    const std::string o((std::istreambuf_iterator<char>(flux)), std::istreambuf_iterator<char>());
    if (o.size() < 44 || o.compare(0, 4, "RIFF") != 0 || o.compare(8, 8, "WAVEfmt ") != 0 || o.compare(36, 4, "data") != 0)
        return std::nullopt;
    auto mot = [&](std::size_t p, int n) {
        std::uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(o[p + static_cast<std::size_t>(k)]);
        return v;
    };
    Wav w;
    w.canaux = static_cast<int>(mot(22, 2));
    w.frequence = static_cast<int>(mot(24, 4));
    w.bits = static_cast<int>(mot(34, 2));
    const std::size_t n = std::min<std::size_t>(mot(40, 4), o.size() - 44) / 2;
    for (std::size_t k = 0; k < n; ++k)
        w.echantillons.push_back(static_cast<std::int16_t>(mot(44 + 2 * k, 2)) / 32768.0f);
    return w;
}

}  // namespace

// What the generator made: plain 16-bit mono files, audible and never
// clipped; effects short, music long enough to loop and without a click
// where its end meets its start.
TEST(SonsDuJeu, FichiersAudiblesSansSaturation) {
    DossierJeu dossier(MORVAINE_GAME_DIR);
    struct Dossier { std::filesystem::path chemin; double min, max; bool boucle; };
    std::vector<Dossier> dossiers = {{dossier.Chemin("\\Sons"), 0.05, 3.0, false}};
    for (const auto& d : std::filesystem::directory_iterator(dossier.Chemin("\\Musiques")))
        dossiers.push_back({d.path(), 10.0, 60.0, true});
    int fichiers = 0;
    for (const auto& d : dossiers)
        for (const auto& f : std::filesystem::directory_iterator(d.chemin)) {
            const auto w = LireWav(f.path());
            ASSERT_TRUE(w) << f.path();
            ++fichiers;
            EXPECT_EQ(w->canaux, 1) << f.path();
            EXPECT_EQ(w->bits, 16) << f.path();
            ASSERT_GT(w->frequence, 0) << f.path();
            const double duree = double(w->echantillons.size()) / w->frequence;
            EXPECT_GE(duree, d.min) << f.path();
            EXPECT_LE(duree, d.max) << f.path();
            float crete = 0;
            double energie = 0;
            for (float e : w->echantillons) crete = std::max(crete, std::fabs(e)), energie += e * e;
            EXPECT_LT(crete, 0.99f) << f.path();
            EXPECT_GT(crete, 0.3f) << f.path();
            EXPECT_GT(std::sqrt(energie / double(w->echantillons.size())), 0.02) << f.path();
            if (d.boucle) {
                EXPECT_LT(std::fabs(w->echantillons.back() - w->echantillons.front()), 0.05f) << f.path();
            }
        }
    EXPECT_GT(fichiers, 7);
}
