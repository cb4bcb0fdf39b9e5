// The four competence families (special, resource, service, item): their
// accessors, carrying capacity, the test whether items raise a competence,
// and the summaries built from them (lowest, mean, highest, overall level,
// treasure score, trade name). Experience is added by the level routine.
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

template <class T>
T Lire(const std::vector<T>& v, std::int32_t i) {
    return Dans(v, i) ? v[static_cast<std::size_t>(i)] : T{};
}

template <class T, class U>
void Ecrire(std::vector<T>& v, std::int32_t i, U valeur) {
    if (Dans(v, i)) v[static_cast<std::size_t>(i)] = static_cast<T>(valeur);
}

// The 16-bit view of a 32-bit element: its low 16 bits.
std::int16_t Bas16(std::int32_t v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v & 0xFFFF)); }

}  // namespace

// ---- Experience, windows and levels ----

double ClsJeuPerso::Definir_ExpSpeciales(std::int32_t Index) const { return Lire(ExpSpeciales, Index); }
void ClsJeuPerso::Definir_ExpSpeciales(std::int32_t Index, double Valeur) { Ecrire(ExpSpeciales, Index, Valeur); }
double ClsJeuPerso::Definir_ExpRessources(std::int32_t Index) const { return Lire(ExpRessources, Index); }
void ClsJeuPerso::Definir_ExpRessources(std::int32_t Index, double Valeur) { Ecrire(ExpRessources, Index, Valeur); }
double ClsJeuPerso::Definir_ExpServices(std::int32_t Index) const { return Lire(ExpServices, Index); }
void ClsJeuPerso::Definir_ExpServices(std::int32_t Index, double Valeur) { Ecrire(ExpServices, Index, Valeur); }
double ClsJeuPerso::Definir_ExpObjets(std::int32_t Index) const { return Lire(ExpObjets, Index); }
void ClsJeuPerso::Definir_ExpObjets(std::int32_t Index, double Valeur) { Ecrire(ExpObjets, Index, Valeur); }

double ClsJeuPerso::Definir_ExpNivSpeciales(std::int32_t Index) const { return Lire(ExpNivSpeciales, Index); }
void ClsJeuPerso::Definir_ExpNivSpeciales(std::int32_t Index, double Valeur) { Ecrire(ExpNivSpeciales, Index, Valeur); }
double ClsJeuPerso::Definir_ExpNivRessources(std::int32_t Index) const { return Lire(ExpNivRessources, Index); }
void ClsJeuPerso::Definir_ExpNivRessources(std::int32_t Index, double Valeur) { Ecrire(ExpNivRessources, Index, Valeur); }
double ClsJeuPerso::Definir_ExpNivServices(std::int32_t Index) const { return Lire(ExpNivServices, Index); }
void ClsJeuPerso::Definir_ExpNivServices(std::int32_t Index, double Valeur) { Ecrire(ExpNivServices, Index, Valeur); }
double ClsJeuPerso::Definir_ExpNivObjets(std::int32_t Index) const { return Lire(ExpNivObjets, Index); }
void ClsJeuPerso::Definir_ExpNivObjets(std::int32_t Index, double Valeur) { Ecrire(ExpNivObjets, Index, Valeur); }

double ClsJeuPerso::Definir_ExpNivPlusSpeciales(std::int32_t Index) const { return Lire(ExpNivPlusSpeciales, Index); }
void ClsJeuPerso::Definir_ExpNivPlusSpeciales(std::int32_t Index, double Valeur) {
    Ecrire(ExpNivPlusSpeciales, Index, Valeur);
}
double ClsJeuPerso::Definir_ExpNivPlusRessources(std::int32_t Index) const { return Lire(ExpNivPlusRessources, Index); }
void ClsJeuPerso::Definir_ExpNivPlusRessources(std::int32_t Index, double Valeur) {
    Ecrire(ExpNivPlusRessources, Index, Valeur);
}
double ClsJeuPerso::Definir_ExpNivPlusServices(std::int32_t Index) const { return Lire(ExpNivPlusServices, Index); }
void ClsJeuPerso::Definir_ExpNivPlusServices(std::int32_t Index, double Valeur) {
    Ecrire(ExpNivPlusServices, Index, Valeur);
}
double ClsJeuPerso::Definir_ExpNivPlusObjets(std::int32_t Index) const { return Lire(ExpNivPlusObjets, Index); }
void ClsJeuPerso::Definir_ExpNivPlusObjets(std::int32_t Index, double Valeur) { Ecrire(ExpNivPlusObjets, Index, Valeur); }

std::int16_t ClsJeuPerso::Definir_Niveau_CompetenceSpeciales(std::int32_t Index) const {
    return Bas16(Lire(NiveauEffectifSpeciales, Index));
}
std::int16_t ClsJeuPerso::Definir_Niveau_CompetenceRessources(std::int32_t Index) const {
    return Bas16(Lire(NiveauEffectifRessources, Index));
}
std::int16_t ClsJeuPerso::Definir_Niveau_CompetenceServices(std::int32_t Index) const {
    return Bas16(Lire(NiveauEffectifServices, Index));
}
std::int16_t ClsJeuPerso::Definir_Niveau_CompetenceObjets(std::int32_t Index) const {
    return Bas16(Lire(NiveauEffectifObjets, Index));
}

std::int16_t ClsJeuPerso::Niveau_CompetenceSpeciales(std::int32_t Index) const { return Bas16(Lire(NiveauSpeciales, Index)); }
void ClsJeuPerso::Niveau_CompetenceSpeciales(std::int32_t Index, std::int16_t Valeur) { Ecrire(NiveauSpeciales, Index, Valeur); }
std::int16_t ClsJeuPerso::Niveau_CompetenceRessources(std::int32_t Index) const { return Bas16(Lire(NiveauRessources, Index)); }
void ClsJeuPerso::Niveau_CompetenceRessources(std::int32_t Index, std::int16_t Valeur) { Ecrire(NiveauRessources, Index, Valeur); }
std::int16_t ClsJeuPerso::Niveau_CompetenceServices(std::int32_t Index) const { return Bas16(Lire(NiveauServices, Index)); }
void ClsJeuPerso::Niveau_CompetenceServices(std::int32_t Index, std::int16_t Valeur) { Ecrire(NiveauServices, Index, Valeur); }
std::int16_t ClsJeuPerso::Niveau_CompetenceObjets(std::int32_t Index) const { return Bas16(Lire(NiveauObjets, Index)); }
void ClsJeuPerso::Niveau_CompetenceObjets(std::int32_t Index, std::int16_t Valeur) { Ecrire(NiveauObjets, Index, Valeur); }

std::int16_t ClsJeuPerso::Definir_Carac_CompetenceSpeciales(std::int32_t Index) const {
    return Bas16(Lire(CaracSpeciales, Index));
}
void ClsJeuPerso::Definir_Carac_CompetenceSpeciales(std::int32_t Index, std::int16_t Valeur) {
    Ecrire(CaracSpeciales, Index, Valeur);
}
std::int32_t ClsJeuPerso::Definir_Carac_Ressources(std::int32_t Index) const { return Lire(CaracRessources, Index); }
void ClsJeuPerso::Definir_Carac_Ressources(std::int32_t Index, std::int32_t Valeur) { Ecrire(CaracRessources, Index, Valeur); }
std::int16_t ClsJeuPerso::Definir_Carac_CompetenceServices(std::int32_t Index) const {
    return Bas16(Lire(CaracServices, Index));
}
void ClsJeuPerso::Definir_Carac_CompetenceServices(std::int32_t Index, std::int16_t Valeur) {
    Ecrire(CaracServices, Index, Valeur);
}
std::int16_t ClsJeuPerso::Definir_Carac_CompetenceObjets(std::int32_t Index) const { return Bas16(Lire(CaracObjets, Index)); }
void ClsJeuPerso::Definir_Carac_CompetenceObjets(std::int32_t Index, std::int16_t Valeur) {
    Ecrire(CaracObjets, Index, Valeur);
}

// ---- Items raise a competence ----
// True when the effective value is above base x race coefficient (in
// double), even if it is still below the base itself.

bool ClsJeuPerso::Bonus_CompetenceSpeciales(std::int32_t Index) const {
    if (!Dans(CaracSpeciales, Index)) return false;
    return Lire(NiveauEffectifSpeciales, Index) >
           static_cast<double>(Lire(CaracSpeciales, Index)) * Lire(CoefRaceCompSpeciales, Index);
}
bool ClsJeuPerso::Bonus_CompetenceRessources(std::int32_t Index) const {
    if (!Dans(NiveauRessources, Index)) return false;
    return Lire(NiveauEffectifRessources, Index) >
           static_cast<double>(Lire(NiveauRessources, Index)) * Lire(CoefRaceCompRessources, Index);
}
bool ClsJeuPerso::Bonus_CompetenceServices(std::int32_t Index) const {
    if (!Dans(CaracServices, Index)) return false;
    return Lire(NiveauEffectifServices, Index) >
           static_cast<double>(Lire(CaracServices, Index)) * Lire(CoefRaceCompServices, Index);
}
bool ClsJeuPerso::Bonus_CompetenceObjets(std::int32_t Index) const {
    if (!Dans(CaracObjets, Index)) return false;
    return Lire(NiveauEffectifObjets, Index) >
           static_cast<double>(Lire(CaracObjets, Index)) * Lire(CoefRaceCompObjets, Index);
}

float ClsJeuPerso::Definir_CoefRaceCompSpeciales(std::int16_t Index) const { return Lire(CoefRaceCompSpeciales, Index); }
void ClsJeuPerso::Definir_CoefRaceCompSpeciales(std::int16_t Index, float Valeur) {
    Ecrire(CoefRaceCompSpeciales, Index, Valeur);
}
float ClsJeuPerso::Definir_CoefRaceCompRessources(std::int16_t Index) const { return Lire(CoefRaceCompRessources, Index); }
void ClsJeuPerso::Definir_CoefRaceCompRessources(std::int16_t Index, float Valeur) {
    Ecrire(CoefRaceCompRessources, Index, Valeur);
}
float ClsJeuPerso::Definir_CoefRaceCompServices(std::int16_t Index) const { return Lire(CoefRaceCompServices, Index); }
void ClsJeuPerso::Definir_CoefRaceCompServices(std::int16_t Index, float Valeur) {
    Ecrire(CoefRaceCompServices, Index, Valeur);
}
float ClsJeuPerso::Definir_CoefRaceCompObjets(std::int16_t Index) const { return Lire(CoefRaceCompObjets, Index); }
void ClsJeuPerso::Definir_CoefRaceCompObjets(std::int16_t Index, float Valeur) {
    Ecrire(CoefRaceCompObjets, Index, Valeur);
}

// ---- Carrying capacity ----

double ClsJeuPerso::Definir_MaxRessources(std::int32_t Index) const {
    if (!Dans(CaracRessources, Index)) return 0.0;
    return static_cast<double>(CaracRessources[static_cast<std::size_t>(Index)]) + BonusMaxRessources;
}

void ClsJeuPerso::Definir_MaxRessources(std::int32_t Index, double Valeur) {
    if (Dans(CaracRessources, Index)) CaracRessources[static_cast<std::size_t>(Index)] = Sature32(Valeur);
}

// ---- Summaries ----

// The summaries walk special, resource and service competences, then item
// competences from 1: item competence 0 stands for "no competence".

std::int32_t ClsJeuPerso::Definir_Min_Competence(std::int16_t Categorie) const {
    if (Categorie < 0 || Categorie > 2) return 0;
    auto valeur = [&](const std::vector<std::int32_t>& effectif, const std::vector<std::int32_t>& niveau,
                      const std::vector<double>& exp, std::size_t i) -> double {
        if (Categorie == 0) return effectif[i];
        if (Categorie == 1) return static_cast<double>(niveau[i]) + 1.0;
        return Arrondi(exp[i]);
    };
    bool premier = true;
    double minimum = 0.0;
    auto visiter = [&](double v) {
        if (premier || v < minimum) minimum = v;
        premier = false;
    };
    // Special competence 0 starts the running minimum, its experience not
    // rounded.
    for (std::size_t i = 0; i < CaracSpeciales.size(); ++i)
        visiter(i == 0 && Categorie == 2 ? ExpSpeciales[0]
                                         : valeur(NiveauEffectifSpeciales, NiveauSpeciales, ExpSpeciales, i));
    for (std::size_t i = 0; i < CaracRessources.size(); ++i)
        visiter(Categorie == 0 ? Arrondi(Definir_MaxRessources(static_cast<std::int32_t>(i)))
                               : valeur(NiveauEffectifRessources, NiveauRessources, ExpRessources, i));
    for (std::size_t i = 0; i < CaracServices.size(); ++i)
        visiter(valeur(NiveauEffectifServices, NiveauServices, ExpServices, i));
    for (std::size_t i = 1; i < CaracObjets.size(); ++i) visiter(valeur(NiveauEffectifObjets, NiveauObjets, ExpObjets, i));
    return Sature32(minimum);
}

std::int32_t ClsJeuPerso::Definir_Max_Competence(std::int16_t Categorie) const {
    if (Categorie < 0 || Categorie > 2) return 0;
    auto valeur = [&](const std::vector<std::int32_t>& effectif, const std::vector<std::int32_t>& niveau,
                      const std::vector<double>& exp, std::size_t i) -> double {
        if (Categorie == 0) return effectif[i];
        if (Categorie == 1) return static_cast<double>(niveau[i]) + 1.0;
        return Arrondi(exp[i]);
    };
    double maximum = 0.0;
    auto visiter = [&](double v) {
        if (v > maximum) maximum = v;
    };
    for (std::size_t i = 0; i < CaracSpeciales.size(); ++i)
        visiter(valeur(NiveauEffectifSpeciales, NiveauSpeciales, ExpSpeciales, i));
    // The highest resource value is the level plus the starting capacity,
    // without the items' carrying bonus.
    for (std::size_t i = 0; i < CaracRessources.size(); ++i)
        visiter(Categorie == 0 ? static_cast<double>(NiveauRessources[i]) + MaxRessourcesDepart
                               : valeur(NiveauEffectifRessources, NiveauRessources, ExpRessources, i));
    for (std::size_t i = 0; i < CaracServices.size(); ++i)
        visiter(valeur(NiveauEffectifServices, NiveauServices, ExpServices, i));
    for (std::size_t i = 1; i < CaracObjets.size(); ++i) visiter(valeur(NiveauEffectifObjets, NiveauObjets, ExpObjets, i));
    return Sature32(maximum);
}

double ClsJeuPerso::Definir_Moy_Competence(std::int16_t Categorie) const {
    if (Categorie < 0 || Categorie > 2) return 0.0;
    auto valeur = [&](const std::vector<std::int32_t>& effectif, const std::vector<std::int32_t>& niveau,
                      const std::vector<double>& exp, std::size_t i) -> double {
        if (Categorie == 0) return effectif[i];
        if (Categorie == 1) return static_cast<double>(niveau[i]) + 1.0;
        return exp[i];
    };
    // A whole-number sum: each addition is rounded into it.
    std::int32_t somme = 0;
    auto ajouter = [&](double v) { somme = Sature32(static_cast<double>(somme) + v); };
    for (std::size_t i = 0; i < CaracSpeciales.size(); ++i)
        ajouter(valeur(NiveauEffectifSpeciales, NiveauSpeciales, ExpSpeciales, i));
    for (std::size_t i = 0; i < CaracRessources.size(); ++i)
        ajouter(Categorie == 0 ? Arrondi(Definir_MaxRessources(static_cast<std::int32_t>(i)))
                               : valeur(NiveauEffectifRessources, NiveauRessources, ExpRessources, i));
    for (std::size_t i = 0; i < CaracServices.size(); ++i)
        ajouter(valeur(NiveauEffectifServices, NiveauServices, ExpServices, i));
    for (std::size_t i = 1; i < CaracObjets.size(); ++i) ajouter(valeur(NiveauEffectifObjets, NiveauObjets, ExpObjets, i));
    // Item competence 0 counts in the divisor though not in the sum.
    const double nombre = static_cast<double>(CaracSpeciales.size() + CaracRessources.size() + CaracServices.size() +
                                              CaracObjets.size());
    return nombre > 0.0 ? somme / nombre : 0.0;
}

double ClsJeuPerso::Niveau() const {
    const double U = static_cast<double>(CaracRessources.size()) - 1.0 + static_cast<double>(CaracServices.size()) -
                     1.0 + static_cast<double>(CaracObjets.size()) - 1.0;
    const double w = Sature16(Entier(U * 0.25));
    double S = w * (static_cast<double>(NiveauVie) + NiveauEnergie + NiveauMagie + NiveauMoral + NiveauAttaque +
                    NiveauDefense);
    for (auto n : NiveauSpeciales) S += n;
    for (auto n : NiveauRessources) S += n;
    for (auto n : NiveauServices) S += n;
    for (auto n : NiveauObjets) S += n;
    // Rules with a single row per table leave nothing to weigh against.
    const double diviseur = U + 6.0 * w;
    if (diviseur <= 0.0) return 1.0;
    return S / diviseur + 1.0;
}

std::int16_t ClsJeuPerso::Defnir_Score_Tresor() const {
    return Sature16(2.0 * (Niveau() - 1.0) + Definir_Bestiaire_Total() / 450.0);
}

std::string ClsJeuPerso::Metier(const ClsJeuParam& Parametres) const {
    double meilleur = 0.0;
    std::string nom;
    for (std::int32_t b = 0; b < Parametres.NombreTypeBatiments; ++b) {
        double score = 0.0;
        if (Parametres.Batiment_Fabrique(b)) {
            // A workshop scores the mean of what it makes; one that makes
            // nothing scores 0.
            const std::int32_t n = Parametres.Batiment_NombreObjetsFabriques(b);
            if (n > 0) {
                double somme = 0.0;
                for (std::int32_t k = 0; k < n; ++k) {
                    const std::int16_t c = Parametres.Objet_Competence(Parametres.Batiment_ObjetFabrique(b, k));
                    somme += Lire(NiveauObjets, c) + Progression_CompetenceObjet(c);
                }
                score = somme / n;
            }
        } else if (Parametres.Batiment_Service(b) < 1) {
            // A building that makes no resource has no competence to score.
            const std::int32_t r = Parametres.Batiment_RessourceFabrique(b);
            if (Dans(NiveauRessources, r))
                score = Lire(NiveauRessources, r) + Progression_CompetenceRessource(static_cast<std::int16_t>(r));
        } else {
            const std::int32_t s = Parametres.Batiment_Service(b) - 1;
            if (Dans(NiveauServices, s))
                score = Lire(NiveauServices, s) + Progression_CompetenceService(static_cast<std::int16_t>(s));
        }
        if (score < 0.0) score = 0.0;
        if (score > meilleur) {
            meilleur = score;
            nom = Parametres.Batiment_Metier(b, Sexe);
        }
    }
    return nom;
}
