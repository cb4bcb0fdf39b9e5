// The second half of the game setup: the heroes chosen in the setup window
// join the world from their character files, the local players get their
// characters, non-player characters of some races get an AI script, and
// the non-player characters of a new world or battle gain the difficulty's
// levels. Runs right after Creer_Partie has built the world.
#pragma once

#include <vector>

#include "engine/SetupChoices.h"
#include "world/ClsJeuMonde.h"

class ModMain;

// Each hero takes the first character of its side (team + 1) that is no
// hero yet. A hero whose file cannot be read is left out, with its message
// in MessagesPartie; a side with no room left stops the heroes, with
// "Il n'y a pas assez de place pour tous vos personnages dans l'équipe N."
// in MessagesPartie and FinPartie set. Progres hears the non-player levels
// (40 %, "Gestion des niveaux des PNJ : NN %").
//
// In a network game every machine places the heroes alike: none is marked
// from this machine's own window; the session's characters 0 .. n - 1 are
// the players', and this machine plays the one of its place. A machine
// that joined loads the heroes from the files the host sent
// (Choix.HerosDeLHote), in a folder of their own, never from its own.
void Placer_Heros(ModMain& Main, const SetupChoices& Choix, const ProgresChargement& Progres = {});

// The host's side of that: the text of each listed hero's file, as the
// choices carry them to the other machines. A file that cannot be read is
// left out; the host's own loading reports it.
std::vector<SetupChoices::FichierHeros> Fichiers_Heros(const ModMain& Main, const SetupChoices& Choix);

// The script of every scripted character, as an index into the loaded
// scripts (IndiceIA); a character whose script is not loaded plays with
// the built-in AI. The engine runs it once the scripts and the world are
// loaded.
void Resoudre_Scripts_IA(ModMain& Main);
