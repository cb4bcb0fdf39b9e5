#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>

#include <cstdlib>

#include "devices/ClsPerSouris.h"
#include "platform/Surface.h"
#include "platform/qt/EntreesQt.h"
#include "platform/qt/ImagesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "windows/FenetreMoteur.h"

namespace {

struct Application {
    int argc = 1;
    char nom[8] = "tests";
    char* argv[2] = {nom, nullptr};
    QApplication app{argc, argv};
};

QRect Libre() { return QGuiApplication::primaryScreen()->availableGeometry(); }

}  // namespace

// A back buffer that the desktop's free area holds, frame included: the
// window's inside is exactly its size. With MORVAINE_IMAGE_FENETRE set to a
// bitmap file, that frame is shown instead and the screen is saved next to
// it as a PNG (for a look under Xvfb).
TEST(FenetreMoteur, OuvreALaResolutionEtMontreLImage) {
    Application a;
    FenetreMoteur fenetre;
    fenetre.Ouvrir(640, 480, true);
    Surface back(640, 480);
    back.Remplir(0x406080);
    const char* image = std::getenv("MORVAINE_IMAGE_FENETRE");
    if (image) {
        DecodeurImageQt decodeur;
        if (auto s = decodeur.Decoder(image)) back = *s;
    }
    fenetre.Presenter(back);
    for (int k = 0; k < 20; ++k) fenetre.TraiterEvenements();
    EXPECT_EQ(fenetre.Ecran()->size(), QSize(640, 480));
    EXPECT_EQ(fenetre.Ecran()->Cible(), fenetre.Ecran()->rect());
    EXPECT_EQ(fenetre.Ecran()->Image().pixel(5, 5), VueQImage(back).pixel(5, 5));
    EXPECT_TRUE(Libre().contains(fenetre.frameGeometry()));
    // Full screen: the frame is scaled to fit, its aspect kept.
    fenetre.Ecran()->resize(1600, 900);
    EXPECT_EQ(fenetre.Ecran()->Cible().height(), 900);
    EXPECT_NEAR(fenetre.Ecran()->Cible().center().x(), 800, 1);
    if (image) {
        QScreen* ecran = QGuiApplication::primaryScreen();
        ecran->grabWindow(0).save(QString(image) + ".png");
    }
    fenetre.Fermer();
}

// The layout rule itself, on a 1280 x 1024 desktop with a 30-pixel panel
// and a frame of 4 pixels and a 24-pixel title bar.
TEST(FenetreMoteur, GeometrieSelonLaPlaceLibre) {
    const QRect libre(0, 30, 1280, 994);
    const QMargins cadre(4, 24, 4, 4);
    const struct {
        QSize tampon;
        QRect attendu;
    } cas[] = {
        {{800, 600}, QRect(4, 54, 800, 600)},
        {{1272, 966}, QRect(4, 54, 1272, 966)},    // exactly room
        {{1280, 1024}, QRect(4, 54, 1272, 966)},   // too large: the free area
        {{1273, 100}, QRect(4, 54, 1272, 966)},    // one pixel too wide
    };
    for (const auto& c : cas) EXPECT_EQ(GeometrieFenetre(libre, cadre, c.tampon), c.attendu) << c.tampon.width();
}

// A back buffer larger than the free area: the window takes the free area,
// the picture is scaled down into it with its proportions kept, and the
// mouse follows the scaled picture (a move across the picture is a move
// across the back buffer).
TEST(FenetreMoteur, TropGrandePourLEcranLImageEstReduite) {
    Application a;
    const QRect libre = Libre();
    // Twice the free area's height, in the proportions of 1280 x 1024.
    const int hauteur = 2 * libre.height(), largeur = hauteur * 5 / 4;
    FenetreMoteur fenetre;
    EntreesQt entrees(fenetre.Ecran());
    entrees.Definir_Recentrer(false);
    fenetre.Ouvrir(largeur, hauteur, true);
    Surface back(largeur, hauteur);
    back.Remplir(0x406080);
    fenetre.Presenter(back);
    for (int k = 0; k < 20 && !fenetre.isActiveWindow(); ++k) fenetre.TraiterEvenements();

    EXPECT_TRUE(libre.contains(fenetre.frameGeometry())) << "the whole window is on the free area";
    EXPECT_EQ(fenetre.frameGeometry().size(), libre.size()) << "it takes the free area";
    const QRect cible = fenetre.Ecran()->Cible();
    EXPECT_TRUE(fenetre.Ecran()->rect().contains(cible));
    EXPECT_NEAR(cible.width() * 4.0 / cible.height(), 5.0, 0.02) << "proportions kept";
    EXPECT_TRUE(cible.width() == fenetre.Ecran()->width() || cible.height() == fenetre.Ecran()->height());
    EXPECT_LT(cible.height(), hauteur);

    ASSERT_TRUE(fenetre.isActiveWindow());
    ClsPerSouris souris;
    souris.Init(&entrees.Souris());
    ASSERT_TRUE(souris.Initialise);
    auto bouger = [&](int x, int y) {
        const QPointF p(x, y);
        QMouseEvent e(QEvent::MouseMove, p, fenetre.Ecran()->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(fenetre.Ecran(), &e);
    };
    // From the picture's top left corner to its bottom right one, in
    // small steps: the cursor crosses the whole back buffer.
    float X = 0, Y = 0, Z = 0;
    bouger(cible.left(), cible.top());
    souris.Positions(X, Y, Z, -32000, 32000, -32000, 32000);
    X = Y = 0;
    for (int pas = 1; pas <= 50; ++pas)
        bouger(cible.left() + cible.width() * pas / 50, cible.top() + cible.height() * pas / 50);
    souris.Positions(X, Y, Z, -32000, 32000, -32000, 32000);
    EXPECT_NEAR(X, largeur, 2.0);
    EXPECT_NEAR(Y, hauteur, 2.0);
    souris.Fermer();
    fenetre.Fermer();
}
