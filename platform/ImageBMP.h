// Writing a surface as a Windows bitmap file (24 bits per pixel, bottom-up
// rows), the format of the game's captures and of every picture it makes;
// and the checks every bitmap file passes before it is read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class Surface;

// The whole file's bytes.
std::string EncoderBMP(const Surface& surface);
// Creates the folders it needs, and writes through a temporary file renamed over the target; false when the
// file could not be written (the old one, if any, is left untouched).
bool EcrireBMP(const Surface& surface, const std::filesystem::path& chemin);

// Widest and tallest picture the game reads: ten times its largest screen.
inline constexpr std::int64_t MaxCoteBMP = 16384;

// Why the bytes of a bitmap file cannot be a picture (in French, for the
// player: a truncated file, a header promising more than the file holds,
// a size or a format the game does not read), or nothing when they can.
// Uncompressed 1, 4, 8, 24 and 32 bits per pixel are read.
std::optional<std::string> DefautBMP(std::string_view octets);
// The picture, each channel keeping its high bits; ErreurFichier naming
// `nom` with DefautBMP's reason otherwise.
Surface DecoderBMP(std::string_view octets, const std::string& nom);
