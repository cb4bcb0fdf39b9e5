#include "engine/InterfaceMoteur.h"

#include <algorithm>
#include <cmath>

#include "display/ClsAffChargement.h"
#include "display/Vue.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"

void InterfaceMoteur::Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X,
                                            std::int32_t Y, Surface& SurfBack, const Vue& vue, std::int32_t Largeur,
                                            std::int32_t Hauteur, std::uint32_t Couleur, bool Vertical) {
    if (Largeur <= 0 || Hauteur <= 0) return;
    // A maximum of 0 (a broken rules file) shows an empty bar rather than
    // dividing by zero.
    auto part = [&](double v) { return Maximum > 0 ? std::clamp(v / Maximum, 0.0, 1.0) : 0.0; };
    const double ratio = part(Valeur);
    if (Couleur == 0) Couleur = ratio < 0.1 ? 128 : ratio < 0.25 ? 255 : ratio < 0.5 ? 0x80FF : 0xC000;
    const std::int32_t x = X + vue.DecalageVueX, y = Y + vue.DecalageVueY;
    const Rectangle limite{vue.DecalageVueX, vue.DecalageVueY, vue.DecalageVueX + vue.LargeurVue,
                           vue.DecalageVueY + vue.HauteurVue};
    auto remplir = [&](std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::uint32_t c) {
        x1 = std::max(x1, limite.Gauche), y1 = std::max(y1, limite.Haut);
        x2 = std::min(x2, limite.Droite), y2 = std::min(y2, limite.Bas);
        if (x2 > x1 && y2 > y1) SurfBack.RemplirRectangle(x1, y1, x2, y2, c);
    };
    // The box, then the reserve in white, then the value over it.
    remplir(x, y, x + Largeur, y + Hauteur, 0x202020);
    auto portion = [&](double r, std::uint32_t c) {
        if (r <= 0) return;
        if (Vertical) {
            const std::int32_t h = VersEntier32(Arrondi((Hauteur - 2) * r));
            remplir(x + 1, y + Hauteur - 1 - h, x + Largeur - 1, y + Hauteur - 1, c);
        } else {
            const std::int32_t l = VersEntier32(Arrondi((Largeur - 2) * r));
            remplir(x + 1, y + 1, x + 1 + l, y + Hauteur - 1, c);
        }
    };
    portion(part(ValeurReserve), 0xFFFFFF);
    portion(ratio, Couleur);
}

void InterfaceMoteur::Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, std::string_view Texte,
                                                   Surface& SurfBack) {
    ClsAffChargement::BulleParDefaut(X, Y, Texte, SurfBack);
}
