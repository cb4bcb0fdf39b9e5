// Shared by the fuzz harnesses: a scratch game folder of their own (a copy
// of the default data, made once per process and reused), writing the
// input into it, and the check every refusal must pass.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>

#include "platform/ErreurFichier.h"

namespace fuzz {

// <temp>/morvaine_fuzz_<nom>_<pid>, holding a copy of data/ unless the
// harness needs an empty one; removed when the process ends normally.
inline const std::filesystem::path& Dossier(const char* nom, bool copieDonnees = true) {
    struct Temporaire {
        std::filesystem::path chemin;
        ~Temporaire() {
            std::error_code ec;
            std::filesystem::remove_all(chemin, ec);
        }
    };
    static const Temporaire d = [nom, copieDonnees] {
        auto p = std::filesystem::temp_directory_path() /
                 ("morvaine_fuzz_" + std::string(nom) + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(p);
        if (copieDonnees)
            std::filesystem::copy(MORVAINE_SOURCE_DATA, p, std::filesystem::copy_options::recursive);
        else
            std::filesystem::create_directories(p);
        return Temporaire{p};
    }();
    return d.chemin;
}

inline void Ecrire(const std::filesystem::path& chemin, std::string_view octets) {
    std::filesystem::create_directories(chemin.parent_path());
    std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
    out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline std::string_view Texte(const std::uint8_t* donnees, std::size_t taille) {
    return {reinterpret_cast<const char*>(donnees), taille};
}

// A refusal is the game's own error, in French, naming a file, with a
// readable list of faults.
inline void VerifierRefus(const ErreurFichier& e, std::string_view nomAttendu = {}) {
    const std::string message = e.what();
    if (e.Fichier().empty() || e.Details().empty()) std::abort();
    if (e.Details().size() > ErreurFichier::MaxDetails + 1) std::abort();
    // Named by its file name, or (a character file) by its character.
    const std::string nom = std::filesystem::path(e.Fichier()).stem().string();
    if (message.find(nom) == std::string::npos) std::abort();
    if (!nomAttendu.empty() && e.Fichier() != nomAttendu) std::abort();
    for (const std::string& d : e.Details())
        if (d.empty()) std::abort();
}

// Two texts that must be equal (a save and the save of what it loaded to):
// on a difference, the first differing line goes to the error output and
// the run stops.
inline void ExigerEgaux(std::string_view premier, std::string_view second) {
    if (premier == second) return;
    std::size_t debut = 0, ligne = 1;
    while (debut < premier.size() && debut < second.size()) {
        const std::size_t fa = premier.find('\n', debut), fb = second.find('\n', debut);
        const std::string_view a = premier.substr(debut, fa == std::string_view::npos ? fa : fa - debut);
        const std::string_view b = second.substr(debut, fb == std::string_view::npos ? fb : fb - debut);
        if (a != b) {
            std::fprintf(stderr, "ligne %zu : « %.*s » devient « %.*s »\n", ligne, static_cast<int>(a.size()),
                         a.data(), static_cast<int>(b.size()), b.data());
            break;
        }
        if (fa == std::string_view::npos) break;
        debut = fa + 1;
        ++ligne;
    }
    std::abort();
}

// Frees what a run built into a world kept from one input to the next.
// libFuzzer runs an input a second time, looking for a leak, whenever it
// allocated more blocks than it freed; a world left standing until the
// next input made nearly every run count as one.
template <class Jeu>
void Liberer_Monde(Jeu& M) {
    M.Persos = {};
    M.Fiefs = {};
    M.Chateaux = {};
    M.Maisons = {};
    M.Ressources = {};
    M.EffetsPersos = {};
    M.EffetsMaisons = {};
    M.Tresors = {};
    M.Decors = {};
    M.MessagesPartie = {};
}

}  // namespace fuzz
