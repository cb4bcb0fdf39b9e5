#include "display/ClsPerEcran.h"

#include <algorithm>
#include <new>

#include "platform/ErreurFichier.h"
#include "platform/Graphique.h"
#include "platform/Nombres.h"
#include "platform/SortieEcran.h"
#include "rules/ClsFicINI.h"

namespace {

// Screens smaller than this cannot hold the interface; larger ones are no
// screen at all but a typing error.
constexpr double TailleMin = 320, TailleMax = 8192;

}  // namespace

ClsPerEcran::ClsPerEcran(DossierJeu& dossier) : dossier_(&dossier) {
    ClsFicINI ini(dossier);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    ErreursFichier erreurs(FichierIni + ini.Extension);

    ModeFenetre = VersBooleen(ini.Parametre("ModeFenetre"));
    const double nombre = Arrondi(Val(ini.Parametre("NombreResolution")));
    const double choisie = Arrondi(Val(ini.Parametre("Resolution")));
    if (nombre < 1 || nombre > 64)
        erreurs.Ajouter("[Ecran] NombreResolution : il faut entre 1 et 64 résolutions.");
    const int n = static_cast<int>(std::clamp(nombre, 0.0, 64.0));
    for (int k = 1; k <= n; ++k) {
        ini.Section = "Resolution_" + std::to_string(k);
        auto lire = [&](const char* cle) -> std::int16_t {
            auto v = ValeurStricte(ini.Parametre(cle));
            if (!v || *v != Entier(*v)) {
                erreurs.Ajouter("[" + ini.Section + "] " + cle + " : un nombre entier de pixels est attendu.");
                return 0;
            }
            if (*v < TailleMin || *v > TailleMax) {
                erreurs.Ajouter("[" + ini.Section + "] " + cle + " : la taille doit être comprise entre 320 et 8192.");
                return 0;
            }
            return static_cast<std::int16_t>(*v);
        };
        std::int16_t l = lire("Largeur");
        std::int16_t h = lire("Hauteur");
        LargeursResolution.push_back(l);
        HauteursResolution.push_back(h);
    }
    erreurs.Verifier();

    // A chosen entry outside the table falls back to the first one.
    NoResolution = (choisie >= 1 && choisie <= n) ? static_cast<std::int16_t>(choisie - 1) : 0;
    largeur_ = LargeursResolution[static_cast<std::size_t>(NoResolution)];
    hauteur_ = HauteursResolution[static_cast<std::size_t>(NoResolution)];
}

std::int32_t ClsPerEcran::Definir_ResolutionX(std::int32_t Valeur) const {
    if (Valeur < 0 || Valeur >= Nombre_Resolutions()) return 0;
    return LargeursResolution[static_cast<std::size_t>(Valeur)];
}

std::int32_t ClsPerEcran::Definir_ResolutionY(std::int32_t Valeur) const {
    if (Valeur < 0 || Valeur >= Nombre_Resolutions()) return 0;
    return HauteursResolution[static_cast<std::size_t>(Valeur)];
}

bool ClsPerEcran::Definir_Resolution(std::int32_t Valeur) {
    if (Valeur < 0 || Valeur >= Nombre_Resolutions()) return false;
    NoResolution = static_cast<std::int16_t>(Valeur);
    ClsFicINI ini(*dossier_);
    ini.NomFichier = FichierIni;
    ini.Section = SectionIni;
    return ini.Parametre("Resolution", std::to_string(Valeur + 1));
}

std::vector<std::string> ClsPerEcran::Init(Graphique& dd, SortieEcran* fenetre, Surface& SurfBack,
                                           Surface& SurfTemp, Rectangle& MonFond) {
    std::vector<std::string> erreurs;
    if (fenetre) fenetre->Ouvrir(largeur_, hauteur_, ModeFenetre);

    // The back buffer always has the chosen size; the background picture
    // gives its first content.
    try {
        SurfBack = Surface(largeur_, hauteur_);
    } catch (const std::bad_alloc&) {
        SurfBack = Surface();
        SurfTemp = Surface();
        erreurs.push_back(MessageErreurInit);
        erreurs.push_back(MessageEchecSurface);
        return erreurs;
    }
    SurfBack.DefinirGlyphes(dd.Glyphes());
    try {
        const Surface fond = dd.Charger("\\Images\\Fond" + std::to_string(largeur_) + ".bmp");
        SurfBack.Copier(0, 0, fond, fond.Bornes(), false);
    } catch (const ErreurImage& e) {
        // The game's words first, then which file and why.
        erreurs.push_back(std::string(MessageErreurInit) + "\n\n" + e.what());
    }
    SurfTemp = SurfBack;
    MonFond = {0, 0, largeur_, hauteur_};
    if (fenetre) fenetre->Presenter(SurfBack);
    return erreurs;
}

void ClsPerEcran::Femer_Ecran(SortieEcran* fenetre) {
    if (fenetre) fenetre->Fermer();
}
