// The message feed: what it tells of the watched character, when lines
// leave, where they are drawn, and the tips.
#include <gtest/gtest.h>

#include <set>

#include "platform/Texte.h"
#include "rules/LectureIni.h"
#include "platform/ErreurFichier.h"
#include "platform/Surface.h"
#include "tests/interface/MondeInterface.h"

namespace {

class Messages : public ::testing::Test {
protected:
    Messages() {
        M.W.M().Horloge = 100.0;
        // The first frame only takes the character's values.
        Image();
    }
    void Image() { F().Afficher_Messages(M.Pj(), M.Interface.get(), M.W.P(), Fond); }
    ClsJeuMessages& F() { return *M.Messages; }
    std::vector<std::string> Lignes() const { return {M.Messages->ListeMessages.begin(), M.Messages->ListeMessages.end()}; }

    MondeInterface M;
    Surface Fond{64, 64};
};

TEST_F(Messages, PremiereImageNeDitRien) {
    M.Pj().Definir_Argent(500.0);
    ClsJeuMessages neuf(M.W.M());
    neuf.Init(M.W.P());
    neuf.Afficher_Messages(M.Pj(), nullptr, M.W.P(), Fond);
    EXPECT_TRUE(neuf.ListeMessages.empty());
}

TEST_F(Messages, ArgentGagneEtPerdu) {
    M.Pj().Definir_Argent(10.7);
    Image();
    M.Pj().Definir_Argent(10.2);  // less than 1: never told
    Image();
    M.Pj().Definir_Argent(3.0);
    Image();
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"> Gain : 10 pièces d'or.", "> Perte : 7 pièces d'or."}));
}

TEST_F(Messages, RessourcesEnUneLigneParSens) {
    ClsJeuPerso& p = M.Pj();
    p.Definir_Ressources(0, 5.0);
    p.Definir_Ressources(1, 2.5);
    Image();
    F().Effacer();
    p.Definir_Ressources(0, 2.0);
    p.Definir_Ressources(1, 4.0);
    p.Definir_Ressources(2, 1.0);
    Image();
    const std::string n0 = M.W.P().Ressources_Nom(0), n1 = M.W.P().Ressources_Nom(1), n2 = M.W.P().Ressources_Nom(2);
    ASSERT_EQ(F().ListeMessages.size(), 2u);
    EXPECT_EQ(F().ListeMessages[0].rfind("> Gain : 1 ", 0), 0u) << F().ListeMessages[0];
    EXPECT_NE(F().ListeMessages[0].find(", 1 "), std::string::npos) << F().ListeMessages[0];
    EXPECT_EQ(F().ListeMessages[1].rfind("> Perte : 3 ", 0), 0u) << F().ListeMessages[1];
    EXPECT_EQ(F().ListeMessages[1].back(), '.');
}

TEST_F(Messages, MortEtRetourALaVie) {
    M.Pj().Vie = 0.0;
    Image();
    M.Pj().Vie = 20.0;
    Image();
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"> Vous êtes mort.", "> Vous revenez à la vie !"}));
}

TEST_F(Messages, InvocationsAuSingulierEtAuPluriel) {
    M.Pj().NombreInvocations = 1;
    Image();
    M.Pj().NombreInvocations = 3;
    Image();
    M.Pj().NombreInvocations = 0;
    Image();
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"> Gain : 1 invocation.", "> Gain : 2 invocations.",
                                                  "> Perte : 3 invocations."}));
}

TEST_F(Messages, ObjetsEtExperience) {
    ClsJeuPerso& p = M.Pj();
    p.Objet_Ajouter_Inventaire(ObjetCombat::Potion, M.W.P(), M.W.M().Commentaires);
    p.Objet_Ajouter_Inventaire(ObjetCombat::Potion, M.W.P(), M.W.M().Commentaires);
    p.VieBase += 2;
    Image();
    ASSERT_EQ(F().ListeMessages.size(), 2u);
    EXPECT_EQ(F().ListeMessages[0], "> Gain : 2 " + MinusculesAscii(M.W.P().Objet_NomPluriel(ObjetCombat::Potion)) + ".");
    EXPECT_EQ(F().ListeMessages[1], "* Gain : 2 point(s) de vie maximum.");
}

TEST_F(Messages, UnAutrePersonnageNeDitRien) {
    const std::int32_t autre = M.W.Perso(RaceCombat::Humain, 0, 10, 10);
    M.W.Pe(autre).Definir_Argent(900.0);
    F().Afficher_Messages(M.W.Pe(autre), nullptr, M.W.P(), Fond);
    EXPECT_TRUE(F().ListeMessages.empty());
}

TEST_F(Messages, TexteDePlusieursLignesRepousseLesSuivants) {
    F().Ajouter_Message("un#deux#trois");
    F().Ajouter_Message("quatre");
    EXPECT_EQ(Lignes(), (std::vector<std::string>{"un#deux#trois", "", "", "", "quatre"}));
}

TEST_F(Messages, DisposeLesLignesDepuisLaPosition) {
    F().PositionX = 50;
    F().PositionY = 30;
    F().DecalageX = 2;
    F().DecalageY = 16;
    F().Couleur = 0xFFFFFF;
    F().ListeMessages = {"a", "&b", "c#$d"};
    const std::vector<LigneTexte> attendu{{50, 30, "a", 0xFFFFFF},
                                          {52, 46, "b", ClsIntMessage::Rouge},
                                          {54, 62, "c", 0xFFFFFF},
                                          {54, 78, "d", ClsIntMessage::Bleu}};
    EXPECT_EQ(F().Disposition(), attendu);
}

TEST_F(Messages, LeFilGardeAuPlusNombreMaxMessages) {
    ASSERT_EQ(F().NombreMaxMessages(), 8);
    for (int k = 0; k < 11; ++k) F().Ajouter_Message("ligne " + std::to_string(k));
    Image();
    ASSERT_EQ(F().ListeMessages.size(), 8u);
    EXPECT_EQ(F().ListeMessages.front(), "ligne 3");
}

TEST_F(Messages, LaPlusAncienneLigneSEffaceSelonSaLongueur) {
    double& t = M.W.M().Horloge;
    F().Duree = 0.5;
    F().Ajouter_Message("abcd");  // 4 characters: 2 seconds
    F().Ajouter_Message("é");     // one character, not two bytes
    t += 2.0;
    Image();
    EXPECT_EQ(F().ListeMessages.size(), 2u) << "pas avant d'avoir dépassé la durée";
    t += 0.01;
    Image();
    ASSERT_EQ(F().ListeMessages.size(), 1u);
    // The next line's time runs from that removal.
    t += 0.5;
    Image();
    EXPECT_EQ(F().ListeMessages.size(), 1u);
    t += 0.01;
    Image();
    EXPECT_TRUE(F().ListeMessages.empty());
}

TEST_F(Messages, DecalageDuSecondJoueur) {
    ClsJeuMessages second(M.W.M());
    const std::int16_t x = second.PositionX;
    second.Init(M.W.P(), 512, 0);
    EXPECT_EQ(second.PositionX, x + 512);
}

TEST_F(Messages, InterrupteursEcritsDansLeFichier) {
    F().Definir_AfficherArgent(false);
    ClsJeuMessages relu(M.W.M());
    EXPECT_FALSE(relu.Definir_AfficherArgent());
    EXPECT_TRUE(relu.Definir_AfficherVie());
    M.Pj().Definir_Argent(50.0);
    Image();
    EXPECT_TRUE(F().ListeMessages.empty());
}

TEST(MessagesFichier, InterrupteurManquantRefuse) {
    DossierTemporaire d;
    d.Ecrire("Ini_Messages.ini", "[Messages]\nAfficher=1\nAfficherVie=peut-être\nDuree=0.1\n");
    DossierJeu dossier(d.Chemin());
    GenerateurLocal g(1);
    const double horloge = 0.0;
    try {
        ClsJeuMessages m(dossier, g, horloge);
        FAIL();
    } catch (const ErreurFichier& e) {
        EXPECT_EQ(e.Fichier(), "Ini_Messages.ini");
        // AfficherVie is not a number, and seven switches are missing.
        EXPECT_EQ(e.Details().size(), 8u);
    }
}

TEST(MessagesConseils, ConseilsLusEtTiresAuHasard) {
    DossierTemporaire d;
    d.CopierDonnees();
    d.Ecrire("Info_Conseils.txt", "Astuce :\r\n# note\r\n\r\n- premier\r\nsuite\r\n- second\r\n");
    DossierJeu dossier(d.Chemin());
    GenerateurLocal g(7);
    const double horloge = 0.0;
    ClsJeuMessages m(dossier, g, horloge);
    std::set<std::string> vus;
    for (int k = 0; k < 40; ++k) {
        m.Effacer();
        m.Afficher_Conseil();
        ASSERT_FALSE(m.ListeMessages.empty());
        vus.insert(m.ListeMessages.front());
    }
    EXPECT_EQ(vus, (std::set<std::string>{"Astuce : - premier#suite", "Astuce : - second"}));

    m.Definir_AfficherConseil(false);
    m.Effacer();
    m.Afficher_Conseil();
    EXPECT_TRUE(m.ListeMessages.empty());
}

TEST(MessagesConseils, FichierSansConseilEtFichierAbsent) {
    DossierTemporaire d;
    d.CopierDonnees();
    d.Ecrire("Info_Conseils.txt", "Astuce :\n");
    DossierJeu dossier(d.Chemin());
    GenerateurLocal g(7);
    const double horloge = 0.0;
    ClsJeuMessages m(dossier, g, horloge);
    m.Afficher_Conseil();
    EXPECT_EQ(m.ListeMessages.front(), "Astuce : ");
    std::filesystem::remove(d.Chemin() / "Info_Conseils.txt");
    EXPECT_THROW(m.Afficher_Conseil(), ErreurFichier);
}

TEST(MessagesConseils, LesConseilsDuJeuSontLisibles) {
    DossierJeu dossier(DonneesSource());
    GenerateurLocal g(3);
    const double horloge = 0.0;
    ClsJeuMessages m(dossier, g, horloge);
    m.Afficher_Conseil();
    ASSERT_EQ(m.ListeMessages.size() >= 1, true);
    EXPECT_EQ(m.ListeMessages.front().rfind("Conseil : - ", 0), 0u) << m.ListeMessages.front();
}

}  // namespace

namespace {

TEST(MessagesExperience, CompetenceDeServiceNommeeParSonService) {
    MondeInterface M;
    M.W.M().Horloge = 1.0;
    Surface fond(8, 8);
    ClsJeuMessages& f = *M.Messages;
    f.Afficher_Messages(M.Pj(), nullptr, M.W.P(), fond);
    ASSERT_GE(M.Pj().Nombre_CompetencesServices(), 1);
    M.Pj().Niveau_CompetenceServices(0, static_cast<std::int16_t>(M.Pj().Niveau_CompetenceServices(0) + 1));
    f.Afficher_Messages(M.Pj(), nullptr, M.W.P(), fond);
    ASSERT_EQ(f.ListeMessages.size(), 1u);
    // Row 0 of the services is "no service": competence 0 is service 1's.
    const std::string nom = MinusculesAscii(M.W.P().Service_NomCompetence(1));
    ASSERT_FALSE(nom.empty());
    EXPECT_EQ(f.ListeMessages[0], "* Gain : 1 niveau(x) en " + nom + ".");
}

}  // namespace
