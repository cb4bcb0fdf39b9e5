#include "world/ClsJeuRessources.h"
#include "world/ModGenererMonde.h"

#include <cmath>
#include <cstdlib>
#include <optional>

#include "platform/Nombres.h"
#include "rules/ModRandom.h"

namespace {

// A loop that redraws until a free cell comes up must end even when the
// source can never produce the value needed (the fixed network table has
// only 17 values): after this many draws, the first free cell is taken.
constexpr int TiragesMax = 200;
constexpr int ToursMax = 5000;

// One random cell of the drawing range (rows rmin..rmax-1, columns
// cmin..cmax-1), drawn row first; redrawn while occupied, then scanned.
PointGrille TirerCaseLibre(const GrillePoints& g, ModRandom& aleatoire) {
    auto tirer = [&](std::int32_t mini, std::int32_t maxi) {
        return static_cast<std::int32_t>(
            Entier(static_cast<double>(aleatoire.Nombre_Aleatoire()) * (maxi - mini) + mini));
    };
    for (int essai = 0; essai < TiragesMax; ++essai) {
        PointGrille p;
        p.Ligne = tirer(g.rmin, g.rmax);
        p.Colonne = tirer(g.cmin, g.cmax);
        if (!g.Occupe(p.Ligne, p.Colonne)) return p;
    }
    for (std::int32_t l = g.rmin; l <= g.rmax; ++l)
        for (std::int32_t c = g.cmin; c <= g.cmax; ++c)
            if (!g.Occupe(l, c)) return {l, c};
    return {g.rmin, g.cmin};  // full grid: the caller asked for more points than cells
}

}  // namespace

GrillePoints::GrillePoints(std::int32_t rmin_, std::int32_t rmax_, std::int32_t cmin_, std::int32_t cmax_)
    : rmin(rmin_), rmax(std::max(rmin_, rmax_)), cmin(cmin_), cmax(std::max(cmin_, cmax_)) {
    cases_.assign(static_cast<std::size_t>(rmax - rmin + 1) * static_cast<std::size_t>(cmax - cmin + 1), 0);
}

bool GrillePoints::Occupe(std::int32_t ligne, std::int32_t colonne) const {
    if (!Dedans(ligne, colonne)) return true;
    return cases_[static_cast<std::size_t>(ligne - rmin) * static_cast<std::size_t>(cmax - cmin + 1) +
                  static_cast<std::size_t>(colonne - cmin)] != 0;
}

void GrillePoints::Marquer(std::int32_t ligne, std::int32_t colonne, bool occupe) {
    if (!Dedans(ligne, colonne)) return;
    cases_[static_cast<std::size_t>(ligne - rmin) * static_cast<std::size_t>(cmax - cmin + 1) +
           static_cast<std::size_t>(colonne - cmin)] = occupe ? 1 : 0;
}

void Tirer_Points(GrillePoints& grille, std::vector<PointGrille>& points, ModRandom& aleatoire) {
    for (auto& p : points) {
        p = TirerCaseLibre(grille, aleatoire);
        grille.Marquer(p.Ligne, p.Colonne, true);
    }
}

void Ecarter_Points(GrillePoints& g, std::vector<PointGrille>& points, ModRandom& aleatoire) {
    const auto n = static_cast<std::int32_t>(points.size());
    if (n < 2) return;  // a lone point is never crowded
    const std::int32_t d =
        static_cast<std::int32_t>(Entier(static_cast<double>(g.rmax - g.rmin + g.cmax - g.cmin) / (n - 1))) + 5;

    auto voisins = [&](std::size_t k, std::int32_t a, std::int32_t b) {
        std::int32_t compte = 0;
        for (std::size_t j = 0; j < points.size(); ++j) {
            if (j == k) continue;
            if (std::abs(points[k].Ligne + a - points[j].Ligne) + std::abs(points[k].Colonne + b - points[j].Colonne) < d)
                ++compte;
        }
        return compte;
    };

    auto plusProche = [&](std::size_t k) {
        std::int32_t mini = 1 << 30;
        for (std::size_t j = 0; j < points.size(); ++j)
            if (j != k)
                mini = std::min(mini, std::abs(points[k].Ligne - points[j].Ligne) +
                                          std::abs(points[k].Colonne - points[j].Colonne));
        return mini;
    };

    // Big maps are searched on a coarser lattice: about 64 x 64 cells.
    const std::int32_t pas = std::max(1, std::max(g.rmax - g.rmin, g.cmax - g.cmin) / 64);
    std::uint64_t version = 1;
    std::vector<std::uint64_t> versionRecherche(points.size(), 0);

    bool encombre = true;
    for (int tour = 0; tour < ToursMax && encombre; ++tour) {
        encombre = false;
        bool bouge = false;
        std::uint64_t tirages = 0;
        for (std::size_t k = 0; k < points.size(); ++k) {
            std::int32_t comptes[3][3];
            for (int a = -1; a <= 1; ++a)
                for (int b = -1; b <= 1; ++b) comptes[a + 1][b + 1] = voisins(k, a, b);
            if (comptes[1][1] == 0) continue;
            encombre = true;

            std::int32_t meilleur = n;
            bool trouve = false;
            PointGrille cible;
            for (int a = -1; a <= 1; ++a) {
                for (int b = -1; b <= 1; ++b) {
                    const std::int32_t l = points[k].Ligne + a, c = points[k].Colonne + b;
                    if (comptes[a + 1][b + 1] <= meilleur && l > g.rmin && l <= g.rmax && c > g.cmin && c <= g.cmax) {
                        aleatoire.Nombre_Aleatoire();  // drawn and unused: keeps the count of draws of a seed
                        ++tirages;
                        if (!g.Occupe(l, c)) {
                            cible = {l, c};
                            meilleur = comptes[a + 1][b + 1];
                            trouve = true;
                        }
                    }
                }
            }
            if (!trouve) continue;
            // A step that lowers the crowding is taken. Otherwise the point
            // jumps to the free cell that is least crowded and, among
            // those, furthest from its nearest neighbour, when that beats
            // its own cell; else it stays. Plain steps alone would make
            // the points drift together, since the count rarely changes
            // from one cell to the next. The search needs no draw, so it
            // works as well with the fixed network table; it is skipped
            // while nothing moved since this point last searched.
            PointGrille destination = points[k];
            if (meilleur < comptes[1][1]) {
                destination = cible;
            } else if (versionRecherche[k] != version) {
                versionRecherche[k] = version;
                const PointGrille ici = points[k];
                std::int32_t meilleurCompte = comptes[1][1];
                std::int32_t meilleurEcart = plusProche(k);
                for (std::int32_t l = g.rmin + 1; l <= g.rmax; l += pas) {
                    for (std::int32_t c = g.cmin + 1; c <= g.cmax; c += pas) {
                        if (g.Occupe(l, c)) continue;
                        points[k] = {l, c};
                        const std::int32_t compte = voisins(k, 0, 0);
                        if (compte > meilleurCompte) continue;
                        const std::int32_t ecart = plusProche(k);
                        if (compte < meilleurCompte || ecart > meilleurEcart) {
                            meilleurCompte = compte;
                            meilleurEcart = ecart;
                            destination = {l, c};
                        }
                    }
                }
                points[k] = ici;
            }
            if (destination.Ligne == points[k].Ligne && destination.Colonne == points[k].Colonne) continue;
            g.Marquer(points[k].Ligne, points[k].Colonne, false);
            points[k] = destination;
            g.Marquer(points[k].Ligne, points[k].Colonne, true);
            ++version;
            bouge = true;
        }
        // Still crowded and nothing moved: every later round would see the
        // same points, search nothing new and make the same draws, up to
        // the last round. Those draws are passed over at once, so that the
        // world built from a seed stays the same; 64 castles on a small
        // map took 0.3 s of such rounds.
        if (encombre && !bouge) {
            aleatoire.Sauter(tirages * static_cast<std::uint64_t>(ToursMax - tour - 1));
            break;
        }
    }
}

GrillePoints Repartir_Points(std::int32_t rmin, std::int32_t rmax, std::int32_t cmin, std::int32_t cmax,
                             std::int32_t n, ModRandom& aleatoire) {
    GrillePoints grille(rmin, rmax, cmin, cmax);
    std::vector<PointGrille> points(static_cast<std::size_t>(std::max(0, n)));
    Tirer_Points(grille, points, aleatoire);
    Ecarter_Points(grille, points, aleatoire);
    return grille;
}

// ---- Population of a new world ----

#include "engine/ModMain.h"
#include "engine/GrilleEmplacements.h"
#include "world/ModEmplacement.h"

void Choisir_Race_Perso(ModMain& Main, std::int32_t Perso, std::int16_t Peuple, std::int16_t Monstre, bool Drapeau) {
    if (Perso < 0 || static_cast<std::size_t>(Perso) >= Main.Persos.size()) return;
    const ClsJeuParam& P = Main.Parametres;
    ModRandom& aleatoire = Main.Aleatoire;
    const std::int16_t m = P.Peuples_NombreMonstres(Peuple);
    std::int32_t race = 0;
    std::string script;
    if (m < 1) {
        if (aleatoire.Nombre_Aleatoire() < P.ChancesRaceAleatoire) {
            auto k = static_cast<std::int32_t>(Entier(static_cast<double>(aleatoire.Nombre_Aleatoire()) *
                                                      P.NombreRacesJouables));
            // Every playable race can be drawn, race 0 included: k counts
            // down from 0 over the playable races in order. (Starting the
            // walk at race 1 and stopping below 1 would never reach the
            // last playable race.)
            bool choisie = false;
            for (std::int32_t q = 0; q < P.NombreRaces && !choisie; ++q) {
                if (!P.Race_Jouable(q)) continue;
                if (k < 1) {
                    race = q;
                    choisie = true;
                }
                --k;
            }
        }
    } else {
        std::int32_t kind = Monstre;
        if (kind < 0 || kind >= m) {
            kind = -1;
            for (std::int32_t q = 0; q < m; ++q) {
                if (aleatoire.Nombre_Aleatoire() < P.Peuples_MonstreChance(Peuple, q)) {
                    kind = q;
                    break;
                }
            }
            if (kind < 0 || P.Peuples_MonstreIndice(Peuple, kind) == 0) kind = m - 1;
        }
        race = P.Peuples_MonstreIndice(Peuple, kind);
        script = P.Peuples_MonstreFichierIA(Peuple, kind);
    }
    ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(Perso)];
    perso.Changer_Race_Personnage(race, P, Drapeau);
    const bool feminin = aleatoire.Nombre_Aleatoire() > 0.5f;
    if (feminin && !P.Race_RestrictionSexe(perso.Race, true)) perso.Sexe = true;
    // A race of one sex only gets that sex, whatever the draw said.
    if (P.Race_RestrictionSexe(perso.Race, perso.Sexe) && !P.Race_RestrictionSexe(perso.Race, !perso.Sexe))
        perso.Sexe = !perso.Sexe;
    if (!script.empty()) {
        perso.FichierIA = script;
        perso.IA = true;
    }
}

void Placer_Chateaux(ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    const std::int32_t W = Main.Monde.LargeurCarte, H = Main.Monde.HauteurCarte;
    const std::int32_t L = Main.Monde.LargeurCase, Hc = Main.Monde.HauteurCase;
    const auto n = static_cast<std::int32_t>(Main.Fiefs.size());
    if (n == 0) return;
    // Maps under 11 cells a side would leave no range at all: keep one.
    GrillePoints grille = Repartir_Points(1, std::max(2, H - 9), 1, std::max(2, W - 9), n, Main.Aleatoire);
    std::int32_t k = 0;
    auto poser = [&](std::int32_t ligne, std::int32_t colonne) {
        ClsJeuBatiment& c = Main.Chateaux[static_cast<std::size_t>(k)];
        const float r1 = Main.Aleatoire.Nombre_Aleatoire();
        c.X = L * colonne + static_cast<std::int32_t>(Entier(L / 2.0 - L * static_cast<double>(r1)));
        const float r2 = Main.Aleatoire.Nombre_Aleatoire();
        c.Y = Hc * ligne + static_cast<std::int32_t>(Entier(Hc / 2.0 - Hc * static_cast<double>(r2)));
        ++k;
    };
    for (std::int32_t ligne = grille.rmin; ligne <= grille.rmax && k < n; ++ligne)
        for (std::int32_t colonne = grille.cmin; colonne <= grille.cmax && k < n; ++colonne)
            if (grille.Occupe(ligne, colonne)) poser(ligne, colonne);
    // A map too small for its fiefs: the castles left over share the
    // first cells rather than staying off the map.
    for (std::int32_t extra = 0; k < n; ++extra) poser(grille.rmin + extra % (grille.rmax - grille.rmin + 1), grille.cmin);

    for (std::int32_t i = 0; i < n; ++i) {
        ClsJeuBatiment& c = Main.Chateaux[static_cast<std::size_t>(i)];
        const ClsJeuFief& f = Main.Fiefs[static_cast<std::size_t>(i)];
        const std::int16_t p = f.Peuple;
        c.Main = &Main;
        c.Proprietaire = i;
        c.MaxVie = P.Peuples_ChateauMaxVie(p);
        c.Largeur = P.Peuples_ChateauLargeur(p);
        c.Hauteur = P.Peuples_ChateauHauteur(p);
        c.EntreePositionX = P.Peuples_ChateauEntreePositionX(p);
        c.EntreePositionY = P.Peuples_ChateauEntreePositionY(p);
        for (std::int32_t e = 0; e <= f.Epoque; ++e)
            c.MaxVie = Sature32(Arrondi(c.MaxVie + Val(P.Epoque_BonusVieChateau(e))));
        c.Definir_Vie(c.MaxVie);
    }
}

void Placer_Ressources(ModMain& Main, bool Reseau) {
    const ClsJeuParam& P = Main.Parametres;
    const ClsJeuMonde& monde = Main.Monde;
    const double largeurCarte = static_cast<double>(monde.LargeurCarte) * monde.LargeurCase;
    const double hauteurCarte = static_cast<double>(monde.HauteurCarte) * monde.HauteurCase;
    const std::int32_t l = ClsJeuRessources::Largeur, h = ClsJeuRessources::Hauteur;
    // Set once a scan of the whole grid found no free place: deposits only
    // fill the map further, so the ones after it take their draw at once.
    // Without it, each later deposit of a scenario asking for more than
    // the map holds tried 500 draws and scanned the whole map again against
    // every deposit, minutes of work for a few thousand.
    bool carte_pleine = false;
    // Every draw is tried against what stands near it only: the grid
    // answers as the scan of the whole world would, deposits placed so far
    // included.
    std::optional<GrilleEmplacements> grille;
    if (!Reseau && !Main.Persos.empty()) grille.emplace(Main);
    for (std::size_t i = 0; i < Main.Ressources.size(); ++i) {
        auto tirer = [&](double etendue) {
            return static_cast<std::int32_t>(Arrondi(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * etendue));
        };
        std::int32_t X = tirer(largeurCarte - l);
        std::int32_t Y = tirer(hauteurCarte - h);
        if (!Reseau && !Main.Persos.empty() && !carte_pleine) {
            // Redrawn until the place is free; bounded, then the first free
            // place of a scan on the cell grid, and failing that the last
            // draw (a map with no room left).
            int essais = 0;
            while (!grille->Libre(0, X, Y, l, h) && ++essais < 500) {
                X = tirer(largeurCarte - l);
                Y = tirer(hauteurCarte - h);
            }
            if (essais >= 500) {
                bool trouve = false;
                for (std::int32_t y = 0; y + h <= hauteurCarte && !trouve; y += monde.HauteurCase)
                    for (std::int32_t x = 0; x + l <= largeurCarte && !trouve; x += monde.LargeurCase)
                        if (grille->Libre(0, x, y, l, h)) {
                            X = x;
                            Y = y;
                            trouve = true;
                        }
                carte_pleine = !trouve;
            }
        }
        std::int32_t t = P.NombreTerrainRessource > 0
                             ? Sature16(Arrondi(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) *
                                                P.NombreTerrainRessource))
                             : 0;
        if (t >= P.NombreTerrainRessource) t = 0;
        ClsJeuRessources& r = Main.Ressources[i];
        r.X = X;
        r.Y = Y;
        if (grille) grille->Deplacer_Ressource(i);
        r.Nom = P.TerrainRessources_Nom(t);
        r.TypeTerrainRessource = t;
        r.TypeRessource = P.TerrainRessources_TypeRessource(t);
        r.QuantiteInitiale = P.TerrainRessources_Quantite(t);
        r.Quantite = r.QuantiteInitiale;
    }
}

void Placer_Persos_Chateaux(ModMain& Main) {
    for (ClsJeuPerso& p : Main.Persos) {
        if (p.Equipe < 0 || static_cast<std::size_t>(p.Equipe) >= Main.Chateaux.size()) continue;
        const ClsJeuBatiment& c = Main.Chateaux[static_cast<std::size_t>(p.Equipe)];
        p.PositionX = Sature32(Arrondi(c.X + c.Largeur / 2.0 - p.Largeur / 2.0 + c.EntreePositionX));
        p.PositionY = Sature32(Arrondi(c.Y + c.Hauteur / 2.0 - p.Hauteur / 2.0 + c.EntreePositionY));
        p.DansChateau = true;
        p.DestinationX = p.PositionX;
        p.DestinationY = p.PositionY;
    }
}
