// Needs, errands, collecting and supply buildings: where a hungry, tired
// or poor character is sent, and what the searches accept.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/ai/MondeIA.h"

namespace {

using BesoinsTest = MondeIA;

// Building types of the default rules, found by what they are.
struct Types {
    std::int16_t Chaumiere = -1;  // no shop, no product
    std::int16_t Nourriture = -1;  // a shop whose product gives life back
    std::int16_t Energie = -1;     // a shop whose product gives energy back
    std::int16_t Atelier = -1;     // a workshop
    std::int16_t Temple = -1;      // service 1
};

Types TrouverTypes(const ClsJeuParam& P) {
    Types t;
    for (std::int16_t b = 0; b < P.NombreTypeBatiments; ++b) {
        const std::int32_t produit = P.Batiment_RessourceFabrique(b);
        if (t.Chaumiere < 0 && !P.Batiment_Magasin(b) && !P.Batiment_Fabrique(b) && P.Batiment_Service(b) == 0)
            t.Chaumiere = b;
        if (P.Batiment_Magasin(b) && produit >= 0) {
            if (t.Nourriture < 0 && P.Ressources_GainVie(produit) > 0 && P.Ressources_GainEnergie(produit) <= 0)
                t.Nourriture = b;
            if (t.Energie < 0 && P.Ressources_GainEnergie(produit) > 0) t.Energie = b;
        }
        if (t.Atelier < 0 && P.Batiment_Fabrique(b)) t.Atelier = b;
        if (t.Temple < 0 && P.Batiment_Service(b) == 1) t.Temple = b;
    }
    return t;
}

}  // namespace

TEST_F(BesoinsTest, ManqueArgentParEpoque) {
    Peupler(1);
    struct Cas {
        std::int16_t epoque;
        double argent;
        bool manque;
    };
    const Cas cas[] = {{0, 299.99, true}, {0, 300, false}, {1, 599, true}, {1, 600, false}, {2, 900, false}};
    for (const Cas& c : cas) {
        Fief(0).Epoque = c.epoque;
        Perso(0).Definir_Argent(c.argent);
        EXPECT_EQ(IA().Manque_Argent(0), c.manque) << c.epoque << " " << c.argent;
    }
}

TEST_F(BesoinsTest, EnvoisEtCourse) {
    Peupler(3);
    const Types t = TrouverTypes(P());
    Batir(0, t.Nourriture, 400, 100);
    Batir(1, t.Nourriture, 600, 100);

    IA().Marquer_Course(0);
    IA().Envoyer_Batiment(0, 0);  // its own house: home, not a visit
    EXPECT_EQ(Perso(0).Action, Actions::RentrerMaison);
    EXPECT_FALSE(IA().CourseFaite[0]);

    IA().Marquer_Course(0);
    IA().Envoyer_Batiment(0, 1);
    EXPECT_EQ(Perso(0).Action, Actions::Entrer);
    EXPECT_EQ(Perso(0).CibleMaison, 1);
    EXPECT_FALSE(IA().CourseFaite[0]);

    IA().Marquer_Course(0);
    IA().Envoyer_Chateau(0);
    EXPECT_EQ(Perso(0).Action, Actions::RetournerChateau);
    EXPECT_FALSE(IA().CourseFaite[0]);

    Main.Tresors.Ajouter_Tresor(900, 900, P());
    IA().Envoyer_Tresor(0, 1);
    EXPECT_EQ(Perso(0).Action, Actions::AllerTresor);
    EXPECT_TRUE(IA().CourseFaite[0]);

    // A treasure number or a house index that names nothing gives no order.
    Perso(0).Arreter();
    IA().Envoyer_Tresor(0, 2);
    IA().Envoyer_Batiment(0, 55);
    IA().Envoyer_Batiment(0, -3);
    EXPECT_EQ(Perso(0).Action, Actions::Attente);
}

TEST_F(BesoinsTest, VisiteChateauUneFoisParVisite) {
    Peupler(1);
    Perso(0).DansChateau = true;
    IA().Visite_Chateau(0);
    EXPECT_TRUE(IA().CourseFaite[0]);
    IA().Envoyer_Chateau(0);
    EXPECT_FALSE(IA().CourseFaite[0]);
    Perso(0).DansChateau = false;
    IA().Visite_Chateau(0);
    EXPECT_FALSE(IA().CourseFaite[0]) << "only inside the castle";
}

// The own shop full, or less than one unit of the building's raw material.
TEST_F(BesoinsTest, BesoinMatiere) {
    Peupler(1);
    // A shop whose product is made of a raw material.
    std::int16_t type = -1;
    for (std::int16_t b = 0; b < P().NombreTypeBatiments && type < 0; ++b) {
        const std::int32_t produit = P().Batiment_RessourceFabrique(b);
        if (P().Batiment_Magasin(b) && produit >= 0 && P().Ressources_TypeMatierePremiere(produit) >= 0) type = b;
    }
    ASSERT_GE(type, 0);
    const std::int32_t matiere = P().Ressources_TypeMatierePremiere(P().Batiment_RessourceFabrique(type));
    ClsJeuBatiment& m = Batir(0, type, 400, 100);
    m.MaxStock = 40;
    struct Cas {
        double porte, stock;
        bool besoin;
    };
    const Cas cas[] = {{0.0, 0, true}, {0.99, 0, true}, {1.0, 0, false}, {5.0, 38.9, false}, {5.0, 39.5, true}};
    for (const Cas& c : cas) {
        Perso(0).Definir_Ressources(matiere, c.porte);
        m.Definir_Stock(c.stock);
        EXPECT_EQ(IA().Besoin_Matiere(0), c.besoin) << c.porte << " " << c.stock;
    }
    // A building with no raw material never lacks one.
    const Types t = TrouverTypes(P());
    Batir(0, t.Chaumiere, 400, 100);
    Perso(0).Definir_Ressources(matiere, 0);
    EXPECT_FALSE(IA().Besoin_Matiere(0));
}

// Of two deposits of the type at 10.44 and 10.2 pixels, the first is kept:
// the best is kept rounded to 10.
TEST_F(BesoinsTest, RessourcePlusProche) {
    Peupler(1);
    const std::int16_t baies = P().Ressources_TypeTerrainRessource(0);
    const std::int16_t autre = P().Ressources_TypeTerrainRessource(1);
    ASSERT_GE(baies, 0);
    Gisement(autre, 101, 101);  // nearer, but of another type
    Gisement(baies, 110, 103);  // 10.44
    Gisement(baies, 110, 102);  // 10.2
    Gisement(baies, 900, 900);
    IA().Collecter_Pour_Vie(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
    EXPECT_EQ(Perso(0).CibleRessource, 1);

    // None of the type: no order.
    Perso(0).Arreter();
    IA().Aller_Ressource_Proche(0, 99);
    IA().Collecter_Ressource(0, -1);
    IA().Collecter_Ressource(0, 500);
    EXPECT_EQ(Perso(0).Action, Actions::Attente);
}

// What each mode of the supply search accepts, with the building 50 pixels
// away and the square at 96.
TEST_F(BesoinsTest, RavitaillementModes) {
    const Types t = TrouverTypes(P());
    ASSERT_GE(t.Nourriture, 0);
    ASSERT_GE(t.Energie, 0);
    ASSERT_GE(t.Atelier, 0);
    ASSERT_GE(t.Temple, 0);
    // Resource 0 selects the need mode: the resource mode is tried with the
    // energy shop's product.
    const auto produit = static_cast<std::int16_t>(P().Batiment_RessourceFabrique(t.Energie));
    ASSERT_GT(produit, 0);
    struct Cas {
        const char* nom;
        std::int16_t type;
        double stock;
        bool autreEquipe, enChantier;
        std::int16_t ressource, besoin, service;
        std::int32_t dx, dy;
        bool accepte;
    };
    const Cas cas[] = {
        {"vie chez le marchand", t.Nourriture, 5, false, false, 0, 1, 0, 50, 0, true},
        {"marchand d'une autre équipe", t.Nourriture, 5, true, false, 0, 1, 0, 50, 0, false},
        {"encore en chantier", t.Nourriture, 5, false, true, 0, 1, 0, 50, 0, false},
        {"moins d'une unité", t.Nourriture, 0.9, false, false, 0, 1, 0, 50, 0, false},
        {"magie chez le marchand de vie", t.Nourriture, 5, false, false, 0, 3, 0, 50, 0, false},
        {"besoin 0 jamais servi", t.Nourriture, 5, false, false, 0, 0, 0, 50, 0, false},
        {"énergie", t.Energie, 5, false, false, 0, 2, 0, 50, 0, true},
        {"hors du carré", t.Nourriture, 5, false, false, 0, 1, 0, 96, 0, false},
        {"ressource vendue", t.Energie, 5, false, false, produit, 0, 0, 60, 60, true},
        {"ressource : coin du carré hors du cercle", t.Energie, 5, false, false, produit, 0, 0, 80, 80, false},
        {"besoin : coin du carré accepté", t.Nourriture, 5, false, false, 0, 1, 0, 80, 80, true},
        {"ressource d'un autre", t.Nourriture, 5, false, false, produit, 0, 0, 10, 10, false},
        {"ressource : stock insuffisant", t.Energie, 0.5, false, false, produit, 0, 0, 10, 10, false},
        {"atelier", t.Atelier, 3, false, false, 0, 5, 0, 50, 0, true},
        {"atelier vide", t.Atelier, 0, false, false, 0, 5, 0, 50, 0, false},
        {"résurrection", t.Temple, 2, false, false, 0, 0, 1, 50, 0, true},
        {"résurrection : le service seul compte", t.Temple, 2, false, false, 4, 5, 1, 50, 0, true},
        {"autre service", t.Temple, 2, false, false, 0, 0, 2, 50, 0, false},
        {"pas un service", t.Nourriture, 5, false, false, 0, 1, 1, 50, 0, false},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2);
        // House 1 belongs to fief 1; for a house of the same team, its owner
        // joins fief 0.
        if (!c.autreEquipe) Perso(1).Equipe = 0;
        ClsJeuBatiment& m = Batir(1, c.type, 100 + c.dx, 100 + c.dy, c.stock);
        if (c.enChantier) {
            m.Definir_Vie(m.MaxVie * 0.5);
            m.Acheve = false;
        }
        std::int32_t trouve = 99;
        // Two houses, two looks a call from house 0 (the cursor outlives the
        // game): the first call sees it.
        IA().CurseurMaison[0] = 0;
        const bool ok = IA().Chercher_Maison_Ravitaillement(Perso(0), 0, c.ressource, c.besoin, c.service, trouve);
        EXPECT_EQ(ok, c.accepte) << c.nom;
        EXPECT_EQ(trouve, c.accepte ? 1 : -1) << c.nom;
    }
}

// Once completed, a building stays acceptable after losing life, until it
// falls.
TEST_F(BesoinsTest, RavitaillementAprèsDegats) {
    const Types t = TrouverTypes(P());
    Peupler(2);
    ClsJeuBatiment& m = Batir(1, t.Nourriture, 150, 100, 5);
    m.Definir_Vie(m.MaxVie * 0.3);
    std::int32_t trouve = 0;
    EXPECT_TRUE(IA().Chercher_Maison_Ravitaillement(Perso(0), 0, 0, 1, 0, trouve));
    m.Definir_Vie(0);
    IA().CurseurMaison[0] = 0;
    EXPECT_FALSE(IA().Chercher_Maison_Ravitaillement(Perso(0), 0, 0, 1, 0, trouve));
}

// With one house far off, every look after the first wraps and widens the
// square by 96 until the house is inside; then it starts again at 96.
TEST_F(BesoinsTest, RavitaillementElargit) {
    const Types t = TrouverTypes(P());
    Peupler(1);
    Batir(0, t.Nourriture, 100 + 500, 100, 5);
    std::vector<std::int32_t> distances;
    std::int32_t trouve = 0;
    bool ok = false;
    for (int n = 0; n < 20 && !ok; ++n) {
        ok = IA().Chercher_Maison_Ravitaillement(Perso(0), 0, 0, 1, 0, trouve);
        distances.push_back(IA().DistanceRecherche[0]);
    }
    ASSERT_TRUE(ok);
    EXPECT_EQ(trouve, 0);
    // Two looks a call; 500 pixels away, the house is inside at 576.
    EXPECT_EQ(distances, (std::vector<std::int32_t>{192, 384, 96}));
}

// The treasure radius grows by up to 260 pixels a call; at 724 it still
// searches, past it it starts again at 0.
TEST_F(BesoinsTest, RayonTresor) {
    Peupler(1);
    Main.Tresors.Ajouter_Tresor(100 + 700, 100, P());
    std::int32_t trouve = 0;
    struct Cas {
        std::int32_t avant;
        float r;
        std::int32_t apres;
        bool trouve;
    };
    // A draw of 0.5 adds 130.
    const Cas cas[] = {
        {0, 0.5f, 130, false},
        {594, 0.5f, 0, true},    // 724: searches, finds the treasure at 700, resets
        {595, 0.5f, 0, false},   // 725: resets without searching
        {570, 0.5f, 0, true},    // 700 exactly: within
        {569, 0.5f, 699, false}, // 699: not yet
    };
    for (const Cas& c : cas) {
        IA().RayonTresor[0] = c.avant;
        Tirages({c.r});
        EXPECT_EQ(IA().Chercher_Tresor_Rayon(Perso(0), 0, trouve), c.trouve) << c.avant;
        EXPECT_EQ(IA().RayonTresor[0], c.apres) << c.avant;
        if (c.trouve) {
            EXPECT_EQ(trouve, 1);
        }
    }
}

TEST_F(BesoinsTest, TresorLePlusProche) {
    Peupler(1);
    IA().Aller_Tresor_Proche(0);
    EXPECT_EQ(Perso(0).Action, Actions::Attente) << "no treasure";
    Main.Tresors.Ajouter_Tresor(500, 100, P());
    Main.Tresors.Ajouter_Tresor(100, 300, P());
    Main.Tresors.Ajouter_Tresor(300, 100, P());
    IA().Aller_Tresor_Proche(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerTresor);
    EXPECT_EQ(Perso(0).CibleTresor, 2);
}

// A hungry idle character: buys food at a shop of its team when it has
// the money, else harvests; never buys from another team.
TEST_F(BesoinsTest, FaimEtFatigue) {
    const Types t = TrouverTypes(P());
    const std::int16_t baies = P().Ressources_TypeTerrainRessource(0);
    struct Cas {
        const char* nom;
        double argent;
        bool autreEquipe;
        bool vieBasse, energieBasse;
        std::int16_t action;  // expected
    };
    const Cas cas[] = {
        {"pauvre : cueille", 10, false, true, false, 3},
        {"riche : au marchand", 5000, false, true, false, 201},
        {"riche, marchand ennemi : cueille", 5000, true, true, false, 3},
        {"repu", 5000, false, false, false, 0},
        {"las et pauvre : pêche", 10, false, false, true, 3},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2);
        if (!c.autreEquipe) Perso(1).Equipe = 0;
        Batir(1, t.Nourriture, 150, 100, 10);
        Gisement(baies, 300, 300);
        Gisement(P().Ressources_TypeTerrainRessource(1), 600, 300);
        ClsJeuPerso& p = Perso(0);
        p.Definir_Argent(c.argent);
        for (std::int32_t r = 0; r < P().NombreRessources; ++r) p.Definir_Ressources(r, 0);
        if (c.vieBasse) p.Vie = p.Definir_MaxVie() * 0.5;
        if (c.energieBasse) p.Energie = p.Definir_MaxEnergie() * 0.2;
        // No treasure lies about: the treasure draw changes nothing.
        IA().Gestion_Besoins(0);
        EXPECT_EQ(p.Action, c.action) << c.nom;
        if (c.action == 3) {
            EXPECT_EQ(p.CibleRessource, c.energieBasse ? 1 : 0) << c.nom;
        }
    }
}

// Food carried is eaten first; at exactly half energy nothing is fetched.
TEST_F(BesoinsTest, MangeCeQuIlPorte) {
    Peupler(1);
    Gisement(P().Ressources_TypeTerrainRessource(0), 300, 300);
    Gisement(P().Ressources_TypeTerrainRessource(1), 300, 300);
    ClsJeuPerso& p = Perso(0);
    p.Vie = p.Definir_MaxVie() - 5;
    p.Definir_Ressources(0, 10);
    p.Energie = p.Definir_MaxEnergie() * 0.5;
    IA().Gestion_Besoins(0);
    EXPECT_LT(p.Definir_Ressources(0), 10);
    EXPECT_EQ(p.Definir_Vie(), p.Definir_MaxVie());
    EXPECT_EQ(p.Action, Actions::Attente);
}

// Busy characters are sent for energy (not for life or treasures) when
// not fighting and not inside a building.
TEST_F(BesoinsTest, OccupeEnvoyeSeulementPourLEnergie) {
    Peupler(1);
    Gisement(P().Ressources_TypeTerrainRessource(0), 300, 300);
    Gisement(P().Ressources_TypeTerrainRessource(1), 600, 300);
    ClsJeuPerso& p = Perso(0);
    p.Aller_A(900, 900);
    p.Vie = 10;
    IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::Deplacer);
    p.Energie = 1;
    IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::AllerA);
    EXPECT_EQ(p.CibleRessource, 1);
    p.Attaquer_Perso(0);
    p.CibleRessource = 0;
    IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::Attaquer);
}

// Magic below half with no money: nothing, but the search cursor moved.
TEST_F(BesoinsTest, MagieSansArgent) {
    Peupler(3);
    ClsJeuPerso& p = Perso(0);
    p.Magie = 0;
    p.Definir_Argent(0);
    const std::int32_t avant = IA().CurseurMaison[0];
    IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::Attente);
    EXPECT_NE(IA().CurseurMaison[0], avant);
}

// The resource its blows consume: resource 0 is always harvested (the
// search never serves it); a kind outside the rules is never fetched.
TEST_F(BesoinsTest, RessourceDAttaque) {
    const Types t = TrouverTypes(P());
    for (std::int16_t r : {std::int16_t{0}, std::int16_t{-1}, std::int16_t{400}}) {
        Peupler(2);
        Batir(1, t.Nourriture, 150, 100, 10);
        Gisement(P().Ressources_TypeTerrainRessource(0), 300, 300);
        ClsJeuPerso& p = Perso(0);
        p.IA_Manger = false;
        p.Definir_Argent(5000);
        p.RessourceAttaque = r;
        p.CoutAttaque = 2;
        IA().Gestion_Besoins(0);
        EXPECT_EQ(p.Action, r == 0 ? 3 : 0) << r;
    }
}

TEST_F(BesoinsTest, TresorsProchesRamasses) {
    Peupler(1);
    Main.Tresors.Ajouter_Tresor(150, 100, P());
    ClsJeuPerso& p = Perso(0);
    for (int n = 0; n < 20 && p.Action != Actions::AllerTresor; ++n) IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::AllerTresor);
    EXPECT_TRUE(IA().CourseFaite[0]);
    // A race that may not equip items leaves them lying.
    p.Arreter();
    p.Equiper = false;
    for (int n = 0; n < 20; ++n) IA().Gestion_Besoins(0);
    EXPECT_EQ(p.Action, Actions::Attente);
}

TEST_F(BesoinsTest, Riposte) {
    struct Cas {
        const char* nom;
        std::int16_t action;
        std::int32_t cible;
        bool cibleCachee, memeCamp;
        std::int16_t attendu;
    };
    const Cas cas[] = {
        {"détruit un château, ennemi visible", 302, 1, false, false, 300},
        {"détruit une maison", 301, 1, false, false, 300},
        {"cible cachée", 302, 1, true, false, 302},
        {"cible de son camp", 302, 1, false, true, 302},
        {"cible inexistante", 302, 77, false, false, 302},
        {"cible négative", 301, -1, false, false, 301},
        {"ne détruit rien", 0, 1, false, false, 0},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2);
        ClsJeuPerso& p = Perso(0);
        p.Action = c.action;
        p.CiblePerso = c.cible;
        Perso(1).DansMaison = c.cibleCachee;
        if (c.memeCamp) Perso(1).Camp = p.Camp;
        IA().Riposter(0);
        EXPECT_EQ(p.Action, c.attendu) << c.nom;
        if (c.attendu == 300) {
            EXPECT_EQ(p.CiblePerso, 1);
        }
    }
}
