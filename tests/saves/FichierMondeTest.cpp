// The world save file: value forms, save-load-save giving the same bytes
// for worlds of every start mode, the same game after 1,000 more ticks,
// corrupted files refused with their line, and a save killed before its
// rename leaving the old save whole.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include <algorithm>
#include <functional>
#include <memory>

#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "engine/ModMain_Heros.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "saves/FichierMonde.h"
#include "saves/ModSAVMonde.h"
#include "saves/ModScenario.h"
#include "tests/Outils.h"
#include "tests/engine/MoteurOutils.h"

namespace {

struct Jeu {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    Jeu() { Main.Charger_Parametres(); }
};

SetupChoices Choix(const char* mode) {
    SetupChoices c;
    c.Mode = mode;
    c.LargeurCarte = c.HauteurCarte = 40;
    c.NombreRessources = 20;
    c.Fiefs.push_back({0, 0, 6});
    c.Fiefs.push_back({1, 2, 4});
    c.Armees[0].Soldats = 6;
    c.Armees[1].Soldats = 5;
    c.Reseau = true;
    return c;
}

void Creer(Jeu& j, const char* mode, int ticks) {
    j.Main.Creer_Partie(Choix(mode));
    ASSERT_FALSE(j.Main.FinPartie);
    j.Main.Aleatoire.TableActive = false;
    j.Main.Aleatoire.Generateur().Semer(77);
    // Every character to the built-in AI, the villagers tired, hungry and
    // with money; two houses built, one that makes items with some in
    // stock; a treasure with items lying about: a world with something to
    // keep.
    ModMain& M = j.Main;
    const ClsJeuParam& P = M.Parametres;
    for (std::size_t i = 0; i < M.Persos.size(); ++i) {
        ClsJeuPerso& p = M.Persos[i];
        p.IA = false;
        p.IA_Active = true;
        if (p.Equipe == 0) {
            p.Vie = p.Definir_MaxVie() * 0.4;
            p.Energie = p.Definir_MaxEnergie() * 0.3;
            p.Definir_Argent(i % 2 == 0 ? 2000.0 : 20.0);
        }
    }
    if (M.Persos.size() >= 2 && M.Chateaux[0].Largeur > 0) {
        std::int16_t atelier = 0;
        while (atelier + 1 < P.NombreTypeBatiments && P.Batiment_NombreObjetsFabriques(atelier) < 2) ++atelier;
        const ClsJeuBatiment& c = M.Chateaux[0];
        for (std::int32_t i : {0, 1}) {
            const std::int16_t type = i == 0 ? atelier : 0;
            ClsJeuPerso& p = M.Persos[static_cast<std::size_t>(i)];
            for (std::int32_t r = 0; r < P.NombreRessources; ++r)
                p.Definir_Ressources(r, p.Definir_Ressources(r) + P.Batiment_Prix(type, r));
            ClsJeuBatiment& m = M.Maisons[static_cast<std::size_t>(i)];
            m.Creer(c.X - 150 + 250 * i, c.Y + c.Hauteur + 60, type, p, P);
            m.Definir_Vie(m.MaxVie);
            m.MaxStock = std::max(m.MaxStock, 40.0);
            if (P.Batiment_NombreObjetsFabriques(type) > 0) m.Stock_Objets(0, 2.5);
        }
    }
    const std::int32_t t = M.Tresors.Ajouter_Tresor(300, 300, P);
    M.Tresors(t).Definir_Argent(75.5);
    M.Tresors(t).Ajouter_Objet(1, P);
    // As the engine does at the start of every game.
    j.Main.IA.Initialiser_IA();
    for (std::size_t i = 0; i < j.Main.Persos.size() && i < j.Main.Maisons.size(); ++i)
        j.Main.Persos[i].Calculer_Apparence(j.Main.Maisons[i], j.Main.Parametres);
    for (int t = 0; t < ticks; ++t) j.Main.Tour_Simulation();
}

std::vector<std::string> Lignes(const std::string& t) { return DecouperLignes(t); }

// "" when the two texts are equal, else the first line that differs.
std::string Difference(const std::string& a, const std::string& b) {
    const auto la = DecouperLignes(a), lb = DecouperLignes(b);
    for (std::size_t i = 0; i < std::max(la.size(), lb.size()); ++i) {
        const std::string x = i < la.size() ? la[i] : "<fin>", y = i < lb.size() ? lb[i] : "<fin>";
        if (x != y) {
            std::string avant;
            for (std::size_t k = i >= 12 ? i - 12 : 0; k < i; ++k) avant += "[" + la[k] + "]";
            return "ligne " + std::to_string(i + 1) + " : « " + x + " » / « " + y + " » après " + avant;
        }
    }
    return a == b ? "" : "fins de ligne";
}

std::string Joindre(const std::vector<std::string>& l) {
    std::string t;
    for (const auto& s : l) t += s + "\r\n";
    return t;
}

}  // namespace

TEST(FichierMonde, FormesDesValeurs) {
    EXPECT_EQ(Texte_Entier_Monde(12), " 12 ");
    EXPECT_EQ(Texte_Entier_Monde(0), " 0 ");
    EXPECT_EQ(Texte_Entier_Monde(-1), "-1 ");
    EXPECT_EQ(Texte_Decimal_Monde(0.25), " .25 ");
    EXPECT_EQ(Texte_Decimal_Monde(-0.25), "-.25 ");
    EXPECT_EQ(Texte_Decimal_Monde(12.5), " 12.5 ");
    EXPECT_EQ(Texte_Decimal_Monde(1e20), " 1E+20 ");
    EXPECT_EQ(Texte_Decimal_Monde(0.0), " 0 ");
    EXPECT_EQ(Texte_Simple_Monde(0.1f), " .1 ");
    // Every double comes back exactly, not to 15 digits.
    EXPECT_EQ(Texte_Decimal_Monde(0.1 + 0.2), " .30000000000000004 ");
}

namespace {

// What is not part of a world is handed over by hand, as it lives as long
// as the program: the random sources, the players' characters and the AI's
// memory; and the scripts are looked up, as the engine does at every start.
void Reprendre_Hors_Monde(ModMain& A, ModMain& B) {
    B.NoPersoJoueur = A.NoPersoJoueur;
    B.NoPersoParJoueur = A.NoPersoParJoueur;
    B.Aleatoire = A.Aleatoire;
    B.GenerateurPlateforme = A.GenerateurPlateforme;
    Resoudre_Scripts_IA(A);
    Resoudre_Scripts_IA(B);
    ModIA &a = A.IA, &b = B.IA;
    b.Redimensionner_Tableaux_IA(static_cast<std::int32_t>(B.Persos.size()));
    b.DistanceRecherche = a.DistanceRecherche;
    b.RayonTresor = a.RayonTresor;
    b.RayonPerso = a.RayonPerso;
    b.RayonMaison = a.RayonMaison;
    b.RayonChateau = a.RayonChateau;
    b.CurseurMaison = a.CurseurMaison;
    b.CurseurPerso = a.CurseurPerso;
    b.CurseurMaisonEnnemie = a.CurseurMaisonEnnemie;
    b.CurseurChateau = a.CurseurChateau;
    b.TypeMaisonVoulue = a.TypeMaisonVoulue;
    b.RessourceVoulue = a.RessourceVoulue;
    b.ObjetVoulu = a.ObjetVoulu;
    b.QuantiteVoulue = a.QuantiteVoulue;
    b.QuantiteObjetVoulue = a.QuantiteObjetVoulue;
    b.CourseFaite = a.CourseFaite;
    b.DernierPerso = a.DernierPerso;
    b.PersosParTour = a.PersosParTour;
    b.NombreParRecherche = a.NombreParRecherche;
    b.CurseurIA = a.CurseurIA;
    b.IndiceTrouve = a.IndiceTrouve;
    b.RayonEmplacement = a.RayonEmplacement;
    b.EmplacementAleatoire = a.EmplacementAleatoire;
    b.NiveauMaxBatiment = a.NiveauMaxBatiment;
}

// "" when the two states hash alike, else the first field that differs.
std::string Ecart(const ModMain& A, const ModMain& B) {
    if (Hacher_Etat(A) == Hacher_Etat(B)) return "";
    const auto a = Relever_Etat(A), b = Relever_Etat(B);
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i) {
        const std::string x = i < a.size() ? a[i] : "<fin>", y = i < b.size() ? b[i] : "<fin>";
        if (x != y) return x + " / " + y;
    }
    return "empreintes différentes pour les mêmes valeurs";
}

std::int16_t Premier_Objet(const ClsJeuParam& P, bool unique) {
    for (std::int16_t t = 1; t < P.NombreTypesObjets; ++t)
        if (P.Objet_Unique(t) == unique) return t;
    return -1;
}

// A world of the table: built headless, or started by the engine.
struct Partie {
    Jeu jeu;
    std::unique_ptr<MoteurSansEcran> moteur;
    std::unique_ptr<ModSAVMonde> sav;
    ModMain& Main() { return moteur ? *moteur->Main : jeu.Main; }
};

struct MondeVarie {
    const char* nom;
    std::function<void(Partie&)> construire;
};

SetupChoices Carte(std::int32_t largeur, std::int32_t hauteur, std::vector<SetupChoices::Fief> fiefs) {
    SetupChoices c = Choix(SetupChoices::NouveauMonde);
    c.LargeurCarte = largeur;
    c.HauteurCarte = hauteur;
    c.Fiefs = std::move(fiefs);
    return c;
}

// A world built from its choices, the engine's start-of-game steps done,
// then played for some ticks with the given table setting.
void Batir(Jeu& j, const SetupChoices& c, int ticks, bool table = false) {
    j.Main.IA2.Charger_IAs();
    j.Main.Creer_Partie(c);
    ASSERT_FALSE(j.Main.FinPartie);
    if (!table) {
        j.Main.Aleatoire.TableActive = false;
        j.Main.Aleatoire.Generateur().Semer(31);
    }
    Resoudre_Scripts_IA(j.Main);
    j.Main.IA.Initialiser_IA();
    for (std::size_t i = 0; i < j.Main.Persos.size() && i < j.Main.Maisons.size(); ++i)
        j.Main.Persos[i].Calculer_Apparence(j.Main.Maisons[i], j.Main.Parametres);
    for (int t = 0; t < ticks; ++t) j.Main.Tour_Simulation();
}

}  // namespace

// Worlds of every kind the game makes, each saved after some play: the
// reloaded world hashes as the one saved, saves to the same bytes, and the
// two play 1,000 more ticks to the same state.
TEST(FichierMonde, MondesVariesRevenusALIdentique) {
    const std::vector<MondeVarie> mondes = {
        {"carte de 32 x 32, un fief", [](Partie& p) { Batir(p.jeu, Carte(32, 32, {{0, 0, 5}}), 300); }},
        {"carte de 256 x 256", [](Partie& p) { Batir(p.jeu, Carte(256, 256, {{0, 0, 2}, {1, 1, 2}}), 100); }},
        {"carte de 48 x 200, trois fiefs",
         [](Partie& p) { Batir(p.jeu, Carte(48, 200, {{0, 0, 3}, {1, 1, 3}, {2, 2, 2}}), 200); }},
        {"douze fiefs",
         [](Partie& p) {
             std::vector<SetupChoices::Fief> fiefs;
             for (std::int16_t f = 0; f < 12; ++f) fiefs.push_back({f, static_cast<std::int16_t>(f % 3), 1});
             Batir(p.jeu, Carte(96, 96, fiefs), 150);
         }},
        {"bataille sauvée en plein combat",
         [](Partie& p) {
             Batir(p.jeu, Choix(SetupChoices::NouvelleBataille), 300);
             bool combat = false;
             for (const ClsJeuPerso& p : p.jeu.Main.Persos) combat = combat || (p.Action >= 300 && p.Action < 400);
             EXPECT_TRUE(combat) << "personne ne se bat au moment de la sauvegarde";
             EXPECT_GT(std::count_if(p.jeu.Main.Persos.begin(), p.jeu.Main.Persos.end(),
                                     [](const ClsJeuPerso& p) { return p.FragsPersos > 0 || p.Morts > 0; }),
                       0);
         }},
        {"économie des scripts après 2 000 tours",
         [](Partie& p) { Batir(p.jeu, Carte(64, 64, {{0, 0, 6}, {1, 1, 6}}), 2000); }},
        {"personnages chargés d'objets",
         [](Partie& p) {
             Batir(p.jeu, Carte(40, 40, {{0, 0, 4}, {1, 2, 4}}), 50);
             ModMain& M = p.jeu.Main;
             const ClsJeuParam& P = M.Parametres;
             // A villager carrying a unique item picked up from a treasure,
             // another wearing an amulet with reserves still to flow in.
             M.Persos[1].Objet_Inventaire_Charger(3, Premier_Objet(P, true), P);
             M.Persos[2].Objet_Equipe_Charger(5, 18, P);
             M.Persos[2].Actualiser_Bonus();
             for (ClsJeuPerso& p : M.Persos) {
                 p.ReserveVie = p.ReserveEnergie = p.ReserveMagie = p.ReserveMoral = 5;
                 p.Objet_Inventaire_Charger(0, Premier_Objet(P, false), P);
             }
             const std::int32_t t = M.Tresors.Ajouter_Tresor(300, 300, P);
             M.Tresors(t).Definir_Argent(75.5);
             M.Tresors(t).Ajouter_Objet(1, P);
             for (int k = 0; k < 100; ++k) M.Tour_Simulation();
         }},
        {"gisements épuisés",
         [](Partie& p) {
             Batir(p.jeu, Carte(40, 40, {{0, 1, 5}}), 0);
             for (std::size_t r = 0; r < p.jeu.Main.Ressources.size(); r += 2) p.jeu.Main.Ressources[r].Quantite = 0;
             for (int k = 0; k < 300; ++k) p.jeu.Main.Tour_Simulation();
         }},
        {"scénario",
         [](Partie& p) {
             ModScenario::Brancher(p.jeu.Main);
             SetupChoices c;
             c.Mode = SetupChoices::ChargerScenario;
             c.FichierMonde = "Siege de Roc-Noir.snr";
             Batir(p.jeu, c, 200);
         }},
        {"partie en réseau, sur la table fixe",
         [](Partie& p) { Batir(p.jeu, Carte(40, 40, {{0, 0, 4}, {1, 1, 4}}), 300, true); }},
        {"démarré par le moteur depuis une sauvegarde",
         [](Partie& p) {
             Batir(p.jeu, Carte(40, 40, {{0, 0, 5}, {1, 1, 5}}), 400);
             p.moteur = std::make_unique<MoteurSansEcran>();
             ModMain& M = *p.moteur->Main;
             M.IA2.Charger_IAs();
             p.sav = std::make_unique<ModSAVMonde>(*p.moteur->dossier);
             p.sav->Brancher(M);
             Ecrire_Fichier_Monde(p.jeu.Main, p.sav->Dossier_Mondes(false) / "Essai.sav");
             SetupChoices c = MoteurSansEcran::Choix();
             c.Mode = SetupChoices::ChargerMonde;
             c.FichierMonde = "Essai.sav";
             ASSERT_TRUE(p.moteur->M->Demarrer(c, nullptr, 800, 600));
             // Every character carries what it was saved with, no more.
             ASSERT_EQ(M.Persos.size(), p.jeu.Main.Persos.size());
             for (std::size_t i = 0; i < M.Persos.size(); ++i) {
                 const ClsJeuPerso &x = M.Persos[i], &y = p.jeu.Main.Persos[i];
                 for (std::int16_t k = 0; k < x.Nombre_Objets_Inventaire(); ++k) {
                     ASSERT_EQ(x.Objet_Inventaire_Actif(k), y.Objet_Inventaire_Actif(k)) << i << " " << k;
                     if (x.Objet_Inventaire_Actif(k)) {
                         EXPECT_EQ(x.Objet_Inventaire_Type(k), y.Objet_Inventaire_Type(k));
                     }
                 }
                 for (std::int16_t k = 0; k < x.Nombre_Objets_Equipes(); ++k) {
                     ASSERT_EQ(x.Objet_Equipes_Actif(k), y.Objet_Equipes_Actif(k)) << i << " " << k;
                     if (x.Objet_Equipes_Actif(k)) {
                         EXPECT_EQ(x.Objet_Equipes_Type(k), y.Objet_Equipes_Type(k));
                     }
                 }
             }
             M.Aleatoire.TableActive = false;
             M.Aleatoire.Generateur().Semer(5);
             for (int t = 0; t < 300; ++t) M.Tour_Simulation();
         }},
    };
    for (const MondeVarie& m : mondes) {
        SCOPED_TRACE(m.nom);
        Partie a;
        m.construire(a);
        if (::testing::Test::HasFatalFailure()) return;
        ModMain& A = a.Main();
        const std::string t1 = Ecrire_Texte_Monde(A);
        const auto l = Lignes(t1);
        ASSERT_NE(t1.find("\r\n"), std::string::npos);
        EXPECT_EQ(l[0], Texte_Entier_Monde(static_cast<long long>(A.Fiefs.size())));
        EXPECT_EQ(l[5], Texte_Entier_Monde(static_cast<long long>(A.Persos.size())));
        EXPECT_EQ(l[7], Texte_Entier_Monde(A.Monde.LargeurCarte));

        Jeu b;
        ModMain& B = b.Main;
        B.IA2.Charger_IAs();
        Lire_Texte_Monde(B, t1, "essai.sav");
        Reprendre_Hors_Monde(A, B);
        EXPECT_EQ(Ecart(A, B), "");
        EXPECT_EQ(Difference(Ecrire_Texte_Monde(B), t1), "");

        for (int t = 0; t < 1000; ++t) {
            A.Tour_Simulation();
            B.Tour_Simulation();
        }
        EXPECT_EQ(Ecart(A, B), "");
        EXPECT_EQ(Difference(Ecrire_Texte_Monde(A), Ecrire_Texte_Monde(B)), "");
    }
}

// A unique item belongs to the world unless a hero's file keeps it: a
// villager's comes back with the world, a hero's slot is saved empty.
TEST(FichierMonde, ObjetUniqueDUnVillageoisGardeParLeMonde) {
    Jeu a;
    Creer(a, SetupChoices::NouveauMonde, 0);
    const ClsJeuParam& P = a.Main.Parametres;
    const std::int16_t unique = Premier_Objet(P, true);
    ASSERT_GE(unique, 0);
    ClsJeuPerso& villageois = a.Main.Persos[1];
    ClsJeuPerso& heros = a.Main.Persos[2];
    villageois.Objet_Inventaire_Charger(3, unique, P);
    villageois.Objet_Equipe_Charger(0, unique, P);
    heros.PersoFichier = 1;
    heros.Objet_Inventaire_Charger(3, unique, P);
    Jeu b;
    Lire_Texte_Monde(b.Main, Ecrire_Texte_Monde(a.Main), "essai.sav");
    const ClsJeuPerso& v = b.Main.Persos[1];
    EXPECT_TRUE(v.Objet_Inventaire_Actif(3));
    EXPECT_EQ(v.Objet_Inventaire_Type(3), unique);
    EXPECT_TRUE(v.Objet_Equipes_Actif(0));
    EXPECT_EQ(v.Objet_Equipes_Type(0), unique);
    EXPECT_FALSE(b.Main.Persos[2].Objet_Inventaire_Actif(3));
}

// A save of the first layout, which ends with its last house, still loads:
// its records as they are, kill counts from 0, the pace worked out from
// the position.
TEST(FichierMonde, SauvegardeSansSectionFinaleSeCharge) {
    Jeu a;
    Batir(a, Choix(SetupChoices::NouvelleBataille), 300);
    ClsJeuPerso& tueur = a.Main.Persos[0];
    tueur.FragsPersos = 3;
    tueur.Morts = 2;
    a.Main.Monde.TypeMonde = 1;
    const std::string t = Ecrire_Texte_Monde(a.Main);
    const std::string::size_type fin = t.find("Compléments 1\r\n");
    ASSERT_NE(fin, std::string::npos);
    const std::string ancien = t.substr(0, fin);
    Jeu b;
    Lire_Texte_Monde(b.Main, ancien, "ancien.sav");
    EXPECT_EQ(b.Main.Persos[0].FragsPersos, 0);
    EXPECT_EQ(b.Main.Persos[0].Morts, 0);
    EXPECT_EQ(b.Main.Monde.TypeMonde, 0);
    for (const ClsJeuPerso& p : b.Main.Persos) EXPECT_GE(p.LongueurPas, 1);
    EXPECT_EQ(Difference(Ecrire_Texte_Monde(b.Main).substr(0, fin), ancien), "");
    // With the section, the same file gives them back.
    Jeu c;
    Lire_Texte_Monde(c.Main, t, "essai.sav");
    EXPECT_EQ(c.Main.Persos[0].FragsPersos, 3);
    EXPECT_EQ(c.Main.Persos[0].Morts, 2);
    EXPECT_EQ(c.Main.Monde.TypeMonde, 1);
}

// A treasure's fortune is the saved one, not the saved one plus what its
// money, resources and items add again on load.
TEST(FichierMonde, FortuneDuTresorComptéeUneFois) {
    Jeu a;
    Creer(a, SetupChoices::NouveauMonde, 0);
    const ClsJeuParam& P = a.Main.Parametres;
    a.Main.Tresors.Init_Tresors();
    ClsJeuTresors& t = a.Main.Tresors(a.Main.Tresors.Ajouter_Tresor(100, 120, P));
    t.Definir_Argent(50);
    t.Definir_Ressources(0, 3);
    t.Ajouter_Objet(0, P);
    t.Ajouter_Objet(1, P);
    const double fortune = t.Definir_Fortune();
    ASSERT_GT(fortune, 0);
    Jeu b;
    Lire_Texte_Monde(b.Main, Ecrire_Texte_Monde(a.Main), "essai.sav");
    ASSERT_EQ(b.Main.Tresors.Count(), 1);
    EXPECT_DOUBLE_EQ(b.Main.Tresors(1).Definir_Fortune(), fortune);
    EXPECT_EQ(b.Main.Tresors(1).Nombre_Objets(), 2);
    EXPECT_EQ(b.Main.Tresors(1).X, 100);
    EXPECT_DOUBLE_EQ(b.Main.Tresors(1).Definir_Argent(), 50);
}

// Corrupted files: each refused with its own message naming the file and
// the line, and the world already there is left as it was.
TEST(FichierMonde, FichiersAbimesRefuses) {
    Jeu a;
    Creer(a, SetupChoices::NouveauMonde, 50);
    const std::string bon = Ecrire_Texte_Monde(a.Main);
    const auto l = Lignes(bon);
    const std::size_t N = l.size();
    const std::size_t grille = 9 + 2 * 41 * 41;
    // The first character's record: its name is its tenth line.
    std::size_t nomPerso = grille;
    while (nomPerso < N && l[nomPerso] != a.Main.Persos[0].Nom) ++nomPerso;
    ASSERT_LT(nomPerso, N);
    const std::size_t lignePerso = nomPerso + 1 - 9;
    // The final section's first line.
    const std::size_t suite = static_cast<std::size_t>(std::find(l.begin(), l.end(), "Compléments 1") - l.begin()) + 1;
    ASSERT_LT(suite, N);

    auto change = [&](std::size_t ligne, std::string valeur) {
        auto c = l;
        c[ligne - 1] = std::move(valeur);
        return Joindre(c);
    };
    auto tronque = [&](std::size_t n) { return Joindre(std::vector<std::string>(l.begin(), l.begin() + n)); };
    struct Cas {
        const char* nom;
        std::string texte;
        const char* attendu;
    };
    const std::vector<Cas> cas = {
        {"vide", "", "s'arrête à la ligne 0"},
        {"tronqué dans l'en-tête", tronque(5), "Ligne 3"},
        {"tronqué dans la grille", tronque(grille - 100), "demandent au moins"},
        {"tronqué dans les personnages", tronque(lignePerso + 50), "demandent au moins"},
        {"tronqué à la dernière ligne", tronque(N - 1), "manque encore la valeur de Morts"},
        {"tronqué dans la dernière maison", tronque(suite - 3), "tronqué : il s'arrête au milieu de la maison"},
        {"section finale inconnue", change(suite, "Autre chose"), "des données suivent la dernière maison"},
        {"compte de tués illisible", change(N, " x "), "n'est pas un nombre"},
        {"trop de personnages", change(6, " 999999 "), "ne tient pas dans le fichier"},
        {"trop de fiefs pour le fichier", change(1, " 2000 "), "Ligne 2"},
        {"nombre négatif", change(4, "-3 "), "Ligne 4"},
        {"carte trop grande", change(8, " 100000 "), "Ligne 8"},
        {"texte dans une ligne de nombre", change(grille + 1, " abc "), "n'est pas un nombre"},
        {"terrain inconnu", change(11, " 999 "), "Ligne 11"},
        {"peuple hors limites", change(grille + 2, " 77 "), "Peuple"},
        {"fief d'un personnage hors limites",
         change(lignePerso + 12, " 5 "),
         "Equipe"},
        {"valeur logique illisible", change(grille + 4, "Peut-être"), "ni True ni False"},
        {"données en trop", bon + " 1 \r\n", "des données suivent"},
        {"une ligne vide en trop", bon + "\r\n", "des données suivent"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        Jeu b;
        Creer(b, SetupChoices::NouvelleBataille, 0);
        const std::uint64_t avant = Hacher_Etat(b.Main);
        try {
            Lire_Texte_Monde(b.Main, c.texte, "abime.sav");
            ADD_FAILURE() << "accepté";
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(e.Fichier(), "abime.sav");
            EXPECT_NE(std::string(e.what()).find(c.attendu), std::string::npos) << e.what();
        }
        EXPECT_EQ(Hacher_Etat(b.Main), avant);
    }
}

// A save killed between writing its temporary file and renaming it over
// the old save leaves the old save whole and loadable.
TEST(FichierMonde, SauvegardeInterrompueGardeLAncienne) {
    DossierTemporaire dossier;
    const auto chemin = dossier.Chemin() / "Mondes" / "Ancien.sav";
    Jeu a;
    Creer(a, SetupChoices::NouveauMonde, 0);
    Ecrire_Fichier_Monde(a.Main, chemin);
    const std::string ancien = *LireFichier(chemin);
    for (int t = 0; t < 300; ++t) a.Main.Tour_Simulation();
    ASSERT_NE(Ecrire_Texte_Monde(a.Main), ancien);

    const pid_t enfant = fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
        Ecrire_Fichier_Monde(a.Main, chemin, [] { _exit(3); });
        _exit(0);
    }
    int etat = 0;
    waitpid(enfant, &etat, 0);
    ASSERT_TRUE(WIFEXITED(etat));
    ASSERT_EQ(WEXITSTATUS(etat), 3);

    EXPECT_EQ(Difference(*LireFichier(chemin), ancien), "");
    Jeu b;
    Lire_Fichier_Monde(b.Main, chemin);
    EXPECT_EQ(Difference(Ecrire_Texte_Monde(b.Main), ancien), "");

    // A save that goes through replaces it.
    Ecrire_Fichier_Monde(a.Main, chemin);
    EXPECT_EQ(Difference(*LireFichier(chemin), Ecrire_Texte_Monde(a.Main)), "");
}
