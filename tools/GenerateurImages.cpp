// The picture generator: draws every picture the game loads, for the data
// set of the given folder, into the given Images folder, and the scenario
// previews into the scenarios folder beside it. Run by the build when the
// game folder is assembled.
//
//   generateur_images <data folder> <Images folder>
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "tools/Dessins.h"
#include "world/ClsJeuMonde.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage : generateur_images <dossier des données> <dossier Images>\n";
        return 2;
    }
    // Text in pictures needs fonts, and fonts need an application; no
    // display is ever opened.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    try {
        DossierJeu dossier(argv[1]);
        ClsJeuMonde monde(dossier);
        const DonneesRegles d = DonneesRegles::Lire(dossier);
        const std::filesystem::path images = argv[2];
        int n = 0;
        n += DessinerTerrain(d, monde, images);
        n += DessinerEcrans(d, images);
        n += DessinerCurseurs(d, images);
        n += DessinerPersos(d, images);
        n += DessinerBatiments(d, images);
        n += DessinerDecors(d, images);
        n += DessinerEffets(d, images);
        n += DessinerObjets(d, images);
        n += DessinerInterface(d, dossier, images);
        n += CopierImagesDocuments(d, dossier, images);
        n += DessinerApercusScenarios(dossier, images, images.parent_path() / "Sauvegardes" / "Scenarios");
        std::cout << "Images : " << n << " fichiers dans " << images.string() << "\n";
    } catch (const ErreurFichier& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
