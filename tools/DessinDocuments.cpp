// Pictures of the HTML pages: PNG copies of the item icons, with the
// colour key made transparent, in the Images folder beside the pages (the
// folder Ini_Documents names). Browsers show PNG everywhere; the game's own
// bitmaps stay as they are.
#include <QImage>

#include "platform/Chemins.h"
#include "platform/DossierJeu.h"
#include "tools/Dessin.h"
#include "tools/Dessins.h"

namespace {

// Black is the game's colour key: transparent on a page.
QImage SansCleCouleur(const QImage& source) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* ligne = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((ligne[x] & 0x00FFFFFF) == 0) ligne[x] = 0;
    }
    return image;
}

bool Copier(const QImage& source, const fs::path& cible) {
    if (source.isNull()) return false;
    std::error_code ec;
    fs::create_directories(cible.parent_path(), ec);
    return SansCleCouleur(source).save(QString::fromStdString(cible.string()), "PNG");
}

}  // namespace

int CopierImagesDocuments(const DonneesRegles& d, DossierJeu& dossier, const fs::path& images) {
    // The pages' folder, as the game will build it from the same setting.
    const std::string chemin = dossier.LireCle("Ini_Documents.ini", "Documents", "FichierDocumentChemin");
    // A folder that would climb out of the game folder gets no pictures
    // (the game refuses to write its pages there too).
    std::size_t debut = 0;
    for (std::size_t i = 0; i <= chemin.size(); ++i) {
        if (i == chemin.size() || chemin[i] == '\\' || chemin[i] == '/') {
            const std::string_view composant(chemin.data() + debut, i - debut);
            if (!composant.empty() && !NomFichierSur(composant)) return 0;
            debut = i + 1;
        }
    }
    const fs::path pages = CheminJeu(images.parent_path(), chemin.empty() ? "\\" : chemin);
    int n = 0;
    for (const auto& o : d.Objets) {
        const QImage icone(QString::fromStdString((images / "Objets" / (o.Image + ".bmp")).string()));
        n += Copier(icone, pages / "Images" / "Objets" / (o.Image + ".png"));
    }
    return n;
}
