// Saved worlds and scenarios as files: the settings of Ini_SavMonde (the
// folder, the extensions), the listing of a folder for the setup window,
// the World menu's file work (rename, delete, the summary's path), and
// saving and loading a world with its summary and preview. The world file's
// own format is in FichierMonde.
#pragma once

#include <ctime>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class DossierJeu;
class ModMain;
class Surface;

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

    // ---- Saving and loading a world ----
    // Saves the world of Main under Nom ("" gives a name from the date and
    // time, "09_12_2026__10_21", or "09_12_2026__10_21_2", "_3"... when a
    // world of that minute is already there): the preview (a copy of Apercu, the game's
    // back buffer; skipped without a message when there is none or it
    // cannot be written), the summary, then the world file, each through a
    // temporary file, so a failed save leaves the previous one whole.
    // Returns the name used; throws ErreurFichier when the world or its
    // summary cannot be written or Nom cannot be a file name.
    std::string Sauvegarder_Monde(const ModMain& Main, std::string Nom, const Surface* Apercu) const;
    std::string Sauvegarder_Monde(const ModMain& Main, std::string Nom, const Surface* Apercu,
                                  const std::tm& Maintenant) const;
    static std::string Nom_Date(const std::tm& Maintenant);
    // The ten lines of a world's summary.
    static std::string Texte_Resume(const ModMain& Main, const std::tm& Maintenant);
    // Loads the world file NomFichier (with its extension, as the setup
    // window lists it) into Main. A bad file leaves Main's world as it was,
    // puts the French reason into Main.MessagesPartie and returns false.
    bool Charger_Monde(ModMain& Main, const std::string& NomFichier) const;
    // Gives Main's game setup its "ChargerMonde" reader.
    void Brancher(ModMain& Main) const;

private:
    std::vector<std::string> Extensions() const;
    // A saved world of that name is there (its world, summary or preview).
    bool Nom_Pris(const std::string& Nom) const;
    DossierJeu& dossier_;
};
