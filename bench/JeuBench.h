// The default data copied into a scratch folder with its rules read: what a
// benchmark that writes into the game folder (pages, saves) starts from.
// The folder goes with the object.
#pragma once

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>

#include "engine/ModMain.h"

class JeuBench {
public:
    explicit JeuBench(const std::string& Nom) {
        std::random_device rd;
        dossier_ = std::filesystem::temp_directory_path() / ("morvaine-bench-" + Nom + "-" + std::to_string(rd()));
        std::filesystem::copy(MORVAINE_SOURCE_DATA, dossier_,
                              std::filesystem::copy_options::recursive |
                                  std::filesystem::copy_options::overwrite_existing);
        jeu_ = std::make_unique<DossierJeu>(dossier_);
        main_ = std::make_unique<ModMain>(*jeu_);
        main_->Charger_Parametres();
    }
    ~JeuBench() {
        main_.reset();
        jeu_.reset();
        std::error_code ec;
        std::filesystem::remove_all(dossier_, ec);
    }
    JeuBench(const JeuBench&) = delete;
    JeuBench& operator=(const JeuBench&) = delete;

    ModMain& Main() { return *main_; }
    const std::filesystem::path& Dossier() const { return dossier_; }

private:
    std::filesystem::path dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ModMain> main_;
};
