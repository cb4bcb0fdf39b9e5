// Hooks of the economy AI and of the script executor. The decision calls
// them at their places already; until the equipment and death-item passes,
// the work cycle's castle repair and the executor of AI scripts are
// written, they do nothing.
#include "ai/ModIA.h"

// Will look at one or a few inventory slots and use or wear what is worth it.
void ModIA::Equiper_Auto(std::int32_t /*i*/) {}

// Will use the items that work even for the dead (resurrection items).
void ModIA::Utiliser_Objets_Mort(std::int32_t /*i*/) {}

// Will give a share of the character's money to its castle's repair fund.
void ModIA::Reparer_Chateau(std::int32_t /*i*/) {}

// Will walk the character's AI script for its fief's era. A scripted
// character does nothing until then: it never falls back on the built-in
// behaviours.
void ModIA::Executer_IA(std::int32_t /*i*/) {}
