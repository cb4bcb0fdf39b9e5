// The searches of the AI and the idle behaviours built on them: radius
// searches and their growth, the nearest searches' ties, the attacker and
// next-house walks, the patrol's choices and the guards' rounds.
#include <gtest/gtest.h>

#include "tests/ai/MondeIA.h"

namespace {

using RechercheTest = MondeIA;

}  // namespace

// A character far from every enemy: each time the cursor wraps the radius
// grows by 48, and past 640 it falls back to 64, then cycles 64 to 640.
TEST_F(RechercheTest, CycleDuRayonPersos) {
    Peupler(4, 2, 512);
    Perso(1).PositionX = 15000;  // the only enemies, far away
    Perso(3).PositionX = 15000;
    std::vector<std::int32_t> rayons{IA().RayonPerso[0]};
    std::int32_t trouve = 0;
    for (int appel = 0; appel < 40; ++appel) {
        EXPECT_FALSE(IA().Chercher_Perso_Rayon(0, trouve));
        EXPECT_EQ(trouve, -1);
        if (IA().RayonPerso[0] != rayons.back()) rayons.push_back(IA().RayonPerso[0]);
    }
    std::vector<std::int32_t> attendu{0};
    for (std::int32_t r = 48; r <= 624; r += 48) attendu.push_back(r);
    for (std::int32_t r = 64; r <= 640; r += 48) attendu.push_back(r);
    attendu.push_back(64);
    ASSERT_GE(rayons.size(), attendu.size());
    rayons.resize(attendu.size());
    EXPECT_EQ(rayons, attendu);
}

TEST_F(RechercheTest, CroissanceParTableau) {
    struct Cas {
        const char* nom;
        bool (ModIA::*chercher)(std::int32_t, std::int32_t&);
        std::vector<std::int32_t> ModIA::*rayon;
        std::int32_t attendu;
    };
    // From 500: characters grow by 48, houses by 96, castles by twice the
    // first people's castle width (2 x 128), which passes 640 and starts
    // again from 64.
    const Cas cas[] = {{"persos", &ModIA::Chercher_Perso_Rayon, &ModIA::RayonPerso, 548},
                       {"maisons", &ModIA::Chercher_Maison_Rayon, &ModIA::RayonMaison, 596},
                       {"châteaux", &ModIA::Chercher_Chateau_Rayon, &ModIA::RayonChateau, 64}};
    for (const Cas& c : cas) {
        Peupler(2, 2, 512);
        (IA().*c.rayon)[0] = 500;
        std::int32_t trouve = 0;
        // Two entries and two looks a call: the second call's first look
        // wraps the cursor.
        (IA().*c.chercher)(0, trouve);
        (IA().*c.chercher)(0, trouve);
        EXPECT_EQ((IA().*c.rayon)[0], c.attendu) << c.nom;
    }
}

// In the first game every radius is 0: nothing is found until the cursor
// has gone round once; the next call resumes after what was found.
TEST_F(RechercheTest, RayonTrouvePuisReprend) {
    Peupler(6, 2);
    // Enemies (odd indices) 40 to 200 pixels away; 5 is inside a building,
    // 3 is dead.
    Perso(5).DansMaison = true;
    Perso(3).Vivant(false);
    std::int32_t trouve = 0;
    // NombreParRecherche = 3: four looks a call.
    EXPECT_FALSE(IA().Chercher_Perso_Rayon(0, trouve));
    EXPECT_EQ(IA().RayonPerso[0], 0);
    // Second call: looks at 4, 5, then wraps (radius 48) and looks at 0, 1.
    EXPECT_TRUE(IA().Chercher_Perso_Rayon(0, trouve));
    EXPECT_EQ(trouve, 1);
    EXPECT_EQ(IA().CurseurPerso[0], 2);
    // Third: 2, 3 (dead), 4, 5 (hidden): nothing within 48 anyway.
    EXPECT_FALSE(IA().Chercher_Perso_Rayon(0, trouve));
    EXPECT_EQ(trouve, -1);
}

TEST_F(RechercheTest, MaisonDUnProprietaireQuiAChangeDeCamp) {
    Peupler(2, 2);
    Batir(1, 1, 130, 100);
    IA().RayonMaison[0] = 600;
    std::int32_t trouve = 0;
    EXPECT_TRUE(IA().Chercher_Maison_Rayon(0, trouve) || IA().Chercher_Maison_Rayon(0, trouve));
    EXPECT_EQ(trouve, 1);
    Perso(1).Camp = Perso(0).Camp;
    EXPECT_FALSE(IA().Chercher_Maison_Rayon(0, trouve) || IA().Chercher_Maison_Rayon(0, trouve));
}

// Ties keep the lower index; the best distance is kept rounded, so a later
// entry must be strictly nearer than the rounded best.
TEST_F(RechercheTest, PlusProcheEgalites) {
    struct Cas {
        const char* nom;
        std::vector<std::pair<std::int32_t, std::int32_t>> ennemis;  // offsets from the searcher
        std::int32_t attendu;                                        // index among the enemies
    };
    const Cas cas[] = {
        {"même distance", {{30, 40}, {-50, 0}}, 0},
        {"même distance, ordre inverse", {{-50, 0}, {0, 50}}, 0},
        {"10,4 puis 10,2 : arrondi 10 gardé", {{10, 3}, {10, 2}}, 0},  // 10.44 then 10.2
        {"10,4 puis 9,8 : plus près que l'arrondi", {{10, 3}, {9, 4}}, 1},  // 10.44 then 9.85
        {"le plus près en dernier", {{200, 0}, {100, 0}, {20, 0}}, 2},
    };
    for (const Cas& c : cas) {
        const auto n = static_cast<std::int32_t>(c.ennemis.size());
        Peupler(1 + 2 * n, 2, 512);
        // Searcher 0 at (5000, 5000); its enemies are the odd indices.
        Perso(0).PositionX = Perso(0).PositionY = 5000;
        for (std::int32_t k = 0; k < 2 * n; ++k) {
            Perso(k + 1).PositionX = 9000;  // the even ones are its friends, far off
            Perso(k + 1).PositionY = 9000;
        }
        for (std::int32_t e = 0; e < n; ++e) {
            Perso(2 * e + 1).PositionX = 5000 + c.ennemis[static_cast<std::size_t>(e)].first;
            Perso(2 * e + 1).PositionY = 5000 + c.ennemis[static_cast<std::size_t>(e)].second;
        }
        EXPECT_EQ(IA().Chercher_Perso_Proche(0), 2 * c.attendu + 1) << c.nom;
    }
}

TEST_F(RechercheTest, PlusProcheSansEnnemi) {
    Peupler(3);
    EXPECT_EQ(IA().Chercher_Perso_Proche(0), -1);
    EXPECT_EQ(IA().Chercher_Maison_Proche(0), -1);
    EXPECT_EQ(IA().Chercher_Chateau_Proche(0), -1);
    IA().Attaquer_Perso_Proche(0, false);
    EXPECT_EQ(Perso(0).Action, Actions::Attente);
}

TEST_F(RechercheTest, Assaillant) {
    Peupler(5, 2);
    Batir(0, 1, 400, 400);
    Perso(1).Attaquer_Maison(0);
    Perso(3).Attaquer_Chateau(0);
    Perso(4).CibleMaison = 0;  // a target, but not attacking it
    std::int32_t trouve = 0;
    bool ok = false;
    for (int n = 0; n < 3 && !ok; ++n) ok = IA().Chercher_Assaillant(2, 0, false, trouve);
    EXPECT_TRUE(ok);
    EXPECT_EQ(trouve, 1);
    ok = false;
    for (int n = 0; n < 3 && !ok; ++n) ok = IA().Chercher_Assaillant(2, 0, true, trouve);
    EXPECT_TRUE(ok);
    EXPECT_EQ(trouve, 3);
    EXPECT_FALSE(IA().Chercher_Assaillant(2, 1, false, trouve));
    EXPECT_EQ(trouve, -1);
}

TEST_F(RechercheTest, MaisonSuivanteCycle) {
    Peupler(6, 2);
    Batir(0, 2, 400, 400);
    Batir(2, 2, 600, 400);
    Batir(4, 1, 800, 400);  // another type
    Batir(1, 2, 900, 400);  // another side
    ClsJeuPerso& p = Perso(0);
    p.CibleMaison = -7;
    std::vector<std::int32_t> suite;
    for (int n = 0; n < 4; ++n) {
        IA().Aller_Maison_Suivante(p, 2);
        suite.push_back(p.CibleMaison);
    }
    EXPECT_EQ(suite, (std::vector<std::int32_t>{0, 2, 0, 2}));
    EXPECT_EQ(p.Action, Actions::Entrer);

    p.Arreter();
    p.CibleMaison = 3;
    IA().Aller_Maison_Suivante(p, 5);  // no house of that type
    EXPECT_EQ(p.Action, Actions::Attente);
    EXPECT_EQ(p.CibleMaison, 3);
}

// One draw chooses what a patrol turn does.
TEST_F(RechercheTest, PatrouilleChoix) {
    enum Attendu { Rien, AChateau, Retour, Hasard, AMaison, APerso };
    struct Cas {
        bool pacifique;
        float r;
        Attendu attendu;
    };
    const Cas cas[] = {
        {true, 0.05f, Retour}, {true, 0.15f, Hasard}, {true, 0.2f, Rien},     {true, 0.9f, Rien},
        {false, 0.0f, AChateau}, {false, 0.07f, Retour}, {false, 0.1f, Hasard}, {false, 0.3f, AMaison},
        {false, 0.4f, APerso},   {false, 0.99f, APerso},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2, 256);
        // An enemy, its house and its castle all within every radius.
        Perso(1).PositionX = 110;
        Batir(1, 1, 120, 110);
        Chateau(1).X = 150;
        Chateau(1).Y = 150;
        IA().RayonPerso[0] = IA().RayonMaison[0] = IA().RayonChateau[0] = 600;
        Perso(0).IA_Pacifique = c.pacifique;
        Tirages({c.r, 0.9f, 0.9f});
        IA().Patrouiller(0);
        const ClsJeuPerso& p = Perso(0);
        Attendu obtenu = Rien;
        if (p.Action == Actions::DetruireChateau) obtenu = AChateau;
        else if (p.Action == Actions::RetournerChateau) obtenu = Retour;
        else if (p.Action == Actions::Deplacer) obtenu = Hasard;
        else if (p.Action == Actions::DetruireMaison) obtenu = AMaison;
        else if (p.Action == Actions::Attaquer) obtenu = APerso;
        EXPECT_EQ(obtenu, c.attendu) << c.pacifique << " " << c.r;
    }
}

// Wandering keeps the whole sprite on the map.
TEST_F(RechercheTest, HasardResteSurLaCarte) {
    Peupler(1, 1, 64);
    // 64 cells of 32 pixels, less the villager's width of 24.
    const std::int32_t bord = 2024;
    Perso(0).PositionX = Perso(0).PositionY = 0;
    Tirages({0.0f, 0.0f});
    IA().Aller_Au_Hasard(0);
    EXPECT_EQ(Perso(0).DestinationX, 0);
    EXPECT_EQ(Perso(0).DestinationY, 0);
    Perso(0).PositionX = bord;
    Tirages({0.999f, 0.5f});
    IA().Aller_Au_Hasard(0);
    EXPECT_EQ(Perso(0).DestinationX, bord);
}

// The guard walks to a point just outside one side of the building.
TEST_F(RechercheTest, GardeTourneAutour) {
    Peupler(2);
    const ClsJeuBatiment& m = Batir(0, 1, 400, 500);
    ClsJeuPerso& g = Perso(1);
    g.Invocateur = 0;
    g.Suivre = 1;
    g.CibleMaison = 0;
    // The house is 64 x 64 at (400, 500); the guard 24 x 32.
    ASSERT_EQ(m.Largeur, 64);
    ASSERT_EQ(m.Hauteur, 64);
    ASSERT_EQ(g.Largeur, 24);
    ASSERT_EQ(g.Hauteur, 32);
    struct Cas {
        float r, r2;
        std::int32_t X, Y;
    };
    const Cas cas[] = {
        {0.1f, 0.0f, 376, 468},   // north side, from its west end
        {0.1f, 0.5f, 420, 468},   // half-way along the north side
        {0.3f, 0.5f, 464, 516},   // half-way down the east side
        {0.6f, 0.25f, 442, 564},  // a quarter along the south side, from the east
        {0.8f, 0.0f, 376, 564},   // the west side from its south end
    };
    for (const Cas& c : cas) {
        Tirages({c.r, c.r2});
        IA().Garder_Batiment(1, false);
        EXPECT_EQ(g.Action, Actions::Deplacer);
        EXPECT_EQ(g.DestinationX, c.X) << c.r << " " << c.r2;
        EXPECT_EQ(g.DestinationY, c.Y) << c.r << " " << c.r2;
    }
}

TEST_F(RechercheTest, GardeAttaqueLAssaillant) {
    Peupler(3, 2);
    Batir(0, 1, 400, 500);
    ClsJeuPerso& g = Perso(2);
    g.Invocateur = 0;
    g.Suivre = 1;
    g.CibleMaison = 0;
    Perso(1).Attaquer_Maison(0);
    for (int n = 0; n < 3 && g.Action != Actions::Attaquer; ++n) IA().Garder_Batiment(2, false);
    EXPECT_EQ(g.Action, Actions::Attaquer);
    EXPECT_EQ(g.CiblePerso, 1);
    // In combat it does nothing else.
    IA().Garder_Batiment(2, false);
    EXPECT_EQ(g.Action, Actions::Attaquer);
}
