// The program: finds its game folder, runs the start-up (every object of
// the program's life loaded step by step, then the setup window shown in
// the main window) and lives on the windows' events until the player quits.
#include <QApplication>

#include <cstdlib>
#include <iostream>

#include "engine/ModMain.h"
#include "windows/Demarrage.h"
#include "windows/MDIFrmMain.h"

int main(int argc, char** argv) {
    // Without any display the program still starts, loads and reports.
    const bool sansEcran = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM");
    if (sansEcran) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    app.setApplicationName(MDIFrmMain::Titre);
    // The main window's menu quits; closing the setup window alone does not.
    app.setQuitOnLastWindowClosed(false);

    Demarrage programme(DossierJeu::Trouver());
    if (!programme.Main()) return 1;
    if (sansEcran) {
        const ModMain& jeu = *programme.Jeu_Monde;
        std::cout << "Morvaine : dossier du jeu " << programme.Dossier.Racine().string() << ", "
                  << jeu.Monde.NombreTypesMondes << " types de mondes, " << jeu.Parametres.NombreRaces << " races, "
                  << jeu.Parametres.NombreTypesObjets << " objets.\n";
        return 0;
    }
    return app.exec();
}
