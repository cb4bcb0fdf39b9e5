// The built-in AI over a long game: a new world built from the default
// data by the game setup, villagers and monsters left to the AI for 20,000
// ticks. The test counts what happened in the world (food eaten, resources
// harvested and produced, buildings visited, treasures picked up, kills,
// guard rounds, the dead raised at a temple), not the AI's own steps.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "tests/Outils.h"

namespace {

std::int16_t TypeBatiment(const ClsJeuParam& P, bool (*test)(const ClsJeuParam&, std::int16_t)) {
    for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t)
        if (test(P, t)) return t;
    return -1;
}

struct Bilan {
    std::int32_t Repas = 0;            // edible units eaten
    double Recolte = 0;                // taken out of the deposits
    std::int32_t TicksRecolte = 0;     // villager-ticks harvesting
    std::int32_t TicksProduction = 0;  // villager-ticks producing at home with a gain
    std::set<std::pair<std::int32_t, std::int32_t>> Visites;  // (villager, another's house)
    std::int32_t TresorsRamasses = 0;
    std::int32_t PatrouillesMonstres = 0;  // monster walks started away from any target
    std::int32_t AttaquesMonstres = 0;     // attacks started by monsters
    std::int32_t Victimes = 0;             // kills by monsters
    std::int32_t RessuscitesAuTemple = 0;
    std::int32_t RessuscitesAuChateau = 0;
    std::int32_t TicksGardeLoin = 0;       // the guard more than 160 px from its post
    std::set<std::pair<std::int32_t, std::int32_t>> RondesGarde;
    std::int32_t RipostesGarde = 0;
};

// One game; two of them may live side by side.
class PartieIA {
public:
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    const ClsJeuParam& P = Main.Parametres;

    std::int32_t Villageois = 10;
    std::int32_t Monstres = 5;
    std::int16_t Verger = -1, Cabane = -1, Temple = -1;
    std::int32_t Garde = -1;

    PartieIA() { Main.Charger_Parametres(); }

    // A 48 x 48 world of two fiefs: villagers of the first people, monsters
    // of the third. Built the network way, so that the world is the same at
    // every run; the game itself then draws from a seeded generator.
    void Creer() {
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 48;
        c.NombreRessources = 30;
        c.Fiefs.push_back({0, 0, Villageois});
        c.Fiefs.push_back({1, 2, Monstres});
        c.Reseau = true;
        Main.Creer_Partie(c);
        ASSERT_FALSE(Main.FinPartie);
        ASSERT_EQ(Main.Persos.size(), static_cast<std::size_t>(Villageois + Monstres));
        Main.Aleatoire.TableActive = false;
        Main.Aleatoire.Generateur().Semer(20240611);
        Main.GenerateurPlateforme.Semer(5);

        Verger = TypeBatiment(P, [](const ClsJeuParam& p, std::int16_t t) {
            const std::int32_t r = p.Batiment_RessourceFabrique(t);
            return p.Batiment_Magasin(t) && r >= 0 && p.Ressources_GainVie(r) > 0 && p.Ressources_GainEnergie(r) <= 0;
        });
        Cabane = TypeBatiment(P, [](const ClsJeuParam& p, std::int16_t t) {
            const std::int32_t r = p.Batiment_RessourceFabrique(t);
            return p.Batiment_Magasin(t) && r >= 0 && p.Ressources_GainEnergie(r) > 0;
        });
        Temple = TypeBatiment(P, [](const ClsJeuParam& p, std::int16_t t) { return p.Batiment_Service(t) == 1; });
        ASSERT_GE(Verger, 0);
        ASSERT_GE(Cabane, 0);
        ASSERT_GE(Temple, 0);

        // Every character to the built-in AI (the script executor comes
        // later): the villagers tired and hungry, half of them with money.
        for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
            ClsJeuPerso& p = Main.Persos[i];
            p.IA = false;
            p.IA_Active = true;
            if (p.Equipe == 0) {
                p.Vie = p.Definir_MaxVie() * 0.4;
                p.Energie = p.Definir_MaxEnergie() * 0.3;
                p.Definir_Argent(i < 3 || i % 2 == 0 ? 2000.0 : 20.0);
            }
        }
        // Houses round the villagers' castle, built as the economy AI
        // would: two shops of food, a temple, and homes.
        const ClsJeuBatiment& chateau = Main.Chateaux[0];
        const std::int32_t cx = chateau.X + chateau.Largeur / 2, cy = chateau.Y + chateau.Hauteur + 40;
        Batir(0, Verger, cx - 200, cy, 20);
        Batir(1, Cabane, cx + 120, cy, 20);
        Batir(2, Temple, cx - 40, cy + 120, 30);
        Batir(3, 0, cx - 200, cy + 120, 0);
        // The two shopkeepers stand at their shops.
        for (std::int32_t i : {0, 1}) {
            ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
            const ClsJeuBatiment& m = Main.Maisons[static_cast<std::size_t>(i)];
            p.Visible(true);
            p.PositionX = p.DestinationX = m.X + m.Largeur / 2;
            p.PositionY = p.DestinationY = m.Y + m.Hauteur + 4;
        }
        // Villager 9 is a creature summoned by villager 2, guarding the temple.
        Garde = Villageois - 1;
        ClsJeuPerso& g = Main.Persos[static_cast<std::size_t>(Garde)];
        g.Invocateur = 2;
        g.Suivre = 1;
        g.CibleMaison = 2;
        // Treasures lying near the castle.
        for (std::int32_t k = 0; k < 6; ++k) {
            const std::int32_t n = Main.Tresors.Ajouter_Tresor(cx - 300 + 100 * k, cy - 250, P);
            Main.Tresors(n).Definir_Argent(50);
        }
        Main.IA.Initialiser_IA();
    }

    void Batir(std::int32_t i, std::int16_t Type, std::int32_t X, std::int32_t Y, double Stock) {
        ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
        const bool dedans = p.DansChateau;
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, p.Definir_Ressources(r) + P.Batiment_Prix(Type, r));
        ClsJeuBatiment& m = Main.Maisons[static_cast<std::size_t>(i)];
        m.Creer(X, Y, Type, p, P);
        m.Definir_Vie(m.MaxVie);
        m.MaxStock = std::max(m.MaxStock, 40.0);
        m.Definir_Stock(Stock);
        p.DansChateau = dedans;
    }

    Bilan Jouer(std::int32_t Tours) {
        Bilan b;
        const std::size_t n = Main.Persos.size();
        std::vector<std::vector<double>> porte(n, std::vector<double>(static_cast<std::size_t>(P.NombreRessources)));
        std::vector<bool> vivant(n);
        std::vector<std::int16_t> action(n);
        std::vector<double> stock(Main.Maisons.size());
        std::vector<std::int32_t> frags(n);
        auto releve = [&] {
            for (std::size_t i = 0; i < n; ++i) {
                const ClsJeuPerso& p = Main.Persos[i];
                for (std::int32_t r = 0; r < P.NombreRessources; ++r) porte[i][static_cast<std::size_t>(r)] = p.Definir_Ressources(r);
                vivant[i] = p.Vivant();
                action[i] = p.Action;
                frags[i] = p.FragsPersos;
            }
            for (std::size_t h = 0; h < Main.Maisons.size(); ++h) stock[h] = Main.Maisons[h].Definir_Stock();
        };
        double depots = 0;
        for (const ClsJeuRessources& g : Main.Ressources) depots += g.Quantite;
        std::set<std::pair<std::int32_t, std::int32_t>> tresors;
        for (const ClsJeuTresors& x : Main.Tresors) tresors.insert({x.X, x.Y});
        // Villagers walking to one of those treasures: (villager, place).
        std::vector<std::pair<std::int32_t, std::int32_t>> vers(n, {-1, -1});
        const ClsJeuBatiment& poste = Main.Maisons[2];

        releve();
        for (std::int32_t t = 0; t < Tours; ++t) {
            for (std::size_t i = 0; i < n; ++i) {
                const ClsJeuPerso& p = Main.Persos[i];
                vers[i] = {-1, -1};
                if (p.Equipe == 0 && p.Action == Actions::AllerTresor && Main.Tresors.Existe(p.CibleTresor)) {
                    const ClsJeuTresors& x = Main.Tresors(p.CibleTresor);
                    if (tresors.count({x.X, x.Y}) > 0) vers[i] = {x.X, x.Y};
                }
            }
            Main.Tour_Simulation();
            for (std::size_t i = 0; i < n; ++i) {
                const ClsJeuPerso& p = Main.Persos[i];
                const bool villageois = p.Equipe == 0;
                if (villageois && vivant[i] && p.Vivant()) {
                    for (std::int32_t r = 0; r < P.NombreRessources; ++r)
                        if (P.Ressources_Mangeable(r) && p.Definir_Ressources(r) < porte[i][static_cast<std::size_t>(r)] - 0.5 &&
                            p.Action != Actions::ProduireMaison)
                            b.Repas += static_cast<std::int32_t>(std::lround(porte[i][static_cast<std::size_t>(r)] - p.Definir_Ressources(r)));
                    if (p.Action == Actions::Recolter) ++b.TicksRecolte;
                    if (p.Action == Actions::ProduireMaison) {
                        const std::int32_t produit = P.Batiment_RessourceFabrique(Main.Maisons[i].TypeBatiment);
                        if (produit >= 0 && (p.Definir_Ressources(produit) > porte[i][static_cast<std::size_t>(produit)] ||
                                             Main.Maisons[i].Definir_Stock() > stock[i]))
                            ++b.TicksProduction;
                    }
                    if (p.DansMaisonCible && p.CibleMaison != static_cast<std::int32_t>(i) && p.CibleMaison >= 0)
                        b.Visites.insert({static_cast<std::int32_t>(i), p.CibleMaison});
                }
                if (!villageois) {
                    if (p.Action == Actions::Deplacer && action[i] != 1) ++b.PatrouillesMonstres;
                    if (p.EnCombat() && action[i] != p.Action) ++b.AttaquesMonstres;
                    b.Victimes += p.FragsPersos - frags[i];
                }
                // Picked up by this villager: gone, and not counted for
                // another walking to the same one.
                if (vers[i].first >= 0 && p.Action != Actions::AllerTresor && tresors.count(vers[i]) > 0) {
                    bool reste = false;
                    for (const ClsJeuTresors& x : Main.Tresors) reste = reste || (x.X == vers[i].first && x.Y == vers[i].second);
                    if (!reste) {
                        ++b.TresorsRamasses;
                        tresors.erase(vers[i]);
                    }
                }
                if (!vivant[i] && p.Vivant()) {
                    if (p.DansMaisonCible && p.CibleMaison >= 0 &&
                        Main.Maisons[static_cast<std::size_t>(p.CibleMaison)].Service == 1)
                        ++b.RessuscitesAuTemple;
                    else
                        ++b.RessuscitesAuChateau;
                }
            }
            const ClsJeuPerso& g = Main.Persos[static_cast<std::size_t>(Garde)];
            if (g.Vivant() && g.Suivre == 1) {
                const double dx = g.PositionX - (poste.X + poste.Largeur / 2.0);
                const double dy = g.PositionY - (poste.Y + poste.Hauteur / 2.0);
                if (std::sqrt(dx * dx + dy * dy) > 160 && !g.EnCombat()) ++b.TicksGardeLoin;
                if (g.Action == Actions::Deplacer) b.RondesGarde.insert({g.DestinationX, g.DestinationY});
                if (g.Action == Actions::Attaquer && action[static_cast<std::size_t>(Garde)] != 300) ++b.RipostesGarde;
            }
            releve();
        }
        for (const ClsJeuRessources& g : Main.Ressources) depots -= g.Quantite;
        b.Recolte = depots;
        return b;
    }
};

}  // namespace

// Measured over a dozen seeds: 250 to 460 units eaten, 350 to 540
// harvested, 960 to 3,100 producing ticks, 12 to 20 visits, 4 treasures,
// 52 to 85 kills by monsters, 22 to 29 raised at the temple. The bounds
// below leave room under the lowest.
TEST(PartieIA, VingtMilleTours) {
    PartieIA partie;
    partie.Creer();
    const Bilan b = partie.Jouer(20000);

    // Villagers eat, harvest and produce.
    EXPECT_GE(b.Repas, 50);
    EXPECT_GE(b.Recolte, 50.0);
    EXPECT_GT(b.TicksRecolte, 0);
    EXPECT_GT(b.TicksProduction, 0);
    // They visit the shops and the temple of their side.
    std::set<std::int32_t> clientsBoutiques, visiteursTemple;
    for (auto [v, h] : b.Visites) {
        if (h == 0 || h == 1) clientsBoutiques.insert(v);
        if (h == 2) visiteursTemple.insert(v);
    }
    EXPECT_GE(clientsBoutiques.size(), 3u);
    EXPECT_GE(visiteursTemple.size(), 1u);
    EXPECT_GE(b.TresorsRamasses, 3);
    // Monsters wander and fight, and kill.
    EXPECT_GE(b.PatrouillesMonstres, 20);
    EXPECT_GE(b.AttaquesMonstres, 10);
    EXPECT_GE(b.Victimes, 5);
    // The dead come back, at the temple too.
    EXPECT_GE(b.RessuscitesAuTemple, 3);
    EXPECT_GE(b.RessuscitesAuChateau, 1);
    // The guard walks round its temple and stays by it.
    EXPECT_GE(b.RondesGarde.size(), 20u);
    EXPECT_LT(b.TicksGardeLoin, 1000);
}

// Two games built from the same choices and seed play the same ticks.
TEST(PartieIA, DeuxPartiesIdentiques) {
    PartieIA a, b;
    a.Creer();
    b.Creer();
    ASSERT_EQ(Hacher_Etat(a.Main), Hacher_Etat(b.Main));
    for (int t = 0; t < 3000; ++t) {
        a.Main.Tour_Simulation();
        b.Main.Tour_Simulation();
    }
    EXPECT_EQ(Hacher_Etat(a.Main), Hacher_Etat(b.Main));
    EXPECT_EQ(a.Main.IA.CurseurIA, b.Main.IA.CurseurIA);
}
