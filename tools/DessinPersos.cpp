// Character sheets. Each look is 3 columns (walk frames: left foot, both
// feet, right foot) by 4 rows (walking up, right, down, left); standing
// shows the middle frame facing down. The common sheet (named after the
// first people) holds every look twice, masculine then feminine; each
// race's appearance folders hold one file per look of that race.
#include <cmath>

#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

enum class Corps { Humain, Trapu, Elance, Petit, Colosse, Golem, Spectre, Quadrupede, Araignee };

Corps CorpsRace(const std::string& nom) {
    if (Contient(nom, {"loup", "chien", "ours", "sanglier", "cheval", "lion"})) return Corps::Quadrupede;
    if (Contient(nom, {"araign", "scorp", "insecte"})) return Corps::Araignee;
    if (Contient(nom, {"spectre", "fantome", "esprit", "ombre", "revenant"})) return Corps::Spectre;
    if (Contient(nom, {"golem", "statue", "gargouille"})) return Corps::Golem;
    if (Contient(nom, {"troll", "ogre", "geant", "orque"})) return Corps::Colosse;
    if (Contient(nom, {"gobelin", "kobold", "lutin"})) return Corps::Petit;
    if (Contient(nom, {"nain", "naine"})) return Corps::Trapu;
    if (Contient(nom, {"sylph", "elf", "fee"})) return Corps::Elance;
    return Corps::Humain;
}

struct Aspect {
    Corps corps = Corps::Humain;
    QColor peau{226, 184, 148}, habit{70, 110, 170}, habit2{120, 90, 60}, cheveux{96, 64, 40};
    bool feminin = false, barbe = false, casque = false, oreilles = false, ailes = false, capuche = false;
};

// Poses: the walk frame gives the stride (-1, 0, 1); the row the heading.
void Humanoide(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    const double s = image == 0 ? -1 : image == 2 ? 1 : 0;
    double echelleL = 1.0, echelleH = 1.0;
    if (a.corps == Corps::Trapu) echelleL = 1.18, echelleH = 0.9;
    if (a.corps == Corps::Elance) echelleL = 0.82;
    if (a.corps == Corps::Colosse) echelleL = 1.25;
    const double cx = l / 2, sol = h - 1;
    const double tete = std::min(l * 0.22 * echelleL, h * 0.14);
    const double hautJambes = h * 0.30 * echelleH, hautTronc = h * 0.34 * echelleH;
    const double yHanche = sol - hautJambes, yEpaule = yHanche - hautTronc;
    const double yTete = yEpaule - tete * 0.9;
    const double largeurTronc = l * 0.42 * echelleL;
    const bool profil = rangee == 1 || rangee == 3;
    const double sens = rangee == 3 ? -1 : 1;
    if (a.ailes) {
        p.setOpacity(0.85);
        for (int k = -1; k <= 1; k += 2) {
            QPainterPath aile;
            const double bat = image == 1 ? 0.8 : 1.0;
            aile.moveTo(cx, yEpaule + 2);
            aile.quadTo(cx + k * l * 0.55 * bat, yEpaule - h * 0.18, cx + k * l * 0.42 * bat, yEpaule + h * 0.16);
            aile.closeSubpath();
            Forme(p, aile, QColor(200, 232, 246), 0.8);
        }
        p.setOpacity(1.0);
    }
    // Legs.
    const double jambe = largeurTronc * 0.36;
    QColor bas = a.habit2;
    if (profil) {
        Rect(p, cx - jambe / 2 + s * l * 0.12 * sens, yHanche, jambe, hautJambes - (s > 0 ? 1 : 0), Varier(bas, -10));
        Rect(p, cx - jambe / 2 - s * l * 0.12 * sens, yHanche, jambe, hautJambes - (s < 0 ? 1 : 0), bas);
    } else {
        Rect(p, cx - largeurTronc / 2 + 1, yHanche, jambe, hautJambes - (s > 0 ? 2 : 0), bas);
        Rect(p, cx + largeurTronc / 2 - 1 - jambe, yHanche, jambe, hautJambes - (s < 0 ? 2 : 0), bas);
    }
    // Torso (a dress below the waist for the feminine variant).
    QPainterPath tronc;
    const double lt = profil ? largeurTronc * 0.72 : largeurTronc;
    tronc.addRoundedRect(QRectF(cx - lt / 2, yEpaule, lt, hautTronc + 1), 2, 2);
    Forme(p, tronc, a.habit);
    if (a.feminin) {
        QPainterPath robe;
        robe.moveTo(cx - lt / 2, yHanche - 1);
        robe.lineTo(cx + lt / 2, yHanche - 1);
        robe.lineTo(cx + lt / 2 + l * 0.1, yHanche + hautJambes * 0.62);
        robe.lineTo(cx - lt / 2 - l * 0.1, yHanche + hautJambes * 0.62);
        robe.closeSubpath();
        Forme(p, robe, Varier(a.habit, 18));
    }
    // Belt.
    p.setPen(Qt::NoPen);
    p.setBrush(Varier(a.habit2, -30));
    p.drawRect(QRectF(cx - lt / 2, yHanche - 2, lt, 1.6));
    // Arms swing against the legs.
    const double bras = std::max(2.0, largeurTronc * 0.24);
    if (profil) {
        Rect(p, cx - bras / 2 - s * l * 0.1 * sens, yEpaule + 1, bras, hautTronc * 0.85, Varier(a.habit, -16));
    } else {
        Rect(p, cx - lt / 2 - bras + 0.5, yEpaule + 1 + s, bras, hautTronc * 0.8, Varier(a.habit, -16));
        Rect(p, cx + lt / 2 - 0.5, yEpaule + 1 - s, bras, hautTronc * 0.8, Varier(a.habit, -16));
    }
    // Head.
    const double xt = cx + (profil ? sens * tete * 0.15 : 0);
    if (a.oreilles) {
        for (int k = -1; k <= 1; k += 2) {
            if (profil && k != -static_cast<int>(sens)) continue;
            QPolygonF o;
            o << QPointF(xt + k * tete * 0.7, yTete - tete * 0.2) << QPointF(xt + k * tete * 1.7, yTete - tete * 0.7)
              << QPointF(xt + k * tete * 0.8, yTete + tete * 0.3);
            p.setPen(QPen(Varier(a.peau, -60), 0.8));
            p.setBrush(a.peau);
            p.drawPolygon(o);
        }
    }
    Ellipse(p, xt - tete, yTete - tete, 2 * tete, 2 * tete, a.peau);
    // Hair, hood or helmet; a face when it looks our way.
    p.setPen(Qt::NoPen);
    if (a.casque) {
        p.setBrush(QColor(170, 176, 188));
        p.drawChord(QRectF(xt - tete * 1.08, yTete - tete * 1.15, tete * 2.16, tete * 2.0), 0, 180 * 16);
    } else if (a.capuche) {
        p.setBrush(Varier(a.habit, -20));
        p.drawChord(QRectF(xt - tete * 1.2, yTete - tete * 1.25, tete * 2.4, tete * 2.6), 0, 180 * 16);
    } else {
        p.setBrush(a.cheveux);
        if (rangee == 0) p.drawEllipse(QRectF(xt - tete, yTete - tete, 2 * tete, 2 * tete));
        else p.drawChord(QRectF(xt - tete, yTete - tete * 1.05, 2 * tete, 1.6 * tete), 0, 180 * 16);
        if (a.feminin && rangee != 2) p.drawRect(QRectF(xt - tete * (profil ? 0.2 + 0.7 * sens : 1), yTete, tete * (profil ? 0.9 : 2), tete * 1.3));
        else if (a.feminin) {
            p.drawRect(QRectF(xt - tete, yTete - tete * 0.2, tete * 0.45, tete * 1.6));
            p.drawRect(QRectF(xt + tete * 0.55, yTete - tete * 0.2, tete * 0.45, tete * 1.6));
        }
    }
    if (rangee != 0) {
        p.setBrush(QColor(44, 40, 56));
        const double oeil = std::max(1.0, tete * 0.22);
        if (profil) p.drawRect(QRectF(xt + sens * tete * 0.45 - oeil / 2, yTete - oeil / 2, oeil, oeil));
        else
            for (int k = -1; k <= 1; k += 2) p.drawRect(QRectF(xt + k * tete * 0.38 - oeil / 2, yTete - oeil / 2, oeil, oeil));
    }
    if (a.barbe && rangee != 0) {
        p.setBrush(a.cheveux);
        p.drawChord(QRectF(xt - tete * (profil ? 0.3 - 0.5 * sens : 0.9), yTete - tete * 0.2, tete * (profil ? 1.2 : 1.8), tete * 2.4),
                    180 * 16, 180 * 16);
    }
}

void Quadrupede(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    const double s = image == 0 ? -1 : image == 2 ? 1 : 0;
    const double sol = h - 1;
    const QColor poil = a.habit, clair = Varier(a.habit, 40);
    if (rangee == 1 || rangee == 3) {
        const double sens = rangee == 3 ? -1 : 1;
        const double corpsL = l * 0.62, corpsH = h * 0.34, y0 = sol - h * 0.32 - corpsH;
        const double x0 = l / 2 - corpsL / 2 - sens * l * 0.06;
        for (int k = 0; k < 4; ++k) {
            const double base = x0 + (k < 2 ? corpsL * 0.12 : corpsL * 0.75) + (k % 2) * 3;
            const double pas = (k % 2 == 0 ? s : -s) * l * 0.06;
            Rect(p, base + pas, y0 + corpsH * 0.7, std::max(2.0, l * 0.07), h * 0.32 + corpsH * 0.3 - 1, Varier(poil, -15 * (k % 2)));
        }
        // Tail.
        QPainterPath queue;
        const double xq = sens > 0 ? x0 : x0 + corpsL;
        queue.moveTo(xq, y0 + corpsH * 0.3);
        queue.quadTo(xq - sens * l * 0.16, y0 - corpsH * 0.2 + s, xq - sens * l * 0.2, y0 + corpsH * 0.1);
        p.setPen(QPen(poil, std::max(2.0, h * 0.08), Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(queue);
        Ellipse(p, x0, y0, corpsL, corpsH, poil);
        // Head and snout.
        const double xt = sens > 0 ? x0 + corpsL - l * 0.08 : x0 - l * 0.18;
        Ellipse(p, xt, y0 - h * 0.16, l * 0.26, h * 0.3, poil);
        Ellipse(p, xt + (sens > 0 ? l * 0.16 : -l * 0.04), y0 - h * 0.02, l * 0.14, h * 0.13, clair);
        QPolygonF oreille;
        oreille << QPointF(xt + l * 0.08, y0 - h * 0.12) << QPointF(xt + l * 0.12, y0 - h * 0.28) << QPointF(xt + l * 0.17, y0 - h * 0.12);
        p.setPen(QPen(Varier(poil, -60), 0.8));
        p.setBrush(poil);
        p.drawPolygon(oreille);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 220, 90));
        p.drawRect(QRectF(xt + (sens > 0 ? l * 0.15 : l * 0.06), y0 - h * 0.05, 1.6, 1.6));
    } else {
        const double corpsL = l * 0.42, cx = l / 2;
        for (int k = -1; k <= 1; k += 2)
            Rect(p, cx + k * corpsL * 0.3 - 1.5, sol - h * 0.36 + (k * s > 0 ? 2 : 0), 3, h * 0.36 - (k * s > 0 ? 2 : 0), Varier(poil, -15));
        Ellipse(p, cx - corpsL / 2, sol - h * 0.78, corpsL, h * 0.55, poil);
        const double yt = rangee == 2 ? sol - h * 0.62 : sol - h * 0.86;
        Ellipse(p, cx - l * 0.17, yt - h * 0.1, l * 0.34, h * 0.3, rangee == 2 ? poil : Varier(poil, -10));
        for (int k = -1; k <= 1; k += 2) {
            QPolygonF o;
            o << QPointF(cx + k * l * 0.06, yt - h * 0.06) << QPointF(cx + k * l * 0.15, yt - h * 0.2) << QPointF(cx + k * l * 0.17, yt - h * 0.02);
            p.setPen(QPen(Varier(poil, -60), 0.8));
            p.setBrush(poil);
            p.drawPolygon(o);
        }
        if (rangee == 2) {
            Ellipse(p, cx - l * 0.07, yt + h * 0.04, l * 0.14, h * 0.12, clair);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 220, 90));
            p.drawRect(QRectF(cx - l * 0.1, yt - h * 0.02, 1.6, 1.6));
            p.drawRect(QRectF(cx + l * 0.06, yt - h * 0.02, 1.6, 1.6));
        }
    }
}

void Araignee(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    const double cx = l / 2, cy = h * 0.58;
    const double s = image == 0 ? -1 : image == 2 ? 1 : 0;
    p.setPen(QPen(Varier(a.habit, -40), std::max(1.2, l * 0.05)));
    for (int k = 0; k < 4; ++k)
        for (int c = -1; c <= 1; c += 2) {
            const double dy = (k - 1.5) * h * 0.1 + ((k + (c > 0)) % 2 ? s : -s);
            QPainterPath patte;
            patte.moveTo(cx, cy + dy * 0.4);
            patte.quadTo(cx + c * l * 0.32, cy + dy - h * 0.18, cx + c * l * 0.46, cy + dy + h * 0.12);
            p.setBrush(Qt::NoBrush);
            p.drawPath(patte);
        }
    const double decal = rangee == 0 ? -h * 0.08 : rangee == 2 ? h * 0.08 : 0;
    const double lat = rangee == 1 ? l * 0.08 : rangee == 3 ? -l * 0.08 : 0;
    Ellipse(p, cx - l * 0.22 - lat, cy - h * 0.2 - decal, l * 0.44, h * 0.42, a.habit);
    Ellipse(p, cx - l * 0.13 + lat, cy - h * 0.14 + decal * 2.2, l * 0.26, h * 0.26, Varier(a.habit, 25));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 60, 60));
    if (rangee != 0)
        for (int k = -1; k <= 1; k += 2) p.drawRect(QRectF(cx + lat * 1.6 + k * l * 0.05 - 1, cy - h * 0.06 + decal * 2.2, 2, 2));
    p.setBrush(QColor(230, 200, 80));
    p.drawRect(QRectF(cx - lat - 1.5, cy - h * 0.1 - decal, 3, h * 0.12));
}

void Spectre(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    const double cx = l / 2, flotte = image == 1 ? -1.5 : 0;
    QPainterPath voile;
    const double haut = h * 0.1 + flotte, bas = h - 3 + flotte;
    voile.moveTo(cx - l * 0.36, bas);
    voile.cubicTo(cx - l * 0.42, h * 0.5, cx - l * 0.36, haut, cx, haut);
    voile.cubicTo(cx + l * 0.36, haut, cx + l * 0.42, h * 0.5, cx + l * 0.36, bas);
    for (int k = 3; k >= 0; --k) voile.lineTo(cx - l * 0.36 + k * l * 0.18, bas - ((k + image) % 2 ? 4 : 0));
    voile.closeSubpath();
    p.setOpacity(0.92);
    Forme(p, voile, a.habit, 1.0);
    p.setOpacity(1.0);
    if (rangee != 0) {
        const double dx = rangee == 1 ? l * 0.1 : rangee == 3 ? -l * 0.1 : 0;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 230, 220));
        for (int k = -1; k <= 1; k += 2) {
            if ((rangee == 1 && k < 0) || (rangee == 3 && k > 0)) continue;
            p.drawEllipse(QRectF(cx + dx + k * l * 0.12 - 2, h * 0.3 + flotte, 4, 3));
        }
        p.setBrush(Varier(a.habit, -50));
        p.drawEllipse(QRectF(cx + dx - 2.5, h * 0.44 + flotte, 5, 4 + image));
    }
}

void Golem(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    const double s = image == 0 ? -1 : image == 2 ? 1 : 0;
    const double cx = l / 2, sol = h - 1;
    const QColor pierre = a.habit;
    const bool profil = rangee == 1 || rangee == 3;
    const double lj = l * 0.2;
    Rect(p, cx - l * 0.26 + (profil ? s * 2 : 0), sol - h * 0.28 + (s > 0 && !profil ? 2 : 0), lj, h * 0.28, Varier(pierre, -20));
    Rect(p, cx + l * 0.06 - (profil ? s * 2 : 0), sol - h * 0.28 + (s < 0 && !profil ? 2 : 0), lj, h * 0.28, Varier(pierre, -20));
    Rect(p, cx - l * 0.34, sol - h * 0.7, l * 0.68, h * 0.44, pierre);
    p.setPen(QPen(Varier(pierre, -50), 1));
    p.drawLine(QPointF(cx - l * 0.2, sol - h * 0.55), QPointF(cx + l * 0.05, sol - h * 0.45));
    if (!profil) {
        Rect(p, cx - l * 0.48, sol - h * 0.66 + s, l * 0.14, h * 0.36, Varier(pierre, -10));
        Rect(p, cx + l * 0.34, sol - h * 0.66 - s, l * 0.14, h * 0.36, Varier(pierre, -10));
    } else {
        Rect(p, cx - l * 0.08 + s * 2, sol - h * 0.66, l * 0.16, h * 0.36, Varier(pierre, -10));
    }
    Rect(p, cx - l * 0.18, sol - h * 0.9, l * 0.36, h * 0.22, Varier(pierre, 12));
    if (rangee != 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 230, 250));
        const double dx = rangee == 1 ? l * 0.08 : rangee == 3 ? -l * 0.08 : 0;
        p.drawRect(QRectF(cx + dx - l * 0.1, sol - h * 0.82, 2.5, 2));
        if (!profil) p.drawRect(QRectF(cx + l * 0.06, sol - h * 0.82, 2.5, 2));
    }
}

void Dessiner(QPainter& p, double l, double h, const Aspect& a, int rangee, int image) {
    switch (a.corps) {
        case Corps::Quadrupede: Quadrupede(p, l, h, a, rangee, image); break;
        case Corps::Araignee: Araignee(p, l, h, a, rangee, image); break;
        case Corps::Spectre: Spectre(p, l, h, a, rangee, image); break;
        case Corps::Golem: Golem(p, l, h, a, rangee, image); break;
        default: Humanoide(p, l, h, a, rangee, image); break;
    }
}

// One look: 3 x 4 cells at (x0, 0).
void Planche(QPainter& p, int x0, int l, int h, const Aspect& a) {
    for (int rangee = 0; rangee < 4; ++rangee)
        for (int image = 0; image < 3; ++image) {
            p.save();
            p.translate(x0 + image * l, rangee * h);
            p.setClipRect(0, 0, l, h);
            Dessiner(p, l, h, a, rangee, image);
            p.restore();
        }
}

const QColor Peaux[] = {{236, 200, 164}, {214, 170, 128}, {176, 128, 90}, {132, 92, 66}, {244, 214, 186}};
const QColor Cheveux[] = {{96, 64, 40}, {60, 48, 44}, {196, 150, 80}, {150, 70, 40}, {210, 204, 190}, {70, 56, 80}};

// A villager's look, varied by its number; a worker's look follows what its
// building or item is.
Aspect AspectCommun(int n, bool feminin, const std::string& metier) {
    std::mt19937 gen(static_cast<std::uint32_t>(n * 7919 + 13));
    Aspect a;
    a.feminin = feminin;
    a.peau = Peaux[gen() % 5];
    a.cheveux = Cheveux[gen() % 6];
    a.habit = QColor::fromHsv(static_cast<int>(gen() % 360), 110 + static_cast<int>(gen() % 60), 150 + static_cast<int>(gen() % 60));
    a.habit2 = QColor::fromHsv(static_cast<int>(gen() % 360), 60, 110);
    if (!metier.empty()) {
        a.habit = TeinteNom(metier, 130, 175);
        if (Contient(metier, {"cotte", "maille", "armure", "plate", "casque"})) {
            a.habit = QColor(160, 166, 178);
            a.casque = true;
        }
        if (Contient(metier, {"robe", "arcan", "mage", "enchant", "temple", "sanctu", "officine"})) a.capuche = true;
        if (Contient(metier, {"cuir", "chass", "archer", "bucheron"})) a.habit = QColor(132, 96, 60);
        if (Contient(metier, {"forge", "armur"})) a.habit2 = QColor(90, 80, 76);
    }
    a.barbe = !feminin && gen() % 3 == 0;
    return a;
}

Aspect AspectRace(const DonneesRegles::Race& race, int n, bool feminin) {
    Aspect a = AspectCommun(n + 31 * static_cast<int>(Empreinte(race.Nom) % 97), feminin, "");
    a.corps = CorpsRace(race.Nom);
    std::mt19937 gen(Empreinte(race.Nom) + static_cast<std::uint32_t>(n));
    const int dv = static_cast<int>(gen() % 30) - 15;
    switch (a.corps) {
        case Corps::Trapu:
            a.barbe = !feminin;
            a.casque = n % 2 == 0;
            a.habit = Varier(QColor(150, 70, 50), dv);
            break;
        case Corps::Elance:
            a.ailes = true;
            a.peau = QColor(240, 226, 236);
            a.cheveux = QColor::fromHsv(170 + static_cast<int>(gen() % 80), 90, 230);
            a.habit = QColor::fromHsv(90 + static_cast<int>(gen() % 90), 90, 210);
            break;
        case Corps::Petit:
            a.oreilles = true;
            a.peau = Varier(QColor(120, 164, 70), dv);
            a.habit = Varier(QColor(120, 92, 60), dv);
            a.cheveux = QColor(70, 60, 44);
            break;
        case Corps::Colosse:
            a.peau = Varier(QColor(120, 140, 110), dv);
            a.habit = Varier(QColor(110, 84, 60), dv);
            a.cheveux = QColor(74, 70, 60);
            a.barbe = false;
            break;
        case Corps::Golem: a.habit = Varier(QColor(140, 132, 120), dv); break;
        case Corps::Spectre: a.habit = QColor(190 + dv, 214, 230); break;
        case Corps::Quadrupede: a.habit = Varier(QColor(128, 124, 120), dv * 2); break;
        case Corps::Araignee: a.habit = Varier(QColor(96, 70, 84), dv); break;
        case Corps::Humain: break;
    }
    return a;
}

std::string DossierJeuVersChemin(std::string s) {
    for (char& c : s)
        if (c == '\\') c = '/';
    return s;
}

}  // namespace

int DessinerPersos(const DonneesRegles& d, const fs::path& images) {
    int n = 0;
    // The common sheet.
    if (!d.Peuples.empty() && d.NombreApparences > 0) {
        const int l = std::max(8, d.LargeurPerso), h = std::max(8, d.HauteurPerso);
        QImage feuille = Toile(3 * 2 * d.NombreApparences * l, 4 * h);
        QPainter p(&feuille);
        p.setRenderHint(QPainter::Antialiasing);
        for (int a = 0; a < d.NombreApparences; ++a) {
            // The worker of a building, or the wearer of an item, that gives
            // this look.
            std::string metier;
            for (const auto& b : d.Batiments)
                if (b.ApparencePerso == a && a > 0) metier = b.Nom;
            for (const auto& o : d.Objets)
                if (o.ApparencePerso == a && a > 0) metier = o.Nom;
            for (int v = 0; v < 2; ++v) Planche(p, 3 * (2 * a + v) * l, l, h, AspectCommun(a, v == 1, metier));
        }
        p.end();
        n += Enregistrer(feuille, images / "Persos" / (d.Peuples[0].Nom + ".bmp"));
    }
    // Each race's own looks, one file per look.
    std::vector<std::string> faits;
    for (const auto& race : d.Races) {
        for (int sexe = 0; sexe < 2; ++sexe) {
            const std::string dossier = DossierJeuVersChemin(sexe ? race.CheminF : race.CheminM);
            if (dossier.empty() || dossier.find('.') != std::string::npos) continue;
            if (std::find(faits.begin(), faits.end(), dossier) != faits.end()) continue;
            faits.push_back(dossier);
            const int l = std::max(8, race.Largeur), h = std::max(8, race.Hauteur);
            const int nombre = race.Jouable ? 4 : 2;
            const bool feminin = sexe == 1 && race.CheminF != race.CheminM;
            std::string base;
            for (char c : Simplifier(fs::path(dossier).filename().string()))
                if (std::isalnum(static_cast<unsigned char>(c))) base.push_back(c);
            if (!base.empty()) base[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(base[0])));
            for (int k = 0; k < nombre; ++k) {
                QImage feuille = Toile(3 * l, 4 * h);
                QPainter p(&feuille);
                p.setRenderHint(QPainter::Antialiasing);
                Planche(p, 0, l, h, AspectRace(race, k, feminin));
                p.end();
                n += Enregistrer(feuille, images / "Persos" / dossier / (base + std::to_string(k + 1) + ".bmp"));
            }
        }
    }
    return n;
}
