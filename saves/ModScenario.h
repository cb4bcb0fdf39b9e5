// Scenarios: hand-written text files (".snr", in Sauvegardes/Scenarios)
// that describe a prepared starting world line by line: map size and
// terrain, fiefs and castles, characters with their characteristics,
// belongings and first orders, houses and scenery. Charger_Scenario reads
// one and builds the world of a new game from it ("ChargerScenario").
//
// Lines are lower-cased first. A line holding "=" and not starting with "#"
// is a command: key=value for the world keys, or
// fief(range)_attribute=A[,B], perso(...)_..., maison(...)_...,
// terrain_carrevide(x1-y1)=x2,y2, terrain_carreplein(...), decor(t)=x,y.
// "debut" generates the terrain and places the castles, "fin" shapes the
// tiles and places the deposits. Every other line is ignored.
//
// Unlike a reader that trusts its file, this one checks every index,
// count and number against the arrays and the rules, and bounds every
// draw-until-it-fits loop; a fault stops the reading with a French message
// naming the file and the line.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class ModMain;

class ModScenario {
public:
    explicit ModScenario(ModMain& Main) : Main(Main) {}

    // Builds the world from the text of a scenario. Throws ErreurFichier
    // (file and line named) on the first fault.
    void Lire_Scenario(std::string_view Texte, const std::string& NomFichier);
    // Reads Sauvegardes/Scenarios/<NomFichier>. False after a fault: the
    // reason is in Main.MessagesPartie and the half-built world is erased.
    bool Charger_Scenario(const std::string& NomFichier);
    // Gives Main's game setup its "ChargerScenario" reader.
    static void Brancher(ModMain& Main);

    // Character Indice gets a random object (not a secret one) with Chance
    // percent; the last object type is never drawn.
    void Objet_Hasard(std::int32_t Indice, double Chance);

private:
    ModMain& Main;
};
