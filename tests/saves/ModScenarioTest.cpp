// Scenarios: each shipped scenario starts a game; what its lines ask for is
// in the world; faulty files are refused with their line; a scenario's
// world saves and reloads the same.
#include <gtest/gtest.h>

#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "saves/FichierMonde.h"
#include "saves/ModSAVMonde.h"
#include "saves/ModScenario.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

struct Scenarios : ::testing::Test {
    DossierJeu dossier{DonneesSource()};
    ModMain Main{dossier};
    void SetUp() override {
        Main.Charger_Parametres();
        Main.IA2.Charger_IAs();
        ModScenario::Brancher(Main);
    }
    bool Jouer(const std::string& fichier) {
        SetupChoices c;
        c.Mode = SetupChoices::ChargerScenario;
        c.FichierMonde = fichier;
        Main.Creer_Partie(c);
        return !Main.FinPartie;
    }
    // Builds from text; the error's message, or "" when it was accepted.
    std::string Lire(const std::string& texte) {
        try {
            ModScenario(Main).Lire_Scenario(texte, "essai.snr");
            return "";
        } catch (const ErreurFichier& e) {
            return e.what();
        }
    }
    // The built world saves, and the save reloads and saves to the same
    // lines (once the looks are worked out, as the engine does when the
    // game starts).
    void ExigerMemeSauvegardeRelue() {
        for (std::size_t i = 0; i < Main.Persos.size(); ++i)
            Main.Persos[i].Calculer_Apparence(Main.Maisons[i], Main.Parametres);
        const std::string t1 = Ecrire_Texte_Monde(Main);
        DossierJeu d2{DonneesSource()};
        ModMain autre{d2};
        autre.Charger_Parametres();
        Lire_Texte_Monde(autre, t1, "essai.sav");
        const auto la = DecouperLignes(t1), lb = DecouperLignes(Ecrire_Texte_Monde(autre));
        ASSERT_EQ(la.size(), lb.size());
        for (std::size_t k = 0; k < la.size(); ++k) ASSERT_EQ(la[k], lb[k]) << "ligne " << k + 1;
    }
    static std::string Base() {
        return "monde_largeur=32\nmonde_hauteur=32\nnombre_fiefs=2\nnombre_persos=6\nnombre_ressources=5\n"
               "fief(2)_peuple=2\ndebut\nperso(1-3)_fief=1\nperso(4-6)_fief=2\n";
    }
};

}  // namespace

// Every scenario of the data set has its description and starts a game.
TEST_F(Scenarios, ChaqueScenarioLivreDemarreUnePartie) {
    const fs::path dossierScenarios = DonneesSource() / "Sauvegardes" / "Scenarios";
    int n = 0;
    for (const auto& e : fs::directory_iterator(dossierScenarios)) {
        if (e.path().extension() != ".snr") continue;
        ++n;
        const std::string nom = e.path().filename().string();
        SCOPED_TRACE(nom);
        EXPECT_TRUE(fs::is_regular_file(fs::path(e.path()).replace_extension(".txt")));
        // The build draws its preview into the game folder.
        const auto apercu = LireFichier(fs::path(MORVAINE_GAME_DIR) / "Sauvegardes" / "Scenarios" /
                                        fs::path(nom).replace_extension(".gif"));
        ASSERT_TRUE(apercu.has_value());
        EXPECT_EQ(apercu->substr(0, 2), "BM");
        ASSERT_TRUE(Jouer(nom)) << (Main.MessagesPartie.empty() ? "" : Main.MessagesPartie[0]);
        EXPECT_GE(Main.Fiefs.size(), 2u);
        for (const ClsJeuBatiment& c : Main.Chateaux) EXPECT_GT(c.Largeur, 0);
        for (const ClsJeuPerso& p : Main.Persos) {
            EXPECT_GE(p.Equipe, 0);
            EXPECT_LT(static_cast<std::size_t>(p.Equipe), Main.Fiefs.size());
        }
        // Its world saves and reloads the same.
        ExigerMemeSauvegardeRelue();
    }
    EXPECT_GE(n, 3);
}

// What the lines of the shipped scenarios ask for.
TEST_F(Scenarios, LesLignesFontCeQuEllesDisent) {
    ASSERT_TRUE(Jouer("Deux Rivieres.snr"));
    // A script named in capitals finds its file.
    EXPECT_EQ(Main.Persos[1].FichierIA, "Ouvrier.ia");
    EXPECT_EQ(Main.Persos[7].FichierIA, "Ouvrier.ia");
    // Houses built through the site search, at full life.
    for (int i : {1, 2, 3, 4, 6, 7, 8, 9}) {
        const ClsJeuBatiment& m = Main.Maisons[static_cast<std::size_t>(i)];
        EXPECT_GT(m.Largeur, 0) << i;
        EXPECT_DOUBLE_EQ(m.Vie, m.MaxVie) << i;
    }
    // The river: cell (31, 5) painted water; the ford stays meadow.
    EXPECT_EQ(Main.Monde.Param_TerrainCategorie(5 * 64 + 31), 2);
    EXPECT_EQ(Main.Monde.Param_TerrainCategorie(31 * 64 + 31), 0);

    ASSERT_TRUE(Jouer("Siege de Roc-Noir.snr"));
    // The leader counts its six followers, who lose their AI and are no
    // soldiers of the fief; the column layout of "rangees=3".
    EXPECT_EQ(Main.Persos[6].NombreInvocations, 6);
    for (int i = 7; i <= 12; ++i) {
        EXPECT_EQ(Main.Persos[static_cast<std::size_t>(i)].Invocateur, 6);
        EXPECT_FALSE(Main.Persos[static_cast<std::size_t>(i)].IA);
    }
    EXPECT_EQ(Main.Fiefs[1].NombrePersos, 2);
    EXPECT_EQ(Main.Persos[7].DecalageFormationX, 60);
    EXPECT_EQ(Main.Persos[8].DecalageFormationY, 24);
    EXPECT_EQ(Main.Persos[10].DecalageFormationX, 84);
    EXPECT_EQ(Main.Persos[10].DecalageFormationY, 0);
}

// Faulty scenarios: each refused with its line and what is wrong.
TEST_F(Scenarios, ScenariosFautifsRefuses) {
    struct Cas {
        const char* nom;
        std::string texte;
        const char* attendu;
    };
    const std::string b = Base();
    const std::vector<Cas> cas = {
        {"debut avant les châteaux", "nombre_persos=3\ndebut\n", "Ligne 2"},
        {"personnage hors limites", b + "perso(9)_vie=10\n", "Ligne 10"},
        {"fief hors limites", b + "perso(1)_fief=7\n", "Ligne 10"},
        {"parenthèse non fermée", b + "perso(2_vie=10\n", "refermée"},
        {"rangees=0", b + "rangees=0\n", "Ligne 10"},
        {"texte dans un nombre", b + "perso(1)_vie=beaucoup\n", "n'est pas un nombre"},
        {"script inconnu", b + "perso(2)_fichier_ia=Inconnu.ia\n", "introuvable"},
        {"objet hors limites", b + "perso(2)_objet=9999\n", "Ligne 10"},
        {"maison avant debut", "nombre_fiefs=1\nnombre_persos=2\nmaison(1)_type=1\n", "Ligne 3"},
        {"carte démesurée", "monde_largeur=100000\n", "Ligne 1"},
        {"trop de personnages", "nombre_persos=999999999\n", "Ligne 1"},
        {"sans debut", "nombre_fiefs=1\n", "debut"},
        {"virgule avant le signe égal", b + "perso(1,2)_vie=4\n", "virgule"},
        {"indice au bout des 32 bits", b + "perso(2-99999999999)_vie=4\n", "Ligne 10"},
        {"fiefs recomptés sous les personnages", "nombre_fiefs=2\nnombre_persos=3\nperso(3)_fief=2\nnombre_fiefs=1\n",
         "qui n'existerait plus"},
        {"fiefs recomptés après debut", b + "nombre_fiefs=1\n", "avant « debut »"},
        {"carte redimensionnée après debut", b + "monde_largeur=16\n", "avant « debut »"},
        {"forme au bout des 32 bits", b + "terrain_carreplein(99999999999-1)=3,3\n", "hors de la carte"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const std::string m = Lire(c.texte);
        EXPECT_NE(m.find("essai.snr"), std::string::npos) << m;
        EXPECT_NE(m.find(c.attendu), std::string::npos) << m;
    }
    // Without a size from the scenario or the setup, there is no map to build.
    Main.Monde.LargeurCarte = Main.Monde.HauteurCarte = 0;
    EXPECT_NE(Lire("nombre_fiefs=1\nnombre_persos=2\ndebut\n").find("la carte n'a pas de taille"), std::string::npos);
    // Through the game setup: no game, the reason told, nothing left over.
    DossierTemporaire d;
    d.CopierDonnees();
    d.Ecrire("Sauvegardes/Scenarios/Faux.snr", b + "rangees=0\n");
    DossierJeu dj(d.Chemin());
    ModMain m(dj);
    m.Charger_Parametres();
    ModScenario::Brancher(m);
    SetupChoices c;
    c.Mode = SetupChoices::ChargerScenario;
    c.FichierMonde = "Faux.snr";
    m.Creer_Partie(c);
    EXPECT_TRUE(m.FinPartie);
    ASSERT_EQ(m.MessagesPartie.size(), 1u);
    EXPECT_NE(m.MessagesPartie[0].find("Faux.snr"), std::string::npos);
    EXPECT_TRUE(m.Chateaux.empty());
}

// Edge cases of the attributes: a row of characters, money with a spread,
// a second value ignored, objects counted, the last line's attribute kept.
TEST_F(Scenarios, Attributs) {
    ASSERT_EQ(Lire(Base() + "perso(1-3)_position=100,200\nperso(4)_argent=500\nperso(5)_argent=500,20\n"
                            "perso(6)_vie=10,5\nperso(2)_objet=2,3\nperso(3)_moral=20\nperso(1)=5\n"),
              "");
    EXPECT_EQ(Main.Persos[0].PositionX, 100);
    EXPECT_EQ(Main.Persos[1].PositionX, 124);
    EXPECT_EQ(Main.Persos[2].PositionX, 148);
    EXPECT_EQ(Main.Persos[2].PositionY, 200);
    EXPECT_DOUBLE_EQ(Main.Persos[3].Definir_Argent(), 500);
    EXPECT_GE(Main.Persos[4].Definir_Argent(), 400);
    EXPECT_LT(Main.Persos[4].Definir_Argent(), 500);
    EXPECT_DOUBLE_EQ(Main.Persos[5].Vie, 10);
    EXPECT_EQ(Main.Persos[1].Objet_NombreType(1), 3);
    EXPECT_DOUBLE_EQ(Main.Persos[0].Moral, 5);
    // A name is read lower-cased, its first letter put back in upper case,
    // accented or not.
    ASSERT_EQ(Lire(Base() + "perso(2)_nom=ÉLISE\nperso(3)_nom=Jean-Paul\nperso(4)_nom=œDIPE\n"), "");
    EXPECT_EQ(Main.Persos[1].Nom, "Élise");
    EXPECT_EQ(Main.Persos[2].Nom, "Jean-paul");
    EXPECT_EQ(Main.Persos[3].Nom, "Œdipe");
    // A maximum given to a race of smaller coefficient (race 2, 0.85 of the
    // life) is worked out as the game does, and the current value kept
    // below it: the world saves and reloads the same.
    ASSERT_EQ(Lire(Base() + "perso(2)_race=2\nperso(2)_maxvie=150\nperso(2)_vie=150\n"), "");
    EXPECT_LE(Main.Persos[1].Vie, Main.Persos[1].Definir_MaxVie());
    ExigerMemeSauvegardeRelue();
}

// More deposits than the map has room for: the world is built with every
// one of them on the map, and saves and reloads the same.
TEST_F(Scenarios, PlusDeGisementsQueDePlace) {
    ASSERT_EQ(Lire("monde_largeur=16\nmonde_hauteur=16\nnombre_fiefs=1\nnombre_persos=2\n"
                   "nombre_ressources=3000\ndebut\nfin\n"),
              "");
    ASSERT_EQ(Main.Ressources.size(), 3000u);
    const std::int32_t l = Main.Monde.LargeurCarte * Main.Monde.LargeurCase,
                       h = Main.Monde.HauteurCarte * Main.Monde.HauteurCase;
    for (const ClsJeuRessources& r : Main.Ressources) {
        EXPECT_GE(r.X, 0);
        EXPECT_GE(r.Y, 0);
        EXPECT_LE(r.X, l);
        EXPECT_LE(r.Y, h);
    }
    ExigerMemeSauvegardeRelue();
}
