// ENet under the session's transport interface. Peers are named by a
// number of our own kept in the peer's data field, so that a handle never
// points at a peer ENet has recycled.
#include "platform/enet/TransportENet.h"

#include <enet/enet.h>

#include <atomic>
#include <map>
#include <mutex>

namespace {

// ENet's library set-up is once per process; it is never undone (the
// process ends with it).
std::once_flag InitialisationENet;
bool ENetPret = false;

void Initialiser() {
    std::call_once(InitialisationENet, [] { ENetPret = enet_initialize() == 0; });
}

class TransportENet : public TransportReseau {
public:
    TransportENet() { Initialiser(); }
    ~TransportENet() override { Detruire(); }

    bool Ecouter(const std::string& Adresse, std::uint16_t Port, std::size_t PairsMax) override {
        Detruire();
        if (!ENetPret) return Faute("ENet n'a pas pu démarrer");
        ENetAddress a{};
        if (enet_address_set_host_ip(&a, Adresse.c_str()) != 0) return Faute("adresse « " + Adresse + " » illisible");
        a.port = Port;
        hote_ = enet_host_create(&a, PairsMax, 1, 0, 0);
        if (!hote_) return Faute("impossible d'écouter à " + Adresse + ":" + std::to_string(Port));
        Borner(hote_);
        return true;
    }

    bool Connecter(const std::string& Adresse, std::uint16_t Port, std::uint32_t& Pair) override {
        if (!ENetPret) return Faute("ENet n'a pas pu démarrer");
        if (!hote_) {
            hote_ = enet_host_create(nullptr, 4, 1, 0, 0);
            if (!hote_) return Faute("impossible de créer la connexion");
            Borner(hote_);
        }
        ENetAddress a{};
        // A numeric address only: nothing is ever looked up or sent to an
        // address the player did not type.
        if (enet_address_set_host_ip(&a, Adresse.c_str()) != 0) return Faute("adresse « " + Adresse + " » illisible");
        a.port = Port;
        ENetPeer* p = enet_host_connect(hote_, &a, 1, 0);
        if (!p) return Faute("impossible de joindre " + Adresse);
        Patienter(p);
        Pair = Nommer(p);
        return true;
    }

    void Envoyer(std::uint32_t Pair, const std::vector<std::uint8_t>& Donnees) override {
        auto it = pairs_.find(Pair);
        if (it == pairs_.end()) return;
        ENetPacket* paquet = enet_packet_create(Donnees.data(), Donnees.size(), ENET_PACKET_FLAG_RELIABLE);
        if (enet_peer_send(it->second, 0, paquet) != 0) enet_packet_destroy(paquet);
    }

    bool Recevoir(EvenementTransport& e, std::uint32_t AttenteMs) override {
        if (!hote_) return false;
        ENetEvent ev;
        // A first pass without waiting sends what is queued at once.
        int r = enet_host_service(hote_, &ev, 0);
        if (r == 0 && AttenteMs > 0) r = enet_host_service(hote_, &ev, AttenteMs);
        if (r <= 0) return false;
        switch (ev.type) {
        case ENET_EVENT_TYPE_CONNECT:
            e.Type = EvenementTransport::Genre::Connexion;
            e.Pair = Nommer(ev.peer);
            Patienter(ev.peer);
            e.Donnees.clear();
            return true;
        case ENET_EVENT_TYPE_RECEIVE:
            e.Type = EvenementTransport::Genre::Reception;
            e.Pair = Nommer(ev.peer);
            e.Donnees.assign(ev.packet->data, ev.packet->data + ev.packet->dataLength);
            enet_packet_destroy(ev.packet);
            return true;
        case ENET_EVENT_TYPE_DISCONNECT:
            e.Type = EvenementTransport::Genre::Deconnexion;
            e.Pair = Nommer(ev.peer);
            e.Donnees.clear();
            Oublier(ev.peer);
            return true;
        default: return false;
        }
    }

    void Deconnecter(std::uint32_t Pair) override {
        auto it = pairs_.find(Pair);
        if (it == pairs_.end()) return;
        // The peer keeps its name until ENet says it is gone, so that the
        // session hears of it and may still cut it short.
        enet_host_flush(hote_);
        enet_peer_disconnect_later(it->second, 0);
        enet_host_flush(hote_);
    }

    void Couper(std::uint32_t Pair) override {
        auto it = pairs_.find(Pair);
        if (it == pairs_.end()) return;
        ENetPeer* p = it->second;
        // What is queued (a refusal and its reason) goes out once; the
        // peer's place is free on return, whether the other end answers or
        // not.
        enet_host_flush(hote_);
        enet_peer_disconnect_now(p, 0);
        Oublier(p);
    }

    void Limiter(std::uint32_t SilenceMs, std::size_t TailleMax) override {
        silenceMs_ = SilenceMs;
        tailleMax_ = TailleMax;
        if (hote_) Borner(hote_);
    }

    void Fermer() override { Detruire(); }
    std::string Erreur() const override { return erreur_; }

private:
    bool Faute(std::string e) {
        erreur_ = std::move(e);
        return false;
    }
    std::uint32_t Nommer(ENetPeer* p) {
        if (p->data) return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p->data));
        const std::uint32_t n = ++dernier_;
        p->data = reinterpret_cast<void*>(static_cast<std::uintptr_t>(n));
        pairs_[n] = p;
        return n;
    }
    // A machine busy for a few seconds (a world being built, a loaded
    // processor) answers nothing meanwhile and must not end everyone's
    // game: a peer is dropped only once a packet to it has stayed
    // unanswered for the session's silence limit, however many retries that
    // took. ENet looks at it at its retries, whose spacing doubles: the drop
    // comes between the limit and twice it. Set on the peer as soon as it
    // exists, the connection's own handshake included.
    void Patienter(ENetPeer* p) const {
        if (silenceMs_ > 0) enet_peer_timeout(p, 0, silenceMs_, silenceMs_);
    }
    // Nothing longer than the session's largest packet is put together:
    // a peer cannot make this machine hold megabytes for it.
    void Borner(ENetHost* h) const {
        if (tailleMax_ > 0) h->maximumPacketSize = tailleMax_;
    }
    void Oublier(ENetPeer* p) {
        if (!p->data) return;
        pairs_.erase(static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(p->data)));
        p->data = nullptr;
    }
    void Detruire() {
        if (!hote_) return;
        // Tell the peers at once, so that they do not wait for the timeout.
        for (auto& [n, p] : pairs_) {
            enet_peer_disconnect_now(p, 0);
            p->data = nullptr;
        }
        pairs_.clear();
        enet_host_flush(hote_);
        enet_host_destroy(hote_);
        hote_ = nullptr;
    }

    ENetHost* hote_ = nullptr;
    std::map<std::uint32_t, ENetPeer*> pairs_;
    std::uint32_t dernier_ = 0;
    std::uint32_t silenceMs_ = 0;  // 0: ENet's own rule
    std::size_t tailleMax_ = 0;    // 0: ENet's own bound
    std::string erreur_;
};

}  // namespace

FabriqueTransport FabriqueTransportENet() {
    return [] { return std::unique_ptr<TransportReseau>(std::make_unique<TransportENet>()); };
}
