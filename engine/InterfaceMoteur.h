// What the engine asks of one local player's in-game interface: its
// per-pass update, the per-tick automatic actions, the hit test of a frame
// (which draws the interface and writes the player's action code), the
// status bars and tooltips the world layers draw with, the list scrolling
// of the wheel, and the two minimum drag sizes of a rectangle selection.
// The defaults draw the bars and tooltips the game's way and do nothing
// else, so that the engine runs with no interface at all (tests, and until
// the in-game interface is plugged in).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ClsJeuBatiment;
class ClsJeuParam;
class ClsJeuPerso;
class Surface;
struct Vue;

// The cursor and buttons of one player in one frame, as the hit test reads
// them.
struct CurseurInterface {
    std::int32_t X = 0, Y = 0;
    bool CliqueGauche = false, CliqueDroit = false;
    bool RelacheGauche = false, RelacheDroit = false;
    bool GaucheEnfonce = false;
    bool Ctrl = false, Shift = false, Alt = false;
    // The player's character and the fief of castle trade.
    std::int32_t NoPerso = 0, NoFief = 0;
    // The key of the pass (an item slot may take it as its shortcut and
    // clear it), and the player's selection, which buttons may change.
    std::int16_t* Touche = nullptr;
    // A hovered item slot may take that key as its shortcut (a key is
    // waiting and Ctrl, which binds the whole equipment, is not held).
    bool AssocierTouche = false;
    bool* SelectionVisible = nullptr;
    std::vector<std::int32_t>* Selection = nullptr;
};

class InterfaceMoteur {
public:
    virtual ~InterfaceMoteur() = default;

    std::int16_t RectangleSelectionMinX = 6;
    std::int16_t RectangleSelectionMinY = 6;
    bool AfficherInfoBulleTerrain = true;
    virtual bool Definir_AfficherInfoBulleTerrain() const { return AfficherInfoBulleTerrain; }

    virtual void Actualiser() {}
    virtual void Actions_Automatiques(ClsJeuPerso&, ClsJeuBatiment&, const ClsJeuParam&) {}
    // Index 6 toggles the pause; the engine passes 0 for each player at
    // game start.
    virtual void Actionner_Boutons_Infos(std::int16_t) {}
    // Draws the interface and runs the clicked button; writes CodeAction
    // (0 none, 1-99 a build button with BoutonConstruction = type + 1, 101
    // go home, 200 go to the castle, 999 handled here). True when the
    // cursor is over the interface.
    virtual bool Interieur_Boutons(const CurseurInterface&, ClsJeuPerso&, const ClsJeuParam&, Surface&,
                                   std::int32_t& CodeAction, std::int16_t& BoutonConstruction) {
        CodeAction = 0;
        (void)BoutonConstruction;
        return false;
    }
    virtual bool Fenetres_Visible(std::int16_t) const { return false; }
    virtual void Defilement_Haut(std::int16_t, bool) {}
    virtual void Defilement_Bas(std::int16_t, bool) {}
    virtual void Afficher_FPS(std::int32_t, Surface&) {}
    virtual void Afficher_Objet_Curseur(ClsJeuPerso&, std::int32_t, std::int32_t, Surface&) {}
    // The message feed of the player, once per frame.
    virtual void Afficher_Messages(const ClsJeuPerso&, const ClsJeuParam&, Surface&) {}
    // A line for the player's feed that the game itself tells (a network
    // player left).
    virtual void Ajouter_Message(const std::string&) {}
    // The start of a game, once the player's character is known: its
    // interface options from its file, a tip in the feed.
    virtual void Debut_Partie(const ClsJeuPerso&) {}
    // The end of a game: the feed is emptied, a hero's options are saved.
    virtual void Fin_Partie(const ClsJeuPerso&) {}

    // A bar of Valeur (and, in white, ValeurReserve) out of Maximum at the
    // view-relative (X, Y), cut to the view; colour 0 picks one by the
    // fill ratio. A vertical bar fills from the bottom.
    virtual void Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X,
                                       std::int32_t Y, Surface& SurfBack, const Vue& vue, std::int32_t Largeur,
                                       std::int32_t Hauteur, std::uint32_t Couleur, bool Vertical);
    virtual void Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, std::string_view Texte,
                                              Surface& SurfBack);
};
