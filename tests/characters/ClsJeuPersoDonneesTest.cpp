// Every race of the game's own data set makes a sound character: the real
// loaders, the real speech file, every race created, equipped and levelled.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/ModMain.h"
#include "tests/Outils.h"

namespace {

TEST(PersoDonneesDuJeu, ChaqueRaceDonneUnPersonnageSain) {
    DossierTemporaire dossier;
    dossier.CopierDonnees();
    DossierJeu jeu(dossier.Chemin());
    ModMain main(jeu);
    main.Charger_Parametres();
    const ClsJeuParam& regles = main.Parametres;
    ASSERT_GT(regles.NombreRaces, 0);

    for (std::int16_t race = 0; race < regles.NombreRaces; ++race) {
        SCOPED_TRACE(regles.Race_Nom(race));
        ClsJeuPerso p(&main);
        p.Init(0, regles);
        p.Changer_Race_Personnage(race, regles);
        p.Changer_Race_Personnage_Equipement(regles);
        p.Actualiser_Bonus();
        EXPECT_EQ(p.Race, race);
        EXPECT_GT(p.Definir_MaxVie(), 0);
        for (double v : {p.Vie, p.Energie, p.Magie, p.Moral, p.Attaque, p.Defense}) EXPECT_TRUE(std::isfinite(v));
        for (std::int32_t r = 0; r < p.Nombre_Ressources(); ++r) EXPECT_GE(p.Definir_MaxRessources(r), 0);
        // Race equipment and free starting items all found a place.
        EXPECT_TRUE(p.ObjetsEnAttenteSol.empty());
        EXPECT_EQ(main.Tresors.Count(), 0);

        // A level in everything keeps every value finite.
        p.ExpVie = p.ExpNivPlusVie;
        p.ExpAttaque = p.ExpNivPlusAttaque;
        for (std::int32_t i = 0; i < p.Nombre_CompetencesObjets(); ++i) p.Definir_ExpObjets(i, p.Definir_ExpNivPlusObjets(i));
        p.Gestion_Tous_Niveaux();
        EXPECT_TRUE(std::isfinite(p.Niveau()));
        EXPECT_TRUE(std::isfinite(p.Vie));
        (void)p.Metier(regles);
        p.Calculer_Coef_Vitesse();
        p.Calculer_Longueur_Pas();
        EXPECT_GE(p.LongueurPas, 1);

        // Whatever the race speaks, the speech file has lines for it.
        if (p.Parole) {
            EXPECT_FALSE(main.Commentaires.Message(2, p).empty());
        }
    }
}

}  // namespace
