// The HTML pages on the character fixture rules: the six pages compared
// with reference pages kept in tests/fixtures/documents, the particular
// cells of each page read back from the table, and what happens when a
// page cannot be written or is missing.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/ModVisionneurs.h"
#include "platform/Texte.h"
#include "saves/ModDocuments.h"
#include "tests/characters/ReglesPersos.h"

namespace fs = std::filesystem;

namespace {

using Ligne = std::vector<std::string>;

std::string Fixture(const std::string& nom) { return LireFichier(Fixtures() / "documents" / nom).value_or(""); }

// Replaces the first occurrence of a text in a data file of the folder.
void Remplacer(const DossierTemporaire& d, const std::string& fichier, const std::string& avant,
               const std::string& apres) {
    std::string texte = d.Lire(fichier);
    const auto i = texte.find(avant);
    ASSERT_NE(i, std::string::npos) << avant << " absent de " << fichier;
    texte.replace(i, avant.size(), apres);
    d.Ecrire(fichier, texte);
}

// The fixture rules, the test settings of the pages, a world of three
// humans for the statistics, and a fixed day.
struct Pages {
    explicit Pages(const std::function<void(const DossierTemporaire&)>& ecrire = {})
        : regles([&](const DossierTemporaire& d) {
              d.Ecrire("Ini_Documents.ini", Fixture("Ini_Documents.ini"));
              if (ecrire) ecrire(d);
          }),
          monde(regles, 3) {
        // The world's own rules (the same files) feed its pages.
        monde.Main.Charger_Parametres();
        Docs().Charger_Parametres_Documents();
        // Thursday 5 March 2026.
        Docs().Aujourdhui = [] { return DateDocument{2026, 3, 5, 4}; };
    }

    ModDocuments& Docs() { return monde.Main.Documents; }
    const DossierTemporaire& Dossier() const { return regles.Temporaire(); }
    std::string Lire(const std::string& nom) const { return Dossier().Lire("Documents/" + nom + ".html"); }

    // The rows of a page's table, each the texts of its cells.
    std::vector<Ligne> Table(const std::string& nom) const {
        std::vector<Ligne> lignes;
        for (const std::string& l : DecouperLignes(Lire(nom))) {
            if (l == "<tr>") lignes.emplace_back();
            const bool centre = l.rfind("<td align=center>", 0) == 0;
            if (!lignes.empty() && (centre || l.rfind("<td>", 0) == 0)) {
                const std::size_t debut = centre ? 17 : 4;
                lignes.back().push_back(l.substr(debut, l.size() - debut - 5));
            }
        }
        return lignes;
    }
    // The first row whose cell col reads texte.
    Ligne Rang(const std::string& nom, std::size_t col, const std::string& texte) const {
        for (const Ligne& l : Table(nom))
            if (l.size() > col && l[col] == texte) return l;
        ADD_FAILURE() << texte << " absent de la page " << nom;
        return Ligne(10);
    }

    // Follows characters 0 and 2 from now on, as the game start does.
    void Suivre() {
        ClsJeuStastistiques& s = monde.Main.Statistiques;
        s.IndicesPersos = {0, 2};
        s.Instantanes.clear();
        for (std::int32_t k : s.IndicesPersos) {
            s.Instantanes.push_back(monde.Perso(k));
            s.Instantanes.back().Main = nullptr;
        }
        s.NombrePersosSuivis = 2;
    }

    ReglesPersos regles;
    MondePersos monde;
};

struct LanceurNote : LanceurExterne {
    bool Ouvrir_Fichier_Texte(const std::string&) override { return false; }
    bool Ouvrir_Dossier(const std::string&) override { return false; }
    bool Ouvrir_Page(const std::string& Adresse) override {
        pages.push_back(Adresse);
        return true;
    }
    std::vector<std::string> pages;
};

struct AvertisseurNote : AvertisseurErreur {
    void Erreur(const std::string& Message) override { messages.push_back(Message); }
    void Erreur_Titre(const std::string& Message, const std::string& Titre) override {
        messages.push_back(Message);
        titres.push_back(Titre);
    }
    std::vector<std::string> messages, titres;
};

}  // namespace

TEST(Documents, LesSixPagesDesReglesDEssaiSontLesPagesDeReference) {
    Pages p;
    // Arthur killed a character and two houses, 1 wolf and 3 bats, and
    // learnt; Brunhilde did nothing.
    p.monde.Perso(0).Nom = "Arthur <le Hardi>";
    p.monde.Perso(2).Nom = "Brunhilde";
    p.Suivre();
    ClsJeuPerso& a = p.monde.Perso(0);
    a.FragsPersos = 1;
    a.FragsMaisons = 2;
    a.Morts = 3;
    a.ExpVie = 65.0;
    a.Definir_ExpSpeciales(0, 65.0);
    a.Definir_ExpRessources(1, 50.0);
    a.Gestion_Tous_Niveaux();
    a.Definir_Bestiaire(RaceFixture::Loup, 1);
    a.Definir_Bestiaire(RaceFixture::ChauveSouris, 3);

    ModDocuments& d = p.Docs();
    EXPECT_EQ(d.Ecrire_Document_Batiments(), "");
    EXPECT_EQ(d.Ecrire_Document_Ressources(), "");
    EXPECT_EQ(d.Ecrire_Document_Peuples(), "");
    EXPECT_EQ(d.Ecrire_Document_Objets(), "");
    EXPECT_EQ(d.Ecrire_Document_Bestiaire(), "");
    EXPECT_EQ(d.Creer_Document_Stastistiques(), "");
    for (const char* nom : {"Batiments", "Ressources", "Peuples", "Objets", "Bestiaire", "Statistiques"}) {
        const std::string page = p.Lire(nom);
        EXPECT_NE(page.find("\r\n"), std::string::npos) << nom << " : lignes terminées CR LF";
        EXPECT_EQ(page, Fixture(std::string(nom) + ".html")) << "page " << nom;
    }
}

TEST(Documents, BatimentsEpoqueSecreteServiceEtTexteAEchapper) {
    Pages p([](const DossierTemporaire& d) {
        Remplacer(d, "Ini_Parametres_Batiments.ini", "NombreTypeBatiments=6", "NombreTypeBatiments=8");
        std::string t = d.Lire("Ini_Parametres_Batiments.ini");
        t += "\n[Batiment_7]\nNom=Tour <noire> & co\nMetierM=Guet\nMetierF=Guetteuse\nMaxVie=100\nService=2\n"
             "NoEpoque=3\nLargeur=32\nHauteur=32\n"
             "\n[Batiment_8]\nNom=Tour jumelle\nMetierM=Guet\nMetierF=Guetteuse\nMaxVie=100\nRessourceFabrique=2\n"
             "Fabrique=1\nNombreObjetsfabriques=1\nObjetsFabriques(1)=1\nNoEpoque=3\nLargeur=32\nHauteur=32\n";
        d.Ecrire("Ini_Parametres_Batiments.ini", t);
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Batiments(), "");
    // An era beyond the rules' eras is "Secret", once; the text of the
    // rules is escaped. Eight columns, the name second.
    const Ligne tour = p.Rang("Batiments", 1, "Tour &lt;noire&gt; &amp; co");
    ASSERT_EQ(tour.size(), 8u);
    EXPECT_EQ(tour[0], "Secret");
    EXPECT_EQ(tour[7], "Prime de chasse");
    // A second building of the same era: no era; a producer that also
    // makes items shows only its resource.
    const Ligne jumelle = p.Rang("Batiments", 1, "Tour jumelle");
    EXPECT_EQ(jumelle[0], "");
    EXPECT_EQ(jumelle[7], "Bois");
    // Neither resource nor service: an empty cell, not "-"; no stock: "-".
    EXPECT_EQ(p.Rang("Batiments", 1, "Atelier vide")[7], "");
    EXPECT_EQ(p.Rang("Batiments", 1, "Cabane")[6], "-");
    EXPECT_EQ(p.Rang("Batiments", 1, "Cabane")[4], "48*48");
}

TEST(Documents, RessourcesMatierePremiereEtQuantiteFractionnaire) {
    Pages p([](const DossierTemporaire& d) {
        Remplacer(d, "Ini_Parametres_Ressources.ini", "QuantiteMatierePremiere=1", "QuantiteMatierePremiere=2.5");
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Ressources(), "");
    const Ligne fleches = p.Rang("Ressources", 0, "Flèches");
    EXPECT_EQ(fleches[2], "Bois(*2,5)");
    EXPECT_EQ(fleches[4], "50 %");
    EXPECT_EQ(fleches[6], "-");
    // No raw material and a quantity of 0: "-" then the quantity.
    const Ligne baies = p.Rang("Ressources", 0, "Baies");
    EXPECT_EQ(baies[2], "-(*0)");
    EXPECT_EQ(baies[5], "+ 10 Vie<br>+ 1 Moral");
    EXPECT_EQ(baies[6], "Se trouve à l'état naturel sur : Buisson");
}

TEST(Documents, PeuplesUneLigneParCreature) {
    Pages p([](const DossierTemporaire& d) {
        Remplacer(d, "Ini_Parametres_Peuples.ini", "NombrePeuples=1", "NombrePeuples=2");
        std::string t = d.Lire("Ini_Parametres_Peuples.ini");
        t += "\n[Peuple_2]\nNom=Meute\nNomChateau=Tanière\nChateauMaxVie=900\nNombreMonstres=3\n"
             "Monstre(1)Indice=3\nMonstre(1)Chance=0.5\nMonstre(2)Indice=4\nMonstre(2)Chance=0.5\n"
             "Monstre(3)Indice=2\nMonstre(3)Chance=0.5\nMonstre(3)FichierIA=Nain&fou.ia\n";
        d.Ecrire("Ini_Parametres_Peuples.ini", t);
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Peuples(), "");
    const std::vector<Ligne> table = p.Table("Peuples");
    ASSERT_EQ(table.size(), 5u);
    // A people without creatures still has its four cells.
    EXPECT_EQ(table[1], (Ligne{"Bourg", "Donjon", "", ""}));
    // Feminine names; the race's own script when the people names none.
    EXPECT_EQ(table[2], (Ligne{"Meute", "Tanière", "Louve", "Loup.ia"}));
    EXPECT_EQ(table[3], (Ligne{"", "", "Chauve-souris", "-"}));
    EXPECT_EQ(table[4], (Ligne{"", "", "Naine", "Nain&amp;fou.ia"}));
}

TEST(Documents, ObjetsTresorResurrectionRegenerationEtSansCompetence) {
    Pages p([](const DossierTemporaire& d) {
        Remplacer(d, "Ini_Parametres_Objets.ini", "Quantite=2\n", "Quantite=1\n");
        std::string t = d.Lire("Ini_Parametres_Objets.ini");
        t += "\n[Objet_14]\nNom=Relique\nCategorie=8\nCompetence=3\nUnique=1\nSecret=1\nPrixVente=1\n"
             "Resurrection=1\nQuantite=2\nSelfResurrection=1\nBonusVitesseRegenerationVie=0.0125\n"
             "\n[Objet_15]\nNom=Caillou\nCategorie=8\nCompetence=0\nPrixVente=1\n"
             "\n[Objet_16]\nNom=Fiole\nCategorie=8\nCompetence=3\nSecret=1\nPrixVente=1\n";
        d.Ecrire("Ini_Parametres_Objets.ini", t);
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Objets(), "");
    // A unique item is a treasure even when secret; a secret one is "-".
    const Ligne relique = p.Rang("Objets", 2, "Relique");
    EXPECT_EQ(relique[3], "Trésor");
    EXPECT_EQ(relique[6], "-");
    EXPECT_EQ(relique[8], "Ressuscite 2 personnes, <br>Ressuscite soi-même<br>Régénère 12,5% de vie");
    EXPECT_EQ(p.Rang("Objets", 2, "Fiole")[3], "-");
    // One creature: the singular name.
    EXPECT_EQ(p.Rang("Objets", 2, "Cor d'appel")[8], "Invoque : 1 Loup<br>- 10 magie/utilisation");
    // No competence, no row; the competence names head their groups only.
    int competences = 0;
    for (const Ligne& l : p.Table("Objets")) {
        EXPECT_NE(l[2], "Caillou");
        if (!l[0].empty()) ++competences;
    }
    EXPECT_EQ(competences, 4) << "the header and three competences";
}

TEST(Documents, BestiaireCoefficientsArrondisVersLeBas) {
    Pages p([](const DossierTemporaire& d) {
        Remplacer(d, "Ini_Parametres_Races.ini", "\nVie=120\n", "\nVie=100\n");
        Remplacer(d, "Ini_Parametres_Races.ini", "CoefVie=1.5", "CoefVie=0.337");
        Remplacer(d, "Ini_Parametres_Races.ini", "\nVie=30\n", "\nVie=10\nCoefVie=0.7\n");
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Bestiaire(), "");
    // 100 x 0.337 is 33 (rounded down); 10 x 0.7 is 7, as the file says,
    // not the 6 a single's binary value would give.
    EXPECT_EQ(p.Rang("Bestiaire", 0, "Nain")[1], "33");
    EXPECT_EQ(p.Rang("Bestiaire", 0, "Chauve-souris")[1], "7");
    // A race with a script ends its traits with it.
    const Ligne loup = p.Rang("Bestiaire", 0, "Loup");
    EXPECT_EQ(loup[6], "-");
    EXPECT_EQ(loup[7].substr(loup[7].size() - 12), "IA:\"Loup.ia\"");
}

TEST(Documents, SansFragmentsUnePageNEstQueSaStructure) {
    Pages p([](const DossierTemporaire& d) {
        d.Ecrire("Ini_Documents.ini", "[Documents]\nFichierDocumentChemin=\\Documents\\\nFichierDocumentExtension=.html\n"
                                      "FichierDocumentBatiments=Batiments\n");
    });
    ASSERT_EQ(p.Docs().Ecrire_Document_Batiments(), "");
    const std::vector<std::string> lignes = DecouperLignes(p.Lire("Batiments"));
    // An empty first line, the table tag, each row framed by two empty
    // lines around its eight cells, an empty last line.
    const std::size_t rangs = 1 + 6;
    ASSERT_EQ(lignes.size(), 2 + rangs * 10 + 1);
    EXPECT_EQ(lignes[0], "");
    EXPECT_EQ(lignes[1], "<table width=100% border=1 cellspacing=0;>");
    EXPECT_EQ(lignes[2], "");
    EXPECT_EQ(lignes[3], "<td align=center>EPOQUE</td>");
    EXPECT_EQ(lignes[4], "<td align=center>NOM</td>");
    EXPECT_EQ(lignes[11], "");
    EXPECT_EQ(lignes.back(), "");
}

TEST(Documents, StatistiquesEnregistrementCoupeEtPartieSansHeros) {
    Pages p;
    // Nobody followed: the title, two line breaks and the header row.
    ASSERT_EQ(p.Docs().Creer_Document_Stastistiques(), "");
    const std::string vide = p.Lire("Statistiques");
    EXPECT_NE(vide.find("<B>Partie du jeudi 05 mars 2026</B>\r\n<br>\r\n<br>\r\n<table"), std::string::npos);
    ASSERT_EQ(p.Table("Statistiques").size(), 1u);
    // Recording off: nothing written, the last page stays.
    p.Suivre();
    ASSERT_TRUE(p.Docs().Definir_EnregistrerStastistiques(false));
    EXPECT_EQ(p.Docs().Creer_Document_Stastistiques(), "");
    EXPECT_EQ(p.Lire("Statistiques"), vide);
    // Each flag is written alone and read back at the next start.
    EXPECT_FALSE(p.Docs().Definir_EnregistrerStastistiques());
    EXPECT_FALSE(p.Docs().Definir_AfficherStastistiquesEnQuittant());
    ASSERT_TRUE(p.Docs().Definir_AfficherStastistiquesEnQuittant(true));
    ClsJeuStastistiques autres;
    ModDocuments relu(p.regles.Dossier(), p.regles.Parametres(), autres);
    relu.Charger_Parametres_Documents();
    EXPECT_FALSE(relu.Definir_EnregistrerStastistiques());
    EXPECT_TRUE(relu.Definir_AfficherStastistiquesEnQuittant());
    EXPECT_EQ(relu.RetourLigne, "<br>");
}

TEST(Documents, UnePageQuiNePeutEtreEcriteEstSignaleeEtNonOuverte) {
    Pages p;
    // The documents folder is a file: the page cannot be written.
    p.Dossier().Ecrire("Documents", "un fichier");
    LanceurNote lanceur;
    AvertisseurNote avertisseur;
    p.Docs().Creer_Document_Bestiaire(lanceur, avertisseur);
    EXPECT_TRUE(lanceur.pages.empty());
    ASSERT_EQ(avertisseur.messages.size(), 1u);
    EXPECT_EQ(avertisseur.messages[0].rfind("Impossible d'écrire la page ", 0), 0u) << avertisseur.messages[0];
    EXPECT_NE(avertisseur.messages[0].find("Bestiaire.html"), std::string::npos);
    // Nothing half-written is left beside it.
    for (const auto& f : fs::directory_iterator(p.Dossier().Chemin()))
        EXPECT_EQ(f.path().filename().string().find(".tmp"), std::string::npos) << f.path();

    // Settings that climb out of the game folder, or name no file.
    for (const std::string& chemin : {std::string("\\..\\"), std::string("\\Documents\\..\\..\\")}) {
        p.Docs().FichierDocumentChemin = chemin;
        EXPECT_NE(p.Docs().Ecrire_Document_Peuples().find("Ini_Documents.ini"), std::string::npos) << chemin;
    }
    EXPECT_FALSE(fs::exists(p.Dossier().Chemin().parent_path() / "Peuples.html"));
    p.Docs().FichierDocumentChemin = p.Docs().FichierDocumentExtension = p.Docs().FichierDocumentPeuples = "";
    EXPECT_NE(p.Docs().Ecrire_Document_Peuples(), "");
}

TEST(Documents, LesEntreesDuMenuAideOuvrentLaPageEcrite) {
    Pages p;
    LanceurNote lanceur;
    AvertisseurNote avertisseur;
    ModDocuments& d = p.Docs();
    d.Creer_Document_Batiments(lanceur, avertisseur);
    d.Creer_Document_Ressources(lanceur, avertisseur);
    d.Creer_Document_Peuples(lanceur, avertisseur);
    d.Creer_Document_Objets(lanceur, avertisseur);
    d.Creer_Document_Bestiaire(lanceur, avertisseur);
    EXPECT_TRUE(avertisseur.messages.empty());
    ASSERT_EQ(lanceur.pages.size(), 5u);
    for (const auto& [page, nom] : std::vector<std::pair<std::string, std::string>>{{lanceur.pages[0], "Batiments"},
                                                                                    {lanceur.pages[4], "Bestiaire"}}) {
        EXPECT_EQ(fs::path(page), p.Dossier().Chemin() / "Documents" / (nom + ".html"));
        EXPECT_TRUE(fs::exists(page));
    }

    // The statistics page: missing, the settings' message and title;
    // once written, opened.
    d.Afficher_Document_Stastistiques(lanceur, avertisseur);
    EXPECT_EQ(avertisseur.messages, (std::vector<std::string>{"Pas de statistiques."}));
    EXPECT_EQ(avertisseur.titres, (std::vector<std::string>{"Statistiques"}));
    EXPECT_EQ(lanceur.pages.size(), 5u);
    // Without its text in the settings, the message names the page.
    d.MessageFichierManquantTexte.clear();
    d.Afficher_Document_Stastistiques(lanceur, avertisseur);
    ASSERT_EQ(avertisseur.messages.size(), 2u);
    EXPECT_NE(avertisseur.messages[1].find("Statistiques.html"), std::string::npos);
    ASSERT_EQ(d.Creer_Document_Stastistiques(), "");
    d.Afficher_Document_Stastistiques(lanceur, avertisseur);
    ASSERT_EQ(lanceur.pages.size(), 6u);
    EXPECT_EQ(fs::path(lanceur.pages[5]), p.Dossier().Chemin() / "Documents" / "Statistiques.html");
}

TEST(Documents, LesImagesDesPagesDesDonneesParDefautSontCellesDuDossierDuJeu) {
    DossierTemporaire d;
    d.CopierDonnees();
    DossierJeu dossier(d.Chemin());
    ModMain main(dossier);
    main.Charger_Parametres();
    main.Documents.Charger_Parametres_Documents();
    ASSERT_EQ(main.Documents.Ecrire_Document_Batiments(), "");
    ASSERT_EQ(main.Documents.Ecrire_Document_Objets(), "");
    // Every picture a page names is one the build drew beside the pages of
    // the game folder.
    const fs::path pages = fs::path(MORVAINE_GAME_DIR) / "Documents";
    int images = 0;
    for (const char* nom : {"Batiments", "Objets"}) {
        const std::string page = d.Lire(std::string("Documents/") + nom + ".html");
        for (std::size_t i = page.find("src=\""); i != std::string::npos; i = page.find("src=\"", i + 1)) {
            const std::string adresse = page.substr(i + 5, page.find('"', i + 5) - i - 5);
            std::string chemin;
            for (std::size_t k = 0; k < adresse.size(); ++k) {
                if (adresse[k] == '%' && k + 2 < adresse.size()) {
                    chemin += static_cast<char>(std::stoi(adresse.substr(k + 1, 2), nullptr, 16));
                    k += 2;
                } else {
                    chemin += adresse[k];
                }
            }
            EXPECT_TRUE(fs::exists(pages / chemin)) << chemin;
            ++images;
        }
    }
    EXPECT_EQ(images, main.Parametres.NombreTypesObjets);
}
