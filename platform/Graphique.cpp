#include "platform/Graphique.h"

#include <system_error>

#include "platform/DossierJeu.h"

std::filesystem::path Graphique::Chemin(std::string_view relatif) const { return dossier_->Chemin(relatif); }

bool Graphique::Existe(std::string_view relatif) const {
    std::error_code ec;
    auto chemin = Chemin(relatif);
    return std::filesystem::is_regular_file(chemin, ec) && std::filesystem::file_size(chemin, ec) > 0 && !ec;
}

std::optional<Surface> Graphique::Essayer(std::string_view relatif) const {
    if (!Existe(relatif)) return std::nullopt;
    auto image = decodeur_->Decoder(Chemin(relatif));
    if (image && image->Vide()) return std::nullopt;
    return image;
}

Surface Graphique::Charger(std::string_view relatif) const {
    if (auto image = Essayer(relatif)) return std::move(*image);
    auto chemin = Chemin(relatif);
    throw ErreurImage("Le fichier image :\n" + chemin.string() + "\nne peux être chargé.", chemin);
}
