// A small headless world run over ticks: houses are created, built,
// damaged, repaired and demolished; a castle changes era; a fief market
// rebalances; effects run; treasures are dropped and picked up; characters
// harvest, produce, prepare a service, build and craft. Runs on the small
// fixture rules and on the default rules of the data set when it has them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "tests/world/MondeObjets.h"

namespace {

// One economy tick as the engine runs it: the fief upkeep (market, repair
// fund, castle restoration), then every character's recovery and the work
// of its action, then the animation of houses and effects.
void Tick(ModMain& main, const ClsJeuParam& P) {
    for (std::size_t f = 0; f < main.Fiefs.size(); ++f) {
        main.Fiefs[f].Transaction_Ressources(P);
        main.Fiefs[f].Restauration(main.Chateaux[f]);
        main.Chateaux[f].Restauration();
    }
    for (std::size_t i = 0; i < main.Persos.size(); ++i) {
        ClsJeuPerso& perso = main.Persos[i];
        ClsJeuBatiment& maison = main.Maisons[i];
        ClsJeuFief& fief = main.Fiefs[static_cast<std::size_t>(perso.Equipe)];
        perso.Calculer_Coef_Vitesse();
        perso.Recuperation(fief);
        std::int16_t code = -1;
        switch (perso.Action) {
        case Actions::Recolter: perso.Recolter_Ressources(perso.RessourceEnCours, maison, code, P); break;
        case Actions::ProduireMaison: perso.Recolter_Ressources(P.Batiment_RessourceFabrique(maison.TypeBatiment), maison, code, P); break;
        case Actions::PreparerService: perso.Preparer_Service(maison, code, P); break;
        case Actions::Construire:
            maison.Endommage = true;
            perso.Batir_Maison(fief, main.Chateaux[static_cast<std::size_t>(perso.Equipe)], maison, P);
            break;
        case Actions::Fabriquer: perso.Fabriquer_Etape(P, maison, code); break;
        default: break;
        }
    }
    for (ClsJeuBatiment& maison : main.Maisons)
        if (maison.Visible()) maison.Actualiser_NumeroAnimation(P);
    for (ClsJeuEffet& effet : main.EffetsPersos) effet.Etape_Suivante();
    for (ClsJeuEffet& effet : main.EffetsMaisons) effet.Etape_Suivante();
}

// Building types found by what they are, whatever the rules set.
struct Types {
    std::int16_t Maison = -1, Producteur = -1, Service = -1, Atelier = -1;
};

Types Choisir_Types(const ClsJeuParam& P) {
    Types t;
    for (std::int16_t b = 0; b < P.NombreTypeBatiments; ++b) {
        // Only what a character can carry the price of.
        bool abordable = true;
        for (std::int32_t r = 0; r < P.NombreRessources; ++r)
            abordable = abordable && P.Batiment_Prix(b, r) <= P.PersosMaxRessources;
        if (!abordable) continue;
        const bool produit = P.Batiment_RessourceFabrique(b) >= 0;
        if (t.Maison < 0 && !produit && !P.Batiment_Fabrique(b) && P.Batiment_Service(b) == 0) t.Maison = b;
        if (t.Producteur < 0 && produit && P.Batiment_Magasin(b) &&
            P.Ressources_TypeMatierePremiere(P.Batiment_RessourceFabrique(b)) >= 0)
            t.Producteur = b;
        if (t.Service < 0 && P.Batiment_Service(b) == 1) t.Service = b;
        if (t.Atelier < 0 && P.Batiment_Fabrique(b) && P.Batiment_NombreObjetsFabriques(b) > 0) t.Atelier = b;
    }
    return t;
}

class Scenario : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        M.emplace(GetParam());
        M->Peupler(6, 2);
        P = &M->Parametres();
        T = Choisir_Types(*P);
        ASSERT_GE(T.Maison, 0);
        ASSERT_GE(T.Producteur, 0);
        ASSERT_GE(T.Service, 0);
        ASSERT_GE(T.Atelier, 0);
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) Tick(M->Main, *P);
    }
    // Gives character i whatever building type Type costs.
    void Payer_Pour(std::int32_t i, std::int16_t Type) {
        for (std::int32_t r = 0; r < P->NombreRessources; ++r)
            M->Perso(i).Definir_Ressources(r, std::max<double>(M->Perso(i).Definir_Ressources(r), P->Batiment_Prix(Type, r)));
    }
    std::optional<MondeObjets> M;
    const ClsJeuParam* P = nullptr;
    Types T;
};

TEST_P(Scenario, AHouseLivesItsWholeLife) {
    ClsJeuPerso& perso = M->Perso(0);
    ClsJeuBatiment& maison = M->Maison(0);
    const std::int16_t epoque = M->Fief().Epoque;
    Payer_Pour(0, T.Maison);
    ASSERT_TRUE(perso.PeutConstruire_Maison(T.Maison, *P));
    maison.Creer(200, 300, T.Maison, perso, *P);
    EXPECT_DOUBLE_EQ(maison.Vie, 0.09 * maison.MaxVie);
    for (std::int32_t r = 0; r < P->NombreRessources; ++r) EXPECT_EQ(perso.Definir_Ressources(r), 0.0);

    perso.PositionX = 200;
    perso.PositionY = 300;
    perso.Action = Actions::Construire;
    int ticks = 0;
    while (perso.Action == Actions::Construire && ticks < 20000) {
        Ticks(1);
        ++ticks;
    }
    EXPECT_TRUE(maison.Acheve);
    EXPECT_EQ(perso.Action, Actions::RentrerMaison);
    EXPECT_GT(perso.Definir_ExpSpeciales(0), 0.0);
    // A first-era house built in the first era moves the fief on once its
    // castle has taken its new life.
    if (epoque < P->Batiment_NoEpoque(T.Maison) && epoque < P->NombreEpoques - 1) {
        EXPECT_TRUE(M->Fief().ChangementEpoque);
        Ticks(20000);
        EXPECT_EQ(M->Fief().Epoque, epoque + 1);
        EXPECT_FALSE(M->Fief().ChangementEpoque);
    }

    // Damaged, then repaired through its reserve.
    maison.Definir_Vie(maison.MaxVie - 10);
    EXPECT_TRUE(maison.Endommage);
    maison.ReserveVie = 10;
    for (int i = 0; i < 200 && maison.ReserveVie > 0; ++i) maison.Restauration();
    EXPECT_DOUBLE_EQ(maison.Vie, maison.MaxVie);
    EXPECT_FALSE(maison.Endommage);

    // Demolished at full life: half the price back.
    perso.Action = Actions::Repos;
    perso.DansMaison = true;
    maison.Demolir(perso, *P);
    for (std::int32_t r = 0; r < P->NombreRessources; ++r)
        EXPECT_DOUBLE_EQ(perso.Definir_Ressources(r), std::min(P->Batiment_Prix(T.Maison, r) * 0.5,
                                                                perso.Definir_MaxRessources(r)));
    EXPECT_FALSE(maison.Visible());
    EXPECT_EQ(perso.Action, Actions::Attente);
}

TEST_P(Scenario, TheRepairFundDrivesAnEraChange) {
    ClsJeuFief& fief = M->Fief(1);
    ClsJeuBatiment& chateau = M->Chateau(1);
    const std::int32_t maxVie = chateau.MaxVie;
    chateau.Definir_Vie(maxVie - 100);
    M->Perso(1).Definir_Argent(1000);
    fief.Restaurer_Chateau(0, M->Perso(1), true);
    EXPECT_DOUBLE_EQ(fief.FondsRestauration, 1000.0);
    fief.Changer_Epoque(chateau, *P);
    ASSERT_TRUE(fief.ChangementEpoque);
    const double bonus = std::stod(P->Epoque_BonusVieChateau(1));
    int ticks = 0;
    while (fief.Epoque == 0 && ticks < 50000) {
        Ticks(1);
        ++ticks;
    }
    EXPECT_EQ(fief.Epoque, 1);
    EXPECT_DOUBLE_EQ(chateau.Definir_Vie(), maxVie + bonus);
    // The era's reserve holds one point more than the bonus: the fund paid
    // for the 100 points missing (99 plus one), at 5 a point.
    EXPECT_NEAR(fief.FondsRestauration, 1000.0 - 5 * 100, 1e-6);
}

TEST_P(Scenario, TheMarketRebalances) {
    ClsJeuFief& fief = M->Fief(0);
    fief.Definir_Ressources(0, 60);
    auto ecart = [&] {
        double mini = 1e300, maxi = -1e300;
        for (std::int32_t r = 0; r < P->NombreRessources; ++r) {
            if (P->Ressources_Epoque(r) > fief.Epoque) continue;
            mini = std::min(mini, fief.Definir_Ressources(r));
            maxi = std::max(maxi, fief.Definir_Ressources(r));
        }
        return maxi - mini;
    };
    auto total = [&] {
        double t = 0.0;
        for (std::int32_t r = 0; r < P->NombreRessources; ++r) t += fief.Definir_Ressources(r);
        return t;
    };
    const double avant = ecart();
    Ticks(500);
    // The plentiful resource gave 0.02 a tick to the scarce ones; nothing
    // was made or lost.
    EXPECT_NEAR(fief.Definir_Ressources(0), 60 - 500 * 0.02, 1e-6);
    EXPECT_NEAR(total(), 60.0, 1e-6);
    EXPECT_LT(ecart(), avant - 500 * 0.02 + 1e-6);
}

TEST_P(Scenario, EffectsRunForTheirSteps) {
    ClsJeuEffet& effet = M->Main.EffetsPersos[2];
    effet.Activer_Effet(0, 0, 0, 32, 32, *P, false);
    ASSERT_TRUE(effet.Actif);
    const int attendu = static_cast<int>(std::ceil(P->Effet_NombreEtapes(0) * P->Effet_DureeEtape(0) - 1e-9));
    int ticks = 0;
    while (effet.Actif && ticks < 10000) {
        EXPECT_LT(effet.Etape_Effet(), std::max<std::int16_t>(1, effet.NombreEtapes));
        Ticks(1);
        ++ticks;
    }
    EXPECT_EQ(ticks, attendu);
}

TEST_P(Scenario, TreasuresFollowTheirFortuneAndArePickedUp) {
    ClsJeuPerso& perso = M->Perso(3);
    perso.Definir_Argent(5000);
    perso.Argent_Prendre(0, true);
    perso.Ressources_Deposer_Sol(-1);
    ASSERT_EQ(M->Main.Tresors.Count(), 1);
    ClsJeuTresors& riche = M->Main.Tresors(1);
    std::int16_t attendu = 0;
    for (std::int16_t t = P->NombreTresors - 1; t >= 0; --t)
        if (P->Tresor_ValeurMin(t) < 5000) {
            attendu = t;
            break;
        }
    EXPECT_EQ(riche.IndiceImage, attendu);
    M->Main.Tresors.Ajouter_Tresor(500, 500, *P);
    M->Main.Tresors(2).Definir_Argent(3);
    M->Perso(4).Aller_Tresor(M->Main.Tresors(2), 2, 26, 26);
    M->Perso(5).Aller_Tresor(M->Main.Tresors(1), 1, 26, 26);
    M->Main.Tresors.Ramasser_Tresor_Collection(1, M->Perso(5), M->Main.Persos, *P, M->Main.Commentaires);
    EXPECT_DOUBLE_EQ(M->Perso(5).Definir_Argent(), 5000.0);
    EXPECT_EQ(M->Perso(5).Action, Actions::Attente);
    EXPECT_EQ(M->Perso(4).CibleTresor, 1);
    EXPECT_EQ(M->Main.Tresors.Count(), 1);
}

TEST_P(Scenario, CharactersWorkAndPayWhatTheyOwe) {
    // Character 0 harvests at a deposit of the first deposit kind.
    ClsJeuRessources& gisement = M->Main.Ressources.emplace_back();
    gisement.TypeTerrainRessource = 0;
    gisement.TypeRessource = P->TerrainRessources_TypeRessource(0);
    gisement.Quantite = gisement.QuantiteInitiale = P->TerrainRessources_Quantite(0);
    ClsJeuPerso& recolteur = M->Perso(0);
    recolteur.CibleRessource = 0;
    recolteur.Action = Actions::Recolter;
    recolteur.RessourceEnCours = gisement.TypeRessource;
    Ticks(50);
    EXPECT_GT(recolteur.Definir_Ressources(gisement.TypeRessource), 0.0);
    EXPECT_NEAR(recolteur.Definir_Ressources(gisement.TypeRessource) + gisement.Quantite, gisement.QuantiteInitiale,
                1e-6);

    // Character 1 produces at home from its raw material, into its house
    // once it carries all it can.
    ClsJeuPerso& producteur = M->Perso(1);
    ClsJeuBatiment& atelierProd = M->Maison_Achevee(1, T.Producteur, 2000, 2000);
    const std::int32_t produit = P->Batiment_RessourceFabrique(T.Producteur);
    const std::int32_t matiere = P->Ressources_TypeMatierePremiere(produit);
    producteur.Definir_Ressources(matiere, producteur.Definir_MaxRessources(matiere));
    producteur.Definir_Ressources(produit, producteur.Definir_MaxRessources(produit));
    producteur.DansMaison = true;
    producteur.Action = Actions::ProduireMaison;
    const double matiereAvant = producteur.Definir_Ressources(matiere);
    Ticks(20);
    EXPECT_GT(atelierProd.Definir_Stock(), 0.0);
    EXPECT_NEAR(matiereAvant - producteur.Definir_Ressources(matiere),
                atelierProd.Definir_Stock() * P->Ressources_QuantiteMatierePremiere(produit), 1e-6);

    // Character 2 prepares the resurrection service.
    ClsJeuPerso& pretre = M->Perso(2);
    ClsJeuBatiment& temple = M->Maison_Achevee(2, T.Service, 3000, 2000);
    for (std::int32_t r = 0; r < P->NombreRessources; ++r) pretre.Definir_Ressources(r, pretre.Definir_MaxRessources(r));
    pretre.DansMaison = true;
    pretre.Action = Actions::PreparerService;
    Ticks(50);
    EXPECT_GT(temple.Definir_Stock(), 0.0);
    EXPECT_GT(pretre.Definir_ExpServices(0), 0.0);

    // Character 3 crafts the first item its workshop makes.
    ClsJeuPerso& artisan = M->Perso(3);
    ClsJeuBatiment& atelier = M->Maison_Achevee(3, T.Atelier, 4000, 2000);
    const std::int32_t objet = P->Batiment_ObjetFabrique(T.Atelier, 0);
    for (std::int32_t r = 0; r < P->NombreRessources; ++r)
        artisan.Definir_Ressources(r, P->Objet_PrixRessources(objet, r));
    ASSERT_TRUE(artisan.PeutConstruire_Objet(0, atelier, *P));
    artisan.Creer_Objet(0, atelier, *P);
    int ticks = 0;
    while (artisan.Action == Actions::Fabriquer && ticks < 100000) {
        Ticks(1);
        ++ticks;
    }
    EXPECT_EQ(atelier.Stock_Objets(0), 1.0);
    for (std::int32_t r = 0; r < P->NombreRessources; ++r) EXPECT_EQ(artisan.Definir_Ressources(r), 0.0) << r;

    // Its neighbour buys it at the haggled price.
    ClsJeuPerso& client = M->Perso(4);
    client.Definir_Argent(100000);
    const double prix = client.Prix_Marchandee(P->Objet_PrixVente(objet) * P->CoefficientAchat, *P);
    client.Objet_Acheter_Maison(0, atelier, *P, M->Main.Commentaires);
    EXPECT_EQ(client.Objet_NombreType(objet), 1);
    EXPECT_DOUBLE_EQ(atelier.Argent, prix);
    EXPECT_DOUBLE_EQ(client.Definir_Argent(), 100000 - prix);
}

INSTANTIATE_TEST_SUITE_P(Regles, Scenario, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? "Fixture" : "ParDefaut";
                         });

}  // namespace
