// A whole simulation tick when every character follows its AI script: a
// new world built by the game setup from the default data and scripts,
// three villages and a horde, 1,000 and 10,000 characters, measured once
// the economy is under way (houses rising, harvests, trade). Goal: under
// 5 ms at 10,000 characters on one core.
#include <benchmark/benchmark.h>

#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"

namespace {

struct MondeScripte {
    DossierJeu dossier{std::filesystem::path(MORVAINE_SOURCE_DATA)};
    ModMain main{dossier};

    explicit MondeScripte(std::int32_t n) {
        main.Charger_Parametres();
        main.IA2.Charger_IAs();
        const std::int32_t cases = n <= 1000 ? 160 : 480;
        SetupChoices choix;
        choix.LargeurCarte = choix.HauteurCarte = cases;
        choix.NombreRessources = cases * cases / 48;
        choix.Fiefs = {{0, 0, n * 3 / 10}, {1, 1, n * 3 / 10}, {2, 0, n * 3 / 10}, {3, 2, n / 10}};
        choix.Reseau = true;
        main.Creer_Partie(choix);
        Resoudre_Scripts_IA(main);
        for (ClsJeuPerso& p : main.Persos) p.IA_Active = true;
        main.IA.Initialiser_IA();
        main.Aleatoire.TableActive = false;
        main.Aleatoire.Generateur().Semer(9);
        // Under way: out of the castles, at work.
        for (int t = 0; t < 600; ++t) main.Tour_Simulation();
    }
};

void TourScripte(benchmark::State& state) {
    MondeScripte monde(static_cast<std::int32_t>(state.range(0)));
    std::int32_t scriptes = 0;
    for (const ClsJeuPerso& p : monde.main.Persos) scriptes += p.IA ? 1 : 0;
    for (auto _ : state) monde.main.Tour_Simulation();
    state.counters["persos"] = static_cast<double>(monde.main.Persos.size());
    state.counters["scriptes"] = scriptes;
}
BENCHMARK(TourScripte)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->MinTime(3.0);

}  // namespace
