// The error every file reader raises for a bad file: it names the file,
// where in it (a line, or a section and key) and what is wrong, and reads
// as the French message the player sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

class ErreurFichier : public std::runtime_error {
public:
    // At most this many faults are listed; the rest are only counted, so
    // that a file of a million bad lines makes a message one can read.
    static constexpr std::size_t MaxDetails = 50;

    // fichier: the file's name as the player knows it ("Ini_Terrain.ini").
    // details: one line per fault found, each naming its place. Beyond
    // MaxDetails, a last line tells how many more there were.
    ErreurFichier(std::string fichier, std::vector<std::string> details);
    ErreurFichier(std::string fichier, std::string detail)
        : ErreurFichier(std::move(fichier), std::vector<std::string>{std::move(detail)}) {}

    const std::string& Fichier() const { return fichier_; }
    const std::vector<std::string>& Details() const { return details_; }

    // The closing line of a list cut after MaxDetails faults.
    static std::string Suite(std::size_t autres);

private:
    ErreurFichier(std::string fichier, std::vector<std::string> details, int);
    std::string fichier_;
    std::vector<std::string> details_;
};

// Collects the faults of one file so that the player learns of all of them
// at once; Verifier() throws when there is any. Only the first MaxDetails
// are kept: the others are counted.
class ErreursFichier {
public:
    explicit ErreursFichier(std::string fichier) : fichier_(std::move(fichier)) {}
    void Ajouter(std::string detail) {
        if (details_.size() < ErreurFichier::MaxDetails) details_.push_back(std::move(detail));
        else ++autres_;
    }
    bool Vide() const { return details_.empty(); }
    std::size_t Nombre() const { return details_.size() + autres_; }
    const std::string& Fichier() const { return fichier_; }
    void Verifier() const {
        if (details_.empty()) return;
        std::vector<std::string> d = details_;
        if (autres_ > 0) d.push_back(ErreurFichier::Suite(autres_));
        throw ErreurFichier(fichier_, std::move(d));
    }

private:
    std::string fichier_;
    std::vector<std::string> details_;
    std::size_t autres_ = 0;
};

// Largest files the game reads, by kind: far above any real one, low
// enough that a stray or hostile file costs little before it is refused.
namespace TailleFichierMax {
inline constexpr std::uintmax_t Ini = 4u << 20;        // settings, rules, texts
inline constexpr std::uintmax_t Perso = 1u << 20;      // a character file
inline constexpr std::uintmax_t ScriptIA = 1u << 20;   // an AI script
inline constexpr std::uintmax_t Image = 64u << 20;     // a picture
}  // namespace TailleFichierMax

// The whole file as LireFichier gives it, or ErreurFichier naming `nom`
// when the file is larger than `maximum` (nothing is read then). Nothing
// when the file cannot be read.
std::optional<std::string> LireFichierBorne(const std::filesystem::path& chemin, std::uintmax_t maximum,
                                            const std::string& nom);
