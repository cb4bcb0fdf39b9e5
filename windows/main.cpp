// The program: finds its game folder, loads the world's data and opens the
// main window.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>

#include <cstdlib>
#include <iostream>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "engine/ModMain.h"

int main(int argc, char** argv) {
    // Without any display the program still starts, loads and reports.
    const bool sansEcran = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM");
    if (sansEcran) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    app.setApplicationName("Morvaine");

    DossierJeu dossier(DossierJeu::Trouver());
    try {
        ModMain jeu(dossier);
        jeu.Charger_Parametres();
        jeu.SavPerso.Charger_Parametres_SavPerso();
        jeu.IA2.Charger_IAs();
        for (const auto& erreur : jeu.IA2.ErreursChargement) std::cerr << erreur << "\n";
        std::cout << "Morvaine : dossier du jeu " << dossier.Racine().string() << ", "
                  << jeu.Monde.NombreTypesMondes << " types de mondes, " << jeu.Parametres.NombreRaces
                  << " races, " << jeu.Parametres.NombreTypesObjets << " objets.\n";
    } catch (const ErreurFichier& e) {
        if (!sansEcran) QMessageBox::critical(nullptr, "Erreur", QString::fromStdString(e.what()));
        std::cerr << e.what() << "\n";
        return 1;
    }
    if (sansEcran) return 0;

    QMainWindow fenetre;
    fenetre.setWindowTitle("Morvaine");
    fenetre.setCentralWidget(new QLabel("Morvaine"));
    fenetre.resize(800, 600);
    fenetre.show();
    return app.exec();
}
