// One frame of the engine (terrain, world layers, overlays and the heads-up
// layer into a 1024 x 768 back buffer), the same frame zoomed, and one
// simulation tick with its view centring, on a generated world drawn with
// the game folder's sheets.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/Horloge.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"

namespace {

struct Partie {
    DossierJeu dossier{std::filesystem::path(MORVAINE_GAME_DIR)};
    ModMain Main{dossier};
    ClsJeu Jeu{dossier};
    HorlogeManuelle horloge;
    PeripheriquesScriptes peripheriques;
    DecodeurImageQt decodeur;
    Graphique dd{dossier, decodeur};
    ClsMoteur M{Main, Jeu, horloge, peripheriques};

    explicit Partie(int joueurs) {
        Main.Charger_Parametres();
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 96;
        c.NombreRessources = 60;
        for (int f = 0; f < 4; ++f) c.Fiefs.push_back({f, static_cast<std::int16_t>(f % 3), 25});
        c.NombreJoueursLocaux = joueurs;
        M.Demarrer(c, &dd, 1024, 768);
    }
};

void BM_Trame(benchmark::State& state) {
    Partie p(static_cast<int>(state.range(0)));
    p.M.EcranSepare = state.range(0) == 2;
    for (auto _ : state) {
        p.horloge.Temps += 0.01;
        p.M.TempsActuel = p.horloge.Temps;
        p.M.Trame();
    }
    state.SetLabel(state.range(0) == 2 ? "split screen" : "one view");
}
BENCHMARK(BM_Trame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The same frame with the world magnified 1.5 times: the price of the zoom.
void BM_Trame_Zoom(benchmark::State& state) {
    Partie p(1);
    p.M.Zoom = 1.5;
    for (auto _ : state) {
        p.horloge.Temps += 0.01;
        p.M.TempsActuel = p.horloge.Temps;
        p.M.Trame();
    }
}
BENCHMARK(BM_Trame_Zoom)->Unit(benchmark::kMillisecond);

// The zoom alone over a drawn 1024 x 768 frame, at 1.5 and 2, the whole
// screen or one half of it.
void BM_Agrandir_Vue(benchmark::State& state) {
    Partie p(1);
    p.M.Trame();
    p.M.Zoom = state.range(0) / 10.0;
    const std::int32_t largeur = state.range(1) == 2 ? 512 : 1024;
    // Magnifying the magnified picture again costs the same.
    for (auto _ : state) {
        p.M.Agrandir_Vue(0, largeur);
        benchmark::DoNotOptimize(p.M.SurfBack.Rangee(0));
    }
}
BENCHMARK(BM_Agrandir_Vue)->Args({15, 1})->Args({20, 1})->Args({15, 2})->Unit(benchmark::kMicrosecond);

void BM_Tour(benchmark::State& state) {
    Partie p(1);
    for (auto _ : state) {
        p.horloge.Temps += 0.1;
        p.M.TempsActuel = p.horloge.Temps;
        p.M.Tour();
    }
}
BENCHMARK(BM_Tour)->Unit(benchmark::kMillisecond);

}  // namespace
