// What the game setup window chose for the next game, as plain values: the
// game setup builds a world from it, so that a whole world can be built
// headless (tests, benchmarks, tools) exactly as the window would.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SetupChoices {
    // Start modes, compared exactly.
    static constexpr const char* NouveauMonde = "NouveauMonde";
    static constexpr const char* NouvelleBataille = "NouvelleBataille";
    static constexpr const char* ChargerScenario = "ChargerScenario";
    static constexpr const char* ChargerMonde = "ChargerMonde";

    std::string Mode = NouveauMonde;
    std::int32_t LargeurCarte = 64;   // cells
    std::int32_t HauteurCarte = 64;
    std::int32_t NombreRessources = 40;  // deposits: slots 0..N
    std::int16_t TypeMonde = 0;       // world type (list index)
    std::int16_t Epoque = 0;          // era of every fief (list index)
    std::string FichierMonde;         // saved world or scenario to load

    // New world: one entry per fief. A people index beyond the last people
    // means "Aléatoire": a people drawn at random.
    struct Fief {
        std::int32_t Equipe = 0;      // side list index (side = index + 1)
        std::int16_t Peuple = 0;
        std::int32_t Villageois = 1;
    };
    std::vector<Fief> Fiefs;

    // Battle: two armies.
    struct Armee {
        std::int32_t Soldats = 10;
        std::int16_t Peuple = 0;
        bool Equipement = false;
        std::vector<std::string> Objets;  // item names given to every soldier
    };
    Armee Armees[2];

    // Heroes taking part (character names, in list order), the local
    // players' character names, the AI scripts on offer and the
    // difficulty's experience bonus.
    std::vector<std::string> Heros;
    std::string NomJoueur;                 // one local player
    std::string NomsJoueurs[2];            // two local players
    std::int32_t NombreJoueursLocaux = 1;
    std::vector<std::string> FichiersIA;
    std::int32_t BonusXP = 0;

    // A network game: the host's character files of the heroes above, as
    // their text. Every machine loads the heroes from these, whatever its
    // own folder holds under the same names.
    struct FichierHeros {
        std::string Nom;
        std::string Texte;
    };
    std::vector<FichierHeros> FichiersHeros;
    // The choices came from the host: the heroes are loaded from
    // FichiersHeros only.
    bool HerosDeLHote = false;

    // A network session is active: every machine draws the fixed table.
    bool Reseau = false;
    std::int32_t NumeroJoueurReseau = 0;
    // Players of the session: characters 0 .. this - 1 are theirs.
    std::int32_t NombreJoueursReseau = 0;

    std::int32_t TotalVillageois() const {
        std::int32_t total = 0;
        for (const auto& f : Fiefs) total += f.Villageois;
        return total;
    }
};
