// Scenario files: any bytes as a scenario. A refusal is the game's own
// file error naming the file; a world built from one saves, and the save
// reloads to the same bytes.
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "saves/FichierMonde.h"
#include "saves/ModScenario.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {

struct Jeu {
    DossierJeu dossier{MORVAINE_SOURCE_DATA};
    ModMain Main{dossier};
    explicit Jeu(bool scripts) {
        Main.Charger_Parametres();
        if (scripts) Main.IA2.Charger_IAs();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static Jeu premier(true), second(false);
    const std::string_view texte(reinterpret_cast<const char*>(Donnees), Taille);
    ModMain& M = premier.Main;
    M.Aleatoire.TableActive = false;
    M.Aleatoire.Generateur().Semer(1);
    try {
        ModScenario(M).Lire_Scenario(texte, "Fuzz.snr");
    } catch (const ErreurFichier& e) {
        if (e.Fichier() != "Fuzz.snr" || std::string(e.what()).find("Fuzz.snr") == std::string::npos) std::abort();
        fuzz::Liberer_Monde(M);
        return 0;
    }
    for (std::size_t i = 0; i < M.Persos.size() && i < M.Maisons.size(); ++i)
        M.Persos[i].Calculer_Apparence(M.Maisons[i], M.Parametres);
    const std::string t1 = Ecrire_Texte_Monde(M);
    try {
        Lire_Texte_Monde(second.Main, t1, "Relu.sav");
    } catch (const ErreurFichier& e) {
        std::fprintf(stderr, "%s\n", e.what());
        std::abort();
    }
    fuzz::ExigerEgaux(t1, Ecrire_Texte_Monde(second.Main));
    fuzz::Liberer_Monde(M);
    fuzz::Liberer_Monde(second.Main);
    return 0;
}
