// A sound output that plays nothing and writes down what it was asked,
// one line per call, for the sound and music tests.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "platform/SortieSon.h"

class SortieSonEnregistree : public SortieSon, public SortieMusique {
public:
    // File names (last component) that Charger and Ouvrir refuse.
    std::set<std::string> Illisibles;
    std::vector<std::string> Appels;
    std::vector<std::filesystem::path> Charges;
    std::vector<std::string> Morceaux;

    void Vider(std::int32_t nombre) override { Appels.push_back("Vider " + std::to_string(nombre)); }
    bool Charger(std::int32_t i, const std::filesystem::path& fichier) override {
        Charges.push_back(fichier);
        return !Illisibles.count(fichier.filename().string()) && std::filesystem::exists(fichier);
    }
    void Jouer(std::int32_t i) override { Appels.push_back("Jouer " + std::to_string(i)); }

    bool Ouvrir(const std::filesystem::path& fichier) override {
        Appels.push_back("Ouvrir " + fichier.filename().string());
        Morceaux.push_back(fichier.lexically_relative(fichier.parent_path().parent_path()).generic_string());
        return !Illisibles.count(fichier.filename().string());
    }
    void Jouer() override { Appels.push_back("Jouer"); }
    void Arreter() override { Appels.push_back("Arreter"); }
    void Fermer() override { Appels.push_back("Fermer"); }
};
