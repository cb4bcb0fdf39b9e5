#include <gtest/gtest.h>

#include <filesystem>

#include "engine/ClsMoteur.h"
#include "engine/ModesCurseur.h"
#include "platform/Graphique.h"
#include "platform/Texte.h"
#include "platform/qt/ImagesQt.h"
#include "tests/engine/MoteurOutils.h"

namespace {

struct Passes : ::testing::Test, MoteurSansEcran {};

// The game folder the build assembled, with its generated pictures: the
// engine loads every sheet from it as the program does.
struct Trame : ::testing::Test {
    DossierJeu dossier{std::filesystem::path(MORVAINE_GAME_DIR)};
    ModMain Main{dossier};
    ClsJeu Jeu{dossier};
    HorlogeManuelle horloge;
    PeripheriquesScriptes peripheriques;
    DecodeurImageQt decodeur;
    Graphique dd{dossier, decodeur};
    std::unique_ptr<ClsMoteur> M;

    void Demarrer(int joueurs) {
        Main.Charger_Parametres();
        M = std::make_unique<ClsMoteur>(Main, Jeu, horloge, peripheriques);
        ASSERT_TRUE(M->Demarrer(MoteurSansEcran::Choix(joueurs), &dd, 800, 600));
        ASSERT_TRUE(M->AffichageCharge);
    }
    // Share of the back buffer's pixels in [x1, x2) that are not black.
    double Couvert(std::int32_t x1, std::int32_t x2) const {
        std::size_t n = 0, total = 0;
        for (std::int32_t y = 0; y < M->SurfBack.Hauteur(); ++y)
            for (std::int32_t x = x1; x < x2; ++x, ++total) n += M->SurfBack.Pixel(x, y) != 0;
        return double(n) / double(total);
    }
};

}  // namespace

TEST_F(Trame, UneVueEntiereEstDessinee) {
    Demarrer(1);
    horloge.Temps = 0.2;
    ASSERT_TRUE(M->Passe());
    EXPECT_EQ(M->CompteurTours, 1);
    // The map is larger than the view: terrain everywhere.
    EXPECT_GT(Couvert(0, 800), 0.95);
}

TEST_F(Trame, EcranSepareAvecSaBarre) {
    Demarrer(2);
    M->EcranSepare = true;
    M->Joueurs[0].VueX = M->Joueurs[0].VueY = 0;
    M->Joueurs[1].VueX = M->Joueurs[1].VueY = 0;
    M->TempsActuel = 0;
    M->Trame();
    EXPECT_GT(Couvert(0, 399), 0.95);
    EXPECT_GT(Couvert(401, 800), 0.95);
    // The bar is black, two pixels wide, from top to bottom.
    for (std::int32_t y : {0, 300, 599}) {
        EXPECT_EQ(M->SurfBack.Pixel(399, y), 0) << y;
        EXPECT_EQ(M->SurfBack.Pixel(400, y), 0) << y;
    }
    EXPECT_NE(M->SurfBack.Pixel(398, 300), 0);
    EXPECT_NE(M->SurfBack.Pixel(401, 300), 0);
    // Both views show the same map corner: the halves are alike.
    EXPECT_EQ(M->SurfBack.Pixel(100, 50), M->SurfBack.Pixel(500, 50));
    EXPECT_EQ(M->VueCourante.LargeurVue, 800) << "the view's width is back to the screen's";
}

TEST_F(Trame, BarreDeVieDUnChateauEndommage) {
    Demarrer(1);
    ClsJeuBatiment& c = Main.Chateaux[0];
    c.Vie = c.MaxVie / 2.0;
    c.ReserveVie = 0;
    M->Centrer_Vue(c.X, c.Y, 800, 600, 0);
    const std::int32_t x = c.X - M->Joueurs[0].VueX, y = c.Y + c.Hauteur - M->Joueurs[0].VueY;
    ASSERT_GE(x, 0);
    ASSERT_LT(y + 5, 600);
    M->SurfBack.Remplir(0);
    M->Afficher_Batiments(0);
    // Half its life: green from the left, the rest of the box dark.
    EXPECT_EQ(M->SurfBack.Pixel(x + 2, y + 2), Surface::Couleur565(0xC000));
    EXPECT_EQ(M->SurfBack.Pixel(x + c.Largeur - 3, y + 2), Surface::Couleur565(0x202020));
    // At full life there is no bar.
    c.Vie = c.MaxVie;
    M->SurfBack.Remplir(0);
    M->Afficher_Batiments(0);
    EXPECT_NE(M->SurfBack.Pixel(x + 2, y + 2), Surface::Couleur565(0xC000));
}

TEST_F(Passes, MarqueDeSelectionAutourDuPersoOuDeSaMaison) {
    ASSERT_TRUE(Demarrer());
    const std::int32_t k = Main->NoPersoParJoueur[0];
    ClsJeuPerso& P = Main->Persos[static_cast<std::size_t>(k)];
    P.DansChateau = P.DansChateauCible = P.DansMaison = P.DansMaisonCible = false;
    P.Action = Actions::Attente;
    P.PositionX = 300, P.PositionY = 200, P.Largeur = 24, P.Hauteur = 32;
    M->Joueurs[0].VueX = M->Joueurs[0].VueY = 0;
    M->Afficher_Marque_Selection(k, 0);
    EXPECT_EQ(M->SurfBack.Pixel(312, 200), Surface::Couleur565(0xFFFFFF));
    // In combat the mark is red; inside its own house, around the house.
    P.Action = Actions::Attaquer;
    P.DansMaison = true;
    ClsJeuBatiment& m = Main->Maisons[static_cast<std::size_t>(k)];
    m.X = 500, m.Y = 400, m.Largeur = 60, m.Hauteur = 50;
    M->SurfBack.Remplir(0);
    M->Afficher_Marque_Selection(k, 0);
    EXPECT_EQ(M->SurfBack.Pixel(530, 400), Surface::Couleur565(0xFF));
    EXPECT_EQ(M->SurfBack.Pixel(312, 200), 0);
}

TEST_F(Passes, UneMaisonAcheveeBruleSousLaMoitieDeSaVie) {
    ASSERT_TRUE(Demarrer());
    ClsJeuBatiment& m = Main->Maisons[0];
    m.MaxVie = 100;
    m.ReserveVie = 0;
    struct Cas {
        bool acheve;
        double vie;
        bool feu;
    } cas[] = {{true, 49, true}, {true, 50, false}, {false, 10, false}};
    for (const auto& c : cas) {
        Main->EffetsMaisons[0].Actif = false;
        m.Acheve = c.acheve;
        m.Vie = c.vie;
        M->Afficher_Effets(0);
        EXPECT_EQ(Main->EffetsMaisons[0].Actif, c.feu) << c.acheve << " " << c.vie;
    }
}

TEST_F(Passes, UneParoleDureAutantDeFoisDureeQueDeCaracteres) {
    ASSERT_TRUE(Demarrer());
    Main->Commentaires.Definir_Afficher(true);
    Main->Commentaires.Duree = 0.5f;
    ClsJeuPerso& P = Main->Persos[1];
    P.Definir_Commentaires("vingt caractères ici", 100.0);
    ASSERT_EQ(LongueurCaracteres(P.Definir_Commentaires()), 20u);
    M->TempsActuel = 110.0;  // exactly 20 x 0.5 s: still shown
    M->Afficher_Commentaires(0);
    EXPECT_FALSE(P.Definir_Commentaires().empty());
    M->TempsActuel = 110.01;
    M->Afficher_Commentaires(0);
    EXPECT_TRUE(P.Definir_Commentaires().empty());
}

TEST_F(Passes, TexteDeLInfoBulle) {
    ASSERT_TRUE(Demarrer());
    JoueurLocal& j = M->Joueurs[0];
    const ClsJeuPerso& P = Main->Persos[2];
    Main->Persos[2].Nom = "";
    j.ModeCurseur = ModesCurseur::PersoEnnemi;
    j.CibleCurseur = 2;
    EXPECT_EQ(M->Texte_Infos_Survol(0), "&" + Main->Parametres.Race_Nom(P.Race, P.Sexe, false) + "  ");
    Main->Persos[2].Nom = "Aubrac";
    j.ModeCurseur = ModesCurseur::DonnerAllie;
    EXPECT_EQ(M->Texte_Infos_Survol(0), "Aubrac  ");
    for (std::int16_t mode : {0, 2, 999}) {
        j.ModeCurseur = mode;
        EXPECT_EQ(M->Texte_Infos_Survol(0), "") << mode;
    }
    // An index from nowhere shows nothing rather than reading past the end.
    j.ModeCurseur = ModesCurseur::PersoEnnemi;
    j.CibleCurseur = 100000;
    EXPECT_EQ(M->Texte_Infos_Survol(0), "");
}

TEST_F(Trame, ImageDeVictoireOuDeDefaiteAuCentre) {
    Demarrer(1);
    JoueurLocal& j = M->Joueurs[0];
    ASSERT_TRUE(j.SpritesFin.Charge());
    const Surface& image = *j.SpritesFin.Image();
    ASSERT_GE(image.Hauteur(), 400);
    for (bool victoire : {true, false}) {
        j.Victoire = victoire;
        j.Defaite = !victoire;
        j.SpritesFin.Selection(victoire ? 0 : 200, victoire ? 199 : 399, 0, 319);
        M->TempsActuel = 0;
        M->Trame();
        // 320 x 200 centred on the 800 x 600 screen: its corner at (240, 200).
        EXPECT_EQ(M->SurfBack.Pixel(300, 250), image.Pixel(60, (victoire ? 0 : 200) + 50)) << victoire;
    }
}

TEST(ClsMoteur, FantomeDeConstructionCentreSurLeCurseur) {
    // A 45 x 30 house, a 32 x 32 cursor picture at (100, 200): 93.5 gives
    // 94 and 138.5 gives 138 (halves to even, each corner on its own).
    EXPECT_EQ(ClsMoteur::Rectangle_Emplacement(100, 200, 45, 30, 32, 32), (Rectangle{94, 201, 138, 231}));
    EXPECT_EQ(ClsMoteur::Rectangle_Emplacement(101, 200, 45, 30, 32, 32), (Rectangle{94, 201, 140, 231}));
}

TEST_F(Passes, FantomeVertOuRougeSelonLeVerdict) {
    ASSERT_TRUE(Demarrer());
    const Rectangle r = ClsMoteur::Rectangle_Emplacement(300, 200, Main->Parametres.Batiment_Largeur(0),
                                                         Main->Parametres.Batiment_Hauteur(0), 0, 0);
    for (bool verdict : {true, false}) {
        M->SurfBack.Remplir(0);
        M->Afficher_Emplacement_Construction(300, 200, 0, verdict);
        // The outline's top edge, away from the rounded corners.
        EXPECT_EQ(M->SurfBack.Pixel((r.Gauche + r.Droite) / 2, r.Haut), Surface::Couleur565(verdict ? 0xC000 : 0xFF));
    }
}

TEST_F(Passes, ChaqueImageDeFinAuCentreDeSaMoitieEnVuePartagee) {
    ASSERT_TRUE(M->Demarrer(Choix(2), nullptr, 800, 600));
    Surface image(320, 400);
    image.Remplir(0x3050A0);
    for (auto& j : M->Joueurs) {
        j.SpritesFin.Charger(image);
        j.SpritesFin.Selection(0, 199, 0, 319);
        j.Victoire = true;
    }
    M->EcranSepare = false;
    M->TempsActuel = 0;
    M->Trame();
    const std::uint16_t c = Surface::Couleur565(0x3050A0);
    // Player 0's picture centred at x 200, player 1's at x 600.
    EXPECT_EQ(M->SurfBack.Pixel(41, 300), c);
    EXPECT_EQ(M->SurfBack.Pixel(39, 300), 0);
    EXPECT_EQ(M->SurfBack.Pixel(758, 300), c);
    EXPECT_EQ(M->SurfBack.Pixel(761, 300), 0);
}

TEST_F(Trame, QuelsMortsSontMontres) {
    Demarrer(1);
    const std::int32_t chef = Main.NoPersoParJoueur[0];
    const std::int32_t k = chef == 0 ? 1 : 0;
    Main.NoPersoJoueur = chef;
    M->Joueurs[0].VueX = M->Joueurs[0].VueY = 0;
    // Everybody else is inside a building, out of sight.
    for (auto& p : Main.Persos) p.DansMaison = true;
    auto montre = [&](std::int32_t i) {
        ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
        p.DansMaison = p.DansMaisonCible = p.DansChateau = p.DansChateauCible = false;
        p.PositionX = p.PositionY = 200;
        M->SurfBack.Remplir(0);
        M->Afficher_Persos(0);
        p.DansMaison = true;
        int n = 0;
        for (int y = 200; y < 200 + p.Hauteur; ++y)
            for (int x = 200; x < 200 + p.Largeur; ++x) n += M->SurfBack.Pixel(x, y) != 0;
        return n > 0;
    };
    ClsJeuPerso& autre = Main.Persos[static_cast<std::size_t>(k)];
    ClsJeuPerso& propre = Main.Persos[static_cast<std::size_t>(chef)];
    const std::int32_t equipe = propre.Equipe;
    struct Cas {
        bool vivant, memeEquipe, fantomes, invocation, vu;
    } cas[] = {
        {true, false, false, false, true},   {false, true, true, false, true},  {false, true, false, false, false},
        {false, false, true, false, false},  {false, true, true, true, false},  // a dead summoned creature never shows
    };
    for (const auto& c : cas) {
        autre.Vie = c.vivant ? std::max(autre.Definir_MaxVie(), 1.0) : 0;
        autre.Equipe = c.memeEquipe ? equipe : equipe + 1;
        autre.Invocateur = c.invocation ? chef : -1;
        Jeu.AfficherFantomesPNJ = c.fantomes;
        EXPECT_EQ(montre(k), c.vu) << c.vivant << c.memeEquipe << c.fantomes << c.invocation;
    }
    // The player's own character shows even dead, whatever the setting.
    propre.Vie = 0;
    Jeu.AfficherFantomesPNJ = false;
    EXPECT_TRUE(montre(chef));
}
