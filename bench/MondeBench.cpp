// One full world step (every character's upkeep and state machine, the
// items' abilities, the animations) on the default data, for 200, 1,000
// and 10,000 characters in three scenes: an economy at work, a mass melee
// (calls for help, flights, looting), and area attackers among many
// houses. The world is put back to its starting state every few hundred
// ticks, outside the timing, so that each scene stays what it is.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <random>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "engine/ModMonde.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"

namespace fs = std::filesystem;

namespace {

fs::path PreparerDossier() {
    std::random_device rd;
    fs::path dossier = fs::temp_directory_path() / ("morvaine-bench-monde-" + std::to_string(rd()));
    fs::create_directories(dossier);
    fs::copy(fs::path(MORVAINE_SOURCE_DATA), dossier, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return dossier;
}

enum class Scene { Economie, Melee, Zone };

// What the world holds, to put it back as it was.
struct Etat {
    std::vector<ClsJeuPerso> Persos;
    std::vector<ClsJeuFief> Fiefs;
    std::vector<ClsJeuBatiment> Chateaux, Maisons;
    std::vector<ClsJeuRessources> Ressources;
    std::vector<ClsJeuEffet> EffetsPersos, EffetsMaisons;
    ModTresors Tresors;

    void Prendre(const ModMain& m) {
        Persos = m.Persos, Fiefs = m.Fiefs, Chateaux = m.Chateaux, Maisons = m.Maisons, Ressources = m.Ressources;
        EffetsPersos = m.EffetsPersos, EffetsMaisons = m.EffetsMaisons, Tresors = m.Tresors;
    }
    void Rendre(ModMain& m) const {
        m.Persos = Persos, m.Fiefs = Fiefs, m.Chateaux = Chateaux, m.Maisons = Maisons, m.Ressources = Ressources;
        m.EffetsPersos = EffetsPersos, m.EffetsMaisons = EffetsMaisons, m.Tresors = Tresors;
        m.IA.Redimensionner_Tableaux_IA(static_cast<std::int32_t>(m.Persos.size()));
    }
};

class Monde {
public:
    Monde(Scene scene, std::int32_t n) : racine(PreparerDossier()), dossier(racine), main(dossier) {
        main.Charger_Parametres();
        main.Aleatoire.Generateur().Semer(1);
        main.GenerateurPlateforme.Semer(2);
        const ClsJeuParam& P = main.Parametres;
        Trouver(P);

        // A square map big enough for everyone at 40 pixels apart.
        const std::int32_t cote = 40;
        largeur = std::max<std::int32_t>(16, static_cast<std::int32_t>(std::ceil(std::sqrt(n))));
        main.Monde.LargeurCarte = largeur * cote / main.Monde.LargeurCase + 8;
        main.Monde.HauteurCarte = main.Monde.LargeurCarte;

        const std::int32_t fiefs = 4;
        for (std::int32_t f = 0; f < fiefs; ++f) {
            ClsJeuFief& fief = main.Fiefs.emplace_back();
            fief.Init(P);
            fief.Camp = f % 2;
            fief.FondsRestauration = 1e9;
            ClsJeuBatiment& c = main.Chateaux.emplace_back();
            c.Main = &main;
            c.Proprietaire = f;
            c.X = (f % 2) * largeur * cote;
            c.Y = (f / 2) * largeur * cote;
            c.Largeur = P.Peuples_ChateauLargeur(0);
            c.Hauteur = P.Peuples_ChateauHauteur(0);
            c.MaxVie = P.Peuples_ChateauMaxVie(0);
            c.Definir_Vie(c.MaxVie);
        }
        for (std::int32_t d = 0; d < 64; ++d) {
            ClsJeuRessources& g = main.Ressources.emplace_back();
            g.TypeTerrainRessource = d % P.NombreTerrainRessource;
            g.TypeRessource = P.TerrainRessources_TypeRessource(g.TypeTerrainRessource);
            g.X = (d % 8) * largeur * cote / 8;
            g.Y = (d / 8) * largeur * cote / 8;
            g.Quantite = g.QuantiteInitiale = 1e12;
        }

        main.Persos.reserve(static_cast<std::size_t>(n) * 2);
        for (std::int32_t i = 0; i < n; ++i) {
            ClsJeuPerso& p = main.Persos.emplace_back(&main);
            p.Init(i, P);
            const std::int32_t x = i % largeur, y = i / largeur;
            p.PositionX = 40 + x * cote;
            p.PositionY = 40 + y * cote;
            p.Equipe = scene == Scene::Economie ? i % fiefs : (x + y) % 2;
            p.Camp = main.Fiefs[static_cast<std::size_t>(p.Equipe)].Camp;
            p.Definir_Argent(50);
            ++main.Fiefs[static_cast<std::size_t>(p.Equipe)].NombrePersos;
            ClsJeuBatiment& m = main.Maisons.emplace_back();
            m.Main = &main;
            m.Proprietaire = i;
            main.EffetsPersos.emplace_back();
            main.EffetsMaisons.emplace_back();
        }
        main.IA.Redimensionner_Tableaux_IA(n);
        for (std::int32_t i = 0; i < n; ++i) {
            switch (scene) {
            case Scene::Economie: Economie(i); break;
            case Scene::Melee: Melee(i); break;
            case Scene::Zone: Zone(i); break;
            }
        }
        depart.Prendre(main);
    }

    ~Monde() {
        std::error_code ec;
        fs::remove_all(racine, ec);
    }

    void Trouver(const ClsJeuParam& P) {
        for (std::int16_t b = 0; b < P.NombreTypeBatiments; ++b) {
            if (maison < 0 && P.Batiment_RessourceFabrique(b) < 0 && !P.Batiment_Fabrique(b) && P.Batiment_Service(b) == 0)
                maison = b;
            if (producteur < 0 && P.Batiment_RessourceFabrique(b) >= 0 && P.Batiment_Magasin(b)) producteur = b;
            if (service < 0 && P.Batiment_Service(b) != 0) service = b;
            if (atelier < 0 && P.Batiment_Fabrique(b) && P.Batiment_NombreObjetsFabriques(b) > 0) atelier = b;
        }
        for (std::int16_t o = 0; o < P.NombreTypesObjets; ++o) {
            const bool main1 = P.Objet_Categorie(o) == 0 && !P.Objet_Utilisable(o) && P.Objet_PerteArgent(o) == 0 &&
                               P.Objet_PerteRessourceQuantite(o) == 0;
            if (epee < 0 && main1 && P.Objet_BonusAttaque(o) > 0 && P.Objet_SurfaceAttaque(o) == 0) epee = o;
            if (hallebarde < 0 && !P.Objet_Utilisable(o) && P.Objet_SurfaceAttaque(o) > 0) hallebarde = o;
            if (potion < 0 && P.Objet_Utilisable(o) && P.Objet_GainVie(o) > 0 && P.Objet_BonusPorteeAttaque(o) < 1)
                potion = o;
        }
    }

    // Each character at its trade: harvesting, producing, serving,
    // building, crafting, resting or walking.
    void Economie(std::int32_t i) {
        const ClsJeuParam& P = main.Parametres;
        ClsJeuPerso& p = main.Persos[static_cast<std::size_t>(i)];
        const int metier = i % 7;
        const std::int16_t type = metier == 1 ? producteur : metier == 2 ? service : metier == 4 ? atelier : maison;
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, P.Batiment_Prix(type, r));
        ClsJeuBatiment& m = main.Maisons[static_cast<std::size_t>(i)];
        m.Creer(p.PositionX, p.PositionY, type, p, P);
        m.MaxStock = 1e12;
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, 0.3 * p.Definir_MaxRessources(r));
        if (metier != 3) m.Definir_Vie(m.MaxVie);
        p.CibleMaison = i;
        switch (metier) {
        case 0:
            p.Aller_Ressource(main.Ressources[static_cast<std::size_t>(i % 64)], i % 64, 32, 32);
            break;
        case 1:
        case 2: p.Rentrer_Maison(m); break;
        case 3: p.Rentrer_Maison(m); break;
        case 4: p.Creer_Objet(0, m, P), p.PositionX = p.DestinationX, p.PositionY = p.DestinationY; break;
        case 5: p.Action = 100, p.DansMaison = true; break;
        default: p.Aller_A(p.PositionX + 600, p.PositionY + 300); break;
        }
    }

    // Everyone armed and led by the AI's reactions, each attacking its
    // neighbour of the other side.
    void Melee(std::int32_t i) {
        const ClsJeuParam& P = main.Parametres;
        ClsJeuPerso& p = main.Persos[static_cast<std::size_t>(i)];
        p.IA_Active = true;
        if (epee >= 0) p.Objet_Equipe_Charger(0, epee, P);
        if (potion >= 0 && i % 3 == 0) p.Objet_Inventaire_Charger(0, potion, P);
        p.Definir_Ressources(0, 5);
        p.Actualiser_Bonus();
        p.Attaque = p.Definir_MaxAttaque() * (0.5 + 0.5 * ((i * 7) % 10) / 10.0);
        const std::int32_t n = static_cast<std::int32_t>(main.Persos.size());
        const std::int32_t voisin = (i % largeur) + 1 < largeur && i + 1 < n ? i + 1 : i - 1;
        if (voisin >= 0) p.Attaquer_Perso(voisin);
        p.PremierCoup = false;
    }

    // One house each; one character in twenty swings a halberd at the
    // enemy houses around it, the others go about in their houses.
    void Zone(std::int32_t i) {
        const ClsJeuParam& P = main.Parametres;
        ClsJeuPerso& p = main.Persos[static_cast<std::size_t>(i)];
        ClsJeuBatiment& m = main.Maisons[static_cast<std::size_t>(i)];
        for (std::int32_t r = 0; r < P.NombreRessources; ++r) p.Definir_Ressources(r, P.Batiment_Prix(maison, r));
        m.Creer(p.PositionX + 4, p.PositionY + 4, maison, p, P);
        m.Definir_Vie(m.MaxVie);
        if (i % 20 == 0 && hallebarde >= 0) {
            p.Objet_Equipe_Charger(0, hallebarde, P);
            p.Actualiser_Bonus();
            p.IA_Active = true;
            const std::int32_t cible = i + 1 < static_cast<std::int32_t>(main.Persos.size()) ? i + 1 : i - 1;
            p.Attaquer_Maison(cible);
        } else {
            p.Rentrer_Maison(m);
        }
    }

    void Remettre() { depart.Rendre(main); }

    fs::path racine;
    DossierJeu dossier;
    ModMain main;
    Etat depart;
    std::int32_t largeur = 16;
    std::int16_t maison = -1, producteur = -1, service = -1, atelier = -1;
    std::int16_t epee = -1, hallebarde = -1, potion = -1;
};

void Tick(benchmark::State& state, Scene scene) {
    Monde monde(scene, static_cast<std::int32_t>(state.range(0)));
    // A scene runs 300 ticks, then starts again.
    constexpr std::int64_t Duree = 300;
    std::int64_t t = 0;
    for (auto _ : state) {
        if (++t % Duree == 0) {
            state.PauseTiming();
            monde.Remettre();
            state.ResumeTiming();
        }
        ModMonde::Pas_Monde(monde.main);
        benchmark::DoNotOptimize(monde.main.Persos.data());
    }
    state.counters["ticks/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void TickMondeEconomie(benchmark::State& state) { Tick(state, Scene::Economie); }
void TickMondeMelee(benchmark::State& state) { Tick(state, Scene::Melee); }
void TickMondeZone(benchmark::State& state) { Tick(state, Scene::Zone); }

}  // namespace

BENCHMARK(TickMondeEconomie)->Arg(200)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(TickMondeMelee)->Arg(200)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(TickMondeZone)->Arg(200)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
