// The world data two machines compare before a network game: what counts,
// how it travels, and a join refused with the name of the file that
// differs, while a player's own settings may differ freely.
#include <gtest/gtest.h>

#include <algorithm>

#include "network/DonneesReseau.h"
#include "tests/network/Sessions.h"

namespace {

bool Compte(const std::vector<DonneesReseau::Empreinte>& e, const std::string& f) {
    return std::any_of(e.begin(), e.end(), [&](const auto& x) { return x.Fichier == f; });
}

}  // namespace

TEST(DonneesReseau, LesDonneesDuMondeComptentLesReglagesDuJoueurNon) {
    DossierTemporaire d;
    d.CopierDonnees();
    const auto e = DonneesReseau::Empreintes(d.Chemin());
    for (const char* f : {"Ini_Parametres_Races.ini", "Ini_Combat.ini", "Ini_NomsF.ini", "IAs/Soldat.ia",
                          "IAs/Monstres/Troll.ia"})
        EXPECT_TRUE(Compte(e, f)) << f;
    for (const char* f : {"Ini_Ecran.ini", "Ini_Touches.ini", "Ini_Reseau.ini", "Ini_Partie.ini", "Ini_Sons.ini"})
        EXPECT_FALSE(Compte(e, f)) << f;
    EXPECT_TRUE(std::is_sorted(e.begin(), e.end(), [](const auto& a, const auto& b) { return a.Fichier < b.Fichier; }));

    // Look files count by their names, not their pictures.
    d.Ecrire("Images/Persos/Nains/Nains1.bmp", "BM1");
    const auto avecLook = DonneesReseau::Empreintes(d.Chemin());
    EXPECT_TRUE(Compte(avecLook, "Images/Persos/Nains/Nains1.bmp"));
    d.Ecrire("Images/Persos/Nains/Nains1.bmp", "BM2");
    EXPECT_EQ(DonneesReseau::Empreintes(d.Chemin()), avecLook);

    const auto lu = DonneesReseau::Lire(DonneesReseau::Ecrire(e));
    ASSERT_TRUE(lu);
    EXPECT_EQ(*lu, e);
    for (const char* junk : {"Ini_Combat.ini\n", "\t0123456789abcdef\n", "a\t0123456789abcdeg\n", "a\t01234\n"})
        EXPECT_FALSE(DonneesReseau::Lire(junk)) << junk;
}

TEST(DonneesReseau, LaPremiereDifferenceEstNommee) {
    using E = std::vector<DonneesReseau::Empreinte>;
    const E hote{{"IAs/Soldat.ia", 1}, {"Ini_Combat.ini", 2}, {"Ini_Terrain.ini", 3}};
    struct Cas {
        E joueur;
        std::string attendu;  // "" when the same
    };
    const Cas cas[] = {
        {hote, ""},
        {{{"IAs/Soldat.ia", 1}, {"Ini_Combat.ini", 9}, {"Ini_Terrain.ini", 3}},
         "Le fichier « Ini_Combat.ini » diffère de celui de l'hôte"},
        {{{"IAs/Soldat.ia", 1}, {"Ini_Terrain.ini", 3}}, "Le fichier « Ini_Combat.ini » n'existe que chez l'hôte"},
        {{{"IAs/Autre.ia", 5}, {"IAs/Soldat.ia", 1}, {"Ini_Combat.ini", 2}, {"Ini_Terrain.ini", 3}},
         "Le fichier « IAs/Autre.ia » n'existe pas chez l'hôte"},
    };
    for (const Cas& c : cas) {
        const std::string m = DonneesReseau::Comparer(hote, c.joueur);
        if (c.attendu.empty()) {
            EXPECT_EQ(m, "");
        } else {
            EXPECT_EQ(m.rfind(c.attendu, 0), 0u) << m;
            EXPECT_NE(m.find("la partie ne peut pas commencer"), std::string::npos) << m;
        }
    }
}

TEST(DonneesReseau, UnJoueurAuxReglesDifferentesNeRejointPas) {
    Machines m(2, "1", true);
    // A player's own screen settings do not matter.
    m.dossiers[1]->Ecrire("Ini_Ecran.ini", "[Ecran]\nModeFenetre=0\n");
    std::string races = m.dossiers[1]->Lire("Ini_Parametres_Races.ini");
    races.replace(races.find('='), 1, "= ");
    m.dossiers[1]->Ecrire("Ini_Parametres_Races.ini", races);
    ASSERT_TRUE(m[0].Session_Creer());
    m[1].Rafraichir_Parties();
    ASSERT_EQ(m[1].NombreParties, 1);
    EXPECT_FALSE(m[1].Session_Rejoindre(0));
    EXPECT_FALSE(m[1].Reseau_Actif);
    EXPECT_NE(m[1].DerniereErreur.find("Impossible d'établir la connexion"), std::string::npos) << m[1].DerniereErreur;
    EXPECT_NE(m[1].DerniereErreur.find("« Ini_Parametres_Races.ini » diffère de celui de l'hôte"), std::string::npos)
        << m[1].DerniereErreur;
    m[0].Pomper(0);
    EXPECT_EQ(m[0].Joueurs.size(), 1u);

    // The same file put back: the join goes through.
    m.dossiers[1]->Ecrire("Ini_Parametres_Races.ini", m.dossiers[0]->Lire("Ini_Parametres_Races.ini"));
    m[1].Rafraichir_Parties();
    EXPECT_TRUE(m[1].Session_Rejoindre(0)) << m[1].DerniereErreur;
}
