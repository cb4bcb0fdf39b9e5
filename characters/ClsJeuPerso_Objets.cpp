// Item slots of the character: the equipment row and the inventory row,
// adding, counting, destroying, loading and putting items away, and the
// rule that tells whether an equipment place is free for an item type.
// An item that finds no place is never destroyed: it waits in
// ObjetsEnAttenteSol to be put on the ground.
#include <cstdint>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/ClsJeuParam.h"

namespace {

// What an index outside a row reads: an empty slot, never changed.
const ClsJeuObjet SlotVide{};

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

}  // namespace

// ---- Adding and placing ----

void ClsJeuPerso::Objet_Ajouter_Inventaire(std::int16_t IndiceObjet, const ClsJeuParam& Parametres,
                                           ClsJeuCommentaires& /*Commentaires*/, bool NouveauObjet) {
    // Putting an item on never speaks (only using one does), so the speech
    // source is not needed on this path.
    Objet_Placer_Inventaire(IndiceObjet, Parametres, NouveauObjet);
}

std::int16_t ClsJeuPerso::Objet_Placer_Inventaire(std::int16_t IndiceObjet, const ClsJeuParam& Parametres,
                                                  bool NouveauObjet) {
    // An index outside the item table names no item: there is nothing to
    // place (the rules give -1 for "none").
    if (IndiceObjet < 0 || IndiceObjet >= Parametres.NombreTypesObjets) return -1;
    for (std::size_t i = 0; i < ObjetsInventaire.size(); ++i) {
        if (ObjetsInventaire[i].Actif()) continue;
        ObjetsInventaire[i].Charger(IndiceObjet, Parametres);
        const auto slot = static_cast<std::int16_t>(i);
        if (NouveauObjet && !Parametres.Objet_Utilisable(IndiceObjet) &&
            Emplacement_Equipement(IndiceObjet, Parametres))
            Objet_Porter(slot, Parametres, true, false);
        return slot;
    }
    // A full inventory: the item goes to the ground instead of vanishing.
    Objet_Poser_Sol(IndiceObjet);
    return -1;
}

void ClsJeuPerso::Objet_Poser_Sol(std::int16_t IndiceObjet) {
    if (IndiceObjet < 0) return;
    ObjetsEnAttenteSol.push_back(IndiceObjet);
    // In a world the waiting items go down at once, in one treasure at the
    // character's feet; without one they wait in the list.
    if (Main == nullptr || Regles == nullptr) return;
    const std::int32_t n = Main->Tresors.Deposer_Tresor(PositionX, PositionY, Main->Monde, *Regles);
    for (std::int16_t type : ObjetsEnAttenteSol) Main->Tresors(n).Ajouter_Objet(type, *Regles);
    ObjetsEnAttenteSol.clear();
}

bool ClsJeuPerso::Inventaire_Plein() const {
    for (const auto& o : ObjetsInventaire)
        if (!o.Actif()) return false;
    return true;
}

std::int16_t ClsJeuPerso::Objet_NombreType(std::int32_t NumeroObjet) const {
    std::int16_t n = 0;
    for (const auto& o : ObjetsEquipes)
        if (o.Actif() && o.Indice == NumeroObjet) ++n;
    for (const auto& o : ObjetsInventaire)
        if (o.Actif() && o.Indice == NumeroObjet) ++n;
    return n;
}

// ---- Destroying and loading ----

void ClsJeuPerso::Objet_Equipes_Detruire(std::int16_t NumeroObjet) {
    if (!Dans(ObjetsEquipes, NumeroObjet)) return;
    auto& slot = ObjetsEquipes[static_cast<std::size_t>(NumeroObjet)];
    // The item decided the look: the character gets its own look back.
    if (slot.ChangerApparencePerso) {
        Apparence = false;
        ApparenceBase = 0;
    }
    slot.Decharger();
    Actualiser_Bonus();
}

void ClsJeuPerso::Objet_Equipes_Vider_Tout() {
    for (std::int16_t i = 0; i < Nombre_Objets_Equipes(); ++i) Objet_Equipes_Detruire(i);
}

void ClsJeuPerso::Objet_Inventaire_Detruire(std::int16_t NumeroObjet) {
    if (!Dans(ObjetsInventaire, NumeroObjet)) return;
    ObjetsInventaire[static_cast<std::size_t>(NumeroObjet)].Decharger();
}

void ClsJeuPerso::Objet_Inventaire_Vider_Tout() {
    for (std::int16_t i = 0; i < Nombre_Objets_Inventaire(); ++i) Objet_Inventaire_Detruire(i);
}

void ClsJeuPerso::Objet_Equipe_Charger(std::int16_t i, std::int16_t IndiceObjet, const ClsJeuParam& Parametres) {
    if (!Dans(ObjetsEquipes, i)) return;
    ObjetsEquipes[static_cast<std::size_t>(i)].Charger(IndiceObjet, Parametres);
}

void ClsJeuPerso::Objet_Inventaire_Charger(std::int16_t i, std::int16_t IndiceObjet, const ClsJeuParam& Parametres) {
    if (!Dans(ObjetsInventaire, i)) return;
    ObjetsInventaire[static_cast<std::size_t>(i)].Charger(IndiceObjet, Parametres);
}

// ---- Putting away ----

void ClsJeuPerso::Objet_Ranger(std::int16_t NumeroObjet, const ClsJeuParam& Parametres,
                               ClsJeuCommentaires& Commentaires) {
    // With a full inventory the item simply stays equipped.
    if (!Dans(ObjetsEquipes, NumeroObjet) || Inventaire_Plein()) return;
    const std::int16_t type = ObjetsEquipes[static_cast<std::size_t>(NumeroObjet)].Indice;
    Objet_Ajouter_Inventaire(type, Parametres, Commentaires, false);
    Objet_Equipes_Detruire(NumeroObjet);
    Actualiser_Bonus();
    Calculer_Apparence(Parametres);
    if (Attaque > Definir_MaxAttaque()) Attaque = Definir_MaxAttaque();
    if (Defense > Definir_MaxDefense()) Defense = Definir_MaxDefense();
}

void ClsJeuPerso::Objet_Ranger_Armes(ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres) {
    Arreter();
    if (Objet_Equipes_Actif(0)) Objet_Ranger(0, Parametres, Commentaires);
    if (Objet_Equipes_Actif(1)) Objet_Ranger(1, Parametres, Commentaires);
}

std::int16_t ClsJeuPerso::Effet_Attaque() const {
    return Objet_Equipes_Actif(0) ? ObjetsEquipes[0].EffetAttaque : EffetAttaque;
}

// ---- Free equipment place ----

bool ClsJeuPerso::Emplacement_Equipement(std::int16_t IndiceObjet, const ClsJeuParam& Parametres) const {
    const std::int16_t c = Parametres.Objet_Categorie(IndiceObjet);
    auto actif = [this](std::int16_t p) { return Objet_Equipes_Actif(p); };
    // A category whose place the row does not have can never be worn.
    const std::int16_t derniere = c == 0 || c == 1 ? 1 : (c == 6 || c == 7 ? 7 : c);
    if (c < 0 || !Dans(ObjetsEquipes, derniere)) return false;
    switch (c) {
        case 0: return !((actif(0) && ObjetsEquipes[0].Categorie == 1) || (actif(0) && actif(1)));
        case 1: return !(actif(0) || actif(1));
        case 6:
        case 7: return !(actif(6) && actif(7));
        default: return !actif(c);
    }
}

// ---- Slot accessors ----

const ClsJeuObjet& ClsJeuPerso::Objet_Equipe(std::int16_t Indice) const {
    return Dans(ObjetsEquipes, Indice) ? ObjetsEquipes[static_cast<std::size_t>(Indice)] : SlotVide;
}

const ClsJeuObjet& ClsJeuPerso::Objet_Inventaire(std::int16_t Indice) const {
    return Dans(ObjetsInventaire, Indice) ? ObjetsInventaire[static_cast<std::size_t>(Indice)] : SlotVide;
}

std::int16_t ClsJeuPerso::Objet_Inventaire_Apparence(std::int16_t Indice) const { return Objet_Inventaire(Indice).Indice; }
std::int16_t ClsJeuPerso::Objet_Equipes_Apparence(std::int16_t Indice) const { return Objet_Equipe(Indice).Indice; }

bool ClsJeuPerso::Objet_Inventaire_Actif(std::int16_t Indice) const { return Objet_Inventaire(Indice).Actif(); }
void ClsJeuPerso::Objet_Inventaire_Actif(std::int16_t Indice, bool Valeur) {
    if (Dans(ObjetsInventaire, Indice)) ObjetsInventaire[static_cast<std::size_t>(Indice)].Actif(Valeur);
}
bool ClsJeuPerso::Objet_Equipes_Actif(std::int16_t Indice) const { return Objet_Equipe(Indice).Actif(); }
void ClsJeuPerso::Objet_Equipes_Actif(std::int16_t Indice, bool Valeur) {
    if (Dans(ObjetsEquipes, Indice)) ObjetsEquipes[static_cast<std::size_t>(Indice)].Actif(Valeur);
}

std::int16_t ClsJeuPerso::Objet_Inventaire_Categorie(std::int16_t Indice) const { return Objet_Inventaire(Indice).Categorie; }
void ClsJeuPerso::Objet_Inventaire_Categorie(std::int16_t Indice, std::int16_t Valeur) {
    if (Dans(ObjetsInventaire, Indice)) ObjetsInventaire[static_cast<std::size_t>(Indice)].Categorie = Valeur;
}
std::int16_t ClsJeuPerso::Objet_Equipes_Categorie(std::int16_t Indice) const { return Objet_Equipe(Indice).Categorie; }
void ClsJeuPerso::Objet_Equipes_Categorie(std::int16_t Indice, std::int16_t Valeur) {
    if (Dans(ObjetsEquipes, Indice)) ObjetsEquipes[static_cast<std::size_t>(Indice)].Categorie = Valeur;
}

std::int16_t ClsJeuPerso::Objet_Inventaire_Type(std::int16_t NumeroObjet) const { return Objet_Inventaire(NumeroObjet).Indice; }
void ClsJeuPerso::Objet_Inventaire_Type(std::int16_t NumeroObjet, std::int16_t Valeur) {
    if (Dans(ObjetsInventaire, NumeroObjet)) ObjetsInventaire[static_cast<std::size_t>(NumeroObjet)].Indice = Valeur;
}
std::int16_t ClsJeuPerso::Objet_Equipes_Type(std::int16_t NumeroObjet) const { return Objet_Equipe(NumeroObjet).Indice; }
void ClsJeuPerso::Objet_Equipes_Type(std::int16_t NumeroObjet, std::int16_t Valeur) {
    if (Dans(ObjetsEquipes, NumeroObjet)) ObjetsEquipes[static_cast<std::size_t>(NumeroObjet)].Indice = Valeur;
}

std::int16_t ClsJeuPerso::Objet_Equipes_Competence(std::int16_t NumeroObjet) const {
    return Objet_Equipe(NumeroObjet).Competence;
}
bool ClsJeuPerso::Objet_Equipes_Indestructible(std::int16_t NumeroObjet) const {
    return Objet_Equipe(NumeroObjet).Indestructible;
}
bool ClsJeuPerso::Objet_Inventaire_Indestructible(std::int16_t NumeroObjet) const {
    return Objet_Inventaire(NumeroObjet).Indestructible;
}
bool ClsJeuPerso::Objet_Equipes_2_Mains() const { return Objet_Equipe(0).Categorie == 1; }
