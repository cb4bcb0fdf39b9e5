// From the program's start to the setup window shown (offscreen): every
// object of the program's life created and loaded, the main window up, the
// setup window filled from its settings file. Goal: under 300 ms.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cstdlib>
#include <filesystem>
#include <memory>

#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace {

void BM_Demarrage(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int argc = 1;
    char nom[] = "bench";
    char* argv[] = {nom, nullptr};
    QApplication app(argc, argv);
    for (auto _ : state) {
        auto programme = std::make_unique<Demarrage>(std::filesystem::path(MORVAINE_GAME_DIR));
        if (!programme->Main() || !programme->FenetrePrincipale->Param()->isVisible()) state.SkipWithError("démarrage");
        // Closing the program (the sound device) is not part of the start.
        state.PauseTiming();
        programme.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Demarrage)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
