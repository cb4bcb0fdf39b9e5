#include "world/ClsJeuMonde.h"

#include <cmath>

#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"

namespace {

// Lenient 16-bit read: the file's sizes are small numbers; a value that
// does not fit is an error of the file, not a crash.
std::int16_t Lire16(ClsFicINI& ini, const char* cle, ErreursFichier& erreurs) {
    double v = Arrondi(Val(ini.Parametre(cle)));
    if (v < -32768.0 || v > 32767.0) {
        erreurs.Ajouter("[" + ini.Section + "] " + cle + " : valeur hors limites.");
        return 0;
    }
    return static_cast<std::int16_t>(v);
}

}  // namespace

ClsJeuMonde::ClsJeuMonde(DossierJeu& dossier) : dossier_(&dossier) {
    ClsFicINI ini(dossier);
    ini.NomFichier = "Ini_Terrain";
    ErreursFichier erreurs("Ini_Terrain.ini");

    ini.Section = "Terrains";
    TerrainOptimise = VersBooleen(ini.Parametre("TerrainOptimise"));
    LargeurCase = Lire16(ini, "LargeurCase", erreurs);
    HauteurCase = Lire16(ini, "HauteurCase", erreurs);
    TerrainAnime = VersBooleen(ini.Parametre("TerrainAnime"));
    NombreEtapesAnimation = Lire16(ini, "NombreEtapesAnimation", erreurs);
    NombreTypesTerrains_ = Lire16(ini, "NombreTypesTerrains", erreurs);
    // Every pixel query divides by the cell size, and every map holds at
    // least the ground and one other terrain.
    if (LargeurCase < 1) erreurs.Ajouter("[Terrains] LargeurCase : la largeur d'une case doit être au moins 1.");
    if (HauteurCase < 1) erreurs.Ajouter("[Terrains] HauteurCase : la hauteur d'une case doit être au moins 1.");
    if (NombreTypesTerrains_ < 1)
        erreurs.Ajouter("[Terrains] NombreTypesTerrains : il faut au moins un type de terrain.");
    if (NombreEtapesAnimation < 0) NombreEtapesAnimation = 0;
    erreurs.Verifier();

    TypeTerrain_.resize(static_cast<std::size_t>(NombreTypesTerrains_) + 1);
    for (int n = 0; n <= NombreTypesTerrains_; ++n) {
        ini.Section = "Terrain_" + std::to_string(n);
        TypeTerrainDef& t = TypeTerrain_[static_cast<std::size_t>(n)];
        t.Nom = ini.Parametre("Nom");
        t.CoefVitesse = static_cast<float>(Val(ini.Parametre("CoefVitesse")));
        t.Animation = VersBooleen(ini.Parametre("Animation"));
        t.Inconstructible = VersBooleen(ini.Parametre("Inconstructible"));
        t.ImgPersoDecalageX = Lire16(ini, "ImgPersoDecalageX", erreurs);
        t.ImgPersoDecalageY = Lire16(ini, "ImgPersoDecalageY", erreurs);
    }

    ini.Section = "Mondes";
    NombreTypesMondes = Lire16(ini, "NombreTypesMondes", erreurs);
    if (NombreTypesMondes < 1) erreurs.Ajouter("[Mondes] NombreTypesMondes : il faut au moins un type de monde.");
    for (int n = 1; n <= NombreTypesMondes; ++n) {
        ini.Section = "Monde_" + std::to_string(n);
        TypeMondeDef m;
        m.Nom = ini.Parametre("Nom");
        m.Relief = static_cast<float>(Val(ini.Parametre("Relief")));
        for (int t = 0; t <= NombreTypesTerrains_; ++t)
            m.SurfaceTerrain.push_back(Lire16(ini, ("SurfaceTerrain(" + std::to_string(t) + ")").c_str(), erreurs));
        m.Route = Lire16(ini, "Route", erreurs);
        if (m.Route > NombreTypesTerrains_)
            erreurs.Ajouter("[" + ini.Section + "] Route : le type de terrain " + std::to_string(m.Route) +
                            " n'existe pas.");
        TypeMondeTerrain_.push_back(std::move(m));
    }
    erreurs.Verifier();

    TerrainCategorie_.assign(1, 0);
    TerrainApparence_.assign(1, 0);
}

std::int32_t ClsJeuMonde::TerrainIndice(std::int32_t X, std::int32_t Y) const {
    double ligne = Arrondi(static_cast<double>(Y) / HauteurCase);
    double colonne = Arrondi(static_cast<double>(X) / LargeurCase);
    return Sature32(ligne * LargeurCarte + colonne);
}

bool ClsJeuMonde::IndiceInterieur(std::int32_t i) const {
    // Cell 0 and the grid's last cell are never inside: placement looks at
    // the cells on either side of an index, and these two have a side off
    // the grid.
    return i >= 1 && static_cast<std::size_t>(i) < TerrainCategorie_.size() - 1;
}

bool ClsJeuMonde::Constructible(std::int32_t X, std::int32_t Y, std::int32_t l, std::int32_t H) const {
    if (l == 0 && H == 0) {
        std::int32_t i = TerrainIndice(X, Y);
        if (!IndiceInterieur(i)) return false;
        std::int32_t t = TerrainCategorie_[static_cast<std::size_t>(i)];
        if (t < 0 || t > NombreTypesTerrains_) return false;
        return !TypeTerrain_[static_cast<std::size_t>(t)].Inconstructible;
    }
    for (std::int32_t dx = 0; dx <= l; dx += LargeurCase)
        for (std::int32_t dy = 0; dy <= H; dy += HauteurCase)
            if (!Constructible(X + dx, Y + dy)) return false;
    return true;
}

float ClsJeuMonde::CoefVitesse(std::int32_t X, std::int32_t Y) const {
    std::int32_t i = TerrainIndice(X, Y);
    if (!IndiceInterieur(i)) return 1.0f;
    std::int32_t t = TerrainCategorie_[static_cast<std::size_t>(i)];
    if (t < 0 || t > NombreTypesTerrains_) return 1.0f;
    return TypeTerrain_[static_cast<std::size_t>(t)].CoefVitesse;
}

std::int16_t ClsJeuMonde::ImgDecalageX(std::int32_t X, std::int32_t Y) const {
    std::int32_t i = TerrainIndice(X, Y);
    if (!IndiceInterieur(i)) return 0;
    std::int32_t t = TerrainCategorie_[static_cast<std::size_t>(i)];
    if (t < 0 || t > NombreTypesTerrains_) return 0;
    return TypeTerrain_[static_cast<std::size_t>(t)].ImgPersoDecalageX;
}

std::int16_t ClsJeuMonde::ImgDecalageY(std::int32_t X, std::int32_t Y) const {
    std::int32_t i = TerrainIndice(X, Y);
    if (!IndiceInterieur(i)) return 0;
    std::int32_t t = TerrainCategorie_[static_cast<std::size_t>(i)];
    if (t < 0 || t > NombreTypesTerrains_) return 0;
    return TypeTerrain_[static_cast<std::size_t>(t)].ImgPersoDecalageY;
}

bool ClsJeuMonde::AgrandirJusque(std::vector<std::int32_t>& grille, std::int32_t i) {
    if (i < 0) return false;
    std::int64_t limite = MaxCellules;
    if (LargeurCarte > 0 && HauteurCarte > 0)
        limite = (static_cast<std::int64_t>(LargeurCarte) + 1) * (static_cast<std::int64_t>(HauteurCarte) + 1) + 1;
    if (i >= limite) return false;
    if (static_cast<std::size_t>(i) >= grille.size()) grille.resize(static_cast<std::size_t>(i) + 1, 0);
    return true;
}

std::int16_t ClsJeuMonde::Param_TerrainApparence(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= TerrainApparence_.size()) return 0;
    return static_cast<std::int16_t>(TerrainApparence_[static_cast<std::size_t>(i)]);
}

bool ClsJeuMonde::Param_TerrainApparence(std::int32_t i, std::int16_t valeur) {
    if (!AgrandirJusque(TerrainApparence_, i)) return false;
    TerrainApparence_[static_cast<std::size_t>(i)] = valeur;
    return true;
}

std::int16_t ClsJeuMonde::Param_TerrainCategorie(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= TerrainCategorie_.size()) return 0;
    return static_cast<std::int16_t>(TerrainCategorie_[static_cast<std::size_t>(i)]);
}

bool ClsJeuMonde::Param_TerrainCategorie(std::int32_t i, std::int16_t valeur) {
    if (!AgrandirJusque(TerrainCategorie_, i)) return false;
    TerrainCategorie_[static_cast<std::size_t>(i)] = valeur;
    return true;
}

bool ClsJeuMonde::Param_TerrainAnimation(std::int32_t i) const {
    std::int32_t t = Param_TerrainCategorie(i);
    if (t < 0 || t > NombreTypesTerrains_) return false;
    return TypeTerrain_[static_cast<std::size_t>(t)].Animation;
}

const std::string& ClsJeuMonde::Param_MondeNom(std::int32_t type) const {
    static const std::string vide;
    if (type < 0 || static_cast<std::size_t>(type) >= TypeMondeTerrain_.size()) return vide;
    return TypeMondeTerrain_[static_cast<std::size_t>(type)].Nom;
}

std::int32_t ClsJeuMonde::Longueur_Diagonale() const {
    double l = static_cast<double>(LargeurCase) * LargeurCarte;
    double h = static_cast<double>(HauteurCase) * HauteurCarte;
    return Sature32(std::sqrt(l * l + h * h));
}

void ClsJeuMonde::Ecrire(const char* cle, bool valeur) {
    ClsFicINI ini(*dossier_);
    ini.NomFichier = "Ini_Terrain";
    ini.Section = "Terrains";
    ini.Parametre(cle, valeur ? "1" : "0");
}

void ClsJeuMonde::Definir_TerrainOptimise(bool valeur) {
    TerrainOptimise = valeur;
    Ecrire("TerrainOptimise", valeur);
}

void ClsJeuMonde::Definir_TerrainAnime(bool valeur) {
    TerrainAnime = valeur;
    Ecrire("TerrainAnime", valeur);
}

void ClsJeuMonde::Creer_Grilles() {
    std::size_t n = (static_cast<std::size_t>(LargeurCarte) + 1) * (static_cast<std::size_t>(HauteurCarte) + 1) + 1;
    TerrainCategorie_.assign(n, 0);
    TerrainApparence_.assign(n, 0);
}
