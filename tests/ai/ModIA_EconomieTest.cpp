// The economy of a computer-controlled character on the default rules:
// the equipment passes, raw materials and fief purchases, the building
// choice and site, and the work cycle.
#include "tests/ai/MondeIA.h"

namespace {

class EconomieIA : public MondeIA {
protected:
    // Item types of the default rules.
    static constexpr std::int16_t Dague = 0, EpeeCourte = 1, CasqueDeFer = 15, PotionDeSoin = 22, PlumeDePhenix = 27;
    static constexpr std::int16_t Bois = 2, Ble = 4;

    static bool Armurerie(const ClsJeuParam& p, std::int16_t t) { return p.Batiment_Fabrique(t) && p.Batiment_ObjetFabrique(t, 0) == 0; }
    static bool Boulangerie(const ClsJeuParam& p, std::int16_t t) { return p.Batiment_RessourceFabrique(t) == 5; }
    static bool Ferme(const ClsJeuParam& p, std::int16_t t) { return p.Batiment_RessourceFabrique(t) == Ble; }
    static bool Archerie(const ClsJeuParam& p, std::int16_t t) { return p.Batiment_RessourceFabrique(t) == 7; }
};

// An item worth at least the one worn replaces it; a cheaper one stays in
// the bag.
TEST_F(EconomieIA, EquiperAutoPorteCeQuiVautAuMoins) {
    struct Cas {
        std::int16_t porte;   // worn in both hands, -1 none
        std::int16_t sac;     // in the bag
        std::int16_t attendu; // in the first hand afterwards
    };
    const Cas cas[] = {{-1, Dague, Dague}, {Dague, EpeeCourte, EpeeCourte}, {EpeeCourte, Dague, EpeeCourte}};
    for (const Cas& c : cas) {
        Peupler(1);
        ClsJeuPerso& p = Perso(0);
        p.Equiper = true;
        p.Objet_Equipes_Vider_Tout();
        p.Objet_Inventaire_Vider_Tout();
        if (c.porte >= 0) {
            p.Objet_Equipe_Charger(0, c.porte, P());
            p.Objet_Equipe_Charger(1, c.porte, P());
        }
        p.Objet_Inventaire_Charger(3, c.sac, P());
        IA().EmplacementAleatoire = 3;
        IA().Equiper_Auto(0);
        EXPECT_EQ(p.Objet_Equipes_Type(0), c.attendu) << c.sac;
        EXPECT_EQ(IA().EmplacementAleatoire, 5);  // two slots examined
    }
}

// A single-use item waits for a fight; a character whose race wears
// nothing uses nothing; the shared cursor is brought within the served
// character's slots.
TEST_F(EconomieIA, EquiperAutoPotionsRaceEtCurseur) {
    Peupler(1);
    ClsJeuPerso& p = Perso(0);
    p.Equiper = true;
    p.Objet_Inventaire_Vider_Tout();
    p.Objet_Inventaire_Charger(0, PotionDeSoin, P());
    IA().EmplacementAleatoire = 0;
    IA().Equiper_Auto(0);
    EXPECT_TRUE(p.Objet_Inventaire_Actif(0));

    p.Action = Actions::Attaquer;  // fighting: six slots a turn, and the potion is drunk
    IA().EmplacementAleatoire = 500;
    IA().Equiper_Auto(0);
    EXPECT_FALSE(p.Objet_Inventaire_Actif(0));
    EXPECT_EQ(p.CapaciteEnAttente, PotionDeSoin);
    EXPECT_EQ(IA().EmplacementAleatoire, 6);

    Peupler(1);
    Perso(0).Equiper = false;
    Perso(0).Objet_Inventaire_Charger(0, Dague, P());
    IA().EmplacementAleatoire = 0;
    IA().Equiper_Auto(0);
    EXPECT_TRUE(Perso(0).Objet_Inventaire_Actif(0));
    EXPECT_EQ(IA().EmplacementAleatoire, 0);
}

TEST_F(EconomieIA, ObjetsDesMorts) {
    for (bool equiper : {false, true}) {
        Peupler(1);
        ClsJeuPerso& p = Perso(0);
        p.Equiper = equiper;
        p.Objet_Inventaire_Charger(1, PlumeDePhenix, P());
        p.Vivant(false);
        IA().EmplacementAleatoire = 0;
        IA().Utiliser_Objets_Mort(0);
        EXPECT_EQ(p.CapaciteEnAttente, equiper ? PlumeDePhenix : -1);
    }
}

// A raw material that grows on the map is harvested, never bought; one
// that does not is bought at a shop of the side, and only with more than
// one coin.
TEST_F(EconomieIA, ChercherMatierePremiere) {
    Peupler(2);
    const std::int32_t bosquet = Gisement(2, 900, 100);
    Batir(0, TypeOu(&EconomieIA::Archerie), 300, 400);
    Perso(0).Definir_Argent(1000);
    IA().Chercher_Matiere_Premiere(0);
    EXPECT_EQ(Perso(0).Action, Actions::AllerA);
    EXPECT_EQ(Perso(0).CibleRessource, bosquet);
    EXPECT_EQ(Perso(0).Definir_Argent(), 1000);

    for (double argent : {1.0, 50.0}) {
        Peupler(2);
        Batir(0, TypeOu(&EconomieIA::Boulangerie), 300, 400);
        Batir(1, TypeOu(&EconomieIA::Ferme), 600, 400, 20);
        Perso(0).Definir_Argent(argent);
        IA().DistanceRecherche[0] = 2000;
        for (int n = 0; n < 3 && Perso(0).Action == Actions::Attente; ++n) IA().Chercher_Matiere_Premiere(0);
        EXPECT_EQ(Perso(0).Action, argent > 1.0 ? 201 : 0) << argent;
        if (argent > 1.0) {
            EXPECT_EQ(Perso(0).CibleMaison, 1);
        }
    }
}

// At the castle a baker buys all the wheat it can carry and pay for.
TEST_F(EconomieIA, AcheterMatieresFief) {
    Peupler(1);
    Batir(0, TypeOu(&EconomieIA::Boulangerie), 300, 400);
    Fief(0).Definir_Ressources(Ble, 100);
    Perso(0).Definir_Argent(30);
    IA().Acheter_Matieres_Fief(0);
    const double prix = P().Ressources_PrixVente(Ble) * P().CoefficientAchat;
    const double achete = Perso(0).Definir_Ressources(Ble);
    EXPECT_GT(achete, 0.0);
    EXPECT_EQ(Fief(0).Definir_Ressources(Ble), 100 - achete);
    EXPECT_LE(achete * prix, 30.0 + 1e-9);
    EXPECT_GT((achete + 1) * prix, Perso(0).Definir_Argent() + achete * prix - 1e-9);
}

// Nothing affordable: the only type of level 0. Something affordable of a
// higher level: that.
TEST_F(EconomieIA, ChoisirBatiment) {
    Peupler(1);
    EXPECT_EQ(IA().Choisir_Batiment(0, 0, -1), 0);
    Perso(0).Definir_Ressources(Bois, 20);
    Tirages({0.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    const std::int16_t t = IA().Choisir_Batiment(0, 0, -1);
    EXPECT_EQ(P().Batiment_Niveau(t), 1);
    EXPECT_TRUE(Perso(0).PeutConstruire_Maison(t, P()));
}

// The era check asks again for a type of level 0 while the type found
// belongs to a later era; when every such type does, the choice gives up
// instead of asking for ever.
TEST_F(EconomieIA, ChoisirBatimentEpoqueBornee) {
    Peupler(1);
    Fief(0).Epoque = -1;  // before every era: no type of level 0 is allowed
    for (std::int32_t r = 0; r < P().NombreRessources; ++r) Perso(0).Definir_Ressources(r, 30);
    EXPECT_EQ(IA().Choisir_Batiment(0, 0, 0), -1);
}

// A site drawn left of the map moves into the first column of cells; a
// success brings the margin back to the castle's width.
TEST_F(EconomieIA, EmplacementAuBordGauche) {
    Peupler(1);
    ASSERT_EQ(Chateau(0).X, 0);
    // Left of the map, then below the castle.
    Tirages({0.0f, 0.5f, 0.99f});
    std::int32_t x = -1, y = -1;
    ASSERT_TRUE(IA().Chercher_Emplacement_Maison(0, x, y, 0));
    EXPECT_EQ(x, 16);  // half a 32-pixel cell
    const double R = Main.Monde.LargeurCase;
    EXPECT_EQ(y, static_cast<std::int32_t>(std::nearbyint((Chateau(0).Hauteur + 2 * R) * 0.99f + 2000 - R)));
    EXPECT_EQ(IA().RayonEmplacement[0], Chateau(0).Largeur);
}

// Eleven failures in a row leave the margin eleven cells wider.
TEST_F(EconomieIA, EmplacementIntrouvable) {
    Peupler(1, 1, 40);
    // Characters standing everywhere around the castle.
    for (std::int32_t k = 0; k < 40 * 40; ++k) {
        ClsJeuPerso& p = Main.Persos.emplace_back(&Main);
        p.Init(static_cast<std::int32_t>(Main.Persos.size()) - 1, P(), Main.GenerateurPlateforme);
        p.PositionX = (k % 40) * 32;
        p.PositionY = (k / 40) * 32;
        p.Largeur = p.Hauteur = 32;
    }
    IA().RayonEmplacement[0] = 0;
    std::int32_t x = 0, y = 0;
    EXPECT_FALSE(IA().Chercher_Emplacement_Maison(0, x, y, 0));
    EXPECT_EQ(IA().RayonEmplacement[0], 11 * Main.Monde.LargeurCase);
}

TEST_F(EconomieIA, ReparerChateau) {
    Peupler(1);
    Chateau(0).ReserveVie = 0;
    Chateau(0).Definir_Vie(Chateau(0).MaxVie);
    Perso(0).Definir_Argent(100);
    IA().Reparer_Chateau(0);
    EXPECT_EQ(Perso(0).Definir_Argent(), 100);

    Chateau(0).Definir_Vie(Chateau(0).MaxVie / 2.0);
    IA().Reparer_Chateau(0);
    EXPECT_EQ(Perso(0).Definir_Argent(), 49);
    EXPECT_EQ(Fief(0).FondsRestauration, 51);
}

// Two one-handed items of a kind are kept, one of any other; single-use
// items are never sold.
TEST_F(EconomieIA, VendreDoublons) {
    Peupler(1);
    ClsJeuPerso& p = Perso(0);
    p.Objet_Inventaire_Vider_Tout();
    p.Objet_Equipes_Vider_Tout();
    std::int16_t s = 0;
    for (std::int16_t o : {Dague, Dague, Dague, CasqueDeFer, CasqueDeFer, PotionDeSoin, PotionDeSoin})
        p.Objet_Inventaire_Charger(s++, o, P());
    p.Definir_Argent(0);
    IA().Vendre_Doublons(0);  // outside: nothing
    EXPECT_EQ(p.Objet_NombreType(Dague), 3);
    p.DansChateau = true;
    IA().Vendre_Doublons(0);
    EXPECT_EQ(p.Objet_NombreType(Dague), 2);
    EXPECT_EQ(p.Objet_NombreType(CasqueDeFer), 1);
    EXPECT_EQ(p.Objet_NombreType(PotionDeSoin), 2);
    EXPECT_EQ(p.Definir_Argent(), P().Objet_PrixVente(Dague) + P().Objet_PrixVente(CasqueDeFer));
}

// A workshop whose every item belongs to a later era: the redraw is
// bounded, and the owner, with nothing to make, goes to the castle.
TEST_F(EconomieIA, FabriquerObjetTiragesBornes) {
    Peupler(1);
    Batir(0, TypeOu(&EconomieIA::Armurerie), 300, 400);
    Fief(0).Epoque = -1;
    Perso(0).DansMaison = true;
    IA().Fabriquer_Objet(0);
    EXPECT_EQ(Perso(0).Action, Actions::RetournerChateau);
}

// An armourer in another fief's castle sells its wares to that fief.
TEST_F(EconomieIA, VendreAuChateauOuIlSeTrouve) {
    Peupler(2, 2);
    Batir(0, TypeOu(&EconomieIA::Armurerie), 300, 400);
    ClsJeuPerso& p = Perso(0);
    p.Objet_Inventaire_Vider_Tout();
    p.Objet_Inventaire_Charger(2, Dague, P());
    p.Definir_Argent(0);
    p.DansChateauCible = true;
    p.CibleChateau = 1;
    const double bois0 = Fief(0).Definir_Ressources(Bois), bois1 = Fief(1).Definir_Ressources(Bois);
    IA().Vendre_Au_Chateau(0);
    EXPECT_EQ(p.Objet_NombreType(Dague), 0);
    EXPECT_EQ(p.Definir_Argent(), P().Objet_PrixVente(Dague));
    EXPECT_EQ(Fief(1).Definir_Ressources(Bois), bois1 + P().Objet_PrixRessources(Dague, Bois));
    EXPECT_EQ(Fief(0).Definir_Ressources(Bois), bois0);
    EXPECT_TRUE(IA().CourseFaite[0]);
}

// In a workshop, a character that already owns the drawn item buys
// nothing, and its errand still counts as done.
TEST_F(EconomieIA, CourseDansUnAtelier) {
    Peupler(2);
    ClsJeuBatiment& atelier = Batir(1, TypeOu(&EconomieIA::Armurerie), 600, 400);
    for (std::int32_t k = 0; k < P().Batiment_NombreObjetsFabriques(atelier.TypeBatiment); ++k) atelier.Stock_Objets(k, 1);
    ClsJeuPerso& p = Perso(0);
    p.Definir_Argent(1000);
    p.DansMaisonCible = true;
    p.CibleMaison = 1;
    Tirages({0.0f});  // the first item, a dagger
    p.Objet_Inventaire_Charger(0, Dague, P());
    IA().Gestion_Travail(0);
    EXPECT_EQ(p.Objet_NombreType(Dague), 1);
    EXPECT_EQ(p.Definir_Argent(), 1000);
    EXPECT_TRUE(IA().CourseFaite[0]);

    Peupler(2);
    ClsJeuBatiment& atelier2 = Batir(1, TypeOu(&EconomieIA::Armurerie), 600, 400);
    atelier2.Stock_Objets(0, 1);
    Perso(0).Definir_Argent(1000);
    Perso(0).DansMaisonCible = true;
    Perso(0).CibleMaison = 1;
    IA().CourseFaite[0] = false;  // the errand flag outlives a game
    Tirages({0.0f});
    IA().Gestion_Travail(0);
    EXPECT_EQ(Perso(0).Objet_NombreType(Dague), 1);
    EXPECT_LT(Perso(0).Definir_Argent(), 1000);
}

}  // namespace
