// A small headless world for the world-object and economy tests: the
// rules of ReglesObjets, one game state, fiefs with their castles and
// characters with their house slots and effects, all wired to the world.
#pragma once

#include <cstdint>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "tests/world/ReglesObjets.h"

class MondeObjets : public ReglesObjets {
public:
    explicit MondeObjets(bool Fixture = true) : ReglesObjets(Fixture, false), Main(Dossier()) {
        Main.Charger_Parametres();
    }

    // The game state's own rules.
    const ClsJeuParam& Parametres() const { return Main.Parametres; }

    // nFiefs fiefs, each with a standing castle of the first people, and
    // nPersos characters shared out among them, with empty house slots.
    void Peupler(std::int32_t nPersos, std::int32_t nFiefs = 1) {
        const ClsJeuParam& P = Parametres();
        Main.Fiefs.assign(static_cast<std::size_t>(nFiefs), ClsJeuFief{});
        Main.Chateaux.assign(static_cast<std::size_t>(nFiefs), ClsJeuBatiment{});
        for (std::int32_t f = 0; f < nFiefs; ++f) {
            ClsJeuFief& fief = Main.Fiefs[static_cast<std::size_t>(f)];
            fief.Init(P);
            fief.Camp = f;
            ClsJeuBatiment& chateau = Main.Chateaux[static_cast<std::size_t>(f)];
            chateau.Main = &Main;
            chateau.Proprietaire = f;
            chateau.X = 1000 * f;
            chateau.Y = 0;
            chateau.Largeur = P.Peuples_ChateauLargeur(0);
            chateau.Hauteur = P.Peuples_ChateauHauteur(0);
            chateau.MaxVie = P.Peuples_ChateauMaxVie(0);
            chateau.Definir_Vie(chateau.MaxVie);
        }
        Main.Persos.clear();
        Main.Persos.reserve(static_cast<std::size_t>(nPersos));
        Main.Maisons.assign(static_cast<std::size_t>(nPersos), ClsJeuBatiment{});
        Main.EffetsPersos.assign(static_cast<std::size_t>(nPersos), ClsJeuEffet{});
        Main.EffetsMaisons.assign(static_cast<std::size_t>(nPersos), ClsJeuEffet{});
        for (std::int32_t i = 0; i < nPersos; ++i) {
            ClsJeuPerso& perso = Main.Persos.emplace_back(&Main);
            perso.Init(i, P);
            perso.Equipe = i % nFiefs;
            perso.Camp = perso.Equipe;
            perso.PositionX = 300 + 40 * i;
            perso.PositionY = 400;
            Main.Fiefs[static_cast<std::size_t>(perso.Equipe)].NombrePersos++;
            ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(i)];
            maison.Main = &Main;
            maison.Proprietaire = i;
        }
        Main.Tresors.Init_Tresors();
        Main.Decors.Init_Decors();
    }

    ClsJeuPerso& Perso(std::int32_t i) { return Main.Persos[static_cast<std::size_t>(i)]; }
    ClsJeuBatiment& Maison(std::int32_t i) { return Main.Maisons[static_cast<std::size_t>(i)]; }
    ClsJeuFief& Fief(std::int32_t f = 0) { return Main.Fiefs[static_cast<std::size_t>(f)]; }
    ClsJeuBatiment& Chateau(std::int32_t f = 0) { return Main.Chateaux[static_cast<std::size_t>(f)]; }

    // Builds house i of type Type at (X, Y) to completion, the builder
    // standing on it, and gives the builder its price first.
    ClsJeuBatiment& Maison_Achevee(std::int32_t i, std::int16_t Type, std::int32_t X = 0, std::int32_t Y = 0) {
        ClsJeuPerso& perso = Perso(i);
        for (std::int32_t r = 0; r < Parametres().NombreRessources; ++r)
            perso.Definir_Ressources(r, perso.Definir_Ressources(r) + Parametres().Batiment_Prix(Type, r));
        ClsJeuBatiment& maison = Maison(i);
        maison.Creer(X, Y, Type, perso, Parametres());
        maison.Definir_Vie(maison.MaxVie);
        perso.PositionX = X;
        perso.PositionY = Y;
        return maison;
    }

    ModMain Main;
};
