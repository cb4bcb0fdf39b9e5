// Levels and experience: the one routine that adds experience and raises
// levels, the experience rules of the special competences and of the paid
// service, the bargained price and the progress values shown to the player.
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

// No character ever gets near this many levels in one thing (the life
// threshold there is a billion experience points); it keeps a corrupt save
// or an absurd gain from looping for ever.
constexpr std::int32_t NiveauMaximum = 10000;

// Experience needed from level N to the next, per category.
std::int32_t Pas_Niveau(std::int16_t categorie, std::int32_t N) {
    switch (categorie) {
        case 0: case 1: case 2: case 3: case 7: case 8: case 9: return 20 * (N + 1);
        case 4: return 400 * (N + 1);
        case 5: return 250 * (N + 1);
        case 6: return 15 * (N + 1);
        default: return 0;
    }
}

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

double Progression(double exp, double expNiv, double expNivPlus) {
    const double fenetre = expNivPlus - expNiv;
    return fenetre != 0.0 ? (exp - expNiv) / fenetre : 0.0;
}

}  // namespace

void ClsJeuPerso::Gagner_Experience(std::int32_t& Compteur, double Valeur, double& Exp, std::int32_t& Niveau,
                                    double& ExpNiv, double& ExpNivPlus, std::int16_t Categorie) {
    if (!Experience) return;
    if (!std::isfinite(Valeur) || Pas_Niveau(Categorie, 0) == 0) return;
    const double exp = Exp + Valeur;
    if (!std::isfinite(exp)) return;
    Exp = exp;
    // A level is never negative; a corrupt one counts from 0.
    if (Niveau < 0) Niveau = 0;
    // Several levels may be reached at once; each one rebuilds the maxima
    // so that current values keep their share.
    while (Exp >= ExpNivPlus && Niveau < NiveauMaximum) {
        Compteur = Sature32(static_cast<double>(Compteur) + 1.0);
        ExpNiv = ExpNivPlus;
        Niveau += 1;
        ExpNivPlus += Pas_Niveau(Categorie, Niveau);
        Actualiser_Bonus();
    }
}

void ClsJeuPerso::Gagner_Experience_CompetenceSpeciale(std::int32_t Index, double Valeur) {
    if (!Dans(CaracSpeciales, Index)) return;
    const auto i = static_cast<std::size_t>(Index);
    Gagner_Experience(CaracSpeciales[i], Valeur, ExpSpeciales[i], NiveauSpeciales[i], ExpNivSpeciales[i],
                      ExpNivPlusSpeciales[i], 9);
}

void ClsJeuPerso::Gagner_Experience_CompetenceRessource(std::int32_t Index, double Valeur) {
    if (!Dans(CaracRessources, Index)) return;
    const auto i = static_cast<std::size_t>(Index);
    Gagner_Experience(CaracRessources[i], Valeur, ExpRessources[i], NiveauRessources[i], ExpNivRessources[i],
                      ExpNivPlusRessources[i], 6);
}

void ClsJeuPerso::Gagner_Experience_CompetenceService(std::int32_t Index, double Valeur) {
    if (!Dans(CaracServices, Index)) return;
    const auto i = static_cast<std::size_t>(Index);
    Gagner_Experience(CaracServices[i], Valeur, ExpServices[i], NiveauServices[i], ExpNivServices[i],
                      ExpNivPlusServices[i], 7);
}

void ClsJeuPerso::Gagner_Experience_CompetenceObjet(std::int32_t Index, double Valeur) {
    if (!Dans(CaracObjets, Index)) return;
    const auto i = static_cast<std::size_t>(Index);
    Gagner_Experience(CaracObjets[i], Valeur, ExpObjets[i], NiveauObjets[i], ExpNivObjets[i], ExpNivPlusObjets[i], 8);
}

void ClsJeuPerso::Entrainer_Objets(GenreBonus Genre, std::int32_t Index, double Valeur, std::int16_t Categorie) {
    for (const auto& slot : ObjetsEquipes) {
        const auto j = static_cast<std::int16_t>(Index);
        std::int16_t bonus = 0;
        switch (Genre) {
            case GenreBonus::Vie: bonus = slot.BonusVie; break;
            case GenreBonus::Energie: bonus = slot.BonusEnergie; break;
            case GenreBonus::Magie: bonus = slot.BonusMagie; break;
            case GenreBonus::Moral: bonus = slot.BonusMoral; break;
            case GenreBonus::Attaque: bonus = slot.BonusAttaque; break;
            case GenreBonus::Defense: bonus = slot.BonusDefense; break;
            case GenreBonus::Speciale: bonus = slot.Param_BonusCompetencesSpeciales(j); break;
            case GenreBonus::Ressource: bonus = slot.Param_BonusCompetencesRessources(j); break;
            case GenreBonus::Service: bonus = slot.Param_BonusCompetencesServices(j); break;
            case GenreBonus::Objet: bonus = slot.Param_BonusCompetencesObjets(j); break;
        }
        if (bonus <= 0 || !Dans(CaracObjets, slot.Competence)) continue;
        // The work code trains service items with the service category: its
        // step is the same as the item category's.
        const auto c = static_cast<std::size_t>(slot.Competence);
        Gagner_Experience(CaracObjets[c], Valeur, ExpObjets[c], NiveauObjets[c], ExpNivObjets[c], ExpNivPlusObjets[c],
                          Categorie);
    }
}

void ClsJeuPerso::Gestion_Tous_Niveaux() {
    Gagner_Experience(VieBase, 0.0, ExpVie, NiveauVie, ExpNivVie, ExpNivPlusVie, 0);
    Gagner_Experience(EnergieBase, 0.0, ExpEnergie, NiveauEnergie, ExpNivEnergie, ExpNivPlusEnergie, 1);
    Gagner_Experience(MagieBase, 0.0, ExpMagie, NiveauMagie, ExpNivMagie, ExpNivPlusMagie, 2);
    Gagner_Experience(MoralBase, 0.0, ExpMoral, NiveauMoral, ExpNivMoral, ExpNivPlusMoral, 3);
    Gagner_Experience(AttaqueBase, 0.0, ExpAttaque, NiveauAttaque, ExpNivAttaque, ExpNivPlusAttaque, 4);
    Gagner_Experience(DefenseBase, 0.0, ExpDefense, NiveauDefense, ExpNivDefense, ExpNivPlusDefense, 5);
    for (std::size_t i = 0; i < CaracSpeciales.size(); ++i) Gagner_Experience_CompetenceSpeciale(static_cast<std::int32_t>(i), 0.0);
    for (std::size_t i = 0; i < CaracRessources.size(); ++i) Gagner_Experience_CompetenceRessource(static_cast<std::int32_t>(i), 0.0);
    for (std::size_t i = 0; i < CaracServices.size(); ++i) Gagner_Experience_CompetenceService(static_cast<std::int32_t>(i), 0.0);
    for (std::size_t i = 0; i < CaracObjets.size(); ++i) Gagner_Experience_CompetenceObjet(static_cast<std::int32_t>(i), 0.0);
}

void ClsJeuPerso::Gestion_Niveau_Comp_Speciale(std::int16_t Numero, double Valeur, const ClsJeuParam& /*Parametres*/) {
    double f = 0.0, g = 0.0;
    switch (Numero) {
        case 0: f = 0.001; g = 0.05; break;
        case 1: f = 0.0025; g = 1.0; break;
        case 2:
            f = 0.005;
            g = 1.0;
            // A blow teaches no more than the attack it spent.
            if (Valeur > Attaque) Valeur = Attaque;
            break;
        case 3: f = 0.001; g = 1.0; break;
        default: return;
    }
    Gagner_Experience_CompetenceSpeciale(Numero, Valeur * 20 * f);
    if (Bonus_CompetenceSpeciales(Numero)) Entrainer_Objets(GenreBonus::Speciale, Numero, Valeur * 20 * f * g, 8);
}

void ClsJeuPerso::Gestion_Niveau_Prime(double Valeur, const ClsJeuParam& Parametres) {
    const double k = ValeurStricte(Parametres.Service_CoefExp(2)).value_or(0.0);
    Gagner_Experience_CompetenceService(1, k * Valeur);
    if (Bonus_CompetenceServices(1)) Entrainer_Objets(GenreBonus::Service, 1, k * Valeur, 8);
}

std::int16_t ClsJeuPerso::Prix_Marchandee(double Prix, const ClsJeuParam& Parametres) const {
    const double R = Parametres.PersosNiveauSpecialesDepart;
    double L = Definir_Niveau_CompetenceSpeciales(3);
    // A bargaining level of 0 or less (a race coefficient of 0) bargains as
    // level 1 would: the dearest price, never a division by zero.
    if (L < 1.0) L = 1.0;
    return Sature16((R / L + 1.0) * (Prix / 2.0));
}

// ---- Progress toward the next level ----

double ClsJeuPerso::Progression_Vie() const { return Progression(ExpVie, ExpNivVie, ExpNivPlusVie); }
double ClsJeuPerso::Progression_energie() const { return Progression(ExpEnergie, ExpNivEnergie, ExpNivPlusEnergie); }
double ClsJeuPerso::Progression_Magie() const { return Progression(ExpMagie, ExpNivMagie, ExpNivPlusMagie); }
double ClsJeuPerso::Progression_Moral() const { return Progression(ExpMoral, ExpNivMoral, ExpNivPlusMoral); }
double ClsJeuPerso::Progression_Attaque() const { return Progression(ExpAttaque, ExpNivAttaque, ExpNivPlusAttaque); }
double ClsJeuPerso::Progression_Defense() const { return Progression(ExpDefense, ExpNivDefense, ExpNivPlusDefense); }

double ClsJeuPerso::Progression_CompetenceSpeciale(std::int16_t Index) const {
    if (!Dans(ExpSpeciales, Index)) return 0.0;
    const auto i = static_cast<std::size_t>(Index);
    return Progression(ExpSpeciales[i], ExpNivSpeciales[i], ExpNivPlusSpeciales[i]);
}

double ClsJeuPerso::Progression_CompetenceRessource(std::int16_t Index) const {
    if (!Dans(ExpRessources, Index)) return 0.0;
    const auto i = static_cast<std::size_t>(Index);
    return Progression(ExpRessources[i], ExpNivRessources[i], ExpNivPlusRessources[i]);
}

double ClsJeuPerso::Progression_CompetenceService(std::int16_t Index) const {
    if (!Dans(ExpServices, Index)) return 0.0;
    const auto i = static_cast<std::size_t>(Index);
    return Progression(ExpServices[i], ExpNivServices[i], ExpNivPlusServices[i]);
}

double ClsJeuPerso::Progression_CompetenceObjet(std::int16_t Index) const {
    if (!Dans(ExpObjets, Index)) return 0.0;
    const auto i = static_cast<std::size_t>(Index);
    return Progression(ExpObjets[i], ExpNivObjets[i], ExpNivPlusObjets[i]);
}
