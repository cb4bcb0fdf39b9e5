// A world saved from the real engine window: the save key (Insert) pressed
// during a game writes the world, its summary and its preview; back in the
// setup window, the "Charger monde" tab lists it with its description and
// picture, and starting it plays the saved world with the items it was
// saved with. Two saves in the same minute both stay.
//
// Runs offscreen in the suite and by hand under Xvfb (QT_QPA_PLATFORM=xcb).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>

#include <set>

#include "engine/ModMain.h"
#include "platform/Texte.h"
#include "saves/FichierMonde.h"
#include "tests/windows/ProgrammeEssai.h"
#include "platform/qt/WidgetEcran.h"
#include "windows/FenetreMoteur.h"
#include "windows/FrmMoteur2D.h"

namespace fs = std::filesystem;

namespace {

// Runs the game that Demarrer starts; Pendant runs once frames are shown,
// and the game ends once Fini says so (or after 30 s).
void Jouer(essai::Programme& prog, const std::function<void()>& Demarrer, const std::function<void(FrmMoteur2D&)>& Pendant,
           const std::function<bool()>& Fini) {
    QTimer veille;
    bool fait = false;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* partie = prog.F().Partie();
        if (!partie || partie->Moteur().CompteurTrames < 3) return;
        if (!fait) {
            fait = true;
            Pendant(*partie);
        } else if (Fini()) {
            prog.p.Jeu_Monde->FinPartie = true;
        }
    });
    veille.start(10);
    QTimer::singleShot(30000, [&] { prog.p.Jeu_Monde->FinPartie = true; });
    const int avant = prog.F().NombreParties();
    Demarrer();
    veille.stop();
    EXPECT_TRUE(fait) << "la partie n'a pas tourné";
    EXPECT_TRUE(QTest::qWaitFor([&] { return prog.F().NombreParties() == avant + 1; }, 5000));
}

}  // namespace

TEST(SauvegardeFenetre, ToucheSauvegarderPuisChargerLeMonde) {
    essai::Application a;
    essai::Dossier dossier(true);
    essai::Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    const fs::path mondes = prog.p.SavMonde->Dossier_Mondes(false);
    fs::remove_all(mondes);

    // A new game; the save key pressed in the engine window.
    std::string sauve;
    int largeur = 0;
    std::size_t persos = 0;
    Jouer(
        prog, [&] { QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton); },
        [&](FrmMoteur2D& partie) {
            QWidget* zone = partie.Fenetre().Ecran();
            zone->setFocus();
            QTest::keyClick(zone, Qt::Key_Insert);
        },
        [&] {
            const auto liste = prog.p.SavMonde->Liste_Fichiers(false);
            if (liste.empty()) return false;
            const ModMain& M = *prog.p.Jeu_Monde;
            largeur = M.Monde.LargeurCarte;
            persos = M.Persos.size();
            sauve = liste[0];
            return true;
        });
    ASSERT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    ASSERT_FALSE(sauve.empty()) << "la touche n'a rien sauvegardé";
    const std::string nom = sauve.substr(0, sauve.find('.'));
    EXPECT_TRUE(fs::is_regular_file(mondes / (nom + ".txt")));
    EXPECT_TRUE(fs::is_regular_file(mondes / (nom + ".gif")));

    // The setup window lists it, with its summary and its preview.
    FrmParam& p = prog.P();
    QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(3).center());
    ASSERT_EQ(p.TabStripMonde->currentIndex(), 3);
    ASSERT_EQ(p.LstMonde->count(), 1);
    EXPECT_EQ(p.LstMonde->item(0)->text().toStdString(), nom);
    EXPECT_TRUE(p.LblDescriptionMonde->text().startsWith("Sauvegarde personnelle - Date : "))
        << p.LblDescriptionMonde->text().toStdString();
    EXPECT_FALSE(p.ImgApercu->pixmap().isNull());
    essai::Photographier(prog.F(), "sauvegarde-liste.png");
    ASSERT_TRUE(p.CmdCommencer->isEnabled());

    // Starting it plays the saved world.
    int largeurChargee = 0;
    std::size_t persosCharges = 0;
    Jouer(
        prog, [&] { QTest::mouseClick(p.CmdCommencer, Qt::LeftButton); }, [&](FrmMoteur2D&) {},
        [&] {
            largeurChargee = prog.p.Jeu_Monde->Monde.LargeurCarte;
            persosCharges = prog.p.Jeu_Monde->Persos.size();
            return true;
        });
    EXPECT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    EXPECT_EQ(largeurChargee, largeur);
    EXPECT_EQ(persosCharges, persos);
    prog.F().MenuPartieQuitter->trigger();
}

// Two presses of the save key in the same minute leave two saves, and the
// "Charger monde" tab lists both.
TEST(SauvegardeFenetre, DeuxSauvegardesDansLaMemeMinute) {
    essai::Application a;
    essai::Dossier dossier(true);
    essai::Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    const fs::path mondes = prog.p.SavMonde->Dossier_Mondes(false);
    fs::remove_all(mondes);
    int appuis = 0;
    std::int32_t trame = 0;
    Jouer(
        prog, [&] { QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton); },
        [&](FrmMoteur2D& partie) {
            QWidget* zone = partie.Fenetre().Ecran();
            zone->setFocus();
            QTest::keyClick(zone, Qt::Key_Insert);
            appuis = 1;
        },
        [&] {
            const auto liste = prog.p.SavMonde->Liste_Fichiers(false);
            FrmMoteur2D* partie = prog.F().Partie();
            if (appuis == 1 && liste.size() == 1 && partie) {
                // The second press once the first save is on disk and the
                // game has seen the key up again, as between two presses
                // of a hand.
                if (trame == 0) trame = partie->Moteur().CompteurTrames;
                if (partie->Moteur().CompteurTrames > trame + 2) {
                    QWidget* zone = partie->Fenetre().Ecran();
                    zone->setFocus();
                    QTest::keyClick(zone, Qt::Key_Insert);
                    appuis = 2;
                }
            }
            return liste.size() >= 2;
        });
    ASSERT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    const auto liste = prog.p.SavMonde->Liste_Fichiers(false);
    ASSERT_EQ(liste.size(), 2u);
    FrmParam& p = prog.P();
    QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(3).center());
    ASSERT_EQ(p.TabStripMonde->currentIndex(), 3);
    EXPECT_EQ(essai::Textes(p.LstMonde),
              (std::vector<std::string>{liste[0].substr(0, liste[0].find('.')), liste[1].substr(0, liste[1].find('.'))}));
    prog.F().MenuPartieQuitter->trigger();
}

// A world saved with the save key after 400 ticks and started again from
// "Charger monde" carries exactly the items it was saved with: only the
// characters of a new world receive their race's equipment at the start.
TEST(SauvegardeFenetre, MondeRechargeAvecSesObjets) {
    essai::Application a;
    essai::Dossier dossier(true);
    essai::Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    const fs::path mondes = prog.p.SavMonde->Dossier_Mondes(false);
    fs::remove_all(mondes);

    // Played fast up to 400 ticks, then saved.
    prog.p.Jeu->Definir_Vitesse(1000);
    bool appuye = false;
    Jouer(
        prog, [&] { QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton); }, [](FrmMoteur2D&) {},
        [&] {
            FrmMoteur2D* partie = prog.F().Partie();
            if (!appuye) {
                if (!partie || partie->Moteur().CompteurTours < 400) return false;
                QWidget* zone = partie->Fenetre().Ecran();
                zone->setFocus();
                QTest::keyClick(zone, Qt::Key_Insert);
                appuye = true;
            }
            return !prog.p.SavMonde->Liste_Fichiers(false).empty();
        });
    ASSERT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    const auto liste = prog.p.SavMonde->Liste_Fichiers(false);
    ASSERT_EQ(liste.size(), 1u) << "la touche n'a rien sauvegardé";

    // The world as its file holds it.
    DossierJeu jeuFichier(dossier.d.Chemin());
    ModMain fichier(jeuFichier);
    fichier.Charger_Parametres();
    Lire_Fichier_Monde(fichier, mondes / liste[0]);
    std::size_t objets = 0;
    for (const ClsJeuPerso& perso : fichier.Persos)
        for (std::int16_t k = 0; k < perso.Nombre_Objets_Inventaire(); ++k) objets += perso.Objet_Inventaire_Actif(k);
    EXPECT_GT(objets, 0u) << "personne ne porte rien : l'essai ne prouve rien";

    // Started again from the tab, slowly enough that its first tick comes
    // after the first look at it.
    prog.p.Jeu->Definir_Vitesse(1);
    FrmParam& p = prog.P();
    QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(3).center());
    ASSERT_EQ(p.LstMonde->count(), 1);
    QTest::mouseClick(p.LstMonde->viewport(), Qt::LeftButton, Qt::NoModifier,
                      p.LstMonde->visualItemRect(p.LstMonde->item(0)).center());
    using Emplacement = std::pair<bool, std::int16_t>;
    auto releve = [](const ClsJeuPerso& perso) {
        std::vector<Emplacement> e;
        for (std::int16_t k = 0; k < perso.Nombre_Objets_Equipes(); ++k)
            e.emplace_back(perso.Objet_Equipes_Actif(k), perso.Objet_Equipes_Actif(k) ? perso.Objet_Equipes_Type(k) : 0);
        for (std::int16_t k = 0; k < perso.Nombre_Objets_Inventaire(); ++k)
            e.emplace_back(perso.Objet_Inventaire_Actif(k),
                           perso.Objet_Inventaire_Actif(k) ? perso.Objet_Inventaire_Type(k) : 0);
        return e;
    };
    std::vector<std::vector<Emplacement>> charges;
    std::vector<bool> heros;
    std::int32_t tours = -1;
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        FrmMoteur2D* partie = prog.F().Partie();
        if (!partie || !partie->Moteur().PartieLancee || tours >= 0) return;
        tours = partie->Moteur().CompteurTours;
        for (const ClsJeuPerso& perso : prog.p.Jeu_Monde->Persos) {
            charges.push_back(releve(perso));
            heros.push_back(perso.PersoFichier > 0);
        }
        prog.p.Jeu_Monde->FinPartie = true;
    });
    veille.start(1);
    QTimer::singleShot(30000, [&] { prog.p.Jeu_Monde->FinPartie = true; });
    QTest::mouseClick(p.CmdCommencer, Qt::LeftButton);
    veille.stop();
    EXPECT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    ASSERT_EQ(tours, 0) << "la partie a joué avant d'être relevée";
    ASSERT_EQ(charges.size(), fichier.Persos.size());
    // A hero of the setup takes a villager's place with its own bag.
    for (std::size_t i = 0; i < charges.size(); ++i) {
        if (!heros[i]) {
            EXPECT_EQ(charges[i], releve(fichier.Persos[i])) << "personnage " << i;
        }
    }
    prog.F().MenuPartieQuitter->trigger();
}

// Each scenario of the game folder, chosen in the "Charger scénario" tab
// with its description and preview, starts a game.
TEST(SauvegardeFenetre, ChaqueScenarioDemarreDepuisLaFenetre) {
    essai::Application a;
    essai::Dossier dossier(true);
    essai::Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(2).center());
    ASSERT_EQ(p.TabStripMonde->currentIndex(), 2);
    const int n = p.LstMonde->count();
    ASSERT_GE(n, 3);
    for (int i = 0; i < n; ++i) {
        FrmParam& q = prog.P();
        QTest::mouseClick(q.TabStripMonde, Qt::LeftButton, Qt::NoModifier, q.TabStripMonde->tabRect(2).center());
        const QRect r = q.LstMonde->visualItemRect(q.LstMonde->item(i));
        QTest::mouseClick(q.LstMonde->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
        SCOPED_TRACE(q.LstMonde->item(i)->text().toStdString());
        EXPECT_FALSE(q.LblDescriptionMonde->text().isEmpty());
        EXPECT_FALSE(q.ImgApercu->pixmap().isNull());
        essai::Photographier(prog.F(), ("scenario-" + std::to_string(i) + ".png").c_str());
        std::size_t fiefs = 0;
        Jouer(
            prog, [&] { QTest::mouseClick(q.CmdCommencer, Qt::LeftButton); }, [&](FrmMoteur2D&) {},
            [&] {
                fiefs = prog.p.Jeu_Monde->Fiefs.size();
                return true;
            });
        EXPECT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
        EXPECT_GE(fiefs, 2u);
    }
    prog.F().MenuPartieQuitter->trigger();
}

// A scenario crowding the most fiefs a scenario holds (64) onto a small
// map, chosen with the mouse and started: the castles find 64 distinct
// sites without the setup hanging on them, and the game runs.
TEST(SauvegardeFenetre, ScenarioDeSoixanteQuatreFiefsDemarre) {
    essai::Application a;
    essai::Dossier dossier(true);
    const fs::path scenarios = dossier.d.Chemin() / "Sauvegardes" / "Scenarios";
    ASSERT_TRUE(EcrireFichierAtomique(scenarios / "Soixante-quatre fiefs.snr",
                       "monde_largeur=28\nmonde_hauteur=28\nnombre_fiefs=64\nnombre_persos=64\n"
                       "nombre_ressources=10\nfief(1)_equipe=1\nfief(2)_equipe=2\ndebut\ndebut\n"
                                      "perso(1-32)_fief=1\nperso(33-64)_fief=2\nfin\n"));
    ASSERT_TRUE(EcrireFichierAtomique(scenarios / "Soixante-quatre fiefs.txt", "Soixante-quatre chateaux sur une petite carte."));
    essai::Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    QTest::mouseClick(p.TabStripMonde, Qt::LeftButton, Qt::NoModifier, p.TabStripMonde->tabRect(2).center());
    const auto trouves = p.LstMonde->findItems("Soixante-quatre fiefs", Qt::MatchExactly);
    ASSERT_EQ(trouves.size(), 1);
    QTest::mouseClick(p.LstMonde->viewport(), Qt::LeftButton, Qt::NoModifier,
                      p.LstMonde->visualItemRect(trouves[0]).center());
    EXPECT_EQ(p.LblDescriptionMonde->text().toStdString(), "Soixante-quatre chateaux sur une petite carte.");
    std::set<std::pair<std::int32_t, std::int32_t>> sites;
    Jouer(
        prog, [&] { QTest::mouseClick(p.CmdCommencer, Qt::LeftButton); },
        [&](FrmMoteur2D& partie) { essai::Photographier(*partie.Fenetre().Ecran(), "scenario-64-fiefs.png"); },
        [&] {
            for (const ClsJeuBatiment& c : prog.p.Jeu_Monde->Chateaux) sites.insert({c.X, c.Y});
            return true;
        });
    EXPECT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    EXPECT_EQ(sites.size(), 64u);
    prog.F().MenuPartieQuitter->trigger();
}
