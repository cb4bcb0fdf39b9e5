// Text of the in-game interface drawn over several lines: "#" or a
// carriage return breaks a line, a line opening with "&" is red and one
// opening with "$" blue. Every interface text (HUD, tooltips, windows,
// message feed) goes through one of these writers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Surface;

// One line of a text as it is drawn: place, text without its colour mark,
// colour.
struct LigneTexte {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Texte;
    std::uint32_t Couleur = 0;
    bool operator==(const LigneTexte&) const = default;
};

class ClsIntMessage {
public:
    // The pen colour (0x00BBGGRR) a text takes when no colour of its own is
    // given: the surface's foreground colour of the game's drawing calls.
    // Each user holds its own writer, so each has its own pen.
    std::uint32_t CouleurAvantPlan = 0;

    // Draws Message with its top-left corner at (X, Y) of the back buffer.
    // With ChangerCouleur the base colour is Couleur, else the pen. The pen
    // is the base colour afterwards.
    void Afficher(std::int32_t X, std::int32_t Y, std::string_view Message, Surface& SurfBack,
                  std::uint32_t Couleur = 0, bool ChangerCouleur = false);

    // The lines Afficher draws for Message in base colour Base.
    static std::vector<LigneTexte> Decouper(std::int32_t X, std::int32_t Y, std::string_view Message,
                                            std::uint32_t Base);

    // 1 + the number of "#" (carriage returns are not counted).
    static std::int16_t Nombre_Lignes(std::string_view Chaine);
    static constexpr std::int32_t Largeur_Caractere() { return 7; }
    static constexpr std::int32_t Hauteur_Caractere() { return 16; }
    static constexpr char Caractere_RetourLigne() { return '#'; }

    static constexpr std::uint32_t Rouge = 255;
    static constexpr std::uint32_t Bleu = 0xFF0000;
};
