// What lies on a point or a rectangle of the map, from one character's
// point of view: the mouse hit tests, the AI's search for a building site
// and the deposit placement all ask here. The index of what was found goes
// to ModMain::IndiceEmplacement when the caller asks for it.
#pragma once

#include <cstdint>

class ModMain;

// Codes of Tester_Emplacement.
namespace Emplacement {
constexpr std::int16_t Libre = 0;
constexpr std::int16_t Ressource = 1;
constexpr std::int16_t MaisonEnChantier = 4;
constexpr std::int16_t MaisonAchevee = 5;
constexpr std::int16_t ChateauPropre = 6;
constexpr std::int16_t MaisonAlliee = 7;
constexpr std::int16_t ChateauAllie = 8;
constexpr std::int16_t PersoEnnemi = 9;
constexpr std::int16_t MaisonEnnemie = 10;
constexpr std::int16_t ChateauEnnemi = 11;
constexpr std::int16_t MaisonService = 12;
constexpr std::int16_t Tresor = 13;
constexpr std::int16_t Obstacle = 999;
}  // namespace Emplacement

// Rectangle 1 (a point when its width and height are both 0) meets
// rectangle 2; every edge counts as inside.
bool Collision_Rectangles(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t Largeur1,
                          std::int32_t Hauteur1, std::int32_t Largeur2, std::int32_t Hauteur2);

std::int16_t Tester_Emplacement(ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y,
                                std::int32_t Largeur, std::int32_t Hauteur, bool Memoriser);
// Tester_Emplacement(...) == Emplacement::Libre, with the same verdict,
// testing what most often covers a site first (the terrain, buildings) and
// the long, scattered characters array last: the AI's site search tries
// many sites around crowded castles.
bool Emplacement_Libre(const ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                       std::int32_t Hauteur);
bool Tester_Emplacement_Allie(ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y,
                              std::int32_t Largeur, std::int32_t Hauteur, bool Memoriser);
