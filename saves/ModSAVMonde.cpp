#include "saves/ModSAVMonde.h"

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/ImageBMP.h"
#include "platform/Surface.h"
#include "saves/FichierMonde.h"

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

namespace {

std::string Deux(int v) {
    char t[12];  // room for any int
    std::snprintf(t, sizeof t, "%02d", v);
    return t;
}

}  // namespace

std::string ModSAVMonde::Nom_Date(const std::tm& m) {
    return Deux(m.tm_mday) + "_" + Deux(m.tm_mon + 1) + "_" + std::to_string(m.tm_year + 1900) + "__" +
           Deux(m.tm_hour) + "_" + Deux(m.tm_min);
}

std::string ModSAVMonde::Texte_Resume(const ModMain& Main, const std::tm& m) {
    const ClsJeuPerso* joueur = Main.NoPersoJoueur >= 0 && static_cast<std::size_t>(Main.NoPersoJoueur) < Main.Persos.size()
                                    ? &Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)]
                                    : nullptr;
    const ClsJeuFief* fief = joueur && joueur->Equipe >= 0 && static_cast<std::size_t>(joueur->Equipe) < Main.Fiefs.size()
                                 ? &Main.Fiefs[static_cast<std::size_t>(joueur->Equipe)]
                                 : nullptr;
    std::string t;
    auto ligne = [&](const std::string& s) { t += s + "\r\n"; };
    ligne("Sauvegarde personnelle - Date : " + Deux(m.tm_mday) + "/" + Deux(m.tm_mon + 1) + "/" +
          std::to_string(m.tm_year + 1900) + "   Heure : " + Deux(m.tm_hour) + ":" + Deux(m.tm_min));
    ligne("");
    ligne("Dimensions de la carte : " + std::to_string(Main.Monde.LargeurCarte) + " * " +
          std::to_string(Main.Monde.HauteurCarte));
    ligne("");
    ligne("Personnage utilisé : " + (joueur ? joueur->Nom : std::string()));
    ligne("Nombres de joueurs max : " + (fief ? std::to_string(fief->NombrePersos) : std::string("0")));
    ligne("");
    ligne("Epoque : " + (fief ? Main.Parametres.Epoque_Nom(fief->Epoque) : std::string()));
    ligne("Nombre de fiefs : " + std::to_string(Main.Fiefs.size()));
    ligne("Nombre de personnages : " + std::to_string(Main.Persos.size()));
    return t;
}

std::string ModSAVMonde::Sauvegarder_Monde(const ModMain& Main, std::string Nom, const Surface* Apercu) const {
    const std::time_t maintenant = std::time(nullptr);
    std::tm local{};
    localtime_r(&maintenant, &local);
    return Sauvegarder_Monde(Main, std::move(Nom), Apercu, local);
}

std::string ModSAVMonde::Sauvegarder_Monde(const ModMain& Main, std::string Nom, const Surface* Apercu,
                                           const std::tm& Maintenant) const {
    const fs::path dossier = Dossier_Mondes(false);
    std::error_code ec;
    if (Nom.empty()) {
        // A name from the minute: a second save in the same minute takes
        // the next free suffix instead of replacing the first.
        const std::string date = Nom_Date(Maintenant);
        Nom = date;
        for (int n = 2; Nom_Pris(Nom); ++n) Nom = date + "_" + std::to_string(n);
    }
    if (!NomFichierSur(Nom) || Nom.find('.') != std::string::npos)
        throw ErreurFichier(Nom, "Le nom « " + Nom + " » ne peut pas être un nom de monde.");
    fs::create_directories(dossier, ec);
    // The preview is a convenience: a save never fails for it.
    if (Apercu && !Apercu->Vide()) EcrireBMP(*Apercu, dossier / (Nom + ExtensionFichiersApercu));
    const fs::path resume = dossier / (Nom + ExtensionFichiersTexte);
    if (!EcrireFichierAtomique(resume, Texte_Resume(Main, Maintenant)))
        throw ErreurFichier(resume.filename().string(), "Le résumé du monde n'a pas pu être écrit dans " +
                                                            dossier.string() + ".");
    Ecrire_Fichier_Monde(Main, dossier / (Nom + ExtensionFichiersMonde));
    return Nom;
}

bool ModSAVMonde::Nom_Pris(const std::string& Nom) const {
    const fs::path dossier = Dossier_Mondes(false);
    std::error_code ec;
    for (const std::string& ext : {ExtensionFichiersMonde, ExtensionFichiersTexte, ExtensionFichiersApercu})
        if (fs::exists(CheminJeu(dossier, Nom + ext), ec)) return true;
    return false;
}

bool ModSAVMonde::Charger_Monde(ModMain& Main, const std::string& NomFichier) const {
    try {
        if (!NomFichierSur(NomFichier))
            throw ErreurFichier(NomFichier, "Ce nom ne désigne pas un monde du dossier des sauvegardes.");
        Lire_Fichier_Monde(Main, CheminJeu(Dossier_Mondes(false), NomFichier));
        return true;
    } catch (const ErreurFichier& e) {
        Main.MessagesPartie.push_back(e.what());
        return false;
    }
}

void ModSAVMonde::Brancher(ModMain& Main) const {
    Main.Charger_Monde = [this](ModMain& m, const std::string& fichier) { return Charger_Monde(m, fichier); };
}
