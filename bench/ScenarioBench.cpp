// Building a world from a scenario that asks for more deposits than its
// map holds (56 x 56 cells, 2,500 deposits): once the map is full the
// remaining deposits must not each search the whole map again (that took
// 13 s).
#include <benchmark/benchmark.h>

#include <string>

#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "saves/ModScenario.h"

namespace {

void ScenarioCartePleine(benchmark::State& state) {
    DossierJeu dossier{MORVAINE_SOURCE_DATA};
    ModMain Main{dossier};
    Main.Charger_Parametres();
    const std::string cote = std::to_string(state.range(0));
    const std::string texte = "monde_largeur=" + cote + "\nmonde_hauteur=" + cote +
                              "\nnombre_fiefs=1\nnombre_persos=2\nnombre_ressources=" +
                              std::to_string(state.range(1)) + "\ndebut\nfin\n";
    for (auto _ : state) {
        Main.Aleatoire.Generateur().Semer(1);
        ModScenario(Main).Lire_Scenario(texte, "bench.snr");
    }
}

}  // namespace

BENCHMARK(ScenarioCartePleine)->Args({56, 2500})->Unit(benchmark::kMillisecond);
