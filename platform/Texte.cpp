#include "platform/Texte.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <system_error>

#include <unistd.h>

std::string_view Rogner(std::string_view s) {
    std::size_t debut = 0, fin = s.size();
    while (debut < fin && (s[debut] == ' ' || s[debut] == '\t')) ++debut;
    while (fin > debut && (s[fin - 1] == ' ' || s[fin - 1] == '\t')) --fin;
    return s.substr(debut, fin - debut);
}

std::string MinusculesAscii(std::string_view s) {
    std::string r(s);
    for (std::size_t i = 0; i < r.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(r[i]);
        if (c >= 'A' && c <= 'Z') {
            r[i] = static_cast<char>(c + 32);
        } else if (c == 0xC3 && i + 1 < r.size()) {
            unsigned char d = static_cast<unsigned char>(r[i + 1]);
            if (d >= 0x80 && d <= 0x9E && d != 0x97) r[i + 1] = static_cast<char>(d + 0x20);
            ++i;
        } else if (c == 0xC5 && i + 1 < r.size() && static_cast<unsigned char>(r[i + 1]) == 0x92) {
            r[i + 1] = static_cast<char>(0x93);  // Œ
            ++i;
        } else if (c == 0xC5 && i + 1 < r.size() && static_cast<unsigned char>(r[i + 1]) == 0xB8) {
            r[i] = static_cast<char>(0xC3);  // Ÿ
            r[i + 1] = static_cast<char>(0xBF);
            ++i;
        }
    }
    return r;
}

std::string PremiereMajuscule(std::string_view s) {
    std::string r(s);
    if (r.empty()) return r;
    const unsigned char c = static_cast<unsigned char>(r[0]);
    const unsigned char d = r.size() > 1 ? static_cast<unsigned char>(r[1]) : 0;
    if (c >= 'a' && c <= 'z') {
        r[0] = static_cast<char>(c - 32);
    } else if (c == 0xC3 && d >= 0xA0 && d <= 0xBE && d != 0xB7) {
        r[1] = static_cast<char>(d - 0x20);  // à .. þ, not ÷
    } else if (c == 0xC3 && d == 0xBF) {
        r[0] = static_cast<char>(0xC5);  // ÿ
        r[1] = static_cast<char>(0xB8);
    } else if (c == 0xC5 && d == 0x93) {
        r[1] = static_cast<char>(0x92);  // œ
    }
    return r;
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    return MinusculesAscii(a) == MinusculesAscii(b);
}

std::size_t LongueurCaracteres(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string_view PremiersCaracteres(std::string_view s, std::size_t n) {
    std::size_t vus = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) {
            if (vus == n) return s.substr(0, i);
            ++vus;
        }
    }
    return s;
}

std::optional<std::string> LireFichier(const std::filesystem::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    if (!f) return std::nullopt;
    std::ostringstream tampon;
    tampon << f.rdbuf();
    if (f.bad()) return std::nullopt;
    std::string texte = std::move(tampon).str();
    if (texte.size() >= 3 && texte.compare(0, 3, "\xEF\xBB\xBF") == 0) texte.erase(0, 3);
    return texte;
}

std::vector<std::string> DecouperLignes(std::string_view texte) {
    const std::vector<std::string_view> vues = DecouperVues(texte);
    return {vues.begin(), vues.end()};
}

std::vector<std::string_view> DecouperVues(std::string_view texte) {
    std::vector<std::string_view> lignes;
    // One block for a save's hundred thousand lines instead of a score of
    // regrowths, each copying the lines so far.
    lignes.reserve(static_cast<std::size_t>(std::count(texte.begin(), texte.end(), '\n')) + 1);
    std::size_t debut = 0;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        if (texte[i] == '\n' || texte[i] == '\r') {
            lignes.emplace_back(texte.substr(debut, i - debut));
            if (texte[i] == '\r' && i + 1 < texte.size() && texte[i + 1] == '\n') ++i;
            debut = i + 1;
        }
    }
    if (debut < texte.size()) lignes.emplace_back(texte.substr(debut));
    return lignes;
}

bool EcrireFichierAtomique(const std::filesystem::path& chemin, std::string_view contenu) {
    // A hidden name, so that a file left by a crash is never listed as a
    // save, a script or a character.
    std::filesystem::path temporaire =
        chemin.parent_path() / ("." + chemin.filename().string() + ".tmp" + std::to_string(::getpid()));
    {
        std::ofstream f(temporaire, std::ios::binary | std::ios::trunc);
        if (!f) return false;
        f.write(contenu.data(), static_cast<std::streamsize>(contenu.size()));
        f.flush();
        if (!f) {
            f.close();
            std::error_code ec;
            std::filesystem::remove(temporaire, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporaire, chemin, ec);
    if (ec) {
        std::filesystem::remove(temporaire, ec);
        return false;
    }
    return true;
}

std::string EncoderPourcent(std::string_view s, bool (*garder)(unsigned char)) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string r;
    r.reserve(s.size());
    for (const unsigned char c : s) {
        if (garder(c)) {
            r += static_cast<char>(c);
        } else {
            r += '%';
            r += hex[c >> 4];
            r += hex[c & 15];
        }
    }
    return r;
}

std::optional<std::string> DecoderPourcent(std::string_view s) {
    auto chiffre = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            r += s[i];
            continue;
        }
        if (i + 2 >= s.size()) return std::nullopt;
        const int h = chiffre(s[i + 1]), l = chiffre(s[i + 2]);
        if (h < 0 || l < 0) return std::nullopt;
        r += static_cast<char>(h * 16 + l);
        i += 2;
    }
    return r;
}
