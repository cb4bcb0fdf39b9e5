// The scenery of one game: a collection numbered from 1 in creation order.
#pragma once

#include <cstdint>
#include <vector>

#include "world/ClsJeuDecors.h"

class ClsJeuParam;

class ModDecors {
public:
    // Game setup: no scenery.
    void Init_Decors() { Elements.clear(); }
    // A new element of that category at (X, Y), sized from the rules;
    // returns its number, the new count.
    std::int32_t Ajouter_Decor(std::int16_t Categorie, std::int32_t X, std::int32_t Y,
                               const ClsJeuParam& Parametres);

    std::int32_t Count() const { return static_cast<std::int32_t>(Elements.size()); }
    bool Existe(std::int32_t k) const { return k >= 1 && k <= Count(); }
    // Element k (1-based); the caller checks Existe first.
    ClsJeuDecors& operator()(std::int32_t k) { return Elements[static_cast<std::size_t>(k - 1)]; }
    const ClsJeuDecors& operator()(std::int32_t k) const { return Elements[static_cast<std::size_t>(k - 1)]; }
    ClsJeuDecors* Element(std::int32_t k) { return Existe(k) ? &(*this)(k) : nullptr; }

    auto begin() { return Elements.begin(); }
    auto end() { return Elements.end(); }
    auto begin() const { return Elements.begin(); }
    auto end() const { return Elements.end(); }

private:
    std::vector<ClsJeuDecors> Elements;
};
