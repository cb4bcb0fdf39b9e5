#include "platform/Graphique.h"

#include <cctype>
#include <system_error>

#include "platform/CheminConfine.h"
#include "platform/DossierJeu.h"

std::filesystem::path Graphique::Chemin(std::string_view relatif) const { return dossier_->Chemin(relatif); }

bool Graphique::Existe(std::string_view relatif) const {
    std::error_code ec;
    auto confine = CheminDansDossier(dossier_->Racine(), relatif);
    if (!confine) return false;
    const auto& chemin = *confine;
    return std::filesystem::is_regular_file(chemin, ec) && std::filesystem::file_size(chemin, ec) > 0 && !ec;
}

std::optional<Surface> Graphique::Essayer(std::string_view relatif) const {
    decodeur_->Raison.clear();
    if (!CheminDansDossier(dossier_->Racine(), relatif)) {
        decodeur_->Raison = "le chemin sort du dossier du jeu.";
        return std::nullopt;
    }
    if (!Existe(relatif)) return std::nullopt;
    auto image = decodeur_->Decoder(Chemin(relatif));
    if (image && image->Vide()) {
        if (decodeur_->Raison.empty()) decodeur_->Raison = "l'image est vide.";
        return std::nullopt;
    }
    return image;
}

Surface Graphique::Charger(std::string_view relatif) const {
    if (auto image = Essayer(relatif)) return std::move(*image);
    auto chemin = Chemin(relatif);
    std::error_code ec;
    std::string raison = decodeur_->Raison;
    if (!CheminDansDossier(dossier_->Racine(), relatif)) raison = "le chemin sort du dossier du jeu.";
    else if (!std::filesystem::is_regular_file(chemin, ec)) raison = "le fichier est introuvable.";
    else if (std::filesystem::file_size(chemin, ec) == 0) raison = "le fichier est vide.";
    else if (raison.empty()) raison = "ce n'est pas une image BMP lisible.";
    raison.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(raison.front())));
    throw ErreurImage("Le fichier image :\n" + chemin.string() + "\nne peux être chargé.\n" + raison, chemin);
}
