// The heroes of the setup window, worked as a player works them: typing a
// name and reading the check's verdict, creating, generating, deleting,
// choosing a hero's team, looks, script and starting items, the sheet's
// display modes and the best-hero items of the character menu; a bad hero
// file is told and skipped, now and at the next start.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/ModMain.h"
#include "platform/qt/EntreesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "windows/FenetreMoteur.h"
#include "windows/FrmMoteur2D.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "saves/ModSAVMonde.h"
#include "tests/windows/ProgrammeEssai.h"

namespace fs = std::filesystem;
using essai::Application;
using essai::Dossier;
using essai::Programme;
using essai::Textes;

namespace {

std::vector<std::string> Choisis(QListWidget* l) {
    std::vector<std::string> t;
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->isSelected()) t.push_back(l->item(i)->text().toStdString());
    return t;
}

int Ligne(QListWidget* l, const std::string& texte) {
    for (int i = 0; i < l->count(); ++i)
        if (l->item(i)->text().toStdString() == texte) return i;
    return -1;
}

void Clic(QListWidget* liste, int ligne) {
    ASSERT_GE(ligne, 0);
    liste->scrollToItem(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, Qt::NoModifier, liste->visualItemRect(liste->item(ligne)).center());
}

void Onglet(QTabBar* t, int i) { QTest::mouseClick(t, Qt::LeftButton, Qt::NoModifier, t->tabRect(i).center()); }

// Where every control the player can click stands in the window.
std::map<const QWidget*, QRect> Places(FrmParam& p) {
    std::map<const QWidget*, QRect> r;
    for (const QWidget* w : p.findChildren<QWidget*>())
        if (w->isVisible() && (qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
                               qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
                               qobject_cast<const QAbstractScrollArea*>(w)))
            r[w] = QRect(w->mapTo(&p, QPoint(0, 0)), w->size());
    return r;
}

// The places once the window has settled: a round of events moves nothing
// more (the window may still be taking its size on the screen).
std::map<const QWidget*, QRect> PlacesStables(FrmParam& p) {
    auto places = Places(p);
    // A window that never settles is caught by the comparisons after.
    static_cast<void>(QTest::qWaitFor(
        [&] {
            QApplication::processEvents();
            auto maintenant = Places(p);
            const bool stable = maintenant == places;
            places = std::move(maintenant);
            return stable;
        },
        5000));
    return places;
}

// Clicks the entries of the roster so that exactly these are selected, the
// last one clicked being the current one.
void Choisir(FrmParam& p, const std::vector<std::string>& noms) {
    for (const std::string& n : Choisis(p.LstPerso))
        if (std::find(noms.begin(), noms.end(), n) == noms.end()) Clic(p.LstPerso, Ligne(p.LstPerso, n));
    for (const std::string& n : noms) {
        const int i = Ligne(p.LstPerso, n);
        ASSERT_GE(i, 0) << n;
        if (p.LstPerso->item(i)->isSelected()) Clic(p.LstPerso, i);  // off, then on: it becomes current
        Clic(p.LstPerso, i);
    }
}

// The name box emptied with the keyboard, then typed into.
void Taper(FrmParam& p, const QString& texte) {
    p.TxtNomPerso->setFocus();
    QTest::keyClick(p.TxtNomPerso, Qt::Key_End);
    while (!p.TxtNomPerso->text().isEmpty()) QTest::keyClick(p.TxtNomPerso, Qt::Key_Backspace);
    for (const QChar c : texte) {
        // Letters beyond ASCII come as text with no key code, as an input
        // method gives them.
        if (c.unicode() < 0x80) QTest::keyClick(p.TxtNomPerso, c.toLatin1());
        else QTest::sendKeyEvent(QTest::Click, p.TxtNomPerso, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

std::set<std::string> Fichiers_Persos(const Dossier& d) {
    std::set<std::string> noms;
    for (const auto& e : fs::directory_iterator(d.d.Chemin() / "Sauvegardes" / "Personnages"))
        noms.insert(e.path().stem().string());
    return noms;
}

}  // namespace

TEST(FrmParamPerso, NomVerifieCreationRaceEtSexe) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    // Heroes exist: the window opens on the loaded heroes.
    EXPECT_EQ(p.TabStripPersonnage->currentIndex(), 1);
    EXPECT_TRUE(p.FrameChargerPersonnage->isVisible());
    Onglet(p.TabStripPersonnage, 0);
    ASSERT_TRUE(p.FrameNouveauPersonnage->isVisible());
    EXPECT_FALSE(p.FrameChargerPersonnage->isVisible());

    struct Cas {
        QString tape;
        std::string message;
    };
    const std::string incorrect = "Ce nom comporte un caractère incorrect";
    const std::vector<Cas> cas = {
        {"", "Entrez un nom"},
        {"   ", "Entrez un nom"},
        {"St. Clair", incorrect},
        {"a/b", incorrect},
        {"a\\b", incorrect},
        {"Qui?", incorrect},
        {"a:b", incorrect},
        {"<b>", incorrect},
        {"\"x\"", incorrect},
        {"a|b", incorrect},
        {"a*", incorrect},
        {"aldric", "Un autre personnage possède déjà ce nom"},
        {"  ELOWEN ", "Un autre personnage possède déjà ce nom"},
        {QString(31, 'x'), "Ce nom est trop long (30 caractères au plus)"},
        {QString(30, 'x'), ""},
        {"Jean-Luc", ""},
        {QString::fromUtf8("Éléonore"), ""},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.tape.toStdString());
        Taper(p, c.tape);
        EXPECT_EQ(p.LblErreurNom->text().toStdString(), c.message);
        EXPECT_EQ(p.CmdCreerPerso->isEnabled(), c.message.empty());
    }
    // A control character pasted into the name.
    Taper(p, "Jean");
    p.TxtNomPerso->insert(QString("\tLuc"));
    EXPECT_EQ(p.LblErreurNom->text().toStdString(), incorrect);
    EXPECT_FALSE(p.CmdCreerPerso->isEnabled());

    // A race restricted to one sex imposes the other.
    const int sylphide = Ligne(p.LstRaces, "Sylphide");
    Clic(p.LstRaces, sylphide);
    EXPECT_FALSE(p.OptionSexe[0]->isEnabled());
    EXPECT_FALSE(p.OptionSexe[1]->isEnabled());
    EXPECT_TRUE(p.OptionSexe[1]->isChecked());
    EXPECT_TRUE(p.LblRestictionSexe->isVisible());
    EXPECT_FALSE(p.TxtRaceDecription->toPlainText().isEmpty());
    const int nain = Ligne(p.LstRaces, "Nain");
    Clic(p.LstRaces, nain);
    EXPECT_TRUE(p.OptionSexe[0]->isEnabled());
    EXPECT_FALSE(p.LblRestictionSexe->isVisible());
    QTest::mouseClick(p.OptionSexe[0], Qt::LeftButton, Qt::NoModifier, QPoint(6, p.OptionSexe[0]->height() / 2));
    EXPECT_TRUE(p.OptionSexe[0]->isChecked());
    Taper(p, "Jean-Luc");
    essai::Photographier(prog.F(), "nouveau.png");

    // Created with its name trimmed, as a dwarf, male, with the default
    // script; it joins the roster selected and shown, on its treasures.
    Taper(p, "  Jean-Luc ");
    ASSERT_TRUE(p.CmdCreerPerso->isEnabled());
    QTest::mouseClick(p.CmdCreerPerso, Qt::LeftButton);
    ASSERT_TRUE(fs::exists(dossier.d.Chemin() / "Sauvegardes" / "Personnages" / "Jean-Luc.per"));
    const std::string fichier = dossier.d.Lire("Sauvegardes/Personnages/Jean-Luc.per");
    EXPECT_NE(fichier.find("Sexe=Masculin"), std::string::npos);
    EXPECT_NE(fichier.find("FichierIA=_Defaut"), std::string::npos);
    EXPECT_NE(fichier.find("Race=1"), std::string::npos);
    EXPECT_EQ(p.LstPerso->currentItem()->text(), "Jean-Luc");
    EXPECT_TRUE(p.LstPerso->currentItem()->isSelected());
    EXPECT_EQ(p.LblNom->text(), "Jean-Luc");
    EXPECT_EQ(p.LblRace->text(), "Nain");
    EXPECT_EQ(p.LblSexe->text(), "Masculin");
    EXPECT_EQ(p.TabStripPersonnage->currentIndex(), 1);
    EXPECT_EQ(p.TabStripCompBest->currentIndex(), 2);
    EXPECT_TRUE(p.LstTalents->isVisible());
    EXPECT_EQ(p.TxtNomPerso->text(), "");
    EXPECT_EQ(p.LblErreurNom->text(), "Entrez un nom");
    EXPECT_TRUE(p.CmdSupprimerPerso->isEnabled());
    // The items that cost nothing are listed without a price and ticked.
    const ClsJeuParam& P = prog.p.Jeu_Monde->Parametres;
    ASSERT_EQ(p.LstTalents->count(), P.Race_NombreObjets(1));
    int gratuits = 0;
    for (int i = 0; i < p.LstTalents->count(); ++i) {
        const std::int32_t prix = P.Objet_PrixTalents(P.Race_Objet(1, i));
        SCOPED_TRACE(p.LstTalents->item(i)->text().toStdString());
        EXPECT_EQ(p.LstTalents->item(i)->text().endsWith(")"), prix >= 1);
        if (prix < 1) {
            ++gratuits;
            EXPECT_TRUE(p.LstTalents->item(i)->isSelected());
        }
    }
    EXPECT_GT(gratuits, 0);
    EXPECT_NE(dossier.d.Lire("Sauvegardes/Personnages/Jean-Luc.per").find("[Talents]"), std::string::npos);

    // The name is taken now, whatever its letter case.
    Onglet(p.TabStripPersonnage, 0);
    Taper(p, "JEAN-LUC");
    EXPECT_EQ(p.LblErreurNom->text().toStdString(), "Un autre personnage possède déjà ce nom");
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, GenerationSuppression) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    const ClsJeuParam& P = prog.p.Jeu_Monde->Parametres;
    Onglet(p.TabStripPersonnage, 0);
    const std::set<std::string> avant = Fichiers_Persos(dossier);

    std::set<std::string> listes;
    for (const char* f : {"Ini_NomsM.ini", "Ini_NomsF.ini"}) {
        const std::string texte = dossier.d.Lire(f);
        std::size_t debut = 0;
        while (debut < texte.size()) {
            std::size_t fin = texte.find('\n', debut);
            std::string l = texte.substr(debut, fin - debut);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            if (!l.empty()) listes.insert(l);
            debut = fin == std::string::npos ? texte.size() : fin + 1;
        }
    }
    EXPECT_GE(listes.size(), 70u);

    // Ten, then fifty: each a new file named from the lists, of a playable
    // race.
    QTest::mouseClick(p.CmdGenererPersos[1], Qt::LeftButton);
    std::set<std::string> apres = Fichiers_Persos(dossier);
    ASSERT_EQ(apres.size(), avant.size() + 10);
    Onglet(p.TabStripPersonnage, 0);
    QTest::mouseClick(p.CmdGenererPersos[2], Qt::LeftButton);
    apres = Fichiers_Persos(dossier);
    ASSERT_EQ(apres.size(), avant.size() + 60);
    std::set<std::int32_t> races;
    for (const std::string& n : apres) {
        if (avant.count(n)) continue;
        EXPECT_TRUE(listes.count(n)) << n;
        ClsJeuPerso lu(prog.p.Jeu_Monde.get());
        lu.Init(0, P);
        prog.p.Jeu_Monde->SavPerso.Charger_Perso(n, lu);
        EXPECT_TRUE(P.Race_Jouable(lu.Race)) << n;
        EXPECT_FALSE(lu.Sexe && P.Race_RestrictionSexe(lu.Race, true)) << n;
        EXPECT_FALSE(!lu.Sexe && P.Race_RestrictionSexe(lu.Race, false)) << n;
        races.insert(lu.Race);
    }
    EXPECT_GT(races.size(), 1u);
    EXPECT_EQ(static_cast<std::size_t>(p.LstPerso->count()), apres.size());

    // Only three names left unused: fifty asked, three made, and it stops.
    dossier.d.Ecrire("Ini_NomsM.ini", "Aldric\nBaudouin\n\nGodefroy\n");
    dossier.d.Ecrire("Ini_NomsF.ini", "Elowen\r\nBrunhilde\r\nIrmine\r\n");
    for (const char* pris : {"Baudouin", "Godefroy", "Irmine"})
        if (apres.count(pris)) fs::remove(dossier.d.Chemin() / "Sauvegardes" / "Personnages" / (std::string(pris) + ".per"));
    p.Actualiser_Liste_Persos();
    const std::size_t n = Fichiers_Persos(dossier).size();
    Onglet(p.TabStripPersonnage, 0);
    QTest::mouseClick(p.CmdGenererPersos[2], Qt::LeftButton);
    EXPECT_EQ(Fichiers_Persos(dossier).size(), n + 3);
    for (const char* nouveau : {"Baudouin", "Godefroy", "Irmine"}) EXPECT_TRUE(Fichiers_Persos(dossier).count(nouveau));
    // No name file at all: nothing made, nothing asked.
    fs::remove(dossier.d.Chemin() / "Ini_NomsM.ini");
    fs::remove(dossier.d.Chemin() / "Ini_NomsF.ini");
    QTest::mouseClick(p.CmdGenererPersos[0], Qt::LeftButton);
    EXPECT_EQ(Fichiers_Persos(dossier).size(), n + 3);
    EXPECT_TRUE(prog.dialogues.erreurs.empty());

    // Deleting: one hero asks by its name; Cancel keeps it.
    Onglet(p.TabStripPersonnage, 1);
    Choisir(p, {"Irmine"});
    ASSERT_FALSE(p.LblNombrePersos->isVisible());
    prog.dialogues.oui = false;
    QTest::mouseClick(p.CmdSupprimerPerso, Qt::LeftButton);
    EXPECT_EQ(prog.dialogues.questions.back(), "Etes-vous sûr de vouloir effacer Irmine ?");
    EXPECT_TRUE(Fichiers_Persos(dossier).count("Irmine"));
    prog.dialogues.oui = true;
    QTest::mouseClick(p.CmdSupprimerPerso, Qt::LeftButton);
    EXPECT_FALSE(Fichiers_Persos(dossier).count("Irmine"));
    EXPECT_EQ(Ligne(p.LstPerso, "Irmine"), -1);
    EXPECT_EQ(p.LstPerso->currentRow(), 0);
    EXPECT_TRUE(p.LstPerso->item(0)->isSelected());

    // Several: one question for all; a file already gone is no error.
    Choisir(p, {"Baudouin", "Godefroy"});
    EXPECT_TRUE(p.LblNombrePersos->isVisible());
    EXPECT_EQ(p.LblNombrePersos->text(), "2 personnages");
    fs::remove(dossier.d.Chemin() / "Sauvegardes" / "Personnages" / "Godefroy.per");
    QTest::mouseClick(p.CmdSupprimerPerso, Qt::LeftButton);
    EXPECT_EQ(prog.dialogues.questions.back(), "Etes-vous sûr de vouloir effacer les personnages sélectionés  ?");
    EXPECT_FALSE(Fichiers_Persos(dossier).count("Baudouin"));
    EXPECT_TRUE(prog.dialogues.erreurs.empty());

    // Everyone, through the character menu: the button goes grey, the page
    // of new heroes comes back.
    prog.F().MenuPersonnageSelectionnerTous->trigger();
    EXPECT_EQ(Choisis(p.LstPerso).size(), static_cast<std::size_t>(p.LstPerso->count()));
    prog.F().MenuPersonnageSupprimer->trigger();
    EXPECT_TRUE(Fichiers_Persos(dossier).empty());
    EXPECT_EQ(p.LstPerso->count(), 0);
    EXPECT_FALSE(p.CmdSupprimerPerso->isEnabled());
    EXPECT_EQ(p.TabStripPersonnage->currentIndex(), 0);
    EXPECT_FALSE(p.CmdCommencer->isEnabled());
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, EquipeApparenceIATresorsEnregistres) {
    Application a;
    Dossier dossier(true);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    Choisir(p, {"Brunhilde"});
    ASSERT_EQ(p.LblNom->text(), "Brunhilde");
    const std::string aldric = dossier.d.Lire("Sauvegardes/Personnages/Aldric.per");

    // Team 3, by the keyboard.
    p.ComboEquipePerso->setFocus();
    const int equipe = p.ComboEquipePerso->currentIndex();
    QTest::keyClick(p.ComboEquipePerso, Qt::Key_Down);
    EXPECT_EQ(prog.p.Jeu_Monde->SavPerso.Lire_Equipe("Brunhilde"), equipe + 1);

    // The looks: another picture of the race, shown in the preview.
    Onglet(p.TabStripFichiers, 0);
    ASSERT_TRUE(p.FileApparence->isVisible());
    ASSERT_GE(p.FileApparence->count(), 2);
    if (p.CheckApparence->isEnabled() && !p.CheckApparence->isChecked())
        QTest::mouseClick(p.CheckApparence, Qt::LeftButton, Qt::NoModifier, QPoint(6, p.CheckApparence->height() / 2));
    const std::string image = p.FileApparence->item(1)->text().toStdString();
    Clic(p.FileApparence, 1);
    EXPECT_TRUE(p.ImgApparence->isVisible());
    ASSERT_FALSE(p.ImgApparence->pixmap().isNull());
    EXPECT_NE(dossier.d.Lire("Sauvegardes/Personnages/Brunhilde.per").find("FichierApparence=" + image), std::string::npos);
    // The preview walks: another frame a tick later.
    const QImage avant = p.ImgApparence->pixmap().toImage();
    p.TimerApparence_Timer();
    EXPECT_NE(p.ImgApparence->pixmap().toImage(), avant);

    // The script.
    Onglet(p.TabStripFichiers, 1);
    ASSERT_TRUE(p.FileIA->isVisible());
    EXPECT_FALSE(p.FileApparence->isVisible());
    Clic(p.FileIA, Ligne(p.FileIA, "Soldat.ia"));
    EXPECT_NE(dossier.d.Lire("Sauvegardes/Personnages/Brunhilde.per").find("FichierIA=Soldat.ia"), std::string::npos);

    // Treasures: every priced item clicked in turn; what does not fit in the
    // fortune is taken back, the first refusal told by its name.
    Onglet(p.TabStripCompBest, 2);
    ASSERT_TRUE(p.LstTalents->isVisible());
    ASSERT_EQ(p.LstPointsTalents->count(), 2);
    const std::string total = p.LstPointsTalents->item(0)->text().toStdString();
    ASSERT_EQ(total.rfind("Fortune totale : ", 0), 0u);
    const int fortune = std::stoi(total.substr(17));
    auto prix = [&](int i) {
        const QString t = p.LstTalents->item(i)->text();
        return t.endsWith(")") ? t.mid(t.lastIndexOf('(') + 1).chopped(1).toInt() : 0;
    };
    int reste = fortune;
    std::string premierRefus;
    for (int i = 0; i < p.LstTalents->count(); ++i) {
        if (p.LstTalents->item(i)->isSelected()) reste -= prix(i);
    }
    for (int i = 0; i < p.LstTalents->count(); ++i) {
        if (p.LstTalents->item(i)->isSelected() || prix(i) < 1) continue;
        prog.dialogues.messages.clear();
        Clic(p.LstTalents, i);
        if (prix(i) <= reste) {
            reste -= prix(i);
            EXPECT_TRUE(p.LstTalents->item(i)->isSelected());
            EXPECT_TRUE(prog.dialogues.messages.empty());
        } else {
            EXPECT_FALSE(p.LstTalents->item(i)->isSelected());
            ASSERT_EQ(prog.dialogues.messages.size(), 1u);
            EXPECT_EQ(prog.dialogues.messages[0].rfind("Vous ne disposez pas d'assez de fortune pour : ", 0), 0u);
            if (premierRefus.empty()) premierRefus = p.LstTalents->item(i)->text().toStdString();
        }
        EXPECT_EQ(p.LstPointsTalents->item(1)->text().toStdString(), "Points restants : " + std::to_string(reste));
    }
    EXPECT_GE(reste, 0);
    const std::vector<std::string> tresors = Choisis(p.LstTalents);
    // Back on the hero later: the same choices, read from its file.
    Choisir(p, {"Elowen"});
    Choisir(p, {"Brunhilde"});
    Onglet(p.TabStripCompBest, 1);
    Onglet(p.TabStripCompBest, 2);
    EXPECT_EQ(Choisis(p.LstTalents), tresors);
    EXPECT_EQ(p.ComboEquipePerso->currentIndex(), equipe + 1);
    EXPECT_EQ(p.FileApparence->currentItem()->text().toStdString(), image);
    // Nothing of this went into another hero's file.
    EXPECT_EQ(dossier.d.Lire("Sauvegardes/Personnages/Aldric.per"), aldric);

    // Choices beyond the fortune found in the file (a fortune of 2 here):
    // in one pass the first that does not fit is told, the later ones
    // taken back silently, and the file corrected.
    ASSERT_EQ(fortune, 2);
    {
        ClsFicINI ini(prog.p.Dossier);
        ini.NomFichier = "\\Sauvegardes\\Personnages\\Brunhilde";
        ini.Extension = ".per";
        ini.Section = "Talents";
        for (const char* cle : {"Tresor1", "Tresor2", "Tresor3", "Tresor4"}) ini.Parametre(cle, "1");
        ini.Parametre("Tresor5", "0");
    }
    Choisir(p, {"Elowen"});
    prog.dialogues.messages.clear();
    Choisir(p, {"Brunhilde"});
    ASSERT_EQ(p.LstTalents->item(1)->text().toStdString(), "Casque de fer (2)");
    EXPECT_EQ(prog.dialogues.messages, std::vector<std::string>{"Vous ne disposez pas d'assez de fortune pour : Ceinture de portefaix"});
    EXPECT_TRUE(p.LstTalents->item(0)->isSelected());
    EXPECT_TRUE(p.LstTalents->item(1)->isSelected());
    EXPECT_FALSE(p.LstTalents->item(2)->isSelected());
    EXPECT_FALSE(p.LstTalents->item(3)->isSelected());
    EXPECT_EQ(p.LstPointsTalents->item(0)->text().toStdString(), "Fortune totale : 2");
    EXPECT_EQ(p.LstPointsTalents->item(1)->text().toStdString(), "Points restants : 0");
    const std::string brunhilde = dossier.d.Lire("Sauvegardes/Personnages/Brunhilde.per");
    EXPECT_NE(brunhilde.find("Tresor2=1"), std::string::npos);
    EXPECT_NE(brunhilde.find("Tresor3=0"), std::string::npos);
    EXPECT_NE(brunhilde.find("Tresor4=0"), std::string::npos);
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, FicheModesEtMeilleurPersonnage) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    MDIFrmMain& f = prog.F();
    Choisir(p, {"Aldric"});
    ClsJeuPerso lu(prog.p.Jeu_Monde.get());
    lu.Init(0, prog.p.Jeu_Monde->Parametres);
    prog.p.Jeu_Monde->SavPerso.Charger_Perso("Aldric", lu);

    f.MenuPersonnageCompetencesAffichage[0]->trigger();
    EXPECT_EQ(p.LblVie->text().toStdString(), TexteNombreFrancais(lu.Definir_MaxVie()));
    EXPECT_EQ(p.LblDefense->text().toStdString(), TexteNombreFrancais(lu.Definir_MaxDefense()));
    f.MenuPersonnageCompetencesAffichage[1]->trigger();
    EXPECT_TRUE(f.MenuPersonnageCompetencesAffichage[1]->isChecked());
    EXPECT_FALSE(f.MenuPersonnageCompetencesAffichage[0]->isChecked());
    EXPECT_EQ(p.LblVie->text(), QString::number(lu.NiveauVie + 1));
    EXPECT_EQ(p.LblAttaque->text(), QString::number(lu.NiveauAttaque + 1));
    // Experience: attack and defence in twentieths.
    f.MenuPersonnageCompetencesAffichage[2]->trigger();
    EXPECT_EQ(p.LblVie->text().toStdString(), "45,5");
    EXPECT_EQ(p.LblMagie->text().toStdString(), "12,25");
    EXPECT_EQ(p.LblAttaque->text(), "45");
    EXPECT_EQ(p.LblDefense->text(), "15");

    // The competences with their summary, in the mode chosen.
    Onglet(p.TabStripCompBest, 0);
    const std::vector<std::string> experience = Textes(p.LstCompetences);
    ASSERT_GE(experience.size(), 5u);
    EXPECT_EQ(experience[experience.size() - 4], "----------------------------------------------------");
    EXPECT_EQ(experience[experience.size() - 3].rfind("Minimum : ", 0), 0u);
    EXPECT_EQ(experience[experience.size() - 2].rfind("Moyenne : ", 0), 0u);
    EXPECT_EQ(experience.back().rfind("Maximum : ", 0), 0u);
    EXPECT_NE(std::find(experience.begin(), experience.end(), prog.p.Jeu_Monde->Parametres.Speciales_NomCompetences(0) + " : 40"),
              experience.end());
    f.MenuPersonnageCompetencesAffichage[1]->trigger();
    EXPECT_NE(Textes(p.LstCompetences), experience);
    const std::size_t visibles = Textes(p.LstCompetences).size();
    f.MenuPersonnageCompetencesAfficherToutes->trigger();
    EXPECT_GT(Textes(p.LstCompetences).size(), visibles);
    f.MenuPersonnageCompetencesAfficherToutes->trigger();
    EXPECT_EQ(Textes(p.LstCompetences).size(), visibles);

    // The best by level: chosen alone, shown on the sheet, and the sheet's
    // edits go into its file only.
    std::string meilleur;
    double niveau = 0;
    for (const std::string& n : Textes(p.LstPerso)) {
        ClsJeuPerso c(prog.p.Jeu_Monde.get());
        c.Init(0, prog.p.Jeu_Monde->Parametres);
        prog.p.Jeu_Monde->SavPerso.Charger_Perso(n, c);
        if (c.Niveau() > niveau) {
            niveau = c.Niveau();
            meilleur = n;
        }
    }
    ASSERT_FALSE(meilleur.empty());
    Choisir(p, {"Aldric", "Brunhilde", "Elowen"});
    Choisir(p, meilleur == "Elowen" ? std::vector<std::string>{"Aldric"} : std::vector<std::string>{"Elowen"});
    f.MenuPersonnageSelectionMeilleur[0]->trigger();
    EXPECT_EQ(Choisis(p.LstPerso), std::vector<std::string>{meilleur});
    EXPECT_EQ(p.LblNom->text().toStdString(), meilleur);
    std::map<std::string, std::string> fichiers;
    for (const std::string& n : Textes(p.LstPerso)) fichiers[n] = dossier.d.Lire("Sauvegardes/Personnages/" + n + ".per");
    p.ComboEquipePerso->setFocus();
    QTest::keyClick(p.ComboEquipePerso, Qt::Key_Down);
    for (const std::string& n : Textes(p.LstPerso))
        EXPECT_EQ(dossier.d.Lire("Sauvegardes/Personnages/" + n + ".per") != fichiers[n], n == meilleur) << n;

    // No kills anywhere: no one is the best killer, and the sheet then
    // writes into no file at all.
    for (const std::string& n : Textes(p.LstPerso)) {
        std::string t = dossier.d.Lire("Sauvegardes/Personnages/" + n + ".per");
        for (std::size_t k = t.find("Bestiaire"); k != std::string::npos; k = t.find("Bestiaire", k + 1)) {
            const std::size_t egal = t.find('=', k), fin = t.find('\n', k);
            if (egal < fin) t.replace(egal + 1, fin - egal - 1 - (t[fin - 1] == '\r'), "0");
        }
        dossier.d.Ecrire("Sauvegardes/Personnages/" + n + ".per", t);
        fichiers[n] = t;
    }
    f.MenuPersonnageSelectionMeilleur[2]->trigger();
    EXPECT_TRUE(Choisis(p.LstPerso).empty());
    EXPECT_EQ(p.Fichier_Affiche(), "");
    p.ComboEquipePerso->setFocus();
    QTest::keyClick(p.ComboEquipePerso, Qt::Key_Down);
    for (const std::string& n : Textes(p.LstPerso)) EXPECT_EQ(dossier.d.Lire("Sauvegardes/Personnages/" + n + ".per"), fichiers[n]);
    EXPECT_FALSE(fs::exists(dossier.d.Chemin() / "Sauvegardes" / "Personnages" / ".per"));
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, FichierInvalideSignaleEtEcarte) {
    Application a;
    Dossier dossier(false);
    dossier.d.Ecrire("Sauvegardes/Personnages/Zorro.per", "[Personnage]\nSexe=Masculin\nRace=999\nVie=beaucoup\n");
    {
        Programme prog(dossier);
        ASSERT_TRUE(prog.p.Main());
        FrmParam& p = prog.P();
        ASSERT_GE(Ligne(p.LstPerso, "Zorro"), 0);
        Choisir(p, {"Zorro"});
        ASSERT_EQ(prog.dialogues.erreurs.size(), 1u);
        EXPECT_NE(prog.dialogues.erreurs[0].find("Zorro"), std::string::npos);
        EXPECT_TRUE(Choisis(p.LstPerso).empty());
        EXPECT_EQ(p.Fichier_Affiche(), "");
        // The roster's cursor stays on it, as the player left it.
        prog.F().MenuPartieQuitter->trigger();
    }
    // Next start: the cursor on the bad hero is told again, and the program
    // goes on.
    dossier.Partie("DernierPersonnage", std::to_string(3));
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    EXPECT_EQ(prog.dialogues.erreurs.size(), 1u);
    Choisir(prog.P(), {"Elowen"});
    EXPECT_EQ(prog.P().LblNom->text(), "Elowen");
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, DeuxJoueursDeuxHerosEcranPartage) {
    Application a;
    Dossier dossier(true);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    Choisir(p, {"Aldric", "Brunhilde"});
    Onglet(p.TabStripMonde, 4);
    ASSERT_TRUE(p.FrameMode2Joueurs->isVisible());
    auto cocher = [](QCheckBox* c) { QTest::mouseClick(c, Qt::LeftButton, Qt::NoModifier, QPoint(6, c->height() / 2)); };

    // No two-player layout for this screen: told, and the box goes back.
    const fs::path disposition = dossier.d.Chemin() / "Ini_Interface800_J1.ini";
    fs::rename(disposition, dossier.d.Chemin() / "mis_de_cote.ini");
    cocher(p.CheckJouera2);
    EXPECT_EQ(prog.dialogues.messages,
              std::vector<std::string>{"Le mode duo est impossible avec\nla résolution d'affichage actuelle."});
    EXPECT_FALSE(p.CheckJouera2->isChecked());
    EXPECT_FALSE(prog.p.Jeu->Definir_Mode2Joueurs());
    EXPECT_EQ(p.Choix().NombreJoueursLocaux, 1);
    fs::rename(dossier.d.Chemin() / "mis_de_cote.ini", disposition);

    cocher(p.CheckJouera2);
    ASSERT_TRUE(p.CheckJouera2->isChecked());
    EXPECT_TRUE(prog.p.Jeu->Definir_Mode2Joueurs());
    cocher(p.CheckMaintenirEcransSepares);
    EXPECT_TRUE(prog.p.Jeu->Definir_Mode2JoueursEcranSepares());
    EXPECT_EQ(p.ComboNomJoueur[0]->currentText(), "Aldric");
    EXPECT_EQ(p.ComboNomJoueur[1]->currentText(), "Brunhilde");
    // One hero for both: the box is held, the game would have one player.
    p.ComboNomJoueur[1]->setFocus();
    QTest::keyClick(p.ComboNomJoueur[1], Qt::Key_Up);
    EXPECT_EQ(p.LblSelectionner2Personnages->text().toStdString(), "Sélectionnez 2 personnages différents.");
    EXPECT_FALSE(p.CheckJouera2->isEnabled());
    EXPECT_TRUE(p.CheckJouera2->isChecked());
    EXPECT_EQ(p.Choix().NombreJoueursLocaux, 1);
    QTest::keyClick(p.ComboNomJoueur[1], Qt::Key_Down);
    EXPECT_EQ(p.LblSelectionner2Personnages->text(), "");
    EXPECT_TRUE(p.CheckJouera2->isEnabled());
    essai::Photographier(prog.F(), "deux_joueurs.png");
    // Only one hero chosen: both would be the same, the box is held.
    Choisir(p, {"Aldric"});
    EXPECT_FALSE(p.CheckJouera2->isEnabled());
    Choisir(p, {"Aldric", "Brunhilde"});
    EXPECT_TRUE(p.CheckJouera2->isEnabled());

    // The game: two players, each on their hero, with their own device.
    Onglet(p.TabStripMonde, 0);
    ASSERT_TRUE(p.CmdCommencer->isEnabled());
    std::string echec;
    std::vector<std::pair<std::string, std::function<bool()>>> etapes;
    auto moteur = [&]() -> ClsMoteur& { return prog.F().Partie()->Moteur(); };
    auto M = [&]() -> ModMain& { return *prog.p.Jeu_Monde; };
    auto perso = [&](int j) -> ClsJeuPerso& { return M().Persos[static_cast<std::size_t>(M().NoPersoParJoueur[static_cast<std::size_t>(j)])]; };
    auto zone = [&]() -> QWidget* { return prog.F().Partie()->Fenetre().Ecran(); };
    auto bouger = [&](int x, int y) {
        const QPointF q(x, y);
        QMouseEvent e(QEvent::MouseMove, q, zone()->mapToGlobal(q), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(zone(), &e);
    };
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    etapes.push_back({"deux joueurs", [&] {
        prog.F().Partie()->Entrees().Definir_Recentrer(false);
        if (moteur().Joueurs.size() != 2 || !moteur().EcranSepare) return false;
        EXPECT_EQ(perso(0).Nom, "Aldric");
        EXPECT_EQ(perso(1).Nom, "Brunhilde");
        for (int j : {0, 1}) {
            ClsJeuPerso& h = perso(j);
            h.DansChateau = h.DansChateauCible = h.DansMaison = h.DansMaisonCible = false;
            const std::int32_t largeur = M().Monde.LargeurCarte * M().Monde.LargeurCase;
            h.PositionX = h.PositionX + 160 < largeur - h.Largeur ? h.PositionX + 160 : h.PositionX - 160;
            h.Arreter();
        }
        return true;
    }});
    etapes.push_back({"le clavier : le joueur 1 rentre", [&] {
        QTest::keyClick(zone(), Qt::Key_Y);
        return true;
    }});
    etapes.push_back({"le premier seulement", [&] {
        return (perso(0).Action == 202 || perso(0).DansChateau) && perso(1).Action != 202 && !perso(1).DansChateau;
    }});
    // The mouse moves by differences: a first move gives the reference.
    QPoint clic;
    double curseur0[2] = {0, 0};
    etapes.push_back({"la souris", [&] {
        curseur0[0] = moteur().Joueurs[0].SourisX;
        curseur0[1] = moteur().Joueurs[0].SourisY;
        bouger(400, 300);
        return true;
    }});
    etapes.push_back({"la souris dans la moitié droite", [&] {
        const JoueurLocal& j1 = moteur().Joueurs[1];
        clic = QPoint(400 + static_cast<int>(620 - j1.SourisX), 300 + static_cast<int>(250 - j1.SourisY));
        bouger(clic.x(), clic.y());
        x0 = perso(0).DestinationX;
        y0 = perso(0).DestinationY;
        x1 = perso(1).DestinationX;
        y1 = perso(1).DestinationY;
        return true;
    }});
    etapes.push_back({"un clic : le joueur 2 marche", [&] {
        const JoueurLocal& j1 = moteur().Joueurs[1];
        EXPECT_EQ(j1.SourisX, 620);
        EXPECT_EQ(j1.SourisY, 250);
        // The first player's cursor is the keypad's, not the mouse's.
        EXPECT_EQ(moteur().Joueurs[0].SourisX, curseur0[0]);
        EXPECT_EQ(moteur().Joueurs[0].SourisY, curseur0[1]);
        QTest::mouseClick(zone(), Qt::LeftButton, Qt::NoModifier, clic);
        return true;
    }});
    etapes.push_back({"le second seulement", [&] {
        return (perso(1).DestinationX != x1 || perso(1).DestinationY != y1) && perso(0).DestinationX == x0 &&
               perso(0).DestinationY == y0;
    }});
    std::size_t n = 0;
    std::int32_t trame = 0;
    double debut = -1;
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        if (!prog.F().Partie() || M().FinPartie) return;
        ClsMoteur& m = moteur();
        if (m.CompteurTours < 2 || m.CompteurTrames < trame + 2) return;
        if (n >= etapes.size()) {
            M().FinPartie = true;
            return;
        }
        if (debut < 0) debut = m.TempsActuel;
        if (etapes[n].second()) {
            ++n;
            debut = -1;
        } else if (m.TempsActuel - debut > 10.0) {
            echec = etapes[n].first;
            M().FinPartie = true;
        }
        trame = m.CompteurTrames;
    });
    script.start(10);
    QTimer::singleShot(60000, [&] {
        if (echec.empty()) echec = "la partie n'a pas fini";
        if (prog.F().Partie()) M().FinPartie = true;
    });
    QTest::mouseClick(p.CmdCommencer, Qt::LeftButton);
    script.stop();
    EXPECT_EQ(echec, "");
    EXPECT_EQ(n, etapes.size());
    EXPECT_EQ(prog.F().Partie(), nullptr);
    // Back in the setup window, rebuilt: the two-player switch is still on.
    QTest::qWait(50);
    EXPECT_TRUE(prog.P().CheckJouera2->isChecked());
    EXPECT_EQ(prog.P().ComboNomJoueur[0]->currentText(), "Aldric");
    EXPECT_EQ(prog.P().ComboNomJoueur[1]->currentText(), "Brunhilde");
    prog.F().MenuPartieQuitter->trigger();
}

TEST(FrmParamPerso, LeTicAnimeClignoteEtInterrogeLeReseau) {
    Application a;
    Dossier dossier(false);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    FrmParam& p = prog.P();
    int sondages = 0;
    p.Sondage_Reseau = [&] { ++sondages; };
    Onglet(p.TabStripPersonnage, 0);
    const auto places = PlacesStables(p);
    // Once a cycle of four ticks the hints blink; the controls below them
    // stay where they are (a click aimed at one lands on it).
    // (The two-player hint blinks on its own hidden tab.)
    ASSERT_EQ(p.LblErreurNom->text().toStdString(), "Entrez un nom");
    const bool cache = p.LblErreurNom->isHidden();
    const bool cache2 = p.LblSelectionner2Personnages->isHidden();
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.LblErreurNom->isHidden() != cache; }, 3000));
    EXPECT_NE(p.LblSelectionner2Personnages->isHidden(), cache2);
    QApplication::processEvents();
    EXPECT_EQ(Places(p), places);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.LblErreurNom->isHidden() == cache; }, 3000));
    // A name that may be created: the hint goes quiet, the create button
    // lights up green, then goes back; nothing moves meanwhile.
    Taper(p, "Jean");
    ASSERT_TRUE(p.CmdCreerPerso->isEnabled());
    QApplication::processEvents();
    EXPECT_EQ(Places(p), places);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.CmdCreerPerso->styleSheet().contains("#00ff00"); }, 3000));
    QApplication::processEvents();
    EXPECT_EQ(Places(p), places);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.CmdCreerPerso->styleSheet().isEmpty(); }, 3000));
    // A refused name: the button stays plain.
    Taper(p, "Aldric");
    ASSERT_FALSE(p.CmdCreerPerso->isEnabled());
    QTest::qWait(1100);
    EXPECT_TRUE(p.CmdCreerPerso->styleSheet().isEmpty());
    EXPECT_EQ(Places(p), places);
    EXPECT_GE(sondages, 8);
    EXPECT_GE(p.EtapeApparence, 0);
    EXPECT_LE(p.EtapeApparence, 3);
    prog.F().MenuPartieQuitter->trigger();
}

namespace {

// Plays the game the click on the start button runs: each step runs once
// frames are shown and returns true when done; the game ends by Escape
// after the last one. Fails the test when a step stays undone for 20 s.
void Partie(Programme& prog, const std::vector<std::pair<std::string, std::function<bool()>>>& etapes) {
    std::size_t n = 0;
    std::string echec;
    std::int32_t trame = 0;
    QElapsedTimer depuis;
    depuis.start();
    QTimer script;
    QObject::connect(&script, &QTimer::timeout, [&] {
        FrmMoteur2D* partie = prog.F().Partie();
        if (!partie || prog.p.Jeu_Monde->FinPartie) return;
        ClsMoteur& m = partie->Moteur();
        if (m.CompteurTours < 2 || m.CompteurTrames < trame + 2) return;
        trame = m.CompteurTrames;
        if (n < etapes.size()) {
            if (etapes[n].second()) {
                ++n;
                depuis.restart();
            } else if (depuis.elapsed() > 20000) {
                echec = etapes[n].first;
                prog.p.Jeu_Monde->FinPartie = true;
            }
        } else {
            QWidget* zone = partie->Fenetre().Ecran();
            zone->setFocus();
            QTest::keyClick(zone, Qt::Key_Escape);
        }
    });
    script.start(10);
    QTimer::singleShot(90000, [&] {
        if (echec.empty()) echec = "la partie n'a pas fini";
        if (prog.F().Partie()) prog.p.Jeu_Monde->FinPartie = true;
    });
    const int avant = prog.F().NombreParties();
    QTest::mouseClick(prog.P().CmdCommencer, Qt::LeftButton);
    script.stop();
    EXPECT_EQ(echec, "");
    EXPECT_EQ(n, etapes.size());
    // The setup window is rebuilt once the game is over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return prog.F().NombreParties() == avant + 1; }, 10000));
}

// What the setup window shows of the heroes: the ticked ones, the one on
// the sheet, the list's current one, the two players'.
struct EtatHeros {
    std::vector<std::string> choisis;
    std::string fiche, courant, joueurs[2];
    bool operator==(const EtatHeros&) const = default;
};

EtatHeros Heros(FrmParam& p) {
    return {Choisis(p.LstPerso),
            p.LblNom->text().toStdString(),
            p.LstPerso->currentItem() ? p.LstPerso->currentItem()->text().toStdString() : "",
            {p.ComboNomJoueur[0]->currentText().toStdString(), p.ComboNomJoueur[1]->currentText().toStdString()}};
}

void PrintTo(const EtatHeros& e, std::ostream* os) {
    *os << "choisis {";
    for (const std::string& n : e.choisis) *os << n << " ";
    *os << "} fiche " << e.fiche << ", courant " << e.courant << ", joueurs " << e.joueurs[0] << " / " << e.joueurs[1];
}

std::string Cle(const Dossier& d, const std::string& cle) {
    const std::string texte = d.d.Lire("Ini_Partie.ini");
    const std::size_t i = texte.find("\n" + cle + "=");
    if (i == std::string::npos) return "";
    const std::size_t debut = i + cle.size() + 2;
    return std::string(Rogner(texte.substr(debut, texte.find('\n', debut) - debut)));
}

}  // namespace

// A game played, saved and ended with Escape: back in the setup window the
// heroes are as the player left them (the ticks, the hero on the sheet,
// the two players' heroes, though the roster changed them on its own),
// and the saved world, loaded with another hero on the sheet, gives the
// player the hero it was saved with.
TEST(FrmParamPerso, ApresUnePartieLesHerosRestentCommeLeJoueurLesALaisses) {
    Application a;
    Dossier dossier(true);
    Programme prog(dossier);
    ASSERT_TRUE(prog.p.Main());
    fs::remove_all(prog.p.SavMonde->Dossier_Mondes(false));
    FrmParam& p = prog.P();
    Choisir(p, {"Aldric", "Elowen", "Brunhilde"});
    // The players' heroes: Brunhilde, then Elowen.
    Onglet(p.TabStripMonde, 4);
    p.ComboNomJoueur[0]->setFocus();
    QTest::keyClick(p.ComboNomJoueur[0], Qt::Key_Down);
    p.ComboNomJoueur[1]->setFocus();
    QTest::keyClick(p.ComboNomJoueur[1], Qt::Key_Down);
    ASSERT_EQ(p.ComboNomJoueur[0]->currentText(), "Brunhilde");
    ASSERT_EQ(p.ComboNomJoueur[1]->currentText(), "Elowen");
    // Aldric unticked: the sheet stays on Brunhilde, and the two lists,
    // left with Brunhilde and Elowen, change on their own.
    Clic(p.LstPerso, Ligne(p.LstPerso, "Aldric"));
    const EtatHeros avant = Heros(p);
    EXPECT_EQ(avant.choisis, (std::vector<std::string>{"Brunhilde", "Elowen"}));
    EXPECT_EQ(avant.fiche, "Brunhilde");
    EXPECT_EQ(avant.courant, "Brunhilde");
    EXPECT_EQ(avant.joueurs[0], "Elowen");
    EXPECT_EQ(avant.joueurs[1], "Brunhilde");

    Onglet(p.TabStripMonde, 0);
    auto joueur = [&]() -> ClsJeuPerso& {
        ModMain& M = *prog.p.Jeu_Monde;
        return M.Persos[static_cast<std::size_t>(M.NoPersoParJoueur[0])];
    };
    auto zone = [&] { return prog.F().Partie()->Fenetre().Ecran(); };
    std::string joue;
    Partie(prog, {{"le joueur joue Brunhilde",
                   [&] {
                       joue = joueur().Nom;
                       return true;
                   }},
                  {"touche de sauvegarde",
                   [&] {
                       zone()->setFocus();
                       QTest::keyClick(zone(), Qt::Key_Insert);
                       return true;
                   }},
                  {"monde sauvegardé", [&] { return !prog.p.SavMonde->Liste_Fichiers(false).empty(); }}});
    EXPECT_EQ(joue, "Brunhilde");
    ASSERT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];

    // The window is a new one, read back from what the last one wrote.
    FrmParam& q = prog.P();
    ASSERT_NE(&q, &p);
    EXPECT_EQ(Heros(q), avant);
    EXPECT_EQ(Cle(dossier, "PersonnageJoueur1"), "1");
    EXPECT_EQ(Cle(dossier, "PersonnageJoueur2"), "0");

    // Aldric ticked again and on the sheet; the saved world is loaded.
    Clic(q.LstPerso, Ligne(q.LstPerso, "Aldric"));
    ASSERT_EQ(q.LblNom->text(), "Aldric");
    Onglet(q.TabStripMonde, 3);
    ASSERT_EQ(q.LstMonde->count(), 1);
    ASSERT_TRUE(q.CmdCommencer->isEnabled());
    joue.clear();
    Partie(prog, {{"le joueur du monde chargé", [&] {
                       joue = joueur().Nom;
                       return true;
                   }}});
    EXPECT_EQ(joue, "Brunhilde");
    EXPECT_TRUE(prog.dialogues.erreurs.empty()) << prog.dialogues.erreurs[0];
    prog.F().MenuPartieQuitter->trigger();
}
