// Key bindings and the key dispatcher.
#include "interface/ClsIntTouches.h"

#include "engine/ModMain.h"

const std::array<std::string_view, ClsIntTouches::NombreTouches>& ClsIntTouches::Noms() {
    static constexpr std::array<std::string_view, NombreTouches> noms{
        "ToucheQuitter", "ToucheZoomNormal", "ToucheZoomPlus", "ToucheZoomMoins", "ToucheFenetreBatiment",
        "ToucheFenetrePersonnage", "ToucheFenetreRessources", "ToucheFenetreCompetences", "ToucheFenetreInventaire",
        "ToucheFenetreBestiaire", "ToucheFenetresFermer", "ToucheRetourChateau", "ToucheRetourMaison",
        "ToucheTrouverRessource1", "ToucheTrouverRessource2", "ToucheTrouverRessource3", "ToucheTrouverRessource4",
        "ToucheTrouverRessource5", "ToucheTrouverRessource6", "ToucheTrouverRessource7", "ToucheTrouverRessource8",
        "ToucheTrouverAttaquerPerso", "ToucheTrouverAttaquerMaison", "ToucheTrouverAttaquerChateau",
        "ToucheTrouverTresor", "ToucheModeAuto", "ToucheAide", "ToucheArret", "ToucheChargez",
        "ToucheDefinirAttitude", "ToucheDefinirFormation", "ToucheArgentDeposer", "ToucheArgentRecuperer",
        "ToucheDemolirMaison", "ToucheAfficherConseil", "ToucheMenu", "ToucheCaptureEcran",
        "ToucheSauvegarderMonde", "ToucheInterfacePleinEcran", "ToucheChangerPersonnage", "ToucheDirectionHaut",
        "ToucheDirectionBas", "ToucheDirectionGauche", "ToucheDirectionDroite", "ToucheObjets",
        "NombreTouchesObjets", "ToucheSoldatsToutes", "ToucheSoldatsMemeType", "ToucheSoldatsEnArme",
        "ToucheSoldatsEcran", "ToucheSoldatsReposes", "ToucheSoldatsEnArret", "ToucheSoldatsRapides",
        "ToucheSoldatsNonAffectees", "ToucheSoldatsTerrestres", "ToucheSoldatsVolants", "ToucheSoldatsDefensifs",
        "ToucheSoldatsOffensifs", "ToucheSoldatsSupprimer"};
    return noms;
}

std::int16_t& ClsIntTouches::Touche(std::int16_t k) {
    // The fields in the file's order; key 14 to 21 are the eight resources.
    std::int16_t* champs[NombreTouches] = {
        &ToucheQuitter, &ToucheZoomNormal, &ToucheZoomPlus, &ToucheZoomMoins, &ToucheFenetreBatiment,
        &ToucheFenetrePersonnage, &ToucheFenetreRessources, &ToucheFenetreCompetences, &ToucheFenetreInventaire,
        &ToucheFenetreBestiaire, &ToucheFenetresFermer, &ToucheRetourChateau, &ToucheRetourMaison,
        &ToucheTrouverRessource[0], &ToucheTrouverRessource[1], &ToucheTrouverRessource[2],
        &ToucheTrouverRessource[3], &ToucheTrouverRessource[4], &ToucheTrouverRessource[5],
        &ToucheTrouverRessource[6], &ToucheTrouverRessource[7], &ToucheTrouverAttaquerPerso,
        &ToucheTrouverAttaquerMaison, &ToucheTrouverAttaquerChateau, &ToucheTrouverTresor, &ToucheModeAuto,
        &ToucheAide, &ToucheArret, &ToucheChargez, &ToucheDefinirAttitude, &ToucheDefinirFormation,
        &ToucheArgentDeposer, &ToucheArgentRecuperer, &ToucheDemolirMaison, &ToucheAfficherConseil, &ToucheMenu,
        &ToucheCaptureEcran, &ToucheSauvegarderMonde, &ToucheInterfacePleinEcran, &ToucheChangerPersonnage,
        &ToucheDirectionHaut, &ToucheDirectionBas, &ToucheDirectionGauche, &ToucheDirectionDroite, &ToucheObjets,
        &NombreTouchesObjets, &ToucheSoldatsToutes, &ToucheSoldatsMemeType, &ToucheSoldatsEnArme,
        &ToucheSoldatsEcran, &ToucheSoldatsReposes, &ToucheSoldatsEnArret, &ToucheSoldatsRapides,
        &ToucheSoldatsNonAffectees, &ToucheSoldatsTerrestres, &ToucheSoldatsVolants, &ToucheSoldatsDefensifs,
        &ToucheSoldatsOffensifs, &ToucheSoldatsSupprimer};
    return *champs[k];
}

std::int16_t ClsIntTouches::Touche(std::int16_t k) const { return const_cast<ClsIntTouches*>(this)->Touche(k); }

ClsIntTouches::ClsIntTouches(DossierJeu&) {}

void ClsIntTouches::Presser_Touche(std::int16_t, ModMain&, ClsInterface&, ClsJeuMessages&, std::int32_t&,
                                   std::int32_t, bool, bool, bool, bool&, ModDialogue::Groupe&, std::int16_t,
                                   ClsInterface*, ClsJeuMessages*) {}
