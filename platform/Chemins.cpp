#include "platform/Chemins.h"

#include <system_error>

#include "platform/Texte.h"

namespace fs = std::filesystem;

fs::path CheminJeu(const fs::path& base, std::string_view relatif) {
    fs::path resultat = base;
    std::string composant;
    auto ajouter = [&]() {
        if (composant.empty() || composant == ".") { composant.clear(); return; }
        fs::path exact = resultat / composant;
        std::error_code ec;
        if (!fs::exists(exact, ec) && fs::is_directory(resultat, ec)) {
            const std::string cherche = MinusculesAscii(composant);
            for (const auto& entree : fs::directory_iterator(resultat, ec)) {
                if (MinusculesAscii(entree.path().filename().string()) == cherche) {
                    exact = entree.path();
                    break;
                }
            }
        }
        resultat = exact;
        composant.clear();
    };
    for (char c : relatif) {
        if (c == '\\' || c == '/') ajouter();
        else composant += c;
    }
    ajouter();
    return resultat;
}

bool NomFichierSur(std::string_view nom) {
    if (nom.empty() || LongueurCaracteres(nom) > 64) return false;
    if (nom == "." || nom == ".." || nom.find("..") != std::string_view::npos) return false;
    for (unsigned char c : nom) {
        if (c < 0x20 || c == 0x7F) return false;
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            return false;
    }
    if (nom.front() == ' ' || nom.back() == ' ' || nom.back() == '.') return false;
    return true;
}
