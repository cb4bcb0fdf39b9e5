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

private:
    struct FichierINI;
    FichierINI& Charger(std::string_view fichier);

    std::filesystem::path racine_;
    std::map<std::string, std::unique_ptr<FichierINI>> fichiers_;
};
