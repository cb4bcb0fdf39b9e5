// The in-game interface of one human player: head-up display, buttons,
// six windows, display options, automatic-recovery switches, item
// shortcuts and the making queue. Every position, size, colour, count and
// tooltip comes from the layout file Ini_Interface<width>[_J<player>].ini,
// so the whole HUD is data. The engine keeps one per local player.
//
// Set-up runs in three steps: the constructor, Init1 (reads the layout
// file), Init2 (pictures, buttons, windows). Drawing is in
// ClsInterface_Affichage.cpp, the hit test in ClsInterface_Boutons.cpp,
// the window buttons in ClsInterface_Fenetres.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "characters/ModDialogue.h"
#include "display/ClsAffObjets.h"
#include "display/Vue.h"
#include "interface/ClsAffBouton.h"
#include "interface/ClsIntBouton.h"
#include "interface/ClsIntFenetre.h"
#include "interface/ClsIntMessage.h"
#include "interface/LiensMoteur.h"
#include "saves/OptionsInterface.h"

class ClsJeuBatiment;
class ClsJeuFief;
class ClsJeuParam;
class ClsJeuPerso;
class ClsPerEcran;
class DossierJeu;
class Graphique;
class ModMain;
class Surface;

// Interface action codes handed to the main loop by the hit test.
inline constexpr std::int16_t ActionInterface_Aucune = 0;
inline constexpr std::int16_t ActionInterface_Construire = 1;  // build button i: i, up to the last
inline constexpr std::int16_t ActionInterface_ConstruireDernier = 99;
inline constexpr std::int16_t ActionInterface_RentrerMaison = 101;
inline constexpr std::int16_t ActionInterface_RentrerChateau = 200;
inline constexpr std::int16_t ActionInterface_Traitee = 999;

// Window kinds.
inline constexpr std::int16_t FenetreBatiment = 0;
inline constexpr std::int16_t FenetreRessources = 1;
inline constexpr std::int16_t FenetrePersonnage = 2;
inline constexpr std::int16_t FenetreCompetences = 3;
inline constexpr std::int16_t FenetreInventaire = 4;
inline constexpr std::int16_t FenetreBestiaire = 5;

// The mouse and keys of one player for one pass of the hit test.
struct EntreeInterface {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool ClicGauche = false;     // left button clicked this pass
    bool ClicDroit = false;      // right button clicked this pass
    bool GaucheEnfonce = false;  // left button held
    bool Ctrl = false;
    bool Shift = false;
    bool Alt = false;
    // Set by the main loop: a hovered item slot may take the pressed digit
    // key as its shortcut.
    bool AssocierTouche = false;
};

class ClsInterface {
public:
    // Main: the world (characters, buildings, fiefs, rules, AI). Ecran: the
    // screen whose width chooses the layout file.
    ClsInterface(ModMain& Main, const ClsPerEcran& Ecran);

    // ---- Public fields ----
    std::int16_t RectangleSelectionMinX = 0;
    std::int16_t RectangleSelectionMinY = 0;
    bool AfficherCadre = false;
    std::int16_t NombreBoutonsBarresStatut = 0;
    bool AfficherBoutonsConstruire = false;
    // Written by the hit test: the cursor is over an item slot.
    bool SourisSurObjet = false;
    // The engine's services (pause, save, screenshot...); may stay empty.
    LiensMoteur Moteur;

    // ---- Set-up (ClsInterface.cpp) ----
    // The two-player layout of the screen's width exists.
    static bool ModeDuoPossible(DossierJeu& Dossier, const ClsPerEcran& Ecran);
    // Chooses and reads the layout file. Throws ErreurFichier (every fault
    // of the file listed) when a switch is missing or a number is out of
    // range.
    void Init1(std::int16_t NumeroJoueur, std::int16_t NombreJoueurs);
    // Pictures, buttons and windows.
    void Init2(Graphique& dd, const ClsPerEcran& Ecran, const ClsJeuParam& Parametres);
    // The same without pictures (headless tests and tools): sheets take the
    // cell sizes of Ini_Boutons and draw nothing.
    void Init2(const ClsPerEcran& Ecran, const ClsJeuParam& Parametres);
    const std::string& FichierInterface() const { return fichierInterface_; }

    // ---- Drawing (ClsInterface_Affichage.cpp) ----
    // The whole HUD of the player for one frame. NoPerso: the player's
    // character; NoMaison: the house the building window shows (-1 none).
    void Afficher(std::int32_t NoPerso, std::int32_t NoMaison, Surface& SurfBack);
    void Afficher_Objet_Curseur(ClsJeuPerso& Perso, std::int32_t X, std::int32_t Y, Surface& SurfBack);
    void Afficher_FPS(std::int16_t NombreFrames, Surface& SurfBack);
    // One bar at (X, Y) of the view, cut to the view. Couleur 0: coloured by
    // the filled ratio.
    void Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X, std::int32_t Y,
                               Surface& SurfBack, const Vue& vue, std::int32_t Largeur, std::int32_t Hauteur,
                               std::uint32_t Couleur, bool Vertical);
    void Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, const std::string& Message, Surface& SurfBack);
    // The colour of a bar filled at Ratio when no colour is given.
    static std::uint32_t Couleur_Barre(double Ratio);

    // ---- Upkeep (ClsInterface.cpp) ----
    void Actualiser();
    std::int32_t Actions_Automatiques(ClsJeuPerso& Perso, ClsJeuBatiment& Maison, const ClsJeuParam& Parametres);
    const std::string& TexteStastistiques() const { return texteStastistiques_; }
    std::int32_t StastistiquesHaut() const { return stastistiquesHaut_; }
    std::deque<std::int16_t> FileFabricationObjets;
    // The turns in which an automatic order last went (network game).
    std::array<std::int32_t, 4> ToursRecuperation{-1, -1, -1, -1};
    std::int32_t TourFabrication = -1;

    // ---- Hit test (ClsInterface_Boutons.cpp) ----
    // Draws the HUD, then tests the cursor against every element, runs the
    // clicked element's effect and writes the action code (and the chosen
    // build button with a build code). Touche: the key pressed this pass,
    // cleared when it binds an item shortcut. NoFief: the fief of castle
    // trade. Returns true when the cursor is over the interface.
    bool Interieur_Boutons(const EntreeInterface& Entree, std::int16_t& CodeAction, std::int16_t& BoutonConstruire,
                           std::int32_t NoPerso, std::int32_t NoFief, std::int16_t& Touche, bool& SelectionActive,
                           ModDialogue::Groupe& Selection, Surface& SurfBack);
    static bool Interieur_Rectangle(std::int32_t X, std::int32_t Y, std::int32_t Gauche, std::int32_t Haut,
                                    std::int32_t Largeur, std::int32_t Hauteur);
    void Defilement_Haut(std::int16_t NoFenetre, bool Fabrique = false);
    void Defilement_Bas(std::int16_t NoFenetre, bool Fabrique = false);

    // ---- Options and windows (ClsInterface_Options.cpp) ----
    bool Affichage_PleinEcran() const { return pleinEcran_; }
    void Affichage_PleinEcran(bool Valeur);
    bool Fenetres_Visible(std::int16_t Index) const;
    void Fenetres_Visible(std::int16_t Index, bool Valeur);
    void Actionner_Boutons_Infos(std::int16_t Index);
    void Fermer_Toutes_les_fenetres();
    bool AutoRecuperation_Carac(std::int16_t Index) const { return Options.AutoRecuperation_Carac(Index); }
    void AutoRecuperation_Carac(std::int16_t Index, bool Valeur) { Options.AutoRecuperation_Carac(Index, Valeur); }
    std::int16_t Touches_Raccourci_Objets(std::int16_t Index) const { return Options.Touches_Raccourci_Objets(Index); }
    void Touches_Raccourci_Objets(std::int16_t Index, std::int16_t Valeur) {
        Options.Touches_Raccourci_Objets(Index, Valeur);
    }

    bool Definir_AfficherCadre() const { return AfficherCadre; }
    void Definir_AfficherCadre(bool Valeur);
    bool Definir_AfficherEpoques() const { return AfficherEpoques; }
    void Definir_AfficherEpoques(bool Valeur);
    bool Definir_AfficherFPS() const { return AfficherFPS; }
    void Definir_AfficherFPS(bool Valeur);
    bool Definir_AfficherAction() const { return AfficherAction; }
    void Definir_AfficherAction(bool Valeur);
    bool Definir_AfficherBarresStatut() const { return AfficherBarresStatut; }
    void Definir_AfficherBarresStatut(bool Valeur);
    bool Definir_AfficherBoutonsInfos() const { return AfficherBoutonsInfos; }
    void Definir_AfficherBoutonsInfos(bool Valeur);
    bool Definir_AfficherBoutonsDeplacement() const { return AfficherBoutonsDeplacement; }
    void Definir_AfficherBoutonsDeplacement(bool Valeur);
    bool Definir_MasquerAutoBoutonsConstruire() const { return MasquerAutoBoutonsConstruire; }
    void Definir_MasquerAutoBoutonsConstruire(bool Valeur);
    bool Definir_AfficherMessageModeAuto() const { return AfficherMessageModeAuto; }
    void Definir_AfficherMessageModeAuto(bool Valeur);
    bool Definir_AfficherInfoBulleTerrain() const { return AfficherInfoBulleTerrain; }
    void Definir_AfficherInfoBulleTerrain(bool Valeur);
    bool Definir_AfficherStastistiques() const { return AfficherStastistiques; }
    void Definir_AfficherStastistiques(bool Valeur);

    // The switches and shortcuts the character file keeps.
    OptionsInterface Options;

    // ---- Read by tests and the engine ----
    const std::vector<ClsIntBouton>& BoutonsConstruire() const { return boutonsConstruire_; }
    const std::vector<ClsIntBouton>& BoutonsInfos() const { return boutonsInfos_; }
    const std::vector<ClsIntBouton>& BoutonsMenu() const { return boutonsMenu_; }
    const std::vector<ClsIntBouton>& BoutonsDeplacement() const { return boutonsDeplacement_; }
    const std::vector<ClsIntBouton>& BoutonsBarresStatut() const { return boutonsBarresStatut_; }
    std::int16_t NombreBoutonsConstruire() const { return static_cast<std::int16_t>(boutonsConstruire_.size()); }
    std::vector<ClsIntFenetre>& Fenetres() { return fenetres_; }
    const std::vector<ClsIntFenetre>& Fenetres() const { return fenetres_; }
    const std::vector<std::int16_t>& EtatsBoutonsConstruire() const { return etatsBoutonsConstruire_; }
    // The full-screen view the HUD is drawn in.
    const Vue& VueEcran() const { return vueEcran_; }

private:
    // ---- Layout file keys ----
    std::int16_t BordureGauche = 0, BordureDroite = 0, BordureHaut = 0, BordureBas = 0;
    std::int16_t NombreFenetres = 0;
    std::int16_t LargeurFenetres = 0, HauteurFenetres = 0;
    std::vector<std::int16_t> FenetresPositionX, FenetresPositionY;
    bool AfficherEpoques = false;
    std::int16_t EpoquePositionX = 0, EpoquePositionY = 0;
    bool AfficherFPS = false;
    std::uint32_t FPSCouleur = 0;
    std::string FPSMessage;
    std::int16_t FPSPositionX = 0, FPSPositionY = 0;
    bool AfficherAction = false;
    std::int16_t MessageActionPositionX = 0, MessageActionPositionY = 0;
    std::int16_t MessageActionCouleur = 0;
    std::int16_t ViePositionX = 0, ViePositionY = 0, EnergiePositionX = 0, EnergiePositionY = 0;
    std::int16_t MagiePositionX = 0, MagiePositionY = 0, MoralPositionX = 0, MoralPositionY = 0;
    bool AfficherBarresStatut = false;
    std::int16_t BarresStatutDecalageX = 0, BarresStatutDecalageY = 0;
    std::int16_t BarresStatutLargeur = 0, BarresStatutHauteur = 0;
    std::int16_t BarresStatutContourEpaisseur = 0;
    std::uint32_t BarresStatutContourCouleur = 0;
    std::string BarresStatutFormatCarac;
    std::string BoutonDemolirEtiquette;
    std::int16_t BoutonConstruirePositionX = 0, BoutonConstruirePositionY = 0;
    std::int16_t BoutonConstruireIntervalX = 0, BoutonConstruireIntervalY = 0;
    std::int16_t BoutonConstruireNombreColonnes = 1;
    std::int16_t BoutonConstruireColonneIntervalX = 0, BoutonConstruireColonneIntervalY = 0;
    bool MasquerAutoBoutonsConstruire = false;
    std::int16_t MasquerAutoBoutonsConstruireDecalageX = 0, MasquerAutoBoutonsConstruireDecalageY = 0;
    std::int16_t MasquerAutoBoutonsConstruireDuree = 1;
    bool AfficherBoutonsInfos = false;
    std::int16_t NombreBoutonsInfos = 0;
    bool BoutonInfosTransparents = false;
    std::int16_t BoutonInfosPositionX = 0, BoutonInfosPositionY = 0, BoutonInfosIntervalX = 0,
                 BoutonInfosIntervalY = 0;
    std::vector<std::string> BoutonInfosInfoBulle;
    bool AfficherBoutonsMenu = false;
    std::int16_t NombreBoutonsMenu = 0;
    bool BoutonMenuTransparents = false;
    std::int16_t BoutonMenuPositionX = 0, BoutonMenuPositionY = 0, BoutonMenuIntervalX = 0, BoutonMenuIntervalY = 0;
    std::vector<std::string> BoutonMenuInfoBulle;
    bool AfficherBoutonsDeplacement = false;
    std::int16_t NombreBoutonsDeplacement = 0;
    std::int16_t BoutonDeplacementPositionX = 0, BoutonDeplacementPositionY = 0;
    std::int16_t BoutonDeplacementIntervalX = 0, BoutonDeplacementIntervalY = 0;
    std::int16_t BoutonDeplacementNombreColonnes = 1;
    std::int16_t BoutonDeplacementColonneIntervalX = 0, BoutonDeplacementColonneIntervalY = 0;
    std::vector<std::string> BoutonDeplacementInfoBulle;
    bool AfficherMessageModeAuto = false;
    std::uint32_t MessageModeAutoCouleur = 0;
    std::string MessageModeAutoMessage;
    std::int16_t MessageModeAutoPositionX = 0, MessageModeAutoPositionY = 0;
    bool AfficherInfoBulleTerrain = false;
    bool AfficherStastistiques = false;
    std::uint32_t CouleurStastistiques = 0;
    std::int16_t StastistiquesPositionX = 0, StastistiquesPositionY = 0;

    // ---- State ----
    ModMain* main_;
    const ClsPerEcran* ecran_;
    std::string fichierInterface_;
    std::string sectionInterface_ = "Interface";
    bool pleinEcran_ = false;
    // The nine display flags as set-up read them, restored by full view off.
    std::array<bool, 9> affichageSauvegarde_{};
    std::string texteStastistiques_;
    std::int32_t stastistiquesHaut_ = 0;
    bool boutonsConstruireSortis_ = false;
    Vue vueEcran_;
    StyleInfoBulle style_;
    bool init2Fait_ = false;

    ClsAffObjets AffObjets;
    ClsAffFenetre AffCadre;
    ClsAffFenetre AffFenetres;
    ClsAffBouton AffBoutonsConstruire;
    ClsAffBouton AffBoutonsInfos;
    ClsAffBouton AffBoutonsMenu;
    ClsAffBouton AffBoutonsDeplacement;
    ClsIntMessage AffTexte;

    std::vector<ClsIntBouton> boutonsConstruire_;
    std::vector<std::int16_t> etatsBoutonsConstruire_;
    std::vector<ClsIntBouton> boutonsBarresStatut_;
    std::vector<ClsIntBouton> boutonsInfos_;
    std::vector<ClsIntBouton> boutonsMenu_;
    std::vector<ClsIntBouton> boutonsDeplacement_;
    std::vector<ClsIntFenetre> fenetres_;

    void texte_Stastistiques(const std::string& Texte, std::int32_t Lignes);
    // Set-up steps shared by both Init2.
    void Init2_Boutons(const ClsJeuParam& Parametres, const ClsAffBouton::Tailles& Tailles);
    void Ecrire_Option(const char* Cle, bool Valeur);
    bool ImagesChargees_ = false;

    // Drawing helpers (ClsInterface_Affichage.cpp).
    void Afficher_Boutons_Deplacement(const ClsJeuPerso& Perso, Surface& SurfBack);
    void Afficher_Boutons_Construire(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison,
                                     const ClsJeuFief* Fief, Surface& SurfBack);
    void Afficher_Action(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison, Surface& SurfBack);
    void Afficher_Barres(const ClsJeuPerso& Perso, Surface& SurfBack);
    void Afficher_Fenetres(ClsJeuPerso& Perso, std::int32_t NoMaison, Surface& SurfBack);
    void Afficher_Contenu_Fenetre(std::int16_t Fenetre, ClsJeuPerso& Perso, std::int32_t NoMaison,
                                  Surface& SurfBack);
    // The panels of the windows (ClsInterface_Fenetres.cpp), one a window
    // kind, called by Afficher_Contenu_Fenetre.
    struct PinceauFenetre;
    void Afficher_Fenetre_Chateau(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Fenetre_Maison(PinceauFenetre& Fen, ClsJeuPerso& Perso, ClsJeuBatiment& Maison);
    void Afficher_Fenetre_Ressources(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Fenetre_Personnage(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Fenetre_Competences(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Fenetre_Inventaire(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Fenetre_Bestiaire(PinceauFenetre& Fen, ClsJeuPerso& Perso);
    void Afficher_Commerce(ClsIntFenetre& f, const ClsJeuPerso& Perso, ClsJeuBatiment& Maison, Surface& SurfBack);
    void Afficher_Defilement(ClsIntFenetre& f, std::int32_t LigneMax, bool Fabrique, Surface& SurfBack);
    void Afficher_Fabrication(ClsIntFenetre& f, const ClsJeuPerso& Perso, const ClsJeuBatiment& Maison,
                              const ClsJeuFief* Fief, Surface& SurfBack);

public:
    // The action line of the HUD for the character.
    std::string Texte_Action(const ClsJeuPerso& Perso, const ClsJeuBatiment* SaMaison) const;

private:
    std::string Info_Bulle_Construire(std::int16_t i, const ClsJeuPerso& Perso) const;
    void Action_Bouton_Deplacement(std::int16_t i, const EntreeInterface& E, std::int16_t& CodeAction,
                                   ClsJeuPerso& Perso, std::int32_t NoPerso, bool& SelectionActive,
                                   ModDialogue::Groupe& Selection);
    // The window families of the hit test (ClsInterface_FenetresBoutons.cpp):
    // Interieur_Fenetres runs one function per window and panel below and
    // returns the handled flag.
    struct CibleFenetres;
    void Interieur_Fenetre_Ressources(CibleFenetres& Cible);
    void Interieur_Vente_Chateau(CibleFenetres& Cible);
    void Interieur_Fenetre_Batiment(CibleFenetres& Cible);
    void Interieur_Marche_Chateau(CibleFenetres& Cible);
    void Interieur_Maison_Propre(CibleFenetres& Cible);
    void Interieur_Magasin_Visite(CibleFenetres& Cible);
    void Interieur_Objets_Maison(CibleFenetres& Cible);
    void Interieur_Fenetre_Inventaire(CibleFenetres& Cible);
    bool Interieur_Fenetres(const EntreeInterface& E, std::int16_t& CodeAction, ClsJeuPerso& Perso,
                            std::int32_t NoPerso, std::int32_t NoFief, std::int16_t& Touche, bool Traite,
                            Surface& SurfBack);
    bool Boutons_Defilement(const EntreeInterface& E, std::int16_t NoFenetre, std::int16_t& CodeAction, bool Fabrique,
                            Surface& SurfBack);
    // The item slots: a click is the character's order (the apply function
    // of the order layer); hover frames and tooltips stay here.
    bool Emplacements_Objets(const EntreeInterface& E, std::int16_t& CodeAction, ClsJeuPerso& Perso,
                             std::int32_t NoPerso, std::int16_t& Touche, Surface& SurfBack);

public:
    // The tooltip text of an item type as it works for the character.
    std::string Description_Objet(std::int16_t TypeObjet, const ClsJeuPerso& Perso, bool Inventaire) const;

private:
};
