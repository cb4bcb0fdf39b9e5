// Scenario previews: each scenario of the data set is built as a game
// builds it, and its map drawn small (terrain in the mean colour of its
// tiles, houses, then castles in their fief's colour) for the setup
// window to show beside the scenario's description. Drawn from the
// scenario itself, so that a preview never lags behind an edited map.
#include <algorithm>
#include <array>
#include <iostream>

#include "display/ClsAffTerrain.h"
#include "engine/ModMain.h"
#include "platform/DossierJeu.h"
#include "platform/ErreurFichier.h"
#include "platform/Texte.h"
#include "saves/ModSAVMonde.h"
#include "saves/ModScenario.h"
#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

// The size of every world preview the setup window shows.
constexpr int LargeurApercu = 160, HauteurApercu = 120;

// The mean colour of each terrain type's full tile (appearance code 1) in
// the terrain sheet drawn before.
std::vector<QColor> CouleursTerrains(const ClsJeuMonde& monde, const fs::path& images) {
    std::vector<QColor> couleurs;
    const QImage feuille(QString::fromStdString((images / "terrains" / "Plaine.bmp").string()));
    const int L = monde.LargeurCase, H = monde.HauteurCase;
    for (int t = 0; t <= monde.NombreTypesTerrains(); ++t) {
        const int x0 = L, y0 = ClsAffTerrain::LigneFeuille(monde, t, 0) * H;
        long r = 0, g = 0, b = 0, n = 0;
        for (int y = y0; y < y0 + H && y < feuille.height(); ++y)
            for (int x = x0; x < x0 + L && x < feuille.width(); ++x) {
                const QRgb c = feuille.pixel(x, y);
                r += qRed(c), g += qGreen(c), b += qBlue(c), ++n;
            }
        couleurs.push_back(n ? QColor(int(r / n), int(g / n), int(b / n)) : QColor(90, 120, 70));
    }
    return couleurs;
}

QImage Apercu(const ModMain& M, const std::vector<QColor>& terrains) {
    const ClsJeuMonde& monde = M.Monde;
    const int W = std::max(1, monde.LargeurCarte), H = std::max(1, monde.HauteurCarte);
    // The whole map, its proportions kept, centred on a dark ground.
    const double echelle = std::min(double(LargeurApercu) / W, double(HauteurApercu) / H);
    const int l = std::max(1, int(W * echelle)), h = std::max(1, int(H * echelle));
    const int ox = (LargeurApercu - l) / 2, oy = (HauteurApercu - h) / 2;
    QImage image(LargeurApercu, HauteurApercu, QImage::Format_RGB32);
    image.fill(QColor(24, 24, 30));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < l; ++x) {
            const int cx = std::min(W - 1, int(x / echelle)), cy = std::min(H - 1, int(y / echelle));
            const auto t = static_cast<std::size_t>(std::max<int>(0, monde.Param_TerrainCategorie(cy * W + cx)));
            image.setPixelColor(ox + x, oy + y, terrains[std::min(t, terrains.size() - 1)]);
        }
    QPainter p(&image);
    // From map pixels to the preview's.
    const double px = echelle / std::max<int>(1, monde.LargeurCase), py = echelle / std::max<int>(1, monde.HauteurCase);
    auto Rectangle = [&](const ClsJeuBatiment& b, int minimum) {
        const double w = std::max<double>(minimum, b.Largeur * px), hh = std::max<double>(minimum, b.Hauteur * py);
        return QRectF(ox + b.X * px - w / 2, oy + b.Y * py - hh / 2, w, hh);
    };
    p.setPen(QColor(40, 30, 20));
    p.setBrush(QColor(196, 150, 96));
    for (const ClsJeuBatiment& m : M.Maisons)
        if (m.Visible()) p.drawRect(Rectangle(m, 2));
    p.setPen(QPen(QColor(16, 16, 16), 1));
    for (std::size_t f = 0; f < M.Chateaux.size(); ++f) {
        const ClsJeuBatiment& c = M.Chateaux[f];
        if (c.Largeur <= 0) continue;
        // Distinct colours for the first fiefs, then hues from the number.
        static const std::array<QColor, 8> couleurs = {QColor(220, 50, 40),  QColor(50, 110, 230), QColor(240, 210, 40),
                                                     QColor(160, 60, 200), QColor(240, 240, 240), QColor(40, 200, 200),
                                                     QColor(240, 130, 30), QColor(230, 90, 170)};
        p.setBrush(f < couleurs.size() ? couleurs[f] : TeinteNom("fief" + std::to_string(f), 200, 230));
        p.drawRect(Rectangle(c, 5));
    }
    return image;
}

}  // namespace

int DessinerApercusScenarios(DossierJeu& dossier, const fs::path& images, const fs::path& scenarios) {
    ModSAVMonde sauvegardes(dossier);
    sauvegardes.Charger_Parametres_SavMonde();
    const fs::path source = sauvegardes.Dossier_Mondes(true);
    std::vector<QColor> terrains;
    int n = 0;
    for (const std::string& nom : sauvegardes.Liste_Fichiers(true)) {
        ModMain M(dossier);
        M.Charger_Parametres();
        M.IA2.Charger_IAs();
        // The same draws on every build: a preview changes only with its scenario.
        M.Aleatoire.TableActive = false;
        M.Aleatoire.Generateur().Semer(1);
        if (terrains.empty()) terrains = CouleursTerrains(M.Monde, images);
        const std::optional<std::string> texte = LireFichier(source / nom);
        if (!texte) throw ErreurFichier(nom, "Le scénario est illisible.");
        // A shipped scenario that does not build stops the build here.
        ModScenario(M).Lire_Scenario(*texte, nom);
        const fs::path sortie = scenarios / fs::path(nom).replace_extension(sauvegardes.ExtensionFichiersApercu);
        if (!Enregistrer(Apercu(M, terrains), sortie)) throw ErreurFichier(sortie.string(), "Écriture impossible.");
        ++n;
    }
    return n;
}
