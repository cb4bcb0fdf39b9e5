// INI text: any bytes as a settings file. Reading every key of every
// section must not crash, and a key written back must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "platform/DossierJeu.h"

namespace {
std::filesystem::path Dossier() {
    static const std::filesystem::path d = [] {
        auto p = std::filesystem::temp_directory_path() / ("morvaine_fuzz_ini_" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p;
    }();
    return d;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    {
        std::ofstream out(Dossier() / "Essai.ini", std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(Donnees), static_cast<std::streamsize>(Taille));
    }
    DossierJeu dossier(Dossier());
    for (const auto& section : dossier.Sections("Essai.ini")) {
        dossier.LireCle("Essai.ini", section, "Nombre");
        if (section.find_first_of("[]\r\n") == std::string::npos && !section.empty()) {
            if (!dossier.EcrireCle("Essai.ini", section, "CleEssai", "valeur 1")) continue;
            DossierJeu relu(Dossier());
            if (relu.LireCle("Essai.ini", section, "CleEssai") != "valeur 1") std::abort();
            break;
        }
    }
    return 0;
}
