#include "display/ClsAffSouris.h"

#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

ClsAffSouris::ClsAffSouris(DossierJeu& dossier) {
    ClsFicINI ini(dossier);
    ini.NomFichier = "Ini_Souris";
    ini.Section = "Souris";
    Chemin = ini.Parametre("Chemin");
    NombreCurseurs = Sature16(Val(ini.Parametre("NombreCurseurs")));
    LargeurImage = Sature16(Val(ini.Parametre("LargeurImage")));
    HauteurImage = Sature16(Val(ini.Parametre("HauteurImage")));
}

void ClsAffSouris::Charger(Graphique& dd) { Sprite.Charger(dd, Chemin + NomFichier); }

void ClsAffSouris::Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeSouris, Surface& SurfBack,
                            const Vue& vue) {
    if (TypeSouris > NombreCurseurs || TypeSouris < 0) TypeSouris = 0;
    Sprite.AfficherCellule(TypeSouris, 0, LargeurImage, HauteurImage, X, Y, SurfBack, vue);
}
