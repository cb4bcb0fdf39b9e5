// What the tests of the setup-time windows share: an application object,
// a launcher that records what it was asked to open, and an error box that
// records its messages.
#pragma once

#include <QApplication>

#include <memory>
#include <string>
#include <vector>

#include "platform/ModVisionneurs.h"

struct LanceurFactice : LanceurExterne {
    bool Reussit = true;
    std::vector<std::string> Ouverts;
    bool Ouvrir_Fichier_Texte(const std::string& c) override { return Noter("texte:" + c); }
    bool Ouvrir_Dossier(const std::string& c) override { return Noter("dossier:" + c); }
    bool Ouvrir_Page(const std::string& c) override { return Noter("page:" + c); }
    bool Noter(const std::string& s) {
        Ouverts.push_back(s);
        return Reussit;
    }
};

struct AvertisseurFactice : AvertisseurErreur {
    std::vector<std::string> Messages;
    void Erreur(const std::string& m) override { Messages.push_back(m); }
};

// An application object for the length of one test, as the other window
// tests make theirs (one at a time in a process).
struct ApplicationTest {
    int argc = 1;
    char nom[6] = "tests";
    char* argv[2] = {nom, nullptr};
    QApplication app{argc, argv};
};
