// What the whole program tells the player, and leaves behind, around a
// game, through Qt's event loop and the real windows: a screen that could
// not be set up as asked, an AI script that could not be loaded, the
// clipboard after a save (it holds the saved world's preview: the screen),
// and a game window that is all on the screen.
//
// Runs under the offscreen platform in the suite (an 800 x 600 screen),
// and by hand under Xvfb (xvfb-run -s "-screen 0 1280x1024x24",
// QT_QPA_PLATFORM=xcb), where MORVAINE_SESSION_IMAGES=<a scratch folder>
// also saves what the screen shows during the 1280 x 1024 game.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QScreen>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "display/ClsPerEcran.h"
#include "engine/ModMain.h"
#include "platform/qt/WidgetEcran.h"
#include "tests/windows/ProgrammeEssai.h"
#include "windows/Demarrage.h"
#include "windows/FrmMoteur2D.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace fs = std::filesystem;

namespace {

using essai::Application;
using essai::Dossier;
using essai::Programme;

// Starts a game with the start button and calls Pendant at each poll while
// it runs (from its second frame on) until Pendant returns true; the game
// then ends. False when the game never ran that far.
bool Jouer(Programme& prog, const std::function<bool(FrmMoteur2D&)>& Pendant) {
    bool fini = false;
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* partie = prog.F().Partie();
        if (!partie || fini || partie->Moteur().CompteurTrames < 2) return;
        if (Pendant(*partie)) {
            fini = true;
            prog.p.Jeu_Monde->FinPartie = true;
        }
    });
    veille.start(5);
    QTimer::singleShot(60000, [&] { prog.p.Jeu_Monde->FinPartie = true; });
    const int avant = prog.F().NombreParties();
    QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton);
    veille.stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return prog.F().NombreParties() == avant + 1; }, 10000));
    return fini;
}

}  // namespace

// Without the background picture of the chosen resolution the player is
// told before the game starts, with the file's name, and the game runs.
TEST(PartieProgramme, FondDEcranManquantSignaleEtLaPartieTourne) {
    Application a;
    Dossier dossier(true);
    fs::remove(dossier.d.Chemin() / "Images" / "Fond800.bmp");
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    ASSERT_TRUE(prog.dialogues.erreurs.empty());
    EXPECT_TRUE(Jouer(prog, [](FrmMoteur2D&) { return true; })) << "la partie n'a pas tourné";
    ASSERT_EQ(prog.dialogues.erreurs.size(), 1u);
    const std::string& m = prog.dialogues.erreurs[0];
    EXPECT_EQ(m.rfind(ClsPerEcran::MessageErreurInit, 0), 0u) << m;
    EXPECT_NE(m.find("Fond800.bmp"), std::string::npos) << m;
    prog.F().MenuPartieQuitter->trigger();
}

// A script that cannot be loaded at start-up is told in one box naming the
// file and its fault; the program starts without it.
TEST(PartieProgramme, ScriptIAIllisibleSignaleAuDemarrage) {
    Application a;
    Dossier dossier(false);
    dossier.d.Ecrire("IAs/Mauvais.ia", "");
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    ASSERT_EQ(prog.dialogues.erreurs.size(), 1u);
    const std::string& m = prog.dialogues.erreurs[0];
    EXPECT_NE(m.find("IAs/Mauvais.ia"), std::string::npos) << m;
    EXPECT_NE(m.find("Le fichier est vide."), std::string::npos) << m;
    EXPECT_NE(m.find("Le jeu continue sans cette IA"), std::string::npos) << m;
    EXPECT_TRUE(prog.F().isVisible());
    EXPECT_EQ(prog.p.Jeu_Monde->IA2.Indice_IA("Mauvais.ia"), -1);
    EXPECT_GT(prog.p.Jeu_Monde->IA2.AIs.size(), 1u) << "the other scripts are loaded";
    prog.F().MenuPartieQuitter->trigger();
}

// The save key during a game: the world is saved, and the clipboard holds
// the screen, the very picture kept as the save's preview.
TEST(PartieProgramme, SauvegardeMetLEcranDansLePressePapiers) {
    Application a;
    Dossier dossier(true);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    QGuiApplication::clipboard()->clear();
    const fs::path mondes = dossier.d.Chemin() / "Sauvegardes" / "Mondes";
    auto apercu = [&]() -> fs::path {
        std::error_code ec;
        for (const auto& e : fs::directory_iterator(mondes, ec))
            if (e.path().extension() == ".gif") return e.path();
        return {};
    };
    bool appuye = false;
    QImage copie, image;
    EXPECT_TRUE(Jouer(prog, [&](FrmMoteur2D& partie) {
        if (!appuye) {
            QKeyEvent bas(QEvent::KeyPress, Qt::Key_Insert, Qt::NoModifier);
            QKeyEvent haut(QEvent::KeyRelease, Qt::Key_Insert, Qt::NoModifier);
            QApplication::sendEvent(partie.Fenetre().Ecran(), &bas);
            QApplication::sendEvent(partie.Fenetre().Ecran(), &haut);
            appuye = true;
            return false;
        }
        const fs::path f = apercu();
        if (f.empty()) return false;
        copie = QGuiApplication::clipboard()->image();
        image = QImage(QString::fromStdString(f.string()), "BMP");
        return true;
    })) << "pas de sauvegarde";
    ASSERT_FALSE(image.isNull());
    ASSERT_FALSE(copie.isNull()) << "le presse-papiers est vide";
    EXPECT_EQ(copie.size(), QSize(800, 600));
    EXPECT_EQ(copie.convertToFormat(QImage::Format_RGB16), image.convertToFormat(QImage::Format_RGB16));
    prog.F().MenuPartieQuitter->trigger();
}

// A game at 1280 x 1024: the whole window, frame included, lies on the
// desktop's free area and the whole picture inside the window, scaled
// down, its proportions kept, when the desktop is smaller.
TEST(PartieProgramme, UnePartieEn1280x1024TientSurLEcran) {
    Application a;
    Dossier dossier(true);
    dossier.d.Ecrire("Ini_Ecran.ini",
                     "[Ecran]\nModeFenetre=1\nNombreResolution=1\nResolution=1\n\n[Resolution_1]\nLargeur=1280\nHauteur=1024\n");
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    QRect cadre, libre, cible, zone;
    int trame = 0;
    EXPECT_TRUE(Jouer(prog, [&](FrmMoteur2D& partie) {
        // Some frames in, once the window manager (if any) has framed it.
        if (trame == 0) trame = partie.Moteur().CompteurTrames;
        if (partie.Moteur().CompteurTrames < trame + 10) return false;
        cadre = partie.Fenetre().frameGeometry();
        libre = partie.Fenetre().screen()->availableGeometry();
        cible = partie.Fenetre().Ecran()->Cible();
        zone = partie.Fenetre().Ecran()->rect();
        essai::Photographier(partie.Fenetre(), "partie-1280x1024.png");
        if (const char* dossierImages = std::getenv("MORVAINE_SESSION_IMAGES"))
            partie.Fenetre().screen()->grabWindow(0).save(
                QString::fromStdString((fs::path(dossierImages) / "ecran-1280x1024.png").string()));
        return true;
    }));
    EXPECT_TRUE(libre.contains(cadre)) << cadre.width() << "x" << cadre.height() << " sur " << libre.width() << "x"
                                       << libre.height();
    EXPECT_TRUE(zone.contains(cible));
    EXPECT_NEAR(cible.width() * 1024.0 / cible.height(), 1280.0, 3.0);
    const QSize marges = cadre.size() - zone.size();
    if (libre.width() >= 1280 + marges.width() && libre.height() >= 1024 + marges.height())
        EXPECT_EQ(cible.size(), QSize(1280, 1024)) << "room enough: not scaled";
    else
        EXPECT_LT(cible.height(), 1024) << "scaled down";
    prog.F().MenuPartieQuitter->trigger();
}
