// The game's music: short loops composed here from a style per situation
// (mode, tempo, chords, instruments) and a seed, rendered so that the end
// runs into the start without a seam.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tools/sons/Synthese.h"

namespace synthese {

struct MorceauPrevu {
    std::string Situation;  // the key of Ini_Musiques ("CheminVille")
    std::string Nom;        // the file name, without folder
    Tampon Son;
};

// Every track of every situation, from menu to defeat.
std::vector<MorceauPrevu> Musiques();

}  // namespace synthese
