// The directions between the top-level folders of the source tree: a file
// may include its own folder and the folders below it, never one above.
// The layers, from the bottom, are the table Couches; every include that
// still runs up is listed in Exceptions, file by file with its reason, so
// the list can only shrink: a new upward include fails, and so does an
// exception that no longer holds (remove its line).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

// From the bottom up. platform/ holds the portable services, the Qt, SDL
// and ENet adapters and the interfaces they implement; the simulation (rules, world, characters, ai,
// saves) comes next; then what carries, draws, plays, reads input and
// holds the windows; the image and sound generators and the benchmarks
// build on everything.
const std::vector<std::string> Couches = {
    "platform", "rules",   "world",     "characters", "ai",      "saves", "network",
    "display",  "devices", "interface", "engine",     "windows", "tools", "bench",
};

struct Exception {
    const char* Fichier;
    const char* Dossier;
    const char* Raison;
};

// Reasons shared by several lines.
constexpr const char* EtatDansEngine = "the game state (world arrays, random sources, rules) still lives in engine/ModMain";
constexpr const char* BatimentsPersos = "a building, fief or treasure still acts on the characters it holds";

const Exception Exceptions[] = {
    {"world/ClsJeuBatiment.cpp", "characters", BatimentsPersos},
    {"world/ClsJeuFief.cpp", "characters", BatimentsPersos},
    {"world/ClsJeuTresors.cpp", "characters", BatimentsPersos},
    {"world/ModTresors.cpp", "characters", BatimentsPersos},
    {"world/ClsJeuBatiment.cpp", "engine", EtatDansEngine},
    {"world/ModEmplacement.cpp", "engine", EtatDansEngine},
    {"world/ModGenererMonde.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Commerce.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Deplacement.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Etat.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Hachage.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Objets.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Recuperation.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Selection.cpp", "engine", EtatDansEngine},
    {"characters/ClsJeuPerso_Travail.cpp", "engine", EtatDansEngine},
    {"characters/ModCapacites.cpp", "engine", EtatDansEngine},
    {"characters/ModCombat.cpp", "engine", EtatDansEngine},
    {"characters/ModCombat_Pillage.cpp", "engine", EtatDansEngine},
    {"characters/ModDialogue.cpp", "engine", EtatDansEngine},
    {"ai/ModIA.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Actions.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Besoins.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Collecte.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Comportements.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Construction.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Decision.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Economie.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Ravitaillement.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Recherches.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Script.cpp", "engine", EtatDansEngine},
    {"ai/ModIA_Travail.cpp", "engine", EtatDansEngine},
    {"saves/ClsJeuStastistiques.cpp", "engine", EtatDansEngine},
    {"saves/FichierMonde.cpp", "engine", EtatDansEngine},
    {"saves/ModSAVMonde.cpp", "engine", EtatDansEngine},
    {"saves/ModScenario.cpp", "engine", EtatDansEngine},
    {"network/ChoixReseau.h", "engine", "the setup choices travel in the session and still live in engine/"},
    {"network/PartieReseau.cpp", "engine", "the lock-step turn replays the orders on the game state, both in engine/"},
    {"interface/ClsIntTouches.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_Affichage.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_Boutons.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_Description.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_Fenetres.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_FenetresBoutons.cpp", "engine", EtatDansEngine},
    {"interface/ClsInterface_Options.cpp", "engine", EtatDansEngine},
    {"interface/ClsJeuMessages.cpp", "engine", EtatDansEngine},
};

fs::path Racine() { return DonneesSource().parent_path(); }

// Every project folder a file includes ("folder/..."), outside its own.
std::set<std::string> DossiersInclus(const fs::path& fichier, const std::string& propre) {
    static const std::regex include(R"(^\s*#\s*include\s*"([^"/]+)/)");
    std::set<std::string> dossiers;
    std::ifstream f(fichier);
    std::smatch m;
    for (std::string ligne; std::getline(f, ligne);)
        if (std::regex_search(ligne, m, include) && m[1] != propre) dossiers.insert(m[1]);
    return dossiers;
}

TEST(DirectionsDossiers, NoFileIncludesAFolderAboveItsOwnButTheListedExceptions) {
    std::map<std::string, std::size_t> couche;
    for (std::size_t i = 0; i < Couches.size(); ++i) couche[Couches[i]] = i;
    std::set<std::pair<std::string, std::string>> attendues;
    for (const Exception& e : Exceptions) attendues.insert({e.Fichier, e.Dossier});

    std::set<std::pair<std::string, std::string>> trouvees;
    std::size_t fichiers = 0;
    for (const std::string& dossier : Couches) {
        ASSERT_TRUE(fs::is_directory(Racine() / dossier)) << dossier;
        for (const auto& entree : fs::recursive_directory_iterator(Racine() / dossier)) {
            const std::string ext = entree.path().extension().string();
            if (!entree.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
            ++fichiers;
            const std::string relatif = fs::relative(entree.path(), Racine()).generic_string();
            for (const std::string& vers : DossiersInclus(entree.path(), dossier)) {
                const auto it = couche.find(vers);
                if (it == couche.end() || it->second < couche[dossier]) continue;
                trouvees.insert({relatif, vers});
                EXPECT_TRUE(attendues.contains({relatif, vers}))
                    << relatif << " includes " << vers << "/, a folder above its own";
            }
        }
    }
    EXPECT_GT(fichiers, 300u);
    for (const auto& [fichier, vers] : attendues)
        EXPECT_TRUE(trouvees.contains({fichier, vers}))
            << fichier << " no longer includes " << vers << "/: remove its exception";
}

}  // namespace
