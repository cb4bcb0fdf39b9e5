// Reading settings must stay cheap: thousands of keys at start-up, and no
// file open per key.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "platform/DossierJeu.h"
#include "rules/ClsFicINI.h"

namespace fs = std::filesystem;

namespace {

fs::path PreparerFichier() {
    fs::path dossier = fs::temp_directory_path() / "morvaine-bench-ini";
    fs::create_directories(dossier);
    std::ofstream f(dossier / "Ini_Gros.ini", std::ios::trunc);
    for (int s = 0; s < 100; ++s) {
        f << "[Section_" << s << "]\n";
        for (int k = 0; k < 20; ++k) f << "Cle" << k << "=" << s * 100 + k << "\n";
    }
    return dossier;
}

void LireDixMilleCles(benchmark::State& state) {
    fs::path dossier = PreparerFichier();
    DossierJeu jeu(dossier);
    ClsFicINI ini(jeu);
    ini.NomFichier = "Ini_Gros";
    std::mt19937 g(1);
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            ini.Section = "Section_" + std::to_string(g() % 100);
            benchmark::DoNotOptimize(ini.Parametre("Cle" + std::to_string(g() % 20)));
        }
    }
}
BENCHMARK(LireDixMilleCles)->Unit(benchmark::kMillisecond);

void EcrireCentCles(benchmark::State& state) {
    fs::path dossier = PreparerFichier();
    DossierJeu jeu(dossier);
    ClsFicINI ini(jeu);
    ini.NomFichier = "Ini_Gros";
    for (auto _ : state) {
        for (int i = 0; i < 100; ++i) {
            ini.Section = "Section_" + std::to_string(i);
            ini.Parametre("Cle5", std::to_string(i));
        }
    }
}
BENCHMARK(EcrireCentCles)->Unit(benchmark::kMillisecond);

}  // namespace
