// A headless engine on a small generated world: the default data copied
// into a scratch folder, a manual clock and scripted devices.
#pragma once

#include <memory>
#include <string>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/Horloge.h"
#include "engine/ModMain.h"
#include "tests/Outils.h"

// Advances the manual clock by what the loop asks to wait.
struct AttenteSimulee : AttenteEvenements {
    explicit AttenteSimulee(HorlogeManuelle& h) : horloge(h) {}
    void Attendre(double s) override {
        horloge.Temps += s;
        ++attentes;
    }
    void Traiter() override { ++traitements; }
    HorlogeManuelle& horloge;
    int attentes = 0, traitements = 0;
};

struct MoteurSansEcran {
    DossierTemporaire d;
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> Main;
    std::unique_ptr<ClsJeu> Jeu;
    HorlogeManuelle horloge;
    PeripheriquesScriptes peripheriques;
    std::unique_ptr<ClsMoteur> M;

    explicit MoteurSansEcran(int vitesse = 10, int fps = 20) {
        d.CopierDonnees();
        d.Ecrire("Ini_Jeu.ini", "[Vitesse]\nVitesse=" + std::to_string(vitesse) + "\nFPS=" + std::to_string(fps) +
                                    "\nAfficherFantomesPNJ=1\n");
        dossier = std::make_unique<DossierJeu>(d.Chemin());
        Main = std::make_unique<ModMain>(*dossier);
        Main->Charger_Parametres();
        Jeu = std::make_unique<ClsJeu>(*dossier);
        M = std::make_unique<ClsMoteur>(*Main, *Jeu, horloge, peripheriques);
    }

    static SetupChoices Choix(int joueurs = 1, int fiefs = 2, int villageois = 4) {
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 40;
        c.NombreRessources = 10;
        for (int f = 0; f < fiefs; ++f) c.Fiefs.push_back({f, static_cast<std::int16_t>(f % 2), villageois});
        c.NombreJoueursLocaux = joueurs;
        return c;
    }

    bool Demarrer(int joueurs = 1) { return M->Demarrer(Choix(joueurs), nullptr, 800, 600); }
};
