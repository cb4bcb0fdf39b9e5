// Key bindings: any bytes as Ini_Touches.ini. A refusal names the file;
// what loads, written back key by key, reads the same.
#include <string>

#include "interface/ClsIntTouches.h"
#include "platform/DossierJeu.h"
#include "rules/ClsFicINI.h"
#include "tests/fuzz/OutilsFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    const auto& d = fuzz::Dossier("touches");
    fuzz::Ecrire(d / "Ini_Touches.ini", fuzz::Texte(Donnees, Taille));
    DossierJeu dossier(d);
    try {
        ClsIntTouches touches(dossier);
        // Written back as the options window writes them.
        fuzz::Ecrire(d / "Ini_Touches.ini", "[Touches]\n");
        DossierJeu ecriture(d);
        ClsFicINI ini(ecriture);
        ini.NomFichier = "Ini_Touches";
        ini.Section = "Touches";
        for (std::int16_t k = 0; k < ClsIntTouches::NombreTouches; ++k)
            ini.Parametre(ClsIntTouches::Noms()[static_cast<std::size_t>(k)], std::to_string(touches.Touche(k)));
        DossierJeu lecture(d);
        ClsIntTouches relues(lecture);
        for (std::int16_t k = 0; k < ClsIntTouches::NombreTouches; ++k)
            if (relues.Touche(k) != touches.Touche(k)) std::abort();
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e, "Ini_Touches.ini");
    }
    return 0;
}
