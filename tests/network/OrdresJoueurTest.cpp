// Every kind of player order, from one world state: given without a
// session it acts at once; given on one of two machines in lock-step over
// 127.0.0.1 it acts on both at the turn's replay; the three worlds end
// alike and the order visibly did what it says. An order to a selection
// reaches the leader whole, so that it says the line for one member or
// for several, and a selection too long for one message still does. A
// received order whose numbers name nothing, that names another player's
// character or a creature its sender does not lead, or that carries a
// number it does not use, does nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "characters/ClsJeuPerso.h"
#include "display/ClsPerEcran.h"
#include "engine/HachageEtat.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "interface/ClsInterface.h"
#include "network/MessageReseau.h"
#include "network/PartieReseau.h"
#include "tests/characters/ReglesPersos.h"
#include "tests/network/Sessions.h"

using ModCommandes::Ordre;

namespace {

// House types of the default data: a plain one, a shop, a workshop, one
// with a service.
struct Types {
    std::int16_t Maison = -1, Magasin = -1, Atelier = -1, Service = -1;
    explicit Types(const ClsJeuParam& P) {
        for (std::int16_t b = 0; b < P.NombreTypeBatiments; ++b) {
            const bool produit = P.Batiment_RessourceFabrique(b) >= 0;
            if (Maison < 0 && !produit && !P.Batiment_Fabrique(b) && P.Batiment_Service(b) == 0) Maison = b;
            if (Magasin < 0 && produit && P.Batiment_Magasin(b)) Magasin = b;
            if (Atelier < 0 && P.Batiment_Fabrique(b) && P.Batiment_NombreObjetsFabriques(b) > 0) Atelier = b;
            if (Service < 0 && P.Batiment_Service(b) != 0) Service = b;
        }
    }
};

// Two machines in a session, each with its world, and a third world built
// from the same choices that plays without a session.
class OrdresJoueur : public ::testing::Test {
protected:
    void SetUp() override {
        m = std::make_unique<Machines>(2, "1", true);
        // Speech type t says "genre t": the leader's line names its type.
        for (auto& d : m->dossiers) EcrireCommentairesEssai(*d);
        ASSERT_TRUE(m->Ouvrir());
        SetupChoices c = ChoixPartieReseau(2);
        for (std::size_t i = 0; i < 3; ++i) {
            mondes.push_back(std::make_unique<ModMain>(*m->jeux[i % 2]));
            ModMain& w = *mondes.back();
            w.Charger_Parametres();
            c.NumeroJoueurReseau = static_cast<std::int32_t>(i % 2);
            w.Creer_Partie(c);
            ASSERT_FALSE(w.FinPartie);
            ASSERT_GE(w.Persos.size(), 6u);
            if (i == 2) continue;
            w.Reseau = &(*m)[i];
            (*m)[i].Reseau_EnJeu = true;
            (*m)[i].Partie_Debut();
            parties.push_back(std::make_unique<PartieReseau>(w, *w.Reseau, 1));
            // The turn replays the orders only: what they did stays to be seen.
            parties.back()->Tick = [] {};
        }
        ASSERT_EQ(Hacher_Parties(*mondes[0]), Hacher_Parties(*mondes[1]));
        ASSERT_EQ(Hacher_Parties(*mondes[0]), Hacher_Parties(*mondes[2]));
    }

    void Partout(const std::function<void(ModMain&)>& f) {
        for (auto& w : mondes) f(*w);
    }
    ModMain& Seul() { return *mondes[2]; }
    // One turn of both machines, with the fingerprints' check.
    void Tour() {
        for (auto& p : parties) p->Terminer_Tour();
        ASSERT_TRUE(m->Jusqua([&] { return parties[0]->Tour_Pret() && parties[1]->Tour_Pret(); }));
        for (auto& p : parties) ASSERT_TRUE(p->Tour_Suivant()) << p->Erreur;
    }

    std::unique_ptr<Machines> m;
    std::vector<std::unique_ptr<ModMain>> mondes;  // 0, 1: the machines; 2: without a session
    std::vector<std::unique_ptr<PartieReseau>> parties;
};

ClsJeuPerso& Pj(ModMain& w, std::int32_t p) { return w.Persos[static_cast<std::size_t>(p)]; }
// A creature led by p: a villager of the world, summoned by p for the test.
std::int32_t Creature(const ModMain& w, std::int32_t p) { return static_cast<std::int32_t>(w.Persos.size()) - 1 - p; }

void Chateau(ModMain& w, std::int32_t p) {
    ClsJeuPerso& c = Pj(w, p);
    c.DansChateau = true;
    c.DansChateauCible = false;
    c.Definir_Argent(10000);
}
// p's house of type t, built and entered (Visite: the other player's house,
// visited by p).
void Maison(ModMain& w, std::int32_t p, std::int16_t t, bool Visite = false) {
    const std::int32_t proprietaire = Visite ? 1 - p : p;
    ClsJeuPerso& o = Pj(w, proprietaire);
    for (std::int32_t r = 0; r < w.Parametres.NombreRessources; ++r)
        o.Definir_Ressources(r, o.Definir_Ressources(r) + w.Parametres.Batiment_Prix(t, r));
    ClsJeuBatiment& b = w.Maisons[static_cast<std::size_t>(proprietaire)];
    b.Creer(200 + 300 * proprietaire, 600, t, o, w.Parametres);
    b.Definir_Vie(b.MaxVie);
    ClsJeuPerso& c = Pj(w, p);
    c.DansChateau = c.DansChateauCible = false;
    c.DansMaison = !Visite;
    c.DansMaisonCible = Visite;
    c.CibleMaison = proprietaire;
    c.Definir_Argent(10000);
}
// Out of every building, idle.
void Dehors(ModMain& w, std::int32_t p) {
    ClsJeuPerso& c = Pj(w, p);
    c.DansChateau = c.DansChateauCible = c.DansMaison = c.DansMaisonCible = false;
    c.Arreter();
}
// A second one, for a selection of two.
std::int32_t Creature2(const ModMain& w, std::int32_t p) { return static_cast<std::int32_t>(w.Persos.size()) - 3 - p; }
void Mener_Creature(ModMain& w, std::int32_t p, std::int32_t Creature) {
    ClsJeuPerso& s = Pj(w, Creature);
    s.Invocateur = p;
    s.Vivant(true);
    s.IA_Active = true;
    s.Aller_A(s.PositionX + 200, s.PositionY);
    ++Pj(w, p).NombreInvocations;
}
void Mener(ModMain& w, std::int32_t p) {
    Pj(w, p).NombreInvocations = 0;
    Mener_Creature(w, p, Creature(w, p));
}
// The leader speaks, in its own lines, and has nothing to say yet.
void Muet(ModMain& w, std::int32_t p) {
    Pj(w, p).Parole = true;
    Pj(w, p).ParoleSpecifique = false;
    Pj(w, p).Definir_Commentaires("");
}
// The first edible resource that gives life.
std::int32_t Nourriture(const ModMain& w) {
    for (std::int32_t r = 0; r < w.Parametres.NombreRessources; ++r)
        if (w.Parametres.Ressources_Mangeable(r) && w.Parametres.Ressources_GainVie(r) > 0) return r;
    return -1;
}
void Affame(ModMain& w, std::int32_t p) {
    ClsJeuPerso& c = Pj(w, p);
    c.Definir_Ressources(Nourriture(w), 50);
    c.Definir_Vie(c.Definir_MaxVie() / 2);
}
// The first item type that is worn and not used up.
std::int16_t Equipable(const ModMain& w) {
    for (std::int16_t o = 0; o < w.Parametres.NombreTypesObjets; ++o)
        if (!w.Parametres.Objet_Utilisable(o) && w.Parametres.Objet_Categorie(o) >= 0) {
            return o;
        }
    return -1;
}
void Objet(ModMain& w, std::int32_t p) {
    Pj(w, p).Objet_Ajouter_Inventaire(Equipable(w), w.Parametres, w.Commentaires);
}
std::int32_t Tresor(ModMain& w, std::int32_t p) {
    return w.Tresors.Ajouter_Tresor(Pj(w, p).PositionX + 300, Pj(w, p).PositionY, w.Parametres);
}

struct Cas {
    const char* nom;
    Ordre o;
    // The state the order needs, made alike in every world.
    std::function<void(ModMain&, std::int32_t)> preparer;
    // The order's numbers in that state.
    std::function<std::array<std::int32_t, 3>(ModMain&, std::int32_t)> nombres;
    // What the order must change.
    std::function<double(ModMain&, std::int32_t)> mesure;
};

double Argent(ModMain& w, std::int32_t p) { return Pj(w, p).Definir_Argent(); }
double Action(ModMain& w, std::int32_t p) { return Pj(w, p).Action; }
double ActionCreature(ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).Action; }
double Personnages(ModMain& w, std::int32_t) { return static_cast<double>(Hacher_Parties(w)[0] >> 12); }

std::vector<Cas> TousLesCas(const Types& T) {
    using N = std::array<std::int32_t, 3>;
    auto rien = [](ModMain&, std::int32_t) {};
    auto fixes = [](std::int32_t x, std::int32_t y = 0, std::int32_t z = 0) {
        return [=](ModMain&, std::int32_t) { return N{x, y, z}; };
    };
    auto ressource0 = [](ModMain& w, std::int32_t p) { return Pj(w, p).Definir_Ressources(0); };
    auto enMain = [](ModMain& w, std::int32_t p) { Pj(w, p).Definir_Argent(500), Pj(w, p).Argent_Prendre(0, true); };
    auto produit = [T](ModMain& w, std::int32_t p) {
        return Pj(w, p).Definir_Ressources(w.Parametres.Batiment_RessourceFabrique(T.Magasin));
    };
    auto atelier = [T](bool Visite, double Stock) {
        return [=](ModMain& w, std::int32_t p) {
            Maison(w, p, T.Atelier, Visite);
            w.Maisons[static_cast<std::size_t>(Pj(w, p).CibleMaison)].Stock_Objets(0, Stock);
            for (std::int32_t r = 0; r < w.Parametres.NombreRessources; ++r) Pj(w, p).Definir_Ressources(r, 500);
        };
    };
    auto objetsDu = [T](ModMain& w, std::int32_t p) {
        return static_cast<double>(Pj(w, p).Objet_NombreType(w.Parametres.Batiment_ObjetFabrique(T.Atelier, 0)));
    };
    return {
        {"manger", Ordre::Manger, Affame, [](ModMain& w, std::int32_t) { return N{Nourriture(w), 0, 0}; },
         [](ModMain& w, std::int32_t p) { return Pj(w, p).Definir_Ressources(Nourriture(w)); }},
        {"vendre", Ordre::Vendre, [](ModMain& w, std::int32_t p) { Chateau(w, p), Pj(w, p).Definir_Ressources(0, 50); },
         fixes(0, 1), ressource0},
        {"vendre tout", Ordre::VendreTout,
         [](ModMain& w, std::int32_t p) { Chateau(w, p), Pj(w, p).Definir_Ressources(0, 50); }, fixes(2), ressource0},
        {"acheter au chateau", Ordre::AcheterChateau,
         [](ModMain& w, std::int32_t p) { Chateau(w, p), w.Fiefs[static_cast<std::size_t>(Pj(w, p).Equipe)].Definir_Ressources(0, 500); },
         fixes(0, 1), ressource0},
        {"restaurer", Ordre::Restaurer,
         [](ModMain& w, std::int32_t p) {
             Chateau(w, p);
             ClsJeuBatiment& c = w.Chateaux[static_cast<std::size_t>(Pj(w, p).Equipe)];
             c.Definir_Vie(c.MaxVie / 2.0);
         },
         fixes(1), Argent},
        {"deposer l'argent", Ordre::ArgentDeposer, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison); }, fixes(1),
         Argent},
        {"prendre l'argent", Ordre::ArgentPrendre,
         [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison), w.Maisons[static_cast<std::size_t>(p)].Argent = 300; },
         fixes(2), Argent},
        {"deposer le stock", Ordre::StockDeposer,
         [T](ModMain& w, std::int32_t p) {
             Maison(w, p, T.Magasin);
             Pj(w, p).Definir_Ressources(w.Parametres.Batiment_RessourceFabrique(T.Magasin), 40);
         },
         fixes(1), produit},
        {"prendre le stock", Ordre::StockPrendre,
         [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Magasin), w.Maisons[static_cast<std::size_t>(p)].Definir_Stock(30); },
         fixes(1), produit},
        {"acheter au magasin", Ordre::AcheterMagasin,
         [T](ModMain& w, std::int32_t p) {
             Maison(w, p, T.Magasin, true);
             w.Maisons[static_cast<std::size_t>(1 - p)].Definir_Stock(30);
         },
         fixes(1), produit},
        {"prendre en main", Ordre::RessourcesPrendre, [](ModMain& w, std::int32_t p) { Pj(w, p).Definir_Ressources(0, 50); },
         fixes(0, 1), Personnages},
        {"argent en main", Ordre::ArgentMain, [](ModMain& w, std::int32_t p) { Pj(w, p).Definir_Argent(500); }, fixes(0),
         [](ModMain& w, std::int32_t p) { return Pj(w, p).ArgentSelectionne; }},
        {"service", Ordre::Service,
         [T](ModMain& w, std::int32_t p) {
             Maison(w, p, T.Service, true);
             w.Maisons[static_cast<std::size_t>(1 - p)].Definir_Stock(5);
             // A resurrection is for the dead.
             if (w.Parametres.Batiment_Service(T.Service) == 1) Pj(w, p).Vivant(false);
             else Pj(w, p).Definir_Vie(1);
         },
         fixes(0), Personnages},
        {"ramasser un objet", Ordre::ObjetRamasser, atelier(false, 1), fixes(0), objetsDu},
        {"acheter un objet", Ordre::ObjetAcheter, atelier(true, 1), fixes(0), objetsDu},
        {"fabriquer", Ordre::Fabriquer, atelier(false, 0), fixes(0), Action},
        {"arreter", Ordre::Arreter, [](ModMain& w, std::int32_t p) { Pj(w, p).Aller_A(900, 900); }, fixes(0), Action},
        {"emplacement", Ordre::Emplacement, Objet, fixes(0, 0),
         [](ModMain& w, std::int32_t p) { return Pj(w, p).IndiceObjetSelectionne; }},
        {"raccourci", Ordre::Raccourci, Objet, fixes(1), Personnages},
        {"recuperer", Ordre::Recuperer, Affame, fixes(0),
         [](ModMain& w, std::int32_t p) { return Pj(w, p).Definir_Vie(); }},
        {"ressource proche", Ordre::RessourceProche, rien,
         [](ModMain& w, std::int32_t) { return N{w.Ressources[0].TypeTerrainRessource, 0, 0}; }, Action},
        {"attaquer au plus proche", Ordre::AttaquerProche, Dehors, fixes(2, 0), Action},
        {"tresor proche", Ordre::TresorProche, [](ModMain& w, std::int32_t p) { Tresor(w, p); }, fixes(0), Action},
        {"mode automatique", Ordre::ModeAuto, rien, fixes(0),
         [](ModMain& w, std::int32_t p) { return Pj(w, p).IA_Active ? 1.0 : 0.0; }},
        {"arreter la suite", Ordre::ArreterSuite, Mener, fixes(0), ActionCreature},
        {"charger", Ordre::Charger, Mener, [](ModMain&, std::int32_t p) { return N{0, 1 - p, 0}; }, ActionCreature},
        {"attitude", Ordre::Attitude, rien, fixes(0), [](ModMain& w, std::int32_t p) { return Pj(w, p).Attitude; }},
        {"formation", Ordre::Formation, Mener, fixes(1), [](ModMain& w, std::int32_t p) { return Pj(w, p).Formation; }},
        {"demolir", Ordre::Demolir, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison); }, fixes(0),
         [](ModMain& w, std::int32_t p) { return w.Maisons[static_cast<std::size_t>(p)].Vie; }},
        // Every character of the world draws whether it hears the call.
        {"aide", Ordre::Aide, rien, fixes(0),
         [](ModMain& w, std::int32_t) { return static_cast<double>(Hacher_Parties(w)[4] >> 12); }},
        {"maison suivante", Ordre::MaisonSuivante,
         [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison), Dehors(w, p); },
         [T](ModMain&, std::int32_t) { return N{T.Maison, 0, 0}; }, Action},
        {"ia des creatures", Ordre::IAInvocations, Mener, fixes(0),
         [](ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).IA_Active ? 1.0 : 0.0; }},
        {"ia d'une creature", Ordre::GroupeIA, Mener, [](ModMain& w, std::int32_t p) { return N{Creature(w, p), 0, 0}; },
         [](ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).IA_Active ? 1.0 : 0.0; }},
        // To a selection: the creature the player leads.
        {"creature arretee", Ordre::GroupeArreter, Mener, fixes(0), ActionCreature},
        {"creature attaque", Ordre::GroupeAttaquer, Mener, [](ModMain&, std::int32_t p) { return N{0, 1 - p, 0}; },
         ActionCreature},
        {"creature deplacee", Ordre::GroupeDeplacer, Mener, fixes(333, 444),
         [](ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).DestinationX; }},
        {"creature au chateau", Ordre::GroupeRentrer, Mener,
         [](ModMain& w, std::int32_t p) { return N{1, Pj(w, p).Equipe, 0}; },
         [](ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).Suivre; }},
        {"creature renvoyee", Ordre::GroupeSupprimer, Mener, fixes(0),
         [](ModMain& w, std::int32_t p) { return Pj(w, Creature(w, p)).Vivant() ? 1.0 : 0.0; }},
        {"aller au chateau", Ordre::AllerBatiment, rien,
         [](ModMain& w, std::int32_t p) { return N{1, 1 - Pj(w, p).Equipe, 0}; }, Action},
        {"attaquer", Ordre::AttaquerCible, rien, [](ModMain&, std::int32_t p) { return N{0, 1 - p, 0}; }, Action},
        {"aller au tresor", Ordre::AllerTresor, rien, [](ModMain& w, std::int32_t p) { return N{Tresor(w, p), 0, 0}; },
         Action},
        {"donner", Ordre::Donner, enMain, [](ModMain&, std::int32_t p) { return N{1 - p, 0, 0}; }, Action},
        {"deposer au sol", Ordre::Deposer, enMain, fixes(0),
         [](ModMain& w, std::int32_t) { return static_cast<double>(w.Tresors.Count()); }},
        {"lacher", Ordre::Lacher, enMain, fixes(0), [](ModMain& w, std::int32_t p) { return Pj(w, p).ArgentSelectionne; }},
    };
}

}  // namespace

TEST_F(OrdresJoueur, ChaqueOrdreAgitPareilSansSessionEtSurLesDeuxMachines) {
    const Types T(Seul().Parametres);
    ASSERT_GE(T.Maison, 0);
    ASSERT_GE(T.Magasin, 0);
    ASSERT_GE(T.Atelier, 0);
    ASSERT_GE(T.Service, 0);
    const std::vector<Cas> cas = TousLesCas(T);
    std::vector<bool> vu(ModCommandes::NombreOrdres, false);
    for (std::size_t k = 0; k < cas.size(); ++k) {
        const Cas& c = cas[k];
        SCOPED_TRACE(c.nom);
        vu[static_cast<std::size_t>(c.o)] = true;
        // Each machine's player in turn.
        const auto p = static_cast<std::int32_t>(k % 2);
        std::array<std::int32_t, 3> n{};
        for (auto& w : mondes) {
            c.preparer(*w, p);
            n = c.nombres(*w, p);
        }
        ASSERT_EQ(Hacher_Parties(*mondes[p]), Hacher_Parties(Seul()));
        const double avant = c.mesure(Seul(), p);
        for (ModMain* w : {&Seul(), mondes[static_cast<std::size_t>(p)].get()}) {
            if (ModCommandes::Selection(c.o)) ModCommandes::Commande_Groupe(*w, p, {Creature(*w, p)}, c.o, n[0], n[1]);
            else ModCommandes::Commande(*w, p, c.o, n[0], n[1], n[2]);
        }
        // Sent, not yet given.
        EXPECT_EQ(c.mesure(*mondes[static_cast<std::size_t>(p)], p), avant);
        Tour();
        EXPECT_NE(c.mesure(Seul(), p), avant);
        for (std::size_t i = 0; i < 2; ++i) {
            EXPECT_EQ(c.mesure(*mondes[i], p), c.mesure(Seul(), p)) << "machine " << i;
            EXPECT_EQ(Hacher_Parties(*mondes[i]), Hacher_Parties(Seul())) << "machine " << i;
        }
    }
    for (int o = 0; o < ModCommandes::NombreOrdres; ++o)
        EXPECT_TRUE(vu[static_cast<std::size_t>(o)]) << ModCommandes::Code(static_cast<Ordre>(o));
}

TEST_F(OrdresJoueur, UnOrdreAuxNombresFauxNeFaitRien) {
    const Types T(Seul().Parametres);
    ModMain& w = Seul();
    const std::int32_t p = 0;
    const auto N = static_cast<std::int32_t>(w.Persos.size());
    const std::int32_t R = w.Parametres.NombreRessources;
    struct Faux {
        Ordre o;
        std::function<void(ModMain&, std::int32_t)> preparer;
        double x, y, z;
    };
    auto rien = [](ModMain&, std::int32_t) {};
    const std::vector<Faux> faux = {
        // Nothing in hand, no house standing.
        {Ordre::Deposer, rien, 0, 0, 0},
        {Ordre::Demolir, rien, 0, 0, 0},
        {Ordre::Manger, Affame, static_cast<double>(R), 0, 0},
        {Ordre::Manger, Affame, -1, 0, 0},
        {Ordre::Vendre, Chateau, 0, 3, 0},
        {Ordre::Vendre, Chateau, static_cast<double>(R), 0, 0},
        {Ordre::VendreTout, Chateau, 3, 0, 0},
        {Ordre::AcheterChateau, Chateau, -2, 1, 0},
        {Ordre::Restaurer, Chateau, -1, 0, 0},
        {Ordre::ArgentDeposer, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison); }, 7, 0, 0},
        {Ordre::ArgentPrendre, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison); }, 3, 0, 0},
        // A plain house is no shop.
        {Ordre::StockPrendre, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison); }, 1, 0, 0},
        {Ordre::AcheterMagasin, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Maison, true); }, 1, 0, 0},
        {Ordre::RessourcesPrendre, rien, 0, 2, 0},
        {Ordre::ArgentMain, rien, 2, 0, 0},
        {Ordre::ObjetRamasser, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Atelier); }, 1000, 0, 0},
        {Ordre::ObjetAcheter, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Atelier, true); }, 0, 0, 0},
        {Ordre::Fabriquer, [T](ModMain& w, std::int32_t p) { Maison(w, p, T.Atelier); }, -1, 0, 0},
        {Ordre::Emplacement, Objet, 5000, 0, 0},
        {Ordre::Emplacement, Objet, 0, 2, 0},
        {Ordre::Recuperer, Affame, 4, 0, 0},
        {Ordre::RessourceProche, rien, 8, 0, 0},
        {Ordre::AttaquerProche, rien, 3, 0, 0},
        {Ordre::AttaquerProche, rien, 0, 16, 0},
        {Ordre::Charger, Mener, 0, static_cast<double>(N), 0},
        {Ordre::Charger, Mener, 5, -1, 0},
        {Ordre::Formation, rien, 2, 0, 0},
        {Ordre::MaisonSuivante, rien, 1e6, 0, 0},
        {Ordre::IAInvocations, Mener, -1, 0, 0},
        // A creature the sender does not lead: another player's character.
        {Ordre::GroupeIA, Mener, 1, 0, 0},
        {Ordre::AllerBatiment, rien, 1, 99, 0},
        {Ordre::AllerBatiment, rien, 2, 0, 0},
        {Ordre::AttaquerCible, rien, 0, static_cast<double>(N), 0},
        {Ordre::AllerTresor, rien, 0, 0, 0},
        {Ordre::AllerTresor, rien, 1e9, 0, 0},
        {Ordre::Donner, rien, -3, 0, 0},
    };
    auto Rejouer = [&](std::int32_t joueur, std::int32_t noperso, Ordre o, double x, double y, double z) {
        MessageCom msg{noperso, ModCommandes::Code(o), x, y, z};
        return ModCommandes::Rejouer_Ordre(w, joueur, msg);
    };
    for (const Faux& f : faux) {
        SCOPED_TRACE(std::string(ModCommandes::Code(f.o)) + " " + std::to_string(f.x) + " " + std::to_string(f.y));
        f.preparer(w, p);
        const std::uint64_t h = Hacher_Etat(w);
        EXPECT_FALSE(Rejouer(p, p, f.o, f.x, f.y, f.z));
        EXPECT_EQ(Hacher_Etat(w), h);
    }
    // Every kind: a number that is no number, an order of another player's
    // character, and a number in a place the order does not use.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    Mener(w, p);
    for (int k = 0; k < ModCommandes::NombreOrdres; ++k) {
        const auto o = static_cast<Ordre>(k);
        SCOPED_TRACE(ModCommandes::Code(o));
        const std::uint64_t h = Hacher_Etat(w);
        EXPECT_FALSE(Rejouer(p, p, o, nan, 0, 0));
        EXPECT_FALSE(Rejouer(p, p, o, 0, 0, std::numeric_limits<double>::infinity()));
        EXPECT_FALSE(Rejouer(p, 1, o, 0, 0, 0));
        EXPECT_FALSE(Rejouer(1, p, o, 0, 0, 0));
        if (o != Ordre::Raccourci && o != Ordre::Charger) {
            EXPECT_FALSE(Rejouer(p, p, o, 0, 0, 1));
        }
        EXPECT_EQ(Hacher_Etat(w), h);
    }
}

// Each order to a selection, to one creature and to two: the leader gives
// it once and says the line for one member or for several, the same on
// both machines and without a session; a stop to an empty selection is
// still announced.
TEST_F(OrdresJoueur, LeChefDitLaLigneDeSaSelectionEntiere) {
    using N = std::array<std::int32_t, 2>;
    auto autreChateau = [](ModMain& w, std::int32_t p) {
        return static_cast<std::int32_t>((Pj(w, p).Equipe + 1) % static_cast<std::int32_t>(w.Chateaux.size()));
    };
    struct CasLigne {
        const char* nom;
        Ordre o;
        std::function<N(ModMain&, std::int32_t)> nombres;
        const char* un;
        const char* plusieurs;
    };
    const std::vector<CasLigne> cas = {
        {"attaque d'un personnage", Ordre::GroupeAttaquer, [](ModMain&, std::int32_t p) { return N{0, 1 - p}; },
         "genre 25", "genre 26"},
        {"attaque d'une maison", Ordre::GroupeAttaquer, [](ModMain&, std::int32_t p) { return N{1, 1 - p}; },
         "genre 27", "genre 28"},
        {"attaque d'un chateau", Ordre::GroupeAttaquer, [&](ModMain& w, std::int32_t p) { return N{2, autreChateau(w, p)}; },
         "genre 29", "genre 30"},
        {"dans sa maison", Ordre::GroupeRentrer, [](ModMain&, std::int32_t p) { return N{0, p}; }, "genre 36",
         "genre 37"},
        {"dans une autre maison", Ordre::GroupeRentrer, [](ModMain&, std::int32_t p) { return N{0, 1 - p}; },
         "genre 38", "genre 39"},
        {"dans son chateau", Ordre::GroupeRentrer, [](ModMain& w, std::int32_t p) { return N{1, Pj(w, p).Equipe}; },
         "genre 40", "genre 41"},
        {"dans un autre chateau", Ordre::GroupeRentrer, [&](ModMain& w, std::int32_t p) { return N{1, autreChateau(w, p)}; },
         "genre 42", "genre 43"},
        {"deplacement", Ordre::GroupeDeplacer, [](ModMain&, std::int32_t) { return N{300, 300}; }, "genre 23",
         "genre 23"},
        {"arret", Ordre::GroupeArreter, [](ModMain&, std::int32_t) { return N{0, 0}; }, "genre 21", "genre 21"},
    };
    // Player p's selection: its creature, or two, or none at all.
    auto Jouer = [&](Ordre o, std::int32_t p, int membres, const std::function<N(ModMain&, std::int32_t)>& nombres,
                     const char* ligne) {
        std::vector<std::int32_t> groupe;
        N n{};
        for (auto& w : mondes) {
            Mener(*w, p);
            if (membres > 1) Mener_Creature(*w, p, Creature2(*w, p));
            Muet(*w, p);
            groupe.clear();
            if (membres > 0) groupe.push_back(Creature(*w, p));
            if (membres > 1) groupe.push_back(Creature2(*w, p));
            n = nombres(*w, p);
        }
        for (ModMain* w : {&Seul(), mondes[static_cast<std::size_t>(p)].get()})
            ModCommandes::Commande_Groupe(*w, p, groupe, o, n[0], n[1]);
        EXPECT_EQ(Pj(*mondes[static_cast<std::size_t>(p)], p).Definir_Commentaires(), "") << "avant le tour";
        // One order, whatever the number of members.
        EXPECT_EQ((*m)[static_cast<std::size_t>(p)].Messages_Joueur(static_cast<std::size_t>(p)).NombreMessages, 1);
        Tour();
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(Pj(*mondes[i], p).Definir_Commentaires(), ligne) << "monde " << i;
            EXPECT_EQ(Hacher_Parties(*mondes[i]), Hacher_Parties(Seul())) << "monde " << i;
        }
    };
    for (std::size_t k = 0; k < cas.size(); ++k) {
        const CasLigne& c = cas[k];
        const auto p = static_cast<std::int32_t>(k % 2);
        SCOPED_TRACE(c.nom);
        {
            SCOPED_TRACE("un membre");
            Jouer(c.o, p, 1, c.nombres, c.un);
        }
        {
            SCOPED_TRACE("deux membres");
            Jouer(c.o, p, 2, c.nombres, c.plusieurs);
        }
    }
    SCOPED_TRACE("arret d'une selection vide");
    Jouer(Ordre::GroupeArreter, 1, 0, cas.back().nombres, "genre 21");
}

// A forged order to a selection, received as from the player's machine:
// refused whole, the world untouched and the leader silent; the same
// order well formed acts.
TEST_F(OrdresJoueur, UneSelectionForgeeEstRefusee) {
    ModMain& w = Seul();
    const std::int32_t p = 0;
    const std::string N = std::to_string(w.Persos.size());
    Mener(w, p);
    const std::string c = std::to_string(Creature(w, p));
    struct Forge {
        std::string texte;
        double x, y, z;
    };
    const std::vector<Forge> forges = {
        {"PGS 1", 0, 0, 0},                        // another player's character
        {"PGS " + c + ",1", 0, 0, 0},              // one good member, one not
        {"PGS 0-" + c, 0, 0, 0},                   // a run through the other player's character
        {"PGS " + N, 0, 0, 0},                     // no such character
        {"PGS 4294967296", 0, 0, 0},
        {"PGS -1", 0, 0, 0},
        {"PGS " + c + "," + c, 0, 0, 0},           // named twice
        {"PGS 0," + c + ",0", 0, 0, 0},
        {"PGS 0" + c, 0, 0, 0},                    // a leading zero
        {"PGS +" + c, 0, 0, 0},
        {"PGS 0-0", 0, 0, 0},                      // a run that runs nowhere
        {"PGS " + c + "-0", 0, 0, 0},
        {"PGS ", 0, 0, 0},
        {"PGS " + c + ",", 0, 0, 0},
        {"PGS ," + c, 0, 0, 0},
        {"PGS " + c + " ", 0, 0, 0},
        {"PGS" + c, 0, 0, 0},
        {"PGS " + c + ";0", 0, 0, 0},
        {"PGS " + c + std::string(300, ' '), 0, 0, 0},  // past the bound of a text
        {"PGX 0", 0, 0, 0},                        // the character dismisses itself
        {"PGX " + c + ",0", 0, 0, 0},
        {"PGA " + c, 3, 0, 0},                     // no such kind of target
        {"PGA " + c, 0, static_cast<double>(w.Persos.size()), 0},
        {"PGR " + c, 2, 0, 0},
        {"PGD " + c, 10, 10, 7},                   // a number the order does not use
        {"PGI " + c, 0, 0, 0},                     // a kind given to one creature
    };
    for (const Forge& f : forges) {
        SCOPED_TRACE(f.texte);
        Muet(w, p);
        const std::uint64_t h = Hacher_Etat(w);
        EXPECT_FALSE(ModCommandes::Rejouer_Ordre(w, p, MessageCom{p, f.texte, f.x, f.y, f.z}));
        EXPECT_EQ(Hacher_Etat(w), h);
        EXPECT_EQ(Pj(w, p).Definir_Commentaires(), "");
    }
    // Well formed: the creature stops and the leader says so.
    Muet(w, p);
    EXPECT_TRUE(ModCommandes::Rejouer_Ordre(w, p, MessageCom{p, "PGS " + c, 0, 0, 0}));
    EXPECT_TRUE(Pj(w, Creature(w, p)).Inactif());
    EXPECT_EQ(Pj(w, p).Definir_Commentaires(), "genre 21");

    // Through the session: player 1's machine orders player 0's character
    // to stop; it walks on, on both machines.
    Partout([](ModMain& v) { Pj(v, 0).Aller_A(Pj(v, 0).PositionX + 300, Pj(v, 0).PositionY), Muet(v, 1); });
    (*m)[1].Message_Envoyer(1, "PGS 0");
    Tour();
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_FALSE(Pj(*mondes[i], 0).Inactif()) << i;
        EXPECT_EQ(Pj(*mondes[i], 1).Definir_Commentaires(), "") << i;
    }
    EXPECT_EQ(Hacher_Parties(*mondes[0]), Hacher_Parties(*mondes[1]));
}

// A selection whose text would pass the bound of a message's text goes as
// several orders, each within the bound, of two members at least (so that
// the leader always says the line for several), the members in their
// order, each read back as written; one that fits goes whole.
TEST(OrdresSelection, UneGrandeSelectionSeDecoupeEnOrdresDeDeuxMembresAuMoins) {
    constexpr std::size_t Persos = 100000;
    std::vector<std::vector<std::int32_t>> selections = {{}, {7}, {3, 4, 5, 9, 7, 8, 0}};
    // Consecutive indices are written as one run: the whole fits.
    selections.emplace_back();
    for (std::int32_t k = 0; k < 5000; ++k) selections.back().push_back(90000 + k);
    // Scattered ones of five digits, in any order: every count up to 300,
    // so that some leave a last part of one member to the first packing.
    std::mt19937 alea(11);
    for (std::int32_t n = 1; n <= 300; ++n) {
        selections.emplace_back();
        for (std::int32_t k = 0; k < n; ++k) selections.back().push_back(10000 + 3 * k);
        std::shuffle(selections.back().begin(), selections.back().end(), alea);
    }
    std::size_t decoupees = 0;
    for (const auto& g : selections) {
        SCOPED_TRACE(g.size());
        const auto parts = ModCommandes::Decouper_Groupe(Ordre::GroupeAttaquer, g);
        ASSERT_FALSE(parts.empty());
        std::vector<std::int32_t> ensemble;
        for (const auto& part : parts) {
            const std::string texte = ModCommandes::Texte_Groupe(Ordre::GroupeAttaquer, part);
            EXPECT_LE(texte.size(), Protocole::LongueurTexteMax);
            if (parts.size() > 1) {
                EXPECT_GE(part.size(), 2u);
            }
            Ordre o{};
            std::vector<std::int32_t> lu;
            EXPECT_TRUE(ModCommandes::Lire_Groupe(texte, Persos, o, lu)) << texte;
            EXPECT_EQ(o, Ordre::GroupeAttaquer);
            EXPECT_EQ(lu, part);
            ensemble.insert(ensemble.end(), part.begin(), part.end());
        }
        EXPECT_EQ(ensemble, g);
        decoupees += parts.size() > 1;
        // What fits in one text goes in one.
        if (ModCommandes::Texte_Groupe(Ordre::GroupeAttaquer, g).size() <= Protocole::LongueurTexteMax) {
            EXPECT_EQ(parts.size(), 1u);
        }
    }
    EXPECT_GT(decoupees, 200u);
    EXPECT_EQ(ModCommandes::Texte_Groupe(Ordre::GroupeArreter, {3, 4, 5, 9, 7, 8, 0}), "PGS 3-5,9,7-8,0");
    EXPECT_EQ(ModCommandes::Texte_Groupe(Ordre::GroupeArreter, {}), "PGS");
}

// The interface's automatic actions in a network game: the recovery that
// is due and the next item of the making queue go once a turn as orders,
// however many ticks ask for them before the replay, and act on both
// machines alike.
TEST_F(OrdresJoueur, LesActionsAutomatiquesPartentUneFoisParTour) {
    const Types T(Seul().Parametres);
    ModMain& w = *mondes[0];
    ClsPerEcran ecran(*m->jeux[0]);
    ClsInterface I(w, ecran);
    I.Init1(0, 1);
    I.Init2(ecran, w.Parametres);
    const std::int32_t nourriture = Nourriture(w);
    for (std::size_t i = 0; i < 2; ++i) {
        ModMain& v = *mondes[i];
        Maison(v, 0, T.Atelier);
        for (std::int32_t r = 0; r < v.Parametres.NombreRessources; ++r) Pj(v, 0).Definir_Ressources(r, 500);
        Pj(v, 0).Arreter();
        Pj(v, 0).Definir_Vie(Pj(v, 0).Definir_MaxVie() / 4);
    }
    I.AutoRecuperation_Carac(0, true);
    I.FileFabricationObjets = {0, 0};
    auto Compte = [&](const char* code) {
        const ClsComMessages& q = (*m)[0].Messages_Joueur(0);
        int n = 0;
        for (std::int32_t k = 0; k < q.NombreMessages; ++k) n += q.Categorie(k) == code;
        return n;
    };
    const double vie = Pj(w, 0).Definir_Vie(), vivres = Pj(w, 0).Definir_Ressources(nourriture);
    for (int tick = 0; tick < 20; ++tick) I.Actions_Automatiques(Pj(w, 0), w.Maisons[0], w.Parametres);
    EXPECT_EQ(Compte(ModCommandes::Code(Ordre::Recuperer)), 1);
    EXPECT_EQ(Compte(ModCommandes::Code(Ordre::Fabriquer)), 1);
    EXPECT_EQ(I.FileFabricationObjets.size(), 1u);
    // Nothing acted before the replay.
    EXPECT_EQ(Pj(w, 0).Definir_Vie(), vie);
    EXPECT_EQ(Pj(w, 0).Definir_Ressources(nourriture), vivres);
    Tour();
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_GT(Pj(*mondes[i], 0).Definir_Vie(), vie) << i;
        EXPECT_LT(Pj(*mondes[i], 0).Definir_Ressources(nourriture), vivres) << i;
        EXPECT_FALSE(Pj(*mondes[i], 0).Inactif()) << i;  // making the item
    }
    EXPECT_EQ(Hacher_Parties(*mondes[0]), Hacher_Parties(*mondes[1]));
    // The next turn: the recovery again; the second item waits for the
    // character to be idle.
    for (int tick = 0; tick < 20; ++tick) I.Actions_Automatiques(Pj(w, 0), w.Maisons[0], w.Parametres);
    EXPECT_EQ(Compte(ModCommandes::Code(Ordre::Recuperer)), 1);
    EXPECT_EQ(Compte(ModCommandes::Code(Ordre::Fabriquer)), 0);
    EXPECT_EQ(I.FileFabricationObjets.size(), 1u);
}
