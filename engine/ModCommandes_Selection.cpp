// The text of an order to a selection: its code, then its members, runs
// of consecutive indices written first-last. The sender's split and the
// receiver's reading live together so that what one writes the other
// reads back member for member.
#include <charconv>
#include <cstring>
#include <string>
#include <vector>

#include "engine/ModCommandes.h"
#include "network/MessageReseau.h"

namespace {

using Groupe = std::vector<std::int32_t>;

// Consecutive indices Debut, Debut + 1, ..., Fin (one member when equal).
struct Suite {
    std::int32_t Debut, Fin;
};

// The selection as runs, in its own order: a member one above the last
// one extends the run, anything else starts a new one.
std::vector<Suite> Suites(const Groupe& g) {
    std::vector<Suite> s;
    for (std::int32_t m : g) {
        if (!s.empty() && s.back().Debut >= 0 && s.back().Fin < m && m - s.back().Fin == 1) s.back().Fin = m;
        else s.push_back({m, m});
    }
    return s;
}

std::size_t Longueur(const Suite& s) {
    const std::size_t debut = std::to_string(s.Debut).size();
    return s.Fin == s.Debut ? debut : debut + 1 + std::to_string(s.Fin).size();
}

std::int64_t Membres(const Suite& s) { return static_cast<std::int64_t>(s.Fin) - s.Debut + 1; }

// A member's index as written: digits only, no sign and no leading zero,
// so that a selection has one text.
bool Indice(const char*& p, const char* fin, std::int32_t& v) {
    if (p == fin || *p < '0' || *p > '9') return false;
    if (*p == '0' && p + 1 != fin && p[1] >= '0' && p[1] <= '9') return false;
    const auto r = std::from_chars(p, fin, v);
    if (r.ec != std::errc()) return false;
    p = r.ptr;
    return true;
}

}  // namespace

namespace ModCommandes {

std::vector<Groupe> Decouper_Groupe(Ordre o, const Groupe& g) {
    const std::size_t code = std::strlen(Code(o));
    std::vector<std::vector<Suite>> parts(1);
    std::size_t longueur = code;
    for (const Suite& s : Suites(g)) {
        // The space or the comma before it, then the run.
        const std::size_t ajout = 1 + Longueur(s);
        if (!parts.back().empty() && longueur + ajout > Protocole::LongueurTexteMax) {
            parts.emplace_back();
            longueur = code;
        }
        parts.back().push_back(s);
        longueur += ajout;
    }
    // A last part of one member would have the leader say the line for one
    // member: it takes the previous part's last member, which leaves that
    // part a dozen at least and only shortens its text.
    if (parts.size() > 1 && parts.back().size() == 1 && Membres(parts.back().front()) == 1) {
        std::vector<Suite>& avant = parts[parts.size() - 2];
        const std::int32_t m = avant.back().Fin;
        if (avant.back().Fin == avant.back().Debut) avant.pop_back();
        else --avant.back().Fin;
        parts.back().insert(parts.back().begin(), Suite{m, m});
    }
    std::vector<Groupe> groupes;
    for (const std::vector<Suite>& part : parts) {
        Groupe membres;
        for (const Suite& s : part)
            for (std::int64_t m = s.Debut; m <= s.Fin; ++m) membres.push_back(static_cast<std::int32_t>(m));
        groupes.push_back(std::move(membres));
    }
    return groupes;
}

std::string Texte_Groupe(Ordre o, const Groupe& g) {
    std::string t = Code(o);
    for (const Suite& s : Suites(g)) {
        t += t.size() == std::strlen(Code(o)) ? ' ' : ',';
        t += std::to_string(s.Debut);
        if (s.Fin != s.Debut) t += '-' + std::to_string(s.Fin);
    }
    return t;
}

bool Lire_Groupe(const std::string& Texte, std::size_t NombrePersos, Ordre& o, Groupe& g) {
    g.clear();
    if (Texte.size() < 3 || Texte.size() > Protocole::LongueurTexteMax) return false;
    if (!Genre_Code(Texte.substr(0, 3), o) || !Selection(o)) return false;
    if (Texte.size() == 3) return true;
    if (Texte[3] != ' ') return false;
    // Each member once: this also bounds the count by the characters.
    std::vector<bool> vu(NombrePersos, false);
    const char* p = Texte.data() + 4;
    const char* fin = Texte.data() + Texte.size();
    for (;;) {
        std::int32_t debut = 0, dernier = 0;
        if (!Indice(p, fin, debut)) return false;
        dernier = debut;
        if (p != fin && *p == '-') {
            ++p;
            if (!Indice(p, fin, dernier) || dernier <= debut) return false;
        }
        if (static_cast<std::size_t>(dernier) >= NombrePersos) return false;
        for (std::int32_t m = debut;; ++m) {
            if (vu[static_cast<std::size_t>(m)]) return false;
            vu[static_cast<std::size_t>(m)] = true;
            g.push_back(m);
            if (m == dernier) break;
        }
        if (p == fin) return true;
        if (*p++ != ',') return false;
    }
}

}  // namespace ModCommandes
