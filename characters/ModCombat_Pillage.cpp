// Looting: what a fallen character or a destroyed house leaves to the
// looter or on the ground. Treasures are named by their number and looked
// up again after every call that may add one (an item that finds no room
// is put on the ground as a treasure of its own).
#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "characters/ModCombat.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"

namespace {

// Size of a treasure's picture on the map.
constexpr double TailleTresor = 26.0;

bool Touche(std::int32_t x1, std::int32_t y1, std::int32_t l1, std::int32_t h1, std::int32_t x2, std::int32_t y2,
            std::int32_t l2, std::int32_t h2) {
    return y1 <= y2 + h2 && x1 <= x2 + l2 && y1 + h1 >= y2 && x1 + l1 >= x2;
}

// The treasure of a fixed place (the one lying on its map cell, or a new
// one) found on first need; a new one is dropped again when it stayed
// empty.
class TresorPillage {
public:
    TresorPillage(ModMain& main, std::int32_t x, std::int32_t y) : main_(main), x_(x), y_(y) {}
    ClsJeuTresors& operator()() {
        if (numero_ == 0) {
            const std::int32_t avant = main_.Tresors.Count();
            numero_ = main_.Tresors.Deposer_Tresor(x_, y_, main_.Monde, main_.Parametres);
            nouveau_ = numero_ > avant;
        }
        return main_.Tresors(numero_);
    }
    bool Fait() const { return numero_ != 0; }
    // A treasure already lying on the cell is not this loot's to remove.
    void Retirer_Si_Vide() {
        if (nouveau_ && main_.Tresors.Existe(numero_) && main_.Tresors(numero_).Vide())
            main_.Tresors.Supprimer_Tresor(numero_, main_.Persos);
    }

private:
    ModMain& main_;
    std::int32_t x_, y_;
    std::int32_t numero_ = 0;
    bool nouveau_ = false;
};

}  // namespace

void ModCombat::Piller_Perso(ClsJeuPerso& K, ClsJeuPerso& V) {
    const ClsJeuParam& P = Main.Parametres;

    // The one the victim was attacking is rescued and says so.
    if (V.CiblePerso != K.NoMaison) {
        if (ClsJeuPerso* C = Perso(V.CiblePerso); C != nullptr && C->Equipe == K.Equipe) {
            C->Definir_Commentaires("");
            Dire(*C, 14);
        }
    }

    // Touching, or a treasure on the victim's centre.
    const bool touche = Touche(V.PositionX, V.PositionY, V.Largeur, V.Hauteur, K.PositionX, K.PositionY, K.Largeur,
                               K.Hauteur);
    TresorPillage tresor(Main, Sature32(Arrondi(V.Largeur / 2.0 + V.PositionX - TailleTresor / 2.0)),
                         Sature32(Arrondi(V.Hauteur / 2.0 + V.PositionY - TailleTresor / 2.0)));
    if (!touche) tresor();

    // Money.
    const double cArgent = CoefPillageArgentPersoMort;
    const double m = V.Definir_Argent();
    if (touche) {
        K.Definir_Argent(K.Definir_Argent() + cArgent * m);
    } else {
        tresor().Definir_Argent(tresor().Definir_Argent() + cArgent * m);
    }
    V.Definir_Argent((1.0 - cArgent) * V.Definir_Argent());

    // Resources. What the looter cannot carry lies on the ground rather
    // than vanish.
    const double cRessources = CoefPillageRessourcesPersoMort;
    for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
        const double part = cRessources * V.Definir_Ressources(r);
        if (touche) {
            const double avant = K.Definir_Ressources(r);
            K.Definir_Ressources(r, avant + part);
            const double reste = avant + part - K.Definir_Ressources(r);
            if (reste > 0.0) tresor().Definir_Ressources(r, tresor().Definir_Ressources(r) + reste);
        } else {
            tresor().Definir_Ressources(r, tresor().Definir_Ressources(r) + part);
        }
        V.Definir_Ressources(r, (1.0 - cRessources) * V.Definir_Ressources(r));
    }

    // Items: one draw per slot, used or not, then one more for each
    // item taken.
    auto prendre = [&](std::int16_t type) {
        const float r2 = Tirage();
        if (r2 <= CoefDestructionObjets) return;
        if (touche)
            K.Objet_Ajouter_Inventaire(type, P, Main.Commentaires, true);
        else
            tresor().Ajouter_Objet(type, P);
    };
    bool deshabille = false;
    for (std::int16_t s = 0; s < P.PersosNombreObjetsEquipes; ++s) {
        const float r = Tirage();
        if (V.Objet_Equipes_Actif(s) && r < CoefPillageObjetsPersoMort && !V.Objet_Equipes_Indestructible(s)) {
            prendre(V.Objet_Equipes_Type(s));
            V.Objet_Equipes_Detruire(s);
            deshabille = true;
        }
    }
    // The armour taken no longer shows on the body.
    if (deshabille) V.Calculer_Apparence(P);
    for (std::int16_t s = 0; s < P.PersosNombreObjetsInventaire; ++s) {
        const float r = Tirage();
        if (V.Objet_Inventaire_Actif(s) && r < CoefPillageObjetsPersoMort && !V.Objet_Inventaire_Indestructible(s)) {
            prendre(V.Objet_Inventaire_Type(s));
            V.Objet_Inventaire_Detruire(s);
        }
    }

    // A treasure that received nothing does not stay on the map.
    tresor.Retirer_Si_Vide();
}

void ModCombat::Piller_Maison(ClsJeuPerso& /*Pillard*/, ClsJeuBatiment& B) {
    const ClsJeuParam& P = Main.Parametres;
    const std::int16_t T = B.TypeBatiment;

    // A treasure on the house: its width serves for both coordinates.
    TresorPillage tresor(Main, Sature32(Arrondi(B.Largeur / 2.0 + B.X - TailleTresor / 2.0)),
                         Sature32(Arrondi(B.Largeur / 2.0 + B.Y - TailleTresor / 2.0)));
    tresor();

    // Cash.
    tresor().Definir_Argent(tresor().Definir_Argent() + CoefPillageArgentMaison * B.Argent);

    // The shop's product. Resource 0 is a product like any other; -1
    // means none.
    const std::int32_t R = P.Batiment_RessourceFabrique(T);
    if (R >= 0 && R < P.NombreRessources && B.Definir_Stock() > 0.0 && B.Magasin)
        tresor().Definir_Ressources(R, tresor().Definir_Ressources(R) +
                                           CoefPillageRessourcesMaison * B.Definir_Stock());

    // The workshop's made items, one draw per unit; every made item,
    // the last one included.
    if (B.Fabrique && B.Definir_Stock() > 0.0) {
        const std::int32_t objets =
            std::min(P.Batiment_NombreObjetsFabriques(T), B.Definir_Nombre_Stock_Objet() + 1);
        for (std::int32_t j = 0; j < objets; ++j) {
            if (!(B.Stock_Objets(j) > 0.0)) continue;
            const std::int32_t unites = Sature32(Arrondi(B.Stock_Objets(j) - 1.0)) + 1;
            for (std::int32_t u = 0; u < unites; ++u) {
                const float r = Tirage();
                if (r < CoefPillageObjetsMaison)
                    tresor().Ajouter_Objet(Sature16(P.Batiment_ObjetFabrique(T, j)), P);
            }
        }
    }

    // A treasure that received nothing does not stay on the map.
    tresor.Retirer_Si_Vide();
}

void ModCombat::Piller_Maison_Demolie(ClsJeuPerso& Proprietaire, ClsJeuBatiment& Maison) {
    Maison.Piller_Maison_Demolie(Proprietaire, Main.Parametres);
}
