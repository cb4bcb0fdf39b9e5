// The character's tick: the action state machine that follows a target,
// strikes or gives on contact, walks one step towards the destination, or
// does the work of the action once there. It runs for every character at
// every tick: no allocation beyond the speech lines.
#include <cmath>
#include <cstdint>

#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuRessources.h"

namespace {

template <class Rangee>
auto Element(Rangee& rangee, std::int32_t i) -> decltype(&rangee[0]) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size() ? &rangee[static_cast<std::size_t>(i)] : nullptr;
}

bool Debout(const ClsJeuBatiment* b) { return b != nullptr && b->Visible(); }

// A whole number of pixels kept within the field (a step never has a
// fraction to round).
std::int32_t Borne32(double v) {
    if (v < -2147483648.0) return INT32_MIN;
    if (v > 2147483647.0) return INT32_MAX;
    return static_cast<std::int32_t>(v);
}

void Dire(ClsJeuPerso& Qui, std::int16_t Type, ClsJeuCommentaires& Commentaires) {
    Qui.Definir_Commentaires(Commentaires.Message(Type, Qui));
}

}  // namespace

void ClsJeuPerso::Deplacement(ClsJeuRessources* Ressource, ClsJeuPerso* T, ClsJeuBatiment* Maison,
                              ClsJeuBatiment* Chateau, ClsJeuFief* Fief, std::int16_t& Code,
                              ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres) {
    Calculer_Coef_Vitesse();
    Suivre_Cible(T, Maison, Chateau, Commentaires);
    const bool contact = Contact_Cible(T, Maison, Chateau);
    if (contact && Action == Actions::Donner) {
        Donner_Au_Contact(*T, Commentaires, Parametres);
    } else if (contact) {
        Frapper_Au_Contact(T, Maison, Chateau, Commentaires, Parametres);
    } else if (DureeImmobilisation > 0.0) {
        // A stunned character loses its tick.
        DureeImmobilisation -= 1.0;
    } else if (!Faire_Un_Pas(Maison)) {
        Arriver_A_Destination();
        if (Vivant())
            Travailler_A_Destination(Ressource, Maison, Chateau, Fief, Code, Commentaires, Parametres);
        else
            Rester_Mort_A_Destination(Maison, Chateau);
    }
    Animer_Marche();
}

// The destination that centres this character's box on a rectangle.
void ClsJeuPerso::Viser(double X, double Y, double L, double H) {
    DestinationX = Sature32(X + L / 2.0 - Largeur / 2.0);
    DestinationY = Sature32(Y + H / 2.0 - Hauteur / 2.0);
}

// The destination follows the target. A target switched to here is followed
// from the next tick on.
void ClsJeuPerso::Suivre_Cible(ClsJeuPerso* T, ClsJeuBatiment*& Maison, ClsJeuBatiment*& Chateau,
                               ClsJeuCommentaires& Commentaires) {
    switch (Action) {
    case Actions::Donner:
        if (T != nullptr && T->Visible() && T->Vivant())
            Viser(T->PositionX, T->PositionY, T->Largeur, T->Hauteur);
        else
            Arreter();
        break;
    case Actions::Attaquer:
        if (T == nullptr || !T->Vivant()) {
            Arreter();
        } else if (T->Visible()) {
            Viser(T->PositionX, T->PositionY, T->Largeur, T->Hauteur);
        } else {
            // The target hid in a building: the AI goes for the building.
            if (IA_Active) {
                if (T->DansMaison)
                    Attaquer_Maison(T->NoMaison);
                else if (T->DansMaisonCible)
                    Attaquer_Maison(T->CibleMaison);
                else if (T->DansChateau)
                    Attaquer_Chateau(T->Equipe);
                else if (T->DansChateauCible)
                    Attaquer_Chateau(T->CibleChateau);
                // The new target is the building at the new index, not the
                // one this tick was handed for the old one.
                if (Main != nullptr) {
                    Maison = Element(Main->Maisons, CibleMaison);
                    Chateau = Element(Main->Chateaux, CibleChateau);
                }
            } else {
                Arreter();
            }
            Dire(*this, 15, Commentaires);
        }
        break;
    case Actions::DetruireMaison:
        if (Debout(Maison))
            Viser(Maison->X, Maison->Y, Maison->Largeur, Maison->Hauteur);
        else
            Arreter();
        break;
    case Actions::DetruireChateau:
        if (Debout(Chateau))
            Viser(Chateau->X, Chateau->Y, Chateau->Largeur, Chateau->Hauteur);
        else
            Arreter();
        break;
    default: break;
    }
}

// A gift needs the boxes to touch; a blow reaches as far as the attack.
bool ClsJeuPerso::Contact_Cible(const ClsJeuPerso* T, const ClsJeuBatiment* Maison,
                                const ClsJeuBatiment* Chateau) const {
    const double R = Definir_PorteeAttaque();
    auto touche_portee = [&](double bx, double by, double bl, double bh) {
        return by <= PositionY + Hauteur + R && PositionY - R <= by + bh && bx <= PositionX + Largeur + R &&
               PositionX - R <= bx + bl;
    };
    if (Action == Actions::Donner && T != nullptr)
        return PositionX <= T->PositionX + T->Largeur && PositionY <= T->PositionY + T->Hauteur &&
               T->PositionY <= PositionY + Hauteur && T->PositionX <= PositionX + Largeur;
    if (Action == Actions::Attaquer && T != nullptr) return touche_portee(T->PositionX, T->PositionY, T->Largeur, T->Hauteur);
    // A fallen building is struck no more.
    if (Action == Actions::DetruireMaison && Debout(Maison)) return touche_portee(Maison->X, Maison->Y, Maison->Largeur, Maison->Hauteur);
    if (Action == Actions::DetruireChateau && Debout(Chateau))
        return touche_portee(Chateau->X, Chateau->Y, Chateau->Largeur, Chateau->Hauteur);
    return false;
}

void ClsJeuPerso::Donner_Au_Contact(ClsJeuPerso& T, ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres) {
    if (IndiceObjetSelectionne >= 0) {
        T.Objet_Ajouter_Inventaire(ObjetEnCours, Parametres, Commentaires, true);
        IndiceObjetSelectionne = -1;
    }
    Donner_Selection(T);
    Dire(T, 46, Commentaires);
    Arreter();
    if (!Volant) Direction = 0;
}

void ClsJeuPerso::Frapper_Au_Contact(ClsJeuPerso* T, ClsJeuBatiment* Maison, ClsJeuBatiment* Chateau,
                                     ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres) {
    bool frappe = Attaque == Definir_MaxAttaque() || PremierCoup;
    if (!frappe && Action == Actions::Attaquer) {
        const double coef = Main != nullptr ? Main->Combat.CoefDegatPerso : 1.0;
        if (Objet_Equipe(0).CoutUtilisation || Objet_Equipe(1).CoutUtilisation)
            frappe = T->Vie / coef + T->Defense <= Attaque;
        else
            frappe = T->Defense + T->Vie + 1.0 < Attaque;
    }
    if (frappe) {
        std::int16_t refus = -1;
        if (Vie <= CoutCoupVie)
            refus = 17;
        else if (Energie <= CoutCoupEnergie)
            refus = 18;
        else if (Magie <= CoutCoupMagie)
            refus = 19;
        else if (Moral <= CoutCoupMoral)
            refus = 20;
        else if (Definir_Argent() < CoutCoupArgent)
            refus = 45;
        else if (Definir_Ressources(RessourceAttaque) < CoutAttaque)
            refus = 34;
        if (refus >= 0) {
            Dire(*this, refus, Commentaires);
            Objet_Ranger_Armes(Commentaires, Parametres);
        } else if (Main != nullptr) {
            // What this blow costs is read before it is struck: a
            // single-use weapon it destroys takes its costs away with it,
            // and an item the blow brings in (loot put on at once) was
            // not used for it.
            const double coutArgent = CoutCoupArgent;
            const double coutRessource = CoutAttaque;
            const std::int16_t ressource = RessourceAttaque;
            const bool arme = Objet_Equipes_Actif(0);
            const ClsJeuObjet& a = Objet_Equipe(0);
            const ClsJeuObjet& b = Objet_Equipe(1);
            const bool deux = Objet_Equipes_Actif(1);
            const double perteVie = a.PerteVie + (deux ? b.PerteVie : 0.0);
            const double perteEnergie = a.PerteEnergie + (deux ? b.PerteEnergie : 0.0);
            const double perteMagie = a.PerteMagie + (deux ? b.PerteMagie : 0.0);
            const double perteMoral = a.PerteMoral + (deux ? b.PerteMoral : 0.0);
            const bool unique = arme && a.UtilisationUnique;
            const std::int16_t typeArme = a.Indice;

            const std::int16_t surface = Definir_SurfaceAttaque();
            if (surface >= 1) {
                Main->Combat.Attaque_Surface(*this, surface);
            } else if (Action == Actions::Attaquer) {
                Main->Combat.Combat_Perso(*this, *T);
            } else if (Action == Actions::DetruireMaison) {
                ClsJeuPerso* proprietaire = Element(Main->Persos, CibleMaison);
                Main->Combat.Combat_Batiment(*this, *Maison, proprietaire, -1);
            } else {
                Main->Combat.Combat_Batiment(*this, *Chateau, nullptr, CibleChateau);
            }

            // Paying for the blow.
            if (arme) {
                Definir_Vie(Vie - perteVie);
                Definir_Energie(Energie - perteEnergie);
                Definir_Magie(Magie - perteMagie);
                Definir_Moral(Moral - perteMoral);
                // A single-use weapon is gone: what it gave goes with it
                // at once, not at the next rebuild.
                if (unique && Objet_Equipes_Actif(0) && Objet_Equipe(0).Indice == typeArme)
                    Objet_Equipes_Detruire(0);
            }
            PremierCoup = false;
            Definir_Argent(Definir_Argent() - coutArgent);
            Definir_Ressources(ressource, Definir_Ressources(ressource) - coutRessource);
            if (Kamikaze) Vivant(false);
        }
    }
    if (!Volant) Direction = 0;
}

bool ClsJeuPerso::Faire_Un_Pas(ClsJeuBatiment* Maison) {
    Calculer_Longueur_Pas();
    const double L = LongueurPas, a = PasDiagonalA, b = PasDiagonalB;
    const double px = PositionX, py = PositionY, dxv = DestinationX, dyv = DestinationY;
    const double dx = std::fabs(dxv - px), dy = std::fabs(dyv - py);
    double mx = 0.0, my = 0.0;
    std::int16_t direction = 0;
    if (dyv < py - L / 2.0) {
        if (px - L / 2.0 <= dxv && dxv <= px + L / 2.0) {
            my = -L, direction = 1;
        } else if (dxv > px + L / 2.0) {
            if (dy <= dx) mx = a, my = -b, direction = 2;
            else mx = b, my = -a, direction = 1;
        } else {
            if (dy <= dx) mx = -a, my = -b, direction = 4;
            else mx = -b, my = -a, direction = 1;
        }
    } else if (dyv > py + L / 2.0) {
        if (px - L / 2.0 <= dxv && dxv <= px + L / 2.0) {
            my = L, direction = 3;
        } else if (dxv > px + L / 2.0) {
            if (dx < dy) mx = b, my = a, direction = 3;
            else mx = a, my = b, direction = 2;
        } else {
            if (dx < dy) mx = -b, my = a, direction = 3;
            else mx = -a, my = b, direction = 4;
        }
    } else if (dxv < px - L / 2.0) {
        mx = -L, direction = 4;
    } else if (dxv > px + L / 2.0) {
        mx = L, direction = 2;
    } else {
        return false;
    }

    PositionX = Borne32(px + mx);
    PositionY = Borne32(py + my);
    Direction = direction;
    Visible(true);
    EnMarche = true;
    // Walking upkeep.
    if (Action < 100) {
        if (!Debout(Maison) && Action == Actions::AllerConstruire) Arreter();
    } else if (Action % 2 == 0 && Action < 200) {
        ++Action;
    }
    if (Maison != nullptr) Maison->Endommage = false;
    if (Vivant()) Definir_Energie(Energie - 0.001);
    return true;
}

// The destination comes onto the character, and a walking action becomes
// its work.
void ClsJeuPerso::Arriver_A_Destination() {
    Direction = Volant ? 3 : 0;
    DestinationX = PositionX;
    DestinationY = PositionY;
    EnMarche = false;
    if (Action < 100 && Action % 2 != 0) --Action;
}

// The work of the action, once at the destination.
void ClsJeuPerso::Travailler_A_Destination(ClsJeuRessources* Ressource, ClsJeuBatiment* Maison,
                                           ClsJeuBatiment* Chateau, ClsJeuFief* Fief, std::int16_t& Code,
                                           ClsJeuCommentaires& Commentaires, const ClsJeuParam& Parametres) {
    ClsJeuBatiment* chateauPropre = Main != nullptr ? Element(Main->Chateaux, Equipe) : nullptr;
    ClsJeuBatiment* maisonPropre = Main != nullptr ? Element(Main->Maisons, NoMaison) : nullptr;
    switch (Action) {
    case Actions::Attente:
        RessourceEnCours = -1;
        if (!Debout(chateauPropre)) DansChateau = false;
        if (!Debout(Chateau)) DansChateauCible = false;
        if (!Debout(Maison) || !Maison->Acheve) DansMaisonCible = false;
        Definir_Vie(Vie + 0.00005 * Definir_MaxVie());
        Definir_Energie(Energie + 0.00005 * Definir_MaxEnergie());
        Definir_Magie(Magie + 0.00005 * Definir_MaxMagie());
        Definir_Moral(Moral + 0.00005 * Definir_MaxMoral());
        break;
    case Actions::Recolter:
        // No deposit or no house to bring the harvest to: nothing
        // to harvest.
        if (Ressource == nullptr || maisonPropre == nullptr) {
            Arreter();
            break;
        }
        RessourceEnCours = Ressource->TypeRessource;
        Recolter_Ressources(RessourceEnCours, *maisonPropre, Code, Parametres);
        DansMaisonCible = false;
        break;
    case Actions::Construire:
        if (!Debout(Maison) || Fief == nullptr || chateauPropre == nullptr) {
            Arreter();
            break;
        }
        RessourceEnCours = -1;
        Maison->Endommage = true;
        Batir_Maison(*Fief, *chateauPropre, *Maison, Parametres);
        break;
    case Actions::Repos:
        if (Debout(Maison)) {
            DansMaison = true;
            RessourceEnCours = -1;
        } else {
            DansMaison = false;
        }
        Definir_Vie(Vie + 0.0001 * Definir_MaxVie());
        Definir_Energie(Energie + 0.0001 * Definir_MaxEnergie());
        Definir_Magie(Magie + 0.0001 * Definir_MaxMagie());
        Definir_Moral(Moral + 0.000025 * Definir_MaxMoral());
        break;
    case Actions::RentrerMaison:
    case Actions::ProduireMaison:
    case Actions::PreparerService:
        if (!Debout(Maison)) {
            DansMaison = false;
            Arreter();
            break;
        }
        DansMaison = true;
        RessourceEnCours = Parametres.Batiment_RessourceFabrique(Maison->TypeBatiment);
        if (RessourceEnCours < 0) {
            if (Maison->Service != 0)
                Preparer_Service(*Maison, Code, Parametres);
            else
                Arreter();
        } else {
            Action = Actions::ProduireMaison;
            Recolter_Ressources(RessourceEnCours, *Maison, Code, Parametres);
        }
        break;
    case Actions::Entrer:
        DansMaisonCible = Debout(Maison) && Maison->Acheve;
        Arreter();
        break;
    case Actions::RetournerChateau:
        DansChateau = Debout(chateauPropre);
        Action = Actions::Attente;
        break;
    case Actions::AllerChateau:
        DansChateauCible = Debout(Chateau);
        Action = Actions::Attente;
        break;
    case Actions::AllerTresor:
        if (Main != nullptr)
            Main->Tresors.Ramasser_Tresor_Collection(CibleTresor, *this, Main->Persos, Parametres,
                                                     Commentaires);
        DansMaison = false;
        Arreter();
        break;
    case Actions::Fabriquer:
        if (!Debout(Maison) || maisonPropre == nullptr) {
            DansMaison = false;
            Arreter();
        } else {
            Fabriquer_Etape(Parametres, *maisonPropre, Code);
        }
        break;
    default:
        RessourceEnCours = -1;
        break;
    }
}

// A dead character at its destination only leaves the buildings that fell.
void ClsJeuPerso::Rester_Mort_A_Destination(const ClsJeuBatiment* Maison, const ClsJeuBatiment* Chateau) {
    const ClsJeuBatiment* chateauPropre = Main != nullptr ? Element(Main->Chateaux, Equipe) : nullptr;
    switch (Action) {
    case Actions::Attente:
        if (!Debout(chateauPropre)) DansChateau = false;
        if (!Debout(Chateau)) DansChateauCible = false;
        break;
    case Actions::Repos:
    case Actions::RentrerMaison:
    case Actions::ProduireMaison:
        DansMaison = Debout(Maison);
        Arreter();
        break;
    case Actions::Entrer:
        DansMaisonCible = Debout(Maison) && Maison->Acheve;
        Arreter();
        break;
    case Actions::RetournerChateau:
        DansChateau = Debout(chateauPropre);
        Action = Actions::Attente;
        break;
    default: break;
    }
}

void ClsJeuPerso::Animer_Marche() {
    if (Direction > 0 || Volant) {
        ++EtapeAnimation;
        if (EtapeAnimation > 3) EtapeAnimation = 0;
    }
}
