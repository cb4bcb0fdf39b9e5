// A Help menu entry writes its page before the browser opens: the largest
// reference page of the default data (the items, with every particularity
// spelt out) and the five pages together must come out at once.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "engine/ModMain.h"

namespace fs = std::filesystem;

namespace {

// The default data in a scratch folder, its rules and page settings read.
class Jeu {
public:
    Jeu() {
        std::random_device rd;
        dossier_ = fs::temp_directory_path() / ("morvaine-bench-documents-" + std::to_string(rd()));
        fs::copy(MORVAINE_SOURCE_DATA, dossier_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        jeu_ = std::make_unique<DossierJeu>(dossier_);
        main_ = std::make_unique<ModMain>(*jeu_);
        main_->Charger_Parametres();
        main_->Documents.Charger_Parametres_Documents();
    }
    ~Jeu() {
        main_.reset();
        jeu_.reset();
        std::error_code ec;
        fs::remove_all(dossier_, ec);
    }
    ModDocuments& Documents() { return main_->Documents; }

private:
    fs::path dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ModMain> main_;
};

void BM_PageDesObjets(benchmark::State& state) {
    Jeu jeu;
    for (auto _ : state) benchmark::DoNotOptimize(jeu.Documents().Ecrire_Document_Objets());
}
BENCHMARK(BM_PageDesObjets)->Unit(benchmark::kMicrosecond);

void BM_CinqPagesDeReference(benchmark::State& state) {
    Jeu jeu;
    ModDocuments& d = jeu.Documents();
    for (auto _ : state) {
        benchmark::DoNotOptimize(d.Ecrire_Document_Batiments());
        benchmark::DoNotOptimize(d.Ecrire_Document_Ressources());
        benchmark::DoNotOptimize(d.Ecrire_Document_Peuples());
        benchmark::DoNotOptimize(d.Ecrire_Document_Objets());
        benchmark::DoNotOptimize(d.Ecrire_Document_Bestiaire());
    }
}
BENCHMARK(BM_CinqPagesDeReference)->Unit(benchmark::kMicrosecond);

}  // namespace
