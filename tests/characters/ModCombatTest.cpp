// Blows between characters with scripted draws, worked out by hand from
// the fixture's round coefficients: CoefDegatPerso 0.5, failure chance 0.1
// costing 7, critical chance 0.2 multiplying the attack by 2, 5 ticks of
// immobilisation. Humans have 100 life, 40 attack, 20 defence, no armour.
#include <gtest/gtest.h>

#include "characters/ModCombat.h"
#include "platform/ErreurFichier.h"
#include "tests/characters/MondeCombat.h"

namespace {

class Duel : public ::testing::Test {
protected:
    void SetUp() override {
        W.Fief(0, 0, 0);
        W.Fief(1, 1500, 0);
        a = W.Perso(RaceCombat::Humain, 0, 500, 500);
        t = W.Perso(RaceCombat::Humain, 1, 500, 500);
    }
    ClsJeuPerso& A() { return W.Pe(a); }
    ClsJeuPerso& T() { return W.Pe(t); }
    ModCombat& C() { return W.M().Combat; }

    MondeCombat W;
    std::int32_t a = 0, t = 0;
};

// ---- One blow: failure, hit, critical hit ----

struct CasCoup {
    const char* nom;
    std::vector<float> tirages;
    double attaque;          // the attacker's current attack
    bool kamikaze;
    double vieCible;         // the target's life after the blow
    double defenseCible;     // the target's defence after the blow
    double attaqueApres;     // the attacker's attack after paying
    int tires;               // draws made
    std::string ligne;       // what the attacker says
    double immobilisation;   // the target's immobilisation
};

class Coup : public Duel, public ::testing::WithParamInterface<CasCoup> {};

TEST_P(Coup, SuitLaRegleDuCoup) {
    const CasCoup& c = GetParam();
    A().Attaque = c.attaque;
    A().Kamikaze = c.kamikaze;
    ModRandom& r = W.M().Aleatoire;
    r.TableAleatoire.fill(0.5f);
    for (std::size_t k = 0; k < c.tirages.size(); ++k) r.TableAleatoire[k] = c.tirages[k];
    r.PositionAleatoire = 16;
    r.TableActive = true;

    C().Combat_Perso(A(), T());

    EXPECT_DOUBLE_EQ(T().Vie, c.vieCible);
    EXPECT_DOUBLE_EQ(T().Defense, c.defenseCible);
    EXPECT_DOUBLE_EQ(A().Attaque, c.attaqueApres);
    EXPECT_EQ(W.Tires(), c.tires);
    // Type 2 has three lines.
    if (c.ligne == "trois")
        EXPECT_TRUE(A().Definir_Commentaires() == "un" || A().Definir_Commentaires() == "deux" ||
                    A().Definir_Commentaires() == "trois");
    else
        EXPECT_EQ(A().Definir_Commentaires(), c.ligne);
    EXPECT_DOUBLE_EQ(T().DureeImmobilisation, c.immobilisation);
}

INSTANTIATE_TEST_SUITE_P(
    Combat, Coup,
    ::testing::Values(
        // 40 > 20: 100 - 20 x 0.5; the cost 100 / 0.5 + 20 - 1 = 219 empties
        // the attack; the defence loses 40 down to the armour (0).
        CasCoup{"normal", {0.5f, 0.5f}, 40, false, 90, 0, 0, 2, "", 5},
        // Critical hit at exactly the chance: 100 - (2 x 40 - 20) x 0.5 x 10 / 10.
        CasCoup{"critique", {0.5f, 0.2f}, 40, false, 70, 0, 0, 2, "trois", 5},
        // Critical failure at exactly the chance: the target is untouched
        // and the blow costs 7.
        CasCoup{"echec", {0.1f}, 40, false, 100, 20, 33, 1, "genre 3", 0},
        // A kamikaze never fails.
        CasCoup{"kamikaze", {0.0f, 0.5f}, 40, true, 90, 0, 0, 2, "", 5},
        // Attack equal to the defence: one point, no second draw; the cost
        // is still 219.
        CasCoup{"egale", {0.5f}, 20, false, 99, 0, 0, 1, "", 5},
        CasCoup{"inferieure", {0.5f}, 5, false, 99, 15, 0, 1, "", 5}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Duel, AFailureAtZeroEvenWithNoChanceOfIt) {
    C().ChanceEchecCritique = 0.0f;
    W.Tirages({0.0f});
    C().Combat_Perso(A(), T());
    EXPECT_DOUBLE_EQ(T().Vie, 100);
    EXPECT_DOUBLE_EQ(A().Attaque, 33);
    C().ChanceEchecCritique = 1.0f;
    W.Tirages({0.99f});
    C().Combat_Perso(A(), T());
    EXPECT_DOUBLE_EQ(A().Attaque, 26);
}

TEST_F(Duel, ANegativeCostRaisesTheAttackWithinItsMaximum) {
    // A target with 0.2 life and no defence: the blow kills, and costs
    // 0.2 / 0.5 + 0 - 1 = -0.6.
    T().Vie = 0.2;
    T().Defense = 0;
    A().Attaque = 5;
    W.Tirages({0.5f, 0.5f});
    C().Combat_Perso(A(), T());
    EXPECT_FALSE(T().Vivant());
    EXPECT_DOUBLE_EQ(A().Attaque, 5.6);
}

// ---- The target's answer ----

TEST_F(Duel, APlayerTargetStrikesBackOnlyWhenIdleOrHarvesting) {
    for (std::int16_t action : {0, 100, 2, 1, 6, 201}) {
        T().Vie = 100;
        T().Action = action;
        T().IA_Active = false;
        A().Attaque = 40;
        W.Tirages({0.5f, 0.5f});
        C().Combat_Perso(A(), T());
        const bool riposte = action == 0 || action == 100 || action == 2;
        EXPECT_EQ(T().Action == Actions::Attaquer && T().CiblePerso == a, riposte) << action;
    }
}

TEST_F(Duel, AnAITargetTurnsOnlyOnAStrictlyNearerAttacker) {
    // The target fights c, 30 pixels away by city blocks; the attacker is
    // 20, 30 or 40 away.
    const std::int32_t c = W.Perso(RaceCombat::Humain, 0, 520, 510);
    for (auto [dx, tourne] : {std::pair{20, true}, std::pair{30, false}, std::pair{40, false}}) {
        T().Vie = 100;
        T().IA_Active = true;
        T().Attaquer_Perso(c);
        A().PositionX = 500 + dx;
        A().PositionY = 500;
        A().Attaque = 40;
        W.Tirages({0.5f, 0.5f, 0.5f});
        C().Combat_Perso(A(), T());
        EXPECT_EQ(T().CiblePerso, tourne ? a : c) << dx;
    }
}

// Flight: the target, 40 life, is hit for 10 (30 < 50 and < 100), calls for
// help (one draw per character of the world), then flees on a draw above
// 0.9 to its finished house, else its standing castle, else at random.
struct CasFuite {
    const char* nom;
    bool maison, chateau;
    std::int16_t action;
};

class Fuite : public Duel, public ::testing::WithParamInterface<CasFuite> {};

TEST_P(Fuite, VersLaMaisonLeChateauOuAuHasard) {
    const CasFuite& c = GetParam();
    if (c.maison) W.Maison(t, BatimentCombat::Cabane, 800, 800);
    if (!c.chateau) W.Ch(1).Definir_Vie(0);
    T().PositionX = 500;
    T().PositionY = 600;
    A().PositionY = 600;
    T().Vie = 40;
    T().IA_Active = true;
    // r1, r2, r3 > 0.2, two help draws, r4 > 0.9, then the wander draws.
    W.Tirages({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.95f, 0.75f, 0.25f});
    C().Combat_Perso(A(), T());
    EXPECT_DOUBLE_EQ(T().Vie, 30);
    EXPECT_EQ(T().Action, c.action);
    EXPECT_EQ(A().Definir_Commentaires(), "genre 13");
    if (c.action == 1) {
        // (0.75 x 128 - 64) x 32 + 500 and (0.25 x 96 - 48) x 32 + 600,
        // kept on the map.
        EXPECT_EQ(T().DestinationX, 1524);
        EXPECT_EQ(T().DestinationY, 0);
        EXPECT_EQ(W.Tires(), 8);
    } else {
        EXPECT_EQ(W.Tires(), 6);
    }
}

INSTANTIATE_TEST_SUITE_P(Combat, Fuite,
                         ::testing::Values(CasFuite{"maison", true, true, 101}, CasFuite{"chateau", false, true, 202},
                                           CasFuite{"hasard", false, false, 1}),
                         [](const auto& info) { return std::string(info.param.nom); });

TEST_F(Duel, NoFlightForTheBraveTheSlowOrAtHalfLife) {
    struct Cas {
        const char* nom;
        double vie;
        bool temeraire;
        std::int32_t pasCible;
        bool fuit;
    };
    for (const Cas& c : {Cas{"fuit", 40, false, 6, true}, Cas{"téméraire", 40, true, 6, false},
                         Cas{"plus lent", 40, false, 5, false}, Cas{"à la moitié", 60, false, 6, false}}) {
        T().Vie = c.vie;
        T().IA_Active = true;
        T().IA_Temeraire = c.temeraire;
        T().Arreter();
        T().LongueurPas = c.pasCible;
        A().LongueurPas = 6;
        A().Attaque = 40;
        A().Definir_Commentaires("");
        T().Defense = 20;
        // Life 60 - 10 = 50 is exactly half: no call, no r4.
        W.Tirages({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.95f, 0.5f, 0.5f});
        C().Combat_Perso(A(), T());
        EXPECT_EQ(T().Action != Actions::Attaquer, c.fuit) << c.nom;
        EXPECT_EQ(W.Tires(), c.vie == 60 ? 3 : 6) << c.nom;
    }
}

// ---- The kill ----

TEST_F(Duel, AKillLootsCountsAndPaysTheBounty) {
    const ClsJeuParam& P = W.P();
    W.Maison(a, BatimentCombat::Pavillon, 100, 100);
    T().Vie = 10;
    T().Defense = 0;
    T().Definir_Argent(100);
    T().Definir_Ressources(0, 10);
    T().Objet_Equipe_Charger(0, ObjetCombat::Epee, P);
    T().Objet_Equipe_Charger(6, ObjetCombat::Anneau, P);
    T().Objet_Inventaire_Charger(0, ObjetCombat::Potion, P);
    T().Actualiser_Bonus();
    T().Vie = 10;
    T().Defense = 0;
    const std::int32_t morts = W.M().Fiefs[1].NombreMorts;
    // r1, r2; nine equipment draws (slot 0 taken at 0.4, kept at 0.3; the
    // indestructible ring at 0.1 is never taken), four inventory draws (the
    // potion stays at 0.6).
    W.Tirages({0.5f, 0.5f, 0.4f, 0.3f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.1f, 0.9f, 0.9f, 0.6f, 0.9f, 0.9f, 0.9f});
    C().Combat_Perso(A(), T());

    EXPECT_FALSE(T().Vivant());
    EXPECT_EQ(W.Tires(), 16);
    // The sword taken at once is put on (its 10 attack raise the current 40
    // to 50), then the blow is paid: 10 / 0.5 + 0 - 1 = 19.
    EXPECT_DOUBLE_EQ(A().Attaque, 31);
    EXPECT_EQ(A().Objet_Equipes_Type(0), ObjetCombat::Epee);
    EXPECT_EQ(A().Action, Actions::Attente);
    EXPECT_EQ(A().FragsPersos, 1);
    EXPECT_EQ(A().Definir_Bestiaire(RaceCombat::Humain), 1);
    EXPECT_EQ(W.M().Fiefs[1].NombreMorts, morts + 1);
    // Touching: half the money and resources straight to the killer.
    EXPECT_DOUBLE_EQ(A().Definir_Argent(), 50);
    EXPECT_DOUBLE_EQ(T().Definir_Argent(), 50);
    EXPECT_DOUBLE_EQ(A().Definir_Ressources(0), 5);
    EXPECT_DOUBLE_EQ(T().Definir_Ressources(0), 5);
    EXPECT_EQ(A().Objet_NombreType(ObjetCombat::Epee), 1);
    EXPECT_FALSE(T().Objet_Equipes_Actif(0));
    EXPECT_TRUE(T().Objet_Equipes_Actif(6));
    EXPECT_TRUE(T().Objet_Inventaire_Actif(0));
    EXPECT_EQ(W.M().Tresors.Count(), 0);
    // The bounty: (20 + 40 + 100) x 0.1 x (10 + 10) / 10, into the lodge.
    EXPECT_DOUBLE_EQ(W.Ma(a).Argent, 32);
}

TEST_F(Duel, AStruckBodyIsNotKilledTwice) {
    T().Vivant(false);
    W.Tirages({0.5f, 0.5f});
    C().Combat_Perso(A(), T());
    EXPECT_EQ(A().FragsPersos, 0);
    EXPECT_EQ(T().Morts, 1);
}

TEST_F(Duel, KillingACreatureTurnsAnAIKillerOnItsSummoner) {
    const std::int32_t maitre = W.Perso(RaceCombat::Humain, 1, 700, 500);
    T().Invocateur = maitre;
    T().Vie = 5;
    A().IA_Active = true;
    A().CoefVitesse = 1.0;
    W.Tirages({0.5f, 0.5f});
    C().Combat_Perso(A(), T());
    EXPECT_FALSE(T().Vivant());
    EXPECT_EQ(A().Action, Actions::Attaquer);
    EXPECT_EQ(A().CiblePerso, maitre);
    EXPECT_EQ(A().Definir_Commentaires(), "genre 44");
}

TEST_F(Duel, ACreaturesKillCountsForItsSummoner) {
    const std::int32_t maitre = W.Perso(RaceCombat::Humain, 0, 1800, 1800);
    A().Invocateur = maitre;
    A().IA_Berserk = true;
    T().Vie = 5;
    T().Definir_Argent(40);
    W.Tirages({0.5f, 0.5f});
    C().Combat_Perso(A(), T());
    EXPECT_EQ(W.Pe(maitre).FragsPersos, 1);
    EXPECT_EQ(W.Pe(maitre).Definir_Bestiaire(RaceCombat::Humain), 1);
    EXPECT_EQ(A().FragsPersos, 0);
    // The living summoner loots from afar: a treasure on the victim.
    ASSERT_EQ(W.M().Tresors.Count(), 1);
    EXPECT_DOUBLE_EQ(W.M().Tresors(1).Definir_Argent(), 20);
    EXPECT_DOUBLE_EQ(W.Pe(maitre).Definir_Argent(), 0);
}

// ---- Buildings ----

class Siege : public Duel {
protected:
    void SetUp() override {
        Duel::SetUp();
        W.Maison(t, BatimentCombat::Cabane, 600, 500);
        T().PositionX = 900;
    }
    ClsJeuBatiment& B() { return W.Ma(t); }
};

TEST_F(Siege, ABlowSpendsAtMostTheCapAndTheLife) {
    struct Cas {
        const char* nom;
        double vie;
        double attaque;
        bool kamikaze;
        float max;
        double vieApres;
        double attaqueApres;
    };
    for (const Cas& c : {Cas{"plafond", 300, 40, false, 30, 270, 10}, Cas{"attaque", 300, 20, false, 30, 280, 0},
                         Cas{"kamikaze", 300, 40, true, 30, 260, 0}, Cas{"sans plafond", 300, 40, false, 0, 300, 40},
                         Cas{"vie", 25, 40, true, 30, 0, 15}}) {
        B().Definir_Vie(c.vie);
        B().ReserveVie = 0;
        A().Attaque = c.attaque;
        A().Kamikaze = c.kamikaze;
        C().MaxDegatBatiment = c.max;
        W.Tirages({0.5f, 0.5f, 0.5f});
        C().Combat_Batiment(A(), B(), &T(), -1);
        EXPECT_DOUBLE_EQ(B().Vie, c.vieApres) << c.nom;
        EXPECT_DOUBLE_EQ(A().Attaque, c.attaqueApres) << c.nom;
        B().Definir_Vie(B().MaxVie);
    }
}

TEST_F(Siege, TheOwnerDefendsOrCallsForHelp) {
    T().IA_Active = true;
    // r1 above 0.75 while not fighting: it goes for the attacker.
    W.Tirages({0.8f});
    C().Combat_Batiment(A(), B(), &T(), -1);
    EXPECT_EQ(T().Action, Actions::Attaquer);
    EXPECT_EQ(T().CiblePerso, a);
    EXPECT_EQ(T().Definir_Commentaires(), "genre 4");
    // A bare hand has no effect (-1): nothing is started.
    EXPECT_FALSE(W.M().EffetsMaisons[t].Actif);

    // Fighting: it stays; below half life and r2 above 0.65 it calls.
    A().Objet_Equipe_Charger(0, ObjetCombat::Epee, W.P());
    A().Actualiser_Bonus();
    A().Attaque = 50;
    B().Definir_Vie(100);
    W.Tirages({0.99f, 0.7f, 0.5f, 0.5f});
    C().Combat_Batiment(A(), B(), &T(), -1);
    EXPECT_EQ(W.Tires(), 4);  // r1, r2, one draw per character
    EXPECT_TRUE(W.M().EffetsMaisons[t].Actif);
}

TEST_F(Siege, AFallenHouseIsLootedAndItsOwnerTold) {
    B().Argent = 60;
    B().Definir_Vie(20);
    T().DansMaison = true;
    A().IA_Active = true;
    A().Action = Actions::DetruireMaison;
    A().CibleMaison = t;
    W.Tirages({0.5f});
    C().Combat_Batiment(A(), B(), &T(), -1);
    EXPECT_FALSE(B().Visible());
    EXPECT_EQ(A().FragsMaisons, 1);
    EXPECT_EQ(T().Definir_Commentaires(), "genre 5");
    // Half of the cash lies in a treasure on the house.
    ASSERT_EQ(W.M().Tresors.Count(), 1);
    EXPECT_DOUBLE_EQ(W.M().Tresors(1).Definir_Argent(), 30);
    EXPECT_EQ(W.M().Tresors(1).X, 611);
    EXPECT_EQ(W.M().Tresors(1).Y, 511);
    // The flames of a destroyed house, on the owner's slot.
    EXPECT_TRUE(W.M().EffetsMaisons[t].Actif);
    EXPECT_EQ(W.M().EffetsMaisons[t].TypeEffet, W.P().EffetMaisonDetruite);
    // The owner was inside: the AI attacker goes for it (draw below 0.9).
    EXPECT_EQ(A().Action, Actions::Attaquer);
    EXPECT_EQ(A().CiblePerso, t);
}

TEST_F(Siege, RulesWithoutADestructionEffectDrawNone) {
    // No effect (-1) for a destroyed house: the slot keeps what it showed.
    W.M().Parametres.EffetMaisonDetruite = -1;
    ClsJeuEffet& slot = W.M().EffetsMaisons[static_cast<std::size_t>(t)];
    slot.Activer_Effet(0, 0, 0, 10, 10, W.P(), true);
    slot.Etape = 2;
    B().Definir_Vie(20);
    W.Tirages({0.5f});
    C().Combat_Batiment(A(), B(), &T(), -1);
    EXPECT_FALSE(B().Visible());
    EXPECT_EQ(slot.TypeEffet, 0);
    EXPECT_DOUBLE_EQ(slot.Etape, 2);
}

TEST_F(Siege, AFallenCastleStirsItsFiefAndCounts) {
    ClsJeuBatiment& chateau = W.Ch(1);
    chateau.Definir_Vie(10);
    A().Kamikaze = true;
    // One draw per character: the target (fief 1) speaks on 0.7, not the
    // attacker (fief 0).
    W.Tirages({0.7f, 0.7f});
    C().Combat_Batiment(A(), chateau, nullptr, 1);
    EXPECT_FALSE(chateau.Visible());
    EXPECT_EQ(A().FragsChateaux, 1);
    EXPECT_EQ(W.Tires(), 2);
    EXPECT_EQ(T().Definir_Commentaires(), "genre 12");
    EXPECT_EQ(A().Definir_Commentaires(), "");
    EXPECT_EQ(W.M().Tresors.Count(), 0);
    EXPECT_EQ(W.M().EffetsMaisons[a].TypeEffet, W.P().EffetChateauDetruit);
}

TEST_F(Siege, AStandingCastleCallsItsPeopleOut) {
    ClsJeuBatiment& chateau = W.Ch(1);
    T().IA_Active = true;
    // The member: r 0.95 (sent), r' 0.95 (speaks); then the attacker's r.
    W.Tirages({0.95f, 0.95f, 0.5f});
    C().Combat_Batiment(A(), chateau, nullptr, 1);
    EXPECT_TRUE(chateau.Visible());
    EXPECT_EQ(T().Action, Actions::Attaquer);
    EXPECT_EQ(T().Definir_Commentaires(), "genre 11");
    EXPECT_EQ(W.Tires(), 3);
}

// ---- The area attack ----

TEST_F(Duel, AnAreaAttackStrikesEveryEnemyStrictlyInRange) {
    const ClsJeuParam& P = W.P();
    A().Objet_Equipe_Charger(0, ObjetCombat::Masse, P);
    A().Actualiser_Bonus();
    A().Attaque = A().Definir_MaxAttaque();  // 50
    T().PositionX = 559;                      // 59 away
    const std::int32_t loin = W.Perso(RaceCombat::Humain, 1, 560, 500);   // 60 away
    const std::int32_t ami = W.Perso(RaceCombat::Humain, 0, 510, 500);
    W.Maison(loin, BatimentCombat::Cabane, 520, 520);  // the far one's house, 28 away
    W.Tirages({0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f});
    C().Attaque_Surface(A(), 60);
    // The target took the whole 50 against 20: 100 - 15.
    EXPECT_DOUBLE_EQ(T().Vie, 85);
    EXPECT_DOUBLE_EQ(W.Pe(loin).Vie, 100);
    EXPECT_DOUBLE_EQ(W.Pe(ami).Vie, 100);
    EXPECT_DOUBLE_EQ(W.Ma(loin).Vie, 270);
    EXPECT_DOUBLE_EQ(A().Attaque, 0);

    // Nothing in range: the attack is still spent.
    A().Attaque = 50;
    A().PositionX = 1900;
    A().PositionY = 1900;
    C().Attaque_Surface(A(), 60);
    EXPECT_DOUBLE_EQ(A().Attaque, 0);
}

// ---- Coefficients ----

TEST(ModCombatCoefficients, TheDefaultDataIsBalancedAndComplete) {
    MondeCombat w("persos");
    // The default data's own file (the persos fixture does not lay one).
    const ModCombat& c = w.M().Combat;
    EXPECT_GT(c.CoefDegatPerso, 0.0f);
    EXPECT_GT(c.CoefDegatBatiment, 0.0f);
    EXPECT_GT(c.DureeImmobilisation, 0);
    EXPECT_GT(c.MaxDegatBatiment, 0.0f);
    for (float chance : {c.ChanceCoupCritique, c.ChanceEchecCritique, c.CoefPillageArgentPersoMort,
                         c.CoefPillageRessourcesPersoMort, c.CoefPillageObjetsPersoMort, c.CoefDestructionObjets,
                         c.CoefPillageArgentMaison, c.CoefPillageRessourcesMaison, c.CoefPillageObjetsMaison}) {
        EXPECT_GT(chance, 0.0f);
        EXPECT_LT(chance, 1.0f);
    }
}

TEST(ModCombatCoefficients, AMissingDamageCoefficientIsRefused) {
    DossierTemporaire d;
    d.CopierDonnees();
    d.Ecrire("Ini_Combat.ini", "[Combat]\nCoefDegatBatiment=1\nChanceCoupCritique=0,1\n");
    DossierJeu jeu(d.Chemin());
    try {
        ModMain m(jeu);
        FAIL() << "accepté";
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Combat.ini");
        ASSERT_EQ(e.Details().size(), 1u);
        EXPECT_NE(e.Details()[0].find("CoefDegatPerso"), std::string::npos);
    }
}

TEST(ModCombatCoefficients, KeysReadTheirLeadingNumber) {
    DossierTemporaire d;
    d.CopierDonnees();
    d.Ecrire("Ini_Combat.ini", "[Combat]\nCoefDegatPerso=0.75 par point\nDureeImmobilisation=6.5\n");
    DossierJeu jeu(d.Chemin());
    ModMain m(jeu);
    EXPECT_FLOAT_EQ(m.Combat.CoefDegatPerso, 0.75f);
    EXPECT_EQ(m.Combat.DureeImmobilisation, 6);  // halves to even
    EXPECT_EQ(m.Combat.MaxDegatBatiment, 0.0f);
}

}  // namespace

namespace {

// A whole duel on the game's own fixed table (0.533424, 0.5795186,
// 0.2895625, 0.301948, 0.7747401, 0.01401764, 0.7607236, 0.81449,
// 0.7090379, 0.7055475, then the first six again and 0.7055475 twice),
// blow by blow, attacks and defences refilled between blows as the upkeep
// would. The target is led by the AI; the attacker owns a hunting lodge.
TEST(DuelTableFixe, SuiteCalculeeALaMain) {
    MondeCombat w;
    w.Fief(0, 0, 0);
    w.Fief(1, 1500, 0);
    const std::int32_t a = w.Perso(RaceCombat::Humain, 0, 500, 500);
    const std::int32_t t = w.Perso(RaceCombat::Humain, 1, 500, 500);
    w.Maison(a, BatimentCombat::Pavillon, 100, 100);
    ClsJeuPerso& A = w.Pe(a);
    ClsJeuPerso& T = w.Pe(t);
    T.IA_Active = true;
    T.Objet_Equipe_Charger(0, ObjetCombat::Epee, w.P());
    T.Objet_Inventaire_Charger(1, ObjetCombat::Potion, w.P());
    T.Actualiser_Bonus();
    T.Attaque = T.Definir_MaxAttaque();
    T.Definir_Argent(80);
    ModCombat& C = w.M().Combat;
    C.CoefPillageObjetsPersoMort = 0.8f;
    ModRandom& r = w.M().Aleatoire;
    r.Initialiser_Aleatoire();

    // The first blow: 0.533 no failure, 0.580 no critical: 100 - (40 - 20) x 0.5. The
    // target answers; at 90 it does not call (0.290 drawn all the same).
    C.Combat_Perso(A, T);
    EXPECT_DOUBLE_EQ(T.Vie, 90);
    EXPECT_DOUBLE_EQ(A.Attaque, 0);
    EXPECT_EQ(T.Action, Actions::Attaquer);
    EXPECT_EQ(T.CiblePerso, a);
    EXPECT_EQ(r.PositionAleatoire, 3);

    // The answer (the target's sword: 50 against 20): 0.302, 0.775.
    // The attacker, idle and not AI-led, takes the fight up.
    C.Combat_Perso(T, A);
    EXPECT_DOUBLE_EQ(A.Vie, 85);
    EXPECT_EQ(A.Action, Actions::Attaquer);
    EXPECT_EQ(r.PositionAleatoire, 5);

    // The next blow, 0.014: a critical failure, 7 attack lost, the target untouched.
    A.Attaque = 40;
    T.Defense = 20;
    C.Combat_Perso(A, T);
    EXPECT_DOUBLE_EQ(T.Vie, 90);
    EXPECT_DOUBLE_EQ(A.Attaque, 33);
    EXPECT_EQ(A.Definir_Commentaires(), "genre 3");
    EXPECT_EQ(r.PositionAleatoire, 6);

    // Another blow, 0.761, 0.814: 10 more; 0.709 drawn for the call.
    A.Attaque = 40;
    C.Combat_Perso(A, T);
    EXPECT_DOUBLE_EQ(T.Vie, 80);
    EXPECT_EQ(r.PositionAleatoire, 9);

    // Weakened to 30: 0.706, 0.533, hit to 20; 0.580 above 0.2: the call
    // for help draws once per character (0.290, 0.302; nobody fit answers),
    // then 0.775 is no flight.
    T.Vie = 30;
    T.Defense = 20;
    A.Attaque = 40;
    C.Combat_Perso(A, T);
    EXPECT_DOUBLE_EQ(T.Vie, 20);
    EXPECT_EQ(T.Action, Actions::Attaquer);
    EXPECT_EQ(r.PositionAleatoire, 15);

    // Down to 10 with 0.706, 0.706; 0.533 calls again (0.580, 0.290), 0.302 stays.
    T.Defense = 20;
    A.Attaque = 40;
    C.Combat_Perso(A, T);
    EXPECT_DOUBLE_EQ(T.Vie, 10);
    EXPECT_EQ(r.PositionAleatoire, 4);

    // The last blow, 0.775, then 0.014: a critical hit, 10 - (2 x 40 - 20) x 0.5 x 10 / 10,
    // the kill. Looting, touching: half of the 80 money; the sword (0.761
    // below 0.8, kept on 0.814) and the potion (0.533, kept on 0.580) go to
    // the killer; nine places and four bag slots drawn.
    T.Defense = 20;
    A.Attaque = 40;
    A.Definir_Commentaires("");
    C.Combat_Perso(A, T);
    EXPECT_FALSE(T.Vivant());
    EXPECT_EQ(r.PositionAleatoire, 4);
    EXPECT_DOUBLE_EQ(A.Definir_Argent(), 40);
    EXPECT_EQ(A.Objet_Equipes_Type(0), ObjetCombat::Epee);
    EXPECT_EQ(A.Objet_NombreType(ObjetCombat::Potion), 1);
    EXPECT_FALSE(T.Objet_Equipes_Actif(0));
    EXPECT_EQ(A.FragsPersos, 1);
    // The cost, 10 / 0.5 + 20 - 1 = 39, is paid once the sword is on (the
    // attack 40 grew to 50 with it).
    EXPECT_DOUBLE_EQ(A.Attaque, 11);
    EXPECT_EQ(A.Action, Actions::Attente);
    // The bounty on (20 + 40 + 100) at 0.1, doubled by the competence.
    EXPECT_DOUBLE_EQ(w.Ma(a).Argent, 32);
}

}  // namespace
