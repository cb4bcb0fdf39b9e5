// Reading settings keys with every fault of a file collected.
#include "rules/LectureIni.h"

#include <cmath>
#include <optional>

#include "platform/Nombres.h"
#include "platform/Texte.h"

namespace LectureIni {

namespace {

// The value as read, a cut number reported by the caller rather than
// thrown, so that it joins the file's other faults.
std::string Lire(ClsFicINI& Ini, std::string_view Cle) {
    const bool refuser = Ini.RefuserNombresTronques;
    Ini.RefuserNombresTronques = false;
    std::string v = Ini.Parametre(Cle);
    Ini.RefuserNombresTronques = refuser;
    return v;
}

std::string Place(const ClsFicINI& Ini, std::string_view Cle) {
    return "[" + Ini.Section + "] " + std::string(Cle);
}

// Empty reads 0; otherwise the whole value must be a number.
std::optional<double> Nombre(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs) {
    const std::string texte(Rogner(Lire(Ini, Cle)));
    if (Ini.Tronquee()) {
        Erreurs.Ajouter(Place(Ini, Cle) + " : valeur trop longue (plus de " + std::to_string(ClsFicINI::LongueurMax) +
                        " caractères) : ce n'est pas un nombre.");
        return std::nullopt;
    }
    if (texte.empty()) return 0.0;
    const auto v = ValeurStricte(texte);
    if (!v || !std::isfinite(*v)) {
        Erreurs.Ajouter(Place(Ini, Cle) + " : « " + texte + " » n'est pas un nombre.");
        return std::nullopt;
    }
    return v;
}

}  // namespace

std::int16_t Entier16(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs) {
    const auto v = Nombre(Ini, Cle, Erreurs);
    if (!v) return 0;
    const double r = Arrondi(*v);
    if (r < -32768.0 || r > 32767.0) {
        Erreurs.Ajouter(Place(Ini, Cle) + " : " + TexteNombre(*v) + " est hors des limites (-32768 à 32767).");
        return 0;
    }
    return static_cast<std::int16_t>(r);
}

std::uint32_t Couleur(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs) {
    const auto v = Nombre(Ini, Cle, Erreurs);
    if (!v) return 0;
    const double r = Arrondi(*v);
    if (r < 0.0 || r > 16777215.0) {
        Erreurs.Ajouter(Place(Ini, Cle) + " : la couleur " + TexteNombre(*v) + " est hors des limites (0 à 16777215).");
        return 0;
    }
    return static_cast<std::uint32_t>(r);
}

bool Booleen(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs) {
    const std::string texte(Rogner(Lire(Ini, Cle)));
    if (Ini.Tronquee()) {
        Erreurs.Ajouter(Place(Ini, Cle) + " : valeur trop longue (plus de " + std::to_string(ClsFicINI::LongueurMax) +
                        " caractères) : ce n'est pas 0 ou 1.");
        return false;
    }
    if (EgalSansCasse(texte, "True") || EgalSansCasse(texte, "Vrai")) return true;
    if (EgalSansCasse(texte, "False") || EgalSansCasse(texte, "Faux")) return false;
    const auto v = ValeurStricte(texte);
    if (texte.empty() || !v) {
        Erreurs.Ajouter(Place(Ini, Cle) + (texte.empty() ? " : valeur manquante (0 ou 1 attendu)."
                                                         : " : « " + texte + " » n'est pas 0 ou 1."));
        return false;
    }
    return *v != 0.0;
}

double Reel(ClsFicINI& Ini, std::string_view Cle, ErreursFichier& Erreurs) {
    const auto v = Nombre(Ini, Cle, Erreurs);
    return v ? *v : 0.0;
}

}  // namespace LectureIni
