// Sending a character to harvest: the nearest deposit of a deposit type,
// and the deposit type that yields a resource. The player's find-resource
// keys and buttons use Aller_Ressource_Proche too.
#include <cmath>

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuRessources.h"

void ModIA::Aller_Ressource_Proche(std::int32_t i, std::int32_t TypeRessource) {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    // The map's width plus height exceeds every distance on it.
    double meilleure = static_cast<double>(Main.Monde.LargeurCarte) * Main.Monde.LargeurCase +
                       static_cast<double>(Main.Monde.HauteurCarte) * Main.Monde.HauteurCase;
    std::int32_t choisi = -1;
    for (std::size_t k = 0; k < Main.Ressources.size(); ++k) {
        const ClsJeuRessources& gisement = Main.Ressources[k];
        if (gisement.TypeTerrainRessource != TypeRessource) continue;
        const double dy = static_cast<double>(p.PositionY) - gisement.Y;
        const double dx = static_cast<double>(p.PositionX) - gisement.X;
        const double d = std::sqrt(dy * dy + dx * dx);
        // The best distance is kept rounded: a later deposit must be
        // strictly nearer than that, so ties keep the lower index.
        if (meilleure > d) {
            meilleure = Arrondi(d);
            choisi = static_cast<std::int32_t>(k);
        }
    }
    if (choisi < 0) return;
    p.Aller_Ressource(Main.Ressources[static_cast<std::size_t>(choisi)], choisi, ClsJeuRessources::Largeur,
                      ClsJeuRessources::Hauteur);
}

void ModIA::Collecter_Ressource(std::int32_t i, std::int16_t Ressource) {
    // A resource outside the rules has no deposit type.
    if (Ressource < 0 || Ressource >= Main.Parametres.NombreRessources) return;
    Aller_Ressource_Proche(i, Main.Parametres.Ressources_TypeTerrainRessource(Ressource));
}
