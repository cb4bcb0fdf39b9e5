// Item slots, equipping by category with displaced items, using items, and
// items that find no room (kept for the ground, never destroyed).
#include <gtest/gtest.h>

#include <vector>

#include "tests/characters/ReglesPersos.h"

namespace {

using namespace ObjetFixture;

class PersoObjets : public ::testing::Test {
protected:
    PersoObjets() : regles_(EcrireCommentairesEssai), commentaires_(regles_.Dossier(), generateur_) {
        p_.Objet_Equipes_Vider_Tout();
        p_.Objet_Inventaire_Vider_Tout();
    }

    const ClsJeuParam& P() const { return regles_.Parametres(); }
    void Ajouter(std::int16_t type, bool nouveau = false) { p_.Objet_Ajouter_Inventaire(type, P(), commentaires_, nouveau); }
    bool Equiper(std::int16_t type, bool second = false) { return p_.Objet_Equiper(type, P(), commentaires_, false, second); }
    bool UtiliserSlot(std::int16_t slot) { return p_.Objet_Equiper(slot, P(), commentaires_, true, false); }
    std::vector<std::int16_t> Inventaire() const {
        std::vector<std::int16_t> v;
        for (std::int16_t i = 0; i < p_.Nombre_Objets_Inventaire(); ++i)
            v.push_back(p_.Objet_Inventaire_Actif(i) ? p_.Objet_Inventaire_Type(i) : -1);
        return v;
    }
    std::vector<std::int16_t> Mains() const {
        return {p_.Objet_Equipes_Actif(0) ? p_.Objet_Equipes_Type(0) : std::int16_t{-1},
                p_.Objet_Equipes_Actif(1) ? p_.Objet_Equipes_Type(1) : std::int16_t{-1}};
    }

    ReglesPersos regles_;
    GenerateurLocal generateur_{3};
    ClsJeuCommentaires commentaires_;
    ClsJeuPerso p_ = regles_.Nouveau(RaceFixture::Humain);
};

using Liste = std::vector<std::int16_t>;

TEST_F(PersoObjets, InventairePleinGardeLObjetPourLeSol) {
    for (int i = 0; i < 4; ++i) Ajouter(Potion);
    EXPECT_TRUE(p_.Inventaire_Plein());
    Ajouter(Epee);
    EXPECT_EQ(Inventaire(), (Liste{Potion, Potion, Potion, Potion}));
    EXPECT_EQ(p_.ObjetsEnAttenteSol, (Liste{Epee}));
}

TEST_F(PersoObjets, DansUnMondeLObjetSansPlaceTombeEnTresor) {
    MondePersos monde(regles_, 1);
    ClsJeuPerso& p = monde.Perso(0);
    p.PositionX = 70;
    p.PositionY = 80;
    for (int i = 0; i < 4; ++i) p.Objet_Ajouter_Inventaire(Potion, P(), monde.Main.Commentaires);
    p.Objet_Ajouter_Inventaire(Epee, P(), monde.Main.Commentaires);
    ASSERT_EQ(monde.Main.Tresors.Count(), 1);
    EXPECT_EQ(monde.Main.Tresors(1).X, 70);
    EXPECT_EQ(monde.Main.Tresors(1).Y, 80);
    EXPECT_EQ(monde.Main.Tresors(1).Definir_Objet(1), Epee);
    EXPECT_TRUE(p.ObjetsEnAttenteSol.empty());
}

TEST_F(PersoObjets, UnObjetNeufSEquipeDesQuUnePlaceEstLibre) {
    Ajouter(Dague, true);
    EXPECT_EQ(Mains(), (Liste{Dague, -1}));
    EXPECT_EQ(Inventaire(), (Liste{-1, -1, -1, -1}));
    Ajouter(Epee, true);  // the second hand is free
    EXPECT_EQ(Mains(), (Liste{Dague, Epee}));
    Ajouter(Potion, true);  // usable items are never put on
    EXPECT_EQ(Inventaire(), (Liste{Potion, -1, -1, -1}));
    Ajouter(Dague);  // not new: stays in the bag
    EXPECT_EQ(Inventaire(), (Liste{Potion, Dague, -1, -1}));
}

TEST_F(PersoObjets, UneMainNeSeLibereJamaisPourUneArmeAUneMainSousUneHache) {
    Equiper(Hache);
    Ajouter(Dague, true);
    EXPECT_EQ(Mains(), (Liste{Hache, -1}));
    EXPECT_EQ(Inventaire(), (Liste{Dague, -1, -1, -1}));
}

TEST_F(PersoObjets, CompterLesObjetsDUnType) {
    Equiper(Dague);
    Ajouter(Dague);
    Ajouter(Dague);
    EXPECT_EQ(p_.Objet_NombreType(Dague), 3);
    // An empty slot whose number was overwritten does not count.
    p_.Objet_Inventaire_Type(3, Dague);
    EXPECT_EQ(p_.Objet_NombreType(Dague), 3);
    EXPECT_TRUE(p_.Objet_Posseder(Dague));
    EXPECT_FALSE(p_.Objet_Posseder(Epee));
}

// Equipping by category: the hands (0 one-handed, 1 two-handed), the pair of
// rings (6, 7) and single places; displaced items go back to the bag.
struct CasEquiper {
    const char* nom;
    Liste avant;  // equipped in this order, first hand first
    std::int16_t objet;
    bool second;
    std::vector<std::pair<std::int16_t, std::int16_t>> places;  // place, item (-1 empty)
    Liste sac;
};

void PrintTo(const CasEquiper& c, std::ostream* os) { *os << c.nom; }

class PersoEquiper : public PersoObjets, public ::testing::WithParamInterface<CasEquiper> {};

const CasEquiper TableEquiper[] = {
    {"HacheDeplaceLesDeuxMains", {Epee, Dague}, Hache, false, {{0, Hache}, {1, -1}}, {Epee, Dague, -1, -1}},
    {"DagueEnSecondeMainSousHache", {Hache}, Dague, true, {{0, -1}, {1, Dague}}, {Hache, -1, -1, -1}},
    {"DagueEnPremiereMainSousHache", {Hache}, Dague, false, {{0, Dague}, {1, -1}}, {Hache, -1, -1, -1}},
    {"PremiereMainPleineVaEnSeconde", {Epee}, Dague, false, {{0, Epee}, {1, Dague}}, {-1, -1, -1, -1}},
    {"DeuxMainsPleinesPremiere", {Epee, Dague}, Arc, false, {{0, Arc}, {1, Dague}}, {Epee, -1, -1, -1}},
    {"DeuxMainsPleinesSeconde", {Epee, Dague}, Arc, true, {{0, Epee}, {1, Arc}}, {Dague, -1, -1, -1}},
    {"SecondeMainLibrePremiereOccupee", {Epee}, Dague, true, {{0, Epee}, {1, Dague}}, {-1, -1, -1, -1}},
    {"AnneauSurLaPaire", {AnneauPorteur}, AnneauFortune, false, {{6, AnneauPorteur}, {7, AnneauFortune}}, {-1, -1, -1, -1}},
    {"AnneauChasseLePremier", {AnneauPorteur, AnneauFortune}, AnneauPorteur, false,
     {{6, AnneauPorteur}, {7, AnneauFortune}}, {AnneauPorteur, -1, -1, -1}},
    {"AnneauChasseLeSecond", {AnneauPorteur, AnneauFortune}, AnneauPorteur, true,
     {{6, AnneauPorteur}, {7, AnneauPorteur}}, {AnneauFortune, -1, -1, -1}},
    {"MemePlaceUnique", {Cuirasse}, Cuirasse, false, {{2, Cuirasse}}, {Cuirasse, -1, -1, -1}},
};

TEST_P(PersoEquiper, PlaceEtObjetsDeplaces) {
    const CasEquiper& c = GetParam();
    for (std::int16_t o : c.avant) ASSERT_TRUE(Equiper(o, false));
    EXPECT_TRUE(Equiper(c.objet, c.second));
    for (auto [place, objet] : c.places) {
        EXPECT_EQ(p_.Objet_Equipes_Actif(place), objet >= 0) << "place " << place;
        if (objet >= 0) {
            EXPECT_EQ(p_.Objet_Equipes_Type(place), objet) << "place " << place;
        }
    }
    EXPECT_EQ(Inventaire(), c.sac);
    EXPECT_TRUE(p_.ObjetsEnAttenteSol.empty());
}

INSTANTIATE_TEST_SUITE_P(Categories, PersoEquiper, ::testing::ValuesIn(TableEquiper),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(PersoObjets, HacheDuSacPleinDeplaceLaSecondeArmeVersLeSol) {
    Equiper(Epee);
    Equiper(Dague, true);
    Ajouter(Hache);
    for (int i = 0; i < 3; ++i) Ajouter(Potion);
    ASSERT_TRUE(p_.Inventaire_Plein());
    EXPECT_TRUE(UtiliserSlot(0));
    EXPECT_EQ(Mains(), (Liste{Hache, -1}));
    // The hache's slot takes the sword; the dagger finds no room and waits
    // for the ground instead of vanishing.
    EXPECT_EQ(Inventaire(), (Liste{Epee, Potion, Potion, Potion}));
    EXPECT_EQ(p_.ObjetsEnAttenteSol, (Liste{Dague}));
}

TEST_F(PersoObjets, RangerSansPlaceLaisseLObjetEquipe) {
    Equiper(Epee);
    const double attaque = p_.Definir_MaxAttaque();
    for (int i = 0; i < 4; ++i) Ajouter(Potion);
    p_.Objet_Ranger(0, P(), commentaires_);
    EXPECT_EQ(p_.Objet_Equipes_Type(0), Epee);
    EXPECT_EQ(p_.Definir_MaxAttaque(), attaque);
}

TEST_F(PersoObjets, RangerRemetAuSacEtBorneLAttaque) {
    Equiper(Epee);
    ASSERT_EQ(p_.Definir_MaxAttaque(), 47);
    p_.Attaque = 47;
    p_.Objet_Ranger(0, P(), commentaires_);
    EXPECT_FALSE(p_.Objet_Equipes_Actif(0));
    EXPECT_EQ(Inventaire(), (Liste{Epee, -1, -1, -1}));
    EXPECT_EQ(p_.Definir_MaxAttaque(), 40);
    EXPECT_EQ(p_.Attaque, 40);
}

TEST_F(PersoObjets, RangerLesArmesArreteEtVideLesMains) {
    Equiper(Epee);
    Equiper(Dague, true);
    p_.Attaquer_Perso(1);
    p_.Objet_Ranger_Armes(commentaires_, P());
    EXPECT_EQ(p_.Action, Actions::Attente);
    EXPECT_EQ(Mains(), (Liste{-1, -1}));
    EXPECT_EQ(Inventaire(), (Liste{Epee, Dague, -1, -1}));
}

TEST_F(PersoObjets, DetruireUnePlaceRecalculeLesBonusMemeVide) {
    p_.Definir_MaxVie(150);  // takes effect at the next recomputation
    p_.Objet_Inventaire_Detruire(0);
    EXPECT_EQ(p_.Definir_MaxVie(), 100);
    p_.Objet_Equipes_Detruire(5);
    EXPECT_EQ(p_.Definir_MaxVie(), 150);
}

TEST_F(PersoObjets, ActifSurUnePlaceVide) {
    p_.Objet_Inventaire_Actif(0, true);
    EXPECT_TRUE(p_.Objet_Inventaire_Actif(0));
    EXPECT_EQ(p_.Objet_Inventaire_Type(0), -1);
    EXPECT_EQ(p_.Objet_Inventaire(0).BonusVie, 0);
    Ajouter(Dague);
    EXPECT_EQ(Inventaire()[1], Dague);
}

TEST_F(PersoObjets, EffetDAttaqueDeLaPremiereMainSeulement) {
    ClsJeuPerso loup = regles_.Nouveau(RaceFixture::Loup);
    ASSERT_EQ(loup.EffetAttaque, -1);
    loup.Objet_Equipe_Charger(1, Epee, P());
    EXPECT_EQ(loup.Effet_Attaque(), -1);
    loup.Objet_Equipe_Charger(0, Epee, P());
    EXPECT_EQ(loup.Effet_Attaque(), 0);
}

TEST_F(PersoObjets, EquiperUnObjetAbsentOuInconnuEchoue) {
    EXPECT_FALSE(UtiliserSlot(2));  // empty slot
    EXPECT_FALSE(Equiper(-1));
    EXPECT_FALSE(Equiper(99));
    Ajouter(-1);
    Ajouter(99);
    EXPECT_EQ(Inventaire(), (Liste{-1, -1, -1, -1}));
    EXPECT_TRUE(p_.ObjetsEnAttenteSol.empty());
}

TEST_F(PersoObjets, MasqueFixeLApparenceEtLaRendEnPartant) {
    p_.ApparenceFichier = 9;
    Equiper(Masque);
    EXPECT_TRUE(p_.Apparence);
    EXPECT_EQ(p_.ApparenceBase, 9);
    EXPECT_EQ(p_.ApparenceAffichee, 9);
    p_.Objet_Equipes_Detruire(4);
    EXPECT_FALSE(p_.Apparence);
    EXPECT_EQ(p_.ApparenceBase, 0);
}

// ---- Using items ----

TEST_F(PersoObjets, BoireUnePotion) {
    Ajouter(Potion);
    EXPECT_TRUE(UtiliserSlot(0));
    EXPECT_EQ(p_.CapaciteEnAttente, Potion);
    EXPECT_FALSE(p_.Objet_Inventaire_Actif(0));  // single use
    EXPECT_EQ(p_.Definir_ExpObjets(2), 4.0);      // its competence learns
}

TEST_F(PersoObjets, UnObjetGratuitExigeQuandMemeUnPeuDeChaqueForce) {
    Ajouter(Potion);
    p_.Magie = 0;
    EXPECT_FALSE(UtiliserSlot(0));
    EXPECT_EQ(p_.Definir_Commentaires(), "genre 19");
    EXPECT_TRUE(p_.Objet_Inventaire_Actif(0));
    EXPECT_EQ(p_.CapaciteEnAttente, -1);
}

TEST_F(PersoObjets, RefusDansLOrdreDesControles) {
    struct Cas {
        double vie, energie, magie, moral;
        std::int16_t genre;
    };
    // The horn costs 10 magic.
    for (auto c : {Cas{0.5, 0, 0, 0, 18}, Cas{50, 50, 10, 0, 19}, Cas{50, 50, 11, 0, 20}}) {
        ClsJeuPerso p = p_;
        p.Vie = c.vie;
        p.Energie = c.energie;
        p.Magie = c.magie;
        p.Moral = c.moral;
        EXPECT_FALSE(p.Objet_Equiper(Cor, P(), commentaires_, false, false));
        EXPECT_EQ(p.Definir_Commentaires(), "genre " + std::to_string(c.genre));
    }
    p_.Magie = 50;
    EXPECT_TRUE(Equiper(Cor));
    EXPECT_EQ(p_.Magie, 40);
    EXPECT_EQ(p_.ExpMagie, 10.0);  // 10 x 50 / 50
}

TEST_F(PersoObjets, UneCapaciteEnAttenteBloqueLesAutres) {
    p_.CapaciteEnAttente = Cor;
    Ajouter(Potion);
    EXPECT_FALSE(UtiliserSlot(0));
    EXPECT_EQ(p_.CapaciteEnAttente, Cor);
    EXPECT_TRUE(p_.Objet_Inventaire_Actif(0));
}

TEST_F(PersoObjets, TalismanSeulementApresLaMort) {
    Ajouter(Talisman);
    EXPECT_FALSE(UtiliserSlot(0));
    p_.Vivant(false);
    EXPECT_TRUE(UtiliserSlot(0));  // a dead user skips the life test
    EXPECT_EQ(p_.CapaciteEnAttente, Talisman);
    p_.CapaciteEnAttente = -1;
    EXPECT_FALSE(Equiper(Potion));  // not usable when dead
}

}  // namespace
