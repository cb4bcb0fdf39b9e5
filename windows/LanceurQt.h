// The outside programs and the error box of the desktop: files, folders
// and pages opened by the desktop's own viewers (no command line is built),
// errors in a critical message box titled with the application's name.
#pragma once

#include "platform/ModVisionneurs.h"

class LanceurQt : public LanceurExterne {
public:
    bool Ouvrir_Fichier_Texte(const std::string& Chemin) override;
    bool Ouvrir_Dossier(const std::string& Chemin) override;
    bool Ouvrir_Page(const std::string& Adresse) override;
};

class AvertisseurQt : public AvertisseurErreur {
public:
    void Erreur(const std::string& Message) override;
    void Erreur_Titre(const std::string& Message, const std::string& Titre) override;
};
