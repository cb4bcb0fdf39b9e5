#include "display/ClsAffTerrain.h"

#include <algorithm>
#include <cstdio>

#include "platform/Graphique.h"
#include "platform/Nombres.h"
#include "world/ClsJeuMonde.h"

namespace {

std::int32_t DivisionEntiere(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
    return static_cast<std::int32_t>(q);
}

// Walks the cells (of size l x h) that cover the zone on the back buffer,
// calling f(column, row, x, y) with the cell's position; the caller's blit
// cuts each to the limits.
template <typename F>
void Parcourir(std::int32_t origineX, std::int32_t origineY, std::int32_t defilementX, std::int32_t defilementY,
               std::int32_t l, std::int32_t h, const Rectangle& limite, F&& f) {
    if (limite.Vide() || l <= 0 || h <= 0) return;
    const std::int32_t c0 = DivisionEntiere(defilementX, l), r0 = DivisionEntiere(defilementY, h);
    const std::int64_t x0 = static_cast<std::int64_t>(origineX) - (static_cast<std::int64_t>(defilementX) - static_cast<std::int64_t>(c0) * l);
    const std::int64_t y0 = static_cast<std::int64_t>(origineY) - (static_cast<std::int64_t>(defilementY) - static_cast<std::int64_t>(r0) * h);
    for (std::int64_t y = y0, j = 0; y < limite.Bas; y += h, ++j) {
        if (y + h <= limite.Haut) continue;
        for (std::int64_t x = x0, i = 0; x < limite.Droite; x += l, ++i) {
            if (x + l <= limite.Gauche) continue;
            f(static_cast<std::int64_t>(c0) + i, static_cast<std::int64_t>(r0) + j, static_cast<std::int32_t>(x),
              static_cast<std::int32_t>(y));
        }
    }
}

Rectangle Limite(std::int32_t origineX, std::int32_t origineY, std::int32_t largeurZone, std::int32_t hauteurZone,
                 const Vue& vue) {
    return {origineX, origineY, std::min<std::int32_t>(vue.LargeurVue, origineX + largeurZone),
            std::min<std::int32_t>(vue.HauteurVue, origineY + hauteurZone)};
}

}  // namespace

void ClsAffTerrain::Charger(Graphique& dd, std::string_view TerrainZone) {
    std::string chemin = "\\Images\\terrains\\";
    chemin += TerrainZone;
    chemin += ".bmp";
    auto feuille = dd.Essayer(chemin);
    if (!feuille)
        throw ErreurImage("Texture du terrain " + std::string(TerrainZone) + " introuvable. Abandon.", dd.Chemin(chemin));
    Charger(std::move(*feuille));
}

void ClsAffTerrain::Charger(Surface feuille) {
    feuille_ = std::make_shared<const Surface>(std::move(feuille));
    Liberer_Blocs();
}

void ClsAffTerrain::Afficher(std::int32_t X, std::int32_t Y, std::int32_t ApparenceTerrain, std::int32_t TypeTerrain,
                             Surface& SurfBack) const {
    if (!feuille_) return;
    const Rectangle r{ApparenceTerrain * LargeurCase, TypeTerrain * HauteurCase, (ApparenceTerrain + 1) * LargeurCase,
                      (TypeTerrain + 1) * HauteurCase};
    // A cell beyond the sheet draws nothing.
    if (r.Gauche < 0 || r.Haut < 0 || r.Droite > feuille_->Largeur() || r.Bas > feuille_->Hauteur()) return;
    SurfBack.Copier(X, Y, *feuille_, r, true);
}

void ClsAffTerrain::Animation_Suivante(const ClsJeuMonde& Monde, std::int32_t Vitesse) {
    if (!Monde.TerrainAnime) return;
    const std::int16_t n = Monde.NombreEtapesAnimation;
    // With fewer than two frames there is nothing to turn back from.
    if (n < 2) {
        EtapeTerrain_ = 0;
        SensDescendant_ = false;
        return;
    }
    if (++CompteurAnimation_ <= Vitesse) return;
    CompteurAnimation_ = 0;
    EtapeTerrain_ = static_cast<std::int16_t>(EtapeTerrain_ + (SensDescendant_ ? -1 : 1));
    EtapeTerrain_ = std::clamp<std::int16_t>(EtapeTerrain_, 0, static_cast<std::int16_t>(n - 1));
    if (EtapeTerrain_ == n - 1) SensDescendant_ = true;
    if (EtapeTerrain_ == 0) SensDescendant_ = false;
}

std::int16_t ClsAffTerrain::EtapeAffichee(const ClsJeuMonde& Monde) const {
    if (!Monde.TerrainAnime || Monde.NombreEtapesAnimation < 2) return 0;
    return std::min<std::int16_t>(EtapeTerrain_, static_cast<std::int16_t>(Monde.NombreEtapesAnimation - 1));
}

std::int32_t ClsAffTerrain::LigneFeuille(const ClsJeuMonde& Monde, std::int32_t categorie, std::int32_t etape) {
    if (categorie < 0 || categorie > Monde.NombreTypesTerrains()) return -1;
    const std::int32_t images = std::max<std::int32_t>(1, Monde.NombreEtapesAnimation);
    std::int32_t ligne = categorie;
    for (std::int32_t a = 0; a < categorie; ++a)
        if (Monde.TypeTerrain(a).Animation) ligne += images - 1;
    if (Monde.TypeTerrain(categorie).Animation) ligne += std::clamp(etape, 0, images - 1);
    return ligne;
}

std::int32_t ClsAffTerrain::NombreLignesFeuille(const ClsJeuMonde& Monde) {
    const std::int32_t n = Monde.NombreTypesTerrains();
    const std::int32_t images = std::max<std::int32_t>(1, Monde.NombreEtapesAnimation);
    return LigneFeuille(Monde, n, images - 1) + 1;
}

Rectangle ClsAffTerrain::RectangleCase(const ClsJeuMonde& Monde, std::int32_t cx, std::int32_t cy,
                                       std::int16_t etape) const {
    const std::int32_t i = cy * Monde.LargeurCarte + cx;
    const std::int32_t ligne = LigneFeuille(Monde, Monde.Param_TerrainCategorie(i), etape);
    const std::int32_t colonne = Monde.Param_TerrainApparence(i);
    if (ligne < 0 || colonne < 0 || colonne >= NombreApparences) return {};
    return {colonne * LargeurCase, ligne * HauteurCase, (colonne + 1) * LargeurCase, (ligne + 1) * HauteurCase};
}

void ClsAffTerrain::AfficheFast(std::int32_t OrigineX, std::int32_t OrigineY, std::int32_t DefilementX,
                                std::int32_t DefilementY, std::int32_t LargeurZone, std::int32_t HauteurZone,
                                Surface& SurfBack, const Vue& vue, const ClsJeuMonde& Monde) const {
    if (!feuille_ || LargeurCase <= 0 || HauteurCase <= 0) return;
    const Rectangle limite = Limite(OrigineX, OrigineY, LargeurZone, HauteurZone, vue);
    const std::int16_t etape = EtapeAffichee(Monde);
    const std::int64_t W = Monde.LargeurCarte, H = Monde.HauteurCarte;
    Parcourir(OrigineX, OrigineY, DefilementX, DefilementY, LargeurCase, HauteurCase, limite,
              [&](std::int64_t cx, std::int64_t cy, std::int32_t x, std::int32_t y) {
                  // Only the map's own cells: a scroll beyond its edges
                  // (a map smaller than the view) shows nothing there.
                  if (cx < 0 || cy < 0 || cx >= W || cy >= H) return;
                  Rectangle r = RectangleCase(Monde, static_cast<std::int32_t>(cx), static_cast<std::int32_t>(cy), etape);
                  if (r.Vide() || r.Droite > feuille_->Largeur() || r.Bas > feuille_->Hauteur()) return;
                  SurfBack.Copier(x, y, *feuille_, r, true, limite);
              });
}

void ClsAffTerrain::AfficheVeryFast(std::int32_t OrigineX, std::int32_t OrigineY, std::int32_t DefilementX,
                                    std::int32_t DefilementY, std::int32_t LargeurZone, std::int32_t HauteurZone,
                                    Surface& SurfBack, const Vue& vue, const ClsJeuMonde& Monde) const {
    if (Blocs_.empty()) return;
    const Rectangle limite = Limite(OrigineX, OrigineY, LargeurZone, HauteurZone, vue);
    const std::int32_t f = std::min<std::int32_t>(EtapeAffichee(Monde), blocsF_ - 1);
    Parcourir(OrigineX, OrigineY, DefilementX, DefilementY, TailleBloc, TailleBloc, limite,
              [&](std::int64_t bx, std::int64_t by, std::int32_t x, std::int32_t y) {
                  // A block beside the last one of a row is never taken
                  // from the next row.
                  if (bx < 0 || by < 0 || bx >= blocsA_ || by >= blocsD_) return;
                  const std::size_t k = static_cast<std::size_t>((static_cast<std::int64_t>(f) * blocsD_ + by) * blocsA_ + bx);
                  if (k >= Blocs_.size()) return;
                  SurfBack.Copier(x, y, Blocs_[k], Blocs_[k].Bornes(), !BlocsPleins_[k], limite);
              });
}

void ClsAffTerrain::Liberer_Blocs() {
    Blocs_.clear();
    Blocs_.shrink_to_fit();
    BlocsPleins_.clear();
    blocsA_ = blocsD_ = blocsF_ = 0;
}

bool ClsAffTerrain::Modeliser_Carte(const ClsJeuMonde& Monde, const ProgresChargement& progression) {
    Liberer_Blocs();
    if (!feuille_ || LargeurCase <= 0 || HauteurCase <= 0 || Monde.LargeurCarte <= 0 || Monde.HauteurCarte <= 0)
        return false;
    const std::int64_t A = static_cast<std::int64_t>(Monde.LargeurCarte) * LargeurCase / TailleBloc + 1;
    const std::int64_t D = static_cast<std::int64_t>(Monde.HauteurCarte) * HauteurCase / TailleBloc + 1;
    const std::int64_t F = (Monde.TerrainAnime && Monde.NombreEtapesAnimation > 1) ? Monde.NombreEtapesAnimation : 1;
    const std::int64_t octetsBloc = std::int64_t{TailleBloc} * TailleBloc * 2;
    if (A * D * F > static_cast<std::int64_t>(BudgetBlocs / static_cast<std::size_t>(octetsBloc))) return false;

    const std::int64_t total = A * D * F;
    Blocs_.reserve(static_cast<std::size_t>(total));
    const std::int64_t W = Monde.LargeurCarte, H = Monde.HauteurCarte;
    for (std::int64_t f = 0; f < F; ++f)
        for (std::int64_t by = 0; by < D; ++by)
            for (std::int64_t bx = 0; bx < A; ++bx) {
                Surface bloc(TailleBloc, TailleBloc);
                const std::int64_t gx = bx * TailleBloc, gy = by * TailleBloc;
                const std::int64_t cx0 = gx / LargeurCase, cy0 = gy / HauteurCase;
                const std::int64_t cx1 = std::min(W, (gx + TailleBloc + LargeurCase - 1) / LargeurCase);
                const std::int64_t cy1 = std::min(H, (gy + TailleBloc + HauteurCase - 1) / HauteurCase);
                for (std::int64_t cy = cy0; cy < cy1; ++cy)
                    for (std::int64_t cx = cx0; cx < cx1; ++cx) {
                        Rectangle r = RectangleCase(Monde, static_cast<std::int32_t>(cx), static_cast<std::int32_t>(cy),
                                                    static_cast<std::int16_t>(f));
                        if (r.Vide() || r.Droite > feuille_->Largeur() || r.Bas > feuille_->Hauteur()) continue;
                        bloc.Copier(static_cast<std::int32_t>(cx * LargeurCase - gx),
                                    static_cast<std::int32_t>(cy * HauteurCase - gy), *feuille_, r, true);
                    }
                // The share counts the blocks finished before this one, so
                // the texts start at 00.
                if (progression) {
                    const double part = Arrondi(100.0 * static_cast<double>(Blocs_.size()) / static_cast<double>(total));
                    char texte[64];
                    std::snprintf(texte, sizeof texte, "Optimisation de l'affichage %02d %%", static_cast<int>(part));
                    progression(80, texte);
                }
                BlocsPleins_.push_back(std::find(bloc.Pixels().begin(), bloc.Pixels().end(), 0) == bloc.Pixels().end());
                Blocs_.push_back(std::move(bloc));
            }
    blocsA_ = static_cast<std::int32_t>(A);
    blocsD_ = static_cast<std::int32_t>(D);
    blocsF_ = static_cast<std::int32_t>(F);
    return true;
}
