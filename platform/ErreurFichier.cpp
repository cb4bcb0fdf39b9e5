#include "platform/ErreurFichier.h"

#include <system_error>

#include "platform/Texte.h"

namespace {
std::string Composer(const std::string& fichier, const std::vector<std::string>& details) {
    std::string message = "Le fichier " + fichier + " est invalide.";
    for (const auto& d : details) message += "\n" + d;
    return message;
}

// A list already cut by ErreursFichier ends with its count line; a longer
// one given directly is cut here.
std::vector<std::string> Borner(std::vector<std::string> details) {
    const std::size_t limite = ErreurFichier::MaxDetails + 1;
    if (details.size() > limite) {
        const std::size_t autres = details.size() - ErreurFichier::MaxDetails;
        details.resize(ErreurFichier::MaxDetails);
        details.push_back(ErreurFichier::Suite(autres));
    }
    return details;
}
}  // namespace

ErreurFichier::ErreurFichier(std::string fichier, std::vector<std::string> details)
    : ErreurFichier(std::move(fichier), Borner(std::move(details)), 0) {}

ErreurFichier::ErreurFichier(std::string fichier, std::vector<std::string> details, int)
    : std::runtime_error(Composer(fichier, details)), fichier_(std::move(fichier)), details_(std::move(details)) {}

std::string ErreurFichier::Suite(std::size_t autres) {
    return "... et " + std::to_string(autres) + (autres > 1 ? " autres erreurs." : " autre erreur.");
}

std::optional<std::string> LireFichierBorne(const std::filesystem::path& chemin, std::uintmax_t maximum,
                                            const std::string& nom) {
    std::error_code ec;
    const std::uintmax_t taille = std::filesystem::file_size(chemin, ec);
    if (!ec && taille > maximum)
        throw ErreurFichier(nom, "Le fichier est trop volumineux (" + std::to_string(taille) +
                                     " octets ; au plus " + std::to_string(maximum) + ").");
    auto texte = LireFichier(chemin);
    // A file that grew between the two looks is held to the same bound.
    if (texte && texte->size() > maximum)
        throw ErreurFichier(nom, "Le fichier est trop volumineux (" + std::to_string(texte->size()) +
                                     " octets ; au plus " + std::to_string(maximum) + ").");
    return texte;
}
