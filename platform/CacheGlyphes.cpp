#include "platform/CacheGlyphes.h"

char32_t LireCaractereUtf8(std::string_view s, std::size_t& i) {
    auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    unsigned char c = octet(i);
    int suite = c >= 0xF0 && c < 0xF8 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    if (c >= 0xF8) suite = 0;
    if (suite == 0 || i + static_cast<std::size_t>(suite) >= s.size()) {
        ++i;
        return c;
    }
    char32_t v = c & (0x3F >> suite);
    for (int k = 1; k <= suite; ++k) {
        unsigned char d = octet(i + static_cast<std::size_t>(k));
        if ((d & 0xC0) != 0x80) {
            ++i;
            return c;
        }
        v = (v << 6) | (d & 0x3F);
    }
    i += static_cast<std::size_t>(suite) + 1;
    return v;
}

std::vector<char32_t> CacheGlyphes::Alphabet() {
    std::vector<char32_t> a;
    for (char32_t c = 0x20; c < 0x7F; ++c) a.push_back(c);
    for (char32_t c = 0xA0; c <= 0xFF; ++c) a.push_back(c);
    for (char32_t c : {U'\u0152', U'\u0153', U'\u0178', U'\u20AC', U'\u2018', U'\u2019', U'\u201C', U'\u201D',
                       U'\u2013', U'\u2014', U'\u2026', U'\u2022'})
        a.push_back(c);
    return a;
}

CacheGlyphes::CacheGlyphes(RenduGlyphes& rendu) {
    Cellule cellule{};
    for (char32_t c : Alphabet()) {
        cellule.fill(0);
        if (rendu.Rendre(c, cellule)) Ajouter(c, cellule);
    }
}

void CacheGlyphes::Indexer(char32_t c, std::size_t i) {
    if (!latin1Pret_) {
        latin1_.fill(-1);
        latin1Pret_ = true;
    }
    index_[c] = i;
    if (c < 256) latin1_[c] = static_cast<std::int32_t>(i);
}

void CacheGlyphes::Ajouter(char32_t c, const Cellule& cellule) {
    std::vector<Encre> encre;
    Forme forme;
    for (std::size_t k = 0; k < cellule.size(); ++k) {
        if (!cellule[k]) continue;
        encre.push_back({static_cast<std::uint8_t>(k), cellule[k]});
        forme.Lignes[k / LargeurCellule] |= static_cast<std::uint8_t>(1u << (k % LargeurCellule));
        if (cellule[k] != 255) forme.Pleine = false;
    }
    auto it = index_.find(c);
    if (it != index_.end()) {
        cellules_[it->second] = cellule;
        encres_[it->second] = std::move(encre);
        formes_[it->second] = forme;
        return;
    }
    cellules_.push_back(cellule);
    encres_.push_back(std::move(encre));
    formes_.push_back(forme);
    Indexer(c, cellules_.size() - 1);
}

const CacheGlyphes::Cellule* CacheGlyphes::Glyphe(char32_t c) const {
    if (!latin1Pret_) return nullptr;
    if (c < 256) {
        if (latin1_[c] >= 0) return &cellules_[static_cast<std::size_t>(latin1_[c])];
    } else if (auto it = index_.find(c); it != index_.end()) {
        return &cellules_[it->second];
    }
    if (latin1_['?'] >= 0) return &cellules_[static_cast<std::size_t>(latin1_['?'])];
    return nullptr;
}
