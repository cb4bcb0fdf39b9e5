// The program as a player meets it, through Qt's event loop: start-up
// opens the main window on the setup window with its lists filled and the
// last choices restored; the player's choices (mouse and keys on the real
// controls) start a game built from exactly them; after the game, and at
// the next start, the window shows them again.
//
// Runs under the offscreen platform in the suite, and by hand under Xvfb
// (QT_QPA_PLATFORM=xcb); MORVAINE_SESSION_IMAGES=<a scratch folder> then
// also saves a picture of the setup window.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/ModMain.h"
#include "tests/Outils.h"
#include "windows/Demarrage.h"
#include "windows/FrmMoteur2D.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"
#include "tests/windows/ProgrammeEssai.h"

namespace fs = std::filesystem;

namespace {

using essai::Application;
using essai::Dossier;
using essai::Programme;

// What a game's world was built with, seen from inside the running game.
struct Monde {
    int largeur = 0, hauteur = 0, depots = 0, epoque = -1;
    std::vector<int> villageois, camps;
    std::string joueur;
    bool heros = false;
    // Villagers whose race names a script, and how many of them play it.
    int scriptes = 0, scriptRace = 0;
};

// Plays the game that Demarrer starts and ends it after two frames,
// recording what the world holds.
Monde Jouer(Programme& prog, const std::function<void()>& Demarrer) {
    Monde m;
    QTimer veille;
    bool vue = false;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* partie = prog.F().Partie();
        if (!partie || vue || partie->Moteur().CompteurTrames < 2) return;
        vue = true;
        const ModMain& M = *prog.p.Jeu_Monde;
        m.largeur = M.Monde.LargeurCarte;
        m.hauteur = M.Monde.HauteurCarte;
        m.depots = static_cast<int>(M.Ressources.size());
        for (const ClsJeuFief& f : M.Fiefs) {
            m.villageois.push_back(f.NombrePersos);
            m.camps.push_back(f.Camp);
            m.epoque = f.Epoque;
        }
        const ClsJeuPerso& j = M.Persos[static_cast<std::size_t>(M.NoPersoJoueur)];
        m.joueur = j.Nom;
        m.heros = j.PersoFichier == 1;
        for (const ClsJeuPerso& v : M.Persos) {
            const std::string script = M.Parametres.Race_IA_Fichier(v.Race);
            if (v.PersoFichier != 0 || script.empty()) continue;
            ++m.scriptes;
            if (v.IA && v.FichierIA == script) ++m.scriptRace;
        }
        prog.p.Jeu_Monde->FinPartie = true;
    });
    veille.start(5);
    QTimer::singleShot(30000, [&] { prog.p.Jeu_Monde->FinPartie = true; });
    const int avant = prog.F().NombreParties();
    Demarrer();
    veille.stop();
    EXPECT_TRUE(vue) << "la partie n'a pas tourné";
    // The setup window comes back once the start event has returned.
    EXPECT_TRUE(QTest::qWaitFor([&] { return prog.F().NombreParties() == avant + 1; }, 5000));
    return m;
}

void ClicListe(QListWidget* liste, const QString& texte) {
    const auto items = liste->findItems(texte, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << texte.toStdString();
    const QRect r = liste->visualItemRect(items[0]);
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

std::vector<std::string> Selection(QListWidget* liste) {
    std::vector<std::string> s;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->item(i)->isSelected()) s.push_back(liste->item(i)->text().toStdString());
    return s;
}

// The main window's captions as they change, with the pointer shown.
class Legendes : public QObject {
public:
    Legendes() { qApp->installEventFilter(this); }
    ~Legendes() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::WindowTitleChange && o->objectName() == "MDIFrmMain") {
            auto* w = static_cast<QWidget*>(o);
            titres.push_back(w->windowTitle().toStdString());
            sabliers.push_back(w->cursor().shape() == Qt::WaitCursor);
        }
        return false;
    }
    std::vector<std::string> titres;
    std::vector<bool> sabliers;
};


}  // namespace

TEST(Demarrage, OuvreSurLesParametresJoueLesChoixEtLesRetrouve) {
    Application a;
    Dossier dossier(true);
    std::vector<std::string> choixAvant;
    {
        Programme prog(dossier);
        Legendes legendes;
        ASSERT_TRUE(prog.p.Main()) << (prog.dialogues.erreurs.empty() ? "" : prog.dialogues.erreurs[0]);
        // Each loading step in its caption, under the hourglass.
        std::vector<std::string> attendus;
        for (const char* suite : {"", " - chargement", " - chargement jeu", " - chargement messages", " - chargement affichage",
                                  " - chargement périphériques", " - chargement interface", " - chargement documents",
                                  " - chargement paramètres (personnages)", " - chargement paramètres (fiefs)",
                                  " - chargement paramètres (ressources)", " - chargement paramètres (bâtiments)",
                                  " - chargement paramètres (objets)", " - chargement paramètres (monstres)",
                                  " - chargement paramètres (effets visuels)", " - chargement paramètres (races)",
                                  " - chargement combats", " - chargement sauvegardes", " - chargement IAs",
                                  " - chargement fenêtres", ""})
            attendus.push_back(std::string("Morvaine") + suite);
        EXPECT_EQ(legendes.titres, attendus);
        for (std::size_t i = 1; i + 1 < legendes.sabliers.size(); ++i) EXPECT_TRUE(legendes.sabliers[i]) << legendes.titres[i];
        MDIFrmMain& f = prog.F();
        FrmParam& p = prog.P();
        ASSERT_TRUE(f.isVisible());
        EXPECT_TRUE(p.isVisible());
        EXPECT_EQ(f.windowTitle().toStdString(), "Morvaine");
        EXPECT_EQ(f.cursor().shape(), Qt::ArrowCursor);
        for (QMenu* m : {f.MenuPartie, f.MenuPersonnage, f.MenuOptions, f.MenuAide}) EXPECT_TRUE(m->menuAction()->isEnabled());
        EXPECT_FALSE(f.MenuMonde->menuAction()->isEnabled());
        essai::Photographier(f, "parametres.png");

        // Every list filled from the data set and the settings file.
        const ModMain& M = *prog.p.Jeu_Monde;
        EXPECT_EQ(p.ComboTaille->count(), 5);
        EXPECT_EQ(p.ComboTaille->itemText(1).toStdString(), "Petite");
        EXPECT_EQ(p.ComboRessources->count(), 3);
        EXPECT_EQ(p.ComboDifficulte->count(), 3);
        EXPECT_EQ(p.ComboTerrain->count(), M.Monde.NombreTypesMondes);
        EXPECT_EQ(p.ComboEpoque->count(), M.Parametres.NombreEpoques);
        ASSERT_EQ(p.ComboPeuple.size(), 8u);
        for (std::size_t i = 0; i < 8; ++i) {
            EXPECT_EQ(p.ComboPeuple[i]->count(), M.Parametres.NombrePeuples + 1);
            EXPECT_EQ(p.ComboPeuple[i]->itemText(M.Parametres.NombrePeuples).toStdString(), "Aléatoire");
            EXPECT_EQ(p.ComboEquipe[i]->count(), 8);
        }
        EXPECT_GT(p.LstObjets[0]->count(), 0);
        EXPECT_EQ(p.LstPerso->count(), 3);
        // The delivered choices: a small map, three fiefs of five.
        EXPECT_EQ(p.TabStripMonde->currentIndex(), 0);
        EXPECT_EQ(p.ComboTaille->currentIndex(), 1);
        EXPECT_EQ(p.LblLargeurCarte->text(), "48");
        EXPECT_EQ(p.LblFiefs->text(), "3");
        EXPECT_EQ(p.LblTotalVillageois->text(), "15");
        EXPECT_TRUE(p.LblNumeroFief[2]->isVisible());
        EXPECT_FALSE(p.LblNumeroFief[3]->isVisible());
        EXPECT_TRUE(p.CmdCommencer->isEnabled());

        // The player picks a medium map, then one fief less, seven
        // villagers in the first, a hero, and presses F5.
        p.ComboTaille->setFocus();
        QTest::keyClick(p.ComboTaille, Qt::Key_Down);
        EXPECT_EQ(p.LblLargeurCarte->text(), "64");
        EXPECT_EQ(p.LblFiefs->text(), "4");
        QTest::keyClick(p.SliderFiefs, Qt::Key_Left);
        EXPECT_EQ(p.LblFiefs->text(), "3");
        EXPECT_FALSE(p.LblNumeroFief[3]->isVisible());
        QTest::keyClick(p.SliderVillageois[0], Qt::Key_Right);
        QTest::keyClick(p.SliderVillageois[0], Qt::Key_Right);
        EXPECT_EQ(p.LblVillageois[0]->text(), "7");
        EXPECT_EQ(p.LblTotalVillageois->text(), "17");
        // The first character is current and taking part: the player
        // takes it out and takes Brunhilde instead.
        EXPECT_EQ(Selection(p.LstPerso), std::vector<std::string>{"Aldric"});
        ClicListe(p.LstPerso, "Aldric");
        ClicListe(p.LstPerso, "Brunhilde");
        EXPECT_EQ(p.LblNom->text(), "Brunhilde");
        EXPECT_EQ(Selection(p.LstPerso), std::vector<std::string>{"Brunhilde"});
        const std::int32_t equipe = prog.p.Jeu_Monde->SavPerso.Lire_Equipe("Brunhilde");

        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
        const Monde m = Jouer(prog, [&] { QTest::keyClick(&f, Qt::Key_F5); });
        EXPECT_EQ(m.largeur, 64);
        EXPECT_EQ(m.hauteur, 64);
        EXPECT_EQ(m.depots, 51);  // 50 deposits of a normal level, slots 0..50
        EXPECT_EQ(m.villageois, (std::vector<int>{7, 5, 5}));
        EXPECT_EQ(m.camps, (std::vector<int>{1, 2, 3}));
        EXPECT_EQ(m.joueur, "Brunhilde");
        EXPECT_TRUE(m.heros);
        EXPECT_LT(equipe, 3);
        // No script list chosen: each villager plays its race's own script.
        EXPECT_GT(m.scriptes, 0);
        EXPECT_EQ(m.scriptRace, m.scriptes);

        // Back on the setup window, with the same choices.
        FrmParam& q = prog.P();
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(f.windowTitle().toStdString(), "Morvaine");
        EXPECT_EQ(q.ComboTaille->currentIndex(), 2);
        EXPECT_EQ(q.LblFiefs->text(), "3");
        EXPECT_EQ(q.LblVillageois[0]->text(), "7");
        EXPECT_EQ(q.LblNom->text(), "Brunhilde");
        EXPECT_EQ(Selection(q.LstPerso), std::vector<std::string>{"Brunhilde"});
        EXPECT_EQ(prog.p.Jeu_Monde->Persos.size(), 1u);

        // Quitting from the menu keeps what was chosen since.
        QTest::keyClick(q.SliderFiefs, Qt::Key_Right);
        f.MenuPartieQuitter->trigger();
        EXPECT_FALSE(f.isVisible());
    }

    // The next start restores it all, and the start button plays it.
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    EXPECT_EQ(p.ComboTaille->currentIndex(), 2);
    EXPECT_EQ(p.LblFiefs->text(), "4");
    EXPECT_EQ(p.LblVillageois[0]->text(), "7");
    EXPECT_EQ(p.LblNom->text(), "Brunhilde");
    const Monde m = Jouer(prog, [&] { QTest::mouseClick(p.CmdCommencer, Qt::LeftButton); });
    EXPECT_EQ(m.largeur, 64);
    EXPECT_EQ(m.villageois, (std::vector<int>{7, 5, 5, 5}));
    EXPECT_EQ(m.joueur, "Brunhilde");
    prog.F().MenuPartieQuitter->trigger();
}

TEST(Demarrage, UnePartieQuiNePeutSeChargerRameneAuxParametres) {
    Application a;
    Dossier dossier(true);
    fs::remove_all(dossier.d.Chemin() / "Images" / "terrains");
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return prog.F().NombreParties() == 1; }, 10000));
    ASSERT_EQ(prog.dialogues.erreurs.size(), 1u);
    EXPECT_NE(prog.dialogues.erreurs[0].find("Texture du terrain"), std::string::npos) << prog.dialogues.erreurs[0];
    EXPECT_TRUE(prog.F().isVisible());
    EXPECT_TRUE(prog.P().isVisible());
    EXPECT_EQ(prog.F().windowTitle().toStdString(), "Morvaine");
    prog.F().MenuPartieQuitter->trigger();
}
