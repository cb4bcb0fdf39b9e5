#include "devices/ClsPerMusique.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "platform/SortieSon.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"
#include "rules/ModRandom.h"

namespace {

constexpr const char* ClesDossiers[ClsPerMusique::NombreSituations] = {
    "CheminMenu", "CheminDebut", "CheminVille", "CheminCombat", "CheminMort", "CheminVictoire", "CheminDefaite"};

// The name, lower-cased, ends with one of the endings. The endings are
// compared as written: one written in capitals matches nothing. An empty
// ending would match every file, so it matches none.
bool Accepte(const std::string& nom, const std::array<std::string, 3>& extensions) {
    const std::string minuscules = MinusculesAscii(nom);
    for (const auto& ext : extensions) {
        if (ext.empty() || ext.size() > minuscules.size()) continue;
        if (minuscules.compare(minuscules.size() - ext.size(), ext.size(), ext) == 0) return true;
    }
    return false;
}

}  // namespace

ClsPerMusique::ClsPerMusique(DossierJeu& dossier, GenerateurLocal& generateur, SortieMusique* sortie)
    : dossier_(&dossier), generateur_(&generateur), sortie_(sortie) {
    ClsFicINI ini(dossier);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ErreursFichier erreurs(FichierIni + ini.Extension);

    const auto jouer = ValeurStricte(ini.Parametre("Jouer"));
    if (!jouer) erreurs.Ajouter("[Musiques] Jouer : 1 (musique) ou 0 (silence) est attendu.");
    else Jouer = *jouer != 0.0;
    for (std::size_t k = 0; k < ExtensionsMusiques.size(); ++k)
        ExtensionsMusiques[k] = ini.Parametre("ExtensionMusiques" + std::to_string(k + 1));
    Chemin = ini.Parametre("Chemin");
    if (auto faute = FauteChemin(Chemin, "[Musiques] Chemin")) erreurs.Ajouter(*faute);
    for (int s = 0; s < NombreSituations; ++s) {
        auto& dossierListe = ListesMusiques[static_cast<std::size_t>(s)].Dossier;
        dossierListe = ini.Parametre(ClesDossiers[s]);
        if (auto faute = FauteChemin(dossierListe, std::string("[Musiques] ") + ClesDossiers[s])) erreurs.Ajouter(*faute);
    }
    // A whole number of seconds (a fraction is rounded); a negative one
    // would change the track at every pass.
    const auto intervalle = ValeurStricte(ini.Parametre("IntervalMusiques"));
    if (!intervalle || Arrondi(*intervalle) < 0 || Arrondi(*intervalle) > 2147483647.0)
        erreurs.Ajouter("[Musiques] IntervalMusiques : un nombre de secondes positif ou nul est attendu.");
    else IntervalMusiques = static_cast<std::int32_t>(Arrondi(*intervalle));
    erreurs.Verifier();

    // Listed once, when the program starts; sorted by name, so that the
    // choice does not hang on the order the file system lists them in.
    for (auto& liste : ListesMusiques) {
        const auto dossierSituation =
            CheminDansDossier(dossier_->Racine(), Chemin + "\\" + liste.Dossier).value_or(std::filesystem::path());
        std::error_code ec;
        for (std::filesystem::directory_iterator it(dossierSituation, ec), fin; !ec && it != fin; it.increment(ec)) {
            std::error_code ecFichier;
            if (!it->is_regular_file(ecFichier)) continue;
            const std::string nom = it->path().filename().string();
            if (Accepte(nom, ExtensionsMusiques)) liste.Fichiers.push_back(nom);
        }
        std::sort(liste.Fichiers.begin(), liste.Fichiers.end());
        liste.Nombre = static_cast<std::int32_t>(liste.Fichiers.size());
        liste.Disponible = liste.Nombre > 0;
    }
}

ClsPerMusique::~ClsPerMusique() { StopSon(); }

void ClsPerMusique::Jouer_Musique(std::int32_t Situation, bool Garder, double Maintenant) {
    if (Situation < 0 || Situation >= NombreSituations) return;
    // No track has played yet: whatever is asked is due.
    if (DebutMorceau && Maintenant <= *DebutMorceau + IntervalMusiques &&
        (Situation == SituationCourante || Garder))
        return;
    const auto& liste = ListesMusiques[static_cast<std::size_t>(Situation)];
    if (!Jouer || !liste.Disponible) return;

    if (sortie_) sortie_->Fermer();
    auto k = static_cast<std::int32_t>(Entier(liste.Nombre * static_cast<double>(generateur_->Suivant())));
    k = std::clamp(k, 0, liste.Nombre - 1);
    MorceauCourant = liste.Fichiers[static_cast<std::size_t>(k)];
    // A track that cannot be opened is silence; the choice stands until
    // the next change, as if it had played.
    const auto morceau = CheminDansDossier(dossier_->Racine(), Chemin + "\\" + liste.Dossier + "\\" + MorceauCourant);
    if (sortie_ && morceau && sortie_->Ouvrir(*morceau))
        sortie_->Jouer();
    DebutMorceau = Maintenant;
    SituationCourante = Situation;
}

void ClsPerMusique::StopSon() {
    if (!sortie_) return;
    sortie_->Arreter();
    sortie_->Fermer();
}

void ClsPerMusique::Definir_JouerMusique(bool Valeur) {
    Jouer = Valeur;
    if (!Valeur) StopSon();
    ClsFicINI ini(*dossier_);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ini.Parametre("Jouer", Valeur ? "1" : "0");
}
