// The bytes two machines of a network game exchange: the handshake, the
// session's player list, the session's description for a listing, and the
// one message shape of the game (a character or player index, a text, three
// numbers) stamped with its sender and turn. Headless: the transport that
// carries the bytes lives in platform/enet.
//
// Every number is written least significant byte first: 32-bit integers,
// doubles by their bit pattern; a text is its length (32-bit) and its UTF-8
// bytes. Decoding checks every read: a packet that is short, too long, has
// a text over its bound or not in UTF-8, a number that is not finite, an
// unknown kind or bytes left over is refused with the reason in French.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Protocole {

// "MRVN": a packet of another program is refused at the handshake.
constexpr std::uint32_t Magie = 0x4E56524DU;
// 2: the handshake carries the player's data fingerprints.
constexpr std::int32_t Version = 2;
// Bounds: a chat line or a name longer than this is refused, as is a
// player list longer than the largest session.
constexpr std::size_t LongueurTexteMax = 256;
constexpr std::int32_t JoueursMax = 16;
// The host's setup choices travel as one longer text: with them the
// heroes' character files, a few kilobytes each.
constexpr std::size_t LongueurChoixMax = 4u << 20;
constexpr std::size_t TaillePaquetMax = 64 + LongueurChoixMax;
// The fingerprints of a player's data files, one line each.
constexpr std::size_t LongueurDonneesMax = 64u << 10;

enum class Genre : std::uint8_t {
    Bonjour = 1,       // client -> host: magic, version, player name, data fingerprints
    Accueil = 2,       // host -> client: magic, version, the id given, session name
    Refus = 3,         // host -> client: why the join is refused
    ListeJoueurs = 4,  // host -> everyone: the session's players, in order
    Message = 5,       // the game's message, both ways (the host relays)
    DemandeInfo = 6,   // lister -> host: magic, version
    Info = 7,          // host -> lister: the session's description
    Choix = 8,         // host -> everyone, before "Com": the setup choices' text
};

struct JoueurListe {
    std::int32_t ID = 0;
    std::string Nom;
    bool Parti = false;  // left the session; its place is kept during a game
};

// One packet; only the fields of its kind are written and read.
struct Paquet {
    Genre Type = Genre::Message;
    std::uint32_t Magie = Protocole::Magie;
    std::int32_t Version = Protocole::Version;
    std::int32_t ID = 0;            // Accueil: the id given; Message: the sender
    std::string Texte;              // Bonjour: name; Accueil/Info: session; Refus: reason; Message: text
    std::vector<JoueurListe> Joueurs;  // ListeJoueurs
    std::int32_t Tour = 0;          // Message
    std::int32_t Noperso = 0;       // Message
    double X = 0, Y = 0, Z = 0;     // Message
    std::string Donnees;            // Bonjour: the player's data fingerprints
    std::int32_t NombreJoueurs = 0;  // Info: players now in the session
    std::int32_t NombreJoueursMax = 0;  // Info
    bool EnJeu = false;             // Info: the game has started, joins are refused
};

std::vector<std::uint8_t> Encoder(const Paquet& p);
// The packet, or nothing with the reason in Erreur.
std::optional<Paquet> Decoder(const std::uint8_t* Donnees, std::size_t Taille, std::string* Erreur = nullptr);
inline std::optional<Paquet> Decoder(const std::vector<std::uint8_t>& v, std::string* Erreur = nullptr) {
    return Decoder(v.data(), v.size(), Erreur);
}

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing past U+10FFFF).
bool Utf8Valide(const std::string& s);

}  // namespace Protocole

namespace Protocole {
// The text cut to the bound, never inside a character.
std::string Borner(std::string s);
}  // namespace Protocole
