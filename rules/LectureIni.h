// Reading a settings file key by key, collecting every fault of the file
// before it is refused: strict numbers, 16-bit fields, colours, switches.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ErreurFichier.h"
#include "rules/ClsFicINI.h"

namespace LectureIni {

// A number rounded to 16 bits; a missing key reads 0. A value that is not a
// number or does not fit is a fault.
std::int16_t Entier16(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs);
// A colour 0x00BBGGRR rounded to 32 bits; missing reads 0.
std::uint32_t Couleur(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs);
// A switch: "1"/"0", "True"/"False" (any case), any number not 0 is on. An
// empty or other text is a fault (every switch must be present).
bool Booleen(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs);
// A number of any size; missing reads 0; non-numeric is a fault.
double Reel(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs);

}  // namespace LectureIni
