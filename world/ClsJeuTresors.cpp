#include "world/ClsJeuTresors.h"

#include <algorithm>

#include "rules/ClsJeuParam.h"

void ClsJeuTresors::Init(const ClsJeuParam& Parametres) {
    Parametres_ = &Parametres;
    Fortune = 0.0;
    Argent = 0.0;
    Ressources.assign(static_cast<std::size_t>(std::max<std::int16_t>(0, Parametres.NombreRessources)), 0.0);
    Objets.clear();
}

void ClsJeuTresors::Ajouter_Objet(std::int16_t Type, const ClsJeuParam& Parametres) {
    // An item type the rules do not know cannot be held by anyone.
    if (Type < 0 || Type >= Parametres.NombreTypesObjets) return;
    Objets.push_back(Type);
    Definir_Fortune(Fortune + Parametres.Objet_PrixVente(Type));
}

std::int16_t ClsJeuTresors::Definir_Objet(std::int32_t k) const {
    if (k < 1 || k > Nombre_Objets()) return -1;
    return Objets[static_cast<std::size_t>(k - 1)];
}

std::string ClsJeuTresors::Nom(const ClsJeuParam& Parametres) const { return Parametres.Tresor_Nom(IndiceImage); }

bool ClsJeuTresors::Vide() const {
    if (Argent > 0.0 || !Objets.empty()) return false;
    return std::none_of(Ressources.begin(), Ressources.end(), [](double q) { return q > 0.0; });
}

void ClsJeuTresors::Definir_Fortune(double Valeur) {
    Fortune = Valeur;
    if (Parametres_ == nullptr) return;
    for (std::int32_t t = Parametres_->NombreTresors - 1; t >= 0; --t) {
        if (Parametres_->Tresor_ValeurMin(t) < Fortune) {
            IndiceImage = static_cast<std::int16_t>(t);
            return;
        }
    }
}

void ClsJeuTresors::Definir_Argent(double Valeur) {
    Definir_Fortune(Fortune + Valeur - Argent);
    Argent = Valeur;
}

double ClsJeuTresors::Definir_Ressources(std::int32_t i) const {
    if (i < 0 || i >= static_cast<std::int32_t>(Ressources.size())) return 0.0;
    return Ressources[static_cast<std::size_t>(i)];
}

void ClsJeuTresors::Definir_Ressources(std::int32_t i, double Valeur) {
    if (i < 0 || i >= static_cast<std::int32_t>(Ressources.size())) return;
    const double prix = Parametres_ != nullptr ? Parametres_->Ressources_PrixVente(i) : 0.0;
    Definir_Fortune(Fortune + (Valeur - Ressources[static_cast<std::size_t>(i)]) * prix);
    Ressources[static_cast<std::size_t>(i)] = Valeur;
}
