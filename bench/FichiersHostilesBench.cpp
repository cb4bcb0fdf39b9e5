// Small hostile files (tests/fixtures/hostiles) must cost little: each is
// refused or loaded in well under 0.1 s and 50 MB. The counter rss_Mo is the
// process's peak resident size after the runs (it only grows, so run one
// benchmark at a time with --benchmark_filter to read one file's peak).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ai/ClsJeuIA2.h"
#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/ImageBMP.h"
#include "platform/Surface.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"
#include "saves/ModSavPerso.h"
#include "tests/rules/ImagesHostiles.h"

namespace fs = std::filesystem;

namespace {

fs::path Hostiles() { return fs::path(MORVAINE_SOURCE_DATA).parent_path() / "tests" / "fixtures" / "hostiles"; }

// A copy of the default data set, made once per benchmark.
fs::path Dossier(const std::string& nom) {
    fs::path d = fs::temp_directory_path() / ("morvaine-bench-hostiles-" + nom);
    fs::remove_all(d);
    fs::copy(MORVAINE_SOURCE_DATA, d, fs::copy_options::recursive);
    return d;
}

void Placer(const fs::path& dossier, const std::string& reproduction, const std::string& cible) {
    fs::create_directories((dossier / cible).parent_path());
    fs::copy_file(Hostiles() / reproduction, dossier / cible, fs::copy_options::overwrite_existing);
}

double PicMo() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return static_cast<double>(r.ru_maxrss) / 1024.0;
}

void Regles(ClsJeuParam& p) {
    for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
}

// A rules file replacing its namesake: the load is refused.
void FichierRegles(benchmark::State& state, const std::string& reproduction, const std::string& cible) {
    const fs::path d = Dossier(cible);
    Placer(d, reproduction, cible);
    for (auto _ : state) {
        DossierJeu dossier(d);
        ClsJeuParam p(dossier);
        try {
            Regles(p);
            state.SkipWithError("accepté");
        } catch (const ErreurFichier& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.counters["rss_Mo"] = PicMo();
    fs::remove_all(d);
}

void Paroles(benchmark::State& state, const std::string& reproduction) {
    const fs::path d = Dossier(reproduction);
    Placer(d, reproduction, "Ini_Commentaires.ini");
    GenerateurLocal generateur(1);
    for (auto _ : state) {
        DossierJeu dossier(d);
        try {
            ClsJeuCommentaires paroles(dossier, generateur);
            state.SkipWithError("accepté");
        } catch (const ErreurFichier& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.counters["rss_Mo"] = PicMo();
    fs::remove_all(d);
}

void Perso(benchmark::State& state) {
    const fs::path d = Dossier("perso");
    Placer(d, "perso-lignes-sans-egal.per", "Sauvegardes/Personnages/Hostile.per");
    DossierJeu dossier(d);
    ClsJeuParam p(dossier);
    Regles(p);
    ModSavPerso sav(dossier, p);
    for (auto _ : state) {
        ClsJeuPerso perso(nullptr);
        perso.Init(0, p);
        try {
            sav.Charger_Perso("Hostile", perso);
            state.SkipWithError("accepté");
        } catch (const ErreurFichier& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.counters["rss_Mo"] = PicMo();
    fs::remove_all(d);
}

void Script(benchmark::State& state) {
    const fs::path d = Dossier("ia");
    Placer(d, "age-nomme-deux-fois.ia", "IAs/Deux.ia");
    DossierJeu dossier(d);
    ClsJeuParam p(dossier);
    Regles(p);
    for (auto _ : state) {
        ClsJeuIA2 ia;
        ia.Charger_IA(d / "IAs", "Deux.ia", p, false, "Deux.ia");
        benchmark::DoNotOptimize(ia.Texte_IA(p));
    }
    state.counters["rss_Mo"] = PicMo();
    fs::remove_all(d);
}

void Image(benchmark::State& state, const std::string& reproduction, const std::string& octets) {
    for (auto _ : state) {
        try {
            benchmark::DoNotOptimize(DecoderBMP(octets, reproduction));
            state.SkipWithError("accepté");
        } catch (const ErreurFichier& e) {
            benchmark::DoNotOptimize(e.what());
        }
    }
    state.counters["rss_Mo"] = PicMo();
}

}  // namespace

BENCHMARK_CAPTURE(FichierRegles, Objets_32767x32767, "Ini_Parametres_Objets.32767x32767.ini",
                  "Ini_Parametres_Objets.ini")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FichierRegles, Races_objets_communs_32767, "Ini_Parametres_Races.objets-communs-32767.ini",
                  "Ini_Parametres_Races.ini")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FichierRegles, Peuples_100x32767, "Ini_Parametres_Peuples.100x32767.ini",
                  "Ini_Parametres_Peuples.ini")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FichierRegles, Batiments_100x32767, "Ini_Parametres_Batiments.100x32767.ini",
                  "Ini_Parametres_Batiments.ini")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paroles, Commentaires_100x32767, "Ini_Commentaires.100x32767.ini")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Paroles, Commentaires_1000x32767, "Ini_Commentaires.1000x32767.ini")->Unit(benchmark::kMillisecond);
BENCHMARK(Perso)->Unit(benchmark::kMillisecond);
BENCHMARK(Script)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Image, Tronquee_5000x5000, "Tronquee.bmp", hostiles::Tronquee5000())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Image, Entete_100000x100000, "Entete.bmp", hostiles::Entete100000())->Unit(benchmark::kMillisecond);

// A large settings file read key by key just after it was written (its
// stamp still unsure): the text is not read again for every key.
void FichierRecentLuCleParCle(benchmark::State& state) {
    const fs::path d = fs::temp_directory_path() / "morvaine-bench-hostiles-recent";
    fs::create_directories(d);
    std::string texte = "[S]\n";
    for (int k = 0; k < 2000; ++k) texte += "Cle" + std::to_string(k) + "=" + std::string(400, 'x') + "\n";
    for (auto _ : state) {
        state.PauseTiming();
        EcrireFichierAtomique(d / "Ini_Gros.ini", texte);
        state.ResumeTiming();
        DossierJeu dossier(d);
        for (int k = 0; k < 2000; ++k) benchmark::DoNotOptimize(dossier.LireCle("Ini_Gros.ini", "S", "Cle" + std::to_string(k)));
    }
    state.counters["octets"] = static_cast<double>(texte.size());
    state.counters["rss_Mo"] = PicMo();
    fs::remove_all(d);
}
BENCHMARK(FichierRecentLuCleParCle)->Unit(benchmark::kMillisecond);
