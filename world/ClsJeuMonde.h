// The world map: terrain types and world types read from Ini_Terrain, and
// the two grids of the current map (terrain type and tile appearance).
// Converts pixel positions into cells and answers the per-cell questions:
// may one build here, how fast does one walk, how is a character drawn.
// Map generation lives in its own file (ClsJeuMonde_Generation).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class DossierJeu;
class ModRandom;

// Progress of a long task for the loading screen: percentage and text.
using ProgresChargement = std::function<void(int pourcent, const std::string& texte)>;

// The box of a castle, as the road builder needs it.
struct BoiteChateau {
    std::int32_t X = 0, Y = 0;
    std::int16_t Largeur = 0, Hauteur = 0;
};

class ClsJeuMonde {
public:
    struct TypeTerrainDef {
        std::string Nom;
        float CoefVitesse = 0.0f;
        bool Animation = false;
        bool Inconstructible = false;
        std::int16_t ImgPersoDecalageX = 0;
        std::int16_t ImgPersoDecalageY = 0;
    };
    struct TypeMondeDef {
        std::string Nom;
        float Relief = 0.0f;
        std::vector<std::int16_t> SurfaceTerrain;  // one per terrain type 0..N
        std::int16_t Route = 0;
    };

    // Reads Ini_Terrain from the game folder; throws ErreurFichier when a
    // cell size is 0 or no terrain type is given.
    explicit ClsJeuMonde(DossierJeu& dossier);

    std::int16_t LargeurCase = 0;
    std::int16_t HauteurCase = 0;
    bool TerrainOptimise = false;
    bool TerrainAnime = false;
    std::int16_t NombreEtapesAnimation = 0;
    std::int16_t NombreTypesMondes = 0;
    std::int16_t TypeMonde = 0;
    std::int32_t LargeurCarte = 0;
    std::int32_t HauteurCarte = 0;

    // Pixel -> nearest cell corner, halves to even.
    std::int32_t TerrainIndice(std::int32_t X, std::int32_t Y) const;
    bool Constructible(std::int32_t X, std::int32_t Y, std::int32_t l = 0, std::int32_t H = 0) const;
    float CoefVitesse(std::int32_t X, std::int32_t Y) const;
    std::int16_t ImgDecalageX(std::int32_t X, std::int32_t Y) const;
    std::int16_t ImgDecalageY(std::int32_t X, std::int32_t Y) const;

    // Cell access by index. Gets outside the grid read 0 (no terrain);
    // sets past the end enlarge the grid, but never beyond the map's own
    // grid (or MaxCellules while no map size is set): such a set is refused
    // and returns false.
    std::int16_t Param_TerrainApparence(std::int32_t i) const;
    bool Param_TerrainApparence(std::int32_t i, std::int16_t valeur);
    std::int16_t Param_TerrainCategorie(std::int32_t i) const;
    bool Param_TerrainCategorie(std::int32_t i, std::int16_t valeur);
    bool Param_TerrainAnimation(std::int32_t i) const;
    const std::string& Param_MondeNom(std::int32_t type) const;

    std::int32_t Longueur_Diagonale() const;

    bool Definir_TerrainOptimise() const { return TerrainOptimise; }
    void Definir_TerrainOptimise(bool valeur);
    bool Definir_TerrainAnime() const { return TerrainAnime; }
    void Definir_TerrainAnime(bool valeur);

    std::int16_t NombreTypesTerrains() const { return NombreTypesTerrains_; }
    const TypeTerrainDef& TypeTerrain(std::int32_t t) const { return TypeTerrain_.at(static_cast<std::size_t>(t)); }
    const TypeMondeDef& TypeMondeTerrain(std::int32_t m) const { return TypeMondeTerrain_.at(static_cast<std::size_t>(m)); }

    // Map generation (ClsJeuMonde_Generation.cpp). Every draw comes from
    // the game's random source, in cell order, so that a map is reproduced
    // exactly when the source replays the same sequence.
    void Generer_Monde(std::int16_t typeMonde, ModRandom& aleatoire, const ProgresChargement& progres = {});
    void Contruire_Routes(const std::vector<BoiteChateau>& chateaux, ModRandom& aleatoire,
                          const ProgresChargement& progres = {});
    void Reformer_Terrain(const ProgresChargement& progres = {});

    // Recreates both grids with cells 0 .. (W + 1) x (H + 1), all ground.
    void Creer_Grilles();
    std::size_t TailleGrille() const { return TerrainCategorie_.size(); }

    // Largest grid a loader may build cell by cell before a map size is
    // known (a 2048 x 2048 map).
    static constexpr std::int32_t MaxCellules = 2049 * 2049;

private:
    void Etendre_Terrain(std::int32_t t, ModRandom& aleatoire);
    std::int32_t TypeVoisin(std::int64_t i) const;
    bool IndiceInterieur(std::int32_t i) const;
    bool AgrandirJusque(std::vector<std::int32_t>& grille, std::int32_t i);
    void Ecrire(const char* cle, bool valeur);

    DossierJeu* dossier_;
    std::int16_t NombreTypesTerrains_ = 0;
    std::vector<TypeTerrainDef> TypeTerrain_;
    std::vector<TypeMondeDef> TypeMondeTerrain_;
    std::vector<std::int32_t> TerrainCategorie_;
    std::vector<std::int32_t> TerrainApparence_;
};
