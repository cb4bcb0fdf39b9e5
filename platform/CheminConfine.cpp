#include "platform/CheminConfine.h"

#include <system_error>

#include "platform/Chemins.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"

namespace fs = std::filesystem;

namespace {

std::string Cite(std::string_view texte) {
    std::string c(PremiersCaracteres(texte, 80));
    if (c.size() < texte.size()) c += "…";
    return "« " + c + " »";
}

// Whether `chemin` (made absolute) lies below `racine`, links followed as
// far as they exist.
bool Dessous(const fs::path& racine, const fs::path& chemin) {
    std::error_code ec;
    const fs::path base = fs::weakly_canonical(racine, ec);
    if (ec) return false;
    const fs::path cible = fs::weakly_canonical(chemin, ec);
    if (ec) return false;
    auto b = base.begin(), c = cible.begin();
    for (; b != base.end(); ++b, ++c) {
        if (b->empty()) continue;  // a trailing separator
        if (c == cible.end() || *b != *c) return false;
    }
    return true;
}

}  // namespace

std::optional<std::string> DefautChemin(std::string_view relatif) {
    if (!relatif.empty() && relatif.front() == '/')
        return "le chemin " + Cite(relatif) + " est absolu : il doit partir du dossier du jeu.";
    if (relatif.size() >= 2 && relatif[1] == ':')
        return "le chemin " + Cite(relatif) + " désigne un lecteur : il doit partir du dossier du jeu.";
    std::size_t debut = 0;
    for (std::size_t i = 0; i <= relatif.size(); ++i) {
        if (i < relatif.size()) {
            const auto c = static_cast<unsigned char>(relatif[i]);
            if (c < 0x20 || c == 0x7F) return "le chemin " + Cite(relatif) + " contient un caractère de contrôle.";
            if (c != '\\' && c != '/') continue;
        }
        const std::string_view composant = Rogner(relatif.substr(debut, i - debut));
        if (composant == "..") return "le chemin " + Cite(relatif) + " sort du dossier du jeu (« .. »).";
        debut = i + 1;
    }
    return std::nullopt;
}

std::optional<fs::path> CheminDansDossier(const fs::path& racine, std::string_view relatif) {
    if (DefautChemin(relatif)) return std::nullopt;
    fs::path chemin = CheminJeu(racine, relatif);
    if (!Dessous(racine, chemin)) return std::nullopt;
    return chemin;
}

std::optional<std::string> FauteChemin(std::string_view relatif, std::string_view lieu) {
    if (auto defaut = DefautChemin(relatif)) return std::string(lieu) + " : " + *defaut;
    return std::nullopt;
}

fs::path CheminConfine(const fs::path& racine, std::string_view relatif, const std::string& fichier,
                       std::string_view lieu) {
    if (auto faute = FauteChemin(relatif, lieu)) throw ErreurFichier(fichier, *faute);
    auto chemin = CheminDansDossier(racine, relatif);
    if (!chemin)
        throw ErreurFichier(fichier, std::string(lieu) + " : le chemin " + Cite(relatif) +
                                         " mène hors du dossier du jeu par un lien.");
    return *chemin;
}
