#include "platform/qt/WidgetEcran.h"

#include <QPainter>

#include <cstring>

#include "platform/Surface.h"

WidgetEcran::WidgetEcran(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

void WidgetEcran::Afficher(const Surface& back) {
    if (back.Vide()) return;
    if (image_.width() != back.Largeur() || image_.height() != back.Hauteur())
        image_ = QImage(back.Largeur(), back.Hauteur(), QImage::Format_RGB16);
    for (int y = 0; y < back.Hauteur(); ++y)
        std::memcpy(image_.scanLine(y), back.Rangee(y), static_cast<std::size_t>(back.Largeur()) * 2);
    repaint();
}

QRect WidgetEcran::Cible() const {
    if (image_.isNull()) return rect();
    QSize taille = image_.size().scaled(size(), Qt::KeepAspectRatio);
    return QRect(QPoint((width() - taille.width()) / 2, (height() - taille.height()) / 2), taille);
}

void WidgetEcran::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect cible = Cible();
    if (cible != rect()) p.fillRect(rect(), Qt::black);
    if (image_.isNull()) return;
    if (cible.size() == image_.size()) {
        p.drawImage(cible.topLeft(), image_);
    } else {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(cible, image_);
    }
}
