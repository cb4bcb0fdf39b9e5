#include <gtest/gtest.h>

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
