// Speech lines: any bytes as Ini_Commentaires.ini. A refusal names the
// file; what loads keeps its lines when the options written back by the
// game are read again.
#include "characters/ClsJeuCommentaires.h"
#include "platform/DossierJeu.h"
#include "rules/ModRandom.h"
#include "tests/fuzz/OutilsFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    const auto& d = fuzz::Dossier("paroles");
    fuzz::Ecrire(d / "Ini_Commentaires.ini", fuzz::Texte(Donnees, Taille));
    DossierJeu dossier(d);
    GenerateurLocal generateur(1);
    try {
        ClsJeuCommentaires paroles(dossier, generateur);
        paroles.Definir_Afficher(paroles.Definir_Afficher());
        paroles.Definir_Duree(paroles.Definir_Duree());
        DossierJeu autre(d);
        ClsJeuCommentaires relues(autre, generateur);
        if (relues.Definir_Afficher() != paroles.Definir_Afficher() || relues.Definir_Duree() != paroles.Definir_Duree())
            std::abort();
        if (relues.Nombre_Types() != paroles.Nombre_Types()) std::abort();
        for (std::int16_t t = 0; t < paroles.Nombre_Types(); ++t)
            if (relues.Nombre_Lignes(t) != paroles.Nombre_Lignes(t)) std::abort();
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e, "Ini_Commentaires.ini");
    }
    return 0;
}
