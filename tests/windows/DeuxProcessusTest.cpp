// A network game between two real programs: two processes, each with its
// own game folder (the second found through MORVAINE_DIR, as a player
// would start it), driven through their setup windows on 127.0.0.1. The
// folders differ as two players' do: other heroes ticked, another hero
// played, a hero of the same name with other contents, a solo game played
// before. The test binary starts itself twice, once per role.
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "characters/ClsJeuPerso.h"
#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "network/ClsComReseau.h"
#include "platform/DossierJeu.h"
#include "platform/Texte.h"
#include "tests/network/Sessions.h"
#include "tests/windows/ProgrammeEssai.h"
#include "windows/FrmMoteur2D.h"

using namespace essai;
namespace fs = std::filesystem;

namespace {

constexpr const char* VarRole = "MORVAINE_ESSAI_ROLE";
constexpr const char* VarSortie = "MORVAINE_ESSAI_SORTIE";
constexpr const char* VarAutre = "MORVAINE_ESSAI_AUTRE";  // the other role's output, on the host
constexpr std::int32_t ToursJoues = 200;
// The host stalls for this long at turn 60: a busy machine, not a gone one.
constexpr std::int32_t TourArret = 60;
constexpr int ArretMs = 3000;

std::string Env(const char* nom) {
    const char* v = std::getenv(nom);
    return v ? v : "";
}

void Taper(QLineEdit* boite, const QString& texte) {
    boite->setFocus();
    boite->selectAll();
    QTest::keyClick(boite, Qt::Key_Backspace);
    QTest::keyClicks(boite, texte);
}

bool Contient(QListWidget* l, const std::string& texte) {
    for (const auto& t : Textes(l))
        if (t == texte) return true;
    return false;
}

// A hero file: the default one of `modele` with another team and race.
std::string Heros(const fs::path& dossier, const std::string& modele, int equipe, int race) {
    std::string t = *LireFichier(dossier / "Sauvegardes" / "Personnages" / (modele + ".per"));
    auto remplacer = [&](const std::string& cle, int v) {
        const auto d = t.find("\n" + cle + "=");
        const auto f = t.find('\n', d + 1);
        t.replace(d + 1, f - d - 1, cle + "=" + std::to_string(v));
    };
    remplacer("Equipe", equipe);
    remplacer("Race", race);
    return t;
}

// The list of heroes the setup window starts from: which are ticked and
// which is the current one (indices in name order).
void Coches(const Dossier& d, int nombre, const std::vector<int>& coches, int courant) {
    std::string t = d.d.Lire("Ini_Partie.ini");
    const auto debut = t.find("NombrePersonnages=");
    const auto fin = t.find('\n', t.find("DernierPersonnage=")) + 1;
    std::string bloc = "NombrePersonnages=" + std::to_string(nombre) + "\n";
    for (int i = 0; i < nombre; ++i)
        bloc += "Personnage" + std::to_string(i) + "=" +
                (std::find(coches.begin(), coches.end(), i) != coches.end() ? "1" : "0") + "\n";
    bloc += "DernierPersonnage=" + std::to_string(courant) + "\n";
    t.replace(debut, fin - debut, bloc);
    d.d.Ecrire("Ini_Partie.ini", t);
}

void Reseau(const Dossier& d, const std::string& nom, std::uint16_t port) {
    d.d.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomJoueur=" + nom +
                                     "\nNomSession=Essai\nNombreJoueurs=2\nNombreJoueursMin=2\nNombreJoueursMax=8\n"
                                     "Adresse=127.0.0.1\nPort=" +
                                     std::to_string(port) + "\n");
}

// What one program reports: "cle valeur..." lines.
std::map<std::string, std::string> Lire_Rapport(const fs::path& f) {
    std::map<std::string, std::string> r;
    std::ifstream in(f);
    std::string ligne;
    while (std::getline(in, ligne)) {
        const auto esp = ligne.find(' ');
        r[ligne.substr(0, esp)] = esp == std::string::npos ? "" : ligne.substr(esp + 1);
    }
    return r;
}

// The program as main starts it, in the folder MORVAINE_DIR names.
struct ProgrammeJoueur {
    ProgrammeJoueur() : p(DossierJeu::Trouver(), &dialogues, &lanceur) {}
    MDIFrmMain& F() { return *p.FenetrePrincipale; }
    FrmParam& P() { return *p.FenetrePrincipale->Param(); }
    FauxDialogues dialogues;
    FauxLanceur lanceur;
    Demarrage p;
};

// A solo game of a few hundred frames, as the player played before
// joining: it leaves its heroes saved and its last player's character.
void Partie_Solo(ProgrammeJoueur& prog) {
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* m = prog.F().Partie();
        if (m && m->Moteur().PartieLancee && m->Moteur().TempsActuel > 2.0) prog.p.Jeu_Monde->FinPartie = true;
    });
    veille.start(5);
    QTimer::singleShot(60000, [&] { prog.p.Jeu_Monde->FinPartie = true; });
    prog.P().TabStripMonde->setCurrentIndex(0);
    QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton);
    veille.stop();
    // The setup window comes back once the game's event has returned.
    QTest::qWait(50);
}

// The other player types the address, lists the sessions there until the
// host's shows (the host may still be playing its solo game), picks it and
// joins. True once the join was tried.
bool Rejoindre(FrmParam& P) {
    Taper(P.TxtAdresse, "127.0.0.1");
    const bool liste = QTest::qWaitFor(
        [&] {
            QTest::mouseClick(P.CmdRafraichirParties, Qt::LeftButton);
            return Textes(P.LstParties) == std::vector<std::string>{"Essai"};
        },
        60000);
    if (!liste) return false;
    QTest::mouseClick(P.LstParties->viewport(), Qt::LeftButton, Qt::NoModifier,
                      P.LstParties->visualItemRect(P.LstParties->item(0)).center());
    QTest::mouseClick(P.CmdConnecter, Qt::LeftButton);
    return true;
}

// Plays the network game once it runs: the fingerprints of every tenth
// turn, the host stalled once, until both have played ToursJoues turns.
struct Suivi {
    ProgrammeJoueur& prog;
    bool hote;
    std::ostringstream rapport;
    std::int32_t dernier = -1;
    bool fini = false, arrete = false;
    QTimer veille;

    Suivi(ProgrammeJoueur& p, bool h) : prog(p), hote(h) {
        QObject::connect(&veille, &QTimer::timeout, [this] { Observer(); });
        veille.start(1);
    }

    void Observer() {
        FrmMoteur2D* m = prog.F().Partie();
        if (fini || !m || !m->Moteur().PartieLancee) return;
        ModMain& M = *prog.p.Jeu_Monde;
        const std::int32_t t = prog.p.Reseau->TourCourant();
        if (t == dernier) return;
        dernier = t;
        if (t == 0) {
            rapport << "joueur " << M.NoPersoJoueur << "\n";
            for (std::size_t i = 0; i < M.Persos.size(); ++i)
                if (M.Persos[i].PersoFichier > 0) rapport << "heros_" << M.Persos[i].Nom << " " << i << "\n";
        }
        if (t % 10 == 0) {
            rapport << "tour" << t;
            for (std::uint64_t h : Hacher_Parties(M)) rapport << " " << h;
            rapport << "\n";
        }
        if (t == 100) Photographier(m->Fenetre(), hote ? "jeu-hote.png" : "jeu-client.png");
        if (hote && t == TourArret && !arrete) {
            // The host's loop stops dead: no packet read or sent.
            arrete = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(ArretMs));
        }
        if (t < ToursJoues) return;
        // The host leaves last, once the other has its turns: a host gone
        // first would end the other's game before its last turn.
        if (hote && !fs::exists(Env(VarAutre))) return;
        fini = true;
        M.FinPartie = true;
    }
};

void Ecrire_Rapport(const std::string& texte) {
    std::ofstream(Env(VarSortie)) << texte;
}

// Starts the two programs, each in its folder, and waits for both.
void Jouer(const Dossier& dh, const Dossier& dc, const char* roleHote, const char* roleClient, const fs::path& rh,
           const fs::path& rc) {
    auto lancer = [&](QProcess& p, const Dossier& d, const char* role, const fs::path& sortie) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MORVAINE_DIR", QString::fromStdString(d.d.Chemin().string()));
        env.insert(VarRole, role);
        env.insert(VarSortie, QString::fromStdString(sortie.string()));
        env.insert(VarAutre, QString::fromStdString(rc.string()));
        p.setProcessEnvironment(env);
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(QString::fromStdString(fs::read_symlink("/proc/self/exe").string()),
                {"--gtest_filter=DeuxProcessus.Programme"});
        ASSERT_TRUE(p.waitForStarted(20000));
    };
    QProcess hote, client;
    lancer(hote, dh, roleHote, rh);
    lancer(client, dc, roleClient, rc);
    EXPECT_TRUE(client.waitForFinished(400000));
    EXPECT_TRUE(hote.waitForFinished(60000));
    EXPECT_EQ(client.exitCode(), 0);
    EXPECT_EQ(hote.exitCode(), 0);
}

}  // namespace

// One of the two programs; run only as a child of the test below.
TEST(DeuxProcessus, Programme) {
    const std::string role = Env(VarRole);
    if (role.empty()) GTEST_SKIP() << "lancé par DeuxProcessus.DeuxProgrammesJouentAuPas";
    const bool hote = role == "hote" || role == "hote_seul";
    // The other's data differ: it is told at its join, and nothing starts.
    const bool refus = role == "hote_seul" || role == "client_refuse";
    Application a;
    ProgrammeJoueur prog;
    ASSERT_TRUE(prog.p.Main());
    const fs::path racine = DossierJeu::Trouver();

    if (!refus) Partie_Solo(prog);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prog.F().Param() && prog.F().Param()->isVisible(); }, 20000));
    FrmParam& P = prog.P();
    P.TabStripMonde->setCurrentIndex(0);
    std::ostringstream rapport;
    const SetupChoices avant = P.Choix();
    rapport << "nom " << avant.NomJoueur << "\n";

    if (hote && refus) {
        QTest::mouseClick(P.CmdCreerServeur, Qt::LeftButton);
        ASSERT_TRUE(prog.p.Reseau->Reseau_Serveur) << prog.p.Reseau->DerniereErreur;
        // Until the other has tried and given up.
        EXPECT_TRUE(QTest::qWaitFor([&] { return fs::exists(Env(VarAutre)); }, 120000));
        QTest::qWait(200);
        rapport << "joueurs " << Textes(P.LstJoueurs).size() << "\n";
        rapport << "partie " << (prog.F().Partie() != nullptr || prog.p.Reseau->Reseau_EnJeu) << "\n";
    } else if (refus) {
        ASSERT_TRUE(Rejoindre(P));
        rapport << "client " << prog.p.Reseau->Reseau_Client << "\n";
        for (const std::string& m : prog.dialogues.erreurs) {
            std::string ligne = m;
            std::replace(ligne.begin(), ligne.end(), '\n', ' ');
            rapport << "refus " << ligne << "\n";
        }
        prog.dialogues.erreurs.clear();
        rapport << "partie " << (prog.F().Partie() != nullptr || prog.p.Reseau->Reseau_EnJeu) << "\n";
        Photographier(prog.F(), "deux-programmes-refus.png");
    } else if (hote) {
        P.SliderNombreJoueurs->setValue(2);
        QTest::mouseClick(P.CmdCreerServeur, Qt::LeftButton);
        ASSERT_TRUE(prog.p.Reseau->Reseau_Serveur) << prog.p.Reseau->DerniereErreur;
        const std::vector<std::string> joueurs{"Hote", "Client"};
        ASSERT_TRUE(QTest::qWaitFor([&] { return Textes(P.LstJoueurs) == joueurs; }, 60000));
        Taper(P.TxtMessage, "Bonjour");
        QTest::mouseClick(P.CmdEnvoyerMessage, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Contient(P.LstMessages, "<Client> Pret"); }, 30000));
        Photographier(prog.F(), "deux-programmes-hote.png");
        Suivi suivi(prog, true);
        QTest::mouseClick(P.CmdCommencer, Qt::LeftButton);
        rapport << suivi.rapport.str();
        if (suivi.arrete) rapport << "arret " << ArretMs << "\n";
    } else {
        ASSERT_TRUE(Rejoindre(P));
        ASSERT_TRUE(prog.p.Reseau->Reseau_Client) << prog.p.Reseau->DerniereErreur;
        ASSERT_TRUE(QTest::qWaitFor([&] { return Contient(P.LstMessages, "<Hote> Bonjour"); }, 30000));
        Taper(P.TxtMessage, "Pret");
        QTest::keyClick(P.TxtMessage, Qt::Key_Return);
        Photographier(prog.F(), "deux-programmes-client.png");
        Suivi suivi(prog, false);
        EXPECT_TRUE(QTest::qWaitFor([&] { return suivi.fini; }, 120000)) << "tour " << suivi.dernier;
        rapport << suivi.rapport.str();
        // The host's heroes were this game's: the client's own file of the
        // same name is as it was.
        rapport << "gauvain_client " << (*LireFichier(racine / "Sauvegardes" / "Personnages" / "Gauvain.per") ==
                                         Heros(racine, "Elowen", 0, 0))
                << "\n";
    }
    for (const std::string& m : prog.p.Jeu_Monde->MessagesPartie) rapport << "message " << m << "\n";
    for (const std::string& m : prog.dialogues.erreurs) rapport << "message " << m << "\n";
    Ecrire_Rapport(rapport.str());
    prog.F().MenuPartieQuitter->trigger();
}

TEST(DeuxProcessus, DeuxProgrammesJouentAuPas) {
    if (!Env(VarRole).empty()) GTEST_SKIP();
    const std::uint16_t port = PortLibre();
    Dossier dh(true), dc(true);
    Reseau(dh, "Hote", port);
    Reseau(dc, "Client", port);
    // Heroes in name order: Aldric (team 0), Brunhilde (0), Elowen (1),
    // Gauvain, and on the client Isaure. The host plays Gauvain, of the
    // third team, with Aldric and Elowen ticked; the client plays Isaure
    // with Brunhilde, and its own Gauvain is someone else.
    dh.d.Ecrire("Sauvegardes/Personnages/Gauvain.per", Heros(dh.d.Chemin(), "Elowen", 2, 1));
    dc.d.Ecrire("Sauvegardes/Personnages/Gauvain.per", Heros(dc.d.Chemin(), "Elowen", 0, 0));
    dc.d.Ecrire("Sauvegardes/Personnages/Isaure.per", Heros(dc.d.Chemin(), "Brunhilde", 1, 0));
    Coches(dh, 4, {0, 2, 3}, 3);
    Coches(dc, 5, {1, 4}, 4);

    DossierTemporaire sorties;
    const fs::path rh = sorties.Chemin() / "hote.txt", rc = sorties.Chemin() / "client.txt";
    Jouer(dh, dc, "hote", "client", rh, rc);
    auto h = Lire_Rapport(rh), c = Lire_Rapport(rc);
    // The two setups really differ, and the host's hero is not among the
    // session's first characters.
    EXPECT_EQ(h["nom"], "Gauvain");
    EXPECT_EQ(c["nom"], "Isaure");
    ASSERT_FALSE(h["heros_Gauvain"].empty());
    EXPECT_GE(std::stoi(h["heros_Gauvain"]), 2);
    EXPECT_EQ(c["heros_Gauvain"], h["heros_Gauvain"]);
    EXPECT_EQ(c["heros_Aldric"], h["heros_Aldric"]);
    EXPECT_TRUE(c["heros_Isaure"].empty());
    EXPECT_EQ(h["joueur"], "0");
    EXPECT_EQ(c["joueur"], "1");
    EXPECT_EQ(h["arret"], std::to_string(ArretMs));
    EXPECT_EQ(c["gauvain_client"], "1");
    // In step: every tenth turn's fingerprints alike on both.
    for (std::int32_t t = 0; t <= ToursJoues; t += 10) {
        const std::string cle = "tour" + std::to_string(t);
        EXPECT_FALSE(h[cle].empty()) << cle;
        EXPECT_EQ(h[cle], c[cle]) << cle;
    }
    for (const auto& [cle, v] : h) EXPECT_NE(cle, "message") << "hôte : " << v;
    for (const auto& [cle, v] : c) EXPECT_NE(cle, "message") << "client : " << v;
    if (HasFailure())
        std::cout << "--- hôte\n" << sorties.Lire("hote.txt") << "--- client\n" << sorties.Lire("client.txt");
}

TEST(DeuxProcessus, DesDonneesDifferentesSontNommeesEtRienNeCommence) {
    if (!Env(VarRole).empty()) GTEST_SKIP();
    const std::uint16_t port = PortLibre();
    Dossier dh(false), dc(false);
    Reseau(dh, "Hote", port);
    Reseau(dc, "Client", port);
    std::string ia = dc.d.Lire("IAs/Soldat.ia");
    dc.d.Ecrire("IAs/Soldat.ia", ia + "\n");
    DossierTemporaire sorties;
    const fs::path rh = sorties.Chemin() / "hote.txt", rc = sorties.Chemin() / "client.txt";
    Jouer(dh, dc, "hote_seul", "client_refuse", rh, rc);
    auto h = Lire_Rapport(rh), c = Lire_Rapport(rc);
    EXPECT_EQ(c["client"], "0");
    EXPECT_NE(c["refus"].find("Impossible d'établir la connexion"), std::string::npos) << c["refus"];
    EXPECT_NE(c["refus"].find("Le fichier « IAs/Soldat.ia » diffère de celui de l'hôte"), std::string::npos)
        << c["refus"];
    EXPECT_EQ(c["partie"], "0");
    EXPECT_EQ(h["partie"], "0");
    EXPECT_EQ(h["joueurs"], "1");
    if (HasFailure())
        std::cout << "--- hôte\n" << sorties.Lire("hote.txt") << "--- client\n" << sorties.Lire("client.txt");
}
