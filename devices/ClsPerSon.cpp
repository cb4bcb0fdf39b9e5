#include "devices/ClsPerSon.h"

#include "platform/CheminConfine.h"
#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/SortieSon.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"

ClsPerSon::ClsPerSon(DossierJeu& dossier) : dossier_(&dossier) {
    ClsFicINI ini(dossier);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ErreursFichier erreurs(FichierIni + ini.Extension);
    const auto jouer = ValeurStricte(ini.Parametre("Jouer"));
    if (!jouer) erreurs.Ajouter("[Sons] Jouer : 1 (bruitages) ou 0 (silence) est attendu.");
    const std::string chemin = ini.Parametre("Chemin");
    if (auto faute = FauteChemin(chemin, "[Sons] Chemin")) erreurs.Ajouter(*faute);
    erreurs.Verifier();
    Jouer = *jouer != 0.0;
    Chemin = chemin;
}

void ClsPerSon::Init(SortieSon* sortie, const ClsJeuParam& Parametres) {
    sortie_ = sortie;
    const std::int32_t nombre = Parametres.NombreEffets > 0 ? Parametres.NombreEffets : 0;
    SonsEffets.assign(static_cast<std::size_t>(nombre), false);
    if (!sortie_) return;
    sortie_->Vider(nombre);
    for (std::int32_t i = 0; i < nombre; ++i) {
        const std::string nom = Parametres.Effet_Son(i);
        if (nom.empty()) continue;
        const auto chemin = CheminDansDossier(dossier_->Racine(), Chemin + "\\" + nom);
        if (!chemin) continue;
        SonsEffets[static_cast<std::size_t>(i)] = sortie_->Charger(i, *chemin);
    }
}

void ClsPerSon::Lire(std::int16_t i) {
    if (sortie_ && Charge(i)) sortie_->Jouer(i);
}

bool ClsPerSon::Charge(std::int32_t i) const {
    return i >= 0 && i < NombreEffets() && SonsEffets[static_cast<std::size_t>(i)];
}

void ClsPerSon::Definir_Jouer(bool Valeur) {
    Jouer = Valeur;
    ClsFicINI ini(*dossier_);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ini.Parametre("Jouer", Valeur ? "1" : "0");
}
