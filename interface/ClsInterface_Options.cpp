// Display options (written back to the layout file at once), full view,
// window visibility and the info buttons that go with the windows.
#include "interface/ClsInterface.h"

#include "engine/ModMain.h"
#include "rules/ClsFicINI.h"

void ClsInterface::Ecrire_Option(const char* Cle, bool Valeur) {
    if (fichierInterface_.empty()) return;
    ClsFicINI ini(main_->Dossier);
    ini.NomFichier = fichierInterface_;
    ini.Section = sectionInterface_;
    ini.Parametre(Cle, Valeur ? "1" : "0");
}

void ClsInterface::Affichage_PleinEcran(bool Valeur) {
    pleinEcran_ = Valeur;
    bool* drapeaux[9] = {&AfficherCadre,        &AfficherEpoques,           &AfficherFPS,
                         &AfficherAction,       &AfficherBarresStatut,      &AfficherBoutonsConstruire,
                         &AfficherBoutonsInfos, &AfficherBoutonsDeplacement, &AfficherStastistiques};
    for (std::size_t k = 0; k < 9; ++k) *drapeaux[k] = Valeur ? false : affichageSauvegarde_[k];
}

bool ClsInterface::Fenetres_Visible(std::int16_t Index) const {
    return Index >= 0 && static_cast<std::size_t>(Index) < fenetres_.size() &&
           fenetres_[static_cast<std::size_t>(Index)].Visible;
}

void ClsInterface::Fenetres_Visible(std::int16_t Index, bool Valeur) {
    if (Index >= 0 && static_cast<std::size_t>(Index) < fenetres_.size())
        fenetres_[static_cast<std::size_t>(Index)].Visible = Valeur;
}

void ClsInterface::Actionner_Boutons_Infos(std::int16_t Index) {
    if (Index < 0 || static_cast<std::size_t>(Index) >= boutonsInfos_.size()) {
        // Without its button (a set-up that did not run), the pause key still pauses.
        if (Index == 6 && Moteur.Basculer_Pause) Moteur.Basculer_Pause();
        return;
    }
    ClsIntBouton& b = boutonsInfos_[static_cast<std::size_t>(Index)];
    const bool actif = b.Actif;
    if (static_cast<std::size_t>(Index) < fenetres_.size())
        fenetres_[static_cast<std::size_t>(Index)].Visible = !actif;
    else if (Index == 6 && Moteur.Basculer_Pause)
        Moteur.Basculer_Pause();
    b.Actif = !actif;
}

void ClsInterface::Fermer_Toutes_les_fenetres() {
    for (std::size_t k = 0; k < fenetres_.size(); ++k) {
        fenetres_[k].Visible = false;
        if (k < boutonsInfos_.size()) boutonsInfos_[k].Actif = false;
    }
}

#define OPTION(Nom)                                  \
    void ClsInterface::Definir_##Nom(bool Valeur) { \
        Nom = Valeur;                                \
        Ecrire_Option(#Nom, Valeur);                 \
    }
OPTION(AfficherCadre)
OPTION(AfficherEpoques)
OPTION(AfficherFPS)
OPTION(AfficherAction)
OPTION(AfficherBarresStatut)
OPTION(AfficherBoutonsInfos)
OPTION(AfficherBoutonsDeplacement)
OPTION(MasquerAutoBoutonsConstruire)
OPTION(AfficherMessageModeAuto)
OPTION(AfficherInfoBulleTerrain)
OPTION(AfficherStastistiques)
#undef OPTION
