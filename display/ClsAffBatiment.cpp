#include "display/ClsAffBatiment.h"

#include <cstdio>

#include "rules/ClsJeuParam.h"

std::string ClsAffBatiment::Chemin_Chateau(std::int16_t Index) {
    char nom[40];
    std::snprintf(nom, sizeof nom, "Batiments\\Chateaux-%04d", Index + 1);
    return nom;
}

std::string ClsAffBatiment::Chemin_Maison(std::int32_t Index, const ClsJeuParam& Parametres) {
    return "Batiments\\" + Parametres.Batiment_Nom(Index);
}

void ClsAffBatiment::Charger(std::int16_t Categorie, Graphique& dd, const ClsJeuParam& Parametres) {
    Sprites.clear();
    const int n = Categorie == 0 ? Parametres.NombrePeuples : Parametres.NombreTypeBatiments;
    for (int i = 0; i < n; ++i) {
        ClsAffSprite s;
        s.Charger(dd, Categorie == 0 ? Chemin_Chateau(static_cast<std::int16_t>(i)) : Chemin_Maison(i, Parametres));
        Sprites.push_back(std::move(s));
    }
}

void ClsAffBatiment::Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeBatiment, std::int32_t Etat,
                              Surface& SurfBack, const Vue& vue, std::int32_t Largeur, std::int32_t Hauteur,
                              std::int16_t EtapeAnimation) {
    if (TypeBatiment < 0 || static_cast<std::size_t>(TypeBatiment) >= Sprites.size()) return;
    Sprites[static_cast<std::size_t>(TypeBatiment)].AfficherCellule(EtapeAnimation, Etat, Largeur, Hauteur, X, Y,
                                                                      SurfBack, vue);
}
