// What every loader of pictures is handed in place of the drawing device:
// the game folder, the decoder that turns a bitmap file into a 5-6-5
// surface, and the glyph cache of the game's text. The decoder and the
// glyphs come from the platform layer (Qt); the rest of the game only sees
// surfaces.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/Surface.h"

class CacheGlyphes;
class DossierJeu;

class DecodeurImage {
public:
    virtual ~DecodeurImage() = default;
    // The picture of a bitmap file in 5-6-5 pixels, each channel keeping its
    // high bits (so that a pixel dark enough is exactly 0, the transparent
    // colour). Nothing when the file cannot be read as a picture.
    virtual std::optional<Surface> Decoder(const std::filesystem::path& chemin) = 0;
    // Why the last Decoder call gave nothing, in French ("" when it gave a
    // picture, or when the decoder cannot tell).
    std::string Raison;
};

// A picture that could not be loaded. The message is the one the player
// sees before the game ends.
class ErreurImage : public std::runtime_error {
public:
    ErreurImage(std::string message, std::filesystem::path chemin)
        : std::runtime_error(std::move(message)), chemin_(std::move(chemin)) {}
    const std::filesystem::path& Chemin() const { return chemin_; }

private:
    std::filesystem::path chemin_;
};

class Graphique {
public:
    Graphique(DossierJeu& dossier, DecodeurImage& decodeur, std::shared_ptr<const CacheGlyphes> glyphes = nullptr)
        : dossier_(&dossier), decodeur_(&decodeur), glyphes_(std::move(glyphes)) {}

    // The glyphs rendered only when first asked for (the first game's
    // screen), not while the program starts.
    using FabriqueGlyphes = std::function<std::shared_ptr<const CacheGlyphes>()>;
    Graphique(DossierJeu& dossier, DecodeurImage& decodeur, FabriqueGlyphes fabrique)
        : dossier_(&dossier), decodeur_(&decodeur), fabrique_(std::move(fabrique)) {}

    DossierJeu& Dossier() const { return *dossier_; }
    const std::shared_ptr<const CacheGlyphes>& Glyphes() const {
        if (!glyphes_ && fabrique_) {
            glyphes_ = fabrique_();
            fabrique_ = nullptr;
        }
        return glyphes_;
    }
    void DefinirGlyphes(std::shared_ptr<const CacheGlyphes> glyphes) {
        glyphes_ = std::move(glyphes);
        fabrique_ = nullptr;
    }

    // The path of a picture written the game's way ("\Images\Fond800.bmp").
    std::filesystem::path Chemin(std::string_view relatif) const;
    bool Existe(std::string_view relatif) const;
    // Nothing when the file is missing, empty or not a picture.
    std::optional<Surface> Essayer(std::string_view relatif) const;
    // Throws ErreurImage with the sprite loader's message:
    // "Le fichier image :", the full path and "ne peux être chargé." on
    // three lines, then the reason on a fourth.
    Surface Charger(std::string_view relatif) const;

private:
    DossierJeu* dossier_;
    DecodeurImage* decodeur_;
    mutable std::shared_ptr<const CacheGlyphes> glyphes_;
    mutable FabriqueGlyphes fabrique_;
};
