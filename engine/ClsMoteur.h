// The game procedure of the engine window, without the window: the start
// and the end of a game, the passes of the main loop with its simulation
// tick and its frame, the views of one or two local players and their
// input, the world layers and overlays of a frame, unit selection and the
// end-of-game checks. Everything here is headless: the window layer hands
// it a clock, the devices, a way to wait for events and a screen to show
// the back buffer on, and tests hand it scripted ones.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "display/ClsAffBatiment.h"
#include "display/ClsAffChargement.h"
#include "display/ClsAffDecors.h"
#include "display/ClsAffEffet.h"
#include "display/ClsAffPerso.h"
#include "display/ClsAffRessources.h"
#include "display/ClsAffSouris.h"
#include "display/ClsAffSprite.h"
#include "display/ClsAffTerrain.h"
#include "display/ClsAffTresors.h"
#include "display/Vue.h"
#include "devices/ClsPerMusique.h"
#include "engine/InterfaceMoteur.h"
#include "engine/PeripheriquesMoteur.h"
#include "engine/SetupChoices.h"
#include "platform/Surface.h"

class ClsJeu;
class Graphique;
class PartieReseau;
class Horloge;
class ModMain;
class PressePapiers;
class SortieEcran;

// How the loop waits between two passes: for at most Secondes, returning
// early when a window event arrives, after letting pending events run.
class AttenteEvenements {
public:
    virtual ~AttenteEvenements() = default;
    virtual void Attendre(double Secondes) = 0;
    // Lets pending events run once, without waiting.
    virtual void Traiter() = 0;
};

// The per-player state of the engine window.
struct JoueurLocal {
    std::int32_t VueX = 0, VueY = 0;
    double SourisX = 0, SourisY = 0, SourisZ = 0;
    double DebutSelectionX = 0, DebutSelectionY = 0;
    // The buttons as this pass acts on them (what the last frame's hit
    // test has seen, see BoutonsPasse).
    bool CliqueGauche = false, CliqueDroit = false;
    bool SelectionEnCours = false, DeselectionEnCours = false;
    bool RelacheGauche = false, RelacheDroit = false;
    bool CurseurLibre = false;
    bool InterfaceUtilisee = false;
    bool SurInterface = false;
    bool SelectionEtendue = false;
    bool SelectionVisible = false;
    std::int16_t ModeCurseur = 0;
    std::int32_t CibleCurseur = 0;
    std::vector<std::int32_t> Selection;
    std::int32_t CodeAction = 0;
    std::int16_t BoutonConstruction = 0;
    // Button edges read from the devices wait in BoutonsTrame until a
    // frame's hit test has seen them, then in BoutonsPasse until a pass
    // acts on them: the hit test says whether the cursor is over the
    // interface and what a click there means, and only then can the pass
    // tell a click on a button from a click on the map. No edge is lost
    // to a pass that draws no frame.
    EtatBoutons BoutonsTrame, BoutonsPasse;
    bool Victoire = false;
    bool Defaite = false;
    // The victory picture (rows 0-199) over the defeat one (200-399).
    ClsAffSprite SpritesFin;
    std::unique_ptr<InterfaceMoteur> Interface = std::make_unique<InterfaceMoteur>();
};

class ClsMoteur {
public:
    ClsMoteur(ModMain& Main, ClsJeu& Jeu, Horloge& Horloge, PeripheriquesMoteur& Peripheriques);
    ~ClsMoteur();
    ClsMoteur(const ClsMoteur&) = delete;
    ClsMoteur& operator=(const ClsMoteur&) = delete;

    ModMain& Main;
    ClsJeu& Jeu;

    // ---- Plugged in by the window layer (all optional) ----
    SortieEcran* Sortie = nullptr;
    AttenteEvenements* Attente = nullptr;
    // The clipboard: each tile of a capture goes there before its file is
    // written, and the screen of each save (its preview).
    PressePapiers* PressePapiersJeu = nullptr;
    // The key dispatcher, once per pass for each local player (its own
    // bindings, its own character); without one, Escape (code 1) ends the
    // game.
    std::function<void(std::int16_t Joueur, std::int16_t Touche, bool Ctrl, bool Shift, bool Alt, bool& FinPartie)>
        Presser_Touche;
    std::function<void(std::int32_t Situation, bool Garder)> Jouer_Musique;
    std::function<void(std::int16_t Son)> Lire_Son;
    bool SonActif = false;
    // Saving the world on leaving (name, empty: made from the date).
    bool SavMondeEnQuittant = false;
    std::string SavMondeEnQuittantNom;
    std::function<void(const std::string& Nom)> Sauvegarder_Monde;
    // Writes the statistics page when so configured.
    std::function<void()> Creer_Document_Stastistiques;
    // Makes the interface of local player Joueur of Nombre; without it each
    // player gets the plain one.
    std::function<std::unique_ptr<InterfaceMoteur>(std::int16_t Joueur, std::int16_t Nombre)> CreerInterface;

    // ---- Start and end of a game ----
    // Sets up one game: players, views, the world from the setup choices,
    // the characters' looks, every sprite sheet (when dd is given; without
    // it the game runs and draws nothing of the world), the loading screen
    // along the way. False when the game cannot run (the setup set
    // FinPartie); the end steps still have to run.
    bool Demarrer(const SetupChoices& Choix, Graphique* dd, std::int32_t LargeurEcran, std::int32_t HauteurEcran);
    // The whole game: start, the loop until FinPartie, the end.
    void MoteurJeu(const SetupChoices& Choix, Graphique* dd, std::int32_t LargeurEcran, std::int32_t HauteurEcran);
    // The end of a game: heroes saved, then their interface options, the
    // world when so configured (only when player 0 neither won nor lost),
    // the statistics.
    void Terminer();

    // Photographs the whole map into Capture000.bmp... in the game folder
    // (world layers of player 0's view, no interface). Returns the number
    // of files written.
    std::int32_t Capture_Ecran();

    // ---- The loop ----
    // Runs passes until FinPartie, waiting between them for the next tick,
    // frame or window event.
    void Boucle();
    // One pass. Returns true when it drew a frame.
    bool Passe();
    // Seconds until the next tick or frame is due from now (0 when due).
    double Delai_Prochaine_Echeance() const;
    void Tour();
    void Trame();
    // Whether a tick is due for the time elapsed since the last tick, a
    // frame for the time since the last frame (both tests strict).
    bool Tour_Du(double Ecoule) const;
    bool Trame_Due(double Ecoule) const;
    // An input edge waits for a frame (drawn at once), or a frame has seen
    // one that waits for a pass (run at once).
    bool Entrees_Attendent_Trame() const;
    bool Entrees_Attendent_Passe() const;

    // ---- Views, split screen, input ----
    void Decision_Ecran_Separe();
    // Player i's view on the screen: its left edge and width (half the
    // screen for each player in split view, else the whole screen).
    std::int32_t Decalage_Vue(std::int16_t i) const;
    std::int32_t Largeur_Vue(std::int16_t i) const;
    // The map point under screen point (X, Y) of player i's view, the
    // zoom taken off around the view's centre.
    double Carte_X(std::int16_t i, double X) const;
    double Carte_Y(std::int16_t i, double Y) const;
    // Magnifies what is drawn of the world in the screen columns
    // [Gauche, Gauche + Largeur) by Zoom around their centre.
    void Agrandir_Vue(std::int32_t Gauche, std::int32_t Largeur);
    void Entrees_Joueur(std::int16_t i);
    void Centrer_Vue(std::int32_t X, std::int32_t Y, std::int32_t Largeur, std::int32_t Hauteur, std::int16_t p);
    void Verifier_Fin_Partie(std::int16_t i);
    bool Selectionner_Soldats(std::int16_t NoJoueur, bool Ajout = false, bool Suppression = false,
                              bool PleinEcran = false);

    // ---- World layers and overlays of one view ----
    void Afficher_Batiments(std::int16_t p);
    void Afficher_Ressources(std::int16_t p);
    void Afficher_Tresors(std::int16_t p);
    void Afficher_Decors(std::int16_t p);
    void Afficher_Persos(std::int16_t p, std::int16_t p2 = -1);
    void Afficher_Effets(std::int16_t p);
    void Afficher_Marque_Selection(std::int32_t NoPerso, std::int16_t p);
    void Afficher_Selection_Joueur(std::int16_t p);
    // The drag box of player p's selection, in screen pixels.
    void Afficher_Rectangle_Selection(std::int16_t p);
    void Afficher_Progression(std::int32_t NoPerso, std::int16_t p);
    void Afficher_Commentaires(std::int16_t p);
    void Afficher_Infos_Survol(std::int32_t X, std::int32_t Y, std::int16_t p);
    void Afficher_Emplacement_Construction(std::int32_t X, std::int32_t Y, std::int16_t t, bool Verdict);
    // The placement ghost's box: the house's W x H footprint centred on
    // the middle of the cursor picture (CW x CH) drawn at (X, Y), each
    // corner rounded on its own.
    static Rectangle Rectangle_Emplacement(std::int32_t X, std::int32_t Y, double W, double H, double CW, double CH);
    void Afficher_Separation();
    void Afficher_Ecran();
    void Afficher_Image_Chargement(std::int16_t Pourcentage, std::string_view Texte);
    // The text of the map tooltip for player p; "" when none is drawn.
    std::string Texte_Infos_Survol(std::int16_t p) const;

    // ---- Network game (Main.Reseau with a session open at the start) ----
    // The lock-step turn: it takes the place of the timed tick, and the
    // loop keeps drawing while it waits for the other machines.
    std::unique_ptr<PartieReseau> Reseau;
    void Debut_Reseau(const SetupChoices& Choix);
    void Tour_Reseau();
    void Fin_Reseau();

    // ---- State of the game being played ----
    std::int16_t NombreJoueursLocaux = 1;
    std::vector<JoueurLocal> Joueurs;
    std::int32_t CompteurTours = 0;
    std::int32_t CompteurTrames = 0;
    // Clock readings in seconds. Double, not single precision: a game
    // left running for a day would lose its tick timing in a float.
    double TempsDernierTour = 0, TempsActuel = 0, TempsEcoule = 0;
    double TempsDerniereTrame = 0;
    double DernierComptageFPS = 0;
    std::int32_t TramesComptees = 0, FPSMesure = 0;
    bool EcranSepare = false;
    // The zoom keys' factor: 1 is the world at its size; the world is drawn
    // magnified around each view's centre, the interface at its size.
    double Zoom = 1.0;
    // The start went through to the end (the players' interface options
    // are loaded): only then does the end of the game save anything.
    bool PartieLancee = false;
    std::int16_t ToucheEnfoncee = 0;
    // The last key pressed, kept for the next frame's hit test (a hovered
    // item slot takes it as its shortcut) whether or not this pass draws.
    std::int16_t ToucheTrame = 0;
    bool CtrlEnfonce = false, ShiftEnfonce = false, AltEnfonce = false;

    std::int32_t LargeurEcran = 800, HauteurEcran = 600;
    // The view being drawn (LargeurVue, HauteurVue, DecalageVueX).
    Vue VueCourante;
    Surface SurfBack;
    // The zoom's source pixels and column map, kept from frame to frame so
    // that a zoomed frame allocates nothing.
    std::vector<std::uint16_t> SourceZoom;
    std::vector<std::int32_t> ColonnesZoom;

    // ---- Sprite sets, loaded by Demarrer when it has a Graphique ----
    std::unique_ptr<ClsAffPerso> AffPerso;
    ClsAffTerrain AffTerrain;
    ClsAffBatiment AffChateaux, AffMaisons;
    ClsAffRessources AffRessources;
    ClsAffTresors AffTresors;
    ClsAffDecors AffDecors;
    ClsAffEffet AffEffet;
    std::unique_ptr<ClsAffSouris> AffSouris;
    ClsAffChargement Chargement;
    bool AffichageCharge = false;

private:
    void Entrees_Ordres_Carte(std::int16_t i);
    void Couche_Curseur(std::int16_t i);
    void Terrain_Vue(std::int16_t p, std::int32_t Gauche, std::int32_t Largeur);
    void Couches_Vue(std::int16_t p, bool Separation);
    void Jouer(std::int32_t Situation, bool Garder);
    JoueurLocal& J(std::int16_t i) { return Joueurs[static_cast<std::size_t>(i)]; }
    bool PersoValide(std::int32_t i) const;

    Horloge& Horloge_;
    PeripheriquesMoteur& Peripheriques_;
    Graphique* dd_ = nullptr;
    // A pause asked by this machine, waiting for its turn's replay.
    bool pauseDemandee_ = false;
};
