// The screen device: the resolutions offered (Ini_Ecran), the chosen one,
// windowed or full screen, and at each game start the back buffer SurfBack
// into which every frame is drawn, with its scratch twin SurfTemp. Showing
// the back buffer belongs to the engine window (SortieEcran).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Surface.h"

class DossierJeu;
class Graphique;
class SortieEcran;

class ClsPerEcran {
public:
    // Reads Ini_Ecran; throws ErreurFichier when a resolution's width or
    // height is not a number, or when no usable resolution is listed.
    explicit ClsPerEcran(DossierJeu& dossier);

    std::string FichierIni = "Ini_Ecran";
    std::string SectionIni = "Ecran";
    bool ModeFenetre = true;
    std::int16_t NoResolution = 0;

    // What the player is told when the screen cannot be set up: the first
    // for any failure (followed by the file and its fault when the
    // background picture is to blame), the second also when no back buffer
    // could be made at all.
    static constexpr const char* MessageErreurInit = "Une erreur a eu lieu durant l'initalisation de DirectDraw";
    static constexpr const char* MessageEchecSurface = "Echec de la création de la surface DirectDraw";

    // Opens the engine window at the chosen size (or full screen), and
    // makes SurfBack and SurfTemp from the background picture
    // "\Images\Fond<width>.bmp". Returns the messages the player must see,
    // in order (empty when all went well); the game goes on in any case,
    // with a plain back buffer of the chosen size when the picture is
    // missing.
    std::vector<std::string> Init(Graphique& dd, SortieEcran* fenetre, Surface& SurfBack, Surface& SurfTemp,
                                  Rectangle& MonFond);
    void Femer_Ecran(SortieEcran* fenetre);

    std::int32_t Width() const { return largeur_; }
    std::int32_t Height() const { return hauteur_; }
    void Width(std::int32_t v) { largeur_ = v; }
    void Height(std::int32_t v) { hauteur_ = v; }

    std::int16_t Nombre_Resolutions() const { return static_cast<std::int16_t>(LargeursResolution.size()); }
    // Width and height of entry Valeur (0-based); 0 outside the table.
    std::int32_t Definir_ResolutionX(std::int32_t Valeur) const;
    std::int32_t Definir_ResolutionY(std::int32_t Valeur) const;
    std::int16_t Definir_Resolution() const { return NoResolution; }
    // Stores the chosen entry and writes it (1-based) to the file at once;
    // the size in use changes at the next start of the program. An entry
    // outside the table is refused (false).
    bool Definir_Resolution(std::int32_t Valeur);

    std::vector<std::int16_t> LargeursResolution;
    std::vector<std::int16_t> HauteursResolution;

private:
    DossierJeu* dossier_;
    std::int32_t largeur_ = 0;
    std::int32_t hauteur_ = 0;
};
