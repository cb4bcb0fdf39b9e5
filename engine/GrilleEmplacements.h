// A coarse grid over the map of everything that keeps a site from being
// free (castles, houses, deposits, scenery, treasures, characters): a site
// test looks only at what stands in the grid squares the site covers,
// instead of at every object of the world. Its verdict is the full scan's
// (Emplacement_Libre), object for object.
//
// The grid holds where things stood when it was built; a deposit moved
// while it lives is entered again with Deplacer_Ressource. Whether a
// building stands and whether a character can be attacked are read from
// the world at each test. Nothing else may move while a grid is in use:
// it serves one placement pass (the deposits of a new world).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ModMain;

class GrilleEmplacements {
public:
    explicit GrilleEmplacements(const ModMain& Main);

    // Emplacement_Libre(Main, Perso, X, Y, Largeur, Hauteur).
    bool Libre(std::int32_t Perso, std::int32_t X, std::int32_t Y, std::int32_t Largeur, std::int32_t Hauteur) const;
    // Deposit r now lies at its X, Y.
    void Deplacer_Ressource(std::size_t r);

    // Pixels on a side of a grid square: a few map cells, so that a
    // building site covers one to four squares.
    static constexpr std::int32_t Cote = 128;

private:
    enum class Sorte : std::uint8_t { Chateau, Maison, Ressource, Decor, Tresor, Perso };
    struct Chose {
        Sorte sorte;
        std::int32_t indice;  // in its array (treasures and scenery from 1)
    };
    struct Lien {
        std::int32_t chose;
        std::int32_t suivant;  // -1 ends a square's list
    };

    void Entrer(std::int32_t chose, std::int32_t X, std::int32_t Y, std::int32_t Largeur, std::int32_t Hauteur);
    bool Touche(const Chose& c, std::int32_t camp, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                std::int32_t Hauteur) const;
    std::int32_t Colonne(std::int64_t x) const;
    std::int32_t Rangee(std::int64_t y) const;

    const ModMain& main_;
    std::int32_t colonnes_ = 1, rangees_ = 1;
    std::vector<Chose> choses_;
    std::vector<std::int32_t> ressources_;  // deposit r's thing
    std::vector<std::int32_t> tetes_;       // first link of each square
    std::vector<Lien> liens_;
    // Things of negative size, which no square range describes: tested
    // on every site.
    std::vector<std::int32_t> partout_;
};
