#include "platform/DossierJeu.h"

#include <cstdlib>
#include <system_error>
#include <unordered_map>

#include <sys/stat.h>

#include "platform/Chemins.h"
#include "platform/Texte.h"

namespace fs = std::filesystem;

// One INI file as lines, with an index of its sections and keys. The index
// keeps the first section and the first key of each name, as the Windows
// profile functions did. The file's size and time tell when someone else
// changed it on disk.
struct DossierJeu::FichierINI {
    fs::path chemin;
    bool existe = false;
    std::uintmax_t taille = 0;
    std::int64_t date = 0;
    bool crlf = false;
    std::vector<std::string> lignes;

    struct Section {
        std::size_t entete = 0;  // line of "[name]"
        std::unordered_map<std::string, std::size_t> cles;  // folded key -> line
    };
    std::unordered_map<std::string, Section> sections;
    std::vector<std::string> ordreSections;

    static bool EstEntete(std::string_view ligne, std::string& nom) {
        std::string_view t = Rogner(ligne);
        if (t.empty() || t.front() != '[') return false;
        std::size_t fin = t.find(']');
        nom = std::string(Rogner(t.substr(1, fin == std::string_view::npos ? t.size() - 1 : fin - 1)));
        return true;
    }

    void Indexer() {
        sections.clear();
        ordreSections.clear();
        Section* courante = nullptr;
        std::string nom;
        for (std::size_t i = 0; i < lignes.size(); ++i) {
            const std::string& ligne = lignes[i];
            if (EstEntete(ligne, nom)) {
                ordreSections.push_back(nom);
                auto [it, nouvelle] = sections.try_emplace(MinusculesAscii(nom));
                if (nouvelle) it->second.entete = i;
                courante = nouvelle ? &it->second : nullptr;  // a repeated section is never read
                continue;
            }
            if (!courante) continue;
            std::string_view t = Rogner(ligne);
            if (t.empty() || t.front() == ';') continue;
            std::size_t egal = t.find('=');
            if (egal == std::string_view::npos) continue;
            courante->cles.try_emplace(MinusculesAscii(Rogner(t.substr(0, egal))), i);
        }
    }

    // Reloads from disk when the file changed behind our back. One stat
    // per access: cheap, and no file is opened unless it changed.
    void Actualiser() {
        struct stat st {};
        bool present = ::stat(chemin.c_str(), &st) == 0 && S_ISREG(st.st_mode);
        std::uintmax_t t = present ? static_cast<std::uintmax_t>(st.st_size) : 0;
        std::int64_t d = present ? static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec : 0;
        if (present == existe && t == taille && d == date) return;
        existe = present;
        taille = t;
        date = d;
        lignes.clear();
        crlf = false;
        if (present) {
            if (auto texte = LireFichier(chemin)) {
                crlf = texte->find("\r\n") != std::string::npos;
                lignes = DecouperLignes(*texte);
            }
        }
        Indexer();
    }

    bool Enregistrer() {
        std::string contenu;
        const char* fin = crlf ? "\r\n" : "\n";
        for (const auto& l : lignes) {
            contenu += l;
            contenu += fin;
        }
        if (!EcrireFichierAtomique(chemin, contenu)) return false;
        // Our own write needs no reload.
        struct stat st {};
        if (::stat(chemin.c_str(), &st) == 0) {
            existe = true;
            taille = static_cast<std::uintmax_t>(st.st_size);
            date = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        }
        return true;
    }
};

DossierJeu::DossierJeu(fs::path racine) : racine_(std::move(racine)) {}
DossierJeu::~DossierJeu() = default;
DossierJeu::DossierJeu(DossierJeu&&) noexcept = default;
DossierJeu& DossierJeu::operator=(DossierJeu&&) noexcept = default;

fs::path DossierJeu::Trouver() {
    if (const char* env = std::getenv("MORVAINE_DIR"); env && *env) return fs::path(env);
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) return fs::current_path(ec) / "jeu";
    return exe.parent_path() / "jeu";
}

fs::path DossierJeu::Chemin(std::string_view relatif) const { return CheminJeu(racine_, relatif); }

DossierJeu::FichierINI& DossierJeu::Charger(std::string_view fichier) {
    // Keyed by the name as asked; the case-insensitive lookup of the path
    // is done once.
    auto [it, nouveau] = fichiers_.try_emplace(std::string(fichier));
    if (nouveau) {
        it->second = std::make_unique<FichierINI>();
        it->second->chemin = Chemin(fichier);
        it->second->existe = false;
        it->second->taille = static_cast<std::uintmax_t>(-1);
    }
    it->second->Actualiser();
    return *it->second;
}

std::string DossierJeu::LireCle(std::string_view fichier, std::string_view section, std::string_view cle) {
    FichierINI& f = Charger(fichier);
    auto s = f.sections.find(MinusculesAscii(Rogner(section)));
    if (s == f.sections.end()) return {};
    auto k = s->second.cles.find(MinusculesAscii(Rogner(cle)));
    if (k == s->second.cles.end()) return {};
    std::string_view ligne = f.lignes[k->second];
    std::string_view valeur = Rogner(Rogner(ligne).substr(Rogner(ligne).find('=') + 1));
    if (valeur.size() >= 2 && (valeur.front() == '"' || valeur.front() == '\'') && valeur.back() == valeur.front())
        valeur = valeur.substr(1, valeur.size() - 2);
    return std::string(valeur);
}

bool DossierJeu::EcrireCle(std::string_view fichier, std::string_view section, std::string_view cle,
                           std::string_view valeur) {
    FichierINI& f = Charger(fichier);
    std::string nouvelleLigne = std::string(Rogner(cle)) + "=" + std::string(valeur);
    auto s = f.sections.find(MinusculesAscii(Rogner(section)));
    if (s == f.sections.end()) {
        if (!f.lignes.empty() && !Rogner(f.lignes.back()).empty()) f.lignes.emplace_back();
        f.lignes.push_back("[" + std::string(Rogner(section)) + "]");
        f.lignes.push_back(nouvelleLigne);
    } else if (auto k = s->second.cles.find(MinusculesAscii(Rogner(cle))); k != s->second.cles.end()) {
        // Keep the key's own spelling, as written in the file.
        std::string_view ancienne = Rogner(f.lignes[k->second]);
        f.lignes[k->second] = std::string(Rogner(ancienne.substr(0, ancienne.find('=')))) + "=" + std::string(valeur);
    } else {
        // After the section's last non-blank line.
        std::size_t position = s->second.entete + 1;
        std::string nom;
        for (std::size_t i = s->second.entete + 1; i < f.lignes.size(); ++i) {
            if (FichierINI::EstEntete(f.lignes[i], nom)) break;
            if (!Rogner(f.lignes[i]).empty()) position = i + 1;
        }
        f.lignes.insert(f.lignes.begin() + static_cast<std::ptrdiff_t>(position), nouvelleLigne);
    }
    f.Indexer();
    if (!f.Enregistrer()) {
        // Nothing reached the disk: forget the change so that reads keep
        // telling the truth.
        f.taille = static_cast<std::uintmax_t>(-1);
        f.Actualiser();
        return false;
    }
    return true;
}

std::vector<std::string> DossierJeu::Sections(std::string_view fichier) {
    return Charger(fichier).ordreSections;
}
