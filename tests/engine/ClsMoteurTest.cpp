#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "tests/engine/MoteurOutils.h"

namespace {

struct Moteur : ::testing::Test, MoteurSansEcran {};

}  // namespace

TEST_F(Moteur, TicksEtTramesAUnTempsStrict) {
    ASSERT_TRUE(Demarrer());
    // Speed 10 (a tick after more than 0.1 s), 20 frames a second (more
    // than 0.05 s since the last frame). Times in seconds of the clock.
    struct Cas {
        double temps;
        bool pause;
        bool tour;
        bool trame;
    } cas[] = {
        {0.05, false, false, false},     // exactly 1/FPS: no frame
        {0.0501, false, false, true},
        {0.1, false, false, false},      // exactly 1/Vitesse: no tick
        {0.1002, false, true, true},
        {0.5, true, false, true},        // paused: frames, no tick
        {0.9, true, false, true},
        {1.0, false, true, true},
        {86399.5, false, true, true},
        {0.01, false, true, true},       // midnight: the clock went back
        {0.02, false, false, false},
    };
    for (const auto& c : cas) {
        Jeu->Pause = c.pause;
        horloge.Temps = c.temps;
        const int tours = M->CompteurTours, trames = M->CompteurTrames;
        const bool dessinee = M->Passe();
        EXPECT_EQ(M->CompteurTours - tours, c.tour ? 1 : 0) << c.temps;
        EXPECT_EQ(M->CompteurTrames - trames, c.trame ? 1 : 0) << c.temps;
        EXPECT_EQ(dessinee, c.trame) << c.temps;
    }
}

TEST_F(Moteur, LaBoucleAttendSesEcheancesSansTourner) {
    ASSERT_TRUE(Demarrer());
    AttenteSimulee attente(horloge);
    M->Attente = &attente;
    int passes = 0;
    M->Presser_Touche = [&](std::int16_t, std::int16_t, bool, bool, bool, bool& fin) {
        ++passes;
        if (horloge.Temps >= 2.0) fin = true;
    };
    M->Boucle();
    // Two seconds at 10 ticks and 20 frames a second.
    EXPECT_GE(M->CompteurTours, 18);
    EXPECT_LE(M->CompteurTours, 20);
    EXPECT_GE(M->CompteurTrames, 36);
    EXPECT_LE(M->CompteurTrames, 41);
    // Every pass but the last found something due: nothing spins.
    EXPECT_LE(passes, M->CompteurTours + M->CompteurTrames + 2);
    EXPECT_EQ(attente.attentes, passes);
}

TEST_F(Moteur, EnPauseLaBoucleAttendLesTramesSeulement) {
    ASSERT_TRUE(Demarrer());
    Jeu->Pause = true;
    horloge.Temps = 0.01;
    EXPECT_NEAR(M->Delai_Prochaine_Echeance(), 0.04, 1e-9);
    Jeu->Pause = false;
    horloge.Temps = 0.08;
    EXPECT_NEAR(M->Delai_Prochaine_Echeance(), 0.0, 1e-9);
}

TEST_F(Moteur, EchapTermineLaPartieSansDispatcheur) {
    ASSERT_TRUE(Demarrer());
    peripheriques.Touche = 1;
    M->Passe();
    EXPECT_TRUE(Main->FinPartie);
}

TEST_F(Moteur, VitesseEtFPSNulsNeDivisentPasParZero) {
    MoteurSansEcran zero(0, 0);
    ASSERT_TRUE(zero.Demarrer());
    zero.horloge.Temps = 0.5;
    EXPECT_FALSE(zero.M->Passe());
    zero.horloge.Temps = 1.01;
    EXPECT_TRUE(zero.M->Passe());
    EXPECT_EQ(zero.M->CompteurTours, 1);
}

TEST_F(Moteur, SeuilsDeLEcranSepare) {
    ASSERT_TRUE(Demarrer(2));
    ASSERT_EQ(M->NombreJoueursLocaux, 2);
    ClsJeuPerso& a = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[0])];
    ClsJeuPerso& b = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[1])];
    // Screen 800 x 600: split beyond 560 or 420, join below 400 and 300.
    struct Cas {
        bool avant, force;
        int dx, dy;
        bool apres;
    } cas[] = {
        {false, false, 480, 0, false}, {true, false, 480, 0, true},   // 0.6 W: the state holds
        {false, false, 560, 0, false}, {false, false, 561, 0, true},  // 0.7 W is not beyond
        {false, false, 0, 421, true},  {false, false, 0, 420, false},
        {true, false, 399, 299, false}, {true, false, 400, 0, true},  // 0.5 W does not join
        {true, false, 0, 300, true},   {false, true, 0, 0, true},     // forced split never joins
        {true, true, 0, 0, true},
    };
    for (const auto& c : cas) {
        M->EcranSepare = c.avant;
        Jeu->Definir_Mode2JoueursEcranSepares(c.force);
        a.PositionX = 1000;
        a.PositionY = 1000;
        b.PositionX = 1000 + c.dx;
        b.PositionY = 1000 - c.dy;
        M->Decision_Ecran_Separe();
        EXPECT_EQ(M->EcranSepare, c.apres) << c.avant << c.force << " " << c.dx << "," << c.dy;
    }
}

TEST_F(Moteur, CentrerVueGardeLaCarte) {
    ASSERT_TRUE(Demarrer());
    const int L = Main->Monde.LargeurCarte * Main->Monde.LargeurCase;
    M->Centrer_Vue(10, 10, 800, 600, 0);
    EXPECT_EQ(M->Joueurs[0].VueX, 0);
    M->Centrer_Vue(L, 10, 800, 600, 0);
    EXPECT_EQ(M->Joueurs[0].VueX, L - 800);
    // A map narrower than the view keeps a negative scroll.
    M->Centrer_Vue(L, 0, L + 100, 600, 0);
    EXPECT_EQ(M->Joueurs[0].VueX, -100);
}

namespace {

struct SelectionSoldats : Moteur {
    std::int32_t chef = 0, s1 = 0, s2 = 0, s3 = 0, s4 = 0;
    void SetUp() override {
        ASSERT_TRUE(Demarrer());
        chef = Main->NoPersoParJoueur[0];
        std::vector<std::int32_t> autres;
        for (std::int32_t k = 0; k < static_cast<std::int32_t>(Main->Persos.size()); ++k)
            if (k != chef) autres.push_back(k);
        ASSERT_GE(autres.size(), 4u);
        s1 = autres[0], s2 = autres[1], s3 = autres[2], s4 = autres[3];
        auto placer = [&](std::int32_t k, int x, int y, std::int32_t invocateur) {
            ClsJeuPerso& p = Main->Persos[static_cast<std::size_t>(k)];
            p.PositionX = x, p.PositionY = y, p.Largeur = 24, p.Hauteur = 32;
            p.Invocateur = invocateur;
            p.IA_Active = true;
            p.Vie = std::max(p.Vie, 10.0);
        };
        placer(chef, 1000, 1000, -1);
        placer(s1, 100, 100, chef);
        placer(s2, 110, 110, chef);
        placer(s3, 120, 100, chef);
        Main->Persos[static_cast<std::size_t>(s3)].IA_Incommandable = true;
        placer(s4, 130, 100, s1);  // another leader's creature
        JoueurLocal& j = M->Joueurs[0];
        j.VueX = j.VueY = 0;
        j.RelacheGauche = false;
    }
    void Rectangle(double x1, double y1, double x2, double y2, bool etendue) {
        JoueurLocal& j = M->Joueurs[0];
        j.SourisX = x1, j.SourisY = y1, j.DebutSelectionX = x2, j.DebutSelectionY = y2;
        j.SelectionEtendue = etendue;
    }
    using Liste = std::vector<std::int32_t>;
};

}  // namespace

TEST_F(SelectionSoldats, ParRectangleCliqueAjoutEtRetrait) {
    JoueurLocal& j = M->Joueurs[0];
    // A drag over every creature takes the player's commandable ones.
    Rectangle(200, 200, 90, 90, true);
    EXPECT_TRUE(M->Selectionner_Soldats(0));
    EXPECT_EQ(j.Selection, (Liste{s1, s2}));
    EXPECT_TRUE(j.SelectionVisible);
    EXPECT_FALSE(j.SelectionEtendue);
    EXPECT_FALSE(Main->Persos[static_cast<std::size_t>(s1)].IA_Active);
    // A click on two overlapping soldiers takes the lower index only.
    Rectangle(115, 115, 115, 115, false);
    EXPECT_TRUE(M->Selectionner_Soldats(0));
    EXPECT_EQ(j.Selection, (Liste{s1}));
    // Ctrl removes and gives the soldier its own behaviour back.
    Rectangle(90, 90, 200, 200, true);
    M->Selectionner_Soldats(0, true);
    EXPECT_EQ(j.Selection, (Liste{s1, s2})) << "adding keeps one copy, in first-selection order";
    Rectangle(95, 95, 105, 105, true);
    M->Selectionner_Soldats(0, false, true);
    EXPECT_EQ(j.Selection, (Liste{s2}));
    EXPECT_TRUE(Main->Persos[static_cast<std::size_t>(s1)].IA_Active);
    // Both flags: adding wins.
    M->Selectionner_Soldats(0, true, true);
    EXPECT_EQ(j.Selection, (Liste{s2, s1}));
    // Nobody inside: false, and a plain selection is left empty.
    Rectangle(500, 500, 600, 600, true);
    EXPECT_FALSE(M->Selectionner_Soldats(0));
    EXPECT_TRUE(j.Selection.empty());
    EXPECT_FALSE(j.SelectionVisible);
}

TEST_F(SelectionSoldats, LePersoDuJoueurSeulementAuRelacheDuPremierBouton) {
    JoueurLocal& j = M->Joueurs[0];
    Rectangle(990, 990, 1030, 1040, true);
    EXPECT_FALSE(M->Selectionner_Soldats(0));
    EXPECT_TRUE(j.Selection.empty());
    j.RelacheGauche = true;
    Rectangle(990, 990, 1030, 1040, true);
    EXPECT_TRUE(M->Selectionner_Soldats(0));
    EXPECT_EQ(j.Selection, (Liste{chef}));
    EXPECT_FALSE(j.SelectionVisible) << "the own character alone is not a selection";
    // The whole screen takes every commandable soldier in view.
    j.VueX = 0, j.VueY = 0;
    j.RelacheGauche = false;
    M->Selectionner_Soldats(0, false, false, true);
    EXPECT_EQ(j.Selection, (Liste{s1, s2}));
}

TEST_F(SelectionSoldats, UnPersoMortQuitteLaSelection) {
    JoueurLocal& j = M->Joueurs[0];
    Rectangle(200, 200, 90, 90, true);
    M->Selectionner_Soldats(0);
    Main->Persos[static_cast<std::size_t>(s1)].Vie = 0;
    M->Afficher_Selection_Joueur(0);
    EXPECT_EQ(j.Selection, (Liste{s2}));
}

TEST_F(Moteur, VictoireEtDefaite) {
    ASSERT_TRUE(Demarrer());
    const std::int32_t chef = Main->NoPersoParJoueur[0];
    const ClsJeuPerso& P = Main->Persos[static_cast<std::size_t>(chef)];
    ASSERT_EQ(Main->Fiefs.size(), 2u);
    const std::size_t propre = static_cast<std::size_t>(P.Equipe);
    const std::size_t ennemi = 1 - propre;
    ASSERT_NE(Main->Fiefs[ennemi].Camp, P.Camp);
    auto battre = [&](std::size_t f, bool b) {
        Main->Chateaux[f].Vie = b ? 0 : Main->Chateaux[f].MaxVie;
        Main->Fiefs[f].NombreMorts = b ? Main->Fiefs[f].NombrePersos : 0;
    };
    struct Cas {
        bool propreBattu, ennemiBattu, victoire, defaite;
    } cas[] = {{false, false, false, false}, {false, true, true, false}, {true, false, false, true}, {true, true, true, false}};
    for (const auto& c : cas) {
        JoueurLocal& j = M->Joueurs[0];
        j.Victoire = j.Defaite = false;
        battre(propre, c.propreBattu);
        battre(ennemi, c.ennemiBattu);
        M->Verifier_Fin_Partie(0);
        EXPECT_EQ(j.Victoire, c.victoire) << c.propreBattu << c.ennemiBattu;
        EXPECT_EQ(j.Defaite, c.defaite) << c.propreBattu << c.ennemiBattu;
    }
    // A world where every fief is of the player's side: nothing to beat.
    const std::int32_t campEnnemi = Main->Fiefs[ennemi].Camp;
    Main->Fiefs[ennemi].Camp = P.Camp;
    battre(ennemi, false);
    M->Joueurs[0].Victoire = M->Joueurs[0].Defaite = false;
    M->Verifier_Fin_Partie(0);
    EXPECT_TRUE(M->Joueurs[0].Victoire);
    Main->Fiefs[ennemi].Camp = campEnnemi;
    // A castle standing again changes nothing once the game is won.
    battre(ennemi, false);
    M->Verifier_Fin_Partie(0);
    EXPECT_TRUE(M->Joueurs[0].Victoire);
    // A castle alone is not enough: its fief's dead must count too.
    M->Joueurs[0].Victoire = false;
    battre(propre, false);
    Main->Chateaux[ennemi].Vie = 0;
    Main->Fiefs[ennemi].NombreMorts = Main->Fiefs[ennemi].NombrePersos - 1;
    M->Verifier_Fin_Partie(0);
    EXPECT_FALSE(M->Joueurs[0].Victoire);
}

TEST_F(Moteur, LeMondeNEstGardeQuSansVictoireNiDefaite) {
    for (int fin = 0; fin < 3; ++fin) {
        MoteurSansEcran m;
        ASSERT_TRUE(m.Demarrer());
        int sauvegardes = 0;
        m.M->SavMondeEnQuittant = true;
        m.M->Sauvegarder_Monde = [&](const std::string&) { ++sauvegardes; };
        m.M->Joueurs[0].Victoire = fin == 1;
        m.M->Joueurs[0].Defaite = fin == 2;
        m.M->Terminer();
        EXPECT_EQ(sauvegardes, fin == 0 ? 1 : 0) << fin;
    }
}

TEST_F(Moteur, UnClicSurLaCarteEnvoieLePerso) {
    ASSERT_TRUE(Demarrer());
    ClsJeuPerso& P = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[0])];
    P.DansChateau = P.DansChateauCible = P.DansMaison = P.DansMaisonCible = false;
    horloge.Temps = 0.2;
    M->Passe();  // a frame sets the cursor's mode from what lies under it
    JoueurLocal& j = M->Joueurs[0];
    j.ModeCurseur = 0;
    j.InterfaceUtilisee = false;
    // Press, then release without moving: a click, not a drag. Each edge
    // is seen by a frame's hit test, then acted on by the next pass.
    peripheriques.Souris.Clique[0] = true;
    horloge.Temps = 0.21;
    EXPECT_TRUE(M->Passe()) << "a press draws a frame at once";
    // Held for a pass with no frame: still a click, not a drag.
    peripheriques.Souris.Maintenu[0] = true;
    horloge.Temps = 0.215;
    EXPECT_FALSE(M->Passe());
    peripheriques.Souris.Maintenu[0] = false;
    peripheriques.Souris.Relache[0] = true;
    horloge.Temps = 0.22;
    M->Passe();
    EXPECT_EQ(P.Action, 0) << "the pass acts once the hit test has seen the release";
    j.ModeCurseur = 0;
    horloge.Temps = 0.221;
    M->Passe();
    EXPECT_NE(P.Action, 0) << P.Definir_Action();
    EXPECT_EQ(P.DestinationX, static_cast<std::int32_t>(j.VueX + j.SourisX - P.Largeur / 2.0));
}

TEST_F(Moteur, UnVillageoisJoueNeDevientPasUnFichierDePersonnage) {
    ASSERT_TRUE(Demarrer());
    ClsJeuPerso& P = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[0])];
    ASSERT_EQ(P.PersoFichier, 0);
    P.Nom = "Villageoisjoue";
    Main->SavPerso.Definir_SauvegardePeriodique(true);
    for (double t : {1000.0, 5000.0, 20000.0}) {
        horloge.Temps = t;
        M->Passe();
    }
    EXPECT_FALSE(std::filesystem::exists(Main->SavPerso.Chemin_Perso("Villageoisjoue")));
}

namespace {

// An interface that says the cursor is over it and hands back a code.
struct InterfaceSurLaSouris : InterfaceMoteur {
    std::int32_t code = 0;
    bool Interieur_Boutons(const CurseurInterface&, ClsJeuPerso&, const ClsJeuParam&, Surface&, std::int32_t& c,
                           std::int16_t& b) override {
        c = code;
        b = 3;
        return true;
    }
};

}  // namespace

TEST_F(Moteur, UnClicSurLInterfaceNAgitPasSurLaCarte) {
    InterfaceSurLaSouris* interface = nullptr;
    M->CreerInterface = [&](std::int16_t, std::int16_t) {
        auto i = std::make_unique<InterfaceSurLaSouris>();
        interface = i.get();
        return i;
    };
    ASSERT_TRUE(Demarrer());
    ClsJeuPerso& P = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[0])];
    horloge.Temps = 0.2;
    M->Passe();  // the frame's hit test: the cursor is over the interface
    ASSERT_TRUE(M->Joueurs[0].SurInterface);
    P.DestinationX = -1;
    const std::int16_t action = P.Action;
    peripheriques.Souris.Clique[0] = peripheriques.Souris.Relache[0] = true;
    horloge.Temps = 0.21;
    M->Passe();
    horloge.Temps = 0.211;
    M->Passe();
    EXPECT_EQ(P.DestinationX, -1);
    EXPECT_EQ(P.Action, action);
    EXPECT_TRUE(M->Joueurs[0].InterfaceUtilisee);
    // A build button puts the cursor in placement mode.
    interface->code = 4;
    horloge.Temps = 0.3;
    M->Passe();
    peripheriques.Souris.Clique[0] = true;
    horloge.Temps = 0.31;
    M->Passe();
    horloge.Temps = 0.311;
    M->Passe();
    EXPECT_EQ(M->Joueurs[0].ModeCurseur, 2);
}

TEST_F(Moteur, LaSourisDuJoueur2ResteDansSaMoitieEnEcranSepare) {
    ASSERT_TRUE(Demarrer(2));
    Jeu->Definir_Mode2JoueursEcranSepares(true);
    peripheriques.DX = -5000;
    peripheriques.DY = 5000;
    horloge.Temps = 0.01;
    M->Passe();
    EXPECT_TRUE(M->EcranSepare);
    EXPECT_EQ(M->Joueurs[1].SourisX, 400);
    EXPECT_EQ(M->Joueurs[1].SourisY, 600);
    // Player 0 plays with the keypad, kept in the left half.
    EXPECT_EQ(M->Joueurs[0].SourisX, 200);
    peripheriques.ClavierDX = 5000;
    horloge.Temps = 0.02;
    M->Passe();
    EXPECT_EQ(M->Joueurs[0].SourisX, 400);
}

namespace {

// An interface whose buttons cover the left 100 pixels: a left click there
// is a build button (code 4), and it counts the clicks its hit test saw.
struct InterfaceBoutonConstruire : InterfaceMoteur {
    int clics = 0;
    bool Interieur_Boutons(const CurseurInterface& c, ClsJeuPerso&, const ClsJeuParam&, Surface&, std::int32_t& code,
                           std::int16_t& bouton) override {
        if (c.X >= 100) return false;
        if (c.CliqueGauche) {
            ++clics;
            code = 4;
            bouton = 4;
        }
        return true;
    }
};

}  // namespace

// A click pressed and let go between two frames: the frame's hit test
// sees it first (it decides what the click means), then the next pass
// acts on it, once.
TEST_F(Moteur, UnClicEntreDeuxTramesVaAuTestPuisALaPasse) {
    InterfaceBoutonConstruire* interface = nullptr;
    M->CreerInterface = [&](std::int16_t, std::int16_t) {
        auto i = std::make_unique<InterfaceBoutonConstruire>();
        interface = i.get();
        return i;
    };
    ASSERT_TRUE(Demarrer());
    JoueurLocal& j = M->Joueurs[0];
    j.SourisX = 50;
    horloge.Temps = 0.2;
    ASSERT_TRUE(M->Passe());
    ASSERT_TRUE(j.SurInterface);
    j.InterfaceUtilisee = false;
    // Well before the next frame is due.
    peripheriques.Souris.Clique[0] = peripheriques.Souris.Relache[0] = true;
    horloge.Temps = 0.201;
    M->Passe();
    EXPECT_EQ(interface->clics, 1);
    EXPECT_EQ(M->Delai_Prochaine_Echeance(), 0.0) << "the pass that acts on it runs at once";
    horloge.Temps = 0.202;
    M->Passe();
    EXPECT_EQ(j.ModeCurseur, 2) << "the build button's click put the cursor in placement mode";
    EXPECT_TRUE(j.InterfaceUtilisee);
    horloge.Temps = 0.3;
    M->Passe();
    EXPECT_EQ(interface->clics, 1) << "seen once";
}

// In split view each player's cursor finds the enemy under it: player 1's
// half of the screen is taken off its cursor before the map is tested.
TEST_F(Moteur, UnEnnemiSousLeCurseurDeChaqueJoueurEnEcranSepare) {
    ASSERT_TRUE(Demarrer(2));
    Jeu->Definir_Mode2JoueursEcranSepares(true);
    horloge.Temps = 0.2;
    M->Passe();
    ASSERT_TRUE(M->EcranSepare);
    std::vector<std::int32_t> ennemis;
    for (std::int16_t i = 0; i < 2; ++i) {
        const ClsJeuPerso& joueur = Main->Persos[static_cast<std::size_t>(Main->NoPersoParJoueur[static_cast<std::size_t>(i)])];
        for (std::size_t k = 0; k < Main->Persos.size(); ++k) {
            const ClsJeuPerso& e = Main->Persos[k];
            if (e.Camp != joueur.Camp && e.Vivant() && std::find(ennemis.begin(), ennemis.end(), k) == ennemis.end()) {
                ennemis.push_back(static_cast<std::int32_t>(k));
                break;
            }
        }
    }
    ASSERT_EQ(ennemis.size(), 2u);
    for (std::int16_t i = 0; i < 2; ++i) {
        JoueurLocal& j = M->Joueurs[static_cast<std::size_t>(i)];
        // A point in the player's own half, 120 pixels from its left edge.
        j.SourisX = (i == 0 ? 0 : 400) + 120;
        j.SourisY = 300;
        ClsJeuPerso& e = Main->Persos[static_cast<std::size_t>(ennemis[static_cast<std::size_t>(i)])];
        e.DansChateau = e.DansChateauCible = e.DansMaison = e.DansMaisonCible = false;
        e.PositionX = j.VueX + 120 - e.Largeur / 2;
        e.PositionY = j.VueY + 300 - e.Hauteur / 2;
    }
    M->Trame();
    for (std::int16_t i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const JoueurLocal& j = M->Joueurs[static_cast<std::size_t>(i)];
        EXPECT_EQ(j.ModeCurseur, 9);
        // The character found is an enemy standing on the point (another
        // villager may share the spot).
        ASSERT_GE(j.CibleCurseur, 0);
        const ClsJeuPerso& e = Main->Persos[static_cast<std::size_t>(j.CibleCurseur)];
        EXPECT_LE(e.PositionX, j.VueX + 120);
        EXPECT_GE(e.PositionX + e.Largeur, j.VueX + 120);
        EXPECT_LE(e.PositionY, j.VueY + 300);
        EXPECT_GE(e.PositionY + e.Hauteur, j.VueY + 300);
    }
}

// The zoom magnifies the world of a view around the view's centre, and a
// cursor point maps back to the map point drawn under it; in split view
// each half is magnified on its own.
TEST_F(Moteur, LeZoomAgranditAutourDuCentreDeLaVue) {
    ASSERT_TRUE(Demarrer(2));
    Surface& S = M->SurfBack;
    ASSERT_EQ(S.Largeur(), 800);
    // Every column carries its own number.
    auto remplir = [&] {
        for (std::int32_t y = 0; y < S.Hauteur(); ++y)
            for (std::int32_t x = 0; x < S.Largeur(); ++x) S.DefinirPixel(x, y, static_cast<std::uint16_t>(x));
    };
    struct Cas {
        bool separe;
        std::int32_t gauche, largeur;
    };
    for (const Cas c : {Cas{false, 0, 800}, Cas{true, 400, 400}}) {
        SCOPED_TRACE(c.separe);
        M->EcranSepare = c.separe;
        M->Zoom = 2.0;
        remplir();
        M->Agrandir_Vue(c.gauche, c.largeur);
        const std::int32_t centre = c.gauche + c.largeur / 2;
        EXPECT_EQ(S.Pixel(centre, 300), centre);
        EXPECT_EQ(S.Pixel(centre + 100, 300), centre + 50);
        EXPECT_EQ(S.Pixel(centre - 100, 10), centre - 50);
        if (c.gauche > 0) {
            EXPECT_EQ(S.Pixel(c.gauche - 1, 300), c.gauche - 1) << "the other half is left alone";
        }
        // The map point under the cursor is the one drawn there.
        const std::int16_t joueur = c.separe ? 1 : 0;
        const JoueurLocal& j = M->Joueurs[static_cast<std::size_t>(joueur)];
        EXPECT_EQ(M->Carte_X(joueur, centre + 100), j.VueX + (centre - c.gauche) + 50);
        EXPECT_EQ(M->Carte_Y(joueur, 300 + 100), j.VueY + 300 + 50);
        // At 1 nothing moves.
        M->Zoom = 1.0;
        remplir();
        M->Agrandir_Vue(c.gauche, c.largeur);
        EXPECT_EQ(S.Pixel(centre + 100, 300), centre + 100);
        EXPECT_EQ(M->Carte_X(joueur, centre + 100), j.VueX + centre + 100 - c.gauche);
    }
}

namespace {

// The zoom as it was first written: a copy of every column of the view,
// then each pixel gathered from it. Kept here as the picture the zoom
// must give.
void Agrandir_Reference(Surface& S, double Zoom, std::int32_t Gauche, std::int32_t Largeur) {
    const std::int32_t H = S.Hauteur();
    const double cx = Gauche + Largeur / 2.0, cy = H / 2.0;
    std::vector<std::uint16_t> source(static_cast<std::size_t>(Largeur) * H);
    for (std::int32_t y = 0; y < H; ++y)
        std::copy_n(S.Rangee(y) + Gauche, Largeur, source.begin() + static_cast<std::ptrdiff_t>(y) * Largeur);
    for (std::int32_t y = 0; y < H; ++y) {
        const std::int32_t sy = std::clamp(static_cast<std::int32_t>(std::floor(cy + (y + 0.5 - cy) / Zoom)), 0, H - 1);
        for (std::int32_t x = 0; x < Largeur; ++x) {
            const std::int32_t sx = std::clamp(
                static_cast<std::int32_t>(std::floor(cx + (Gauche + x + 0.5 - cx) / Zoom)) - Gauche, 0, Largeur - 1);
            S.Rangee(y)[Gauche + x] = source[static_cast<std::size_t>(sy) * Largeur + sx];
        }
    }
}

}  // namespace

// The zoom gives, pixel for pixel, the picture of the full gather, at
// factors that fall between pixels, for whole and half views and a view
// of odd width, one after the other (the kept buffers change size).
TEST_F(Moteur, LeZoomDonneLeMemeDessinQueLaCopieEntiere) {
    ASSERT_TRUE(Demarrer(2));
    Surface& S = M->SurfBack;
    Surface attendu;
    std::uint32_t x = 12345;
    auto remplir = [&] {
        for (std::int32_t r = 0; r < S.Hauteur(); ++r)
            for (std::int32_t c = 0; c < S.Largeur(); ++c) {
                x = x * 1664525u + 1013904223u;
                S.DefinirPixel(c, r, static_cast<std::uint16_t>(x >> 16));
            }
        attendu = S;
    };
    struct Cas {
        std::int32_t gauche, largeur;
    };
    for (const double zoom : {1.0001, 1.25, 1.5, 2.0, 3.0, 4.7})
        for (const Cas c : {Cas{0, 800}, Cas{400, 400}, Cas{0, 400}, Cas{3, 517}, Cas{799, 1}}) {
            SCOPED_TRACE(testing::Message() << zoom << " " << c.gauche << " " << c.largeur);
            M->Zoom = zoom;
            remplir();
            M->Agrandir_Vue(c.gauche, c.largeur);
            Agrandir_Reference(attendu, zoom, c.gauche, c.largeur);
            std::int32_t differents = 0;
            for (std::int32_t r = 0; r < S.Hauteur(); ++r)
                for (std::int32_t k = 0; k < S.Largeur(); ++k) differents += S.Pixel(k, r) != attendu.Pixel(k, r);
            EXPECT_EQ(differents, 0);
        }
}

namespace {

// A window over the left 100 pixels whose close box is the whole window: a
// left press there closes it, after which the cursor is over the map.
struct FenetreQuiSeFerme : InterfaceMoteur {
    bool ouverte = true;
    bool Interieur_Boutons(const CurseurInterface& c, ClsJeuPerso&, const ClsJeuParam&, Surface&, std::int32_t& code,
                           std::int16_t&) override {
        code = 0;
        if (!ouverte || c.X >= 100) return false;
        code = 999;
        if (c.CliqueGauche) ouverte = false;
        return true;
    }
};

}  // namespace

// A press that closes a window leaves the release over the map: however
// the passes with and without a frame fall between the press and the
// release, the click stays the interface's and the character does not walk.
TEST(MoteurClic, UneFenetreFermeeParUnClicNeLaissePasSonRelacheALaCarte) {
    struct Cas {
        const char* nom;
        // Each step: what the mouse reports at the next reading, then the
        // time to the next pass (a frame is due every 50 ms).
        std::vector<std::pair<EtatBoutons, double>> etapes;
    };
    EtatBoutons appui, tenu, relache, clic;
    appui.Clique[0] = true;
    tenu.Maintenu[0] = true;
    relache.Relache[0] = true;
    clic.Clique[0] = clic.Relache[0] = true;
    const std::vector<Cas> cas = {
        {"appui et relâche entre deux lectures", {{clic, 0.001}, {{}, 0.001}, {{}, 0.06}}},
        {"relâche à la lecture suivante, sans trame entre", {{appui, 0.001}, {{}, 0.001}, {relache, 0.001}, {{}, 0.001}, {{}, 0.06}}},
        {"bouton tenu quelques passes", {{appui, 0.001}, {tenu, 0.001}, {tenu, 0.06}, {tenu, 0.06}, {relache, 0.001}, {{}, 0.001}, {{}, 0.06}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        MoteurSansEcran m;
        FenetreQuiSeFerme* fenetre = nullptr;
        m.M->CreerInterface = [&](std::int16_t, std::int16_t) {
            auto i = std::make_unique<FenetreQuiSeFerme>();
            fenetre = i.get();
            return i;
        };
        ASSERT_TRUE(m.Demarrer());
        ClsJeuPerso& P = m.Main->Persos[static_cast<std::size_t>(m.Main->NoPersoParJoueur[0])];
        P.DansChateau = P.DansChateauCible = P.DansMaison = P.DansMaisonCible = false;
        JoueurLocal& j = m.M->Joueurs[0];
        j.SourisX = 50;
        j.SourisY = 300;
        double t = 0.2;
        for (int k = 0; k < 4; ++k, t += 0.06) {
            m.horloge.Temps = t;
            m.M->Passe();
        }
        ASSERT_TRUE(j.SurInterface);
        P.Arreter();
        const std::int32_t x = P.DestinationX, y = P.DestinationY;
        for (const auto& [souris, delai] : c.etapes) {
            m.peripheriques.Souris = souris;
            m.horloge.Temps = t += delai;
            m.M->Passe();
        }
        EXPECT_FALSE(fenetre->ouverte);
        EXPECT_FALSE(j.SurInterface) << "the release came over the map";
        EXPECT_EQ(P.DestinationX, x);
        EXPECT_EQ(P.DestinationY, y);
        // The next click there is the map's.
        m.peripheriques.Souris = clic;
        for (double delai : {0.001, 0.001, 0.06}) {
            m.horloge.Temps = t += delai;
            m.M->Passe();
        }
        EXPECT_NE(P.DestinationX, x);
    }
}
