// The character menu of the main window: the pages of the setup window's
// hero panel, selecting every hero or the best one by a measure, the
// competence display modes and deleting.
#include <QAction>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTabBar>

#include <string>
#include <vector>

#include "engine/ModMain.h"
#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

void MDIFrmMain::Relier_Personnages() {
    auto onglet = [this](int i) {
        if (param_) param_->TabStripPersonnage->setCurrentIndex(i);
    };
    connect(MenuPersonnageNouveau, &QAction::triggered, this, [onglet] { onglet(0); });
    connect(MenuPersonnageCharger, &QAction::triggered, this, [onglet] { onglet(1); });
    connect(MenuPersonnageSelectionnerTous, &QAction::triggered, this, [this] { MenuPersonnageSelectionnerTous_Click(); });
    for (int i = 0; i < 7; ++i)
        connect(MenuPersonnageSelectionMeilleur[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { MenuPersonnageSelectionMeilleur_Click(i); });
    connect(MenuPersonnageCompetencesAfficherToutes, &QAction::triggered, this,
            [this] { MenuPersonnageCompetencesAfficherToutes_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(MenuPersonnageCompetencesAffichage[static_cast<std::size_t>(i)], &QAction::triggered, this,
                [this, i] { MenuPersonnageCompetencesAffichage_Click(i); });
    connect(MenuPersonnageSupprimer, &QAction::triggered, this, [this] {
        if (param_) param_->CmdSupprimerPerso_Click();
    });
}

void MDIFrmMain::MenuPersonnageSelectionnerTous_Click() {
    if (!param_ || param_->LstPerso->count() == 0) return;
    QListWidget* liste = param_->LstPerso;
    const std::string courant = param_->Fichier_Affiche();
    {
        const QSignalBlocker b(liste);
        for (int i = 0; i < liste->count(); ++i) liste->item(i)->setSelected(true);
        // The hero shown stays the one the sheet works on.
        for (int i = 0; i < liste->count(); ++i)
            if (!courant.empty() && liste->item(i)->text().toStdString() == courant)
                liste->setCurrentRow(i, QItemSelectionModel::NoUpdate);
    }
    param_->LstPerso_Click();
}

void MDIFrmMain::MenuPersonnageSelectionMeilleur_Click(int Index) {
    if (!param_ || Index < 0 || Index > 6) return;
    QListWidget* liste = param_->LstPerso;
    ModMain& M = *Programme_.Jeu_Monde;
    ClsJeuPerso& perso = M.Persos[static_cast<std::size_t>(M.NoPersoJoueur)];
    Sablier(true);
    double meilleur = 0.0;
    int gagnant = -1;
    std::vector<std::string> invalides;
    for (int i = 0; i < liste->count(); ++i) {
        perso.Init(M.NoPersoJoueur, M.Parametres, M.GenerateurPlateforme);
        try {
            M.SavPerso.Charger_Perso(liste->item(i)->text().toStdString(), perso);
        } catch (const ErreurPerso& e) {
            // A bad file is left out; it is told once at the end.
            invalides.emplace_back(e.what());
            continue;
        }
        double v = 0.0;
        switch (Index) {
            case 0: v = perso.Niveau(); break;
            case 1: v = perso.Definir_Moy_Competence(0); break;
            case 2: v = perso.Definir_Bestiaire_Total(); break;
            case 3: v = perso.Definir_MaxVie(); break;
            case 4: v = perso.Definir_MaxEnergie(); break;
            case 5: v = perso.Definir_MaxMagie(); break;
            default: v = perso.Definir_MaxMoral(); break;
        }
        // Ties keep the earlier hero; nothing at or below 0 wins.
        if (v > meilleur) {
            meilleur = v;
            gagnant = i;
        }
    }
    // The slot held the last hero read: it must not stay under the sheet
    // of another one, where an edit would be written into the wrong file.
    perso.Init(M.NoPersoJoueur, M.Parametres, M.GenerateurPlateforme);
    {
        const QSignalBlocker b(liste);
        liste->clearSelection();
        if (gagnant >= 0) {
            liste->setCurrentRow(gagnant, QItemSelectionModel::NoUpdate);
            liste->item(gagnant)->setSelected(true);
        }
    }
    param_->LstPerso_Click();
    Sablier(false);
    if (!invalides.empty()) {
        std::string texte;
        for (const std::string& m : invalides) texte += (texte.empty() ? "" : "\n") + m;
        Programme_.Dialogues().Message(texte, "Erreur", Dialogues::Icone::Critique);
    }
}

void MDIFrmMain::MenuPersonnageCompetencesAfficherToutes_Click() {
    // The item's check mark has already turned: the sheet is drawn again.
    if (param_) param_->LstPerso_Click();
}
