// The AI set-up, the scheduler's counts and rotation, the fiefs' upkeep and
// the per-character decision: who is left alone, who attacks, who is
// raised from the dead and where.
#include <gtest/gtest.h>

#include "platform/Nombres.h"
#include "tests/ai/MondeIA.h"

namespace {

using IATest = MondeIA;

std::int16_t TypeTemple(const ClsJeuParam& P) {
    for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t)
        if (P.Batiment_Service(t) == 1) return t;
    return -1;
}

}  // namespace

// 0.01 and 0.6 are single-precision constants: L = 150 and L = 350 fall
// just below a half and round down, where exact tenths would round up.
TEST_F(IATest, ComptesParTour) {
    struct Cas {
        std::int32_t n, parTour, parRecherche;
    };
    const Cas cas[] = {{1, 1, 1},    {2, 1, 1},      {100, 1, 59},    {151, 1, 90},
                       {301, 3, 180}, {351, 3, 210}, {1001, 10, 600}, {10000, 100, 5999}};
    for (const Cas& c : cas) {
        IA().Redimensionner_Tableaux_IA(c.n);
        EXPECT_EQ(IA().DernierPerso, c.n - 1);
        EXPECT_EQ(IA().PersosParTour, c.parTour) << c.n;
        EXPECT_EQ(IA().NombreParRecherche, c.parRecherche) << c.n;
        EXPECT_EQ(IA().CourseFaite.size(), static_cast<std::size_t>(c.n));
    }
}

TEST_F(IATest, MondeVide) {
    Peupler(0);
    EXPECT_EQ(IA().DernierPerso, -1);
    EXPECT_EQ(IA().EmplacementAleatoire, 0);
    for (int t = 0; t < 10; ++t) {
        IA().Gestion_IA();
        IA().Gestion_Fiefs();
    }
    IA().Gestion_IA_Perso(0);
    IA().Gestion_IA_Perso(-1);
}

TEST_F(IATest, InitialisationRepartDeZeroQuoiQueLaisseLaPartiePrecedente) {
    Peupler(3);
    EXPECT_EQ(IA().DistanceRecherche[2], 96);
    EXPECT_EQ(IA().TypeMaisonVoulue[2], -1);
    EXPECT_EQ(IA().RessourceVoulue[2], -1);
    EXPECT_EQ(IA().ObjetVoulu[2], -1);
    std::int32_t niveauMax = 0;
    for (std::int16_t t = 0; t < P().NombreTypeBatiments; ++t) niveauMax = std::max(niveauMax, P().Batiment_Niveau(t));
    EXPECT_EQ(IA().NiveauMaxBatiment, niveauMax);

    // What the previous game left: none of it reaches the next one, so that
    // two programs with different pasts start the same network game alike.
    IA().RayonTresor[1] = 200;
    IA().RayonPerso[1] = 112;
    IA().CurseurMaison[1] = 2;
    IA().CourseFaite[1] = true;
    IA().DistanceRecherche[1] = 480;
    IA().QuantiteVoulue[1] = 7;
    IA().CurseurIA = 2;
    IA().IndiceTrouve = 3;
    IA().NiveauMaxBatiment = 99;

    Peupler(5);
    for (int i : {1, 4}) {
        EXPECT_EQ(IA().RayonTresor[i], 0) << i;
        EXPECT_EQ(IA().RayonPerso[i], 0) << i;
        EXPECT_EQ(IA().CurseurMaison[i], 0) << i;
        EXPECT_FALSE(IA().CourseFaite[i]) << i;
        EXPECT_EQ(IA().DistanceRecherche[i], 96) << i;
        EXPECT_EQ(IA().QuantiteVoulue[i], 0) << i;
    }
    EXPECT_EQ(IA().CurseurIA, 0);
    EXPECT_EQ(IA().IndiceTrouve, 0);
    EXPECT_EQ(IA().NiveauMaxBatiment, niveauMax);
    EXPECT_EQ(IA().RayonEmplacement.size(), 1u);

    // Summoning grows the tables during a game: the new slot gets 0, not -1.
    IA().Redimensionner_Tableaux_IA(6);
    EXPECT_EQ(IA().DistanceRecherche[5], 0);
    EXPECT_EQ(IA().TypeMaisonVoulue[5], 0);
    EXPECT_EQ(IA().DistanceRecherche[1], 96);
}

TEST_F(IATest, EmplacementAleatoireTire) {
    Peupler(2);
    const std::int32_t c = Perso(0).Nombre_Objets_Inventaire();
    ASSERT_GT(c, 2);
    struct Cas {
        float r;
        std::int32_t attendu;
    };
    // r x c rounded half to even; a result equal to the slot count is 0.
    const float milieu = (2.5f) / static_cast<float>(c);
    const Cas cas[] = {{0.0f, 0}, {0.9999f, 0}, {milieu, 2}, {0.5f, static_cast<std::int32_t>(Arrondi(0.5 * c))}};
    for (const Cas& k : cas) {
        Tirages({k.r});
        IA().Initialiser_IA();
        EXPECT_EQ(IA().EmplacementAleatoire, k.attendu) << k.r;
    }
}

// Two characters a tick while there are fewer than 150; the scheduler
// wraps and goes on from where it was.
TEST_F(IATest, OrdonnanceurTourne) {
    Peupler(5);
    IA().CurseurIA = 0;
    std::vector<std::int32_t> servis;
    for (int t = 0; t < 4; ++t) {
        IA().Gestion_IA();
        servis.push_back(IA().CurseurIA);
    }
    EXPECT_EQ(servis, (std::vector<std::int32_t>{2, 4, 1, 3}));

    // A smaller next game starts its round from the first character again.
    IA().CurseurIA = 4;
    Peupler(2);
    IA().Gestion_IA();
    EXPECT_EQ(IA().CurseurIA, 0);
}

TEST_F(IATest, UnSeulPersoDecideDeuxFoisParTour) {
    Peupler(1);
    Perso(0).Aller_A(3000, 100);  // busy
    Tirages({0.995f, 0.5f});
    IA().Gestion_IA();
    // The first turn stopped it; the second found it idle.
    EXPECT_NE(Perso(0).Action, Actions::Deplacer);
}

// Characters the built-in behaviours must leave alone.
TEST_F(IATest, PersosLaissesTranquilles) {
    struct Cas {
        const char* nom;
        void (*preparer)(ClsJeuPerso&);
    };
    const Cas cas[] = {
        {"ordre du joueur", [](ClsJeuPerso& p) { p.IA_Active = false; }},
        {"mort sous les ordres du joueur", [](ClsJeuPerso& p) { p.IA_Active = false; p.Vivant(false); }},
        {"mort en marche", [](ClsJeuPerso& p) { p.Vivant(false); p.Action = Actions::Deplacer; }},
        {"mort entrant", [](ClsJeuPerso& p) { p.Vivant(false); p.Action = Actions::Entrer; }},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2);
        Perso(0).Vie = 1;  // hungry, with no food anywhere
        c.preparer(Perso(0));
        const std::int16_t action = Perso(0).Action;
        const std::int32_t x = Perso(0).DestinationX;
        Tirages({0.5f, 0.5f, 0.5f});
        IA().Gestion_IA_Perso(0);
        EXPECT_EQ(Perso(0).Action, action) << c.nom;
        EXPECT_EQ(Perso(0).DestinationX, x) << c.nom;
        EXPECT_EQ(Main.Aleatoire.PositionAleatoire, 0) << c.nom << ": no draw";
    }
}

// The draw is compared with 0.99 in double precision: the single-precision
// 0.99 lies above it and stops the character, the value just below does not.
TEST_F(IATest, OccupeSArreteUneFoisSurCent) {
    const struct {
        float r;
        bool arrete;
    } cas[] = {{0.98999995f, false}, {0.99f, true}, {0.9901f, true}, {0.2f, false}};
    for (const auto& c : cas) {
        Peupler(2);
        Perso(0).Aller_A(3000, 100);
        Tirages({c.r});
        IA().Gestion_IA_Perso(0);
        EXPECT_EQ(Perso(0).Action == Actions::Attente, c.arrete) << c.r;
        EXPECT_EQ(Main.Aleatoire.PositionAleatoire, 1);
    }
}

TEST_F(IATest, BerserkSansEnnemiMeurt) {
    Peupler(2);
    Perso(0).IA_Berserk = true;
    Perso(0).IA = true;  // never reaches its script
    IA().Gestion_IA_Perso(0);
    EXPECT_FALSE(Perso(0).Vivant());
}

TEST_F(IATest, BerserkAttaqueLePlusProche) {
    Peupler(3, 2);
    Perso(0).IA_Berserk = true;
    IA().Gestion_IA_Perso(0);
    EXPECT_EQ(Perso(0).Action, Actions::Attaquer);
    EXPECT_EQ(Perso(0).CiblePerso, 1);
}

TEST_F(IATest, InvocationCopieSonMaitre) {
    Peupler(3, 2);
    ClsJeuPerso& creature = Perso(2);
    creature.Equipe = 0;
    creature.Camp = Perso(0).Camp;
    creature.Invocateur = 0;
    creature.DecalageFormationX = 10;
    creature.DecalageFormationY = -5;
    Perso(0).IA_Active = false;

    Perso(0).Aller_A(500, 600);
    IA().Gestion_IA_Perso(2);
    EXPECT_EQ(creature.Action, Actions::Deplacer);
    EXPECT_EQ(creature.DestinationX, 510);
    EXPECT_EQ(creature.DestinationY, 595);

    Perso(0).Attaquer_Perso(1);
    IA().Gestion_IA_Perso(2);
    EXPECT_EQ(creature.Action, Actions::Attaquer);
    EXPECT_EQ(creature.CiblePerso, 1);

    // Fighting: it keeps its own fight.
    Perso(0).Attaquer_Chateau(1);
    IA().Gestion_IA_Perso(2);
    EXPECT_EQ(creature.Action, Actions::Attaquer);

    // A master at rest (attitude 1) or dead: the creature sees to its needs
    // and patrols.
    creature.Arreter();
    Perso(0).Attitude = 1;
    // The treasure search draws first, then the patrol.
    Tirages({0.5f, 0.15f, 0.5f, 0.5f});
    IA().Gestion_IA_Perso(2);
    EXPECT_EQ(creature.Action, Actions::Deplacer) << "wanders";

    creature.Arreter();
    Perso(0).Attitude = 0;
    Perso(0).Vivant(false);
    Tirages({0.5f, 0.07f});
    IA().Gestion_IA_Perso(2);
    // Back to the master's place, which it takes from its destination.
    EXPECT_EQ(creature.Action, Actions::Deplacer);
    EXPECT_EQ(creature.DestinationX, Perso(0).DestinationX + 10);
}

TEST_F(IATest, GardeDeMaisonTombeeSuitSonMaitre) {
    Peupler(2);
    Batir(0, 1, 400, 400);
    ClsJeuPerso& creature = Perso(1);
    creature.Invocateur = 0;
    creature.Suivre = 1;
    creature.CibleMaison = 0;
    Tirages({0.1f, 0.5f});
    IA().Gestion_IA_Perso(1);
    EXPECT_EQ(creature.Action, Actions::Deplacer) << "walks round the house";
    EXPECT_EQ(creature.Suivre, 1);

    Maison(0).Definir_Vie(0);
    IA().Gestion_IA_Perso(1);
    EXPECT_EQ(creature.Suivre, 0);

    // A post naming no building at all is dropped the same way.
    creature.Suivre = 2;
    creature.CibleChateau = 57;
    IA().Gestion_IA_Perso(1);
    EXPECT_EQ(creature.Suivre, 0);
}

TEST_F(IATest, MortsRessuscitesOuRenvoyesAuChateau) {
    const std::int16_t temple = TypeTemple(P());
    ASSERT_GE(temple, 0);

    // Poor: it waits in its castle.
    Peupler(3);
    Batir(2, temple, 200, 150, 5);
    Perso(0).Vivant(false);
    Perso(0).Definir_Argent(10);
    Perso(0).DansChateau = false;
    IA().Gestion_IA_Perso(0);
    EXPECT_EQ(Perso(0).Action, Actions::RetournerChateau);

    // Already in its castle: it stays there.
    Perso(0).Arreter();
    Perso(0).DansChateau = true;
    IA().Gestion_IA_Perso(0);
    EXPECT_EQ(Perso(0).Action, Actions::Attente);

    // Rich: to the temple of its side once the search reaches it, then
    // raised there.
    Perso(0).DansChateau = false;
    Perso(0).Definir_Argent(5000);
    for (int t = 0; t < 5 && Perso(0).Action != Actions::Entrer; ++t) IA().Gestion_IA_Perso(0);
    ASSERT_EQ(Perso(0).Action, Actions::Entrer);
    EXPECT_EQ(Perso(0).CibleMaison, 2);
    EXPECT_FALSE(IA().CourseFaite[0]);
    Perso(0).Arreter();
    Perso(0).DansMaisonCible = true;
    IA().Gestion_IA_Perso(0);
    EXPECT_TRUE(Perso(0).Vivant());
    EXPECT_TRUE(IA().CourseFaite[0]);
    EXPECT_EQ(Maison(2).Definir_Stock(), 4);

    // A dead summoned creature is never sent anywhere.
    Perso(1).Invocateur = 2;
    Perso(1).Vivant(false);
    const std::int16_t action = Perso(1).Action;
    IA().Gestion_IA_Perso(1);
    EXPECT_EQ(Perso(1).Action, action);
}

// A dead character whose target house names no building is not raised,
// whatever flags it carries.
TEST_F(IATest, MortCibleInvalide) {
    Peupler(2);
    Perso(0).Vivant(false);
    Perso(0).DansMaisonCible = true;
    for (std::int32_t cible : {-1, 2, 1000000}) {
        Perso(0).CibleMaison = cible;
        IA().Gestion_IA_Perso(0);
        EXPECT_FALSE(Perso(0).Vivant());
    }
}

TEST_F(IATest, GestionFiefsReparLesChateaux) {
    Peupler(1, 2);
    Chateau(1).Definir_Vie(100);
    Fief(1).FondsRestauration = 1e6;
    for (int t = 0; t < 50; ++t) IA().Gestion_Fiefs();
    EXPECT_GT(Chateau(1).Vie, 100);
    EXPECT_EQ(Chateau(0).Vie, Chateau(0).MaxVie);
}
