// The world save file: a whole world (terrain, fiefs, castles, deposits,
// treasures, scenery, characters and houses) as plain text, one value per
// line and no keys, so that the meaning of a line follows only from its
// place. Counts of the rules database are not stored: a file is read back
// with the rules that wrote it. After the last house, a final section
// (its first line "Compléments 1") keeps what the first layout lacks and
// the rules read (the world's kind, each character's pace, walking flag
// and tallies of kills and deaths); a file without it still loads.
//
// Values: integers as " 12 " or "-1 ", decimals the same way with "." and
// no zero before it (" .25 "), as many digits as give the value back
// exactly and an exponent ("1E+20") for very large or small ones; Booleans
// as True and False; texts unchanged. Lines end with CR LF.
//
// The reader checks every count against the file and the rules before it
// reserves anything, every index against the arrays it names, and refuses
// an early end or anything after the last record. It builds the whole
// world aside and hands it over only once the file has been read to its
// end: a refused file leaves the running world as it was.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

class ModMain;

// The world of Main as the text of a save file.
std::string Ecrire_Texte_Monde(const ModMain& Main);

// Writes the world to Chemin through a temporary file beside it, renamed
// over the old file only once complete; AvantRenommage (tests) runs between
// the two. Throws ErreurFichier (naming the file) when it cannot be written;
// the old save is then untouched.
void Ecrire_Fichier_Monde(const ModMain& Main, const std::filesystem::path& Chemin,
                          const std::function<void()>& AvantRenommage = {});

// Reads a save file's text into Main, replacing its world (fiefs, castles,
// deposits, treasures, scenery, characters, houses, their effects and the
// map). NomFichier names the file in messages. Throws ErreurFichier, with
// the line and what is wrong in French, and then leaves Main untouched.
void Lire_Texte_Monde(ModMain& Main, std::string_view Texte, const std::string& NomFichier);
void Lire_Fichier_Monde(ModMain& Main, const std::filesystem::path& Chemin);

// Value forms of the file, shared with the tests.
std::string Texte_Entier_Monde(long long Valeur);
std::string Texte_Decimal_Monde(double Valeur);
std::string Texte_Simple_Monde(float Valeur);
