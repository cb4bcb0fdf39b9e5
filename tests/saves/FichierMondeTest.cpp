// The world save file: value forms, save-load-save giving the same bytes
// for worlds of every start mode, the same game after 1,000 more ticks,
// corrupted files refused with their line, and a save killed before its
// rename leaving the old save whole.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>

#include "engine/HachageEtat.h"
#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "saves/FichierMonde.h"
#include "tests/Outils.h"

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

// Save, load, save: the same bytes, for a new world, a battle and a loaded
// world, each after some play; the file has CR LF lines and the layout's
// header.
TEST(FichierMonde, SauvegarderChargerSauvegarderMemesOctets) {
    for (const char* mode : {SetupChoices::NouveauMonde, SetupChoices::NouvelleBataille}) {
        SCOPED_TRACE(mode);
        Jeu a;
        Creer(a, mode, 300);
        // Reserves still to flow in stay as they stood, whatever bonus the
        // worn items add to the maxima while the file loads (item 18, an
        // amulet, adds 25 to the maximum life).
        ClsJeuPerso& porteur = a.Main.Persos[0];
        porteur.Objet_Equipe_Charger(5, 18, a.Main.Parametres);
        porteur.Actualiser_Bonus();
        for (ClsJeuPerso& p : a.Main.Persos) p.ReserveVie = p.ReserveEnergie = p.ReserveMagie = p.ReserveMoral = 5;
        const std::string t1 = Ecrire_Texte_Monde(a.Main);
        ASSERT_NE(t1.find("\r\n"), std::string::npos);
        const auto l = Lignes(t1);
        EXPECT_EQ(l[0], Texte_Entier_Monde(static_cast<long long>(a.Main.Fiefs.size())));
        EXPECT_EQ(l[5], Texte_Entier_Monde(static_cast<long long>(a.Main.Persos.size())));
        EXPECT_EQ(l[7], " 40 ");

        Jeu b;
        Lire_Texte_Monde(b.Main, t1, "essai.sav");
        EXPECT_EQ(b.Main.Persos.size(), a.Main.Persos.size());
        EXPECT_EQ(b.Main.Tresors.Count(), a.Main.Tresors.Count());
        const std::string t2 = Ecrire_Texte_Monde(b.Main);
        EXPECT_EQ(Difference(t1, t2), "");
        // A loaded world that played on saves and reloads the same too.
        for (int t = 0; t < 100; ++t) b.Main.Tour_Simulation();
        const std::string t3 = Ecrire_Texte_Monde(b.Main);
        Jeu c;
        Lire_Texte_Monde(c.Main, t3, "essai.sav");
        EXPECT_EQ(Difference(Ecrire_Texte_Monde(c.Main), t3), "");
    }
}

// The saved world and the original play the same 1,000 ticks: the file
// keeps everything the game goes on from. What is not part of a world is
// handed over by hand: the random sources, the player's character, and the
// AI's memory, which lives as long as the program and is not saved.
TEST(FichierMonde, MemePartieApres1000Tours) {
    for (const char* mode : {SetupChoices::NouveauMonde, SetupChoices::NouvelleBataille}) {
        SCOPED_TRACE(mode);
        Jeu a;
        Creer(a, mode, 200);
        Jeu b;
        Lire_Texte_Monde(b.Main, Ecrire_Texte_Monde(a.Main), "essai.sav");
        ModMain &A = a.Main, &B = b.Main;
        B.NoPersoJoueur = A.NoPersoJoueur;
        B.NoPersoParJoueur = A.NoPersoParJoueur;
        B.Aleatoire = A.Aleatoire;
        B.GenerateurPlateforme = A.GenerateurPlateforme;
        A.IA.Initialiser_IA();
        B.IA.Initialiser_IA();
        B.IA.DistanceRecherche = A.IA.DistanceRecherche;
        B.IA.RayonTresor = A.IA.RayonTresor;
        B.IA.RayonPerso = A.IA.RayonPerso;
        B.IA.RayonMaison = A.IA.RayonMaison;
        B.IA.RayonChateau = A.IA.RayonChateau;
        B.IA.CurseurMaison = A.IA.CurseurMaison;
        B.IA.CurseurPerso = A.IA.CurseurPerso;
        B.IA.CurseurMaisonEnnemie = A.IA.CurseurMaisonEnnemie;
        B.IA.CurseurChateau = A.IA.CurseurChateau;
        B.IA.CourseFaite = A.IA.CourseFaite;
        B.IA.CurseurIA = A.IA.CurseurIA;
        B.IA.IndiceTrouve = A.IA.IndiceTrouve;
        for (int t = 0; t < 1000; ++t) {
            A.Tour_Simulation();
            B.Tour_Simulation();
        }
        EXPECT_EQ(Difference(Ecrire_Texte_Monde(A), Ecrire_Texte_Monde(B)), "");
        EXPECT_EQ(Hacher_Etat(A), Hacher_Etat(B));
    }
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
        {"tronqué à la dernière ligne", tronque(N - 1), "tronqué"},
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
