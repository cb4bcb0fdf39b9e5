// The orders of the windows, the order buttons, the keys and the map: one
// apply function per order kind, reached through one table from the kind
// (or its network code). Each function checks every number against the
// world and the character's place as the interface does before it acts,
// since a received order may name anything.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <set>
#include <string_view>

#include "characters/ClsJeuPerso.h"
#include "characters/ModCombat.h"
#include "characters/ModDialogue.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "network/ClsComReseau.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuTresors.h"

namespace {

template <class T>
T* Element(std::vector<T>& v, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? &v[static_cast<std::size_t>(i)] : nullptr;
}

// The character itself or a creature it leads (summoned by it).
ClsJeuPerso* Mene(ModMain& M, std::int32_t No, std::int32_t c) {
    ClsJeuPerso* p = Element(M.Persos, c);
    return p && (c == No || p->Invocateur == No) ? p : nullptr;
}

// What an apply function works with: the world, the ordering character,
// the order's three numbers and, for an order to a selection, its members
// (checked: each one the character may command, named once).
struct Ctx {
    ModMain& M;
    std::int32_t No;
    ClsJeuPerso& P;
    std::int32_t X, Y, Z;
    const ModDialogue::Groupe& G;
    const ClsJeuParam& R() const { return M.Parametres; }
    bool Vivant() const { return P.Vivant(); }
    bool DansChateau() const { return P.DansChateau || P.DansChateauCible; }
    // The fief whose castle the character is in (its own when only on its way).
    ClsJeuFief* Fief() const { return Element(M.Fiefs, P.DansChateauCible ? P.CibleChateau : P.Equipe); }
    ClsJeuBatiment* SaMaison() const { return Element(M.Maisons, No); }
    // The house the character is in or visits.
    ClsJeuBatiment* Courante() const { return Element(M.Maisons, P.CibleMaison); }
    bool Ressource(std::int32_t r) const { return r >= 0 && r < R().NombreRessources; }
    // A creature the character leads, or the character itself.
    ClsJeuPerso* Mene(std::int32_t c) const { return ::Mene(M, No, c); }
    // A target of kind 0 character, 1 house, 2 castle that exists.
    bool Cible(std::int32_t type, std::int32_t i) const {
        if (type == 0) return Element(M.Persos, i) != nullptr;
        if (type == 1) return Element(M.Maisons, i) != nullptr;
        if (type == 2) return Element(M.Chateaux, i) != nullptr;
        return false;
    }
};

bool Colonne(std::int32_t c) { return c >= 0 && c <= 2; }
bool Bit(std::int32_t v) { return v == 0 || v == 1; }
// Column 0 moves one unit, column 1 five, column 2 everything.
double Quantite(std::int32_t c) { return c == 0 ? 1.0 : c == 1 ? 5.0 : 0.0; }

// The item rows of a house type.
bool Rangee(const Ctx& c, const ClsJeuBatiment& b, std::int32_t k) {
    return k >= 0 && k < c.R().Batiment_NombreObjetsFabriques(b.TypeBatiment);
}

bool Manger(Ctx& c) {
    if (!c.Vivant() || !c.Ressource(c.X)) return false;
    c.P.Manger_Ressources(static_cast<std::int16_t>(c.X), c.R());
    return true;
}

bool Vendre(Ctx& c) {
    ClsJeuFief* f = c.Fief();
    if (!c.Vivant() || !c.DansChateau() || !f || !c.Ressource(c.X) || !Colonne(c.Y)) return false;
    f->Vendre(c.X, Quantite(c.Y), c.P, c.R(), c.Y == 2);
    return true;
}

// The quantities come from the state at the replay, not from the click.
bool VendreTout(Ctx& c) {
    ClsJeuFief* f = c.Fief();
    if (!c.Vivant() || !c.DansChateau() || !f || !Colonne(c.X)) return false;
    const ClsJeuParam& P = c.R();
    for (std::int32_t r = 0; r < P.NombreRessources; ++r) {
        const double tenu = c.P.Definir_Ressources(r);
        if (c.X == 0) {
            // Keeps 20 of each.
            if (tenu > 20) f->Vendre(r, tenu - 20, c.P, P, false);
        } else if (c.X == 1) {
            if (!P.Ressources_Mangeable(r) && !P.Ressources_NecessairePourConstruire(r) &&
                !P.Ressources_NecessairePourAttaquer(r))
                f->Vendre(r, 0, c.P, P, true);
        } else {
            f->Vendre(r, 0, c.P, P, true);
        }
    }
    return true;
}

bool AcheterChateau(Ctx& c) {
    ClsJeuFief* f = c.Fief();
    if (!c.Vivant() || !c.DansChateau() || !f || !c.Ressource(c.X) || !Colonne(c.Y)) return false;
    f->Acheter(c.X, Quantite(c.Y), c.P, c.R(), c.Y == 2);
    return true;
}

bool Restaurer(Ctx& c) {
    ClsJeuFief* f = c.Fief();
    if (!c.Vivant() || !c.DansChateau() || !f || !Colonne(c.X)) return false;
    const double montants[3] = {5, 50, 0};
    f->Restaurer_Chateau(montants[c.X], c.P, c.X == 2);
    return true;
}

bool ArgentDeposer(Ctx& c) {
    ClsJeuBatiment* b = c.Courante();
    if (!c.P.DansMaison || !b || !Colonne(c.X)) return false;
    b->Transfert_Argent_Deposer(Quantite(c.X), c.P, c.X == 2);
    return true;
}

bool ArgentPrendre(Ctx& c) {
    ClsJeuBatiment* b = c.SaMaison();
    if (c.DansChateau() || !c.P.DansMaison || !b || !Colonne(c.X)) return false;
    b->Transfert_Argent_Prendre(Quantite(c.X), c.P, c.X == 2);
    return true;
}

bool StockDeposer(Ctx& c) {
    ClsJeuBatiment* b = c.Courante();
    ClsJeuBatiment* s = c.SaMaison();
    if (!c.P.DansMaison || !b || !s || !s->Magasin || !Colonne(c.X)) return false;
    b->Transfert_Stock_Deposer(Quantite(c.X), c.P, c.R(), c.X == 2);
    return true;
}

bool StockPrendre(Ctx& c) {
    ClsJeuBatiment* s = c.SaMaison();
    if (c.DansChateau() || !c.P.DansMaison || !s || !s->Magasin || !Colonne(c.X)) return false;
    s->Transfert_Stock_Prendre(Quantite(c.X), c.P, c.R(), c.X == 2);
    return true;
}

// Someone else's shop: only when the character is neither in a castle nor
// in its own house.
bool AcheterMagasin(Ctx& c) {
    ClsJeuBatiment* b = c.Courante();
    if (c.DansChateau() || c.P.DansMaison || !c.P.DansMaisonCible || !b || !b->Magasin || !Colonne(c.X))
        return false;
    b->Acheter(Quantite(c.X), c.P, c.R(), c.X == 2);
    return true;
}

bool RessourcesPrendre(Ctx& c) {
    if (!c.Vivant() || !c.Ressource(c.X) || !Bit(c.Y)) return false;
    c.P.Ressources_Prendre(static_cast<std::int16_t>(c.X), c.Y == 0 ? 1 : 0, c.Y == 1);
    return true;
}

bool ArgentMain(Ctx& c) {
    if (!Bit(c.X)) return false;
    c.P.Argent_Prendre(c.X == 0 ? 100 : 0, c.X == 1);
    return true;
}

bool Service(Ctx& c) {
    ClsJeuBatiment* b = c.Courante();
    if (!(c.P.DansMaison || c.P.DansMaisonCible) || !b || b->Service == 0 || !b->Service_Utilisable(c.P, c.R()))
        return false;
    b->Service_Utiliser(c.P, c.R(), 0);
    return true;
}

// A house that makes items, the character in it (Propre: its own, else
// visiting).
ClsJeuBatiment* MaisonObjets(Ctx& c, bool Propre) {
    ClsJeuBatiment* b = c.Courante();
    if (!b || !c.R().Batiment_Fabrique(b->TypeBatiment) || !Rangee(c, *b, c.X)) return nullptr;
    if (Propre ? !c.P.DansMaison : (c.P.DansMaison || !c.P.DansMaisonCible)) return nullptr;
    return b;
}

bool ObjetRamasser(Ctx& c) {
    ClsJeuBatiment* b = MaisonObjets(c, true);
    if (!b) return false;
    c.P.Objet_Ramasser_Maison(static_cast<std::int16_t>(c.X), *b, c.R(), c.M.Commentaires);
    return true;
}

bool ObjetAcheter(Ctx& c) {
    ClsJeuBatiment* b = MaisonObjets(c, false);
    if (!b || b->Stock_Objets(c.X) <= 0) return false;
    c.P.Objet_Acheter_Maison(static_cast<std::int16_t>(c.X), *b, c.R(), c.M.Commentaires);
    return true;
}

bool Fabriquer(Ctx& c) {
    ClsJeuBatiment* b = c.SaMaison();
    if (!c.P.DansMaison || !b || !c.P.Inactif() || !Rangee(c, *b, c.X)) return false;
    const auto k = static_cast<std::int16_t>(c.X);
    if (!c.P.PeutConstruire_Objet(k, *b, c.R())) return false;
    c.P.Creer_Objet(k, *b, c.R());
    return true;
}

bool Arreter(Ctx& c) {
    c.P.Arreter();
    return true;
}

// A click on item slot X of the inventory window (bag slots first, then
// the worn ones): picks up, puts down, swaps, equips or puts away, with the
// item held at the cursor.
bool Emplacement(Ctx& c) {
    ClsJeuPerso& Perso = c.P;
    const ClsJeuParam& P = c.R();
    const auto inventaire = static_cast<std::int16_t>(std::max<std::int16_t>(P.PersosNombreObjetsInventaire, 0));
    if (c.X < 0 || c.X >= inventaire + Perso.Nombre_Objets_Equipes() || !Bit(c.Y)) return false;
    const bool equipement = c.X >= inventaire;
    const auto i = static_cast<std::int16_t>(equipement ? c.X - inventaire : c.X);
    const bool occupe =
        equipement ? Perso.Objet_Equipes_Actif(i) : (i < Perso.Nombre_Objets_Inventaire() && Perso.Objet_Inventaire_Actif(i));
    const std::int16_t type = equipement ? Perso.Objet_Equipes_Type(i) : Perso.Objet_Inventaire_Type(i);
    const std::int16_t tenu = Perso.IndiceObjetSelectionne;
    ClsJeuCommentaires& C = c.M.Commentaires;
    if (c.Y == 0) {
        if (tenu >= 0) {
            if (equipement) {
                if (P.Objet_Utilisable(tenu)) {
                    if (Perso.Objet_Equiper(tenu, P, C, false, false) && P.Objet_UtilisationUnique(tenu))
                        Perso.IndiceObjetSelectionne = -1;
                } else if (Perso.Objet_Equiper(tenu, P, C, false, i == 1 || i == 7)) {
                    Perso.IndiceObjetSelectionne = -1;
                }
            } else {
                // Into a full slot: the two swap.
                Perso.Objet_Inventaire_Charger(i, tenu, P);
                Perso.IndiceObjetSelectionne = occupe ? type : static_cast<std::int16_t>(-1);
            }
        } else if (equipement && i == 1 && Perso.Objet_Equipes_2_Mains()) {
            // The second hand of a two-handed item holds the first hand's.
            Perso.IndiceObjetSelectionne = Perso.Objet_Equipes_Type(0);
            Perso.Objet_Equipe_Charger(0, -1, P);
            Perso.Actualiser_Bonus();
        } else if (occupe) {
            // An empty slot gives nothing to pick up.
            Perso.IndiceObjetSelectionne = type;
            if (equipement) {
                Perso.Objet_Equipe_Charger(i, -1, P);
                Perso.Actualiser_Bonus();
            } else {
                Perso.Objet_Inventaire_Charger(i, -1, P);
            }
        }
    } else if (equipement && i == 1 && Perso.Objet_Equipes_2_Mains()) {
        if (Perso.Objet_Equipes_Actif(0)) Perso.Objet_Ranger(0, P, C);
    } else if (equipement) {
        if (occupe) Perso.Objet_Ranger(i, P, C);
    } else if (occupe) {
        Perso.Objet_Equiper(i, P, C, true, false);
    }
    return true;
}

// A shortcut key: the bag slots of X, Y, Z (32 each) are put on in slot
// order; a second hand item (or ring) goes to the other slot, what was
// there going back to the bag first.
bool Raccourci(Ctx& c) {
    ClsJeuPerso& perso = c.P;
    const ClsJeuParam& P = c.R();
    const auto bits = [&](std::int16_t i) {
        const std::int32_t mots[3] = {c.X, c.Y, c.Z};
        return i < 96 && (static_cast<std::uint32_t>(mots[i / 32]) >> (i % 32) & 1u) != 0;
    };
    bool mainVue = false, bagueVue = false;
    for (std::int16_t i = 0; i < perso.Nombre_Objets_Inventaire() && i < 96; ++i) {
        if (!bits(i) || !perso.Objet_Inventaire_Actif(i)) continue;
        const std::int16_t categorie = perso.Objet_Inventaire_Categorie(i);
        if (categorie == 0) {
            if (mainVue && perso.Objet_Equipes_Actif(1)) perso.Objet_Ranger(1, P, c.M.Commentaires);
            mainVue = true;
        } else if (categorie == 6) {
            if (bagueVue && perso.Objet_Equipes_Actif(6)) perso.Objet_Ranger(6, P, c.M.Commentaires);
            bagueVue = true;
        }
        perso.Objet_Equiper(i, P, c.M.Commentaires, true, false);
    }
    return true;
}

bool Recuperer(Ctx& c) {
    if (!c.Vivant() || c.X < 0 || c.X > 3) return false;
    ClsJeuPerso& p = c.P;
    const ClsJeuParam& P = c.R();
    switch (c.X) {
        case 0: p.Recuperer_AutoVie(P); break;
        case 1: p.Recuperer_AutoEnergie(P); break;
        case 2: p.Recuperer_AutoMagie(P); break;
        default: p.Recuperer_AutoMoral(P); break;
    }
    return true;
}

bool RessourceProche(Ctx& c) {
    if (!c.Vivant() || c.X < 0 || c.X > 7) return false;
    c.M.IA.Aller_Ressource_Proche(c.No, c.X);
    return true;
}

bool AttaquerProche(Ctx& c) {
    if (!c.Vivant() || c.X < 0 || c.X > 2 || c.Y < 0 || c.Y > 15) return false;
    const bool g = c.Y & 1, ctrl = c.Y & 2, shift = c.Y & 4, alt = c.Y & 8;
    if (c.X == 0) c.M.IA.Attaquer_Perso_Proche(c.No, g, ctrl, shift, alt);
    if (c.X == 1) c.M.IA.Attaquer_Maison_Proche(c.No, g, ctrl, shift, alt);
    if (c.X == 2) c.M.IA.Attaquer_Chateau_Proche(c.No, g, ctrl, shift, alt);
    return true;
}

bool TresorProche(Ctx& c) {
    if (!c.Vivant()) return false;
    c.M.IA.Aller_Tresor_Proche(c.No);
    return true;
}

bool ModeAuto(Ctx& c) {
    c.P.IA_Active = !c.P.IA_Active;
    return true;
}

bool Aide(Ctx& c) {
    if (!c.Vivant()) return false;
    ModDialogue::Appel_Aide(c.M, c.No);
    return true;
}

bool ArreterSuite(Ctx& c) {
    if (!c.Vivant()) return false;
    ModDialogue::Ordre_Arreter_Groupe(c.M, c.No, false, {});
    return true;
}

bool Charger(Ctx& c) {
    if (!c.Vivant() || c.X < -1 || c.X > 2 || (c.Z & ~6) != 0) return false;
    // Its own target (-1), or one that exists.
    if (c.Y != -1 && !c.Cible(c.X, c.Y)) return false;
    ModDialogue::Ordre_Attaquer_Groupe(c.M, c.No, static_cast<std::int16_t>(c.X), c.Y, c.Z & 2, c.Z & 4);
    return true;
}

bool Attitude(Ctx& c) {
    c.P.Changer_Attitude();
    return true;
}

bool Formation(Ctx& c) {
    if (!Bit(c.X)) return false;
    ModDialogue::Placer_Formation(c.M, c.No, c.X == 1, false);
    return true;
}

bool Demolir(Ctx& c) {
    ClsJeuBatiment* b = c.SaMaison();
    if (!b || !b->Visible() || !c.Vivant()) return false;
    b->Demolir(c.P, c.R());
    return true;
}

bool MaisonSuivante(Ctx& c) {
    if (c.X < 0 || c.X >= c.R().NombreTypeBatiments) return false;
    c.M.IA.Aller_Maison_Suivante(c.P, static_cast<std::int16_t>(c.X));
    return true;
}

bool IAInvocations(Ctx& c) {
    if (!Bit(c.X)) return false;
    ModDialogue::Activer_IA_Invocations(c.M, c.No, c.X == 1);
    return true;
}

bool GroupeIA(Ctx& c) {
    ClsJeuPerso* m = c.Mene(c.X);
    if (!m || !Bit(c.Y)) return false;
    m->IA_Active = c.Y == 1;
    return true;
}

bool GroupeArreter(Ctx& c) {
    if (!c.Vivant()) return false;
    ModDialogue::Ordre_Arreter_Groupe(c.M, c.No, true, c.G);
    return true;
}

bool GroupeAttaquer(Ctx& c) {
    if (!c.Vivant() || !c.Cible(c.X, c.Y)) return false;
    if (c.X == 0) ModDialogue::Ordre_Attaquer_Perso(c.M, c.No, c.G, c.Y);
    if (c.X == 1) ModDialogue::Ordre_Attaquer_Maison(c.M, c.No, c.G, c.Y);
    if (c.X == 2) ModDialogue::Ordre_Attaquer_Chateau(c.M, c.No, c.G, c.Y);
    return true;
}

bool GroupeDeplacer(Ctx& c) {
    ModDialogue::Ordre_Deplacer_Groupe(c.M, c.No, c.G, c.X, c.Y);
    return true;
}

bool GroupeRentrer(Ctx& c) {
    if (!Bit(c.X) || !c.Cible(c.X + 1, c.Y)) return false;
    if (c.X == 0) ModDialogue::Ordre_Rentrer_Maison(c.M, c.No, c.G, c.Y);
    else ModDialogue::Ordre_Rentrer_Chateau(c.M, c.No, c.G, c.Y);
    return true;
}

// The character dismisses the creatures, never itself, and takes what they
// carried.
bool GroupeSupprimer(Ctx& c) {
    if (std::find(c.G.begin(), c.G.end(), c.No) != c.G.end()) return false;
    for (std::int32_t m : c.G) {
        ClsJeuPerso& s = c.M.Persos[static_cast<std::size_t>(m)];
        c.M.Combat.Piller_Perso(c.P, s);
        s.Vivant(false);
    }
    return true;
}

bool AllerBatiment(Ctx& c) {
    if (!Bit(c.X) || !c.Cible(c.X + 1, c.Y)) return false;
    if (c.X == 0) c.P.Aller_Maison(c.M.Maisons[static_cast<std::size_t>(c.Y)]);
    else c.P.Aller_Chateau(c.M.Chateaux[static_cast<std::size_t>(c.Y)], c.Y);
    return true;
}

bool AttaquerCible(Ctx& c) {
    if (!c.Cible(c.X, c.Y)) return false;
    if (c.X == 0) c.P.Attaquer_Perso(c.Y);
    if (c.X == 1) c.P.Attaquer_Maison(c.Y);
    if (c.X == 2) c.P.Attaquer_Chateau(c.Y);
    return true;
}

bool AllerTresor(Ctx& c) {
    if (!c.M.Tresors.Existe(c.X)) return false;
    c.P.Aller_Tresor(c.M.Tresors(c.X), c.X, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur);
    return true;
}

// What is in hand at the replay is what goes.
bool Donner(Ctx& c) {
    if (!Element(c.M.Persos, c.X)) return false;
    c.P.Aller_Donner(c.X, c.P.IndiceObjetSelectionne);
    return true;
}

// Into its own house, sold to its castle, or onto the ground.
bool Deposer(Ctx& c) {
    ClsJeuPerso& perso = c.P;
    const ClsJeuParam& P = c.R();
    if (!perso.Definir_ObjetSelectionne() || !perso.Vivant()) return false;
    const std::int16_t objet = perso.IndiceObjetSelectionne;
    if (objet < 0) {
        perso.Ressources_Deposer_Sol(-1);
    } else if (!P.Objet_Inseparable(objet)) {
        ClsJeuBatiment* m = c.SaMaison();
        ClsJeuFief* fief = Element(c.M.Fiefs, perso.Equipe);
        if (perso.DansMaison && m)
            perso.Objet_Deposer_Maison(objet, *m, P, false);
        else if (c.DansChateau() && fief)
            perso.Objet_Vendre_Chateau(objet, *fief, P, false);
        else
            perso.Objet_Deposer_Sol(objet, false);
    }
    perso.IndiceObjetSelectionne = -1;
    return true;
}

bool Lacher(Ctx& c) {
    c.P.Definir_ObjetSelectionne(false);
    return true;
}

struct Genre {
    const char* code;
    bool (*appliquer)(Ctx&);
    int nombres;  // how many of X, Y, Z the order uses; the others must be 0
    bool selection = false;  // given to a selection, which its text carries
};

// In the order of ModCommandes::Ordre.
constexpr std::array<Genre, ModCommandes::NombreOrdres> Genres{{
    {"PMA", Manger, 1}, {"PVE", Vendre, 2}, {"PVT", VendreTout, 1},
    {"PAC", AcheterChateau, 2}, {"PRS", Restaurer, 1}, {"PDA", ArgentDeposer, 1},
    {"PPA", ArgentPrendre, 1}, {"PDS", StockDeposer, 1}, {"PPS", StockPrendre, 1},
    {"PAB", AcheterMagasin, 1}, {"PPR", RessourcesPrendre, 2}, {"PAM", ArgentMain, 1},
    {"PSV", Service, 0}, {"POR", ObjetRamasser, 1}, {"POA", ObjetAcheter, 1},
    {"PFA", Fabriquer, 1}, {"PAR", Arreter, 0}, {"PEM", Emplacement, 2},
    {"PRA", Raccourci, 3}, {"PRU", Recuperer, 1}, {"PRX", RessourceProche, 1},
    {"PAT", AttaquerProche, 2}, {"PTP", TresorProche, 0}, {"PIA", ModeAuto, 0},
    {"PAI", Aide, 0}, {"PAS", ArreterSuite, 0}, {"PCH", Charger, 3},
    {"PCA", Attitude, 0}, {"PFO", Formation, 1}, {"PDM", Demolir, 0},
    {"PMS", MaisonSuivante, 1}, {"PII", IAInvocations, 1}, {"PGI", GroupeIA, 2},
    {"PGS", GroupeArreter, 0, true}, {"PGA", GroupeAttaquer, 2, true}, {"PGD", GroupeDeplacer, 2, true},
    {"PGR", GroupeRentrer, 2, true}, {"PGX", GroupeSupprimer, 0, true}, {"PAV", AllerBatiment, 2},
    {"PAK", AttaquerCible, 2}, {"PAE", AllerTresor, 1}, {"PDO", Donner, 1},
    {"PDP", Deposer, 0}, {"PLA", Lacher, 0},
}};

}  // namespace

namespace ModCommandes {

const char* Code(Ordre o) {
    const auto k = static_cast<std::size_t>(o);
    return k < Genres.size() ? Genres[k].code : "";
}

bool Selection(Ordre o) {
    const auto k = static_cast<std::size_t>(o);
    return k < Genres.size() && Genres[k].selection;
}

namespace {

bool Donner_Ordre(ModMain& Main, std::int32_t NoPerso, Ordre o, const ModDialogue::Groupe& Groupe, std::int32_t X,
                  std::int32_t Y, std::int32_t Z) {
    const auto k = static_cast<std::size_t>(o);
    ClsJeuPerso* p = Element(Main.Persos, NoPerso);
    if (k >= Genres.size() || !p) return false;
    const std::int32_t nombres[3] = {X, Y, Z};
    for (int i = Genres[k].nombres; i < 3; ++i)
        if (nombres[i] != 0) return false;
    Ctx c{Main, NoPerso, *p, X, Y, Z, Groupe};
    return Genres[k].appliquer(c);
}

}  // namespace

bool Appliquer(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X, std::int32_t Y, std::int32_t Z) {
    if (Selection(o)) return false;
    return Donner_Ordre(Main, NoPerso, o, {}, X, Y, Z);
}

bool Appliquer_Groupe(ModMain& Main, std::int32_t NoPerso, Ordre o, const std::vector<std::int32_t>& Groupe,
                      std::int32_t X, std::int32_t Y, std::int32_t Z) {
    if (!Selection(o) || !Element(Main.Persos, NoPerso)) return false;
    // Named once, and the character's own or a creature it leads: a
    // received order may name anyone.
    std::vector<bool> vu(Main.Persos.size(), false);
    for (std::int32_t m : Groupe) {
        if (!Mene(Main, NoPerso, m) || vu[static_cast<std::size_t>(m)]) return false;
        vu[static_cast<std::size_t>(m)] = true;
    }
    return Donner_Ordre(Main, NoPerso, o, Groupe, X, Y, Z);
}

void Commande(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X, std::int32_t Y, std::int32_t Z) {
    if (Selection(o)) return;
    if (Main.Reseau && Main.Reseau->Reseau_Actif) return Main.Reseau->Message_Envoyer(NoPerso, Code(o), X, Y, Z);
    Appliquer(Main, NoPerso, o, X, Y, Z);
}

void Commande_Unique(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X, std::int32_t Y, std::int32_t Z) {
    if (Selection(o)) return;
    if (Main.Reseau && Main.Reseau->Reseau_Actif) return Main.Reseau->Message_Envoyer_Unique(NoPerso, Code(o), X, Y, Z);
    Appliquer(Main, NoPerso, o, X, Y, Z);
}

void Commande_Groupe(ModMain& Main, std::int32_t NoPerso, const std::vector<std::int32_t>& Groupe, Ordre o,
                     std::int32_t X, std::int32_t Y) {
    if (!Selection(o)) return;
    ModDialogue::Groupe membres;
    std::set<std::int32_t> vus;
    for (std::int32_t m : Groupe)
        if (vus.insert(m).second) membres.push_back(m);
    for (const ModDialogue::Groupe& part : Decouper_Groupe(o, membres)) {
        if (Main.Reseau && Main.Reseau->Reseau_Actif)
            Main.Reseau->Message_Envoyer(NoPerso, Texte_Groupe(o, part), X, Y);
        else
            Appliquer_Groupe(Main, NoPerso, o, part, X, Y, 0);
    }
}

void Commande_Groupe_Attaquer(ModMain& Main, std::int32_t NoPerso, const std::vector<std::int32_t>& Groupe,
                              std::int32_t Type) {
    const std::int32_t cible = Type == 0   ? Main.IA.Chercher_Perso_Proche(NoPerso)
                               : Type == 1 ? Main.IA.Chercher_Maison_Proche(NoPerso)
                                           : Main.IA.Chercher_Chateau_Proche(NoPerso);
    if (cible >= 0) Commande_Groupe(Main, NoPerso, Groupe, Ordre::GroupeAttaquer, Type, cible);
}

std::int32_t Tour_Envoi(const ModMain& Main) {
    return Main.Reseau && Main.Reseau->Reseau_Actif ? Main.Reseau->TourEnvoi() : -1;
}

bool Genre_Code(const std::string& Texte, Ordre& o) {
    // A selection follows its code after a space.
    const bool suivi = Texte.size() > 3 && Texte[3] == ' ';
    const std::string_view code = suivi ? std::string_view(Texte).substr(0, 3) : std::string_view(Texte);
    for (std::size_t k = 0; k < Genres.size(); ++k)
        if (code == Genres[k].code && (!suivi || Genres[k].selection)) {
            o = static_cast<Ordre>(k);
            return true;
        }
    return false;
}

}  // namespace ModCommandes
