// Character files: one INI file per saved hero, named after it, holding its
// race, sex, team, looks, script, experience and bestiary, its starting-item
// choices (talents) and its interface options. Loading, saving, periodic
// saving and deletion, and the settings file Ini_SavPerso that names the
// folder, the extension and the two sections.
//
// Numbers are written with "." and as many digits as give them back
// exactly, whatever the locale. Items, money, resources and current values
// are not kept: a loaded hero gets its items from its race and its talents.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ErreurFichier.h"

class ClsJeuCommentaires;
class ClsJeuParam;
class ClsJeuPerso;
class DossierJeu;
struct OptionsInterface;

// A character file that cannot be loaded. Reads "Le fichier de personnage
// <nom> est invalide" followed by one line per fault found.
class ErreurPerso : public ErreurFichier {
public:
    ErreurPerso(std::string Nom, std::string Fichier, std::vector<std::string> Details);
    const std::string& Nom() const { return nom_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string nom_;
    std::string message_;
};

class ModSavPerso {
public:
    // Both must outlive this object. The settings hold the delivered values
    // until Charger_Parametres_SavPerso reads the file.
    ModSavPerso(DossierJeu& Dossier, const ClsJeuParam& Parametres);

    // ---- Settings (Ini_SavPerso.ini, section SavPerso) ----
    std::string CheminSavPerso = "\\Sauvegardes\\Personnages\\";
    std::string ExtensionFichiersPerso = ".per";
    std::string SectionPerso = "Personnage";
    std::string SectionTalents = "Talents";
    std::int16_t PeriodeSauvegarde = 60;  // seconds
    // A network game joined on another machine: the folder (below the
    // game folder, like CheminSavPerso) its heroes are read from and
    // written to, so that the host's heroes never overwrite this machine's
    // own files of the same names. Empty otherwise.
    std::string DossierSession;

    // Reads the six settings. Throws ErreurFichier naming every bad key.
    void Charger_Parametres_SavPerso();
    bool Definir_SauvegardePeriodique() const { return SauvegardePeriodique; }
    // Stores the switch and writes it to Ini_SavPerso ("1" or "0").
    void Definir_SauvegardePeriodique(bool Valeur);

    // A character name that may become a file name: what NomFichierSur
    // accepts, without "." (the roster cuts a file name at its first ".").
    static bool NomPersoValide(std::string_view Nom);
    // The character file of Nom (the name is not checked here).
    std::filesystem::path Chemin_Perso(std::string_view Nom) const;
    // Names of the character files of the folder, sorted; hidden files and
    // names that could not have been written are left out.
    std::vector<std::string> Liste_Persos() const;

    // ---- Loading and saving ----
    // Loads the file of Nom into Perso: sex, race (which brings the race's
    // data and items), team, looks, script, attitude, formation,
    // experience, bestiary; levels are recomputed and each current value
    // keeps its share of the new maximum. A missing, truncated or bad file
    // throws ErreurPerso and leaves Perso as it was.
    void Charger_Perso(const std::string& Nom, ClsJeuPerso& Perso) const;
    // Writes the character's keys into its file (the other keys of the
    // file stay). False when nothing was written: an empty or unusable
    // name, or a write that failed.
    bool Sauvegarder_Perso(const ClsJeuPerso& Perso) const;
    // Saves when the switch is on and more than PeriodeSauvegarde seconds
    // went by since this character's last periodic save (each character
    // has its own time). True when it saved.
    bool Sauvegarder_Perso_Periodique(const ClsJeuPerso& Perso, double Maintenant);

    // ---- Talents: the starting items chosen in the race's list ----
    // Gives each chosen item the character holds none of.
    void Appliquer_Talents(ClsJeuPerso& Perso, ClsJeuCommentaires& Commentaires) const;
    // One entry per item of the race's list, plus a last one, all false
    // unless chosen.
    void Lire_Talents(const ClsJeuPerso& Perso, std::vector<bool>& Talents) const;
    // Writes the choices, then applies them. False when a write failed.
    bool Sauvegarder_Talents(ClsJeuPerso& Perso, const std::vector<bool>& Talents,
                             ClsJeuCommentaires& Commentaires) const;

    // ---- Interface options kept in the character's file ----
    // Sizes the record's rows to its status-bar buttons and to the item
    // types of the rules; a missing key gives a switch off and no shortcut.
    void Charger_Options_Interface(const ClsJeuPerso& Perso, OptionsInterface& Interface) const;
    bool Sauvegarder_Options_Interface(const ClsJeuPerso& Perso, const OptionsInterface& Interface) const;

    // ---- Team and deletion ----
    // The team of the named file (0 when it has none). A value that is not
    // a team throws ErreurPerso.
    std::int32_t Lire_Equipe(const std::string& Nom) const;
    bool Sauvegarder_Equipe(const std::string& Nom, std::int32_t Equipe) const;
    // Deletes the file of Nom. True when it is gone, also when it was
    // already; false for an unusable name or a file that stays.
    bool Supprimer_Perso(std::string_view Nom) const;

private:
    // Relative name of the file without its extension, as ClsFicINI takes
    // it.
    std::string NomRelatif(std::string_view Nom) const;

    DossierJeu& dossier_;
    const ClsJeuParam& Parametres;
    bool SauvegardePeriodique = true;
    // Time of each character's last periodic save, by name; 0 until then.
    std::map<std::string, double> DernieresSauvegardes;
};
