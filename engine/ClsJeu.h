// The settings that pace and shape a game (Ini_Jeu, section [Vitesse]):
// ticks per second, frames per second and the ranges the options window
// offers, fast display, ghosts of non-player characters, the two-player
// modes, and the pause flag of the running game (never stored).
#pragma once

#include <cstdint>
#include <string>

class DossierJeu;

class ClsJeu {
public:
    // Reads Ini_Jeu; a missing file or key reads 0 / false.
    explicit ClsJeu(DossierJeu& dossier);

    std::int16_t FPSMin = 0;
    std::int16_t FPSMax = 0;
    std::int16_t VitesseMin = 0;
    std::int16_t VitesseMax = 0;
    bool Pause = false;
    bool AfficherFantomesPNJ = false;

    // Each setter stores the value unchanged (the ranges bind only the
    // options window's sliders) and writes its key at once.
    std::int16_t Definir_FPS() const { return FPS; }
    void Definir_FPS(std::int16_t Valeur);
    std::int16_t Definir_Vitesse() const { return Vitesse; }
    void Definir_Vitesse(std::int16_t Valeur);
    bool Definir_AffichageRapide() const { return AffichageRapide; }
    void Definir_AffichageRapide(bool Valeur);
    bool Definir_AfficherFantomesPNJ() const { return AfficherFantomesPNJ; }
    void Definir_AfficherFantomesPNJ(bool Valeur);
    bool Definir_Mode2Joueurs() const { return Mode2Joueurs; }
    void Definir_Mode2Joueurs(bool Valeur);
    bool Definir_Mode2JoueursEcranSepares() const { return Mode2JoueursEcranSepares; }
    void Definir_Mode2JoueursEcranSepares(bool Valeur);

    // The seconds between two ticks and between two frames. A speed or a
    // frame rate of 0 or less (a broken or missing file) would mean an
    // infinite wait or a division by zero: it counts as 1 per second.
    double IntervalleTour() const;
    double IntervalleTrame() const;

    static constexpr const char* FichierIni = "Ini_Jeu";
    static constexpr const char* SectionIni = "Vitesse";

private:
    void Ecrire(const char* cle, const std::string& valeur);

    DossierJeu* dossier_;
    bool AffichageRapide = false;
    std::int16_t FPS = 0;
    std::int16_t Vitesse = 0;
    bool Mode2Joueurs = false;
    bool Mode2JoueursEcranSepares = false;
};
