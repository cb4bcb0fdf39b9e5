#include <gtest/gtest.h>

#include <filesystem>

#include "devices/ClsPerSon.h"
#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

// Names read from files stay inside the game folder: a way up, an absolute
// path, a drive or a link leading out are refused; the game's own way of
// writing paths passes.
TEST(CheminConfine, DansLeDossierDuJeuOuRefuse) {
    DossierTemporaire d;
    d.Ecrire("Images/Objets/Dague.bmp", "x");
    fs::create_directories(d.Chemin() / "Sons");
    std::error_code ec;
    fs::create_directory_symlink("/etc", d.Chemin() / "Sons" / "Dehors", ec);
    ASSERT_FALSE(ec) << ec.message();

    struct Cas {
        const char* relatif;
        bool accepte;
    };
    const Cas cas[] = {
        {"\\Images\\Objets\\Dague.bmp", true},
        {"Images/Objets/Dague.bmp", true},
        {"\\Sons\\", true},
        {"Absent\\Nouveau.ini", true},  // a file still to be made
        {"../../../../etc/passwd", false},
        {"\\Images\\..\\..\\secret", false},
        {"Images/ .. /x", false},
        {"/etc/passwd", false},
        {"C:\\Windows\\win.ini", false},
        {"Images\\a\tb", false},
        {"\\Sons\\Dehors\\passwd", false},  // a link leading out
    };
    for (const auto& c : cas) {
        const auto chemin = CheminDansDossier(d.Chemin(), c.relatif);
        EXPECT_EQ(chemin.has_value(), c.accepte) << c.relatif;
        if (chemin) {
            EXPECT_EQ(chemin->string().rfind(d.Chemin().string(), 0), 0u) << c.relatif;
        }
    }

    try {
        CheminConfine(d.Chemin(), "../../../../etc/passwd", "Ini_Sons.ini", "Section [Sons], clé Chemin");
        FAIL() << "accepté";
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Sons.ini");
        EXPECT_NE(std::string(e.what()).find("Section [Sons], clé Chemin : le chemin « ../../../../etc/passwd » sort "
                                             "du dossier du jeu"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(CheminConfine(d.Chemin(), "\\Sons\\Dehors\\passwd", "Ini_Sons.ini", "[Sons] Chemin"), ErreurFichier);
}

// A picture named outside the folder is never opened: the message says why.
TEST(CheminConfine, UneImageHorsDuDossierNEstPasOuverte) {
    DossierTemporaire d;
    DossierJeu dossier(d.Chemin());
    DecodeurImageQt decodeur;
    Graphique graphique(dossier, decodeur);
    for (const char* nom : {"..\\..\\..\\..\\etc\\passwd", "/etc/passwd"}) {
        EXPECT_FALSE(graphique.Existe(nom)) << nom;
        try {
            graphique.Charger(nom);
            FAIL() << nom;
        } catch (const ErreurImage& e) {
            EXPECT_NE(std::string(e.what()).find("Le chemin sort du dossier du jeu."), std::string::npos) << e.what();
        }
    }
}

// The sounds folder of Ini_Sons is checked when the file is read.
TEST(CheminConfine, LeDossierDesSonsResteDansLeJeu) {
    for (const char* chemin : {"../../../../etc", "/etc"}) {
        DossierTemporaire d;
        d.Ecrire("Ini_Sons.ini", std::string("[Sons]\nJouer=1\nChemin=") + chemin + "\n");
        DossierJeu dossier(d.Chemin());
        try {
            ClsPerSon son(dossier);
            FAIL() << chemin;
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(e.Fichier(), "Ini_Sons.ini");
            EXPECT_NE(std::string(e.what()).find("[Sons] Chemin : le chemin"), std::string::npos) << e.what();
        }
    }
}
