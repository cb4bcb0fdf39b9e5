// The order layer: every order a player gives its own character from the
// map, the interface's windows and buttons or the keys goes through here.
// Without a network session an order acts at once; with one it is
// broadcast (character, three-letter code, three numbers), and every
// machine applies it when the turn is replayed, at the same point of the
// game. The interface keeps what is only its own (selection, hover,
// tooltips, shortcuts, the making queue); what changes the world is an
// order.
//
// Characters, deposits, castles, houses, treasures, slots and item rows are
// named by their index; an order naming an index outside them, or given
// where the character cannot give it, does nothing, as an order received
// from another machine may.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ModMain;
struct MessageCom;

namespace ModCommandes {

// Walk to the map point (X, Y), in pixels.
void Commande_Aller_A(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y);
// Go and harvest deposit NoRessource.
void Commande_Aller_Ressource(ModMain& Main, std::int32_t NoPerso, std::int32_t NoRessource);
// Go into the castle NoChateau (its fief's index).
void Commande_Rentrer_Chateau(ModMain& Main, std::int32_t NoPerso, std::int32_t NoChateau);
// Build a house of type Type at (X, Y) in the character's own slot of the
// houses, then go into it. A character that can no longer pay for it
// (its goods changed since the order was given) builds nothing.
void Commande_Construire_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t X, std::int32_t Y,
                                std::int16_t Type);
// Go into house NoMaison (its owner's index).
void Commande_Rentrer_Maison(ModMain& Main, std::int32_t NoPerso, std::int32_t NoMaison);

// Every other order a player gives from the windows, the order buttons,
// the keys and the map, one three-letter code each. X, Y and Z are the
// order's three numbers (whole numbers; unused ones are 0). "Column" is
// the button of a row of three: 0 moves one unit (or the smaller sum), 1
// five (or the larger), 2 everything. A creature is one the character
// leads (summoned by it) or the character itself.
//
// The orders to a selection (marked "selection") carry the whole of it in
// their text, so that the leader gives the order once, to all, and says
// the line for one member or for several: the code, a space, then the
// members' indices separated by commas, a run of consecutive indices
// written first-last ("PGA 12,15-19" is 12, 15, 16, 17, 18, 19). The code
// alone is an empty selection. Every member must be one the character
// may command, named once.
enum class Ordre : std::uint8_t {
    Manger,              // "PMA" X resource: eat it
    Vendre,              // "PVE" X resource, Y column: sell it in the castle the character is in
    VendreTout,          // "PVT" X mode: sell every resource but 20 of each (0), what is of no use (1), all (2)
    AcheterChateau,      // "PAC" X resource, Y column: buy it in that castle
    Restaurer,           // "PRS" X column (5, 50, all): pay for the castle's repairs
    ArgentDeposer,       // "PDA" X column: money into the house the character is in
    ArgentPrendre,       // "PPA" X column: money out of its own house
    StockDeposer,        // "PDS" X column: its product into the house it is in (a shop)
    StockPrendre,        // "PPS" X column: the product out of its own shop
    AcheterMagasin,      // "PAB" X column: buy the product of the shop it visits
    RessourcesPrendre,   // "PPR" X resource, Y 0 one unit, 1 all: in hand, for giving
    ArgentMain,          // "PAM" X 0: 100 in hand, 1: all
    Service,             // "PSV": use the service of the house it is in
    ObjetRamasser,       // "POR" X item row: take an item its own house made
    ObjetAcheter,        // "POA" X item row: buy an item of the house it visits
    Fabriquer,           // "PFA" X item row: make the item in its own house, if idle
    Arreter,             // "PAR": stop
    Emplacement,         // "PEM" X slot (bag first, then worn), Y 0 left click, 1 right click
    Raccourci,           // "PRA" X, Y, Z: bits of the bag slots whose items a shortcut key puts on
    Recuperer,           // "PRU" X characteristic (life, energy, magic, morale): eat to refill it
    RessourceProche,     // "PRX" X kind 0-7: go and harvest the nearest deposit
    AttaquerProche,      // "PAT" X target kind (0 character, 1 house, 2 castle), Y bits: 1 group, 2 Ctrl, 4 Shift, 8 Alt
    TresorProche,        // "PTP": go to the nearest treasure
    ModeAuto,            // "PIA": the character's own AI on or off
    Aide,                // "PAI": call for help
    ArreterSuite,        // "PAS": every creature it leads stops
    Charger,             // "PCH" X target kind (-1 its own target), Y target (-1 its own), Z bits: 2 Ctrl, 4 Shift
    Attitude,            // "PCA": next attitude
    Formation,           // "PFO" X 1: the next formation
    Demolir,             // "PDM": pull down its own house
    MaisonSuivante,      // "PMS" X house type: go to its next house of that type
    IAInvocations,       // "PII" X 0/1: the AI of every creature it leads
    GroupeIA,            // "PGI" X creature, Y 0/1: that creature's AI (a selection takes it off)
    GroupeArreter,       // "PGS" selection: stop (the leader speaks even to an empty one)
    GroupeAttaquer,      // "PGA" selection, X target kind, Y target
    GroupeDeplacer,      // "PGD" selection, X, Y map point
    GroupeRentrer,       // "PGR" selection, X 0 house / 1 castle, Y which
    GroupeSupprimer,     // "PGX" selection, without the character: dismissed, it takes what they carried
    AllerBatiment,       // "PAV" X 0 house / 1 castle, Y which: walk to it
    AttaquerCible,       // "PAK" X target kind, Y target: attack it
    AllerTresor,         // "PAE" X treasure: go and pick it up
    Donner,              // "PDO" X character: go and give it what is in hand
    Deposer,             // "PDP": put down what is in hand (house, castle or ground)
    Lacher,              // "PLA": let go of what is in hand
};
inline constexpr int NombreOrdres = static_cast<int>(Ordre::Lacher) + 1;

// The order's code on the network.
const char* Code(Ordre o);
// Whether kind o is given to a selection (Commande_Groupe) rather than to
// the character alone (Commande).
bool Selection(Ordre o);
// Gives order o of character NoPerso: at once without a session, else
// broadcast and given at the turn's replay. An order whose numbers name
// nothing, or that the character cannot give where it stands, does
// nothing; Appliquer says whether it acted. A kind given to a selection
// does nothing here.
void Commande(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X = 0, std::int32_t Y = 0,
              std::int32_t Z = 0);
// The same for what the interface asks again at every frame while it
// holds: in a network game the same order goes once a turn at most.
void Commande_Unique(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X = 0, std::int32_t Y = 0,
                     std::int32_t Z = 0);
// Order o of character NoPerso to its selection Groupe (a member named
// twice goes once), as one order. A selection whose text would not fit in
// one message goes as several orders of the same kind, each of two members
// at least, without a session too: a game plays alike with or without one.
void Commande_Groupe(ModMain& Main, std::int32_t NoPerso, const std::vector<std::int32_t>& Groupe, Ordre o,
                     std::int32_t X = 0, std::int32_t Y = 0);
// The selection attacks the nearest target of kind Type (0 character,
// 1 house, 2 castle) as the character sees it now.
void Commande_Groupe_Attaquer(ModMain& Main, std::int32_t NoPerso, const std::vector<std::int32_t>& Groupe,
                              std::int32_t Type);
bool Appliquer(ModMain& Main, std::int32_t NoPerso, Ordre o, std::int32_t X, std::int32_t Y, std::int32_t Z);
// The same for a kind given to a selection: refused (false) when a member
// lies outside the characters, is named twice or is not the character's
// to command.
bool Appliquer_Groupe(ModMain& Main, std::int32_t NoPerso, Ordre o, const std::vector<std::int32_t>& Groupe,
                      std::int32_t X, std::int32_t Y, std::int32_t Z);

// The selection as the orders that carry it: one part, or several parts
// of two members at least each when its text would pass the bound of a
// message's text.
std::vector<std::vector<std::int32_t>> Decouper_Groupe(Ordre o, const std::vector<std::int32_t>& Groupe);
// The text of order o to the selection Groupe.
std::string Texte_Groupe(Ordre o, const std::vector<std::int32_t>& Groupe);
// Reads the text of an order to a selection: its kind and its members,
// each below NombrePersos and named once. False when the text is none or
// is not well formed.
bool Lire_Groupe(const std::string& Texte, std::size_t NombrePersos, Ordre& o, std::vector<std::int32_t>& Groupe);
// The turn the next order will travel in (-1 without a session): what is
// sent automatically goes at most once per turn.
std::int32_t Tour_Envoi(const ModMain& Main);
// The kind of an order's text: its code, or for a kind given to a
// selection, its code and what follows a space (false when it is none of
// these; whether the selection is well written is Lire_Groupe's).
bool Genre_Code(const std::string& Texte, Ordre& o);

// The replay of one received order of player Joueur (its character is
// Joueur's): the order's procedure without the session. An order for
// another character, with a number that is no integer, with a selection
// badly written, or of an unknown kind does nothing; returns whether it
// was an order (for the kinds of Ordre: whether it acted).
bool Rejouer_Ordre(ModMain& Main, std::int32_t Joueur, const MessageCom& m);

}  // namespace ModCommandes
