#include <gtest/gtest.h>

#include "platform/Chemins.h"
#include "platform/Texte.h"
#include "tests/Outils.h"

TEST(Texte, LignesQuelleQueSoitLaFin) {
    EXPECT_EQ(DecouperLignes("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(DecouperLignes("a\n\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(DecouperLignes("").empty());
}

TEST(Texte, CasseEtLongueurUtf8) {
    EXPECT_TRUE(EgalSansCasse("ÉPOQUE_1", "époque_1"));
    EXPECT_FALSE(EgalSansCasse("Epoque", "Époque"));
    EXPECT_EQ(MinusculesAscii("Épée Œil ÀÇÊ ×"), "épée œil àçê ×");
    // Every letter of French, and back for a first letter.
    const std::string capitales = "ÀÂÆÇÈÉÊËÎÏÔŒÙÛÜŸ", minuscules = "àâæçèéêëîïôœùûüÿ";
    EXPECT_EQ(MinusculesAscii(capitales), minuscules);
    for (std::size_t i = 0; i < minuscules.size(); i += 2)
        EXPECT_EQ(PremiereMajuscule(minuscules.substr(i, 2) + "x"), capitales.substr(i, 2) + "x") << minuscules.substr(i, 2);
    for (const char* reste : {"", "Élise", "1er", "÷", "z"})
        EXPECT_EQ(PremiereMajuscule(reste), std::string(reste) == "z" ? "Z" : reste);
    EXPECT_EQ(LongueurCaracteres("élève"), 5u);
    EXPECT_EQ(PremiersCaracteres("élève", 2), "él");
    EXPECT_EQ(PremiersCaracteres("abc", 10), "abc");
}

TEST(Texte, EcritureAtomiqueRemplaceSansResidu) {
    DossierTemporaire d;
    auto fichier = d.Chemin() / "f.txt";
    ASSERT_TRUE(EcrireFichierAtomique(fichier, "un"));
    ASSERT_TRUE(EcrireFichierAtomique(fichier, "deux"));
    EXPECT_EQ(d.Lire("f.txt"), "deux");
    int fichiers = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(d.Chemin())) ++fichiers;
    EXPECT_EQ(fichiers, 1);
    // A folder that does not exist: refused, nothing created.
    EXPECT_FALSE(EcrireFichierAtomique(d.Chemin() / "absent" / "f.txt", "x"));
}

TEST(Texte, LectureRetireLaMarqueUtf8) {
    DossierTemporaire d;
    d.Ecrire("bom.txt", "\xEF\xBB\xBFNom=Forêt\r\n");
    EXPECT_EQ(*LireFichier(d.Chemin() / "bom.txt"), "Nom=Forêt\r\n");
    EXPECT_FALSE(LireFichier(d.Chemin() / "absent.txt").has_value());
}

TEST(Chemins, BarresInversesEtCasse) {
    DossierTemporaire d;
    d.Ecrire("Images/Persos/Humain.bmp", "x");
    EXPECT_EQ(CheminJeu(d.Chemin(), "\\Images\\Persos\\Humain.bmp"), d.Chemin() / "Images/Persos/Humain.bmp");
    EXPECT_EQ(CheminJeu(d.Chemin(), "\\\\images\\\\PERSOS\\humain.BMP"), d.Chemin() / "Images/Persos/Humain.bmp");
    // A missing file keeps its written name, ready to be created.
    EXPECT_EQ(CheminJeu(d.Chemin(), "Sauvegardes\\Nouveau.txt"), d.Chemin() / "Sauvegardes/Nouveau.txt");
}

TEST(Chemins, NomsSurs) {
    for (const char* bon : {"Aldric", "Héloïse la Brave", "sauvegarde_2026-12-10"})
        EXPECT_TRUE(NomFichierSur(bon)) << bon;
    for (const char* mauvais : {"", "..", "a/b", "a\\b", "../x", "x\n", "nom.", " x", "a:b",
                                "0123456789012345678901234567890123456789012345678901234567890123456789"})
        EXPECT_FALSE(NomFichierSur(mauvais)) << mauvais;
}
