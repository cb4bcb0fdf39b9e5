// The hit test of the window buttons: eating, trading, transfers, taking
// things for giving, castle repair, making and buying items, services, the
// inventory slots and the scroll buttons; and the scrolling of the lists.
#include "interface/ClsInterface.h"

#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

using ModCommandes::Ordre;

}  // namespace

// What every window family of the hit test works with: the event, the
// character and its buildings, and the handled flag they share.
struct ClsInterface::CibleFenetres {
    ClsInterface& I;
    const EntreeInterface& E;
    std::int16_t& CodeAction;
    ClsJeuPerso& Perso;
    std::int16_t& Touche;
    bool Traite;
    Surface& SurfBack;
    ClsJeuFief* fief;
    ClsJeuBatiment* saMaison;
    ClsJeuBatiment* courante;

    void Trouve() {
        CodeAction = ActionInterface_Traitee;
        Traite = true;
    }
    // The first visible button of a family under the cursor, or -1.
    template <class Boutons>
    std::int32_t Sous(const ClsIntFenetre& f, Boutons& boutons, std::int32_t l, std::int32_t h,
                      bool visibles = true) const {
        for (std::size_t k = 0; k < boutons.size(); ++k) {
            const ClsIntBouton& b = boutons[k];
            if (visibles && !b.Visible) continue;
            if (I.Interieur_Rectangle(E.X, E.Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, l, h))
                return static_cast<std::int32_t>(k);
        }
        return -1;
    }
    void Bulle(const ClsIntFenetre&, const ClsIntBouton& b) {
        b.Afficher_Info_Bulle(E.X, E.Y, I.AffTexte, SurfBack, I.vueEcran_);
    }
    // What changes the world goes as an order of the character: a network
    // game gives it on every machine.
    void Ordonner(Ordre o, std::int32_t X = 0, std::int32_t Y = 0, std::int32_t Z = 0) {
        ModCommandes::Commande(*I.main_, NoPerso, o, X, Y, Z);
    }
    std::int32_t NoPerso;
};

bool ClsInterface::Interieur_Fenetres(const EntreeInterface& E, std::int16_t& CodeAction, ClsJeuPerso& Perso,
                                      std::int32_t NoPerso, std::int32_t NoFief, std::int16_t& Touche, bool Traite,
                                      Surface& SurfBack) {
    if (fenetres_.size() < 6) return Traite;
    ModMain& m = *main_;
    CibleFenetres cible{*this,  E, CodeAction, Perso, Touche, Traite, SurfBack, Element(m.Fiefs, NoFief),
                        Element(m.Maisons, NoPerso), Element(m.Maisons, Perso.CibleMaison), NoPerso};
    if (boutonsInfos_.size() > 1 && boutonsInfos_[1].Actif) Interieur_Fenetre_Ressources(cible);
    if (!cible.Traite && fenetres_[0].Visible) Interieur_Fenetre_Batiment(cible);
    // Skills and bestiary: their scroll buttons.
    if (!cible.Traite && fenetres_[3].Visible) cible.Traite = Boutons_Defilement(E, 3, CodeAction, false, SurfBack);
    if (!cible.Traite && fenetres_[4].Visible) Interieur_Fenetre_Inventaire(cible);
    // Ctrl and a digit bind everything worn to that shortcut, whatever the windows.
    if (E.Ctrl && Touche >= 2 && Touche <= 11) {
        for (std::int16_t e = 0; e < Perso.Nombre_Objets_Equipes(); ++e)
            if (Perso.Objet_Equipes_Actif(e))
                Touches_Raccourci_Objets(Perso.Objet_Equipes_Type(e), static_cast<std::int16_t>(Touche - 1));
    }
    if (!cible.Traite && fenetres_[5].Visible) cible.Traite = Boutons_Defilement(E, 5, CodeAction, false, SurfBack);
    return cible.Traite;
}

// Resources window: eating, selling at the castle, depositing into the
// house, and taking resources in hand for giving.
void ClsInterface::Interieur_Fenetre_Ressources(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    ClsJeuPerso& Perso = cible.Perso;
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    const bool vivant = cible.Perso.Vivant();
    const bool dansChateau = cible.Perso.DansChateau || cible.Perso.DansChateauCible;
    ClsJeuFief* fief = cible.fief;
    ClsJeuBatiment* saMaison = cible.saMaison;
    ClsJeuBatiment* courante = cible.courante;
    Surface& SurfBack = cible.SurfBack;
    ClsIntFenetre& f = fenetres_[1];
    const std::int32_t k = cible.Sous(f, f.BoutonsManger, f.AffBoutonsAction.Largeur, f.AffBoutonsAction.Hauteur);
    if (k >= 0) {
        const std::int32_t r = f.IndicesRessourcesManger[static_cast<std::size_t>(k)];
        if (E.ClicGauche) {
            if (vivant) cible.Ordonner(Ordre::Manger, r);
        } else {
            std::string t = "Manger :";
            const double gains[4] = {P.Ressources_GainVie(r), P.Ressources_GainEnergie(r), P.Ressources_GainMagie(r),
                                     P.Ressources_GainMoral(r)};
            const char* noms[4] = {" Vie", " Energie", " Magie", " Moral"};
            for (std::int16_t c = 0; c < 4; ++c)
                if (gains[c] > 0)
                    t += "\r+" + TexteNombreFrancais(gains[c] * Perso.Manger_Ressources_Coef(c), 1) + noms[c];
            f.BoutonsManger[static_cast<std::size_t>(k)].InfoBulle = t;
            cible.Bulle(f, f.BoutonsManger[static_cast<std::size_t>(k)]);
        }
        cible.Trouve();
    }
    if (!cible.Traite) cible.Traite = Boutons_Defilement(E, 1, cible.CodeAction, false, SurfBack);
    if (!cible.Traite && dansChateau && fief) Interieur_Vente_Chateau(cible);
    if (!cible.Traite && Perso.DansMaison && courante) {
        const std::int32_t l = f.AffBoutonsTransfert.Largeur, h = f.AffBoutonsTransfert.Hauteur;
        std::int32_t c = cible.Sous(f, f.BoutonsTransfertArgentPerso, l, h);
        if (c >= 0) {
            if (E.ClicGauche) cible.Ordonner(Ordre::ArgentDeposer, c);
            else cible.Bulle(f, f.BoutonsTransfertArgentPerso[static_cast<std::size_t>(c)]);
            cible.Trouve();
        }
        if (!cible.Traite && saMaison && saMaison->Magasin) {
            c = cible.Sous(f, f.BoutonsTransfertStockPerso, l, h);
            if (c >= 0) {
                if (E.ClicGauche)
                    cible.Ordonner(Ordre::StockDeposer, c);
                else
                    cible.Bulle(f, f.BoutonsTransfertStockPerso[static_cast<std::size_t>(c)]);
                cible.Trouve();
            }
        }
    }
    if (!cible.Traite) {
        for (std::int32_t r = f.PremiereLigne;
             r < f.PremiereLigne + ClsIntFenetre::Nombre_Lignes_Ressources && r < P.NombreRessources && !cible.Traite; ++r) {
            const ClsIntBouton& b = f.BoutonsRessourcesPrendre[static_cast<std::size_t>(r)];
            if (!Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, b.Largeur, b.Hauteur))
                continue;
            if (E.ClicGauche || E.ClicDroit) {
                if (vivant) cible.Ordonner(Ordre::RessourcesPrendre, r, E.ClicGauche ? 0 : 1);
            } else {
                cible.Bulle(f, b);
            }
            cible.Trouve();
        }
    }
}

// In a castle: selling resources one row at a time, or all at once.
void ClsInterface::Interieur_Vente_Chateau(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    const bool vivant = cible.Perso.Vivant();
    ClsIntFenetre& f = fenetres_[1];
    const std::int32_t l = f.AffBoutonsCommerce.Largeur, h = f.AffBoutonsCommerce.Hauteur;
    const std::int32_t N = P.NombreRessources;
    for (std::int32_t r = f.PremiereLigne; r < f.PremiereLigne + ClsIntFenetre::Nombre_Lignes_Ressources && r < N && !cible.Traite; ++r)
        for (std::size_t c = 0; c < 3 && !cible.Traite; ++c) {
            const ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * r) + c];
            if (!b.Visible || !Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, l, h))
                continue;
            if (E.ClicGauche) {
                if (vivant) cible.Ordonner(Ordre::Vendre, r, static_cast<std::int32_t>(c));
            } else {
                cible.Bulle(f, b);
            }
            cible.Trouve();
        }
    // The sell-all row after the resources' rows.
    for (std::size_t c = 0; c < 3 && !cible.Traite; ++c) {
        const ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * N) + c];
        if (!b.Visible || !Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, l, h))
            continue;
        if (E.ClicGauche && vivant) {
            // Index 3N + 0 keeps 20 of each; 3N + 1 sells what is of no use;
            // 3N + 2 sells all. The quantities are counted when the order is given.
            cible.Ordonner(Ordre::VendreTout, static_cast<std::int32_t>(c));
        } else if (!E.ClicGauche) {
            cible.Bulle(f, b);
        }
        cible.Trouve();
    }
}

// Building window: the castle's repairs and market, the own house's cash,
// stock and making, a visited shop, the house's service and its items.
void ClsInterface::Interieur_Fenetre_Batiment(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    ClsJeuPerso& Perso = cible.Perso;
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    ClsJeuBatiment* saMaison = cible.saMaison;
    ClsJeuBatiment* courante = cible.courante;
    ClsIntFenetre& f = fenetres_[0];
    const std::int32_t la = f.AffBoutonsAction.Largeur, ha = f.AffBoutonsAction.Hauteur;
    if (Perso.DansChateau || Perso.DansChateauCible)
        Interieur_Marche_Chateau(cible);
    else if (Perso.DansMaison && saMaison)
        Interieur_Maison_Propre(cible);
    else if (Perso.DansMaisonCible && courante && courante->Magasin)
        Interieur_Magasin_Visite(cible);
    if (!cible.Traite && (Perso.DansMaison || Perso.DansMaisonCible) && courante && courante->Service != 0 &&
        f.BoutonService.Visible &&
        Interieur_Rectangle(X, Y, f.PositionX + 216, f.PositionY + 136, la, ha)) {
        // A click on a service that cannot be used says why.
        if (E.ClicGauche && courante->Service_Utilisable(Perso, P))
            cible.Ordonner(Ordre::Service);
        else
            cible.Bulle(f, f.BoutonService);
        cible.Trouve();
    }
    if (!cible.Traite && (Perso.DansMaison || Perso.DansMaisonCible) && courante &&
        P.Batiment_Fabrique(courante->TypeBatiment))
        Interieur_Objets_Maison(cible);
}

// In a castle: its repairs and its market.
void ClsInterface::Interieur_Marche_Chateau(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    const bool vivant = cible.Perso.Vivant();
    ClsJeuFief* fief = cible.fief;
    Surface& SurfBack = cible.SurfBack;
    ClsIntFenetre& f = fenetres_[0];
    const std::int32_t la = f.AffBoutonsAction.Largeur, ha = f.AffBoutonsAction.Hauteur;
    const std::int32_t c = cible.Sous(f, f.BoutonsRestauration, la, ha);
    if (c >= 0) {
        if (E.ClicGauche) {
            if (vivant && fief) cible.Ordonner(Ordre::Restaurer, c);
        } else {
            cible.Bulle(f, f.BoutonsRestauration[static_cast<std::size_t>(c)]);
        }
        cible.Trouve();
    }
    const std::int32_t lc = f.AffBoutonsCommerce.Largeur, hc = f.AffBoutonsCommerce.Hauteur;
    for (std::int32_t r = f.PremiereLigne;
         !cible.Traite && r < f.PremiereLigne + ClsIntFenetre::Nombre_Lignes_Ressources && r < P.NombreRessources; ++r)
        for (std::size_t k = 0; k < 3 && !cible.Traite; ++k) {
            const ClsIntBouton& b = f.BoutonsCommerce[static_cast<std::size_t>(3 * r) + k];
            if (!b.Visible || !Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, lc, hc))
                continue;
            if (E.ClicGauche) {
                if (vivant && fief) cible.Ordonner(Ordre::AcheterChateau, r, static_cast<std::int32_t>(k));
            } else {
                cible.Bulle(f, b);
            }
            cible.Trouve();
        }
    if (!cible.Traite) cible.Traite = Boutons_Defilement(E, 0, cible.CodeAction, false, SurfBack);
}

// In the own house: its cash and stock, and the making list.
void ClsInterface::Interieur_Maison_Propre(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    ClsJeuBatiment& maison = *cible.saMaison;
    Surface& SurfBack = cible.SurfBack;
    ClsIntFenetre& f = fenetres_[0];
    const std::int32_t la = f.AffBoutonsAction.Largeur, ha = f.AffBoutonsAction.Hauteur;
    const std::int32_t lt = f.AffBoutonsTransfert.Largeur, ht = f.AffBoutonsTransfert.Hauteur;
    std::int32_t c = cible.Sous(f, f.BoutonsTransfertArgentMaison, lt, ht);
    if (c >= 0) {
        if (E.ClicGauche) cible.Ordonner(Ordre::ArgentPrendre, c);
        else cible.Bulle(f, f.BoutonsTransfertArgentMaison[static_cast<std::size_t>(c)]);
        cible.Trouve();
    }
    if (!cible.Traite && maison.Magasin) {
        c = cible.Sous(f, f.BoutonsTransfertStockMaison, lt, ht);
        if (c >= 0) {
            if (E.ClicGauche) cible.Ordonner(Ordre::StockPrendre, c);
            else cible.Bulle(f, f.BoutonsTransfertStockMaison[static_cast<std::size_t>(c)]);
            cible.Trouve();
        }
    }
    if (!cible.Traite && maison.Fabrique) {
        for (std::int32_t k = f.PremiereLigneFabrique;
             !cible.Traite && k < f.PremiereLigneFabrique + ClsIntFenetre::Nombre_Lignes_Objets &&
             static_cast<std::size_t>(k) < f.BoutonsFabriquer.size();
             ++k) {
            const ClsIntBouton& b = f.BoutonsFabriquer[static_cast<std::size_t>(k)];
            if (!b.Visible || !Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, la, ha))
                continue;
            if (E.ClicGauche) {
                if (b.Actif) FileFabricationObjets.push_back(static_cast<std::int16_t>(k));
            } else if (E.ClicDroit) {
                if (FileFabricationObjets.empty()) {
                    cible.Ordonner(Ordre::Arreter);
                } else {
                    const auto it = std::find(FileFabricationObjets.begin(), FileFabricationObjets.end(), k);
                    if (it != FileFabricationObjets.end()) FileFabricationObjets.erase(it);
                }
            } else {
                cible.Bulle(f, b);
            }
            cible.Trouve();
        }
        if (!cible.Traite) cible.Traite = Boutons_Defilement(E, 0, cible.CodeAction, true, SurfBack);
    }
}

// In someone else's shop: buying its product.
void ClsInterface::Interieur_Magasin_Visite(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    const ClsJeuParam& P = main_->Parametres;
    ClsJeuBatiment& courante = *cible.courante;
    ClsIntFenetre& f = fenetres_[0];
    const std::int32_t lt = f.AffBoutonsTransfert.Largeur, ht = f.AffBoutonsTransfert.Hauteur;
    const std::int32_t c = cible.Sous(f, f.BoutonsTransfertStockMaison, lt, ht);
    if (c >= 0) {
        if (E.ClicGauche) {
            cible.Ordonner(Ordre::AcheterMagasin, c);
        } else {
            const std::int32_t r = P.Batiment_RessourceFabrique(courante.TypeBatiment);
            const std::size_t k = static_cast<std::size_t>(3 * r + c);
            if (r >= 0 && k < f.BoutonsCommerce.size()) cible.Bulle(f, f.BoutonsCommerce[k]);
        }
        cible.Trouve();
    }
}

// The items the house makes: taken, queued or bought.
void ClsInterface::Interieur_Objets_Maison(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    ClsJeuPerso& Perso = cible.Perso;
    const ClsJeuParam& P = main_->Parametres;
    const std::int32_t X = cible.E.X, Y = cible.E.Y;
    ClsJeuBatiment& courante = *cible.courante;
    Surface& SurfBack = cible.SurfBack;
    ClsIntFenetre& f = fenetres_[0];
    const std::int32_t li = ClsAffObjets::Largeur(), hi = ClsAffObjets::Hauteur();
    for (std::int32_t k = f.PremiereLigneFabrique;
         !cible.Traite && k < f.PremiereLigneFabrique + ClsIntFenetre::Nombre_Lignes_Objets &&
         static_cast<std::size_t>(k) < f.BoutonsObjets.size();
         ++k) {
        const ClsIntBouton& b = f.BoutonsObjets[static_cast<std::size_t>(k)];
        if (!Interieur_Rectangle(X, Y, f.PositionX + b.PositionX, f.PositionY + b.PositionY, li, hi)) continue;
        if (E.ClicGauche) {
            const bool actif = static_cast<std::size_t>(k) < f.BoutonsFabriquer.size() &&
                               f.BoutonsFabriquer[static_cast<std::size_t>(k)].Actif;
            if (Perso.DansMaison) {
                if (!actif || courante.Stock_Objets(k) != 0)
                    cible.Ordonner(Ordre::ObjetRamasser, k);
                else
                    FileFabricationObjets.push_back(static_cast<std::int16_t>(k));
            } else if (courante.Stock_Objets(k) > 0) {
                cible.Ordonner(Ordre::ObjetAcheter, k);
            }
        } else {
            ClsIntBouton& bulle = f.BoutonsObjets[static_cast<std::size_t>(k)];
            bulle.InfoBulle = Description_Objet(P.Batiment_ObjetFabrique(courante.TypeBatiment, k), Perso, false);
            cible.Bulle(f, bulle);
        }
        cible.Trouve();
    }
    if (!cible.Traite) cible.Traite = Boutons_Defilement(E, 0, cible.CodeAction, true, SurfBack);
}

// Inventory window: the money deposit in a house, then the item slots.
void ClsInterface::Interieur_Fenetre_Inventaire(CibleFenetres& cible) {
    const EntreeInterface& E = cible.E;
    ClsJeuPerso& Perso = cible.Perso;
    ClsJeuBatiment* courante = cible.courante;
    std::int16_t& Touche = cible.Touche;
    Surface& SurfBack = cible.SurfBack;
    ClsIntFenetre& f = fenetres_[4];
    if (Perso.DansMaison && courante) {
        const std::int32_t c =
            cible.Sous(f, f.BoutonsTransfertArgentPerso, f.AffBoutonsTransfert.Largeur, f.AffBoutonsTransfert.Hauteur);
        if (c >= 0) {
            if (E.ClicGauche) cible.Ordonner(Ordre::ArgentDeposer, c);
            else cible.Bulle(f, f.BoutonsTransfertArgentPerso[static_cast<std::size_t>(c)]);
            cible.Trouve();
        }
    }
    if (!cible.Traite) cible.Traite = Emplacements_Objets(E, cible.CodeAction, Perso, cible.NoPerso, Touche, SurfBack);
}

bool ClsInterface::Emplacements_Objets(const EntreeInterface& E, std::int16_t& CodeAction, ClsJeuPerso& Perso,
                                       std::int32_t NoPerso, std::int16_t& Touche, Surface& SurfBack) {
    ModMain& m = *main_;
    const ClsJeuParam& P = m.Parametres;
    ClsIntFenetre& f = fenetres_[4];
    const std::int16_t I = Perso.Nombre_Objets_Inventaire();
    const auto inventaire = static_cast<std::int16_t>(std::max<std::int16_t>(P.PersosNombreObjetsInventaire, 0));
    for (std::size_t k = 0; k < f.BoutonsObjets.size(); ++k) {
        const ClsIntBouton& b = f.BoutonsObjets[k];
        const std::int32_t bx = f.PositionX + b.PositionX, by = f.PositionY + b.PositionY;
        if (!Interieur_Rectangle(E.X, E.Y, bx, by, ClsAffObjets::Largeur(), ClsAffObjets::Hauteur())) continue;
        SourisSurObjet = true;
        const bool equipement = static_cast<std::int16_t>(k) >= inventaire;
        const auto i = static_cast<std::int16_t>(equipement ? static_cast<std::int16_t>(k) - inventaire : static_cast<std::int16_t>(k));
        const bool occupe = equipement ? Perso.Objet_Equipes_Actif(i) : (i < I && Perso.Objet_Inventaire_Actif(i));
        const std::int16_t type = equipement ? Perso.Objet_Equipes_Type(i) : Perso.Objet_Inventaire_Type(i);
        const std::int16_t tenu = Perso.IndiceObjetSelectionne;
        if (E.ClicGauche || E.ClicDroit) {
            ModCommandes::Commande(m, NoPerso, Ordre::Emplacement, static_cast<std::int32_t>(k), E.ClicGauche ? 0 : 1);
        } else {
            const std::int16_t categorie =
                equipement ? i : (occupe ? Perso.Objet_Inventaire_Categorie(i) : static_cast<std::int16_t>(-1));
            if (tenu >= 0 || (!equipement && !occupe) || (equipement && !occupe)) {
                SurfBack.Boite(bx, by, bx + ClsAffObjets::Largeur(), by + ClsAffObjets::Hauteur(), 0x80FF);
            }
            if (occupe && tenu < 0) {
                ClsIntBouton& bulle = f.BoutonsObjets[k];
                bulle.InfoBulle = Description_Objet(type, Perso, true);
                bulle.Afficher_Info_Bulle(E.X, E.Y, AffTexte, SurfBack, vueEcran_);
                // The slots where such an item goes are framed.
                const std::int16_t c = categorie;
                auto Cadre = [&](std::int16_t e) {
                    const std::size_t n = static_cast<std::size_t>(inventaire + e);
                    if (e < 0 || n >= f.BoutonsObjets.size()) return;
                    const std::int32_t x = f.PositionX + f.BoutonsObjets[n].PositionX, y = f.PositionY + f.BoutonsObjets[n].PositionY;
                    SurfBack.Boite(x - 2, y - 2, x + ClsAffObjets::Largeur() + 2, y + ClsAffObjets::Hauteur() + 2, 0x80FF);
                };
                const std::int16_t cat = equipement ? P.Objet_Categorie(type) : c;
                if (cat == 0 || cat == 1) {
                    Cadre(0);
                    Cadre(1);
                } else if (cat == 6 || cat == 7) {
                    Cadre(6);
                    Cadre(7);
                } else {
                    Cadre(cat);
                }
            }
        }
        // A digit key pressed over an occupied slot binds its item type.
        if (E.AssocierTouche && Touche >= 2 && Touche <= 11 && occupe && type >= 0) {
            Touches_Raccourci_Objets(type, static_cast<std::int16_t>(Touche - 1));
            Touche = 0;
        }
        CodeAction = ActionInterface_Traitee;
        return true;
    }
    return false;
}

bool ClsInterface::Boutons_Defilement(const EntreeInterface& E, std::int16_t NoFenetre, std::int16_t& CodeAction,
                                      bool Fabrique, Surface& SurfBack) {
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(NoFenetre)];
    for (std::int16_t k = 0; k < ClsIntFenetre::Nombre_Boutons_Defilement; ++k) {
        if (!f.BoutonsDefilementVisible(k)) continue;
        const std::int32_t x = f.BoutonsDefilementPositionX(k), y = f.BoutonsDefilementPositionY(k);
        const std::int32_t h = f.BoutonsDefilementHauteur(k);
        if (!Interieur_Rectangle(E.X, E.Y, x, y, f.BoutonsDefilementLargeur(k), h)) continue;
        if (E.ClicGauche || E.GaucheEnfonce) {
            if (k == 0 && E.ClicGauche) Defilement_Haut(NoFenetre, Fabrique);
            if (k == 1 && E.ClicGauche) Defilement_Bas(NoFenetre, Fabrique);
            if (k == 2 && E.GaucheEnfonce && h > 0) {
                // The bar maps its top edge to line 0 and its bottom edge to the last.
                const auto v = Sature16(std::max(0.0, Arrondi(static_cast<double>(E.Y - y) * f.LigneMax / h)));
                if (Fabrique)
                    f.PremiereLigneFabrique = v;
                else if (NoFenetre == 3 || NoFenetre == 5)
                    f.PremiereLigne = v;
                else
                    fenetres_[0].PremiereLigne = fenetres_[1].PremiereLigne = v;
            }
        } else {
            f.BoutonsDefilement[static_cast<std::size_t>(k)].Afficher_Info_Bulle(E.X, E.Y, AffTexte, SurfBack, vueEcran_);
        }
        CodeAction = ActionInterface_Traitee;
        return true;
    }
    return false;
}

void ClsInterface::Defilement_Haut(std::int16_t NoFenetre, bool Fabrique) {
    if (NoFenetre < 0 || static_cast<std::size_t>(NoFenetre) >= fenetres_.size()) return;
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(NoFenetre)];
    if (Fabrique) {
        if (f.PremiereLigneFabrique > 0) --f.PremiereLigneFabrique;
        return;
    }
    if (f.PremiereLigne <= 0) return;
    const auto n = static_cast<std::int16_t>(f.PremiereLigne - 1);
    // The building and resources windows scroll together.
    if (NoFenetre == 3 || NoFenetre == 5 || fenetres_.size() < 2) {
        f.PremiereLigne = n;
    } else {
        fenetres_[0].PremiereLigne = n;
        fenetres_[1].PremiereLigne = n;
    }
}

void ClsInterface::Defilement_Bas(std::int16_t NoFenetre, bool Fabrique) {
    if (NoFenetre < 0 || static_cast<std::size_t>(NoFenetre) >= fenetres_.size()) return;
    ClsIntFenetre& f = fenetres_[static_cast<std::size_t>(NoFenetre)];
    if (Fabrique) {
        if (f.PremiereLigneFabrique < f.LigneMax) ++f.PremiereLigneFabrique;
        return;
    }
    if (f.PremiereLigne >= f.LigneMax) return;
    const auto n = static_cast<std::int16_t>(f.PremiereLigne + 1);
    if (NoFenetre == 3 || NoFenetre == 5 || fenetres_.size() < 2) {
        f.PremiereLigne = n;
    } else {
        fenetres_[0].PremiereLigne = n;
        fenetres_[1].PremiereLigne = n;
    }
}
