// State of the character: death and resurrection with the fief's and the
// summoner's counts, speech line, appearance, step length, money.
#include <gtest/gtest.h>

#include <string>

#include "tests/characters/ReglesPersos.h"

namespace {

using namespace ObjetFixture;

class PersoEtat : public ::testing::Test {
protected:
    const ClsJeuParam& P() const { return regles_.Parametres(); }
    ReglesPersos regles_;
};

TEST_F(PersoEtat, EtatsSimples) {
    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Humain);
    p.Definir_Argent(-5);
    EXPECT_EQ(p.Definir_Argent(), 0.0);
    p.Definir_Argent(12.5);
    EXPECT_EQ(p.Definir_Argent(), 12.5);
    p.Vie = 0;
    EXPECT_FALSE(p.Vivant());
    p.Vie = 0.0001;
    EXPECT_TRUE(p.Vivant());
    for (std::int16_t code : {300, 301, 302, 399}) {
        p.Action = code;
        EXPECT_TRUE(p.EnCombat()) << code;
    }
    for (std::int16_t code : {0, 205, 400}) {
        p.Action = code;
        EXPECT_FALSE(p.EnCombat()) << code;
    }
    p.Visible(false);
    EXPECT_TRUE(p.DansMaison && p.DansMaisonCible && p.DansChateau && p.DansChateauCible);
    EXPECT_FALSE(p.Attaquable());
    p.Visible(true);
    EXPECT_TRUE(p.Attaquable());
    p.RessourceEnCours = 1;
    p.Definir_DureeImmobilisation(3);
    EXPECT_EQ(p.DureeImmobilisation, 3.0);
    EXPECT_EQ(p.RessourceEnCours, -1);
    EXPECT_FALSE(p.Invocation());
    p.Invocateur = 0;
    EXPECT_TRUE(p.Invocation());
}

TEST_F(PersoEtat, LaMortEtLaResurrectionTiennentLesComptesDuFief) {
    MondePersos monde(regles_, 2);
    ClsJeuPerso& p = monde.Perso(1);
    p.Definir_Commentaires("Adieu !");
    p.ReserveVie = 10;
    p.Aller_A(500, 500);
    p.Vivant(false);
    EXPECT_FALSE(p.Vivant());
    EXPECT_EQ(p.Morts, 1);
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 1);
    EXPECT_EQ(p.Definir_Commentaires(), "");
    EXPECT_EQ(p.Action, Actions::Attente);
    EXPECT_EQ(p.DelaiResurrection, 100.0);
    EXPECT_EQ(p.ReserveVie, 0.0);
    EXPECT_EQ(p.Energie, 100.0);  // the other characteristics stay

    // Killing the dead again counts nothing.
    p.Vivant(false);
    p.Definir_Vie(-3);
    EXPECT_EQ(p.Morts, 1);
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 1);

    p.Vivant(true);
    EXPECT_TRUE(p.Vivant());
    EXPECT_EQ(p.Vie, p.Definir_MaxVie());
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 0);
    // Raising the living counts nothing either.
    p.Vivant(true);
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 0);
}

TEST_F(PersoEtat, UneCreatureInvoqueeCompteChezSonInvocateur) {
    MondePersos monde(regles_, 3);
    monde.Perso(2).Invocateur = 0;
    monde.Perso(0).NombreInvocations = 1;
    monde.Perso(2).Vivant(false);
    EXPECT_EQ(monde.Perso(0).NombreInvocations, 0);
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 0);
    monde.Perso(2).Vivant(true);
    EXPECT_EQ(monde.Perso(0).NombreInvocations, 1);
    // A summoner or fief that does not exist is simply not counted.
    monde.Perso(1).Invocateur = 40;
    monde.Perso(1).Vivant(false);
    monde.Perso(0).Equipe = 7;
    monde.Perso(0).Vivant(false);
    EXPECT_EQ(monde.Main.Fiefs[0].NombreMorts, 0);
}

TEST_F(PersoEtat, ResurrectionComplete) {
    MondePersos monde(regles_, 1);
    ClsJeuPerso& p = monde.Perso(0);
    ASSERT_TRUE(p.Definir_RestaurationComplete());
    ASSERT_EQ(p.Objet_Equipes_Type(0), Dague);
    p.Vivant(false);
    p.Objet_Equipes_Detruire(0);
    p.Definir_Ressources(0, 1);
    p.Attaque = 3;
    p.Vivant(true);
    EXPECT_EQ(p.Vie, 100);
    EXPECT_EQ(p.Definir_Ressources(0), 5.0);  // the race's berries again
    EXPECT_EQ(p.Objet_Equipes_Type(0), Dague);  // and its dagger, in hand
    EXPECT_EQ(p.Definir_MaxAttaque(), 42);
    EXPECT_EQ(p.Attaque, 42);
    EXPECT_EQ(p.ReserveEnergie, p.Definir_MaxEnergie());
    EXPECT_EQ(p.ReserveMagie, p.Definir_MaxMagie());
    EXPECT_EQ(p.ReserveMoral, p.Definir_MaxMoral());
    // What it still holds is not given twice.
    EXPECT_EQ(p.Objet_NombreType(Dague), 1);
}

TEST_F(PersoEtat, ResurrectionSimple) {
    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Nain);
    ASSERT_FALSE(p.Definir_RestaurationComplete());
    p.Vivant(false);
    p.Energie = 0;
    p.ReserveEnergie = 10;
    p.Moral = 2;
    p.ReserveMoral = 50;
    p.Vivant(true);
    EXPECT_EQ(p.Energie, 10.0);  // current value plus its reserve
    EXPECT_EQ(p.Moral, 2.0);
    EXPECT_EQ(p.Vie, 180.0);
    EXPECT_EQ(p.Defense, 30.0);
}

TEST_F(PersoEtat, RepliqueAuDessusDeLaTete) {
    MondePersos monde(regles_, 1);
    ClsJeuPerso& p = monde.Perso(0);
    monde.Main.Horloge = 12.5;
    p.Definir_Commentaires("Bonjour");
    EXPECT_EQ(p.Definir_Commentaires(), "Bonjour");
    EXPECT_EQ(p.HeureCommentaire, 12.5);
    monde.Main.Horloge = 13;
    p.Definir_Commentaires("Au revoir");  // a line being shown stays
    EXPECT_EQ(p.Definir_Commentaires(), "Bonjour");
    EXPECT_EQ(p.HeureCommentaire, 12.5);
    p.Definir_Commentaires("");
    EXPECT_EQ(p.Definir_Commentaires(), "");
    p.Definir_Commentaires("Au revoir", 20);
    EXPECT_EQ(p.HeureCommentaire, 20.0);

    ClsJeuPerso muette = regles_.Nouveau(RaceFixture::ChauveSouris);
    ASSERT_FALSE(muette.Parole);
    muette.Definir_Commentaires("Couic");
    EXPECT_EQ(muette.Definir_Commentaires(), "");
}

TEST_F(PersoEtat, Apparence) {
    GenerateurLocal generateur(1);
    ClsJeuCommentaires commentaires(regles_.Dossier(), generateur);
    ClsJeuBatiment ferme;
    ferme.TypeBatiment = 1;  // its workers look like sprite 7

    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Humain);
    p.ApparenceBase = 2;
    p.Calculer_Apparence(ferme, P());
    EXPECT_EQ(p.ApparenceAffichee, 2);  // a building site gives no look
    ferme.Acheve = true;
    p.Calculer_Apparence(ferme, P());
    EXPECT_EQ(p.ApparenceAffichee, 7);
    ASSERT_TRUE(p.Objet_Equiper(Cuirasse, P(), commentaires, false, false));
    p.Calculer_Apparence(ferme, P());
    EXPECT_EQ(p.ApparenceAffichee, 5);  // the body item first

    ClsJeuPerso loup = regles_.Nouveau(RaceFixture::Loup);
    ASSERT_TRUE(loup.Apparence);
    loup.ApparenceBase = 3;
    loup.Objet_Equipe_Charger(2, Cuirasse, P());
    loup.Calculer_Apparence(ferme, P());
    EXPECT_EQ(loup.ApparenceAffichee, 3);
}

struct CasPas {
    double vitesse, coef;
    bool mort;
    std::int32_t pas;
    std::int16_t diagonaleA, diagonaleB;
};

TEST_F(PersoEtat, LongueurDuPasSansCarte) {
    // h = round(L / 2) (3.5 goes to 4), q = Int(L / 4): B = q + h, A = q + L - h.
    const CasPas cas[] = {
        {5, 1.0, false, 5, 4, 3},  {6, 1.0, false, 6, 4, 4},   {10, 0.625, false, 6, 4, 4},
        {7, 1.0, false, 7, 4, 5},  {1, 0.1, false, 1, 1, 0},   {9, 0.55, false, 4, 3, 3},
        {12, 0.0, true, 6, 4, 4},
    };
    for (const auto& c : cas) {
        ClsJeuPerso p = regles_.Nouveau(RaceFixture::Humain);
        p.VitesseTotale = static_cast<std::int32_t>(c.vitesse);
        p.CoefVitesse = c.coef;
        if (c.mort) p.Vivant(false);
        p.Calculer_Longueur_Pas();
        EXPECT_EQ(p.LongueurPas, c.pas) << c.vitesse << " x " << c.coef;
        EXPECT_EQ(p.PasDiagonalA, c.diagonaleA) << c.vitesse << " x " << c.coef;
        EXPECT_EQ(p.PasDiagonalB, c.diagonaleB) << c.vitesse << " x " << c.coef;
    }
}

TEST_F(PersoEtat, LongueurDuPasSelonLeTerrainSousLesPieds) {
    // Terrain 1 stops walkers (coefficient 0), terrain 3 halves them.
    ReglesPersos regles([](const DossierTemporaire& d) {
        std::string terrain = d.Lire("Ini_Terrain.ini");
        auto remplacer = [&](const std::string& de, const std::string& en) {
            terrain.replace(terrain.find(de), de.size(), en);
        };
        remplacer("CoefVitesse=0.7", "CoefVitesse=0");
        remplacer("CoefVitesse=0.6", "CoefVitesse=0.5");
        d.Ecrire("Ini_Terrain.ini", terrain);
    });
    MondePersos monde(regles, 1);
    ClsJeuMonde& carte = monde.Main.Monde;
    carte.LargeurCarte = 10;
    carte.HauteurCarte = 10;
    auto couvrir = [&](std::int16_t type) {
        for (std::int32_t i = 0; i < 11 * 11; ++i) carte.Param_TerrainCategorie(i, type);
    };
    ClsJeuPerso& p = monde.Perso(0);
    p.PositionX = 128;
    p.PositionY = 128;
    p.VitesseTotale = 6;
    p.CoefVitesse = 1.0;

    couvrir(3);
    p.Calculer_Longueur_Pas();
    EXPECT_EQ(p.LongueurPas, 3);
    couvrir(1);
    p.Calculer_Longueur_Pas();
    EXPECT_EQ(p.LongueurPas, 1);  // never below 1
    p.Volant = true;
    p.Calculer_Longueur_Pas();
    EXPECT_EQ(p.LongueurPas, 6);  // fliers ignore the ground
}

TEST_F(PersoEtat, Bestiaire) {
    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Humain);
    EXPECT_EQ(p.Nombre_de_lignes_du_bestiaire(), 4);
    p.Definir_Bestiaire(1, 3);
    p.Definir_Bestiaire(3, 4);
    p.Definir_Bestiaire(9, 100);  // no such race
    EXPECT_EQ(p.Definir_Bestiaire(1), 3);
    EXPECT_EQ(p.Definir_Bestiaire(9), 0);
    EXPECT_EQ(p.Definir_Bestiaire_Total(), 7);
}

}  // namespace
