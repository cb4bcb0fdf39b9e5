// The data a world is built from, as fingerprints two machines compare
// before a network game: the rules, the names drawn for characters, the
// terrain, the AI scripts and the list of look files (their names: a
// summoned creature's look is drawn from that list). Two programs whose rules differ would build
// different worlds from the same choices and part at the first check; the
// join is refused instead, naming the file. Settings that only touch one
// player's screen, keys or sound are left out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace DonneesReseau {

struct Empreinte {
    std::string Fichier;  // relative to the game folder, with "/"
    std::uint64_t Valeur = 0;
    bool operator==(const Empreinte&) const = default;
};

// The fingerprints of the game folder's world data, sorted by file name.
std::vector<Empreinte> Empreintes(const std::filesystem::path& Racine);

// As one text ("file<TAB>hex" per line), and back: nothing when the text
// is not one this program writes.
std::string Ecrire(const std::vector<Empreinte>& e);
std::optional<std::vector<Empreinte>> Lire(const std::string& Texte);

// "" when the joining player has the host's data; else the French message,
// for that player, naming the first file that differs or that only one
// side has.
std::string Comparer(const std::vector<Empreinte>& Hote, const std::vector<Empreinte>& Joueur);

}  // namespace DonneesReseau
