// The main window's menus as the player reads them: every item's caption
// with its access letter, its shortcut, and whether it can be used once
// the program has started (the items of windows still to come are greyed,
// never silently dead).
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <string>
#include <vector>

#include "tests/windows/ProgrammeEssai.h"
#include "windows/FrmAPropos2.h"
#include "windows/FrmEditeurIA.h"
#include "windows/FrmInfoRaces.h"
#include "windows/frmOptions.h"

using essai::Application;
using essai::Dossier;
using essai::Programme;

TEST(MDIFrmMain, MenusCommeLeJoueurLesLit) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    MDIFrmMain& f = prog.F();

    std::vector<std::string> titres;
    for (QAction* m : f.menuBar()->actions()) titres.push_back(m->text().toStdString());
    EXPECT_EQ(titres, (std::vector<std::string>{"&Partie", "&Mondes", "P&ersonnages", "&Options", "&?"}));

    struct Item {
        const char* nom;
        const char* texte;
        const char* touche;
        bool actif;
    };
    const std::vector<Item> items = {
        {"MenuPartieCampagne", "Campa&gne", "Ctrl+G", false},
        {"MenuPartieMonde(0)", "&Mondepersonnalisé", "Ctrl+M", true},
        {"MenuPartieMonde(1)", "Champ de &bataille", "Ctrl+B", true},
        {"MenuPartieMonde(2)", "Charger &scénario", "Ctrl+S", true},
        {"MenuPartieMonde(3)", "Charger &monde", "Ctrl+C", true},
        {"MenuPartieMonde(4)", "Mode 2 &joueurs", "Ctrl+J", true},
        {"MenuPartieCommencer", "&Commencer", "F5", true},
        {"MenuPartieQuitter", "&Quitter", "Ctrl+Q", true},
        {"MenuMondeRenommer", "&Renommer", "", true},
        {"MenuMondeCommentaires", "&Commentaires", "", true},
        {"MenuMondeEditer", "&Editer", "", true},
        {"MenuMondeSupprimer", "&Supprimer", "Shift+Del", true},
        {"MenuPersonnageNouveau", "&Nouveau", "Ctrl+N", true},
        {"MenuPersonnageCharger", "&Charger", "", true},
        {"MenuPersonnageSelectionnerTous", "&Tous", "Ctrl+A", true},
        {"MenuPersonnageSelectionMeilleur(0)", "Meilleur &Niveau", "Ctrl+I", true},
        {"MenuPersonnageSelectionMeilleur(1)", "Meilleur Arti&san", "", true},
        {"MenuPersonnageSelectionMeilleur(2)", "Meilleur T&ueur", "", true},
        {"MenuPersonnageSelectionMeilleur(3)", "Meilleur &Guerrier (Max Vie)", "", true},
        {"MenuPersonnageSelectionMeilleur(4)", "Meilleur &Archer (Max Energie)", "", true},
        {"MenuPersonnageSelectionMeilleur(5)", "Meilleur &Magicien (Max Magie)", "", true},
        {"MenuPersonnageSelectionMeilleur(6)", "Meilleur &Seigneur (Max Moral)", "", true},
        {"MenuPersonnageCompetencesAfficherToutes", "Afficher &toutes", "", true},
        {"MenuPersonnageCompetencesAffichage(0)", "&Score", "", true},
        {"MenuPersonnageCompetencesAffichage(1)", "&Niveau", "", true},
        {"MenuPersonnageCompetencesAffichage(2)", "&Expérience", "", true},
        {"MenuPersonnageSupprimer", "&Supprimer", "", true},
        {"MenuOptionParametres", "&Paramètres", "Ctrl+O", true},
        {"MenuOptionEditeurIA", "&Editer IAs", "Ctrl+E", true},
        {"MenuAideBatiments", "&Batiments", "F1", true},
        {"MenuAideBestiaire", "B&estiaire", "F2", true},
        {"MenuAideObjets", "&Objets", "F3", true},
        {"MenuAideRessources", "&Ressources", "F4", true},
        {"MenuAideRaces", "R&aces", "F6", true},
        {"MenuAidePeuples", "&Peuples", "F7", true},
        {"MenuAideStastistiques", "&Stastistiques", "F8", true},
        {"MenuAideManuel", "Aide de &Jeu", "F9", true},
        {"MenuAideAPropos", "A &propos", "Ctrl+P", true},
    };
    for (const Item& i : items) {
        SCOPED_TRACE(i.nom);
        const QAction* action = f.findChild<QAction*>(i.nom);
        ASSERT_NE(action, nullptr);
        EXPECT_EQ(action->text().toStdString(), i.texte);
        EXPECT_EQ(action->shortcut().toString().toStdString(), i.touche);
        EXPECT_EQ(action->isEnabled(), i.actif);
    }
    // The delivered choices open on a new world: no world menu there; the
    // score mode carries the check mark.
    EXPECT_FALSE(f.MenuMonde->menuAction()->isEnabled());
    EXPECT_TRUE(f.MenuPersonnageCompetencesAffichage[0]->isChecked());

    // The game's help opens in the text viewer.
    f.MenuAideManuel->trigger();
    ASSERT_EQ(prog.lanceur.ouverts.size(), 1u);
    EXPECT_NE(prog.lanceur.ouverts[0].find("Info_FAQ.txt"), std::string::npos);
    // A reference page is written and opened in the browser.
    f.MenuAideBatiments->trigger();
    ASSERT_EQ(prog.lanceur.pages.size(), 1u) << (prog.dialogues.erreurs.empty() ? "" : prog.dialogues.erreurs.back());
    EXPECT_NE(prog.lanceur.pages[0].find(".htm"), std::string::npos);
    // The other windows open from their items.
    f.MenuAideAPropos->trigger();
    f.MenuAideRaces->trigger();
    f.MenuOptionParametres->trigger();
    QCoreApplication::processEvents();
    EXPECT_NE(f.findChild<FrmAPropos2*>(), nullptr);
    EXPECT_NE(f.findChild<FrmInfoRaces*>(), nullptr);
    EXPECT_NE(f.findChild<frmOptions*>(), nullptr);
    f.MenuOptionEditeurIA->trigger();
    const FrmEditeurIA* editeur = f.findChild<FrmEditeurIA*>();
    ASSERT_NE(editeur, nullptr);
    EXPECT_TRUE(editeur->isVisible());
    EXPECT_FALSE(f.Param()->isVisible()) << "the setup window steps aside";
    f.MenuPartieQuitter->trigger();
}
