// Each rules file, the others valid: the first byte picks the file, the
// rest replaces it in a copy of the default data, and the whole database
// is loaded. A refusal must be the game's own error naming that file (or a
// file whose references it breaks).
#include <array>
#include <string>

#include "platform/DossierJeu.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {
const std::array<const char*, 9> Fichiers = {
    "Ini_Parametres_Persos.ini",   "Ini_Parametres_Fiefs.ini",  "Ini_Parametres_Ressources.ini",
    "Ini_Parametres_Batiments.ini", "Ini_Parametres_Objets.ini", "Ini_Parametres_Decors.ini",
    "Ini_Parametres_Peuples.ini",  "Ini_Parametres_Effets.ini", "Ini_Parametres_Races.ini",
};

bool FichierDeRegles(const std::string& nom) {
    for (const char* f : Fichiers)
        if (nom == f) return true;
    return false;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    if (Taille < 1) return 0;
    const auto& d = fuzz::Dossier("regles");
    const std::string fichier = Fichiers[Donnees[0] % Fichiers.size()];
    const auto avant = LireFichier(std::filesystem::path(MORVAINE_SOURCE_DATA) / fichier);
    fuzz::Ecrire(d / fichier, fuzz::Texte(Donnees + 1, Taille - 1));
    {
        DossierJeu dossier(d);
        ClsJeuParam p(dossier);
        try {
            for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
        } catch (const ErreurFichier& e) {
            fuzz::VerifierRefus(e);
            if (!FichierDeRegles(e.Fichier())) std::abort();
        }
        // Whatever was loaded still answers without crashing.
        (void)p.Objet_Nom(0);
        (void)p.Race_Nom(0);
        (void)p.Batiment_Nom(0);
    }
    fuzz::Ecrire(d / fichier, *avant);
    return 0;
}
