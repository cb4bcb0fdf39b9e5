// The end of a game and the heroes' files: a game that its setup stops
// (a side too full for its heroes) writes nothing into them, while a game
// that ran gives each hero back the options it started with.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "display/ClsPerEcran.h"
#include "engine/InterfaceJoueur.h"
#include "tests/engine/MoteurOutils.h"

namespace {

const char* const DossierPersos = "Sauvegardes/Personnages/";

struct PartieDeHeros : MoteurSansEcran {
    std::unique_ptr<ClsPerEcran> ecran;
    int documents = 0;

    PartieDeHeros() {
        // Aldric's first item type is bound to shortcut 5.
        std::string aldric = d.Lire(std::string(DossierPersos) + "Aldric.per");
        aldric.insert(aldric.find('\n') + 1, "ToucheRaccourciObjet1=5\n");
        d.Ecrire(std::string(DossierPersos) + "Aldric.per", aldric);
        // Two more heroes of Aldric's side (a hero is named by its file).
        for (const char* nom : {"Bernard", "Clothaire"}) d.Ecrire(std::string(DossierPersos) + nom + ".per", aldric);
        Main->SavPerso.Charger_Parametres_SavPerso();
        ecran = std::make_unique<ClsPerEcran>(*dossier);
        M->CreerInterface = [this](std::int16_t joueur, std::int16_t nombre) -> std::unique_ptr<InterfaceMoteur> {
            return std::make_unique<InterfaceJoueur>(*Main, *ecran, nullptr, joueur, nombre);
        };
        M->Creer_Document_Stastistiques = [this] { ++documents; };
    }

    std::string Raccourci() const {
        const std::string texte = d.Lire(std::string(DossierPersos) + "Aldric.per");
        const auto i = texte.find("ToucheRaccourciObjet1=");
        return i == std::string::npos ? "" : texte.substr(i, texte.find_first_of("\r\n", i) - i);
    }
};

}  // namespace

TEST(FinDePartie, UnePartieArreteeAvantSonDebutNeSauveRienDesHeros) {
    PartieDeHeros p;
    SetupChoices c = MoteurSansEcran::Choix(1, 2, 2);
    c.Heros = {"Aldric", "Bernard", "Clothaire"};
    c.NomJoueur = "Aldric";
    p.M->MoteurJeu(c, nullptr, 800, 600);
    ASSERT_TRUE(p.Main->FinPartie);
    ASSERT_FALSE(p.Main->MessagesPartie.empty()) << "the side was too full";
    EXPECT_EQ(p.Raccourci(), "ToucheRaccourciObjet1=5");
    EXPECT_EQ(p.documents, 0) << "no statistics for a game never played";
}

TEST(FinDePartie, UnePartieJoueeRendSesOptionsAuHeros) {
    PartieDeHeros p;
    SetupChoices c = MoteurSansEcran::Choix(1, 2, 3);
    c.Heros = {"Aldric"};
    c.NomJoueur = "Aldric";
    ASSERT_TRUE(p.M->Demarrer(c, nullptr, 800, 600));
    // The player binds the key of shortcut 7 to the same item type.
    auto* joueur = dynamic_cast<InterfaceJoueur*>(p.M->Joueurs[0].Interface.get());
    ASSERT_NE(joueur, nullptr);
    EXPECT_EQ(joueur->Interface.Touches_Raccourci_Objets(0), 4);
    joueur->Interface.Touches_Raccourci_Objets(0, 6);
    p.Main->FinPartie = true;
    p.M->Terminer();
    EXPECT_EQ(p.Raccourci(), "ToucheRaccourciObjet1=7");
    EXPECT_EQ(p.documents, 1);
}

TEST(FinDePartie, LaPageDesStatistiquesSuitLaPartieJoueeEtSeulementElle) {
    MoteurSansEcran p;
    p.Main->SavPerso.Charger_Parametres_SavPerso();
    p.Main->Documents.Charger_Parametres_Documents();
    ASSERT_TRUE(p.Main->Documents.Definir_EnregistrerStastistiques());
    SetupChoices c = MoteurSansEcran::Choix(1, 2, 3);
    c.Heros = {"Aldric"};
    c.NomJoueur = "Aldric";
    ASSERT_TRUE(p.M->Demarrer(c, nullptr, 800, 600));
    EXPECT_EQ(p.Main->Statistiques.NombrePersosSuivis, 1);
    p.Main->FinPartie = true;
    p.M->Terminer();
    EXPECT_NE(p.d.Lire("Documents/Statistiques.html").find("<td align=center>Aldric</td>"), std::string::npos);
    EXPECT_TRUE(p.Main->MessagesPartie.empty());

    // A page that cannot be written is told with the game's messages.
    ASSERT_TRUE(p.M->Demarrer(c, nullptr, 800, 600));
    std::filesystem::remove_all(p.d.Chemin() / "Documents");
    p.d.Ecrire("Documents", "un fichier");
    p.Main->FinPartie = true;
    p.M->Terminer();
    ASSERT_EQ(p.Main->MessagesPartie.size(), 1u);
    EXPECT_NE(p.Main->MessagesPartie[0].find("Statistiques.html"), std::string::npos);

    // The next game's setup forgets the last game's heroes, even when it
    // stops before its statistics start.
    SetupChoices absent = MoteurSansEcran::Choix();
    absent.Mode = SetupChoices::ChargerMonde;
    absent.FichierMonde = "absent";
    EXPECT_FALSE(p.M->Demarrer(absent, nullptr, 800, 600));
    EXPECT_EQ(p.Main->Statistiques.NombrePersosSuivis, 0);
    EXPECT_TRUE(p.Main->Statistiques.IndicesPersos.empty());
    EXPECT_TRUE(p.Main->Statistiques.Instantanes.empty());
}
