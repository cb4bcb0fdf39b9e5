#include "saves/ModSAVMonde.h"

#include <algorithm>
#include <system_error>

#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"

namespace fs = std::filesystem;

ModSAVMonde::ModSAVMonde(DossierJeu& Dossier) : dossier_(Dossier) {}

void ModSAVMonde::Charger_Parametres_SavMonde() {
    ClsFicINI ini(dossier_);
    ini.NomFichier = "Ini_SavMonde";
    ini.Section = "SavMonde";
    auto lire = [&](const char* cle, std::string& champ) {
        const std::string v = ini.Parametre(cle);
        if (!v.empty()) champ = v;
    };
    SavMondeEnQuittant = VersBooleen(ini.Parametre("SavMondeEnQuittant"));
    lire("SavMondeEnQuittantNom", SavMondeEnQuittantNom);
    lire("FichierVierge", FichierVierge);
    lire("CheminSavMonde", CheminSavMonde);
    lire("ExtensionFichiersMonde", ExtensionFichiersMonde);
    lire("ExtensionFichiersAperçu", ExtensionFichiersApercu);
    lire("ExtensionFichiersTexte", ExtensionFichiersTexte);
}

fs::path ModSAVMonde::Dossier_Mondes(bool EstScenario) const {
    return dossier_.Chemin(EstScenario ? std::string(CheminScenarios) : "\\" + CheminSavMonde);
}

std::vector<std::string> ModSAVMonde::Liste_Fichiers(bool EstScenario) const {
    const std::string extension = EstScenario ? std::string(".snr") : ExtensionFichiersMonde;
    std::vector<std::string> fichiers;
    std::error_code ec;
    fs::directory_iterator it(Dossier_Mondes(EstScenario), ec);
    if (ec) return fichiers;
    for (const fs::directory_entry& e : it) {
        if (!e.is_regular_file(ec)) continue;
        const std::string nom = e.path().filename().string();
        if (nom.size() > extension.size() && nom.front() != '.' &&
            EgalSansCasse(std::string_view(nom).substr(nom.size() - extension.size()), extension))
            fichiers.push_back(nom);
    }
    std::sort(fichiers.begin(), fichiers.end(), [](const std::string& a, const std::string& b) {
        const std::string ma = MinusculesAscii(a), mb = MinusculesAscii(b);
        return ma != mb ? ma < mb : a < b;
    });
    return fichiers;
}

std::vector<std::string> ModSAVMonde::Extensions() const {
    return {ExtensionFichiersMonde, ".snr", ExtensionFichiersTexte, ExtensionFichiersApercu};
}

fs::path ModSAVMonde::Chemin_Resume(const std::string& Nom, bool EstScenario) const {
    return Dossier_Mondes(EstScenario) / (Nom + ExtensionFichiersTexte);
}

bool ModSAVMonde::Renommer_Monde(const std::string& Nom, const std::string& NouveauNom, bool EstScenario,
                                 std::string& Raison) const {
    if (!NomFichierSur(Nom) || !NomFichierSur(NouveauNom) || NouveauNom.find('.') != std::string::npos) {
        Raison = "Le nom « " + NouveauNom + " » ne peut pas être un nom de monde.";
        return false;
    }
    // Copying a world onto itself and then deleting the "old" files would
    // lose it; so would copying onto another world's files.
    if (MinusculesAscii(Nom) == MinusculesAscii(NouveauNom)) {
        Raison = "Le monde s'appelle déjà « " + NouveauNom + " ».";
        return false;
    }
    const fs::path dossier = Dossier_Mondes(EstScenario);
    std::error_code ec;
    for (const std::string& ext : Extensions()) {
        if (fs::exists(CheminJeu(dossier, NouveauNom + ext), ec)) {
            Raison = "Un monde nommé « " + NouveauNom + " » existe déjà.";
            return false;
        }
    }
    std::vector<fs::path> copies;
    for (const std::string& ext : Extensions()) {
        const fs::path source = CheminJeu(dossier, Nom + ext);
        if (!fs::is_regular_file(source, ec)) continue;
        const fs::path cible = dossier / (NouveauNom + ext);
        if (!fs::copy_file(source, cible, ec) || ec) {
            // Undo what was copied: the world stays whole under its old name.
            for (const fs::path& p : copies) fs::remove(p, ec);
            Raison = "Le fichier " + cible.string() + " n'a pas pu être écrit.";
            return false;
        }
        copies.push_back(cible);
    }
    Supprimer_Monde(Nom, EstScenario);
    return true;
}

void ModSAVMonde::Supprimer_Monde(const std::string& Nom, bool EstScenario) const {
    if (!NomFichierSur(Nom)) return;
    const fs::path dossier = Dossier_Mondes(EstScenario);
    std::error_code ec;
    for (const std::string& ext : {std::string(".snr"), ExtensionFichiersMonde, ExtensionFichiersTexte, ExtensionFichiersApercu})
        fs::remove(CheminJeu(dossier, Nom + ext), ec);
}
