// Games played through the real engine window and Qt's event loop, as a
// player plays them: every click and key is a QTest event on the drawing
// area, the game runs on the real clock, and nothing is called on the
// game's classes to act. One player builds a house from a build button and
// the map, buys one unit at the castle, closes a window by its close box,
// opens one by its key, photographs the map and zooms; two players sharing
// the keyboard each move their own character; a click the interface takes
// (a close box, an information button) never walks the character.
//
// Runs under the offscreen platform in the suite, and by hand under Xvfb
// (xvfb-run -s "-screen 0 1280x1024x24 -noreset", QT_QPA_PLATFORM=xcb),
// where MORVAINE_SESSION_IMAGES=<a scratch folder> also saves what the X
// screen shows after each step.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ModesCurseur.h"
#include "tests/windows/FenetreJeuEssai.h"
#include "world/ModEmplacement.h"

namespace fs = std::filesystem;

namespace {

// One game in the real window, driven by a list of steps. A step runs
// once at least two frames have been drawn since the previous one (so
// that what the last click did is on the screen), and returns true when it
// is done; a step that stays undone for ten seconds fails the session.
class Session : public essai::FenetreJeu {
public:
    explicit Session(int joueurs) {
        choix.LargeurCarte = choix.HauteurCarte = 40;
        choix.NombreRessources = 10;
        choix.Fiefs = {{0, 0, 3}, {1, 1, 3}};
        choix.NombreJoueursLocaux = joueurs;
        if (const char* dossierImages = std::getenv("MORVAINE_SESSION_IMAGES")) images = dossierImages;
    }

    void Etape(std::string nom, std::function<bool()> f) { etapes.push_back({std::move(nom), std::move(f)}); }

    // Plays the game until the steps are done (the last one ends it).
    void Jouer() {
        QTimer script;
        QObject::connect(&script, &QTimer::timeout, [&] { Suivante(); });
        script.start(10);
        QTimer::singleShot(60000, [&] {
            if (echec.empty()) echec = "la session n'a pas fini";
            Main->FinPartie = true;
        });
        frm->MoteurJeu(choix);
    }

    ClsJeuPerso& Perso(int joueur) {
        return Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[static_cast<std::size_t>(joueur)])];
    }

    // The pointer goes to (x, y) of the back buffer.
    void Bouger(int x, int y) {
        const QPointF p(x, y);
        QMouseEvent e(QEvent::MouseMove, p, Zone()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(Zone(), &e);
    }
    void Cliquer(int x, int y, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(Zone(), b, Qt::NoModifier, QPoint(x, y));
    }
    void Touche(Qt::Key cle, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(Zone(), cle, m); }

    SetupChoices choix;
    std::string echec;
    std::vector<std::string> faites;

private:
    void Suivante() {
        if (Main->FinPartie || n >= etapes.size()) return;
        ClsMoteur& m = M();
        if (m.CompteurTours < 2 || m.CompteurTrames < trame + 2) return;
        if (debut < 0) debut = m.TempsActuel;
        if (etapes[n].second()) {
            Photographier(etapes[n].first);
            faites.push_back(etapes[n].first);
            ++n;
            debut = -1;
        } else if (m.TempsActuel - debut > 10.0) {
            echec = "étape « " + etapes[n].first + " »";
            Photographier("echec");
            Main->FinPartie = true;
        }
        trame = m.CompteurTrames;
    }
    // By hand under Xvfb: what the X screen shows after each step.
    void Photographier(const std::string& nom) {
        if (images.empty() || !QGuiApplication::primaryScreen()) return;
        fs::create_directories(images);
        const std::string fichier =
            (fs::path(images) / (std::to_string(choix.NombreJoueursLocaux) + "j-" + std::to_string(faites.size()) + "-" + nom + ".png"))
                .string();
        QGuiApplication::primaryScreen()->grabWindow(0).save(QString::fromStdString(fichier));
    }

    std::vector<std::pair<std::string, std::function<bool()>>> etapes;
    std::size_t n = 0;
    std::int32_t trame = 0;
    double debut = -1;
    std::string images;
};

struct Application {
    int argc = 1;
    char nom[8] = "tests";
    char* argv[2] = {nom, nullptr};
    QApplication app{argc, argv};
};

}  // namespace

TEST(SessionFenetre, UnJoueurConstruitAcheteFermeCaptureEtZoome) {
    Application a;
    Session s(1);
    ClsMoteur& m = s.M();
    const ClsJeuParam& P = s.Main->Parametres;
    std::int16_t bouton = -1;
    std::int32_t r = -1;
    double argent = 0, stockFief = 0;

    s.Etape("début", [&] {
        EXPECT_EQ(s.Zone()->size(), QSize(800, 600));
        ClsJeuPerso& p = s.Perso(0);
        p.DansChateau = p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
        p.Arreter();
        // Enough of everything to build any house.
        for (std::int32_t k = 0; k < P.NombreRessources; ++k) p.Definir_Ressources(k, p.Definir_MaxRessources(k));
        s.Interface(0).Fermer_Toutes_les_fenetres();
        // The pointer is where the game's cursor starts: the middle.
        s.Bouger(400, 300);
        return true;
    });
    s.Etape("survol du bouton de construction", [&] {
        const auto& boutons = s.Interface(0).BoutonsConstruire();
        for (std::size_t i = 1; i < boutons.size() && bouton < 0; ++i)
            if (boutons[i].Visible && boutons[i].Actif) bouton = static_cast<std::int16_t>(i);
        if (bouton < 0) return false;
        s.Bouger(boutons[static_cast<std::size_t>(bouton)].PositionX + 4, boutons[static_cast<std::size_t>(bouton)].PositionY + 4);
        return true;
    });
    s.Etape("clic sur le bouton de construction", [&] {
        const ClsIntBouton& b = s.Interface(0).BoutonsConstruire()[static_cast<std::size_t>(bouton)];
        if (!m.Joueurs[0].SurInterface) return false;
        s.Cliquer(b.PositionX + 4, b.PositionY + 4);
        return true;
    });
    s.Etape("mode de placement", [&] {
        return (m.Joueurs[0].ModeCurseur == ModesCurseur::MaisonLibre ||
                m.Joueurs[0].ModeCurseur == ModesCurseur::MaisonOccupee) &&
               m.Joueurs[0].BoutonConstruction == bouton;
    });
    // The pointer walks over the map until the placement ghost says the
    // house can stand there (and the cursor is not on the interface).
    int essai = 0;
    s.Etape("place libre", [&] {
        if (essai > 0 && m.Joueurs[0].ModeCurseur == ModesCurseur::MaisonLibre && !m.Joueurs[0].SurInterface) return true;
        const int x = 250 + 40 * (essai % 8), y = 180 + 40 * ((essai / 8) % 6);
        ++essai;
        s.Bouger(x, y);
        return false;
    });
    s.Etape("clic sur la carte", [&] {
        s.Cliquer(static_cast<int>(m.Joueurs[0].SourisX), static_cast<int>(m.Joueurs[0].SourisY));
        return true;
    });
    s.Etape("la maison s'élève", [&] {
        const ClsJeuBatiment& maison = s.Main->Maisons[static_cast<std::size_t>(s.Main->NoPersoParJoueur[0])];
        return maison.Visible() && maison.TypeBatiment == bouton - 1 && m.Joueurs[0].ModeCurseur != ModesCurseur::MaisonLibre;
    });
    s.Etape("dans le château", [&] {
        ClsJeuPerso& p = s.Perso(0);
        ClsJeuFief& f = s.Main->Fiefs[static_cast<std::size_t>(p.Equipe)];
        const ClsIntFenetre& fenetre = s.Interface(0).Fenetres()[0];
        for (std::int32_t k = fenetre.PremiereLigne; k < P.NombreRessources && r < 0; ++k)
            if (P.Ressources_PrixVente(k) > 0) r = k;
        if (r < 0) return false;
        p.Arreter();
        p.DansChateau = true;
        p.Definir_Ressources(r, 0);
        p.Definir_Argent(1000);
        f.Definir_Ressources(r, 10);
        if (!s.Interface(0).Fenetres_Visible(0)) s.Interface(0).Actionner_Boutons_Infos(0);
        return true;
    });
    s.Etape("clic sur « 1 »", [&] {
        const ClsIntFenetre& fenetre = s.Interface(0).Fenetres()[0];
        const ClsIntBouton& b = fenetre.BoutonsCommerce[static_cast<std::size_t>(3 * r)];
        if (!b.Visible || !s.Perso(0).DansChateau) return false;
        argent = s.Perso(0).Definir_Argent();
        stockFief = s.Main->Fiefs[static_cast<std::size_t>(s.Perso(0).Equipe)].Definir_Ressources(r);
        s.Cliquer(fenetre.PositionX + b.PositionX + 3, fenetre.PositionY + b.PositionY + 3);
        return true;
    });
    s.Etape("un achat", [&] {
        const ClsJeuPerso& p = s.Perso(0);
        // The fief's stock also grows by its own production meanwhile.
        return p.Definir_Ressources(r) == 1 && p.Definir_Argent() < argent &&
               s.Main->Fiefs[static_cast<std::size_t>(p.Equipe)].Definir_Ressources(r) < stockFief;
    });
    s.Etape("case de fermeture", [&] {
        const ClsIntFenetre& f = s.Interface(0).Fenetres()[0];
        s.Cliquer(f.BoutonFermer_PositionX() + 2, f.BoutonFermer_PositionY() + 2);
        return true;
    });
    s.Etape("fenêtre fermée", [&] { return !s.Interface(0).Fenetres_Visible(0); });
    s.Etape("touche de l'inventaire", [&] {
        s.Touche(Qt::Key_I);
        return true;
    });
    s.Etape("inventaire ouvert", [&] { return s.Interface(0).Fenetres_Visible(4); });
    // The pointer over the first bag slot (it holds an item), then "5":
    // the item takes shortcut 5 (the key code of "5" less one).
    std::int16_t objet = -1;
    s.Etape("survol d'un objet", [&] {
        const ClsIntFenetre& f = s.Interface(0).Fenetres()[4];
        if (!s.Perso(0).Objet_Inventaire_Actif(0) || f.BoutonsObjets.empty()) return false;
        objet = s.Perso(0).Objet_Inventaire_Type(0);
        s.Bouger(f.PositionX + f.BoutonsObjets[0].PositionX + 5, f.PositionY + f.BoutonsObjets[0].PositionY + 5);
        return true;
    });
    s.Etape("touche 5 sur l'objet", [&] {
        if (!s.Interface(0).SourisSurObjet) return false;
        s.Touche(Qt::Key_5);
        return true;
    });
    s.Etape("raccourci 5", [&] { return s.Interface(0).Touches_Raccourci_Objets(objet) == 5; });
    s.Etape("touche de capture", [&] {
        s.Touche(Qt::Key_Print);
        return true;
    });
    s.Etape("capture écrite", [&] { return fs::exists(s.d.Chemin() / "Capture000.bmp"); });
    s.Etape("zoom avant", [&] {
        s.Touche(Qt::Key_Plus, Qt::KeypadModifier);
        return true;
    });
    s.Etape("zoom à 1,5", [&] { return m.Zoom == 1.5; });
    s.Etape("zoom arrière", [&] {
        s.Touche(Qt::Key_Minus, Qt::KeypadModifier);
        return true;
    });
    s.Etape("zoom à 1", [&] { return m.Zoom == 1.0; });
    // The pause key, then the game menu's second button ends the game.
    s.Etape("touche de pause", [&] {
        s.Touche(Qt::Key_P);
        return true;
    });
    s.Etape("en pause", [&] { return s.Jeu->Pause; });
    s.Etape("clic sur le bouton de fin du menu", [&] {
        const auto& menu = s.Interface(0).BoutonsMenu();
        if (menu.size() < 2 || !menu[1].Visible) return false;
        s.Cliquer(menu[1].PositionX + 4, menu[1].PositionY + 4);
        return true;
    });
    s.Jouer();

    EXPECT_EQ(s.echec, "") << "après : " << (s.faites.empty() ? "" : s.faites.back());
    EXPECT_TRUE(s.Main->FinPartie);
    ASSERT_FALSE(s.faites.empty());
    EXPECT_EQ(s.faites.back(), "clic sur le bouton de fin du menu") << "the game ended by the menu, not before";
}

// Two players on one keyboard: each player's keys (Ini_Touches_J1 and
// Ini_Touches_J2) order that player's character only; Alt + F4 ends the
// program.
TEST(SessionFenetre, DeuxJoueursChacunSesTouches) {
    Application a;
    Session s(2);
    std::int32_t x0 = 0, x1 = 0;
    s.Etape("début", [&] {
        // Both out of their castles, a few steps away from them.
        for (int j : {0, 1}) {
            ClsJeuPerso& p = s.Perso(j);
            p.DansChateau = p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
            const std::int32_t largeur = s.Main->Monde.LargeurCarte * s.Main->Monde.LargeurCase;
            p.PositionX = p.PositionX + 160 < largeur - p.Largeur ? p.PositionX + 160 : p.PositionX - 160;
            p.Arreter();
        }
        return s.Main->NoPersoParJoueur[0] != s.Main->NoPersoParJoueur[1];
    });
    s.Etape("Y : le joueur 1 rentre au château", [&] {
        s.Touche(Qt::Key_Y);
        return true;
    });
    s.Etape("le premier seulement", [&] {
        return (s.Perso(0).Action == Actions::RetournerChateau || s.Perso(0).DansChateau) && s.Perso(1).Action != Actions::RetournerChateau &&
               !s.Perso(1).DansChateau;
    });
    s.Etape("Origine : le joueur 2 rentre au château", [&] {
        s.Touche(Qt::Key_Home);
        return true;
    });
    s.Etape("le second aussi", [&] { return s.Perso(1).Action == Actions::RetournerChateau || s.Perso(1).DansChateau; });
    s.Etape("flèche gauche : le joueur 2 fait un pas", [&] {
        for (int j : {0, 1}) {
            ClsJeuPerso& p = s.Perso(j);
            p.DansChateau = p.DansChateauCible = false;
            p.Arreter();
        }
        x1 = s.Perso(1).PositionX - s.Perso(1).LongueurPas;
        x0 = s.Perso(0).DestinationX;
        s.Touche(Qt::Key_Left);
        return true;
    });
    // The step may already be walked: the destination tells the order.
    s.Etape("le pas du second", [&] { return s.Perso(1).DestinationX == x1 && s.Perso(0).DestinationX == x0; });
    // F4 is the first player's fourth deposit key: with Alt it ends the
    // game and the program all the same.
    s.Etape("Alt + F4", [&] {
        s.Touche(Qt::Key_F4, Qt::AltModifier);
        return true;
    });
    s.Jouer();
    EXPECT_EQ(s.echec, "") << "après : " << (s.faites.empty() ? "" : s.faites.back());
    ASSERT_FALSE(s.faites.empty());
    EXPECT_EQ(s.faites.back(), "Alt + F4");
    EXPECT_TRUE(s.frm->Quitter_Programme());
}

// A click the interface takes never reaches the map, however the press and
// the release fall between frames: the player presses on a window's close
// box (the window closes at once, so the release lands over the map), or
// clicks an information button; the character stays where it stood. The
// same click on open ground then does walk it there.
TEST(SessionFenetre, UnClicPrisParLInterfaceNAtteintPasLaCarte) {
    struct Cas {
        const char* nom;
        // The point of the interface to click, once the game is under way.
        std::function<QPoint(essai::FenetreJeu&)> point;
        // Frames drawn between the press and the release.
        int trames;
    };
    const auto caseFermeture = [](essai::FenetreJeu& s) {
        const ClsIntFenetre& f = s.Interface(0).Fenetres()[4];
        return QPoint(f.BoutonFermer_PositionX() + 2, f.BoutonFermer_PositionY() + 2);
    };
    const auto boutonInfos = [](essai::FenetreJeu& s) {
        const ClsIntBouton& b = s.Interface(0).BoutonsInfos()[4];
        return QPoint(b.PositionX + 3, b.PositionY + 3);
    };
    const std::vector<Cas> cas = {
        {"case de fermeture, appui et relâche d'une traite", caseFermeture, 0},
        {"case de fermeture, relâche quelques trames après", caseFermeture, 4},
        {"bouton d'information", boutonInfos, 4},
    };
    Application a;
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Session s(1);
        ClsMoteur& m = s.M();
        QPoint ici;
        std::int32_t dx = 0, dy = 0, trame = 0;
        s.Etape("début", [&] {
            ClsJeuPerso& p = s.Perso(0);
            p.DansChateau = p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
            p.Arreter();
            s.Interface(0).Fermer_Toutes_les_fenetres();
            s.Interface(0).Actionner_Boutons_Infos(4);
            // The pointer is where the game's cursor starts: the middle.
            s.Bouger(400, 300);
            return true;
        });
        s.Etape("survol", [&] {
            if (!s.Interface(0).Fenetres_Visible(4)) return false;
            ici = c.point(s);
            s.Bouger(ici.x(), ici.y());
            return true;
        });
        s.Etape("appui", [&] {
            if (!m.Joueurs[0].SurInterface) return false;
            dx = s.Perso(0).DestinationX;
            dy = s.Perso(0).DestinationY;
            QTest::mousePress(s.Zone(), Qt::LeftButton, Qt::NoModifier, ici);
            trame = m.CompteurTrames;
            if (c.trames == 0) QTest::mouseRelease(s.Zone(), Qt::LeftButton, Qt::NoModifier, ici);
            return true;
        });
        s.Etape("relâche", [&] {
            if (m.CompteurTrames < trame + c.trames) return false;
            if (c.trames > 0) QTest::mouseRelease(s.Zone(), Qt::LeftButton, Qt::NoModifier, ici);
            trame = m.CompteurTrames;
            return true;
        });
        s.Etape("la fenêtre est fermée, le personnage n'a pas bougé", [&] {
            if (m.CompteurTrames < trame + 4 || m.Entrees_Attendent_Passe()) return false;
            EXPECT_FALSE(s.Interface(0).Fenetres_Visible(4));
            EXPECT_EQ(s.Perso(0).DestinationX, dx);
            EXPECT_EQ(s.Perso(0).DestinationY, dy);
            return true;
        });
        // Over open ground now (the window is closed), the same click walks.
        s.Etape("le même clic sur la carte", [&] {
            if (m.Joueurs[0].SurInterface) return true;  // the point is the interface's: no walk to expect
            QTest::mouseClick(s.Zone(), Qt::LeftButton, Qt::NoModifier, ici);
            return true;
        });
        s.Etape("le personnage part", [&] {
            return m.Joueurs[0].SurInterface || s.Perso(0).DestinationX != dx || s.Perso(0).DestinationY != dy;
        });
        s.Etape("fin", [&] {
            s.Main->FinPartie = true;
            return true;
        });
        s.Jouer();
        EXPECT_EQ(s.echec, "") << "après : " << (s.faites.empty() ? "" : s.faites.back());
    }
}
