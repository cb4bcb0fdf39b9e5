#include "platform/ErreurFichier.h"

namespace {
std::string Composer(const std::string& fichier, const std::vector<std::string>& details) {
    std::string message = "Le fichier " + fichier + " est invalide.";
    for (const auto& d : details) message += "\n" + d;
    return message;
}
}  // namespace

ErreurFichier::ErreurFichier(std::string fichier, std::vector<std::string> details)
    : std::runtime_error(Composer(fichier, details)), fichier_(std::move(fichier)), details_(std::move(details)) {}
