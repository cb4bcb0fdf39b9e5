#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "platform/sdl/SonSDL.h"
#include "windows/FrmMoteur2D.h"

// A whole game through the real engine window under the offscreen
// platform: the world is built, ticks and frames run on the real clock,
// a click sends the player's character, and Escape ends the game.
TEST(FrmMoteur2D, UnePartieJoueeAuClicEtQuitteeParEchap) {
    int argc = 1;
    char nom[] = "tests";
    char* argv[] = {nom, nullptr};
    QApplication app(argc, argv);
    DossierJeu dossier{std::filesystem::path(MORVAINE_GAME_DIR)};
    ModMain Main(dossier);
    Main.Charger_Parametres();
    ClsJeu Jeu(dossier);
    ClsPerEcran ecran(dossier);
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur, CreerGlyphesQt());
    FrmMoteur2D frm(Main, Jeu, ecran, dd);

    SetupChoices choix;
    choix.LargeurCarte = choix.HauteurCarte = 40;
    choix.NombreRessources = 10;
    choix.Fiefs = {{0, 0, 3}, {1, 1, 3}};

    QWidget* zone = frm.Fenetre().Ecran();
    std::int32_t destination = -1, tours = 0, trames = 0;
    auto envoyer = [&](QEvent::Type type, Qt::MouseButton b) {
        const QPointF p(zone->width() / 2.0, zone->height() / 2.0);
        QMouseEvent e(type, p, zone->mapToGlobal(p), b, type == QEvent::MouseButtonRelease ? Qt::NoButton : b,
                      Qt::NoModifier);
        QApplication::sendEvent(zone, &e);
    };
    // Once the game runs (a few ticks seen): out of the castle, a press,
    // a release, then Escape; one step per poll of the script's timer.
    int etape = 0, tourEtape = 0;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        ClsMoteur& m = frm.Moteur();
        if (Main.FinPartie || m.CompteurTours < 3 || m.CompteurTours < tourEtape + 2) return;
        ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[0])];
        tourEtape = m.CompteurTours;
        switch (etape++) {
            case 0:
                p.DansChateau = p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
                p.Vie = std::max(p.Vie, 10.0);
                p.DestinationX = -12345;
                m.Joueurs[0].InterfaceUtilisee = false;
                m.Joueurs[0].SurInterface = false;
                envoyer(QEvent::MouseButtonPress, Qt::LeftButton);
                break;
            case 1:
                envoyer(QEvent::MouseButtonRelease, Qt::LeftButton);
                break;
            case 2: {
                destination = p.DestinationX;
                tours = m.CompteurTours;
                trames = m.CompteurTrames;
                QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
                QApplication::sendEvent(zone, &e);
                break;
            }
            default: break;
        }
    });
    script.start(20);
    // A safety net: the game must not outlive this.
    QTimer::singleShot(15000, [&] { Main.FinPartie = true; });
    frm.MoteurJeu(choix);

    EXPECT_GT(tours, 0);
    EXPECT_GT(trames, 0);
    EXPECT_NE(destination, -12345) << "the click sent the character";
    // The window is closed and the world erased, the characters kept.
    EXPECT_TRUE(Main.Chateaux.empty());
    EXPECT_TRUE(Main.Fiefs.empty());
    EXPECT_FALSE(Main.Persos.empty());
    EXPECT_EQ(etape, 3);
    EXPECT_LT(frm.Moteur().CompteurTours, tours + 20) << "Escape ended the game at once";
}

// Without a sound device the engine window says so once, in French, and
// nothing else reaches the error output.
TEST(FrmMoteur2D, SansPeripheriqueAudioUneSeuleLigneEnFrancais) {
    int argc = 1;
    char nom[] = "tests";
    char* argv[] = {nom, nullptr};
    QApplication app(argc, argv);
    DossierJeu dossier{std::filesystem::path(MORVAINE_GAME_DIR)};
    ModMain Main(dossier);
    Main.Charger_Parametres();
    ClsJeu Jeu(dossier);
    ClsPerEcran ecran(dossier);
    DecodeurImageQt decodeur;
    Graphique dd(dossier, decodeur, CreerGlyphesQt());
    const char* ancien = std::getenv("SDL_AUDIODRIVER");
    const std::string garde = ancien ? ancien : "";
    setenv("SDL_AUDIODRIVER", "pilote_qui_n_existe_pas", 1);
    testing::internal::CaptureStderr();
    { FrmMoteur2D frm(Main, Jeu, ecran, dd); }
    const std::string sortie = testing::internal::GetCapturedStderr();
    if (ancien) setenv("SDL_AUDIODRIVER", garde.c_str(), 1);
    else unsetenv("SDL_AUDIODRIVER");
    EXPECT_EQ(sortie, std::string(SonSDL::MessageSansSon) + "\n");
}
