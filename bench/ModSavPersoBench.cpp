// A hero is saved periodically from inside the main loop: such a save,
// where a few experience values changed, must not stall a frame. Loading a
// hero (game setup, statistics, the setup window's sheet) is measured too.
#include <benchmark/benchmark.h>

#include "bench/JeuBench.h"

namespace {

// The default data and its sample heroes.
class Jeu : public JeuBench {
public:
    Jeu() : JeuBench("savperso") { Main().SavPerso.Charger_Parametres_SavPerso(); }

    ClsJeuPerso Heros() {
        ClsJeuPerso p;
        p.Init(0, Main().Parametres);
        p.PersoFichier = 1;
        Main().SavPerso.Charger_Perso("Aldric", p);
        return p;
    }
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
