// Game statistics on a world of five characters with two heroes: what each
// gained over the game, computed by hand from the fixture rules, read after
// the heroes were stripped of their items.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "saves/ClsJeuStastistiques.h"
#include "saves/ModSavPerso.h"
#include "tests/characters/ReglesPersos.h"

namespace fs = std::filesystem;

namespace {

using namespace ObjetFixture;

class Statistiques : public ::testing::Test {
protected:
    Statistiques() {
        // The world's own rules (the same fixture files) serve its
        // character files.
        Main().Charger_Parametres();
        Main().SavPerso.Charger_Parametres_SavPerso();
        // Arthur the human has 10 life experience and had killed 5 wolves;
        // he chose the sword among his talents. Brunhilde the dwarf starts
        // from nothing.
        ClsJeuPerso arthur = Fichier("Arthur", RaceFixture::Humain);
        arthur.ExpVie = 10.0;
        arthur.Definir_Bestiaire(RaceFixture::Loup, 5);
        EXPECT_TRUE(Main().SavPerso.Sauvegarder_Perso(arthur));
        EXPECT_TRUE(Main().SavPerso.Sauvegarder_Talents(arthur, {true, false}, Main().Commentaires));
        EXPECT_TRUE(Main().SavPerso.Sauvegarder_Perso(Fichier("Brunhilde", RaceFixture::Nain)));
        // They join the world as the game setup brings them in.
        Rejoindre(1, "Arthur");
        Rejoindre(3, "Brunhilde");
    }

    ModMain& Main() { return monde_.Main; }
    ClsJeuPerso& Perso(std::size_t i) { return Main().Persos[i]; }
    ClsJeuStastistiques& Stats() { return Main().Statistiques; }

    ClsJeuPerso Fichier(const std::string& nom, std::int16_t race) const {
        ClsJeuPerso p = regles_.Nouveau(race);
        p.PersoFichier = 1;
        p.Nom = nom;
        return p;
    }
    void Rejoindre(std::size_t i, const std::string& nom) {
        ClsJeuPerso& p = Perso(i);
        p.PersoFichier = 1;
        p.Init_Carac(regles_.Parametres());
        Main().SavPerso.Charger_Perso(nom, p);
        Main().SavPerso.Appliquer_Talents(p, Main().Commentaires);
    }

    // What the game gave them.
    void Jouer() {
        ClsJeuPerso& a = Perso(1);
        a.ExpVie = 65.0;                  // levels at 20 and 60: +2
        a.ExpAttaque = 1300.0;            // at 400 and 1200: +2
        a.Definir_ExpSpeciales(0, 65.0);  // building, at 20 and 60: +2
        a.Definir_ExpRessources(1, 50.0); // wood, at 15 and 45: +2
        a.Gestion_Tous_Niveaux();
        a.FragsPersos = 3;
        a.FragsMaisons = 1;
        a.Morts = 1;
        a.Definir_Bestiaire(RaceFixture::Loup, 7);
        ClsJeuPerso& b = Perso(3);
        b.ExpVie = 120.0;     // at 20, 60 and 120: +3
        b.ExpAttaque = 400.0; // +1
        b.Gestion_Tous_Niveaux();
    }

    ReglesPersos regles_;
    MondePersos monde_{regles_, 5};
};

TEST_F(Statistiques, GainsDeDeuxHerosCalculesALaMain) {
    Stats().Init(regles_.Parametres());
    ASSERT_EQ(Stats().NombrePersosSuivis, 2);
    EXPECT_EQ(Stats().IndicesPersos, (std::vector<std::int32_t>{1, 3}));
    EXPECT_TRUE(Stats().Erreurs.empty());
    // Nothing learnt yet.
    EXPECT_EQ(Stats().Gain_Vie(0), 0);
    EXPECT_EQ(Stats().Gain_Niveau(0), 0.0);

    Jouer();
    Stats().Fin_Partie();

    EXPECT_EQ(Stats().Nom(0), "Arthur");
    EXPECT_EQ(Stats().Nom(1), "Brunhilde");
    EXPECT_EQ(Stats().Frags(0, 0), 3);
    EXPECT_EQ(Stats().Frags(0, 1), 1);
    EXPECT_EQ(Stats().Frags(0, 2), 0);
    EXPECT_EQ(Stats().Frags(0, 3), 0);
    EXPECT_EQ(Stats().Morts(0), 1);
    EXPECT_EQ(Stats().Morts(1), 0);

    // Arthur: life 100 -> 102, attack 40 -> 42 (without his dagger and
    // sword on either side), building 10 -> 12, wood +2.
    EXPECT_EQ(Stats().Gain_Vie(0), 2);
    EXPECT_EQ(Stats().Gain_Attaque(0), 2);
    EXPECT_EQ(Stats().Gain_Defense(0), 0);
    EXPECT_EQ(Stats().Gain_CompetenceSpeciales(0, 0), 2);
    EXPECT_EQ(Stats().Gain_CompetenceSpeciales(0, 2), 0);  // the sword's combat bonus is gone
    EXPECT_EQ(Stats().Gain_CompetenceRessources(0, 1), 2);
    EXPECT_EQ(Stats().Gain_CompetenceObjets(0, 0), 0);
    // Levels: 3 resource + 2 service + 3 item competences give U = 5,
    // weight Int(5 / 4) = 1, divisor 5 + 6 = 11; 2 + 2 + 2 + 2 levels.
    EXPECT_DOUBLE_EQ(Stats().Gain_Niveau(0), 8.0 / 11.0);
    // 5 wolves in the file, 7 now; no dwarf ever.
    EXPECT_EQ(Stats().Gain_Bestiaire(0, RaceFixture::Loup), 2);
    EXPECT_EQ(Stats().Gain_Bestiaire(0, RaceFixture::Nain), 0);

    // Brunhilde: life x1.5 of 120 -> 123 is 180 -> 184.5, to the even 184;
    // attack x1.2 of 50 -> 51 is 60 -> 61.2, 61.
    EXPECT_EQ(Stats().Gain_Vie(1), 4);
    EXPECT_EQ(Stats().Gain_Attaque(1), 1);
    EXPECT_DOUBLE_EQ(Stats().Gain_Niveau(1), 4.0 / 11.0);

    // The heroes hold nothing any more; the snapshots are untouched, so
    // reading again gives the same.
    for (std::size_t i : {1u, 3u}) {
        for (std::int16_t s = 0; s < Perso(i).Nombre_Objets_Equipes(); ++s) EXPECT_FALSE(Perso(i).Objet_Equipes_Actif(s));
        for (std::int16_t s = 0; s < Perso(i).Nombre_Objets_Inventaire(); ++s)
            EXPECT_FALSE(Perso(i).Objet_Inventaire_Actif(s));
    }
    EXPECT_EQ(Perso(1).Definir_MaxAttaque(), 42.0);
    EXPECT_EQ(Stats().Gain_Vie(1), 4);
    EXPECT_EQ(Stats().Gain_Bestiaire(0, RaceFixture::Loup), 2);
    // Villagers are never followed; indices beyond the followed read 0.
    EXPECT_EQ(Stats().Nom(2), "");
    EXPECT_EQ(Stats().Gain_Vie(-1), 0);
}

TEST_F(Statistiques, SansHerosRienNEstSuivi) {
    for (ClsJeuPerso& p : Main().Persos) p.PersoFichier = 0;
    Stats().Init(regles_.Parametres());
    EXPECT_EQ(Stats().NombrePersosSuivis, 0);
    EXPECT_TRUE(Stats().IndicesPersos.empty());
    EXPECT_TRUE(Stats().Instantanes.empty());
    Stats().Fin_Partie();
    // The villagers keep their items: villager 0 its starting dagger.
    EXPECT_EQ(Perso(0).Objet_NombreType(Dague), 1);
    EXPECT_EQ(Stats().Nom(0), "");
}

TEST_F(Statistiques, UnFichierDevenuIllisibleDonneLeHerosDuDebut) {
    fs::remove(Main().SavPerso.Chemin_Perso("Brunhilde"));
    Stats().Init(regles_.Parametres());
    ASSERT_EQ(Stats().NombrePersosSuivis, 2);
    ASSERT_EQ(Stats().Erreurs.size(), 1u);
    EXPECT_EQ(Stats().Erreurs[0].rfind("Le fichier de personnage Brunhilde est invalide", 0), 0u);
    Jouer();
    Stats().Fin_Partie();
    EXPECT_EQ(Stats().Gain_Vie(1), 4);
    EXPECT_EQ(Stats().Gain_Attaque(1), 1);
}

TEST_F(Statistiques, UnPersonnageDisparuSeLitZero) {
    Stats().Init(regles_.Parametres());
    Main().Persos.resize(2);  // Brunhilde's index no longer exists
    Stats().Fin_Partie();
    EXPECT_EQ(Stats().Nom(1), "");
    EXPECT_EQ(Stats().Gain_Vie(1), 0);
    EXPECT_EQ(Stats().Nom(0), "Arthur");
}

}  // namespace
