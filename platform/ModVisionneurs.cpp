#include "platform/ModVisionneurs.h"

#include <filesystem>
#include <system_error>

namespace {

// A file or folder that is not there is the caller's missing file, not a
// missing program: the player is told which one.
bool Present(AvertisseurErreur& Avertisseur, const std::string& Chemin, bool Dossier) {
    std::error_code ec;
    const std::filesystem::path p(Chemin);
    if (Dossier ? std::filesystem::is_directory(p, ec) : std::filesystem::is_regular_file(p, ec)) return true;
    Avertisseur.Erreur((Dossier ? "Le dossier « " : "Le fichier « ") + Chemin + " » est introuvable.");
    return false;
}

}  // namespace

namespace ModVisionneurs {

void Ouvrir_Notepad(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Present(Avertisseur, Chemin, false)) return;
    if (!Lanceur.Ouvrir_Fichier_Texte(Chemin)) Avertisseur.Erreur("Logiciel Notepad introuvable.");
}

void Ouvrir_Explorer(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Present(Avertisseur, Chemin, true)) return;
    if (!Lanceur.Ouvrir_Dossier(Chemin)) Avertisseur.Erreur("Logiciel Explorer introuvable.");
}

void Ouvrir_Navigateur(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Lanceur.Ouvrir_Page(Chemin)) Avertisseur.Erreur("Logiciel Internet Explorer introuvable.");
}

}  // namespace ModVisionneurs
