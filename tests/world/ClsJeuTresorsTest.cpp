#include "world/ClsJeuTresors.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/ModMain.h"
#include "rules/ModRandom.h"
#include "tests/Outils.h"
#include "tests/world/MondeObjets.h"
#include "tests/world/ReglesObjets.h"
#include "world/ModTresors.h"

namespace {

const ReglesObjets& Regles() {
    static const ReglesObjets regles;
    return regles;
}

ClsJeuTresors Tresor() {
    ClsJeuTresors t;
    t.Init(Regles().Parametres());
    return t;
}

TEST(ClsJeuTresors, KindFollowsTheFortune) {
    // Kinds of smallest value 0, 100, 500; the smallest value must be
    // strictly below the fortune, so 100 is still of the first kind.
    struct Cas {
        double fortune;
        std::int16_t type;
    };
    for (const Cas& c : {Cas{100.0, 0}, Cas{100.5, 1}, Cas{501.0, 2}, Cas{0.5, 0}, Cas{500.0, 1}}) {
        ClsJeuTresors t = Tresor();
        t.Definir_Fortune(c.fortune);
        EXPECT_EQ(t.IndiceImage, c.type) << c.fortune;
    }
    ClsJeuTresors t = Tresor();
    t.Definir_Fortune(501.0);
    t.Definir_Fortune(0.0);  // no kind is below 0: the kind stays
    EXPECT_EQ(t.IndiceImage, 2);
    EXPECT_EQ(Tresor().IndiceImage, 0);
}

TEST(ClsJeuTresors, SettersKeepTheFortune) {
    ClsJeuTresors t = Tresor();
    t.Definir_Ressources(1, 10.0);  // wood, priced 3
    EXPECT_DOUBLE_EQ(t.Definir_Fortune(), 30.0);
    t.Definir_Ressources(1, 6.0);
    EXPECT_DOUBLE_EQ(t.Definir_Fortune(), 18.0);
    t.Definir_Argent(90.0);
    EXPECT_DOUBLE_EQ(t.Definir_Fortune(), 108.0);
    EXPECT_EQ(t.IndiceImage, 1);
    t.Ajouter_Objet(0, Regles().Parametres());  // sword, 10
    EXPECT_DOUBLE_EQ(t.Definir_Fortune(), 118.0);
    EXPECT_EQ(t.Nombre_Objets(), 1);
    EXPECT_EQ(t.Definir_Objet(1), 0);
    EXPECT_EQ(t.Definir_Objet(2), -1);
    EXPECT_EQ(t.Nom(Regles().Parametres()), "Coffret");
    // Outside the tables: nothing stored, nothing priced.
    t.Definir_Ressources(6, 100.0);
    t.Ajouter_Objet(-1, Regles().Parametres());
    t.Ajouter_Objet(5, Regles().Parametres());
    EXPECT_DOUBLE_EQ(t.Definir_Fortune(), 118.0);
    EXPECT_EQ(t.Nombre_Objets(), 1);
}

TEST(ClsJeuTresors, EmptyOnlyWhenItHoldsNothing) {
    EXPECT_TRUE(Tresor().Vide());
    ClsJeuTresors argent = Tresor();
    argent.Definir_Argent(0.5);
    EXPECT_FALSE(argent.Vide());
    ClsJeuTresors objet = Tresor();
    objet.Ajouter_Objet(2, Regles().Parametres());
    EXPECT_FALSE(objet.Vide());
    ClsJeuTresors ressource = Tresor();
    ressource.Definir_Ressources(0, 0.25);
    EXPECT_FALSE(ressource.Vide());
    ressource.Definir_Ressources(0, 0.0);
    EXPECT_TRUE(ressource.Vide());
}

TEST(ModTresors, AddsTreasuresNumberedFromOne) {
    ModTresors tresors;
    EXPECT_EQ(tresors.Ajouter_Tresor(10, 20, Regles().Parametres()), 1);
    EXPECT_EQ(tresors.Ajouter_Tresor(30, 40, Regles().Parametres()), 2);
    ASSERT_TRUE(tresors.Existe(2));
    EXPECT_EQ(tresors(2).X, 30);
    EXPECT_TRUE(tresors(1).Vide());
    EXPECT_EQ(tresors.Element(0), nullptr);
    EXPECT_EQ(tresors.Element(3), nullptr);
    tresors.Init_Tresors();
    EXPECT_EQ(tresors.Count(), 0);
}

TEST(ModTresors, PickingUpRenumbersTheWalkersTargets) {
    MondeObjets m;
    m.Peupler(6);
    const ClsJeuParam& P = m.Parametres();
    for (int k = 1; k <= 5; ++k) m.Main.Tresors.Ajouter_Tresor(10 * k, 0, P);
    ClsJeuTresors& deux = m.Main.Tresors(2);
    deux.Definir_Argent(40);
    deux.Definir_Ressources(0, 5);
    deux.Ajouter_Objet(2, P);
    // Characters 1 to 4 walk to treasures 2, 3, 4, 5; character 5 only
    // remembers treasure 4 from an earlier walk.
    for (int i = 1; i <= 4; ++i) m.Perso(i).Aller_Tresor(m.Main.Tresors(i + 1), i + 1, 26, 26);
    m.Perso(5).CibleTresor = 4;
    m.Perso(5).Action = 0;
    ClsJeuPerso& preneur = m.Perso(0);
    m.Main.Tresors.Ramasser_Tresor_Collection(2, preneur, m.Main.Persos, P, m.Main.Commentaires);

    EXPECT_EQ(m.Main.Tresors.Count(), 4);
    EXPECT_EQ(m.Main.Tresors(2).X, 30);
    EXPECT_DOUBLE_EQ(preneur.Definir_Argent(), 40.0);
    EXPECT_DOUBLE_EQ(preneur.Definir_Ressources(0), 5.0);
    EXPECT_EQ(preneur.Objet_NombreType(2), 1);
    EXPECT_NE(m.Perso(1).Action, 204);
    for (int i = 2; i <= 4; ++i) {
        EXPECT_EQ(m.Perso(i).Action, 204) << i;
        EXPECT_EQ(m.Perso(i).CibleTresor, i) << i;
    }
    EXPECT_EQ(m.Perso(5).CibleTresor, 4);
    m.Main.Tresors.Ramasser_Tresor_Collection(9, preneur, m.Main.Persos, P, m.Main.Commentaires);
    EXPECT_EQ(m.Main.Tresors.Count(), 4);
}

TEST(ModTresors, WhatTheCharacterCannotTakeStaysOnTheGround) {
    MondeObjets m;
    m.Peupler(1);
    const ClsJeuParam& P = m.Parametres();
    ClsJeuPerso& preneur = m.Perso(0);
    for (std::int16_t i = 0; i < preneur.Nombre_Objets_Inventaire(); ++i) preneur.Objet_Inventaire_Charger(i, 2, P);
    preneur.Definir_Ressources(1, 25);
    m.Main.Tresors.Ajouter_Tresor(0, 0, P);
    ClsJeuTresors& tresor = m.Main.Tresors(1);
    tresor.Definir_Argent(10);
    tresor.Definir_Ressources(1, 8);
    tresor.Ajouter_Objet(2, P);
    m.Main.Tresors.Ramasser_Tresor_Collection(1, preneur, m.Main.Persos, P, m.Main.Commentaires);
    ASSERT_EQ(m.Main.Tresors.Count(), 1);
    const ClsJeuTresors& reste = m.Main.Tresors(1);
    EXPECT_DOUBLE_EQ(preneur.Definir_Argent(), 10.0);
    EXPECT_DOUBLE_EQ(preneur.Definir_Ressources(1), 30.0);
    EXPECT_EQ(reste.Definir_Argent(), 0.0);
    EXPECT_DOUBLE_EQ(reste.Definir_Ressources(1), 3.0);
    EXPECT_EQ(reste.Nombre_Objets(), 1);
    // Its fortune still tells what it holds: 3 wood at 3 and a potion at 5.
    EXPECT_DOUBLE_EQ(reste.Definir_Fortune(), 14.0);
}

// A drop goes to the treasure already lying on its map cell, else to a new
// one there; a place off the map counts as the nearest cell of its edge.
TEST(ModTresors, ADropJoinsTheTreasureOfItsCell) {
    MondeObjets m;
    m.Peupler(1);
    const ClsJeuParam& P = m.Parametres();
    ClsJeuMonde& monde = m.Main.Monde;
    monde.LargeurCarte = monde.HauteurCarte = 4;
    const std::int32_t lc = monde.LargeurCase, hc = monde.HauteurCase;
    ModTresors& t = m.Main.Tresors;
    struct Cas {
        const char* nom;
        std::int32_t x, y, numero;
    };
    const Cas cas[] = {
        {"premier", 5, 5, 1},
        {"même case", lc - 1, hc - 1, 1},
        {"case voisine", lc, 0, 2},
        {"hors de la carte, au-dessus", -500, -3, 1},
        {"dernière case", 4 * lc + 3, 4 * hc, 3},
        {"bien au-delà", 1000000, 1000000, 3},
        {"même case plus bas", 3, hc, 4},
    };
    for (const Cas& c : cas) {
        const std::int32_t n = t.Deposer_Tresor(c.x, c.y, monde, P);
        EXPECT_EQ(n, c.numero) << c.nom;
        t(n).Definir_Argent(t(n).Definir_Argent() + 10);
        t(n).Ajouter_Objet(2, P);
    }
    ASSERT_EQ(t.Count(), 4);
    EXPECT_EQ(t(1).X, 5);
    EXPECT_DOUBLE_EQ(t(1).Definir_Argent(), 30.0);
    EXPECT_EQ(t(1).Nombre_Objets(), 3);
    EXPECT_DOUBLE_EQ(t(1).Definir_Fortune(), 30.0 + 3 * P.Objet_PrixVente(2));
    EXPECT_EQ(t(3).Nombre_Objets(), 2);
}

// However many fall, the dead's loot lies in at most one treasure per map
// cell, and none of it is lost.
TEST(ModTresors, DeathDropsStayWithinTheMapsCells) {
    MondeObjets m;
    m.Peupler(2, 2);
    ClsJeuMonde& monde = m.Main.Monde;
    monde.LargeurCarte = monde.HauteurCarte = 4;
    monde.Creer_Grilles();
    ClsJeuPerso& tueur = m.Perso(0);
    ClsJeuPerso& victime = m.Perso(1);
    tueur.PositionX = tueur.PositionY = 100000;
    double total = 0;
    GenerateurLocal places(7);
    for (int k = 0; k < 2000; ++k) {
        victime.PositionX = static_cast<std::int32_t>(places.Suivant() * 6 * monde.LargeurCase) - monde.LargeurCase;
        victime.PositionY = static_cast<std::int32_t>(places.Suivant() * 6 * monde.HauteurCase) - monde.HauteurCase;
        victime.Definir_Argent(10);
        victime.Definir_Ressources(1, 2);
        total += 10;
        m.Main.Combat.Piller_Perso(tueur, victime);
        total -= victime.Definir_Argent();
        ASSERT_LE(m.Main.Tresors.Count(), 25);
    }
    double argent = 0;
    std::set<std::int64_t> cases;
    for (const ClsJeuTresors& t : m.Main.Tresors) {
        argent += t.Definir_Argent();
        EXPECT_TRUE(cases.insert(ModTresors::Case(t.X, t.Y, monde)).second);
    }
    EXPECT_NEAR(argent, total, 1e-6);
    EXPECT_GT(argent, 0.0);
    EXPECT_DOUBLE_EQ(tueur.Definir_Argent(), 0.0);
}

// Two characters fall on one map cell: their loot lies in one heap, and a
// character sent by the AI to the nearest treasure finds it and takes all
// of both.
TEST(ModTresors, TheLootOfTwoDeathsOnOneCellIsFoundWhole) {
    DossierJeu dossier(DonneesSource());
    ModMain M(dossier);
    M.Charger_Parametres();
    SetupChoices c;
    c.LargeurCarte = c.HauteurCarte = 32;
    c.NombreRessources = 5;
    c.Fiefs = {{0, 0, 3}, {1, 1, 1}};
    c.Reseau = true;
    M.Creer_Partie(c);
    ASSERT_FALSE(M.FinPartie);
    M.IA.Initialiser_IA();
    for (ClsJeuPerso& p : M.Persos) {
        p.IA_Active = false;
        p.Arreter();
    }
    ClsJeuPerso& chercheur = M.Persos[0];
    ClsJeuPerso& tueur = M.Persos[3];
    tueur.PositionX = tueur.PositionY = 5;
    // Two victims a pixel apart, their loot's place in the middle of a cell
    // five cells from the searcher.
    const std::int32_t lc = M.Monde.LargeurCase, hc = M.Monde.HauteurCase;
    const std::int32_t x = (chercheur.PositionX / lc + 5) * lc + lc / 2, y = (chercheur.PositionY / hc) * hc + hc / 2;
    for (std::size_t v : {1u, 2u}) {
        ClsJeuPerso& victime = M.Persos[v];
        victime.PositionX = x - victime.Largeur / 2 + 13 + static_cast<std::int32_t>(v);
        victime.PositionY = y - victime.Hauteur / 2 + 13;
        victime.Definir_Argent(100.0 * static_cast<double>(v));
        M.Combat.Piller_Perso(tueur, victime);
        victime.PositionX = victime.PositionY = 5;
        victime.Arreter();
    }
    ASSERT_EQ(M.Tresors.Count(), 1);
    EXPECT_DOUBLE_EQ(M.Tresors(1).Definir_Argent(), 150.0);
    const double avant = chercheur.Definir_Argent();
    M.IA.Aller_Tresor_Proche(0);
    ASSERT_EQ(chercheur.Action, 204);
    for (int t = 0; t < 3000 && chercheur.Action == 204; ++t) M.Tour_Simulation();
    EXPECT_EQ(M.Tresors.Count(), 0);
    EXPECT_DOUBLE_EQ(chercheur.Definir_Argent(), avant + 150.0);
}

}  // namespace
