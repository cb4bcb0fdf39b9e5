// Full-screen pictures: the back buffer's first picture Fond<width>, the
// loading pictures Fenetres\Chargement<width> (with a transparent band at
// the bottom where the progress bar shows), the victory and defeat picture,
// and the cursor sheet.
#include <QFont>
#include <QLinearGradient>
#include <QRadialGradient>

#include <cmath>

#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

// A landscape at dusk: hills, a castle on a hill, a sky that is never black.
void Paysage(QPainter& p, int l, int h) {
    QLinearGradient ciel(0, 0, 0, h);
    ciel.setColorAt(0.0, QColor(52, 62, 108));
    ciel.setColorAt(0.55, QColor(196, 132, 108));
    ciel.setColorAt(1.0, QColor(232, 190, 128));
    p.fillRect(0, 0, l, h, ciel);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 226, 170));
    p.drawEllipse(QPointF(l * 0.72, h * 0.42), h * 0.07, h * 0.07);
    const QColor collines[3] = {QColor(96, 92, 132), QColor(70, 98, 92), QColor(58, 86, 60)};
    for (int k = 0; k < 3; ++k) {
        QPainterPath chemin;
        chemin.moveTo(0, h);
        const double base = h * (0.55 + 0.12 * k);
        for (int x = 0; x <= l; x += 8)
            chemin.lineTo(x, base - h * 0.05 * std::sin(x * (0.004 + 0.003 * k) + k * 1.7) -
                                 h * 0.03 * std::sin(x * 0.013 + k));
        chemin.lineTo(l, h);
        chemin.closeSubpath();
        p.setBrush(collines[k]);
        p.drawPath(chemin);
    }
    // The castle's silhouette on the far hill.
    const double cx = l * 0.28, cy = h * 0.56, u = h * 0.02;
    p.setBrush(QColor(64, 60, 92));
    p.drawRect(QRectF(cx - 6 * u, cy - 6 * u, 12 * u, 6 * u));
    for (int k = -1; k <= 1; k += 2) p.drawRect(QRectF(cx + k * 6 * u - 1.5 * u, cy - 9 * u, 3 * u, 9 * u));
    p.drawRect(QRectF(cx - 2 * u, cy - 11 * u, 4 * u, 11 * u));
    for (int k = -1; k <= 1; ++k) {
        QPolygonF toit;
        const double x = cx + k * 6 * u, haut = k == 0 ? cy - 14 * u : cy - 11.5 * u;
        toit << QPointF(x - 2.2 * u, haut + 2.5 * u) << QPointF(x, haut) << QPointF(x + 2.2 * u, haut + 2.5 * u);
        p.drawPolygon(toit);
    }
}

void Titre(QPainter& p, const QString& texte, QRectF zone, double taille, const QColor& couleur) {
    QFont police("DejaVu Serif");
    police.setPixelSize(static_cast<int>(taille));
    police.setBold(true);
    p.setFont(police);
    p.setPen(QColor(48, 40, 56));
    p.drawText(zone.translated(2, 2), Qt::AlignCenter, texte);
    p.setPen(couleur);
    p.drawText(zone, Qt::AlignCenter, texte);
}

bool Fond(int l, int h, const fs::path& images) {
    QImage image = Toile(l, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Dark slate with a faint stone pattern: what shows before the first frame.
    BruitPeriodique bruit(17, 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const double n = bruit.Valeur(x * 0.5, y * 0.5);
            image.setPixelColor(x, y, Melanger(QColor(46, 50, 64), QColor(66, 70, 86), n));
        }
    Titre(p, "Morvaine", QRectF(0, h * 0.4, l, h * 0.2), h * 0.09, QColor(214, 190, 130));
    p.end();
    return Enregistrer(image, images / ("Fond" + std::to_string(l) + ".bmp"));
}

bool Chargement(int l, int h, const fs::path& images) {
    QImage image = Toile(l, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Paysage(p, l, h);
    Titre(p, "Morvaine", QRectF(0, h * 0.08, l, h * 0.18), h * 0.12, QColor(246, 222, 150));
    // A wooden frame across the bottom band; its window stays transparent so
    // that the bar drawn under the picture shows through.
    const double bande = 101, marge = 24;
    const QRectF cadre(0, h - bande - 14, l, bande + 14);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 66, 44));
    p.drawRect(cadre);
    p.setBrush(QColor(128, 92, 60));
    p.drawRect(cadre.adjusted(0, 0, 0, -(bande + 8)));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawRoundedRect(QRectF(marge, h - bande + 20, l - 2 * marge, bande - 44), 6, 6);
    p.end();
    return Enregistrer(image, images / "Fenetres" / ("Chargement" + std::to_string(l) + ".bmp"));
}

bool VictoireDefaite(const fs::path& images) {
    QImage image = Toile(320, 400);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 2; ++k) {
        const double y0 = k * 200.0;
        QRadialGradient fond(160, y0 + 100, 190);
        fond.setColorAt(0, k == 0 ? QColor(250, 226, 140) : QColor(120, 96, 120));
        fond.setColorAt(1, k == 0 ? QColor(168, 120, 50) : QColor(58, 50, 72));
        p.setPen(QPen(QColor(90, 64, 40), 4));
        p.setBrush(fond);
        p.drawRoundedRect(QRectF(4, y0 + 4, 312, 192), 14, 14);
        // A banner raised or torn.
        p.setPen(QPen(QColor(96, 72, 48), 3));
        p.drawLine(QPointF(80, y0 + 150), QPointF(80, y0 + 40));
        QPolygonF drapeau;
        if (k == 0) drapeau << QPointF(82, y0 + 42) << QPointF(130, y0 + 50) << QPointF(82, y0 + 80);
        else drapeau << QPointF(82, y0 + 60) << QPointF(112, y0 + 78) << QPointF(96, y0 + 84) << QPointF(82, y0 + 98);
        p.setPen(Qt::NoPen);
        p.setBrush(k == 0 ? QColor(196, 40, 40) : QColor(110, 70, 80));
        p.drawPolygon(drapeau);
        Titre(p, k == 0 ? "Victoire !" : "Défaite...", QRectF(100, y0 + 60, 210, 80), 36,
              k == 0 ? QColor(255, 244, 200) : QColor(220, 210, 230));
    }
    p.end();
    return Enregistrer(image, images / "Fenetres" / "Victoire-Defaite.bmp");
}

// The arrow every cursor carries, its tip on the hot spot (0, 0).
void Fleche(QPainter& p, double t, const QColor& c) {
    QPolygonF f;
    f << QPointF(1, 1) << QPointF(1, 16 * t) << QPointF(5 * t, 12 * t) << QPointF(8.5 * t, 19 * t)
      << QPointF(11 * t, 18 * t) << QPointF(7.5 * t, 11 * t) << QPointF(12.5 * t, 11 * t);
    p.setPen(QPen(QColor(40, 36, 48), 1.2));
    p.setBrush(c);
    p.drawPolygon(f);
}

// One small sign beside the arrow for each thing under the cursor.
void Signe(QPainter& p, int type, double l) {
    const double x = l * 0.5, y = l * 0.5, u = l / 32.0;
    p.setPen(QPen(QColor(44, 40, 52), 1.2 * u));
    switch (type) {
        case 1:  // a deposit: a pick
            p.setBrush(QColor(150, 110, 70));
            p.drawRect(QRectF(x + 6 * u, y + 2 * u, 2.5 * u, 12 * u));
            p.setBrush(QColor(190, 196, 204));
            p.drawChord(QRectF(x, y - 1 * u, 15 * u, 8 * u), 0, 180 * 16);
            break;
        case 2:  // place a house: green square
        case 3: {  // cannot: red cross
            p.setBrush(type == 2 ? QColor(90, 200, 90) : QColor(220, 70, 60));
            p.drawRoundedRect(QRectF(x, y, 13 * u, 13 * u), 3 * u, 3 * u);
            p.setPen(QPen(QColor(250, 250, 240), 2 * u));
            if (type == 2) {
                p.drawLine(QPointF(x + 3 * u, y + 7 * u), QPointF(x + 6 * u, y + 10 * u));
                p.drawLine(QPointF(x + 6 * u, y + 10 * u), QPointF(x + 11 * u, y + 3 * u));
            } else {
                p.drawLine(QPointF(x + 3 * u, y + 3 * u), QPointF(x + 10 * u, y + 10 * u));
                p.drawLine(QPointF(x + 10 * u, y + 3 * u), QPointF(x + 3 * u, y + 10 * u));
            }
            break;
        }
        case 4: case 5: case 7: case 12: {  // a house: own, side, service
            const QColor toit = type == 12 ? QColor(230, 196, 80) : type == 7 ? QColor(90, 140, 210) : QColor(200, 80, 60);
            p.setBrush(QColor(224, 206, 170));
            p.drawRect(QRectF(x + 2 * u, y + 6 * u, 11 * u, 8 * u));
            QPolygonF t;
            t << QPointF(x, y + 7 * u) << QPointF(x + 7.5 * u, y) << QPointF(x + 15 * u, y + 7 * u);
            p.setBrush(toit);
            p.drawPolygon(t);
            break;
        }
        case 6: case 8: {  // a castle of its side
            p.setBrush(type == 6 ? QColor(200, 190, 170) : QColor(150, 170, 210));
            p.drawRect(QRectF(x, y + 4 * u, 15 * u, 10 * u));
            for (int k = 0; k < 3; ++k) p.drawRect(QRectF(x + k * 6 * u, y + 1 * u, 3 * u, 3 * u));
            break;
        }
        case 9: case 10: case 11: {  // attack: a red sword
            p.setBrush(QColor(220, 222, 230));
            p.save();
            p.translate(x + 8 * u, y + 8 * u);
            p.rotate(45);
            p.drawRect(QRectF(-1.5 * u, -9 * u, 3 * u, 12 * u));
            p.setBrush(QColor(200, 60, 50));
            p.drawRect(QRectF(-4.5 * u, 3 * u, 9 * u, 2 * u));
            p.drawRect(QRectF(-1 * u, 5 * u, 2 * u, 4 * u));
            p.restore();
            if (type > 9) {
                p.setBrush(QColor(220, 70, 60));
                p.drawEllipse(QRectF(x + 10 * u, y + 10 * u, 5 * u, 5 * u));
            }
            break;
        }
        case 13: {  // a treasure: a coin pile
            for (int k = 0; k < 3; ++k) {
                p.setBrush(QColor(238, 196, 70));
                p.drawEllipse(QRectF(x + 1 * u + k * 2 * u, y + 10 * u - k * 3 * u, 11 * u, 5 * u));
            }
            break;
        }
        case 14: {  // give: an open hand with a gift
            p.setBrush(QColor(120, 190, 230));
            p.drawRect(QRectF(x + 2 * u, y + 4 * u, 11 * u, 10 * u));
            p.setBrush(QColor(230, 80, 90));
            p.drawRect(QRectF(x + 6.5 * u, y + 4 * u, 2 * u, 10 * u));
            p.drawRect(QRectF(x + 2 * u, y + 8 * u, 11 * u, 2 * u));
            break;
        }
        default:
            break;
    }
}

}  // namespace

int DessinerEcrans(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    for (auto [l, h] : d.Resolutions) {
        if (l <= 0 || h <= 0) continue;
        n += Fond(l, h, images);
        n += Chargement(l, h, images);
    }
    n += VictoireDefaite(images);
    return n;
}

int DessinerCurseurs(const DonneesRegles& d, const fs::path& images) {
    const int l = std::max(8, d.LargeurCurseur), h = std::max(8, d.HauteurCurseur);
    const int n = std::max(1, d.NombreCurseurs + 1);
    QImage feuille = Toile(n * l, h);
    QPainter p(&feuille);
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < n; ++k) {
        p.save();
        p.translate(k * l, 0);
        p.setClipRect(0, 0, l, h);
        Fleche(p, l / 32.0 * 1.15, k == 3 ? QColor(240, 200, 200) : QColor(250, 248, 236));
        Signe(p, k, l);
        p.restore();
    }
    p.end();
    std::string chemin = d.CheminCurseurs;
    for (char& c : chemin)
        if (c == '\\') c = '/';
    return Enregistrer(feuille, images / fs::path(chemin) / "ArrowCursor.bmp") ? 1 : 0;
}
