#include "display/ClsAffSprite.h"

#include <algorithm>

#include "platform/Graphique.h"

void ClsAffSprite::Charger(Graphique& dd, std::string_view Fichier) {
    std::string chemin = CheminImage();
    chemin += Fichier;
    chemin += Extension_Image();
    image_ = std::make_shared<const Surface>(dd.Charger(chemin));
}

void ClsAffSprite::Charger(Surface image) { image_ = std::make_shared<const Surface>(std::move(image)); }

void ClsAffSprite::Selection(std::int32_t Haut, std::int32_t Bas, std::int32_t Gauche, std::int32_t Droite) {
    RectSource = {Gauche, Haut, Droite, Bas};
}

void ClsAffSprite::Afficher(std::int32_t X, std::int32_t Y, Surface& SurfBack, const Vue& vue, bool CleCouleur,
                            bool Translucide, std::int16_t AjustementX, std::int16_t AjustementY) {
    if (!image_) return;
    if (Translucide) {
        AfficherTranslucide(X, Y, SurfBack, vue);
        return;
    }
    Rectangle& r = RectSource;
    // Horizontal: cut at the view's left edge, then the terrain offset,
    // then the view's right edge.
    if (X < 0) {
        r.Gauche -= X;
        X = 0;
    }
    if (AjustementX < 0) r.Gauche -= AjustementX;
    if (X + (r.Droite - r.Gauche) > vue.LargeurVue) r.Droite = r.Gauche - X + vue.LargeurVue;
    if (AjustementX > 0) r.Droite -= AjustementX;
    // Vertical, the same way.
    if (Y < 0) {
        r.Haut -= Y;
        Y = 0;
    }
    if (AjustementY < 0) r.Haut -= AjustementY;
    if (Y + (r.Bas - r.Haut) > vue.HauteurVue) r.Bas = r.Haut - Y + vue.HauteurVue;
    if (AjustementY > 0) r.Bas -= AjustementY;
    // A negative offset moves the picture out of its view: it is cut there
    // rather than drawn over the neighbouring view.
    const Rectangle limite{vue.DecalageVueX, vue.DecalageVueY, vue.DecalageVueX + vue.LargeurVue,
                           vue.DecalageVueY + vue.HauteurVue};
    SurfBack.Copier(AjustementX + vue.DecalageVueX + X, AjustementY + vue.DecalageVueY + Y, *image_, r, CleCouleur,
                    limite);
}

void ClsAffSprite::AfficherTranslucide(std::int32_t X, std::int32_t Y, Surface& SurfBack, const Vue& vue) const {
    const Rectangle& r = RectSource;
    if (r.Vide()) return;
    const Surface& s = *image_;
    // Only the source pixels that exist, the view's pixels, and the back
    // buffer's pixels take part.
    const std::int32_t i0 = std::max({0, -r.Gauche, -X, -(vue.DecalageVueX + X)});
    const std::int32_t j0 = std::max({0, -r.Haut, -Y, -(vue.DecalageVueY + Y)});
    const std::int32_t i1 = std::min({r.Droite - r.Gauche, s.Largeur() - r.Gauche, vue.LargeurVue - X,
                                      SurfBack.Largeur() - vue.DecalageVueX - X});
    const std::int32_t j1 = std::min({r.Bas - r.Haut, s.Hauteur() - r.Haut, vue.HauteurVue - Y,
                                      SurfBack.Hauteur() - vue.DecalageVueY - Y});
    for (std::int32_t j = j0; j < j1; ++j) {
        const std::uint16_t* ls = s.Rangee(r.Haut + j) + r.Gauche;
        std::uint16_t* ld = SurfBack.Rangee(vue.DecalageVueY + Y + j) + vue.DecalageVueX + X;
        for (std::int32_t i = i0; i < i1; ++i) {
            const std::uint16_t sp = ls[i];
            if (sp == 0) continue;  // black never shows
            ld[i] = Melange565(ld[i], sp);
        }
    }
}

bool ClsAffSprite::AfficherCellule(std::int32_t colonne, std::int32_t ligne, std::int32_t largeur,
                                   std::int32_t hauteur, std::int32_t X, std::int32_t Y, Surface& SurfBack,
                                   const Vue& vue, bool Translucide, std::int16_t AjustementX,
                                   std::int16_t AjustementY) {
    if (!image_ || colonne < 0 || ligne < 0 || largeur <= 0 || hauteur <= 0) return false;
    const std::int64_t gauche = static_cast<std::int64_t>(colonne) * largeur;
    const std::int64_t haut = static_cast<std::int64_t>(ligne) * hauteur;
    if (gauche >= image_->Largeur() || haut >= image_->Hauteur()) return false;
    Selection(static_cast<std::int32_t>(haut), static_cast<std::int32_t>(haut + hauteur),
              static_cast<std::int32_t>(gauche), static_cast<std::int32_t>(gauche + largeur));
    Afficher(X, Y, SurfBack, vue, true, Translucide, AjustementX, AjustementY);
    return true;
}
