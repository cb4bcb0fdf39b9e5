// Placing the objects of a new world on a generated map: castles spread
// apart, deposits at free places, characters at their castle's entrance,
// and the race of each generated character. Every draw comes from the
// game's random source, in a fixed order per procedure.
#pragma once

#include <cstdint>
#include <vector>

class ModRandom;

// Occupancy of the cells rows rmin..rmax x columns cmin..cmax.
class GrillePoints {
public:
    GrillePoints(std::int32_t rmin, std::int32_t rmax, std::int32_t cmin, std::int32_t cmax);
    bool Occupe(std::int32_t ligne, std::int32_t colonne) const;
    void Marquer(std::int32_t ligne, std::int32_t colonne, bool occupe);
    bool Dedans(std::int32_t ligne, std::int32_t colonne) const {
        return ligne >= rmin && ligne <= rmax && colonne >= cmin && colonne <= cmax;
    }
    const std::int32_t rmin, rmax, cmin, cmax;

private:
    std::vector<std::uint8_t> cases_;
};

struct PointGrille {
    std::int32_t Ligne = 0, Colonne = 0;
};

// Spreads n points over the grid: a random draw (Tirer_Points), then
// rounds that move crowded points apart (Ecarter_Points). Always returns
// n distinct marked cells when the grid holds that many.
GrillePoints Repartir_Points(std::int32_t rmin, std::int32_t rmax, std::int32_t cmin, std::int32_t cmax,
                             std::int32_t n, ModRandom& aleatoire);
void Tirer_Points(GrillePoints& grille, std::vector<PointGrille>& points, ModRandom& aleatoire);
void Ecarter_Points(GrillePoints& grille, std::vector<PointGrille>& points, ModRandom& aleatoire);

class ModMain;

// Gives character Perso its race (and sex, and a monster's AI script).
// Monstre = -1 draws a monster kind of the people.
void Choisir_Race_Perso(ModMain& Main, std::int32_t Perso, std::int16_t Peuple, std::int16_t Monstre, bool Drapeau);
// Positions, sizes and raises every castle, spread over the map.
void Placer_Chateaux(ModMain& Main);
// Positions and defines every deposit at a free buildable place (in a
// network game the first draw is kept, so that every machine agrees).
void Placer_Ressources(ModMain& Main, bool Reseau);
// Every character at its castle's entrance, inside.
void Placer_Persos_Chateaux(ModMain& Main);
