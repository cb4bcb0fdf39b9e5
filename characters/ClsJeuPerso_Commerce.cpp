// Items moving between a character and the world: bought from a house,
// taken from or put into a house's stock, dropped on the ground as a
// treasure, sold to the fief's castle. None of these checks distances or
// ownership: the callers bring the character to the building first.
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

constexpr std::int16_t CompetenceMarchandage = 3;

// A house takes one more item while its stock is a unit below capacity.
bool Place_Maison(const ClsJeuBatiment& Maison) { return Maison.Definir_Stock() <= Maison.MaxStock - 1.0; }

bool Position_Valide(std::int16_t Indice, const ClsJeuBatiment& Maison, const ClsJeuParam& Parametres) {
    return Indice >= 0 && Indice < Parametres.Batiment_NombreObjetsFabriques(Maison.TypeBatiment);
}

}  // namespace

bool ClsJeuPerso::PeutConstruire_Objet(std::int16_t Indice, const ClsJeuBatiment& Maison,
                                       const ClsJeuParam& Parametres) const {
    if (!Position_Valide(Indice, Maison, Parametres) || !Place_Maison(Maison)) return false;
    const std::int32_t type = Parametres.Batiment_ObjetFabrique(Maison.TypeBatiment, Indice);
    for (std::int32_t r = 0; r < Parametres.NombreRessources; ++r)
        if (Definir_Ressources(r) < Parametres.Objet_PrixRessources(type, r)) return false;
    return true;
}

void ClsJeuPerso::Objet_Acheter_Maison(std::int16_t Indice, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                                       ClsJeuCommentaires& Commentaires) {
    if (!Position_Valide(Indice, Maison, Parametres)) return;
    const std::int32_t type = Parametres.Batiment_ObjetFabrique(Maison.TypeBatiment, Indice);
    const double prix = Prix_Marchandee(Parametres.Objet_PrixVente(type) * Parametres.CoefficientAchat, Parametres);
    // Nothing is paid for an item that cannot be handed over.
    if (Maison.Stock_Objets(Indice) < 1.0 || Inventaire_Plein() || !(prix > 0.0) || prix > Argent) return;
    Definir_Argent(Argent - prix);
    Maison.Argent += prix;
    Objet_Ramasser_Maison(Indice, Maison, Parametres, Commentaires);
    Gestion_Niveau_Comp_Speciale(CompetenceMarchandage, prix, Parametres);
}

void ClsJeuPerso::Objet_Ramasser_Maison(std::int16_t Indice, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                                        ClsJeuCommentaires& Commentaires) {
    if (!Position_Valide(Indice, Maison, Parametres)) return;
    if (Inventaire_Plein() || Maison.Stock_Objets(Indice) < 1.0) return;
    Objet_Ajouter_Inventaire(static_cast<std::int16_t>(Parametres.Batiment_ObjetFabrique(Maison.TypeBatiment, Indice)),
                             Parametres, Commentaires, true);
    Maison.Stock_Objets(Indice, Maison.Stock_Objets(Indice) - 1.0);
    // Equipping the new item may have displaced one that found no room.
    Poser_Objets_En_Attente_Sol();
}

void ClsJeuPerso::Objet_Deposer_Maison(std::int16_t NumeroObjet, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres,
                                       bool ObjetInventaire) {
    const std::int16_t type = ObjetInventaire ? Objet_Inventaire_Type(NumeroObjet) : NumeroObjet;
    if (type < 0) return;
    if (Place_Maison(Maison)) {
        const std::int32_t objets = Parametres.Batiment_NombreObjetsFabriques(Maison.TypeBatiment);
        for (std::int32_t k = 0; k < objets; ++k) {
            if (Parametres.Batiment_ObjetFabrique(Maison.TypeBatiment, k) != type) continue;
            if (ObjetInventaire)
                Objet_Inventaire_Detruire(NumeroObjet);
            else if (IndiceObjetSelectionne == type)
                IndiceObjetSelectionne = -1;  // it left the hand: clearing must not bring it back
            Maison.Stock_Objets(k, Maison.Stock_Objets(k) + 1.0);
            return;
        }
    }
    Objet_Deposer_Sol(NumeroObjet, ObjetInventaire);
}

void ClsJeuPerso::Objet_Deposer_Sol(std::int16_t NumeroObjet, bool ObjetInventaire) {
    const std::int16_t type = ObjetInventaire ? Objet_Inventaire_Type(NumeroObjet) : NumeroObjet;
    if (type < 0 || Main == nullptr || Regles == nullptr) return;
    // An inseparable item stays with its bearer, and so does the rest of
    // the selection.
    if (Regles->Objet_Inseparable(type)) return;
    const std::int32_t n = Main->Tresors.Deposer_Tresor(PositionX, PositionY, Main->Monde, *Regles);
    Main->Tresors(n).Ajouter_Objet(type, *Regles);
    if (ObjetInventaire)
        Objet_Inventaire_Detruire(NumeroObjet);
    else
        IndiceObjetSelectionne = -1;
    Ressources_Deposer_Sol(n);
}

void ClsJeuPerso::Objet_Vendre_Chateau(std::int16_t NumeroObjet, ClsJeuFief& Fief, const ClsJeuParam& Parametres,
                                       bool ObjetInventaire) {
    const std::int16_t type = ObjetInventaire ? Objet_Inventaire_Type(NumeroObjet) : NumeroObjet;
    if (type < 0 || type >= Parametres.NombreTypesObjets || Parametres.Objet_Inseparable(type)) return;
    Definir_Argent(Argent + Parametres.Objet_PrixVente(type));
    // The castle takes the item apart into the resources it cost.
    for (std::int32_t r = 0; r < Parametres.NombreRessources; ++r)
        Fief.Definir_Ressources(r, Fief.Definir_Ressources(r) + Parametres.Objet_PrixRessources(type, r));
    if (ObjetInventaire)
        Objet_Inventaire_Detruire(NumeroObjet);
    else if (IndiceObjetSelectionne == type)
        IndiceObjetSelectionne = -1;  // sold: clearing the selection must not bring it back
}
