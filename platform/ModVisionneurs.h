// Showing the game's files in outside programs: a text file in the text
// viewer, a folder in the file manager, a page or an address in the web
// browser. The programs are started by the platform layer (never through a
// shell command line); when one cannot be started the player is told so in
// the game's words and the caller goes on. A text file or folder that does
// not exist is reported as such, before any program is asked.
#pragma once

#include <string>

// Starts the outside programs; false when the program cannot be started.
class LanceurExterne {
public:
    virtual ~LanceurExterne() = default;
    virtual bool Ouvrir_Fichier_Texte(const std::string& Chemin) = 0;
    virtual bool Ouvrir_Dossier(const std::string& Chemin) = 0;
    // The browser is asked for a maximised window.
    virtual bool Ouvrir_Page(const std::string& Adresse) = 0;
};

// A message box with the critical-stop icon and the application title.
class AvertisseurErreur {
public:
    virtual ~AvertisseurErreur() = default;
    virtual void Erreur(const std::string& Message) = 0;
    // The same with a title of its own; an empty title keeps the
    // application's.
    virtual void Erreur_Titre(const std::string& Message, const std::string& Titre) { Erreur(Message); }
};

namespace ModVisionneurs {

void Ouvrir_Notepad(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin);
void Ouvrir_Explorer(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin);
void Ouvrir_Navigateur(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin);

}  // namespace ModVisionneurs
