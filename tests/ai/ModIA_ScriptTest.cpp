// The executor of the AI scripts, one small script at a time on the
// default rules: each step category, the walk that passes over met goals,
// the house phase and the pending goals.
#include <string>
#include <string_view>

#include "ai/ClsJeuIA2.h"
#include "tests/ai/MondeIA.h"

namespace {

class ExecuteurIA : public MondeIA {
protected:
    DossierTemporaire dossierIA;

    // Character i follows a script whose every age holds these lines
    // (one per line, as the file has them).
    void Script(std::int32_t i, std::string_view lignes) {
        std::string age;
        for (char c : lignes) age += c == '\n' ? std::string("\r\n") : std::string(1, c);
        std::string texte = "#Essai\r\n";
        for (std::int32_t a = 1; a <= P().NombreEpoques; ++a) texte += "\r\nAge_" + std::to_string(a) + "\r\n" + age + "\r\n";
        texte += "\r\n#Fin\r\n";
        const std::string nom = "Essai" + std::to_string(Main.IA2.AIs.size()) + ".ia";
        dossierIA.Ecrire(nom, texte);
        ClsJeuIA2 ia;
        ia.Charger_IA(dossierIA.Chemin(), nom, P(), true, nom);
        Main.IA2.AIs.push_back(ia);
        Perso(i).IA = true;
        Perso(i).IndiceIA = static_cast<std::int16_t>(Main.IA2.AIs.size() - 1);
        // No treasure search: its draw would shift the ones a test chooses.
        Perso(i).Equiper = false;
    }

    static bool Armurerie(const ClsJeuParam& p, std::int16_t t) { return p.Batiment_Fabrique(t) && p.Batiment_ObjetFabrique(t, 0) == 0; }
};

constexpr std::int16_t Baies = 0, Bois = 2, Dague = 0;
// Deposit kinds of the default rules.
constexpr std::int32_t BuissonDeBaies = 0, Bosquet = 2;

TEST_F(ExecuteurIA, CollecterVaAuGisement) {
    Peupler(1);
    const std::int32_t g = Gisement(BuissonDeBaies, 600, 100);
    Script(0, "Ressource_1=5");
    IA().Executer_IA(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
    EXPECT_EQ(Perso(0).CibleRessource, g);
    EXPECT_EQ(IA().RessourceVoulue[0], Baies);
    EXPECT_EQ(IA().QuantiteVoulue[0], 5);
}

// A met goal is passed over and the next step acts in the same turn; a
// mode change acts and goes on.
TEST_F(ExecuteurIA, EtapesSatisfaitesEtChangementDeMode) {
    Peupler(1);
    Gisement(BuissonDeBaies, 600, 100);
    const std::int32_t bois = Gisement(Bosquet, 900, 100);
    Script(0, "Ressource_1=5\nChangerMode_1\nRessource_3=5");
    Perso(0).Definir_Ressources(Baies, 5);
    IA().Executer_IA(0);
    EXPECT_TRUE(Perso(0).IA_Pacifique);
    EXPECT_EQ(Perso(0).CibleRessource, bois);
    EXPECT_EQ(IA().RessourceVoulue[0], Bois);
}

// A patrol step ends the walk: the steps after it never act.
TEST_F(ExecuteurIA, PatrouilleArreteLeParcours) {
    Peupler(1);
    Gisement(BuissonDeBaies, 600, 100);
    Script(0, "Patrouiller\nRessource_1=5");
    Tirages({0.15f, 0.5f, 0.5f, 0.95f, 0.95f});
    IA().Executer_IA(0);
    EXPECT_EQ(Perso(0).Action, Actions::Deplacer);  // wandering
    EXPECT_EQ(IA().RessourceVoulue[0], -1);
}

TEST_F(ExecuteurIA, Attaquer) {
    struct Cas {
        const char* nom;
        bool repose;
        bool victoire;
        std::int16_t action;
    };
    const Cas cas[] = {
        {"reposé", true, false, 300},
        {"attaque pas encore revenue : il attend", false, false, 0},
        {"après la victoire du premier joueur : patrouille", true, true, 1},
    };
    for (const Cas& c : cas) {
        Peupler(2, 2);
        Script(0, "Attaquer Ennemi");
        Perso(1).PositionX = Perso(1).DestinationX = 300;
        ClsJeuPerso& p = Perso(0);
        p.Definir_Attaque(c.repose ? p.Definir_MaxAttaque() : p.Definir_MaxAttaque() - 1.0);
        IA().VictoirePremierJoueur = c.victoire;
        Tirages({0.15f, 0.5f, 0.5f, 0.95f, 0.95f, 0.95f, 0.95f});
        IA().Executer_IA(0);
        EXPECT_EQ(p.Action, c.action) << c.nom;
        if (c.action == 300) {
            EXPECT_EQ(p.CiblePerso, 1) << c.nom;
        }
    }
}

// A character at work or in a fight is not disturbed.
TEST_F(ExecuteurIA, OccupeNonDerange) {
    for (std::int16_t action : {2, 3, 102, 500, 600, 300}) {
        Peupler(1);
        Gisement(BuissonDeBaies, 600, 100);
        Script(0, "Ressource_1=5");
        Perso(0).Action = action;
        IA().Executer_IA(0);
        EXPECT_EQ(Perso(0).Action, action);
        EXPECT_EQ(IA().RessourceVoulue[0], -1) << action;
    }
}

// Building: the step asks for the type, the house phase gathers its price
// and then opens the site near the castle and sends the builder.
TEST_F(ExecuteurIA, BatimentJusquAuChantier) {
    Peupler(1);
    Gisement(Bosquet, 600, 100);
    Script(0, "Batiment_1");
    IA().Executer_IA(0);
    EXPECT_EQ(IA().TypeMaisonVoulue[0], 0);

    const double prix = P().Batiment_Prix(0, Bois);
    ASSERT_GT(prix, 0);
    IA().Executer_IA(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
    EXPECT_EQ(IA().RessourceVoulue[0], Bois);
    EXPECT_EQ(IA().QuantiteVoulue[0], prix);

    Perso(0).Definir_Ressources(Bois, prix);
    Perso(0).Arreter();
    IA().Executer_IA(0);  // the wood it carries: the pending goal ends
    IA().Executer_IA(0);
    const ClsJeuBatiment& m = Maison(0);
    ASSERT_TRUE(m.Visible());
    EXPECT_EQ(m.TypeBatiment, 0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerConstruire);  // going to build
    EXPECT_EQ(Perso(0).Definir_Ressources(Bois), 0.0);
    // Near its castle.
    const ClsJeuBatiment& c = Chateau(0);
    EXPECT_LT(std::abs(m.X - c.X), 3 * Main.Monde.LargeurCase + c.Largeur);
    EXPECT_LT(std::abs(m.Y - c.Y), 3 * Main.Monde.HauteurCase + c.Hauteur);
}

// Earning money: short of it and without the building, the character asks
// for the building; with enough, the next step acts.
TEST_F(ExecuteurIA, GagnerArgent) {
    for (double argent : {50.0, 150.0}) {
        Peupler(1);
        Gisement(BuissonDeBaies, 600, 100);
        Script(0, "GagnerArgent_2=100\nRessource_1=5");
        Perso(0).Definir_Argent(argent);
        IA().Executer_IA(0);
        if (argent < 100) {
            EXPECT_EQ(IA().TypeMaisonVoulue[0], 1);
            EXPECT_EQ(IA().RessourceVoulue[0], -1);
        } else {
            EXPECT_EQ(IA().TypeMaisonVoulue[0], -1);
            EXPECT_EQ(IA().RessourceVoulue[0], Baies);
        }
    }
}

// An item: bought at a workshop of the side that has it in stock.
TEST_F(ExecuteurIA, ObjetAcheteAUnAtelier) {
    Peupler(2);
    const std::int16_t armurerie = TypeOu(&ExecuteurIA::Armurerie);
    ASSERT_GE(armurerie, 0);
    ClsJeuBatiment& atelier = Batir(1, armurerie, 800, 400);
    atelier.Stock_Objets(0, 2);
    Script(0, "Objet_1=1");
    Perso(0).Definir_Argent(500);
    IA().Executer_IA(0);
    EXPECT_EQ(Perso(0).Action, Actions::Entrer);
    EXPECT_EQ(Perso(0).CibleMaison, 1);

    // Inside it, it buys one.
    Perso(0).Arreter();
    Perso(0).DansMaisonCible = true;
    IA().Executer_IA(0);
    EXPECT_EQ(Perso(0).Objet_NombreType(Dague), 1);
    EXPECT_LT(Perso(0).Definir_Argent(), 500);
    EXPECT_EQ(atelier.Stock_Objets(0), 1);
}

// An item nobody has: the character turns to the workshop type that makes
// it, and gathers what the item costs. The goal keeps its own quantity
// while the costs become pending resources.
TEST_F(ExecuteurIA, ObjetAFabriquer) {
    Peupler(1);
    Gisement(Bosquet, 600, 100);
    Script(0, "Objet_1=3");
    IA().Executer_IA(0);
    EXPECT_EQ(IA().ObjetVoulu[0], Dague);
    EXPECT_EQ(IA().QuantiteObjetVoulue[0], 3);
    EXPECT_EQ(IA().TypeMaisonVoulue[0], TypeOu(&ExecuteurIA::Armurerie));
    EXPECT_GE(IA().RessourceVoulue[0], 0);
}

// Work without a house: a building type is chosen.
TEST_F(ExecuteurIA, TravaillerSansMaison) {
    Peupler(1);
    Script(0, "Travailler");
    IA().Executer_IA(0);
    EXPECT_GE(IA().TypeMaisonVoulue[0], 0);
}

// Steps naming what the rules do not have are skipped; a pending goal
// that names nothing is dropped.
TEST_F(ExecuteurIA, ValeursHorsDesTables) {
    Peupler(1);
    Gisement(BuissonDeBaies, 600, 100);
    Script(0, "Ressource_1=5");
    ClsJeuIA2& ia = Main.IA2.AIs.back();
    ia.Ajouter_Etape(0, 3);
    // Before the good step: bad resource, building, item and category.
    ia.Intervertir_Etapes(0, 0, 3);
    ia.Definir_Categorie(0, 0, 0);
    ia.Definir_Valeur(0, 0, 999);
    ia.Definir_Quantite(0, 0, 5);
    ia.Definir_Categorie(0, 1, 1);
    ia.Definir_Valeur(0, 1, -3);
    ia.Definir_Categorie(0, 2, 42);
    IA().RessourceVoulue[0] = 777;
    IA().ObjetVoulu[0] = 999;
    IA().TypeMaisonVoulue[0] = 555;
    IA().Executer_IA(0);
    EXPECT_EQ(IA().ObjetVoulu[0], -1);
    EXPECT_EQ(IA().TypeMaisonVoulue[0], -1);
    EXPECT_EQ(IA().RessourceVoulue[0], Baies);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
}

// Something bought but not sold anywhere near: with money the character
// goes to buy it at the castle. Once it is pending, the castle sells it
// only to a character whose own house makes it; any other goes home to
// work there.
TEST_F(ExecuteurIA, RessourceEnAttenteAcheteeSiLaMaisonLaFait) {
    const std::int16_t pain = 5, maisonSimple = 0, boulangerie = 6;
    ASSERT_EQ(P().Batiment_RessourceFabrique(boulangerie), pain);
    ASSERT_NE(P().Batiment_RessourceFabrique(maisonSimple), pain);
    const struct {
        std::int16_t maison;
        bool achete;
    } cas[] = {{boulangerie, true}, {maisonSimple, false}};
    for (const auto& c : cas) {
        SCOPED_TRACE(c.maison);
        Peupler(1);
        ASSERT_FALSE(P().Ressources_Recoltable(pain));
        Batir(0, c.maison, 300, 400);
        Fief(0).Definir_Ressources(pain, 20);
        Script(0, "Ressource_6=2");
        Perso(0).Definir_Argent(400);
        IA().Executer_IA(0);
        EXPECT_EQ(IA().RessourceVoulue[0], pain);
        EXPECT_EQ(Perso(0).Action, Actions::RetournerChateau);  // back to the castle

        Perso(0).Arreter();
        Perso(0).DansChateau = true;
        IA().Executer_IA(0);
        if (c.achete) {
            EXPECT_EQ(Perso(0).Definir_Ressources(pain), 2.0);
            EXPECT_EQ(Fief(0).Definir_Ressources(pain), 18.0);
            EXPECT_LT(Perso(0).Definir_Argent(), 400);
        } else {
            EXPECT_EQ(Perso(0).Definir_Ressources(pain), 0.0);
            EXPECT_EQ(Fief(0).Definir_Ressources(pain), 20.0);
            EXPECT_EQ(Perso(0).Action, Actions::RentrerMaison) << "sent home";
            EXPECT_EQ(IA().RessourceVoulue[0], pain) << "still wanted";
        }
    }
}

// A hungry scripted character looks after itself before its script.
TEST_F(ExecuteurIA, BesoinsAvantLeScript) {
    Peupler(1);
    const std::int32_t g = Gisement(BuissonDeBaies, 600, 100);
    Gisement(Bosquet, 300, 100);
    Script(0, "Ressource_3=5");
    Perso(0).IA_Manger = true;
    Perso(0).Vie = 1;
    Perso(0).Definir_Argent(0);
    IA().Gestion_IA_Perso(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
    EXPECT_EQ(Perso(0).CibleRessource, g);
}

}  // namespace
