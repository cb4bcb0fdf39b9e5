#include "windows/FenetreMoteur.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

#include "platform/qt/WidgetEcran.h"

QRect GeometrieFenetre(const QRect& libre, const QMargins& cadre, const QSize& tampon) {
    const QRect dedans = libre.marginsRemoved(cadre);
    // The window's inside is exactly the back buffer when the free area
    // holds it with the frame; otherwise it takes the whole free area and
    // the picture is scaled down in it.
    if (dedans.width() >= tampon.width() && dedans.height() >= tampon.height())
        return QRect(dedans.topLeft(), tampon);
    return dedans;
}

FenetreMoteur::FenetreMoteur(QWidget* parent) : QWidget(parent), ecran_(new WidgetEcran(this)) {
    setWindowTitle("Morvaine");
    auto* disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->addWidget(ecran_);
    QPalette palette;
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
}

void FenetreMoteur::Ouvrir(std::int32_t largeur, std::int32_t hauteur, bool modeFenetre) {
    tampon_ = QSize(largeur, hauteur);
    fenetre_ = modeFenetre;
    if (modeFenetre) {
        showNormal();
        cadre_ = QMargins();
        Placer();
        show();
        // The frame is known once the window is on the screen: placed again
        // with it.
        Placer();
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    }
    raise();
    activateWindow();
    ecran_->setFocus();
}

void FenetreMoteur::Placer() {
    if (!fenetre_ || tampon_.isEmpty()) return;
    QScreen* ecran = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect libre = ecran ? ecran->availableGeometry() : QRect(QPoint(0, 0), tampon_);
    if (windowHandle()) cadre_ = windowHandle()->frameMargins();
    const QRect cible = GeometrieFenetre(libre, cadre_, tampon_);
    setFixedSize(cible.size());
    // The frame's corner goes to the free area's corner.
    move(libre.topLeft());
}

bool FenetreMoteur::event(QEvent* e) {
    const bool fait = QWidget::event(e);
    // A window manager adds its frame after the window is shown: once its
    // size is known, the window is fitted again (only then, so that a
    // manager that moves the window does not start a loop).
    if (fenetre_ && isVisible() && (e->type() == QEvent::Move || e->type() == QEvent::Resize) && windowHandle() &&
        windowHandle()->frameMargins() != cadre_)
        Placer();
    return fait;
}

void FenetreMoteur::Presenter(const Surface& back) { ecran_->Afficher(back); }

void FenetreMoteur::TraiterEvenements() { QCoreApplication::processEvents(); }

void FenetreMoteur::Fermer() { hide(); }
