#include "rules/ClsFicINI.h"

#include "platform/DossierJeu.h"
#include "platform/Texte.h"

ClsFicINI::ClsFicINI(DossierJeu& dossier) : dossier_(&dossier) {}

std::string ClsFicINI::Parametre(std::string_view Nom) {
    std::string valeur = dossier_->LireCle(NomFichier + Extension, Section, Nom);
    // The profile functions read through a 255-character buffer.
    std::string_view coupee = PremiersCaracteres(valeur, LongueurMax);
    tronquee_ = coupee.size() < valeur.size();
    valeur = std::string(coupee);
    DerniereLecture = std::string(Nom) + "=" + valeur;
    return valeur;
}

bool ClsFicINI::Parametre(std::string_view Nom, std::string_view Valeur) {
    return dossier_->EcrireCle(NomFichier + Extension, Section, Nom, Valeur);
}
