// The order layer without a session: each of the five orders reaches the
// character at once, an order naming nothing that exists does nothing,
// and a build order raises the house in the character's own slot, paid
// for, and sends the character into it.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/ModCommandes.h"
#include "tests/engine/MoteurOutils.h"

namespace {

struct Ordres : ::testing::Test {
    MoteurSansEcran m;
    ModMain& Main = *m.Main;
    void SetUp() override {
        ASSERT_TRUE(m.Demarrer());
        ASSERT_FALSE(Main.Ressources.empty());
    }
    std::int32_t n() const { return Main.NoPersoParJoueur[0]; }
    ClsJeuPerso& P() { return Main.Persos[static_cast<std::size_t>(n())]; }
    // Gives the character what a house of type t costs.
    void Payer(std::int16_t t) {
        for (std::int32_t r = 0; r < Main.Parametres.NombreRessources; ++r)
            P().Definir_Ressources(r, Main.Parametres.Batiment_Prix(t, r));
    }
    // The first house type that costs something.
    std::int16_t TypePayant() const {
        for (std::int16_t t = 0; t < Main.Parametres.NombreTypeBatiments; ++t)
            for (std::int32_t r = 0; r < Main.Parametres.NombreRessources; ++r)
                if (Main.Parametres.Batiment_Prix(t, r) > 0) return t;
        return -1;
    }
};

}  // namespace

TEST_F(Ordres, ChaqueOrdreAgitAussitot) {
    P().DansChateau = P().DansChateauCible = false;
    const std::int32_t equipe = P().Equipe;
    // A house of the character's to go into.
    const std::int16_t t = TypePayant();
    ASSERT_GE(t, 0);
    Payer(t);
    ModCommandes::Commande_Construire_Maison(Main, n(), 640, 480, t);
    Main.Maisons[static_cast<std::size_t>(n())].Definir_Vie(Main.Maisons[static_cast<std::size_t>(n())].MaxVie);

    struct Cas {
        const char* nom;
        std::function<void()> ordre;
        std::int16_t action;
    };
    const Cas cas[] = {
        {"aller", [&] { ModCommandes::Commande_Aller_A(Main, n(), 123, 456); }, 1},
        {"ressource", [&] { ModCommandes::Commande_Aller_Ressource(Main, n(), 0); }, 3},
        {"chateau", [&] { ModCommandes::Commande_Rentrer_Chateau(Main, n(), equipe); }, 202},
        {"maison", [&] { ModCommandes::Commande_Rentrer_Maison(Main, n(), n()); }, 101},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        P().Arreter();
        c.ordre();
        EXPECT_EQ(P().Action, c.action);
    }
    ModCommandes::Commande_Aller_A(Main, n(), 123, 456);
    EXPECT_EQ(P().DestinationX, 123);
    EXPECT_EQ(P().DestinationY, 456);
    ModCommandes::Commande_Aller_Ressource(Main, n(), 0);
    EXPECT_EQ(P().CibleRessource, 0);
}

TEST_F(Ordres, UnOrdreSurUnIndiceInexistantNeFaitRien) {
    P().Arreter();
    const std::int32_t x = P().DestinationX;
    const auto hors = static_cast<std::int32_t>(Main.Persos.size());
    ModCommandes::Commande_Aller_A(Main, hors, 1, 2);
    ModCommandes::Commande_Aller_A(Main, -1, 1, 2);
    ModCommandes::Commande_Aller_Ressource(Main, n(), static_cast<std::int32_t>(Main.Ressources.size()));
    ModCommandes::Commande_Rentrer_Chateau(Main, n(), static_cast<std::int32_t>(Main.Chateaux.size()));
    ModCommandes::Commande_Rentrer_Maison(Main, n(), -1);
    ModCommandes::Commande_Construire_Maison(Main, n(), 10, 10, Main.Parametres.NombreTypeBatiments);
    ModCommandes::Commande_Construire_Maison(Main, hors, 10, 10, 0);
    EXPECT_EQ(P().Action, P().DansMaison ? 100 : 0);
    EXPECT_EQ(P().DestinationX, x);
    for (const ClsJeuBatiment& m : Main.Maisons) EXPECT_FALSE(m.Visible());
}

TEST_F(Ordres, ConstruireEleveLaMaisonPayeeEtYEnvoieLePerso) {
    const std::int16_t t = TypePayant();
    ASSERT_GE(t, 0);
    // Not enough to pay: nothing is built and nothing is taken.
    Payer(t);
    std::int32_t r0 = 0;
    while (Main.Parametres.Batiment_Prix(t, r0) <= 0) ++r0;
    const double prix = Main.Parametres.Batiment_Prix(t, r0);
    P().Definir_Ressources(r0, prix - 1);
    ModCommandes::Commande_Construire_Maison(Main, n(), 320, 256, t);
    const ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(n())];
    EXPECT_FALSE(maison.Visible());
    EXPECT_EQ(P().Definir_Ressources(r0), prix - 1);

    P().Definir_Ressources(r0, prix + 3);
    ModCommandes::Commande_Construire_Maison(Main, n(), 320, 256, t);
    EXPECT_TRUE(maison.Visible());
    EXPECT_EQ(maison.X, 320);
    EXPECT_EQ(maison.Y, 256);
    EXPECT_EQ(maison.TypeBatiment, t);
    EXPECT_EQ(maison.Proprietaire, n());
    EXPECT_EQ(P().Definir_Ressources(r0), 3);
    // A new house is a building site: the character goes to build it.
    EXPECT_EQ(P().Action, Actions::AllerConstruire);
    EXPECT_EQ(P().CibleMaison, n());
}
