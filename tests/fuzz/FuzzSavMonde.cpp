// World save files: any bytes as a save. A refusal is the game's own file
// error naming the file; a file that loads saves again and that text
// loads and saves to the same bytes.
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "saves/FichierMonde.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {

struct Jeu {
    DossierJeu dossier{MORVAINE_SOURCE_DATA};
    ModMain Main{dossier};
    Jeu() { Main.Charger_Parametres(); }
};

Jeu& Premier() {
    static Jeu j;
    return j;
}
Jeu& Second() {
    static Jeu j;
    return j;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    const std::string_view texte(reinterpret_cast<const char*>(Donnees), Taille);
    ModMain& M = Premier().Main;
    try {
        Lire_Texte_Monde(M, texte, "Fuzz.sav");
    } catch (const ErreurFichier& e) {
        if (e.Fichier() != "Fuzz.sav" || std::string(e.what()).find("Fuzz.sav") == std::string::npos) std::abort();
        return 0;
    }
    const std::string t1 = Ecrire_Texte_Monde(M);
    ModMain& N = Second().Main;
    try {
        Lire_Texte_Monde(N, t1, "Relu.sav");
    } catch (const ErreurFichier& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::abort();
    }
    fuzz::ExigerEgaux(t1, Ecrire_Texte_Monde(N));
    fuzz::Liberer_Monde(M);
    fuzz::Liberer_Monde(N);
    return 0;
}
