// Fixed fingerprints of whole games: the state hash of worlds built by the
// game setup and played by the AI, written down once. Faster searches,
// indexes and new memory layouts must change none of them: a game, a save
// and a network peer play exactly as before, draw for draw.
//
// A test that fails prints every pinned value as it now stands, and the
// five sections of the hash to tell what moved.
#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>

#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"
#include "platform/DossierJeu.h"
#include "tests/Outils.h"
#include "world/ModGenererMonde.h"

namespace {

struct Jeu {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    Jeu() {
        Main.Charger_Parametres();
        Main.IA2.Charger_IAs();
    }
    // As the engine does when a game starts, then the seeded generator.
    void Lancer(const SetupChoices& c, std::uint32_t Graine) {
        Main.Creer_Partie(c);
        ASSERT_FALSE(Main.FinPartie);
        Resoudre_Scripts_IA(Main);
        Main.IA.Initialiser_IA();
        Main.Aleatoire.TableActive = false;
        Main.Aleatoire.Generateur().Semer(Graine);
        Main.GenerateurPlateforme.Semer(Graine + 1);
    }
    void Jouer(std::int32_t Tours) {
        for (std::int32_t t = 0; t < Tours; ++t) Main.Tour_Simulation();
    }
};

// The default world of the setup window (64 x 64 cells, 40 deposits), two
// villages of the playable peoples and a horde of monsters, every
// character following its race's script. Built the network way, so that
// the world is the same at every run.
SetupChoices Villages() {
    SetupChoices c;
    c.Fiefs.push_back({0, 0, 8});
    c.Fiefs.push_back({1, 1, 8});
    c.Fiefs.push_back({2, 2, 4});
    c.Reseau = true;
    return c;
}

SetupChoices Bataille() {
    SetupChoices c;
    c.Mode = SetupChoices::NouvelleBataille;
    c.LargeurCarte = c.HauteurCarte = 48;
    c.Armees[0] = {12, 0, true, {}};
    c.Armees[1] = {10, 2, true, {}};
    c.Reseau = true;
    return c;
}

SetupChoices MondeVide(std::int32_t Cote) {
    SetupChoices c = Villages();
    c.LargeurCarte = c.HauteurCarte = Cote;
    c.NombreRessources = Cote * Cote / 100;
    return c;
}

struct Empreinte {
    const char* Nom;
    std::uint64_t Attendue;
    std::uint64_t Obtenue = 0;
    std::array<std::uint64_t, 5> Parties{};
};

void Verifier(std::vector<Empreinte>& e) {
    bool bon = true;
    for (const Empreinte& x : e) bon = bon && x.Attendue == x.Obtenue;
    for (const Empreinte& x : e) {
        EXPECT_EQ(x.Obtenue, x.Attendue) << x.Nom;
        if (bon) continue;
        std::printf("{\"%s\", 0x%016" PRIx64 "ULL},  // persos %016" PRIx64 " maisons %016" PRIx64 " fiefs %016" PRIx64
                    " tresors %016" PRIx64 " aleatoire %016" PRIx64 "\n",
                    x.Nom, x.Obtenue, x.Parties[0], x.Parties[1], x.Parties[2], x.Parties[3], x.Parties[4]);
    }
}

void Relever(Empreinte& e, const ModMain& M) {
    e.Obtenue = Hacher_Etat(M);
    e.Parties = Hacher_Parties(M);
}

void Villages_Apres(std::vector<Empreinte>& e, std::int32_t Tours) {
    const std::uint32_t graines[] = {11, 2024, 77777, 5, 31337};
    for (std::size_t k = 0; k < e.size(); ++k) {
        Jeu j;
        j.Lancer(Villages(), graines[k]);
        j.Jouer(Tours);
        Relever(e[k], j.Main);
    }
    Verifier(e);
}

}  // namespace

// Five seeds of the default world, 20,000 ticks each: houses rise,
// villagers fetch, work, buy and sell, monsters roam.
TEST(EmpreintesParties, VillagesVingtMilleTours) {
    std::vector<Empreinte> e = {
        {"graine 11", 0xd6ebe0e1ad952ea1ULL},
        {"graine 2024", 0x91f914865fcb2f9eULL},
        {"graine 77777", 0xd7f90fafe0492a11ULL},
        {"graine 5", 0x29a10e046c215f95ULL},
        {"graine 31337", 0x76b44ae316015d26ULL},
    };
    Villages_Apres(e, 20000);
}

// A battle of two equipped armies, fought to its 1,500th tick, and new
// worlds of three sizes as the setup builds them (map, castles, roads,
// characters), before any tick. Their deposits are placed again on the
// free generator, as a game without a network does: each draw is tried
// against everything standing on the map until a place is free.
TEST(EmpreintesParties, BatailleEtMondesNeufs) {
    std::vector<Empreinte> e = {
        {"bataille", 0xf4464ce124a57b13ULL},
        {"monde 64", 0x7335481dc55183f4ULL},
        {"monde 256", 0xc5db0641a5f850ecULL},
        {"monde 512", 0x9501def336989de0ULL},
    };
    {
        Jeu j;
        j.Lancer(Bataille(), 4242);
        j.Jouer(1500);
        Relever(e[0], j.Main);
    }
    const std::int32_t cotes[] = {64, 256, 512};
    for (std::size_t k = 0; k < 3; ++k) {
        Jeu j;
        j.Main.Creer_Partie(MondeVide(cotes[k]));
        ASSERT_FALSE(j.Main.FinPartie);
        j.Main.Aleatoire.TableActive = false;
        j.Main.Aleatoire.Generateur().Semer(900 + static_cast<std::uint32_t>(k));
        Placer_Ressources(j.Main, false);
        Relever(e[k + 1], j.Main);
    }
    Verifier(e);
}
