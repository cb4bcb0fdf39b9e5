// Hostile picture headers, made here rather than kept as files: a header
// announcing 5000 x 5000 pixels over 4 KB of data, one announcing
// 100000 x 100000, and one whose width and bit depth are nonsense (it once
// made the decoder ask the allocator for more than it can give).
#pragma once

#include <cstdint>
#include <string>

namespace hostiles {

// A 54-byte BMP header: file and info header, the fields a decoder trusts.
inline std::string EnTeteBMP(std::uint32_t tailleFichier, std::int32_t largeur, std::int32_t hauteur,
                             std::uint16_t bits, std::uint32_t tailleImage) {
    std::string o;
    auto mot = [&o](std::uint32_t v, int octets) {
        for (int i = 0; i < octets; ++i) o.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    o += "BM";
    mot(tailleFichier, 4);
    mot(0, 4);
    mot(54, 4);
    mot(40, 4);
    mot(static_cast<std::uint32_t>(largeur), 4);
    mot(static_cast<std::uint32_t>(hauteur), 4);
    mot(1, 2);
    mot(bits, 2);
    mot(0, 4);
    mot(tailleImage, 4);
    mot(2835, 4);
    mot(2835, 4);
    mot(0, 4);
    mot(0, 4);
    return o;
}

inline std::string Tronquee5000() {
    return EnTeteBMP(75000054, 5000, 5000, 24, 75000000) + std::string(4096 - 54, '@');
}
inline std::string Entete100000() { return EnTeteBMP(0xFC23AC36u, 100000, 100000, 24, 0xFC23AC00u); }
inline std::string EnteteGeant() {
    return EnTeteBMP(0xFC23AC36u, static_cast<std::int32_t>(0x86A017FFu), 100000, 0x183A, 0xFC23AC00u) + "@";
}

}  // namespace hostiles
