// One in-game window of a player's interface (0 building, 1 resources,
// 2 character sheet, 3 skills, 4 inventory and equipment, 5 bestiary): its
// place, its open flag, its scrolled lists and the buttons of every panel
// it may show, with their fixed offsets and tooltips. Positions are offsets
// from the window's top-left corner; the geometry accessors return screen
// coordinates.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "interface/ClsAffBouton.h"
#include "interface/ClsIntBouton.h"

class ClsJeuParam;
class Graphique;

class ClsIntFenetre {
public:
    std::int32_t PositionX = 0;
    std::int32_t PositionY = 0;
    bool Visible = false;
    std::int32_t NombreBoutonsManger = 0;
    std::int16_t LigneMax = 0;
    std::int16_t PremiereLigne = 0;
    std::int16_t PremiereLigneFabrique = 0;

    static constexpr std::int16_t Nombre_BoutonsRestauration = 3;
    static constexpr std::int16_t NombreColonnesBoutonsCommerce = 3;
    static constexpr std::int16_t NombreColonnesBoutonsTransfert = 3;
    static constexpr std::int16_t Nombre_Boutons_Defilement = 3;
    static constexpr std::int16_t Nombre_Lignes_Ressources = 11;
    static constexpr std::int16_t Nombre_Lignes_Objets = 6;

    // Creates every button family (the rules give the counts) and loads the
    // window's button sheets. Style: the tooltip style of the buttons.
    void Init(Graphique& dd, const ClsJeuParam& Parametres, const StyleInfoBulle& Style);
    // The same without pictures (headless tests): sheets keep the cell
    // sizes of Tailles.
    void Init(const ClsJeuParam& Parametres, const StyleInfoBulle& Style, const ClsAffBouton::Tailles& Tailles);

    // ---- Geometry (screen coordinates) ----
    std::int32_t BoutonFermer_PositionX() const { return PositionX + BoutonFermer.PositionX; }
    std::int32_t BoutonFermer_PositionY() const { return PositionY + BoutonFermer.PositionY; }
    std::int32_t BoutonFermer_Largeur() const { return AffBoutonsAction.Largeur; }
    std::int32_t BoutonFermer_Hauteur() const { return AffBoutonsAction.Hauteur; }

    std::int32_t BoutonArgentBoutonsPrendre_PositionX() const { return PositionX + 32; }
    std::int32_t BoutonArgentBoutonsPrendre_PositionY() const { return PositionY + 54; }
    static constexpr std::int32_t BoutonArgentBoutonsPrendre_Largeur() { return 100; }
    static constexpr std::int32_t BoutonArgentBoutonsPrendre_Hauteur() { return 24; }

    std::int32_t BoutonsDefilementPositionX(std::int16_t i) const;
    std::int32_t BoutonsDefilementPositionY(std::int16_t i) const;
    std::int32_t BoutonsDefilementLargeur(std::int16_t i) const;
    std::int32_t BoutonsDefilementHauteur(std::int16_t i) const;
    bool BoutonsDefilementVisible(std::int16_t i) const;

    // ---- Buttons, read and placed by the interface ----
    ClsIntBouton BoutonFermer;
    std::array<ClsIntBouton, 3> BoutonsRestauration;
    std::vector<ClsIntBouton> BoutonsManger;
    std::vector<std::int32_t> IndicesRessourcesManger;
    ClsIntBouton BoutonArgentPrendre;
    std::vector<ClsIntBouton> BoutonsRessourcesPrendre;
    std::vector<ClsIntBouton> BoutonsCommerce;
    std::array<ClsIntBouton, 3> BoutonsTransfertArgentPerso;
    std::array<ClsIntBouton, 3> BoutonsTransfertArgentMaison;
    std::array<ClsIntBouton, 3> BoutonsTransfertStockPerso;
    std::array<ClsIntBouton, 3> BoutonsTransfertStockMaison;
    ClsIntBouton BoutonService;
    std::vector<ClsIntBouton> BoutonsFabriquer;
    std::vector<ClsIntBouton> BoutonsObjets;
    std::array<ClsIntBouton, 3> BoutonsDefilement;

    // Offset of each equipment slot's icon, by item category.
    static constexpr std::array<std::int16_t, 10> PositionsEquipementX{38, 238, 137, 137, 137, 187, 38, 238, 88, 38};
    static constexpr std::array<std::int16_t, 10> PositionsEquipementY{124, 124, 88, 39, 166, 88, 162, 162, 104, 72};

    ClsAffBouton AffBoutonsAction;
    ClsAffBouton AffBoutonsCommerce;
    ClsAffBouton AffBoutonsTransfert;
    ClsAffBouton AffBoutonsDefilement;
    ClsAffBouton AffBarreDefilement;
    ClsAffBouton AffCarreDefilement;

private:
    void Creer_Boutons(const ClsJeuParam& Parametres, const StyleInfoBulle& Style);
};
