// A game in the real engine window, over a copy of the built game folder
// (captures and saves land in the copy): 800 x 600 in a window, so that the
// drawing area is the back buffer and a QTest event at (x, y) reaches the
// game at (x, y).
#pragma once

#include <filesystem>
#include <memory>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/InterfaceJoueur.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/EntreesQt.h"
#include "platform/qt/ImagesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "tests/Outils.h"
#include "windows/FrmMoteur2D.h"

namespace essai {

struct FenetreJeu {
    FenetreJeu() {
        std::filesystem::copy(std::filesystem::path(MORVAINE_GAME_DIR), d.Chemin(),
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        d.Ecrire("Ini_Ecran.ini",
                 "[Ecran]\nModeFenetre=1\nNombreResolution=1\nResolution=1\n\n[Resolution_1]\nLargeur=800\nHauteur=600\n");
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        Main = std::make_unique<ModMain>(*dossier);
        Main->Charger_Parametres();
        Main->SavPerso.Charger_Parametres_SavPerso();
        Jeu = std::make_unique<ClsJeu>(*dossier);
        ecran = std::make_unique<ClsPerEcran>(*dossier);
        dd = std::make_unique<Graphique>(*dossier, decodeur, CreerGlyphesQt());
        frm = std::make_unique<FrmMoteur2D>(*Main, *Jeu, *ecran, *dd);
        // The pointer is not warped back to the middle: events alone move it.
        frm->Entrees().Definir_Recentrer(false);
    }

    QWidget* Zone() { return frm->Fenetre().Ecran(); }
    ClsMoteur& M() { return frm->Moteur(); }
    ClsInterface& Interface(int joueur = 0) {
        return dynamic_cast<InterfaceJoueur&>(*M().Joueurs[static_cast<std::size_t>(joueur)].Interface).Interface;
    }

    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> Main;
    std::unique_ptr<ClsJeu> Jeu;
    std::unique_ptr<ClsPerEcran> ecran;
    DecodeurImageQt decodeur;
    std::unique_ptr<Graphique> dd;
    std::unique_ptr<FrmMoteur2D> frm;
};

}  // namespace essai
