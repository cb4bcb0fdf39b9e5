// The engine window of a game: the window that shows the back buffer, the
// monotonic clock, the mouse and keyboard read from the window's events,
// and the loop's wait (the Qt event loop until the next tick, frame or
// event). The game procedure itself is the headless ClsMoteur.
#pragma once

#include <QObject>
#include <QTimer>

#include <deque>
#include <memory>

#include "engine/ClsMoteur.h"
#include "engine/Horloge.h"
#include "engine/PeripheriquesMoteur.h"
#include "windows/FenetreMoteur.h"

class ClsJeu;
class ClsPerEcran;
class DossierJeu;
class Graphique;
class ModMain;

class FrmMoteur2D : public QObject, public PeripheriquesMoteur, public AttenteEvenements {
public:
    FrmMoteur2D(ModMain& Main, ClsJeu& Jeu, ClsPerEcran& Ecran, Graphique& dd);
    ~FrmMoteur2D() override;

    // Runs one whole game and closes the window (the world's buildings,
    // fiefs and deposits are erased afterwards, as after every game).
    void MoteurJeu(const SetupChoices& Choix);

    ClsMoteur& Moteur() { return moteur_; }
    FenetreMoteur& Fenetre() { return fenetre_; }

    // PeripheriquesMoteur
    std::int16_t Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt) override;
    void Positions_Souris(double& dX, double& dY, double& dZ) override;
    EtatBoutons Boutons_Souris() override;
    // AttenteEvenements
    void Attendre(double Secondes) override;
    void Traiter() override;

    // The key code of the key bindings for a Qt key (0 when it has none).
    static std::int16_t CodeTouche(int CleQt);

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    // A window position in back-buffer pixels.
    QPointF VersEcran(QPointF position) const;

    ModMain& Main_;
    ClsPerEcran& Ecran_;
    Graphique& dd_;
    FenetreMoteur fenetre_;
    HorlogeMonotone horloge_;
    ClsMoteur moteur_;
    QTimer minuterie_;

    QPointF souris_;
    bool sourisConnue_ = false;
    double molette_ = 0;
    bool enfonce_[2] = {false, false};
    bool clique_[2] = {false, false};
    bool relache_[2] = {false, false};
    std::deque<std::int16_t> touches_;
    Qt::KeyboardModifiers modificateurs_;
};
