// Reading helpers shared by the loaders of the rules database: checked row
// access for the accessors, the conversions of a value read from a rules
// file with the error each one can raise, and the key-by-key reader of the
// files read through ClsFicINI. Internal to ClsJeuParam*.cpp.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ErreurFichier.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"

namespace regles {

// Row i of a table, or the family's empty row when i is outside it.
template <typename T>
const T& Ligne(const std::vector<T>& table, std::int32_t i) {
    if (i >= 0 && static_cast<std::size_t>(i) < table.size()) return table[static_cast<std::size_t>(i)];
    if constexpr (requires { T::Absent(); }) {
        return T::Absent();
    } else {
        static const T vide{};
        return vide;
    }
}

// Position i of a list, or the given default outside it.
template <typename T>
T Element(const std::vector<T>& liste, std::int32_t i, T defaut = T{}) {
    if (i >= 0 && static_cast<std::size_t>(i) < liste.size()) return liste[static_cast<std::size_t>(i)];
    return defaut;
}

// Conversions of one value, each reporting its fault into `erreurs` with
// the place given (a section and key, or a line and key) and returning 0.
struct Conversion {
    ErreursFichier& erreurs;
    std::string lieu;

    void Erreur(std::string_view message) const;
    // Lenient: missing or not a number reads 0. `decalage` is added before
    // the value is stored (-1 for a 1-based reference stored 0-based); a
    // value that does not fit the field is an error and reads 0.
    double Souple(std::string_view texte) const;
    std::int16_t Souple16(std::string_view texte, double decalage = 0.0) const;
    std::int32_t Souple32(std::string_view texte, double decalage = 0.0) const;
    // Strict: a missing value or one that is not a number is an error and
    // gives nothing.
    std::optional<double> Strict(std::string_view texte) const;
    std::optional<std::int16_t> Strict16(std::string_view texte, double decalage = 0.0) const;
    std::optional<std::int32_t> Strict32(std::string_view texte, double decalage = 0.0) const;
    // A value that must lie within [minimum, maximum] (as written in the
    // file); `quoi` names what it designates ("ressource", "objet" ...).
    bool Plage(double ecrit, std::int32_t minimum, std::int32_t maximum, std::string_view quoi) const;
    // A count or size that later code divides by or sizes a table with.
    bool AuMoins(double valeur, std::int32_t minimum) const;
};

// A list entry that a count promised but no key filled: reported once the
// file is read, since a silent 0 would name a real row of another table.
inline constexpr std::int16_t NonDonne = -32768;

// Whole numbers that fit a 16- or 32-bit field, rounded half to even.
std::optional<std::int16_t> Entier16(double x);
std::optional<std::int32_t> Entier32(double x);

}  // namespace regles

// Key-by-key reader of one rules file through ClsFicINI, collecting every
// fault of the file. The constructor refuses a file that does not exist.
class ClsJeuParam::LecteurINI {
public:
    LecteurINI(DossierJeu& dossier, std::string nomFichier);

    // The file's name as the player sees it ("Ini_Parametres_Fiefs.ini").
    const std::string& Fichier() const { return erreurs_.Fichier(); }
    ErreursFichier& Erreurs() { return erreurs_; }
    void Section(std::string section) { ini_.Section = std::move(section); }
    const std::string& Section() const { return ini_.Section; }

    std::string Texte(std::string_view cle) { return ini_.Parametre(cle); }
    // A name that becomes a path below the game folder (a picture, a
    // sound, a script): one that would leave the folder is a fault and
    // reads "".
    std::string NomChemin(std::string_view cle);
    // The conversions of regles::Conversion, placed at this section and key.
    regles::Conversion A(std::string_view cle);
    std::string Lieu(std::string_view cle) const;

    // The text of a key read as a number: a value cut by the length limit
    // is a fault (reported here) and reads "0".
    std::string TexteNombre(std::string_view cle);

    double Souple(std::string_view cle) { return A(cle).Souple(TexteNombre(cle)); }
    float SoupleSimple(std::string_view cle) { return static_cast<float>(Souple(cle)); }
    std::int16_t Souple16(std::string_view cle, double decalage = 0.0) { return A(cle).Souple16(TexteNombre(cle), decalage); }
    std::int32_t Souple32(std::string_view cle, double decalage = 0.0) { return A(cle).Souple32(TexteNombre(cle), decalage); }
    bool Booleen(std::string_view cle) { return Souple(cle) != 0.0; }
    double Strict(std::string_view cle) { return A(cle).Strict(TexteNombre(cle)).value_or(0.0); }
    std::int16_t Strict16(std::string_view cle) { return A(cle).Strict16(TexteNombre(cle)).value_or(0); }
    std::int32_t Strict32(std::string_view cle) { return A(cle).Strict32(TexteNombre(cle)).value_or(0); }
    // A count read strictly that sizes a table: at least `minimum`; a bad
    // count reads `minimum` after its fault is reported.
    std::int16_t Compte(std::string_view cle, std::int16_t minimum);
    // A count of numbered sections (prefixe "Ressource_" for [Ressource_1]
    // ... [Ressource_n]): besides Compte's checks, every one of them must be
    // in the file. A count beyond them is a fault and reads as the sections
    // present from 1 on, so nothing is sized by what the file does not hold.
    std::int16_t CompteSections(std::string_view cle, std::int16_t minimum, std::string_view prefixe);
    std::int32_t BornerSections(std::string_view cle, std::int32_t nombre, std::string_view prefixe);
    // A count of numbered keys of the current section (prefixe
    // "ObjetsFabriques" for ObjetsFabriques(1) ... (n), suffixe "Indice" for
    // Monstre(1)Indice): a count beyond all the keys of the section is a
    // fault and reads as the entries present from 1 on.
    std::int32_t BornerEntrees(std::string_view cleNombre, std::int32_t nombre, std::string_view prefixe,
                               std::string_view suffixe = {});

    // Throws ErreurFichier when any fault was found.
    void Verifier() const { erreurs_.Verifier(); }

private:
    ClsFicINI ini_;
    ErreursFichier erreurs_;
    DossierJeu* dossier_;
};

// State of the line parser, kept from one line to the next for one file.
struct ClsJeuParam::EtatAnalyse {
    enum class Rangee { AvantEntete, Invalide, Valide };

    ErreursFichier& Erreurs;
    std::size_t NumeroLigne = 0;
    // Whether keys may be stored: not before the first row header, and not
    // under a header already reported as bad.
    Rangee EtatRang = Rangee::AvantEntete;
    // Numbered row headers ("[Objet_" or "[Race_") in the whole file. A few
    // numbers may be skipped (their rows stay empty), not thousands: a row
    // number beyond the headers by more than TrouMax would size the table
    // by what the file does not hold.
    static constexpr std::int32_t TrouMax = 100;
    std::int32_t EntetesObjets = 0, EntetesRaces = 0;

    std::string Lieu(std::string_view cleEcrite) const;
    regles::Conversion A(std::string_view cleEcrite) const { return {Erreurs, Lieu(cleEcrite)}; }
    void Erreur(std::string_view cleEcrite, std::string_view message) const { A(cleEcrite).Erreur(message); }
};
