// The needs of a computer-controlled character: it eats what it carries,
// goes to a building of its team whose goods give back life, energy, magic
// or morale (or harvests food when it cannot buy), keeps the resource its
// blows consume, and picks up treasures lying near. Also the retaliation
// of a character busy destroying a building.
#include <algorithm>

#include "ai/ModIA.h"
#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"

void ModIA::Gestion_Besoins(std::int32_t i) {
    if (!PersoValide(i)) return;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    // Orders given here never grow Persos: the reference holds.
    ClsJeuPerso& p = Main.Persos[k];
    auto dehors = [&] { return !p.DansMaisonCible && !p.EnCombat(); };

    // Life and energy: a building that sells what gives them back, else the
    // food on the map.
    auto ravitailler = [&](std::int16_t besoin, void (ModIA::*collecter)(std::int32_t)) {
        if (!Manque_Argent(i)) {
            if (Chercher_Maison_Ravitaillement(p, i, 0, besoin, 0, IndiceTrouve)) {
                if (IndiceTrouve >= 0) Envoyer_Batiment(i, IndiceTrouve);
            } else {
                (this->*collecter)(i);
            }
        } else {
            (this->*collecter)(i);
        }
    };
    // Magic and morale: the search runs in every case (it moves the
    // cursor and the search distance), and only money buys them.
    auto soigner = [&](std::int16_t besoin, bool bas) {
        const bool trouve = Chercher_Maison_Ravitaillement(p, i, 0, besoin, 0, IndiceTrouve);
        const bool manque = Manque_Argent(i);
        if (bas && !manque && dehors() && trouve && IndiceTrouve >= 0) Envoyer_Batiment(i, IndiceTrouve);
    };

    if (p.IA_Manger) {
        p.Recuperer_AutoVie(P);
        if (p.Definir_Vie() < p.Definir_MaxVie() && dehors() && p.Inactif()) ravitailler(1, &ModIA::Collecter_Pour_Vie);

        p.Recuperer_AutoEnergie(P);
        if (p.Definir_Energie() < 0.5 * p.Definir_MaxEnergie() && dehors()) ravitailler(2, &ModIA::Collecter_Pour_Energie);

        p.Recuperer_AutoMagie(P);
        soigner(3, p.Definir_Magie() < 0.5 * p.Definir_MaxMagie());

        p.Recuperer_AutoMoral(P);
        soigner(4, p.Definir_Moral() < 0.5 * p.Definir_MaxMoral());
    }

    // The resource each blow consumes, for every character. A kind outside
    // the rules names nothing to fetch.
    const std::int16_t r = p.RessourceAttaque;
    if (IndiceDans(r, static_cast<std::size_t>(std::max<std::int16_t>(P.NombreRessources, 0))) &&
        p.Definir_Ressources(r) < p.CoutAttaque && !p.DansMaisonCible && p.Inactif()) {
        if (!Manque_Argent(i)) {
            if (Chercher_Maison_Ravitaillement(p, i, r, 0, 0, IndiceTrouve)) {
                if (IndiceTrouve >= 0) Envoyer_Batiment(i, IndiceTrouve);
            } else {
                Collecter_Ressource(i, r);
            }
        } else {
            Collecter_Ressource(i, r);
        }
    }

    // Treasures lying near (the collection counts from 1).
    if (p.Inactif() && p.Equiper) {
        if (Chercher_Tresor_Rayon(p, i, IndiceTrouve) && IndiceTrouve > 0) Envoyer_Tresor(i, IndiceTrouve);
    }
}

void ModIA::Riposter(std::int32_t i) {
    if (!PersoValide(i)) return;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const std::int32_t t = p.CiblePerso;
    // A target index that names nobody is never read.
    if (!IndiceDans(t, Main.Persos.size())) return;
    const ClsJeuPerso& cible = Main.Persos[static_cast<std::size_t>(t)];
    if ((p.Action == Actions::DetruireMaison || p.Action == Actions::DetruireChateau) && cible.Attaquable() && p.Camp != cible.Camp) {
        p.Attaquer_Perso(t);
        p.Definir_Commentaires(Main.Commentaires.Message(16, p));
    }
}
