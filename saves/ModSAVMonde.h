// Saved worlds and scenarios as files: the settings of Ini_SavMonde (the
// folder, the extensions), the listing of a folder for the setup window,
// and the World menu's file work (rename, delete, the summary's path).
// Writing and reading a world's contents is not here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class DossierJeu;

class ModSAVMonde {
public:
    explicit ModSAVMonde(DossierJeu& Dossier);

    // ---- Settings (Ini_SavMonde.ini, section SavMonde) ----
    bool SavMondeEnQuittant = false;
    std::string SavMondeEnQuittantNom;
    std::string FichierVierge;
    std::string CheminSavMonde = "\\Sauvegardes\\Mondes\\";
    std::string ExtensionFichiersMonde = ".sav";
    std::string ExtensionFichiersApercu = ".gif";
    std::string ExtensionFichiersTexte = ".txt";
    static constexpr const char* CheminScenarios = "\\Sauvegardes\\Scenarios\\";

    // Reads the settings; a missing key keeps the delivered value, so a
    // missing file still leaves usable folders and extensions.
    void Charger_Parametres_SavMonde();

    // The folder of the saved worlds, or of the scenarios.
    std::filesystem::path Dossier_Mondes(bool EstScenario) const;
    // The files of that folder with the world (or ".snr") extension, in
    // name order; an absent folder lists nothing.
    std::vector<std::string> Liste_Fichiers(bool EstScenario) const;

    // Renames the world or scenario Nom and its companions to NouveauNom.
    // Refused (false, with the reason in French) for a name that cannot be
    // a file name, the same name, or the name of a world already there;
    // the old files are deleted only once every copy succeeded.
    bool Renommer_Monde(const std::string& Nom, const std::string& NouveauNom, bool EstScenario,
                        std::string& Raison) const;
    // Deletes the world's files that exist (".snr", world, summary,
    // preview); a file that cannot be deleted is passed over.
    void Supprimer_Monde(const std::string& Nom, bool EstScenario) const;
    // The summary text file of a world or scenario.
    std::filesystem::path Chemin_Resume(const std::string& Nom, bool EstScenario) const;

private:
    std::vector<std::string> Extensions() const;
    DossierJeu& dossier_;
};
