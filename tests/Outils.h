// Helpers shared by the tests: a scratch game folder that removes itself,
// and the paths of the default data set and of the fixtures.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

class DossierTemporaire {
public:
    DossierTemporaire();
    ~DossierTemporaire();
    DossierTemporaire(const DossierTemporaire&) = delete;
    DossierTemporaire& operator=(const DossierTemporaire&) = delete;

    const std::filesystem::path& Chemin() const { return chemin_; }
    // Writes a file (relative path) with the given text.
    void Ecrire(std::string_view relatif, std::string_view texte) const;
    std::string Lire(std::string_view relatif) const;
    // Copies the default data set in, for tests that write settings.
    void CopierDonnees() const;

private:
    std::filesystem::path chemin_;
};

std::filesystem::path DonneesSource();
std::filesystem::path Fixtures();
