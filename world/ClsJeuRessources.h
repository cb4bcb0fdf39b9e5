// One resource deposit of the map: where characters harvest a resource.
// Placed by the world population or the world loader; harvesting lowers its
// quantity and an exhausted deposit is no longer shown.
#pragma once

#include <cstdint>
#include <string>

class ClsJeuRessources {
public:
    // The ground a deposit covers, in pixels: characters walk to its edge
    // and placement keeps other things off it. Its picture is drawn at
    // this size.
    static constexpr std::int32_t Largeur = 32;
    static constexpr std::int32_t Hauteur = 32;

    // ---- Public fields, in their declared order ----
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Nom;
    std::int32_t TypeTerrainRessource = 0;
    std::int32_t TypeRessource = 0;
    double Quantite = 0.0;  // quantity left
    double QuantiteInitiale = 0.0;

    bool Visible() const { return Quantite > 0.0; }
};
