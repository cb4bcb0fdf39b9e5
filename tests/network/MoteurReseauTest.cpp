// Two headless engines in one network game on 127.0.0.1: the turn takes the
// place of the timed tick, both worlds tick alike under the players'
// orders, the pause one player asks for stops both, and a divergence ends
// the game with its reason for the player.
#include <gtest/gtest.h>

#include "engine/HachageEtat.h"
#include "engine/ModCommandes.h"
#include "network/ChoixReseau.h"
#include "network/ClsComReseau.h"
#include "network/PartieReseau.h"
#include "platform/enet/TransportENet.h"
#include "tests/engine/MoteurOutils.h"
#include "tests/network/Sessions.h"

namespace {

struct DeuxMoteurs : ::testing::Test {
    MoteurSansEcran a, b;
    std::unique_ptr<ClsComReseau> ra, rb;
    SetupChoices choixHote;

    void SetUp() override {
        const std::uint16_t port = PortLibre();
        for (MoteurSansEcran* m : {&a, &b})
            m->d.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomSession=Duo\nNombreJoueurs=2\n"
                                          "Adresse=127.0.0.1\nPort=" + std::to_string(port) + "\n");
        ra = std::make_unique<ClsComReseau>(*a.dossier, FabriqueTransportENet());
        rb = std::make_unique<ClsComReseau>(*b.dossier, FabriqueTransportENet());
        rb->PendantAttente = [&] { ra->Pomper(0); };
        ASSERT_TRUE(ra->Session_Creer());
        rb->Rafraichir_Parties();
        ASSERT_TRUE(rb->Session_Rejoindre(0)) << rb->DerniereErreur;
        for (int k = 0; k < 1000 && ra->NombreJoueursConnectes != 2; ++k) ra->Message_Lire(), rb->Message_Lire();
        ASSERT_EQ(ra->NombreJoueursConnectes, 2);
        int i = 0;
        for (auto [m, r] : {std::pair{&a, ra.get()}, std::pair{&b, rb.get()}}) {
            m->Main->Reseau = r;
            SetupChoices c = MoteurSansEcran::Choix(1, 2, 3);
            c.Reseau = true;
            c.NumeroJoueurReseau = i++;
            c.NombreJoueursReseau = 2;
            if (i == 1) choixHote = c;
            ASSERT_TRUE(m->M->Demarrer(c, nullptr, 800, 600));
            ASSERT_TRUE(m->M->Reseau);
        }

    }

    // One pass on each, their clocks a fiftieth of a second on.
    void Passes(int n, const std::function<void(int)>& avant = {}) {
        for (int k = 0; k < n; ++k) {
            if (avant) avant(k);
            for (MoteurSansEcran* m : {&a, &b}) {
                m->horloge.Temps += 0.02;
                m->M->Passe();
            }
        }
    }
    // Until both have played the same turns and wait for none.
    void Aligner() {
        for (int k = 0; k < 2000 && (a.M->CompteurTours != b.M->CompteurTours || a.M->Reseau->EnCours() ||
                                     b.M->Reseau->EnCours());
             ++k)
            Passes(1);
    }
};

}  // namespace

TEST_F(DeuxMoteurs, BothWorldsTickAlikeUnderThePlayersOrders) {
    EXPECT_EQ(a.Main->NoPersoJoueur, 0);
    EXPECT_EQ(b.Main->NoPersoJoueur, 1);
    EXPECT_TRUE(ra->Reseau_EnJeu);
    Passes(600, [&](int k) {
        if (k % 25 == 0) ModCommandes::Commande_Aller_A(*a.Main, 0, 200 + k, 300);
        if (k % 40 == 5) ModCommandes::Commande_Aller_A(*b.Main, 1, 500, 100 + k / 2);
    });
    Aligner();
    EXPECT_GT(a.M->CompteurTours, 50);
    EXPECT_EQ(a.M->CompteurTours, b.M->CompteurTours);
    EXPECT_EQ(Hacher_Parties(*a.Main), Hacher_Parties(*b.Main));
    EXPECT_FALSE(a.Main->FinPartie);
    a.M->Terminer();
    EXPECT_FALSE(ra->Reseau_EnJeu);
}

TEST_F(DeuxMoteurs, AClientBuildsTheHostsWorldFromItsChoices) {
    Passes(5);
    ASSERT_FALSE(rb->ChoixHote.empty());
    std::string erreur;
    auto choix = ChoixReseau::Lire(rb->ChoixHote, &erreur);
    ASSERT_TRUE(choix) << erreur;
    EXPECT_EQ(choix->NombreJoueursReseau, 2);
    choix->NumeroJoueurReseau = rb->Joueur_Local;
    // The world the client builds from what it received, and the one the
    // host built from its own choices.
    ModMain client(*b.dossier), hote(*a.dossier);
    client.Charger_Parametres();
    hote.Charger_Parametres();
    client.Creer_Partie(*choix);
    hote.Creer_Partie(choixHote);
    EXPECT_EQ(client.NoPersoJoueur, 1);
    EXPECT_EQ(hote.NoPersoJoueur, 0);
    EXPECT_EQ(Hacher_Parties(client), Hacher_Parties(hote));
}

TEST_F(DeuxMoteurs, OnePlayersPauseStopsBoth) {
    Passes(50);
    b.Jeu->Pause = true;
    Passes(20);
    Aligner();
    EXPECT_TRUE(a.Jeu->Pause);
    EXPECT_TRUE(b.Jeu->Pause);
    const std::int32_t tours = a.M->CompteurTours;
    Passes(100);
    EXPECT_EQ(a.M->CompteurTours, tours);
    EXPECT_EQ(b.M->CompteurTours, tours);
    a.Jeu->Pause = false;
    Passes(100);
    Aligner();
    EXPECT_FALSE(b.Jeu->Pause);
    EXPECT_GT(b.M->CompteurTours, tours);
    EXPECT_EQ(Hacher_Parties(*a.Main), Hacher_Parties(*b.Main));
}

TEST_F(DeuxMoteurs, ADivergenceEndsTheGameWithItsReason) {
    Passes(30);
    Aligner();
    b.Main->Persos[0].Definir_Argent(b.Main->Persos[0].Definir_Argent() + 1000);
    Passes(400);
    EXPECT_TRUE(a.Main->FinPartie);
    EXPECT_TRUE(b.Main->FinPartie);
    ASSERT_FALSE(a.Main->MessagesPartie.empty());
    EXPECT_NE(a.Main->MessagesPartie.back().find("personnages différents"), std::string::npos)
        << a.Main->MessagesPartie.back();
}
