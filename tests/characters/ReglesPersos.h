// Shared by the character tests: a scratch game folder holding the default
// data with the character fixture rules laid over it, the rules database
// loaded from it, and a world (ModMain) built on the same folder when a
// test needs fiefs, houses, treasures or the map.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

// Item types of the fixture rules (0-based, as the code sees them).
namespace ObjetFixture {
constexpr std::int16_t Epee = 0, Hache = 1, Dague = 2, Cuirasse = 3, AnneauPorteur = 4, AnneauFortune = 5,
                       Potion = 6, Arc = 7, Bottes = 8, Talisman = 9, Masque = 10, Cor = 11, Bouclier = 12;
}
// Races of the fixture rules.
namespace RaceFixture {
constexpr std::int16_t Humain = 0, Nain = 1, Loup = 2, ChauveSouris = 3;
}

class ReglesPersos {
public:
    // Ecrire lets a test change a data file before anything reads it.
    template <class Ecrire>
    explicit ReglesPersos(Ecrire ecrire) {
        Preparer();
        ecrire(dossier_);
        Charger();
    }
    ReglesPersos() {
        Preparer();
        Charger();
    }

    DossierJeu& Dossier() { return *jeu_; }
    const ClsJeuParam& Parametres() const { return *parametres_; }
    const DossierTemporaire& Temporaire() const { return dossier_; }

    // A fresh character of a race, as a setup gives it: created, emptied
    // of the creation race's goods, given the race, bonuses rebuilt.
    ClsJeuPerso Nouveau(std::int16_t race, ModMain* main = nullptr) const {
        ClsJeuPerso p(main);
        p.Init(0, *parametres_);
        p.Objet_Equipes_Vider_Tout();
        p.Objet_Inventaire_Vider_Tout();
        for (std::int32_t r = 0; r < p.Nombre_Ressources(); ++r) p.Definir_Ressources(r, 0.0);
        p.Changer_Race_Personnage(race, *parametres_);
        p.Actualiser_Bonus();
        return p;
    }

private:
    void Preparer() {
        dossier_.CopierDonnees();
        for (const auto& f : std::filesystem::directory_iterator(Fixtures() / "persos"))
            std::filesystem::copy_file(f.path(), dossier_.Chemin() / f.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
    }
    void Charger() {
        jeu_ = std::make_unique<DossierJeu>(dossier_.Chemin());
        parametres_ = std::make_unique<ClsJeuParam>(*jeu_);
        for (std::int16_t etape = 0; etape <= 7; ++etape) parametres_->Init(etape);
    }

    DossierTemporaire dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ClsJeuParam> parametres_;
};

// A world on the fixture folder with n characters of a race, fief 0 and
// house i for each, all standing at (Xd, Yd).
class MondePersos {
public:
    explicit MondePersos(ReglesPersos& regles, std::int32_t n = 2, std::int16_t race = RaceFixture::Humain)
        : regles_(regles), Main(regles.Dossier()) {
        Main.Fiefs.resize(1);
        Main.Fiefs[0].Init(regles.Parametres());
        Main.Fiefs[0].NombrePersos = n;
        Main.Chateaux.resize(1);
        for (std::int32_t i = 0; i < n; ++i) {
            Main.Persos.push_back(regles.Nouveau(race, &Main));
            Main.Persos.back().NoMaison = i;
            ClsJeuBatiment maison;
            maison.Proprietaire = i;
            maison.Main = &Main;
            Main.Maisons.push_back(maison);
        }
    }
    ClsJeuPerso& Perso(std::int32_t i) { return Main.Persos[static_cast<std::size_t>(i)]; }

private:
    ReglesPersos& regles_;

public:
    ModMain Main;
};

// A speech file for the tests: type t says exactly "genre t" (one line),
// except type 2, which has three lines.
inline std::string CommentairesEssai() {
    std::string s =
        "[Commentaires]\nAfficher=1\nDuree=0.1\nDureeMin=0.05\nDureeMax=0.2\nDureeIntervale=0.01\n"
        "Couleur=65535\nDecalageX=2\nDecalageY=-12\nNombreTypeMessages=47\nNombreMaxMessagesParType=3\n";
    for (int t = 0; t < 47; ++t) {
        s += "[Commentaires_" + std::to_string(t + 1) + "]\n";
        if (t == 2) {
            s += "NombreMessages=3\nMessage(1)=un\nMessage(2)=deux\nMessage(3)=trois\n";
        } else {
            s += "NombreMessages=1\nMessage(1)=genre " + std::to_string(t) + "\n";
        }
    }
    return s;
}

inline void EcrireCommentairesEssai(const DossierTemporaire& d) { d.Ecrire("Ini_Commentaires.ini", CommentairesEssai()); }
