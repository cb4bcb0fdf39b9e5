// Saving and loading worlds through the saves module: the three files of a
// save, the name from the date (with a suffix for a second save in the
// same minute), the summary's lines, a preview that cannot
// be written costing nothing, and the "ChargerMonde" start mode, which
// refuses a bad file with its reason and starts no game.
#include <gtest/gtest.h>

#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Surface.h"
#include "platform/Texte.h"
#include "saves/FichierMonde.h"
#include "saves/ModSAVMonde.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

struct Sauvegardes : ::testing::Test {
    DossierTemporaire dossier;
    std::unique_ptr<DossierJeu> jeu;
    std::unique_ptr<ModMain> Main;
    std::unique_ptr<ModSAVMonde> Sav;
    std::tm neufDecembre{};

    void SetUp() override {
        dossier.CopierDonnees();
        jeu = std::make_unique<DossierJeu>(dossier.Chemin());
        Main = std::make_unique<ModMain>(*jeu);
        Main->Charger_Parametres();
        Sav = std::make_unique<ModSAVMonde>(*jeu);
        Sav->Charger_Parametres_SavMonde();
        Sav->Brancher(*Main);
        neufDecembre.tm_mday = 9;
        neufDecembre.tm_mon = 11;
        neufDecembre.tm_year = 2026 - 1900;
        neufDecembre.tm_hour = 10;
        neufDecembre.tm_min = 21;
    }
    void NouveauMonde(int largeur = 120, int hauteur = 80) {
        SetupChoices c;
        c.LargeurCarte = largeur;
        c.HauteurCarte = hauteur;
        c.Fiefs.push_back({0, 0, 3});
        c.Fiefs.push_back({1, 1, 2});
        Main->Creer_Partie(c);
        ASSERT_FALSE(Main->FinPartie);
    }
    fs::path Mondes() const { return Sav->Dossier_Mondes(false); }
};

}  // namespace

TEST_F(Sauvegardes, TroisFichiersSousUnNomDeDate) {
    NouveauMonde();
    Surface ecran(64, 48);
    const std::string nom = Sav->Sauvegarder_Monde(*Main, "", &ecran, neufDecembre);
    EXPECT_EQ(nom, "09_12_2026__10_21");
    for (const char* ext : {".sav", ".txt", ".gif"}) EXPECT_TRUE(fs::is_regular_file(Mondes() / (nom + ext))) << ext;
    // The preview is a bitmap, whatever its extension.
    EXPECT_EQ(LireFichier(Mondes() / (nom + ".gif"))->substr(0, 2), "BM");
    // The summary's ten lines.
    const auto l = DecouperLignes(*LireFichier(Mondes() / (nom + ".txt")));
    ASSERT_EQ(l.size(), 10u);
    EXPECT_EQ(l[0], "Sauvegarde personnelle - Date : 09/12/2026   Heure : 10:21");
    EXPECT_EQ(l[2], "Dimensions de la carte : 120 * 80");
    EXPECT_EQ(l[4], "Personnage utilisé : " + Main->Persos[static_cast<std::size_t>(Main->NoPersoJoueur)].Nom);
    EXPECT_EQ(l[8], "Nombre de fiefs : 2");
    EXPECT_EQ(l[9], "Nombre de personnages : " + std::to_string(Main->Persos.size()));
    // The setup window lists it. Later saves in the same minute take the
    // next free suffix and leave it whole; a save given its name replaces
    // the world of that name.
    EXPECT_EQ(Sav->Liste_Fichiers(false), std::vector<std::string>{nom + ".sav"});
    const std::string premier = *LireFichier(Mondes() / (nom + ".sav"));
    for (int t = 0; t < 10; ++t) Main->Tour_Simulation();
    EXPECT_EQ(Sav->Sauvegarder_Monde(*Main, "", &ecran, neufDecembre), nom + "_2");
    EXPECT_EQ(Sav->Sauvegarder_Monde(*Main, "", nullptr, neufDecembre), nom + "_3");
    EXPECT_EQ(Sav->Liste_Fichiers(false),
              (std::vector<std::string>{nom + ".sav", nom + "_2.sav", nom + "_3.sav"}));
    EXPECT_EQ(*LireFichier(Mondes() / (nom + ".sav")), premier);
    EXPECT_TRUE(fs::is_regular_file(Mondes() / (nom + "_2.txt")));
    EXPECT_EQ(Sav->Sauvegarder_Monde(*Main, nom + "_2", nullptr, neufDecembre), nom + "_2");
    EXPECT_EQ(Sav->Liste_Fichiers(false).size(), 3u);
}

// A preview that cannot be written (its name taken by a folder) and no
// picture at all both leave a full save.
TEST_F(Sauvegardes, ApercuRateSauvegardeFaite) {
    NouveauMonde(40, 40);
    fs::create_directories(Mondes() / "Bloque.gif");
    Surface ecran(32, 32);
    Sav->Sauvegarder_Monde(*Main, "Bloque", &ecran, neufDecembre);
    EXPECT_TRUE(fs::is_regular_file(Mondes() / "Bloque.sav"));
    Sav->Sauvegarder_Monde(*Main, "SansImage", nullptr, neufDecembre);
    EXPECT_TRUE(fs::is_regular_file(Mondes() / "SansImage.sav"));
    EXPECT_FALSE(fs::exists(Mondes() / "SansImage.gif"));
    // A name that cannot be a file is refused before anything is written.
    EXPECT_THROW(Sav->Sauvegarder_Monde(*Main, "../dehors", nullptr, neufDecembre), ErreurFichier);
    EXPECT_FALSE(fs::exists(Mondes().parent_path() / "dehors.sav"));
}

// The "ChargerMonde" start mode loads the chosen file; a bad one starts no
// game, says why, and the world of the last game stays as it was.
TEST_F(Sauvegardes, ModeChargerMonde) {
    NouveauMonde(48, 40);
    Sav->Sauvegarder_Monde(*Main, "Royaume", nullptr, neufDecembre);
    const std::string attendu = Ecrire_Texte_Monde(*Main);

    SetupChoices c;
    c.Mode = SetupChoices::ChargerMonde;
    c.FichierMonde = "Royaume.sav";
    {
        DossierJeu autreJeu(dossier.Chemin());
        ModMain autre(autreJeu);
        autre.Charger_Parametres();
        ModSAVMonde sav(autreJeu);
        sav.Charger_Parametres_SavMonde();
        sav.Brancher(autre);
        autre.Creer_Partie(c);
        ASSERT_FALSE(autre.FinPartie) << (autre.MessagesPartie.empty() ? "" : autre.MessagesPartie[0]);
        EXPECT_EQ(autre.Monde.LargeurCarte, 48);
        EXPECT_EQ(autre.Persos.size(), Main->Persos.size());
        EXPECT_EQ(autre.Persos[0].Nom, Main->Persos[0].Nom);
    }

    std::string abime = attendu;
    abime.resize(abime.size() / 2);
    ASSERT_TRUE(EcrireFichierAtomique(Mondes() / "Abime.sav", abime));
    const std::size_t persos = Main->Persos.size();
    c.FichierMonde = "Abime.sav";
    Main->Creer_Partie(c);
    EXPECT_TRUE(Main->FinPartie);
    ASSERT_EQ(Main->MessagesPartie.size(), 1u);
    EXPECT_NE(Main->MessagesPartie[0].find("Abime.sav"), std::string::npos) << Main->MessagesPartie[0];
    EXPECT_NE(Main->MessagesPartie[0].find("tronqué"), std::string::npos) << Main->MessagesPartie[0];
    EXPECT_EQ(Main->Persos.size(), persos);

    // A name from outside the saves folder is not opened.
    Main->MessagesPartie.clear();
    c.FichierMonde = "../Ini_SavMonde.ini";
    Main->Creer_Partie(c);
    EXPECT_TRUE(Main->FinPartie);
    EXPECT_EQ(Main->MessagesPartie.size(), 1u);
}
