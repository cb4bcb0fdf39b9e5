// The scenery collection of a game.
#include "world/ModDecors.h"

#include "rules/ClsJeuParam.h"

std::int32_t ModDecors::Ajouter_Decor(std::int16_t Categorie, std::int32_t X, std::int32_t Y,
                                      const ClsJeuParam& Parametres) {
    ClsJeuDecors& decor = Elements.emplace_back();
    decor.Categorie = Categorie;
    decor.X = X;
    decor.Y = Y;
    decor.Largeur = Parametres.Decor_Largeur(Categorie);
    decor.Hauteur = Parametres.Decor_Hauteur(Categorie);
    decor.NombreEtapeAnimation = Parametres.Decor_NombreEtapeAnimation(Categorie);
    decor.EtapeAnimation = 0;
    return Count();
}
