#include <gtest/gtest.h>

#include "display/ClsAffSouris.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/ImageBMP.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

TEST(ClsAffSouris, ColonneDuCurseur) {
    DossierTemporaire d;
    d.Ecrire("Ini_Souris.ini", "[Souris]\nChemin=Curseurs\\\nNombreCurseurs=2\nLargeurImage=4\nHauteurImage=3\n");
    // Three cursors side by side, each a flat colour.
    Surface feuille(12, 3);
    feuille.RemplirRectangle(0, 0, 4, 3, 0x0000FF);
    feuille.RemplirRectangle(4, 0, 8, 3, 0x00FF00);
    feuille.RemplirRectangle(8, 0, 12, 3, 0xFF0000);
    ASSERT_TRUE(EcrireBMP(feuille, d.Chemin() / "Images" / "Curseurs" / "ArrowCursor.bmp"));
    DossierJeu dossier(d.Chemin());
    ClsAffSouris souris(dossier);
    EXPECT_EQ(souris.Chemin, "Curseurs\\");
    EXPECT_EQ(souris.Largeur(), 4);
    EXPECT_EQ(souris.Hauteur(), 3);
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur);
    souris.Charger(dd);

    struct Cas { int type; std::uint32_t couleur; };
    const Cas cas[] = {{0, 0x0000FF}, {1, 0x00FF00}, {2, 0xFF0000}, {3, 0x0000FF}, {999, 0x0000FF}, {-1, 0x0000FF}};
    for (const auto& c : cas) {
        Surface back(10, 10);
        souris.Afficher(5, 5, c.type, back, Vue{10, 10, 0, 0});
        EXPECT_EQ(back.Pixel(5, 5), Surface::Couleur565(c.couleur)) << c.type;
        EXPECT_EQ(back.Pixel(8, 7), Surface::Couleur565(c.couleur)) << "the whole cell";
        EXPECT_EQ(back.Pixel(5, 8), 0);
    }
}

TEST(ClsAffSouris, ColonneAbsenteDeLaFeuille) {
    DossierTemporaire d;
    // The file promises more cursors than the sheet holds.
    d.Ecrire("Ini_Souris.ini", "[Souris]\nChemin=\nNombreCurseurs=9\nLargeurImage=4\nHauteurImage=4\n");
    Surface feuille(8, 4);
    feuille.Remplir(0xFFFFFF);
    ASSERT_TRUE(EcrireBMP(feuille, d.Chemin() / "Images" / "ArrowCursor.bmp"));
    DossierJeu dossier(d.Chemin());
    ClsAffSouris souris(dossier);
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur);
    souris.Charger(dd);
    Surface back(10, 10);
    souris.Afficher(0, 0, 5, back, Vue{10, 10, 0, 0});
    for (auto p : back.Pixels()) ASSERT_EQ(p, 0);
}
