#include <gtest/gtest.h>

#include "rules/ModRandom.h"

TEST(ModRandom, CycleFixeDeDixSeptValeurs) {
    const float cycle[] = {0.533424f,  0.5795186f, 0.2895625f, 0.301948f,  0.7747401f, 0.01401764f,
                           0.7607236f, 0.81449f,   0.7090379f, 0.7055475f, 0.533424f,  0.5795186f,
                           0.2895625f, 0.301948f,  0.7747401f, 0.7055475f, 0.7055475f, 0.533424f};
    ModRandom r;
    r.Initialiser_Aleatoire();
    r.Initialiser_Aleatoire();  // twice is the same as once
    std::string auDessus;
    for (int i = 0; i < 18; ++i) {
        float v = r.Nombre_Aleatoire();
        EXPECT_EQ(v, cycle[i]) << "tirage " << i + 1;
        if (i < 17) auDessus += v > 0.5f ? '+' : '-';
    }
    EXPECT_EQ(auDessus, "++--+-++++++--+++");
}

TEST(ModRandom, GenerateurDansLIntervalle) {
    ModRandom r;
    r.Generateur().Semer(7);
    float mini = 1, maxi = 0;
    for (int i = 0; i < 100000; ++i) {
        float v = r.Nombre_Aleatoire();
        ASSERT_GE(v, 0.0f);
        ASSERT_LT(v, 1.0f);
        mini = std::min(mini, v);
        maxi = std::max(maxi, v);
    }
    EXPECT_LT(mini, 0.001f);
    EXPECT_GT(maxi, 0.999f);
}

TEST(ModRandom, TableCoupeeEtReprise) {
    ModRandom r;
    r.Initialiser_Aleatoire();
    r.Nombre_Aleatoire();
    r.Desactiver_Table();
    EXPECT_FALSE(r.TableActive);
    r.Initialiser_Aleatoire();
    EXPECT_EQ(r.Nombre_Aleatoire(), 0.533424f);
    // Two sources are independent: no shared state between worlds.
    ModRandom a, b;
    a.Generateur().Semer(1);
    b.Generateur().Semer(1);
    a.Nombre_Aleatoire();
    EXPECT_NE(a.Nombre_Aleatoire(), b.Nombre_Aleatoire());
}

TEST(ModRandom, SauterValeDesTirages) {
    // Passing over n values leaves the source where n draws would, with
    // the generator and with the cycle from any position, the one past its
    // end included.
    for (bool table : {false, true}) {
        for (std::int16_t depart : {0, 5, 16, 17}) {
            for (std::uint64_t n : {0u, 1u, 16u, 17u, 18u, 1000u, 123457u}) {
                ModRandom a, b;
                a.Generateur().Semer(42);
                b.Generateur().Semer(42);
                if (table) {
                    a.Initialiser_Aleatoire();
                    b.Initialiser_Aleatoire();
                    a.PositionAleatoire = b.PositionAleatoire = depart;
                }
                for (std::uint64_t k = 0; k < n; ++k) a.Nombre_Aleatoire();
                b.Sauter(n);
                for (int k = 0; k < 3; ++k)
                    ASSERT_EQ(a.Nombre_Aleatoire(), b.Nombre_Aleatoire()) << table << " " << depart << " " << n;
            }
        }
    }
}
