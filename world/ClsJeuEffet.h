// One animated visual effect, attached to a character (EffetsPersos) or a
// house (EffetsMaisons). Started by the rules of play and by the services
// of buildings, advanced once per tick.
#pragma once

#include <cstdint>

class ClsJeuParam;

class ClsJeuEffet {
public:
    // ---- Public fields, in their declared order ----
    std::int16_t TypeEffet = 0;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    double DureeEtape = 1.0;  // ticks per animation step
    std::int16_t NombreEtapes = 0;
    double Etape = 0.0;
    bool Actif = false;

    // Starts effect Type centred on the rectangle, unless one is running
    // and Forcer is False. A type outside the rules' table is ignored.
    void Activer_Effet(std::int16_t Type, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                       std::int32_t Hauteur, const ClsJeuParam& Parametres, bool Forcer);
    // The frame to draw: the step rounded, kept within 0..NombreEtapes - 1.
    std::int16_t Etape_Effet() const;
    // One tick of animation.
    void Etape_Suivante();
};
