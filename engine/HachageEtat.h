// A fingerprint of the whole game state: every field of every world object
// and character, the collections and the random sources' positions, fed
// value by value in a fixed order. Two machines (or two runs) that computed
// the same ticks get the same number; tests compare runs with it and
// network play can compare machines.
//
// Values are fed by their own bytes, least significant first, never as raw
// structure memory; doubles and floats by their bit pattern. The saved
// records are fed from the same field lists the world save writes and
// reads (world/ChampsMonde.h, characters/ClsJeuPerso_Champs.h), so that a
// loaded world hashes as the world that was saved. Left out: what a single
// machine owns (the speech lines over the characters' heads, drawn from
// that machine's own generator, which of its players steers which
// character, and the clock) and what is only drawn and never read by the
// rules (the visual effects, the houses' animation frames).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class ModMain;

class HacheurEtat {
public:
    void Ajouter(bool v) {
        if (releve_) Noter(v ? "True" : "False");
        Octet(v ? 1 : 0);
    }
    void Ajouter(std::int16_t v) {
        if (releve_) Noter(std::to_string(v));
        Entier(static_cast<std::uint16_t>(v), 2);
    }
    void Ajouter(std::int32_t v) {
        if (releve_) Noter(std::to_string(v));
        Entier(static_cast<std::uint32_t>(v), 4);
    }
    void Ajouter(std::int64_t v) {
        if (releve_) Noter(std::to_string(v));
        Entier(static_cast<std::uint64_t>(v), 8);
    }
    void Ajouter(std::uint64_t v) {
        if (releve_) Noter(std::to_string(v));
        Entier(v, 8);
    }
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

    // Tests: with a list given, every value fed is also noted there as
    // "place.name=value", so that two states can be compared field by
    // field. The name is the one given last; Situer sets the place (what
    // it returns is only worked out when a list is kept).
    void Relever(std::vector<std::string>* Releve) { releve_ = Releve; }
    bool Releve() const { return releve_ != nullptr; }
    void Nommer(const char* Nom) { nom_ = Nom; }
    template <class F>
    void Situer(F Place) {
        if (releve_) place_ = Place();
    }

private:
    void Noter(const std::string& valeur);
    void Octet(std::uint8_t o) {
        h_ ^= o;
        h_ *= 0x100000001b3ULL;
    }
    void Entier(std::uint64_t v, int octets) {
        for (int i = 0; i < octets; ++i) Octet(static_cast<std::uint8_t>(v >> (8 * i)));
    }

    std::uint64_t h_ = 0xcbf29ce484222325ULL;
    std::vector<std::string>* releve_ = nullptr;
    const char* nom_ = "";
    std::string place_;
};

// The hash as a third archive over the records' field lists, beside the
// save's writer and reader: each field fed by its own type, bounds and the
// reader's checks passed over, fields of one machine (Local) left out.
class ArchiveHachage {
public:
    static constexpr bool Lecture = false;
    static constexpr bool Ecriture = false;
    explicit ArchiveHachage(HacheurEtat& h) : h_(h) {}

    void I32(const std::int32_t& v, const char* n, long long = 0, long long = 0) { Un(v, n); }
    void I16(const std::int16_t& v, const char* n, long long = 0, long long = 0) { Un(v, n); }
    void F64(const double& v, const char* n) { Un(v, n); }
    void F32(const float& v, const char* n) { Un(v, n); }
    void B(const bool& v, const char* n) { Un(v, n); }
    void S(const std::string& v, const char* n) { Un(v, n); }
    template <class G, class E>
    void PF64(G lire, E, const char* n) { Un(static_cast<double>(lire()), n); }
    template <class G, class E>
    void PF32(G lire, E, const char* n) { Un(static_cast<float>(lire()), n); }
    template <class G, class E>
    void PI32(G lire, E, const char* n, long long = 0, long long = 0) { Un(static_cast<std::int32_t>(lire()), n); }
    template <class G, class E>
    void PI16(G lire, E, const char* n, long long = 0, long long = 0) { Un(static_cast<std::int16_t>(lire()), n); }
    template <class G, class E>
    void PS(G lire, E, const char* n) { Un(std::string(lire()), n); }
    template <class G, class E>
    void PF64Prefixe(G lire, E, const char* n) { Un(static_cast<double>(lire()), n); }
    void Compte(const long long& v, const char* n, long long) { Un(static_cast<std::int64_t>(v), n); }
    template <class F>
    void Reste(long long, F) {}
    template <class F>
    void Local(F) {}

private:
    template <class T>
    void Un(const T& v, const char* n) {
        h_.Nommer(n);
        h_.Ajouter(v);
    }
    HacheurEtat& h_;
};

// The state of the game being played, as one number.
std::uint64_t Hacher_Etat(const ModMain& Main);
// The same state in five sections, to tell which differs between two
// machines: characters (with the AI's tables), houses, fiefs (with the
// map, castles and deposits), treasures (with the scenery), the random
// source. The local player's character, which each
// machine has its own, is in none of them.
std::array<std::uint64_t, 5> Hacher_Parties(const ModMain& Main);
// Tests: every value the hash is made of, as "place.name=value" lines in
// the hash's order, to name the first field where two states differ.
std::vector<std::string> Relever_Etat(const ModMain& Main);
