#include <gtest/gtest.h>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "world/ClsJeuMonde.h"
#include "tests/Outils.h"

namespace {

const char* TerrainSimple =
    "[Terrains]\nLargeurCase=32\nHauteurCase=32\nNombreEtapesAnimation=4\nNombreTypesTerrains=2\n"
    "[Terrain_0]\nNom=Prairie\nCoefVitesse=1\n"
    "[Terrain_1]\nNom=Eau\nCoefVitesse=0.5\nAnimation=1\nInconstructible=1\nImgPersoDecalageY=8\n"
    "[Terrain_2]\nNom=Forêt\nCoefVitesse=0.75\nImgPersoDecalageX=-3\n"
    "[Mondes]\nNombreTypesMondes=1\n"
    "[Monde_1]\nNom=Vallée\nRelief=0.1\nSurfaceTerrain(0)=1\nSurfaceTerrain(1)=2\nSurfaceTerrain(2)=3\nRoute=2\n";

struct Monde : ::testing::Test {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ClsJeuMonde> monde;
    void SetUp() override {
        d.Ecrire("Ini_Terrain.ini", TerrainSimple);
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        monde = std::make_unique<ClsJeuMonde>(*dossier);
        monde->LargeurCarte = 40;
        monde->HauteurCarte = 30;
        monde->Creer_Grilles();
    }
};

}  // namespace

TEST_F(Monde, LectureDuFichier) {
    EXPECT_EQ(monde->LargeurCase, 32);
    EXPECT_EQ(monde->NombreTypesTerrains(), 2);
    EXPECT_EQ(monde->TypeTerrain(1).Nom, "Eau");
    EXPECT_FLOAT_EQ(monde->TypeTerrain(2).CoefVitesse, 0.75f);
    EXPECT_EQ(monde->Param_MondeNom(0), "Vallée");
    EXPECT_EQ(monde->TypeMondeTerrain(0).SurfaceTerrain, (std::vector<std::int16_t>{1, 2, 3}));
    EXPECT_EQ(monde->TypeMondeTerrain(0).Route, 2);
}

TEST_F(Monde, PixelVersCase) {
    struct Cas { int x, y, indice; };
    const Cas cas[] = {{0, 0, 0}, {16, 16, 0}, {17, 16, 1}, {47, 0, 1}, {48, 0, 2}, {0, 17, 40}, {80, 48, 2 * 40 + 2}};
    for (const auto& c : cas) EXPECT_EQ(monde->TerrainIndice(c.x, c.y), c.indice) << c.x << "," << c.y;
}

TEST_F(Monde, ConstructibleEtVitesse) {
    monde->Param_TerrainCategorie(2, 1);   // water at column 2
    monde->Param_TerrainCategorie(41, 2);  // forest
    EXPECT_FALSE(monde->Constructible(0, 0));       // cell 0: never
    EXPECT_TRUE(monde->Constructible(32, 0));
    EXPECT_FALSE(monde->Constructible(64, 0));      // water
    EXPECT_TRUE(monde->Constructible(32, 0, 10, 0));  // only dx = 0
    EXPECT_FALSE(monde->Constructible(32, 0, 32, 0)); // dx = 0, 32
    EXPECT_FALSE(monde->Constructible(0, 0, 64, 0));
    const auto dernier = static_cast<int>(monde->TailleGrille()) - 1;
    EXPECT_FALSE(monde->Constructible((dernier % 40) * 32, (dernier / 40) * 32));

    EXPECT_FLOAT_EQ(monde->CoefVitesse(0, 0), 1.0f);
    EXPECT_FLOAT_EQ(monde->CoefVitesse(64, 0), 0.5f);
    EXPECT_FLOAT_EQ(monde->CoefVitesse(32, 32), 0.75f);
    EXPECT_EQ(monde->ImgDecalageY(64, 0), 8);
    EXPECT_EQ(monde->ImgDecalageX(32, 32), -3);
    EXPECT_EQ(monde->ImgDecalageY(0, 0), 0);
    EXPECT_TRUE(monde->Param_TerrainAnimation(2));
    EXPECT_EQ(monde->Longueur_Diagonale(), 1600);  // 1280 x 960
}

TEST_F(Monde, GrillesAgrandiesMaisBornees) {
    DossierJeu autre(d.Chemin());
    ClsJeuMonde m(autre);
    EXPECT_EQ(m.TailleGrille(), 1u);
    ASSERT_TRUE(m.Param_TerrainCategorie(500, 3));
    EXPECT_EQ(m.TailleGrille(), 501u);
    EXPECT_EQ(m.Param_TerrainCategorie(499), 0);
    EXPECT_EQ(m.Param_TerrainCategorie(500), 3);
    EXPECT_EQ(m.Param_TerrainApparence(500), 0);
    ASSERT_TRUE(m.Param_TerrainApparence(10, 7));
    EXPECT_FALSE(m.Param_TerrainCategorie(-1, 1));
    EXPECT_FALSE(m.Param_TerrainCategorie(ClsJeuMonde::MaxCellules, 1));
    // With a map size, nothing past the map's grid is accepted.
    EXPECT_FALSE(monde->Param_TerrainCategorie(41 * 31 + 1, 1));
    EXPECT_TRUE(monde->Param_TerrainCategorie(41 * 31, 1));
}

TEST_F(Monde, OptionsEcritesAussitot) {
    monde->Definir_TerrainAnime(false);
    monde->Definir_TerrainOptimise(true);
    DossierJeu relu(d.Chemin());
    ClsJeuMonde m(relu);
    EXPECT_FALSE(m.TerrainAnime);
    EXPECT_TRUE(m.TerrainOptimise);
    EXPECT_NE(d.Lire("Ini_Terrain.ini").find("TerrainAnime=0"), std::string::npos);
}

TEST(MondeInvalide, ErreursNommantFichierEtCle) {
    struct Cas { std::string texte; std::string attendu; };
    const Cas cas[] = {
        {"[Terrains]\nLargeurCase=0\nHauteurCase=32\nNombreTypesTerrains=1\n[Mondes]\nNombreTypesMondes=1\n",
         "LargeurCase"},
        {"[Terrains]\nLargeurCase=32\nNombreTypesTerrains=1\n[Mondes]\nNombreTypesMondes=1\n", "HauteurCase"},
        {"[Terrains]\nLargeurCase=32\nHauteurCase=32\n[Mondes]\nNombreTypesMondes=1\n", "NombreTypesTerrains"},
        {"[Terrains]\nLargeurCase=32\nHauteurCase=32\nNombreTypesTerrains=1\n", "NombreTypesMondes"},
        {"[Terrains]\nLargeurCase=99999\nHauteurCase=32\nNombreTypesTerrains=1\n", "LargeurCase"},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Terrain.ini", c.texte);
        DossierJeu dossier(d.Chemin());
        try {
            ClsJeuMonde m(dossier);
            ADD_FAILURE() << "aucune erreur pour " << c.attendu;
        } catch (const ErreurFichier& e) {
            std::string message = e.what();
            EXPECT_NE(message.find("Le fichier Ini_Terrain.ini est invalide."), std::string::npos);
            EXPECT_NE(message.find(c.attendu), std::string::npos) << message;
        }
    }
}

TEST(MondeParDefaut, DonneesDuJeu) {
    DossierJeu dossier(DonneesSource());
    ClsJeuMonde m(dossier);
    EXPECT_EQ(m.LargeurCase, 32);
    EXPECT_EQ(m.HauteurCase, 32);
    EXPECT_GE(m.NombreTypesMondes, 2);
    for (int t = 0; t < m.NombreTypesMondes; ++t) {
        const auto& type = m.TypeMondeTerrain(t);
        EXPECT_FALSE(type.Nom.empty());
        if (type.Route > 0) {
            EXPECT_EQ(type.SurfaceTerrain[static_cast<std::size_t>(type.Route)], 0) << "la route ne pousse pas";
        }
    }
}
