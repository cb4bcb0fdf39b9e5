// The searches that find somewhere for a character to go: a building of its
// team that supplies what it needs (one slice of the houses per call,
// within a square that widens each time the slice has gone round), a
// treasure within a radius that grows at random, and the nearest treasure.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuTresors.h"

namespace {

// The square's half side after a find, and its growth per round.
constexpr std::int32_t DistanceDepart = 96;
// A treasure radius past this starts again from 0.
constexpr std::int32_t RayonTresorMax = 724;

}  // namespace

bool ModIA::Chercher_Maison_Ravitaillement(ClsJeuPerso& Perso, std::int32_t Indice, std::int16_t Ressource,
                                           std::int16_t TypeBesoin, std::int16_t Service,
                                           std::int32_t& IndiceMaison) {
    IndiceMaison = -1;
    if (!PersoValide(Indice)) return false;
    // House h is character h's; a house with no owner has no team.
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    if (n == 0) return false;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(Indice);
    std::int32_t& curseur = CurseurMaison[k];
    std::int32_t& distance = DistanceRecherche[k];
    const auto dernier = static_cast<std::int32_t>(n) - 1;

    for (std::int32_t t = 0; t <= NombreParRecherche; ++t) {
        if (curseur > dernier || curseur < 0) {
            distance = Sature32(static_cast<double>(distance) + DistanceDepart);
            curseur = 0;
        }
        const std::int32_t h = curseur;
        const ClsJeuBatiment& m = Main.Maisons[static_cast<std::size_t>(h)];
        const std::int32_t D = distance;
        const std::int64_t dx = std::llabs(static_cast<std::int64_t>(Perso.PositionX) - m.X);
        const std::int64_t dy = std::llabs(static_cast<std::int64_t>(Perso.PositionY) - m.Y);
        // The tests on the house itself come first and the owner's team
        // last: most houses fail the square, and the owner lies elsewhere
        // in memory.
        auto equipe = [&] { return Main.Persos[static_cast<std::size_t>(h)].Equipe == Perso.Equipe; };
        const bool proche = dx < D && dy < D;
        const bool pret = proche && m.Definir_Stock() >= 1.0 && m.Acheve;

        bool accepte = false;
        if (Service > 0) {
            accepte = pret && m.Service == Service && equipe();
        } else if (TypeBesoin == 5) {
            accepte = pret && m.Fabrique && equipe();
        } else if (pret && (m.Magasin || m.Fabrique)) {
            const std::int32_t produit = P.Batiment_RessourceFabrique(m.TypeBatiment);
            if (Ressource == 0) {
                double gain = 0.0;
                switch (TypeBesoin) {
                case 1: gain = P.Ressources_GainVie(produit); break;
                case 2: gain = P.Ressources_GainEnergie(produit); break;
                case 3: gain = P.Ressources_GainMagie(produit); break;
                case 4: gain = P.Ressources_GainMoral(produit); break;
                default: break;  // no other need is ever served
                }
                accepte = produit >= 0 && gain > 0.0 && equipe();
            } else {
                const double d = std::sqrt(static_cast<double>(dx * dx + dy * dy));
                accepte = produit == Ressource && d <= D && equipe();
            }
        }
        if (accepte) {
            IndiceMaison = h;
            distance = DistanceDepart;
        }
        // The next search starts behind the house examined, found or not.
        curseur = h + 1;
        if (accepte) return true;
    }
    return false;
}

bool ModIA::Chercher_Tresor_Rayon(ClsJeuPerso& Perso, std::int32_t Indice, std::int32_t& IndiceTresor) {
    if (!PersoValide(Indice)) return false;
    std::int32_t& rayon = RayonTresor[static_cast<std::size_t>(Indice)];
    rayon = Sature32(rayon + static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * ClsJeuTresors::Largeur * 10.0);
    if (rayon > RayonTresorMax) {
        rayon = 0;
        return false;
    }
    // The first treasure within the radius, in collection order.
    for (std::int32_t t = 1; t <= Main.Tresors.Count(); ++t) {
        const ClsJeuTresors& tresor = Main.Tresors(t);
        const double dx = static_cast<double>(Perso.PositionX) - tresor.X;
        const double dy = static_cast<double>(Perso.PositionY) - tresor.Y;
        if (std::sqrt(dx * dx + dy * dy) <= rayon) {
            IndiceTresor = t;
            rayon = 0;
            return true;
        }
    }
    return false;
}

void ModIA::Aller_Tresor_Proche(std::int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size() || Main.Tresors.Count() == 0) return;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    double meilleure = static_cast<double>(Main.Monde.LargeurCarte) * Main.Monde.LargeurCase +
                       static_cast<double>(Main.Monde.HauteurCarte) * Main.Monde.HauteurCase;
    std::int32_t choisi = -1;
    for (std::int32_t t = 1; t <= Main.Tresors.Count(); ++t) {
        const ClsJeuTresors& tresor = Main.Tresors(t);
        const double dy = static_cast<double>(p.PositionY) - tresor.Y;
        const double dx = static_cast<double>(p.PositionX) - tresor.X;
        const double d = std::sqrt(dy * dy + dx * dx);
        if (meilleure > d) {
            meilleure = Arrondi(d);
            choisi = t;
        }
    }
    if (choisi < 0) return;
    p.Aller_Tresor(Main.Tresors(choisi), choisi, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur);
}
