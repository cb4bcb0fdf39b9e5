#include "display/ClsAffObjets.h"

#include "rules/ClsJeuParam.h"

void ClsAffObjets::Charger(Graphique& dd, const ClsJeuParam& Parametres) {
    Sprites.clear();
    for (int i = 0; i < Parametres.NombreTypesObjets; ++i) {
        ClsAffSprite s;
        s.Charger(dd, "Objets\\" + Parametres.Objet_Image(i));
        Sprites.push_back(std::move(s));
    }
}

void ClsAffObjets::Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeObjet, Surface& SurfBack, const Vue& vue,
                            bool Translucide) {
    if (TypeObjet < 0 || static_cast<std::size_t>(TypeObjet) >= Sprites.size()) return;
    Sprites[static_cast<std::size_t>(TypeObjet)].AfficherCellule(0, 0, Largeur(), Hauteur(), X, Y, SurfBack, vue,
                                                                  Translucide);
}
