#include "tests/Outils.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

// The offscreen platform's own screen is a square of 800 pixels: an
// 800 x 600 game window and its frame would not fit it, and the game would
// scale its picture down. The tests get a desktop of 1920 x 1200 instead
// (before any test makes its application).
const bool EcranDesTests = [] {
    const char* plateforme = std::getenv("QT_QPA_PLATFORM");
    if (plateforme && std::string(plateforme) == "offscreen")
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + (fs::path(MORVAINE_FIXTURES) / "ecran_offscreen.json").string()).c_str(), 1);
    return true;
}();

}  // namespace

DossierTemporaire::DossierTemporaire() {
    std::random_device rd;
    chemin_ = fs::temp_directory_path() / ("morvaine-test-" + std::to_string(rd()) + std::to_string(rd()));
    fs::create_directories(chemin_);
}

DossierTemporaire::~DossierTemporaire() {
    std::error_code ec;
    fs::remove_all(chemin_, ec);
}

void DossierTemporaire::Ecrire(std::string_view relatif, std::string_view texte) const {
    fs::path p = chemin_ / fs::path(std::string(relatif));
    fs::create_directories(p.parent_path());
    std::ofstream f(p, std::ios::binary | std::ios::trunc);
    f << texte;
}

std::string DossierTemporaire::Lire(std::string_view relatif) const {
    std::ifstream f(chemin_ / fs::path(std::string(relatif)), std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void DossierTemporaire::CopierDonnees() const {
    fs::copy(DonneesSource(), chemin_, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
}

fs::path DonneesSource() { return fs::path(MORVAINE_SOURCE_DATA); }
fs::path Fixtures() { return fs::path(MORVAINE_FIXTURES); }
