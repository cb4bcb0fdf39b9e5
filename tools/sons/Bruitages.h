// The game's sound effects, made from their file names: the name says what
// the sound is ("Choc", "Fleche", "Incendie"...), a recipe per kind builds
// it, and a name no recipe knows still gets a sound of its own.
#pragma once

#include <string>

#include "tools/sons/Synthese.h"

namespace synthese {

// The sound for a file name ("ChuteForteresse.wav"), normalised.
Tampon Bruitage(const std::string& nomFichier);

}  // namespace synthese
