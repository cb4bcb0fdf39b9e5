// The speech source: reading Ini_Commentaires, picking lines with the
// machine's own generator, and the two settings written back.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "platform/ErreurFichier.h"
#include "tests/characters/ReglesPersos.h"

namespace {

class Commentaires : public ::testing::Test {
protected:
    Commentaires() { dossier_.Ecrire("Ini_Commentaires.ini", CommentairesEssai()); }
    DossierJeu& Jeu() { return jeu_; }

    DossierTemporaire dossier_;
    DossierJeu jeu_{dossier_.Chemin()};
    GenerateurLocal generateur_{11};
    ClsJeuPerso perso_;  // speaks the type it is asked
};

TEST_F(Commentaires, LitLesReglagesEtLesLignes) {
    ClsJeuCommentaires c(Jeu(), generateur_);
    EXPECT_TRUE(c.Definir_Afficher());
    EXPECT_FLOAT_EQ(c.Definir_Duree(), 0.1f);
    EXPECT_FLOAT_EQ(c.Definir_DureeMin(), 0.05f);
    EXPECT_FLOAT_EQ(c.Definir_DureeMax(), 0.2f);
    EXPECT_FLOAT_EQ(c.Definir_DureeIntervale(), 0.01f);
    EXPECT_EQ(c.Couleur, 65535);
    EXPECT_EQ(c.DecalageX, 2);
    EXPECT_EQ(c.DecalageY, -12);
    EXPECT_EQ(c.Nombre_Types(), 47);
    EXPECT_EQ(c.Nombre_Lignes(2), 3);
    EXPECT_EQ(c.Nombre_Lignes(46), 1);
}

TEST_F(Commentaires, UnGenreAUneLigneDitToujoursCelleLa) {
    ClsJeuCommentaires c(Jeu(), generateur_);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(c.Message(19, perso_), "genre 19");
}

TEST_F(Commentaires, ToutesLesLignesDUnGenreSortent) {
    ClsJeuCommentaires c(Jeu(), generateur_);
    std::set<std::string> vues;
    for (int i = 0; i < 200; ++i) vues.insert(c.Message(2, perso_));
    EXPECT_EQ(vues, (std::set<std::string>{"un", "deux", "trois"}));
}

TEST_F(Commentaires, GenresHorsTableSilencieux) {
    ClsJeuCommentaires c(Jeu(), generateur_);
    EXPECT_EQ(c.Message(-1, perso_), "");
    EXPECT_EQ(c.Message(47, perso_), "");
    EXPECT_EQ(c.Message(32000, perso_), "");
}

TEST_F(Commentaires, UneRaceAParoleProprePrendToujoursSonGenre) {
    ClsJeuCommentaires c(Jeu(), generateur_);
    perso_.ParoleSpecifique = true;
    perso_.CommentairesSpecifique = 7;
    EXPECT_EQ(c.Message(0, perso_), "genre 7");
    EXPECT_EQ(c.Message(33, perso_), "genre 7");
    EXPECT_EQ(c.Message(-1, perso_), "");
}

TEST_F(Commentaires, LesLignesNeTouchentPasAuHasardDuJeu) {
    ReglesPersos regles(EcrireCommentairesEssai);
    MondePersos monde(regles, 1);
    ModRandom jumeau = monde.Main.Aleatoire;
    for (int i = 0; i < 50; ++i) monde.Main.Commentaires.Message(2, monde.Perso(0));
    for (int i = 0; i < 5; ++i) EXPECT_EQ(monde.Main.Aleatoire.Nombre_Aleatoire(), jumeau.Nombre_Aleatoire());

    // Two machines with the same seed pick the same lines.
    GenerateurLocal a(4), b(4);
    ClsJeuCommentaires ca(Jeu(), a), cb(Jeu(), b);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(ca.Message(2, perso_), cb.Message(2, perso_));
}

TEST_F(Commentaires, LesReglagesSontEcritsAussitot) {
    {
        ClsJeuCommentaires c(Jeu(), generateur_);
        c.Definir_Afficher(false);
        c.Definir_Duree(0.15f);
        EXPECT_FALSE(c.Definir_Afficher());
    }
    DossierJeu relu(dossier_.Chemin());
    ClsJeuCommentaires c(relu, generateur_);
    EXPECT_FALSE(c.Definir_Afficher());
    EXPECT_FLOAT_EQ(c.Definir_Duree(), 0.15f);
    const std::string texte = dossier_.Lire("Ini_Commentaires.ini");
    EXPECT_NE(texte.find("Afficher=0"), std::string::npos);
    EXPECT_NE(texte.find("Duree=0.15"), std::string::npos);
}

TEST_F(Commentaires, UnFichierInvalideEstSignaleEnEntier) {
    std::string texte = CommentairesEssai();
    auto remplacer = [&](const std::string& de, const std::string& en) { texte.replace(texte.find(de), de.size(), en); };
    remplacer("Afficher=1\n", "");
    remplacer("Duree=0.1\n", "Duree=vite\n");
    // Type 5 claims more lines than a type may hold.
    remplacer("[Commentaires_6]\nNombreMessages=1", "[Commentaires_6]\nNombreMessages=9");
    dossier_.Ecrire("Ini_Commentaires.ini", texte);
    DossierJeu jeu(dossier_.Chemin());
    try {
        ClsJeuCommentaires c(jeu, generateur_);
        FAIL() << "fichier accepté";
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Commentaires.ini");
        ASSERT_EQ(e.Details().size(), 3u);
        EXPECT_NE(e.Details()[0].find("Afficher"), std::string::npos);
        EXPECT_NE(e.Details()[1].find("Duree"), std::string::npos);
        EXPECT_NE(e.Details()[2].find("[Commentaires_6]"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("Le fichier Ini_Commentaires.ini est invalide."), std::string::npos);
    }
}

TEST_F(Commentaires, UnFichierAbsentEstSignale) {
    DossierTemporaire vide;
    DossierJeu jeu(vide.Chemin());
    EXPECT_THROW(ClsJeuCommentaires(jeu, generateur_), ErreurFichier);
}

TEST(CommentairesDuJeu, ChaqueGenreADesLignesLisibles) {
    DossierJeu jeu(DonneesSource());
    GenerateurLocal generateur(1);
    ClsJeuCommentaires c(jeu, generateur);
    ASSERT_GE(c.Nombre_Types(), 47);
    ClsJeuPerso perso;
    for (std::int16_t t = 0; t < 47; ++t) {
        EXPECT_GE(c.Nombre_Lignes(t), 3) << "genre " << t;
        for (int i = 0; i < 10; ++i) EXPECT_FALSE(c.Message(t, perso).empty()) << "genre " << t;
    }
    EXPECT_TRUE(c.Definir_Afficher());
    EXPECT_GE(c.Duree, c.DureeMin);
    EXPECT_LE(c.Duree, c.DureeMax);
    EXPECT_GT(c.DureeIntervale, 0.0f);
    // A line of 30 characters stays a few seconds: long enough to read.
    EXPECT_GE(30 * c.Duree, 2.0f);
    EXPECT_LE(30 * c.Duree, 5.0f);
}

}  // namespace
