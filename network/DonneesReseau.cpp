#include "network/DonneesReseau.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace DonneesReseau {

namespace {

// The world's data files in the folder's root; the others there hold one
// player's own settings (screen, keys, sound, network, setup choices, the
// lines characters say) and may differ between players.
bool DonneeDuMonde(const std::string& nom) {
    static const char* const fixes[] = {"Ini_Combat.ini", "Ini_Terrain.ini", "Ini_NomsF.ini", "Ini_NomsM.ini"};
    if (nom.rfind("Ini_Parametres_", 0) == 0 && nom.size() > 4 && nom.ends_with(".ini")) return true;
    return std::find(std::begin(fixes), std::end(fixes), nom) != std::end(fixes);
}

std::uint64_t Fnv1a(std::istream& in) {
    std::uint64_t h = 1469598103934665603ULL;
    char tampon[65536];
    while (in) {
        in.read(tampon, sizeof tampon);
        for (std::streamsize i = 0; i < in.gcount(); ++i) {
            h ^= static_cast<unsigned char>(tampon[i]);
            h *= 1099511628211ULL;
        }
    }
    return h;
}

void Ajouter(std::vector<Empreinte>& r, const fs::path& racine, const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    // A file that cannot be read counts as a different one.
    const std::uint64_t v = in ? Fnv1a(in) : 0;
    r.push_back({fs::relative(f, racine).generic_string(), v});
}

}  // namespace

std::vector<Empreinte> Empreintes(const fs::path& Racine) {
    std::vector<Empreinte> r;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(Racine, ec))
        if (e.is_regular_file(ec) && DonneeDuMonde(e.path().filename().string())) Ajouter(r, Racine, e.path());
    // Every AI script, the monsters' included.
    for (auto it = fs::recursive_directory_iterator(Racine / "IAs", ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec))
        if (it->is_regular_file(ec)) Ajouter(r, Racine, it->path());
    // The look files by name only: a summoned creature draws its look from
    // their list, whatever the pictures hold.
    for (auto it = fs::recursive_directory_iterator(Racine / "Images" / "Persos", ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
        if (it->is_regular_file(ec)) r.push_back({fs::relative(it->path(), Racine).generic_string(), 0});
    std::sort(r.begin(), r.end(), [](const Empreinte& a, const Empreinte& b) { return a.Fichier < b.Fichier; });
    return r;
}

std::string Ecrire(const std::vector<Empreinte>& e) {
    std::string t;
    char hex[17];
    for (const Empreinte& x : e) {
        std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(x.Valeur));
        t += x.Fichier + "\t" + hex + "\n";
    }
    return t;
}

std::optional<std::vector<Empreinte>> Lire(const std::string& Texte) {
    std::vector<Empreinte> r;
    std::istringstream in(Texte);
    std::string ligne;
    while (std::getline(in, ligne)) {
        const auto tab = ligne.find('\t');
        if (tab == std::string::npos || tab == 0 || ligne.size() != tab + 17) return std::nullopt;
        std::uint64_t v = 0;
        for (std::size_t i = tab + 1; i < ligne.size(); ++i) {
            const char c = ligne[i];
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (d < 0) return std::nullopt;
            v = v * 16 + static_cast<std::uint64_t>(d);
        }
        r.push_back({ligne.substr(0, tab), v});
    }
    return r;
}

std::string Comparer(const std::vector<Empreinte>& Hote, const std::vector<Empreinte>& Joueur) {
    auto message = [](const std::string& f, const std::string& pourquoi) {
        return "Le fichier « " + f + " » " + pourquoi +
               " : les deux mondes ne seraient pas les mêmes, la partie ne peut pas commencer.";
    };
    // Both lists are sorted: walk them together.
    std::size_t i = 0, j = 0;
    while (i < Hote.size() || j < Joueur.size()) {
        if (j == Joueur.size() || (i < Hote.size() && Hote[i].Fichier < Joueur[j].Fichier))
            return message(Hote[i].Fichier, "n'existe que chez l'hôte");
        if (i == Hote.size() || Joueur[j].Fichier < Hote[i].Fichier)
            return message(Joueur[j].Fichier, "n'existe pas chez l'hôte");
        if (Hote[i].Valeur != Joueur[j].Valeur) return message(Hote[i].Fichier, "diffère de celui de l'hôte");
        ++i, ++j;
    }
    return "";
}

}  // namespace DonneesReseau
