#include "display/ClsAffDecors.h"

#include "rules/ClsJeuParam.h"

void ClsAffDecors::Charger(Graphique& dd, const ClsJeuParam& Parametres) {
    Sprites.clear();
    Largeur.clear();
    Hauteur.clear();
    for (int i = 0; i < Parametres.NombreDecors; ++i) {
        ClsAffSprite s;
        s.Charger(dd, "Decors\\" + Parametres.Decor_Image(i));
        Sprites.push_back(std::move(s));
        Largeur.push_back(Parametres.Decor_Largeur(i));
        Hauteur.push_back(Parametres.Decor_Hauteur(i));
    }
}

void ClsAffDecors::Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeDecor, Surface& SurfBack, const Vue& vue,
                            std::int16_t EtapeAnimation) {
    if (TypeDecor < 0 || static_cast<std::size_t>(TypeDecor) >= Sprites.size()) return;
    const auto t = static_cast<std::size_t>(TypeDecor);
    Sprites[t].AfficherCellule(EtapeAnimation, 0, Largeur[t], Hauteur[t], X, Y, SurfBack, vue);
}
