// Buttons of the in-game interface and their tooltips.
#include "interface/ClsIntBouton.h"

#include <algorithm>

#include "interface/ClsIntMessage.h"
#include "rules/LectureIni.h"
#include "platform/DossierJeu.h"
#include "platform/Surface.h"
#include "platform/Texte.h"
#include "rules/ClsFicINI.h"

namespace {

ClsFicINI IniBoutons(DossierJeu& Dossier) {
    ClsFicINI ini(Dossier);
    ini.NomFichier = "Ini_Boutons";
    ini.Section = "Boutons";
    return ini;
}

}  // namespace

StyleInfoBulle StyleInfoBulle::Lire(DossierJeu& Dossier) {
    ClsFicINI ini = IniBoutons(Dossier);
    ErreursFichier erreurs("Ini_Boutons.ini");
    StyleInfoBulle s;
    // Any number that is not 0 turns tooltips on; a missing key turns them off.
    s.AfficherInfoBulle = LectureIni::Reel(ini, "AfficherInfoBulle", erreurs) != 0.0;
    s.InfoBulleDecalageX = LectureIni::Entier16(ini, "InfoBulleDecalageX", erreurs);
    s.InfoBulleDecalageY = LectureIni::Entier16(ini, "InfoBulleDecalageY", erreurs);
    s.CouleurInfoBulle = LectureIni::Couleur(ini, "CouleurInfoBulle", erreurs);
    s.CouleurRectangleFond = LectureIni::Couleur(ini, "CouleurRectangleFond", erreurs);
    s.BordureRectangleFond = LectureIni::Entier16(ini, "BordureRectangleFond", erreurs);
    erreurs.Verifier();
    return s;
}

MesureInfoBulle ClsIntBouton::Mesurer(const std::string& Texte) {
    // Widths count characters, not bytes: accented letters take one cell.
    MesureInfoBulle m;
    std::string_view s = Texte;
    do {
        const std::size_t p = s.find(ClsIntMessage::Caractere_RetourLigne());
        const std::size_t q = s.find('\r');
        // The width of a broken line includes its break character.
        if (p != std::string_view::npos)
            m.Colonnes = std::max<std::int32_t>(m.Colonnes, static_cast<std::int32_t>(LongueurCaracteres(s.substr(0, p + 1))));
        if (q != std::string_view::npos)
            m.Colonnes = std::max<std::int32_t>(m.Colonnes, static_cast<std::int32_t>(LongueurCaracteres(s.substr(0, q + 1))));
        ++m.Lignes;
        if (p != std::string_view::npos) {
            s.remove_prefix(p + 1);
        } else if (q != std::string_view::npos) {
            s.remove_prefix(q + 1);
        } else {
            m.Colonnes = std::max<std::int32_t>(m.Colonnes, static_cast<std::int32_t>(LongueurCaracteres(s)));
            s = {};
        }
    } while (!s.empty());
    return m;
}

void ClsIntBouton::Afficher_Info_Bulle(std::int32_t X, std::int32_t Y, ClsIntMessage& Message, Surface& SurfBack,
                                       const Vue& vue, bool ForcerAffichage) const {
    if ((InfoBulle.empty() || !style_.AfficherInfoBulle) && !ForcerAffichage) return;
    Message.CouleurAvantPlan = 0;
    std::int32_t x = X + style_.InfoBulleDecalageX;
    std::int32_t y = Y + style_.InfoBulleDecalageY;
    const MesureInfoBulle m = Mesurer(InfoBulle);
    const std::int32_t W = m.Colonnes * ClsIntMessage::Largeur_Caractere();
    const std::int32_t H = m.Lignes * ClsIntMessage::Hauteur_Caractere();
    const std::int32_t B = style_.BordureRectangleFond;
    if (x < 0)
        x = 0;
    else if (x + W + B > vue.LargeurVue)
        x = vue.LargeurVue - W - B;
    if (y < 0)
        y = 0;
    else if (y + H + B > vue.HauteurVue)
        y = vue.HauteurVue - H - B;
    // A black outline around the fill.
    SurfBack.Boite(x - B, y - B, x + W + B, y + H + B, 0, style_.CouleurRectangleFond);
    Message.CouleurAvantPlan = style_.CouleurInfoBulle;
    Message.Afficher(x, y, InfoBulle, SurfBack);
}

void ClsIntBouton::Definir_AfficherInfoBulle(bool Valeur, DossierJeu& Dossier) {
    style_.AfficherInfoBulle = Valeur;
    ClsFicINI ini = IniBoutons(Dossier);
    ini.Parametre("AfficherInfoBulle", Valeur ? "1" : "0");
}
