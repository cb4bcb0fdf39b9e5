#include "platform/Nombres.h"

#include <cfenv>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool EstChiffre(char c) { return c >= '0' && c <= '9'; }

// Length of the longest number at the start of s (after blanks already
// removed), or 0. Accepts sign, digits, "." or the given extra separator,
// decimals and an exponent.
std::size_t LongueurNombre(std::string_view s, char separateur) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t chiffres = 0;
    while (i < s.size() && EstChiffre(s[i])) { ++i; ++chiffres; }
    if (i < s.size() && (s[i] == '.' || s[i] == separateur)) {
        std::size_t j = i + 1;
        std::size_t decimales = 0;
        while (j < s.size() && EstChiffre(s[j])) { ++j; ++decimales; }
        if (chiffres + decimales > 0) { i = j; chiffres += decimales; }
    }
    if (chiffres == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t k = j;
        while (k < s.size() && EstChiffre(s[k])) ++k;
        if (k > j) i = k;
    }
    return i;
}

double Convertir(std::string_view s) {
    std::string copie(s);
    for (char& c : copie)
        if (c == ',') c = '.';
    if (!copie.empty() && copie[0] == '+') copie.erase(0, 1);
    double v = 0.0;
    auto [fin, err] = std::from_chars(copie.data(), copie.data() + copie.size(), v);
    if (err == std::errc::result_out_of_range)
        return (copie[0] == '-') ? -std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::infinity();
    (void)fin;
    return v;
}

}  // namespace

double Val(std::string_view texte) {
    std::size_t debut = 0;
    while (debut < texte.size() && EstBlanc(texte[debut])) ++debut;
    std::string_view s = texte.substr(debut);
    std::size_t n = LongueurNombre(s, '.');
    if (n == 0) return 0.0;
    return Convertir(s.substr(0, n));
}

std::optional<double> ValeurStricte(std::string_view texte) {
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && EstBlanc(texte[debut])) ++debut;
    while (fin > debut && EstBlanc(texte[fin - 1])) --fin;
    std::string_view s = texte.substr(debut, fin - debut);
    if (s.empty()) return std::nullopt;
    std::size_t n = LongueurNombre(s, ',');
    if (n != s.size()) return std::nullopt;
    double v = Convertir(s);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

double Arrondi(double x) {
    // The default floating-point environment rounds to nearest-even, and
    // nothing in the program changes it.
    return std::nearbyint(x);
}

double Entier(double x) { return std::floor(x); }

namespace {
template <typename T>
T VersEntierVerifie(double x) {
    double r = Arrondi(x);
    if (!(r >= static_cast<double>(std::numeric_limits<T>::min()) &&
          r <= static_cast<double>(std::numeric_limits<T>::max())))
        throw std::range_error("dépassement de capacité");
    return static_cast<T>(r);
}
template <typename T>
T VersEntierSature(double x) {
    if (std::isnan(x)) return 0;
    double r = Arrondi(x);
    if (r <= static_cast<double>(std::numeric_limits<T>::min())) return std::numeric_limits<T>::min();
    if (r >= static_cast<double>(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    return static_cast<T>(r);
}
}  // namespace

std::int16_t VersEntier16(double x) { return VersEntierVerifie<std::int16_t>(x); }
std::int32_t VersEntier32(double x) { return VersEntierVerifie<std::int32_t>(x); }
std::int16_t Sature16(double x) { return VersEntierSature<std::int16_t>(x); }
std::int32_t Sature32(double x) { return VersEntierSature<std::int32_t>(x); }

std::string TexteNombre(double x) {
    if (x == 0.0) return "0";
    char tampon[64];
    auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x);
    if (err != std::errc()) return "0";
    return std::string(tampon, fin);
}

std::string TexteNombreFrancais(double x, int decimales) {
    std::string s;
    if (decimales < 0) {
        s = TexteNombre(x);
    } else {
        char tampon[64];
        auto [fin, err] = std::to_chars(tampon, tampon + sizeof tampon, x, std::chars_format::fixed, decimales);
        s = (err == std::errc()) ? std::string(tampon, fin) : "0";
    }
    for (char& c : s)
        if (c == '.') c = ',';
    return s;
}
