// The rebuilding of everything worn items give runs after every change of
// equipment and after every level gained: it must stay cheap on a
// character with every slot filled.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"

namespace fs = std::filesystem;

namespace {

// The default data with the character tests' small rules laid over it, in
// a scratch folder of its own.
class Regles {
public:
    Regles() {
        std::random_device rd;
        dossier_ = fs::temp_directory_path() / ("morvaine-bench-perso-" + std::to_string(rd()));
        const fs::path donnees = MORVAINE_SOURCE_DATA;
        fs::copy(donnees, dossier_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        for (const auto& f : fs::directory_iterator(donnees / ".." / "tests" / "fixtures" / "persos"))
            fs::copy_file(f.path(), dossier_ / f.path().filename(), fs::copy_options::overwrite_existing);
        jeu_ = std::make_unique<DossierJeu>(dossier_);
        parametres_ = std::make_unique<ClsJeuParam>(*jeu_);
        for (std::int16_t etape = 0; etape <= 7; ++etape) parametres_->Init(etape);
        commentaires_ = std::make_unique<ClsJeuCommentaires>(*jeu_, generateur_);
    }
    ~Regles() {
        commentaires_.reset();
        parametres_.reset();
        jeu_.reset();
        std::error_code ec;
        fs::remove_all(dossier_, ec);
    }

    // A human with every equipment place and every bag slot taken.
    ClsJeuPerso PersoEquipe() const {
        const ClsJeuParam& p = *parametres_;
        ClsJeuPerso perso;
        perso.Init(0, p);
        perso.Objet_Equipes_Vider_Tout();
        // Sword, dagger, breastplate, boots, mask, shield, the two rings.
        for (std::int16_t o : {0, 2, 3, 8, 10, 12, 4, 5}) perso.Objet_Equiper(o, p, *commentaires_, false, false);
        perso.Objet_Equipe_Charger(8, 6, p);  // a potion at the belt
        for (std::int16_t o : {1, 7, 9, 11}) perso.Objet_Ajouter_Inventaire(o, p, *commentaires_);
        perso.Actualiser_Bonus();
        return perso;
    }

private:
    fs::path dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ClsJeuParam> parametres_;
    GenerateurLocal generateur_{1};
    std::unique_ptr<ClsJeuCommentaires> commentaires_;
};

void Actualiser_Bonus_TousLesEmplacements(benchmark::State& state) {
    Regles regles;
    ClsJeuPerso perso = regles.PersoEquipe();
    for (auto _ : state) {
        perso.Actualiser_Bonus();
        benchmark::DoNotOptimize(perso.Definir_MaxVie());
    }
}
BENCHMARK(Actualiser_Bonus_TousLesEmplacements);

// Each level benchmark starts from a copy of the same character (levels
// would otherwise pile up): this is the cost of that copy alone.
void Copie_Perso(benchmark::State& state) {
    Regles regles;
    const ClsJeuPerso modele = regles.PersoEquipe();
    for (auto _ : state) {
        ClsJeuPerso perso = modele;
        benchmark::DoNotOptimize(perso.VieBase);
    }
}
BENCHMARK(Copie_Perso);

// One level of life: the level routine and the rebuild it triggers.
void Niveau_Vie(benchmark::State& state) {
    Regles regles;
    const ClsJeuPerso modele = regles.PersoEquipe();
    for (auto _ : state) {
        ClsJeuPerso perso = modele;
        perso.ExpVie = perso.ExpNivPlusVie;
        perso.Gestion_Tous_Niveaux();
        benchmark::DoNotOptimize(perso.VieBase);
    }
}
BENCHMARK(Niveau_Vie);

// A full level-up: the six characteristics and every competence of the
// four families each reach their next level in one pass (18 levels here,
// each followed by a rebuild).
void Niveau_Complet(benchmark::State& state) {
    Regles regles;
    const ClsJeuPerso modele = regles.PersoEquipe();
    for (auto _ : state) {
        ClsJeuPerso perso = modele;
        perso.ExpVie = perso.ExpNivPlusVie;
        perso.ExpEnergie = perso.ExpNivPlusEnergie;
        perso.ExpMagie = perso.ExpNivPlusMagie;
        perso.ExpMoral = perso.ExpNivPlusMoral;
        perso.ExpAttaque = perso.ExpNivPlusAttaque;
        perso.ExpDefense = perso.ExpNivPlusDefense;
        for (std::int32_t i = 0; i < perso.Nombre_CompetencesSpeciales(); ++i)
            perso.Definir_ExpSpeciales(i, perso.Definir_ExpNivPlusSpeciales(i));
        for (std::int32_t i = 0; i < perso.Nombre_CompetencesRessources(); ++i)
            perso.Definir_ExpRessources(i, perso.Definir_ExpNivPlusRessources(i));
        for (std::int32_t i = 0; i < perso.Nombre_CompetencesServices(); ++i)
            perso.Definir_ExpServices(i, perso.Definir_ExpNivPlusServices(i));
        for (std::int32_t i = 0; i < perso.Nombre_CompetencesObjets(); ++i)
            perso.Definir_ExpObjets(i, perso.Definir_ExpNivPlusObjets(i));
        perso.Gestion_Tous_Niveaux();
        benchmark::DoNotOptimize(perso.NiveauVie);
    }
}
BENCHMARK(Niveau_Complet);

}  // namespace
