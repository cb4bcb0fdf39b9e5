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
#include <chrono>
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
#include "platform/TransportReseau.h"

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

// What a session puts up with, in one place. A slow machine is not a gone
// machine: only a long silence drops a peer. A hostile peer is held to what
// this program sends: few faults, a connection that joins at once, chat
// lines at a person's pace, turns that end. Tests shorten them.
struct LimitesReseau {
    // A join or a listing waits this long for the host.
    std::uint32_t AttenteHoteMs = 3000;
    // A peer none of whose packets has been answered for this long is gone
    // (its machine stopped, or left the network). A busy machine (a large
    // world being built, a big load, a loaded processor) answers well
    // within it, and every turn's wait keeps waiting meanwhile.
    std::uint32_t SilenceMaxMs = 15000;
    // The host: a connection that has neither joined nor had its listing
    // within this is closed, so that idle connections hold no place...
    std::uint32_t AttenteJointureMs = 3000;
    // ... and of those at most this many at once: a newer one closes the
    // oldest, so that a newcomer always finds room and keeps it for as
    // many arrivals after its own.
    std::size_t ConnexionsEnAttenteMax = 256;
    // The host: a player who has not ended its turn this long after the
    // host ended its own is removed, and the others go on.
    std::uint32_t TourMaxMs = 30000;
    // The host: a player is removed at its FautesMax-th fault (a packet that
    // does not decode, a message against the rules); at the first, for
    // what this program never sends (a host's kind of packet, one longer
    // than any it sends, a foreign handshake).
    std::int32_t FautesMax = 5;
    // The host: a player's chat lines, a burst of RafaleChat, then one
    // every IntervalleChatMs. A line beyond is not passed on; every
    // RafaleChat such lines count one fault.
    std::int32_t RafaleChat = 5;
    std::uint32_t IntervalleChatMs = 500;
    // The host: messages of one player for one turn (its orders, its end,
    // its state's fingerprints); each beyond is a fault.
    std::int32_t MessagesParTourMax = 1024;
};

class ClsComReseau {
public:
    static constexpr const char* FichierIni = "Ini_Reseau.ini";
    static constexpr const char* NomServiceTCP = "TCP/IP (LAN)";
    // The longest packet a client ever sends (a message: its kind, four
    // numbers, the text at its bound, three numbers); anything longer is
    // not from this program.
    static constexpr std::size_t TaillePaquetClientMax = 64 + Protocole::LongueurTexteMax;
    // The handshake also carries the player's data fingerprints.
    static constexpr std::size_t TailleBonjourMax = TaillePaquetClientMax + Protocole::LongueurDonneesMax;

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
    // The last failure, in French, for the player ("" when none). A failed
    // join: "Impossible d'établir la connexion", then on a second line why
    // (the transport's reason, or the host's).
    std::string DerniereErreur;
    // Packets refused since the session opened (junk, bad indices, ...).
    std::int32_t MessagesRefuses = 0;
    LimitesReseau Limites;
    // What the player should read about the session, oldest first: a
    // player left, or was removed by the host and why. The setup window and
    // the game's message feed take them out as they show them.
    std::deque<std::string> Annonces;

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
    // Why the game stops once the host is lost, naming the host (or saying
    // why the host removed this player).
    std::string Message_Hote_Perdu() const;

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
    // The host's data fingerprints as the handshakes are compared with
    // (read when the session opens).
    std::string donneesHote_;
    struct Recu {
        bool Systeme = false;
        Protocole::Paquet P;
    };
    using Horloge = std::chrono::steady_clock;
    // The host: a connection that has not joined.
    struct EnAttente {
        Horloge::time_point Debut;
        bool Congedie = false;  // answered and being let go: nothing more is read
    };
    // The host: how a joined player behaves.
    struct Conduite {
        std::int32_t Fautes = 0;
        double Jetons = 0;  // chat lines it may send now
        Horloge::time_point Remplissage;
        std::int32_t Exces = 0;  // chat lines refused since the last fault
        // The last turn it has ended: nothing may come for it any more, or
        // the machines that have played it already would differ from those
        // that had not.
        std::int32_t DernierTourFini = -1;
        // Its messages in turn TourCompte.
        std::int32_t TourCompte = -1;
        std::int32_t Compte = 0;
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
    void Poignee_De_Main(const EvenementTransport& e, EnAttente& a);
    void Congedier(std::uint32_t Pair, const Protocole::Paquet& Reponse);
    bool Verifier(std::uint32_t Pair, const Protocole::Paquet& p);
    bool Chat_Permis(std::uint32_t Pair);
    // A fault of the player at Pair, counted in MessagesRefuses; false.
    bool Fautif(std::uint32_t Pair, const std::string& Raison);
    void Faute(std::uint32_t Pair, const std::string& Raison);
    void Exclure(std::uint32_t Pair, const std::string& Raison);
    void Depart(std::uint32_t Pair, const std::string& Raison);
    std::optional<std::uint32_t> Pair_Joueur(std::int32_t ID) const;
    void Surveiller_Connexions();
    void Surveiller_Tour();
    void Annoncer(std::string Texte);
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
    std::map<std::uint32_t, EnAttente> pairsEnAttente_;
    std::map<std::uint32_t, Conduite> conduite_;
    // The host: when it ended the current turn (the others' wait starts).
    Horloge::time_point debutAttenteTour_;
    std::int32_t prochainID_ = 2;
    // A client's peer: the host.
    std::uint32_t pairHote_ = 0;
    std::optional<Protocole::Paquet> reponseHote_;
    bool hoteDeconnecte_ = false;
    // A client: why the host removed it ("" when it did not).
    std::string renvoi_;

    std::deque<Recu> recus_;
    std::map<std::int32_t, ParJoueur> parJoueur_;  // by player ID
    std::string dernierTexte_;
};
