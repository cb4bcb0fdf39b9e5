// The setup window's network panel, played through its controls: two
// programs in one process on 127.0.0.1, one hosting and one joining.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <functional>
#include "characters/ClsJeuPerso.h"
#include <memory>
#include <string>

#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "network/ClsComReseau.h"
#include "tests/network/Sessions.h"
#include "tests/windows/ProgrammeEssai.h"
#include "windows/FrmMoteur2D.h"

using namespace essai;

namespace {

void Reseau(const Dossier& d, const std::string& fournisseur, const std::string& nom, std::uint16_t port) {
    d.d.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=" + fournisseur + "\nNomJoueur=" + nom +
                                     "\nNomSession=Essai\nNombreJoueurs=4\nNombreJoueursMin=2\nNombreJoueursMax=8\n"
                                     "Adresse=127.0.0.1\nPort=" +
                                     std::to_string(port) + "\n");
}

bool Contient(QListWidget* l, const std::string& texte) {
    for (const auto& t : Textes(l))
        if (t == texte) return true;
    return false;
}

void Taper(QLineEdit* boite, const QString& texte) {
    boite->setFocus();
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
}

}  // namespace

TEST(FrmParamReseau, DeuxProgrammesSeRetrouventDiscutentEtJouentLeMemeMonde) {
    Application a;
    const std::uint16_t port = PortLibre();
    Dossier dh(true), dc(true);
    Reseau(dh, "1", "Hote", port);
    Reseau(dc, "1", "Client", port);
    Programme hote(dh), client(dc);
    ASSERT_TRUE(hote.p.Main());
    ASSERT_TRUE(client.p.Main());
    FrmParam& h = hote.P();
    FrmParam& c = client.P();

    // The panel belongs to the two tabs a network game starts from.
    h.TabStripMonde->setCurrentIndex(0);
    EXPECT_TRUE(h.PanneauReseau->isVisible());
    h.TabStripMonde->setCurrentIndex(1);
    EXPECT_TRUE(h.PanneauReseau->isVisible());
    h.TabStripMonde->setCurrentIndex(2);
    EXPECT_FALSE(h.PanneauReseau->isVisible());
    h.TabStripMonde->setCurrentIndex(0);
    c.TabStripMonde->setCurrentIndex(0);
    EXPECT_EQ(h.TxtAdresse->text(), "127.0.0.1");
    EXPECT_TRUE(h.LblErreurReseau->text().isEmpty());

    // The host names itself and opens a session for two.
    Taper(h.TxtNomJoueur, "Alderic");
    EXPECT_EQ(hote.p.Reseau->NomJoueur, "Alderic");
    h.SliderNombreJoueurs->setValue(2);
    EXPECT_EQ(h.LblNombreJoueurs->text(), "2");
    QTest::mouseClick(h.CmdCreerServeur, Qt::LeftButton);
    ASSERT_TRUE(hote.p.Reseau->Reseau_Serveur) << hote.p.Reseau->DerniereErreur;
    EXPECT_FALSE(h.CmdCreerServeur->isEnabled());
    EXPECT_TRUE(h.CmdFermerServeur->isEnabled());
    EXPECT_EQ(Textes(h.LstJoueurs), (std::vector<std::string>{"Alderic"}));

    // The client types the address, lists the sessions there and joins.
    Taper(c.TxtAdresse, "127.0.0.1");
    QTest::mouseClick(c.CmdRafraichirParties, Qt::LeftButton);
    ASSERT_EQ(Textes(c.LstParties), (std::vector<std::string>{"Essai"}));
    QTest::mouseClick(c.CmdConnecter, Qt::LeftButton);
    ASSERT_TRUE(client.p.Reseau->Reseau_Client) << client.p.Reseau->DerniereErreur;
    EXPECT_TRUE(client.dialogues.messages.empty());
    EXPECT_FALSE(c.CmdConnecter->isEnabled());
    EXPECT_TRUE(c.CmdDeconnecter->isEnabled());
    const std::vector<std::string> joueurs{"Alderic", "Client"};
    EXPECT_TRUE(QTest::qWaitFor([&] { return Textes(h.LstJoueurs) == joueurs && Textes(c.LstJoueurs) == joueurs; }, 8000))
        << Textes(h.LstJoueurs).size() << " " << Textes(c.LstJoueurs).size();

    // The session admits the two the slider showed: a third is refused.
    {
        DossierTemporaire d3;
        d3.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomJoueur=Trois\nAdresse=127.0.0.1\nPort=" +
                                        std::to_string(port) + "\n");
        DossierJeu jeu3(d3.Chemin());
        ClsComReseau trois(jeu3, FabriqueTransportENet());
        trois.PendantAttente = [] { QCoreApplication::processEvents(); };
        trois.Rafraichir_Parties();
        EXPECT_FALSE(trois.NombreParties == 1 && trois.Session_Rejoindre(0));
        EXPECT_FALSE(trois.Reseau_Actif);
    }

    // A line with nothing to read is neither sent nor listed.
    for (const char* vide : {"", "   "}) {
        Taper(h.TxtMessage, vide);
        QTest::mouseClick(h.CmdEnvoyerMessage, Qt::LeftButton);
        EXPECT_EQ(h.LstMessages->count(), 0) << "« " << vide << " »";
    }
    EXPECT_EQ(hote.p.Reseau->Messages_Joueur(0).NombreMessages, 0);

    // Chat both ways: the sender lists its line at once, the other on reading.
    Taper(h.TxtMessage, "Bonjour");
    QTest::mouseClick(h.CmdEnvoyerMessage, Qt::LeftButton);
    EXPECT_TRUE(h.TxtMessage->text().isEmpty());
    EXPECT_TRUE(Contient(h.LstMessages, "<Alderic> Bonjour"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Contient(c.LstMessages, "<Alderic> Bonjour"); }, 5000));
    Taper(c.TxtMessage, "Pret");
    QTest::keyClick(c.TxtMessage, Qt::Key_Return);
    EXPECT_TRUE(Contient(c.LstMessages, "<Client> Pret"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Contient(h.LstMessages, "<Client> Pret"); }, 5000));
    Photographier(hote.F(), "reseau-hote.png");
    Photographier(client.F(), "reseau-client.png");

    // The host starts: the client's game follows with the host's choices.
    // Both worlds are looked at once the client's is up, before any turn.
    const SetupChoices choixHote = h.Choix();
    EXPECT_TRUE(choixHote.Reseau);
    EXPECT_EQ(choixHote.NombreJoueursReseau, 2);
    bool vu = false;
    // The state in its sections, each machine's own player aside.
    std::array<std::uint64_t, 5> hachHote{}, hachClient{1};
    std::int32_t largeurClient = 0, persoClient = -1, persoHote = -1;
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* pc = client.F().Partie();
        if (vu || !pc || !pc->Moteur().PartieLancee) return;
        vu = true;
        hachHote = Hacher_Parties(*hote.p.Jeu_Monde);
        hachClient = Hacher_Parties(*client.p.Jeu_Monde);
        largeurClient = client.p.Jeu_Monde->Monde.LargeurCarte;
        persoClient = client.p.Jeu_Monde->NoPersoJoueur;
        persoHote = hote.p.Jeu_Monde->NoPersoJoueur;
        auto finir = [&] {
            client.p.Jeu_Monde->FinPartie = true;
            hote.p.Jeu_Monde->FinPartie = true;
        };
        if (!std::getenv("MORVAINE_SESSION_IMAGES")) return finir();
        // By hand: a few seconds of the game in step on both screens.
        QTimer::singleShot(3000, [&, finir] {
            if (FrmMoteur2D* ph = hote.F().Partie()) Photographier(ph->Fenetre(), "reseau-partie-hote.png");
            if (FrmMoteur2D* pc2 = client.F().Partie()) Photographier(pc2->Fenetre(), "reseau-partie-client.png");
            finir();
        });
    });
    veille.start(1);
    QTimer::singleShot(60000, [&] {
        client.p.Jeu_Monde->FinPartie = true;
        hote.p.Jeu_Monde->FinPartie = true;
    });
    QTest::mouseClick(h.CmdCommencer, Qt::LeftButton);
    veille.stop();
    ASSERT_TRUE(vu) << "la partie du client n'a pas commencé";
    // Every section, characters included: the mark of which local player
    // steers a character is each machine's own and is not hashed.
    for (std::size_t k = 0; k < hachHote.size(); ++k) EXPECT_EQ(hachClient[k], hachHote[k]) << NomPartieEtat(k);
    EXPECT_EQ(largeurClient, choixHote.LargeurCarte);
    EXPECT_EQ(persoHote, 0);
    EXPECT_EQ(persoClient, 1);
}

TEST(FrmParamReseau, UnServiceInvalideCoupeLeReseauSansEmpecherLeProgramme) {
    Application a;
    Dossier d(false);
    Reseau(d, "7", "Personne", PortLibre());
    Programme prog(d);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    EXPECT_TRUE(prog.F().isVisible());
    EXPECT_TRUE(p.isVisible());
    EXPECT_TRUE(prog.dialogues.erreurs.empty());
    EXPECT_NE(p.LblErreurReseau->text().indexOf("ServiceProvider=7"), -1) << p.LblErreurReseau->text().toStdString();
    for (QWidget* w : {static_cast<QWidget*>(p.CmdCreerServeur), static_cast<QWidget*>(p.CmdRafraichirParties),
                       static_cast<QWidget*>(p.CmdConnecter), static_cast<QWidget*>(p.CmdEnvoyerMessage),
                       static_cast<QWidget*>(p.TxtNomJoueur)})
        EXPECT_FALSE(w->isEnabled());
    // Another provider can still be chosen, for the next start.
    EXPECT_TRUE(p.LstServices->isEnabled());
    QTest::mouseClick(p.LstServices->viewport(), Qt::LeftButton, Qt::NoModifier,
                      p.LstServices->visualItemRect(p.LstServices->item(0)).center());
    EXPECT_NE(d.d.Lire("Ini_Reseau.ini").find("ServiceProvider=1"), std::string::npos);
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamReseau, UneConnexionRateeLaisseLaFenetreSansSession) {
    Application a;
    const std::uint16_t port = PortLibre();
    Dossier d(false);
    Reseau(d, "1", "Seul", port);
    Programme prog(d);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    // A short wait for a host that does not answer keeps the test short.
    prog.p.Reseau->Limites.AttenteHoteMs = 500;
    // A host of its own, read by a timer of the window's loop while the
    // window waits for it.
    DossierTemporaire dh;
    dh.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomJoueur=Hote\nNomSession=Essai\nNombreJoueurs=4\n"
                                "Adresse=127.0.0.1\nPort=" + std::to_string(port) + "\n");
    DossierJeu jeuHote(dh.Chemin());
    ClsComReseau hote(jeuHote, FabriqueTransportENet());
    QTimer pompe;
    QObject::connect(&pompe, &QTimer::timeout, [&] { hote.Pomper(0); });
    pompe.start(1);
    auto lister = [&] {
        QTest::mouseClick(p.CmdRafraichirParties, Qt::LeftButton);
        ASSERT_EQ(Textes(p.LstParties), std::vector<std::string>{"Essai"});
    };
    struct Cas {
        const char* nom;
        std::function<void()> avant;
        std::string raison;  // the second line
    };
    const Cas cas[] = {
        {"rien de choisi", [] {}, "aucune session n'est choisie dans la liste"},
        // The host's own reason reaches the player.
        {"refusée par l'hôte",
         [&] {
             ASSERT_TRUE(hote.Session_Creer());
             hote.Reseau_EnJeu = true;
             lister();
         },
         "la partie a déjà commencé"},
        {"l'hôte ne répond plus",
         [&] {
             hote.Reseau_EnJeu = false;
             lister();
             hote.Session_Fermer();
         },
         "aucune réponse de 127.0.0.1:" + std::to_string(port) + " en 0,5 s"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        prog.dialogues.erreurs.clear();
        prog.dialogues.messages.clear();
        c.avant();
        QTest::mouseClick(p.CmdConnecter, Qt::LeftButton);
        // The critical icon, the failure on the first line, why on the second.
        ASSERT_EQ(prog.dialogues.erreurs.size(), 1u);
        EXPECT_EQ(prog.dialogues.erreurs[0], "Impossible d'établir la connexion\n" + c.raison);
        EXPECT_TRUE(prog.dialogues.messages.empty());
        EXPECT_FALSE(prog.p.Reseau->Reseau_Actif);
        EXPECT_EQ(p.LstJoueurs->count(), 0);
        EXPECT_TRUE(p.CmdCreerServeur->isEnabled());
        EXPECT_TRUE(p.CmdConnecter->isEnabled());
        EXPECT_FALSE(p.CmdDeconnecter->isEnabled());
        EXPECT_FALSE(p.CmdEnvoyerMessage->isEnabled());
    }
    prog.F().MenuPartieQuitter->trigger();
}
