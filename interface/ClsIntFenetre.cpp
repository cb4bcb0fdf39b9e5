// Window set-up: the buttons of every panel with their fixed offsets and
// tooltips, and the geometry the hit test reads.
#include "interface/ClsIntFenetre.h"

#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

ClsIntBouton Bouton(const StyleInfoBulle& Style, std::int32_t X, std::int32_t Y, std::string InfoBulle = {}) {
    ClsIntBouton b(Style);
    b.PositionX = X;
    b.PositionY = Y;
    b.InfoBulle = std::move(InfoBulle);
    return b;
}

}  // namespace

void ClsIntFenetre::Init(Graphique& dd, const ClsJeuParam& Parametres, const StyleInfoBulle& Style) {
    Creer_Boutons(Parametres, Style);
    AffBoutonsCommerce.Charger(dd, 4);
    AffBoutonsTransfert.Charger(dd, 5);
    AffBoutonsDefilement.Charger(dd, 6);
    AffBarreDefilement.Charger(dd, 8);
    AffCarreDefilement.Charger(dd, 9);
    AffBoutonsAction.Charger(dd, 2);
}

void ClsIntFenetre::Init(const ClsJeuParam& Parametres, const StyleInfoBulle& Style,
                         const ClsAffBouton::Tailles& Tailles) {
    Creer_Boutons(Parametres, Style);
    AffBoutonsCommerce.Charger(4, Tailles, Surface());
    AffBoutonsTransfert.Charger(5, Tailles, Surface());
    AffBoutonsDefilement.Charger(6, Tailles, Surface());
    AffBarreDefilement.Charger(8, Tailles, Surface());
    AffCarreDefilement.Charger(9, Tailles, Surface());
    AffBoutonsAction.Charger(2, Tailles, Surface());
}

void ClsIntFenetre::Creer_Boutons(const ClsJeuParam& Parametres, const StyleInfoBulle& Style) {
    BoutonFermer = Bouton(Style, 280, 16, "Femer (espace)");
    BoutonsRestauration = {Bouton(Style, 216, 48, "Restaurer la forteresse#+1 vie pour 5 argent"),
                           Bouton(Style, 240, 48, "Restaurer la forteresse#+10 vie pour 50 argent"),
                           Bouton(Style, 264, 48, "Restaurer la forteresse#Tout donner")};

    const std::int32_t N = Parametres.NombreRessources;
    BoutonsManger.clear();
    IndicesRessourcesManger.clear();
    for (std::int32_t r = 0; r < N; ++r) {
        if (!Parametres.Ressources_Mangeable(r)) continue;
        BoutonsManger.push_back(Bouton(Style, 184, 0));
        IndicesRessourcesManger.push_back(r);
    }
    NombreBoutonsManger = static_cast<std::int32_t>(BoutonsManger.size());

    BoutonsCommerce.assign(static_cast<std::size_t>(3 * N + 3), ClsIntBouton(Style));
    for (std::int32_t r = 0; r < N; ++r)
        for (std::int32_t j = 0; j < 3; ++j)
            BoutonsCommerce[static_cast<std::size_t>(3 * r + j)] =
                Bouton(Style, 216 + 24 * j, 82 + 24 * r, "Prix : " + TexteNombreFrancais(Parametres.Ressources_PrixVente(r)));
    BoutonsCommerce[static_cast<std::size_t>(3 * N + 2)] = Bouton(Style, 216, 48, "Vendre toutes les#ressources");
    BoutonsCommerce[static_cast<std::size_t>(3 * N + 1)] =
        Bouton(Style, 240, 48,
               "Vendre toutes les#ressources immangeables,#inutiles pour attaquer#et inutiles à la construction");
    BoutonsCommerce[static_cast<std::size_t>(3 * N)] = Bouton(Style, 264, 48, "Vendre tout le#surplus de#ressources");

    BoutonArgentPrendre = Bouton(Style, 32, 54, "Prendre Argent");
    BoutonArgentPrendre.Largeur = 100;
    BoutonArgentPrendre.Hauteur = 24;

    BoutonsRessourcesPrendre.clear();
    for (std::int32_t r = 0; r < N; ++r) {
        ClsIntBouton b = Bouton(Style, 136, 88 + 24 * r, "Prendre " + Parametres.Ressources_Nom(r));
        b.Largeur = 48;
        b.Hauteur = 24;
        BoutonsRessourcesPrendre.push_back(std::move(b));
    }

    const char* argentPerso[3] = {"Déposer l'argent : 1 pièce", "Déposer l'argent : 5 pièces",
                                  "Déposer l'argent : tout  (Page Suiv)"};
    const char* argentMaison[3] = {"Récupérer l'argent : 1 pièce", "Récupérer l'argent : 5 pièces",
                                   "Récupérer l'argent : tout (Page Préc)"};
    const char* stockPerso[3] = {"Déposer Ressource : 1 unité", "Déposer Ressource : 5 unités",
                                 "Déposer Ressource : tout"};
    const char* stockMaison[3] = {"Récupérer Ressource : 1 unité", "Récupérer Ressource : 5 unités",
                                  "Récupérer Ressource : tout"};
    for (std::size_t i = 0; i < 3; ++i) {
        const auto x = static_cast<std::int32_t>(216 + 24 * i);
        BoutonsTransfertArgentPerso[i] = Bouton(Style, x, 48, argentPerso[i]);
        BoutonsTransfertArgentMaison[i] = Bouton(Style, x, 90, argentMaison[i]);
        BoutonsTransfertStockPerso[i] = Bouton(Style, x, 82, stockPerso[i]);
        BoutonsTransfertStockMaison[i] = Bouton(Style, x, 136, stockMaison[i]);
    }
    BoutonService = Bouton(Style, 216, 136);

    const std::int32_t I = Parametres.PersosNombreObjetsInventaire;
    const std::int32_t E = Parametres.PersosNombreObjetsEquipes;
    BoutonsObjets.clear();
    for (std::int32_t i = 0; i < I; ++i) {
        ClsIntBouton b = Bouton(Style, 32 * (1 + i % 8), 208 + 32 * (i / 8));
        b.Actif = true;
        BoutonsObjets.push_back(std::move(b));
    }
    for (std::int32_t k = 0; k < E; ++k) {
        // The rules may not declare more slots than the window has places.
        const std::size_t c = static_cast<std::size_t>(std::min<std::int32_t>(k, 9));
        ClsIntBouton b = Bouton(Style, PositionsEquipementX[c], PositionsEquipementY[c]);
        b.Actif = true;
        BoutonsObjets.push_back(std::move(b));
    }

    BoutonsDefilement = {Bouton(Style, 304, 66, "Défilement haut (Roulette souris)"),
                         Bouton(Style, 304, 308, "Défilement bas (Roulette souris)"), Bouton(Style, 304, 110)};
}

std::int32_t ClsIntFenetre::BoutonsDefilementPositionX(std::int16_t i) const {
    return PositionX + BoutonsDefilement[static_cast<std::size_t>(i)].PositionX;
}
std::int32_t ClsIntFenetre::BoutonsDefilementPositionY(std::int16_t i) const {
    return PositionY + BoutonsDefilement[static_cast<std::size_t>(i)].PositionY;
}
std::int32_t ClsIntFenetre::BoutonsDefilementLargeur(std::int16_t i) const {
    return i == 2 ? AffBarreDefilement.Largeur : AffBoutonsDefilement.Largeur;
}
std::int32_t ClsIntFenetre::BoutonsDefilementHauteur(std::int16_t i) const {
    return i == 2 ? AffBarreDefilement.Hauteur : AffBoutonsDefilement.Hauteur;
}
bool ClsIntFenetre::BoutonsDefilementVisible(std::int16_t i) const {
    return BoutonsDefilement[static_cast<std::size_t>(i)].Visible;
}
