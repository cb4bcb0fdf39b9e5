// The game-state hash: what it sees and what it leaves out, and the twin
// run: the same scripted 1,000-tick battle, played twice in one process,
// gives the same hash at every hundredth tick.
#include <gtest/gtest.h>

#include <vector>

#include "engine/HachageEtat.h"
#include "engine/ModMonde.h"
#include "tests/characters/MondeCombat.h"

namespace {

TEST(HachageEtat, SeesEveryFieldButTheSpeechLineAndWhatIsOnlyDrawn) {
    MondeCombat a, b;
    for (MondeCombat* w : {&a, &b}) {
        w->Fief(0);
        w->Perso(RaceCombat::Humain, 0, 10, 10);
    }
    // The looks are drawn from each world's own generator, seeded alike.
    const std::uint64_t h = Hacher_Etat(a.M());
    EXPECT_EQ(h, Hacher_Etat(b.M()));

    a.Pe(0).Definir_Commentaires("bonjour");
    EXPECT_EQ(Hacher_Etat(a.M()), h);
    // A visual effect is drawn and never read by the rules; a save does
    // not keep it.
    a.M().EffetsPersos[0].Activer_Effet(0, 10, 10, 24, 32, a.P(), true);
    a.M().EffetsPersos[0].Etape = 0.5;
    EXPECT_EQ(Hacher_Etat(a.M()), h);

    struct Cas {
        const char* nom;
        void (*changer)(MondeCombat&);
    };
    const Cas cas[] = {
        {"argent", [](MondeCombat& w) { w.Pe(0).Definir_Argent(1); }},
        {"bestiaire", [](MondeCombat& w) { w.Pe(0).Definir_Bestiaire(1, 1); }},
        {"objet", [](MondeCombat& w) { w.Pe(0).Objet_Inventaire_Charger(0, ObjetCombat::Potion, w.P()); }},
        {"tirage", [](MondeCombat& w) { w.M().Aleatoire.Nombre_Aleatoire(); }},
        {"table", [](MondeCombat& w) { w.M().Aleatoire.Initialiser_Aleatoire(); }},
        {"tresor", [](MondeCombat& w) { w.M().Tresors.Ajouter_Tresor(0, 0, w.P()); }},
        {"fief", [](MondeCombat& w) { w.M().Fiefs[0].Definir_Ressources(1, 2); }},
        {"chateau", [](MondeCombat& w) { w.Ch(0).Argent = 3; }},
        {"tues", [](MondeCombat& w) { w.Pe(0).FragsPersos = 1; }},
        {"pas", [](MondeCombat& w) { w.Pe(0).LongueurPas += 1; }},
        {"ia", [](MondeCombat& w) { w.M().IA.RayonPerso[0] = 64; }},
        {"moins zero", [](MondeCombat& w) { w.Pe(0).ExpVie = -0.0; }},
    };
    for (const Cas& c : cas) {
        MondeCombat w;
        w.Fief(0);
        w.Perso(RaceCombat::Humain, 0, 10, 10);
        ASSERT_EQ(Hacher_Etat(w.M()), h);
        c.changer(w);
        EXPECT_NE(Hacher_Etat(w.M()), h) << c.nom;
    }
}

// ---- The twin run ----

// Two sides meet in the middle of the map: swordsmen (half of them led by
// the built-in AI's reactions), summoners, a healer, a raiser and an area
// attacker on each side, with houses, money and goods to loot.
class Bataille {
public:
    explicit Bataille(std::uint64_t graine) {
        W.M().Aleatoire.Generateur().Semer(graine);
        W.Fief(0, 100, 100);
        W.Fief(1, 1700, 1700);
        for (std::int32_t camp = 0; camp < 2; ++camp) {
            const std::int32_t x0 = camp == 0 ? 700 : 1100, y0 = camp == 0 ? 700 : 1100;
            for (std::int32_t k = 0; k < 24; ++k) {
                const std::int32_t i = W.Perso(RaceCombat::Humain, camp, x0 + 30 * (k % 6), y0 + 40 * (k / 6));
                ClsJeuPerso& p = W.Pe(i);
                p.IA_Active = k % 2 == 0;
                p.Definir_Argent(10 * k);
                p.Definir_Ressources(0, k % 7);
                std::int16_t arme = ObjetCombat::Epee;
                if (k == 3) arme = ObjetCombat::Masse;
                if (k == 5) arme = ObjetCombat::Javelot, p.Definir_Argent(100);
                p.Objet_Equipe_Charger(0, arme, W.P());
                if (k % 4 == 1) p.Objet_Inventaire_Charger(0, ObjetCombat::Potion, W.P());
                p.Actualiser_Bonus();
                p.Attaque = p.Definir_MaxAttaque();
                if (k % 8 == 0) W.Maison(i, BatimentCombat::Cabane, x0 - 200 + 60 * (k / 8), y0 - 150);
                if (k == 1 || k == 2) invocateurs.push_back(i);
                if (k == 4) soigneurs.push_back(i);
                if (k == 6) releveurs.push_back(i);
            }
        }
    }

    void Tick(std::int32_t t) {
        ModMain& m = W.M();
        if (t % 10 == 0) {
            for (std::size_t i = 0; i < m.Persos.size(); ++i) {
                if (!m.Persos[i].Vivant() || !m.Persos[i].Inactif()) continue;
                m.IA.Attaquer_Perso_Proche(static_cast<std::int32_t>(i), false);
                if (m.Persos[i].Inactif()) m.IA.Attaquer_Chateau_Proche(static_cast<std::int32_t>(i), false);
            }
        }
        if (t % 200 == 50)
            for (std::int32_t i : invocateurs) W.Pe(i).CapaciteEnAttente = ObjetCombat::CorLoups;
        if (t % 100 == 25)
            for (std::int32_t i : soigneurs) W.Pe(i).CapaciteEnAttente = ObjetCombat::BaguetteSoin;
        if (t % 250 == 125)
            for (std::int32_t i : releveurs) W.Pe(i).CapaciteEnAttente = ObjetCombat::Parchemin;
        ModMonde::Pas_Monde(m);
    }

    std::vector<std::uint64_t> Jouer(std::int32_t ticks) {
        std::vector<std::uint64_t> empreintes;
        for (std::int32_t t = 0; t < ticks; ++t) {
            Tick(t);
            if ((t + 1) % 100 == 0) empreintes.push_back(Hacher_Etat(W.M()));
        }
        return empreintes;
    }

    MondeCombat W;
    std::vector<std::int32_t> invocateurs, soigneurs, releveurs;
};

TEST(HachageEtat, TheSameBattleTwiceGivesTheSameHashes) {
    Bataille premiere(7), seconde(7);
    const auto a = premiere.Jouer(1000);
    const auto b = seconde.Jouer(1000);
    ASSERT_EQ(a.size(), 10u);
    EXPECT_EQ(a, b);

    // Something did happen: kills, creatures, loot, hashes that move.
    std::int32_t frags = 0, morts = 0;
    for (const ClsJeuPerso& p : premiere.W.M().Persos) {
        frags += p.FragsPersos;
        morts += p.Vivant() ? 0 : 1;
    }
    EXPECT_GT(frags, 5);
    EXPECT_GT(morts, 5);
    EXPECT_GT(premiere.W.M().Persos.size(), 48u);
    for (std::size_t k = 1; k < a.size(); ++k) EXPECT_NE(a[k], a[k - 1]) << k;

    // Another seed plays another battle.
    Bataille autre(8);
    EXPECT_NE(autre.Jouer(1000), a);
}

}  // namespace
