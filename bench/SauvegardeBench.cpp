// Saving and loading a world of 1,000 and 10,000 characters on a 256 x 256
// map: the text of the save file written from the world, and read back
// into a second world (goal: 1,000 characters under 50 ms each way). The
// file itself is written once and read through the same text routines.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "saves/FichierMonde.h"

namespace {

struct Monde {
    DossierJeu dossier{MORVAINE_SOURCE_DATA};
    ModMain Main{dossier};
    std::string Texte;

    explicit Monde(std::int32_t personnages) {
        Main.Charger_Parametres();
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 256;
        c.NombreRessources = 200;
        for (std::int32_t f = 0; f < 8; ++f)
            c.Fiefs.push_back({f, static_cast<std::int16_t>(f % 2), personnages / 8});
        c.Reseau = true;
        Main.Creer_Partie_Monde(c);
        Texte = Ecrire_Texte_Monde(Main);
    }
};

Monde& Le_Monde(std::int32_t n) {
    static std::map<std::int32_t, std::unique_ptr<Monde>> mondes;
    auto& m = mondes[n];
    if (!m) m = std::make_unique<Monde>(n);
    return *m;
}

void SauvegarderMonde(benchmark::State& state) {
    Monde& m = Le_Monde(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(Ecrire_Texte_Monde(m.Main));
    state.counters["octets"] = static_cast<double>(m.Texte.size());
}

void ChargerMonde(benchmark::State& state) {
    Monde& m = Le_Monde(static_cast<std::int32_t>(state.range(0)));
    DossierJeu dossier{MORVAINE_SOURCE_DATA};
    ModMain cible{dossier};
    cible.Charger_Parametres();
    for (auto _ : state) Lire_Texte_Monde(cible, m.Texte, "bench.sav");
}

}  // namespace

BENCHMARK(SauvegarderMonde)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(ChargerMonde)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
