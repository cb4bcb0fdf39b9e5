// A fingerprint of the whole game state: every field of every world object
// and character, the collections and the random sources' positions, fed
// value by value in a fixed order. Two machines (or two runs) that computed
// the same ticks get the same number; tests compare runs with it and
// network play can compare machines.
//
// Values are fed by their own bytes, least significant first, never as raw
// structure memory; doubles and floats by their bit pattern. Only what a
// single machine owns is left out: the speech lines over the characters'
// heads (drawn from that machine's own generator), which of its players
// steers which character, and the clock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ModMain;

class HacheurEtat {
public:
    void Ajouter(bool v) { Octet(v ? 1 : 0); }
    void Ajouter(std::int16_t v) { Entier(static_cast<std::uint16_t>(v), 2); }
    void Ajouter(std::int32_t v) { Entier(static_cast<std::uint32_t>(v), 4); }
    void Ajouter(std::int64_t v) { Entier(static_cast<std::uint64_t>(v), 8); }
    void Ajouter(std::uint64_t v) { Entier(v, 8); }
    void Ajouter(float v);
    void Ajouter(double v);
    // The length first, so that two texts never run into each other.
    void Ajouter(const std::string& v);
    template <class T>
    void Ajouter(const std::vector<T>& v) {
        Ajouter(static_cast<std::uint64_t>(v.size()));
        for (const auto& e : v) Ajouter(static_cast<T>(e));
    }

    std::uint64_t Valeur() const;

private:
    void Octet(std::uint8_t o) {
        h_ ^= o;
        h_ *= 0x100000001b3ULL;
    }
    void Entier(std::uint64_t v, int octets) {
        for (int i = 0; i < octets; ++i) Octet(static_cast<std::uint8_t>(v >> (8 * i)));
    }

    std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

// The state of the game being played, as one number.
std::uint64_t Hacher_Etat(const ModMain& Main);
// The same state in five sections, to tell which differs between two
// machines: characters (with the AI's tables), houses (with the effects),
// fiefs (with the map, castles and deposits), treasures (with the
// scenery), the random source. The local player's character, which each
// machine has its own, is in none of them.
std::array<std::uint64_t, 5> Hacher_Parties(const ModMain& Main);
