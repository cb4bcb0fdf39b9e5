#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>

#include "platform/DossierJeu.h"
#include "rules/ClsFicINI.h"
#include "tests/Outils.h"

namespace {

struct FicINI : ::testing::Test {
    DossierTemporaire d;
    DossierJeu dossier{d.Chemin()};
    ClsFicINI Ouvrir(const char* nom, const char* section) {
        ClsFicINI ini(dossier);
        ini.NomFichier = nom;
        ini.Section = section;
        return ini;
    }
};

}  // namespace

TEST_F(FicINI, Lectures) {
    d.Ecrire("Ini_Jeu.ini",
             "[Morvaine]\nTitre = Jeu \n"
             "[Jeu]\nVitesse=30\nvide=\nCite=\"  entre guillemets \"\nApostrophes='a'\nMixte=\"a'\n"
             "Egal=a=b\nDouble=1\nDOUBLE=2\n; Commentaire=1\nsans egal\n"
             "[jeu]\nAutre=9\n"
             "[Long]\nCle=" + std::string(300, 'x') + "\nAccents=" + std::string(300, 'e') + "é\n");
    ClsFicINI ini = Ouvrir("Ini_Jeu", "Jeu");
    struct Cas { const char* cle; std::string attendu; };
    const Cas cas[] = {
        {"Vitesse", "30"}, {"vitesse", "30"}, {"VIDE", ""}, {"Absente", ""},
        {"Cite", "  entre guillemets "}, {"Apostrophes", "a"}, {"Mixte", "\"a'"},
        {"Egal", "a=b"}, {"double", "1"}, {"Commentaire", ""},
        {"Autre", ""},  // a second section of the same name is never read
    };
    for (const auto& c : cas) EXPECT_EQ(ini.Parametre(c.cle), c.attendu) << c.cle;

    ini.Parametre("Vitesse");
    EXPECT_EQ(ini.DerniereLecture, "Vitesse=30");

    ini.Section = "Long";
    EXPECT_EQ(ini.Parametre("Cle"), std::string(254, 'x'));
    EXPECT_EQ(ini.Parametre("Accents"), std::string(254, 'e'));

    ClsFicINI defaut(dossier);
    defaut.NomFichier = "Ini_Jeu";
    EXPECT_EQ(defaut.Section, "Morvaine");
    EXPECT_EQ(defaut.Parametre("titre"), "Jeu");

    ClsFicINI absent = Ouvrir("Ini_Absent", "Jeu");
    EXPECT_EQ(absent.Parametre("Vitesse"), "");
}

TEST_F(FicINI, EcrituresSelonLesReglesDuProfil) {
    d.Ecrire("Ini_Jeu.ini", "[Jeu]\nVitesse=30\nFPS=25\n\n[Son]\nJouer=1\n");
    ClsFicINI ini = Ouvrir("Ini_Jeu", "jeu");
    ASSERT_TRUE(ini.Parametre("VITESSE", "40"));   // replaced in place, spelling kept
    ASSERT_TRUE(ini.Parametre("Pause", "0"));      // appended to its section
    ini.Section = "Musique";
    ASSERT_TRUE(ini.Parametre("Volume", "80"));    // new section at the end
    EXPECT_EQ(d.Lire("Ini_Jeu.ini"),
              "[Jeu]\nVitesse=40\nFPS=25\nPause=0\n\n[Son]\nJouer=1\n\n[Musique]\nVolume=80\n");

    ClsFicINI nouveau = Ouvrir("Ini_Nouveau", "Réglages");
    ASSERT_TRUE(nouveau.Parametre("Clé", "été"));
    EXPECT_EQ(nouveau.Parametre("clé"), "été");
    EXPECT_EQ(d.Lire("Ini_Nouveau.ini"), "[Réglages]\nClé=été\n");
}

TEST_F(FicINI, DeuxInstancesVoientLeursEcritures) {
    ClsFicINI a = Ouvrir("Ini_Partage", "S");
    ClsFicINI b = Ouvrir("Ini_Partage", "S");
    EXPECT_EQ(b.Parametre("K"), "");
    a.Parametre("K", "1");
    EXPECT_EQ(b.Parametre("K"), "1");
    b.Parametre("K", "2");
    EXPECT_EQ(a.Parametre("K"), "2");

    // A second folder object over the same files, and a change made on disk
    // by someone else, are both seen.
    DossierJeu autre(d.Chemin());
    ClsFicINI c(autre);
    c.NomFichier = "Ini_Partage";
    c.Section = "S";
    EXPECT_EQ(c.Parametre("K"), "2");
    d.Ecrire("Ini_Partage.ini", "[S]\nK=externe-plus-long\n");
    EXPECT_EQ(a.Parametre("K"), "externe-plus-long");
}

TEST_F(FicINI, ExtensionEtFinsDeLigneConservees) {
    d.Ecrire("Perso.per", "[Perso]\r\nNom=Aldric\r\n");
    ClsFicINI ini = Ouvrir("Perso", "Perso");
    ini.Extension = ".per";
    EXPECT_EQ(ini.Parametre("Nom"), "Aldric");
    ini.Parametre("Niveau", "3");
    EXPECT_EQ(d.Lire("Perso.per"), "[Perso]\r\nNom=Aldric\r\nNiveau=3\r\n");
}

// A first line that itself starts with a byte-order mark (behind the one
// the reader drops) is no header, and stays none once the file is written.
TEST_F(FicINI, MarqueDOrdreDesOctetsGardeLeSensDeLaPremiereLigne) {
    d.Ecrire("Marque.ini", "\xEF\xBB\xBF\xEF\xBB\xBF[A]\nX=1\n[A]\nY=2\n");
    ClsFicINI ini = Ouvrir("Marque", "A");
    EXPECT_EQ(ini.Parametre("X"), "");
    EXPECT_EQ(ini.Parametre("Y"), "2");
    ini.Parametre("Z", "3");
    DossierJeu relu(d.Chemin());
    ClsFicINI autre(relu);
    autre.NomFichier = "Marque";
    autre.Section = "A";
    EXPECT_EQ(autre.Parametre("X"), "");
    EXPECT_EQ(autre.Parametre("Z"), "3");
}

// Another program rewrites the file with a text of the same length, and the
// modification time ends where it was: the cache must still see the new text.
TEST_F(FicINI, ReecritureDeMemeTailleVue) {
    namespace fs = std::filesystem;
    enum class Maniere { RenommageDateRemise, EnPlaceDateRemise, EnPlaceAussitot };
    struct Cas { const char* nom; Maniere maniere; };
    const Cas cas[] = {
        {"renommage, date remise", Maniere::RenommageDateRemise},
        {"en place, date remise", Maniere::EnPlaceDateRemise},
        {"en place, dans le même instant", Maniere::EnPlaceAussitot},
    };
    int n = 0;
    for (const auto& c : cas) {
        const std::string nom = "Ini_Externe" + std::to_string(n++);
        const fs::path chemin = d.Chemin() / (nom + ".ini");
        d.Ecrire(nom + ".ini", "[S]\nK=avant\n");
        ClsFicINI ini = Ouvrir(nom.c_str(), "S");
        ASSERT_EQ(ini.Parametre("K"), "avant") << c.nom;

        struct stat avant {};
        ASSERT_EQ(::stat(chemin.c_str(), &avant), 0);
        if (c.maniere == Maniere::RenommageDateRemise) {
            d.Ecrire(nom + ".tmp", "[S]\nK=apres\n");
            fs::rename(d.Chemin() / (nom + ".tmp"), chemin);
        } else {
            std::ofstream(chemin, std::ios::binary | std::ios::trunc) << "[S]\nK=apres\n";
        }
        if (c.maniere != Maniere::EnPlaceAussitot) {
            const struct timespec dates[2] = {avant.st_atim, avant.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, chemin.c_str(), dates, 0), 0);
            struct stat apres {};
            ASSERT_EQ(::stat(chemin.c_str(), &apres), 0);
            ASSERT_EQ(apres.st_size, avant.st_size);
            ASSERT_EQ(apres.st_mtim.tv_sec, avant.st_mtim.tv_sec);
            ASSERT_EQ(apres.st_mtim.tv_nsec, avant.st_mtim.tv_nsec);
        }
        EXPECT_EQ(ini.Parametre("K"), "apres") << c.nom;
    }
}
