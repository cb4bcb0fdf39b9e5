// Button sheets and window pictures.
#include "interface/ClsAffBouton.h"

#include "rules/LectureIni.h"
#include "platform/DossierJeu.h"
#include "platform/Graphique.h"
#include "rules/ClsFicINI.h"

namespace {

constexpr std::array<const char*, ClsAffBouton::NombreTypes> NomsImages{
    "Construire", "Infos", "Action", "Deplacement", "Commerce", "Transfert", "Defilement", "Menu", "Defilement",
    "Defilement"};
constexpr std::array<const char*, ClsAffBouton::NombreTypes> NomsTailles{
    "BoutonConstruire", "BoutonInfos",    "BoutonAction", "BoutonDeplacement",     "BoutonCommerce",
    "BoutonTransfert",  "BoutonDefilement", "BoutonMenu", "BoutonBarreDefilement", "BoutonCarreDefilement"};

// The whole back buffer: HUD coordinates are screen coordinates.
Vue VueSurface(const Surface& s) { return Vue{s.Largeur(), s.Hauteur(), 0, 0}; }

}  // namespace

std::string ClsAffBouton::Nom_Image(std::int16_t TypeBouton) {
    if (TypeBouton < 0 || TypeBouton >= NombreTypes) return {};
    return NomsImages[static_cast<std::size_t>(TypeBouton)];
}

ClsAffBouton::Tailles ClsAffBouton::Tailles::Lire(DossierJeu& Dossier) {
    ClsFicINI ini(Dossier);
    ini.NomFichier = "Ini_Boutons";
    ini.Section = "Boutons";
    ErreursFichier erreurs("Ini_Boutons.ini");
    Tailles t;
    for (std::size_t k = 0; k < NombreTypes; ++k) {
        t.Largeur[k] = LectureIni::Entier16(ini, std::string("Largeur") + NomsTailles[k], erreurs);
        t.Hauteur[k] = LectureIni::Entier16(ini, std::string("Hauteur") + NomsTailles[k], erreurs);
    }
    erreurs.Verifier();
    return t;
}

void ClsAffBouton::Charger(Graphique& dd, std::int16_t TypeBouton) {
    const Tailles t = Tailles::Lire(dd.Dossier());
    Charger(TypeBouton, t, dd.Charger("\\Images\\Boutons\\" + Nom_Image(TypeBouton) + ".bmp"));
}

void ClsAffBouton::Charger(std::int16_t TypeBouton, const Tailles& tailles, Surface Image) {
    type_ = TypeBouton;
    if (TypeBouton >= 0 && TypeBouton < NombreTypes) {
        Largeur = tailles.Largeur[static_cast<std::size_t>(TypeBouton)];
        Hauteur = tailles.Hauteur[static_cast<std::size_t>(TypeBouton)];
    }
    if (!Image.Vide()) sprite_.Charger(std::move(Image));
}

void ClsAffBouton::Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeBouton, std::int16_t Etat,
                            Surface& SurfBack, bool Transparent) {
    if (!sprite_.Charge() || Largeur <= 0 || Hauteur <= 0) return;
    sprite_.Selection(Etat * Hauteur, (Etat + 1) * Hauteur, TypeBouton * Largeur, (TypeBouton + 1) * Largeur);
    sprite_.Afficher(X, Y, SurfBack, VueSurface(SurfBack), Transparent);
}

void ClsAffFenetre::Charger(Graphique& dd, const std::string& Nom) {
    Charger(dd.Charger("\\Images\\Fenetres\\" + Nom + ".bmp"));
}

void ClsAffFenetre::Charger(Surface Image) {
    if (!Image.Vide()) sprite_.Charger(std::move(Image));
}

void ClsAffFenetre::Afficher(std::int32_t X, std::int32_t Y, Surface& SurfBack, std::int16_t TypeFenetre) {
    if (!sprite_.Charge() || Largeur <= 0 || Hauteur <= 0) return;
    sprite_.Selection(0, Hauteur, TypeFenetre * Largeur, (TypeFenetre + 1) * Largeur);
    sprite_.Afficher(X, Y, SurfBack, VueSurface(SurfBack), true);
}
