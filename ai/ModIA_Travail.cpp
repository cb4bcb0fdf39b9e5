// The trade life of a computer-controlled character between its own
// building, the buildings of its side and its fief's castle: the errand of
// the building it stands in, making items at home, selling at the castle,
// the castle's repair, and selling what it holds twice.
//
// The errand flag CourseFaite steers the cycle: a send-to order clears it,
// the errand done where the character stands sets it, and while it is set
// the character is sent on instead of repeating the errand.
#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

// Draws of a made item are redrawn while the item belongs to a later era;
// the fixed random table can never give some items, so the redraw stops
// here and the first item of the era is taken instead.
constexpr int TiragesMaxObjet = 32;

}  // namespace

void ModIA::Gestion_Travail(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    if (!perso().Inactif()) return;

    if (perso().DansMaisonCible && !CourseFaite[k]) {
        const std::int32_t c = perso().CibleMaison;
        if (IndiceDans(c, Main.Maisons.size())) {
            ClsJeuBatiment& h = Main.Maisons[static_cast<std::size_t>(c)];
            if (h.Magasin) {
                // Its own raw material a few units at a time, anything else
                // as much as it can pay for.
                const std::int32_t produit = P.Batiment_RessourceFabrique(h.TypeBatiment);
                const std::int16_t matiere = P.Batiment_TypeMatierePremiere(Main.Maisons[k].TypeBatiment, Main.Aleatoire);
                if (produit != matiere)
                    h.Acheter(0.0, perso(), P, true);
                else
                    h.Acheter(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * 10.0), perso(), P, false);
            } else if (h.Fabrique) {
                const std::int32_t n = P.Batiment_NombreObjetsFabriques(h.TypeBatiment);
                ObjetChoisi = static_cast<std::int16_t>(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * n));
                if (h.Stock_Objets(ObjetChoisi) > 0.0 &&
                    !perso().Objet_Posseder(P.Batiment_ObjetFabrique(h.TypeBatiment, ObjetChoisi)))
                    perso().Objet_Acheter_Maison(ObjetChoisi, h, P, Main.Commentaires);
            } else if (h.Service_Utilisable(perso(), P)) {
                h.Service_Utiliser(perso(), P, 0.0);
            }
        }
        Marquer_Course(i);
        return;
    }
    if (perso().DansMaison && !CourseFaite[k]) {
        Fabriquer_Objet(i);
        return;
    }
    if ((perso().DansChateau || perso().DansChateauCible) && !CourseFaite[k]) {
        Vendre_Au_Chateau(i);
        return;
    }

    // Outside, or the errand is done: where to go next.
    const ClsJeuBatiment& H = Main.Maisons[k];
    const std::int32_t produit = P.Batiment_RessourceFabrique(H.TypeBatiment);
    // Drawn here once, before the tests that read it, so that the draws do
    // not depend on which test decides.
    const std::int16_t matiere = P.Batiment_TypeMatierePremiere(H.TypeBatiment, Main.Aleatoire);
    if (Manque_Argent(i) && H.Visible() && H.Argent >= 1.0) {
        Envoyer_Maison(i);  // to take the cash
        return;
    }
    if (H.Service == 2) {
        // A hunters' house: hunt while no life is waiting to be regained.
        if (perso().Definir_Vie() == perso().Vie)
            for (int n = 0; n < 3; ++n) Patrouiller(i);
        if (perso().Inactif() && H.Argent > 0.0) Envoyer_Maison(i);
        return;
    }
    if ((produit >= 0 || H.Service > 0 || H.Fabrique) && H.Definir_Stock() <= H.MaxStock &&
        perso().Definir_Ressources(produit) < 1.0) {
        Envoyer_Maison(i);  // to produce
        return;
    }
    const bool besoin = Besoin_Matiere(i);
    const std::int32_t e = perso().Equipe;
    const bool chateau = IndiceDans(e, Main.Chateaux.size()) && Main.Chateaux[static_cast<std::size_t>(e)].Visible();
    const bool matiereAuFief = matiere >= 0 && IndiceDans(e, Main.Fiefs.size()) &&
                               Main.Fiefs[static_cast<std::size_t>(e)].Definir_Ressources(matiere) >= 1.0 &&
                               perso().Definir_Ressources(matiere) <= 1.0;
    if (besoin || (chateau && (Manque_Argent(i) || matiereAuFief)))
        Envoyer_Chateau(i);
    else
        Patrouiller(i);
}

void ModIA::Fabriquer_Objet(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    ClsJeuPerso& p = Main.Persos[k];
    ClsJeuBatiment& H = Main.Maisons[k];
    H.Transfert_Argent_Prendre(0.0, p, true);

    if (H.Fabrique) {
        const std::int32_t n = P.Batiment_NombreObjetsFabriques(H.TypeBatiment);
        if (n <= 0) {
            Marquer_Course(i);  // a workshop that makes nothing
            return;
        }
        const double epoque = IndiceDans(p.Equipe, Main.Fiefs.size()) ? Main.Fiefs[static_cast<std::size_t>(p.Equipe)].Epoque : 0;
        auto de_l_epoque = [&](std::int32_t j) {
            return P.Objet_Epoque(P.Batiment_ObjetFabrique(H.TypeBatiment, j)) - 1 <= epoque;
        };
        bool trouve = false;
        for (int t = 0; t < TiragesMaxObjet && !trouve; ++t) {
            ObjetChoisi = static_cast<std::int16_t>(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * n));
            trouve = de_l_epoque(ObjetChoisi);
        }
        for (std::int32_t j = 0; j < n && !trouve; ++j) {
            if (de_l_epoque(j)) {
                ObjetChoisi = static_cast<std::int16_t>(j);
                trouve = true;
            }
        }
        // An item missing from the stock is preferred to the drawn one.
        for (std::int16_t j = 0; j < n; ++j) {
            if (H.Stock_Objets(j) == 0.0 && p.PeutConstruire_Objet(j, H, P)) {
                ObjetChoisi = j;
                break;
            }
        }
        if (p.PeutConstruire_Objet(ObjetChoisi, H, P)) {
            p.Creer_Objet(ObjetChoisi, H, P);
            return;
        }
        // Nothing can be made: off to the castle to sell, with one of each
        // item in stock when money is short.
        if (Manque_Argent(i))
            for (std::int16_t j = 0; j < n; ++j)
                if (H.Stock_Objets(j) >= 1.0) p.Objet_Ramasser_Maison(j, H, P, Main.Commentaires);
        Envoyer_Chateau(i);
        return;
    }
    if (H.Magasin && !(Manque_Argent(i) && H.Definir_Stock() > 1.0)) {
        // Half of what it carries of the product goes on sale.
        const std::int32_t produit = P.Batiment_RessourceFabrique(H.TypeBatiment);
        H.Transfert_Stock_Deposer(p.Definir_Ressources(produit) * 0.5, p, P, false);
    }
    Marquer_Course(i);
}

void ModIA::Vendre_Au_Chateau(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    ClsJeuPerso& p = Main.Persos[k];
    const ClsJeuBatiment& H = Main.Maisons[k];
    const bool fiefPropre = IndiceDans(p.Equipe, Main.Fiefs.size());

    if (Manque_Argent(i) || H.Definir_Stock() >= H.MaxStock - 1.0 || !H.Magasin) {
        if (H.Fabrique) {
            // The items go to the fief of the castle the character stands
            // in: its own, or the one it was sent to.
            std::int32_t f = p.Equipe;
            if (!p.DansChateau && p.DansChateauCible && IndiceDans(p.CibleChateau, Main.Fiefs.size())) f = p.CibleChateau;
            if (IndiceDans(f, Main.Fiefs.size())) {
                ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(f)];
                const std::int32_t n = P.Batiment_NombreObjetsFabriques(H.TypeBatiment);
                for (std::int16_t s = 0; s < p.Nombre_Objets_Inventaire(); ++s) {
                    for (std::int32_t j = 0; j < n; ++j) {
                        if (p.Objet_Inventaire_Actif(s) &&
                            p.Objet_Inventaire_Type(s) == P.Batiment_ObjetFabrique(H.TypeBatiment, j)) {
                            p.Objet_Vendre_Chateau(s, fief, P, true);
                            break;
                        }
                    }
                }
            }
        } else {
            const std::int32_t produit = P.Batiment_RessourceFabrique(H.TypeBatiment);
            if (produit >= 0 && fiefPropre) Main.Fiefs[static_cast<std::size_t>(p.Equipe)].Vendre(produit, 0.0, p, P, true);
        }
    }
    Acheter_Matieres_Fief(i);
    if (!Manque_Argent(i)) Acheter_Ressources_Construction(i);
    Reparer_Chateau(i);
    Marquer_Course(i);
}

void ModIA::Reparer_Chateau(std::int32_t i) {
    if (!PersoValide(i)) return;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const std::int32_t e = p.Equipe;
    if (!IndiceDans(e, Main.Chateaux.size()) || !IndiceDans(e, Main.Fiefs.size())) return;
    const ClsJeuBatiment& C = Main.Chateaux[static_cast<std::size_t>(e)];
    const double m = C.MaxVie, v = C.Definir_Vie(), a = p.Definir_Argent();
    if (!(m > v)) return;
    // The share of its money that the castle's life lacks, plus one.
    Main.Fiefs[static_cast<std::size_t>(e)].Restaurer_Chateau(Entier(a - a * v / m) + 1.0, p, false);
}

void ModIA::Vendre_Doublons(std::int32_t i) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    if (!(p.DansChateau || p.DansChateauCible) || !IndiceDans(p.Equipe, Main.Fiefs.size())) return;
    ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(p.Equipe)];
    for (std::int16_t s = static_cast<std::int16_t>(p.Nombre_Objets_Inventaire() - 1); s >= 0; --s) {
        if (!p.Objet_Inventaire_Actif(s)) continue;
        const std::int16_t o = p.Objet_Inventaire_Type(s);
        if (o < 0 || o >= P.NombreTypesObjets || P.Objet_UtilisationUnique(o)) continue;
        // Two one-handed items of a kind can be worn together.
        const std::int16_t garde = P.Objet_Categorie(o) == 0 ? 2 : 1;
        if (p.Objet_NombreType(o) > garde) p.Objet_Vendre_Chateau(s, fief, P, true);
    }
}
