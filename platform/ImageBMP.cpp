#include "platform/ImageBMP.h"

#include "platform/Surface.h"
#include "platform/Texte.h"

#include <system_error>

namespace {

void Ecrire16(std::string& s, std::uint32_t v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void Ecrire32(std::string& s, std::uint32_t v) {
    Ecrire16(s, v & 0xFFFF);
    Ecrire16(s, v >> 16);
}

}  // namespace

std::string EncoderBMP(const Surface& surface) {
    const std::uint32_t l = static_cast<std::uint32_t>(surface.Largeur());
    const std::uint32_t h = static_cast<std::uint32_t>(surface.Hauteur());
    const std::uint32_t pas = (l * 3 + 3) & ~3u;
    const std::uint32_t taillePixels = pas * h;
    std::string s;
    s.reserve(54 + taillePixels);
    s += "BM";
    Ecrire32(s, 54 + taillePixels);
    Ecrire32(s, 0);
    Ecrire32(s, 54);
    Ecrire32(s, 40);
    Ecrire32(s, l);
    Ecrire32(s, h);
    Ecrire16(s, 1);
    Ecrire16(s, 24);
    Ecrire32(s, 0);  // no compression
    Ecrire32(s, taillePixels);
    Ecrire32(s, 2835);  // 72 dpi
    Ecrire32(s, 2835);
    Ecrire32(s, 0);
    Ecrire32(s, 0);
    for (std::uint32_t y = h; y-- > 0;) {
        const std::uint16_t* r = surface.Rangee(static_cast<std::int32_t>(y));
        for (std::uint32_t x = 0; x < l; ++x) {
            std::uint32_t bgr = Surface::CouleurBGR(r[x]);
            s.push_back(static_cast<char>((bgr >> 16) & 0xFF));
            s.push_back(static_cast<char>((bgr >> 8) & 0xFF));
            s.push_back(static_cast<char>(bgr & 0xFF));
        }
        for (std::uint32_t k = l * 3; k < pas; ++k) s.push_back(0);
    }
    return s;
}

bool EcrireBMP(const Surface& surface, const std::filesystem::path& chemin) {
    std::error_code ec;
    if (chemin.has_parent_path()) std::filesystem::create_directories(chemin.parent_path(), ec);
    return EcrireFichierAtomique(chemin, EncoderBMP(surface));
}
