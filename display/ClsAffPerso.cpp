#include "display/ClsAffPerso.h"

#include <algorithm>

#include "rules/ClsJeuParam.h"
#include "rules/ListeApparences.h"

void ClsAffPerso::Charger(Graphique& dd, const ClsJeuParam& Parametres, const ListeApparences& Liste) {
    Sprites.clear();
    NomsApparences.clear();
    for (const auto& a : Liste.Apparences) {
        ClsAffSprite s;
        s.Charger(dd, "Persos\\" + a.Dossier + "\\" + a.Fichier.substr(0, a.Fichier.find('.')));
        Sprites.push_back(std::move(s));
        NomsApparences.push_back(a.Fichier);
    }
    NombreApparences = static_cast<std::int16_t>(std::min<std::size_t>(Sprites.size(), 32767));
    ClsAffSprite commun;
    commun.Charger(dd, "Persos\\" + Parametres.Peuples_Nom(0));
    Sprites.push_back(std::move(commun));
    NomsApparences.push_back(Parametres.Peuples_Nom(0));
}

std::int16_t ClsAffPerso::Charger_Hero(const std::string& FichierHero) const {
    if (FichierHero.empty()) return 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(NombreApparences); ++k)
        if (NomsApparences[k] == FichierHero) return static_cast<std::int16_t>(k);
    return 0;
}

void ClsAffPerso::Afficher(std::int32_t X, std::int32_t Y, std::int16_t& Direction, std::int16_t Etape, bool,
                           std::int16_t Apparence, std::int16_t Largeur, std::int16_t Hauteur, bool Variante,
                           Surface& SurfBack, const Vue& vue, bool Hero, bool Translucide, std::int16_t AjustementX,
                           std::int16_t AjustementY) {
    if (Sprites.empty() || Apparence < 0) return;
    ClsAffSprite* feuille;
    std::int32_t b;
    if (Hero) {
        if (Apparence >= NombreApparences) return;
        feuille = &Sprites[static_cast<std::size_t>(Apparence)];
        b = 0;
    } else {
        feuille = &Sprites.back();
        b = 3 * (2 * Apparence + (Variante ? 1 : 0));
    }
    std::int32_t colonne, ligne;
    if (Etape < 1) {
        colonne = b + 1;
        ligne = 2;
    } else {
        ligne = Etape - 1;
        colonne = b + (Direction == 3 ? 1 : Direction);
    }
    feuille->AfficherCellule(colonne, ligne, Largeur, Hauteur, X, Y, SurfBack, vue, Translucide, AjustementX, AjustementY);
}
