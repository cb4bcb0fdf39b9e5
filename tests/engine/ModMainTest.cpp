#include <gtest/gtest.h>

#include "engine/ModMain.h"
#include "tests/Outils.h"

// The whole default data set loads through the real loaders, twice in one
// process, with nothing shared between the two.
TEST(ModMain, DeuxJeuxIndependantsDepuisLesDonneesParDefaut) {
    DossierJeu dossier(DonneesSource());
    ModMain a(dossier);
    std::vector<std::string> legendes;
    ASSERT_NO_THROW(a.Charger_Parametres([&](const std::string& l) { legendes.push_back(l); }));
    ASSERT_EQ(legendes.size(), 8u);
    EXPECT_EQ(legendes.front(), " - chargement paramètres (personnages)");
    EXPECT_EQ(legendes.back(), " - chargement paramètres (races)");
    EXPECT_GE(a.Parametres.NombreRacesJouables, 3);
    a.IA2.Charger_IAs();
    EXPECT_TRUE(a.IA2.ErreursChargement.empty());
    EXPECT_GE(a.IA2.Indice_IA("Defaut.ia"), 0);

    ModMain b(dossier);
    b.Charger_Parametres();
    EXPECT_EQ(a.Parametres.NombreTypesObjets, b.Parametres.NombreTypesObjets);
    a.Aleatoire.Initialiser_Aleatoire();
    a.Aleatoire.Nombre_Aleatoire();
    EXPECT_FALSE(b.Aleatoire.TableActive);
    a.Monde.LargeurCarte = 10;
    EXPECT_EQ(b.Monde.LargeurCarte, 0);
}
