#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "devices/ClsPerMusique.h"
#include "devices/ClsPerSon.h"
#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "tests/Outils.h"
#include "tests/windows/OutilsFenetres.h"
#include "windows/frmOptions.h"

namespace fs = std::filesystem;

namespace {

// Every check box of the window and the key its owner writes. The layout
// file is the one-player layout of the default resolution (1024 wide).
struct CleOption {
    const char* Controle;
    const char* Fichier;
    const char* Section;
    const char* Cle;
};
const CleOption CasesACocher[] = {
    {"CheckEnregistrerStastistiques", "Ini_Documents.ini", "Documents", "EnregistrerStastistiques"},
    {"CheckAfficherStastistiquesEnQuittant", "Ini_Documents.ini", "Documents", "AfficherStastistiquesEnQuittant"},
    {"CheckTerrainAnime", "Ini_Terrain.ini", "Terrains", "TerrainAnime"},
    {"CheckAfficherFantomes", "Ini_Jeu.ini", "Vitesse", "AfficherFantomesPNJ"},
    {"CheckAfficherCommentaires", "Ini_Commentaires.ini", "Commentaires", "Afficher"},
    {"CheckAffichageRapide", "Ini_Jeu.ini", "Vitesse", "AffichageRapide"},
    {"CheckSAVPersoPeriodique", "Ini_SavPerso.ini", "SavPerso", "SauvegardePeriodique"},
    {"CheckSavMondeEnQuittant", "Ini_SavMonde.ini", "SavMonde", "SavMondeEnQuittant"},
    {"CheckMasquerAutoBoutonsConstruire", "Ini_Interface1024.ini", "Interface", "MasquerAutoBoutonsConstruire"},
    {"CheckAfficherInfoBulleTerrain", "Ini_Interface1024.ini", "Interface", "AfficherInfoBulleTerrain"},
    {"CheckAfficherMessageModeAuto", "Ini_Interface1024.ini", "Interface", "AfficherMessageModeAuto"},
    {"CheckAfficherBoutonsDeplacement", "Ini_Interface1024.ini", "Interface", "AfficherBoutonsDeplacement"},
    {"CheckAfficherBoutonsInfos", "Ini_Interface1024.ini", "Interface", "AfficherBoutonsInfos"},
    {"CheckAfficherBarresStatut", "Ini_Interface1024.ini", "Interface", "AfficherBarresStatut"},
    {"CheckAfficherAction", "Ini_Interface1024.ini", "Interface", "AfficherAction"},
    {"CheckAfficherFPS", "Ini_Interface1024.ini", "Interface", "AfficherFPS"},
    {"CheckAfficherEpoques", "Ini_Interface1024.ini", "Interface", "AfficherEpoques"},
    {"CheckAfficherStastistiques", "Ini_Interface1024.ini", "Interface", "AfficherStastistiques"},
    {"CheckMessagesAfficherConseil", "Ini_Messages.ini", "Messages", "AfficherConseil"},
    {"CheckMessagesAfficherVie", "Ini_Messages.ini", "Messages", "AfficherVie"},
    {"CheckMessagesAfficherBestiaire", "Ini_Messages.ini", "Messages", "AfficherBestiaire"},
    {"CheckMessagesAfficherArgent", "Ini_Messages.ini", "Messages", "AfficherArgent"},
    {"CheckMessagesAfficherRessources", "Ini_Messages.ini", "Messages", "AfficherRessources"},
    {"CheckMessagesAfficherObjets", "Ini_Messages.ini", "Messages", "AfficherObjets"},
    {"CheckMessagesAfficherSoldats", "Ini_Messages.ini", "Messages", "AfficherSoldats"},
    {"CheckMessagesAfficherExperience", "Ini_Messages.ini", "Messages", "AfficherExperience"},
    {"CheckMessagesAfficher", "Ini_Messages.ini", "Messages", "Afficher"},
    {"CheckOptimiserAffichage", "Ini_Terrain.ini", "Terrains", "TerrainOptimise"},
    {"CheckAfficherInfosBulles", "Ini_Boutons.ini", "Boutons", "AfficherInfoBulle"},
    {"CheckJouerBruitages", "Ini_Sons.ini", "Sons", "Jouer"},
    {"CheckJouerMusiques", "Ini_Musiques.ini", "Musiques", "Jouer"},
};
// The sliders and the list, with the key each writes.
const CleOption Reglages[] = {
    {"SliderDureeCommentaires", "Ini_Commentaires.ini", "Commentaires", "Duree"},
    {"SliderVitesse", "Ini_Jeu.ini", "Vitesse", "Vitesse"},
    {"SliderFPS", "Ini_Jeu.ini", "Vitesse", "FPS"},
    {"ComboResolution", "Ini_Ecran.ini", "Ecran", "Resolution"},
};

// Every file of a folder and its bytes.
std::map<fs::path, std::string> Octets(const fs::path& racine) {
    std::map<fs::path, std::string> r;
    for (const auto& e : fs::recursive_directory_iterator(racine))
        if (e.is_regular_file()) {
            std::ifstream f(e.path(), std::ios::binary);
            std::ostringstream s;
            s << f.rdbuf();
            r[fs::relative(e.path(), racine)] = s.str();
        }
    return r;
}

class FrmOptions : public ::testing::Test {
protected:
    ApplicationTest app;
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> main;
    std::unique_ptr<ClsJeu> jeu;
    std::unique_ptr<ClsPerEcran> ecran;
    std::unique_ptr<ClsPerSon> son;
    std::unique_ptr<ClsPerMusique> musique;
    LanceurFactice lanceur;
    AvertisseurFactice avertisseur;
    QPointer<frmOptions> fenetre;

    FrmOptions() { d.CopierDonnees(); }
    ~FrmOptions() override { delete fenetre.data(); }

    // A key as stored on disk, read by a reader that shares no cache with
    // the game's.
    std::string Lire(const CleOption& c) {
        DossierJeu frais(d.Chemin());
        return frais.LireCle(c.Fichier, c.Section, c.Cle);
    }
    void Ecrire(const CleOption& c, const std::string& valeur) {
        DossierJeu frais(d.Chemin());
        ASSERT_TRUE(frais.EcrireCle(c.Fichier, c.Section, c.Cle, valeur));
    }

    // The settings owners read the folder as it is now; the window opens.
    void Ouvrir(ClsInterface* interface = nullptr) {
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        main = std::make_unique<ModMain>(*dossier);
        jeu = std::make_unique<ClsJeu>(*dossier);
        ecran = std::make_unique<ClsPerEcran>(*dossier);
        son = std::make_unique<ClsPerSon>(*dossier);
        musique = std::make_unique<ClsPerMusique>(*dossier, main->GenerateurPlateforme);
        OuvrirFenetre(interface);
    }
    void OuvrirFenetre(ClsInterface* interface = nullptr) {
        ProprietairesOptions p{.Jeu = *jeu,
                               .Ecran = *ecran,
                               .Son = *son,
                               .Musique = *musique,
                               .Lanceur = lanceur,
                               .Avertisseur = avertisseur,
                               .Interface = interface};
        fenetre = new frmOptions(*main, p);
        fenetre->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenetre));
    }
    template <typename T>
    T* Controle(const char* nom) {
        T* c = fenetre->findChild<T*>(nom);
        EXPECT_NE(c, nullptr) << nom;
        return c;
    }
    // A box is clicked on its square (its centre may lie past its caption).
    void Cliquer(const char* nom) {
        QAbstractButton* b = Controle<QAbstractButton>(nom);
        const bool caseACocher = qobject_cast<QCheckBox*>(b) != nullptr;
        QTest::mouseClick(b, Qt::LeftButton, {}, caseACocher ? QPoint(6, b->height() / 2) : b->rect().center());
    }
    // The player changes every control: each box ticked or cleared, each
    // slider one step right, the next resolution.
    void ToutChanger() {
        // The details can only be changed while the feed is on.
        const bool feed = Controle<QCheckBox>("CheckMessagesAfficher")->isChecked();
        if (!feed) Cliquer("CheckMessagesAfficher");
        for (const auto& c : CasesACocher)
            if (std::string(c.Controle) != "CheckMessagesAfficher" || feed) Cliquer(c.Controle);
        for (const char* s : {"SliderDureeCommentaires", "SliderVitesse", "SliderFPS"})
            QTest::keyClick(Controle<QSlider>(s), Qt::Key_Right);
        QTest::keyClick(Controle<QComboBox>("ComboResolution"), Qt::Key_Down);
    }
    // Closes through the event loop and lets the deferred delete run.
    void Attendre_Fermeture() {
        for (int k = 0; k < 20 && fenetre; ++k) QTest::qWait(5);
        EXPECT_TRUE(fenetre.isNull());
    }
};

}  // namespace

TEST_F(FrmOptions, OKEcritChaqueCleChangeeParLeJoueur) {
    std::map<std::string, std::string> avant;
    for (const auto& c : CasesACocher) avant[c.Controle] = Lire(c);
    Ouvrir();
    ToutChanger();
    Cliquer("cmdOK");
    Attendre_Fermeture();

    for (const auto& c : CasesACocher) {
        // A missing key (the save and document settings before their
        // modules write them) reads off.
        const bool etait = avant[c.Controle] == "1";
        EXPECT_EQ(Lire(c), etait ? "0" : "1") << c.Controle << " -> " << c.Fichier << " " << c.Cle;
    }
    const std::string attendu[] = {"0.1", "21", "31", "3"};
    for (std::size_t k = 0; k < std::size(Reglages); ++k) EXPECT_EQ(Lire(Reglages[k]), attendu[k]) << Reglages[k].Cle;
    // The live owners changed too.
    EXPECT_EQ(jeu->Definir_Vitesse(), 21);
    EXPECT_EQ(jeu->Definir_FPS(), 31);
    EXPECT_FLOAT_EQ(main->Commentaires.Definir_Duree(), 0.1f);
    EXPECT_FALSE(musique->Definir_JouerMusique());
    EXPECT_EQ(ecran->Definir_Resolution(), 2);
    EXPECT_TRUE(avertisseur.Messages.empty());
}

// "01" reads as on and "020" as 20 everywhere; OK writes every key again in
// the owners' own form, changed or not. A duration between two steps is
// shown at the nearest step and saved as that step.
TEST_F(FrmOptions, OKSansChangementReecritChaqueCle) {
    std::map<std::string, std::string> valeurs;
    for (const auto& c : CasesACocher) {
        valeurs[c.Controle] = Lire(c) == "1" ? "1" : "0";
        Ecrire(c, "0" + valeurs[c.Controle]);
    }
    Ecrire(Reglages[0], "0.094");
    Ecrire(Reglages[1], "020");
    Ecrire(Reglages[2], "030");
    Ecrire(Reglages[3], "02");
    Ouvrir();
    EXPECT_EQ(Controle<QLabel>("LblDureeCommentaires")->text(), "0,09");
    EXPECT_EQ(Controle<QLabel>("LblVitesse")->text(), "20");
    EXPECT_EQ(Controle<QLabel>("LblFPS")->text(), "30");
    EXPECT_EQ(Controle<QComboBox>("ComboResolution")->currentText(), "1024 * 768");
    Cliquer("cmdOK");
    Attendre_Fermeture();

    for (const auto& c : CasesACocher) EXPECT_EQ(Lire(c), valeurs[c.Controle]) << c.Controle;
    const std::string attendu[] = {"0.09", "20", "30", "2"};
    for (std::size_t k = 0; k < std::size(Reglages); ++k) EXPECT_EQ(Lire(Reglages[k]), attendu[k]) << Reglages[k].Cle;
}

// However the window is left without "&OK", after every control was
// changed, not one byte of the game folder differs and no file appears.
TEST_F(FrmOptions, SortieSansOKNeChangeAucunOctet) {
    const struct {
        const char* voie;
        std::function<void()> fermer;
    } voies[] = {
        {"Annuler", [this] { Cliquer("cmdCancel"); }},
        {"Echap", [this] { QTest::keyClick(fenetre, Qt::Key_Escape); }},
        {"case de fermeture", [this] { fenetre->close(); }},
    };
    const auto avant = Octets(d.Chemin());
    for (const auto& v : voies) {
        Ouvrir();
        ToutChanger();
        v.fermer();
        Attendre_Fermeture();
        EXPECT_TRUE(Octets(d.Chemin()) == avant) << v.voie;
    }
}

TEST_F(FrmOptions, LesControlesQuiDependentDUneCase) {
    Ecrire({"", "Ini_Jeu.ini", "Vitesse", "AffichageRapide"}, "1");
    Ouvrir();
    auto fps = [&] {
        return std::vector<bool>{Controle<QWidget>("LblFPSMax")->isVisible(), Controle<QWidget>("SliderFPS")->isVisible(),
                                 Controle<QWidget>("LblFPS")->isVisible()};
    };
    // Stored fast display: the frame-rate controls start hidden, and
    // follow the box both ways.
    EXPECT_EQ(fps(), std::vector<bool>(3, false));
    Cliquer("CheckAffichageRapide");
    EXPECT_EQ(fps(), std::vector<bool>(3, true));
    Cliquer("CheckAffichageRapide");
    EXPECT_EQ(fps(), std::vector<bool>(3, false));
    // The hidden slider still has its value saved.
    QTest::keyClick(Controle<QSlider>("SliderFPS"), Qt::Key_Right);

    // Clearing the feed locks the eight details, which keep their values
    // and are saved as they are.
    Cliquer("CheckMessagesAfficherVie");
    Cliquer("CheckMessagesAfficher");
    EXPECT_FALSE(Controle<QGroupBox>("FrameDetailsMessages")->isEnabled());
    EXPECT_FALSE(Controle<QCheckBox>("CheckMessagesAfficherArgent")->isEnabled());
    Cliquer("CheckMessagesAfficherArgent");
    Cliquer("cmdOK");
    Attendre_Fermeture();
    EXPECT_EQ(Lire({"", "Ini_Jeu.ini", "Vitesse", "FPS"}), "31");
    EXPECT_EQ(Lire({"", "Ini_Messages.ini", "Messages", "Afficher"}), "0");
    EXPECT_EQ(Lire({"", "Ini_Messages.ini", "Messages", "AfficherVie"}), "0");
    EXPECT_EQ(Lire({"", "Ini_Messages.ini", "Messages", "AfficherArgent"}), "1");
}

// Settings that would divide by zero or stop the clock: the window shows
// something sensible and never writes such a value back.
TEST_F(FrmOptions, ValeursNullesOuNegativesGardees) {
    const struct {
        const char* cas;
        std::vector<std::pair<CleOption, std::string>> fichier;
        const char* curseur;
        bool actif;
        int minimum, valeur;
        std::string libelle;
        CleOption cle;
        std::string ecrit;
    } cas[] = {
        {"pas de durée nul",
         {{{"", "Ini_Commentaires.ini", "Commentaires", "DureeIntervale"}, "0"}},
         "SliderDureeCommentaires", false, 0, 0, "0,09",
         {"", "Ini_Commentaires.ini", "Commentaires", "Duree"}, "0.09"},
        {"pas de durée négatif",
         {{{"", "Ini_Commentaires.ini", "Commentaires", "DureeIntervale"}, "-0.01"}},
         "SliderDureeCommentaires", false, 0, 0, "0,09",
         {"", "Ini_Commentaires.ini", "Commentaires", "Duree"}, "0.09"},
        {"durées immenses",
         {{{"", "Ini_Commentaires.ini", "Commentaires", "DureeMax"}, "1e30"},
          {{"", "Ini_Commentaires.ini", "Commentaires", "Duree"}, "1e30"}},
         "SliderDureeCommentaires", true, 3, 2147483647, "21474836,00",
         {"", "Ini_Commentaires.ini", "Commentaires", "Duree"}, "21474836"},
        {"vitesse nulle",
         {{{"", "Ini_Jeu.ini", "Vitesse", "VitesseMin"}, "0"}, {{"", "Ini_Jeu.ini", "Vitesse", "Vitesse"}, "0"}},
         "SliderVitesse", true, 1, 1, "1", {"", "Ini_Jeu.ini", "Vitesse", "Vitesse"}, "1"},
        {"images par seconde négatives",
         {{{"", "Ini_Jeu.ini", "Vitesse", "FPSMin"}, "-5"}, {{"", "Ini_Jeu.ini", "Vitesse", "FPSMax"}, "-2"},
          {{"", "Ini_Jeu.ini", "Vitesse", "FPS"}, "-3"}},
         "SliderFPS", true, 1, 1, "1", {"", "Ini_Jeu.ini", "Vitesse", "FPS"}, "1"},
    };
    for (const auto& c : cas) {
        d.CopierDonnees();
        for (const auto& [cle, valeur] : c.fichier) Ecrire(cle, valeur);
        Ouvrir();
        auto* s = Controle<QSlider>(c.curseur);
        EXPECT_EQ(s->isEnabled(), c.actif) << c.cas;
        EXPECT_EQ(s->minimum(), c.minimum) << c.cas;
        EXPECT_EQ(s->value(), c.valeur) << c.cas;
        const QString libelle = std::string(c.curseur) == "SliderDureeCommentaires" ? "LblDureeCommentaires"
                                : std::string(c.curseur) == "SliderVitesse"         ? "LblVitesse"
                                                                                    : "LblFPS";
        EXPECT_EQ(Controle<QLabel>(libelle.toUtf8().constData())->text().toStdString(), c.libelle) << c.cas;
        Cliquer("cmdOK");
        Attendre_Fermeture();
        EXPECT_EQ(Lire(c.cle), c.ecrit) << c.cas;
    }
}

TEST_F(FrmOptions, LesDeuxBoutonsOuvrentConseilsEtMusiques) {
    // The build makes the music folder; the data set alone has none.
    fs::create_directories(d.Chemin() / "Musiques");
    Ouvrir();
    Cliquer("CmdConseils");
    Cliquer("CmdMusiques");
    ASSERT_EQ(lanceur.Ouverts.size(), 2u);
    EXPECT_EQ(fs::path(lanceur.Ouverts[0].substr(6)), d.Chemin() / "Info_Conseils.txt");
    EXPECT_EQ(lanceur.Ouverts[1].rfind("dossier:", 0), 0u);
    EXPECT_EQ(fs::weakly_canonical(lanceur.Ouverts[1].substr(8)), fs::weakly_canonical(d.Chemin() / "Musiques"));
    lanceur.Reussit = false;
    Cliquer("CmdConseils");
    Cliquer("CmdMusiques");
    EXPECT_EQ(avertisseur.Messages,
              (std::vector<std::string>{"Logiciel Notepad introuvable.", "Logiciel Explorer introuvable."}));
    // Neither button closes the window nor writes anything.
    EXPECT_FALSE(fenetre.isNull());
    // Without the folder, the folder is named as missing, not the program.
    fs::remove(d.Chemin() / "Musiques");
    Cliquer("CmdMusiques");
    ASSERT_EQ(avertisseur.Messages.size(), 3u);
    EXPECT_EQ(avertisseur.Messages[2].rfind("Le dossier « ", 0), 0u) << avertisseur.Messages[2];
    EXPECT_NE(avertisseur.Messages[2].find("Musiques"), std::string::npos) << avertisseur.Messages[2];
}

// Player 1's interface handed in, left in full view by the last game: the
// window brings back its own flags first, and OK sets the live object.
TEST_F(FrmOptions, InterfaceDuJoueurSortieDuPleinEcran) {
    Ouvrir();
    fenetre->close();
    Attendre_Fermeture();
    ClsInterface interface(*main, *ecran);
    interface.Init1(0, 1);
    interface.Affichage_PleinEcran(true);
    ASSERT_FALSE(interface.Definir_AfficherEpoques());
    OuvrirFenetre(&interface);
    EXPECT_FALSE(interface.Affichage_PleinEcran());
    EXPECT_TRUE(Controle<QCheckBox>("CheckAfficherEpoques")->isChecked());
    Cliquer("CheckAfficherEpoques");
    Cliquer("cmdOK");
    Attendre_Fermeture();
    EXPECT_FALSE(interface.Definir_AfficherEpoques());
    EXPECT_EQ(Lire({"", "Ini_Interface1024.ini", "Interface", "AfficherEpoques"}), "0");
}

// A layout file that cannot be read: the window says so, locks the
// interface settings, and OK still writes every other setting.
TEST_F(FrmOptions, FichierInterfaceIlliseVerrouilleSesCases) {
    fs::remove(d.Chemin() / "Ini_Interface1024.ini");
    Ouvrir();
    ASSERT_EQ(avertisseur.Messages.size(), 1u);
    EXPECT_NE(avertisseur.Messages[0].find("Ini_Interface1024"), std::string::npos);
    EXPECT_FALSE(Controle<QGroupBox>("FrameInterface")->isEnabled());
    EXPECT_FALSE(Controle<QCheckBox>("CheckAfficherStastistiques")->isEnabled());
    Cliquer("CheckTerrainAnime");
    Cliquer("cmdOK");
    Attendre_Fermeture();
    EXPECT_FALSE(fs::exists(d.Chemin() / "Ini_Interface1024.ini"));
    EXPECT_EQ(Lire({"", "Ini_Terrain.ini", "Terrains", "TerrainAnime"}), "0");
}
