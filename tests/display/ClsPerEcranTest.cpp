#include <gtest/gtest.h>

#include "display/ClsPerEcran.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/ImageBMP.h"
#include "platform/SortieEcran.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

namespace {

std::string Ecran(const std::string& ecran, const std::string& resolutions) {
    return "[Ecran]\n" + ecran + "\n" + resolutions;
}
const std::string DeuxResolutions =
    "[Resolution_1]\nLargeur=800\nHauteur=600\n[Resolution_2]\nLargeur=1024\nHauteur=768\n";

struct FausseSortie : SortieEcran {
    int largeur = 0, hauteur = 0;
    bool fenetre = false, ferme = false;
    int presentations = 0;
    void Ouvrir(std::int32_t l, std::int32_t h, bool f) override { largeur = l, hauteur = h, fenetre = f; }
    void Presenter(const Surface&) override { ++presentations; }
    void Fermer() override { ferme = true; }
};

}  // namespace

TEST(ClsPerEcran, ResolutionChoisie) {
    struct Cas { const char* ecran; int no, largeur, hauteur; bool fenetre; };
    const Cas cas[] = {
        {"ModeFenetre=1\nNombreResolution=2\nResolution=2", 1, 1024, 768, true},
        {"ModeFenetre=0\nNombreResolution=2\nResolution=1", 0, 800, 600, false},
        {"NombreResolution=2\nResolution=3", 0, 800, 600, false},   // outside the table: the first
        {"NombreResolution=2\nResolution=0", 0, 800, 600, false},
        {"NombreResolution=2\nResolution=-4", 0, 800, 600, false},
        {"NombreResolution=2", 0, 800, 600, false},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Ecran.ini", Ecran(c.ecran, DeuxResolutions));
        DossierJeu dossier(d.Chemin());
        ClsPerEcran ecran(dossier);
        EXPECT_EQ(ecran.NoResolution, c.no) << c.ecran;
        EXPECT_EQ(ecran.Width(), c.largeur) << c.ecran;
        EXPECT_EQ(ecran.Height(), c.hauteur) << c.ecran;
        EXPECT_EQ(ecran.ModeFenetre, c.fenetre) << c.ecran;
        EXPECT_EQ(ecran.Nombre_Resolutions(), 2);
    }
}

TEST(ClsPerEcran, ChangementDeResolution) {
    DossierTemporaire d;
    d.Ecrire("Ini_Ecran.ini", Ecran("NombreResolution=2\nResolution=1", DeuxResolutions));
    DossierJeu dossier(d.Chemin());
    ClsPerEcran ecran(dossier);
    EXPECT_EQ(ecran.Definir_ResolutionX(1), 1024);
    EXPECT_EQ(ecran.Definir_ResolutionY(1), 768);
    EXPECT_EQ(ecran.Definir_ResolutionX(2), 0);
    EXPECT_TRUE(ecran.Definir_Resolution(1));
    EXPECT_NE(d.Lire("Ini_Ecran.ini").find("Resolution=2"), std::string::npos);
    EXPECT_EQ(ecran.Definir_Resolution(), 1);
    EXPECT_EQ(ecran.Width(), 800) << "the size in use changes at the next start";
    EXPECT_FALSE(ecran.Definir_Resolution(2));
    EXPECT_FALSE(ecran.Definir_Resolution(-1));
    EXPECT_EQ(ecran.Definir_Resolution(), 1);
}

TEST(ClsPerEcran, FichierInvalide) {
    struct Cas { std::string texte; std::string detail; };
    const Cas cas[] = {
        {Ecran("NombreResolution=2", "[Resolution_1]\nLargeur=huit cents\nHauteur=600\n[Resolution_2]\nLargeur=1024\nHauteur=768\n"),
         "[Resolution_1] Largeur"},
        {Ecran("NombreResolution=2", "[Resolution_1]\nLargeur=800\nHauteur=600\n"), "[Resolution_2] Largeur"},
        {Ecran("NombreResolution=1", "[Resolution_1]\nLargeur=800\nHauteur=60\n"), "[Resolution_1] Hauteur"},
        {Ecran("NombreResolution=0", ""), "[Ecran] NombreResolution"},
        {Ecran("", ""), "[Ecran] NombreResolution"},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Ecran.ini", c.texte);
        DossierJeu dossier(d.Chemin());
        try {
            ClsPerEcran ecran(dossier);
            ADD_FAILURE() << c.texte;
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(e.Fichier(), "Ini_Ecran.ini");
            const std::string m = e.what();
            EXPECT_EQ(m.rfind("Le fichier Ini_Ecran.ini est invalide.", 0), 0u) << m;
            EXPECT_NE(m.find(c.detail), std::string::npos) << m;
        }
    }
}

TEST(ClsPerEcran, TamponArriere) {
    DossierTemporaire d;
    d.Ecrire("Ini_Ecran.ini", Ecran("ModeFenetre=1\nNombreResolution=2\nResolution=1", DeuxResolutions));
    DossierJeu dossier(d.Chemin());
    ClsPerEcran ecran(dossier);
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur);
    FausseSortie sortie;
    Surface back, temp;
    Rectangle fond;

    // Without its background picture the game goes on with a black screen
    // of the chosen size, and the player is told, with the file's name and
    // fault.
    auto erreurs = ecran.Init(dd, &sortie, back, temp, fond);
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0].rfind("Une erreur a eu lieu durant l'initalisation de DirectDraw\n\n", 0), 0u) << erreurs[0];
    EXPECT_NE(erreurs[0].find((d.Chemin() / "Images" / "Fond800.bmp").string()), std::string::npos) << erreurs[0];
    EXPECT_NE(erreurs[0].find("Le fichier est introuvable."), std::string::npos) << erreurs[0];
    EXPECT_EQ(back.Largeur(), 800);
    EXPECT_EQ(back.Hauteur(), 600);
    EXPECT_EQ(sortie.largeur, 800);
    EXPECT_TRUE(sortie.fenetre);

    // With it, both surfaces start as the picture; a picture of another
    // size does not change the back buffer's size.
    Surface image(900, 500);
    image.Remplir(0x3060A0);
    ASSERT_TRUE(EcrireBMP(image, d.Chemin() / "Images" / "Fond800.bmp"));
    erreurs = ecran.Init(dd, &sortie, back, temp, fond);
    EXPECT_TRUE(erreurs.empty());
    EXPECT_EQ(back.Largeur(), 800);
    EXPECT_EQ(back.Pixel(799, 499), Surface::Couleur565(0x3060A0));
    EXPECT_EQ(back.Pixel(0, 599), 0);
    EXPECT_EQ(temp.Pixels(), back.Pixels());
    EXPECT_EQ(fond, (Rectangle{0, 0, 800, 600}));
    EXPECT_GE(sortie.presentations, 1);
    ecran.Femer_Ecran(&sortie);
    EXPECT_TRUE(sortie.ferme);
}

TEST(ClsPerEcran, DonneesDuJeu) {
    DossierJeu dossier(DonneesSource());
    ClsPerEcran ecran(dossier);
    ASSERT_EQ(ecran.Nombre_Resolutions(), 3);
    EXPECT_EQ(ecran.LargeursResolution, (std::vector<std::int16_t>{800, 1024, 1280}));
    EXPECT_EQ(ecran.HauteursResolution, (std::vector<std::int16_t>{600, 768, 1024}));
    EXPECT_TRUE(ecran.ModeFenetre);
}
