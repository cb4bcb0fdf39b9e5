#include <gtest/gtest.h>

#include <memory>

#include "devices/ClsPerSouris.h"
#include "devices/PeripheriqueScripte.h"

namespace {

struct Souris : ::testing::Test {
    PeripheriqueScripte p;
    ClsPerSouris souris;
    float X = 100, Y = 100, Z = 0;
    void SetUp() override {
        souris.Init(&p.Souris());
        ASSERT_TRUE(souris.Initialise);
    }
    void Sonder() { souris.Positions(X, Y, Z, 0, 799, 0, 599); }
};

}  // namespace

TEST_F(Souris, ClicPuisMaintienPuisRelache) {
    struct Pas { bool enfonce, clique, maintenu, relache; };
    // Pressed on poll 1, held on polls 2 and 3, released on poll 4.
    const Pas pas[] = {
        {false, false, false, false}, {true, true, false, false}, {true, false, true, false},
        {true, false, true, false},   {false, false, false, true}, {false, false, false, false},
    };
    int n = 0;
    for (const auto& s : pas) {
        p.Bouton(0, s.enfonce);
        Sonder();
        EXPECT_EQ(souris.Clique(0), s.clique) << "poll " << n;
        EXPECT_EQ(souris.Maintenu_Enfonce(0), s.maintenu) << "poll " << n;
        EXPECT_EQ(souris.Bouton_Relache(0), s.relache) << "poll " << n;
        ++n;
    }
}

TEST_F(Souris, BoutonTenuAuDepartNeCliquePas) {
    // Pressed before the game takes the mouse.
    p.Bouton(1, true);
    souris.Init(&p.Souris());
    Sonder();
    EXPECT_FALSE(souris.Clique(1));
    EXPECT_TRUE(souris.Maintenu_Enfonce(1));
    Sonder();
    EXPECT_FALSE(souris.Clique(1));
    p.Bouton(1, false);
    Sonder();
    EXPECT_FALSE(souris.Clique(1));
    EXPECT_TRUE(souris.Bouton_Relache(1));
    p.Bouton(1, true);
    Sonder();
    EXPECT_TRUE(souris.Clique(1));
}

// A click made and let go between two polls is one click and one
// release, seen at the same poll; the next poll sees neither.
TEST_F(Souris, UnClicEntreDeuxSondagesNEstPasPerdu) {
    Sonder();
    souris.Clique(0);
    p.Bouton(0, true);
    p.Bouton(0, false);
    Sonder();
    EXPECT_TRUE(souris.Clique(0));
    EXPECT_FALSE(souris.Maintenu_Enfonce(0));
    EXPECT_TRUE(souris.Bouton_Relache(0));
    Sonder();
    EXPECT_FALSE(souris.Clique(0));
    EXPECT_FALSE(souris.Bouton_Relache(0));
}

TEST_F(Souris, BoutonsHorsTableRefuses) {
    // A button never asked about is not held, and numbers beyond the three
    // buttons are refused rather than read out of the table.
    EXPECT_FALSE(souris.Maintenu_Enfonce(0));
    p.Bouton(3, true);
    Sonder();
    for (std::int16_t b : {-1, 3, 4, 300}) {
        EXPECT_FALSE(souris.Clique(b)) << b;
        EXPECT_FALSE(souris.Maintenu_Enfonce(b)) << b;
        EXPECT_FALSE(souris.Bouton_Relache(b)) << b;
    }
}

TEST_F(Souris, DeplacementBorneEtMoletteLibre) {
    struct Cas { int dx, dy, dz; float x, y, z; };
    const Cas cas[] = {
        {10, -20, 0, 110, 80, 0},
        {-500, -500, 120, 0, 0, 120},        // stops at the minimum
        {5000, 5000, -360, 799, 599, -240},  // and at the maximum
        {0, 0, 100000, 799, 599, 99760},     // the wheel has no bounds
    };
    for (const auto& c : cas) {
        p.Deplacer(c.dx, c.dy, c.dz);
        Sonder();
        EXPECT_EQ(X, c.x);
        EXPECT_EQ(Y, c.y);
        EXPECT_EQ(Z, c.z);
    }
    // Movement is counted once: a poll with no movement changes nothing.
    Sonder();
    EXPECT_EQ(X, 799);
    // Bounds that cross: the maximum wins.
    souris.Positions(X, Y, Z, 500, 400, 0, 599);
    EXPECT_EQ(X, 400);
}

TEST_F(Souris, SourisPerdueReprise) {
    p.Deplacer(30, 0);
    p.Perdre_Souris();
    Sonder();
    // The poll that finds it lost leaves the cursor alone and takes it back.
    EXPECT_EQ(X, 100);
    EXPECT_TRUE(souris.Initialise);
    EXPECT_EQ(p.Acquisitions_Souris(), 2);
    Sonder();
    EXPECT_EQ(X, 130);

    // While it cannot be had (another window has the focus), every poll
    // tries again and nothing moves.
    p.Perdre_Souris();
    p.Refuser_Souris(true);
    p.Deplacer(5, 5);
    Sonder();
    Sonder();
    EXPECT_FALSE(souris.Initialise);
    EXPECT_EQ(X, 130);
    p.Refuser_Souris(false);
    Sonder();
    EXPECT_TRUE(souris.Initialise);
}

TEST(ClsPerSouris, SansSourisRienNeBouge) {
    ClsPerSouris souris;
    souris.Init(nullptr);
    EXPECT_FALSE(souris.Initialise);
    float X = 3, Y = 4, Z = 5;
    souris.Positions(X, Y, Z, 0, 100, 0, 100);
    EXPECT_EQ(X, 3);
    EXPECT_FALSE(souris.Clique(0));
    souris.Centrer_curseur(X, Y, 1024, 768);
    EXPECT_EQ(X, 512);
    EXPECT_EQ(Y, 384);
}

TEST(ClsPerSouris, FermerRendLaSourisEtOublieLaSource) {
    auto p = std::make_unique<PeripheriqueScripte>();
    ClsPerSouris souris;
    souris.Init(&p->Souris());
    souris.Fermer();
    EXPECT_FALSE(p->Souris_Acquise());
    EXPECT_FALSE(souris.Initialise);
    p.reset();
    float X = 1, Y = 1, Z = 1;
    souris.Positions(X, Y, Z, 0, 10, 0, 10);
    EXPECT_EQ(X, 1);
}

TEST(ClsPerSouris, RendLaSourisEnFinissant) {
    PeripheriqueScripte p;
    {
        ClsPerSouris souris;
        souris.Init(&p.Souris());
        EXPECT_TRUE(p.Souris_Acquise());
    }
    EXPECT_FALSE(p.Souris_Acquise());
}
