#include "display/ClsAffPerso.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"
#include "rules/ClsJeuParam.h"
#include "rules/ModRandom.h"

namespace fs = std::filesystem;

namespace {

// Entries of a folder, sorted by name so that every machine lists them
// alike: folders (dossiers true) or files.
std::vector<std::string> Lister(const fs::path& chemin, bool dossiers) {
    std::vector<std::string> noms;
    std::error_code ec;
    for (fs::directory_iterator it(chemin, ec), fin; !ec && it != fin; it.increment(ec)) {
        std::error_code ec2;
        const bool estDossier = it->is_directory(ec2);
        if (dossiers ? estDossier : it->is_regular_file(ec2)) noms.push_back(it->path().filename().string());
    }
    std::sort(noms.begin(), noms.end());
    return noms;
}

std::string VersChemin(std::string s) {
    std::replace(s.begin(), s.end(), '\\', '/');
    return s;
}

}  // namespace

ClsAffPerso::ClsAffPerso(DossierJeu& dossier) : dossier_(&dossier) {
    const fs::path racine = dossier.Chemin(CheminPerso());
    for (const auto& d : Lister(racine, true)) {
        if (d.find('.') != std::string::npos) continue;
        DossiersPerso.push_back(d);
    }
    const std::size_t premiers = DossiersPerso.size();
    for (std::size_t i = 0; i < premiers; ++i)
        for (const auto& s : Lister(racine / DossiersPerso[i], true))
            if (s.find('.') == std::string::npos) DossiersPerso.push_back(DossiersPerso[i] + "\\" + s);
}

std::vector<std::string> ClsAffPerso::Fichiers(const std::string& dossier) const {
    // The folder comes from the races file: it never leads out of the game folder.
    const auto chemin = CheminDansDossier(dossier_->Racine(), CheminPerso() + dossier);
    if (!chemin) return {};
    return Lister(*chemin, false);
}

void ClsAffPerso::Charger(Graphique& dd, const ClsJeuParam& Parametres) {
    Sprites.clear();
    NomsApparences.clear();
    for (const auto& d : DossiersPerso)
        for (const auto& f : Fichiers(d)) {
            ClsAffSprite s;
            s.Charger(dd, "Persos\\" + d + "\\" + f.substr(0, f.find('.')));
            Sprites.push_back(std::move(s));
            NomsApparences.push_back(f);
        }
    NombreApparences = static_cast<std::int16_t>(std::min<std::size_t>(Sprites.size(), 32767));
    ClsAffSprite commun;
    commun.Charger(dd, "Persos\\" + Parametres.Peuples_Nom(0));
    Sprites.push_back(std::move(commun));
    NomsApparences.push_back(Parametres.Peuples_Nom(0));
}

std::int16_t ClsAffPerso::Charger_Hero(const std::string& FichierHero) const {
    if (FichierHero.empty()) return 0;
    for (std::size_t k = 0; k < static_cast<std::size_t>(NombreApparences); ++k)
        if (NomsApparences[k] == FichierHero) return static_cast<std::int16_t>(k);
    return 0;
}

std::string ClsAffPerso::Tirer_Apparence_Au_Hasard(const std::string& DossierPerso, ModRandom& aleatoire) const {
    const auto fichiers = Fichiers(VersChemin(DossierPerso));
    if (fichiers.empty()) return "";
    auto k = static_cast<std::size_t>(aleatoire.Nombre_Aleatoire() * static_cast<float>(fichiers.size()));
    return fichiers[std::min(k, fichiers.size() - 1)];
}

void ClsAffPerso::Afficher(std::int32_t X, std::int32_t Y, std::int16_t& Direction, std::int16_t Etape, bool,
                           std::int16_t Apparence, std::int16_t Largeur, std::int16_t Hauteur, bool Variante,
                           Surface& SurfBack, const Vue& vue, bool Hero, bool Translucide, std::int16_t AjustementX,
                           std::int16_t AjustementY) {
    if (Sprites.empty() || Apparence < 0) return;
    ClsAffSprite* feuille;
    std::int32_t b;
    if (Hero) {
        if (Apparence >= NombreApparences) return;
        feuille = &Sprites[static_cast<std::size_t>(Apparence)];
        b = 0;
    } else {
        feuille = &Sprites.back();
        b = 3 * (2 * Apparence + (Variante ? 1 : 0));
    }
    std::int32_t colonne, ligne;
    if (Etape < 1) {
        colonne = b + 1;
        ligne = 2;
    } else {
        ligne = Etape - 1;
        colonne = b + (Direction == 3 ? 1 : Direction);
    }
    feuille->AfficherCellule(colonne, ligne, Largeur, Hauteur, X, Y, SurfBack, vue, Translucide, AjustementX, AjustementY);
}
