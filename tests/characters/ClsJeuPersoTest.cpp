// The character record: creation, the action labels, carried resources and
// the orders, which only set a destination, an action and a target.
#include <gtest/gtest.h>

#include "tests/characters/ReglesPersos.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuRessources.h"
#include "world/ClsJeuTresors.h"

namespace {

class PersoEnregistrement : public ::testing::Test {
protected:
    ReglesPersos regles_;
    ClsJeuPerso p_ = regles_.Nouveau(RaceFixture::Humain);

    // A house of 64 x 48 at (100, 200), its door 20 pixels below the centre.
    static ClsJeuBatiment Maison(double vie, bool acheve) {
        ClsJeuBatiment m;
        m.Proprietaire = 7;
        m.X = 100;
        m.Y = 200;
        m.Largeur = 64;
        m.Hauteur = 48;
        m.EntreePositionY = 20;
        m.MaxVie = 300;
        m.Vie = vie;
        m.Acheve = acheve;
        return m;
    }
};

TEST_F(PersoEnregistrement, InitPrepareUnPersonnageNeuf) {
    ClsJeuPerso p;
    p.Equipe = 3;
    p.Init(5, regles_.Parametres());
    EXPECT_EQ(p.NoMaison, 5);
    EXPECT_EQ(p.CiblePerso, 5);
    EXPECT_EQ(p.CibleChateau, 3);  // the team the record had
    EXPECT_EQ(p.Invocateur, -1);
    EXPECT_EQ(p.CapaciteEnAttente, -1);
    EXPECT_EQ(p.IndiceObjetSelectionne, -1);
    EXPECT_GE(p.ApparenceBase, 0);
    EXPECT_LT(p.ApparenceBase, 4);
    EXPECT_GE(p.EtapeAnimation, 0);
    EXPECT_LT(p.EtapeAnimation, 3);
    EXPECT_EQ(p.Nombre_Objets_Equipes(), 9);
    EXPECT_EQ(p.Nombre_Objets_Inventaire(), 4);
    EXPECT_EQ(p.Nombre_de_lignes_du_bestiaire(), 4);
    // Race 0 and its goods: five berries and the dagger, in hand.
    EXPECT_EQ(p.Race, RaceFixture::Humain);
    EXPECT_EQ(p.Nom, "Humain");
    EXPECT_EQ(p.Definir_Ressources(0), 5.0);
    EXPECT_EQ(p.Objet_Equipes_Type(0), ObjetFixture::Dague);
    EXPECT_EQ(p.Action, Actions::Attente);
    EXPECT_DOUBLE_EQ(p.CoefVitesse, 1.0);
}

TEST_F(PersoEnregistrement, InitTireSonAspectDuGenerateurLocalSansToucherAuHasardDuJeu) {
    MondePersos monde(regles_, 0);
    ModRandom jumeau = monde.Main.Aleatoire;
    ClsJeuPerso p(&monde.Main);
    p.Init(0, regles_.Parametres());
    EXPECT_EQ(monde.Main.Aleatoire.Nombre_Aleatoire(), jumeau.Nombre_Aleatoire());

    GenerateurLocal a(42), b(42);
    ClsJeuPerso p1, p2;
    p1.Init(0, regles_.Parametres(), a);
    p2.Init(0, regles_.Parametres(), b);
    EXPECT_EQ(p1.ApparenceBase, p2.ApparenceBase);
    EXPECT_EQ(p1.EtapeAnimation, p2.EtapeAnimation);
}

TEST_F(PersoEnregistrement, LibellesDesActions) {
    const std::pair<std::int16_t, const char*> cas[] = {
        {0, "En attente"}, {1, "Se déplacer"}, {2, "Récolter ressources"}, {3, "Aller à"},
        {6, "Construire"}, {7, "Aller construire"}, {100, "En repos"}, {101, "Rentrer à la maison"},
        {102, "Au travail"}, {201, "Entrer dans"}, {202, "Retourner château"}, {203, "Aller château"},
        {204, "Aller trésor"}, {205, "Donner"}, {300, "Attaquer"}, {301, "Détruire maison"},
        {302, "Détruire château"}, {400, "Ressusciter"}, {500, "Fabriquer"}, {600, "Préparer Service"},
        {4, "Au travail"}, {999, "Au travail"}, {-1, "Au travail"}};
    for (auto [code, libelle] : cas) {
        p_.Action = code;
        EXPECT_EQ(p_.Definir_Action(), libelle) << code;
    }
}

TEST_F(PersoEnregistrement, ArreterFigeLaDestinationEtRepose) {
    for (bool dedans : {true, false}) {
        p_.PositionX = 40;
        p_.PositionY = 50;
        p_.Aller_A(300, 400);
        EXPECT_EQ(p_.Action, Actions::Deplacer);
        p_.RessourceEnCours = 2;
        p_.DansMaison = dedans;
        p_.Arreter();
        EXPECT_EQ(p_.Action, dedans ? 100 : 0);
        EXPECT_EQ(p_.Definir_Action(), dedans ? "En repos" : "En attente");
        EXPECT_EQ(p_.RessourceEnCours, -1);
        EXPECT_EQ(p_.DestinationX, 40);
        EXPECT_EQ(p_.DestinationY, 50);
    }
}

TEST_F(PersoEnregistrement, RentrerMaisonSelonSonEtat) {
    struct Cas {
        double vie;
        bool acheve, mort;
        std::int16_t action;
    };
    const Cas cas[] = {
        {300, true, false, 101},  // finished and whole: home
        {120, false, false, 7},   // building site: go and build
        {250, true, false, 7},    // damaged: go and repair
        {120, false, true, 101},  // the dead only want to get in
    };
    for (const auto& c : cas) {
        ClsJeuPerso p = p_;
        if (c.mort) p.Vivant(false);
        p.DansMaison = true;
        p.Rentrer_Maison(Maison(c.vie, c.acheve));
        EXPECT_EQ(p.Action, c.action);
        EXPECT_EQ(p.CibleMaison, 7);
        // Door: 100 + 32 + 0 - 10 = 122, 200 + 24 + 20 - 15 = 229.
        EXPECT_EQ(p.DestinationX, 122);
        EXPECT_EQ(p.DestinationY, 229);
        if (c.action == 7) {
            EXPECT_FALSE(p.DansMaison);
        }
    }
}

TEST_F(PersoEnregistrement, PorteArrondieAuPairLePlusProche) {
    // 132 - 10.5 = 121.5 gives 122; 132 - 11.5 = 120.5 gives 120.
    p_.Largeur = 21;
    p_.Aller_Maison(Maison(300, true));
    EXPECT_EQ(p_.DestinationX, 122);
    p_.Largeur = 23;
    p_.Aller_Maison(Maison(300, true));
    EXPECT_EQ(p_.DestinationX, 120);
    EXPECT_EQ(p_.Action, Actions::Entrer);
}

TEST_F(PersoEnregistrement, UnBatimentDetruitNeChangeRien) {
    const ClsJeuBatiment ruine = Maison(0, false);
    p_.Aller_A(11, 12);
    p_.CibleMaison = 3;
    p_.CibleChateau = 4;
    p_.Rentrer_Maison(ruine);
    p_.Aller_Maison(ruine);
    p_.Rentrer_Chateau(ruine);
    p_.Aller_Chateau(ruine, 9);
    EXPECT_EQ(p_.Action, Actions::Deplacer);
    EXPECT_EQ(p_.DestinationX, 11);
    EXPECT_EQ(p_.DestinationY, 12);
    EXPECT_EQ(p_.CibleMaison, 3);
    EXPECT_EQ(p_.CibleChateau, 4);
}

TEST_F(PersoEnregistrement, OrdresVersLesChateaux) {
    p_.Rentrer_Chateau(Maison(300, true));
    EXPECT_EQ(p_.Action, Actions::RetournerChateau);
    p_.Aller_Chateau(Maison(300, true), 2);
    EXPECT_EQ(p_.Action, Actions::AllerChateau);
    EXPECT_EQ(p_.CibleChateau, 2);
    EXPECT_EQ(p_.DestinationX, 122);
}

TEST_F(PersoEnregistrement, AllerAuCentreDUnGisementOuDUnTresor) {
    ClsJeuRessources gisement;
    gisement.X = 100;
    gisement.Y = 200;
    p_.Largeur = 20;
    p_.Hauteur = 30;
    p_.Aller_Ressource(gisement, 4, 32, 32);
    EXPECT_EQ(p_.DestinationX, 106);
    EXPECT_EQ(p_.DestinationY, 201);
    EXPECT_EQ(p_.CibleRessource, 4);
    EXPECT_EQ(p_.Action, Actions::AllerA);

    ClsJeuTresors tresor;
    tresor.X = 50;
    tresor.Y = 60;
    p_.DansChateau = true;
    p_.Aller_Tresor(tresor, 2, 26, 26);
    EXPECT_EQ(p_.DestinationX, 53);  // 50 + 13 - 10
    EXPECT_EQ(p_.DestinationY, 58);  // 60 + 13 - 15
    EXPECT_EQ(p_.CibleTresor, 2);
    EXPECT_EQ(p_.Action, Actions::AllerTresor);
    EXPECT_TRUE(p_.Visible());
}

TEST_F(PersoEnregistrement, AttaquesEtDonSortentDesBatiments) {
    struct Cas {
        void (ClsJeuPerso::*ordre)(std::int32_t);
        std::int16_t action;
    };
    for (auto [ordre, action] : {Cas{&ClsJeuPerso::Attaquer_Perso, 300}, Cas{&ClsJeuPerso::Attaquer_Maison, 301},
                                 Cas{&ClsJeuPerso::Attaquer_Chateau, 302}}) {
        p_.Visible(false);
        p_.PremierCoup = false;
        (p_.*ordre)(6);
        EXPECT_EQ(p_.Action, action);
        EXPECT_TRUE(p_.Visible());
        EXPECT_TRUE(p_.PremierCoup);
        EXPECT_TRUE(p_.EnCombat());
    }
    EXPECT_EQ(p_.CiblePerso, 6);
    EXPECT_EQ(p_.CibleMaison, 6);
    EXPECT_EQ(p_.CibleChateau, 6);
    p_.Visible(false);
    p_.Aller_Donner(3, ObjetFixture::Potion);
    EXPECT_EQ(p_.Action, Actions::Donner);
    EXPECT_EQ(p_.CiblePerso, 3);
    EXPECT_EQ(p_.ObjetEnCours, ObjetFixture::Potion);
    EXPECT_TRUE(p_.Visible());
}

TEST_F(PersoEnregistrement, RessourcesPorteesBornees) {
    p_.Definir_Ressources(1, 50.0);
    EXPECT_EQ(p_.Definir_Ressources(1), 30.0);  // capacity
    p_.Definir_Ressources(1, -4.0);
    EXPECT_EQ(p_.Definir_Ressources(1), 0.0);
    EXPECT_EQ(p_.Definir_Ressources(-1), 0.0);
    EXPECT_EQ(p_.Definir_Ressources(3), 0.0);
    p_.Definir_Ressources(3, 5.0);  // no such kind: nothing stored anywhere
    EXPECT_EQ(p_.Definir_Ressources(3), 0.0);
}

}  // namespace
