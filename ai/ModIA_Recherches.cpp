// The radius searches of the patrol, the attacker search of the guards and
// the walk through a side's houses of one type. The radius searches look at
// a rotating slice of their array per call, within a radius that grows each
// time the slice has gone round: cheap, and they find some enemy near
// enough rather than the nearest.
#include <algorithm>
#include <cmath>
#include <utility>

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"

namespace {

double Distance(const ClsJeuPerso& p, std::int32_t x, std::int32_t y) {
    const double dx = static_cast<double>(p.PositionX) - x;
    const double dy = static_cast<double>(p.PositionY) - y;
    return std::sqrt(dx * dx + dy * dy);
}

// A radius past 640 pixels starts again small.
constexpr std::int32_t RayonMax = 640;
constexpr std::int32_t RayonRepli = 64;

// NombreParRecherche + 1 examinations of an array of Nombre entries from
// Curseur on, for character p.
template <class Accepter, class Position>
bool Chercher_Rayon(const ClsJeuPerso& p, std::int32_t NombreParRecherche, std::size_t Nombre, std::int32_t& Curseur,
                    std::int32_t& Rayon, std::int32_t Croissance, Accepter accepter, Position position,
                    std::int32_t& Trouve) {
    Trouve = -1;
    // Nothing to look at: the cursor and the radius stay as they are.
    if (Nombre == 0) return false;
    const auto dernier = static_cast<std::int32_t>(Nombre) - 1;
    bool resultat = false;
    for (std::int32_t n = 0; n <= NombreParRecherche && !resultat; ++n) {
        if (Curseur > dernier || Curseur < 0) {
            Curseur = 0;
            Rayon = Sature32(static_cast<double>(Rayon) + Croissance);
            if (Rayon > RayonMax) Rayon = RayonRepli;
        }
        const std::int32_t j = Curseur;
        const auto [x, y] = position(static_cast<std::size_t>(j));
        // The distance first: it reads what is at hand, and most entries
        // fail it; the side and the state only for those within reach.
        if (Distance(p, x, y) < Rayon && accepter(static_cast<std::size_t>(j))) {
            Trouve = j;
            resultat = true;
        }
        ++Curseur;
    }
    return resultat;
}

}  // namespace

bool ModIA::Chercher_Perso_Rayon(std::int32_t i, std::int32_t& Trouve) {
    Trouve = -1;
    if (!PersoValide(i)) return false;
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t camp = Main.Persos[k].Camp;
    return Chercher_Rayon(
        Main.Persos[k], NombreParRecherche, Main.Persos.size(), CurseurPerso[k], RayonPerso[k], 48,
        [&](std::size_t j) { return Main.Persos[j].Camp != camp && Main.Persos[j].Attaquable(); },
        [&](std::size_t j) { return std::pair{Main.Persos[j].PositionX, Main.Persos[j].PositionY}; }, Trouve);
}

bool ModIA::Chercher_Maison_Rayon(std::int32_t i, std::int32_t& Trouve) {
    Trouve = -1;
    if (!PersoValide(i)) return false;
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t camp = Main.Persos[k].Camp;
    // House j is its owner's, character j: a house with no owner is
    // nobody's and never examined.
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    return Chercher_Rayon(
        Main.Persos[k], NombreParRecherche, n, CurseurMaisonEnnemie[k], RayonMaison[k], 96,
        [&](std::size_t j) { return Main.Persos[j].Camp != camp && Main.Maisons[j].Visible(); },
        [&](std::size_t j) { return std::pair{Main.Maisons[j].X, Main.Maisons[j].Y}; }, Trouve);
}

bool ModIA::Chercher_Chateau_Rayon(std::int32_t i, std::int32_t& Trouve) {
    Trouve = -1;
    if (!PersoValide(i)) return false;
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t camp = Main.Persos[k].Camp;
    const std::size_t n = std::min(Main.Chateaux.size(), Main.Fiefs.size());
    // Twice the first people's castle width, a 16-bit sum as the game keeps it.
    const std::int32_t croissance = Sature16(2.0 * Main.Parametres.Peuples_ChateauLargeur(0));
    return Chercher_Rayon(
        Main.Persos[k], NombreParRecherche, n, CurseurChateau[k], RayonChateau[k], croissance,
        [&](std::size_t j) { return Main.Fiefs[j].Camp != camp && Main.Chateaux[j].Visible(); },
        [&](std::size_t j) { return std::pair{Main.Chateaux[j].X, Main.Chateaux[j].Y}; }, Trouve);
}

bool ModIA::Chercher_Assaillant(std::int32_t i, std::int32_t b, bool Chateau, std::int32_t& Trouve) {
    Trouve = -1;
    if (!PersoValide(i) || Main.Persos.empty()) return false;
    std::int32_t& curseur = CurseurPerso[static_cast<std::size_t>(i)];
    const auto dernier = static_cast<std::int32_t>(Main.Persos.size()) - 1;
    for (std::int32_t n = 0; n <= NombreParRecherche; ++n) {
        if (curseur > dernier || curseur < 0) curseur = 0;
        const ClsJeuPerso& q = Main.Persos[static_cast<std::size_t>(curseur)];
        const bool pris = Chateau ? (q.CibleChateau == b && q.Action == Actions::DetruireChateau) : (q.CibleMaison == b && q.Action == Actions::DetruireMaison);
        if (pris) Trouve = curseur;
        ++curseur;
        if (pris) return true;
    }
    return false;
}

void ModIA::Aller_Maison_Suivante(ClsJeuPerso& Perso, std::int16_t t) {
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    if (n == 0) return;
    // A target house that names no house starts the walk at house 0.
    std::int64_t h = static_cast<std::int64_t>(Perso.CibleMaison) + 1;
    for (std::size_t c = 0; c < n; ++c, ++h) {
        if (h < 0 || static_cast<std::uint64_t>(h) >= n) h = 0;
        const ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(h)];
        if (maison.Visible() && maison.TypeBatiment == t && Main.Persos[static_cast<std::size_t>(h)].Camp == Perso.Camp) {
            Perso.Aller_Maison(maison);
            return;
        }
    }
}
