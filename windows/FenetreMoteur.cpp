#include "windows/FenetreMoteur.h"

#include <QCoreApplication>
#include <QVBoxLayout>

#include "platform/qt/WidgetEcran.h"

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
    if (modeFenetre) {
        // The window's inside is exactly the back buffer: no scaling.
        showNormal();
        setFixedSize(largeur, hauteur);
        move(0, 0);
        show();
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        showFullScreen();
    }
    raise();
    activateWindow();
    ecran_->setFocus();
}

void FenetreMoteur::Presenter(const Surface& back) { ecran_->Afficher(back); }

void FenetreMoteur::TraiterEvenements() { QCoreApplication::processEvents(); }

void FenetreMoteur::Fermer() { hide(); }
