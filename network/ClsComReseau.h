// The network session: the settings of Ini_Reseau, one service provider
// ("TCP/IP (LAN)": an address and a port), creating, listing, joining and
// closing a session, the session's players as the host lists them, the
// game's one message shape broadcast to every player, and the turn
// boundary of lock-step play. Headless: the wire is a TransportReseau.
//
// The host relays: a client sends to the host, which stamps the sender,
// checks the message and passes it to every other player; the host's list
// of players (in join order) is the list on every machine. Messages are
// tagged with the sender's turn and queued per turn, so that a fast
// machine's next turn never mixes into the current one.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "network/ClsComMessages.h"
#include "network/MessageReseau.h"
#include "network/TransportReseau.h"

class DossierJeu;

struct JoueurReseau {
    std::int32_t ID = 0;     // given by the host: 1 for the host, then in join order
    std::string Nom;
    bool Fini = false;       // has ended the current turn
    bool Parti = false;      // left the session: nobody waits for it any more
};

// A session found at the address given.
struct PartieTrouvee {
    std::string Nom;
    std::int32_t NombreJoueurs = 0;
    std::int32_t NombreJoueursMax = 0;
    bool EnJeu = false;
};

// The world's state as five fingerprints, for the comparison between machines.
enum class PartieEtat { Personnages, Maisons, Fiefs, Tresors, Aleatoire };
constexpr std::size_t NombrePartiesEtat = 5;
using EmpreintesEtat = std::array<std::uint64_t, NombrePartiesEtat>;
// "personnages", "maisons", "fiefs", "trésors", "source aléatoire".
const char* NomPartieEtat(std::size_t i);

class ClsComReseau {
public:
    static constexpr const char* FichierIni = "Ini_Reseau.ini";
    static constexpr const char* NomServiceTCP = "TCP/IP (LAN)";
    // How long a join or a listing waits for the host.
    static constexpr std::uint32_t AttenteHoteMs = 3000;

    // Reads Ini_Reseau. A ServiceProvider other than 1 leaves network play
    // unavailable (Disponible() false) until a valid one is chosen and the
    // program restarted.
    ClsComReseau(DossierJeu& Dossier, FabriqueTransport Fabrique);
    ~ClsComReseau();
    ClsComReseau(const ClsComReseau&) = delete;
    ClsComReseau& operator=(const ClsComReseau&) = delete;

    // Settings.
    std::int16_t ServiceProvider = 0;
    std::string NomJoueur;
    std::string NomSession;
    std::int32_t NombreJoueurs = 0;
    std::int32_t NombreJoueursMin = 0;
    std::int32_t NombreJoueursMax = 0;
    std::string Adresse = "127.0.0.1";
    std::uint16_t Port = 27960;

    bool Reseau_Actif = false;
    bool Reseau_Serveur = false;
    bool Reseau_Client = false;
    // A network game is running (set by the engine).
    bool Reseau_EnJeu = false;
    std::int32_t NombreServiceProviders = 1;
    std::int16_t NombreParties = 0;
    std::int16_t NombreJoueursConnectes = 0;
    std::int16_t Joueur_Local = 0;

    std::vector<JoueurReseau> Joueurs;

    bool Disponible() const { return disponible_; }
    // The last failure, in French, for the player ("" when none).
    std::string DerniereErreur;
    // Packets refused since the session opened (junk, bad indices, ...).
    std::int32_t MessagesRefuses = 0;

    // Run while a join or a listing waits for the host (the window's
    // events; in tests, the other sessions of the process).
    std::function<void()> PendantAttente;
    // Run for every change of the player list (a player joined or left),
    // after Joueurs has followed it: the setup window refreshes its list.
    std::function<void()> SurChangementJoueurs;

    void Rafraichir_Parties();
    void Rafraichir_Joueurs();
    bool Session_Creer();
    // Index: 0-based position in the list of Rafraichir_Parties. On
    // failure DerniereErreur says why and nothing is open.
    bool Session_Rejoindre(std::int32_t Index);
    void Session_Fermer();
    void Message_Envoyer(std::int32_t Noperso, const std::string& Texte, double X = 0, double Y = 0, double Z = 0);
    // Reads everything that has arrived; returns the text of the last chat
    // line read ("" when none).
    std::string Message_Lire();

    // The turn boundary.
    std::int32_t TourCourant() const { return tour_; }
    // The turn a message sent now belongs to.
    std::int32_t TourEnvoi() const { return finEnvoyee_ ? tour_ + 1 : tour_; }
    // Sends the message unless the same one already went in the same turn
    // (what the interface asks again at every frame until the replay).
    void Message_Envoyer_Unique(std::int32_t Noperso, const std::string& Texte, double X = 0, double Y = 0,
                                double Z = 0);
    void Tour_Debut();
    // Ends the local turn: "Prt" with, from the host, the ticks the turn
    // runs (TicksParTour).
    void Tour_Fin();
    bool Tour_Fini() const;
    // The orders of player p (index in Joueurs) for the current turn.
    const ClsComMessages& Messages_Joueur(std::size_t p) const;
    // What the host decided for the current turn (valid once Tour_Fini).
    std::int32_t Ticks_Tour() const;
    std::int32_t TicksParTour = 1;  // the host's choice
    // The game starts: turn 0, every queue emptied.
    void Partie_Debut();

    // Sends the local state's fingerprints ("Hsh", before "Prt" of the turn).
    void Empreintes_Envoyer(const EmpreintesEtat& e);
    // Compares the fingerprints every other player sent for this turn with the
    // local ones: "" when they agree, else the French message naming the
    // first section that differs.
    std::string Empreintes_Verifier(const EmpreintesEtat& locales) const;

    // "Com" arrived for a client not yet in a game: the caller starts the
    // game from its event loop, with the host's choices, and clears it.
    bool CommencementDemande = false;
    // The host: sends its setup choices' text (before its "Com").
    void Choix_Envoyer(const std::string& Texte);
    // A client: the last choices the host sent ("" before any).
    std::string ChoixHote;
    // The host left: the session is over for this client.
    bool HotePerdu = false;

    std::string ServiceProvider_Nom(std::int32_t Index) const;
    std::string Partie_Nom(std::int32_t Index) const;
    std::string Joueur_Nom(std::int32_t Index) const;
    std::int32_t Joueur_ID(std::int32_t Index) const;
    void Definir_ServiceProvider(std::int16_t Valeur);
    void Definir_NomJoueur(const std::string& Valeur);
    void Definir_NomSession(const std::string& Valeur);
    void Definir_NombreJoueurs(std::int32_t Valeur);
    void Changer_Parametre_Ini(const std::string& Parametre, const std::string& Valeur);

    const std::vector<PartieTrouvee>& Parties() const { return parties_; }
    // Reads the transport without handling the messages (they wait for
    // Message_Lire or the turn's wait).
    void Pomper(std::uint32_t AttenteMs = 0);

private:
    struct Recu {
        bool Systeme = false;
        Protocole::Paquet P;
    };
    struct Attente {
        std::uint32_t Pair = 0;
        bool Liste = false;  // asked for the description only
    };
    struct FinTour {
        double X = 0, Y = 0, Z = 0;
    };
    struct ParJoueur {
        std::map<std::int32_t, ClsComMessages> Ordres;
        std::map<std::int32_t, FinTour> Prets;
        std::map<std::int32_t, std::map<std::int32_t, std::uint64_t>> Empreintes;
    };

    void Traiter_Message(std::int32_t SenderID, std::int32_t Tour, std::int32_t Noperso, const std::string& Texte,
                         double X, double Y, double Z);
    void Evenement(const EvenementTransport& e);
    void Evenement_Hote(const EvenementTransport& e);
    void Evenement_Client(const EvenementTransport& e);
    void Diffuser(const std::vector<std::uint8_t>& octets, std::uint32_t Sauf = 0);
    void Liste_Diffuser();
    void Refuser(const std::string& raison);
    std::optional<std::size_t> Indice(std::int32_t ID) const;
    void Fermer_Transport();
    bool Attendre(const std::function<bool()>& fait, std::uint32_t ms);

    DossierJeu& dossier_;
    FabriqueTransport fabrique_;
    std::unique_ptr<TransportReseau> transport_;
    bool disponible_ = false;
    std::int32_t IDJoueur = 0;
    std::int32_t tour_ = 0;
    bool finEnvoyee_ = false;  // "Prt" of tour_ sent
    // The messages of Message_Envoyer_Unique in turn tourUniques_.
    std::int32_t tourUniques_ = -1;
    std::set<std::tuple<std::int32_t, std::string, double, double, double>> uniques_;
    std::vector<PartieTrouvee> parties_;

    // The host's list (what every machine shows), and on the host which
    // transport peer is which player.
    std::vector<Protocole::JoueurListe> liste_;
    std::map<std::uint32_t, std::int32_t> pairJoueur_;
    std::set<std::uint32_t> pairsEnAttente_;
    std::int32_t prochainID_ = 2;
    // A client's peer: the host.
    std::uint32_t pairHote_ = 0;
    std::optional<Protocole::Paquet> reponseHote_;
    bool hoteDeconnecte_ = false;

    std::deque<Recu> recus_;
    std::map<std::int32_t, ParJoueur> parJoueur_;  // by player ID
    std::string dernierTexte_;
};
