// The game folder: where the data set, the settings, the characters and the
// saves live. It also keeps the parsed INI files, so that reading a key
// costs no file open and every write is seen by every reader at once.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class DossierJeu {
public:
    explicit DossierJeu(std::filesystem::path racine);
    ~DossierJeu();
    DossierJeu(DossierJeu&&) noexcept;
    DossierJeu& operator=(DossierJeu&&) noexcept;

    // The folder beside the executable ("jeu"), or MORVAINE_DIR when set.
    static std::filesystem::path Trouver();

    const std::filesystem::path& Racine() const { return racine_; }
    // A path below the folder, written the game's way ("\Images\Persos.bmp").
    std::filesystem::path Chemin(std::string_view relatif) const;

    // Private-profile access to one INI file (name with its extension,
    // relative to the folder).
    std::string LireCle(std::string_view fichier, std::string_view section, std::string_view cle);
    bool EcrireCle(std::string_view fichier, std::string_view section, std::string_view cle,
                   std::string_view valeur);
    // Every section name of a file, in file order.
    std::vector<std::string> Sections(std::string_view fichier);
    // The keys of a section (the section read, the first of its name),
    // folded to lower case, in no particular order.
    std::vector<std::string> Cles(std::string_view fichier, std::string_view section);

    // A file larger than TailleFichierMax::Ini is never read: any access to it
    // throws ErreurFichier naming it.

private:
    struct FichierINI;
    FichierINI& Charger(std::string_view fichier);

    std::filesystem::path racine_;
    std::map<std::string, std::unique_ptr<FichierINI>> fichiers_;
};

// How many of the numbers 1, 2, ... nombre appear, from 1 without a gap, in
// names written prefixe + number + suffixe (letter case ignored): what a
// count can trust of the sections or keys a file really holds.
std::int32_t NumerosPresents(const std::vector<std::string>& noms, std::int32_t nombre, std::string_view prefixe,
                             std::string_view suffixe);
