// Spoken orders: a character under attack calls its side for help, a
// leader sends, stops, arranges or frees the creatures it summoned, and a
// player's selection walks, attacks or gathers at a building. Every order
// is announced by a line of the leader; members may acknowledge it.
//
// Characters are named by their index in Persos (an invalid index names
// nobody and the order does nothing); a group is a list of such indices.
// The acknowledgements of a player's selection draw from the machine's own
// generator; everything else draws from the game's random source.
#pragma once

#include <cstdint>
#include <vector>

class ModMain;

namespace ModDialogue {

using Groupe = std::vector<std::int32_t>;

// What Ordre_Attaquer_Groupe aims at: a character, a house, a castle, or
// the leader's own current attack.
enum TypeCible : std::int16_t { CibleActuelle = -1, CiblePerso = 0, CibleMaison = 1, CibleChateau = 2 };

// The caller's side answers: about three of its fit, idle, AI-led
// characters join the caller's fight or go for its attacker.
void Appel_Aide(ModMain& Main, std::int32_t Appelant);

// The leader's creatures attack a target, defend the leader or follow it.
// Choix2 orders 10 (Choix1) or 5 of them, else Choix1 orders one, else all.
void Ordre_Attaquer_Groupe(ModMain& Main, std::int32_t Chef, std::int16_t TypeCible, std::int32_t IndiceCible,
                           bool Choix1, bool Choix2);
// Stops the selection (Selection) or the leader's living creatures.
void Ordre_Arreter_Groupe(ModMain& Main, std::int32_t Chef, bool Selection, const Groupe& Groupe);
// Gives the following creatures their places in the leader's formation.
void Placer_Formation(ModMain& Main, std::int32_t Chef, bool ChangerFormation, bool Silencieux);
// Hands the leader's living creatures to the built-in AI, or takes them back.
void Activer_IA_Invocations(ModMain& Main, std::int32_t Chef, bool Valeur);

void Ordre_Deplacer_Groupe(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t X, std::int32_t Y);
void Ordre_Attaquer_Perso(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible);
void Ordre_Attaquer_Maison(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible);
void Ordre_Attaquer_Chateau(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible);
// The leader goes into house (castle) Indice, the other members gather on
// it and keep to their errand (Suivre 1 or 2).
void Ordre_Rentrer_Maison(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t Indice);
void Ordre_Rentrer_Chateau(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t Indice);

}  // namespace ModDialogue
