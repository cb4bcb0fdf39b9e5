// Shared by the world-object and economy tests: a scratch game folder
// holding the default data, with the small rules set of the fixtures laid
// over it (or the default rules themselves), and the rules database loaded
// from it.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

class ReglesObjets {
public:
    // Charger false leaves the loading of the rules to the caller (a game
    // state loads its own).
    explicit ReglesObjets(bool Fixture = true, bool Charger = true) {
        dossier_.CopierDonnees();
        for (const auto& f : std::filesystem::directory_iterator(Fixtures() / "objets")) {
            const auto cible = dossier_.Chemin() / f.path().filename();
            // With the default rules, the fixtures only fill in what the data
            // set does not hold yet.
            if (!Fixture && std::filesystem::exists(cible)) continue;
            std::filesystem::copy_file(f.path(), cible, std::filesystem::copy_options::overwrite_existing);
        }
        jeu_ = std::make_unique<DossierJeu>(dossier_.Chemin());
        if (!Charger) return;
        parametres_ = std::make_unique<ClsJeuParam>(*jeu_);
        for (std::int16_t etape = 0; etape <= 7; ++etape) parametres_->Init(etape);
    }

    // The default data set holds a rules set of its own.
    DossierJeu& Dossier() { return *jeu_; }
    const ClsJeuParam& Parametres() const { return *parametres_; }

private:
    DossierTemporaire dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ClsJeuParam> parametres_;
};
