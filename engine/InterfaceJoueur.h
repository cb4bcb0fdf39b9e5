// One local player's in-game interface and message feed, as the engine
// asks for them: the interface of the layout file of the screen's width
// and the player, its feed shifted to the player's half of the screen.
#pragma once

#include <memory>

#include "engine/InterfaceMoteur.h"
#include "interface/ClsInterface.h"
#include "interface/ClsJeuMessages.h"

class ClsPerEcran;
class Graphique;
class ModMain;

class InterfaceJoueur : public InterfaceMoteur {
public:
    // Reads the layout file and loads the pictures (none when dd is null).
    // Throws ErreurFichier on a bad or missing layout or messages file.
    InterfaceJoueur(ModMain& Main, const ClsPerEcran& Ecran, Graphique* dd, std::int16_t Joueur,
                    std::int16_t NombreJoueurs);

    ClsInterface Interface;
    ClsJeuMessages Messages;

    bool Definir_AfficherInfoBulleTerrain() const override { return Interface.Definir_AfficherInfoBulleTerrain(); }
    void Actualiser() override { Interface.Actualiser(); }
    void Actions_Automatiques(ClsJeuPerso& Perso, ClsJeuBatiment& Maison, const ClsJeuParam& P) override {
        Interface.Actions_Automatiques(Perso, Maison, P);
    }
    void Actionner_Boutons_Infos(std::int16_t Index) override { Interface.Actionner_Boutons_Infos(Index); }
    bool Interieur_Boutons(const CurseurInterface& Curseur, ClsJeuPerso& Perso, const ClsJeuParam& P, Surface& SurfBack,
                           std::int32_t& CodeAction, std::int16_t& BoutonConstruction) override;
    bool Fenetres_Visible(std::int16_t f) const override { return Interface.Fenetres_Visible(f); }
    void Defilement_Haut(std::int16_t f, bool Fabrique) override { Interface.Defilement_Haut(f, Fabrique); }
    void Defilement_Bas(std::int16_t f, bool Fabrique) override { Interface.Defilement_Bas(f, Fabrique); }
    void Afficher_FPS(std::int32_t n, Surface& SurfBack) override;
    void Afficher_Objet_Curseur(ClsJeuPerso& Perso, std::int32_t X, std::int32_t Y, Surface& SurfBack) override {
        Interface.Afficher_Objet_Curseur(Perso, X, Y, SurfBack);
    }
    void Afficher_Messages(const ClsJeuPerso& Perso, const ClsJeuParam& P, Surface& SurfBack) override {
        Messages.Afficher_Messages(Perso, &Interface, P, SurfBack);
    }
    void Ajouter_Message(const std::string& Texte) override { Messages.Ajouter_Message(Texte); }
    void Debut_Partie(const ClsJeuPerso& Perso) override;
    void Fin_Partie(const ClsJeuPerso& Perso) override;
    void Afficher_Barre_Statut(double Valeur, double ValeurReserve, double Maximum, std::int32_t X, std::int32_t Y,
                               Surface& SurfBack, const Vue& vue, std::int32_t Largeur, std::int32_t Hauteur,
                               std::uint32_t Couleur, bool Vertical) override {
        Interface.Afficher_Barre_Statut(Valeur, ValeurReserve, Maximum, X, Y, SurfBack, vue, Largeur, Hauteur, Couleur,
                                        Vertical);
    }
    void Afficher_Info_Bulles_Terrain(std::int32_t X, std::int32_t Y, std::string_view Texte, Surface& SurfBack) override {
        Interface.Afficher_Info_Bulles_Terrain(X, Y, std::string(Texte), SurfBack);
    }

private:
    ModMain& Main_;
};
