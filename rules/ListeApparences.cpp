#include "rules/ListeApparences.h"

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
std::vector<std::string> Lister_Dossier(const fs::path& chemin, bool dossiers) {
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

std::vector<std::string> Fichiers(const DossierJeu& dossier, std::string relatif) {
    std::replace(relatif.begin(), relatif.end(), '\\', '/');
    // The folder comes from the races file: it never leads out of the game folder.
    const auto chemin = CheminDansDossier(dossier.Racine(), ListeApparences::CheminPerso() + relatif);
    if (!chemin) return {};
    return Lister_Dossier(*chemin, false);
}

}  // namespace

void ListeApparences::Vider() {
    Dossiers.clear();
    Apparences.clear();
    FichiersRaces.clear();
}

void ListeApparences::Lister(const DossierJeu& Dossier, const ClsJeuParam& Parametres) {
    Vider();
    const fs::path racine = Dossier.Chemin(CheminPerso());
    for (const auto& d : Lister_Dossier(racine, true))
        if (d.find('.') == std::string::npos) Dossiers.push_back(d);
    const std::size_t premiers = Dossiers.size();
    for (std::size_t i = 0; i < premiers; ++i)
        for (const auto& s : Lister_Dossier(racine / Dossiers[i], true))
            if (s.find('.') == std::string::npos) Dossiers.push_back(Dossiers[i] + "\\" + s);
    for (const auto& d : Dossiers)
        for (auto& f : Fichiers(Dossier, d)) Apparences.push_back({d, std::move(f)});
    for (std::int32_t r = 0; r < Parametres.NombreRaces; ++r)
        for (const bool feminin : {false, true}) {
            const std::string d = Parametres.Race_CheminApparence(r, feminin);
            if (!FichiersRaces.contains(d)) FichiersRaces.emplace(d, Fichiers(Dossier, d));
        }
}

std::int16_t ListeApparences::Indice(const std::string& Fichier) const {
    if (Fichier.empty()) return 0;
    const std::size_t n = std::min<std::size_t>(Apparences.size(), 32767);
    for (std::size_t k = 0; k < n; ++k)
        if (Apparences[k].Fichier == Fichier) return static_cast<std::int16_t>(k);
    return 0;
}

std::string ListeApparences::Tirer(const std::string& DossierRace, ModRandom& Aleatoire) const {
    const auto it = FichiersRaces.find(DossierRace);
    if (it == FichiersRaces.end() || it->second.empty()) return "";
    const auto& fichiers = it->second;
    auto k = static_cast<std::size_t>(Aleatoire.Nombre_Aleatoire() * static_cast<float>(fichiers.size()));
    return fichiers[std::min(k, fichiers.size() - 1)];
}
