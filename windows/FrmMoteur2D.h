// The engine window of a game: the window that shows the back buffer, the
// monotonic clock, the mouse and keyboard read from the window's events,
// sound and music, and the loop's wait (the Qt event loop until the next
// tick, frame or event). The game procedure itself is the headless
// ClsMoteur.
#pragma once

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

#include "devices/ClsPerClavier.h"
#include "devices/ClsPerMusique.h"
#include "devices/ClsPerSon.h"
#include "devices/ClsPerSouris.h"
#include "engine/ClsMoteur.h"
#include "engine/Horloge.h"
#include "engine/PeripheriquesJeu.h"
#include "platform/qt/ImagesQt.h"
#include "windows/FenetreMoteur.h"

class ClsIntTouches;
class ClsJeu;
class ClsPerEcran;
class Dialogues;
class EntreesQt;
class Graphique;
class ModMain;
class SonSDL;

// The sound device, the effects and the music of the program, when they
// live longer than one game (made at start-up); null members are made by
// the engine window for its game alone.
struct SonsProgramme {
    SonSDL* Sortie = nullptr;
    ClsPerSon* Son = nullptr;
    ClsPerMusique* Musique = nullptr;
};

class FrmMoteur2D : public QObject, public AttenteEvenements {
public:
    FrmMoteur2D(ModMain& Main, ClsJeu& Jeu, ClsPerEcran& Ecran, Graphique& dd, const SonsProgramme& Sons = {});
    ~FrmMoteur2D() override;

    // Runs one whole game and closes the window (the world's buildings,
    // fiefs and deposits are erased afterwards, as after every game).
    void MoteurJeu(const SetupChoices& Choix);

    ClsMoteur& Moteur() { return moteur_; }
    FenetreMoteur& Fenetre() { return fenetre_; }
    EntreesQt& Entrees() { return *entrees_; }
    // Alt + F4 was pressed during the game: the program ends after it.
    bool Quitter_Programme() const { return quitterProgramme_; }
    // Where the player is told that the screen could not be set up as
    // asked (the game goes on); without boxes, the error output.
    void Definir_Dialogues(Dialogues* boites) { boites_ = boites; }

    // AttenteEvenements
    void Attendre(double Secondes) override;
    void Traiter() override;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void Brancher_Interface(ClsJeu& Jeu);

    ModMain& Main_;
    ClsPerEcran& Ecran_;
    Graphique& dd_;
    FenetreMoteur fenetre_;
    HorlogeMonotone horloge_;
    std::unique_ptr<EntreesQt> entrees_;
    ClsPerSouris souris_;
    ClsPerClavier clavier_;
    std::unique_ptr<SonSDL> possedeSortie_;
    std::unique_ptr<ClsPerSon> possedeSon_;
    std::unique_ptr<ClsPerMusique> possedeMusique_;
    SonSDL* sortieSon_ = nullptr;
    ClsPerSon* son_ = nullptr;
    ClsPerMusique* musique_ = nullptr;
    // The key bindings of each local player of the game being played.
    std::vector<std::unique_ptr<ClsIntTouches>> touches_;
    bool quitterProgramme_ = false;
    Dialogues* boites_ = nullptr;
    PressePapiersQt pressePapiers_;
    PeripheriquesJeu peripheriques_;
    ClsMoteur moteur_;
    QTimer minuterie_;
};
