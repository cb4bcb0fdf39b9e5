// The glyphs of the game's text, rendered once into 7 x 16 cells of
// coverage (0 nothing .. 255 full ink), so that drawing a line of text is a
// few table look-ups per character. The font itself is rendered by the
// platform layer through RenduGlyphes; the cache holds no window-system
// state and can be shared by every surface of one game.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

class RenduGlyphes {
public:
    virtual ~RenduGlyphes() = default;
    // Coverage of character c in one cell, row by row. False when the font
    // has no such glyph.
    virtual bool Rendre(char32_t c, std::array<std::uint8_t, 7 * 16>& couverture) = 0;
};

class CacheGlyphes {
public:
    static constexpr int LargeurCellule = 7;
    static constexpr int HauteurCellule = 16;
    using Cellule = std::array<std::uint8_t, LargeurCellule * HauteurCellule>;

    // Renders the game's whole alphabet: printable ASCII, Latin-1 and the
    // few signs French text uses beyond it (œ, €, typographic quotes,
    // dashes, ellipsis).
    explicit CacheGlyphes(RenduGlyphes& rendu);
    // A cache built from given cells (tests, tools).
    CacheGlyphes() = default;
    void Ajouter(char32_t c, const Cellule& cellule);

    // The cell of c; a character outside the alphabet shows as "?" (or as
    // nothing when even "?" is missing).
    const Cellule* Glyphe(char32_t c) const;
    // The inked pixels of a cell (offset in the cell, coverage), so that
    // drawing skips the empty ones.
    struct Encre { std::uint8_t Position; std::uint8_t Couverture; };
    const std::vector<Encre>& Encres(const Cellule* cellule) const {
        return encres_[static_cast<std::size_t>(cellule - cellules_.data())];
    }
    // The same cell as one bit mask per row (bit i: column i inked), and
    // whether every inked pixel is full ink: then a row is drawn with a
    // few stores and no blending.
    struct Forme {
        std::array<std::uint8_t, HauteurCellule> Lignes{};
        bool Pleine = true;
    };
    const Forme& Formes(const Cellule* cellule) const {
        return formes_[static_cast<std::size_t>(cellule - cellules_.data())];
    }
    std::size_t Nombre() const { return index_.size(); }

    static std::vector<char32_t> Alphabet();

private:
    std::vector<Cellule> cellules_;
    std::vector<std::vector<Encre>> encres_;
    std::vector<Forme> formes_;
    std::map<char32_t, std::size_t> index_;
    // Direct table for the common case (Latin-1), -1 when absent.
    std::array<std::int32_t, 256> latin1_{};
    bool latin1Pret_ = false;
    void Indexer(char32_t c, std::size_t i);
};

// Next code point of a UTF-8 text from position i (advanced past it); a
// malformed byte reads as itself (Latin-1), so text never stops a draw.
char32_t LireCaractereUtf8(std::string_view s, std::size_t& i);
