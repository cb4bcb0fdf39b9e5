#include "characters/ClsJeuObjet.h"

#include <algorithm>

#include "rules/ClsJeuParam.h"

namespace {

std::size_t Taille(std::int32_t n) { return static_cast<std::size_t>(std::max<std::int32_t>(n, 0)); }

template <class T>
T Element(const std::vector<T>& v, std::int16_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? v[static_cast<std::size_t>(i)] : T{};
}

}  // namespace

void ClsJeuObjet::Init(const ClsJeuParam& Parametres) {
    Indice = -1;
    PerteRessourceIndice = -1;
    PrixRessources.assign(Taille(Parametres.NombreRessources), 0);
    BonusCompetencesSpeciales.assign(Taille(Parametres.NombreCompetencesSpeciales), 0);
    BonusCompetencesRessources.assign(Taille(Parametres.NombreRessources), 0);
    BonusCompetencesServices.assign(Taille(Parametres.NombreServices - 1), 0);
    // Sized by the number of item types, as the rules list is; only the
    // item competences at its start are ever read.
    BonusCompetencesObjets.assign(Taille(Parametres.NombreTypesObjets), 0);
    GainRessource.assign(Taille(Parametres.NombreRessources), 0.0f);
}

void ClsJeuObjet::Charger(std::int16_t IndiceObjet, const ClsJeuParam& Parametres) {
    const std::int32_t o = IndiceObjet;
    // A slot loaded without Init gets its lists sized first.
    if (PrixRessources.size() != Taille(Parametres.NombreRessources) ||
        BonusCompetencesObjets.size() != Taille(Parametres.NombreTypesObjets))
        Init(Parametres);
    Indice = IndiceObjet;
    Nom = Parametres.Objet_Nom(o);
    Description = Parametres.Objet_Description(o);
    Indestructible = Parametres.Objet_Indestructible(o);
    Inseparable = Parametres.Objet_Inseparable(o);
    Categorie = Parametres.Objet_Categorie(o);
    Competence = Parametres.Objet_Competence(o);
    PrixVente = Parametres.Objet_PrixVente(o);
    BonusVie = Parametres.Objet_BonusVie(o);
    BonusEnergie = Parametres.Objet_BonusEnergie(o);
    BonusMagie = Parametres.Objet_BonusMagie(o);
    BonusMoral = Parametres.Objet_BonusMoral(o);
    BonusAttaque = Parametres.Objet_BonusAttaque(o);
    BonusPorteeAttaque = Parametres.Objet_BonusPorteeAttaque(o);
    EffetAttaque = Parametres.Objet_EffetAttaque(o);
    SurfaceAttaque = Parametres.Objet_SurfaceAttaque(o);
    BonusDefense = Parametres.Objet_BonusDefense(o);
    BonusDeplacement = Parametres.Objet_BonusDeplacement(o);
    BonusArmure = Parametres.Objet_BonusArmure(o);
    BonusMaxRessources = Parametres.Objet_BonusMaxRessources(o);
    BonusVitesseRegenerationVie = Parametres.Objet_BonusVitesseRegenerationVie(o);
    BonusVitesseRegenerationEnergie = Parametres.Objet_BonusVitesseRegenerationEnergie(o);
    BonusVitesseRegenerationMagie = Parametres.Objet_BonusVitesseRegenerationMagie(o);
    BonusVitesseRegenerationMoral = Parametres.Objet_BonusVitesseRegenerationMoral(o);
    PerteVie = Parametres.Objet_PerteVie(o);
    PerteEnergie = Parametres.Objet_PerteEnergie(o);
    PerteMagie = Parametres.Objet_PerteMagie(o);
    PerteMoral = Parametres.Objet_PerteMoral(o);
    PerteArgent = Parametres.Objet_PerteArgent(o);
    PerteRessourceIndice = Parametres.Objet_PerteRessourceIndice(o);
    PerteRessourceQuantite = Parametres.Objet_PerteRessourceQuantite(o);
    ApparencePerso = Parametres.Objet_ApparencePerso(o);
    ChangerApparencePerso = Parametres.Objet_ChangerApparencePerso(o);
    Utilisable = Parametres.Objet_Utilisable(o);
    UtilisationUnique = Parametres.Objet_UtilisationUnique(o);
    UtilisationMort = Parametres.Objet_UtilisationMort(o);
    Experience = Parametres.Objet_Experience(o);
    Invocation = Parametres.Objet_Invocation(o);
    Quantite = Parametres.Objet_Quantite(o);
    GainVie = Parametres.Objet_GainVie(o);
    GainEnergie = Parametres.Objet_GainEnergie(o);
    GainMagie = Parametres.Objet_GainMagie(o);
    GainMoral = Parametres.Objet_GainMoral(o);
    GainArgent = Parametres.Objet_GainArgent(o);
    Resurrection = Parametres.Objet_Resurrection(o);
    SelfResurrection = Parametres.Objet_SelfResurrection(o) != 0;

    for (std::size_t k = 0; k < PrixRessources.size(); ++k)
        PrixRessources[k] = Parametres.Objet_PrixRessources(o, static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < BonusCompetencesSpeciales.size(); ++k)
        BonusCompetencesSpeciales[k] = Parametres.Objet_BonusCompetencesSpeciales(o, static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < BonusCompetencesRessources.size(); ++k)
        BonusCompetencesRessources[k] = Parametres.Objet_BonusCompetencesRessources(o, static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < BonusCompetencesServices.size(); ++k)
        BonusCompetencesServices[k] = Parametres.Objet_BonusCompetencesServices(o, static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < BonusCompetencesObjets.size(); ++k)
        BonusCompetencesObjets[k] = Parametres.Objet_BonusCompetencesObjets(o, static_cast<std::int32_t>(k));
    for (std::size_t k = 0; k < GainRessource.size(); ++k)
        GainRessource[k] = Parametres.Objet_GainRessource(o, static_cast<std::int32_t>(k));

    CoutUtilisation = PerteVie > 0 || PerteEnergie > 0 || PerteMagie > 0 || PerteMoral > 0 ||
                      (PerteRessourceIndice >= 0 && PerteRessourceQuantite > 0) || PerteArgent > 0 ||
                      UtilisationUnique;
}

void ClsJeuObjet::Decharger() {
    // Every number back to 0, the lists keeping their sizes.
    auto prix = std::move(PrixRessources);
    auto speciales = std::move(BonusCompetencesSpeciales);
    auto ressources = std::move(BonusCompetencesRessources);
    auto services = std::move(BonusCompetencesServices);
    auto objets = std::move(BonusCompetencesObjets);
    auto gains = std::move(GainRessource);
    *this = ClsJeuObjet{};
    std::fill(prix.begin(), prix.end(), 0);
    std::fill(speciales.begin(), speciales.end(), 0);
    std::fill(ressources.begin(), ressources.end(), 0);
    std::fill(services.begin(), services.end(), 0);
    std::fill(objets.begin(), objets.end(), 0);
    std::fill(gains.begin(), gains.end(), 0.0f);
    PrixRessources = std::move(prix);
    BonusCompetencesSpeciales = std::move(speciales);
    BonusCompetencesRessources = std::move(ressources);
    BonusCompetencesServices = std::move(services);
    BonusCompetencesObjets = std::move(objets);
    GainRessource = std::move(gains);
}

std::int16_t ClsJeuObjet::Param_PrixRessources(std::int16_t Index) const { return Element(PrixRessources, Index); }
std::int16_t ClsJeuObjet::Param_BonusCompetencesSpeciales(std::int16_t Index) const {
    return Element(BonusCompetencesSpeciales, Index);
}
std::int16_t ClsJeuObjet::Param_BonusCompetencesRessources(std::int16_t Index) const {
    return Element(BonusCompetencesRessources, Index);
}
std::int16_t ClsJeuObjet::Param_BonusCompetencesServices(std::int16_t Index) const {
    return Element(BonusCompetencesServices, Index);
}
std::int16_t ClsJeuObjet::Param_BonusCompetencesObjets(std::int16_t Index) const {
    return Element(BonusCompetencesObjets, Index);
}
float ClsJeuObjet::Param_GainRessource(std::int16_t Index) const { return Element(GainRessource, Index); }
