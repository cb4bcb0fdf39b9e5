// One frame of a player's interface over the real game folder (generated
// pictures, glyph cache): the HUD with every window open, drawn and hit
// tested as the main loop does it once per frame and player.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <memory>

#include "display/ClsPerEcran.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "platform/Graphique.h"
#include "platform/qt/ImagesQt.h"

namespace {

struct ScenePerso {
    std::unique_ptr<DossierJeu> dossier;
    std::unique_ptr<ModMain> jeu;
    std::unique_ptr<ClsPerEcran> ecran;
    DecodeurImageQt decodeur;
    std::unique_ptr<Graphique> dd;
    std::unique_ptr<ClsInterface> interface;
    Surface back{1024, 768};

    ScenePerso() {
        dossier = std::make_unique<DossierJeu>(MORVAINE_GAME_DIR);
        jeu = std::make_unique<ModMain>(*dossier);
        jeu->Charger_Parametres();
        ecran = std::make_unique<ClsPerEcran>(*dossier);
        ecran->Width(1024);
        ecran->Height(768);
        dd = std::make_unique<Graphique>(*dossier, decodeur);
        back.DefinirGlyphes(CreerGlyphesQt());
        const ClsJeuParam& P = jeu->Parametres;
        ClsJeuFief& fief = jeu->Fiefs.emplace_back();
        fief.Init(P);
        ClsJeuBatiment& chateau = jeu->Chateaux.emplace_back();
        chateau.MaxVie = 1000;
        chateau.Definir_Vie(800);
        ClsJeuPerso& p = jeu->Persos.emplace_back(jeu.get());
        p.Init(0, P);
        p.Nom = "Aubeline";
        jeu->Maisons.emplace_back();
        interface = std::make_unique<ClsInterface>(*jeu, *ecran);
        interface->Init1(0, 1);
        interface->Init2(*dd, *ecran, P);
        for (std::int16_t k = 1; k < 6; ++k) interface->Actionner_Boutons_Infos(k);
    }
};

int argc0 = 1;
char nom[] = "bench";
char* argv0[] = {nom, nullptr};

}  // namespace

static void InterfaceImage(benchmark::State& state) {
    QGuiApplication app(argc0, argv0);
    ScenePerso scene;
    std::int16_t code = 0, construire = 0, touche = 0;
    bool selection = false;
    ModDialogue::Groupe groupe;
    EntreeInterface e;
    int k = 0;
    for (auto _ : state) {
        // The cursor wanders over the HUD, so tooltips are built and drawn.
        e.X = (k * 37) % 1024;
        e.Y = (k * 53) % 768;
        ++k;
        scene.interface->Actualiser();
        scene.interface->Interieur_Boutons(e, code, construire, 0, 0, touche, selection, groupe, scene.back);
        benchmark::DoNotOptimize(scene.back.Pixels().data());
    }
}
BENCHMARK(InterfaceImage)->Unit(benchmark::kMicrosecond);
