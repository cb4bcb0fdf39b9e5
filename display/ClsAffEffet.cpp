#include "display/ClsAffEffet.h"

#include "rules/ClsJeuParam.h"

void ClsAffEffet::Charger(Graphique& dd, const ClsJeuParam& Parametres) {
    Sprites.clear();
    Largeur.clear();
    Hauteur.clear();
    NombreEtapes.clear();
    DureeEtape.clear();
    Son.clear();
    for (int i = 0; i < Parametres.NombreEffets; ++i) {
        ClsAffSprite s;
        s.Charger(dd, "Effets\\" + Parametres.Effet_Fichier(i));
        Sprites.push_back(std::move(s));
        Largeur.push_back(Parametres.Effet_Largeur(i));
        Hauteur.push_back(Parametres.Effet_Hauteur(i));
        NombreEtapes.push_back(Parametres.Effet_NombreEtapes(i));
        DureeEtape.push_back(Parametres.Effet_DureeEtape(i));
        Son.push_back(Parametres.Effet_Son(i));
    }
}

void ClsAffEffet::Afficher(std::int32_t TypeEffet, std::int16_t Etape, std::int32_t X, std::int32_t Y,
                           Surface& SurfBack, const Vue& vue) {
    if (TypeEffet < 0 || static_cast<std::size_t>(TypeEffet) >= Sprites.size()) return;
    const auto t = static_cast<std::size_t>(TypeEffet);
    Sprites[t].AfficherCellule(Etape, 0, Largeur[t], Hauteur[t], X, Y, SurfBack, vue);
}
