// A small headless world on the default rules for the AI tests: a map of
// plain ground, fiefs with standing castles, characters left to the
// built-in AI, houses built on demand, and a way to choose the next
// values of the game's random source.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "tests/Outils.h"

class MondeIA : public ::testing::Test {
protected:
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};

    void SetUp() override {
        Main.Charger_Parametres();
        Main.Aleatoire.TableActive = false;
        Main.Aleatoire.Generateur().Semer(7);
    }

    const ClsJeuParam& P() const { return Main.Parametres; }
    ModIA& IA() { return Main.IA; }
    ClsJeuPerso& Perso(std::int32_t i) { return Main.Persos[static_cast<std::size_t>(i)]; }
    ClsJeuBatiment& Maison(std::int32_t i) { return Main.Maisons[static_cast<std::size_t>(i)]; }
    ClsJeuBatiment& Chateau(std::int32_t f) { return Main.Chateaux[static_cast<std::size_t>(f)]; }
    ClsJeuFief& Fief(std::int32_t f) { return Main.Fiefs[static_cast<std::size_t>(f)]; }

    // A Cases x Cases map; nFiefs fiefs (side f + 1), castle f standing at
    // (2000 f, 2000); nPersos characters of race 0 shared out among the
    // fiefs in turn, at (100 + 40 i, 100), handed to the built-in AI (no
    // script), with empty house slots; then the AI set-up.
    void Peupler(std::int32_t nPersos, std::int32_t nFiefs = 1, std::int32_t Cases = 128) {
        Main.Monde.LargeurCarte = Main.Monde.HauteurCarte = Cases;
        Main.Monde.Creer_Grilles();
        Main.Fiefs.assign(static_cast<std::size_t>(nFiefs), ClsJeuFief{});
        Main.Chateaux.assign(static_cast<std::size_t>(nFiefs), ClsJeuBatiment{});
        for (std::int32_t f = 0; f < nFiefs; ++f) {
            ClsJeuFief& fief = Fief(f);
            fief.Init(P());
            fief.Camp = f + 1;
            ClsJeuBatiment& c = Chateau(f);
            c.Main = &Main;
            c.Proprietaire = f;
            c.X = 2000 * f;
            c.Y = 2000;
            c.Largeur = P().Peuples_ChateauLargeur(0);
            c.Hauteur = P().Peuples_ChateauHauteur(0);
            c.EntreePositionY = P().Peuples_ChateauEntreePositionY(0);
            c.MaxVie = P().Peuples_ChateauMaxVie(0);
            c.Definir_Vie(c.MaxVie);
        }
        Main.Persos.clear();
        Main.Maisons.assign(static_cast<std::size_t>(nPersos), ClsJeuBatiment{});
        Main.EffetsPersos.assign(static_cast<std::size_t>(nPersos), ClsJeuEffet{});
        Main.EffetsMaisons.assign(static_cast<std::size_t>(nPersos), ClsJeuEffet{});
        for (std::int32_t i = 0; i < nPersos; ++i) {
            ClsJeuPerso& p = Main.Persos.emplace_back(&Main);
            p.Equipe = i % nFiefs;
            p.Init(i, P(), Main.GenerateurPlateforme);
            p.Camp = Fief(p.Equipe).Camp;
            p.PositionX = p.DestinationX = 100 + 40 * i;
            p.PositionY = p.DestinationY = 100;
            p.IA = false;
            p.IA_Active = true;
            Maison(i).Main = &Main;
            Maison(i).Proprietaire = i;
            Fief(p.Equipe).NombrePersos++;
        }
        Main.Ressources.clear();
        Main.Tresors.Init_Tresors();
        Main.Decors.Init_Decors();
        Main.IA.Initialiser_IA();
    }

    // House i of building type Type, finished, at (X, Y), with Stock units
    // of its product or service in stock. The owner stays where it was.
    ClsJeuBatiment& Batir(std::int32_t i, std::int16_t Type, std::int32_t X, std::int32_t Y, double Stock = 0.0) {
        ClsJeuPerso& p = Perso(i);
        const std::int32_t px = p.PositionX, py = p.PositionY;
        std::vector<double> porte;
        for (std::int32_t r = 0; r < P().NombreRessources; ++r) {
            porte.push_back(p.Definir_Ressources(r));
            p.Definir_Ressources(r, P().Batiment_Prix(Type, r));
        }
        ClsJeuBatiment& m = Maison(i);
        m.Creer(X, Y, Type, p, P());
        m.Definir_Vie(m.MaxVie);
        if (m.MaxStock < Stock) m.MaxStock = Stock;
        m.Definir_Stock(Stock);
        for (std::int32_t r = 0; r < P().NombreRessources; ++r) p.Definir_Ressources(r, porte[static_cast<std::size_t>(r)]);
        p.PositionX = px;
        p.PositionY = py;
        return m;
    }

    // A deposit of deposit type Type at (X, Y).
    std::int32_t Gisement(std::int32_t Type, std::int32_t X, std::int32_t Y, double Quantite = 300.0) {
        ClsJeuRessources& g = Main.Ressources.emplace_back();
        g.X = X;
        g.Y = Y;
        g.TypeTerrainRessource = Type;
        g.TypeRessource = P().TerrainRessources_TypeRessource(Type);
        g.Quantite = g.QuantiteInitiale = Quantite;
        return static_cast<std::int32_t>(Main.Ressources.size()) - 1;
    }

    // The next draws of the game's random source are these values, in
    // this order (at most 16), then the fixed cycle goes on.
    void Tirages(std::initializer_list<float> valeurs) {
        Main.Aleatoire.Initialiser_Aleatoire();
        std::size_t k = 1;
        for (float v : valeurs) Main.Aleatoire.TableAleatoire[k++] = v;
    }

    // Building types of the default rules, found by what they are.
    std::int16_t TypeOu(bool (*test)(const ClsJeuParam&, std::int16_t)) const {
        for (std::int16_t t = 0; t < P().NombreTypeBatiments; ++t)
            if (test(P(), t)) return t;
        return -1;
    }
};
