// The AI's share of a tick (the scheduler's decisions and the fiefs'
// upkeep) and a whole simulation tick with the AI, for 100, 1,000 and
// 10,000 characters that each own a standing house. Goal: a whole tick
// with 10,000 characters under 10 ms on one core.
#include <benchmark/benchmark.h>

#include <memory>

#include "engine/ModMain.h"

namespace {

struct MondeBench {
    DossierJeu dossier{std::filesystem::path(MORVAINE_SOURCE_DATA)};
    ModMain main{dossier};

    explicit MondeBench(std::int32_t n) {
        main.Charger_Parametres();
        const ClsJeuParam& P = main.Parametres;
        // Four fiefs: two of villagers, two of monsters.
        const std::int32_t cases = n <= 1000 ? 128 : 320;
        SetupChoices choix;
        choix.LargeurCarte = choix.HauteurCarte = cases;
        choix.NombreRessources = cases * cases / 64;
        for (std::int16_t f = 0; f < 4; ++f) choix.Fiefs.push_back({f, f, n / 4});
        choix.Reseau = true;
        main.Creer_Partie(choix);
        main.Aleatoire.TableActive = false;
        main.Aleatoire.Generateur().Semer(3);

        // A house for everyone on a grid, of the types one can build in the
        // first era, with goods in stock.
        std::vector<std::int16_t> types;
        for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t)
            if (P.Batiment_NoEpoque(t) <= 2) types.push_back(t);
        const std::int32_t colonnes = cases * main.Monde.LargeurCase / 96;
        for (std::size_t i = 0; i < main.Persos.size(); ++i) {
            ClsJeuPerso& p = main.Persos[i];
            p.IA = false;
            p.IA_Active = true;
            p.Definir_Argent(i % 3 == 0 ? 2000.0 : 50.0);
            const std::int16_t type = types[i % types.size()];
            for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, P.Batiment_Prix(type, r));
            ClsJeuBatiment& m = main.Maisons[i];
            const auto k = static_cast<std::int32_t>(i);
            m.Creer(96 * (k % colonnes), 96 * (k / colonnes), type, p, P);
            m.Definir_Vie(m.MaxVie);
            m.Definir_Stock(m.MaxStock);
            p.DansChateau = true;
        }
        main.IA.Initialiser_IA();
    }
};

void GestionIA(benchmark::State& state) {
    MondeBench monde(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        monde.main.IA.Gestion_IA();
        monde.main.IA.Gestion_Fiefs();
    }
    state.counters["persos"] = static_cast<double>(monde.main.Persos.size());
}
BENCHMARK(GestionIA)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void TourComplet(benchmark::State& state) {
    MondeBench monde(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) monde.main.Tour_Simulation();
    state.counters["persos"] = static_cast<double>(monde.main.Persos.size());
}
BENCHMARK(TourComplet)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
