// A treasure's contents and fortune, and what a character takes from it.
#include "world/ClsJeuTresors.h"

#include <algorithm>

#include "characters/ClsJeuPerso.h"
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

void ClsJeuTresors::Joindre(const ClsJeuTresors& Autre, const ClsJeuParam& Parametres) {
    Definir_Argent(Argent + Autre.Argent);
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(Autre.Ressources.size()); ++r)
        Definir_Ressources(r, Definir_Ressources(r) + Autre.Ressources[static_cast<std::size_t>(r)]);
    for (std::int16_t type : Autre.Objets) Ajouter_Objet(type, Parametres);
}

void ClsJeuTresors::Vider() {
    Fortune = 0.0;
    Argent = 0.0;
    std::fill(Ressources.begin(), Ressources.end(), 0.0);
    Objets.clear();
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

void ClsJeuTresors::Rammasser_Tresor(const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires,
                                     ClsJeuPerso& Perso) {
    Perso.Definir_Argent(Perso.Definir_Argent() + Argent);
    Definir_Argent(0.0);
    // The character's carrying limit holds: what it cannot carry stays in
    // the treasure rather than vanish.
    for (std::int32_t r = 0; r < static_cast<std::int32_t>(Ressources.size()); ++r) {
        const double quantite = Ressources[static_cast<std::size_t>(r)];
        if (quantite <= 0.0) continue;
        const double avant = Perso.Definir_Ressources(r);
        Perso.Definir_Ressources(r, avant + quantite);
        const double pris = std::max(0.0, Perso.Definir_Ressources(r) - avant);
        Definir_Ressources(r, quantite - std::min(quantite, pris));
    }
    // Items in order; those that find no room stay on the ground.
    std::vector<std::int16_t> restants;
    const std::vector<std::int16_t> objets = Objets;
    for (std::int16_t type : objets) {
        if (Perso.Inventaire_Plein()) {
            restants.push_back(type);
            continue;
        }
        Perso.Objet_Ajouter_Inventaire(type, Parametres, Commentaires, true);
        Definir_Fortune(Fortune - Parametres.Objet_PrixVente(type));
    }
    Objets = std::move(restants);
}
