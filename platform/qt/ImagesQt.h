// The Qt side of pictures: bitmap files decoded through QImage into 5-6-5
// surfaces, the game's font rendered into the glyph cache, surfaces seen as
// QImages, and the clipboard.
#pragma once

#include <QImage>
#include <QString>

#include <memory>

#include "platform/CacheGlyphes.h"
#include "platform/Graphique.h"
#include "platform/PressePapiers.h"

class DecodeurImageQt : public DecodeurImage {
public:
    std::optional<Surface> Decoder(const std::filesystem::path& chemin) override;
};

// DejaVu Sans Mono, drawn into 7 x 16 cells. Needs a QGuiApplication.
class RenduGlyphesQt : public RenduGlyphes {
public:
    RenduGlyphesQt();
    bool Rendre(char32_t c, std::array<std::uint8_t, 7 * 16>& couverture) override;
    // False when the font file was not found and a fallback monospaced
    // font is used.
    bool PoliceTrouvee() const { return trouvee_; }

private:
    QString famille_;
    bool trouvee_ = false;
};

// The glyph cache of the game's text, rendered once.
std::shared_ptr<const CacheGlyphes> CreerGlyphesQt();

class PressePapiersQt : public PressePapiers {
public:
    bool MettreImage(const Surface& image) override;
};

// A QImage that reads the surface's pixels in place (valid while the
// surface lives and keeps its size).
QImage VueQImage(const Surface& surface);
// A copy of any QImage as a 5-6-5 surface (channels keep their high bits).
Surface DepuisQImage(const QImage& image);
