#include "world/ModGenererMonde.h"

#include <cmath>
#include <cstdlib>

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
                        aleatoire.Nombre_Aleatoire();  // drawn and unused, as the game always has
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
