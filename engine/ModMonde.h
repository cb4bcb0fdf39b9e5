// The per-tick world step: every character's upkeep and state machine (with
// the speech line an action may produce), the items' special abilities, and
// the animation counters of houses, scenery and effects. Nothing here
// draws; the next frame shows the result.
//
// The walks run by index over the arrays as they are at each step:
// summoning may grow them, so no element is held across a call.
#pragma once

class ModMain;

namespace ModMonde {

// One tick of every character, in index order: Recuperation, then
// Deplacement on the targets its indices name. A character later in the
// array sees what earlier ones did this tick.
void Deplacer_Persos(ModMain& Main);
void Animer_Maisons(ModMain& Main);
void Animer_Decors(ModMain& Main);
// House effects first, then character effects.
void Animer_Effets(ModMain& Main);

// The world's share of one simulation tick, in the game's order:
// Deplacer_Persos, the special abilities, then the animations (the AI and
// the fiefs' upkeep come before it, the terrain's animation and the
// interfaces' automatic actions belong to the engine window).
void Pas_Monde(ModMain& Main);

}  // namespace ModMonde
