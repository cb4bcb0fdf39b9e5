// AI script: any bytes as a script, against the default rules. What loads
// saves back to a text that loads to the same script.
#include <memory>

#include "ai/ClsJeuIA2.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {
struct Regles {
    DossierJeu dossier;
    ClsJeuParam p;
    Regles() : dossier(fuzz::Dossier("ia")), p(dossier) {
        for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
    }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    static Regles r;
    const auto dossierIA = fuzz::Dossier("ia") / "IAs";
    fuzz::Ecrire(dossierIA / "Essai.ia", fuzz::Texte(Donnees, Taille));
    ClsJeuIA2 ia;
    try {
        ia.Charger_IA(dossierIA, "Essai.ia", r.p, true, "Essai.ia");
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e, "Essai.ia");
        return 0;
    }
    const std::string texte = ia.Texte_IA(r.p);
    fuzz::Ecrire(dossierIA / "Relu.ia", texte);
    ClsJeuIA2 relu;
    try {
        relu.Charger_IA(dossierIA, "Relu.ia", r.p, true, "Relu.ia");
    } catch (const ErreurFichier&) {
        std::abort();  // the game's own text refused
    }
    relu.NomFichier = ia.NomFichier;
    if (!(relu == ia)) std::abort();
    if (relu.Texte_IA(r.p) != texte) std::abort();
    return 0;
}
