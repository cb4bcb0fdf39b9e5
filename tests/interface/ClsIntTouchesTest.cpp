// Key bindings read from Ini_Touches and the dispatcher's actions on a
// small world.
#include <gtest/gtest.h>

#include <set>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "tests/interface/MondeInterface.h"

namespace {

TEST(ClsIntTouchesFichier, LesDonneesLientChaqueToucheSansDoublon) {
    DossierJeu dossier(DonneesSource());
    const ClsIntTouches t(dossier);
    std::set<std::int16_t> simples;
    // Keys 0 to 43 act without Ctrl; two of them on one code would hide the second.
    for (std::int16_t k = 0; k < 44; ++k) {
        EXPECT_GT(t.Touche(k), 0) << ClsIntTouches::Noms()[static_cast<std::size_t>(k)];
        EXPECT_TRUE(simples.insert(t.Touche(k)).second) << ClsIntTouches::Noms()[static_cast<std::size_t>(k)];
    }
    // The item keys follow each other from ToucheObjets and clash with none.
    for (std::int16_t c = t.ToucheObjets; c < t.ToucheObjets + t.NombreTouchesObjets; ++c)
        EXPECT_FALSE(simples.count(c)) << c;
    for (std::int16_t k = 46; k < ClsIntTouches::NombreTouches; ++k) EXPECT_GT(t.Touche(k), 0);
}

// Two players sharing the keyboard: no code acts for both of them, and
// each finds its windows, its way home and its castle.
TEST(ClsIntTouchesFichier, LesDeuxJoueursNOntAucuneToucheCommune) {
    DossierJeu dossier(DonneesSource());
    const ClsIntTouches j1(dossier, ClsIntTouches::Fichier_Joueur(0, 2));
    const ClsIntTouches j2(dossier, ClsIntTouches::Fichier_Joueur(1, 2));
    auto codes = [](const ClsIntTouches& t) {
        std::set<std::int16_t> c;
        for (std::int16_t k = 0; k < ClsIntTouches::NombreTouches; ++k)
            if (ClsIntTouches::Noms()[static_cast<std::size_t>(k)] != "NombreTouchesObjets" && t.Touche(k) > 0)
                c.insert(t.Touche(k));
        for (std::int16_t n = 0; n < t.NombreTouchesObjets; ++n) c.insert(static_cast<std::int16_t>(t.ToucheObjets + n));
        return c;
    };
    const std::set<std::int16_t> c1 = codes(j1), c2 = codes(j2);
    for (std::int16_t c : c1) EXPECT_FALSE(c2.count(c)) << c;
    for (const ClsIntTouches* t : {&j1, &j2}) {
        EXPECT_GT(t->ToucheFenetreBatiment, 0);
        EXPECT_GT(t->ToucheRetourMaison, 0);
        EXPECT_GT(t->ToucheRetourChateau, 0);
    }
    EXPECT_EQ(ClsIntTouches::Fichier_Joueur(0, 1), "Ini_Touches");
}

TEST(ClsIntTouchesFichier, ValeursLenientesEtCodesTropGrands) {
    DossierTemporaire d;
    d.Ecrire("Ini_Touches.ini",
             "[Touches]\nToucheQuitter=12abc\nToucheZoomPlus=texte\nToucheMenu= 25 ; P\nToucheAide=7.6\n");
    DossierJeu dossier(d.Chemin());
    const ClsIntTouches t(dossier);
    EXPECT_EQ(t.ToucheQuitter, 12);
    EXPECT_EQ(t.ToucheZoomPlus, 0);
    EXPECT_EQ(t.ToucheMenu, 25);
    EXPECT_EQ(t.ToucheAide, 8);
    EXPECT_EQ(t.ToucheSoldatsSupprimer, 0);  // missing: no key

    d.Ecrire("Ini_Touches.ini", "[Touches]\nToucheQuitter=70000\nToucheAide=-40000\n");
    DossierJeu dossier2(d.Chemin());
    try {
        ClsIntTouches mauvais(dossier2);
        FAIL() << "un code hors limites doit être refusé";
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Touches.ini");
        ASSERT_EQ(e.Details().size(), 2u);
        EXPECT_NE(e.Details()[0].find("ToucheQuitter"), std::string::npos);
    }
}

class Touches : public ::testing::Test {
protected:
    MondeInterface M;
    ClsIntTouches& T() { return *M.Touches; }
    // n living creatures summoned by the player.
    std::vector<std::int32_t> Creatures(std::int32_t n, std::int16_t Race = RaceCombat::Loup) {
        std::vector<std::int32_t> c;
        for (std::int32_t k = 0; k < n; ++k) {
            const std::int32_t i = M.W.Perso(Race, 0, 1000 + 10 * k, 1000);
            M.W.Pe(i).Invocateur = M.Joueur;
            M.W.Pe(i).IA_Active = true;
            c.push_back(i);
        }
        M.Pj().NombreInvocations += n;
        return c;
    }
};

TEST_F(Touches, QuitterEtAltF4TerminentLaPartie) {
    M.Presser(T().ToucheQuitter);
    EXPECT_TRUE(M.W.M().FinPartie);

    M.W.M().FinPartie = false;
    bool quitte = false;
    M.Interface->Moteur.Quitter_Programme = [&] { quitte = true; };
    // F4 is bound to a resource key: with Alt it quits whatever the binding.
    ASSERT_EQ(T().ToucheTrouverRessource[3], ClsIntTouches::ToucheF4);
    M.Presser(ClsIntTouches::ToucheF4, false, false, true);
    EXPECT_TRUE(M.W.M().FinPartie);
    EXPECT_TRUE(quitte);
}

TEST_F(Touches, ZoomBorneEnBas) {
    double zoom = 1.25;
    M.Interface->Moteur.Zoom = &zoom;
    M.Presser(T().ToucheZoomMoins);
    EXPECT_EQ(zoom, 1.0);
    M.Presser(T().ToucheZoomMoins);
    EXPECT_EQ(zoom, 1.0);
    M.Presser(T().ToucheZoomPlus);
    M.Presser(T().ToucheZoomPlus);
    EXPECT_EQ(zoom, 2.0);
    M.Presser(T().ToucheZoomNormal);
    EXPECT_EQ(zoom, 1.0);
}

TEST_F(Touches, FenetresEtPause) {
    int pauses = 0;
    M.Interface->Moteur.Basculer_Pause = [&] { ++pauses; };
    const std::pair<std::int16_t, std::int16_t> cas[] = {{T().ToucheFenetreBatiment, 0},
                                                         {T().ToucheFenetreRessources, 1},
                                                         {T().ToucheFenetrePersonnage, 2},
                                                         {T().ToucheFenetreCompetences, 3},
                                                         {T().ToucheFenetreInventaire, 4},
                                                         {T().ToucheFenetreBestiaire, 5}};
    for (auto [touche, fenetre] : cas) {
        M.Presser(touche);
        EXPECT_TRUE(M.Interface->Fenetres_Visible(fenetre)) << fenetre;
        EXPECT_TRUE(M.Interface->BoutonsInfos()[static_cast<std::size_t>(fenetre)].Actif);
    }
    M.Presser(T().ToucheMenu);
    EXPECT_EQ(pauses, 1);
    M.Messages->Ajouter_Message("bonjour");
    M.Presser(T().ToucheFenetresFermer);
    for (std::int16_t f = 0; f < 6; ++f) EXPECT_FALSE(M.Interface->Fenetres_Visible(f));
    EXPECT_TRUE(M.Interface->BoutonsInfos()[6].Actif) << "la pause reste";
    EXPECT_TRUE(M.Messages->ListeMessages.empty());
}

TEST_F(Touches, DirectionsEtModeAuto) {
    ClsJeuPerso& p = M.Pj();
    const std::int32_t x = p.PositionX, y = p.PositionY, pas = p.LongueurPas;
    ASSERT_GT(pas, 0);
    M.Presser(T().ToucheDirectionGauche);
    EXPECT_EQ(p.DestinationX, x - pas);
    EXPECT_EQ(p.DestinationY, y);
    M.Presser(T().ToucheDirectionBas);
    EXPECT_EQ(p.DestinationY, y + pas);
    EXPECT_FALSE(p.IA_Active);
    M.Presser(T().ToucheModeAuto);
    EXPECT_TRUE(p.IA_Active);
}

TEST_F(Touches, RetourMaisonDUnMortSansResurrection) {
    M.W.Maison(M.Joueur, BatimentCombat::Cabane, 600, 600);
    M.Pj().Vie = 0.0;
    M.Pj().Action = Actions::Attente;
    M.Presser(T().ToucheRetourMaison);
    EXPECT_EQ(M.Pj().Action, Actions::Attente);
    M.Pj().Vie = 10.0;
    M.Presser(T().ToucheRetourMaison);
    EXPECT_EQ(M.Pj().Action, Actions::RentrerMaison);
}

TEST_F(Touches, ToucheDeSoldatSansCtrlPasseALaTableOrdinaire) {
    Creatures(2);
    // Ctrl + T selects the walkers; T alone makes the creatures charge.
    M.Presser(T().ToucheSoldatsTerrestres, true);
    EXPECT_TRUE(M.SelectionActive);
    EXPECT_EQ(M.Selection.size(), 2u);
    M.Selection.clear();
    M.SelectionActive = false;
    M.Presser(T().ToucheChargez);
    EXPECT_TRUE(M.Selection.empty());
    EXPECT_FALSE(M.SelectionActive);
}

TEST_F(Touches, SelectionDesSoldats) {
    const auto c = Creatures(4);
    ClsJeuPerso& garde = M.W.Pe(c[1]);
    garde.Suivre = 1;  // guards a house
    M.W.Pe(c[2]).Vie = 1.0;  // wounded
    M.W.Pe(c[3]).Attaquer_Perso(M.Joueur);  // busy
    M.W.Pe(c[3]).Action = Actions::Attaquer;

    M.Presser(T().ToucheSoldatsToutes, true);
    EXPECT_EQ(M.Selection, (ModDialogue::Groupe{c[0], c[1], c[2], c[3]}));
    for (std::int32_t i : c) EXPECT_FALSE(M.W.Pe(i).IA_Active);

    M.Presser(T().ToucheSoldatsNonAffectees, true);
    EXPECT_EQ(M.Selection, (ModDialogue::Groupe{c[0], c[2], c[3]}));

    M.Presser(T().ToucheSoldatsReposes, true);
    EXPECT_EQ(M.Selection, (ModDialogue::Groupe{c[0], c[3]}));

    M.Presser(T().ToucheSoldatsEnArret, true);
    EXPECT_EQ(M.Selection, (ModDialogue::Groupe{c[0], c[2]}));

    M.Presser(T().ToucheSoldatsVolants, true);
    EXPECT_TRUE(M.Selection.empty());
    EXPECT_FALSE(M.SelectionActive);
}

TEST_F(Touches, MemeTypeAjouteSansVider) {
    const auto loups = Creatures(2);
    const auto humains = Creatures(1, RaceCombat::Humain);
    M.Selection = {loups[0]};
    M.SelectionActive = true;
    M.Presser(T().ToucheSoldatsMemeType, true);
    EXPECT_EQ(M.Selection, (ModDialogue::Groupe{loups[0], loups[1]}));
    (void)humains;
}

TEST_F(Touches, SupprimerPilleEtTue) {
    const auto c = Creatures(2);
    M.W.Pe(c[0]).Definir_Argent(30.0);
    M.Selection = {c[0], M.Joueur};
    M.SelectionActive = true;
    M.Presser(T().ToucheSoldatsSupprimer, true);
    EXPECT_FALSE(M.W.Pe(c[0]).Vivant());
    EXPECT_TRUE(M.W.Pe(c[1]).Vivant());
    EXPECT_TRUE(M.Pj().Vivant()) << "le personnage du joueur n'est jamais supprimé";
    EXPECT_GT(M.Pj().Definir_Argent(), 0.0) << "le joueur récupère une part de ce qu'elle portait";
    EXPECT_TRUE(M.Selection.empty());
    EXPECT_FALSE(M.SelectionActive);
}

TEST_F(Touches, ArretEtChargeDesInvocations) {
    const auto c = Creatures(2);
    const std::int32_t ennemi = M.W.Perso(RaceCombat::Humain, 1, 1100, 1000);
    for (std::int32_t i : c) M.W.Pe(i).Aller_A(2000, 2000);
    // Shift + stop: the creatures stop, the player walks on.
    M.Pj().Aller_A(1500, 1500);
    M.Presser(T().ToucheArret, false, true);
    for (std::int32_t i : c) EXPECT_TRUE(M.W.Pe(i).Inactif());
    EXPECT_FALSE(M.Pj().Inactif());

    M.Pj().Attaquer_Perso(ennemi);
    M.Presser(T().ToucheChargez);
    for (std::int32_t i : c) {
        EXPECT_EQ(M.W.Pe(i).Action, Actions::Attaquer);
        EXPECT_EQ(M.W.Pe(i).CiblePerso, ennemi);
    }
    // Stop without modifier and without selection: the player stops.
    M.Presser(T().ToucheArret);
    EXPECT_TRUE(M.Pj().Inactif());
}

TEST_F(Touches, AttaqueAvecSelectionVisentLePlusProche) {
    const auto c = Creatures(2);
    const std::int32_t loin = M.W.Perso(RaceCombat::Humain, 1, 1900, 1900);
    const std::int32_t pres = M.W.Perso(RaceCombat::Humain, 1, 1050, 1000);
    (void)loin;
    M.Selection = c;
    M.SelectionActive = true;
    M.Presser(T().ToucheTrouverAttaquerPerso);
    for (std::int32_t i : c) EXPECT_EQ(M.W.Pe(i).CiblePerso, pres);
}

TEST_F(Touches, ChangerDePersonnageResteDansLeCamp) {
    const std::int32_t autreHeros = M.W.Perso(RaceCombat::Humain, 0, 500, 500);
    const std::int32_t ennemi = M.W.Perso(RaceCombat::Humain, 1, 500, 500);
    const std::int32_t villageois = M.W.Perso(RaceCombat::Humain, 0, 500, 500);
    M.Pj().PersoFichier = 1;
    M.W.Pe(autreHeros).PersoFichier = 1;
    M.W.Pe(ennemi).PersoFichier = 1;
    (void)villageois;
    const std::int32_t depart = M.Joueur;
    M.Presser(T().ToucheChangerPersonnage);
    EXPECT_EQ(M.Joueur, autreHeros);
    EXPECT_TRUE(M.W.Pe(autreHeros).Joueur);
    EXPECT_FALSE(M.W.Pe(depart).Joueur);
    // Forward again wraps past the last index back to the first hero.
    M.Presser(T().ToucheChangerPersonnage);
    EXPECT_EQ(M.Joueur, depart);
    // Backward from the first wraps to the last index.
    M.Presser(T().ToucheChangerPersonnage, false, true);
    EXPECT_EQ(M.Joueur, autreHeros);
}

TEST_F(Touches, ChangerDePersonnageSansAutreHerosNeBouclePas) {
    // The player's own character is not a hero: the search must end.
    M.Pj().PersoFichier = 0;
    M.Presser(T().ToucheChangerPersonnage);
    EXPECT_EQ(M.Joueur, 0);
    EXPECT_TRUE(M.Pj().Joueur);
}

TEST_F(Touches, ToucheObjetEquipeLesObjetsLies) {
    ClsJeuPerso& p = M.Pj();
    p.Objet_Ajouter_Inventaire(ObjetCombat::Epee, M.W.P(), M.W.M().Commentaires);
    p.Objet_Ajouter_Inventaire(ObjetCombat::Masse, M.W.P(), M.W.M().Commentaires);
    // Digit key 1 (code 2) is shortcut 1.
    M.Interface->Touches_Raccourci_Objets(ObjetCombat::Epee, 1);
    const std::int16_t touche1 = T().ToucheObjets;
    ASSERT_EQ(touche1, 2);
    M.Interface->SourisSurObjet = true;
    M.Presser(touche1);
    EXPECT_FALSE(p.Objet_Equipes_Actif(0)) << "la touche se lie au lieu d'équiper";
    M.Interface->SourisSurObjet = false;
    M.Presser(touche1);
    EXPECT_TRUE(p.Objet_Equipes_Actif(0));
    EXPECT_EQ(p.Objet_Equipes_Type(0), ObjetCombat::Epee);
    M.Presser(static_cast<std::int16_t>(touche1 + 1));  // nothing bound to 2
    EXPECT_TRUE(p.Objet_Posseder(ObjetCombat::Masse));
}

}  // namespace
