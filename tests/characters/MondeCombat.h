// Shared by the combat, tick, ability and world-step tests: a scratch game
// folder with the combat fixture rules (round coefficients, a speech file
// whose type t says "genre t"), one world built on it by hand through the
// objects' own procedures, and a scripted random table.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"
#include "tests/characters/ReglesPersos.h"

// Races, items and building types of the combat fixture (0-based).
namespace RaceCombat {
constexpr std::int16_t Humain = 0, Loup = 1, Furie = 2, Bombe = 3, Recrue = 4;
}
namespace ObjetCombat {
constexpr std::int16_t Epee = 0, Javelot = 1, Arc = 2, Masse = 3, Cuirasse = 4, Anneau = 5, CorLoups = 6,
                       BaguetteSoin = 7, Parchemin = 8, Plume = 9, Potion = 10, CorFurie = 11, BaguetteEteinte = 12;
}
namespace BatimentCombat {
constexpr std::int16_t Cabane = 0, Pavillon = 1, Ferme = 2, Forge = 3, Hospice = 4;
}

class MondeCombat {
public:
    // Dossier: the fixture folder under tests/fixtures laid over the data.
    explicit MondeCombat(const std::string& Dossier = "combat") {
        dossier_.CopierDonnees();
        for (const auto& f : std::filesystem::directory_iterator(Fixtures() / Dossier))
            std::filesystem::copy_file(f.path(), dossier_.Chemin() / f.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        if (Dossier == "combat") EcrireCommentairesEssai(dossier_);
        jeu_ = std::make_unique<DossierJeu>(dossier_.Chemin());
        Main = std::make_unique<ModMain>(*jeu_);
        Main->Charger_Parametres();
        // Both generators start from the same place in every run.
        Main->Aleatoire.Generateur().Semer(1);
        Main->GenerateurPlateforme.Semer(2);
        // A 64 x 64 cell map (2048 x 2048 pixels), all ground.
        Main->Monde.LargeurCarte = 64;
        Main->Monde.HauteurCarte = 64;
    }

    const ClsJeuParam& P() const { return Main->Parametres; }
    ModMain& M() { return *Main; }

    // A fief of side Camp with a standing castle at (X, Y).
    std::int32_t Fief(std::int32_t Camp, std::int32_t X = 0, std::int32_t Y = 0) {
        ClsJeuFief& fief = Main->Fiefs.emplace_back();
        fief.Init(P());
        fief.Camp = Camp;
        ClsJeuBatiment& chateau = Main->Chateaux.emplace_back();
        chateau.Main = Main.get();
        chateau.Proprietaire = static_cast<std::int32_t>(Main->Chateaux.size() - 1);
        chateau.X = X;
        chateau.Y = Y;
        chateau.Largeur = P().Peuples_ChateauLargeur(0);
        chateau.Hauteur = P().Peuples_ChateauHauteur(0);
        chateau.MaxVie = P().Peuples_ChateauMaxVie(0);
        chateau.Definir_Vie(chateau.MaxVie);
        return static_cast<std::int32_t>(Main->Fiefs.size() - 1);
    }

    // A character of a race in fief Equipe (of that fief's side), standing
    // at (X, Y), with no goods, and its house slot and effects.
    std::int32_t Perso(std::int16_t Race, std::int32_t Equipe, std::int32_t X, std::int32_t Y) {
        const auto i = static_cast<std::int32_t>(Main->Persos.size());
        ClsJeuPerso& p = Main->Persos.emplace_back(Main.get());
        p.Init(i, P());
        p.Objet_Equipes_Vider_Tout();
        p.Objet_Inventaire_Vider_Tout();
        for (std::int32_t r = 0; r < p.Nombre_Ressources(); ++r) p.Definir_Ressources(r, 0.0);
        p.Definir_Argent(0.0);
        p.Changer_Race_Personnage(Race, P());
        p.Actualiser_Bonus();
        p.Equipe = Equipe;
        p.Camp = Main->Fiefs[static_cast<std::size_t>(Equipe)].Camp;
        p.CibleChateau = Equipe;
        p.PositionX = X;
        p.PositionY = Y;
        p.Arreter();
        p.Calculer_Coef_Vitesse();
        p.Calculer_Longueur_Pas();
        ++Main->Fiefs[static_cast<std::size_t>(Equipe)].NombrePersos;
        ClsJeuBatiment& maison = Main->Maisons.emplace_back();
        maison.Main = Main.get();
        maison.Proprietaire = i;
        Main->EffetsPersos.emplace_back();
        Main->EffetsMaisons.emplace_back();
        Main->IA.Redimensionner_Tableaux_IA(static_cast<std::int32_t>(Main->Persos.size()));
        return i;
    }

    // Character i's house of type Type at (X, Y), finished at full life.
    ClsJeuBatiment& Maison(std::int32_t i, std::int16_t Type, std::int32_t X, std::int32_t Y) {
        ClsJeuPerso& p = Pe(i);
        for (std::int32_t r = 0; r < P().NombreRessources; ++r)
            p.Definir_Ressources(r, p.Definir_Ressources(r) + P().Batiment_Prix(Type, r));
        ClsJeuBatiment& maison = Ma(i);
        maison.Creer(X, Y, Type, p, P());
        maison.Definir_Vie(maison.MaxVie);
        return maison;
    }

    ClsJeuPerso& Pe(std::int32_t i) { return Main->Persos[static_cast<std::size_t>(i)]; }
    ClsJeuBatiment& Ma(std::int32_t i) { return Main->Maisons[static_cast<std::size_t>(i)]; }
    ClsJeuBatiment& Ch(std::int32_t f) { return Main->Chateaux[static_cast<std::size_t>(f)]; }

    // The next draws of the game's random source are these values, in
    // order (17 at most; the table then starts again).
    void Tirages(std::initializer_list<float> valeurs) {
        ModRandom& a = Main->Aleatoire;
        a.TableAleatoire.fill(0.5f);
        std::size_t k = 0;
        for (float v : valeurs) a.TableAleatoire[k++] = v;
        a.PositionAleatoire = 16;
        a.TableActive = true;
    }
    // Draws made since the last Tirages (while fewer than 17).
    int Tires() const { return (Main->Aleatoire.PositionAleatoire + 1) % 17; }

private:
    DossierTemporaire dossier_;
    std::unique_ptr<DossierJeu> jeu_;

public:
    std::unique_ptr<ModMain> Main;
};
