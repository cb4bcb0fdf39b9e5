// Helpers of the tests that start the whole program: scripted answers to
// its questions and viewers, a game folder to start from, the program.
#pragma once

#include <QApplication>
#include <QListWidget>
#include <QWidget>

#include <cstdlib>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/Outils.h"
#include "windows/Demarrage.h"
#include "windows/FrmParam.h"
#include "windows/MDIFrmMain.h"

namespace essai {

// The captions of a list, top to bottom.
inline std::vector<std::string> Textes(QListWidget* l) {
    std::vector<std::string> t;
    for (int i = 0; i < l->count(); ++i) t.push_back(l->item(i)->text().toStdString());
    return t;
}

// Answers the windows' questions as the test says, and remembers them.
class FauxDialogues : public Dialogues {
public:
    bool Confirmer(const std::string& Texte, const std::string&) override {
        questions.push_back(Texte);
        return oui;
    }
    bool Question(const std::string& Texte, const std::string&) override {
        questions.push_back(Texte);
        return oui;
    }
    Reponse QuestionAnnulable(const std::string& Texte, const std::string&) override {
        questions.push_back(Texte);
        return oui ? Reponse::Oui : Reponse::Non;
    }
    std::optional<std::string> Saisie(const std::string& Invite, const std::string&, const std::string&) override {
        questions.push_back(Invite);
        return reponse;
    }
    // Every message is kept; the critical ones are the errors a test looks at.
    void Message(const std::string& Texte, const std::string&, Icone icone) override {
        (icone == Icone::Critique ? erreurs : messages).push_back(Texte);
    }
    bool oui = true;
    std::optional<std::string> reponse;
    std::vector<std::string> questions, erreurs, messages;
};

class FauxLanceur : public LanceurExterne {
public:
    bool Ouvrir_Fichier_Texte(const std::string& Chemin) override {
        ouverts.push_back(Chemin);
        return true;
    }
    bool Ouvrir_Dossier(const std::string&) override { return true; }
    bool Ouvrir_Page(const std::string& Adresse) override {
        pages.push_back(Adresse);
        return true;
    }
    std::vector<std::string> ouverts, pages;
};

// A game folder: the built one (pictures and sounds, for games) or the
// data set alone (for the settings), with the screen in an 800 x 600 window.
struct Dossier {
    explicit Dossier(bool complet) {
        if (complet)
            std::filesystem::copy(std::filesystem::path(MORVAINE_GAME_DIR), d.Chemin(),
                                  std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
        else
            d.CopierDonnees();
        d.Ecrire("Ini_Ecran.ini",
                 "[Ecran]\nModeFenetre=1\nNombreResolution=1\nResolution=1\n\n[Resolution_1]\nLargeur=800\nHauteur=600\n");
    }
    // Replaces one line "cle=..." of Ini_Partie (or removes it).
    void Partie(const std::string& cle, std::optional<std::string> valeur) const {
        std::string texte = d.Lire("Ini_Partie.ini"), sortie;
        std::size_t debut = 0;
        while (debut < texte.size()) {
            const std::size_t fin = texte.find('\n', debut);
            const std::string ligne = texte.substr(debut, fin - debut);
            if (ligne.rfind(cle + "=", 0) == 0) {
                if (valeur) sortie += cle + "=" + *valeur + "\n";
            } else {
                sortie += ligne + "\n";
            }
            debut = fin == std::string::npos ? texte.size() : fin + 1;
        }
        d.Ecrire("Ini_Partie.ini", sortie);
    }
    DossierTemporaire d;
};

struct Application {
    int argc = 1;
    char nom[8] = "tests";
    char* argv[2] = {nom, nullptr};
    QApplication app{argc, argv};
};

struct Programme {
    explicit Programme(const Dossier& dossier) : p(dossier.d.Chemin(), &dialogues, &lanceur) {}
    MDIFrmMain& F() { return *p.FenetrePrincipale; }
    FrmParam& P() { return *p.FenetrePrincipale->Param(); }
    FauxDialogues dialogues;
    FauxLanceur lanceur;
    Demarrage p;
};

// By hand under Xvfb, MORVAINE_SESSION_IMAGES=<a scratch folder> keeps a
// picture of the window.
inline void Photographier(QWidget& w, const char* nom) {
    const char* dossier = std::getenv("MORVAINE_SESSION_IMAGES");
    if (!dossier) return;
    std::filesystem::create_directories(dossier);
    QApplication::processEvents();
    w.grab().save(QString::fromStdString((std::filesystem::path(dossier) / nom).string()));
}

}  // namespace essai
