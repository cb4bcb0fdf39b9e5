#include "display/ClsAffChargement.h"

#include <algorithm>

#include "display/ClsAffSouris.h"
#include "platform/CacheGlyphes.h"
#include "platform/Graphique.h"
#include "platform/Nombres.h"

std::uint32_t ClsAffChargement::CouleurBarre(std::int16_t Pourcentage) {
    // The game's own scale: black at 0 %, a warm orange at 50 %, green at
    // 100 %, read as 0xBBGGRR.
    return static_cast<std::uint32_t>(Arrondi(Pourcentage * 2.5 * 255.0)) & 0xFFFFFFu;
}

void ClsAffChargement::BulleParDefaut(std::int32_t X, std::int32_t Y, std::string_view Texte, Surface& SurfBack) {
    if (Texte.empty()) return;
    std::size_t n = 0;
    for (std::size_t i = 0; i < Texte.size();) {
        LireCaractereUtf8(Texte, i);
        ++n;
    }
    const std::int32_t l = static_cast<std::int32_t>(n) * CacheGlyphes::LargeurCellule + 8;
    const std::int32_t h = CacheGlyphes::HauteurCellule + 4;
    // Beside the cursor's arrow, kept on the screen.
    std::int32_t x = std::clamp(X + 20, 0, std::max(0, SurfBack.Largeur() - l));
    std::int32_t y = std::clamp(Y + 20, 0, std::max(0, SurfBack.Hauteur() - h));
    SurfBack.BoiteArrondie(x, y, x + l, y + h, 4, 4, 0x3A5A78, 0xD8ECF4);
    SurfBack.Texte(x + 4, y + 2, Texte, 0x2A2A30);
}

bool ClsAffChargement::Afficher_Image_Chargement(Graphique& dd, std::int16_t Pourcentage, std::string_view Texte,
                                                 Surface& SurfBack, const Vue& vue, std::int32_t LargeurEcran,
                                                 std::int32_t HauteurEcran, ClsAffSouris* AffSouris,
                                                 std::int32_t SourisX, std::int32_t SourisY) {
    const std::string fichier = "Fenetres\\Chargement" + std::to_string(LargeurEcran);
    if (!dd.Existe(ClsAffSprite::CheminImage() + fichier + ClsAffSprite::Extension_Image())) return false;
    Pourcentage = std::clamp<std::int16_t>(Pourcentage, 0, 100);

    if (Pourcentage == 0) {
        try {
            auto sprite = std::make_unique<ClsAffSprite>();
            sprite->Charger(dd, fichier);
            FondChargement = std::move(sprite);
        } catch (const ErreurImage&) {
            // The frame is drawn without its picture.
        }
    }
    const std::uint32_t couleur = CouleurBarre(Pourcentage);
    SurfBack.RemplirRectangle(0, 0, LargeurEcran, HauteurEcran, 0);
    const std::int32_t droite = static_cast<std::int32_t>(Arrondi(vue.LargeurVue * static_cast<double>(Pourcentage) / 100.0));
    if (droite > 0) SurfBack.Boite(0, vue.HauteurVue - 101, droite, vue.HauteurVue, couleur, couleur);
    if (FondChargement) {
        FondChargement->Selection(0, vue.HauteurVue, 0, vue.LargeurVue);
        FondChargement->Afficher(0, 0, SurfBack, vue, true);
    }
    if (AffSouris) AffSouris->Afficher(SourisX, SourisY, 0, SurfBack, vue);
    if (AfficherBulle) AfficherBulle(SourisX, SourisY, Texte, SurfBack);
    else BulleParDefaut(SourisX, SourisY, Texte, SurfBack);
    return true;
}
