// The order layer: every order a player gives its own character from the
// map or the interface (walk, harvest, go into the castle, build the
// house, go into the house) goes through here. Without a network session
// an order acts at once; with one it is broadcast, and every machine
// applies it when the turn is replayed, at the same point of the game.
//
// Characters, deposits, castles and houses are named by their index in the
// world's arrays; an order naming an index outside them does nothing, as
// an order received from another machine may.
#pragma once

#include <cstdint>

class ModMain;
struct MessageCom;

namespace ModCommandes {

// Walk to the map point (X, Y), in pixels.
void Commande_Aller_A(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y);
// Go and harvest deposit NoRessource.
void Commande_Aller_Ressource(ModMain& Main, std::int32_t NoPerso, std::int32_t NoRessource);
// Go into the castle NoChateau (its fief's index).
void Commande_Rentrer_Chateau(ModMain& Main, std::int32_t NoPerso, std::int32_t NoChateau);
// Build a house of type Type at (X, Y) in the character's own slot of the
// houses, then go into it. A character that can no longer pay for it
// (its goods changed since the order was given) builds nothing.
void Commande_Construire_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y,
                                std::int16_t Type);
// Go into house NoMaison (its owner's index).
void Commande_Rentrer_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t NoMaison);

// The replay of one received order of player Joueur (its character is
// Joueur's): the order's procedure without the session. An order for
// another character, with a number that is no integer, or of an unknown
// kind does nothing; returns whether it was an order.
bool Rejouer_Ordre(ModMain& Main, std::int32_t Joueur, const MessageCom& m);

}  // namespace ModCommandes
