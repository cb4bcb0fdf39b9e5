// The state of the program and of the game being played: the objects that
// live from start-up to the end (the game folder, the random sources, the
// map, the rules database) and the per-game arrays of the world (fiefs,
// characters, castles, houses, deposits, effects, treasures, scenery).
//
// Objects refer to each other by index into these arrays, the form in which
// saves and orders carry them; an object that needs the world keeps a pointer to its
// ModMain, never to an element of an array that may grow. A test builds as
// many ModMain as it needs: nothing here is shared between two of them.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ai/ModIA.h"
#include "ai/ModIA2.h"
#include "engine/SetupChoices.h"
#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "characters/ModCombat.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "rules/ListeApparences.h"
#include "rules/ModRandom.h"
#include "saves/ClsJeuStastistiques.h"
#include "saves/ModDocuments.h"
#include "saves/ModSavPerso.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuEffet.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuMonde.h"
#include "world/ClsJeuRessources.h"
#include "world/ModDecors.h"
#include "world/ModTresors.h"

class ClsComReseau;

class ModMain {
public:
    // Reads the settings of the program-lifetime objects from the folder
    // (each object's constructor reads its own INI file). Throws
    // ErreurFichier on a bad file.
    explicit ModMain(DossierJeu& dossier);
    ~ModMain();
    ModMain(const ModMain&) = delete;
    ModMain& operator=(const ModMain&) = delete;

    DossierJeu& Dossier;
    // The game's random source: every rule draws from it.
    ModRandom Aleatoire;
    // The platform generator: draws that only one machine makes (character
    // creation, acknowledgements, music, tips, speech lines).
    GenerateurLocal GenerateurPlateforme;

    ClsJeuMonde Monde;
    // The rules: read-only once Charger_Parametres has run.
    ClsJeuParam Parametres;
    // Every AI script of the game folder, loaded after the rules.
    ModIA2 IA2{Dossier, Parametres};

    // Loads the rules database in its eight stages, telling each stage's
    // caption (" - chargement paramètres (personnages)" ...) to the caller.
    void Charger_Parametres(const std::function<void(const std::string&)>& legende = {});

    // Speech lines (Ini_Commentaires), drawn from the platform generator.
    ClsJeuCommentaires Commentaires{Dossier, GenerateurPlateforme};
    // The clock's reading for the current pass, in seconds: the main loop
    // sets it, tests set it by hand. Speech lines are stamped with it.
    double Horloge = 0.0;

    std::vector<ClsJeuPerso> Persos;

    // World objects of the game being played; castle f belongs to fief f,
    // house i and house effect i to character i.
    std::vector<ClsJeuFief> Fiefs;
    std::vector<ClsJeuBatiment> Chateaux;
    std::vector<ClsJeuBatiment> Maisons;
    std::vector<ClsJeuRessources> Ressources;
    std::vector<ClsJeuEffet> EffetsPersos;
    std::vector<ClsJeuEffet> EffetsMaisons;
    ModTresors Tresors;
    ModDecors Decors;

    // The local players' characters: player 1's, and one per local player.
    std::int32_t NoPersoJoueur = 0;
    std::vector<std::int32_t> NoPersoParJoueur{0};
    // The network session, when the program has one: with a session open,
    // orders travel through it and act when every machine replays them.
    ClsComReseau* Reseau = nullptr;
    // Set to end the game being played (quit key, quit button, or a game
    // setup that cannot go on).
    bool FinPartie = false;
    // Index of what the last placement test found, when asked to keep it.
    std::int32_t IndiceEmplacement = 0;

    // Builds the world of a new game from the setup choices: random source,
    // map size, deposits, treasures and scenery, then the start mode. The
    // two loading modes call these, filled by the saves module; each
    // returns false after reporting its own error.
    void Creer_Partie(const SetupChoices& Choix, const ProgresChargement& Progres = {});
    // Its first half alone: the world of the start mode, without heroes.
    void Creer_Partie_Monde(const SetupChoices& Choix, const ProgresChargement& Progres = {});
    std::function<bool(ModMain&, const std::string& Fichier)> Charger_Scenario;
    std::function<bool(ModMain&, const std::string& Fichier)> Charger_Monde;
    // Messages for the player that the game setup met (shown by the
    // window layer, "Erreur" boxes).
    std::vector<std::string> MessagesPartie;

    // Combat coefficients (Ini_Combat, read here at start-up) and the blows.
    ModCombat Combat{*this};
    // Per-character AI tables: they live as long as the program and grow
    // with Persos when summoning adds a slot.
    ModIA IA{*this};
    // One simulation tick of the world, in the game's order: the AI step,
    // the fiefs' upkeep, every character's step, the special abilities and
    // the animations. The engine window adds the view, the terrain's
    // animation and the interfaces around it.
    void Tour_Simulation();
    // After a game: houses, castles, fiefs and deposits are erased; the
    // characters stay until the next game setup resizes them.
    void Effacer_Monde();
    // The look files, listed when a game is set up: summoned creatures and
    // heroes draw their looks from it, the engine loads its sheets from it.
    ListeApparences Apparences;
    // Character files (Ini_SavPerso is read by Charger_Parametres_SavPerso
    // at start-up) and the statistics of the game being played.
    ModSavPerso SavPerso{Dossier, Parametres};
    ClsJeuStastistiques Statistiques{this};
    // The HTML pages (Ini_Documents is read by Charger_Parametres_Documents
    // at start-up): reference pages from the rules, the statistics page.
    ModDocuments Documents{Dossier, Parametres, Statistiques};
};
