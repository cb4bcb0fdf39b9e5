// What the network session needs from the wire: a host that listens, a
// client that connects to one address, reliable ordered packets to one
// peer, and events polled one at a time. The session (ClsComReseau) is
// written against this alone, so that it runs headless; platform/enet
// carries it over UDP.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct EvenementTransport {
    enum class Genre { Connexion, Reception, Deconnexion };
    Genre Type = Genre::Reception;
    std::uint32_t Pair = 0;  // the transport's own handle of the peer
    std::vector<std::uint8_t> Donnees;
};

class TransportReseau {
public:
    virtual ~TransportReseau() = default;
    // Listens at Adresse:Port for at most PairsMax peers. False (with the
    // reason in Erreur()) when the address cannot be bound.
    virtual bool Ecouter(const std::string& Adresse, std::uint16_t Port, std::size_t PairsMax) = 0;
    // Starts connecting to Adresse:Port, the one address given; the
    // Connexion event follows, or a Deconnexion when nobody answers.
    // False when the address cannot be read.
    virtual bool Connecter(const std::string& Adresse, std::uint16_t Port, std::uint32_t& Pair) = 0;
    virtual void Envoyer(std::uint32_t Pair, const std::vector<std::uint8_t>& Donnees) = 0;
    // The next event, waiting at most AttenteMs; false when none came.
    virtual bool Recevoir(EvenementTransport& e, std::uint32_t AttenteMs) = 0;
    // Sends what is queued, then drops the peer.
    virtual void Deconnecter(std::uint32_t Pair) = 0;
    // Drops the peer at once, after one try at sending what is queued: its
    // place is free again whatever the other end does.
    virtual void Couper(std::uint32_t Pair) { Deconnecter(Pair); }
    // Set before listening or connecting: a peer whose packets stay
    // unanswered for SilenceMs is dropped (Deconnexion), and no packet
    // longer than TailleMax is put together, in or out.
    virtual void Limiter(std::uint32_t SilenceMs, std::size_t TailleMax) {}
    // Sends what is queued and closes everything.
    virtual void Fermer() = 0;
    virtual std::string Erreur() const = 0;
};

using FabriqueTransport = std::function<std::unique_ptr<TransportReseau>()>;
