// Shared by the world-object and economy tests: a scratch game folder
// holding the default data with the small rules set of the fixtures laid
// over it, and the rules database loaded from it.
#pragma once

#include <filesystem>
#include <memory>

#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

class ReglesObjets {
public:
    ReglesObjets() {
        dossier_.CopierDonnees();
        for (const auto& f : std::filesystem::directory_iterator(Fixtures() / "objets"))
            std::filesystem::copy_file(f.path(), dossier_.Chemin() / f.path().filename(),
                                       std::filesystem::copy_options::overwrite_existing);
        jeu_ = std::make_unique<DossierJeu>(dossier_.Chemin());
        parametres_ = std::make_unique<ClsJeuParam>(*jeu_);
        for (std::int16_t etape = 0; etape <= 7; ++etape) parametres_->Init(etape);
    }

    DossierJeu& Dossier() { return *jeu_; }
    const ClsJeuParam& Parametres() const { return *parametres_; }

private:
    DossierTemporaire dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ClsJeuParam> parametres_;
};
