// The selection of money, resources and an item that the player prepares
// in the character window, then gives to another character or drops on
// the ground as a treasure. Also the drop of items that found no room.
#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/ClsJeuParam.h"

bool ClsJeuPerso::Definir_ObjetSelectionne() const {
    return IndiceObjetSelectionne >= 0 || SelectionRessources || ArgentSelectionne > 0.0;
}

void ClsJeuPerso::Definir_ObjetSelectionne(bool Valeur) {
    if (Valeur) return;
    ArgentSelectionne = 0.0;
    std::fill(RessourcesSelectionnees.begin(), RessourcesSelectionnees.end(), 0.0);
    SelectionRessources = false;
    if (IndiceObjetSelectionne >= 0) {
        bool range = false;
        if (Regles != nullptr) {
            for (std::int16_t i = 0; i < Nombre_Objets_Inventaire(); ++i) {
                if (Objet_Inventaire_Actif(i)) continue;
                Objet_Inventaire_Charger(i, IndiceObjetSelectionne, *Regles);
                range = true;
                break;
            }
        }
        // No room in the inventory: the item goes to the ground, not away.
        if (!range) {
            ObjetsEnAttenteSol.push_back(IndiceObjetSelectionne);
            Poser_Objets_En_Attente_Sol();
        }
        IndiceObjetSelectionne = -1;
    }
}

double ClsJeuPerso::Definir_RessourcesSelectionnes(std::int16_t Index) const {
    if (Index < 0 || Index >= static_cast<std::int32_t>(RessourcesSelectionnees.size())) return 0.0;
    return RessourcesSelectionnees[static_cast<std::size_t>(Index)];
}

void ClsJeuPerso::Definir_RessourcesSelectionnes(std::int16_t Index, double Valeur) {
    if (Index < 0 || Index >= static_cast<std::int32_t>(RessourcesSelectionnees.size())) return;
    RessourcesSelectionnees[static_cast<std::size_t>(Index)] = Valeur;
}

void ClsJeuPerso::Argent_Prendre(double Valeur, bool Tout) {
    const double v = Valeur + ArgentSelectionne;
    if (!Tout && v <= Argent) {
        if (v >= 1.0) ArgentSelectionne = v;
    } else if (Argent >= 1.0) {
        ArgentSelectionne = Argent;
    }
}

void ClsJeuPerso::Ressources_Prendre(std::int16_t Index, double Valeur, bool Tout) {
    if (Index < 0 || Index >= static_cast<std::int32_t>(RessourcesSelectionnees.size())) return;
    const double porte = Definir_Ressources(Index);
    const double q = !Tout && Valeur <= porte ? Valeur : porte;
    if (q >= 1.0) {
        // The sum may exceed what is carried: Ressources_Verifications cuts it.
        RessourcesSelectionnees[static_cast<std::size_t>(Index)] += q;
        SelectionRessources = true;
    }
}

void ClsJeuPerso::Ressources_Verifications() {
    if (ArgentSelectionne > Argent) ArgentSelectionne = Argent;
    SelectionRessources = false;
    for (std::size_t r = 0; r < RessourcesSelectionnees.size(); ++r) {
        double& choisi = RessourcesSelectionnees[r];
        const double porte = Definir_Ressources(static_cast<std::int32_t>(r));
        if (choisi > porte) choisi = porte;
        if (choisi < 1.0) choisi = 0.0;  // less than a unit is not given
        if (choisi > 0.0) SelectionRessources = true;
    }
}

void ClsJeuPerso::Donner_Selection(ClsJeuPerso& Cible) {
    Ressources_Verifications();
    const double argent = ArgentSelectionne;
    Cible.Definir_Argent(Cible.Definir_Argent() + argent);
    Definir_Argent(Definir_Argent() - argent);
    for (std::size_t r = 0; r < RessourcesSelectionnees.size(); ++r) {
        const auto i = static_cast<std::int32_t>(r);
        // Never more than the receiver has room for, and never taken back
        // from a receiver that already carries more than its capacity.
        const double place = std::max(0.0, Cible.Definir_MaxRessources(i) - Cible.Definir_Ressources(i));
        const double q = std::min(RessourcesSelectionnees[r], place);
        if (q <= 0.0) continue;
        Cible.Definir_Ressources(i, Cible.Definir_Ressources(i) + q);
        Definir_Ressources(i, Definir_Ressources(i) - q);
    }
    Definir_ObjetSelectionne(false);
}

void ClsJeuPerso::Ressources_Deposer_Sol(std::int32_t Indice) {
    Ressources_Verifications();
    if (Main == nullptr || Regles == nullptr) return;
    const bool rien = !(ArgentSelectionne > 0.0) && !SelectionRessources;
    if (Indice == -1 || !Main->Tresors.Existe(Indice)) {
        // No empty treasure for an empty selection.
        if (rien) {
            Definir_ObjetSelectionne(false);
            return;
        }
        Indice = Main->Tresors.Deposer_Tresor(PositionX, PositionY, Main->Monde, *Regles);
    }
    ClsJeuTresors& tresor = Main->Tresors(Indice);
    tresor.Definir_Argent(tresor.Definir_Argent() + ArgentSelectionne);
    Definir_Argent(Definir_Argent() - ArgentSelectionne);
    for (std::size_t r = 0; r < RessourcesSelectionnees.size(); ++r) {
        const auto i = static_cast<std::int32_t>(r);
        const double q = RessourcesSelectionnees[r];
        if (q == 0.0) continue;
        tresor.Definir_Ressources(i, tresor.Definir_Ressources(i) + q);
        Definir_Ressources(i, Definir_Ressources(i) - q);
    }
    Definir_ObjetSelectionne(false);
}

void ClsJeuPerso::Poser_Objets_En_Attente_Sol() {
    if (ObjetsEnAttenteSol.empty() || Main == nullptr || Regles == nullptr) return;
    const std::int32_t avant = Main->Tresors.Count();
    const std::int32_t n = Main->Tresors.Deposer_Tresor(PositionX, PositionY, Main->Monde, *Regles);
    for (std::int16_t type : ObjetsEnAttenteSol) Main->Tresors(n).Ajouter_Objet(type, *Regles);
    ObjetsEnAttenteSol.clear();
    // Only unknown item types were waiting: leave no empty treasure behind
    // (one that was already there is not this drop's to remove).
    if (n > avant && Main->Tresors(n).Vide()) Main->Tresors.Supprimer_Tresor(n, Main->Persos);
}
