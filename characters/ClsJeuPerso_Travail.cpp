// The character's work, one tick at a time while it stands at its work
// place: harvesting at a deposit and producing at home, preparing a
// service, building its house and crafting an item in its workshop. Every
// working tick tires the character and trains the competence it uses.
#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuRessources.h"

namespace {

constexpr std::int32_t CompetenceConstruction = 0;

}  // namespace

void ClsJeuPerso::Recolter_Ressources(std::int32_t Index, ClsJeuBatiment& Maison, std::int16_t& Code,
                                      const ClsJeuParam& Parametres) {
    if (Index < 0 || Index >= Nombre_Ressources()) return;
    const double r = CoefVitesse * 0.0025 * (Definir_Niveau_CompetenceRessources(Index) + Parametres.PersosMaxRessources);
    double a = Parametres.Ressources_VitesseExtraction(Index) * r;
    const std::int32_t m = Parametres.Ressources_TypeMatierePremiere(Index);
    const double q = Parametres.Ressources_QuantiteMatierePremiere(Index);

    // At a deposit the harvest comes out of it: never more than it holds,
    // and an exhausted deposit ends the work.
    ClsJeuRessources* gisement = nullptr;
    if (Action == Actions::Recolter && Main != nullptr && CibleRessource >= 0 &&
        CibleRessource < static_cast<std::int32_t>(Main->Ressources.size()))
        gisement = &Main->Ressources[static_cast<std::size_t>(CibleRessource)];
    if (gisement != nullptr) {
        if (!gisement->Visible()) {
            Arreter();
            Code = 0;
            return;
        }
        a = std::min(a, gisement->Quantite);
    }

    const bool matiere = m >= 0 && m < Nombre_Ressources();
    // The raw material always comes from what the character carries.
    auto matiere_manque = [&] { return matiere && Definir_Ressources(m) < a * q; };
    auto payer_matiere = [&] {
        if (matiere) Definir_Ressources(m, Definir_Ressources(m) - a * q);
    };

    if (Definir_Ressources(Index) < Definir_MaxRessources(Index)) {
        if (matiere_manque()) {
            Action = Actions::Repos;
            Code = 1;
        } else {
            payer_matiere();
            const double avant = Definir_Ressources(Index);
            Definir_Ressources(Index, avant + a);
            if (gisement != nullptr)
                gisement->Quantite = std::max(0.0, gisement->Quantite - (Definir_Ressources(Index) - avant));
        }
    } else if (DansMaison && Maison.Definir_Stock() < Maison.MaxStock) {
        if (matiere_manque()) {
            Action = Actions::Repos;
            Code = 1;
        } else {
            payer_matiere();
            Maison.Definir_Stock(Maison.Definir_Stock() + a);
        }
    } else {
        Arreter();
        Code = 0;
    }

    if (Action != Actions::Attente && Action != Actions::Repos) {
        Definir_Energie(Energie - 0.00625);
        Definir_Moral(Moral - 0.00125);
        Gagner_Experience_CompetenceRessource(Index, r);
        if (Bonus_CompetenceRessources(Index)) Entrainer_Objets(GenreBonus::Ressource, Index, r, 8);
    }
}

void ClsJeuPerso::Preparer_Service(ClsJeuBatiment& Maison, std::int16_t& Code, const ClsJeuParam& Parametres) {
    const std::int16_t s = Maison.Service;
    ServiceEnCours = s;
    if (s < 1) {  // a house without a service has nothing to prepare
        Arreter();
        Code = 0;
        return;
    }
    const std::int32_t m = Sature16(Val(Parametres.Service_MatierePremiere(s)));
    const double v = Val(Parametres.Service_VitesseCreation(s));
    const double n = Val(Parametres.Service_QuantiteMatierePremiere(s));
    const double r = Definir_Niveau_CompetenceServices(s - 1) * CoefVitesse * 0.0025;
    const bool matiere = m >= 0 && m < Nombre_Ressources();

    if (Maison.Definir_Stock() >= Maison.MaxStock) {
        Arreter();
        Code = 0;
    } else if (!matiere) {
        Maison.Definir_Stock(Maison.Definir_Stock() + v * r);
        Action = Actions::PreparerService;
    } else if (Definir_Ressources(m) < n * (v * r)) {
        Action = Actions::Repos;
        Code = 1;
    } else {
        Definir_Ressources(m, Definir_Ressources(m) - n * (v * r));
        Maison.Definir_Stock(Maison.Definir_Stock() + v * r);
        Action = Actions::PreparerService;
    }

    if (Action != Actions::Attente && Action != Actions::Repos) {
        Definir_Energie(Energie - 0.00625);
        Definir_Moral(Moral - 0.00125);
        const double exp = Val(Parametres.Service_CoefExp(s)) * v * r;
        Gagner_Experience_CompetenceService(s - 1, exp);
        if (Bonus_CompetenceServices(s - 1)) Entrainer_Objets(GenreBonus::Service, s - 1, exp, 7);
    }
}

void ClsJeuPerso::Batir_Maison(ClsJeuFief& Fief, ClsJeuBatiment& Chateau, ClsJeuBatiment& Maison,
                               const ClsJeuParam& Parametres) {
    const double depart = Parametres.PersosNiveauSpecialesDepart > 0 ? Parametres.PersosNiveauSpecialesDepart : 1.0;
    const double p = CoefVitesse * 3.0 * (Definir_Niveau_CompetenceSpeciales(CompetenceConstruction) + depart) / depart;
    Maison.Definir_Vie(Maison.Vie + p);
    Definir_Energie(Energie - 0.00625);
    Definir_Moral(Moral - 0.00125);
    Gagner_Experience_CompetenceSpeciale(CompetenceConstruction, p * 0.02);
    if (Bonus_CompetenceSpeciales(CompetenceConstruction))
        Entrainer_Objets(GenreBonus::Speciale, CompetenceConstruction, p * 0.02, 8);

    if (Maison.Acheve && Maison.Vie == Maison.MaxVie) {
        Action = Actions::RentrerMaison;
        Calculer_Apparence(Maison, Parametres);
        // Finishing a house of a later era moves the fief on.
        if (Fief.Epoque < Parametres.Batiment_NoEpoque(Maison.TypeBatiment)) Fief.Changer_Epoque(Chateau, Parametres);
    } else {
        Action = Actions::Construire;
    }
}

bool ClsJeuPerso::PeutConstruire_Maison(std::int32_t IndiceMaison, const ClsJeuParam& Parametres) const {
    if (IndiceMaison < 0 || IndiceMaison >= Parametres.NombreTypeBatiments) return false;
    for (std::int32_t i = 0; i < Parametres.NombreRessources; ++i)
        if (Parametres.Batiment_Prix(IndiceMaison, i) > Definir_Ressources(i)) return false;
    return true;
}

void ClsJeuPerso::Creer_Objet(std::int16_t NumeroObjet, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres) {
    ProgressionFabrication = 0.0;
    ObjetEnCours = NumeroObjet;
    Action = Actions::Fabriquer;
}

void ClsJeuPerso::Fabriquer_Etape(const ClsJeuParam& Parametres, ClsJeuBatiment& Maison, std::int16_t& Code) {
    const std::int32_t t = Parametres.Batiment_ObjetFabrique(Maison.TypeBatiment, ObjetEnCours);
    // The house no longer makes that item (another type was built here).
    if (ObjetEnCours < 0 || ObjetEnCours >= Parametres.Batiment_NombreObjetsFabriques(Maison.TypeBatiment) || t < 0 ||
        t >= Parametres.NombreTypesObjets) {
        Arreter();
        Code = 0;
        return;
    }
    const std::int16_t c = Parametres.Objet_Competence(t);
    const double pas = Definir_Niveau_CompetenceObjets(c) * CoefVitesse * 0.1;
    ProgressionFabrication += pas;
    Definir_Energie(Energie - 0.00625);
    Definir_Moral(Moral - 0.00125);
    Gagner_Experience_CompetenceObjet(c, pas * 20.0 * 0.0025);
    if (Bonus_CompetenceObjets(c)) Entrainer_Objets(GenreBonus::Objet, c, pas * 20.0 * 0.0025, 8);

    if (ProgressionFabrication < Parametres.Objet_DureeFabrication(t)) {
        Action = Actions::Fabriquer;
        return;
    }
    Maison.Stock_Objets(ObjetEnCours, Maison.Stock_Objets(ObjetEnCours) + 1.0);
    Code = 0;
    Action = Actions::Repos;
    // The item's price is paid once it is made.
    for (std::int32_t i = 0; i < Parametres.NombreRessources; ++i)
        Definir_Ressources(i, Definir_Ressources(i) - Parametres.Objet_PrixRessources(t, i));
}
