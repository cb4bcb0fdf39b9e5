#include <gtest/gtest.h>

#include <vector>

#include "platform/ModVisionneurs.h"
#include "tests/Outils.h"

namespace {

struct LanceurFactice : LanceurExterne {
    bool reussit = true;
    std::vector<std::string> ouverts;
    bool Ouvrir_Fichier_Texte(const std::string& c) override { return Noter("texte:" + c); }
    bool Ouvrir_Dossier(const std::string& c) override { return Noter("dossier:" + c); }
    bool Ouvrir_Page(const std::string& c) override { return Noter("page:" + c); }
    bool Noter(const std::string& s) {
        ouverts.push_back(s);
        return reussit;
    }
};

struct AvertisseurFactice : AvertisseurErreur {
    std::vector<std::string> messages;
    void Erreur(const std::string& m) override { messages.push_back(m); }
};

}  // namespace

TEST(ModVisionneurs, ChaqueVisionneurEtSonMessageDEchec) {
    DossierTemporaire d;
    d.Ecrire("a b.txt", "texte");
    const std::string fichier = (d.Chemin() / "a b.txt").string(), dossier = d.Chemin().string();
    using Fonction = void (*)(LanceurExterne&, AvertisseurErreur&, const std::string&);
    const struct {
        Fonction f;
        std::string chemin;
        std::string ouvert;
        const char* message;
    } cas[] = {
        {ModVisionneurs::Ouvrir_Notepad, fichier, "texte:" + fichier, "Logiciel Notepad introuvable."},
        {ModVisionneurs::Ouvrir_Explorer, dossier, "dossier:" + dossier, "Logiciel Explorer introuvable."},
        {ModVisionneurs::Ouvrir_Navigateur, "page.html", "page:page.html", "Logiciel Internet Explorer introuvable."},
    };
    for (const auto& c : cas) {
        LanceurFactice lanceur;
        AvertisseurFactice avertisseur;
        c.f(lanceur, avertisseur, c.chemin);
        EXPECT_EQ(lanceur.ouverts, std::vector<std::string>{c.ouvert});
        EXPECT_TRUE(avertisseur.messages.empty());
        lanceur.reussit = false;
        c.f(lanceur, avertisseur, c.chemin);
        EXPECT_EQ(avertisseur.messages, std::vector<std::string>{c.message});
    }
}

// A text file or a folder that is not there is named as missing: no
// program is started, and the program is not blamed.
TEST(ModVisionneurs, FichierOuDossierAbsentNommeCommeTel) {
    DossierTemporaire d;
    d.Ecrire("dossier/f.txt", "texte");
    const std::string absent = (d.Chemin() / "absent.txt").string();
    const std::string dossierAbsent = (d.Chemin() / "Musiques").string();
    const std::string unDossier = (d.Chemin() / "dossier").string();
    const std::string unFichier = (d.Chemin() / "dossier" / "f.txt").string();
    using Fonction = void (*)(LanceurExterne&, AvertisseurErreur&, const std::string&);
    const struct {
        Fonction f;
        std::string chemin;
        std::string message;
    } cas[] = {
        {ModVisionneurs::Ouvrir_Notepad, absent, "Le fichier « " + absent + " » est introuvable."},
        {ModVisionneurs::Ouvrir_Notepad, unDossier, "Le fichier « " + unDossier + " » est introuvable."},
        {ModVisionneurs::Ouvrir_Explorer, dossierAbsent, "Le dossier « " + dossierAbsent + " » est introuvable."},
        {ModVisionneurs::Ouvrir_Explorer, unFichier, "Le dossier « " + unFichier + " » est introuvable."},
    };
    for (const auto& c : cas) {
        LanceurFactice lanceur;
        AvertisseurFactice avertisseur;
        c.f(lanceur, avertisseur, c.chemin);
        EXPECT_TRUE(lanceur.ouverts.empty()) << c.chemin;
        EXPECT_EQ(avertisseur.messages, std::vector<std::string>{c.message});
    }
}
