#include <gtest/gtest.h>

#include "engine/ModMain.h"
#include "tests/Outils.h"
#include "world/ModEmplacement.h"
#include "world/ModGenererMonde.h"

#include <set>

TEST(Emplacement, CollisionDeRectangles) {
    struct Cas { int x1, y1, x2, y2, l1, h1, l2, h2; bool attendu; };
    const Cas cas[] = {
        {10, 10, 0, 0, 0, 0, 10, 10, true},    // point on the bottom-right corner
        {11, 0, 0, 0, 0, 0, 10, 10, false},    // one pixel past the right edge
        {10, 0, 0, 0, 5, 5, 10, 10, true},     // boxes sharing an edge
        {10, 10, 0, 0, 5, 5, 10, 10, true},    // sharing a corner
        {0, 0, 0, 2, 3, 1, 1, 1, false},       // 3 x 1 and 1 x 1 two rows down
        {5, 0, 0, 3, 0, 10, 10, 1, true},      // a vertical segment through a box
        {2147483000, 0, 0, 0, 1000, 1, 10, 1, false},  // no wrap near the 32-bit limit
    };
    for (const auto& c : cas)
        EXPECT_EQ(Collision_Rectangles(c.x1, c.y1, c.x2, c.y2, c.l1, c.h1, c.l2, c.h2), c.attendu)
            << c.x1 << "," << c.y1 << " " << c.l1 << "x" << c.h1;
}

namespace {

// A hand-built scene seen from character 0 (side 1, fief 0).
struct Scene : ::testing::Test {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    void SetUp() override {
        Main.Charger_Parametres();
        const ClsJeuParam& P = Main.Parametres;
        Main.Monde.LargeurCarte = Main.Monde.HauteurCarte = 40;
        Main.Monde.Creer_Grilles();
        Main.Monde.Param_TerrainCategorie(Main.Monde.TerrainIndice(640, 640), 2);  // water
        Main.Fiefs.assign(3, ClsJeuFief{});
        Main.Fiefs[0].Camp = 1;
        Main.Fiefs[1].Camp = 1;
        Main.Fiefs[2].Camp = 2;
        Main.Chateaux.assign(3, ClsJeuBatiment{});
        for (int f = 0; f < 3; ++f) {
            auto& c = Main.Chateaux[static_cast<std::size_t>(f)];
            c.X = 300 + 100 * f;
            c.Y = 300;
            c.Largeur = c.Hauteur = 64;
            c.MaxVie = 100;
            c.Definir_Vie(100);
        }
        const int camps[3] = {1, 2, 1};
        Main.Maisons.assign(3, ClsJeuBatiment{});
        for (int i = 0; i < 3; ++i) {
            auto& p = Main.Persos.emplace_back(&Main);
            p.Init(i, P, Main.GenerateurPlateforme);
            p.Camp = camps[i];
            p.Equipe = i == 1 ? 2 : 0;
            auto& m = Main.Maisons[static_cast<std::size_t>(i)];
            m.X = 300 + 100 * i;
            m.Y = 100;
            m.Largeur = m.Hauteur = 48;
            m.MaxVie = 100;
            m.Definir_Vie(100);
        }
        Main.Persos[1].PositionX = 100;
        Main.Persos[1].PositionY = 100;
        Main.Persos[2].PositionX = 800;
        Main.Persos[2].PositionY = 800;
        Main.Persos[0].PositionX = 900;
        Main.Persos[0].PositionY = 900;
        Main.Maisons[2].Service = 1;
        Main.Ressources.assign(1, ClsJeuRessources{});
        Main.Ressources[0].X = 200;
        Main.Ressources[0].Y = 200;
        Main.Tresors.Ajouter_Tresor(105, 105, P);  // under the enemy
        Main.Tresors.Ajouter_Tresor(700, 100, P);
        Main.Decors.Ajouter_Decor(0, 250, 500, P);
    }
};

}  // namespace

TEST_F(Scene, CodesDansLOrdre) {
    struct Cas { int x, y, l, h; std::int16_t code; std::int32_t indice; };
    const Cas cas[] = {
        {110, 110, 0, 0, Emplacement::PersoEnnemi, 1},       // enemy first, before the treasure
        {710, 110, 0, 0, Emplacement::Tresor, 2},
        {310, 310, 0, 0, Emplacement::ChateauPropre, -7},     // own castle: index not kept
        {410, 310, 0, 0, Emplacement::ChateauAllie, 1},
        {510, 310, 0, 0, Emplacement::ChateauEnnemi, 2},
        {310, 110, 0, 0, Emplacement::MaisonAchevee, 0},
        {410, 110, 0, 0, Emplacement::MaisonEnnemie, 1},
        {510, 110, 0, 0, Emplacement::MaisonService, 2},
        {210, 210, 0, 0, Emplacement::Ressource, 0},
        {252, 502, 0, 0, Emplacement::Obstacle, 1},          // scenery
        {640, 640, 0, 0, Emplacement::Obstacle, -7},         // water: index not kept
        {0, 0, 0, 0, Emplacement::Obstacle, -7},             // cell 0 is never buildable
        {1000, 200, 32, 32, Emplacement::Libre, -7},
        {810, 810, 0, 0, Emplacement::Libre, -7},            // an ally is no obstacle here
    };
    for (const auto& c : cas) {
        Main.IndiceEmplacement = -7;
        EXPECT_EQ(Tester_Emplacement(Main, 0, c.x, c.y, c.l, c.h, true), c.code) << c.x << "," << c.y;
        EXPECT_EQ(Main.IndiceEmplacement, c.indice) << c.x << "," << c.y;
    }
    // The own house damaged, then demolished.
    Main.Maisons[0].Definir_Vie(50);
    EXPECT_EQ(Tester_Emplacement(Main, 0, 310, 110, 0, 0, false), Emplacement::MaisonEnChantier);
    Main.Maisons[0].Definir_Vie(0);
    EXPECT_EQ(Tester_Emplacement(Main, 0, 310, 110, 0, 0, false), Emplacement::Libre);
    // A dead enemy is not in the way; the treasure under it is.
    Main.Persos[1].Vivant(false);
    EXPECT_EQ(Tester_Emplacement(Main, 0, 110, 110, 0, 0, false), Emplacement::Tresor);
}

// The AI's quick site test gives Tester_Emplacement's verdict on every
// point and rectangle of the scene, for characters of both sides.
TEST_F(Scene, EmplacementLibreCommeLeTest) {
    for (std::int32_t perso : {0, 1})
        for (std::int32_t y = 0; y < 1280; y += 12)
            for (std::int32_t x = 0; x < 1280; x += 12)
                for (std::int32_t taille : {0, 40})
                    ASSERT_EQ(Emplacement_Libre(Main, perso, x, y, taille, taille),
                              Tester_Emplacement(Main, perso, x, y, taille, taille, false) == Emplacement::Libre)
                        << perso << " " << x << "," << y << " " << taille;
}

TEST_F(Scene, AllieSousLePoint) {
    EXPECT_TRUE(Tester_Emplacement_Allie(Main, 0, 810, 810, 0, 0, true));
    EXPECT_EQ(Main.IndiceEmplacement, 2);
    EXPECT_FALSE(Tester_Emplacement_Allie(Main, 0, 910, 910, 0, 0, false)) << "never itself";
    EXPECT_FALSE(Tester_Emplacement_Allie(Main, 0, 110, 110, 0, 0, false)) << "an enemy is no ally";
}

TEST_F(Scene, RaceDesVillageois) {
    const ClsJeuParam& P = Main.Parametres;
    // People 0 has no monsters. With the fixed table, the first draw
    // (0.533) decides a random race when below ChancesRaceAleatoire.
    std::set<int> races;
    Main.Aleatoire.Generateur().Semer(11);
    for (int n = 0; n < 400; ++n) {
        Choisir_Race_Perso(Main, 0, 0, -1, false);
        races.insert(Main.Persos[0].Race);
        EXPECT_FALSE(P.Race_RestrictionSexe(Main.Persos[0].Race, Main.Persos[0].Sexe));
    }
    // Every playable race can come up, the last one too.
    for (int q = 0; q < P.NombreRaces; ++q)
        if (P.Race_Jouable(q) && P.ChancesRaceAleatoire > 0) {
            EXPECT_TRUE(races.count(q)) << "race " << q;
        }
    // A monster people with a given kind: that kind and its script.
    for (int q = 0; q < P.NombrePeuples; ++q) {
        if (P.Peuples_NombreMonstres(q) < 1) continue;
        Choisir_Race_Perso(Main, 2, static_cast<std::int16_t>(q), 0, false);
        EXPECT_EQ(Main.Persos[2].Race, P.Peuples_MonstreIndice(q, 0));
        EXPECT_EQ(Main.Persos[2].FichierIA, P.Peuples_MonstreFichierIA(q, 0));
        EXPECT_TRUE(Main.Persos[2].IA);
    }
}
