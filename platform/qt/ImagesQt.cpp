#include "platform/qt/ImagesQt.h"

#include <QClipboard>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstring>

#include "platform/ErreurFichier.h"
#include "platform/ImageBMP.h"

namespace {

// Where Debian's fonts-dejavu-core puts the font.
const char* const FichiersPolice[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/dejavu/DejaVuSansMono.ttf",
};

}  // namespace

QImage VueQImage(const Surface& surface) {
    if (surface.Vide()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(surface.Pixels().data()), surface.Largeur(), surface.Hauteur(),
                  static_cast<qsizetype>(surface.Largeur()) * 2, QImage::Format_RGB16);
}

Surface DepuisQImage(const QImage& image) {
    if (image.isNull()) return Surface();
    // Qt's own conversion to RGB16 keeps each channel's high bits.
    QImage rgb16 = image.convertToFormat(QImage::Format_RGB16);
    Surface s(rgb16.width(), rgb16.height());
    for (int y = 0; y < rgb16.height(); ++y)
        std::memcpy(s.Rangee(y), rgb16.constScanLine(y), static_cast<std::size_t>(rgb16.width()) * 2);
    return s;
}

std::optional<Surface> DecodeurImageQt::Decoder(const std::filesystem::path& chemin) {
    Raison.clear();
    // The file's own checks come first: a header that promises more than
    // the file holds, or a picture too large, is refused with its reason
    // (Qt would show a truncated picture as a whole one).
    QFile fichier(QString::fromStdString(chemin.string()));
    if (!fichier.open(QIODevice::ReadOnly)) {
        Raison = "le fichier ne peut pas être lu.";
        return std::nullopt;
    }
    if (static_cast<std::uintmax_t>(fichier.size()) > TailleFichierMax::Image) {
        Raison = "le fichier est trop volumineux (" + std::to_string(fichier.size()) + " octets ; au plus " +
                 std::to_string(TailleFichierMax::Image) + ").";
        return std::nullopt;
    }
    const QByteArray octets = fichier.readAll();
    if (auto defaut = DefautBMP(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size())))) {
        Raison = *defaut;
        return std::nullopt;
    }
    QImage image;
    if (!image.loadFromData(octets, "BMP")) {
        Raison = "ce n'est pas une image BMP lisible.";
        return std::nullopt;
    }
    // Transparency is the colour key alone: an alpha channel is dropped.
    if (image.hasAlphaChannel()) image = image.convertToFormat(QImage::Format_RGB32);
    return DepuisQImage(image);
}

RenduGlyphesQt::RenduGlyphesQt() {
    for (const char* f : FichiersPolice) {
        if (!QFile::exists(f)) continue;
        int id = QFontDatabase::addApplicationFont(f);
        if (id < 0) continue;
        auto familles = QFontDatabase::applicationFontFamilies(id);
        if (familles.isEmpty()) continue;
        famille_ = familles.front();
        trouvee_ = true;
        break;
    }
    if (!trouvee_) famille_ = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
}

bool RenduGlyphesQt::Rendre(char32_t c, std::array<std::uint8_t, 7 * 16>& couverture) {
    QFont police(famille_);
    police.setPixelSize(12);
    // Crisp pixels, as text on a 16-bit screen always looked: each glyph
    // pixel is ink or nothing, which also keeps text drawing cheap.
    police.setStyleStrategy(QFont::NoAntialias);
    police.setHintingPreference(QFont::PreferFullHinting);
    QFontMetrics mesures(police);
    const char32_t tampon[1] = {c};
    QString texte = QString::fromUcs4(tampon, 1);
    if (c != U' ' && !mesures.inFontUcs4(static_cast<uint>(c))) return false;
    QImage cellule(7, 16, QImage::Format_ARGB32_Premultiplied);
    cellule.fill(Qt::transparent);
    {
        QPainter p(&cellule);
        p.setFont(police);
        p.setPen(Qt::white);
        // Centred in the cell; the baseline leaves room for descenders.
        const int avance = mesures.horizontalAdvance(texte);
        p.drawText(QPointF((7 - avance) / 2.0, 12.0), texte);
    }
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 7; ++x) couverture[static_cast<std::size_t>(y * 7 + x)] = static_cast<std::uint8_t>(qAlpha(cellule.pixel(x, y)));
    return true;
}

std::shared_ptr<const CacheGlyphes> CreerGlyphesQt() {
    RenduGlyphesQt rendu;
    return std::make_shared<const CacheGlyphes>(rendu);
}

bool PressePapiersQt::MettreImage(const Surface& image) {
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || image.Vide()) return false;
    QClipboard* pp = QGuiApplication::clipboard();
    if (!pp) return false;
    pp->setImage(VueQImage(image).copy());
    return true;
}
