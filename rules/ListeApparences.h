// The look files a character can wear: every file of the folders under
// Images\Persos, listed once when a game is set up. The world draws a
// summoned creature's look from this list, never from the disk, so a world
// with no window draws exactly what a windowed one draws; the character
// sheets load the same files in the same order, so a look's number names
// the same picture in both.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class ClsJeuParam;
class DossierJeu;
class ModRandom;

class ListeApparences {
public:
    // Lists the look folders (names without ".", one level of sub-folders
    // included) and their files, sorted by name so that every machine with
    // the same data lists them alike, plus each race's own folders.
    void Lister(const DossierJeu& Dossier, const ClsJeuParam& Parametres);
    void Vider();

    // Index of the look whose file name (with extension) is exactly
    // Fichier; 0 when empty or not found.
    std::int16_t Indice(const std::string& Fichier) const;
    // A file of a race's look folder (as the races file names it), drawn
    // from the game's random source; "" without a draw for a folder that
    // is empty or was not listed.
    std::string Tirer(const std::string& DossierRace, ModRandom& Aleatoire) const;

    static std::string CheminPerso() { return "\\Images\\Persos\\"; }

    // Look folders, sub-folders written "Dossier\\Sous-dossier".
    std::vector<std::string> Dossiers;
    // Every look, folder by folder: the index is the look's number.
    struct Apparence {
        std::string Dossier;
        std::string Fichier;
    };
    std::vector<Apparence> Apparences;

private:
    std::map<std::string, std::vector<std::string>> FichiersRaces;
};
