// The AI script library: every .ia script of the game folder's IAs\ folder
// in memory (the table AIs), the file commands of the script editor (new,
// rename, duplicate, delete, save) and the look-up of a script by its file
// name. The scripted-character executor joins this module later; it only
// reads AIs.
//
// Scripts at the root of the folder are the player's: the editor lists and
// saves them. Each sub-folder (one level) holds further scripts that
// characters may use (the monsters') and that the program never writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ai/ClsJeuIA2.h"

class ClsJeuParam;
class DossierJeu;

// Outcome of a file command: on failure, a French message and the title of
// the box that shows it.
struct ResultatCommandeIA {
    bool Reussi = true;
    std::string Titre;
    std::string Message;
    explicit operator bool() const { return Reussi; }
};

class ModIA2 {
public:
    // Both must outlive this object. Nothing is read until Charger_IAs.
    ModIA2(DossierJeu& dossier, const ClsJeuParam& Parametres);

    // Every loaded script, root scripts first, then each sub-folder's in
    // turn. Never empty: with no script it holds one empty script (no file
    // name, no ages). Indices stay valid until the next reload.
    std::vector<ClsJeuIA2> AIs;
    // The faults met by the last Charger_IAs, one French message each
    // ("Le fichier IAs/x.ia est invalide." and its faulty lines). A bad
    // script is left out of AIs; the others load.
    std::vector<std::string> ErreursChargement;

    // <game folder>/IAs
    std::filesystem::path DossierIAs() const;

    // Reloads every script, dropping unsaved changes.
    void Charger_IAs();
    // Loads every file of one folder into AIs from index Compteur on; the
    // counter comes back past the last loaded script.
    void Charger_Dossier_IA(const std::filesystem::path& Dossier, std::int32_t& Compteur, bool EstJoueur);

    // The file commands work at the root of the folder. Names are file
    // names (no folder): they are refused unless NomFichierSur accepts them
    // and they are not hidden (a leading ".", which the loader passes over).
    // A refused command touches no file.
    //
    // Creates a blank script and reloads (unsaved changes are lost, as with
    // Supprimer_IA). Refuses a name already loaded or already on disk.
    ResultatCommandeIA Nouvelle_IA(std::string_view NomFichier);
    // Saves the root scripts, renames the file and reloads. A target that
    // exists is replaced only when Remplacer is set (the editor asks first).
    ResultatCommandeIA Renommer_IA(std::string_view Ancien, std::string_view Nouveau, bool Remplacer = false);
    // Saves the root scripts, copies the file and reloads; same rule for an
    // existing target.
    ResultatCommandeIA Dupliquer_IA(std::string_view Source, std::string_view Cible, bool Remplacer = false);
    // Deletes the file (one already gone is no error) and reloads.
    ResultatCommandeIA Supprimer_IA(std::string_view NomFichier);
    // Writes every root script under its own name; goes on past a failure
    // and reports every file that could not be written.
    ResultatCommandeIA Sauvegarder_IAs();

    // Index in AIs of the script of that file name, letter case ignored
    // (root scripts win over sub-folder ones); -1 for none or "".
    std::int32_t Indice_IA(std::string_view NomFichier) const;

private:
    std::filesystem::path Chemin(std::string_view nom) const;

    DossierJeu& dossier_;
    const ClsJeuParam& Parametres;
};
