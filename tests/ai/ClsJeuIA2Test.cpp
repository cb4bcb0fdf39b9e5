#include <gtest/gtest.h>

#include "ai/ClsJeuIA2.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"
#include "tests/Outils.h"

namespace {

using Etapes = std::vector<EtapeIA>;

// Rules of 3 eras, 5 resources, 4 building types and 6 item types: enough
// to check every table a step names.
struct ScriptIA : ::testing::Test {
    DossierTemporaire d;
    DossierJeu dossier{d.Chemin()};
    ClsJeuParam p{dossier};
    void SetUp() override {
        p.NombreEpoques = 3;
        p.NombreRessources = 5;
        p.NombreTypeBatiments = 4;
        p.NombreTypesObjets = 6;
    }

    ClsJeuIA2 Charger(const std::string& texte, const char* nom = "Essai.ia") {
        d.Ecrire(nom, texte);
        ClsJeuIA2 ia;
        ia.Charger_IA(d.Chemin(), nom, p, true, nom);
        return ia;
    }

    static Etapes Liste(const ClsJeuIA2& ia, int age) {
        Etapes r;
        for (int i = 0; i < ia.Definir_NombreEtapes(age); ++i)
            r.push_back({ia.Definir_Categorie(age, i), ia.Definir_Valeur(age, i), ia.Definir_Quantite(age, i)});
        return r;
    }
};

std::string Fixture(const char* nom) { return *LireFichier(Fixtures() / "ia_format" / nom); }

}  // namespace

TEST_F(ScriptIA, ScriptViergeDeTroisEpoques) {
    const std::string texte = ClsJeuIA2::Texte_IA_Vierge(p);
    EXPECT_EQ(DecouperLignes(texte).size(), 15u);
    EXPECT_EQ(texte,
              "#\r\n\r\n"
              "Age_1\r\n#\r\nTravailler\r\n\r\n"
              "Age_2\r\n#\r\nTravailler\r\n\r\n"
              "Age_3\r\n#\r\nTravailler\r\n\r\n"
              "#Fin\r\n");

    ClsJeuIA2 createur;
    ASSERT_TRUE(createur.Creer_IA_Vierge(d.Chemin(), "Vierge.ia", p));
    EXPECT_EQ(createur, ClsJeuIA2{});  // the writer does not change the object
    EXPECT_EQ(d.Lire("Vierge.ia"), texte);

    ClsJeuIA2 ia;
    ia.Charger_IA(d.Chemin(), "Vierge.ia", p, true);
    EXPECT_EQ(ia.NomFichier, "Vierge.ia");
    EXPECT_TRUE(ia.EstJoueur);
    EXPECT_EQ(ia.Description, "");
    ASSERT_EQ(ia.NombreEpoques(), 3);
    for (int age = 0; age < 3; ++age) {
        EXPECT_EQ(Liste(ia, age), (Etapes{{3, 0, 0}})) << age;
        EXPECT_EQ(ia.Definir_Commentaire(age), "");
        EXPECT_FALSE(ia.Definir_BatimentDefini(age));
    }
}

TEST_F(ScriptIA, FichierCanoniqueRelu) {
    const std::string original = Fixture("Canonique.ia");
    const ClsJeuIA2 ia = Charger(original);
    EXPECT_EQ(ia.Description, "Essai complet : chaque sorte d'étape, accents compris");
    EXPECT_EQ(ia.Definir_Commentaire(0), "Première époque");
    EXPECT_EQ(ia.Definir_Commentaire(1), "");
    EXPECT_EQ(ia.Definir_Commentaire(2), "Dernière : à l'assaut");
    EXPECT_EQ(Liste(ia, 0), (Etapes{{0, 2, 15}, {1, 1, 0}, {3, 0, 0}}));
    EXPECT_EQ(Liste(ia, 1), (Etapes{{2, 5, 2}, {7, 1, 0}, {8, 3, 250}, {4, 0, 0}, {7, 0, 0}}));
    EXPECT_EQ(Liste(ia, 2), (Etapes{{0, 0, 0}, {5, 0, 0}, {6, 0, 0}}));
    EXPECT_TRUE(ia.Definir_BatimentDefini(0));
    EXPECT_FALSE(ia.Definir_BatimentDefini(1));  // earning money names a building, but builds none

    // Saved, the file is byte for byte what was read; read again, the same
    // script.
    ASSERT_TRUE(ia.Sauvegarder_IA(d.Chemin(), "Copie.ia", p));
    EXPECT_EQ(d.Lire("Copie.ia"), original);
    ClsJeuIA2 relu;
    relu.Charger_IA(d.Chemin(), "Copie.ia", p, true, "Copie.ia");
    relu.NomFichier = ia.NomFichier;
    EXPECT_EQ(relu, ia);
}

TEST_F(ScriptIA, FinsDeLigneUnixOuMac) {
    const std::string crlf = Fixture("Canonique.ia");
    std::string lf, cr;
    for (char c : crlf) {
        if (c != '\r') lf += c;
        cr += (c == '\n') ? std::string() : std::string(1, c);
    }
    const ClsJeuIA2 a = Charger(crlf, "a.ia"), b = Charger(lf, "a.ia"), c = Charger(cr, "a.ia");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a, c);
    EXPECT_EQ(b.Texte_IA(p), crlf);
    // A byte-order mark is no part of the description.
    EXPECT_EQ(Charger("\xEF\xBB\xBF" + crlf, "a.ia"), a);
}

TEST_F(ScriptIA, ModeleEcritPuisRelu) {
    ClsJeuIA2 ia = Charger(ClsJeuIA2::Texte_IA_Vierge(p));
    ia.Description = "Plan de test";
    ia.Definir_Commentaire(0, "Début");
    ia.Definir_Commentaire(2, "Fin");  // written "#Fin" in the middle: still a comment
    // One step of each category in age 0, with a value and a quantity even
    // where the file keeps none.
    for (std::int16_t c = 0; c <= 8; ++c) {
        const int n = ia.Definir_NombreEtapes(0);
        ia.Ajouter_Etape(0, n);
        ia.Definir_Categorie(0, n, c);
        ia.Definir_Valeur(0, n, c == 7 ? 1 : 2);
        ia.Definir_Quantite(0, n, 9);
    }
    ia.Ajouter_Etape(1, 1);
    ia.Definir_Categorie(1, 1, 42);  // no such category: no line

    ASSERT_TRUE(ia.Sauvegarder_IA(d.Chemin(), "Plan.ia", p));
    ClsJeuIA2 relu;
    relu.Charger_IA(d.Chemin(), "Plan.ia", p, false);
    EXPECT_EQ(relu.Description, "Plan de test");
    EXPECT_EQ(relu.Definir_Commentaire(0), "Début");
    EXPECT_EQ(relu.Definir_Commentaire(2), "Fin");
    // The quantity comes back only for collect, item and money steps;
    // building, work, patrol, attack and mode steps keep their value or
    // nothing.
    EXPECT_EQ(Liste(relu, 0), (Etapes{{3, 0, 0},
                                      {0, 2, 9}, {1, 2, 0}, {2, 2, 9}, {3, 0, 0}, {4, 0, 0},
                                      {5, 0, 0}, {6, 0, 0}, {7, 1, 0}, {8, 2, 9}}));
    EXPECT_EQ(Liste(relu, 1), (Etapes{{3, 0, 0}}));
    EXPECT_TRUE(relu.Definir_BatimentDefini(0));
    EXPECT_FALSE(relu.Definir_BatimentDefini(1));
    EXPECT_FALSE(relu.EstJoueur);
}

TEST_F(ScriptIA, SautDeLigneDansUnCommentaire) {
    // A comment typed over two lines must not turn its second line into a
    // step (or into an age line).
    ClsJeuIA2 ia = Charger(ClsJeuIA2::Texte_IA_Vierge(p));
    ia.Description = "un\r\nAge_3";
    ia.Definir_Commentaire(0, "deux\nAttaquer Donjon");
    ASSERT_TRUE(ia.Sauvegarder_IA(d.Chemin(), "x.ia", p));
    EXPECT_EQ(DecouperLignes(d.Lire("x.ia")).size(), 15u);
    ClsJeuIA2 relu;
    relu.Charger_IA(d.Chemin(), "x.ia", p, true);
    EXPECT_EQ(relu.Description, "un  Age_3");
    EXPECT_EQ(relu.Definir_Commentaire(0), "deux Attaquer Donjon");
    EXPECT_EQ(Liste(relu, 0), (Etapes{{3, 0, 0}}));
}

TEST_F(ScriptIA, LecturesParticulieres) {
    struct Cas {
        const char* nom;
        std::string texte;
        std::string description;
        Etapes age0, age1;
        std::string commentaire0;
    };
    const Cas cas[] = {
        {"quatre lignes", "#Test\r\nAge_1\r\nTravailler\r\n#Fin\r\n", "Test", {{3, 0, 0}}, {}, ""},
        // The last line counts unless it is the end mark: nothing is lost.
        {"sans #Fin", "#Test\r\nAge_1\r\nTravailler\r\nPatrouiller", "Test", {{3, 0, 0}, {4, 0, 0}}, {}, ""},
        {"#Fin au milieu", "#\r\nAge_1\r\n#Fin\r\nTravailler\r\n#Fin\r\n", "", {{3, 0, 0}}, {}, "Fin"},
        // Blank lines after the end mark leave it the end mark.
        {"#Fin puis lignes vides", "#\r\nAge_1\r\n#a\r\nTravailler\r\n#Fin\r\n\r\n  \r\n", "", {{3, 0, 0}}, {}, "a"},
        {"lignes ignorées", "#\r\nAge_1\r\nressource_3=10\r\nTravailler \r\nNote libre\r\nPatrouiller\r\n#Fin", "",
         {{4, 0, 0}}, {}, ""},
        {"étapes avant le premier âge", "#d\r\nTravailler\r\nAge_2\r\nPatrouiller\r\n#Fin", "d", {{3, 0, 0}},
         {{4, 0, 0}}, ""},
        {"âge nommé deux fois", "#\r\nAge_1\r\nTravailler\r\nPatrouiller\r\nAge_2\r\nTravailler\r\nAge_1\r\n"
                                "Attaquer Donjon\r\n#Fin",
         "", {{6, 0, 0}}, {{3, 0, 0}}, ""},
        {"sans description", "Age_1\r\nTravailler\r\n#Fin", "", {{3, 0, 0}}, {}, ""},
        {"description seule", "#Rien à faire", "Rien à faire", {}, {}, ""},
        {"blancs et zéros autour des nombres", "#\r\nAge_ 2\r\nRessource_ 05 = 20\r\nObjet_6=3.0\r\n#Fin", "", {},
         {{0, 4, 20}, {2, 5, 3}}, ""},
        {"quantités aux bornes", "#\r\nAge_1\r\nRessource_1=0\r\nGagnerArgent_4=32767\r\n#Fin", "",
         {{0, 0, 0}, {8, 3, 32767}}, {}, ""},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        ClsJeuIA2 ia;
        ASSERT_NO_THROW(ia = Charger(c.texte));
        EXPECT_EQ(ia.Description, c.description);
        EXPECT_EQ(ia.NombreEpoques(), 3);
        EXPECT_EQ(Liste(ia, 0), c.age0);
        EXPECT_EQ(Liste(ia, 1), c.age1);
        EXPECT_EQ(Liste(ia, 2), Etapes{});  // an age without a step line: an empty list
        EXPECT_EQ(ia.Definir_Commentaire(0), c.commentaire0);
    }
}

TEST_F(ScriptIA, FichiersInvalides) {
    struct Cas {
        const char* nom;
        std::string texte;
        std::string detail;  // the whole fault line
    };
    const Cas cas[] = {
        {"vide", "", "Le fichier est vide."},
        {"lignes blanches", "\r\n \r\n\t\r\n", "Le fichier est vide."},
        {"sans égal", "#\r\nAge_1\r\nRessource_3\r\n#Fin", "Ligne 3 : « Ressource_3 » : il manque « = » suivi de la quantité."},
        {"bâtiment pas un nombre", "#\r\nAge_1\r\nBatiment_x\r\n#Fin", "Ligne 3 : « Batiment_x » : « x » n'est pas un nombre entier."},
        {"âge au-delà", "#\r\nAge_4\r\n#Fin", "Ligne 2 : « Age_4 » : l'époque 4 n'existe pas (les règles en comptent 3)."},
        {"âge zéro", "#\r\nAge_0\r\n#Fin", "Ligne 2 : « Age_0 » : l'époque 0 n'existe pas (les règles en comptent 3)."},
        {"âge sans numéro", "Age_\r\nTravailler\r\n#Fin", "Ligne 1 : « Age_ » : le numéro d'époque n'est pas un nombre entier."},
        {"ressource au-delà", "#\r\nRessource_6=1\r\n#Fin", "Ligne 2 : « Ressource_6=1 » : la ressource 6 n'existe pas (les règles en comptent 5)."},
        {"ressource zéro", "#\r\nRessource_0=1\r\n#Fin", "Ligne 2 : « Ressource_0=1 » : la ressource 0 n'existe pas (les règles en comptent 5)."},
        {"objet au-delà", "#\r\nObjet_7=1\r\n#Fin", "Ligne 2 : « Objet_7=1 » : l'objet 7 n'existe pas (les règles en comptent 6)."},
        {"bâtiment au-delà", "#\r\nBatiment_5\r\n#Fin", "Ligne 2 : « Batiment_5 » : le bâtiment 5 n'existe pas (les règles en comptent 4)."},
        {"métier au-delà", "#\r\nGagnerArgent_-1=10\r\n#Fin", "Ligne 2 : « GagnerArgent_-1=10 » : le bâtiment -1 n'existe pas (les règles en comptent 4)."},
        {"mode inconnu", "#\r\nChangerMode_3\r\n#Fin", "Ligne 2 : « ChangerMode_3 » : le mode 3 n'existe pas (les règles en comptent 2)."},
        {"quantité négative", "#\r\nObjet_1=-2\r\n#Fin", "Ligne 2 : « Objet_1=-2 » : la quantité ne peut pas être négative."},
        {"quantité trop grande", "#\r\nGagnerArgent_1=32768\r\n#Fin", "Ligne 2 : « GagnerArgent_1=32768 » : la quantité dépasse 32767."},
        {"quantité fractionnaire", "#\r\nRessource_1=2.5\r\n#Fin", "Ligne 2 : « Ressource_1=2.5 » : la quantité « 2.5 » n'est pas un nombre entier."},
        {"quantité absente", "#\r\nRessource_1=\r\n#Fin", "Ligne 2 : « Ressource_1= » : la quantité manque après « = »."},
        {"numéro absent", "#\r\nBatiment_\r\n#Fin", "Ligne 2 : « Batiment_ » : le numéro manque."},
        {"ligne longue", "#\r\nBatiment_" + std::string(80, '9') + "\r\n#Fin",
         "Ligne 2 : « Batiment_" + std::string(51, '9') + "… » : « " + std::string(60, '9') + "… » n'est pas un nombre entier."},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.nom);
        d.Ecrire("Faux.ia", c.texte);
        ClsJeuIA2 ia;
        ia.Description = "avant";
        try {
            ia.Charger_IA(d.Chemin(), "Faux.ia", p, true, "IAs/Faux.ia");
            ADD_FAILURE() << "accepté";
        } catch (const ErreurFichier& e) {
            EXPECT_EQ(e.Fichier(), "IAs/Faux.ia");
            EXPECT_EQ(e.Details(), std::vector<std::string>{c.detail});
            EXPECT_EQ(std::string(e.what()).rfind("Le fichier IAs/Faux.ia est invalide.\n", 0), 0u);
        }
        // Nothing of a bad script is kept.
        EXPECT_EQ(ia.Description, "avant");
        EXPECT_EQ(ia.NomFichier, "");
        EXPECT_EQ(ia.NombreEpoques(), 0);
    }
}

TEST_F(ScriptIA, ToutesLesFautesDUnFichier) {
    d.Ecrire("Faux.ia", "#\r\nAge_1\r\nRessource_9=1\r\nTravailler\r\nObjet_1=-1\r\nAge_9\r\n#Fin\r\n");
    ClsJeuIA2 ia;
    try {
        ia.Charger_IA(d.Chemin(), "Faux.ia", p, true);
        FAIL();
    } catch (const ErreurFichier& e) {
        ASSERT_EQ(e.Details().size(), 3u);
        EXPECT_EQ(e.Details()[0].rfind("Ligne 3 ", 0), 0u);
        EXPECT_EQ(e.Details()[1].rfind("Ligne 5 ", 0), 0u);
        EXPECT_EQ(e.Details()[2].rfind("Ligne 6 ", 0), 0u);
        // Without a display name, the path names the file.
        EXPECT_EQ(e.Fichier(), (d.Chemin() / "Faux.ia").string());
    }
}

TEST_F(ScriptIA, FichierIntrouvable) {
    ClsJeuIA2 ia;
    try {
        ia.Charger_IA(d.Chemin(), "Absent.ia", p, true, "IAs/Absent.ia");
        FAIL();
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(std::string(e.what()), "Le fichier IAs/Absent.ia est invalide.\nLe fichier ne peut pas être lu.");
    }
}

TEST_F(ScriptIA, ReglesSansEpoque) {
    p.NombreEpoques = 0;
    EXPECT_EQ(ClsJeuIA2::Texte_IA_Vierge(p), "#\r\n\r\n#Fin\r\n");
    EXPECT_EQ(Charger("#Rien\r\n\r\n#Fin\r\n").NombreEpoques(), 0);
    EXPECT_THROW(Charger("#\r\nTravailler\r\n#Fin\r\n"), ErreurFichier);
    // Item types are -1 until the rules are loaded: no item step is valid.
    p.NombreEpoques = 1;
    p.NombreTypesObjets = -1;
    EXPECT_THROW(Charger("#\r\nObjet_1=1\r\n#Fin\r\n"), ErreurFichier);
}

TEST_F(ScriptIA, EcritureRefuseUnNomDangereux) {
    const ClsJeuIA2 ia = Charger(ClsJeuIA2::Texte_IA_Vierge(p));
    d.Ecrire("sous/garde.txt", "intact");
    EXPECT_FALSE(ia.Sauvegarder_IA(d.Chemin() / "sous", "../garde.txt", p));
    EXPECT_FALSE(ia.Creer_IA_Vierge(d.Chemin() / "sous", "", p));
    EXPECT_EQ(d.Lire("sous/garde.txt"), "intact");
}

TEST_F(ScriptIA, OperationsSurLesEtapes) {
    ClsJeuIA2 ia = Charger("#\r\nAge_1\r\nRessource_1=1\r\nRessource_2=2\r\nRessource_3=3\r\n#Fin");
    const EtapeIA A{0, 0, 1}, B{0, 1, 2}, C{0, 2, 3}, Z{0, 0, 0};

    // Appending: pass the count.
    ia.Ajouter_Etape(0, 3);
    EXPECT_EQ(Liste(ia, 0), (Etapes{A, B, C, Z}));
    // A smaller index cuts the list to that many + 1, keeping the first.
    ia.Ajouter_Etape(0, 2);
    EXPECT_EQ(Liste(ia, 0), (Etapes{A, B, C}));
    ia.Ajouter_Etape(1, 0);  // an age without steps gets its first one
    EXPECT_EQ(Liste(ia, 1), (Etapes{Z}));

    struct Echange { int i1, i2; Etapes attendu; };
    const Echange echanges[] = {
        {0, 2, {C, B, A}}, {2, 0, {A, B, C}}, {1, 1, {A, B, C}},
        {0, 3, {A, B, C}}, {-1, 0, {A, B, C}}, {0, -1, {A, B, C}},
    };
    for (const auto& e : echanges) {
        ia.Intervertir_Etapes(0, e.i1, e.i2);
        EXPECT_EQ(Liste(ia, 0), e.attendu) << e.i1 << "," << e.i2;
    }
    ia.Intervertir_Etapes(7, 0, 1);  // no such age

    struct Suppression { int indice; Etapes attendu; };
    const Suppression suppressions[] = {
        {2, {A, B}},      // the last of three: the first two unchanged
        {5, {A, B}},      // beyond the list: nothing (never the last step)
        {-1, {A, B}},
        {0, {B}},
        {0, {}},          // an age may be emptied; its count reads 0
        {0, {}},
    };
    for (const auto& s : suppressions) {
        ia.Supprimer_Etape(0, s.indice);
        EXPECT_EQ(Liste(ia, 0), s.attendu) << s.indice;
    }
    ClsJeuIA2 abc = Charger("#\r\nAge_1\r\nRessource_1=1\r\nRessource_2=2\r\nRessource_3=3\r\n#Fin");
    abc.Supprimer_Etape(0, 0);
    EXPECT_EQ(Liste(abc, 0), (Etapes{B, C}));
    abc.Supprimer_Etape(0, 1);
    EXPECT_EQ(Liste(abc, 0), (Etapes{B}));

    // An empty age still saves and reads back as an empty age.
    ASSERT_TRUE(ia.Sauvegarder_IA(d.Chemin(), "Vide.ia", p));
    ClsJeuIA2 relu;
    relu.Charger_IA(d.Chemin(), "Vide.ia", p, true);
    EXPECT_EQ(relu.Definir_NombreEtapes(0), 0);
    EXPECT_EQ(Liste(relu, 1), (Etapes{Z}));
}

TEST_F(ScriptIA, AccesseursHorsLimites) {
    ClsJeuIA2 ia = Charger("#\r\nAge_1\r\n#c\r\nBatiment_2\r\n#Fin");
    // A fresh script has no ages at all.
    const ClsJeuIA2 neuf;
    EXPECT_EQ(neuf.Definir_NombreEtapes(0), 0);
    EXPECT_EQ(neuf.Definir_Commentaire(0), "");
    EXPECT_FALSE(neuf.Definir_BatimentDefini(0));

    for (int age : {-1, 3, 32767}) {
        EXPECT_EQ(ia.Definir_NombreEtapes(age), 0);
        EXPECT_EQ(ia.Definir_Commentaire(age), "");
        EXPECT_FALSE(ia.Definir_BatimentDefini(age));
        ia.Definir_Commentaire(age, "x");
        ia.Ajouter_Etape(age, 0);
        ia.Supprimer_Etape(age, 0);
    }
    for (int etape : {-1, 1, 100}) {
        EXPECT_EQ(ia.Definir_Categorie(0, etape), 0);
        EXPECT_EQ(ia.Definir_Valeur(0, etape), 0);
        EXPECT_EQ(ia.Definir_Quantite(0, etape), 0);
        ia.Definir_Categorie(0, etape, 5);
        ia.Definir_Valeur(0, etape, 5);
        ia.Definir_Quantite(0, etape, 5);
    }
    ia.Ajouter_Etape(0, -1);
    ia.Ajouter_Etape(0, 40000);
    EXPECT_EQ(Liste(ia, 0), (Etapes{{1, 1, 0}}));
    EXPECT_EQ(ia.Definir_Commentaire(0), "c");
    EXPECT_TRUE(ia.Definir_BatimentDefini(0));
    EXPECT_EQ(ia.NombreEpoques(), 3);

    // Setting fields of a step that exists works; nothing clears the
    // building flag.
    ia.Definir_Categorie(0, 0, ClsJeuIA2::CategorieTravailler);
    ia.Definir_Valeur(0, 0, 3);
    ia.Definir_Quantite(0, 0, 7);
    EXPECT_EQ(Liste(ia, 0), (Etapes{{3, 3, 7}}));
    EXPECT_TRUE(ia.Definir_BatimentDefini(0));
}
