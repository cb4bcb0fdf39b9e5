// The per-character options of a player's in-game interface: which
// characteristics recover on their own and which shortcut key uses each item
// type. The character file keeps them; the in-game interface owns one record
// per local player and reads it.
#pragma once

#include <cstdint>
#include <vector>

struct OptionsInterface {
    // Number of status-bar buttons of the player's layout: one automatic
    // recovery switch per button.
    std::int16_t NombreBoutonsBarresStatut = 0;

    // One switch per status-bar button, one shortcut per item type (the key
    // number from 0, -1 for none). An index outside a row reads as off or
    // -1; a write there grows the row.
    std::vector<bool> AutoRecuperation;
    std::vector<std::int16_t> TouchesRaccourciObjets;

    bool AutoRecuperation_Carac(std::int32_t Index) const {
        return Index >= 0 && static_cast<std::size_t>(Index) < AutoRecuperation.size() &&
               AutoRecuperation[static_cast<std::size_t>(Index)];
    }
    void AutoRecuperation_Carac(std::int32_t Index, bool Valeur) {
        if (Index < 0) return;
        if (static_cast<std::size_t>(Index) >= AutoRecuperation.size())
            AutoRecuperation.resize(static_cast<std::size_t>(Index) + 1, false);
        AutoRecuperation[static_cast<std::size_t>(Index)] = Valeur;
    }

    std::int16_t Touches_Raccourci_Objets(std::int32_t Index) const {
        if (Index < 0 || static_cast<std::size_t>(Index) >= TouchesRaccourciObjets.size()) return -1;
        return TouchesRaccourciObjets[static_cast<std::size_t>(Index)];
    }
    void Touches_Raccourci_Objets(std::int32_t Index, std::int16_t Valeur) {
        if (Index < 0) return;
        if (static_cast<std::size_t>(Index) >= TouchesRaccourciObjets.size())
            TouchesRaccourciObjets.resize(static_cast<std::size_t>(Index) + 1, -1);
        TouchesRaccourciObjets[static_cast<std::size_t>(Index)] = Valeur;
    }
};
