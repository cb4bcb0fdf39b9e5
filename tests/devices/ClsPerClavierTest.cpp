#include <gtest/gtest.h>

#include <cmath>

#include "devices/ClsPerClavier.h"
#include "devices/PeripheriqueScripte.h"

namespace {

constexpr std::uint8_t ToucheQ = 16, ToucheA = 30, Espace = 57, F1 = 59;

struct Clavier : ::testing::Test {
    PeripheriqueScripte p;
    ClsPerClavier clavier;
    bool ctrl = false, shift = false, alt = false;
    void SetUp() override {
        clavier.Init(&p.Clavier(), 0.0);
        EXPECT_TRUE(p.Clavier_Acquis());
    }
    std::int16_t Presser() { return clavier.Pression_Clavier(ctrl, shift, alt); }
};

}  // namespace

TEST_F(Clavier, UneToucheSignaleeUneFoisParPression) {
    struct Pas { std::uint8_t code; bool enfonce; std::int16_t attendu; };
    const Pas pas[] = {
        {0, false, 0},             // nothing held: the keyboard has been seen up
        {ToucheA, true, ToucheA},  // pressed
        {0, false, 0},             // still held
        {ToucheQ, true, 0},        // a second key while the first is held
        {ToucheA, false, 0},       // Q still held
        {ToucheQ, false, 0},       // all up
        {ToucheQ, true, ToucheQ},  // pressed again
    };
    for (const auto& s : pas) {
        if (s.code) p.Touche(s.code, s.enfonce);
        EXPECT_EQ(Presser(), s.attendu) << int(s.code);
    }
}

TEST_F(Clavier, ToucheTenueAuDepartIgnoree) {
    PeripheriqueScripte q;
    q.Touche(Espace, true);
    ClsPerClavier k;
    k.Init(&q.Clavier(), 0.0);
    EXPECT_EQ(k.Pression_Clavier(ctrl, shift, alt), 0);
    q.Touche(Espace, false);
    EXPECT_EQ(k.Pression_Clavier(ctrl, shift, alt), 0);
    q.Touche(Espace, true);
    EXPECT_EQ(k.Pression_Clavier(ctrl, shift, alt), Espace);
}

TEST_F(Clavier, ModificateursLusJusquALaTouche) {
    struct Cas {
        std::uint8_t modificateur, touche;
        bool avant;  // the caller's flags before the call
        std::int16_t attendu;
        bool ctrl, shift, alt;
    };
    const Cas cas[] = {
        // Beyond 54 every modifier is scanned before the key.
        {ClsPerClavier::ShiftGauche, Espace, false, Espace, false, true, false},
        {ClsPerClavier::ShiftDroit, F1, false, F1, false, true, false},
        {ClsPerClavier::CtrlDroit, F1, true, F1, true, false, false},
        // Below 29 the scan stops first: the caller's flags stay.
        {ClsPerClavier::CtrlGauche, ToucheQ, false, ToucheQ, false, false, false},
        {0, ToucheQ, true, ToucheQ, true, true, true},
        // Between Ctrl and Shift: Ctrl is read, Shift and Alt are not.
        {ClsPerClavier::CtrlGauche, ToucheA, false, ToucheA, true, false, false},
        // Right Alt is an extended code, far beyond the letters.
        {ClsPerClavier::AltDroit, Espace, true, Espace, false, false, true},
    };
    for (const auto& c : cas) {
        p.ToutRelacher();
        Presser();
        if (c.modificateur) p.Touche(c.modificateur, true);
        p.Touche(c.touche, true);
        ctrl = shift = alt = c.avant;
        EXPECT_EQ(Presser(), c.attendu) << int(c.modificateur) << " + " << int(c.touche);
        EXPECT_EQ(ctrl, c.ctrl) << int(c.modificateur) << " + " << int(c.touche);
        EXPECT_EQ(shift, c.shift) << int(c.modificateur) << " + " << int(c.touche);
        EXPECT_EQ(alt, c.alt) << int(c.modificateur) << " + " << int(c.touche);
    }
    // A modifier alone is no key, but its flag is written.
    p.ToutRelacher();
    Presser();
    p.Touche(ClsPerClavier::CtrlGauche, true);
    ctrl = false;
    EXPECT_EQ(Presser(), 0);
    EXPECT_TRUE(ctrl);
}

TEST_F(Clavier, CurseurDuPaveAccelereJusquA450) {
    float X = 0, Y = 300, Z = 0;
    p.Touche(ClsPerClavier::Pave6, true);
    Presser();
    // Speed 10: one poll every tenth of a second for ten seconds.
    float precedent = 0, dernierPas = 0;
    for (int k = 1; k <= 100; ++k) {
        clavier.Positions(X, Y, Z, 0, 30000, 0, 600, 0.1 * k, 10.0);
        const float pas = X - precedent;
        EXPECT_LE(pas, 45.0f) << k;
        EXPECT_GE(pas, dernierPas) << k;
        EXPECT_EQ(pas, std::nearbyint(pas)) << k;
        precedent = X;
        dernierPas = pas;
    }
    EXPECT_EQ(dernierPas, 45.0f);
    EXPECT_EQ(Y, 300.0f);
    EXPECT_EQ(Z, 0.0f);
    // The first steps: 47.5 and 55 pixels per second over a tenth of a
    // second, rounded half to even (4.75 -> 5, 5.5 -> 6).
    ClsPerClavier k2;
    PeripheriqueScripte q;
    k2.Init(&q.Clavier(), 0.0);
    q.Touche(ClsPerClavier::Pave4, true);
    k2.Pression_Clavier(ctrl, shift, alt);
    float x = 100, y = 0, z = 0;
    k2.Positions(x, y, z, 0, 800, 0, 600, 0.1, 10.0);
    EXPECT_EQ(x, 95.0f);
    k2.Positions(x, y, z, 0, 800, 0, 600, 0.2, 10.0);
    EXPECT_EQ(x, 89.0f);
    // A long pause counts as one tick only.
    k2.Positions(x, y, z, 0, 800, 0, 600, 60.0, 10.0);
    EXPECT_EQ(x, 83.0f);
}

TEST_F(Clavier, DirectionsEtBornes) {
    struct Cas { std::uint8_t touche; float x, y; };
    const Cas cas[] = {
        {ClsPerClavier::Pave4, 95, 100},  {ClsPerClavier::Pave6, 105, 100}, {ClsPerClavier::Pave8, 100, 95},
        {ClsPerClavier::Pave5, 100, 105}, {ClsPerClavier::Pave2, 100, 105},
    };
    for (const auto& c : cas) {
        PeripheriqueScripte q;
        ClsPerClavier k;
        k.Init(&q.Clavier(), 0.0);
        q.Touche(c.touche, true);
        k.Pression_Clavier(ctrl, shift, alt);
        float x = 100, y = 100, z = 0;
        k.Positions(x, y, z, 0, 800, 0, 600, 0.1, 10.0);
        EXPECT_EQ(x, c.x) << int(c.touche);
        EXPECT_EQ(y, c.y) << int(c.touche);
    }
    float x = 2, y = 598, z = 0;
    p.Touche(ClsPerClavier::Pave4, true);
    p.Touche(ClsPerClavier::Pave2, true);
    Presser();
    clavier.Positions(x, y, z, 0, 800, 0, 600, 0.1, 10.0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 600);
}

TEST_F(Clavier, SansDirectionLaMoletteDuPaveEtLaVitesseRevientA40) {
    float X = 0, Y = 0, Z = 0;
    p.Touche(ClsPerClavier::Pave6, true);
    Presser();
    for (int k = 1; k <= 5; ++k) clavier.Positions(X, Y, Z, 0, 800, 0, 600, 0.1 * k, 10.0);
    EXPECT_FLOAT_EQ(clavier.VitesseCurseur, 77.5f);
    p.Touche(ClsPerClavier::Pave6, false);
    p.Touche(ClsPerClavier::Pave9, true);
    Presser();
    clavier.Positions(X, Y, Z, 0, 800, 0, 600, 0.6, 10.0);
    EXPECT_FLOAT_EQ(clavier.VitesseCurseur, 40.0f);
    EXPECT_FLOAT_EQ(Z, 7.75f);  // 77.5 px/s over a tenth: the speed before it fell back
    p.Touche(ClsPerClavier::Pave9, false);
    p.Touche(ClsPerClavier::Pave3, true);
    Presser();
    clavier.Positions(X, Y, Z, 0, 800, 0, 600, 0.7, 10.0);
    EXPECT_FLOAT_EQ(Z, 3.75f);
}

TEST_F(Clavier, BoutonsDuPave) {
    // Seen up once, as at any game start.
    Presser();
    EXPECT_FALSE(clavier.Clique(0));
    EXPECT_FALSE(clavier.Clique(1));
    EXPECT_FALSE(clavier.Bouton_Relache(0));
    p.Touche(ClsPerClavier::Pave0, true);
    Presser();
    EXPECT_TRUE(clavier.Clique(0));
    EXPECT_FALSE(clavier.Clique(1));
    EXPECT_FALSE(clavier.Bouton_Relache(1));
    Presser();
    EXPECT_FALSE(clavier.Clique(0));
    EXPECT_TRUE(clavier.Maintenu_Enfonce(0));
    p.Touche(ClsPerClavier::Pave0, false);
    p.Touche(ClsPerClavier::PaveEntree, true);
    Presser();
    EXPECT_FALSE(clavier.Clique(0));
    EXPECT_TRUE(clavier.Bouton_Relache(0));
    EXPECT_TRUE(clavier.Clique(1));
    // Entry 2 belongs to the key scan: asking it as a button is refused.
    for (std::int16_t b : {-1, 2, 3}) EXPECT_FALSE(clavier.Clique(b)) << b;
}

TEST(ClsPerClavier, SansClavierAucuneTouche) {
    ClsPerClavier k;
    k.Init(nullptr, 0.0);
    bool c = true, s = true, a = true;
    EXPECT_EQ(k.Pression_Clavier(c, s, a), 0);
    EXPECT_FALSE(c);
    float x = 1, y = 1, z = 1;
    k.Positions(x, y, z, 0, 10, 0, 10, 1.0, 0.0);  // speed 0: no division
    EXPECT_EQ(x, 1);
}
