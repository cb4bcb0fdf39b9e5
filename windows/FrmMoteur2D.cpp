#include "windows/FrmMoteur2D.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>

#include <cmath>
#include <iostream>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/qt/EntreesQt.h"
#include "platform/qt/WidgetEcran.h"
#include "platform/sdl/SonSDL.h"

FrmMoteur2D::FrmMoteur2D(ModMain& Main, ClsJeu& Jeu, ClsPerEcran& Ecran, Graphique& dd)
    : Main_(Main),
      Ecran_(Ecran),
      dd_(dd),
      entrees_(std::make_unique<EntreesQt>(fenetre_.Ecran())),
      sortieSon_(std::make_unique<SonSDL>()),
      peripheriques_(souris_, clavier_, horloge_, Jeu),
      moteur_(Main, Jeu, horloge_, peripheriques_) {
    // A broken sound or music settings file costs the sound, not the game.
    try {
        son_ = std::make_unique<ClsPerSon>(Main.Dossier);
        musique_ = std::make_unique<ClsPerMusique>(Main.Dossier, Main.GenerateurPlateforme, sortieSon_.get());
    } catch (const ErreurFichier& e) {
        std::cerr << e.what() << "\n";
    }
    moteur_.Sortie = &fenetre_;
    moteur_.Attente = this;
    if (musique_)
        moteur_.Jouer_Musique = [this](std::int32_t situation, bool garder) {
            musique_->Jouer_Musique(situation, garder, horloge_.Maintenant());
        };
    if (son_) moteur_.Lire_Son = [this](std::int16_t i) { son_->Lire(i); };
    minuterie_.setSingleShot(true);
    minuterie_.setTimerType(Qt::PreciseTimer);
    fenetre_.installEventFilter(this);
}

FrmMoteur2D::~FrmMoteur2D() {
    if (musique_) musique_->StopSon();
}

void FrmMoteur2D::MoteurJeu(const SetupChoices& Choix) {
    Surface back, temp;
    Rectangle fond;
    Ecran_.Init(dd_, &fenetre_, back, temp, fond);
    Traiter();
    souris_.Init(&entrees_->Souris());
    clavier_.Init(&entrees_->Clavier(), horloge_.Maintenant());
    if (son_) {
        son_->Init(sortieSon_.get(), Main_.Parametres);
        moteur_.SonActif = son_->Definir_Jouer();
    }
    moteur_.MoteurJeu(Choix, &dd_, Ecran_.Width(), Ecran_.Height());
    if (musique_) musique_->StopSon();
    // Unloading the window: screen closed, events run, world erased.
    Ecran_.Femer_Ecran(&fenetre_);
    Traiter();
    Main_.Effacer_Monde();
}

bool FrmMoteur2D::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == &fenetre_ && evenement->type() == QEvent::Close) {
        // Closing the window quits the game the orderly way.
        Main_.FinPartie = true;
        evenement->ignore();
        return true;
    }
    return QObject::eventFilter(objet, evenement);
}

void FrmMoteur2D::Attendre(double Secondes) {
    const int ms = static_cast<int>(std::ceil(std::max(0.0, Secondes) * 1000.0));
    if (ms <= 0) {
        Traiter();
        return;
    }
    // Sleeps in the event loop until the timer or any window event.
    minuterie_.start(ms);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    minuterie_.stop();
}

void FrmMoteur2D::Traiter() { QCoreApplication::processEvents(); }
