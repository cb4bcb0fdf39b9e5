#include "platform/qt/EntreesQt.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cstdlib>

#include "platform/qt/CodesTouches.h"
#include "platform/qt/WidgetEcran.h"

namespace {

int NumeroBouton(Qt::MouseButton bouton) {
    switch (bouton) {
    case Qt::LeftButton: return 0;
    case Qt::RightButton: return 1;
    case Qt::MiddleButton: return 2;
    case Qt::BackButton: return 3;
    default: return -1;
    }
}

// X11 and Wayland report the evdev code + 8; the Qt key serves where there
// is no such code (the offscreen platform) or the table does not know it.
std::uint8_t CodeTouche(const QKeyEvent& e) {
    const QString plateforme = QGuiApplication::platformName();
    if (e.nativeScanCode() != 0 && (plateforme == "xcb" || plateforme.startsWith("wayland"))) {
        if (std::uint8_t code = CodeDepuisX11(e.nativeScanCode())) return code;
    }
    return CodeDepuisCleQt(e.key(), e.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace

EntreesQt::EntreesQt(QWidget* zone) : zone_(zone) {
    if (zone_) {
        zone_->setMouseTracking(true);
        zone_->installEventFilter(this);
    }
}

EntreesQt::~EntreesQt() {
    if (zone_) zone_->removeEventFilter(this);
}

bool EntreesQt::AFocus() const { return zone_ && zone_->isVisible() && zone_->window()->isActiveWindow(); }

QPoint EntreesQt::Centre() const { return zone_ ? zone_->rect().center() : QPoint(); }

void EntreesQt::Recentrer() {
    if (!zone_) return;
    if (recentrer_ && AFocus()) {
        QCursor::setPos(zone_->mapToGlobal(Centre()));
        dernier_ = Centre();
        dernierConnu_ = true;
    }
}

void EntreesQt::PerdreFocus() {
    // Keys and buttons released elsewhere never reach us: let go of them
    // all rather than leave one stuck down.
    clavier_.touches.fill(0);
    clavier_.frappees.fill(0);
    souris_.attente.Boutons.fill(false);
    if (souris_.acquise) souris_.perdue = true;
    dernierConnu_ = false;
}

void EntreesQt::Suivre(const QPoint& p) {
    if (dernierConnu_) {
        // Moves count in the back buffer's pixels: on a picture scaled down
        // to fit the window, the game's cursor keeps under the pointer.
        double echelleX = 1.0, echelleY = 1.0;
        if (auto* ecran = qobject_cast<WidgetEcran*>(zone_.data()); ecran && !ecran->Image().isNull()) {
            const QRect cible = ecran->Cible();
            if (cible.width() > 0 && cible.height() > 0) {
                echelleX = static_cast<double>(ecran->Image().width()) / cible.width();
                echelleY = static_cast<double>(ecran->Image().height()) / cible.height();
            }
        }
        resteX_ += (p.x() - dernier_.x()) * echelleX;
        resteY_ += (p.y() - dernier_.y()) * echelleY;
        // Whole pixels go to the game; the fractions wait for the next move.
        const int dx = static_cast<int>(resteX_), dy = static_cast<int>(resteY_);
        resteX_ -= dx;
        resteY_ -= dy;
        souris_.attente.DeplacementX += dx;
        souris_.attente.DeplacementY += dy;
    }
    dernier_ = p;
    dernierConnu_ = true;
    // Put back only once it strays from the middle: fewer warps, and
    // fewer moves that were queued before a warp and read after it.
    const QPoint ecart = p - Centre();
    const int marge = std::max(8, std::min(zone_->width(), zone_->height()) / 4);
    if (souris_.acquise && (std::abs(ecart.x()) > marge || std::abs(ecart.y()) > marge)) Recentrer();
}

void EntreesQt::Clavier_::Lire(EtatClavier& etat) {
    for (std::size_t k = 0; k < etat.size(); ++k) etat[k] = touches[k] | frappees[k];
    frappees.fill(0);
}

bool EntreesQt::Souris_::Acquerir() {
    if (!entrees.AFocus()) return false;
    acquise = true;
    perdue = false;
    // Movement and clicks made while the mouse was not the game's are not
    // the game's.
    attente.DeplacementX = attente.DeplacementY = attente.DeplacementZ = 0;
    attente.Appuis.fill(0);
    attente.Relachements.fill(0);
    entrees.dernierConnu_ = false;
    entrees.Recentrer();
    return true;
}

void EntreesQt::Souris_::Liberer() { acquise = false; }

bool EntreesQt::Souris_::Lire(EtatSouris& etat) {
    if (!acquise || perdue || !entrees.zone_) {
        acquise = false;
        perdue = false;
        return false;
    }
    etat = attente;
    attente.DeplacementX = attente.DeplacementY = attente.DeplacementZ = 0;
    attente.Appuis.fill(0);
    attente.Relachements.fill(0);
    return true;
}

bool EntreesQt::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != zone_) return false;
    switch (evenement->type()) {
    case QEvent::MouseMove:
        Suivre(static_cast<QMouseEvent*>(evenement)->position().toPoint());
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
        auto* e = static_cast<QMouseEvent*>(evenement);
        // A button event may come where no move was reported (a pointer
        // that jumped, a scripted click): the pointer is there first.
        Suivre(e->position().toPoint());
        const int b = NumeroBouton(e->button());
        if (b < 0) break;
        const auto i = static_cast<std::size_t>(b);
        const bool enfonce = evenement->type() != QEvent::MouseButtonRelease;
        if (souris_.attente.Boutons[i] != enfonce) {
            auto& compte = enfonce ? souris_.attente.Appuis[i] : souris_.attente.Relachements[i];
            if (compte < 255) ++compte;
        }
        souris_.attente.Boutons[i] = enfonce;
        break;
    }
    case QEvent::Wheel:
        souris_.attente.DeplacementZ += static_cast<QWheelEvent*>(evenement)->angleDelta().y();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* e = static_cast<QKeyEvent*>(evenement);
        // Repeats change nothing: the key is held from press to release.
        if (e->isAutoRepeat()) break;
        const bool appui = evenement->type() == QEvent::KeyPress;
        if (const std::uint8_t code = CodeTouche(*e)) {
            clavier_.touches[code] = appui ? 0x80 : 0;
            if (appui) clavier_.frappees[code] = 0x80;
        }
        // A modifier the event carries but whose own key was never seen
        // (a key sent with its modifiers by another program) counts for
        // this key's read.
        if (appui) {
            const Qt::KeyboardModifiers m = e->modifiers();
            auto modificateur = [&](Qt::KeyboardModifier drapeau, std::uint8_t gauche, std::uint8_t droit) {
                if (m.testFlag(drapeau) && !clavier_.touches[gauche] && !clavier_.touches[droit])
                    clavier_.frappees[gauche] = 0x80;
            };
            modificateur(Qt::ControlModifier, CodesModificateurs::CtrlGauche, CodesModificateurs::CtrlDroit);
            modificateur(Qt::ShiftModifier, CodesModificateurs::ShiftGauche, CodesModificateurs::ShiftDroit);
            modificateur(Qt::AltModifier, CodesModificateurs::AltGauche, CodesModificateurs::AltDroit);
        }
        break;
    }
    case QEvent::FocusOut:
    case QEvent::WindowDeactivate:
    case QEvent::Hide:
        PerdreFocus();
        break;
    default:
        break;
    }
    return false;
}
