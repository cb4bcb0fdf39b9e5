#include <gtest/gtest.h>

#include <filesystem>

#include "ai/ModIA2.h"
#include "platform/DossierJeu.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

namespace fs = std::filesystem;

namespace {

std::string Script(const std::string& description, const std::string& etape = "Travailler") {
    std::string t = "#" + description + "\r\n\r\n";
    for (int k = 1; k <= 2; ++k) t += "Age_" + std::to_string(k) + "\r\n#\r\n" + etape + "\r\n\r\n";
    return t + "#Fin\r\n";
}

struct Bibliotheque : ::testing::Test {
    DossierTemporaire d;
    DossierJeu dossier{d.Chemin()};
    ClsJeuParam p{dossier};
    ModIA2 ia2{dossier, p};
    void SetUp() override {
        p.NombreEpoques = 2;
        p.NombreRessources = 3;
        p.NombreTypeBatiments = 3;
        p.NombreTypesObjets = 3;
        fs::create_directories(d.Chemin() / "IAs");
    }
    bool Existe(const char* relatif) const { return fs::exists(d.Chemin() / relatif); }
    std::vector<std::string> Noms() const {
        std::vector<std::string> n;
        for (const auto& ia : ia2.AIs) n.push_back(ia.NomFichier);
        return n;
    }
};

using Textes = std::vector<std::string>;

}  // namespace

TEST_F(Bibliotheque, DossierVide) {
    ia2.Charger_IAs();
    ASSERT_EQ(ia2.AIs.size(), 1u);
    EXPECT_EQ(ia2.AIs[0], ClsJeuIA2{});
    EXPECT_TRUE(ia2.ErreursChargement.empty());
    EXPECT_EQ(ia2.Indice_IA("Guerrier.ia"), -1);
    EXPECT_EQ(ia2.Indice_IA(""), -1);
}

TEST_F(Bibliotheque, DossierAbsent) {
    fs::remove(d.Chemin() / "IAs");
    ia2.Charger_IAs();
    ASSERT_EQ(ia2.AIs.size(), 1u);
    EXPECT_EQ(ia2.ErreursChargement, Textes{"Les fichiers d'IAs sont introuvables."});
}

TEST_F(Bibliotheque, RacineAvantSousDossiers) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    d.Ecrire("IAs/archer.ia", Script("archer"));
    d.Ecrire("IAs/Monstres/Loup.ia", Script("loup"));
    d.Ecrire("IAs/Monstres/Ours.ia", Script("ours"));
    d.Ecrire("IAs/Monstres/Guerrier.ia", Script("guerrier des bois"));
    d.Ecrire("IAs/Betes/Rat", Script("rat"));
    // A file without extension at the root is a script, not a folder name.
    d.Ecrire("IAs/_Defaut", Script("défaut"));
    // Never scanned: a folder whose name has a dot, a folder two levels
    // down, hidden files.
    d.Ecrire("IAs/Vieux.d/Ancien.ia", Script("ancien"));
    d.Ecrire("IAs/Monstres/Profond/Taupe.ia", Script("taupe"));
    d.Ecrire("IAs/.cache", "x");
    d.Ecrire("IAs/Monstres/.Loup.ia.swp", "x");
    ia2.Charger_IAs();
    EXPECT_TRUE(ia2.ErreursChargement.empty());
    // Each folder in name order, letter case aside; the sub-folders in
    // name order too.
    EXPECT_EQ(Noms(), (Textes{"_Defaut", "archer.ia", "Guerrier.ia", "Rat", "Guerrier.ia", "Loup.ia", "Ours.ia"}));
    for (std::size_t i = 0; i < ia2.AIs.size(); ++i) EXPECT_EQ(ia2.AIs[i].EstJoueur, i < 3) << i;
    EXPECT_EQ(ia2.AIs[0].Description, "défaut");

    EXPECT_EQ(ia2.Indice_IA("GUERRIER.IA"), 2);  // the root one wins
    EXPECT_EQ(ia2.Indice_IA("loup.ia"), 5);
    EXPECT_EQ(ia2.Indice_IA("_defaut"), 0);
    EXPECT_EQ(ia2.Indice_IA("Taupe.ia"), -1);
    EXPECT_EQ(ia2.Indice_IA("Ancien.ia"), -1);
    EXPECT_EQ(ia2.Indice_IA("Loup"), -1);
}

TEST_F(Bibliotheque, ScriptInvalideEcarte) {
    d.Ecrire("IAs/Bon.ia", Script("bon"));
    d.Ecrire("IAs/Monstres/Mauvais.ia", Script("mauvais", "Objet_9=1"));
    d.Ecrire("IAs/Monstres/Vide.ia", "");
    d.Ecrire("IAs/Monstres/Zombi.ia", Script("zombi"));
    ia2.Charger_IAs();
    EXPECT_EQ(Noms(), (Textes{"Bon.ia", "Zombi.ia"}));
    EXPECT_EQ(ia2.ErreursChargement,
              (Textes{"Le fichier IAs/Monstres/Mauvais.ia est invalide.\n"
                      "Ligne 5 : « Objet_9=1 » : l'objet 9 n'existe pas (les règles en comptent 3).\n"
                      "Ligne 9 : « Objet_9=1 » : l'objet 9 n'existe pas (les règles en comptent 3).",
                      "Le fichier IAs/Monstres/Vide.ia est invalide.\nLe fichier est vide."}));
    EXPECT_EQ(ia2.Indice_IA("Mauvais.ia"), -1);

    // Only bad scripts: the table keeps its empty entry.
    fs::remove(d.Chemin() / "IAs/Bon.ia");
    fs::remove(d.Chemin() / "IAs/Monstres/Zombi.ia");
    ia2.Charger_IAs();
    ASSERT_EQ(ia2.AIs.size(), 1u);
    EXPECT_EQ(ia2.AIs[0], ClsJeuIA2{});
    EXPECT_EQ(ia2.ErreursChargement.size(), 2u);
}

TEST_F(Bibliotheque, NouvelleIA) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    ia2.Charger_IAs();
    ia2.AIs[0].Description = "pas enregistré";

    ASSERT_TRUE(ia2.Nouvelle_IA("Nouvelle IA.ia"));
    EXPECT_EQ(d.Lire("IAs/Nouvelle IA.ia"), "#\r\n\r\nAge_1\r\n#\r\nTravailler\r\n\r\nAge_2\r\n#\r\nTravailler\r\n\r\n#Fin\r\n");
    EXPECT_EQ(Noms(), (Textes{"Guerrier.ia", "Nouvelle IA.ia"}));
    EXPECT_EQ(ia2.AIs[0].Description, "guerrier");  // reloaded without saving

    const ResultatCommandeIA deja = ia2.Nouvelle_IA("Guerrier.ia");
    EXPECT_FALSE(deja);
    EXPECT_EQ(deja.Titre, "Création impossible");
    EXPECT_EQ(deja.Message, "Le fichier Guerrier.ia existe déjà");
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia"), Script("guerrier"));
    // Another letter case is another name.
    EXPECT_TRUE(ia2.Nouvelle_IA("guerrier.ia"));
    EXPECT_EQ(ia2.AIs.size(), 3u);

    // A file that did not load is not overwritten, nor is a folder.
    d.Ecrire("IAs/Casse.ia", "Age_9\r\n");
    d.Ecrire("IAs/Monstres/Loup.ia", Script("loup"));
    ia2.Charger_IAs();
    EXPECT_FALSE(ia2.Nouvelle_IA("Casse.ia"));
    EXPECT_EQ(d.Lire("IAs/Casse.ia"), "Age_9\r\n");
    EXPECT_FALSE(ia2.Nouvelle_IA("Monstres"));
    EXPECT_TRUE(fs::is_directory(d.Chemin() / "IAs/Monstres"));
}

TEST_F(Bibliotheque, NomsRefuses) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    d.Ecrire("Ini_Jeu.ini", "[Jeu]\n");
    ia2.Charger_IAs();
    const std::string noms[] = {"", ".", "..", "../Ini_Jeu.ini", "Monstres/Loup.ia", "a\\b.ia", "a:b", "x\ty.ia",
                                std::string(65, 'a'), "fin.", ".cache"};
    for (const std::string& nom : noms) {
        SCOPED_TRACE(nom);
        for (const ResultatCommandeIA& r :
             {ia2.Nouvelle_IA(nom), ia2.Supprimer_IA(nom), ia2.Renommer_IA("Guerrier.ia", nom),
              ia2.Renommer_IA(nom, "x.ia"), ia2.Dupliquer_IA("Guerrier.ia", nom), ia2.Dupliquer_IA(nom, "x.ia")}) {
            EXPECT_FALSE(r);
            EXPECT_EQ(r.Titre, "Erreur");
            EXPECT_EQ(r.Message, "Nom de fichier invalide.");
        }
    }
    EXPECT_EQ(d.Lire("Ini_Jeu.ini"), "[Jeu]\n");
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia"), Script("guerrier"));
    std::size_t n = 0;
    for (auto it = fs::recursive_directory_iterator(d.Chemin()); it != fs::recursive_directory_iterator(); ++it) ++n;
    EXPECT_EQ(n, 3u);  // IAs, IAs/Guerrier.ia, Ini_Jeu.ini
}

TEST_F(Bibliotheque, RenommerIA) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    d.Ecrire("IAs/Archer.ia", Script("archer"));
    ia2.Charger_IAs();
    ia2.AIs[1].Description = "guerrier modifié";  // saved before the rename

    ASSERT_TRUE(ia2.Renommer_IA("Guerrier.ia", "Soldat.ia"));
    EXPECT_FALSE(Existe("IAs/Guerrier.ia"));
    EXPECT_EQ(d.Lire("IAs/Soldat.ia"), Script("guerrier modifié"));
    EXPECT_EQ(Noms(), (Textes{"Archer.ia", "Soldat.ia"}));

    // Onto an existing file: refused unless the caller confirmed.
    const ResultatCommandeIA r = ia2.Renommer_IA("Soldat.ia", "Archer.ia");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.Titre, "Renommage impossible");
    EXPECT_EQ(r.Message, "Le fichier Archer.ia existe déjà");
    EXPECT_EQ(d.Lire("IAs/Archer.ia"), Script("archer"));
    ASSERT_TRUE(ia2.Renommer_IA("Soldat.ia", "Archer.ia", true));
    EXPECT_EQ(d.Lire("IAs/Archer.ia"), Script("guerrier modifié"));
    EXPECT_EQ(Noms(), (Textes{"Archer.ia"}));

    EXPECT_TRUE(ia2.Renommer_IA("Archer.ia", "Archer.ia"));  // the same name: nothing to do
    const ResultatCommandeIA absent = ia2.Renommer_IA("Absent.ia", "Autre.ia");
    EXPECT_FALSE(absent);
    EXPECT_EQ(absent.Message, "Le fichier Absent.ia est introuvable.");
    EXPECT_FALSE(Existe("IAs/Autre.ia"));
    // A letter-case change is a rename like any other.
    EXPECT_TRUE(ia2.Renommer_IA("Archer.ia", "archer.ia"));
    EXPECT_EQ(Noms(), (Textes{"archer.ia"}));
}

TEST_F(Bibliotheque, DupliquerIA) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    d.Ecrire("IAs/Monstres/Loup.ia", "#loup\r\nAge_1\r\nAttaquer Ennemi\r\n#Fin\r\n");
    ia2.Charger_IAs();
    ia2.AIs[0].Definir_Commentaire(1, "modifié");

    ASSERT_TRUE(ia2.Dupliquer_IA("Guerrier.ia", "Guerrier.ia+"));
    const std::string source = d.Lire("IAs/Guerrier.ia");
    EXPECT_NE(source.find("#modifié\r\n"), std::string::npos);  // the source holds the saved state
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia+"), source);
    EXPECT_EQ(Noms(), (Textes{"Guerrier.ia", "Guerrier.ia+", "Loup.ia"}));

    d.Ecrire("IAs/Guerrier.ia+", Script("autre"));
    const ResultatCommandeIA r = ia2.Dupliquer_IA("Guerrier.ia", "Guerrier.ia+");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.Titre, "Duplication impossible");
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia+"), Script("autre"));
    EXPECT_TRUE(ia2.Dupliquer_IA("Guerrier.ia", "Guerrier.ia+", true));
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia+"), source);
    EXPECT_FALSE(ia2.Dupliquer_IA("Guerrier.ia", "Guerrier.ia", true));
    EXPECT_FALSE(ia2.Dupliquer_IA("Loup.ia", "Loup2.ia"));  // only root files
}

TEST_F(Bibliotheque, SupprimerIA) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    d.Ecrire("IAs/Archer.ia", Script("archer"));
    d.Ecrire("IAs/Monstres/Loup.ia", Script("loup"));
    ia2.Charger_IAs();
    ASSERT_TRUE(ia2.Supprimer_IA("Guerrier.ia"));
    EXPECT_FALSE(Existe("IAs/Guerrier.ia"));
    EXPECT_EQ(Noms(), (Textes{"Archer.ia", "Loup.ia"}));
    // Already gone: not an error, and the table is reloaded all the same.
    ia2.AIs[0].Description = "pas enregistré";
    EXPECT_TRUE(ia2.Supprimer_IA("Guerrier.ia"));
    EXPECT_EQ(ia2.AIs[0].Description, "archer");
    const ResultatCommandeIA dossierRefuse = ia2.Supprimer_IA("Monstres");
    EXPECT_FALSE(dossierRefuse);
    EXPECT_TRUE(Existe("IAs/Monstres/Loup.ia"));
}

TEST_F(Bibliotheque, SauvegarderIAs) {
    // Root scripts are written back in the writer's form; sub-folder ones
    // never, even changed in memory.
    const std::string loup = "#loup\nAge_1\nAttaquer Ennemi\n#Fin\n";
    d.Ecrire("IAs/Guerrier.ia", "#guerrier\nAge_2\nPatrouiller\n#Fin\n");
    d.Ecrire("IAs/Monstres/Loup.ia", loup);
    ia2.Charger_IAs();
    ia2.AIs[1].Description = "changé";
    ASSERT_TRUE(ia2.Sauvegarder_IAs());
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia"), "#guerrier\r\n\r\nAge_1\r\n#\r\n\r\nAge_2\r\n#\r\nPatrouiller\r\n\r\n#Fin\r\n");
    EXPECT_EQ(d.Lire("IAs/Monstres/Loup.ia"), loup);
    EXPECT_FALSE(Existe("IAs/Loup.ia"));

    // A script whose file cannot be written is reported; the others are
    // still saved.
    ia2.AIs.push_back(ia2.AIs[0]);
    ia2.AIs.back().NomFichier = "../Evasion.ia";
    ia2.AIs[0].Description = "encore";
    const ResultatCommandeIA r = ia2.Sauvegarder_IAs();
    EXPECT_FALSE(r);
    EXPECT_EQ(r.Message, "Le fichier ../Evasion.ia n'a pas pu être enregistré.");
    EXPECT_FALSE(Existe("Evasion.ia"));
    EXPECT_EQ(d.Lire("IAs/Guerrier.ia").rfind("#encore\r\n", 0), 0u);
}

TEST_F(Bibliotheque, DeuxBibliothequesIndependantes) {
    d.Ecrire("IAs/Guerrier.ia", Script("guerrier"));
    DossierTemporaire autre;
    DossierJeu autreDossier{autre.Chemin()};
    ModIA2 autreIA2{autreDossier, p};
    ia2.Charger_IAs();
    autreIA2.Charger_IAs();
    EXPECT_EQ(ia2.Indice_IA("Guerrier.ia"), 0);
    EXPECT_EQ(autreIA2.Indice_IA("Guerrier.ia"), -1);
}

// The game's own scripts, read against the game's own rules: every one
// loads, every race and monster that names a script finds it, a new
// character's script exists, and each file is exactly what the editor would
// write back.
TEST(ScriptsDuJeu, ToutesLesIAsSeChargent) {
    DossierJeu dossier{DonneesSource()};
    ClsJeuParam p{dossier};
    for (std::int16_t etape = 0; etape <= 7; ++etape) p.Init(etape);
    ASSERT_GT(p.NombreRaces, 0);
    ASSERT_GT(p.NombreTypesObjets, 0);
    ModIA2 ia2{dossier, p};
    ia2.Charger_IAs();
    for (const auto& e : ia2.ErreursChargement) ADD_FAILURE() << e;
    EXPECT_GE(ia2.AIs.size(), 10u);

    // What a new character gets (the setup window's character creation).
    const std::int32_t defaut = ia2.Indice_IA("_Defaut");
    ASSERT_GE(defaut, 0);
    EXPECT_TRUE(ia2.AIs[static_cast<std::size_t>(defaut)].EstJoueur);
    for (const char* nom : {"Ouvrier.ia", "Soldat.ia", "Pacifiste.ia"}) EXPECT_GE(ia2.Indice_IA(nom), 0) << nom;

    for (std::int32_t r = 0; r < p.NombreRaces; ++r) {
        const std::string nom = p.Race_IA_Fichier(r);
        if (!nom.empty()) {
            EXPECT_GE(ia2.Indice_IA(nom), 0) << "race " << r + 1 << " : " << nom;
        }
    }
    for (std::int32_t q = 0; q < p.NombrePeuples; ++q)
        for (std::int32_t m = 0; m < p.Peuples_NombreMonstres(q); ++m) {
            const std::string nom = p.Peuples_MonstreFichierIA(q, m);
            if (!nom.empty()) {
                EXPECT_GE(ia2.Indice_IA(nom), 0) << "peuple " << q + 1 << " : " << nom;
            }
        }

    for (const ClsJeuIA2& ia : ia2.AIs) {
        SCOPED_TRACE(ia.NomFichier);
        EXPECT_EQ(ia.NombreEpoques(), p.NombreEpoques);
        EXPECT_FALSE(ia.Description.empty());
        for (std::int32_t age = 0; age < ia.NombreEpoques(); ++age) EXPECT_GE(ia.Definir_NombreEtapes(age), 1);
        const fs::path dossierIA = ia.EstJoueur ? ia2.DossierIAs() : ia2.DossierIAs() / "Monstres";
        EXPECT_EQ(ia.Texte_IA(p), *LireFichier(dossierIA / ia.NomFichier));
    }
}
