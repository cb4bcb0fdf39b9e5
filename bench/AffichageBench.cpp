// A full 1024 x 768 frame (pre-rendered terrain, 500 sprites, 200 lines of
// text) against a plain copy of the back buffer, in the same run.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <cstring>
#include <memory>

#include "display/ClsAffPerso.h"
#include "display/ClsAffTerrain.h"
#include "engine/ModMain.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"

namespace {

struct Scene {
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> jeu;
    DecodeurImageQt decodeur;
    std::unique_ptr<Graphique> dd;
    std::unique_ptr<ClsAffPerso> persos;
    ClsAffTerrain terrain;
    Surface back{1024, 768};

    Scene() {
        dossier = std::make_unique<DossierJeu>(MORVAINE_GAME_DIR);
        jeu = std::make_unique<ModMain>(*dossier);
        jeu->Charger_Parametres();
        dd = std::make_unique<Graphique>(*dossier, decodeur);
        persos = std::make_unique<ClsAffPerso>();
        jeu->Apparences.Lister(*dossier, jeu->Parametres);
        persos->Charger(*dd, jeu->Parametres, jeu->Apparences);
        terrain.LargeurCase = jeu->Monde.LargeurCase;
        terrain.HauteurCase = jeu->Monde.HauteurCase;
        terrain.Charger(*dd, "Plaine");
        jeu->Monde.LargeurCarte = 100;
        jeu->Monde.HauteurCarte = 80;
        jeu->Aleatoire.Initialiser_Aleatoire();
        jeu->Monde.Generer_Monde(0, jeu->Aleatoire);
        terrain.Modeliser_Carte(jeu->Monde);
        back.DefinirGlyphes(CreerGlyphesQt());
    }

    void Image(int decalage, int parties = 7) {
        const Vue vue{1024, 768, 0, 0};
        if (parties & 1) terrain.AfficheVeryFast(0, 0, 37 + decalage, 53, 1024, 768, back, vue, jeu->Monde);
        const ClsJeuParam& p = jeu->Parametres;
        for (int k = 0; k < ((parties & 2) ? 500 : 0); ++k) {
            std::int16_t pas = static_cast<std::int16_t>(k % 4);
            persos->Afficher((k * 97) % 1060 - 20, (k * 61) % 800 - 20, pas, static_cast<std::int16_t>(k % 5), true,
                             static_cast<std::int16_t>(k % 16), p.PersosLargeurDefaut, p.PersosHauteurDefaut, k % 2 == 1,
                             back, vue, false, k % 50 == 0, 0, 0);
        }
        for (int k = 0; k < ((parties & 4) ? 200 : 0); ++k)
            back.Texte((k * 131) % 900, (k * 37) % 750, "Le forgeron vend une épée longue", 0xE0F0FF);
    }
};

int argc0 = 1;
char nom[] = "bench";
char* argv0[] = {nom, nullptr};

}  // namespace

static void ImageComplete(benchmark::State& state) {
    QGuiApplication app(argc0, argv0);
    Scene scene;
    int k = 0;
    for (auto _ : state) {
        scene.Image(k++ % 64, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(scene.back.Pixels().data());
    }
}
// 7: the whole frame; 1, 2, 4: terrain, sprites or text alone.
BENCHMARK(ImageComplete)->Arg(7)->Arg(1)->Arg(2)->Arg(4)->Unit(benchmark::kMicrosecond);

static void CopieSimple(benchmark::State& state) {
    Surface back(1024, 768), ecran(1024, 768);
    back.Remplir(0x406080);
    for (auto _ : state) {
        std::memcpy(ecran.Pixels().data(), back.Pixels().data(), back.Pixels().size() * 2);
        benchmark::DoNotOptimize(ecran.Pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopieSimple)->Unit(benchmark::kMicrosecond);

static void CopieParLaSurface(benchmark::State& state) {
    Surface back(1024, 768), ecran(1024, 768);
    back.Remplir(0x406080);
    for (auto _ : state) {
        ecran.Copier(0, 0, back, back.Bornes(), false);
        benchmark::DoNotOptimize(ecran.Pixels().data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(CopieParLaSurface)->Unit(benchmark::kMicrosecond);
