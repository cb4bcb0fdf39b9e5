// Writing a surface as a Windows bitmap file (24 bits per pixel, bottom-up
// rows), the format of the game's captures and of every picture it makes.
#pragma once

#include <filesystem>
#include <string>

class Surface;

// The whole file's bytes.
std::string EncoderBMP(const Surface& surface);
// Creates the folders it needs, and writes through a temporary file renamed over the target; false when the
// file could not be written (the old one, if any, is left untouched).
bool EcrireBMP(const Surface& surface, const std::filesystem::path& chemin);
