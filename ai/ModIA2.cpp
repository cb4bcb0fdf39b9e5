#include "ai/ModIA2.h"

#include <algorithm>
#include <fstream>
#include <optional>
#include <sstream>
#include <system_error>

#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "rules/ClsJeuParam.h"

namespace fs = std::filesystem;

namespace {

const char* const DossierIntrouvable = "Les fichiers d'IAs sont introuvables.";
const char* const NomInvalide = "Nom de fichier invalide.";

ResultatCommandeIA Refus(std::string titre, std::string message) {
    return {false, std::move(titre), std::move(message)};
}

struct Entree {
    std::string nom;
    bool dossier = false;
    bool fichier = false;
};

// The entries of a folder in a stable order (letter case ignored first, so
// that the editor lists them as a player expects). Hidden entries (a
// leading ".") are left out: they are the system's or an editor's, never
// scripts.
std::vector<Entree> Lister(const fs::path& dossier, std::error_code& ec) {
    std::vector<Entree> entrees;
    fs::directory_iterator it(dossier, ec);
    if (ec) return entrees;
    for (const fs::directory_entry& e : it) {
        Entree x;
        x.nom = e.path().filename().string();
        if (x.nom.empty() || x.nom.front() == '.') continue;
        std::error_code ec2;
        x.dossier = e.is_directory(ec2);
        x.fichier = e.is_regular_file(ec2);
        entrees.push_back(std::move(x));
    }
    std::sort(entrees.begin(), entrees.end(), [](const Entree& a, const Entree& b) {
        const std::string ma = MinusculesAscii(a.nom), mb = MinusculesAscii(b.nom);
        return ma != mb ? ma < mb : a.nom < b.nom;
    });
    return entrees;
}

// A script name for the file commands: a safe file name that the loader
// will also list (it passes over hidden files).
bool NomScriptSur(std::string_view nom) { return NomFichierSur(nom) && nom.front() != '.'; }

bool Existe(const fs::path& p) {
    std::error_code ec;
    return fs::symlink_status(p, ec).type() != fs::file_type::not_found && !ec;
}

bool EstFichier(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p, ec);
}

bool MemeFichier(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

std::optional<std::string> LireOctets(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream s;
    s << f.rdbuf();
    if (f.bad()) return std::nullopt;
    return std::move(s).str();
}

}  // namespace

ModIA2::ModIA2(DossierJeu& dossier, const ClsJeuParam& Parametres)
    : AIs(1), dossier_(dossier), Parametres(Parametres) {}

fs::path ModIA2::DossierIAs() const { return dossier_.Chemin("\\IAs"); }

fs::path ModIA2::Chemin(std::string_view nom) const { return DossierIAs() / std::string(nom); }

void ModIA2::Charger_IAs() {
    ErreursChargement.clear();
    AIs.assign(1, ClsJeuIA2{});
    const fs::path racine = DossierIAs();
    std::error_code ec;
    const std::vector<Entree> entrees = Lister(racine, ec);
    if (ec) {
        ErreursChargement.emplace_back(DossierIntrouvable);
        return;
    }
    // The sub-folders are named before any script loads. A root entry
    // without "." is one only when it really is a folder: a script file may
    // have no extension.
    std::vector<std::string> sousDossiers;
    for (const Entree& e : entrees)
        if (e.dossier && e.nom.find('.') == std::string::npos) sousDossiers.push_back(e.nom);

    std::int32_t compteur = 0;
    Charger_Dossier_IA(racine, compteur, true);
    for (const std::string& nom : sousDossiers) Charger_Dossier_IA(racine / nom, compteur, false);
}

void ModIA2::Charger_Dossier_IA(const fs::path& Dossier, std::int32_t& Compteur, bool EstJoueur) {
    std::error_code ec;
    const std::vector<Entree> entrees = Lister(Dossier, ec);
    if (ec) {
        ErreursChargement.emplace_back(DossierIntrouvable);
        return;
    }
    for (const Entree& e : entrees) {
        if (!e.fichier) continue;
        const fs::path chemin = Dossier / e.nom;
        std::string affiche = fs::relative(chemin, dossier_.Racine(), ec).generic_string();
        if (ec || affiche.empty()) affiche = chemin.string();
        ClsJeuIA2 ia;
        try {
            ia.Charger_IA(Dossier, e.nom, Parametres, EstJoueur, affiche);
        } catch (const ErreurFichier& erreur) {
            // One bad script is left out; the rest of the game goes on.
            ErreursChargement.emplace_back(erreur.what());
            continue;
        }
        if (Compteur < 0) Compteur = 0;
        if (static_cast<std::size_t>(Compteur) < AIs.size())
            AIs[static_cast<std::size_t>(Compteur)] = std::move(ia);
        else
            AIs.push_back(std::move(ia));
        ++Compteur;
    }
}

ResultatCommandeIA ModIA2::Nouvelle_IA(std::string_view NomFichier) {
    const std::string nom(NomFichier);
    if (!NomScriptSur(nom)) return Refus("Erreur", NomInvalide);
    const bool charge = std::any_of(AIs.begin(), AIs.end(), [&](const ClsJeuIA2& ia) { return ia.NomFichier == nom; });
    // A file on disk that did not load (a bad script) is not overwritten
    // either.
    if (charge || Existe(Chemin(nom))) return Refus("Création impossible", "Le fichier " + nom + " existe déjà");
    std::error_code ec;
    fs::create_directories(DossierIAs(), ec);
    if (!ClsJeuIA2{}.Creer_IA_Vierge(DossierIAs(), nom, Parametres))
        return Refus("Erreur", "Le fichier " + nom + " n'a pas pu être créé.");
    Charger_IAs();
    return {};
}

ResultatCommandeIA ModIA2::Renommer_IA(std::string_view Ancien, std::string_view Nouveau, bool Remplacer) {
    const std::string ancien(Ancien), nouveau(Nouveau);
    if (!NomScriptSur(ancien) || !NomScriptSur(nouveau)) return Refus("Erreur", NomInvalide);
    if (ancien == nouveau) return {};
    const fs::path source = Chemin(ancien), cible = Chemin(nouveau);
    if (!EstFichier(source)) return Refus("Erreur", "Le fichier " + ancien + " est introuvable.");
    if (Existe(cible) && !MemeFichier(source, cible) && (!Remplacer || !EstFichier(cible)))
        return Refus("Renommage impossible", "Le fichier " + nouveau + " existe déjà");
    if (ResultatCommandeIA r = Sauvegarder_IAs(); !r) return r;
    std::error_code ec;
    fs::rename(source, cible, ec);
    if (ec) return Refus("Erreur", "Le fichier " + ancien + " n'a pas pu être renommé en " + nouveau + ".");
    Charger_IAs();
    return {};
}

ResultatCommandeIA ModIA2::Dupliquer_IA(std::string_view Source, std::string_view Cible, bool Remplacer) {
    const std::string source(Source), cible(Cible);
    if (!NomScriptSur(source) || !NomScriptSur(cible)) return Refus("Erreur", NomInvalide);
    if (!EstFichier(Chemin(source))) return Refus("Erreur", "Le fichier " + source + " est introuvable.");
    if (Existe(Chemin(cible)) && (!Remplacer || source == cible || MemeFichier(Chemin(source), Chemin(cible)) ||
                                  !EstFichier(Chemin(cible))))
        return Refus("Duplication impossible", "Le fichier " + cible + " existe déjà");
    if (ResultatCommandeIA r = Sauvegarder_IAs(); !r) return r;
    const auto contenu = LireOctets(Chemin(source));
    if (!contenu || !EcrireFichierAtomique(Chemin(cible), *contenu))
        return Refus("Erreur", "Le fichier " + cible + " n'a pas pu être créé.");
    Charger_IAs();
    return {};
}

ResultatCommandeIA ModIA2::Supprimer_IA(std::string_view NomFichier) {
    const std::string nom(NomFichier);
    if (!NomScriptSur(nom)) return Refus("Erreur", NomInvalide);
    const fs::path chemin = Chemin(nom);
    if (Existe(chemin)) {
        std::error_code ec;
        if (fs::is_directory(fs::symlink_status(chemin, ec)))
            return Refus("Suppression impossible", nom + " est un dossier, pas un fichier d'IA.");
        fs::remove(chemin, ec);
        if (ec) return Refus("Erreur", "Le fichier " + nom + " n'a pas pu être supprimé.");
    }
    Charger_IAs();
    return {};
}

ResultatCommandeIA ModIA2::Sauvegarder_IAs() {
    std::string echecs;
    for (const ClsJeuIA2& ia : AIs) {
        if (!ia.EstJoueur) continue;
        if (!ia.Sauvegarder_IA(DossierIAs(), ia.NomFichier, Parametres)) {
            if (!echecs.empty()) echecs += "\n";
            echecs += "Le fichier " + ia.NomFichier + " n'a pas pu être enregistré.";
        }
    }
    if (!echecs.empty()) return Refus("Erreur", echecs);
    return {};
}

std::int32_t ModIA2::Indice_IA(std::string_view NomFichier) const {
    if (NomFichier.empty()) return -1;
    const std::string cle = MinusculesAscii(NomFichier);
    for (std::size_t i = 0; i < AIs.size(); ++i)
        if (MinusculesAscii(AIs[i].NomFichier) == cle) return static_cast<std::int32_t>(i);
    return -1;
}
