// Small pictures: deposits (one 32 x 32 cell per resource), treasures (one
// 26 x 26 cell per kind, richer to the right), scenery with its animation
// steps, visual effects with their steps, and the 32 x 32 item icons.
#include <QRadialGradient>

#include <cmath>

#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

constexpr double Pi = 3.14159265358979;

QPainterPath Polygone(std::initializer_list<QPointF> points) {
    QPainterPath c;
    c.addPolygon(QPolygonF(points));
    c.closeSubpath();
    return c;
}

void Arbre(QPainter& p, double l, double h, int etape, bool sapin) {
    const double balance = std::sin(etape * Pi / 2) * l * 0.02;
    Rect(p, l * 0.44, h * 0.6, l * 0.12, h * 0.38, QColor(112, 78, 50));
    if (sapin) {
        for (int k = 0; k < 3; ++k)
            Forme(p, Polygone({QPointF(l * 0.1 + k * l * 0.06 + balance, h * (0.72 - k * 0.2)), QPointF(l * 0.5 + balance, h * (0.3 - k * 0.14)),
                               QPointF(l * 0.9 - k * l * 0.06 + balance, h * (0.72 - k * 0.2))}),
                  QColor(48 + k * 10, 110 + k * 10, 64));
    } else {
        Ellipse(p, l * 0.08 + balance, h * 0.16, l * 0.84, h * 0.5, QColor(72, 136, 58));
        Ellipse(p, l * 0.22 + balance, h * 0.06, l * 0.5, h * 0.34, QColor(92, 156, 70));
    }
}

void Decor(QPainter& p, const DonneesRegles::Decor& d, int etape) {
    const double l = d.Largeur, h = d.Hauteur;
    if (Contient(d.Nom, {"sapin", "pin"})) Arbre(p, l, h, etape, true);
    else if (Contient(d.Nom, {"chene", "arbre", "hetre", "saule"})) Arbre(p, l, h, etape, false);
    else if (Contient(d.Nom, {"rocher", "pierre", "roc"})) {
        Forme(p, Polygone({QPointF(l * 0.05, h * 0.95), QPointF(l * 0.15, h * 0.4), QPointF(l * 0.45, h * 0.12), QPointF(l * 0.8, h * 0.3),
                           QPointF(l * 0.95, h * 0.95)}), QColor(146, 140, 132));
        Forme(p, Polygone({QPointF(l * 0.45, h * 0.12), QPointF(l * 0.55, h * 0.55), QPointF(l * 0.8, h * 0.3)}), QColor(176, 170, 160), 0);
    } else if (Contient(d.Nom, {"ruine"})) {
        for (int k = 0; k < 4; ++k) Rect(p, l * (0.08 + k * 0.23), h * (0.3 + 0.15 * (k % 2)), l * 0.12, h * (0.68 - 0.15 * (k % 2)), QColor(172, 170, 160));
        Rect(p, l * 0.05, h * 0.3, l * 0.5, h * 0.08, QColor(160, 158, 148));
    } else if (Contient(d.Nom, {"fleur"})) {
        for (int k = 0; k < 5; ++k) {
            const double x = l * (0.12 + k * 0.19), y = h * (0.35 + 0.12 * (k % 2)) + std::sin(etape * Pi / 2 + k) * 1.2;
            p.setPen(QPen(QColor(70, 130, 50), 1));
            p.drawLine(QPointF(x, y), QPointF(x, h - 1));
            Ellipse(p, x - 2.5, y - 2.5, 5, 5, k % 2 ? QColor(240, 220, 90) : QColor(220, 110, 160), 0.6);
        }
    } else if (Contient(d.Nom, {"souche"})) {
        Ellipse(p, l * 0.15, h * 0.45, l * 0.7, h * 0.5, QColor(120, 86, 56));
        Ellipse(p, l * 0.15, h * 0.3, l * 0.7, h * 0.35, QColor(196, 160, 110));
    } else if (Contient(d.Nom, {"feu", "brasier", "camp"})) {
        for (int k = 0; k < 3; ++k) Rect(p, l * (0.18 + k * 0.2), h * 0.78, l * 0.28, h * 0.12, QColor(110, 76, 48));
        const double f = 0.8 + 0.2 * std::sin(etape * 1.7);
        Forme(p, Polygone({QPointF(l * 0.25, h * 0.82), QPointF(l * 0.5, h * (0.82 - 0.66 * f)), QPointF(l * 0.75, h * 0.82)}), QColor(240, 130, 40), 0);
        Forme(p, Polygone({QPointF(l * 0.36, h * 0.82), QPointF(l * 0.5 + std::sin(etape) * 2, h * (0.82 - 0.42 * f)), QPointF(l * 0.64, h * 0.82)}), QColor(255, 220, 90), 0);
    } else {
        Ellipse(p, l * 0.1, h * 0.2, l * 0.8, h * 0.75, TeinteNom(d.Nom, 110, 170));
    }
}

void Effet(QPainter& p, const DonneesRegles::Effet& e, int etape, int etapes) {
    const double l = e.Largeur, h = e.Hauteur, t = etapes > 0 ? static_cast<double>(etape) / etapes : 0;
    const double cx = l / 2, cy = h / 2;
    p.setPen(Qt::NoPen);
    auto etincelles = [&](const QColor& c, int n, double rayon, double taille) {
        for (int k = 0; k < n; ++k) {
            const double a = 2 * Pi * k / n + t;
            p.setBrush(c);
            p.drawEllipse(QPointF(cx + std::cos(a) * rayon, cy + std::sin(a) * rayon), taille, taille);
        }
    };
    if (Contient(e.Nom, {"incendie", "feu", "flamme"})) {
        for (int k = 0; k < 5; ++k) {
            const double x = l * (0.15 + k * 0.17), haut = h * (0.35 + 0.25 * std::abs(std::sin(etape * 0.9 + k * 1.3)));
            Forme(p, Polygone({QPointF(x - l * 0.09, h * 0.95), QPointF(x, h * 0.95 - haut), QPointF(x + l * 0.09, h * 0.95)}),
                  k % 2 ? QColor(255, 200, 70) : QColor(236, 100, 40), 0);
        }
    } else if (Contient(e.Nom, {"effondre", "chute", "detruit", "poussiere", "fumee"})) {
        for (int k = 0; k < 7; ++k) {
            const double a = 2 * Pi * k / 7;
            const double r = (0.15 + 0.3 * t) * l;
            p.setBrush(QColor(180, 170, 156, 230 - static_cast<int>(120 * t)));
            p.drawEllipse(QPointF(cx + std::cos(a) * r, cy + std::sin(a) * r * 0.6 + h * 0.15), l * (0.12 + 0.08 * t), h * (0.1 + 0.06 * t));
        }
        for (int k = 0; k < 4; ++k) Rect(p, cx - l * 0.3 + k * l * 0.18, h * (0.2 + 0.7 * t) + (k % 2) * 3, l * 0.08, l * 0.08, QColor(150, 144, 136), 0.5);
    } else if (Contient(e.Nom, {"eclair", "arcan", "foudre"})) {
        p.setPen(QPen(QColor(170, 220, 255), 2.5));
        double x = cx + std::sin(etape * 2.1) * l * 0.1;
        for (int k = 0; k < 5; ++k) {
            const double x2 = cx + std::sin(etape * 1.3 + k * 2.2) * l * 0.25;
            p.drawLine(QPointF(x, h * k / 5.0), QPointF(x2, h * (k + 1) / 5.0));
            x = x2;
        }
        p.setPen(Qt::NoPen);
        etincelles(QColor(200, 160, 255), 6, l * 0.3 * (1 - t), 2);
    } else if (Contient(e.Nom, {"soin", "guerison", "sacre", "lueur", "resurrection"})) {
        const bool or_ = Contient(e.Nom, {"sacre", "resurrection"});
        QRadialGradient g(cx, cy, l * 0.45);
        g.setColorAt(0, or_ ? QColor(255, 246, 190, 230) : QColor(190, 255, 190, 230));
        g.setColorAt(1, or_ ? QColor(240, 200, 90, 0) : QColor(90, 220, 110, 0));
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, cy), l * (0.2 + 0.25 * std::sin(t * Pi)), h * 0.45);
        etincelles(or_ ? QColor(255, 236, 140) : QColor(150, 250, 160), 5, l * 0.35 * (1 - t) + 3, 1.8);
    } else if (Contient(e.Nom, {"invocation", "portail"})) {
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(QColor(170 + k * 20, 90, 230), 2));
            p.setBrush(Qt::NoBrush);
            const double r = l * (0.12 + 0.12 * k) * (0.5 + 0.5 * std::sin(t * Pi));
            p.drawEllipse(QPointF(cx, cy), r, r * 0.6);
        }
    } else if (Contient(e.Nom, {"or", "piece", "tresor"})) {
        for (int k = 0; k < 6; ++k) {
            p.setBrush(QColor(246, 204, 70));
            p.drawEllipse(QPointF(l * (0.15 + 0.14 * k), std::fmod(h * (0.1 + 0.17 * k) + t * h, h * 0.9)), 3, 3);
        }
    } else if (Contient(e.Nom, {"fleche"})) {
        p.setPen(QPen(QColor(140, 100, 60), 2));
        p.drawLine(QPointF(l * 0.1, h * 0.5), QPointF(l * 0.6, h * 0.5));
        etincelles(QColor(250, 230, 170), 5, l * 0.15 + t * l * 0.2, 1.5);
    } else {
        // A blow: a star that opens and fades.
        const QColor c = Contient(e.Nom, {"morsure", "entaille"}) ? QColor(230, 70, 60) : QColor(255, 230, 120);
        QPainterPath etoile;
        for (int k = 0; k < 10; ++k) {
            const double a = Pi * k / 5 + t, r = (k % 2 ? 0.15 : 0.42) * l * (0.5 + 0.5 * std::sin(t * Pi + 0.3));
            if (k == 0) etoile.moveTo(cx + std::cos(a) * r, cy + std::sin(a) * r);
            else etoile.lineTo(cx + std::cos(a) * r, cy + std::sin(a) * r);
        }
        etoile.closeSubpath();
        Forme(p, etoile, c, 0.8);
    }
}

void Icone(QPainter& p, const DonneesRegles::Objet& o) {
    const std::string& n = o.Nom;
    const QColor metal(200, 206, 216), bois(150, 104, 62), or_(236, 196, 80);
    // A soft round backdrop so that every icon reads on any window.
    QRadialGradient fond(16, 16, 16);
    fond.setColorAt(0, QColor(236, 226, 200));
    fond.setColorAt(1, QColor(180, 160, 130));
    p.setPen(QPen(QColor(120, 96, 70), 1));
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.save();
    if (Contient(n, {"epee", "dague", "glaive"})) {
        const double lg = Contient(n, {"dague"}) ? 14 : Contient(n, {"longue"}) ? 22 : 18;
        p.translate(16, 16);
        p.rotate(-45);
        Forme(p, Polygone({QPointF(-2, 4), QPointF(-2, 4 - lg), QPointF(0, 2 - lg - 2), QPointF(2, 4 - lg), QPointF(2, 4)}), metal);
        Rect(p, -6, 4, 12, 2.5, or_);
        Rect(p, -1.5, 6.5, 3, 6, bois);
    } else if (Contient(n, {"hache", "hachette"})) {
        p.translate(16, 16);
        p.rotate(-30);
        Rect(p, -1.5, -12, 3, 24, bois);
        Forme(p, Polygone({QPointF(1, -11), QPointF(9, -14), QPointF(9, -2), QPointF(1, -5)}), metal);
    } else if (Contient(n, {"lance", "hallebarde", "hast"})) {
        p.translate(16, 16);
        p.rotate(45);
        Rect(p, -1.2, -10, 2.4, 24, bois);
        Forme(p, Polygone({QPointF(-3, -10), QPointF(0, -15), QPointF(3, -10)}), metal);
        if (Contient(n, {"hallebarde"})) Forme(p, Polygone({QPointF(1, -9), QPointF(7, -11), QPointF(7, -4), QPointF(1, -6)}), metal);
    } else if (Contient(n, {"arc"})) {
        QPainterPath arc;
        arc.moveTo(10, 4);
        arc.quadTo(26, 16, 10, 28);
        p.setPen(QPen(bois, 2.5));
        p.setBrush(Qt::NoBrush);
        p.drawPath(arc);
        p.setPen(QPen(QColor(230, 230, 220), 1));
        p.drawLine(QPointF(10, 4), QPointF(10, 28));
    } else if (Contient(n, {"baton", "baguette", "sceptre"})) {
        p.setPen(QPen(bois, 2.5));
        p.drawLine(QPointF(8, 26), QPointF(22, 8));
        Ellipse(p, 19, 4, 7, 7, Contient(n, {"guerison"}) ? QColor(120, 230, 140) : QColor(150, 120, 240));
    } else if (Contient(n, {"bouclier", "pavois"})) {
        const bool rond = Contient(n, {"rond"});
        if (rond) Ellipse(p, 6, 6, 20, 20, QColor(150, 104, 62));
        else Forme(p, Polygone({QPointF(7, 5), QPointF(25, 5), QPointF(25, 18), QPointF(16, 28), QPointF(7, 18)}), QColor(70, 100, 170));
        Ellipse(p, 13, 13, 6, 6, metal);
    } else if (Contient(n, {"casque", "heaume"})) {
        p.setBrush(metal);
        p.setPen(QPen(Varier(metal, -80), 1));
        p.drawChord(QRectF(7, 7, 18, 20), 0, 180 * 16);
        Rect(p, 7, 16, 18, 4, Varier(metal, -20));
    } else if (Contient(n, {"capuche", "chapeau"})) {
        Forme(p, Polygone({QPointF(7, 25), QPointF(16, 5), QPointF(25, 25)}), QColor(80, 120, 70));
    } else if (Contient(n, {"tunique", "cotte", "robe", "armure", "plastron"})) {
        const QColor c = Contient(n, {"cotte", "armure"}) ? metal : Contient(n, {"robe"}) ? QColor(110, 90, 190) : QColor(150, 110, 70);
        Forme(p, Polygone({QPointF(10, 6), QPointF(22, 6), QPointF(28, 12), QPointF(24, 15), QPointF(23, 27), QPointF(9, 27), QPointF(8, 15),
                           QPointF(4, 12)}), c);
    } else if (Contient(n, {"botte", "chausse"})) {
        Forme(p, Polygone({QPointF(9, 6), QPointF(16, 6), QPointF(16, 21), QPointF(25, 23), QPointF(25, 27), QPointF(9, 27)}), QColor(120, 84, 54));
    } else if (Contient(n, {"anneau", "bague"})) {
        p.setPen(QPen(or_, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(16, 18), 7, 7);
        Ellipse(p, 13, 6, 6, 6, TeinteNom(n, 200, 230));
    } else if (Contient(n, {"amulette", "collier", "pendentif"})) {
        p.setPen(QPen(or_, 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 3, 16, 16), 180 * 16, 180 * 16);
        Ellipse(p, 11, 16, 10, 10, TeinteNom(n, 200, 220));
    } else if (Contient(n, {"ceinture"})) {
        Rect(p, 4, 13, 24, 6, QColor(130, 90, 56));
        Rect(p, 13, 12, 6, 8, or_);
    } else if (Contient(n, {"potion", "elixir", "fiole"})) {
        const QColor c = Contient(n, {"soin"}) ? QColor(220, 60, 60) : Contient(n, {"mana", "elixir"}) ? QColor(70, 110, 230) : QColor(90, 200, 90);
        Rect(p, 13, 4, 6, 7, QColor(200, 220, 230));
        Ellipse(p, 7, 10, 18, 18, c);
        Ellipse(p, 11, 13, 4, 4, Varier(c, 90), 0);
    } else if (Contient(n, {"parchemin", "livre", "grimoire"})) {
        Rect(p, 7, 8, 18, 16, QColor(236, 222, 180));
        Ellipse(p, 5, 6, 6, 20, QColor(214, 196, 150));
        p.setPen(QPen(QColor(150, 120, 90), 1));
        for (int k = 0; k < 3; ++k) p.drawLine(QPointF(12, 12 + k * 4), QPointF(22, 12 + k * 4));
    } else if (Contient(n, {"plume"})) {
        QPainterPath plume;
        plume.moveTo(8, 27);
        plume.quadTo(10, 8, 25, 4);
        plume.quadTo(22, 20, 8, 27);
        Forme(p, plume, QColor(240, 110, 50));
    } else if (Contient(n, {"tablette", "rune"})) {
        Rect(p, 8, 5, 16, 22, QColor(150, 146, 136));
        p.setPen(QPen(QColor(120, 220, 240), 1.5));
        p.drawLine(QPointF(12, 10), QPointF(20, 22));
        p.drawLine(QPointF(20, 10), QPointF(12, 22));
    } else {
        Ellipse(p, 8, 8, 16, 16, TeinteNom(n, 150, 200));
    }
    p.restore();
}

void Tresor(QPainter& p, int k, int n) {
    const double rang = n > 1 ? static_cast<double>(k) / (n - 1) : 0;
    const QColor or_(240, 200, 70), bois(150, 100, 56);
    if (rang < 0.2) {  // a purse
        Ellipse(p, 6, 9, 14, 14, QColor(150, 110, 70));
        Rect(p, 10, 6, 6, 4, QColor(130, 90, 56));
    } else if (rang < 0.45) {  // a satchel with coins
        Rect(p, 4, 9, 18, 13, QColor(130, 90, 56));
        for (int c = 0; c < 3; ++c) Ellipse(p, 6 + c * 5, 19, 6, 4, or_, 0.6);
    } else {  // chests, larger and overflowing
        const double l = 14 + 8 * rang;
        Rect(p, 13 - l / 2, 12, l, 11, bois);
        p.setBrush(bois);
        p.setPen(QPen(Varier(bois, -70), 1));
        p.drawChord(QRectF(13 - l / 2, 6, l, 12), 0, 180 * 16);
        Rect(p, 11, 14, 4, 4, or_);
        for (int c = 0; c < static_cast<int>(rang * 8); ++c) Ellipse(p, 3 + (c * 7) % 19, 20 + (c % 2) * 2, 5, 3.5, or_, 0.5);
    }
}

void Depot(QPainter& p, const std::string& nom, const std::string& ressource) {
    const std::string tout = nom + " " + ressource;
    if (Contient(tout, {"baie", "buisson"})) {
        Ellipse(p, 3, 8, 26, 22, QColor(60, 120, 56));
        for (int k = 0; k < 6; ++k) Ellipse(p, 7 + (k * 5) % 17, 12 + (k * 7) % 12, 4, 4, QColor(200, 40, 80), 0.5);
    } else if (Contient(tout, {"poisson", "etang"})) {
        Ellipse(p, 1, 8, 30, 22, QColor(60, 120, 190));
        Forme(p, Polygone({QPointF(10, 18), QPointF(19, 14), QPointF(23, 18), QPointF(19, 22)}), QColor(210, 220, 230), 0.6);
    } else if (Contient(tout, {"bois", "bosquet"})) {
        for (int k = 0; k < 3; ++k) {
            Rect(p, 6 + k * 9, 16, 3, 14, QColor(112, 78, 50));
            Ellipse(p, 1 + k * 9, 4 + (k % 2) * 4, 13, 14, QColor(64 + k * 10, 128, 60));
        }
    } else if (Contient(tout, {"fer", "filon", "minerai"})) {
        Forme(p, Polygone({QPointF(2, 30), QPointF(8, 10), QPointF(20, 4), QPointF(30, 30)}), QColor(120, 110, 104));
        for (int k = 0; k < 4; ++k) Ellipse(p, 9 + k * 4, 13 + (k % 2) * 7, 4, 3, QColor(196, 110, 70), 0.5);
    } else if (Contient(tout, {"pierre", "roche", "affleurement"})) {
        Forme(p, Polygone({QPointF(2, 30), QPointF(6, 14), QPointF(16, 6), QPointF(26, 12), QPointF(30, 30)}), QColor(156, 150, 140));
    } else if (Contient(tout, {"ble", "champ", "cereale"})) {
        for (int k = 0; k < 7; ++k) {
            p.setPen(QPen(QColor(200, 170, 70), 1.5));
            p.drawLine(QPointF(4 + k * 4, 30), QPointF(5 + k * 4, 10 + (k % 3) * 2));
            Ellipse(p, 3 + k * 4, 7 + (k % 3) * 2, 4, 6, QColor(230, 200, 90), 0.5);
        }
    } else if (Contient(tout, {"herbe", "plante", "fleur"})) {
        for (int k = 0; k < 5; ++k) {
            p.setPen(QPen(QColor(70, 150, 70), 2));
            p.drawLine(QPointF(6 + k * 5, 30), QPointF(8 + k * 4, 12 + (k % 2) * 5));
            Ellipse(p, 5 + k * 5, 10 + (k % 2) * 5, 5, 5, QColor(170, 110, 210), 0.5);
        }
    } else {
        Ellipse(p, 4, 10, 24, 18, TeinteNom(tout, 130, 190));
    }
}

}  // namespace

int DessinerDecors(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    // Deposits: one column per resource, drawn as the (last) deposit kind
    // that yields it, or as the resource itself.
    if (!d.Ressources.empty()) {
        QImage feuille = Toile(32 * static_cast<int>(d.Ressources.size()), 32);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (std::size_t r = 0; r < d.Ressources.size(); ++r) {
            std::string depot;
            for (const auto& t : d.Depots)
                if (t.TypeRessource == static_cast<int>(r)) depot = t.Nom;
            p.save();
            p.translate(32.0 * static_cast<double>(r), 0);
            p.setClipRect(0, 0, 32, 32);
            Depot(p, depot, d.Ressources[r]);
            p.restore();
        }
        p.end();
        n += Enregistrer(feuille, images / "Decors" / "Ressources.bmp");
    }
    if (!d.Tresors.empty()) {
        const int k = static_cast<int>(d.Tresors.size());
        QImage feuille = Toile(26 * k, 26);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int i = 0; i < k; ++i) {
            p.save();
            p.translate(26 * i, 0);
            p.setClipRect(0, 0, 26, 26);
            Tresor(p, i, k);
            p.restore();
        }
        p.end();
        n += Enregistrer(feuille, images / "Decors" / "Tresors.bmp");
    }
    for (const auto& decor : d.Decors) {
        if (decor.Image.empty()) continue;
        QImage feuille = Toile(decor.Largeur * decor.Etapes, decor.Hauteur);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int e = 0; e < decor.Etapes; ++e) {
            p.save();
            p.translate(e * decor.Largeur, 0);
            p.setClipRect(0, 0, decor.Largeur, decor.Hauteur);
            Decor(p, decor, e);
            p.restore();
        }
        p.end();
        n += Enregistrer(feuille, images / "Decors" / (decor.Image + ".bmp"));
    }
    return n;
}

int DessinerEffets(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    for (const auto& e : d.Effets) {
        if (e.Fichier.empty()) continue;
        // One column per step, and one more: the drawing step is the step
        // counter rounded, which reaches the count on the effect's last tick.
        const int colonnes = e.Etapes + 1;
        QImage feuille = Toile(e.Largeur * colonnes, e.Hauteur);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int k = 0; k < colonnes; ++k) {
            p.save();
            p.translate(k * e.Largeur, 0);
            p.setClipRect(0, 0, e.Largeur, e.Hauteur);
            Effet(p, e, k, e.Etapes);
            p.restore();
        }
        p.end();
        n += Enregistrer(feuille, images / "Effets" / (e.Fichier + ".bmp"));
    }
    return n;
}

int DessinerObjets(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    for (const auto& o : d.Objets) {
        QImage icone = Toile(32, 32);
        QPainter p(&icone);
        p.setRenderHint(QPainter::Antialiasing);
        Icone(p, o);
        p.end();
        n += Enregistrer(icone, images / "Objets" / (o.Image + ".bmp"));
    }
    return n;
}
