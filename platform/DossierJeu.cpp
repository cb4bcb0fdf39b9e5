#include "platform/DossierJeu.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <system_error>
#include <unordered_map>

#include <sys/stat.h>

#include "platform/Chemins.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"

namespace fs = std::filesystem;

// One INI file as lines, with an index of its sections and keys. The index
// keeps the first section and the first key of each name, as the Windows
// profile functions did. The file's stamp tells when someone else changed it
// on disk.
struct DossierJeu::FichierINI {
    // What stat says of the file. Size and modification time alone miss a
    // rewrite of the same length whose time was put back, or that fell in
    // the same tick of a file system with coarse times; a rewrite through
    // rename changes the inode, and any write changes the change time,
    // which no one can set back.
    struct Empreinte {
        bool existe = false;
        std::uint64_t peripherique = 0, inode = 0;
        std::uintmax_t taille = 0;
        std::int64_t modification = 0, changement = 0;  // nanoseconds
        bool operator==(const Empreinte&) const = default;
    };

    static Empreinte Mesurer(const fs::path& chemin) {
        struct stat st {};
        Empreinte e;
        if (::stat(chemin.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return e;
        e.existe = true;
        e.peripherique = static_cast<std::uint64_t>(st.st_dev);
        e.inode = static_cast<std::uint64_t>(st.st_ino);
        e.taille = static_cast<std::uintmax_t>(st.st_size);
        e.modification = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        e.changement = static_cast<std::int64_t>(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
        return e;
    }

    // Times advance by ticks: a clock tick (a few milliseconds) on most
    // file systems, one or two seconds on those that keep whole seconds. A
    // write in the same tick as our read leaves the stamp as it was, so
    // while the stamp is within a tick of our last read, the text itself is
    // compared. Whole-second stamps are told by their zero nanoseconds.
    std::int64_t GrainTemps() const {
        constexpr std::int64_t seconde = 1'000'000'000;
        bool grossier = empreinte.modification % seconde == 0 && empreinte.changement % seconde == 0;
        return grossier ? 2 * seconde : seconde / 50;
    }

    static std::int64_t Maintenant() {
        struct timespec ts {};
        ::clock_gettime(CLOCK_REALTIME, &ts);
        return static_cast<std::int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
    }

    static constexpr std::size_t RelectureLibre = 16 * 1024;

    fs::path chemin;
    Empreinte empreinte;
    bool connu = false;        // false until the first read, or after a failed write
    std::int64_t lecture = 0;  // clock time of the last read of the text
    std::string texte;         // as read, to compare while the stamp is unsure
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

    bool EmpreinteIncertaine() const {
        return empreinte.existe &&
               std::max(empreinte.modification, empreinte.changement) + GrainTemps() >= lecture;
    }

    // Reloads from disk when the file changed behind our back. One stat
    // per access: cheap, and no file is opened unless it changed or its
    // stamp is too recent to be trusted.
    void Actualiser() {
        Empreinte e = Mesurer(chemin);
        if (connu && e == empreinte && !EmpreinteIncertaine()) return;
        // While the stamp is unsure every access reads the text again: a
        // cost of the file's size per key. Past the size of any settings
        // file of the game, the text is read again at most once a
        // millisecond, so that a large file just written costs a bounded
        // time to read key by key, not its size times its keys.
        if (connu && e == empreinte && texte.size() > RelectureLibre && Maintenant() - lecture < 1'000'000) return;
        if (e.existe && e.taille > TailleFichierMax::Ini)
            throw ErreurFichier(chemin.filename().string(), "Le fichier est trop volumineux (" +
                                                                std::to_string(e.taille) + " octets ; au plus " +
                                                                std::to_string(TailleFichierMax::Ini) + ").");
        std::int64_t instant = Maintenant();
        std::string nouveau;
        if (e.existe) {
            std::optional<std::string> lu = LireFichier(chemin);
            // A file that grew past the bound since stat is read as empty.
            if (lu && lu->size() <= TailleFichierMax::Ini) nouveau = std::move(*lu);
        }
        bool memeTexte = connu && e.existe == empreinte.existe && nouveau == texte;
        empreinte = e;
        lecture = instant;
        connu = true;
        if (memeTexte) return;
        texte = std::move(nouveau);
        crlf = texte.find("\r\n") != std::string::npos;
        lignes = e.existe ? DecouperLignes(texte) : std::vector<std::string>{};
        Indexer();
    }

    bool Enregistrer() {
        std::string contenu;
        const char* fin = crlf ? "\r\n" : "\n";
        for (const auto& l : lignes) {
            contenu += l;
            contenu += fin;
        }
        // The reader drops one leading byte-order mark: a text that itself
        // starts with one gets one more, or its first line would change
        // meaning on the next read (a line behind a mark is no header).
        const std::string_view marque = "\xEF\xBB\xBF";
        const std::string ecrit = contenu.starts_with(marque) ? std::string(marque) + contenu : contenu;
        if (!EcrireFichierAtomique(chemin, ecrit)) return false;
        // Our own write needs no reload; the clock is read before the stamp
        // so that a write by someone else in the same tick stays unsure.
        lecture = Maintenant();
        empreinte = Mesurer(chemin);
        texte = std::move(contenu);
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
        f.connu = false;
        f.Actualiser();
        return false;
    }
    return true;
}

std::vector<std::string> DossierJeu::Sections(std::string_view fichier) {
    return Charger(fichier).ordreSections;
}

std::vector<std::string> DossierJeu::Cles(std::string_view fichier, std::string_view section) {
    FichierINI& f = Charger(fichier);
    std::vector<std::string> cles;
    auto s = f.sections.find(MinusculesAscii(Rogner(section)));
    if (s == f.sections.end()) return cles;
    cles.reserve(s->second.cles.size());
    for (const auto& [cle, ligne] : s->second.cles) cles.push_back(cle);
    return cles;
}

// The number k of a name written prefixe + k + suffixe (letter case
// ignored), or 0 when the name is not of that form.
static std::int64_t Numero(std::string_view nom, std::string_view prefixe, std::string_view suffixe) {
    if (nom.size() <= prefixe.size() + suffixe.size()) return 0;
    if (!EgalSansCasse(nom.substr(0, prefixe.size()), prefixe)) return 0;
    if (!EgalSansCasse(nom.substr(nom.size() - suffixe.size()), suffixe)) return 0;
    // Written as the loaders write it: no blank, no leading zero.
    std::string_view chiffres = nom.substr(prefixe.size(), nom.size() - prefixe.size() - suffixe.size());
    if (chiffres.empty() || chiffres.size() > 6 || chiffres.front() == '0') return 0;
    std::int64_t k = 0;
    for (char c : chiffres) {
        if (c < '0' || c > '9') return 0;
        k = k * 10 + (c - '0');
    }
    return k;
}

// How many of 1..nombre are numbers of the names, counted from 1 without a
// gap: the first missing one minus 1.
std::int32_t NumerosPresents(const std::vector<std::string>& noms, std::int32_t nombre, std::string_view prefixe,
                             std::string_view suffixe) {
    std::vector<bool> vu(static_cast<std::size_t>(std::max(nombre, 0)) + 1, false);
    for (const std::string& nom : noms) {
        std::int64_t k = Numero(nom, prefixe, suffixe);
        if (k >= 1 && k <= nombre) vu[static_cast<std::size_t>(k)] = true;
    }
    std::int32_t n = 0;
    while (n < nombre && vu[static_cast<std::size_t>(n) + 1]) ++n;
    return n;
}
