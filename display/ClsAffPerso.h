// Character sheets: every appearance file of the folders under
// Images\Persos (a hero's or a monster's own look, 3 columns by 4 rows) and
// the common sheet named after the first people, where each look takes two
// blocks of 3 columns side by side (masculine, feminine).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "display/ClsAffSprite.h"

class ClsJeuParam;
class ListeApparences;

class ClsAffPerso {
public:
    // Loads every look of the game's list, in its order (so a look's
    // number names the same picture here and in the world), then the
    // common sheet; throws ErreurImage.
    void Charger(Graphique& dd, const ClsJeuParam& Parametres, const ListeApparences& Liste);
    // Index of the appearance whose file name (with extension) is exactly
    // FichierHero; 0 when empty or not found.
    std::int16_t Charger_Hero(const std::string& FichierHero) const;

    // One frame. The engine passes its walk step as Direction and its
    // heading (0 standing, 1 up, 2 right, 3 down, 4 left) as Etape: rows are
    // headings, columns the walk frames 0, 1, 2 (step 3 shows frame 1), and
    // standing shows frame 1 facing down. A look beyond the sheets draws
    // nothing.
    void Afficher(std::int32_t X, std::int32_t Y, std::int16_t& Direction, std::int16_t Etape, bool EnMarche,
                  std::int16_t Apparence, std::int16_t Largeur, std::int16_t Hauteur, bool Variante, Surface& SurfBack,
                  const Vue& vue, bool Hero, bool Translucide, std::int16_t AjustementX, std::int16_t AjustementY);

    std::int16_t NombreApparences = 0;
    std::vector<std::string> NomsApparences;

private:
    std::vector<ClsAffSprite> Sprites;
};
