#include <gtest/gtest.h>

#include "engine/ClsJeu.h"
#include "platform/DossierJeu.h"
#include "tests/Outils.h"

TEST(ClsJeu, LectureArrondieEtEcritureImmediate) {
    DossierTemporaire d;
    d.Ecrire("Ini_Jeu.ini", "[Vitesse]\nFPS=25.5\nVitesse=24.5\nAffichageRapide=2\nVitesseMax=30\nFPSMin=abc\n");
    DossierJeu dossier(d.Chemin());
    ClsJeu jeu(dossier);
    EXPECT_EQ(jeu.Definir_FPS(), 26);
    EXPECT_EQ(jeu.Definir_Vitesse(), 24);  // halves go to the even neighbour
    EXPECT_TRUE(jeu.Definir_AffichageRapide());
    EXPECT_EQ(jeu.FPSMin, 0);
    EXPECT_FALSE(jeu.Definir_Mode2Joueurs());
    EXPECT_FALSE(jeu.Pause);

    jeu.Definir_AffichageRapide(true);
    jeu.Definir_Vitesse(99);  // beyond VitesseMax: stored as given
    jeu.Pause = true;
    jeu.Definir_Mode2JoueursEcranSepares(true);
    DossierJeu relu(d.Chemin());
    ClsJeu jeu2(relu);
    EXPECT_EQ(jeu2.Definir_Vitesse(), 99);
    EXPECT_TRUE(jeu2.Definir_Mode2JoueursEcranSepares());
    EXPECT_FALSE(jeu2.Pause);
    const std::string texte = d.Lire("Ini_Jeu.ini");
    EXPECT_NE(texte.find("AffichageRapide=1"), std::string::npos);
    EXPECT_EQ(texte.find("Pause"), std::string::npos);
}

TEST(ClsJeu, FichierAbsentDonneDesIntervallesSurs) {
    DossierTemporaire d;
    DossierJeu dossier(d.Chemin());
    ClsJeu jeu(dossier);
    EXPECT_EQ(jeu.Definir_Vitesse(), 0);
    EXPECT_DOUBLE_EQ(jeu.IntervalleTour(), 1.0);
    EXPECT_DOUBLE_EQ(jeu.IntervalleTrame(), 1.0);
}
