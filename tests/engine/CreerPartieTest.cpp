#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/ModMain.h"
#include "tests/Outils.h"
#include "world/ModEmplacement.h"

namespace {

struct Partie : ::testing::Test {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    void SetUp() override { Main.Charger_Parametres(); }

    static SetupChoices Monde(int taille, int fiefs, int villageois) {
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = taille;
        c.NombreRessources = 30;
        for (int f = 0; f < fiefs; ++f) c.Fiefs.push_back({f, static_cast<std::int16_t>(f % 2 == 0 ? 0 : 99), villageois});
        return c;
    }
};

// Everything the world setup decides, in one comparable list.
std::vector<double> Empreinte(const ModMain& m) {
    std::vector<double> e;
    for (std::size_t i = 0; i < m.Monde.TailleGrille(); ++i)
        e.push_back(m.Monde.Param_TerrainCategorie(static_cast<int>(i)) * 16 + m.Monde.Param_TerrainApparence(static_cast<int>(i)));
    for (const auto& c : m.Chateaux) e.insert(e.end(), {double(c.X), double(c.Y), double(c.MaxVie)});
    for (const auto& r : m.Ressources) e.insert(e.end(), {double(r.X), double(r.Y), double(r.TypeRessource)});
    for (const auto& p : m.Persos)
        e.insert(e.end(), {double(p.PositionX), double(p.PositionY), double(p.Race), double(p.Sexe),
                           double(p.ApparenceBase), p.Definir_Argent()});
    for (const auto& f : m.Fiefs) e.insert(e.end(), {double(f.Peuple), double(f.Camp)});
    return e;
}

}  // namespace

TEST_F(Partie, NouveauMondeComplet) {
    SetupChoices choix = Monde(64, 4, 5);
    Main.Creer_Partie(choix);
    ASSERT_FALSE(Main.FinPartie);
    const ClsJeuParam& P = Main.Parametres;
    ASSERT_EQ(Main.Fiefs.size(), 4u);
    ASSERT_EQ(Main.Persos.size(), 20u);
    ASSERT_EQ(Main.Ressources.size(), 31u);
    const int L = Main.Monde.LargeurCase * 64;

    // Castles stand, spread over the map.
    for (std::size_t i = 0; i < Main.Chateaux.size(); ++i) {
        const auto& c = Main.Chateaux[i];
        EXPECT_TRUE(c.Visible() && c.Acheve);
        EXPECT_GE(c.X, 0);
        EXPECT_LT(c.X + c.Largeur, L);
        for (std::size_t j = i + 1; j < Main.Chateaux.size(); ++j) {
            double d = std::abs(c.X - Main.Chateaux[j].X) + std::abs(c.Y - Main.Chateaux[j].Y);
            EXPECT_GT(d, 10 * 32) << i << " " << j;
        }
    }
    // Roads were laid between them.
    const int route = Main.Monde.TypeMondeTerrain(0).Route;
    int routes = 0;
    for (std::size_t i = 0; i < Main.Monde.TailleGrille(); ++i)
        if (Main.Monde.Param_TerrainCategorie(static_cast<int>(i)) == route) ++routes;
    EXPECT_GT(routes, 20);

    // Deposits on buildable ground, apart from castles and one another.
    for (std::size_t r = 0; r < Main.Ressources.size(); ++r) {
        const auto& d = Main.Ressources[r];
        EXPECT_TRUE(Main.Monde.Constructible(d.X, d.Y, 32, 32)) << r;
        EXPECT_GT(d.Quantite, 0);
        for (const auto& c : Main.Chateaux)
            EXPECT_FALSE(Collision_Rectangles(d.X, d.Y, c.X, c.Y, 32, 32, c.Largeur, c.Hauteur)) << r;
        for (std::size_t s = r + 1; s < Main.Ressources.size(); ++s)
            EXPECT_FALSE(Collision_Rectangles(d.X, d.Y, Main.Ressources[s].X, Main.Ressources[s].Y, 32, 32, 32, 32));
    }

    // Villagers centred on their castle's entrance, with a race of their
    // people, their side, and their starting goods. The entrance of each
    // people's castle, from the castle's top-left corner (default peoples:
    // half the castle's size plus the entrance offset).
    struct Entree { double x, y; };
    const Entree entrees[] = {{64, 64 + 56}, {64, 56 + 48}, {64, 48 + 40}, {48, 64 + 56}};
    for (const auto& p : Main.Persos) {
        const auto& c = Main.Chateaux[static_cast<std::size_t>(p.Equipe)];
        const auto& f = Main.Fiefs[static_cast<std::size_t>(p.Equipe)];
        EXPECT_TRUE(p.DansChateau);
        ASSERT_LT(static_cast<std::size_t>(f.Peuple), std::size(entrees));
        const Entree& e = entrees[f.Peuple];
        // Whole pixels: an odd width puts the centre half a pixel off.
        EXPECT_NEAR(p.PositionX + p.Largeur / 2.0, c.X + e.x, 0.5) << "peuple " << f.Peuple;
        EXPECT_NEAR(p.PositionY + p.Hauteur / 2.0, c.Y + e.y, 0.5) << "peuple " << f.Peuple;
        EXPECT_EQ(p.Camp, f.Camp);
        if (P.Peuples_NombreMonstres(f.Peuple) < 1) {
            EXPECT_TRUE(P.Race_Jouable(p.Race) || p.Race == 0);
        } else {
            EXPECT_FALSE(p.FichierIA.empty());
            EXPECT_TRUE(p.IA);
        }
        EXPECT_FALSE(P.Race_RestrictionSexe(p.Race, p.Sexe)) << "race " << p.Race;
    }
    EXPECT_EQ(Main.Fiefs[1].NombrePersos, 5);
    EXPECT_EQ(Main.Fiefs[2].Camp, 3);

}

TEST_F(Partie, MemesChoixMemeMondeEnReseau) {
    SetupChoices choix = Monde(48, 3, 4);
    choix.Reseau = true;
    Main.Creer_Partie(choix);
    auto premier = Empreinte(Main);
    ModMain autre(dossier);
    autre.Charger_Parametres();
    autre.Creer_Partie(choix);
    EXPECT_EQ(premier, Empreinte(autre));
    // A second network game in the same run starts the table over.
    Main.Creer_Partie(choix);
    EXPECT_EQ(premier, Empreinte(Main));
    // A solo game afterwards draws fresh numbers again.
    choix.Reseau = false;
    Main.Creer_Partie(choix);
    EXPECT_FALSE(Main.Aleatoire.TableActive);
    ModMain troisieme(dossier);
    troisieme.Charger_Parametres();
    troisieme.Creer_Partie(choix);
    EXPECT_NE(Empreinte(Main), Empreinte(troisieme));
}

TEST_F(Partie, TaillesEtFiefsExtremes) {
    for (int taille : {20, 100, 512}) {
        for (int fiefs : {2, 16}) {
            for (bool reseau : {false, true}) {
                SetupChoices choix = Monde(taille, fiefs, 2);
                choix.Reseau = reseau;
                choix.NombreRessources = taille * 2;
                Main.Creer_Partie(choix);
                ASSERT_EQ(Main.Chateaux.size(), static_cast<std::size_t>(fiefs));
                std::set<std::pair<int, int>> places;
                for (const auto& c : Main.Chateaux) places.insert({c.X, c.Y});
                EXPECT_EQ(places.size(), static_cast<std::size_t>(fiefs)) << taille << " " << fiefs;
            }
        }
    }
}

TEST_F(Partie, BatailleEnColonnes) {
    SetupChoices choix;
    choix.Mode = SetupChoices::NouvelleBataille;
    choix.LargeurCarte = choix.HauteurCarte = 80;
    choix.Armees[0] = {25, 0, true, {"Arc court", "Nom inconnu"}};
    choix.Armees[1] = {10, 2, false, {"Arc court"}};
    Main.NoPersoJoueur = 0;
    Main.Creer_Partie(choix);
    ASSERT_EQ(Main.Persos.size(), 35u);
    for (const auto& c : Main.Chateaux) EXPECT_FALSE(c.Visible());
    const auto& P = Main.Parametres;
    // Soldier 0 is the player's: it took the middle (M = 12) of army 0.
    const auto& s12 = Main.Persos[12];
    const auto& s0 = Main.Persos[0];
    EXPECT_EQ(s12.PositionX, 640);
    EXPECT_EQ(s12.PositionY, 640);
    EXPECT_EQ(s0.PositionY, 640 + P.Race_Hauteur(0) * 12);
    EXPECT_EQ(Main.Persos[10].CiblePerso, 25);
    EXPECT_EQ(Main.Persos[30].CiblePerso, 5);
    // Soldier 25 aimed at 0, the player's index: it now aims at 12, the
    // soldier standing where the player stood.
    EXPECT_EQ(Main.Persos[25].CiblePerso, 12);
    // Places use the size every soldier has before its race is drawn.
    const auto& s25 = Main.Persos[25];
    EXPECT_EQ(s25.PositionX, 1640 + P.Race_Largeur(0) * 1);
    EXPECT_EQ(s25.PositionY, 640 + P.Race_Hauteur(0) * 5);
    for (const auto& s : Main.Persos) {
        EXPECT_EQ(s.Action, Actions::Attaquer);
        EXPECT_EQ(s.Camp, s.Equipe + 1);
    }
    // Army 0 carries the bow and full arrows; army 1 was not equipped.
    std::int16_t arc = -1;
    for (std::int32_t t = 0; t < P.NombreTypesObjets; ++t)
        if (P.Objet_Nom(t) == "Arc court") arc = static_cast<std::int16_t>(t);
    ASSERT_GE(arc, 0);
    EXPECT_TRUE(Main.Persos[3].Objet_Posseder(arc));
    EXPECT_EQ(Main.Persos[3].Definir_Ressources(P.Objet_PerteRessourceIndice(arc)),
              Main.Persos[3].Definir_MaxRessources(P.Objet_PerteRessourceIndice(arc)));
    EXPECT_FALSE(Main.Persos[30].Objet_Posseder(arc));
}

TEST_F(Partie, LaPartieAccueilleLesHeros) {
    Main.SavPerso.Charger_Parametres_SavPerso();
    SetupChoices choix = Monde(40, 2, 3);
    choix.Heros = {"Aldric", "Elowen"};
    choix.NomJoueur = "Aldric";
    Main.Creer_Partie(choix);
    ASSERT_TRUE(Main.MessagesPartie.empty()) << Main.MessagesPartie.front();
    const ClsJeuPerso& joueur = Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)];
    EXPECT_EQ(joueur.Nom, "Aldric");
    EXPECT_FALSE(joueur.IA_Active);
    int heros = 0;
    for (const auto& p : Main.Persos) heros += p.PersoFichier > 0 ? 1 : 0;
    EXPECT_EQ(heros, 2);
}
