#include <gtest/gtest.h>

#include "platform/DossierJeu.h"
#include "rules/ModRandom.h"
#include "world/ClsJeuMonde.h"
#include "tests/Outils.h"

namespace {

std::string Terrain(const char* relief, const char* surfaces) {
    return std::string("[Terrains]\nLargeurCase=32\nHauteurCase=32\nNombreTypesTerrains=3\n"
                       "[Terrain_0]\nNom=Prairie\n[Terrain_1]\nNom=Forêt\n[Terrain_2]\nNom=Eau\n[Terrain_3]\nNom=Route\n"
                       "[Mondes]\nNombreTypesMondes=1\n[Monde_1]\nNom=Essai\nRelief=") +
           relief + "\n" + surfaces + "Route=3\n";
}

struct Generation : ::testing::Test {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ClsJeuMonde> monde;
    ModRandom aleatoire;

    void Charger(const std::string& texte, int w, int h) {
        d.Ecrire("Ini_Terrain.ini", texte);
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        monde = std::make_unique<ClsJeuMonde>(*dossier);
        monde->LargeurCarte = w;
        monde->HauteurCarte = h;
        aleatoire.Generateur().Semer(42);
    }
    int Compter(int type) const {
        int n = 0;
        for (std::size_t i = 0; i < monde->TailleGrille(); ++i)
            if (monde->Param_TerrainCategorie(static_cast<int>(i)) == type) ++n;
        return n;
    }
    // No cell with terrain may stand without a side neighbour with terrain.
    void VerifierPavage() const {
        const int W = monde->LargeurCarte;
        const int n = static_cast<int>(monde->TailleGrille());
        auto terrain = [&](int i) { return i >= 0 && i < n && monde->Param_TerrainCategorie(i) > 0; };
        for (int i = 0; i < n; ++i) {
            if (!terrain(i)) continue;
            int code = monde->Param_TerrainApparence(i);
            ASSERT_TRUE(terrain(i - W) || terrain(i + W) || terrain(i - 1) || terrain(i + 1)) << i;
            EXPECT_GE(code, 1);
            EXPECT_LE(code, 15);
            if (terrain(i - W) && terrain(i + W) && terrain(i - 1) && terrain(i + 1)) {
                EXPECT_EQ(code, 1);
            }
        }
    }
};

const char* Surfaces = "SurfaceTerrain(0)=0\nSurfaceTerrain(1)=2\nSurfaceTerrain(2)=1\nSurfaceTerrain(3)=0\n";

}  // namespace

TEST_F(Generation, SansReliefLaCarteResteEnPrairie) {
    Charger(Terrain("0", Surfaces), 30, 20);
    monde->Generer_Monde(0, aleatoire);
    EXPECT_EQ(Compter(0), static_cast<int>(monde->TailleGrille()));
    EXPECT_EQ(monde->TailleGrille(), 31u * 21u + 1u);
}

TEST_F(Generation, TerrainsSemesEtPavage) {
    Charger(Terrain("0.45", Surfaces), 60, 40);
    std::vector<std::string> textes;
    monde->Generer_Monde(0, aleatoire, [&](int, const std::string& t) { textes.push_back(t); });
    EXPECT_GT(Compter(1), 0);
    EXPECT_GT(Compter(2), 0);
    EXPECT_EQ(Compter(3), 0) << "la route n'est jamais semée";
    VerifierPavage();
    ASSERT_FALSE(textes.empty());
    EXPECT_EQ(textes.back(), "Modélisation surface du terrain (2501 cases)");
    EXPECT_EQ(textes[textes.size() - 2].rfind("Création du terrain : ", 0), 0u);
}

TEST_F(Generation, MemeSuiteMemeCarte) {
    Charger(Terrain("0.45", Surfaces), 40, 40);
    aleatoire.Initialiser_Aleatoire();
    monde->Generer_Monde(0, aleatoire);
    std::vector<int> premiere;
    for (std::size_t i = 0; i < monde->TailleGrille(); ++i)
        premiere.push_back(monde->Param_TerrainCategorie(static_cast<int>(i)) * 16 +
                           monde->Param_TerrainApparence(static_cast<int>(i)));
    ModRandom autre;
    autre.Initialiser_Aleatoire();
    DossierJeu dossier2(d.Chemin());
    ClsJeuMonde monde2(dossier2);
    monde2.LargeurCarte = 40;
    monde2.HauteurCarte = 40;
    monde2.Generer_Monde(0, autre);
    for (std::size_t i = 0; i < premiere.size(); ++i)
        ASSERT_EQ(premiere[i], monde2.Param_TerrainCategorie(static_cast<int>(i)) * 16 +
                                   monde2.Param_TerrainApparence(static_cast<int>(i)))
            << i;
    EXPECT_EQ(aleatoire.PositionAleatoire, autre.PositionAleatoire);
}

TEST_F(Generation, CaseIsoleeRedevientPrairie) {
    Charger(Terrain("0", Surfaces), 10, 10);
    monde->Generer_Monde(0, aleatoire);
    monde->Param_TerrainCategorie(0, 1);    // alone in the corner
    monde->Param_TerrainCategorie(55, 2);   // alone in the middle
    monde->Param_TerrainCategorie(60, 1);   // a pair: both keep their terrain
    monde->Param_TerrainCategorie(61, 1);
    monde->Reformer_Terrain();
    EXPECT_EQ(monde->Param_TerrainCategorie(0), 0);
    EXPECT_EQ(monde->Param_TerrainCategorie(55), 0);
    EXPECT_EQ(monde->Param_TerrainApparence(60), 4);  // east only
    EXPECT_EQ(monde->Param_TerrainApparence(61), 5);  // west only
}

TEST_F(Generation, RoutesEntreChateaux) {
    Charger(Terrain("0", Surfaces), 30, 30);
    monde->Generer_Monde(0, aleatoire);
    // Two castles at the same centre: the walk stays on one cell.
    aleatoire.Initialiser_Aleatoire();
    monde->Contruire_Routes({{320, 320, 64, 64}, {320, 320, 64, 64}}, aleatoire);
    EXPECT_EQ(Compter(3), 0) << "une case seule redevient prairie au pavage";
    EXPECT_EQ(aleatoire.PositionAleatoire, 4) << "quatre itérations, un tirage chacune";

    // Two castles apart: a connected road of type 3 joins their centres.
    monde->Generer_Monde(0, aleatoire);
    monde->Contruire_Routes({{100, 100, 65, 64}, {600, 700, 64, 64}}, aleatoire);
    // Random side steps may shift the path by a cell or so.
    EXPECT_EQ(monde->Param_TerrainCategorie(monde->TerrainIndice(132, 132)), 3);
    int routesPresArrivee = 0;
    for (int dx = -64; dx <= 64; dx += 32)
        for (int dy = -64; dy <= 64; dy += 32)
            if (monde->Param_TerrainCategorie(monde->TerrainIndice(632 + dx, 732 + dy)) == 3) ++routesPresArrivee;
    EXPECT_GT(routesPresArrivee, 0);
    EXPECT_GE(Compter(3), (600 - 100) / 32 + (700 - 100) / 32);
    VerifierPavage();
}

TEST(GenerationParDefaut, ToutesLesTaillesEtTousLesMondes) {
    DossierJeu dossier(DonneesSource());
    ClsJeuMonde monde(dossier);
    ModRandom aleatoire;
    aleatoire.Generateur().Semer(3);
    for (int taille : {20, 77, 256, 512}) {
        for (int type = 0; type < monde.NombreTypesMondes; ++type) {
            monde.LargeurCarte = taille;
            monde.HauteurCarte = taille;
            monde.Generer_Monde(static_cast<std::int16_t>(type), aleatoire);
            int prairie = 0, eau = 0;
            for (int i = 0; i < taille * taille; ++i) {
                if (monde.Param_TerrainCategorie(i) == 0) ++prairie;
                if (!monde.Constructible((i % taille) * 32, (i / taille) * 32)) ++eau;
            }
            // Every world type leaves room to build, and is not bare.
            EXPECT_LT(eau, taille * taille / 2) << taille << " " << type;
            EXPECT_LT(prairie, taille * taille * 9 / 10) << taille << " " << type;
        }
    }
}

// A map of 3 x 0 cells (five grid cells, rows 3 apart) worked by hand from
// chosen draws: seeding, two growth passes of the forest, then the tiling.
// A wrong weight, a changed comparison or one draw more or less changes the
// map or the count of draws.
TEST_F(Generation, PetiteCarteCalculeeALaMain) {
    Charger(Terrain("0.5", "SurfaceTerrain(0)=-1\nSurfaceTerrain(1)=1\nSurfaceTerrain(2)=-1\nSurfaceTerrain(3)=-1\n"), 3, 0);
    aleatoire.Initialiser_Aleatoire();
    const float tirages[] = {
        // Seeding, cells 0 to 3 (the last cell draws nothing): cell 0 is
        // seeded and its second draw picks forest; 0.5 is not above the
        // threshold 1 - 0.5.
        0.9f, 0.0f, 0.1f, 0.5f, 0.2f,
        // Forest, first pass. Cell 0: no neighbour, stays forest. Cell 1:
        // side 0 gives 15 > 14. Cell 2: side 1 (just grown) 15 + corner 0
        // 10 = 25 > 24. Cell 3: sides 0 and 2, corner 1: 40, not > 41.
        // Cell 4: side 1, corners 0 and 2: 35, not > 36.
        0.0f, 0.14f, 0.24f, 0.41f, 0.36f,
        // Second pass: forest stays forest; cell 3: 40 > 39; cell 4: sides
        // 1 and 3, corners 0 and 2: 50, not > 50.
        0.99f, 0.99f, 0.99f, 0.39f, 0.5f,
    };
    std::size_t k = 1;
    for (float t : tirages) aleatoire.TableAleatoire[k++] = t;
    monde->Generer_Monde(0, aleatoire);
    ASSERT_EQ(monde->TailleGrille(), 5u);
    EXPECT_EQ(aleatoire.PositionAleatoire, 15) << "nombre de tirages";
    const int categories[] = {1, 1, 1, 1, 0};
    // Side neighbours with terrain, bit 0 north (i - 3), 1 south (i + 3),
    // 2 west, 3 east, through the tiling table: 10 -> 12, 12 -> 7, 5 -> 15.
    const int apparences[] = {12, 7, 7, 15, 0};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(monde->Param_TerrainCategorie(i), categories[i]) << "case " << i;
        EXPECT_EQ(monde->Param_TerrainApparence(i), apparences[i]) << "case " << i;
    }
}
