// The trade and kit of a computer-controlled character: fetching the raw
// material its building consumes, buying from its fief what cannot be
// harvested, and the equipment passes of the living and of the dead.
#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

void ModIA::Chercher_Matiere_Premiere(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    const ClsJeuBatiment& maison = Main.Maisons[k];
    // A workshop's raw material is drawn among what its items cost: the
    // draw is made on every call, whatever follows, so that every machine
    // of a network game draws alike.
    const std::int16_t m = P.Batiment_TypeMatierePremiere(maison.TypeBatiment, Main.Aleatoire);
    ClsJeuPerso& p = Main.Persos[k];
    if (m < 0 || m >= P.NombreRessources) return;
    if (!(p.Definir_Ressources(m) < 1.0) || !(p.Action == Actions::RetournerChateau || p.Inactif()) || p.DansMaisonCible) return;
    // A ruin consumes nothing, even one that was once completed.
    if (!maison.Acheve || !maison.Visible()) return;

    if (P.Ressources_Recoltable(m)) {
        Collecter_Ressource(i, m);
        return;
    }
    if (!(p.Definir_Argent() > 1.0)) return;
    if (Chercher_Maison_Ravitaillement(p, i, m, 0, 0, IndiceTrouve)) {
        if (IndiceTrouve >= 0) Envoyer_Batiment(i, IndiceTrouve);
        return;
    }
    const std::int32_t e = p.Equipe;
    if (!IndiceDans(e, Main.Fiefs.size()) || !IndiceDans(e, Main.Chateaux.size())) return;
    if (Main.Fiefs[static_cast<std::size_t>(e)].Definir_Ressources(m) > 1.0 && CourseFaite[k] && p.Action != Actions::Entrer &&
        Main.Chateaux[static_cast<std::size_t>(e)].Visible())
        Envoyer_Chateau(i);
}

void ModIA::Acheter_Matieres_Fief(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return;
    const ClsJeuParam& P = Main.Parametres;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(i)];
    if (!maison.Visible() || !IndiceDans(p.Equipe, Main.Fiefs.size())) return;
    ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(p.Equipe)];
    const std::int16_t t = maison.TypeBatiment;

    if (P.Batiment_Fabrique(t)) {
        // Each resource that an item of the workshop costs, once.
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
            if (P.Ressources_Recoltable(r)) continue;
            for (std::int32_t k = 0; k < P.Batiment_NombreObjetsFabriques(t); ++k) {
                if (P.Objet_PrixRessources(P.Batiment_ObjetFabrique(t, k), r) > 0) {
                    fief.Acheter(r, 0.0, p, P, true);
                    break;
                }
            }
        }
        return;
    }
    // Not a workshop: no draw behind the raw material.
    const std::int16_t m = P.Batiment_TypeMatierePremiere(t, Main.Aleatoire);
    if (m >= 0 && !P.Ressources_Recoltable(m)) fief.Acheter(m, 0.0, p, P, true);
}

void ModIA::Acheter_Ressources_Construction(std::int32_t i) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    const std::int16_t b = TypeMaisonVoulue[k];
    if (b < 0 || b >= P.NombreTypeBatiments) return;
    ClsJeuPerso& p = Main.Persos[k];
    if (!IndiceDans(p.Equipe, Main.Fiefs.size())) return;
    ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(p.Equipe)];
    // What the own building makes, the character makes itself.
    const std::int32_t produit =
        IndiceDans(i, Main.Maisons.size()) ? P.Batiment_RessourceFabrique(Main.Maisons[k].TypeBatiment) : -1;
    for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
        if (!(P.Batiment_Prix(b, r) > p.Definir_Ressources(r)) || r == produit || P.Ressources_Recoltable(r)) continue;
        // A few units at a time, between 0 and 10.
        const double q = static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * 10.0;
        fief.Acheter(r, q, p, P, false);
    }
}

namespace {

// The shared cursor is brought within the served character's slots before
// a slot is read: characters of different races carry different numbers.
bool Placer_Curseur(std::int16_t& Curseur, std::int16_t NombreEmplacements) {
    if (NombreEmplacements <= 0) return false;
    if (Curseur < 0 || Curseur >= NombreEmplacements) Curseur = 0;
    return true;
}

void Avancer_Curseur(std::int16_t& Curseur, std::int16_t NombreEmplacements) {
    ++Curseur;
    if (Curseur > NombreEmplacements - 1) Curseur = 0;
}

}  // namespace

void ModIA::Equiper_Auto(std::int32_t i) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    if (!p.Equiper) return;
    const std::int32_t n = p.EnCombat() ? 5 : 1;
    for (std::int32_t k = 0; k <= n; ++k) {
        const std::int16_t slots = p.Nombre_Objets_Inventaire();
        if (!Placer_Curseur(EmplacementAleatoire, slots)) return;
        const std::int16_t s = EmplacementAleatoire;
        if (p.Objet_Inventaire_Actif(s)) {
            const std::int16_t o = p.Objet_Inventaire_Type(s);
            bool equiper = false;
            if (o >= 0 && o < P.NombreTypesObjets) {
                if (P.Objet_Utilisable(o)) {
                    // Single-use items are kept for a fight.
                    equiper = !P.Objet_UtilisationUnique(o) || p.EnCombat();
                } else {
                    // An item worth at least the one worn replaces it.
                    auto vaut = [&](std::int16_t e) {
                        return !p.Objet_Equipes_Actif(e) || P.Objet_PrixVente(o) >= P.Objet_PrixVente(p.Objet_Equipes_Type(e));
                    };
                    const std::int16_t c = P.Objet_Categorie(o);
                    if (c == 0)
                        equiper = !p.Objet_Equipes_Actif(0) || !p.Objet_Equipes_Actif(1) || vaut(0);
                    else if (c == 1)
                        equiper = vaut(0);
                    else if (c >= 2)
                        equiper = vaut(c);
                }
            }
            if (equiper) p.Objet_Equiper(s, P, Main.Commentaires, true, false);
        }
        Avancer_Curseur(EmplacementAleatoire, slots);
    }
}

void ModIA::Utiliser_Objets_Mort(std::int32_t i) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    if (!p.Equiper) return;
    for (std::int32_t k = 0; k < 2; ++k) {
        const std::int16_t slots = p.Nombre_Objets_Inventaire();
        if (!Placer_Curseur(EmplacementAleatoire, slots)) return;
        const std::int16_t s = EmplacementAleatoire;
        if (p.Objet_Inventaire_Actif(s) && P.Objet_UtilisationMort(p.Objet_Inventaire_Type(s)))
            p.Objet_Equiper(s, P, Main.Commentaires, true, false);
        Avancer_Curseur(EmplacementAleatoire, slots);
    }
}
