// The game's key bindings (Ini_Touches, 59 keys in a fixed order, each a
// DirectInput key code) and the dispatcher that turns the key pressed in a
// pass into an action: orders to the player's character and its summoned
// creatures, windows and view, soldier selection, item shortcuts, saving,
// screenshots and quitting.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "characters/ModDialogue.h"

class ClsInterface;
class ClsJeuMessages;
class DossierJeu;
class ModMain;

class ClsIntTouches {
public:
    static constexpr std::int16_t NombreTouches = 59;
    // Key names in the file's order.
    static const std::array<std::string_view, NombreTouches>& Noms();

    // Reads the bindings file (section "Touches"): the leading number of
    // each value, 0 for a missing or non-numeric one (it matches no key).
    // Throws ErreurFichier when a value does not fit a 16-bit code. Two
    // players sharing the keyboard each have their own file.
    explicit ClsIntTouches(DossierJeu& Dossier, std::string_view Fichier = "Ini_Touches");
    // The bindings file of local player Joueur (from 0) of Nombre:
    // Ini_Touches alone, Ini_Touches_J1 and Ini_Touches_J2 for two.
    static std::string Fichier_Joueur(std::int16_t Joueur, std::int16_t Nombre);

    std::int16_t ToucheQuitter = 0, ToucheZoomNormal = 0, ToucheZoomPlus = 0, ToucheZoomMoins = 0,
                 ToucheFenetreBatiment = 0, ToucheFenetrePersonnage = 0, ToucheFenetreRessources = 0,
                 ToucheFenetreCompetences = 0, ToucheFenetreInventaire = 0, ToucheFenetreBestiaire = 0,
                 ToucheFenetresFermer = 0, ToucheRetourChateau = 0, ToucheRetourMaison = 0;
    std::array<std::int16_t, 8> ToucheTrouverRessource{};
    std::int16_t ToucheTrouverAttaquerPerso = 0, ToucheTrouverAttaquerMaison = 0, ToucheTrouverAttaquerChateau = 0,
                 ToucheTrouverTresor = 0, ToucheModeAuto = 0, ToucheAide = 0, ToucheArret = 0, ToucheChargez = 0,
                 ToucheDefinirAttitude = 0, ToucheDefinirFormation = 0, ToucheArgentDeposer = 0,
                 ToucheArgentRecuperer = 0, ToucheDemolirMaison = 0, ToucheAfficherConseil = 0, ToucheMenu = 0,
                 ToucheCaptureEcran = 0, ToucheSauvegarderMonde = 0, ToucheInterfacePleinEcran = 0,
                 ToucheChangerPersonnage = 0, ToucheDirectionHaut = 0, ToucheDirectionBas = 0,
                 ToucheDirectionGauche = 0, ToucheDirectionDroite = 0, ToucheObjets = 0, NombreTouchesObjets = 0,
                 ToucheSoldatsToutes = 0, ToucheSoldatsMemeType = 0, ToucheSoldatsEnArme = 0, ToucheSoldatsEcran = 0,
                 ToucheSoldatsReposes = 0, ToucheSoldatsEnArret = 0, ToucheSoldatsRapides = 0,
                 ToucheSoldatsNonAffectees = 0, ToucheSoldatsTerrestres = 0, ToucheSoldatsVolants = 0,
                 ToucheSoldatsDefensifs = 0, ToucheSoldatsOffensifs = 0, ToucheSoldatsSupprimer = 0;

    // Alt + F4, whatever the bindings.
    static constexpr std::int16_t ToucheF4 = 62;

    // The key Touche was pressed this pass by the player whose character is
    // Main.Persos[NoPerso]. Interface and Messages are that player's; the
    // tip key and the item keys' hover test use the first local player's
    // (Interface0, Messages0). Switching character moves NoPerso (and the
    // characters' JoueurLocal flags). DernierPerso: the last index of
    // Persos (backward wrap). The quit key sets Main.FinPartie.
    void Presser_Touche(std::int16_t Touche, ModMain& Main, ClsInterface& Interface, ClsJeuMessages& Messages,
                        std::int32_t& NoPerso, std::int32_t DernierPerso, bool Ctrl, bool Shift, bool Alt,
                        bool& SelectionActive, ModDialogue::Groupe& Selection, std::int16_t NumeroJoueur = 0,
                        ClsInterface* Interface0 = nullptr, ClsJeuMessages* Messages0 = nullptr);

    // The field of key k (0-based, file order).
    std::int16_t& Touche(std::int16_t k);
    std::int16_t Touche(std::int16_t k) const;

private:
    bool Touches_Soldats(std::int16_t Touche, ModMain& Main, std::int32_t NoPerso, ClsInterface& Interface,
                         std::int16_t NumeroJoueur, bool& SelectionActive, ModDialogue::Groupe& Selection);
    void Touche_Objets(std::int16_t Touche, ModMain& Main, std::int32_t NoPerso, const ClsInterface& Interface0);
    void Changer_Personnage(ModMain& Main, std::int32_t& NoPerso, std::int32_t DernierPerso, bool Shift,
                            ClsInterface& Interface);
};
