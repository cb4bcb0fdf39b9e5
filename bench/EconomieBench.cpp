// One economy tick of a crowded world must stay cheap: every character's
// recovery and work, the houses' upkeep and the fiefs' market and repair,
// for 1,000 and 10,000 characters that all own a house.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"

namespace fs = std::filesystem;

namespace {

// The default data, with the small rules set of the test fixtures for
// whatever the data set does not hold yet.
fs::path PreparerDossier() {
    std::random_device rd;
    fs::path dossier = fs::temp_directory_path() / ("morvaine-bench-economie-" + std::to_string(rd()));
    fs::create_directories(dossier);
    const fs::path donnees(MORVAINE_SOURCE_DATA);
    fs::copy(donnees, dossier, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    for (const auto& f : fs::directory_iterator(donnees.parent_path() / "tests" / "fixtures" / "objets"))
        if (!fs::exists(dossier / f.path().filename())) fs::copy_file(f.path(), dossier / f.path().filename());
    return dossier;
}

// What each character does for a living, chosen once.
enum class Metier { Recolte, Production, Service, Construction, Fabrication, Repos };

struct Monde {
    explicit Monde(std::int32_t n) : racine(PreparerDossier()), dossier(racine), main(dossier), regles(main.Parametres) {
        main.Charger_Parametres();
        const ClsJeuParam& P = regles;
        Trouver_Types();
        const std::int32_t fiefs = 4;
        main.Fiefs.assign(fiefs, ClsJeuFief{});
        main.Chateaux.assign(fiefs, ClsJeuBatiment{});
        for (std::int32_t f = 0; f < fiefs; ++f) {
            main.Fiefs[f].Init(P);
            for (std::int32_t r = 0; r < P.NombreRessources; ++r) main.Fiefs[f].Definir_Ressources(r, 10.0 * r);
            ClsJeuBatiment& c = main.Chateaux[f];
            c.Main = &main;
            c.Proprietaire = f;
            c.MaxVie = P.Peuples_ChateauMaxVie(0);
            c.Definir_Vie(c.MaxVie * 0.8);
            main.Fiefs[f].FondsRestauration = 1e9;
        }
        for (std::int32_t d = 0; d < 64; ++d) {
            ClsJeuRessources& g = main.Ressources.emplace_back();
            g.TypeTerrainRessource = d % P.NombreTerrainRessource;
            g.TypeRessource = P.TerrainRessources_TypeRessource(g.TypeTerrainRessource);
            g.Quantite = g.QuantiteInitiale = 1e12;
        }
        main.Persos.reserve(n);
        main.Maisons.assign(n, ClsJeuBatiment{});
        main.EffetsPersos.assign(n, ClsJeuEffet{});
        main.EffetsMaisons.assign(n, ClsJeuEffet{});
        metiers.resize(n);
        for (std::int32_t i = 0; i < n; ++i) {
            ClsJeuPerso& p = main.Persos.emplace_back(&main);
            p.Init(i, P);
            p.Equipe = i % fiefs;
            main.Fiefs[p.Equipe].NombrePersos++;
            p.PositionX = 50 * (i % 200);
            p.PositionY = 50 * (i / 200);
            ClsJeuBatiment& m = main.Maisons[i];
            m.Main = &main;
            m.Proprietaire = i;
            metiers[i] = static_cast<Metier>(i % 6);
            const std::int16_t type = Type_Pour(metiers[i]);
            m.Creer(p.PositionX, p.PositionY, type, p, P);
            if (metiers[i] != Metier::Construction) m.Definir_Vie(m.MaxVie);
            m.MaxStock = 1e12;  // room to work for as long as the benchmark runs
            Reprendre(i);
        }
    }

    ~Monde() {
        std::error_code ec;
        fs::remove_all(racine, ec);
    }

    void Trouver_Types() {
        const ClsJeuParam& P = regles;
        for (std::int16_t b = 0; b < P.NombreTypeBatiments; ++b) {
            if (maison < 0 && P.Batiment_RessourceFabrique(b) < 0 && !P.Batiment_Fabrique(b) && P.Batiment_Service(b) == 0)
                maison = b;
            if (producteur < 0 && P.Batiment_RessourceFabrique(b) >= 0) producteur = b;
            if (service < 0 && P.Batiment_Service(b) != 0) service = b;
            if (atelier < 0 && P.Batiment_Fabrique(b) && P.Batiment_NombreObjetsFabriques(b) > 0) atelier = b;
        }
    }

    std::int16_t Type_Pour(Metier m) const {
        switch (m) {
        case Metier::Production: return producteur;
        case Metier::Service: return service;
        case Metier::Fabrication: return atelier;
        default: return maison;
        }
    }

    // Puts an idle character back to its trade, as its AI would, with what
    // it needs to keep at it.
    void Reprendre(std::int32_t i) {
        const ClsJeuParam& P = regles;
        ClsJeuPerso& p = main.Persos[i];
        ClsJeuBatiment& m = main.Maisons[i];
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, 0.5 * p.Definir_MaxRessources(r));
        p.DansMaison = metiers[i] != Metier::Recolte;
        switch (metiers[i]) {
        case Metier::Recolte:
            p.CibleRessource = i % static_cast<std::int32_t>(main.Ressources.size());
            p.RessourceEnCours = main.Ressources[p.CibleRessource].TypeRessource;
            p.Action = 2;
            break;
        case Metier::Production: p.Action = 102; break;
        case Metier::Service: p.Action = 600; break;
        case Metier::Construction:
            if (m.Acheve) m.Definir_Vie(m.MaxVie * 0.09);
            p.Action = 6;
            break;
        case Metier::Fabrication: p.Creer_Objet(0, m, P); break;
        case Metier::Repos:
            p.Action = 100;
            p.Vie = 0.5 * p.Definir_MaxVie();
            p.Recuperer_AutoVie(P);
            break;
        }
    }

    void Tick() {
        const ClsJeuParam& P = regles;
        for (std::size_t f = 0; f < main.Fiefs.size(); ++f) {
            main.Fiefs[f].Transaction_Ressources(P);
            main.Fiefs[f].Restauration(main.Chateaux[f]);
            main.Chateaux[f].Restauration();
        }
        for (std::size_t i = 0; i < main.Persos.size(); ++i) {
            ClsJeuPerso& p = main.Persos[i];
            ClsJeuBatiment& m = main.Maisons[i];
            ClsJeuFief& fief = main.Fiefs[p.Equipe];
            p.Calculer_Coef_Vitesse();
            p.Recuperation(fief);
            std::int16_t code = -1;
            switch (p.Action) {
            case 2: p.Recolter_Ressources(p.RessourceEnCours, m, code, P); break;
            case 102: p.Recolter_Ressources(P.Batiment_RessourceFabrique(m.TypeBatiment), m, code, P); break;
            case 600: p.Preparer_Service(m, code, P); break;
            case 6: p.Batir_Maison(fief, main.Chateaux[p.Equipe], m, P); break;
            case 500: p.Fabriquer_Etape(P, m, code); break;
            default: break;
            }
            if (p.Inactif() || p.Action == 101) Reprendre(static_cast<std::int32_t>(i));
        }
        for (ClsJeuBatiment& m : main.Maisons) {
            m.Restauration();
            m.Actualiser_NumeroAnimation(P);
        }
        for (ClsJeuEffet& e : main.EffetsMaisons) e.Etape_Suivante();
    }

    fs::path racine;
    DossierJeu dossier;
    ModMain main;
    const ClsJeuParam& regles;
    std::vector<Metier> metiers;
    std::int16_t maison = -1, producteur = -1, service = -1, atelier = -1;
};

void TickEconomie(benchmark::State& state) {
    Monde monde(static_cast<std::int32_t>(state.range(0)));
    for (int i = 0; i < 10; ++i) monde.Tick();  // past the first transients
    for (auto _ : state) {
        monde.Tick();
        benchmark::DoNotOptimize(monde.main.Persos.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(TickEconomie)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
