// The host's setup choices as they travel: written and read back the same,
// and every kind of damage refused with its line and reason in French.
#include <gtest/gtest.h>

#include "network/ChoixReseau.h"

TEST(ChoixReseau, WrittenChoicesReadBackTheSame) {
    SetupChoices c;
    c.Mode = SetupChoices::NouvelleBataille;
    c.LargeurCarte = 80, c.HauteurCarte = 50, c.NombreRessources = 30, c.TypeMonde = 2, c.Epoque = 1;
    c.Fiefs = {{0, 1, 5}, {2, 3, 0}};
    c.Armees[0] = {12, 2, true, {"Épée", "Potion"}};
    c.Armees[1] = {7, 0, false, {}};
    c.Heros = {"Aël", "Bérénice"};
    c.FichiersIA = {"Paysan.txt"};
    c.BonusXP = 300;
    c.NombreJoueursReseau = 3;
    // A hero's file travels byte for byte, whatever it holds.
    const std::string fichier = std::string("[Personnage]\r\nSexe=Féminin\n%41,=\t") + '\0' + "\xff";
    c.FichiersHeros = {{"Aël", fichier}, {"Bérénice", ""}};
    const std::string t = ChoixReseau::Ecrire(c);
    std::string erreur;
    auto lu = ChoixReseau::Lire(t, &erreur);
    ASSERT_TRUE(lu) << erreur;
    EXPECT_EQ(ChoixReseau::Ecrire(*lu), t);
    EXPECT_TRUE(lu->Reseau);
    EXPECT_EQ(lu->Armees[0].Objets[0], "Épée");
    EXPECT_EQ(lu->Fiefs[1].Equipe, 2);
    ASSERT_EQ(lu->FichiersHeros.size(), 2u);
    EXPECT_EQ(lu->FichiersHeros[0].Nom, "Aël");
    EXPECT_EQ(lu->FichiersHeros[0].Texte, fichier);
    EXPECT_EQ(lu->FichiersHeros[1].Texte, "");
    // Heroes read from the host's choices come from its files only.
    EXPECT_TRUE(lu->HerosDeLHote);
    EXPECT_FALSE(c.HerosDeLHote);
    // A name that would cut a line travels empty.
    c.Heros = {"a\nMode=ChargerMonde"};
    EXPECT_EQ(ChoixReseau::Lire(ChoixReseau::Ecrire(c))->Mode, SetupChoices::NouvelleBataille);
}

TEST(ChoixReseau, DamageIsRefusedWithItsLine) {
    struct Cas {
        const char* texte;
        const char* raison;
    };
    std::string beaucoup;
    for (int i = 0; i < 300; ++i) beaucoup += "Fief=0,0,1\n";
    const Cas cas[] = {
        {"Mode=Autre\n", "ligne 1) : mode « Autre » inconnu"},
        {"LargeurCarte=0\n", "n'est pas un nombre de 1 à 1024"},
        {"Mode=NouveauMonde\nHauteurCarte=1e9\n", "ligne 2)"},
        {"LargeurCarte=12.5\n", "n'est pas un nombre"},
        {"LargeurCarte=1e41\n", "n'est pas un nombre de 1 à 1024"},
        {"Fief=1,2\n", "n'a pas 3 nombres"},
        {"Fief=1,-2,3\n", "impossible"},
        {"Armee0=1,0,2\n", "impossible"},
        {"Inconnue=1\n", "clé « Inconnue » inconnue"},
        {"sans egal\n", "pas de « = »"},
        {beaucoup.c_str(), "plus de 256 entrées"},
        {"FichierHeros=Aldric\n", "fichier de héros illisible"},
        {"FichierHeros=,[Personnage]\n", "fichier de héros illisible"},
        {"FichierHeros=Aldric,%4\n", "fichier de héros illisible"},
        {"FichierHeros=Aldric,%zz\n", "fichier de héros illisible"},
        {"FichierHeros=A%0Ab,x\n", "fichier de héros illisible"},
    };
    for (const Cas& c : cas) {
        std::string erreur;
        EXPECT_FALSE(ChoixReseau::Lire(c.texte, &erreur)) << c.texte;
        EXPECT_NE(erreur.find("Choix de la partie reçus de l'hôte illisibles"), std::string::npos);
        EXPECT_NE(erreur.find(c.raison), std::string::npos) << erreur;
    }
}
