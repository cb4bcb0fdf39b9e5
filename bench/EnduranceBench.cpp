// A long war must not grow: 2,000 characters of four sides, every one
// following its race's script, played tick after tick as fast as the
// machine goes. Once the game is under way, resident memory stays within
// 10 % of what it was after the first minutes, and a tick costs the same at
// the end as at the start (the dead's loot gathers into one treasure per
// map cell instead of piling up for ever).
//
// One run of MORVAINE_ENDURANCE_TOURS ticks (20,000 by default, a few
// seconds) with MORVAINE_ENDURANCE_PERSOS characters; every
// MORVAINE_ENDURANCE_RELEVE ticks (a tenth of the run by default) a line of
// the curve goes to the error output: ticks, seconds, resident memory,
// treasures, items lying in them, deaths so far, mean tick time since the
// last line. The long run, by hand:
//
//   MORVAINE_ENDURANCE_TOURS=3000000 MORVAINE_ENDURANCE_RELEVE=100000
//     ./morvaine_bench --benchmark_filter=Endurance
// (both variables and the command on one line).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"

namespace {

long long Parametre(const char* nom, long long defaut) {
    const char* v = std::getenv(nom);
    if (v == nullptr || *v == '\0') return defaut;
    const long long n = std::atoll(v);
    return n > 0 ? n : defaut;
}

// Resident memory of the process, in megabytes.
double MemoireResidente() {
    std::ifstream f("/proc/self/statm");
    long long total = 0, residentes = 0;
    f >> total >> residentes;
    return static_cast<double>(residentes) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

struct Guerre {
    DossierJeu dossier{std::filesystem::path(MORVAINE_SOURCE_DATA)};
    ModMain main{dossier};

    explicit Guerre(std::int32_t n) {
        main.Charger_Parametres();
        main.IA2.Charger_IAs();
        // About the density of a village: the sides meet soon.
        const std::int32_t cases = std::max(64, static_cast<std::int32_t>(5.0 * std::sqrt(static_cast<double>(n))));
        SetupChoices choix;
        choix.LargeurCarte = choix.HauteurCarte = cases;
        choix.NombreRessources = cases * cases / 48;
        const std::int32_t quart = n / 4;
        choix.Fiefs = {{0, 0, quart}, {1, 1, quart}, {2, 2, quart}, {3, 0, n - 3 * quart}};
        choix.Reseau = true;
        main.Creer_Partie(choix);
        Resoudre_Scripts_IA(main);
        for (ClsJeuPerso& p : main.Persos) p.IA_Active = true;
        main.IA.Initialiser_IA();
        main.Aleatoire.TableActive = false;
        main.Aleatoire.Generateur().Semer(2024);
    }

    long long Objets_Au_Sol() const {
        long long n = 0;
        for (const ClsJeuTresors& t : main.Tresors) n += t.Nombre_Objets();
        return n;
    }
    long long Morts() const {
        long long n = 0;
        for (const ClsJeuPerso& p : main.Persos) n += p.Morts;
        return n;
    }
};

void Endurance(benchmark::State& state) {
    const long long tours = Parametre("MORVAINE_ENDURANCE_TOURS", 20000);
    const auto persos = static_cast<std::int32_t>(Parametre("MORVAINE_ENDURANCE_PERSOS", 2000));
    const long long releve = Parametre("MORVAINE_ENDURANCE_RELEVE", std::max(1LL, tours / 10));
    for (auto _ : state) {
        Guerre guerre(persos);
        using Horloge = std::chrono::steady_clock;
        const auto debut = Horloge::now();
        auto dernier = debut;
        double premiere = 0, maximum = 0, finale = 0;
        std::fprintf(stderr, "%10s %9s %9s %9s %9s %9s %12s\n", "tours", "secondes", "Mo", "tresors", "objets",
                     "morts", "ms/tour");
        for (long long t = 1; t <= tours; ++t) {
            guerre.main.Tour_Simulation();
            if (t % releve != 0 && t != tours) continue;
            const auto maintenant = Horloge::now();
            const double ms = std::chrono::duration<double, std::milli>(maintenant - dernier).count() /
                              static_cast<double>(t % releve == 0 ? releve : t % releve);
            dernier = maintenant;
            const double mo = MemoireResidente();
            if (premiere == 0) premiere = mo;
            maximum = std::max(maximum, mo);
            finale = mo;
            std::fprintf(stderr, "%10lld %9.0f %9.1f %9d %9lld %9lld %12.3f\n", t,
                         std::chrono::duration<double>(maintenant - debut).count(), mo, guerre.main.Tresors.Count(),
                         guerre.Objets_Au_Sol(), guerre.Morts(), ms);
        }
        state.counters["Mo_premier_releve"] = premiere;
        state.counters["Mo_max"] = maximum;
        state.counters["Mo_fin"] = finale;
        state.counters["tresors"] = guerre.main.Tresors.Count();
        state.counters["morts"] = static_cast<double>(guerre.Morts());
        state.counters["tours"] = static_cast<double>(tours);
    }
}
BENCHMARK(Endurance)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace
