// Text helpers shared by every reader: UTF-8 aware trimming, case folding
// and length, line reading with either line ending, and atomic writes.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Blanks are spaces and tabs.
std::string_view Rogner(std::string_view s);
// ASCII letters, the accented capitals of Latin-1 (UTF-8 "É" -> "é"), "Œ"
// and "Ÿ" folded to lower case: every letter of French, so that keys compare
// as the Windows functions did and names read well once lowered.
std::string MinusculesAscii(std::string_view s);
// The first letter in upper case, by the same table ("élise" -> "Élise").
std::string PremiereMajuscule(std::string_view s);
bool EgalSansCasse(std::string_view a, std::string_view b);
// Number of characters (code points) of a UTF-8 text.
std::size_t LongueurCaracteres(std::string_view s);
// The first n characters of a UTF-8 text.
std::string_view PremiersCaracteres(std::string_view s, std::size_t n);

// Percent-encoding: every byte that `garder` refuses becomes "%XX"
// (upper-case hexadecimal), so that any byte can travel in a line or an
// address. Decoding gives nothing for a "%" not followed by two hex digits.
std::string EncoderPourcent(std::string_view s, bool (*garder)(unsigned char));
std::optional<std::string> DecoderPourcent(std::string_view s);

// Whole file as text, a UTF-8 byte-order mark removed; nothing when the
// file cannot be read.
std::optional<std::string> LireFichier(const std::filesystem::path& chemin);
// A text cut into lines; "\r\n", "\n" and a lone "\r" all end a line. A
// final line break does not make an extra empty line.
std::vector<std::string> DecouperLignes(std::string_view texte);
// The same lines as views into texte, which must outlive them.
std::vector<std::string_view> DecouperVues(std::string_view texte);
// Writes the whole content to a temporary file beside the target and
// renames it over the target, so that a crash never leaves half a file.
// Returns false (and leaves the old file untouched) on failure.
bool EcrireFichierAtomique(const std::filesystem::path& chemin, std::string_view contenu);
