// Characteristics and what items add to them: setters with their bounds and
// training, item scaling, the rebuilding of maxima, the fatigue factor.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/characters/ReglesPersos.h"

namespace {

using namespace ObjetFixture;

class PersoCarac : public ::testing::Test {
protected:
    PersoCarac() : commentaires_(regles_.Dossier(), generateur_) {}

    const ClsJeuParam& P() const { return regles_.Parametres(); }
    // A fixture human with nothing in its hands: maxima 100, 100, 50, 100,
    // 40, 20, every current value at its maximum.
    ClsJeuPerso Humain() {
        ClsJeuPerso p = regles_.Nouveau(RaceFixture::Humain);
        p.Objet_Equipes_Vider_Tout();
        return p;
    }
    void Equiper(ClsJeuPerso& p, std::int16_t objet) { ASSERT_TRUE(p.Objet_Equiper(objet, P(), commentaires_, false, false)); }

    ReglesPersos regles_;
    GenerateurLocal generateur_{5};
    ClsJeuCommentaires commentaires_;
};

TEST_F(PersoCarac, HumainSansObjet) {
    ClsJeuPerso p = Humain();
    EXPECT_EQ(p.Definir_MaxVie(), 100);
    EXPECT_EQ(p.Definir_MaxAttaque(), 40);
    EXPECT_EQ(p.Vie, 100);
    EXPECT_EQ(p.Attaque, 40);
    EXPECT_EQ(p.Defense, 20);
}

TEST_F(PersoCarac, LaVieSousZeroTueUneFoisPuisDescendEncore) {
    ClsJeuPerso p = Humain();
    p.Definir_Vie(-5);
    EXPECT_EQ(p.Vie, 0.0);
    EXPECT_FALSE(p.Vivant());
    EXPECT_EQ(p.Morts, 1);
    p.Definir_Vie(-5);
    EXPECT_EQ(p.Vie, -5.0);
    EXPECT_EQ(p.Morts, 1);
}

TEST_F(PersoCarac, UnGainNeDonneJamaisDExperience) {
    ClsJeuPerso p = Humain();
    p.Vie = 60;
    p.Definir_Vie(150);
    EXPECT_EQ(p.Vie, 100);
    EXPECT_EQ(p.ExpVie, 0.0);
}

TEST_F(PersoCarac, UnePerteDeVieEntraineLaVieEtLesObjetsQuiLaPortent) {
    ClsJeuPerso nu = Humain();
    nu.Definir_Vie(90);
    EXPECT_DOUBLE_EQ(nu.ExpVie, 10.0);

    ClsJeuPerso p = Humain();
    Equiper(p, Cuirasse);
    ASSERT_EQ(p.Definir_MaxVie(), 120);
    ASSERT_EQ(p.Vie, 120);
    p.Definir_Vie(110);
    EXPECT_DOUBLE_EQ(p.ExpVie, 100.0 * 10 / 120);
    // The breastplate's competence (item competence 0) learns a fifth.
    EXPECT_DOUBLE_EQ(p.Definir_ExpObjets(0), 100.0 * 10 / 120 * 0.2);
    EXPECT_EQ(p.Definir_ExpObjets(1), 0.0);
}

TEST_F(PersoCarac, EnergieNegativeStockeZeroEtCompteToutLaPerte) {
    ClsJeuPerso p = Humain();
    p.Definir_Energie(-1);
    EXPECT_EQ(p.Energie, 0.0);
    EXPECT_EQ(p.ExpEnergie, 101.0);
    // 101 crosses 20 and 60: two levels, the next at 120.
    EXPECT_EQ(p.NiveauEnergie, 2);
    EXPECT_EQ(p.EnergieBase, 102);
    EXPECT_EQ(p.ExpNivPlusEnergie, 120.0);
}

TEST_F(PersoCarac, MoralEtMagieEntrainentLeursObjets) {
    ClsJeuPerso p = Humain();
    Equiper(p, Masque);         // +10 morale, item competence 0
    Equiper(p, AnneauFortune);  // +10 magic, item competence 2
    ASSERT_EQ(p.Definir_MaxMoral(), 110);
    ASSERT_EQ(p.Definir_MaxMagie(), 60);
    p.Definir_Moral(p.Moral - 1);
    EXPECT_DOUBLE_EQ(p.ExpMoral, 1.0);
    EXPECT_DOUBLE_EQ(p.Definir_ExpObjets(0), 10.0);
    p.Definir_Magie(p.Magie - 6);
    EXPECT_DOUBLE_EQ(p.ExpMagie, 6.0 * 50 / 60);
    EXPECT_DOUBLE_EQ(p.Definir_ExpObjets(2), 6.0 * 50 / 60 * 0.2);
}

TEST_F(PersoCarac, LArmureEstUnPlancherDeLaDefense) {
    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Nain);
    Equiper(p, Cuirasse);
    ASSERT_EQ(p.Definir_Armure(), 5);  // 2 of the race, 3 of the breastplate
    ASSERT_EQ(p.Definir_MaxDefense(), 35);
    ASSERT_EQ(p.Defense, 35);
    p.Definir_Defense(2);
    EXPECT_EQ(p.Defense, 5);
    const double exp = 30.0 * 30 / 35;
    EXPECT_DOUBLE_EQ(p.ExpDefense, exp);
    EXPECT_DOUBLE_EQ(p.Definir_ExpObjets(0), exp * 0.16);
}

TEST_F(PersoCarac, AttaqueBorneeAuMaximum) {
    ClsJeuPerso p = Humain();
    p.Definir_Attaque(1000);
    EXPECT_EQ(p.Attaque, 40);
    EXPECT_EQ(p.ExpAttaque, 0.0);
    p.Attaque = 60;  // above its maximum: coming down to it is a loss
    p.Definir_Attaque(1000);
    EXPECT_EQ(p.Attaque, 40);
    EXPECT_DOUBLE_EQ(p.ExpAttaque, 20.0);
    p.Definir_Attaque(-3);
    EXPECT_EQ(p.Attaque, 0);
}

TEST_F(PersoCarac, ValeursAvecReserve) {
    ClsJeuPerso p = Humain();
    p.Vie = 50;
    p.ReserveVie = 30;
    EXPECT_EQ(p.Definir_Vie(), 80);
    p.ReserveVie = 80;
    EXPECT_EQ(p.Definir_Vie(), 100);
}

TEST_F(PersoCarac, BonusDesObjetsSurLeMaximum) {
    ClsJeuPerso p = regles_.Nouveau(RaceFixture::Nain);
    p.Definir_MaxVie(100);
    Equiper(p, Cuirasse);
    ASSERT_EQ(p.Definir_MaxVie(), 180);  // round(1.5 x 120)
    EXPECT_EQ(p.Definir_BonusVie(), 30);
    // The attack coefficient is a single: 1.2 is stored a hair above, so
    // 60 - 1.2 x 50 is a hair below 0 and its floor is -1.
    EXPECT_EQ(p.Definir_BonusAttaque(), -1);
    EXPECT_EQ(p.Definir_BonusDeplacement(), -1);
}

TEST_F(PersoCarac, ProportionsGardeesEnSEquipant) {
    ClsJeuPerso p = Humain();
    p.Vie = 50;
    Equiper(p, Cuirasse);
    EXPECT_EQ(p.Definir_MaxVie(), 120);
    EXPECT_DOUBLE_EQ(p.Vie, 60);
}

TEST_F(PersoCarac, RecalculSansObjetNeChangeRien) {
    ClsJeuPerso p = Humain();
    p.Vie = 37.5;
    p.Energie = 12;
    p.ReserveMagie = 3.25;
    p.Actualiser_Bonus();
    EXPECT_EQ(p.Definir_MaxVie(), 100);
    EXPECT_DOUBLE_EQ(p.Vie, 37.5);
    EXPECT_DOUBLE_EQ(p.Energie, 12);
    EXPECT_DOUBLE_EQ(p.ReserveMagie, 3.25);
}

TEST_F(PersoCarac, UnMaximumNulNeDonnePasDeNaN) {
    ClsJeuPerso p = Humain();
    p.Definir_MaxMagie(0);
    p.Actualiser_Bonus();
    EXPECT_EQ(p.Definir_MaxMagie(), 0);
    EXPECT_EQ(p.Magie, 0);
    p.Magie = 7;
    p.Definir_MaxMagie(40);
    p.Actualiser_Bonus();
    EXPECT_EQ(p.Magie, 7);
    // Losses measured against a maximum of 0 teach nothing.
    p.Definir_MaxMagie(0);
    p.Actualiser_Bonus();
    p.Magie = 5;
    p.Definir_Magie(1);
    EXPECT_EQ(p.ExpMagie, 0.0);
    p.Calculer_Coef_Vitesse();
    EXPECT_FALSE(std::isnan(p.CoefVitesse));
}

// Item scaling with 10 as the reference level: Int(L x V / S - V + V) and
// Int((L x V / S - V) x 0.25 + V); Int is the floor, also below 0.
struct CasEchelle {
    std::int16_t niveau;
    float valeur;
    std::int16_t bonus, portee, armure;
    float gain;
};

TEST_F(PersoCarac, EchelleDesObjetsSelonLaCompetence) {
    const CasEchelle cas[] = {
        {10, 7, 7, 7, 7, 7.0f},     {15, 7, 10, 7, 7, 10.5f},  {5, 7, 3, 6, 7, 3.5f},
        {15, 4, 6, 4, 4, 6.0f},     {0, 7, 0, 5, 7, 0.0f},     {15, -1, -2, -2, -1, -1.5f},
        {30, 3, 9, 4, 3, 9.0f},     {15, 0.5f, 0, 0, 0, 0.75f},
    };
    for (const auto& c : cas) {
        ClsJeuPerso p = Humain();
        p.Definir_Carac_CompetenceObjets(1, c.niveau);
        p.Actualiser_Bonus();
        ASSERT_EQ(p.Definir_Niveau_CompetenceObjets(1), c.niveau);
        EXPECT_EQ(p.Objet_Equipe_BonusSup(1, c.valeur), c.bonus) << c.niveau << " " << c.valeur;
        EXPECT_EQ(p.Objet_Equipe_PorteeSup(1, c.valeur), c.portee) << c.niveau << " " << c.valeur;
        EXPECT_EQ(p.Objet_Equipe_SurfaceSup(1, c.valeur), c.portee);
        EXPECT_EQ(p.Objet_Equipe_ArmureSup(1, c.valeur), c.armure);
        EXPECT_FLOAT_EQ(p.Objet_Equipe_GainSup(1, c.valeur), c.gain);
    }
}

TEST_F(PersoCarac, CoutsDesCoupsEtGainsParTour) {
    ClsJeuPerso p = Humain();
    Equiper(p, Arc);
    EXPECT_EQ(p.RessourceAttaque, 2);  // arrows
    EXPECT_EQ(p.CoutAttaque, 1.0);
    EXPECT_EQ(p.Definir_CoutCoupArgent(), 2.0);
    EXPECT_EQ(p.Definir_PorteeAttaque(), 40);
    Equiper(p, Hache);  // displaces the bow
    EXPECT_EQ(p.Definir_CoutCoupEnergie(), 1.0);
    EXPECT_EQ(p.CoutAttaque, 0.0);
    EXPECT_EQ(p.Definir_SurfaceAttaque(), 2);

    EXPECT_FALSE(p.Definir_GainsObjets());
    Equiper(p, AnneauFortune);
    Equiper(p, AnneauPorteur);
    EXPECT_TRUE(p.Definir_GainsObjets());
    EXPECT_FLOAT_EQ(p.Definir_GainArgentObjets(), 0.5f);
    EXPECT_FLOAT_EQ(p.Definir_GainRessourcesObjets(0), 0.25f);
    EXPECT_FLOAT_EQ(p.Definir_GainRessourcesObjets(1), 0.0f);
    EXPECT_FLOAT_EQ(p.RegenerationVie, 0.001f + 0.01f);
}

TEST_F(PersoCarac, LaChargeSuitLaCapacite) {
    ClsJeuPerso p = Humain();
    Equiper(p, AnneauPorteur);
    p.Definir_Ressources(1, 35);
    ASSERT_EQ(p.Definir_Ressources(1), 35);
    p.Objet_Equipes_Detruire(6);
    EXPECT_EQ(p.Definir_MaxRessources(1), 30);
    EXPECT_EQ(p.Definir_Ressources(1), 30);
}

struct CasFatigue {
    double vie, energie, moral;
    double coef;
};

TEST_F(PersoCarac, FacteurDeFatigue) {
    const CasFatigue cas[] = {
        {100, 100, 100, 1.0},   {20, 40, 100, 0.625}, {9, 9, 9, 0.1},    {10, 25, 50, 0.625},
        {9.99, 24.9, 49.9, 1.0 - 0.45 - 0.25 - 0.125}, {100, 100, 0, 0.55}, {0.001, 100, 100, 0.55},
    };
    for (const auto& c : cas) {
        ClsJeuPerso p = Humain();
        p.Vie = c.vie;
        p.Energie = c.energie;
        p.Moral = c.moral;
        p.Magie = 0;  // magic does not count
        p.Calculer_Coef_Vitesse();
        EXPECT_DOUBLE_EQ(p.CoefVitesse, c.coef) << c.vie << " " << c.energie << " " << c.moral;
    }
    ClsJeuPerso mort = Humain();
    mort.Vivant(false);
    mort.Calculer_Coef_Vitesse();
    EXPECT_EQ(mort.CoefVitesse, 0.0);
}

TEST_F(PersoCarac, InactifSeulementEnAttenteOuEnRepos) {
    ClsJeuPerso p = Humain();
    for (std::int16_t code : {0, 100}) {
        p.Action = code;
        EXPECT_TRUE(p.Inactif());
    }
    for (std::int16_t code : {1, 2, 101, 102, 300, 400}) {
        p.Action = code;
        EXPECT_FALSE(p.Inactif());
    }
}

TEST_F(PersoCarac, UneValeurNonNumeriqueEstIgnoree) {
    ClsJeuPerso p = Humain();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    p.Definir_Vie(nan);
    p.Definir_Energie(nan);
    p.Definir_Attaque(nan);
    p.Definir_Argent(nan);
    EXPECT_EQ(p.Vie, 100);
    EXPECT_EQ(p.Energie, 100);
    EXPECT_EQ(p.Attaque, 40);
    EXPECT_EQ(p.Definir_Argent(), 0);
}

}  // namespace
