#include "windows/FrmMoteur2D.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <cmath>

#include "display/ClsPerEcran.h"
#include "engine/ClsJeu.h"
#include "engine/ModMain.h"
#include "platform/qt/WidgetEcran.h"

FrmMoteur2D::FrmMoteur2D(ModMain& Main, ClsJeu& Jeu, ClsPerEcran& Ecran, Graphique& dd)
    : Main_(Main), Ecran_(Ecran), dd_(dd), moteur_(Main, Jeu, horloge_, *this) {
    moteur_.Sortie = &fenetre_;
    moteur_.Attente = this;
    minuterie_.setSingleShot(true);
    minuterie_.setTimerType(Qt::PreciseTimer);
    fenetre_.installEventFilter(this);
    fenetre_.Ecran()->installEventFilter(this);
}

FrmMoteur2D::~FrmMoteur2D() = default;

void FrmMoteur2D::MoteurJeu(const SetupChoices& Choix) {
    Surface back, temp;
    Rectangle fond;
    Ecran_.Init(dd_, &fenetre_, back, temp, fond);
    moteur_.MoteurJeu(Choix, &dd_, Ecran_.Width(), Ecran_.Height());
    // Unloading the window: screen closed, events run, world erased.
    Ecran_.Femer_Ecran(&fenetre_);
    Traiter();
    Main_.Effacer_Monde();
}

std::int16_t FrmMoteur2D::CodeTouche(int CleQt) {
    // The codes of the key bindings (the PC keyboard's set-1 scan codes);
    // the complete table belongs to the keyboard device.
    switch (CleQt) {
        case Qt::Key_Escape: return 0x01;
        case Qt::Key_Return: return 0x1C;
        case Qt::Key_Space: return 0x39;
        case Qt::Key_P: return 0x19;
        case Qt::Key_Up: return 0xC8;
        case Qt::Key_Left: return 0xCB;
        case Qt::Key_Right: return 0xCD;
        case Qt::Key_Down: return 0xD0;
        case Qt::Key_F12: return 0x58;
        default: return 0;
    }
}

QPointF FrmMoteur2D::VersEcran(QPointF position) const {
    const QRect cible = fenetre_.Ecran()->Cible();
    const QImage& image = fenetre_.Ecran()->Image();
    if (cible.width() <= 0 || cible.height() <= 0 || image.isNull()) return position;
    return {(position.x() - cible.x()) * image.width() / cible.width(),
            (position.y() - cible.y()) * image.height() / cible.height()};
}

bool FrmMoteur2D::eventFilter(QObject* objet, QEvent* evenement) {
    switch (evenement->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick: {
            auto* e = static_cast<QMouseEvent*>(evenement);
            if (objet == fenetre_.Ecran()) {
                souris_ = VersEcran(e->position());
                sourisConnue_ = true;
            }
            const int b = e->button() == Qt::LeftButton ? 0 : e->button() == Qt::RightButton ? 1 : -1;
            if (b >= 0 && evenement->type() != QEvent::MouseMove) {
                if (evenement->type() == QEvent::MouseButtonRelease) {
                    enfonce_[b] = false;
                    relache_[b] = true;
                } else {
                    enfonce_[b] = true;
                    clique_[b] = true;
                }
            }
            return true;
        }
        case QEvent::Wheel:
            molette_ += static_cast<QWheelEvent*>(evenement)->angleDelta().y() / 8.0;
            return true;
        case QEvent::KeyPress: {
            auto* e = static_cast<QKeyEvent*>(evenement);
            modificateurs_ = e->modifiers();
            if (const std::int16_t code = CodeTouche(e->key()); code != 0 && !e->isAutoRepeat()) touches_.push_back(code);
            return true;
        }
        case QEvent::KeyRelease:
            modificateurs_ = static_cast<QKeyEvent*>(evenement)->modifiers();
            return true;
        case QEvent::Close:
            // Closing the window quits the game the orderly way.
            Main_.FinPartie = true;
            evenement->ignore();
            return true;
        default:
            return QObject::eventFilter(objet, evenement);
    }
}

std::int16_t FrmMoteur2D::Pression_Clavier(bool& Ctrl, bool& Shift, bool& Alt) {
    Ctrl = modificateurs_ & Qt::ControlModifier;
    Shift = modificateurs_ & Qt::ShiftModifier;
    Alt = modificateurs_ & Qt::AltModifier;
    if (touches_.empty()) return 0;
    const std::int16_t t = touches_.front();
    touches_.pop_front();
    return t;
}

void FrmMoteur2D::Positions_Souris(double& dX, double& dY, double& dZ) {
    // The game's cursor follows the (hidden) pointer of the window: the
    // movement is what separates them.
    dX = dY = 0;
    dZ = molette_;
    molette_ = 0;
    if (!sourisConnue_ || moteur_.Joueurs.empty()) return;
    const JoueurLocal& j = moteur_.Joueurs[moteur_.NombreJoueursLocaux == 1 ? 0 : moteur_.Joueurs.size() - 1];
    dX = souris_.x() - j.SourisX;
    dY = souris_.y() - j.SourisY;
}

EtatBoutons FrmMoteur2D::Boutons_Souris() {
    EtatBoutons e;
    for (int b = 0; b < 2; ++b) {
        e.Clique[b] = clique_[b];
        e.Relache[b] = relache_[b];
        // Held: down now and already down at the last reading.
        e.Maintenu[b] = enfonce_[b] && !clique_[b];
        clique_[b] = relache_[b] = false;
    }
    return e;
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
