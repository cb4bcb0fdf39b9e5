#include "tools/Dessin.h"

#include <algorithm>
#include <cmath>

#include "platform/ImageBMP.h"
#include "platform/Surface.h"

QImage Toile(int largeur, int hauteur) {
    QImage image(std::max(1, largeur), std::max(1, hauteur), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

bool Enregistrer(const QImage& image, const fs::path& chemin) {
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    Surface s(argb.width(), argb.height());
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = ligne[x];
            if (qAlpha(c) < 128) continue;  // transparent: black
            int r = qRed(c), g = qGreen(c), b = qBlue(c);
            // Antialiased edges keep the shape's own colour (the canvas is
            // not premultiplied), so no dark fringe shows on any ground.
            // Never near black: the darkest shade kept is a deep slate.
            const int m = std::max({r, g, b});
            if (m < 40) {
                r = std::max(r, 34) + (40 - m) / 2;
                g = std::max(g, 32) + (40 - m) / 2;
                b = std::max(b, 40) + (40 - m) / 2;
            }
            s.DefinirPixel(x, y, Surface::Couleur565(static_cast<std::uint32_t>(r | (g << 8) | (b << 16))));
        }
    }
    return EcrireBMP(s, chemin);
}

std::string Simplifier(std::string_view nom) {
    QString q = QString::fromUtf8(nom.data(), static_cast<qsizetype>(nom.size())).normalized(QString::NormalizationForm_D);
    std::string r;
    for (QChar c : q) {
        if (c.category() == QChar::Mark_NonSpacing) continue;
        const char16_t u = c.toLower().unicode();
        if (u < 128) r.push_back(static_cast<char>(u));
        else if (u == u'œ') r += "oe";
        else if (u == u'æ') r += "ae";
    }
    return r;
}

bool Contient(std::string_view nom, std::initializer_list<const char*> mots) {
    const std::string s = Simplifier(nom);
    for (const char* m : mots)
        if (s.find(m) != std::string::npos) return true;
    return false;
}

std::uint32_t Empreinte(std::string_view nom) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : nom) h = (h ^ c) * 16777619u;
    return h;
}

QColor TeinteNom(std::string_view nom, int saturation, int valeur) {
    return QColor::fromHsv(static_cast<int>(Empreinte(nom) % 360), saturation, valeur);
}

QColor Melanger(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() * (1 - t) + b.redF() * t),
                            static_cast<float>(a.greenF() * (1 - t) + b.greenF() * t),
                            static_cast<float>(a.blueF() * (1 - t) + b.blueF() * t),
                            static_cast<float>(a.alphaF() * (1 - t) + b.alphaF() * t));
}

QColor Varier(const QColor& c, int delta) {
    return QColor(std::clamp(c.red() + delta, 0, 255), std::clamp(c.green() + delta, 0, 255),
                  std::clamp(c.blue() + delta, 0, 255), c.alpha());
}

BruitPeriodique::BruitPeriodique(std::uint32_t graine, int cellule) : cellule_(cellule), n_(32 / cellule) {
    std::mt19937 gen(graine);
    std::uniform_real_distribution<double> d(0.0, 1.0);
    grille_.resize(static_cast<std::size_t>(n_ * n_));
    for (double& v : grille_) v = d(gen);
}

double BruitPeriodique::Valeur(double x, double y) const {
    auto mod = [](double v, double m) { v = std::fmod(v, m); return v < 0 ? v + m : v; };
    x = mod(x, 32.0) / cellule_;
    y = mod(y, 32.0) / cellule_;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    auto at = [&](int i, int j) { return grille_[static_cast<std::size_t>(((j % n_ + n_) % n_) * n_ + ((i % n_ + n_) % n_))]; };
    auto lisse = [](double t) { return t * t * (3 - 2 * t); };
    const double sx = lisse(fx), sy = lisse(fy);
    const double a = at(x0, y0) * (1 - sx) + at(x0 + 1, y0) * sx;
    const double b = at(x0, y0 + 1) * (1 - sx) + at(x0 + 1, y0 + 1) * sx;
    return a * (1 - sy) + b * sy;
}

void Forme(QPainter& p, const QPainterPath& chemin, const QColor& remplissage, double epaisseur) {
    p.setBrush(remplissage);
    if (epaisseur > 0) p.setPen(QPen(Varier(remplissage, -70), epaisseur));
    else p.setPen(Qt::NoPen);
    p.drawPath(chemin);
}

void Ellipse(QPainter& p, double x, double y, double l, double h, const QColor& c, double epaisseur) {
    QPainterPath chemin;
    chemin.addEllipse(QRectF(x, y, l, h));
    Forme(p, chemin, c, epaisseur);
}

void Rect(QPainter& p, double x, double y, double l, double h, const QColor& c, double epaisseur) {
    QPainterPath chemin;
    chemin.addRect(QRectF(x, y, l, h));
    Forme(p, chemin, c, epaisseur);
}
