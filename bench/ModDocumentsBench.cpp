// A Help menu entry writes its page before the browser opens: the largest
// reference page of the default data (the items, with every particularity
// spelt out) and the five pages together must come out at once.
#include <benchmark/benchmark.h>

#include "bench/JeuBench.h"

namespace {

// The default data with its page settings read.
class Jeu : public JeuBench {
public:
    Jeu() : JeuBench("documents") { Main().Documents.Charger_Parametres_Documents(); }
    ModDocuments& Documents() { return Main().Documents; }
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
