// Pictures of the in-game interface: the button sheets under
// Images\Boutons (one column per button of a family, one row per state)
// and the window pictures under Images\Fenetres (window backgrounds and the
// HUD frame). Cell sizes come from Ini_Boutons, so the sheets always match
// what the game cuts.
#include <QFont>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

#include "interface/ClsAffBouton.h"
#include "platform/DossierJeu.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

const QColor Bois(118, 84, 52), Parchemin(232, 214, 170), Encre(60, 46, 40), Or(226, 182, 72);

// The plate of a button: raised (state 0), lit (1) or greyed (2).
void Plaque(QPainter& p, QRectF r, int etat, const QColor& teinte) {
    QColor fond = etat == 1 ? Varier(teinte, 40) : etat == 2 ? QColor(110, 110, 116) : teinte;
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Varier(fond, 30));
    g.setColorAt(1, Varier(fond, -30));
    p.setPen(QPen(etat == 1 ? Or : Varier(fond, -60), etat == 1 ? 2.0 : 1.0));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 4, 4);
}

void Lettre(QPainter& p, QRectF r, const QString& t, const QColor& c, int taille) {
    QFont f("DejaVu Sans");
    f.setPixelSize(taille);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, t);
}

QString Initiale(const std::string& nom) {
    const QString q = QString::fromUtf8(nom.c_str());
    return q.isEmpty() ? QString("?") : q.left(1).toUpper();
}

// A small house, a castle, a person, a sword: the pictograms of the HUD.
void Maison(QPainter& p, QRectF r, const QColor& c) {
    const double x = r.x(), y = r.y(), l = r.width(), h = r.height();
    Rect(p, x + l * 0.25, y + h * 0.45, l * 0.5, h * 0.35, c);
    QPainterPath toit;
    toit.moveTo(x + l * 0.18, y + h * 0.47);
    toit.lineTo(x + l * 0.5, y + h * 0.2);
    toit.lineTo(x + l * 0.82, y + h * 0.47);
    toit.closeSubpath();
    Forme(p, toit, QColor(170, 70, 50));
}
void Chateau(QPainter& p, QRectF r, const QColor& c) {
    const double x = r.x(), y = r.y(), l = r.width(), h = r.height();
    Rect(p, x + l * 0.2, y + h * 0.4, l * 0.6, h * 0.42, c);
    Rect(p, x + l * 0.15, y + h * 0.25, l * 0.18, h * 0.57, c);
    Rect(p, x + l * 0.67, y + h * 0.25, l * 0.18, h * 0.57, c);
    Rect(p, x + l * 0.44, y + h * 0.62, l * 0.12, h * 0.2, QColor(90, 60, 40));
}
void Personnage(QPainter& p, QRectF r, const QColor& c) {
    const double x = r.x(), y = r.y(), l = r.width(), h = r.height();
    Ellipse(p, x + l * 0.38, y + h * 0.16, l * 0.24, h * 0.24, QColor(236, 196, 160));
    QPainterPath corps;
    corps.moveTo(x + l * 0.3, y + h * 0.84);
    corps.lineTo(x + l * 0.36, y + h * 0.44);
    corps.lineTo(x + l * 0.64, y + h * 0.44);
    corps.lineTo(x + l * 0.7, y + h * 0.84);
    corps.closeSubpath();
    Forme(p, corps, c);
}
void Epee(QPainter& p, QRectF r) {
    const double x = r.x(), y = r.y(), l = r.width(), h = r.height();
    p.setPen(QPen(QColor(210, 214, 226), 2.5));
    p.drawLine(QPointF(x + l * 0.25, y + h * 0.75), QPointF(x + l * 0.78, y + h * 0.22));
    p.setPen(QPen(QColor(150, 110, 60), 2.5));
    p.drawLine(QPointF(x + l * 0.2, y + h * 0.58), QPointF(x + l * 0.42, y + h * 0.8));
}
void Fleche(QPainter& p, QRectF r, bool haut, const QColor& c) {
    QPainterPath f;
    const double x = r.x(), y = r.y(), l = r.width(), h = r.height();
    if (haut) {
        f.moveTo(x + l * 0.5, y + h * 0.2);
        f.lineTo(x + l * 0.85, y + h * 0.7);
        f.lineTo(x + l * 0.15, y + h * 0.7);
    } else {
        f.moveTo(x + l * 0.5, y + h * 0.8);
        f.lineTo(x + l * 0.85, y + h * 0.3);
        f.lineTo(x + l * 0.15, y + h * 0.3);
    }
    f.closeSubpath();
    Forme(p, f, c);
}

int Construire(const DonneesRegles& d, const ClsAffBouton::Tailles& t, const fs::path& dossier) {
    const int L = t.Largeur[0], H = t.Hauteur[0];
    int n = 1;
    for (const auto& b : d.Batiments)
        if (b.NoEpoque <= d.NombreEpoques) ++n;
    QImage image = Toile(L * n, H * 3);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < 3; ++e) {
        for (int i = 0; i < n; ++i) {
            const QRectF r(i * L, e * H, L, H);
            if (i == 0) {
                Plaque(p, r, e, QColor(150, 70, 60));
                Maison(p, r.adjusted(4, 4, -4, -4), QColor(200, 190, 170));
                p.setPen(QPen(QColor(250, 230, 90), 3));
                p.drawLine(r.topLeft() + QPointF(8, 8), r.bottomRight() - QPointF(8, 8));
                continue;
            }
            const auto& b = d.Batiments[static_cast<std::size_t>(i - 1)];
            const QColor teinte = TeinteNom(b.Nom, 90, 170);
            Plaque(p, r, e, e == 2 ? QColor(110, 110, 116) : Varier(teinte, e == 0 ? -40 : 0));
            Maison(p, r.adjusted(3, 1, -3, -9), e == 2 ? QColor(150, 150, 150) : Varier(teinte, 50));
            Lettre(p, QRectF(r.x(), r.bottom() - 15, L, 14), Initiale(b.Nom), e == 1 ? QColor(255, 250, 220) : QColor(200, 200, 200), 11);
        }
    }
    p.end();
    return Enregistrer(image, dossier / "Construire.bmp") ? 1 : 0;
}

int Infos(const ClsAffBouton::Tailles& t, const fs::path& dossier) {
    const int L = t.Largeur[1], H = t.Hauteur[1], n = 7;
    QImage image = Toile(L * n, H * 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < 2; ++e)
        for (int i = 0; i < n; ++i) {
            const QRectF r(i * L, e * H, L, H), c = r.adjusted(5, 5, -5, -5);
            Plaque(p, r, e, Bois);
            switch (i) {
                case 0: Maison(p, c, Parchemin); break;
                case 1: Ellipse(p, c.x() + 3, c.y() + 6, c.width() - 6, c.height() - 6, QColor(190, 150, 90)); break;
                case 2: Personnage(p, c, QColor(80, 110, 180)); break;
                case 3: Lettre(p, r, "★", Or, 18); break;
                case 4: Epee(p, c); break;
                case 5: Lettre(p, r, "☠", Parchemin, 18); break;
                default:
                    Rect(p, c.x() + 4, c.y() + 2, 5, c.height() - 4, Parchemin);
                    Rect(p, c.right() - 9, c.y() + 2, 5, c.height() - 4, Parchemin);
                    break;
            }
        }
    p.end();
    return Enregistrer(image, dossier / "Infos.bmp") ? 1 : 0;
}

int Menu(const ClsAffBouton::Tailles& t, const fs::path& dossier) {
    const int L = t.Largeur[7], H = t.Hauteur[7];
    const char* textes[2] = {"Sauvegarder", "Quitter"};
    QImage image = Toile(L * 2, H * 2);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < 2; ++e)
        for (int i = 0; i < 2; ++i) {
            const QRectF r(i * L, e * H, L, H);
            Plaque(p, r, e, Bois);
            Lettre(p, r, QString::fromUtf8(textes[i]), e ? QColor(255, 240, 180) : Parchemin, 14);
        }
    p.end();
    return Enregistrer(image, dossier / "Menu.bmp") ? 1 : 0;
}

int Deplacement(const DonneesRegles& d, const ClsAffBouton::Tailles& t, const fs::path& dossier) {
    const int L = t.Largeur[3], H = t.Hauteur[3], n = 20, lignes = 5;
    QImage image = Toile(L * n, H * lignes);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < lignes; ++e)
        for (int i = 0; i < n; ++i) {
            const QRectF r(i * L, e * H, L, H), c = r.adjusted(4, 4, -4, -4);
            // Row 1 is the pressed look; the formation button has a row per formation.
            Plaque(p, r, i == 19 ? 0 : (e == 1 ? 1 : 0), QColor(92, 104, 84));
            if (i == 0) {
                Chateau(p, c, e == 1 ? QColor(150, 150, 150) : QColor(200, 196, 186));
            } else if (i == 1) {
                Maison(p, c, Parchemin);
            } else if (i <= 9) {
                const std::size_t k = static_cast<std::size_t>(i - 2);
                const std::string nom = k < d.Depots.size() ? d.Depots[k].Nom : "?";
                Ellipse(p, c.x() + 2, c.y() + 2, c.width() - 4, c.height() - 4, TeinteNom(nom, 120, 200));
                Lettre(p, r, Initiale(nom), Encre, 13);
            } else if (i <= 12) {
                if (i == 10) Personnage(p, c, QColor(170, 60, 60));
                if (i == 11) Maison(p, c, QColor(200, 140, 140));
                if (i == 12) Chateau(p, c, QColor(200, 140, 140));
                Epee(p, c);
            } else if (i == 13) {
                Rect(p, c.x() + 2, c.y() + 8, c.width() - 4, c.height() - 10, QColor(150, 100, 50));
                Rect(p, c.x() + 2, c.y() + 6, c.width() - 4, 5, Or);
            } else if (i == 14) {
                Lettre(p, r, "A", e == 1 ? Or : Parchemin, 18);
            } else if (i == 15) {
                Lettre(p, r, "!", QColor(250, 220, 120), 20);
            } else if (i == 16) {
                Rect(p, c.x() + 4, c.y() + 4, c.width() - 8, c.height() - 8, QColor(190, 60, 50));
            } else if (i == 17) {
                Fleche(p, c.adjusted(0, -4, 0, -4), true, QColor(220, 90, 60));
                Fleche(p, c.adjusted(0, 4, 0, 4), true, QColor(220, 90, 60));
            } else if (i == 18) {
                QPainterPath bouclier;
                bouclier.moveTo(c.x() + 3, c.y() + 2);
                bouclier.lineTo(c.right() - 3, c.y() + 2);
                bouclier.lineTo(c.right() - 3, c.center().y());
                bouclier.lineTo(c.center().x(), c.bottom() - 1);
                bouclier.lineTo(c.x() + 3, c.center().y());
                bouclier.closeSubpath();
                Forme(p, bouclier, e == 1 ? QColor(200, 70, 60) : QColor(80, 120, 190));
            } else {
                // One dot pattern per formation: square, line, column, wedge, ring.
                for (int k = 0; k < 9; ++k) {
                    double px = 0, py = 0;
                    switch (e) {
                        case 0: px = k % 3, py = k / 3; break;
                        case 1: px = k * 0.25, py = 1; break;
                        case 2: px = 1, py = k * 0.25; break;
                        case 3: px = 1 + (k % 2 ? 1 : -1) * (k / 2) * 0.25, py = (k / 2) * 0.5; break;
                        default: px = 1 + std::cos(k * 0.7) , py = 1 + std::sin(k * 0.7); break;
                    }
                    Ellipse(p, c.x() + 2 + px * 7, c.y() + 2 + py * 7, 4, 4, Parchemin);
                }
            }
        }
    p.end();
    return Enregistrer(image, dossier / "Deplacement.bmp") ? 1 : 0;
}

// Small square buttons of the windows: a plate and a mark per column.
int Petits(const ClsAffBouton::Tailles& t, std::int16_t type, const fs::path& chemin,
           const std::vector<QString>& marques, const QColor& teinte, int lignes) {
    const int L = t.Largeur[static_cast<std::size_t>(type)], H = t.Hauteur[static_cast<std::size_t>(type)];
    const int n = static_cast<int>(marques.size());
    QImage image = Toile(L * n, H * lignes);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int e = 0; e < lignes; ++e)
        for (int i = 0; i < n; ++i) {
            const QRectF r(i * L, e * H, L, H);
            Plaque(p, r, e == 1 ? 2 : 0, teinte);
            Lettre(p, r, marques[static_cast<std::size_t>(i)], Parchemin, 11);
        }
    p.end();
    return Enregistrer(image, chemin) ? 1 : 0;
}

int Defilement(const ClsAffBouton::Tailles& t, const fs::path& dossier) {
    // One picture cut three ways: arrows (kind 6), bar (8) and square (9),
    // each at its own column index in cells of its own width.
    const int la = t.Largeur[6], ha = t.Hauteur[6], lb = t.Largeur[8], hb = t.Hauteur[8], lc = t.Largeur[9],
              hc = t.Hauteur[9];
    const int largeur = std::max({2 * la, 3 * lb, 4 * lc}), hauteur = std::max({ha, hb, hc});
    QImage image = Toile(largeur, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Plaque(p, QRectF(0, 0, la, ha), 0, Bois);
    Fleche(p, QRectF(0, 0, la, ha), true, Parchemin);
    Plaque(p, QRectF(la, 0, la, ha), 0, Bois);
    Fleche(p, QRectF(la, 0, la, ha), false, Parchemin);
    Rect(p, 2 * lb + lb * 0.3, 1, lb * 0.4, hb - 2, Varier(Bois, -20));
    Plaque(p, QRectF(3 * lc, 0, lc, hc), 1, Bois);
    p.end();
    return Enregistrer(image, dossier / "Defilement.bmp") ? 1 : 0;
}

void Case(QPainter& p, double x, double y) {
    p.setPen(QPen(Varier(Bois, -20), 1));
    p.setBrush(Varier(Parchemin, -25));
    p.drawRoundedRect(QRectF(x - 1, y - 1, 33, 33), 3, 3);
}

int Fenetres(const fs::path& dossier, int largeur, int hauteur, int inventaire) {
    QImage image = Toile(largeur * 3, hauteur);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    static constexpr int ex[10] = {38, 238, 137, 137, 137, 187, 38, 238, 88, 38};
    static constexpr int ey[10] = {124, 124, 88, 39, 166, 88, 162, 162, 104, 72};
    for (int v = 0; v < 3; ++v) {
        const QRectF r(v * largeur, 0, largeur, hauteur);
        QLinearGradient g(r.topLeft(), r.bottomRight());
        g.setColorAt(0, Parchemin);
        g.setColorAt(1, Varier(Parchemin, -22));
        p.setPen(QPen(Bois, 4));
        p.setBrush(g);
        p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 10, 10);
        p.setPen(QPen(Or, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(9, 9, -9, -9), 7, 7);
        if (v == 0) continue;
        // The inventory: a figure among its equipment slots, the bag below.
        Personnage(p, QRectF(r.x() + 96, 30, 128, 176), v == 1 ? QColor(90, 110, 160) : QColor(160, 80, 120));
        for (int k = 0; k < 10; ++k) Case(p, r.x() + ex[k], ey[k]);
        for (int i = 0; i < inventaire; ++i) Case(p, r.x() + 32 * (1 + i % 8), 208 + 32 * (i / 8));
    }
    p.end();
    return Enregistrer(image, dossier / "Fenetres.bmp") ? 1 : 0;
}

int Cadre(const fs::path& dossier) {
    // A parchment plate behind the status bars of the top-left corner; the
    // rest of the screen stays clear.
    QImage image = Toile(1280, 1024);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Bois, 3));
    p.setBrush(QColor(226, 208, 164, 255));
    p.drawRoundedRect(QRectF(2, 2, 206, 114), 8, 8);
    p.end();
    return Enregistrer(image, dossier / "Cadre.bmp") ? 1 : 0;
}

}  // namespace

int DessinerInterface(const DonneesRegles& d, DossierJeu& dossier, const fs::path& images) {
    const ClsAffBouton::Tailles t = ClsAffBouton::Tailles::Lire(dossier);
    const fs::path boutons = images / "Boutons", fenetres = images / "Fenetres";
    fs::create_directories(boutons);
    fs::create_directories(fenetres);
    int n = 0;
    n += Construire(d, t, boutons);
    n += Infos(t, boutons);
    n += Menu(t, boutons);
    n += Deplacement(d, t, boutons);
    n += Petits(t, 2, boutons / "Action.bmp", {"M", "F", "+1", "+10", "++", "S", "X", "A", "P", "V"}, QColor(110, 90, 60), 3);
    n += Petits(t, 4, boutons / "Commerce.bmp", {"1", "5", "T", "1", "5", "T", "T", "I", "S"}, QColor(150, 120, 40), 2);
    n += Petits(t, 5, boutons / "Transfert.bmp", {"1", "5", "T", "1", "5", "T"}, QColor(70, 100, 130), 1);
    n += Defilement(t, boutons);
    // The bag shows as many slots as the rules give a character.
    ClsFicINI persos(dossier);
    persos.NomFichier = "Ini_Parametres_Persos";
    persos.Section = "Personnages";
    const int inventaire = std::clamp(static_cast<int>(Val(persos.Parametre("PersosNombreObjetsInventaire"))), 0, 24);
    n += Fenetres(fenetres, 320, 350, inventaire > 0 ? inventaire : 16);
    n += Cadre(fenetres);
    return n;
}
