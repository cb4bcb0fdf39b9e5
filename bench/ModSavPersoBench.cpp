// A hero is saved periodically from inside the main loop: such a save,
// where a few experience values changed, must not stall a frame. Loading a
// hero (game setup, statistics, the setup window's sheet) is measured too.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "engine/ModMain.h"

namespace fs = std::filesystem;

namespace {

// The default data and its sample heroes in a scratch folder.
class Jeu {
public:
    Jeu() {
        std::random_device rd;
        dossier_ = fs::temp_directory_path() / ("morvaine-bench-savperso-" + std::to_string(rd()));
        fs::copy(MORVAINE_SOURCE_DATA, dossier_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        jeu_ = std::make_unique<DossierJeu>(dossier_);
        main_ = std::make_unique<ModMain>(*jeu_);
        main_->Charger_Parametres();
        main_->SavPerso.Charger_Parametres_SavPerso();
    }
    ~Jeu() {
        main_.reset();
        jeu_.reset();
        std::error_code ec;
        fs::remove_all(dossier_, ec);
    }
    ModMain& Main() { return *main_; }

    ClsJeuPerso Heros() {
        ClsJeuPerso p;
        p.Init(0, main_->Parametres);
        p.PersoFichier = 1;
        main_->SavPerso.Charger_Perso("Aldric", p);
        return p;
    }

private:
    fs::path dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ModMain> main_;
};

void BM_SauvegardeDUnHerosQuiAProgresse(benchmark::State& state) {
    Jeu jeu;
    ClsJeuPerso p = jeu.Heros();
    for (auto _ : state) {
        p.ExpVie += 0.25;
        p.ExpAttaque += 3.0;
        benchmark::DoNotOptimize(jeu.Main().SavPerso.Sauvegarder_Perso(p));
    }
}
BENCHMARK(BM_SauvegardeDUnHerosQuiAProgresse)->Unit(benchmark::kMicrosecond);

void BM_ChargementDUnHeros(benchmark::State& state) {
    Jeu jeu;
    ClsJeuPerso modele;
    modele.Init(0, jeu.Main().Parametres);
    modele.PersoFichier = 1;
    for (auto _ : state) {
        ClsJeuPerso p = modele;
        jeu.Main().SavPerso.Charger_Perso("Aldric", p);
        benchmark::DoNotOptimize(p.ExpVie);
    }
}
BENCHMARK(BM_ChargementDUnHeros)->Unit(benchmark::kMicrosecond);

}  // namespace
