// The map's ground: the tile sheet of the terrain zone, its animation, and
// the two ways of drawing the visible part of the map, tile by tile or from
// 512 x 512 blocks pre-rendered once per game. Both give the same pixels.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "display/Vue.h"
#include "platform/Surface.h"
#include "world/ClsJeuMonde.h"

class Graphique;

class ClsAffTerrain {
public:
    static constexpr std::int32_t TailleBloc = 512;

    std::int32_t LargeurCase = 0;
    std::int32_t HauteurCase = 0;
    // Largest memory the pre-rendered blocks may take; a bigger map is
    // drawn tile by tile.
    std::size_t BudgetBlocs = std::size_t{256} << 20;

    // Loads "\Images\terrains\" & TerrainZone & ".bmp"; throws ErreurImage
    // with "Texture du terrain <zone> introuvable. Abandon." when it cannot.
    void Charger(Graphique& dd, std::string_view TerrainZone);
    void Charger(Surface feuille);

    // One tile (column ApparenceTerrain, row TypeTerrain of the sheet) at
    // (X, Y) of the back buffer, colour-keyed, not moved by any view.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t ApparenceTerrain, std::int32_t TypeTerrain,
                  Surface& SurfBack) const;

    // Once per simulation tick: the frame of animated terrain goes up and
    // down (0, 1, .., n - 1, n - 2, .., 0) once every Vitesse + 1 ticks.
    void Animation_Suivante(const ClsJeuMonde& Monde, std::int32_t Vitesse);
    std::int16_t EtapeTerrain() const { return EtapeTerrain_; }
    bool SensDescendant() const { return SensDescendant_; }

    // Pre-renders the whole map into blocks. False (and no blocks) when
    // they would take more than BudgetBlocs: draw tile by tile then.
    bool Modeliser_Carte(const ClsJeuMonde& Monde, const ProgresChargement& progression = {});
    bool BlocsPrets() const { return !Blocs_.empty(); }
    void Liberer_Blocs();
    std::size_t NombreBlocs() const { return Blocs_.size(); }

    // The view's corner on the back buffer (OrigineX, OrigineY), the map
    // pixel shown there (DefilementX, DefilementY, negative when the map
    // is smaller than the view) and the view's size. Nothing is drawn right
    // of vue.LargeurVue or below vue.HauteurVue (back-buffer coordinates),
    // nor outside the map.
    void AfficheVeryFast(std::int32_t OrigineX, std::int32_t OrigineY, std::int32_t DefilementX,
                         std::int32_t DefilementY, std::int32_t LargeurZone, std::int32_t HauteurZone,
                         Surface& SurfBack, const Vue& vue, const ClsJeuMonde& Monde) const;
    void AfficheFast(std::int32_t OrigineX, std::int32_t OrigineY, std::int32_t DefilementX,
                     std::int32_t DefilementY, std::int32_t LargeurZone, std::int32_t HauteurZone, Surface& SurfBack,
                     const Vue& vue, const ClsJeuMonde& Monde) const;

    // Row of the tile sheet for a terrain type at an animation frame: each
    // type has its row, an animated type one row per frame, and the rows of
    // the types after it move down accordingly. -1 for an unknown type.
    static std::int32_t LigneFeuille(const ClsJeuMonde& Monde, std::int32_t categorie, std::int32_t etape);
    // Rows of a complete tile sheet.
    static std::int32_t NombreLignesFeuille(const ClsJeuMonde& Monde);
    // Appearance codes: the columns of the sheet.
    static constexpr std::int32_t NombreApparences = 16;

private:
    // The frame animated cells show now (0 when the animation is off).
    std::int16_t EtapeAffichee(const ClsJeuMonde& Monde) const;
    // Source rectangle of map cell (cx, cy), empty when nothing is drawn.
    Rectangle RectangleCase(const ClsJeuMonde& Monde, std::int32_t cx, std::int32_t cy, std::int16_t etape) const;

    std::shared_ptr<const Surface> feuille_;
    std::int16_t CompteurAnimation_ = 0;
    std::int16_t EtapeTerrain_ = 0;
    bool SensDescendant_ = false;
    std::vector<Surface> Blocs_;
    // Blocks without a transparent pixel are copied without the key (same
    // pixels, faster).
    std::vector<bool> BlocsPleins_;
    std::int32_t blocsA_ = 0, blocsD_ = 0, blocsF_ = 0;
};
