// Special abilities of items: an item used by a character leaves its type
// in CapaciteEnAttente, and the abilities step of the next tick carries it
// out: summoning creatures, healing the bearer or the nearest wounded
// allies, raising the bearer or the nearest dead allies.
//
// Summoning may add character slots: Persos, Maisons, EffetsPersos and
// EffetsMaisons grow together (and the AI tables with them), so nothing
// here keeps a reference to an element across a summoning.
#pragma once

#include <cstdint>

class ModMain;

namespace ModCapacites {

// Carries out every pending ability, in index order, of the characters
// that existed when the step began, and clears it.
void Capacites_Speciales(ModMain& Main);
// Character Invocateur summons Nombre creatures of race Race (0 counts as
// one): dead summoned creatures' slots first, then new slots at the end.
void Invoquer(ModMain& Main, std::int16_t Race, std::int16_t Nombre, std::int32_t Invocateur, std::int16_t Effet);
// Nombre passes of a ranged ability of character Lanceur: each reaches the
// nearest ally of its side that is wounded (Resurrection 0) or dead and not
// summoned (Resurrection 1 or more), when strictly within Portee.
void Gains_Zone(ModMain& Main, std::int32_t Lanceur, std::int16_t Portee, double GainVie, double GainEnergie,
                double GainMagie, double GainMoral, std::int16_t Resurrection, std::int16_t Nombre,
                std::int16_t Effet);
// Raises dead character Indice with 5 % of its life, the rest to regain.
void Ressusciter(ModMain& Main, std::int32_t Indice, std::int16_t Effet);

}  // namespace ModCapacites
