// One item slot: a copy of an item type's rules, emptied back to nothing.
#include <gtest/gtest.h>

#include "characters/ClsJeuObjet.h"
#include "tests/characters/ReglesPersos.h"

namespace {

using namespace ObjetFixture;

class Objet : public ::testing::Test {
protected:
    const ClsJeuParam& P() const { return regles_.Parametres(); }
    ReglesPersos regles_;
};

TEST_F(Objet, UnePlaceNeuveEstVide) {
    ClsJeuObjet o;
    o.Init(P());
    EXPECT_EQ(o.Indice, -1);
    EXPECT_EQ(o.PerteRessourceIndice, -1);
    EXPECT_FALSE(o.Actif());
    EXPECT_EQ(o.Param_PrixRessources(2), 0);
    o.Actif(true);
    EXPECT_EQ(o.Nom, "Temp");
    EXPECT_TRUE(o.Actif());
    EXPECT_EQ(o.Indice, -1);
}

TEST_F(Objet, ChargerCopieLesRegles) {
    ClsJeuObjet o;
    o.Init(P());
    o.Charger(Epee, P());
    EXPECT_EQ(o.Indice, Epee);
    EXPECT_EQ(o.Nom, "Épée");
    EXPECT_EQ(o.Description, "Une lame droite, bien équilibrée.");
    EXPECT_EQ(o.Categorie, 0);
    EXPECT_EQ(o.Competence, 1);
    EXPECT_EQ(o.BonusAttaque, 7);
    EXPECT_EQ(o.Param_PrixRessources(1), 3);
    EXPECT_EQ(o.Param_BonusCompetencesSpeciales(2), 5);
    EXPECT_FALSE(o.CoutUtilisation);

    o.Charger(AnneauFortune, P());
    EXPECT_FLOAT_EQ(o.GainArgent, 0.5f);
    EXPECT_FLOAT_EQ(o.Param_GainRessource(0), 0.25f);
    EXPECT_EQ(o.Param_PrixRessources(1), 0);  // the sword's price is gone
    o.Charger(Bouclier, P());
    EXPECT_EQ(o.Param_BonusCompetencesServices(0), 3);
    o.Charger(AnneauPorteur, P());
    EXPECT_EQ(o.Param_BonusCompetencesObjets(1), 2);
    EXPECT_EQ(o.Param_BonusCompetencesRessources(1), 4);
    o.Charger(Talisman, P());
    EXPECT_TRUE(o.SelfResurrection);
    EXPECT_TRUE(o.UtilisationMort);
}

TEST_F(Objet, CoutDUtilisation) {
    const std::pair<std::int16_t, bool> cas[] = {
        {Epee, false}, {Hache, true} /* energy */, {Arc, true} /* arrows and money */,
        {Potion, true} /* single use */, {Cor, true} /* magic */, {Bottes, false}};
    for (auto [type, cout] : cas) {
        ClsJeuObjet o;
        o.Charger(type, P());  // a slot loaded without Init sizes itself
        EXPECT_EQ(o.CoutUtilisation, cout) << type;
    }
}

TEST_F(Objet, DechargerRemetToutAZero) {
    ClsJeuObjet o;
    o.Init(P());
    o.Charger(Arc, P());
    ASSERT_EQ(o.PerteRessourceIndice, 2);
    o.Decharger();
    EXPECT_EQ(o.Indice, -1);
    EXPECT_EQ(o.Nom, "");
    EXPECT_EQ(o.PerteRessourceIndice, -1);
    EXPECT_EQ(o.PerteArgent, 0);
    EXPECT_EQ(o.BonusPorteeAttaque, 0);
    EXPECT_FALSE(o.CoutUtilisation);
    EXPECT_EQ(o.Param_PrixRessources(0), 0);
    // The lists keep their places for the next item.
    o.Charger(Epee, P());
    EXPECT_EQ(o.Param_PrixRessources(1), 3);
}

TEST_F(Objet, PositionsHorsListe) {
    ClsJeuObjet o;
    o.Init(P());
    o.Charger(Epee, P());
    EXPECT_EQ(o.Param_PrixRessources(-1), 0);
    EXPECT_EQ(o.Param_PrixRessources(3), 0);
    EXPECT_EQ(o.Param_BonusCompetencesServices(2), 0);
    EXPECT_EQ(o.Param_GainRessource(30), 0.0f);
}

}  // namespace
