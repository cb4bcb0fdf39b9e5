#include "engine/ModVisionneurs.h"

namespace ModVisionneurs {

void Ouvrir_Notepad(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Lanceur.Ouvrir_Fichier_Texte(Chemin)) Avertisseur.Erreur("Logiciel Notepad introuvable.");
}

void Ouvrir_Explorer(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Lanceur.Ouvrir_Dossier(Chemin)) Avertisseur.Erreur("Logiciel Explorer introuvable.");
}

void Ouvrir_Navigateur(LanceurExterne& Lanceur, AvertisseurErreur& Avertisseur, const std::string& Chemin) {
    if (!Lanceur.Ouvrir_Page(Chemin)) Avertisseur.Erreur("Logiciel Internet Explorer introuvable.");
}

}  // namespace ModVisionneurs
