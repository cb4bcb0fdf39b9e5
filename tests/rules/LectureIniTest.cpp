// Switches and numbers of the interface's settings files, and the lower
// case of French names.
#include <gtest/gtest.h>

#include "rules/LectureIni.h"
#include "platform/DossierJeu.h"
#include "tests/Outils.h"

namespace {

struct CasBooleen {
    const char* texte;
    bool valeur;
    bool faute;
};

class Interrupteurs : public ::testing::TestWithParam<CasBooleen> {};

TEST_P(Interrupteurs, Lecture) {
    DossierTemporaire d;
    d.Ecrire("Essai.ini", std::string("[S]\nCle=") + GetParam().texte + "\n");
    DossierJeu dossier(d.Chemin());
    ClsFicINI ini(dossier);
    ini.NomFichier = "Essai";
    ini.Section = "S";
    ErreursFichier e("Essai.ini");
    EXPECT_EQ(LectureIni::Booleen(ini, "Cle", e), GetParam().valeur);
    EXPECT_EQ(!e.Vide(), GetParam().faute);
}

INSTANTIATE_TEST_SUITE_P(Valeurs, Interrupteurs,
                         ::testing::Values(CasBooleen{"1", true, false}, CasBooleen{"0", false, false},
                                           CasBooleen{"True", true, false}, CasBooleen{"false", false, false},
                                           CasBooleen{"-1", true, false}, CasBooleen{"2.5", true, false},
                                           CasBooleen{"", false, true}, CasBooleen{"oui", false, true}));

TEST(LectureIni, NombresHorsLimitesEtCouleurs) {
    DossierTemporaire d;
    d.Ecrire("Essai.ini", "[S]\nA=32767.4\nB=32768\nC=x\nD=16777215\nE=-1\n");
    DossierJeu dossier(d.Chemin());
    ClsFicINI ini(dossier);
    ini.NomFichier = "Essai";
    ini.Section = "S";
    ErreursFichier e("Essai.ini");
    EXPECT_EQ(LectureIni::Entier16(ini, "A", e), 32767);
    EXPECT_TRUE(e.Vide());
    EXPECT_EQ(LectureIni::Entier16(ini, "B", e), 0);
    EXPECT_EQ(LectureIni::Entier16(ini, "C", e), 0);
    EXPECT_EQ(LectureIni::Entier16(ini, "absente", e), 0);
    EXPECT_EQ(LectureIni::Couleur(ini, "D", e), 16777215u);
    EXPECT_EQ(LectureIni::Couleur(ini, "E", e), 0u);
    try {
        e.Verifier();
        FAIL();
    } catch (const ErreurFichier& f) {
        EXPECT_EQ(f.Details().size(), 3u);  // B, C and E
    }
}

}  // namespace
