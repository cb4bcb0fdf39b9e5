// The executor of the AI scripts. A scripted character, on each of its AI
// turns, keeps its house of the wanted type standing and working, finishes
// a pending resource or item, and otherwise walks the steps of its script
// for its fief's era in order: a step whose goal is met is passed over,
// the first that is not acts and ends the turn.
//
// Every value read from a script or a table is checked before use: a step
// naming something the rules do not have is skipped, a pending goal that
// names nothing is dropped.
#include <algorithm>

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "characters/ModDialogue.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

bool Occupe(const ClsJeuPerso& p) {
    switch (p.Action) {
    case Actions::Recolter:
    case Actions::AllerA:
    case Actions::ProduireMaison:
    case Actions::Fabriquer:
    case Actions::PreparerService:
        return true;
    default: return p.EnCombat();
    }
}

}  // namespace

void ModIA::Executer_IA(std::int32_t i) {
    if (!PersoValide(i)) return;
    const auto k = static_cast<std::size_t>(i);
    Riposter(i);
    if (Main.Persos[k].Action != Actions::Fabriquer && Main.Persos[k].Action != Actions::AllerA) Gestion_Besoins(i);
    // A character at work or in a fight is not disturbed.
    if (Occupe(Main.Persos[k])) return;
    Vendre_Doublons(i);
    if (Phase_Maison(i)) return;
    if (Phase_Ressource_Voulue(i)) return;
    if (Phase_Objet_Voulu(i)) return;
    Parcourir_Etapes(i);
}

bool ModIA::Phase_Maison(std::int32_t i) {
    if (!IndiceDans(i, Main.Maisons.size())) return false;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    auto maison = [&]() -> ClsJeuBatiment& { return Main.Maisons[k]; };

    if (maison().Visible() && maison().Vie < maison().MaxVie) {
        Envoyer_Maison(i);  // to build or repair it
        return true;
    }
    std::int16_t& voulue = TypeMaisonVoulue[k];
    if (voulue >= P.NombreTypeBatiments) voulue = -1;
    if (voulue >= 0 && (!maison().Visible() || maison().TypeBatiment != voulue)) {
        // Both are evaluated: taking the old house's goods sends the
        // character home even when it cannot pay yet.
        const bool peut = perso().PeutConstruire_Maison(voulue, P);
        const bool pris = Prendre_Maison(i);
        if (peut && pris) {
            if (Chercher_Emplacement_Maison(i, EmplacementX, EmplacementY, voulue)) {
                maison().Creer(EmplacementX, EmplacementY, voulue, perso(), P);
                Envoyer_Maison(i);
            }
        } else {
            // The last lacking resource ends up pending.
            const std::int16_t type = voulue;
            for (std::int16_t r = 0; r < P.NombreRessources; ++r)
                if (P.Batiment_Prix(type, r) > perso().Definir_Ressources(r)) Collecter_Etape(i, r, P.Batiment_Prix(type, r));
        }
        return true;
    }

    const std::int32_t p = P.Batiment_RessourceFabrique(maison().TypeBatiment);
    const std::int16_t m = P.Batiment_TypeMatierePremiere(maison().TypeBatiment, Main.Aleatoire);
    if (maison().Visible() && p >= 0 && perso().Definir_Ressources(p) < perso().Definir_MaxRessources(p) && m != -1 &&
        P.Ressources_Recoltable(m)) {
        if (perso().Definir_Ressources(m) < 1.0)
            Collecter_Ressource(i, m);
        else
            Envoyer_Maison(i);  // it works its raw material at home
        return true;
    }
    return false;
}

bool ModIA::Phase_Ressource_Voulue(std::int32_t i) {
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    const std::int16_t r = RessourceVoulue[k];
    if (r < 0) return false;
    if (r >= P.NombreRessources) {
        RessourceVoulue[k] = -1;
        return false;
    }
    // A quantity beyond what the character can carry is reached when its
    // load is full: it could never be reached otherwise.
    const double voulue = std::min<double>(QuantiteVoulue[k], perso().Definir_MaxRessources(r));
    if (perso().Definir_Ressources(r) >= voulue) {
        RessourceVoulue[k] = -1;
        return true;
    }
    if (P.Ressources_Recoltable(r)) {
        Collecter_Ressource(i, r);
        return true;
    }
    // What the own house makes is fetched (bought, or produced at home);
    // anything else, the character goes home and, once inside, gathers the
    // house's raw material.
    const bool maison = IndiceDans(i, Main.Maisons.size());
    const std::int16_t type = maison ? Main.Maisons[k].TypeBatiment : -1;
    const bool connu = type >= 0 && type < P.NombreTypeBatiments;
    if (connu && P.Batiment_RessourceFabrique(type) == r) {
        if (perso().Action != Actions::AllerChateau && perso().Action != Actions::RetournerChateau) Collecter_Etape(i, r, QuantiteVoulue[k]);
    } else if (!perso().DansMaison) {
        Envoyer_Maison(i);
    } else if (connu) {
        const std::int16_t m = P.Batiment_TypeMatierePremiere(type, Main.Aleatoire);
        if (m >= 0 && m < P.NombreRessources && perso().Definir_Ressources(m) < 1.0)
            Collecter_Etape(i, m, P.PersosMaxRessources);
    }
    return true;
}

bool ModIA::Phase_Objet_Voulu(std::int32_t i) {
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    const std::int16_t o = ObjetVoulu[k];
    if (o < 0) return false;
    if (o >= P.NombreTypesObjets) {
        ObjetVoulu[k] = -1;
        return false;
    }
    if (perso().Action == Actions::Fabriquer) return true;
    if (perso().Objet_NombreType(o) >= QuantiteObjetVoulue[k]) {
        // The goal is met: left pending, it would hold the character here
        // for ever.
        ObjetVoulu[k] = -1;
        return true;
    }
    const double q = QuantiteObjetVoulue[k];
    if (!IndiceDans(i, Main.Maisons.size()) || !Main.Maisons[k].Visible()) {
        Obtenir_Objet_Etape(i, o, q);
        return true;
    }
    if (!perso().DansMaison) {
        Obtenir_Objet_Etape(i, o, q);
        if (perso().Inactif()) Envoyer_Maison(i);
        return true;
    }
    ClsJeuBatiment& H = Main.Maisons[k];
    if (H.Fabrique) {
        for (std::int16_t s = 0; s < P.Batiment_NombreObjetsFabriques(H.TypeBatiment); ++s) {
            if (P.Batiment_ObjetFabrique(H.TypeBatiment, s) != o) continue;
            if (H.Stock_Objets(s) < 1.0) {
                if (perso().PeutConstruire_Objet(s, H, P))
                    perso().Creer_Objet(s, H, P);
                else
                    Obtenir_Objet_Etape(i, o, q);
            } else {
                perso().Objet_Ramasser_Maison(s, H, P, Main.Commentaires);
                ObjetVoulu[k] = -1;
            }
        }
    } else if (Prendre_Maison(i)) {
        // Not a workshop: it makes way for one.
        Main.Maisons[k].Demolir(perso(), P);
        TypeMaisonVoulue[k] = -1;
    }
    return true;
}

void ModIA::Parcourir_Etapes(std::int32_t i) {
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    const std::int32_t e = perso().Equipe;
    if (!IndiceDans(e, Main.Fiefs.size())) return;
    const std::int16_t indice = perso().IndiceIA;
    if (!IndiceDans(indice, Main.IA2.AIs.size())) return;
    // Nothing a step does reloads the script library: the reference holds.
    const ClsJeuIA2& script = Main.IA2.AIs[static_cast<std::size_t>(indice)];
    AgeCourant = Main.Fiefs[static_cast<std::size_t>(e)].Epoque;

    const std::int32_t n = script.Definir_NombreEtapes(AgeCourant);
    for (std::int32_t etape = 0; etape < n; ++etape) {
        const std::int16_t c = script.Definir_Categorie(AgeCourant, etape);
        const std::int16_t v = script.Definir_Valeur(AgeCourant, etape);
        const double q = script.Definir_Quantite(AgeCourant, etape);
        switch (c) {
        case ClsJeuIA2::CategorieRessource:
            if (v < 0 || v >= P.NombreRessources || perso().Definir_Ressources(v) >= q) continue;
            Collecter_Etape(i, v, q);
            return;
        case ClsJeuIA2::CategorieBatiment:
            if (v < 0 || v >= P.NombreTypeBatiments || TypeMaisonVoulue[k] == v) continue;
            Construire_Etape(i, v);
            return;
        case ClsJeuIA2::CategorieObjet:
            if (v < 0 || v >= P.NombreTypesObjets || perso().Objet_NombreType(v) >= q) continue;
            Obtenir_Objet_Etape(i, v, q);
            return;
        case ClsJeuIA2::CategorieTravailler:
            Etape_Travailler(i, script.Definir_BatimentDefini(AgeCourant));
            return;
        case ClsJeuIA2::CategoriePatrouiller:
            for (int r = 0; r < 3; ++r) Patrouiller(i);
            return;
        case ClsJeuIA2::CategorieAttaquerEnnemi:
        case ClsJeuIA2::CategorieAttaquerDonjon:
            Etape_Attaquer(i, c == ClsJeuIA2::CategorieAttaquerDonjon);
            return;
        case ClsJeuIA2::CategorieChangerMode:
            if (v == ClsJeuIA2::ModePacifiste)
                perso().IA_Pacifique = true;
            else if (v == ClsJeuIA2::ModeCombatif)
                perso().IA_Pacifique = false;
            continue;
        case ClsJeuIA2::CategorieGagnerArgent: {
            if (v < 0 || v >= P.NombreTypeBatiments || perso().Definir_Argent() >= q) continue;
            const bool maison = IndiceDans(i, Main.Maisons.size()) && Main.Maisons[k].Visible() &&
                                Main.Maisons[k].TypeBatiment == v;
            if (maison) {
                Chercher_Matiere_Premiere(i);
                if (Main.Chateaux.size() > static_cast<std::size_t>(e) && Main.Chateaux[static_cast<std::size_t>(e)].Visible())
                    Gestion_Travail(i);
                else
                    Patrouiller(i);
            } else {
                Construire_Etape(i, v);
            }
            return;
        }
        default: continue;  // a category the executor does not know
        }
    }
}

void ModIA::Etape_Travailler(std::int32_t i, bool BatimentDefini) {
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    const std::int32_t e = Main.Persos[k].Equipe;
    const bool debout = IndiceDans(i, Main.Maisons.size()) && Main.Maisons[k].Visible();
    if (!debout) {
        TypeMaisonVoulue[k] = Choisir_Batiment(i, e, -1);
        return;
    }
    if (!IndiceDans(e, Main.Chateaux.size()) || !Main.Chateaux[static_cast<std::size_t>(e)].Visible()) {
        Patrouiller(i);
        return;
    }
    if (!BatimentDefini) {
        // No building step in this era: the character climbs to a building
        // of the next level when the era allows it.
        const std::int16_t actuel = Main.Maisons[k].TypeBatiment;
        const std::int16_t t = Choisir_Batiment(i, e, P.Batiment_Niveau(actuel) + 1);
        TypeMaisonVoulue[k] = t;
        if (t != -1) {
            if (!(P.Batiment_NoEpoque(t) - 1 > Main.Fiefs[static_cast<std::size_t>(e)].Epoque)) return;
            TypeMaisonVoulue[k] = actuel;  // not in this era yet
        }
    }
    Chercher_Matiere_Premiere(i);
    Gestion_Travail(i);
}

void ModIA::Etape_Attaquer(std::int32_t i, bool Chateau) {
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    if (VictoirePremierJoueur) {
        Patrouiller(i);
        return;
    }
    // Only rested: the attack value is back to its maximum.
    if (perso().Definir_Attaque() != perso().Definir_MaxAttaque() || perso().EnCombat()) return;
    // Its creatures join its own attack.
    auto entrainer = [&] {
        if (perso().NombreInvocations > 0)
            ModDialogue::Ordre_Attaquer_Groupe(Main, i, ModDialogue::CibleActuelle, -1, false, false);
    };
    if (Chateau) {
        Attaquer_Chateau_Proche(i, false);
        entrainer();
        if (!perso().EnCombat()) {
            Attaquer_Perso_Proche(i, false);
            entrainer();
        }
    } else {
        Attaquer_Perso_Proche(i, false);
        entrainer();
    }
    if (!perso().EnCombat()) Patrouiller(i);
}

void ModIA::Collecter_Etape(std::int32_t i, std::int16_t Ressource, double Quantite) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    if (Ressource < 0 || Ressource >= P.NombreRessources) return;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    const std::int16_t q16 = Sature16(Quantite);

    if (P.Ressources_Recoltable(Ressource)) {
        Collecter_Ressource(i, Ressource);
        RessourceVoulue[k] = Ressource;
        QuantiteVoulue[k] = q16;
        return;
    }
    if (!(perso().Definir_Argent() >= P.Ressources_PrixVente(Ressource) * Quantite)) {
        Produire_Etape(i, Ressource, Quantite);
        return;
    }
    const std::int32_t e = perso().Equipe;
    const bool fief = IndiceDans(e, Main.Fiefs.size());
    if (!perso().DansMaisonCible && !perso().DansChateau && !perso().DansChateauCible) {
        if (perso().Action == Actions::RetournerChateau || perso().Action == Actions::Entrer) return;  // already on its way
        RessourceVoulue[k] = Ressource;
        QuantiteVoulue[k] = q16;
        std::int32_t trouve = -1;
        if (Chercher_Maison_Ravitaillement(perso(), i, Ressource, 0, 0, trouve)) {
            Envoyer_Batiment(i, trouve);
        } else if (fief && Main.Fiefs[static_cast<std::size_t>(e)].Definir_Ressources(Ressource) >= Quantite &&
                   IndiceDans(e, Main.Chateaux.size()) && Main.Chateaux[static_cast<std::size_t>(e)].Visible()) {
            Envoyer_Chateau(i);
        } else {
            Produire_Etape(i, Ressource, Quantite);
        }
        return;
    }
    if (perso().DansMaisonCible) {
        const std::int32_t c = perso().CibleMaison;
        ClsJeuBatiment* h = IndiceDans(c, Main.Maisons.size()) ? &Main.Maisons[static_cast<std::size_t>(c)] : nullptr;
        // Only a shop of that very resource: the character may still stand
        // in the building of an earlier errand.
        if (h != nullptr && h->Magasin && h->Definir_Stock() >= 1.0 &&
            P.Batiment_RessourceFabrique(h->TypeBatiment) == Ressource) {
            h->Acheter(Quantite, perso(), P, false);
            RessourceVoulue[k] = -1;
        } else {
            perso().DansMaisonCible = false;
            Collecter_Etape(i, Ressource, Quantite);
        }
        return;
    }
    // In a castle.
    if (fief && Main.Fiefs[static_cast<std::size_t>(e)].Definir_Ressources(Ressource) >= Quantite) {
        Main.Fiefs[static_cast<std::size_t>(e)].Acheter(Ressource, Quantite, perso(), P, false);
        RessourceVoulue[k] = -1;
    } else {
        Produire_Etape(i, Ressource, Quantite);
    }
}

void ModIA::Produire_Etape(std::int32_t i, std::int16_t Ressource, double Quantite) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    if (Ressource < 0 || Ressource >= P.NombreRessources) return;
    const auto k = static_cast<std::size_t>(i);
    const ClsJeuPerso& p = Main.Persos[k];
    // Down the chain of raw materials to the first one carried in
    // quantity; a chain longer than the resources table is a cycle.
    std::int32_t x = Ressource;
    for (std::int32_t n = 0; n < P.NombreRessources; ++n) {
        const std::int32_t m = P.Ressources_TypeMatierePremiere(x);
        if (m < 0 || m >= P.NombreRessources || !(p.Definir_Ressources(m) < Quantite)) break;
        x = m;
    }
    if (P.Ressources_Recoltable(x)) {
        Collecter_Ressource(i, static_cast<std::int16_t>(x));
    } else {
        std::int16_t type = -1;
        for (std::int16_t t = 0; t < P.NombreTypeBatiments && type < 0; ++t)
            if (P.Batiment_RessourceFabrique(t) == x) type = t;
        if (type < 0) {
            // Nothing makes it: no goal that could never be met.
            RessourceVoulue[k] = -1;
            return;
        }
        TypeMaisonVoulue[k] = type;
    }
    RessourceVoulue[k] = static_cast<std::int16_t>(x);
    QuantiteVoulue[k] = Sature16(Quantite);
}

void ModIA::Obtenir_Objet_Etape(std::int32_t i, std::int16_t Objet, double Quantite) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    if (Objet < 0 || Objet >= P.NombreTypesObjets) return;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    if (perso().Action == Actions::Entrer) return;

    if (perso().Definir_Argent() >= P.Objet_PrixVente(Objet)) {
        // The first standing workshop of its side with enough of the item.
        const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
        for (std::size_t h = 0; h < n; ++h) {
            ClsJeuBatiment& atelier = Main.Maisons[h];
            if (!atelier.Fabrique || !atelier.Visible() || Main.Persos[h].Camp != perso().Camp) continue;
            for (std::int16_t s = 0; s < P.Batiment_NombreObjetsFabriques(atelier.TypeBatiment); ++s) {
                if (P.Batiment_ObjetFabrique(atelier.TypeBatiment, s) != Objet || atelier.Stock_Objets(s) < Quantite)
                    continue;
                const auto hk = static_cast<std::int32_t>(h);
                if (hk == i && perso().DansMaison) {
                    perso().Objet_Ramasser_Maison(s, atelier, P, Main.Commentaires);
                    ObjetVoulu[k] = -1;
                } else if (perso().DansMaisonCible && perso().CibleMaison == hk) {
                    perso().Objet_Acheter_Maison(s, atelier, P, Main.Commentaires);
                    ObjetVoulu[k] = -1;
                } else {
                    Envoyer_Batiment(i, hk);
                }
                return;
            }
        }
    }
    if (IndiceDans(i, Main.Maisons.size())) {
        const ClsJeuBatiment& H = Main.Maisons[k];
        if (H.Fabrique && H.Visible() && H.Definir_Stock() > 0.0) {
            for (std::int16_t s = 0; s < P.Batiment_NombreObjetsFabriques(H.TypeBatiment); ++s) {
                if (H.Stock_Objets(s) > 0.0 && P.Batiment_ObjetFabrique(H.TypeBatiment, s) == Objet) {
                    Envoyer_Maison(i);
                    return;
                }
            }
        }
    }
    // To make it: the workshop type that makes it, and what it costs.
    std::int16_t atelier = -1;
    for (std::int16_t t = 0; t < P.NombreTypeBatiments && atelier < 0; ++t) {
        if (!P.Batiment_Fabrique(t)) continue;
        for (std::int32_t s = 0; s < P.Batiment_NombreObjetsFabriques(t); ++s)
            if (P.Batiment_ObjetFabrique(t, s) == Objet) atelier = t;
    }
    // Nothing makes it: no goal that could never be met.
    if (atelier < 0) return;
    ObjetVoulu[k] = Objet;
    QuantiteObjetVoulue[k] = Sature16(Quantite);
    for (std::int16_t r = 0; r < P.NombreRessources; ++r) {
        const double cout = P.Objet_PrixRessources(Objet, r);
        if (cout > perso().Definir_Ressources(r)) Collecter_Etape(i, r, cout);
    }
    TypeMaisonVoulue[k] = atelier;
}

void ModIA::Construire_Etape(std::int32_t i, std::int16_t TypeBatiment) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    if (TypeBatiment < 0 || TypeBatiment >= P.NombreTypeBatiments) return;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    const std::int32_t e = perso().Equipe;
    const double epoque = IndiceDans(e, Main.Fiefs.size()) ? Main.Fiefs[static_cast<std::size_t>(e)].Epoque : 0;
    RessourceVoulue[k] = -1;

    // Stock up on what the new building will consume.
    auto jusqu_au_plein = [&](std::int32_t m) {
        if (m < 0 || m >= P.NombreRessources) return;
        const double plein = perso().Definir_MaxRessources(m);
        if (perso().Definir_Ressources(m) < plein) Produire_Etape(i, static_cast<std::int16_t>(m), plein);
    };
    if (P.Batiment_Fabrique(TypeBatiment)) {
        for (std::int16_t r = 0; r < P.NombreRessources; ++r) {
            if (P.Ressources_Epoque(r) > epoque) continue;
            for (std::int32_t s = 0; s < P.Batiment_NombreObjetsFabriques(TypeBatiment); ++s) {
                const double cout = P.Objet_PrixRessources(P.Batiment_ObjetFabrique(TypeBatiment, s), r);
                if (cout > 0 && perso().Definir_Ressources(r) < cout) {
                    Produire_Etape(i, r, P.PersosMaxRessources);
                    break;
                }
            }
        }
    } else if (P.Batiment_Service(TypeBatiment) > 0) {
        jusqu_au_plein(static_cast<std::int32_t>(Val(P.Service_MatierePremiere(P.Batiment_Service(TypeBatiment)))));
    } else {
        const std::int32_t produit = P.Batiment_RessourceFabrique(TypeBatiment);
        if (produit >= 0) jusqu_au_plein(P.Ressources_TypeMatierePremiere(produit));
    }
    if (RessourceVoulue[k] == -1) TypeMaisonVoulue[k] = TypeBatiment;
}

bool ModIA::Prendre_Maison(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return true;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    ClsJeuPerso& p = Main.Persos[k];
    ClsJeuBatiment& H = Main.Maisons[k];
    if (!H.Visible()) return true;
    if (!(H.Argent > 0.0 || (H.Definir_Stock() > 0.0 && H.Service == 0))) return true;
    if (!p.DansMaison) {
        Envoyer_Maison(i);
        return false;
    }
    H.Transfert_Argent_Prendre(0.0, p, true);
    if (H.Magasin) {
        H.Transfert_Stock_Prendre(0.0, p, P, true);
    } else if (H.Fabrique) {
        for (std::int16_t s = 0; s < P.Batiment_NombreObjetsFabriques(H.TypeBatiment); ++s) {
            // One unit at a time; a stock that does not go down ends it.
            while (H.Stock_Objets(s) >= 1.0 && !p.Inventaire_Plein()) {
                const double avant = H.Stock_Objets(s);
                p.Objet_Ramasser_Maison(s, H, P, Main.Commentaires);
                if (!(H.Stock_Objets(s) < avant)) break;
            }
        }
    }
    return true;
}
