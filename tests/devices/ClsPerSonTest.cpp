#include <gtest/gtest.h>

#include <filesystem>

#include "devices/ClsPerSon.h"
#include "devices/SortieSonMuette.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"
#include "tests/devices/SortieSonEnregistree.h"

namespace fs = std::filesystem;

namespace {

// The small rules set with effects whose sound names cover every case.
const char* Effets =
    "[Effets]\nNombreEffets=6\nEffetMaisonEnFeu=1\nEffetMaisonDetruite=0\n"
    "[Effet_1]\nNom=Coup\nFichier=coup\nSon=coup.wav\n"
    "[Effet_2]\nNom=Rien\nFichier=rien\n"
    "[Effet_3]\nNom=Absent\nFichier=absent\nSon=absent.wav\n"
    "[Effet_4]\nNom=Dehors\nFichier=dehors\nSon=lien\\dehors.wav\n"
    "[Effet_5]\nNom=Rangé\nFichier=range\nSon=Combat\\Lame.wav\n"
    "[Effet_6]\nNom=Abîmé\nFichier=abime\nSon=abime.wav\n";

struct Son : ::testing::Test {
    DossierTemporaire d, ailleurs;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ClsJeuParam> regles;
    SortieSonEnregistree sortie;

    void SetUp() override {
        for (const auto& f : fs::directory_iterator(Fixtures() / "regles_base"))
            fs::copy_file(f.path(), d.Chemin() / f.path().filename());
        d.Ecrire("Ini_Parametres_Effets.ini", Effets);
        d.Ecrire("Ini_Sons.ini", "[Sons]\nJouer=1\nChemin=\\Sons\\\n");
        d.Ecrire("Sons/coup.wav", "RIFF");
        d.Ecrire("Sons/combat/lame.wav", "RIFF");
        d.Ecrire("Sons/abime.wav", "RIFF");
        // A link of the sound folder that leads out of the game folder.
        ailleurs.Ecrire("dehors.wav", "RIFF");
        fs::create_directory_symlink(ailleurs.Chemin(), d.Chemin() / "Sons" / "lien");
        sortie.Illisibles.insert("abime.wav");
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        regles = std::make_unique<ClsJeuParam>(*dossier);
        for (std::int16_t etape = 0; etape <= 7; ++etape) regles->Init(etape);
        ASSERT_EQ(regles->NombreEffets, 6);
    }
};

}  // namespace

TEST_F(Son, UnSonParTypeDEffet) {
    ClsPerSon son(*dossier);
    son.Init(&sortie, *regles);
    ASSERT_EQ(son.NombreEffets(), 6);
    // Loaded: a plain name, and one in a sub-folder found whatever its
    // letter case. Silent: no name, a missing or unreadable file, and a
    // name that leads out of the game folder through a link (never even
    // opened; a name that climbs out with ".." is a fault of the rules).
    const bool attendus[] = {true, false, false, false, true, false};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(son.Charge(i), attendus[i]) << i;
    for (const auto& f : sortie.Charges) EXPECT_EQ(f.filename() == "dehors.wav", false) << f;
    EXPECT_EQ(sortie.Appels.front(), "Vider 6");

    sortie.Appels.clear();
    for (std::int16_t i : {0, 1, 4, -1, 6, 200}) son.Lire(i);
    EXPECT_EQ(sortie.Appels, (std::vector<std::string>{"Jouer 0", "Jouer 4"}));
}

TEST_F(Son, SansSortieToutEstMuet) {
    ClsPerSon son(*dossier);
    son.Init(nullptr, *regles);
    EXPECT_FALSE(son.Charge(0));
    son.Lire(0);
    SortieSonMuette muette;
    son.Init(&muette, *regles);
    EXPECT_FALSE(son.Charge(0));
    son.Lire(0);
}

TEST_F(Son, InterrupteurEcritAussitot) {
    ClsPerSon son(*dossier);
    EXPECT_TRUE(son.Definir_Jouer());
    son.Definir_Jouer(false);
    EXPECT_FALSE(son.Definir_Jouer());
    EXPECT_NE(d.Lire("Ini_Sons.ini").find("Jouer=0"), std::string::npos);
    DossierJeu relu(d.Chemin());
    EXPECT_FALSE(ClsPerSon(relu).Definir_Jouer());
    son.Definir_Jouer(true);
    EXPECT_NE(d.Lire("Ini_Sons.ini").find("Jouer=1"), std::string::npos);
}

TEST(ClsPerSon, ReglageInvalide) {
    struct Cas { const char* texte; bool erreur; bool jouer; };
    const Cas cas[] = {
        {"[Sons]\nJouer=1\n", false, true},   {"[Sons]\nJouer=0\n", false, false},
        {"[Sons]\nJouer=2\n", false, true},   {"[Sons]\nJouer=oui\n", true, false},
        {"[Sons]\nChemin=\\Sons\\\n", true, false},
    };
    for (const auto& c : cas) {
        DossierTemporaire d;
        d.Ecrire("Ini_Sons.ini", c.texte);
        DossierJeu dossier(d.Chemin());
        if (c.erreur) {
            try {
                ClsPerSon son(dossier);
                ADD_FAILURE() << c.texte;
            } catch (const ErreurFichier& e) {
                EXPECT_EQ(e.Fichier(), "Ini_Sons.ini");
                EXPECT_NE(std::string(e.what()).find("Le fichier Ini_Sons.ini est invalide."), std::string::npos);
                EXPECT_NE(std::string(e.what()).find("Jouer"), std::string::npos);
            }
        } else {
            EXPECT_EQ(ClsPerSon(dossier).Definir_Jouer(), c.jouer) << c.texte;
        }
    }
}
