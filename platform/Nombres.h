// Text-to-number conversions and the rounding rules every quantity of the
// game follows. Pure functions, no state.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// Lenient conversion: the number that begins the text (blanks skipped,
// optional sign, digits, optional "." and decimals, optional exponent);
// 0 when the text does not begin with a number. Never fails.
double Val(std::string_view texte);

// Strict conversion: the whole text, blanks at both ends aside, must be a
// number. "." is the separator; "," is accepted too, as typed by French
// players. Returns nothing when the text is not a number.
std::optional<double> ValeurStricte(std::string_view texte);

// Nearest whole number, halves to the even neighbour.
double Arrondi(double x);
// Int(x): the largest whole number not above x.
double Entier(double x);

// Storing a fractional value into a 16- or 32-bit field: rounded half to
// even. The checked forms throw std::range_error when the value does not
// fit (file readers turn that into an error naming the file); the
// saturating forms clamp (game logic).
std::int16_t VersEntier16(double x);
std::int32_t VersEntier32(double x);
std::int16_t Sature16(double x);
std::int32_t Sature32(double x);

// A Boolean read from a file: any value whose lenient conversion is not 0.
inline bool VersBooleen(std::string_view texte) { return Val(texte) != 0.0; }

// Numbers written into files always use ".", and as few digits as give the
// value back exactly.
std::string TexteNombre(double x);
// Numbers shown to the player use the French decimal comma.
std::string TexteNombreFrancais(double x, int decimales = -1);
