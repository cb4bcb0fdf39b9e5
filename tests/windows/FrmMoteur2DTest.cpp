#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>

#include <filesystem>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "platform/qt/WidgetEcran.h"
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
    // Once the game runs: out of the castle, a click, then Escape.
    QTimer::singleShot(600, [&] {
        ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[0])];
        p.DansChateau = p.DansChateauCible = p.DansMaison = p.DansMaisonCible = false;
        p.Vie = std::max(p.Vie, 10.0);
        p.DestinationX = -12345;
        frm.Moteur().Joueurs[0].InterfaceUtilisee = false;
        envoyer(QEvent::MouseButtonPress, Qt::LeftButton);
    });
    QTimer::singleShot(800, [&] { envoyer(QEvent::MouseButtonRelease, Qt::LeftButton); });
    QTimer::singleShot(1100, [&] {
        destination = Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[0])].DestinationX;
        tours = frm.Moteur().CompteurTours;
        trames = frm.Moteur().CompteurTrames;
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QString(), false, 1);
        QApplication::sendEvent(zone, &e);
    });
    // A safety net: the game must not outlive this.
    QTimer::singleShot(8000, [&] { Main.FinPartie = true; });
    frm.MoteurJeu(choix);

    EXPECT_GT(tours, 0);
    EXPECT_GT(trames, 0);
    EXPECT_NE(destination, -12345) << "the click sent the character";
    // The window is closed and the world erased, the characters kept.
    EXPECT_TRUE(Main.Chateaux.empty());
    EXPECT_TRUE(Main.Fiefs.empty());
    EXPECT_FALSE(Main.Persos.empty());
    EXPECT_LT(frm.Moteur().CompteurTours, 150) << "Escape ended the game well before the safety net";
}
