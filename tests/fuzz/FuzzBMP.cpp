// Bitmap pictures: any bytes as a picture file. A refusal is the game's
// own error with its reason; what loads, written back as the game writes
// pictures, loads to the same pixels.
#include <cstdlib>
#include <string>

#include "platform/ErreurFichier.h"
#include "platform/ImageBMP.h"
#include "platform/Surface.h"
#include "tests/fuzz/OutilsFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    const std::string_view octets = fuzz::Texte(Donnees, Taille);
    const auto defaut = DefautBMP(octets);
    Surface image;
    try {
        image = DecoderBMP(octets, "Essai.bmp");
    } catch (const ErreurFichier& e) {
        fuzz::VerifierRefus(e, "Essai.bmp");
        if (!defaut || e.Details().front().find(*defaut) == std::string::npos) std::abort();
        return 0;
    }
    if (defaut) std::abort();
    const std::string ecrit = EncoderBMP(image);
    if (DefautBMP(ecrit)) std::abort();
    const Surface relue = DecoderBMP(ecrit, "Relu.bmp");
    if (relue.Largeur() != image.Largeur() || relue.Hauteur() != image.Hauteur()) std::abort();
    for (std::int32_t y = 0; y < image.Hauteur(); ++y)
        for (std::int32_t x = 0; x < image.Largeur(); ++x)
            if (relue.Rangee(y)[x] != image.Rangee(y)[x]) std::abort();
    return 0;
}
