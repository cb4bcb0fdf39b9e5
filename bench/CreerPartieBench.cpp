// World creation from setup choices: terrain, castles, roads, deposits and
// villagers, as the game setup does it for a new world.
#include <benchmark/benchmark.h>

#include "engine/ModMain.h"
#include "rules/ModRandom.h"
#include "world/ModGenererMonde.h"

namespace {

void CreerMonde(benchmark::State& state) {
    DossierJeu dossier{std::filesystem::path(MORVAINE_SOURCE_DATA)};
    ModMain main(dossier);
    main.Charger_Parametres();
    const auto taille = static_cast<std::int32_t>(state.range(0));
    SetupChoices choix;
    choix.LargeurCarte = choix.HauteurCarte = taille;
    choix.NombreRessources = taille * taille / 64;
    for (int f = 0; f < 8; ++f) choix.Fiefs.push_back({f, static_cast<std::int16_t>(f % 4), 10});
    for (auto _ : state) {
        main.Creer_Partie(choix);
        benchmark::DoNotOptimize(main.Persos.data());
    }
}
BENCHMARK(CreerMonde)->Arg(64)->Arg(256)->Arg(1024)->Unit(benchmark::kMillisecond);

// Castle sites spread over a map too small for their spacing (64 castles,
// the most a scenario holds, on 20 x 20): the rounds run to their limit.
void RepartirChateauxEncombres(benchmark::State& state) {
    const auto taille = static_cast<std::int32_t>(state.range(0));
    for (auto _ : state) {
        ModRandom r;
        r.Generateur().Semer(1);
        GrillePoints g = Repartir_Points(1, taille - 9, 1, taille - 9, 64, r);
        benchmark::DoNotOptimize(g.Occupe(1, 1));
    }
}
BENCHMARK(RepartirChateauxEncombres)->Arg(20)->Arg(40)->Unit(benchmark::kMillisecond);

}  // namespace
