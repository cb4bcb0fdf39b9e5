#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>

#include <cstdlib>

#include "platform/Surface.h"
#include "platform/qt/ImagesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "windows/FenetreMoteur.h"

// Opens the engine window at 1024 x 768 and shows a frame. With
// MORVAINE_IMAGE_FENETRE set to a bitmap file, that frame is shown instead
// and the screen is saved next to it as a PNG (for a look under Xvfb).
TEST(FenetreMoteur, OuvreALaResolutionEtMontreLImage) {
    int argc = 1;
    char nom[] = "tests";
    char* argv[] = {nom, nullptr};
    QApplication app(argc, argv);
    FenetreMoteur fenetre;
    fenetre.Ouvrir(1024, 768, true);
    Surface back(1024, 768);
    back.Remplir(0x406080);
    const char* image = std::getenv("MORVAINE_IMAGE_FENETRE");
    if (image) {
        DecodeurImageQt decodeur;
        if (auto s = decodeur.Decoder(image)) back = *s;
    }
    fenetre.Presenter(back);
    for (int k = 0; k < 20; ++k) fenetre.TraiterEvenements();
    EXPECT_EQ(fenetre.Ecran()->size(), QSize(1024, 768));
    EXPECT_EQ(fenetre.Ecran()->Cible(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(fenetre.Ecran()->Image().pixel(5, 5), VueQImage(back).pixel(5, 5));
    // Full screen: the frame is scaled to fit, its aspect kept.
    fenetre.Ecran()->resize(1600, 900);
    EXPECT_EQ(fenetre.Ecran()->Cible(), QRect(200, 0, 1200, 900));
    fenetre.Ecran()->resize(1024, 768);
    if (image) {
        QScreen* ecran = QGuiApplication::primaryScreen();
        ecran->grabWindow(0).save(QString(image) + ".png");
    }
    fenetre.Fermer();
}
