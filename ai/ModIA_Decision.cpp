// The AI's heart: the set-up of a game, the scheduler that hands a small
// rotating share of the characters to the AI each tick, the fiefs' upkeep
// that follows it, and the decision of one character on its turn.
#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

bool ModIA::PersoValide(std::int32_t i) const {
    // Every table has DernierPerso + 1 entries; a character the tables
    // have not been grown for yet is left alone.
    return i >= 0 && static_cast<std::size_t>(i) < Main.Persos.size() &&
           static_cast<std::size_t>(i) < CourseFaite.size();
}

void ModIA::Initialiser_IA() {
    const ClsJeuParam& P = Main.Parametres;
    RayonEmplacement.assign(Main.Fiefs.size(), 0);
    VictoirePremierJoueur = false;
    // A game starts from the AI of a fresh program, whatever the last game
    // played here left in its cursors and radii: the same choices must
    // give the same game on every machine of a network session.
    for (auto* t : {&DistanceRecherche, &RayonTresor, &RayonPerso, &RayonMaison, &RayonChateau, &CurseurMaison,
                    &CurseurPerso, &CurseurMaisonEnnemie, &CurseurChateau})
        t->clear();
    for (auto* t : {&TypeMaisonVoulue, &RessourceVoulue, &ObjetVoulu, &QuantiteVoulue, &QuantiteObjetVoulue}) t->clear();
    CourseFaite.clear();
    CurseurIA = 0;
    IndiceTrouve = 0;
    NiveauMaxBatiment = 0;
    Redimensionner_Tableaux_IA(static_cast<std::int32_t>(Main.Persos.size()));

    // The draw is made even in a world with no character (no slot count to
    // scale it), so that the order of draws does not depend on it.
    const double r = Main.Aleatoire.Nombre_Aleatoire();
    const std::int32_t c = Main.Persos.empty() ? 0 : Main.Persos.front().Nombre_Objets_Inventaire();
    const std::int32_t e = Sature32(r * c);
    EmplacementAleatoire = Sature16(e == c ? 0 : e);

    for (std::int32_t i = 0; i <= DernierPerso; ++i) {
        const auto k = static_cast<std::size_t>(i);
        DistanceRecherche[k] = 96;
        TypeMaisonVoulue[k] = -1;
        RessourceVoulue[k] = -1;
        ObjetVoulu[k] = -1;
        QuantiteVoulue[k] = 0;
        QuantiteObjetVoulue[k] = 0;
    }
    for (std::int32_t t = 0; t < P.NombreTypeBatiments; ++t)
        if (P.Batiment_Niveau(t) > NiveauMaxBatiment) NiveauMaxBatiment = Sature16(P.Batiment_Niveau(t));
}

void ModIA::Gestion_IA() {
    if (DernierPerso < 0) return;
    for (std::int32_t n = 0; n <= PersosParTour; ++n) {
        ++CurseurIA;
        if (CurseurIA > DernierPerso || CurseurIA < 0) CurseurIA = 0;
        Gestion_IA_Perso(CurseurIA);
    }
}

void ModIA::Gestion_Fiefs() {
    const ClsJeuParam& P = Main.Parametres;
    for (std::size_t i = 0; i < Main.Fiefs.size(); ++i) {
        ClsJeuFief& fief = Main.Fiefs[i];
        fief.Transaction_Ressources(P);
        // A fief without its castle (a broken world) keeps its market.
        if (i >= Main.Chateaux.size()) continue;
        fief.Restauration(Main.Chateaux[i]);
        Main.Chateaux[i].Restauration();
    }
}

void ModIA::Gestion_IA_Perso(std::int32_t i) {
    if (!PersoValide(i)) return;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> ClsJeuPerso& { return Main.Persos[k]; };
    if (!perso().IA_Active) return;

    if (perso().Vivant()) {
        Equiper_Auto(i);
        if (perso().IA_Berserk) {
            Attaquer_Tout(i);
            return;
        }
        if (perso().IA) {
            // A scripted character never runs the built-in behaviours.
            Executer_IA(i);
            return;
        }
        if (perso().Invocation()) {
            // The guard post of a summoned creature (its order mode).
            if (perso().Suivre > 0) {
                if (perso().Suivre == 1) Garder_Batiment(i, false);
                else if (perso().Suivre == 2) Garder_Batiment(i, true);
                return;
            }
            const std::int32_t m = perso().Invocateur;
            if (IndiceDans(m, Main.Persos.size()) && Main.Persos[static_cast<std::size_t>(m)].Vivant() &&
                Main.Persos[static_cast<std::size_t>(m)].Attitude != 1) {
                if (perso().EnCombat()) return;
                // The creature copies its master.
                const ClsJeuPerso& maitre = Main.Persos[static_cast<std::size_t>(m)];
                switch (maitre.Action) {
                case Actions::Attaquer:
                    perso().Attaquer_Perso(maitre.CiblePerso);
                    break;
                case Actions::DetruireMaison:
                    perso().Attaquer_Maison(maitre.CibleMaison);
                    break;
                case Actions::DetruireChateau:
                    perso().Attaquer_Chateau(maitre.CibleChateau);
                    break;
                default:
                    perso().Aller_A(maitre.DestinationX + perso().DecalageFormationX,
                                    maitre.DestinationY + perso().DecalageFormationY);
                    break;
                }
                return;
            }
            if (perso().Action != Actions::Fabriquer && perso().Action != Actions::AllerA) Gestion_Besoins(i);
            if (perso().Inactif()) Patrouiller(i);
            return;
        }
        Visite_Chateau(i);
        Riposter(i);
        if (!perso().Inactif()) {
            // A busy character drops what it does now and then (a draw
            // compared in double precision: 0.99 as a float is above 0.99).
            if (static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) > 0.99) perso().Arreter();
            return;
        }
        if (perso().Action != Actions::Fabriquer && perso().Action != Actions::AllerA) Gestion_Besoins(i);
        if (perso().Inactif()) Patrouiller(i);
        return;
    }

    // The dead.
    Utiliser_Objets_Mort(i);
    if (perso().Invocation()) return;
    const std::int32_t h = perso().CibleMaison;
    if ((perso().DansMaisonCible || perso().DansMaison) && IndiceDans(h, Main.Maisons.size()) &&
        Main.Maisons[static_cast<std::size_t>(h)].Service_Utilisable(perso(), Main.Parametres)) {
        // Raised at the building that offers it.
        Main.Maisons[static_cast<std::size_t>(h)].Service_Utiliser(perso(), Main.Parametres, 0);
        CourseFaite[k] = true;
        return;
    }
    if (perso().Action == Actions::Entrer || perso().Action == Actions::Deplacer) return;
    const bool trouve = Chercher_Maison_Ravitaillement(perso(), i, 0, 0, 1, IndiceTrouve);
    const bool manque = Manque_Argent(i);
    if (manque || !trouve) {
        // The dead wait in their castle to be raised.
        const std::int32_t e = perso().Equipe;
        if (IndiceDans(e, Main.Chateaux.size()) && Main.Chateaux[static_cast<std::size_t>(e)].Visible() &&
            !perso().DansChateau)
            Envoyer_Chateau(i);
    } else if (IndiceTrouve >= 0) {
        Envoyer_Batiment(i, IndiceTrouve);
    }
}
