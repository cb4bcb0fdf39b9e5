#include "devices/ModCapture.h"

#include <cstdio>
#include <string>

#include "display/ClsAffTerrain.h"
#include "display/Vue.h"
#include "platform/ImageBMP.h"
#include "platform/PressePapiers.h"
#include "platform/Surface.h"
#include "world/ClsJeuMonde.h"

bool CopierEcranPressePapiers(const Surface& SurfBack, PressePapiers& pressePapiers) {
    if (SurfBack.Vide()) return false;
    return pressePapiers.MettreImage(SurfBack);
}

std::string NomCapture(std::int32_t n) {
    char nom[32];
    std::snprintf(nom, sizeof nom, "Capture%03d.bmp", static_cast<int>(n));
    return nom;
}

std::int32_t GigaCapture(const std::filesystem::path& dossierJeu, const ClsJeuMonde& Monde,
                         const ClsAffTerrain& AffTerrain, Surface& SurfBack, std::int32_t& VueX,
                         std::int32_t& VueY, const CoucheCapture& couches) {
    const std::int64_t largeurEcran = SurfBack.Largeur(), hauteurEcran = SurfBack.Hauteur();
    const std::int64_t largeurCarte = static_cast<std::int64_t>(Monde.LargeurCarte) * AffTerrain.LargeurCase;
    const std::int64_t hauteurCarte = static_cast<std::int64_t>(Monde.HauteurCarte) * AffTerrain.HauteurCase;
    // A screen of no size would never advance.
    if (largeurEcran <= 0 || hauteurEcran <= 0 || largeurCarte <= 0 || hauteurCarte <= 0) return 0;
    std::int32_t compteur = 0;
    for (std::int64_t x = 0; x <= largeurCarte; x += largeurEcran) {
        for (std::int64_t y = 0; y <= hauteurCarte; y += hauteurEcran) {
            std::int64_t cx = x, cy = y;
            if (cx > largeurCarte - largeurEcran) cx = largeurCarte - largeurEcran;
            else if (cx < 0) cx = 0;
            if (cy > hauteurCarte - hauteurEcran) cy = hauteurCarte - hauteurEcran;
            else if (cy < 0) cy = 0;
            VueX = static_cast<std::int32_t>(cx);
            VueY = static_cast<std::int32_t>(cy);
            // Beyond a small map's edge the picture is black, not the
            // previous tile.
            SurfBack.RemplirPixel565(0);
            const Vue ecran{static_cast<std::int32_t>(largeurEcran), static_cast<std::int32_t>(hauteurEcran), 0, 0};
            if (Monde.TerrainOptimise && AffTerrain.BlocsPrets())
                AffTerrain.AfficheVeryFast(0, 0, VueX, VueY, ecran.LargeurVue, ecran.HauteurVue, SurfBack, ecran, Monde);
            else
                AffTerrain.AfficheFast(0, 0, VueX, VueY, ecran.LargeurVue, ecran.HauteurVue, SurfBack, ecran, Monde);
            if (couches.DessinerCouches) couches.DessinerCouches(ecran);
            if (couches.Presenter) couches.Presenter();
            if (couches.VersPressePapiers) CopierEcranPressePapiers(SurfBack, *couches.VersPressePapiers);
            if (!EcrireBMP(SurfBack, dossierJeu / NomCapture(compteur))) return compteur;
            ++compteur;
        }
    }
    return compteur;
}
