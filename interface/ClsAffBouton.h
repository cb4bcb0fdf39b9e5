// Button sheets and window pictures of the in-game interface. A button
// sheet ("Images\Boutons\<name>.bmp") has one column per button of a
// family and one row per state (0 off, 1 on, 2 not yet available); a
// window picture ("Images\Fenetres\<name>.bmp") has one column per variant.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "display/ClsAffSprite.h"

class DossierJeu;
class Graphique;

class ClsAffBouton {
public:
    // The ten kinds of sheet: 0 Construire, 1 Infos, 2 Action, 3
    // Deplacement, 4 Commerce, 5 Transfert, 6 Defilement, 7 Menu, 8 and 9
    // the same scroll picture cut into bar and square cells.
    static constexpr std::int16_t NombreTypes = 10;
    static std::string Nom_Image(std::int16_t TypeBouton);

    // Cell sizes of every kind, from Ini_Boutons (section "Boutons").
    struct Tailles {
        std::array<std::int16_t, NombreTypes> Largeur{};
        std::array<std::int16_t, NombreTypes> Hauteur{};
        // Throws ErreurFichier naming the keys that are not numbers.
        static Tailles Lire(DossierJeu& Dossier);
    };

    std::int32_t Largeur = 0;
    std::int32_t Hauteur = 0;

    // Takes the kind's cell size and loads its picture (ErreurImage when
    // the picture is missing).
    void Charger(Graphique& dd, std::int16_t TypeBouton);
    // The same with sizes and picture at hand (tests, tools).
    void Charger(std::int16_t TypeBouton, const Tailles& tailles, Surface Image);
    // Cell (TypeBouton, Etat) at (X, Y) of the back buffer.
    void Afficher(std::int32_t X, std::int32_t Y, std::int32_t TypeBouton, std::int16_t Etat, Surface& SurfBack,
                  bool Transparent = false);
    std::int16_t Type() const { return type_; }
    bool Charge() const { return sprite_.Charge(); }

private:
    ClsAffSprite sprite_;
    std::int16_t type_ = 0;
};

class ClsAffFenetre {
public:
    // Cell size, set by the owner after loading.
    std::int32_t Largeur = 0;
    std::int32_t Hauteur = 0;

    void Charger(Graphique& dd, const std::string& Nom);
    void Charger(Surface Image);
    // Column TypeFenetre at (X, Y), always colour-keyed.
    void Afficher(std::int32_t X, std::int32_t Y, Surface& SurfBack, std::int16_t TypeFenetre = 0);
    bool Charge() const { return sprite_.Charge(); }

private:
    ClsAffSprite sprite_;
};
