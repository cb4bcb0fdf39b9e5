// Interface layout: any bytes as Ini_Interface800.ini, read as the game
// reads it at the start of a game. A refusal is the game's own error
// naming the file.
#include <memory>

#include "display/ClsPerEcran.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "platform/DossierJeu.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {
struct Jeu {
    DossierJeu dossier;
    ModMain main;
    ClsPerEcran ecran;
    Jeu() : dossier(fuzz::Dossier("interface")), main(dossier), ecran(dossier) {
        ecran.Width(800);
        ecran.Height(600);
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static Jeu jeu;
    fuzz::Ecrire(fuzz::Dossier("interface") / "Ini_Interface800.ini", fuzz::Texte(Donnees, Taille));
    ClsInterface interface(jeu.main, jeu.ecran);
    try {
        interface.Init1(0, 1);
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e, "Ini_Interface800.ini");
    }
    return 0;
}
