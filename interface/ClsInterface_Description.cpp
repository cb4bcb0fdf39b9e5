// The tooltip of an item type as it works for the character looking at it:
// name and competence level, bonuses scaled by the character's competence
// and race, use effects, costs, price and what may be done with it.
#include "platform/Texte.h"
#include "interface/ClsInterface.h"

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/LectureIni.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

std::string Nb(double x) { return TexteNombreFrancais(x); }
std::string Pluriel(double n) { return n >= 2 ? "s" : ""; }

}  // namespace

std::string ClsInterface::Description_Objet(std::int16_t T, const ClsJeuPerso& Perso, bool Inventaire) const {
    const ClsJeuParam& P = main_->Parametres;
    if (T < 0 || T >= P.NombreTypesObjets) return {};
    const std::int16_t c = P.Objet_Competence(T);
    // A value scaled by the character's level in the item's competence.
    auto Sup = [&](double v) { return static_cast<double>(Perso.Objet_Equipe_BonusSup(c, static_cast<float>(v))); };
    auto Race = [&](double v, float coef) { return Nb(Entier(Sup(v) * coef)); };
    std::string t = P.Objet_Nom(T);
    if (c > 0) t += " (" + P.CompetenceObjet_Nom(c) + " : " + std::to_string(Perso.Definir_Niveau_CompetenceObjets(c)) + ")";
    if (P.Objet_BonusPorteeAttaque(T) > 0)
        t += "#Portée : " + std::to_string(Perso.Objet_Equipe_PorteeSup(c, static_cast<float>(P.Objet_BonusPorteeAttaque(T)))) + " m";
    if (P.Objet_BonusAttaque(T) > 0) t += "#+" + Race(P.Objet_BonusAttaque(T), Perso.CoefAttaque) + " attaque";
    if (P.Objet_SurfaceAttaque(T) > 0)
        t += "#Surface d'attaque : " + std::to_string(Perso.Objet_Equipe_SurfaceSup(c, static_cast<float>(P.Objet_SurfaceAttaque(T))));
    if (P.Objet_BonusDefense(T) > 0) t += "#+" + Race(P.Objet_BonusDefense(T), Perso.CoefDefense) + " défense";
    if (!P.Objet_Utilisable(T) && P.Objet_Categorie(T) == 1) t += "#nécessite les 2 mains";
    if (P.Objet_BonusVie(T) > 0) t += "#+" + Race(P.Objet_BonusVie(T), Perso.CoefVie) + " vie";
    if (P.Objet_BonusEnergie(T) > 0) t += "#+" + Race(P.Objet_BonusEnergie(T), Perso.CoefEnergie) + " énergie";
    if (P.Objet_BonusMoral(T) > 0) t += "#+" + Race(P.Objet_BonusMoral(T), Perso.CoefMoral) + " moral";
    if (P.Objet_BonusMagie(T) > 0) t += "#+" + Race(P.Objet_BonusMagie(T), Perso.CoefMagie) + " magie";
    if (P.Objet_BonusDeplacement(T) > 0) t += "#+" + Nb(Sup(P.Objet_BonusDeplacement(T))) + " vitesse";
    if (P.Objet_BonusArmure(T) > 0)
        t += "#+" + std::to_string(Perso.Objet_Equipe_ArmureSup(c, static_cast<float>(P.Objet_BonusArmure(T)))) + " armure";
    for (std::int16_t k = 0; k < P.NombreCompetencesSpeciales; ++k)
        if (P.Objet_BonusCompetencesSpeciales(T, k) > 0)
            t += "#+" + Race(P.Objet_BonusCompetencesSpeciales(T, k), Perso.Definir_CoefRaceCompSpeciales(k)) + " " +
                 MinusculesAscii(P.Speciales_NomCompetences(k));
    for (std::int16_t k = 0; k < P.NombreRessources; ++k)
        if (P.Objet_BonusCompetencesRessources(T, k) > 0)
            t += "#+" + Race(P.Objet_BonusCompetencesRessources(T, k), Perso.Definir_CoefRaceCompRessources(k)) + " " +
                 MinusculesAscii(P.Ressources_NomCompetence(k));
    for (std::int16_t k = 0; k < Perso.Nombre_CompetencesServices(); ++k)
        if (P.Objet_BonusCompetencesServices(T, k) > 0)
            t += "#+" + Race(P.Objet_BonusCompetencesServices(T, k), Perso.Definir_CoefRaceCompServices(k)) + " " +
                 MinusculesAscii(P.Service_NomCompetence(k + 1));
    for (std::int16_t k = 0; k < P.NombreCompetencesObjets; ++k)
        if (P.Objet_BonusCompetencesObjets(T, k) > 0)
            t += "#+" + Race(P.Objet_BonusCompetencesObjets(T, k), Perso.Definir_CoefRaceCompObjets(k)) + " " +
                 MinusculesAscii(P.CompetenceObjet_Nom(k));
    if (P.Objet_BonusMaxRessources(T) > 0)
        t += "#Transporte " + Nb(Sup(P.Objet_BonusMaxRessources(T))) + " unités de ressources supplémentaires.";
    const double regen[4] = {P.Objet_BonusVitesseRegenerationVie(T), P.Objet_BonusVitesseRegenerationEnergie(T),
                             P.Objet_BonusVitesseRegenerationMagie(T), P.Objet_BonusVitesseRegenerationMoral(T)};
    const char* regenNoms[4] = {"% de vie.", "% d'énergie.", "% de magie.", "% de moral."};
    for (int k = 0; k < 4; ++k)
        if (regen[k] > 0) t += "#Régénère " + Nb(std::round(regen[k] * 1e9) / 1e9 * 1000.0) + regenNoms[k];
    if (P.Objet_Invocation(T) >= 0) {
        const double n = Sup(P.Objet_Quantite(T));
        t += "#$Invoque : " + (n == 0 ? std::string("1") : Nb(n)) + " " + P.Race_Nom(P.Objet_Invocation(T), false, n > 1);
    }
    if (P.Objet_Resurrection(T) > 0) {
        const double n = Sup(P.Objet_Quantite(T));
        t += "#$Ressuscite " + Nb(n) + " personne" + Pluriel(n);
    }
    if (P.Objet_SelfResurrection(T) > 0) t += "#$Permet de se ressusciter soi-même";
    const double gains[4] = {P.Objet_GainVie(T), P.Objet_GainEnergie(T), P.Objet_GainMagie(T), P.Objet_GainMoral(T)};
    const char* gainNoms[4] = {" de vie", " d'énergie", " de magie", " de moral"};
    for (int k = 0; k < 4; ++k)
        if (gains[k] > 0) {
            const double n = Sup(gains[k]);
            t += "#$Redonne : " + Nb(n) + " point" + Pluriel(n) + gainNoms[k];
        }
    if (gains[0] + gains[1] + gains[2] + gains[3] > 0 && P.Objet_Quantite(T) > 0 && P.Objet_Resurrection(T) == 0) {
        const double n = Sup(P.Objet_Quantite(T));
        t += "#Affecte " + Nb(n) + " personne" + Pluriel(n);
    }
    if (P.Objet_GainArgent(T) > 0) t += "#$Génère " + Nb(Perso.Objet_Equipe_GainSup(c, P.Objet_GainArgent(T))) + " argent";
    for (std::int16_t k = 0; k < P.NombreRessources; ++k)
        if (P.Objet_GainRessource(T, k) > 0)
            t += "#$Génère " + Nb(Perso.Objet_Equipe_GainSup(c, P.Objet_GainRessource(T, k))) + " " +
                 MinusculesAscii(P.Ressources_Nom(k));
    const double pertes[4] = {P.Objet_PerteVie(T), P.Objet_PerteEnergie(T), P.Objet_PerteMagie(T), P.Objet_PerteMoral(T)};
    for (int k = 0; k < 4; ++k)
        if (pertes[k] > 0) t += "#(Utilisation : " + Nb(pertes[k]) + " point" + Pluriel(pertes[k]) + gainNoms[k] + ")";
    if (P.Objet_PerteArgent(T) > 0)
        t += "#(Utilisation : " + Nb(P.Objet_PerteArgent(T)) + " pièce" + Pluriel(P.Objet_PerteArgent(T)) + " d'argent)";
    const double q = P.Objet_PerteRessourceQuantite(T);
    if (q > 0) {
        const std::int32_t r = P.Objet_PerteRessourceIndice(T);
        t += "#(Utilisation : " + Nb(q) + " " + P.Ressources_Nom(r) + " par attaque)#";
        const double h = Perso.Definir_Ressources(r);
        t += h < q ? "&(Pas de munition disponible)" : "(" + Nb(Entier(h / q)) + " munitions restantes)";
    }
    if (P.Objet_Indestructible(T)) t += "#$Indestructible";
    if (P.Objet_UtilisationUnique(T)) t += "#Utilisable qu'une fois";
    if (P.Objet_UtilisationMort(T)) t += "#$Utilisable même mort";
    if (!P.Objet_Inseparable(T)) {
        const double prix = !Perso.DansMaison && !Inventaire
                                ? Perso.Prix_Marchandee(P.Objet_PrixVente(T) * P.CoefficientAchat, P)
                                : P.Objet_PrixVente(T);
        t += "#Prix : " + Nb(prix);
    }
    if (!P.Objet_Description(T).empty()) t += "#" + P.Objet_Description(T);
    const bool dansChateau = Perso.DansChateau || Perso.DansChateauCible;
    if (Inventaire && dansChateau)
        t += P.Objet_Inseparable(T) ? "#&(Ne peut être vendu)" : "#(Déposez l'objet pour le vendre)";
    else if (Inventaire && P.Objet_Inseparable(T))
        t += "#&(Ne peut être déposé ou donné)";
    return t;
}
