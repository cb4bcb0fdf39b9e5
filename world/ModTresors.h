// The treasures of one game: a collection numbered from 1 in creation
// order, and the operations that add, pick up and remove them. Removing a
// treasure renumbers the targets of the characters walking to treasures.
//
// What is dropped on a map cell that already holds a treasure joins that
// treasure, and a treasure emptied by a pick-up leaves the collection: the
// collection never holds more treasures than the map has cells, however
// long a game runs, and nothing that lay on the ground is lost.
#pragma once

#include <cstdint>
#include <vector>

#include "world/ClsJeuTresors.h"

class ClsJeuCommentaires;
class ClsJeuMonde;
class ClsJeuParam;
class ClsJeuPerso;

class ModTresors {
public:
    // Game setup: no treasure.
    void Init_Tresors() { Elements.clear(); }
    // A new empty treasure at (X, Y); returns its number, the new count.
    // For the loaders, which rebuild a saved collection as it was.
    std::int32_t Ajouter_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuParam& Parametres);
    // Somewhere to drop things at (X, Y): the first treasure lying on that
    // cell of the map, or else a new empty one there. Returns its number.
    std::int32_t Deposer_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuMonde& Monde, const ClsJeuParam& Parametres);
    // The map cell a treasure at (X, Y) lies on; a place off the map counts
    // as the nearest cell of its edge.
    static std::int64_t Case(std::int32_t X, std::int32_t Y, const ClsJeuMonde& Monde);
    // Character Perso reaches treasure k: it takes everything, and the
    // treasure is removed unless something could not be taken. A number
    // outside the collection does nothing.
    void Ramasser_Tresor_Collection(std::int32_t k, ClsJeuPerso& Perso, std::vector<ClsJeuPerso>& Persos,
                                    const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires);
    // Removes treasure k; the characters walking to it stop, those walking
    // to a later one follow its new number.
    void Supprimer_Tresor(std::int32_t k, std::vector<ClsJeuPerso>& Persos);

    std::int32_t Count() const { return static_cast<std::int32_t>(Elements.size()); }
    bool Existe(std::int32_t k) const { return k >= 1 && k <= Count(); }
    // Treasure k (1-based); the caller checks Existe first. The reference
    // does not outlive a call that adds or removes a treasure.
    ClsJeuTresors& operator()(std::int32_t k) { return Elements[static_cast<std::size_t>(k - 1)]; }
    const ClsJeuTresors& operator()(std::int32_t k) const { return Elements[static_cast<std::size_t>(k - 1)]; }
    // Null when there is no treasure k.
    ClsJeuTresors* Element(std::int32_t k) { return Existe(k) ? &(*this)(k) : nullptr; }

    auto begin() { return Elements.begin(); }
    auto end() { return Elements.end(); }
    auto begin() const { return Elements.begin(); }
    auto end() const { return Elements.end(); }

private:
    std::vector<ClsJeuTresors> Elements;
};
