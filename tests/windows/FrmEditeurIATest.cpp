// The AI script editor driven as a player drives it, through Qt's events on
// the real window, over a copy of the game folder: the steps and their
// texts, the panes of each category, the enable rules, the file commands
// with their questions, the preview, the close prompt, and a script saved
// here that a character then follows in a game.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ai/ClsJeuIA2.h"
#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"
#include "platform/Dialogues.h"
#include "platform/DossierJeu.h"
#include "platform/ModVisionneurs.h"
#include "platform/Nombres.h"
#include "tests/Outils.h"
#include "windows/FrmEditeurIA.h"

namespace fs = std::filesystem;

namespace {

// Answers the editor's questions from a script, and keeps what was asked.
class DialoguesScriptes : public Dialogues {
public:
    struct Vu {
        std::string texte, titre;
    };
    std::vector<Vu> messages, questions;
    std::deque<std::optional<std::string>> saisies;
    std::deque<bool> oui;
    std::deque<Reponse> reponses;

    void Message(const std::string& Texte, const std::string& Titre, Icone) override {
        messages.push_back({Texte, Titre});
    }
    bool Confirmer(const std::string& Texte, const std::string& Titre) override { return Question(Texte, Titre); }
    bool Question(const std::string& Texte, const std::string& Titre) override {
        questions.push_back({Texte, Titre});
        if (oui.empty()) {
            ADD_FAILURE() << "question sans réponse : " << Texte;
            return false;
        }
        const bool r = oui.front();
        oui.pop_front();
        return r;
    }
    Reponse QuestionAnnulable(const std::string& Texte, const std::string& Titre) override {
        questions.push_back({Texte, Titre});
        if (reponses.empty()) {
            ADD_FAILURE() << "question sans réponse : " << Texte;
            return Reponse::Annuler;
        }
        const Reponse r = reponses.front();
        reponses.pop_front();
        return r;
    }
    std::optional<std::string> Saisie(const std::string& Invite, const std::string& Titre,
                                      const std::string& Defaut) override {
        questions.push_back({Invite + " [" + Defaut + "]", Titre});
        if (saisies.empty()) {
            ADD_FAILURE() << "saisie sans réponse : " << Invite;
            return std::nullopt;
        }
        auto r = saisies.front();
        saisies.pop_front();
        return r;
    }
};

class LanceurScripte : public LanceurExterne {
public:
    std::vector<std::string> ouverts;
    bool reussit = true;
    bool Ouvrir_Fichier_Texte(const std::string& Chemin) override {
        ouverts.push_back(Chemin);
        return reussit;
    }
    bool Ouvrir_Dossier(const std::string&) override { return reussit; }
    bool Ouvrir_Page(const std::string&) override { return reussit; }
};

class AvertisseurScripte : public AvertisseurErreur {
public:
    std::vector<std::string> erreurs;
    void Erreur(const std::string& Message) override { erreurs.push_back(Message); }
};

const char* const Legende = "Editeur d'Intelligence Artificielle";

// Every step category in the first age; one work step in the others.
const char* const ScriptTout =
    "#Tout\r\n\r\nAge_1\r\n#Premier\r\nRessource_3=7\r\nBatiment_1\r\nObjet_1=2\r\nTravailler\r\nPatrouiller\r\n"
    "Attaquer Ennemi\r\nAttaquer Donjon\r\nChangerMode_1\r\nChangerMode_2\r\nGagnerArgent_2=250\r\n\r\n"
    "Age_2\r\n#\r\nTravailler\r\n\r\nAge_3\r\n#\r\nTravailler\r\n\r\n#Fin\r\n";

class EditeurIA : public ::testing::Test {
protected:
    std::unique_ptr<QApplication> app;
    DossierTemporaire tmp;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> Main;
    DialoguesScriptes q;
    LanceurScripte lanceur;
    AvertisseurScripte avertisseur;
    std::unique_ptr<FrmEditeurIA> frm;
    int changements = 0, fermetures = 0;

    void SetUp() override {
        if (!QApplication::instance()) {
            static int argc = 1;
            static char nom[] = "tests";
            static char* argv[] = {nom, nullptr};
            app = std::make_unique<QApplication>(argc, argv);
        }
        tmp.CopierDonnees();
        // The item pictures the build drew.
        fs::create_directories(tmp.Chemin() / "Images" / "Objets");
        fs::copy(fs::path(MORVAINE_GAME_DIR) / "Images" / "Objets", tmp.Chemin() / "Images" / "Objets",
                 fs::copy_options::recursive);
        tmp.Ecrire("IAs/Tout.ia", ScriptTout);
        dossier = std::make_unique<DossierJeu>(tmp.Chemin());
        Main = std::make_unique<ModMain>(*dossier);
        Main->Charger_Parametres();
        Main->IA2.Charger_IAs();
        ASSERT_TRUE(Main->IA2.ErreursChargement.empty());
    }

    void TearDown() override {
        frm.reset();
        app.reset();
    }

    const ClsJeuParam& P() const { return Main->Parametres; }

    void Ouvrir() {
        frm = std::make_unique<FrmEditeurIA>(Main->IA2, Main->Parametres, *dossier, nullptr, &q, &lanceur,
                                             &avertisseur);
        // The test owns the window.
        frm->setAttribute(Qt::WA_DeleteOnClose, false);
        QObject::connect(frm.get(), &FrmEditeurIA::ScriptsModifies, [this] { ++changements; });
        QObject::connect(frm.get(), &FrmEditeurIA::Fermee, [this] { ++fermetures; });
        frm->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frm.get()));
    }

    template <typename T>
    T* W(const QString& nom) {
        T* w = frm->findChild<T*>(nom);
        EXPECT_NE(w, nullptr) << nom.toStdString();
        return w;
    }
    QListWidget* Liste(const char* nom) { return W<QListWidget>(nom); }
    QAction* Menu(const char* nom) { return W<QAction>(nom); }

    void Cliquer(const char* nom) { QTest::mouseClick(W<QAbstractButton>(nom), Qt::LeftButton); }
    void Option(int i) {
        QAbstractButton* b = W<QAbstractButton>(QString("OptionAction_%1").arg(i));
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
    }
    void CliquerLigne(QListWidget* l, int ligne) {
        ASSERT_LT(ligne, l->count());
        l->scrollToItem(l->item(ligne));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(ligne)).center());
    }
    void CliquerLigne(QListWidget* l, const QString& texte) {
        const auto trouves = l->findItems(texte, Qt::MatchExactly);
        ASSERT_FALSE(trouves.isEmpty()) << texte.toStdString();
        CliquerLigne(l, l->row(trouves.front()));
    }
    void Fichier(const char* nom) { CliquerLigne(Liste("FileIAs"), QString(nom)); }

    std::vector<std::string> Lignes(const char* liste) {
        std::vector<std::string> v;
        QListWidget* l = Liste(liste);
        for (int i = 0; i < l->count(); ++i) v.push_back(l->item(i)->text().toStdString());
        return v;
    }
    bool Visible(const char* nom) { return W<QWidget>(nom)->isVisibleTo(frm.get()); }
    bool Actif(const char* nom) { return W<QWidget>(nom)->isEnabled(); }
    std::string Disque(const std::string& nom) { return tmp.Lire("IAs/" + nom); }
    bool SurDisque(const std::string& nom) { return fs::exists(tmp.Chemin() / "IAs" / nom); }
    std::size_t NombreFichiers() {
        std::size_t n = 0;
        for (const auto& e : fs::directory_iterator(tmp.Chemin() / "IAs")) n += e.is_regular_file();
        return n;
    }
    ClsJeuIA2& Charge(const std::string& nom) {
        return Main->IA2.AIs[static_cast<std::size_t>(Main->IA2.Indice_IA(nom))];
    }
};

TEST_F(EditeurIA, OuvertureListeEtTexteDesEtapes) {
    Ouvrir();
    EXPECT_EQ(frm->windowTitle().toStdString(), Legende);
    // The root files only, in the library's order; the first is shown.
    EXPECT_EQ(Lignes("FileIAs"),
              (std::vector<std::string>{"_Defaut", "Defaut.ia", "Ouvrier.ia", "Pacifiste.ia", "Soldat.ia", "Tout.ia"}));
    EXPECT_EQ(Liste("FileIAs")->currentRow(), 0);
    EXPECT_EQ(W<QLabel>("LblEpoque")->text().toStdString(), P().Epoque_Nom(0));
    EXPECT_EQ(W<QSlider>("SliderEpoque")->maximum(), P().NombreEpoques - 1);

    Fichier("Tout.ia");
    EXPECT_EQ(W<QLineEdit>("TxtDescription")->text(), "Tout");
    EXPECT_EQ(W<QLineEdit>("TxtCommentaire")->text(), "Premier");
    const std::vector<std::string> attendu = {
        "Collecter 7 " + P().Ressources_Nom(2),
        "Construire " + P().Batiment_Nom(0),
        "Equiper 2 " + P().Objet_Nom(0),
        "Travailler",
        "Patrouiller",
        "Attaquer Ennemi",
        "Attaquer Donjon",
        "Changer Mode --> Pacifiste",
        "Changer Mode --> Combatif",
        "Gagner 250 argent (" + P().Batiment_Metier(1, false) + ")"};
    EXPECT_EQ(Lignes("LstActions"), attendu);
    EXPECT_EQ(Liste("LstActions")->currentRow(), 0);
    EXPECT_TRUE(W<QRadioButton>("OptionAction_0")->isChecked());
    // Looking is no edit: closing asks nothing.
    EXPECT_FALSE(frm->Modifie());

    // The age slider moved by the player shows the next age.
    QTest::keyClick(W<QSlider>("SliderEpoque"), Qt::Key_Right);
    EXPECT_EQ(W<QLabel>("LblEpoque")->text().toStdString(), P().Epoque_Nom(1));
    EXPECT_EQ(Lignes("LstActions"), std::vector<std::string>{"Travailler"});
    Menu("MenuActionEpoqueChanger_0")->trigger();
    EXPECT_EQ(W<QSlider>("SliderEpoque")->value(), 0);
    Menu("MenuActionEpoqueChanger_0")->trigger();  // no age before the first
    EXPECT_EQ(W<QSlider>("SliderEpoque")->value(), 0);
}

// The panes each category shows: value list, which quantity slider and
// which presets.
TEST_F(EditeurIA, PanneauxDeChaqueCategorie) {
    struct Cas {
        int categorie;
        bool designation, quantite, curseur0, curseur1;
        int liste;  // the value list shown, -1 for none
    };
    const Cas cas[] = {
        {0, true, true, true, false, 0},    {1, true, false, false, false, 0}, {2, true, true, true, false, 1},
        {3, false, false, false, false, -1}, {4, false, false, false, false, -1}, {5, false, false, false, false, -1},
        {6, false, false, false, false, -1}, {7, true, false, false, false, 0},   {8, true, true, false, true, 0},
    };
    Ouvrir();
    Fichier("Tout.ia");
    CliquerLigne(Liste("LstActions"), 3);  // Travailler
    for (const Cas& c : cas) {
        Option(c.categorie);
        SCOPED_TRACE(c.categorie);
        EXPECT_EQ(Main->IA2.AIs[static_cast<std::size_t>(frm->NoIA())].Definir_Categorie(0, 3), c.categorie);
        EXPECT_EQ(Visible("FrameDesignation"), c.designation);
        EXPECT_EQ(Visible("FrameQuantite"), c.quantite);
        if (c.quantite) {
            EXPECT_EQ(Visible("SliderQuantite_0"), c.curseur0);
            EXPECT_EQ(Visible("SliderQuantite_1"), c.curseur1);
            for (int k = 0; k < 8; ++k)
                EXPECT_EQ(Visible(QString("CmdQuantite_%1").arg(k).toUtf8().constData()), k < 4 ? c.curseur0 : c.curseur1);
        }
        if (c.liste >= 0) {
            EXPECT_TRUE(Visible(c.liste == 0 ? "LstValeur_0" : "LstValeur_1"));
            EXPECT_FALSE(Visible(c.liste == 0 ? "LstValeur_1" : "LstValeur_0"));
        }
    }
    EXPECT_EQ(W<QSlider>("SliderQuantite_0")->maximum(), 20);
    EXPECT_EQ(W<QSlider>("SliderQuantite_1")->maximum(), 4000);
    EXPECT_TRUE(frm->Modifie());
}

// What each value list offers in the first age.
TEST_F(EditeurIA, ListesDeValeursDeLaPremiereEpoque) {
    Ouvrir();
    Fichier("Tout.ia");
    CliquerLigne(Liste("LstActions"), 1);  // Construire
    std::vector<std::string> batiments;
    for (std::int32_t i = 0; i < P().NombreTypeBatiments && P().Batiment_NoEpoque(i) <= 1; ++i) {
        std::string prix;
        for (std::int32_t r = 0; r < P().NombreRessources; ++r)
            if (P().Batiment_Prix(i, r) >= 1)
                prix += (prix.empty() ? "" : ", ") + std::to_string(P().Batiment_Prix(i, r)) + " " + P().Ressources_Nom(r);
        batiments.push_back(P().Batiment_Nom(i) + " (" + prix + ")");
    }
    ASSERT_LT(batiments.size(), static_cast<std::size_t>(P().NombreTypeBatiments));
    EXPECT_EQ(Lignes("LstValeur_0"), batiments);
    EXPECT_EQ(Liste("LstValeur_0")->currentRow(), 0);

    CliquerLigne(Liste("LstActions"), 2);  // Equiper: items of ages 1 and 2, never a negative age
    std::vector<std::string> objets;
    for (std::int32_t o = 0; o < P().NombreTypesObjets; ++o)
        if (P().Objet_Epoque(o) >= 0 && P().Objet_Epoque(o) <= 1) objets.push_back(P().Objet_Nom(o));
    EXPECT_EQ(Lignes("LstValeur_1"), objets);

    CliquerLigne(Liste("LstActions"), 7);  // mode
    EXPECT_EQ(Lignes("LstValeur_0"), (std::vector<std::string>{"Changer Mode --> Pacifiste", "Changer Mode --> Combatif"}));
    EXPECT_EQ(Liste("LstValeur_0")->currentRow(), 0);
    CliquerLigne(Liste("LstValeur_0"), 1);
    EXPECT_EQ(Lignes("LstActions")[7], "Changer Mode --> Combatif");
    EXPECT_TRUE(frm->Modifie());
}

// Delete needs two steps; the first step cannot go up nor the last down;
// the menu entries follow the buttons.
TEST_F(EditeurIA, ReglesDActivation) {
    Ouvrir();
    Fichier("Tout.ia");
    EXPECT_TRUE(Actif("CmdSupprimer"));
    EXPECT_TRUE(Menu("MenuActionsSupprimer")->isEnabled());
    EXPECT_FALSE(Actif("CmdDeplacer_0"));
    EXPECT_FALSE(Menu("MenuActionsPrecedent")->isEnabled());
    EXPECT_TRUE(Actif("CmdDeplacer_1"));
    EXPECT_TRUE(Menu("MenuActionsSuivant")->isEnabled());
    CliquerLigne(Liste("LstActions"), 9);
    EXPECT_TRUE(Actif("CmdDeplacer_0"));
    EXPECT_FALSE(Actif("CmdDeplacer_1"));
    EXPECT_FALSE(Menu("MenuActionsSuivant")->isEnabled());

    // Move the last step up: it is selected at its new place.
    Cliquer("CmdDeplacer_0");
    EXPECT_EQ(Liste("LstActions")->currentRow(), 8);
    EXPECT_EQ(Lignes("LstActions")[8].rfind("Gagner 250", 0), 0u);
    EXPECT_EQ(Lignes("LstActions")[9], "Changer Mode --> Combatif");

    QTest::keyClick(W<QSlider>("SliderEpoque"), Qt::Key_Right);
    EXPECT_FALSE(Actif("CmdSupprimer"));
    EXPECT_FALSE(Menu("MenuActionsSupprimer")->isEnabled());
    Cliquer("CmdInserer");
    EXPECT_TRUE(Actif("CmdSupprimer"));
    // Deleting the selected (new, last) step leaves the first selected.
    Cliquer("CmdSupprimer");
    EXPECT_EQ(Lignes("LstActions"), std::vector<std::string>{"Travailler"});
    EXPECT_FALSE(Actif("CmdSupprimer"));
}

TEST_F(EditeurIA, NouvelleEtapePuisGainDArgentEnregistre) {
    Ouvrir();
    Fichier("Tout.ia");
    QTest::keyClick(W<QSlider>("SliderEpoque"), Qt::Key_Right);
    Cliquer("CmdInserer");
    EXPECT_EQ(Lignes("LstActions").back(), "Collecter 0 " + P().Ressources_Nom(0));
    EXPECT_EQ(Liste("LstActions")->currentRow(), 1);
    EXPECT_TRUE(W<QRadioButton>("OptionAction_0")->isChecked());

    Option(8);
    Cliquer("CmdQuantite_5");  // "2000"
    EXPECT_EQ(W<QLabel>("LblQuantite")->text(), "2000");
    Cliquer("CmdModifierQuantite_1");  // "-"
    EXPECT_EQ(Lignes("LstActions").back(), "Gagner 1999 argent (" + P().Batiment_Metier(0, false) + ")");
    // The slider moved by the keyboard is the player's move too.
    QTest::keyClick(W<QSlider>("SliderQuantite_1"), Qt::Key_PageUp);
    EXPECT_EQ(W<QLabel>("LblQuantite")->text(), "2004");

    Menu("MenuFichierEnregistrer")->trigger();
    EXPECT_FALSE(frm->Modifie());
    EXPECT_EQ(changements, 1);
    EXPECT_NE(Disque("Tout.ia").find("Age_2\r\n#\r\nTravailler\r\nGagnerArgent_1=2004\r\n"), std::string::npos);
}

// New, edit, save, duplicate, rename, delete: each on disk.
TEST_F(EditeurIA, CommandesDeFichiers) {
    Ouvrir();
    q.saisies = {std::string("Cueilleur.ia")};
    Cliquer("CmdNouveau");
    ASSERT_TRUE(SurDisque("Cueilleur.ia"));
    EXPECT_EQ(q.questions.back().texte, "Entrez le nom de la nouvelle IA [Nouvelle IA.ia]");
    EXPECT_EQ(q.questions.back().titre, Legende);
    EXPECT_EQ(Liste("FileIAs")->currentItem()->text(), "Cueilleur.ia");
    EXPECT_EQ(Lignes("LstActions"), std::vector<std::string>{"Travailler"});

    QTest::keyClicks(W<QLineEdit>("TxtDescription"), "Ramasse des baies");
    QTest::keyClicks(W<QLineEdit>("TxtCommentaire"), "Au hameau");
    EXPECT_TRUE(frm->Modifie());
    Menu("MenuFichierEnregistrer")->trigger();
    EXPECT_EQ(Disque("Cueilleur.ia").rfind("#Ramasse des baies\r\n\r\nAge_1\r\n#Au hameau\r\nTravailler\r\n", 0), 0u);

    Cliquer("CmdDuppliquer");
    ASSERT_TRUE(SurDisque("Cueilleur.ia+"));
    EXPECT_EQ(Disque("Cueilleur.ia+"), Disque("Cueilleur.ia"));
    EXPECT_EQ(Liste("FileIAs")->currentItem()->text(), "Cueilleur.ia+");

    q.saisies = {std::string("Glaneur.ia")};
    Cliquer("CmdRenommer");
    EXPECT_EQ(q.questions.back().texte, "Entrez le nouveau nom de l'IA [Cueilleur.ia+]");
    EXPECT_FALSE(SurDisque("Cueilleur.ia+"));
    ASSERT_TRUE(SurDisque("Glaneur.ia"));
    EXPECT_EQ(Liste("FileIAs")->currentItem()->text(), "Glaneur.ia");
    EXPECT_EQ(W<QLineEdit>("TxtDescription")->text(), "Ramasse des baies");

    q.oui = {true};
    Cliquer("CmsSupprimerIA");
    EXPECT_EQ(q.questions.back().texte, "Etes-vous sûr de vouloir supprimer Glaneur.ia ?");
    EXPECT_FALSE(SurDisque("Glaneur.ia"));
    EXPECT_EQ(Main->IA2.Indice_IA("Glaneur.ia"), -1);
    EXPECT_TRUE(q.messages.empty());
    EXPECT_EQ(changements, 5);

    // Renaming to the same name changes nothing.
    Fichier("Cueilleur.ia");
    const std::string avant = Disque("Cueilleur.ia");
    q.saisies = {std::string("Cueilleur.ia")};
    Cliquer("CmdRenommer");
    EXPECT_EQ(Disque("Cueilleur.ia"), avant);
    EXPECT_EQ(changements, 5);
}

// Typed names are file names: anything that could leave the folder or cut
// a path is refused before a file is touched; a cancelled box does nothing.
TEST_F(EditeurIA, NomsRefuses) {
    Ouvrir();
    Fichier("Soldat.ia");
    const std::size_t n = NombreFichiers();
    const std::string soldat = Disque("Soldat.ia");
    for (const char* nom : {"a/b.ia", "..", "../x.ia", "x\ny.ia", "", "tab\t.ia", ".cache"}) {
        SCOPED_TRACE(nom);
        q.messages.clear();
        q.saisies = {std::string(nom)};
        Cliquer("CmdNouveau");
        ASSERT_EQ(q.messages.size(), 1u);
        EXPECT_EQ(q.messages[0].texte, "Nom de fichier invalide.");
        q.saisies = {std::string(nom)};
        Cliquer("CmdRenommer");
        ASSERT_EQ(q.messages.size(), 2u);
        EXPECT_EQ(q.messages[1].texte, "Nom de fichier invalide.");
        EXPECT_EQ(q.messages[1].titre, "Erreur");
        EXPECT_EQ(NombreFichiers(), n);
        EXPECT_EQ(Disque("Soldat.ia"), soldat);
    }
    EXPECT_FALSE(fs::exists(tmp.Chemin() / "x.ia"));
    q.messages.clear();
    q.saisies = {std::nullopt, std::nullopt};
    Cliquer("CmdNouveau");
    Cliquer("CmdRenommer");
    EXPECT_TRUE(q.messages.empty());
    EXPECT_EQ(NombreFichiers(), n);
    // A name already there is refused by New.
    q.saisies = {std::string("Ouvrier.ia")};
    Cliquer("CmdNouveau");
    ASSERT_EQ(q.messages.size(), 1u);
    EXPECT_EQ(q.messages[0].texte, "Le fichier Ouvrier.ia existe déjà");
    EXPECT_EQ(q.messages[0].titre, "Création impossible");
}

// Rename and duplicate onto an existing file ask first; No leaves both.
TEST_F(EditeurIA, RenommerEtDupliquerNEcrasentPasSansDemander) {
    tmp.Ecrire("IAs/Soldat.ia+", "#Ancienne copie\r\n\r\nAge_1\r\n#\r\nPatrouiller\r\n\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    Ouvrir();
    Fichier("Soldat.ia");
    const std::string soldat = Disque("Soldat.ia"), ouvrier = Disque("Ouvrier.ia"), copie = Disque("Soldat.ia+");

    q.saisies = {std::string("Ouvrier.ia")};
    q.oui = {false};
    Cliquer("CmdRenommer");
    EXPECT_EQ(q.questions.back().texte, "Le fichier Ouvrier.ia existe déjà. Voulez-vous le remplacer ?");
    EXPECT_EQ(Disque("Soldat.ia"), soldat);
    EXPECT_EQ(Disque("Ouvrier.ia"), ouvrier);

    q.oui = {false};
    Cliquer("CmdDuppliquer");
    EXPECT_EQ(q.questions.back().texte, "Le fichier Soldat.ia+ existe déjà. Voulez-vous le remplacer ?");
    EXPECT_EQ(Disque("Soldat.ia+"), copie);
    q.oui = {true};
    Cliquer("CmdDuppliquer");
    EXPECT_EQ(Disque("Soldat.ia+"), soldat);

    Fichier("Soldat.ia");
    q.saisies = {std::string("Ouvrier.ia")};
    q.oui = {true};
    Cliquer("CmdRenommer");
    EXPECT_FALSE(SurDisque("Soldat.ia"));
    EXPECT_EQ(Disque("Ouvrier.ia"), soldat);
    EXPECT_EQ(Liste("FileIAs")->currentItem()->text(), "Ouvrier.ia");
    EXPECT_TRUE(q.messages.empty());
}

// New and Delete reload the library: unsaved edits are offered a save
// first; Cancel stops the command, No drops them.
TEST_F(EditeurIA, ModificationsJamaisPerduesSansDemander) {
    Ouvrir();
    Fichier("Soldat.ia");
    W<QLineEdit>("TxtDescription")->selectAll();
    QTest::keyClicks(W<QLineEdit>("TxtDescription"), "Soldat revu");
    // Another script shown and back: the edit stays in memory.
    Fichier("Ouvrier.ia");
    Fichier("Soldat.ia");
    EXPECT_EQ(W<QLineEdit>("TxtDescription")->text(), "Soldat revu");

    q.saisies = {std::string("Nouveau.ia")};
    q.reponses = {Dialogues::Reponse::Annuler};
    Cliquer("CmdNouveau");
    EXPECT_EQ(q.questions.back().texte, "Voulez vous Enregistrer les modifications avant de continuer ?");
    EXPECT_FALSE(SurDisque("Nouveau.ia"));
    EXPECT_EQ(Charge("Soldat.ia").Description, "Soldat revu");

    q.saisies = {std::string("Nouveau.ia")};
    q.reponses = {Dialogues::Reponse::Oui};
    Cliquer("CmdNouveau");
    EXPECT_TRUE(SurDisque("Nouveau.ia"));
    EXPECT_EQ(Disque("Soldat.ia").rfind("#Soldat revu\r\n", 0), 0u);
    EXPECT_FALSE(frm->Modifie());

    Fichier("Soldat.ia");
    W<QLineEdit>("TxtDescription")->selectAll();
    QTest::keyClicks(W<QLineEdit>("TxtDescription"), "Encore");
    Fichier("Nouveau.ia");
    q.oui = {true};
    q.reponses = {Dialogues::Reponse::Non};
    Cliquer("CmsSupprimerIA");
    EXPECT_FALSE(SurDisque("Nouveau.ia"));
    EXPECT_EQ(Charge("Soldat.ia").Description, "Soldat revu");
    EXPECT_EQ(Disque("Soldat.ia").rfind("#Soldat revu\r\n", 0), 0u);
    // Without edits, nothing more is asked.
    const std::size_t questions = q.questions.size();
    q.oui = {true};
    Fichier("Tout.ia");
    Cliquer("CmsSupprimerIA");
    EXPECT_EQ(q.questions.size(), questions + 1);
}

// A quantity beyond its slider (a hand-written file) is shown clamped on
// the slider but kept in the script until the player moves it.
TEST_F(EditeurIA, QuantiteHorsPlageGardee) {
    tmp.Ecrire("IAs/Grand.ia",
               "#Grand\r\n\r\nAge_1\r\n#\r\nObjet_1=50\r\nGagnerArgent_1=9000\r\n\r\nAge_2\r\n#\r\nTravailler\r\n\r\n"
               "Age_3\r\n#\r\nTravailler\r\n\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    Ouvrir();
    Fichier("Grand.ia");
    EXPECT_EQ(W<QSlider>("SliderQuantite_0")->value(), 20);
    EXPECT_EQ(W<QLabel>("LblQuantite")->text(), "50");
    EXPECT_EQ(Lignes("LstActions")[0], "Equiper 50 " + P().Objet_Nom(0));
    Cliquer("CmdModifierQuantite_0");  // "+" at the top of the slider
    CliquerLigne(Liste("LstActions"), 1);
    EXPECT_EQ(W<QSlider>("SliderQuantite_1")->value(), 4000);
    EXPECT_EQ(W<QLabel>("LblQuantite")->text(), "9000");
    Option(0);  // another category keeps the quantity
    Option(8);
    Menu("MenuFichierEnregistrer")->trigger();
    EXPECT_NE(Disque("Grand.ia").find("Objet_1=50\r\nGagnerArgent_1=9000\r\n"), std::string::npos);

    CliquerLigne(Liste("LstActions"), 0);
    Cliquer("CmdModifierQuantite_1");  // "-": the player moved it
    EXPECT_EQ(Lignes("LstActions")[0], "Equiper 19 " + P().Objet_Nom(0));
    CliquerLigne(Liste("LstActions"), 1);
    Cliquer("CmdQuantite_4");  // "4000", although the slider showed 4000
    EXPECT_EQ(Lignes("LstActions")[1], "Gagner 4000 argent (" + P().Batiment_Metier(0, false) + ")");
}

// A description or a comment stays one line of the file, even pasted.
TEST_F(EditeurIA, PasDeSautDeLigneDansLesTextes) {
    Ouvrir();
    Fichier("Tout.ia");
    QLineEdit* d = W<QLineEdit>("TxtDescription");
    QLineEdit* c = W<QLineEdit>("TxtCommentaire");
    QGuiApplication::clipboard()->setText("Ligne 1\r\nLigne 2\nAge_2");
    d->selectAll();
    QTest::keyClick(d, Qt::Key_V, Qt::ControlModifier);
    c->selectAll();
    QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
    // Each line break became a blank.
    EXPECT_EQ(d->text(), "Ligne 1  Ligne 2 Age_2");
    EXPECT_EQ(c->text(), "Ligne 1  Ligne 2 Age_2");
    d->insert("a\nb");
    c->insert("c\rd");
    EXPECT_TRUE(d->text().endsWith("a b"));
    EXPECT_TRUE(c->text().endsWith("c d"));
    Menu("MenuFichierEnregistrer")->trigger();
    ClsJeuIA2 relu;
    relu.Charger_IA(tmp.Chemin() / "IAs", "Tout.ia", P(), true);
    EXPECT_EQ(relu.Description, d->text().toStdString());
    EXPECT_EQ(relu.Definir_Commentaire(0), c->text().toStdString());
    EXPECT_EQ(relu.Definir_NombreEtapes(1), 1);
    EXPECT_EQ(relu.Description.find('\n'), std::string::npos);
}

// The preview: an age label, one icon per item to equip (tooltip with the
// price), the next age's label; 33 cells at most.
TEST_F(EditeurIA, ApercuDeLEquipement) {
    tmp.Ecrire("IAs/Arme.ia",
               "#Arme\r\n\r\nAge_1\r\n#\r\nObjet_1=3\r\nTravailler\r\n\r\nAge_2\r\n#\r\nObjet_2=1\r\n\r\n"
               "Age_3\r\n#\r\nTravailler\r\n\r\n#Fin\r\n");
    tmp.Ecrire("IAs/Beaucoup.ia",
               "#Beaucoup\r\n\r\nAge_1\r\n#\r\nObjet_1=40\r\n\r\nAge_2\r\n#\r\nTravailler\r\n\r\nAge_3\r\n#\r\n"
               "Travailler\r\n\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    Ouvrir();
    Fichier("Arme.ia");
    auto img = [&](int k) { return W<QLabel>(QString("ImgApercu_%1").arg(k)); };
    auto lbl = [&](int k) { return W<QLabel>(QString("LblApercu_%1").arg(k)); };
    auto vu = [&](QLabel* l) { return l->isVisibleTo(frm.get()); };
    EXPECT_TRUE(vu(lbl(0)));
    EXPECT_EQ(lbl(0)->text(), "1 :");
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(vu(img(k)));
        EXPECT_FALSE(img(k)->pixmap().isNull());
        EXPECT_EQ(img(k)->toolTip().toStdString(),
                  P().Objet_Nom(0) + " (Prix : " + TexteNombreFrancais(P().Objet_PrixVente(0) * P().CoefficientAchat) + ")");
    }
    EXPECT_EQ(lbl(4)->text(), "2 :");
    EXPECT_TRUE(vu(img(5)));
    EXPECT_EQ(lbl(6)->text(), "3 :");
    EXPECT_FALSE(vu(img(7)) || vu(lbl(7)));
    // Cells lie in two rows of 17.
    EXPECT_EQ(img(17)->x(), img(0)->x());
    EXPECT_GT(img(17)->y(), img(16)->y());

    Fichier("Beaucoup.ia");
    int visibles = 0;
    for (int k = 0; k < 34; ++k) visibles += vu(img(k)) + vu(lbl(k));
    EXPECT_EQ(visibles, 33);
    EXPECT_FALSE(vu(lbl(33)));

    // A missing picture is told once, and the preview stops there.
    fs::remove(dossier->Chemin("\\Images\\Objets\\" + P().Objet_Image(1) + ".bmp"));
    Fichier("Arme.ia");
    EXPECT_TRUE(q.messages.empty());  // already loaded once
    QTest::keyClick(W<QSlider>("SliderEpoque"), Qt::Key_Right);
    EXPECT_TRUE(q.messages.empty());
}

TEST_F(EditeurIA, ImageManquanteSignaleeUneFois) {
    fs::remove(dossier->Chemin("\\Images\\Objets\\" + P().Objet_Image(0) + ".bmp"));
    Ouvrir();
    Fichier("Tout.ia");  // Equiper 2 of item 0, shown line by line
    ASSERT_EQ(q.messages.size(), 1u);
    EXPECT_EQ(q.messages[0].titre, "Erreur");
    EXPECT_EQ(q.messages[0].texte.rfind("Impossible de charger l'image : ", 0), 0u);
    EXPECT_NE(q.messages[0].texte.find(P().Objet_Image(0) + ".bmp"), std::string::npos);
    EXPECT_FALSE(W<QLabel>("ImgApercu_1")->isVisibleTo(frm.get()));
    // The editor stays usable.
    Cliquer("CmdInserer");
    EXPECT_EQ(Lignes("LstActions").size(), 11u);
    EXPECT_EQ(q.messages.size(), 1u);
}

// Closing asks only after an edit; No writes nothing; the library is then
// what the files hold.
TEST_F(EditeurIA, FermetureDemandeSiModifie) {
    const std::string avant = Disque("Tout.ia");
    Ouvrir();
    Fichier("Tout.ia");
    Cliquer("CmdInserer");
    q.oui = {false};
    frm->close();
    ASSERT_EQ(q.questions.size(), 1u);
    EXPECT_EQ(q.questions[0].texte, "Voulez vous Enregistrer les modifications avant de quitter ?");
    EXPECT_EQ(q.questions[0].titre, Legende);
    EXPECT_EQ(Disque("Tout.ia"), avant);
    EXPECT_EQ(Charge("Tout.ia").Definir_NombreEtapes(0), 10);
    EXPECT_EQ(fermetures, 1);

    Ouvrir();
    Fichier("Tout.ia");
    Cliquer("CmdInserer");
    Menu("MenuFichierEnregistrer")->trigger();
    Menu("MenuFichierQuitter")->trigger();
    EXPECT_EQ(q.questions.size(), 1u);
    EXPECT_EQ(Charge("Tout.ia").Definir_NombreEtapes(0), 11);
    EXPECT_EQ(fermetures, 2);

    // Yes saves.
    Ouvrir();
    Fichier("Tout.ia");
    Cliquer("CmdInserer");
    q.oui = {true};
    frm->close();
    EXPECT_EQ(Charge("Tout.ia").Definir_NombreEtapes(0), 12);
}

TEST_F(EditeurIA, ManuelEtAPropos) {
    Ouvrir();
    EXPECT_FALSE(Menu("MenuAideAPropos")->isEnabled());
    int apropos = 0;
    frm->Definir_APropos([&] { ++apropos; });
    Menu("MenuAideAPropos")->trigger();
    EXPECT_EQ(apropos, 1);
    Menu("MenuAideManuel")->trigger();
    ASSERT_EQ(lanceur.ouverts.size(), 1u);
    EXPECT_EQ(fs::path(lanceur.ouverts[0]), tmp.Chemin() / "Info_EditeurIA.txt");
    EXPECT_TRUE(fs::is_regular_file(lanceur.ouverts[0]));
    lanceur.reussit = false;
    Menu("MenuAideManuel")->trigger();
    EXPECT_EQ(avertisseur.erreurs, std::vector<std::string>{"Logiciel Notepad introuvable."});
}

// With no script at all, only New is offered.
TEST_F(EditeurIA, DossierVide) {
    for (const auto& e : fs::directory_iterator(tmp.Chemin() / "IAs"))
        if (e.is_regular_file()) fs::remove(e.path());
    Main->IA2.Charger_IAs();
    Ouvrir();
    EXPECT_EQ(Liste("FileIAs")->count(), 0);
    EXPECT_TRUE(Actif("CmdNouveau"));
    for (const char* nom : {"CmdDuppliquer", "CmdRenommer", "CmsSupprimerIA", "TxtDescription", "CmdInserer"})
        EXPECT_FALSE(Actif(nom)) << nom;
    q.saisies = {std::string("Premier.ia")};
    Cliquer("CmdNouveau");
    EXPECT_EQ(Liste("FileIAs")->count(), 1);
    EXPECT_TRUE(Actif("CmdInserer"));
}

// A script written in the editor is the one a character follows: a new
// script whose first step collects a chosen resource, saved, and a villager
// of a new game given it goes for that resource in that quantity.
TEST_F(EditeurIA, UnPersonnageSuitLeScriptEnregistre) {
    Ouvrir();
    q.saisies = {std::string("Bucheron.ia")};
    Cliquer("CmdNouveau");
    Cliquer("CmdInserer");
    Cliquer("CmdDeplacer_0");  // the new step goes first
    ASSERT_EQ(Liste("LstActions")->currentRow(), 0);
    CliquerLigne(Liste("LstValeur_0"), QString::fromStdString(P().Ressources_Nom(2)));
    Cliquer("CmdQuantite_2");  // 10
    Cliquer("CmdModifierQuantite_0");
    EXPECT_EQ(Lignes("LstActions"), (std::vector<std::string>{"Collecter 11 " + P().Ressources_Nom(2), "Travailler"}));
    Menu("MenuFichierEnregistrer")->trigger();
    frm->close();
    EXPECT_NE(Disque("Bucheron.ia").find("Age_1\r\n#\r\nRessource_3=11\r\nTravailler\r\n"), std::string::npos);

    SetupChoices c;
    c.LargeurCarte = c.HauteurCarte = 40;
    c.NombreRessources = 30;
    c.Fiefs = {{0, 0, 3}, {1, 1, 3}};
    c.Reseau = true;
    Main->Creer_Partie(c);
    ASSERT_FALSE(Main->FinPartie);
    for (ClsJeuPerso& p : Main->Persos) p.IA = false;
    const std::int32_t i = 1;
    ClsJeuPerso& perso = Main->Persos[i];
    perso.FichierIA = "BUCHERON.IA";  // characters name their script in any case
    perso.IA = true;
    perso.IA_Active = true;
    perso.Equiper = false;
    Resoudre_Scripts_IA(*Main);
    ASSERT_EQ(perso.IndiceIA, Main->IA2.Indice_IA("Bucheron.ia"));
    Main->IA.Initialiser_IA();
    Main->Aleatoire.TableActive = false;
    Main->Aleatoire.Generateur().Semer(3);
    ASSERT_EQ(Main->Fiefs[static_cast<std::size_t>(perso.Equipe)].Epoque, 0);
    // It carries no wood yet: the edited first step is the one it acts on.
    perso.Definir_Ressources(2, 0);
    Main->IA.Executer_IA(i);
    EXPECT_EQ(Main->IA.RessourceVoulue[i], 2);
    EXPECT_EQ(Main->IA.QuantiteVoulue[i], 11);
}

// A file that did not load has no script: nothing of another script may be
// edited in its place.
TEST_F(EditeurIA, FichierIlliblePasEditable) {
    tmp.Ecrire("IAs/Casse.ia", "#Casse\r\n\r\nAge_1\r\nBatiment_x\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    Ouvrir();
    Fichier("Soldat.ia");
    Fichier("Casse.ia");
    EXPECT_EQ(frm->NoIA(), -1);
    EXPECT_TRUE(W<QLineEdit>("TxtDescription")->text().isEmpty());
    EXPECT_FALSE(Actif("TxtDescription"));
    EXPECT_FALSE(Actif("CmdInserer"));
    EXPECT_EQ(Liste("LstActions")->count(), 0);
    // It can still be deleted.
    q.oui = {true};
    Cliquer("CmsSupprimerIA");
    EXPECT_FALSE(SurDisque("Casse.ia"));
}

// When the files cannot be written, the edits are kept and the window
// stays open rather than reloading over them.
TEST_F(EditeurIA, EnregistrementImpossibleNeFermePas) {
    Ouvrir();
    Fichier("Tout.ia");
    Cliquer("CmdInserer");
    fs::remove(tmp.Chemin() / "IAs" / "Tout.ia");
    fs::create_directory(tmp.Chemin() / "IAs" / "Tout.ia");
    Menu("MenuFichierEnregistrer")->trigger();
    ASSERT_EQ(q.messages.size(), 1u);
    EXPECT_EQ(q.messages[0].texte, "Le fichier Tout.ia n'a pas pu être enregistré.");
    EXPECT_TRUE(frm->Modifie());
    q.oui = {true};
    frm->close();
    EXPECT_TRUE(frm->isVisible());
    EXPECT_EQ(fermetures, 0);
    EXPECT_EQ(Charge("Tout.ia").Definir_NombreEtapes(0), 11);
    // Once the file can be written again, closing saves and closes.
    fs::remove(tmp.Chemin() / "IAs" / "Tout.ia");
    q.oui = {true};
    frm->close();
    EXPECT_EQ(fermetures, 1);
    EXPECT_EQ(Charge("Tout.ia").Definir_NombreEtapes(0), 11);
}

// A right click on the files pops up the file menu, on the steps the
// actions menu.
TEST_F(EditeurIA, MenusContextuels) {
    Ouvrir();
    struct Cas {
        const char* liste;
        const char* menu;
    };
    for (const Cas& c : {Cas{"FileIAs", "MenuFichier"}, Cas{"LstActions", "MenuActions"}}) {
        QWidget* zone = Liste(c.liste)->viewport();
        QContextMenuEvent e(QContextMenuEvent::Mouse, QPoint(5, 5), zone->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(zone, &e);
        QMenu* menu = W<QMenu>(c.menu);
        EXPECT_TRUE(menu->isVisible()) << c.menu;
        menu->hide();
    }
}

// A value of a later age than the one shown: a building becomes the first
// line's; a money building, a resource or an item not listed keeps its
// value and nothing is selected.
TEST_F(EditeurIA, ValeursHorsListe) {
    std::int32_t objet = 0;
    while (objet < P().NombreTypesObjets && P().Objet_Epoque(objet) <= 1) ++objet;
    ASSERT_LT(objet, P().NombreTypesObjets);
    ASSERT_GT(P().Batiment_NoEpoque(11), 1);
    ASSERT_GT(P().Ressources_Epoque(6), 0);
    tmp.Ecrire("IAs/Hors.ia", "#Hors\r\n\r\nAge_1\r\n#\r\nBatiment_12\r\nGagnerArgent_12=5\r\nRessource_7=1\r\nObjet_" +
                                  std::to_string(objet + 1) +
                                  "=1\r\n\r\nAge_2\r\n#\r\nTravailler\r\n\r\nAge_3\r\n#\r\nTravailler\r\n\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    ASSERT_GE(Main->IA2.Indice_IA("Hors.ia"), 0);
    Ouvrir();
    // Showing the script shows its first step: the building is brought back.
    Fichier("Hors.ia");
    EXPECT_TRUE(frm->Modifie());
    struct Cas {
        int etape;
        std::int32_t valeur;
        const char* liste;
        int ligne;
    };
    const Cas cas[] = {{1, 11, "LstValeur_0", -1}, {2, 6, "LstValeur_0", -1}, {3, objet, "LstValeur_1", -1},
                       {0, 0, "LstValeur_0", 0}};
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.etape);
        CliquerLigne(Liste("LstActions"), c.etape);
        EXPECT_EQ(Charge("Hors.ia").Definir_Valeur(0, c.etape), c.valeur);
        EXPECT_EQ(Liste(c.liste)->currentRow(), c.ligne);
    }
    EXPECT_EQ(Lignes("LstActions")[0], "Construire " + P().Batiment_Nom(0));
}

// Changing a step's category never leaves a value the file reader would
// refuse: an item's index beyond the resources becomes the first resource.
TEST_F(EditeurIA, CategorieChangeeGardeUnFichierLisible) {
    const std::int32_t objet = P().NombreTypesObjets - 1;
    ASSERT_GE(objet, P().NombreRessources);
    tmp.Ecrire("IAs/Change.ia", "#Change\r\n\r\nAge_1\r\n#\r\nObjet_" + std::to_string(objet + 1) +
                                    "=1\r\nTravailler\r\n\r\nAge_2\r\n#\r\nTravailler\r\n\r\nAge_3\r\n#\r\n"
                                    "Travailler\r\n\r\n#Fin\r\n");
    Main->IA2.Charger_IAs();
    Ouvrir();
    Fichier("Change.ia");
    Option(0);
    EXPECT_EQ(Lignes("LstActions")[0], "Collecter 1 " + P().Ressources_Nom(0));
    Menu("MenuFichierEnregistrer")->trigger();
    Main->IA2.Charger_IAs();
    EXPECT_TRUE(Main->IA2.ErreursChargement.empty());
    EXPECT_EQ(Charge("Change.ia").Definir_Valeur(0, 0), 0);
}

}  // namespace
