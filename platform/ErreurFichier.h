// The error every file reader raises for a bad file: it names the file,
// where in it (a line, or a section and key) and what is wrong, and reads
// as the French message the player sees.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

class ErreurFichier : public std::runtime_error {
public:
    // fichier: the file's name as the player knows it ("Ini_Terrain.ini").
    // details: one line per fault found, each naming its place.
    ErreurFichier(std::string fichier, std::vector<std::string> details);
    ErreurFichier(std::string fichier, std::string detail)
        : ErreurFichier(std::move(fichier), std::vector<std::string>{std::move(detail)}) {}

    const std::string& Fichier() const { return fichier_; }
    const std::vector<std::string>& Details() const { return details_; }

private:
    std::string fichier_;
    std::vector<std::string> details_;
};

// Collects the faults of one file so that the player learns of all of them
// at once; Verifier() throws when there is any.
class ErreursFichier {
public:
    explicit ErreursFichier(std::string fichier) : fichier_(std::move(fichier)) {}
    void Ajouter(std::string detail) { details_.push_back(std::move(detail)); }
    bool Vide() const { return details_.empty(); }
    const std::string& Fichier() const { return fichier_; }
    void Verifier() const {
        if (!details_.empty()) throw ErreurFichier(fichier_, details_);
    }

private:
    std::string fichier_;
    std::vector<std::string> details_;
};
