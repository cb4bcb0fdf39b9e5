// The program: finds its game folder, creates the objects that live as long
// as the program and loads the rules step by step, showing each step in the
// caption, then plays a game. Until the setup window exists the game is a
// new world with the default choices, and the program ends with it.
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cstdlib>
#include <iostream>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "windows/FrmMoteur2D.h"
#include "windows/LanceurQt.h"

namespace {

const char* const Titre = "Morvaine";

// A new world of three fiefs, one local player playing the first villager.
SetupChoices ChoixParDefaut() {
    SetupChoices choix;
    choix.Mode = SetupChoices::NouveauMonde;
    choix.LargeurCarte = 48;
    choix.HauteurCarte = 48;
    choix.NombreRessources = 30;
    // A people index beyond the last one draws a people at random.
    choix.Fiefs = {{0, 0, 5}, {1, 9999, 5}, {2, 9999, 5}};
    choix.NombreJoueursLocaux = 1;
    return choix;
}

void Erreur(bool sansEcran, const std::string& message) {
    std::cerr << message << "\n";
    if (!sansEcran) QMessageBox::critical(nullptr, "Erreur", QString::fromStdString(message));
}

}  // namespace

int main(int argc, char** argv) {
    // Without any display the program still starts, loads and reports.
    const bool sansEcran = !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM");
    if (sansEcran) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    app.setApplicationName(Titre);

    // The caption of the main window tells each loading step.
    QWidget principale;
    auto legende = [&](const std::string& suite) {
        principale.setWindowTitle(QString::fromUtf8(Titre) + QString::fromStdString(suite));
        QCoreApplication::processEvents();
    };

    DossierJeu dossier(DossierJeu::Trouver());
    try {
        legende(" - chargement");
        ModMain jeu(dossier);
        legende(" - chargement jeu");
        ClsJeu reglages(dossier);
        legende(" - chargement messages");
        legende(" - chargement affichage");
        DecodeurImageQt decodeur;
        Graphique dd(dossier, decodeur, CreerGlyphesQt());
        legende(" - chargement périphériques");
        ClsPerEcran ecran(dossier);
        legende(" - chargement interface");
        legende(" - chargement documents");
        jeu.Documents.Charger_Parametres_Documents();
        jeu.Charger_Parametres(legende);
        legende(" - chargement combats");
        legende(" - chargement sauvegardes");
        jeu.SavPerso.Charger_Parametres_SavPerso();
        legende(" - chargement IAs");
        jeu.IA2.Charger_IAs();
        for (const auto& erreur : jeu.IA2.ErreursChargement) std::cerr << erreur << "\n";
        legende(" - chargement fenêtres");
        legende("");
        if (sansEcran) {
            std::cout << "Morvaine : dossier du jeu " << dossier.Racine().string() << ", " << jeu.Monde.NombreTypesMondes
                      << " types de mondes, " << jeu.Parametres.NombreRaces << " races, "
                      << jeu.Parametres.NombreTypesObjets << " objets.\n";
            return 0;
        }

        FrmMoteur2D moteur(jeu, reglages, ecran, dd);
        moteur.MoteurJeu(ChoixParDefaut());
        // Alt + F4: the heroes are saved, nothing else is shown.
        if (moteur.Quitter_Programme()) return 0;
        for (const auto& message : jeu.MessagesPartie) Erreur(false, message);
        // Back from the game: its statistics page, when so configured.
        if (jeu.Documents.Definir_AfficherStastistiquesEnQuittant()) {
            LanceurQt lanceur;
            AvertisseurQt avertisseur;
            jeu.Documents.Afficher_Document_Stastistiques(lanceur, avertisseur);
        }
    } catch (const ErreurFichier& e) {
        Erreur(sansEcran, e.what());
        return 1;
    } catch (const ErreurImage& e) {
        Erreur(sansEcran, e.what());
        return 1;
    }
    return 0;
}
