// Heroes joining a game: the chosen heroes take the first free characters
// of their side, the local players get theirs, a full side stops the
// heroes with its message, a bad hero file is left out, scripts go to the
// non-player characters of races that take one (two draws each), and the
// non-player characters of a new world gain the difficulty's levels.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "engine/ModMain.h"
#include "engine/HachageEtat.h"
#include "engine/ModMain_Heros.h"
#include "network/ChoixReseau.h"
#include "platform/Nombres.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

const char* const DossierPersos = "Sauvegardes/Personnages/";

class PlacerHeros : public ::testing::Test {
protected:
    // The default data with its sample heroes (Aldric and Brunhilde of
    // team 0, Elowen of team 1); every race takes a script when asked.
    void Preparer(bool racesAScript = false) {
        dossier_.CopierDonnees();
        if (racesAScript) {
            std::string races = dossier_.Lire("Ini_Parametres_Races.ini");
            for (std::size_t i = races.find("IA_Selectionner=0"); i != std::string::npos;
                 i = races.find("IA_Selectionner=0", i))
                races.replace(i, 17, "IA_Selectionner=1");
            dossier_.Ecrire("Ini_Parametres_Races.ini", races);
        }
        jeu_ = std::make_unique<DossierJeu>(dossier_.Chemin());
        Main = std::make_unique<ModMain>(*jeu_);
        Main->Charger_Parametres();
        Main->SavPerso.Charger_Parametres_SavPerso();
    }
    void SetUp() override { Preparer(); }

    // Two fiefs: side 1 with n0 villagers, side 2 with n1.
    static SetupChoices Choix(std::int32_t n0, std::int32_t n1) {
        SetupChoices c;
        c.LargeurCarte = c.HauteurCarte = 32;
        c.NombreRessources = 5;
        c.Fiefs = {{0, 0, n0}, {1, 0, n1}};
        return c;
    }

    // A hero file: a copy of a sample hero under another name and team.
    void Copier(const std::string& modele, const std::string& nom, std::int32_t equipe) {
        std::string texte = dossier_.Lire(std::string(DossierPersos) + modele + ".per");
        const auto i = texte.find("\nEquipe=");
        texte.replace(i, texte.find('\n', i + 1) - i, "\nEquipe=" + std::to_string(equipe));
        dossier_.Ecrire(std::string(DossierPersos) + nom + ".per", texte);
    }

    const ClsJeuPerso& Perso(std::size_t i) const { return Main->Persos[i]; }

    DossierTemporaire dossier_;
    std::unique_ptr<DossierJeu> jeu_;
    std::unique_ptr<ModMain> Main;
};

TEST_F(PlacerHeros, LesHerosPrennentLesPremiersPersonnagesDeLeurCamp) {
    SetupChoices c = Choix(3, 2);
    c.Heros = {"Aldric", "Elowen", "Brunhilde"};
    c.NomJoueur = "Brunhilde";
    Main->NoPersoJoueur = 4;
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    ASSERT_FALSE(Main->FinPartie);
    EXPECT_TRUE(Main->MessagesPartie.empty());

    const std::vector<std::pair<std::size_t, const char*>> places = {{0, "Aldric"}, {1, "Brunhilde"}, {3, "Elowen"}};
    for (const auto& [i, nom] : places) {
        SCOPED_TRACE(nom);
        EXPECT_EQ(Perso(i).Nom, nom);
        EXPECT_EQ(Perso(i).PersoFichier, 1);
        EXPECT_TRUE(Main->Parametres.Race_Jouable(Perso(i).Race));
    }
    EXPECT_EQ(Perso(0).Camp, 1);
    EXPECT_EQ(Perso(3).Camp, 2);
    EXPECT_EQ(Perso(3).Equipe, 1);
    EXPECT_EQ(Perso(2).PersoFichier, 0);
    EXPECT_EQ(Perso(4).PersoFichier, 0);
    // The file's experience, levels from it.
    EXPECT_EQ(Perso(0).ExpVie, 45.5);
    EXPECT_EQ(Perso(0).ExpMagie, 12.25);
    EXPECT_EQ(Perso(0).NiveauVie, 1);
    EXPECT_EQ(Perso(0).Definir_Bestiaire(3), 3);
    // Talents chosen in the file were given: Aldric holds his dagger.
    const std::int16_t dague = Main->Parametres.Race_Objet(Perso(0).Race, 1);
    EXPECT_GE(Perso(0).Objet_NombreType(dague), 1);

    // The local player's character: marked, driven by the player, its
    // script flag set; the others run on the built-in AI.
    EXPECT_EQ(Main->NoPersoJoueur, 1);
    EXPECT_EQ(Main->NoPersoParJoueur, std::vector<std::int32_t>{1});
    EXPECT_TRUE(Perso(1).Joueur);
    EXPECT_TRUE(Perso(1).IA);
    EXPECT_FALSE(Perso(1).IA_Active);
    for (std::size_t i : {0u, 2u, 3u, 4u}) {
        EXPECT_FALSE(Perso(i).Joueur) << i;
        EXPECT_TRUE(Perso(i).IA_Active) << i;
    }
}

TEST_F(PlacerHeros, UnCampPleinArreteLesHeros) {
    Copier("Aldric", "Bernard", 0);
    Copier("Aldric", "Clothaire", 0);
    SetupChoices c = Choix(2, 2);
    c.Heros = {"Aldric", "Bernard", "Clothaire", "Elowen"};
    c.NomJoueur = "Elowen";
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_TRUE(Main->FinPartie);
    EXPECT_EQ(Main->MessagesPartie,
              std::vector<std::string>{"Il n'y a pas assez de place pour tous vos personnages dans l'équipe 1."});
    EXPECT_EQ(Perso(0).Nom, "Aldric");
    EXPECT_EQ(Perso(1).Nom, "Bernard");
    // No hero after the full side is placed.
    EXPECT_EQ(Perso(2).PersoFichier, 0);
    EXPECT_EQ(Perso(3).PersoFichier, 0);
}

TEST_F(PlacerHeros, UnHerosIlliblesEstLaisseDeCote) {
    std::string casse = dossier_.Lire(std::string(DossierPersos) + "Aldric.per");
    casse.replace(casse.find("\nRace=0"), 7, "\nRace=77");
    dossier_.Ecrire(std::string(DossierPersos) + "Casse.per", casse);
    Copier("Aldric", "Loin", 12345);  // a team no fief has: no side either

    SetupChoices c = Choix(3, 2);
    c.Heros = {"Casse", "Fantome", "../Ini_SavPerso", "Aldric", "aldric", "Elowen"};
    Main->Creer_Partie_Monde(c);
    const ClsJeuPerso avant = Perso(1);
    Placer_Heros(*Main, c);

    ASSERT_EQ(Main->MessagesPartie.size(), 3u);
    EXPECT_EQ(Main->MessagesPartie[0].rfind("Le fichier de personnage Casse est invalide\n", 0), 0u)
        << Main->MessagesPartie[0];
    EXPECT_NE(Main->MessagesPartie[0].find("clé Race : 77 ne désigne aucune race"), std::string::npos);
    EXPECT_EQ(Main->MessagesPartie[1].rfind("Le fichier de personnage Fantome est invalide", 0), 0u);
    EXPECT_EQ(Main->MessagesPartie[2].rfind("Le fichier de personnage ../Ini_SavPerso est invalide", 0), 0u);
    EXPECT_FALSE(Main->FinPartie);
    // The villager the bad hero would have replaced is left as it was;
    // the good heroes join, the same one only once.
    EXPECT_EQ(Perso(0).Nom, "Aldric");
    EXPECT_EQ(Perso(1).PersoFichier, 0);
    EXPECT_EQ(Perso(1).Nom, avant.Nom);
    EXPECT_EQ(Perso(1).Race, avant.Race);
    EXPECT_EQ(Perso(1).Sexe, avant.Sexe);
    EXPECT_EQ(Perso(3).Nom, "Elowen");

    // A side that exists nowhere has no room.
    c.Heros = {"Loin"};
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_EQ(Main->MessagesPartie,
              std::vector<std::string>{"Il n'y a pas assez de place pour tous vos personnages dans l'équipe 12346."});
}

TEST_F(PlacerHeros, UneEquipeSansFiefGardeLeFiefDuPersonnageRemplace) {
    // The second fief stands on side 5: a hero of team 4 joins it, but no
    // fief 4 exists for its castle, house and stock.
    Copier("Aldric", "Quatre", 4);
    SetupChoices c = Choix(2, 2);
    c.Fiefs[1].Equipe = 4;
    c.Heros = {"Quatre", "Aldric"};
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_TRUE(Main->MessagesPartie.empty());
    EXPECT_EQ(Perso(2).Nom, "Quatre");
    EXPECT_EQ(Perso(2).Camp, 5);
    EXPECT_EQ(Perso(2).Equipe, 1);
    // A team that names a fief is kept, as the file says.
    EXPECT_EQ(Perso(0).Nom, "Aldric");
    EXPECT_EQ(Perso(0).Equipe, 0);
}

TEST_F(PlacerHeros, DeuxJoueursLocaux) {
    SetupChoices c = Choix(3, 2);
    c.Heros = {"Aldric", "Brunhilde", "Elowen"};
    c.NombreJoueursLocaux = 2;
    c.NomsJoueurs[0] = "Elowen";
    c.NomsJoueurs[1] = "Aldric";
    c.NomJoueur = "Brunhilde";  // the one-player choice is not read
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_EQ(Main->NoPersoJoueur, 3);
    EXPECT_EQ(Main->NoPersoParJoueur, (std::vector<std::int32_t>{3, 0}));
    EXPECT_TRUE(Perso(3).Joueur);
    EXPECT_TRUE(Perso(0).Joueur);
    EXPECT_FALSE(Perso(1).Joueur);
    EXPECT_FALSE(Perso(3).IA_Active);
    EXPECT_FALSE(Perso(0).IA_Active);
    EXPECT_TRUE(Perso(1).IA_Active);
}

TEST_F(PlacerHeros, SansHerosDuJoueurLeJoueurGardeSonPersonnage) {
    SetupChoices c = Choix(3, 2);
    c.Heros = {"Elowen"};
    c.NomJoueur = "Personne";
    Main->NoPersoJoueur = 2;
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_EQ(Main->NoPersoJoueur, 2);
    EXPECT_EQ(Perso(3).Nom, "Elowen");
    EXPECT_FALSE(Perso(3).Joueur);
    EXPECT_TRUE(Perso(3).IA_Active);
    // Player 1's character gets its script flag all the same.
    EXPECT_TRUE(Perso(2).IA);
}

TEST_F(PlacerHeros, ScriptsDesPersonnagesNonJoueurs) {
    Preparer(true);
    std::string sansScript = dossier_.Lire(std::string(DossierPersos) + "Elowen.per");
    sansScript.replace(sansScript.find("\nIA=1"), 5, "\nIA=0");
    dossier_.Ecrire(std::string(DossierPersos) + "Sylve.per", sansScript);

    for (const std::vector<std::string>& liste : {std::vector<std::string>{"Ouvrier.ia", "Pacifiste.ia", "Soldat.ia"},
                                                  std::vector<std::string>{}}) {
        SCOPED_TRACE(liste.size());
        SetupChoices c = Choix(4, 3);
        c.Heros = {"Elowen", "Sylve"};  // characters 4 and 5
        c.NomJoueur = "Elowen";
        c.FichiersIA = liste;
        Main->Creer_Partie_Monde(c);
        // The default races hand out their own scripts; here only one
        // villager has one, and keeps it without a draw.
        for (ClsJeuPerso& p : Main->Persos) p.IA = false;
        Main->Persos[1].IA = true;
        Main->Persos[1].FichierIA = "Garde.ia";
        std::vector<bool> scripte;
        for (const ClsJeuPerso& p : Main->Persos) scripte.push_back(p.IA);
        Main->Aleatoire.Generateur().Semer(42);
        GenerateurLocal jumeau(42);
        Placer_Heros(*Main, c);

        // Heroes never get a script from here.
        EXPECT_EQ(Perso(4).FichierIA, "_Defaut");
        EXPECT_FALSE(Perso(5).IA);
        EXPECT_EQ(Perso(5).FichierIA, "_Defaut");
        EXPECT_EQ(Perso(1).FichierIA, "Garde.ia");
        std::size_t tires = 0;
        for (std::size_t i = 0; i < Main->Persos.size(); ++i) {
            SCOPED_TRACE(i);
            if (i == 4 || i == 5 || scripte[i]) continue;
            const ClsJeuPerso& p = Perso(i);
            ++tires;
            jumeau.Suivant();
            const float s = jumeau.Suivant();
            if (liste.empty()) {
                EXPECT_FALSE(p.IA);
            } else {
                EXPECT_TRUE(p.IA);
                EXPECT_EQ(p.FichierIA, liste[static_cast<std::size_t>(Entier(liste.size() * static_cast<double>(s)))]);
            }
        }
        EXPECT_GE(tires, 3u);
        // Exactly two draws per character handed a script.
        EXPECT_EQ(Main->Aleatoire.Nombre_Aleatoire(), jumeau.Suivant());
    }
}

TEST_F(PlacerHeros, NiveauxDesPersonnagesNonJoueurs) {
    const ClsJeuParam& P = Main->Parametres;
    for (std::int32_t bonus : {25, 0}) {
        SCOPED_TRACE(bonus);
        SetupChoices c = Choix(3, 2);
        c.Heros = {"Aldric"};
        c.BonusXP = bonus;
        Main->Creer_Partie_Monde(c);
        Main->Persos[2].Experience = false;
        std::vector<std::pair<int, std::string>> textes;
        Placer_Heros(*Main, c, [&](int pourcent, const std::string& texte) { textes.emplace_back(pourcent, texte); });

        EXPECT_EQ(Perso(0).ExpVie, 45.5);  // the hero keeps its own
        for (std::size_t i = 1; i < Main->Persos.size(); ++i) {
            SCOPED_TRACE(i);
            const ClsJeuPerso& p = Perso(i);
            EXPECT_EQ(p.ExpVie, bonus);
            EXPECT_EQ(p.ExpMoral, bonus);
            EXPECT_EQ(p.ExpAttaque, 20.0 * bonus);
            EXPECT_EQ(p.ExpDefense, 20.0 * bonus);
            for (std::int32_t j = 0; j < P.NombreCompetencesSpeciales; ++j) EXPECT_EQ(p.Definir_ExpSpeciales(j), bonus);
            for (std::int32_t j = 0; j < P.NombreRessources; ++j) EXPECT_EQ(p.Definir_ExpRessources(j), bonus);
            for (std::int32_t j = 0; j <= P.NombreServices - 2; ++j) EXPECT_EQ(p.Definir_ExpServices(j), bonus);
            for (std::int32_t j = 0; j < P.NombreCompetencesObjets; ++j) EXPECT_EQ(p.Definir_ExpObjets(j), bonus);
            // 25 experience is one level of life (20) and of a resource
            // (15), 500 one of attack (400) and of defence (250; the
            // second is at 750).
            EXPECT_EQ(p.NiveauVie, bonus ? 1 : 0);
            EXPECT_EQ(p.NiveauAttaque, bonus ? 1 : 0);
            EXPECT_EQ(p.NiveauDefense, bonus ? 1 : 0);
            EXPECT_EQ(p.Niveau_CompetenceRessources(0), bonus ? 1 : 0);
        }
        // The flag of a character that does not learn is put back.
        EXPECT_FALSE(Perso(2).Experience);

        ASSERT_EQ(textes.size(), Main->Persos.size());
        EXPECT_EQ(textes.front(), std::make_pair(40, std::string("Gestion des niveaux des PNJ : 00 %")));
        EXPECT_EQ(textes[1].second, "Gestion des niveaux des PNJ : 25 %");
        EXPECT_EQ(textes.back().second, "Gestion des niveaux des PNJ : 100 %");
    }
}

TEST_F(PlacerHeros, UnMondeChargeNeGagnePasDeNiveaux) {
    SetupChoices c = Choix(3, 2);
    c.BonusXP = 40;
    Main->Creer_Partie_Monde(c);
    for (const char* mode : {SetupChoices::ChargerMonde, SetupChoices::ChargerScenario}) {
        c.Mode = mode;
        int appels = 0;
        Placer_Heros(*Main, c, [&](int, const std::string&) { ++appels; });
        EXPECT_EQ(appels, 0);
        EXPECT_EQ(Perso(1).ExpVie, 0.0);
    }
    // A world of one character: its progress is whole at once.
    SetupChoices seul = Choix(1, 0);
    seul.Fiefs.pop_back();
    Main->Creer_Partie_Monde(seul);
    ASSERT_EQ(Main->Persos.size(), 1u);
    std::string texte;
    Placer_Heros(*Main, seul, [&](int, const std::string& t) { texte = t; });
    EXPECT_EQ(texte, "Gestion des niveaux des PNJ : 100 %");
}

TEST_F(PlacerHeros, PartieEnReseau) {
    SetupChoices c = Choix(3, 2);
    c.Heros = {"Aldric"};
    c.NomJoueur = "Aldric";
    c.Reseau = true;
    c.NumeroJoueurReseau = 3;
    Main->Creer_Partie_Monde(c);
    Placer_Heros(*Main, c);
    EXPECT_EQ(Main->NoPersoJoueur, 3);
    EXPECT_EQ(Main->NoPersoParJoueur[0], 3);
}

// Two machines whose setup windows and pasts differ build the same network
// world: the host's hero of the second side (placed beyond the session's
// characters), heroes loaded from the host's files on the other machine,
// which keeps its own file of the same name.
TEST_F(PlacerHeros, PartieEnReseauLaMemeSurChaqueMachine) {
    Preparer(true);
    SetupChoices c = Choix(3, 2);
    c.Heros = {"Aldric", "Elowen"};
    c.NomJoueur = "Elowen";
    c.Reseau = true;
    c.NombreJoueursReseau = 2;
    c.FichiersIA = {"Soldat.ia", "Ouvrier.ia"};
    Main->NoPersoJoueur = 4;
    Main->Creer_Partie(c);
    ASSERT_FALSE(Main->FinPartie);
    EXPECT_EQ(Perso(3).Nom, "Elowen");
    EXPECT_EQ(Main->NoPersoJoueur, 0);

    // The other machine: its own Elowen is of another side and race, its
    // window names other heroes for two local players.
    DossierTemporaire autre;
    autre.CopierDonnees();
    autre.Ecrire(std::string(DossierPersos) + "Elowen.per", "[Personnage]\nSexe=Masculin\nRace=0\nEquipe=0\n");
    const std::string sienne = autre.Lire(std::string(DossierPersos) + "Elowen.per");
    DossierJeu jeu(autre.Chemin());
    ModMain M(jeu);
    M.Charger_Parametres();
    M.SavPerso.Charger_Parametres_SavPerso();
    SetupChoices envoi = c;
    envoi.FichiersHeros = Fichiers_Heros(*Main, c);
    ASSERT_EQ(envoi.FichiersHeros.size(), 2u);
    // A name that would write outside the folder is refused.
    envoi.FichiersHeros.push_back({"../../Ini_Combat", "[Personnage]\n"});
    auto lu = ChoixReseau::Lire(ChoixReseau::Ecrire(envoi));
    ASSERT_TRUE(lu);
    lu->NumeroJoueurReseau = 1;
    lu->NomJoueur = "Aldric";
    lu->NombreJoueursLocaux = 2;
    lu->NomsJoueurs[0] = "Aldric";
    lu->NomsJoueurs[1] = "Elowen";
    M.NoPersoJoueur = 2;
    M.Creer_Partie(*lu);
    ASSERT_FALSE(M.FinPartie);
    ASSERT_EQ(M.MessagesPartie.size(), 1u);
    EXPECT_NE(M.MessagesPartie[0].find("« ../../Ini_Combat » reçu de l'hôte est refusé"), std::string::npos);
    EXPECT_EQ(M.Persos[3].Nom, "Elowen");
    EXPECT_EQ(M.NoPersoJoueur, 1);
    EXPECT_EQ(Hacher_Parties(M), Hacher_Parties(*Main));
    for (std::size_t i = 0; i < Main->Persos.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(M.Persos[i].IA, Perso(i).IA);
        EXPECT_EQ(M.Persos[i].IA_Active, Perso(i).IA_Active);
        EXPECT_EQ(M.Persos[i].FichierIA, Perso(i).FichierIA);
    }
    // The session's two characters are the players', on both machines.
    EXPECT_FALSE(Perso(0).IA_Active);
    EXPECT_FALSE(Perso(1).IA_Active);
    EXPECT_TRUE(Perso(3).IA_Active);
    EXPECT_EQ(autre.Lire(std::string(DossierPersos) + "Elowen.per"), sienne);
    EXPECT_EQ(autre.Lire("Ini_Combat.ini"), dossier_.Lire("Ini_Combat.ini"));
    // Once the game is over, the window's heroes are this machine's own.
    M.Effacer_Monde();
    EXPECT_EQ(M.SavPerso.Chemin_Perso("Elowen"), jeu.Chemin(std::string("\\") + DossierPersos + "Elowen.per"));
}

TEST_F(PlacerHeros, ScriptsResolusParLeurNom) {
    Main->IA2.Charger_IAs();
    SetupChoices c = Choix(3, 0);
    Main->Creer_Partie_Monde(c);
    Main->Persos[0].IA = true;
    Main->Persos[0].FichierIA = "SOLDAT.IA";
    Main->Persos[1].IA = true;
    Main->Persos[1].FichierIA = "Inconnu.ia";
    Main->Persos[2].IA = false;
    Main->Persos[2].FichierIA = "Soldat.ia";
    Main->Persos[2].IndiceIA = -1;
    Resoudre_Scripts_IA(*Main);
    EXPECT_EQ(Perso(0).IndiceIA, Main->IA2.Indice_IA("Soldat.ia"));
    EXPECT_GE(Perso(0).IndiceIA, 0);
    EXPECT_TRUE(Perso(0).IA);
    // No such script: the built-in AI plays it.
    EXPECT_FALSE(Perso(1).IA);
    EXPECT_EQ(Perso(1).IndiceIA, -1);
    EXPECT_EQ(Perso(2).IndiceIA, -1);
}

}  // namespace
