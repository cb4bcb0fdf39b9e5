// Paths of the game folder. The game writes its paths Windows-style
// ("\Images\Persos.bmp"); here they become ordinary paths, and a file that
// does not exist under its exact name is found ignoring letter case.
#pragma once

#include <filesystem>
#include <string_view>

// base + relatif, with "\" turned into "/", doubled separators collapsed,
// and each missing component looked up ignoring letter case. A component
// that exists under no case is kept as written (so the result can name a
// file to create).
std::filesystem::path CheminJeu(const std::filesystem::path& base, std::string_view relatif);

// A name that will become one component of a path (a character, a save, a
// script): no separators, no "..", no control characters, 1 to 64
// characters. The game's own names pass; anything that could escape its
// folder does not.
bool NomFichierSur(std::string_view nom);
