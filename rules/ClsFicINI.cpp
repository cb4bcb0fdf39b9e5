#include "rules/ClsFicINI.h"

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"

ClsFicINI::ClsFicINI(DossierJeu& dossier) : dossier_(&dossier) {}

std::string ClsFicINI::Parametre(std::string_view Nom) {
    std::string valeur = dossier_->LireCle(NomFichier + Extension, Section, Nom);
    // The profile functions read through a 255-character buffer.
    std::string_view coupee = PremiersCaracteres(valeur, LongueurMax);
    tronquee_ = coupee.size() < valeur.size();
    if (tronquee_ && RefuserNombresTronques) {
        std::string_view t = Rogner(valeur);
        std::size_t i = (!t.empty() && (t.front() == '-' || t.front() == '+')) ? 1 : 0;
        if (i < t.size() && t[i] == '.') ++i;
        if (i < t.size() && t[i] >= '0' && t[i] <= '9')
            throw ErreurFichier(NomFichier + Extension,
                                "Section [" + Section + "], clé " + std::string(Nom) + " : valeur trop longue (plus de " +
                                    std::to_string(LongueurMax) + " caractères) : ce n'est pas un nombre.");
    }
    valeur = std::string(coupee);
    DerniereLecture = std::string(Nom) + "=" + valeur;
    return valeur;
}

bool ClsFicINI::Parametre(std::string_view Nom, std::string_view Valeur) {
    return dossier_->EcrireCle(NomFichier + Extension, Section, Nom, Valeur);
}
