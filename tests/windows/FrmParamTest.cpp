// The setup window's settings file and its world lists, through the whole
// start-up: the delivered file comes back byte for byte, a broken table
// stops the program with the file untouched, a remembered choice that no
// longer fits falls back; the saved worlds are listed, described, renamed
// and deleted from the World menu; the start follows one rule whatever
// starts it.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QTabBar>
#include <QTest>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/windows/ProgrammeEssai.h"

namespace fs = std::filesystem;
using essai::Application;
using essai::Dossier;
using essai::Programme;
using essai::Textes;

namespace {

void Clic(QListWidget* liste, int ligne) {
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, liste->visualItemRect(liste->item(ligne)).center());
}

}  // namespace

TEST(FrmParam, LeFichierLivreRevientOctetPourOctet) {
    Application a;
    Dossier dossier(false);
    const std::string avant = dossier.d.Lire("Ini_Partie.ini");
    {
        Programme prog(dossier);
        ASSERT_TRUE(prog.p.Main());
        prog.F().MenuPartieQuitter->trigger();
    }
    EXPECT_EQ(dossier.d.Lire("Ini_Partie.ini"), avant);

    // Choices made on every kind of control come back at the next start.
    {
        Programme prog(dossier);
        ASSERT_TRUE(prog.p.Main());
        FrmParam& p = prog.P();
        QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(1).center());
        ASSERT_TRUE(p.FrameArmees->isVisible());
        QApplication::processEvents();  // the frame is laid out once shown
        // On the box itself, left of its caption.
        QTest::mouseClick(p.CheckEquipementArmee[1], Qt::LeftButton, Qt::NoModifier,
                          QPoint(8, p.CheckEquipementArmee[1]->height() / 2));
        ASSERT_TRUE(p.LstObjets[1]->isVisible());
        essai::Photographier(prog.F(), "bataille.png");
        Clic(p.LstObjets[1], 0);
        Clic(p.LstObjets[1], 2);
        QTest::keyClick(p.SliderNombreSoldats[1], Qt::Key_Right);
        p.ComboDifficulte->setFocus();
        QTest::keyClick(p.ComboDifficulte, Qt::Key_Down);
        QTest::keyClick(p.ComboArmee[0], Qt::Key_Down);
        prog.F().close();
    }
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    EXPECT_EQ(p.TabStripMonde->currentIndex(), 1);
    EXPECT_EQ(p.CheckEquipementArmee[1]->checkState(), Qt::Checked);
    EXPECT_TRUE(p.LstObjets[1]->item(0)->isSelected());
    EXPECT_FALSE(p.LstObjets[1]->item(1)->isSelected());
    EXPECT_TRUE(p.LstObjets[1]->item(2)->isSelected());
    EXPECT_EQ(p.LblNombreSoldats[1]->text(), "11");
    EXPECT_EQ(p.ComboDifficulte->currentIndex(), 1);
    EXPECT_EQ(p.BonusXP(), 100);
    EXPECT_EQ(p.ComboArmee[0]->currentIndex(), 1);
    const SetupChoices c = p.Choix();
    EXPECT_EQ(c.Mode, SetupChoices::NouvelleBataille);
    EXPECT_EQ(c.Armees[1].Soldats, 11);
    EXPECT_EQ(c.Armees[1].Objets, (std::vector<std::string>{p.LstObjets[1]->item(0)->text().toStdString(),
                                                            p.LstObjets[1]->item(2)->text().toStdString()}));
    EXPECT_TRUE(c.Armees[0].Objets.empty());
}

TEST(FrmParam, UneTableFausseArreteUnChoixPerimeRetombe) {
    Application a;
    const std::string debut = "Une erreur s'est produit pendant le chargement de :";
    struct Cas {
        const char* cle;
        std::optional<std::string> valeur;
        std::string message;  // "" : the program starts
        std::function<void(FrmParam&)> verifier;
    };
    const std::vector<Cas> cas = {
        {"NombreTailles", std::nullopt, debut + "NombreTailles=(Ini_Partie).", {}},
        {"NombreTailles", "0", debut + "NombreTailles=0(Ini_Partie).", {}},
        {"Taille2Dimensions", "48x48", debut + "Taille2Dimensions=48x48(Ini_Partie).", {}},
        {"Taille2Dimensions", "48*", debut + "Taille2Dimensions=48*(Ini_Partie).", {}},
        {"Taille3Dimensions", "300*64", debut + "Taille3Dimensions=300*64(Ini_Partie).", {}},
        {"Taille5Fiefs", "9", debut + "Taille5Fiefs=9(Ini_Partie).", {}},
        {"MaxLargeur", "grand", debut + "MaxLargeur=grand(Ini_Partie).", {}},
        {"Difficulte2BonusXP", "", debut + "Difficulte2BonusXP=(Ini_Partie).", {}},
        {"MinVillageoisFief", "0", debut + "MinVillageoisFief=0(Ini_Partie).", {}},
        {"TailleChoisie", "9", "", [](FrmParam& p) { EXPECT_EQ(p.ComboTaille->currentIndex(), 0); }},
        {"TailleChoisie", "0", "", [](FrmParam& p) { EXPECT_EQ(p.ComboTaille->currentIndex(), -1); }},
        {"EpoqueChoisie", "x", "", [](FrmParam& p) { EXPECT_EQ(p.ComboEpoque->currentIndex(), 0); }},
        {"TypePartie", "7", "", [](FrmParam& p) { EXPECT_EQ(p.TabStripMonde->currentIndex(), 0); }},
        {"TypePartie", "-1", "", [](FrmParam& p) { EXPECT_EQ(p.TabStripMonde->currentIndex(), 0); }},
        {"TypePartie", "4", "",
         [](FrmParam& p) {
             EXPECT_EQ(p.TabStripMonde->currentIndex(), 4);
             EXPECT_TRUE(p.FrameMode2Joueurs->isVisible());
         }},
        {"ValLargeur", "500", "", [](FrmParam& p) { EXPECT_EQ(p.LblLargeurCarte->text(), "160"); }},
        {"ValFiefs", std::nullopt, "", [](FrmParam& p) { EXPECT_EQ(p.LblFiefs->text(), "1"); }},
        {"PeupleFief1", "5", "", [](FrmParam& p) { EXPECT_EQ(p.ComboPeuple[0]->currentText().toStdString(), "Aléatoire"); }},
        {"PeupleFief1", "6", "", [](FrmParam& p) { EXPECT_EQ(p.ComboPeuple[0]->currentIndex(), 0); }},
        {"EquipeFief2", "12", "", [](FrmParam& p) { EXPECT_EQ(p.ComboEquipe[1]->currentText(), "2"); }},
        // One more fief row than the remembered rows: the new row starts
        // with the least villagers and its own team.
        {"MaxFiefs", "9", "",
         [](FrmParam& p) {
             ASSERT_EQ(p.SliderVillageois.size(), 9u);
             EXPECT_EQ(p.SliderVillageois[8]->value(), 1);
             EXPECT_EQ(p.ComboEquipe[8]->currentText(), "9");
             EXPECT_EQ(p.ComboEquipe[8]->count(), 9);
         }},
        {"DernierPersonnage", "7", "", [](FrmParam& p) { EXPECT_EQ(p.LblNom->text(), "Aldric"); }},
        {"DernierPersonnage", "2", "", [](FrmParam& p) { EXPECT_EQ(p.LblNom->text(), "Elowen"); }},
        {"MaxSoldats", "-5", "", [](FrmParam& p) { EXPECT_GE(p.SliderNombreSoldats[0]->maximum(), p.SliderNombreSoldats[0]->minimum()); }},
    };
    Dossier dossier(false);
    const std::string livre = dossier.d.Lire("Ini_Partie.ini");
    for (const Cas& c : cas) {
        SCOPED_TRACE(std::string(c.cle) + "=" + c.valeur.value_or("(absente)"));
        dossier.d.Ecrire("Ini_Partie.ini", livre);
        dossier.Partie(c.cle, c.valeur);
        const std::string avant = dossier.d.Lire("Ini_Partie.ini");
        Programme prog(dossier);
        const bool demarre = prog.p.Main();
        if (c.message.empty()) {
            ASSERT_TRUE(demarre) << (prog.dialogues.erreurs.empty() ? "" : prog.dialogues.erreurs[0]);
            c.verifier(prog.P());
            prog.F().MenuPartieQuitter->trigger();
        } else {
            EXPECT_FALSE(demarre);
            EXPECT_EQ(prog.dialogues.erreurs, std::vector<std::string>{c.message});
            EXPECT_FALSE(prog.F().isVisible());
            EXPECT_EQ(dossier.d.Lire("Ini_Partie.ini"), avant);
        }
    }
    // A missing file: the first table key is missing.
    fs::remove(dossier.d.Chemin() / "Ini_Partie.ini");
    Programme prog(dossier);
    EXPECT_FALSE(prog.p.Main());
    EXPECT_EQ(prog.dialogues.erreurs, std::vector<std::string>{debut + "NombreTailles=(Ini_Partie)."});
    EXPECT_FALSE(fs::exists(dossier.d.Chemin() / "Ini_Partie.ini"));
}

TEST(FrmParam, MondesListesDecritsRenommesSupprimesEtRegleDeDepart) {
    Application a;
    Dossier dossier(false);
    for (const char* f : {"Alpha.sav", "Beta.sav", "Gamma.sav", "Gamma.gif"}) dossier.d.Ecrire(std::string("Sauvegardes/Mondes/") + f, "x");
    dossier.d.Ecrire("Sauvegardes/Mondes/Alpha.txt", "Une vallée\r\nDeux fiefs\r\n");
    dossier.d.Ecrire("Sauvegardes/Mondes/Beta.txt", "\nCachée");
    // The scenarios of this test alone, without those of the data set.
    fs::remove_all(dossier.d.Chemin() / "Sauvegardes" / "Scenarios");
    dossier.d.Ecrire("Sauvegardes/Scenarios/Iles.snr", "x");
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    MDIFrmMain& f = prog.F();
    FrmParam& p = prog.P();

    f.MenuPartieMonde[3]->trigger();
    EXPECT_EQ(p.TabStripMonde->currentIndex(), 3);
    EXPECT_TRUE(p.FrameChargerMonde->isVisible());
    EXPECT_FALSE(p.FrameMonde->isVisible());
    EXPECT_TRUE(f.MenuMonde->menuAction()->isEnabled());
    EXPECT_FALSE(f.MenuMondeEditer->isVisible());
    EXPECT_EQ(Textes(p.LstMonde), (std::vector<std::string>{"Alpha", "Beta", "Gamma"}));
    EXPECT_EQ(p.LstMonde->currentRow(), 0);
    EXPECT_EQ(p.LblDescriptionMonde->text().toStdString(), "Une vallée\nDeux fiefs");
    EXPECT_TRUE(p.CmdCommencer->isEnabled());
    essai::Photographier(f, "mondes.png");
    Clic(p.LstMonde, 1);
    EXPECT_EQ(p.LblDescriptionMonde->text().toStdString(), "");  // first line empty
    Clic(p.LstMonde, 2);
    EXPECT_EQ(p.DernierMonde, 2);
    EXPECT_EQ(p.Choix().FichierMonde, "Gamma.sav");

    // A right click on the list opens the World menu there.
    QTest::mouseClick(p.LstMonde->viewport(), Qt::RightButton, Qt::NoModifier, QPoint(20, 5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.MenuMonde->isVisible(); }, 2000));
    f.MenuMonde->close();

    // Each list keeps its own position.
    f.MenuPartieMonde[2]->trigger();
    EXPECT_TRUE(f.MenuMondeEditer->isVisible());
    EXPECT_EQ(Textes(p.LstMonde), std::vector<std::string>{"Iles"});
    f.MenuMondeEditer->trigger();
    ASSERT_EQ(prog.lanceur.ouverts.size(), 1u);
    EXPECT_EQ(fs::path(prog.lanceur.ouverts[0]).filename(), "Iles.snr");
    f.MenuPartieMonde[3]->trigger();
    EXPECT_EQ(p.LstMonde->currentRow(), 2);
    // Gamma has no summary: the file is named as missing, nothing opened.
    const std::size_t ouverts = prog.lanceur.ouverts.size();
    f.MenuMondeCommentaires->trigger();
    EXPECT_EQ(prog.lanceur.ouverts.size(), ouverts);
    ASSERT_FALSE(prog.dialogues.erreurs.empty());
    EXPECT_EQ(prog.dialogues.erreurs.back().rfind("Le fichier « ", 0), 0u) << prog.dialogues.erreurs.back();
    EXPECT_NE(prog.dialogues.erreurs.back().find("Gamma.txt » est introuvable."), std::string::npos);

    // Renaming: refused names leave every file; a good one moves them all.
    const fs::path mondes = dossier.d.Chemin() / "Sauvegardes" / "Mondes";
    for (const char* refuse : {"Beta", "beta", "Gamma", "../Gamma", "a/b", "x\ty", "a.b"}) {
        SCOPED_TRACE(refuse);
        prog.dialogues.reponse = refuse;
        prog.dialogues.erreurs.clear();
        f.MenuMondeRenommer->trigger();
        EXPECT_EQ(prog.dialogues.erreurs.size(), 1u);
        EXPECT_TRUE(fs::exists(mondes / "Gamma.sav"));
        EXPECT_TRUE(fs::exists(mondes / "Gamma.gif"));
    }
    EXPECT_EQ(prog.dialogues.questions.back(), "Entrez le nouveau nom du monde : \nGamma");
    prog.dialogues.reponse = std::nullopt;
    f.MenuMondeRenommer->trigger();
    EXPECT_TRUE(fs::exists(mondes / "Gamma.sav"));
    prog.dialogues.reponse = "Delta";
    f.MenuMondeRenommer->trigger();
    EXPECT_TRUE(fs::exists(mondes / "Delta.sav"));
    EXPECT_TRUE(fs::exists(mondes / "Delta.gif"));
    EXPECT_FALSE(fs::exists(mondes / "Gamma.sav"));
    EXPECT_FALSE(fs::exists(mondes / "Gamma.gif"));
    EXPECT_EQ(Textes(p.LstMonde), (std::vector<std::string>{"Alpha", "Beta", "Delta"}));

    // Deleting asks first; Cancel keeps the world.
    Clic(p.LstMonde, 0);
    prog.dialogues.oui = false;
    f.MenuMondeSupprimer->trigger();
    EXPECT_EQ(prog.dialogues.questions.back(), "Etes-vous sûr de vouloir effacer Alpha ?");
    EXPECT_TRUE(fs::exists(mondes / "Alpha.sav"));
    prog.dialogues.oui = true;
    for (int i = 0; i < 3; ++i) f.MenuMondeSupprimer->trigger();
    EXPECT_FALSE(fs::exists(mondes / "Alpha.txt"));
    EXPECT_EQ(p.LstMonde->count(), 0);
    // An empty list: nothing to start, nothing asked.
    EXPECT_FALSE(p.CmdCommencer->isEnabled());
    EXPECT_FALSE(f.MenuPartieCommencer->isEnabled());
    const std::size_t questions = prog.dialogues.questions.size();
    f.MenuMondeSupprimer->trigger();
    f.MenuMondeRenommer->trigger();
    EXPECT_EQ(prog.dialogues.questions.size(), questions);

    // The two-player tab has no world to start: neither the button nor the
    // menu item nor F5 starts anything.
    f.MenuPartieMonde[4]->trigger();
    EXPECT_FALSE(p.CmdCommencer->isEnabled());
    EXPECT_FALSE(f.MenuPartieCommencer->isEnabled());
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    QTest::keyClick(&f, Qt::Key_F5);
    EXPECT_EQ(f.NombreParties(), 0);
    f.MenuPartieMonde[0]->trigger();
    EXPECT_TRUE(p.CmdCommencer->isEnabled());
    EXPECT_TRUE(f.MenuPartieCommencer->isEnabled());

    // Without any character file nothing starts on any tab.
    for (const auto& e : fs::directory_iterator(dossier.d.Chemin() / "Sauvegardes" / "Personnages")) fs::remove(e.path());
    p.Actualiser_Liste_Persos();
    p.Actualiser_Bouton_Commencer();
    EXPECT_FALSE(p.CmdCommencer->isEnabled());
    EXPECT_FALSE(f.MenuPartieCommencer->isEnabled());
    f.MenuPartieQuitter->trigger();
}

namespace {

// Where a click at the middle of w lands: on w itself, or on something
// that hides it (a parent that clips it, the edge of the window).
bool Atteignable(QWidget* w) {
    const QPoint centre = w->rect().center();
    for (QWidget* p = w; p; p = p->parentWidget()) {
        if (!p->rect().contains(w->mapTo(p, centre))) return false;
        if (p->isWindow()) break;
    }
    return true;
}

// The controls a player works, on every page shown now.
std::vector<QWidget*> Commandes(QWidget* racine) {
    std::vector<QWidget*> r;
    for (QWidget* w : racine->findChildren<QWidget*>())
        if (w->isVisibleTo(racine) && (qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                                       qobject_cast<QSlider*>(w) || qobject_cast<QAbstractItemView*>(w) ||
                                       qobject_cast<QLineEdit*>(w) || qobject_cast<QTabBar*>(w)))
            r.push_back(w);
    return r;
}

}  // namespace

// On a 1024 x 768 screen the setup window fits, and on every page every
// control can be reached with the mouse: a long page scrolls up and down
// (never sideways), and the start button stays in sight on every tab.
// By hand under Xvfb (xvfb-run -s "-screen 0 1024x768x24", QT_QPA_PLATFORM=xcb),
// MORVAINE_SESSION_IMAGES=<a scratch folder> keeps a picture of each page.
TEST(FrmParam, TientDansUnEcranDe1024Sur768) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    MDIFrmMain& f = prog.F();
    FrmParam& p = prog.P();
    f.showNormal();
    f.resize(1024, 768);
    QApplication::processEvents();
    auto* defilement = p.findChild<QScrollArea*>("DefilementPage");
    ASSERT_NE(defilement, nullptr);
    for (int page = 0; page < 2; ++page) {
        QTest::mouseClick(p.TabStripPersonnage, Qt::LeftButton, Qt::NoModifier, p.TabStripPersonnage->tabRect(page).center());
        for (int onglet = 0; onglet < p.TabStripMonde->count(); ++onglet) {
            QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(onglet).center());
            QApplication::processEvents();
            SCOPED_TRACE(p.TabStripMonde->tabText(onglet).toStdString() + " / " + p.TabStripPersonnage->tabText(page).toStdString());
            const QSize mini = f.minimumSizeHint().expandedTo(f.minimumSize());
            EXPECT_LE(mini.width(), 1024);
            EXPECT_LE(mini.height(), 768);
            EXPECT_EQ(f.size(), QSize(1024, 768));
            EXPECT_EQ(defilement->horizontalScrollBar()->maximum(), 0);
            EXPECT_TRUE(p.CmdCommencer->isVisible());
            EXPECT_TRUE(Atteignable(p.CmdCommencer));
            defilement->verticalScrollBar()->setValue(0);
            essai::Photographier(f, ("parametres-" + std::to_string(page) + "-" + std::to_string(onglet) + ".png").c_str());
            for (QWidget* w : Commandes(&p)) {
                // A control on a scrolling page: the page is scrolled to it,
                // as the player would drag the scroll bars.
                for (QWidget* q = w->parentWidget(); q && q != &p; q = q->parentWidget())
                    if (auto* d = qobject_cast<QScrollArea*>(q); d && d->widget()->isAncestorOf(w)) {
                        const QPoint centre = w->mapTo(d->widget(), w->rect().center());
                        d->horizontalScrollBar()->setValue(centre.x() - d->viewport()->width() / 2);
                        d->verticalScrollBar()->setValue(centre.y() - d->viewport()->height() / 2);
                        break;
                    }
                QApplication::processEvents();
                EXPECT_TRUE(Atteignable(w)) << w->metaObject()->className() << " " << w->objectName().toStdString()
                                            << " à " << w->mapTo(&f, QPoint(0, 0)).x() << "," << w->mapTo(&f, QPoint(0, 0)).y();
            }
        }
    }
    f.MenuPartieQuitter->trigger();
}
