// Castles and houses. A castle sheet (one per people) has one row per era,
// growing from a palisade to a walled city; a house sheet has one row per
// construction step (scaffolding rising) and the finished house last, and
// one column per animation step (smoke, a turning sail, a glowing forge).
#include <cmath>

#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

constexpr double Pi = 3.14159265358979;

enum class Genre { Maison, Ferme, Bois, Peche, Verger, Forge, Four, Temple, Tour, Boutique, Guilde, Ruine };

Genre GenreBatiment(const std::string& nom) {
    if (Contient(nom, {"sanctuaire", "ruine", "oubli"})) return Genre::Ruine;
    if (Contient(nom, {"temple", "chapelle", "eglise", "abbaye"})) return Genre::Temple;
    if (Contient(nom, {"tour", "mage", "enchant"})) return Genre::Tour;
    if (Contient(nom, {"forge", "armur", "fonderie"})) return Genre::Forge;
    if (Contient(nom, {"boulang", "four", "officine", "alchim", "brass"})) return Genre::Four;
    if (Contient(nom, {"ferme", "grange", "moulin"})) return Genre::Ferme;
    if (Contient(nom, {"bucheron", "scierie", "bois"})) return Genre::Bois;
    if (Contient(nom, {"pecheur", "port", "quai"})) return Genre::Peche;
    if (Contient(nom, {"verger", "jardin", "vigne"})) return Genre::Verger;
    if (Contient(nom, {"guilde", "chasse", "caserne"})) return Genre::Guilde;
    if (Contient(nom, {"archer", "boutique", "echoppe", "marche"})) return Genre::Boutique;
    return Genre::Maison;
}

// A house body with a gabled roof, filling the box (x, y, l, h).
void Maison(QPainter& p, double x, double y, double l, double h, const QColor& mur, const QColor& toit, bool porte = true) {
    const double hautToit = h * 0.45;
    Rect(p, x + l * 0.08, y + hautToit, l * 0.84, h - hautToit, mur);
    // Timber frame.
    p.setPen(QPen(Varier(mur, -80), 1));
    p.drawLine(QPointF(x + l * 0.08, y + hautToit + (h - hautToit) * 0.45), QPointF(x + l * 0.92, y + hautToit + (h - hautToit) * 0.45));
    QPolygonF t;
    t << QPointF(x, y + hautToit + 2) << QPointF(x + l * 0.5, y) << QPointF(x + l, y + hautToit + 2);
    p.setPen(QPen(Varier(toit, -70), 1));
    p.setBrush(toit);
    p.drawPolygon(t);
    for (int k = 1; k < 4; ++k) {
        const double yy = y + hautToit * k / 4.0;
        const double demi = l * 0.5 * k / 4.0;
        p.drawLine(QPointF(x + l * 0.5 - demi, yy + 1), QPointF(x + l * 0.5 + demi, yy + 1));
    }
    if (porte) {
        Rect(p, x + l * 0.42, y + h - (h - hautToit) * 0.55, l * 0.16, (h - hautToit) * 0.55 - 0.5, QColor(110, 74, 46));
        Rect(p, x + l * 0.18, y + hautToit + (h - hautToit) * 0.18, l * 0.13, (h - hautToit) * 0.22, QColor(240, 214, 130));
        Rect(p, x + l * 0.69, y + hautToit + (h - hautToit) * 0.18, l * 0.13, (h - hautToit) * 0.22, QColor(240, 214, 130));
    }
}

void Fumee(QPainter& p, double x, double y, int etape, double u) {
    p.setPen(Qt::NoPen);
    for (int k = 0; k < 3; ++k) {
        const double t = (etape + k * 1.3);
        p.setBrush(QColor(200, 200, 206, 220 - k * 50));
        p.drawEllipse(QPointF(x + std::sin(t) * 2 * u, y - (k * 5 + etape % 2 * 2) * u), (2.5 + k) * u, (2 + k * 0.8) * u);
    }
}

void Fini(QPainter& p, const DonneesRegles::Batiment& b, double l, double h, int etape, bool vide) {
    const Genre g = GenreBatiment(b.Nom);
    const double u = l / 64.0;
    QColor mur(222, 206, 168), toit = b.NoEpoque <= 1 ? QColor(196, 164, 90) : b.NoEpoque == 2 ? QColor(176, 82, 60) : QColor(92, 100, 128);
    const QColor teinte = TeinteNom(b.Nom, 120, 200);
    switch (g) {
        case Genre::Temple: {
            Rect(p, l * 0.12, h * 0.42, l * 0.76, h * 0.56, QColor(230, 226, 214));
            for (int k = 0; k < 4; ++k) Rect(p, l * (0.17 + k * 0.2), h * 0.46, l * 0.07, h * 0.5, QColor(246, 244, 236));
            QPolygonF fronton;
            fronton << QPointF(l * 0.06, h * 0.44) << QPointF(l * 0.5, h * 0.2) << QPointF(l * 0.94, h * 0.44);
            Forme(p, [&] { QPainterPath c; c.addPolygon(fronton); c.closeSubpath(); return c; }(), QColor(210, 200, 180));
            Rect(p, l * 0.46, h * 0.02, l * 0.08, h * 0.2, QColor(224, 196, 90));
            // A light that pulses in the doorway.
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 236, 150, 150 + 25 * (etape % 4)));
            p.drawEllipse(QPointF(l * 0.5, h * 0.78), l * (0.06 + 0.01 * (etape % 4)), h * 0.12);
            break;
        }
        case Genre::Tour: {
            Rect(p, l * 0.28, h * 0.3, l * 0.44, h * 0.68, QColor(150, 146, 170));
            for (int k = 0; k < 4; ++k) p.drawLine(QPointF(l * 0.28, h * (0.45 + k * 0.13)), QPointF(l * 0.72, h * (0.45 + k * 0.13)));
            QPolygonF chapeau;
            chapeau << QPointF(l * 0.18, h * 0.32) << QPointF(l * 0.5, h * 0.02) << QPointF(l * 0.82, h * 0.32);
            p.setBrush(QColor(80, 70, 150));
            p.drawPolygon(chapeau);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150 + 25 * (etape % 4), 220, 255));
            p.drawEllipse(QPointF(l * 0.5, h * 0.5), l * 0.07, l * 0.07);
            Rect(p, l * 0.42, h * 0.86, l * 0.16, h * 0.12, QColor(110, 74, 46));
            break;
        }
        case Genre::Ruine: {
            for (int k = 0; k < 5; ++k) {
                const double hc = h * (0.3 + 0.12 * ((k * 3) % 5));
                Rect(p, l * (0.1 + k * 0.17), h - hc - 2, l * 0.1, hc, QColor(168, 176, 164));
            }
            Rect(p, l * 0.05, h * 0.86, l * 0.9, h * 0.12, QColor(140, 150, 136));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 240, 200, 120 + 30 * (etape % 4)));
            p.drawEllipse(QPointF(l * 0.5, h * 0.62), l * 0.12, h * 0.16);
            break;
        }
        default: {
            double lm = l, xm = 0;
            if (g == Genre::Ferme || g == Genre::Bois || g == Genre::Verger || g == Genre::Guilde) lm = l * 0.62;
            Maison(p, xm, h * 0.08, lm, h * 0.9, mur, toit);
            // Sign of the trade over the door.
            Ellipse(p, lm * 0.5 - 5 * u, h * 0.5, 10 * u, 8 * u, teinte);
            const double xd = lm, ld = l - lm;
            if (g == Genre::Ferme) {
                for (int k = 0; k < 4; ++k) Rect(p, xd + 2, h * (0.45 + k * 0.13), ld - 4, h * 0.09, QColor(216, 190, 90));
            } else if (g == Genre::Bois) {
                for (int k = 0; k < 3; ++k)
                    for (int j = 0; j < 3 - k; ++j) Ellipse(p, xd + 3 + j * 8 * u + k * 4 * u, h * (0.82 - k * 0.11), 8 * u, 7 * u, QColor(150, 104, 62));
            } else if (g == Genre::Verger) {
                for (int k = 0; k < 2; ++k) {
                    Rect(p, xd + ld * (0.3 + 0.4 * k) - 1.5, h * 0.55, 3, h * 0.35, QColor(110, 76, 50));
                    Ellipse(p, xd + ld * (0.3 + 0.4 * k) - 8 * u, h * 0.3, 16 * u, 16 * u, QColor(80, 150, 60));
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(220, 60, 50));
                    p.drawEllipse(QPointF(xd + ld * (0.3 + 0.4 * k), h * 0.4), 1.6 * u, 1.6 * u);
                }
            } else if (g == Genre::Guilde) {
                Rect(p, xd + 3, h * 0.6, ld - 6, h * 0.36, QColor(150, 110, 70));
                p.setPen(QPen(QColor(226, 214, 190), 2));
                p.drawLine(QPointF(xd + 6, h * 0.55), QPointF(xd + ld - 6, h * 0.75));
            }
            if (g == Genre::Forge || g == Genre::Four) {
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 140 + 20 * (etape % 4), 40));
                p.drawEllipse(QPointF(lm * 0.25, h * 0.82), 4 * u, 3 * u);
            }
            if (g == Genre::Peche) {
                p.setPen(QPen(QColor(120, 90, 60), 1.5));
                p.drawLine(QPointF(l * 0.85, h * 0.98), QPointF(l * 0.98, h * 0.4));
            }
            // A chimney smoking while it works.
            Rect(p, lm * 0.7, h * 0.1, 6 * u, h * 0.16, QColor(150, 120, 100));
            if (b.EtapesAnimation > 1) Fumee(p, lm * 0.7 + 3 * u, h * 0.06, etape, u);
            break;
        }
    }
    // An empty shop: its stall is bare.
    if (vide) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 110, 100, 200));
        p.drawRect(QRectF(l * 0.05, h * 0.9, l * 0.9, h * 0.08));
    }
}

// Construction step k of n: foundation, walls rising in scaffolding.
void Chantier(QPainter& p, double l, double h, int k, int n) {
    const double part = (k + 1.0) / (n + 1.0);
    Rect(p, l * 0.06, h * 0.86, l * 0.88, h * 0.12, QColor(170, 150, 120));
    const double haut = h * 0.86 * part;
    if (k > 0) Rect(p, l * 0.1, h * 0.86 - haut, l * 0.8, haut, QColor(204, 186, 150));
    p.setPen(QPen(QColor(140, 100, 60), 1.5));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(l * (0.1 + i * 0.27), h * 0.98), QPointF(l * (0.1 + i * 0.27), h * (0.9 - 0.8 * part)));
    p.drawLine(QPointF(l * 0.08, h * (0.9 - 0.8 * part)), QPointF(l * 0.92, h * (0.9 - 0.8 * part)));
    p.drawLine(QPointF(l * 0.1, h * 0.98), QPointF(l * 0.9, h * (0.9 - 0.8 * part)));
    // Stacked planks beside it.
    Rect(p, l * 0.7, h * 0.9, l * 0.22, h * 0.06, QColor(176, 130, 80));
}

void Chateau(QPainter& p, double l, double h, int epoque, const std::string& peuple, bool monstres) {
    const QColor banniere = TeinteNom(peuple, 190, 210);
    const bool marais = Contient(peuple, {"marais", "ombre"});
    QColor pierre = monstres ? (marais ? QColor(110, 126, 120) : QColor(140, 110, 80)) : QColor(176, 172, 162);
    if (Contient(peuple, {"montagn", "cime", "nain"})) pierre = QColor(150, 150, 160);
    const double u = l / 128.0;
    const int tours = 2 + epoque;
    if (monstres && !marais) {
        // A palisade of stakes around hide tents.
        for (int k = 0; k < 14; ++k) {
            QPolygonF pieu;
            const double x = l * (0.04 + k * 0.066);
            pieu << QPointF(x, h * 0.98) << QPointF(x, h * (0.5 - 0.05 * epoque)) << QPointF(x + 4 * u, h * (0.45 - 0.05 * epoque))
                 << QPointF(x + 8 * u, h * (0.5 - 0.05 * epoque)) << QPointF(x + 8 * u, h * 0.98);
            Forme(p, [&] { QPainterPath c; c.addPolygon(pieu); c.closeSubpath(); return c; }(), Varier(pierre, (k % 3) * 8));
        }
        for (int k = 0; k < 1 + epoque; ++k) {
            QPolygonF tente;
            const double x = l * (0.2 + k * 0.26);
            tente << QPointF(x, h * 0.5) << QPointF(x + 16 * u, h * 0.12) << QPointF(x + 32 * u, h * 0.5);
            Forme(p, [&] { QPainterPath c; c.addPolygon(tente); c.closeSubpath(); return c; }(), QColor(190, 160, 120));
        }
        Rect(p, l * 0.42, h * 0.68, l * 0.16, h * 0.3, QColor(100, 70, 44));
    } else {
        // Walls between towers, a keep behind; each era adds height and towers.
        const double mur = h * (0.36 + 0.06 * epoque);
        Rect(p, l * 0.08, h - mur, l * 0.84, mur - 1, pierre);
        for (int k = 0; k < 10; ++k) Rect(p, l * (0.1 + k * 0.082), h - mur - 5 * u, 5 * u, 5 * u, pierre);
        const double donjonH = h * (0.62 + 0.08 * epoque);
        Rect(p, l * 0.36, h - donjonH, l * 0.28, donjonH - mur * 0.5, Varier(pierre, 10));
        for (int k = 0; k < tours; ++k) {
            const double x = tours == 1 ? l * 0.45 : l * (0.04 + k * 0.82 / (tours - 1));
            const double th = mur + h * 0.14;
            Rect(p, x, h - th, l * 0.12, th - 1, Varier(pierre, -8));
            QPolygonF toit;
            toit << QPointF(x - 2 * u, h - th) << QPointF(x + l * 0.06, h - th - h * 0.14) << QPointF(x + l * 0.12 + 2 * u, h - th);
            Forme(p, [&] { QPainterPath c; c.addPolygon(toit); c.closeSubpath(); return c; }(), marais ? QColor(70, 90, 96) : QColor(150, 70, 60));
        }
        Rect(p, l * 0.43, h - mur * 0.55, l * 0.14, mur * 0.55 - 1, QColor(96, 66, 44));
        if (marais) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(90, 130, 110, 180));
            p.drawRect(QRectF(0, h * 0.9, l, h * 0.1));
        }
    }
    // The people's banner on the top.
    p.setPen(QPen(QColor(90, 70, 50), 1.5));
    const double xm = l * 0.5, ym = monstres && !marais ? h * 0.12 : h - h * (0.62 + 0.08 * epoque);
    p.drawLine(QPointF(xm, ym), QPointF(xm, ym - 16 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(banniere);
    QPolygonF drapeau;
    drapeau << QPointF(xm, ym - 16 * u) << QPointF(xm + 14 * u, ym - 12 * u) << QPointF(xm, ym - 8 * u);
    p.drawPolygon(drapeau);
}

}  // namespace

int DessinerBatiments(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    const int epoques = std::max(1, d.NombreEpoques);
    for (std::size_t i = 0; i < d.Peuples.size(); ++i) {
        const auto& peuple = d.Peuples[i];
        const int l = std::max(16, peuple.ChateauLargeur), h = std::max(16, peuple.ChateauHauteur);
        QImage feuille = Toile(l, epoques * h);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int e = 0; e < epoques; ++e) {
            p.save();
            p.translate(0, e * h);
            p.setClipRect(0, 0, l, h);
            Chateau(p, l, h, e, peuple.Nom, peuple.NombreMonstres > 0);
            p.restore();
        }
        p.end();
        char nom[32];
        std::snprintf(nom, sizeof nom, "Chateaux-%04d.bmp", static_cast<int>(i + 1));
        n += Enregistrer(feuille, images / "Batiments" / nom);
    }
    for (const auto& b : d.Batiments) {
        const int l = b.Largeur, h = b.Hauteur, etapes = b.EtapesFabrication, anim = b.EtapesAnimation;
        // Rows 0 .. etapes - 1 under construction, row etapes finished; a
        // shop whose stock is empty shows row etapes - 1, drawn finished
        // but bare when the house is a shop.
        const bool vendeur = b.Magasin || b.Fabrique || b.Service > 0;
        QImage feuille = Toile(anim * l, (etapes + 1) * h);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int r = 0; r <= etapes; ++r)
            for (int c = 0; c < anim; ++c) {
                p.save();
                p.translate(c * l, r * h);
                p.setClipRect(0, 0, l, h);
                if (r == etapes) Fini(p, b, l, h, c, false);
                else Chantier(p, l, h, r, etapes);
                p.restore();
            }
        (void)vendeur;
        p.end();
        n += Enregistrer(feuille, images / "Batiments" / (b.Nom + ".bmp"));
    }
    return n;
}
