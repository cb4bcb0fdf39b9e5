// Sessions over ENet on 127.0.0.1 with 2, 3 and 4 machines in one process:
// the host creates, the others list and join, every machine shows the same
// players in the same order, chat reaches everyone once, joins after the
// start are refused, and a machine that leaves is reported to the others.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "rules/ClsFicINI.h"
#include "tests/network/Sessions.h"

namespace {

std::vector<std::int32_t> Ids(const ClsComReseau& r) {
    std::vector<std::int32_t> v;
    for (const auto& j : r.Joueurs) v.push_back(j.ID);
    return v;
}

}  // namespace

TEST(ClsComReseau, TwoThreeAndFourMachinesJoinAndChat) {
    for (int n : {2, 3, 4}) {
        SCOPED_TRACE(n);
        Machines m(n);
        int changements = 0;
        m[0].SurChangementJoueurs = [&] { ++changements; };
        ASSERT_TRUE(m.Ouvrir()) << m[n - 1].DerniereErreur;
        EXPECT_TRUE(m[0].Reseau_Serveur);
        EXPECT_GE(changements, n - 1);  // a system event for every join
        for (int i = 0; i < n; ++i) {
            EXPECT_EQ(m[i].Reseau_Client, i != 0);
            EXPECT_EQ(m[i].Joueur_Local, i);
            EXPECT_EQ(Ids(m[i]), Ids(m[0]));
            for (int k = 1; k <= n; ++k) EXPECT_EQ(m[i].Joueur_Nom(k), "J" + std::to_string(k - 1));
        }
        // Every machine says something; every other machine reads it once.
        std::vector<std::vector<std::string>> lus(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) m[i].Message_Envoyer(m[i].Joueur_Local, "<J" + std::to_string(i) + "> salut");
        ASSERT_TRUE(m.Jusqua([&] {
            for (int i = 0; i < n; ++i) {
                const std::string t = m[i].Message_Lire();
                if (!t.empty()) lus[static_cast<std::size_t>(i)].push_back(t);
            }
            for (int i = 0; i < n; ++i) {
                std::int32_t total = 0;
                for (std::size_t p = 0; p < m[i].Joueurs.size(); ++p) total += m[i].Messages_Joueur(p).NombreMessages;
                if (total != n) return false;
            }
            return true;
        }));
        for (int i = 0; i < n; ++i)
            for (int p = 0; p < n; ++p) {
                const ClsComMessages& q = m[i].Messages_Joueur(static_cast<std::size_t>(p));
                ASSERT_EQ(q.NombreMessages, 1);
                EXPECT_EQ(q.Categorie(0), "<J" + std::to_string(p) + "> salut");
                EXPECT_EQ(q.Noperso(0), p);
            }
    }
}

TEST(ClsComReseau, ListingAndJoiningTalkOnlyToTheAddressGiven) {
    Machines m(2);
    // Nobody hosts yet: the listing finds nothing and the join fails.
    m[1].Rafraichir_Parties();
    EXPECT_EQ(m[1].NombreParties, 0);
    EXPECT_FALSE(m[1].Session_Rejoindre(0));
    EXPECT_EQ(m[1].DerniereErreur, "Impossible d'établir la connexion\naucune session n'est choisie dans la liste");
    EXPECT_FALSE(m[1].Reseau_Actif);
    EXPECT_FALSE(m[1].Reseau_Client);
    ASSERT_TRUE(m[0].Session_Creer());
    m[1].Rafraichir_Parties();
    ASSERT_EQ(m[1].NombreParties, 1);
    EXPECT_EQ(m[1].Partie_Nom(1), "Essai");
    EXPECT_EQ(m[1].Partie_Nom(2), "");
    EXPECT_FALSE(m[1].Session_Rejoindre(1));  // no such entry
    EXPECT_FALSE(m[1].Session_Rejoindre(-1));
    ASSERT_TRUE(m[1].Session_Rejoindre(0));
    // A host name the player typed that is not an address is refused
    // without any look-up.
    Machines autre(2);
    autre[1].Adresse = "ailleurs.invalid";
    autre[1].Rafraichir_Parties();
    EXPECT_EQ(autre[1].NombreParties, 0);
    EXPECT_NE(autre[1].DerniereErreur.find("illisible"), std::string::npos);
}

TEST(ClsComReseau, JoinsAfterTheStartAndBeyondTheCountAreRefused) {
    Machines m(3);
    m[0].NombreJoueurs = 2;
    ASSERT_TRUE(m[0].Session_Creer());
    m[1].Rafraichir_Parties();
    ASSERT_TRUE(m[1].Session_Rejoindre(0));
    m[2].Rafraichir_Parties();
    EXPECT_FALSE(m[2].Session_Rejoindre(0));
    EXPECT_EQ(m[2].DerniereErreur, "Impossible d'établir la connexion\nla session est complète");

    m[0].NombreJoueurs = 3;
    m[0].Reseau_EnJeu = true;
    m[0].Message_Envoyer(m[0].Joueur_Local, "Com");
    ASSERT_TRUE(m.Jusqua([&] { return m[1].CommencementDemande; }));
    EXPECT_FALSE(m[0].CommencementDemande);  // the host's own "Com" starts nothing
    m[2].Rafraichir_Parties();
    ASSERT_EQ(m[2].NombreParties, 1);
    EXPECT_TRUE(m[2].Parties()[0].EnJeu);
    EXPECT_FALSE(m[2].Session_Rejoindre(0));
    EXPECT_NE(m[2].DerniereErreur.find("la partie a déjà commencé"), std::string::npos);
    EXPECT_EQ(m[0].NombreJoueursConnectes, 2);
}

TEST(ClsComReseau, APlayerWhoLeavesIsMarkedAndReportedWithinTenSeconds) {
    struct Cas {
        const char* nom;
        bool proprement;  // closes its session, or just stops answering
    };
    for (const Cas c : {Cas{"fermée", true}, Cas{"tuée", false}}) {
        SCOPED_TRACE(c.nom);
        Machines m(3);
        // A silence of 2 s stands for the game's 15 s, so that the test
        // stays short.
        LimitesReseau l;
        l.SilenceMaxMs = 2000;
        m.Limiter(l);
        ASSERT_TRUE(m.Ouvrir());
        for (int i = 0; i < 3; ++i) m[i].Reseau_EnJeu = true;
        const auto debut = std::chrono::steady_clock::now();
        std::unique_ptr<ClsComReseau> muette;
        if (c.proprement) {
            m[2].Session_Fermer();
        } else {
            // The machine vanishes without a word: its object is never
            // read again, its socket stays open but silent.
            muette = std::move(m.reseaux[2]);
        }
        ASSERT_TRUE(m.Jusqua(
            [&] { return m[0].Joueurs.size() == 3 && m[0].Joueurs[2].Parti && m[1].Joueurs[2].Parti; },
            std::chrono::seconds(10)));
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(10));
        // Its place is kept: indices of the others do not move.
        EXPECT_EQ(m[1].Joueur_Local, 1);
        EXPECT_FALSE(m[0].Joueurs[1].Parti);
        // Both say who left.
        for (int i = 0; i < 2; ++i)
            EXPECT_NE(std::find(m[i].Annonces.begin(), m[i].Annonces.end(), "« J2 » a quitté la partie."),
                      m[i].Annonces.end())
                << i;
    }
}

TEST(ClsComReseau, ABadServiceProviderLeavesNetworkPlayOff) {
    for (const char* valeur : {"0", "2", "", "abc"}) {
        Machines m(1, valeur);
        EXPECT_FALSE(m[0].Disponible()) << valeur;
        EXPECT_FALSE(m[0].Session_Creer());
        EXPECT_NE(m[0].DerniereErreur.find("pas disponible"), std::string::npos);
        EXPECT_FALSE(m[0].Reseau_Actif);
    }
    Machines m(1);
    EXPECT_TRUE(m[0].Disponible());
    EXPECT_EQ(m[0].ServiceProvider_Nom(1), "TCP/IP (LAN)");
    // Choosing another provider is stored and used from the next start.
    m[0].Definir_ServiceProvider(3);
    EXPECT_TRUE(m[0].Disponible());
    ClsComReseau relu(*m.jeux[0], FabriqueTransportENet());
    EXPECT_FALSE(relu.Disponible());
    EXPECT_EQ(relu.ServiceProvider, 3);
}
