#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <memory>

#include "devices/ClsPerClavier.h"
#include "devices/ClsPerSouris.h"
#include "platform/qt/EntreesQt.h"

namespace {

struct Entrees : ::testing::Test {
    int argc = 1;
    char nom[6] = "tests";
    char* argv[2] = {nom, nullptr};
    QApplication app{argc, argv};
    QWidget zone;
    EntreesQt entrees{&zone};

    void SetUp() override {
        entrees.Definir_Recentrer(false);
        zone.resize(640, 480);
        zone.show();
        zone.activateWindow();
        zone.setFocus();
        for (int k = 0; k < 10 && !zone.isActiveWindow(); ++k) QApplication::processEvents();
        ASSERT_TRUE(zone.isActiveWindow());
    }
    void Bouger(int x, int y) {
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), zone.mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&zone, &e);
        ici = QPointF(x, y);
    }
    // A button event where the pointer is (or, given, somewhere else).
    void Bouton(QEvent::Type type, Qt::MouseButton b) { Bouton(type, b, ici); }
    void Bouton(QEvent::Type type, Qt::MouseButton b, QPointF p) {
        QMouseEvent e(type, p, zone.mapToGlobal(p), b, type == QEvent::MouseButtonRelease ? Qt::NoButton : b,
                      Qt::NoModifier);
        QApplication::sendEvent(&zone, &e);
        ici = p;
    }
    QPointF ici{10, 10};
    void Touche(QEvent::Type type, int cle, Qt::KeyboardModifiers mod = Qt::NoModifier, bool repetition = false) {
        QKeyEvent e(type, cle, mod, QString(), repetition);
        QApplication::sendEvent(&zone, &e);
    }
};

}  // namespace

TEST_F(Entrees, MouvementRelatifBoutonsEtMolette) {
    ClsPerSouris souris;
    souris.Init(&entrees.Souris());
    ASSERT_TRUE(souris.Initialise);
    float X = 100, Y = 100, Z = 0;
    Bouger(300, 200);  // the first move only tells where the pointer is
    Bouger(310, 195);
    Bouger(330, 190);
    QWheelEvent molette(QPointF(5, 5), zone.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -240), Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&zone, &molette);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_EQ(X, 130);
    EXPECT_EQ(Y, 90);
    EXPECT_EQ(Z, -240);
    souris.Clique(0);
    Bouton(QEvent::MouseButtonPress, Qt::LeftButton);
    Bouton(QEvent::MouseButtonPress, Qt::RightButton);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_EQ(X, 130);  // counted once
    EXPECT_TRUE(souris.Clique(0));
    Bouton(QEvent::MouseButtonRelease, Qt::LeftButton);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_FALSE(souris.Clique(0));
    EXPECT_TRUE(souris.Bouton_Relache(0));
}

// A click sent at a point the pointer was never seen moving to: the
// pointer goes there first, and press and release both reach the mouse
// even though no read came between them.
TEST_F(Entrees, UnClicAilleursDeplaceDAbordEtNEstPasPerdu) {
    ClsPerSouris souris;
    souris.Init(&entrees.Souris());
    ASSERT_TRUE(souris.Initialise);
    float X = 400, Y = 300, Z = 0;
    Bouger(200, 150);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    souris.Clique(0);
    Bouton(QEvent::MouseButtonPress, Qt::LeftButton, QPointF(250, 100));
    Bouton(QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(250, 100));
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_EQ(X, 450);
    EXPECT_EQ(Y, 250);
    EXPECT_TRUE(souris.Clique(0));
    EXPECT_TRUE(souris.Bouton_Relache(0));
}

// A key tapped between two reads is read once; a modifier that only the
// key event carries counts with it.
TEST_F(Entrees, UneToucheFrappeeEntreDeuxLecturesEstLueUneFois) {
    ClsPerClavier clavier;
    clavier.Init(&entrees.Clavier(), 0.0);
    bool ctrl = false, shift = false, alt = false;
    clavier.Pression_Clavier(ctrl, shift, alt);  // nothing held at the start
    Touche(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    Touche(QEvent::KeyRelease, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(clavier.Pression_Clavier(ctrl, shift, alt), 62);
    EXPECT_TRUE(alt);
    EXPECT_EQ(clavier.Pression_Clavier(ctrl, shift, alt), 0);
    EXPECT_FALSE(alt);
}

TEST_F(Entrees, TouchesTenuesJusquAuRelachement) {
    ClsPerClavier clavier;
    clavier.Init(&entrees.Clavier(), 0.0);
    bool c = false, s = false, a = false;
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 0);
    Touche(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    Touche(QEvent::KeyPress, Qt::Key_F1, Qt::ShiftModifier);
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 59);
    EXPECT_TRUE(s);
    // Repeats of a held key change nothing, not even their release half.
    Touche(QEvent::KeyRelease, Qt::Key_F1, Qt::ShiftModifier, true);
    Touche(QEvent::KeyPress, Qt::Key_F1, Qt::ShiftModifier, true);
    EXPECT_TRUE(clavier.Enfoncee(59));
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 0);
    EXPECT_TRUE(clavier.Enfoncee(59));
    Touche(QEvent::KeyRelease, Qt::Key_F1);
    Touche(QEvent::KeyRelease, Qt::Key_Shift);
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 0);
    EXPECT_FALSE(s);
    Touche(QEvent::KeyPress, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), ClsPerClavier::Pave8);
}

TEST(EntreesQt, ZoneFermeeAvantLesPeripheriques) {
    int argc = 1;
    char nom[] = "tests";
    char* argv[] = {nom, nullptr};
    QApplication app(argc, argv);
    auto zone = std::make_unique<QWidget>();
    EntreesQt entrees(zone.get());
    ClsPerSouris souris;
    souris.Init(&entrees.Souris());
    ClsPerClavier clavier;
    clavier.Init(&entrees.Clavier(), 0.0);
    zone.reset();
    float X = 7, Y = 7, Z = 0;
    souris.Positions(X, Y, Z, 0, 100, 0, 100);
    EXPECT_EQ(X, 7);
    EXPECT_FALSE(souris.Initialise);
    bool c = false, s = false, a = false;
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 0);
    souris.Fermer();
    clavier.Fermer();
}

TEST_F(Entrees, PerteDuFocusRelacheToutEtPerdLaSouris) {
    ClsPerSouris souris;
    souris.Init(&entrees.Souris());
    ClsPerClavier clavier;
    clavier.Init(&entrees.Clavier(), 0.0);
    bool c = false, s = false, a = false;
    clavier.Pression_Clavier(c, s, a);
    Touche(QEvent::KeyPress, Qt::Key_A);
    Bouton(QEvent::MouseButtonPress, Qt::LeftButton);
    QFocusEvent sortie(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(&zone, &sortie);
    // No key stays stuck down...
    EXPECT_EQ(clavier.Pression_Clavier(c, s, a), 0);
    EXPECT_FALSE(clavier.Enfoncee(30));
    // ...and the mouse is lost: the poll leaves the cursor and takes it back.
    float X = 50, Y = 50, Z = 0;
    Bouger(0, 0);
    Bouger(40, 40);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_EQ(X, 50);
    souris.Positions(X, Y, Z, 0, 799, 0, 599);
    EXPECT_EQ(X, 50);  // movement made while it was lost is dropped
    EXPECT_FALSE(souris.Clique(0));
}
