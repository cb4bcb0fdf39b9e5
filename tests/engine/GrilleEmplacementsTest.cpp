// The placement grid against the full scan: on a crowded world with every
// kind of thing (standing and demolished buildings, deposits, scenery,
// treasures, allies and enemies in and out of their castles, things across
// the map's edges and of negative size), every site gives the scan's
// verdict, before and after deposits move.
#include <gtest/gtest.h>

#include <random>

#include "engine/GrilleEmplacements.h"
#include "engine/ModMain.h"
#include "tests/Outils.h"
#include "world/ModEmplacement.h"

namespace {

struct MondeEncombre : ::testing::Test {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    std::mt19937 g{7};
    std::int32_t cote = 0;
    std::int32_t pos() { return std::uniform_int_distribution<std::int32_t>(-300, cote + 300)(g); }
    std::int32_t taille() { return std::uniform_int_distribution<std::int32_t>(-6, 90)(g); }

    void SetUp() override {
        Main.Charger_Parametres();
        const ClsJeuParam& P = Main.Parametres;
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 40;
        c.NombreRessources = 60;
        c.Fiefs.push_back({0, 0, 30});
        c.Fiefs.push_back({1, 2, 20});
        c.Reseau = true;
        Main.Creer_Partie(c);
        if (Main.FinPartie) return;

        cote = 40 * Main.Monde.LargeurCase;
        for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
            ClsJeuPerso& p = Main.Persos[i];
            p.PositionX = pos();
            p.PositionY = pos();
            if (i % 7 == 0) p.Largeur = static_cast<std::int16_t>(taille());
            p.Visible(i % 4 != 0);  // out of the castle, but for a few
            if (i % 5 == 0) p.Vie = 0;  // the dead are no obstacle
            ClsJeuBatiment& m = Main.Maisons[i];
            m.X = pos();
            m.Y = pos();
            m.Largeur = static_cast<std::int16_t>(taille());
            m.Hauteur = static_cast<std::int16_t>(taille());
            m.MaxVie = 100;
            m.Definir_Vie(i % 3 == 0 ? 0 : 100);
        }
        for (ClsJeuRessources& d : Main.Ressources) {
            d.X = pos();
            d.Y = pos();
        }
        for (int k = 0; k < 15; ++k) {
            Main.Tresors.Ajouter_Tresor(pos(), pos(), P);
            Main.Decors.Ajouter_Decor(static_cast<std::int16_t>(k % 2), pos(), pos(), P);
        }
        Main.Decors(3).Largeur = -4;
        // A standing house of negative size across a square's corner: it
        // still meets the sites that cover it.
        ClsJeuBatiment& envers = Main.Maisons[1];
        envers.X = envers.Y = GrilleEmplacements::Cote * 2 + 2;
        envers.Largeur = envers.Hauteur = -6;
        envers.Definir_Vie(100);
    }
    ClsJeuBatiment& Envers() { return Main.Maisons[1]; }
};

}  // namespace

TEST_F(MondeEncombre, LaGrilleDonneLeVerdictDuParcoursComplet) {
    ASSERT_FALSE(Main.FinPartie);
    const ClsJeuBatiment& envers = Envers();
    ASSERT_FALSE(Emplacement_Libre(Main, 0, envers.X - 8, envers.Y - 8, 20, 20));
    auto comparer = [&](const GrilleEmplacements& grille) {
        std::int32_t libres = 0, occupes = 0;
        for (int essai = 0; essai < 20000; ++essai) {
            const auto perso = static_cast<std::int32_t>(g() % (Main.Persos.size() + 1));  // one past the end too
            const std::int32_t x = pos(), y = pos();
            std::int32_t l = taille(), h = taille();
            if (essai % 4 == 0) l = h = 0;
            const bool attendu = Emplacement_Libre(Main, perso, x, y, l, h);
            ASSERT_EQ(grille.Libre(perso, x, y, l, h), attendu) << perso << " (" << x << ", " << y << ") " << l << " x " << h;
            (attendu ? libres : occupes)++;
        }
        // Both verdicts are met often enough to mean something.
        EXPECT_GT(libres, 2000);
        EXPECT_GT(occupes, 2000);
    };
    GrilleEmplacements grille(Main);
    EXPECT_FALSE(grille.Libre(0, envers.X - 8, envers.Y - 8, 20, 20));
    comparer(grille);
    for (std::size_t r = 0; r < Main.Ressources.size(); r += 2) {
        Main.Ressources[r].X = pos();
        Main.Ressources[r].Y = pos();
        grille.Deplacer_Ressource(r);
    }
    comparer(grille);
}
