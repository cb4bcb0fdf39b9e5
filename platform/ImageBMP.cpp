#include "platform/ImageBMP.h"

#include "platform/ErreurFichier.h"
#include "platform/Surface.h"
#include "platform/Texte.h"

#include <cstdint>
#include <system_error>
#include <variant>
#include <vector>

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

// ---------------------------------------------------------------------------
// Reading

namespace {

std::uint32_t Lire16(std::string_view s, std::size_t p) {
    return static_cast<std::uint8_t>(s[p]) | (static_cast<std::uint32_t>(static_cast<std::uint8_t>(s[p + 1])) << 8);
}
std::uint32_t Lire32(std::string_view s, std::size_t p) { return Lire16(s, p) | (Lire16(s, p + 2) << 16); }

// What the headers of a bitmap file say, once checked.
struct EnteteBMP {
    std::int64_t largeur = 0, hauteur = 0;
    bool basEnHaut = true;  // rows stored bottom-up, the usual way
    std::uint32_t bits = 0;
    std::size_t palette = 0;       // offset of the colour table
    std::size_t couleurs = 0;      // entries of the colour table
    std::size_t tailleCouleur = 4; // 3 for the oldest header
    std::size_t donnees = 0;       // offset of the pixels
    std::size_t pas = 0;           // bytes per row
};

std::string Nombre(std::uint64_t n) { return std::to_string(n); }

// The headers checked against the file's size; the reason when they fail.
std::variant<EnteteBMP, std::string> Analyser(std::string_view o) {
    if (o.size() < 2 || o[0] != 'B' || o[1] != 'M') return std::string("ce n'est pas une image BMP (signature « BM » absente).");
    if (o.size() < 14 + 12)
        return "le fichier est trop court pour un en-tête BMP (" + Nombre(o.size()) + " octets).";
    EnteteBMP e;
    const std::uint32_t tailleEntete = Lire32(o, 14);
    const bool ancien = tailleEntete == 12;
    if (!ancien && tailleEntete != 40 && tailleEntete != 52 && tailleEntete != 56 && tailleEntete != 108 &&
        tailleEntete != 124)
        return "l'en-tête BMP a une taille inconnue (" + Nombre(tailleEntete) + " octets).";
    if (o.size() < 14 + static_cast<std::size_t>(tailleEntete))
        return "le fichier s'arrête dans l'en-tête BMP (" + Nombre(o.size()) + " octets).";
    std::uint32_t compression = 0, utilisees = 0, plans = 0;
    if (ancien) {
        e.largeur = Lire16(o, 18);
        e.hauteur = Lire16(o, 20);
        plans = Lire16(o, 22);
        e.bits = Lire16(o, 24);
        e.tailleCouleur = 3;
    } else {
        e.largeur = static_cast<std::int32_t>(Lire32(o, 18));
        e.hauteur = static_cast<std::int32_t>(Lire32(o, 22));
        plans = Lire16(o, 26);
        e.bits = Lire16(o, 28);
        compression = Lire32(o, 30);
        utilisees = Lire32(o, 46);
    }
    if (e.hauteur < 0) {
        e.basEnHaut = false;
        e.hauteur = -e.hauteur;
    }
    if (plans != 1) return "l'en-tête BMP compte " + Nombre(plans) + " plans (1 attendu).";
    if (e.largeur <= 0 || e.hauteur <= 0)
        return "les dimensions de l'image sont nulles ou négatives (" + std::to_string(e.largeur) + " x " +
               std::to_string(e.hauteur) + ").";
    if (e.largeur > MaxCoteBMP || e.hauteur > MaxCoteBMP)
        return "l'image est trop grande (" + std::to_string(e.largeur) + " x " + std::to_string(e.hauteur) +
               " pixels ; au plus " + Nombre(MaxCoteBMP) + " x " + Nombre(MaxCoteBMP) + ").";
    if (e.bits != 1 && e.bits != 4 && e.bits != 8 && e.bits != 24 && e.bits != 32)
        return "la profondeur de " + Nombre(e.bits) + " bits par pixel n'est pas prise en charge (1, 4, 8, 24 ou 32).";
    if (compression != 0)
        return "l'image est compressée (mode " + Nombre(compression) + ") : seules les images non compressées sont lues.";
    e.palette = 14 + tailleEntete;
    if (e.bits <= 8) {
        const std::size_t maximum = std::size_t{1} << e.bits;
        e.couleurs = utilisees == 0 ? maximum : utilisees;
        if (e.couleurs > maximum)
            return "la table de couleurs annonce " + Nombre(utilisees) + " couleurs (au plus " + Nombre(maximum) + ").";
    }
    e.donnees = Lire32(o, 10);
    const std::size_t finPalette = e.palette + e.couleurs * e.tailleCouleur;
    if (finPalette > o.size())
        return "le fichier s'arrête dans la table de couleurs (" + Nombre(o.size()) + " octets).";
    if (e.donnees < finPalette || e.donnees > o.size())
        return "la position des pixels (" + Nombre(e.donnees) + ") est hors du fichier ou dans ses en-têtes.";
    e.pas = static_cast<std::size_t>((static_cast<std::uint64_t>(e.largeur) * e.bits + 31) / 32 * 4);
    const std::uint64_t attendu = static_cast<std::uint64_t>(e.pas) * static_cast<std::uint64_t>(e.hauteur);
    const std::uint64_t present = o.size() - e.donnees;
    if (present < attendu)
        return "l'image est tronquée : l'en-tête annonce " + std::to_string(e.largeur) + " x " +
               std::to_string(e.hauteur) + " pixels (" + Nombre(attendu) + " octets de pixels), le fichier n'en contient que " +
               Nombre(present) + ".";
    return e;
}

}  // namespace

std::optional<std::string> DefautBMP(std::string_view octets) {
    auto r = Analyser(octets);
    if (auto* raison = std::get_if<std::string>(&r)) return *raison;
    return std::nullopt;
}

Surface DecoderBMP(std::string_view o, const std::string& nom) {
    auto r = Analyser(o);
    if (auto* raison = std::get_if<std::string>(&r)) throw ErreurFichier(nom, "Image illisible : " + *raison);
    const EnteteBMP& e = std::get<EnteteBMP>(r);
    const auto largeur = static_cast<std::int32_t>(e.largeur), hauteur = static_cast<std::int32_t>(e.hauteur);
    std::vector<std::uint16_t> palette(e.couleurs);
    for (std::size_t i = 0; i < e.couleurs; ++i) {
        const std::size_t p = e.palette + i * e.tailleCouleur;
        const auto b = static_cast<std::uint8_t>(o[p]), g = static_cast<std::uint8_t>(o[p + 1]),
                   rr = static_cast<std::uint8_t>(o[p + 2]);
        palette[i] = Surface::Couleur565((static_cast<std::uint32_t>(b) << 16) | (static_cast<std::uint32_t>(g) << 8) | rr);
    }
    Surface s(largeur, hauteur);
    for (std::int32_t y = 0; y < hauteur; ++y) {
        const std::int32_t ligne = e.basEnHaut ? hauteur - 1 - y : y;
        const std::string_view rangee = o.substr(e.donnees + static_cast<std::size_t>(ligne) * e.pas, e.pas);
        std::uint16_t* sortie = s.Rangee(y);
        for (std::int32_t x = 0; x < largeur; ++x) {
            const auto ux = static_cast<std::size_t>(x);
            if (e.bits >= 24) {
                const std::size_t p = ux * (e.bits / 8);
                const auto b = static_cast<std::uint8_t>(rangee[p]), g = static_cast<std::uint8_t>(rangee[p + 1]),
                           rr = static_cast<std::uint8_t>(rangee[p + 2]);
                sortie[x] = Surface::Couleur565((static_cast<std::uint32_t>(b) << 16) |
                                                (static_cast<std::uint32_t>(g) << 8) | rr);
            } else {
                const std::size_t bit = ux * e.bits;
                const auto octet = static_cast<std::uint8_t>(rangee[bit / 8]);
                const std::size_t decalage = 8 - e.bits - bit % 8;
                const std::size_t indice = (octet >> decalage) & ((1u << e.bits) - 1);
                // An index beyond the table is black, as the viewers show it.
                sortie[x] = indice < palette.size() ? palette[indice] : 0;
            }
        }
    }
    return s;
}
