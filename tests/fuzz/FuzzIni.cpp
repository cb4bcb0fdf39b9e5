// INI text: any bytes as a settings file. Reading every key of every
// section must not crash, and a key written back must read the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/DossierJeu.h"
#include "tests/fuzz/OutilsFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    const auto& d = fuzz::Dossier("ini", false);
    fuzz::Ecrire(d / "Essai.ini", fuzz::Texte(Donnees, Taille));
    DossierJeu dossier(d);
    for (const auto& section : dossier.Sections("Essai.ini")) {
        dossier.LireCle("Essai.ini", section, "Nombre");
        if (section.find_first_of("[]\r\n") == std::string::npos && !section.empty()) {
            if (!dossier.EcrireCle("Essai.ini", section, "CleEssai", "valeur 1")) continue;
            DossierJeu relu(d);
            if (relu.LireCle("Essai.ini", section, "CleEssai") != "valeur 1") std::abort();
            break;
        }
    }
    return 0;
}
