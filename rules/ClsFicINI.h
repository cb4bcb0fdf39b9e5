// Access to one INI file of the game folder by section and key: the only
// way the game reads or writes a setting, a rules table or a character file
// key by key. Reads and writes go through the folder's parsed copy of the
// file, which writes through to disk at once.
#pragma once

#include <string>
#include <string_view>

class DossierJeu;

class ClsFicINI {
public:
    explicit ClsFicINI(DossierJeu& dossier);

    std::string Extension = ".ini";
    std::string NomFichier;
    std::string Section = "Morvaine";
    std::string DerniereLecture;
    bool RefuserNombresTronques = true;

    // Value of key Nom in Section: at most 254 characters, "" when the
    // file, the section or the key is missing. A longer value is cut; one
    // that starts like a number is never cut and read as another number:
    // it throws ErreurFichier naming the file, section and key, unless
    // RefuserNombresTronques is off (readers that collect every fault of a
    // file check Tronquee() themselves).
    std::string Parametre(std::string_view Nom);
    // Whether the last value read was longer than the limit and cut: a cut
    // value is text at best, never a number to read.
    bool Tronquee() const { return tronquee_; }
    static constexpr std::size_t LongueurMax = 254;
    // Writes key Nom = Valeur into Section, creating file, section or key
    // as needed. Returns false when the file could not be written (the
    // game carries on; callers that care can say so).
    bool Parametre(std::string_view Nom, std::string_view Valeur);

private:
    DossierJeu* dossier_;
    bool tronquee_ = false;
};
