#include <gtest/gtest.h>

#include <vector>

#include "engine/ModVisionneurs.h"

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
    using Fonction = void (*)(LanceurExterne&, AvertisseurErreur&, const std::string&);
    const struct {
        Fonction f;
        const char* ouvert;
        const char* message;
    } cas[] = {
        {ModVisionneurs::Ouvrir_Notepad, "texte:a b.txt", "Logiciel Notepad introuvable."},
        {ModVisionneurs::Ouvrir_Explorer, "dossier:a b.txt", "Logiciel Explorer introuvable."},
        {ModVisionneurs::Ouvrir_Navigateur, "page:a b.txt", "Logiciel Internet Explorer introuvable."},
    };
    for (const auto& c : cas) {
        LanceurFactice lanceur;
        AvertisseurFactice avertisseur;
        c.f(lanceur, avertisseur, "a b.txt");
        EXPECT_EQ(lanceur.ouverts, std::vector<std::string>{c.ouvert});
        EXPECT_TRUE(avertisseur.messages.empty());
        lanceur.reussit = false;
        c.f(lanceur, avertisseur, "a b.txt");
        EXPECT_EQ(avertisseur.messages, std::vector<std::string>{c.message});
    }
}
