// Names read from the game's files that become paths (pictures, sounds,
// music, looks, scripts, saves, documents) stay inside the game folder.
// A path is written the game's way: relative to the folder, "\" or "/"
// between names, a leading "\" allowed ("\Images\Fond800.bmp").
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Why such a path cannot name a file of the folder (in French: a ".."
// component, an absolute path, a drive, a control character), or nothing
// when it can. Checks the text alone: for a name read now, opened later.
std::optional<std::string> DefautChemin(std::string_view relatif);

// The path below `racine` (letter case found as CheminJeu finds it), or
// nothing when DefautChemin refuses it or when it leads out of `racine`
// through a link.
std::optional<std::filesystem::path> CheminDansDossier(const std::filesystem::path& racine,
                                                       std::string_view relatif);

// As CheminDansDossier, but a refusal throws ErreurFichier naming
// `fichier` and `lieu` (a section and key: "Section [Sons], clé Chemin").
std::filesystem::path CheminConfine(const std::filesystem::path& racine, std::string_view relatif,
                                    const std::string& fichier, std::string_view lieu);

// The fault line for a refused path read at `lieu`, or nothing when the
// path is fine: for loaders that collect every fault of a file.
std::optional<std::string> FauteChemin(std::string_view relatif, std::string_view lieu);
