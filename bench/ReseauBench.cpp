// The cost of a lock-step turn with 4 machines on 127.0.0.1 (every
// machine ends its turn, each waits for the three others through the
// host, then begins the next), against the raw ENet round trip between two
// hosts in the same run. Counters: p50 and p99 of each, in microseconds,
// and the turn's p99 above the round trip's (goal: under 1,000).
#include <benchmark/benchmark.h>
#include <enet/enet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <vector>

#include "network/ClsComReseau.h"
#include "platform/DossierJeu.h"
#include "platform/enet/TransportENet.h"

namespace {

using Horloge = std::chrono::steady_clock;

std::uint16_t PortLibre() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t n = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    ::close(s);
    return ntohs(a.sin_port);
}

double Centile(std::vector<double> v, double q) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<std::size_t>(q * static_cast<double>(v.size())))];
}

// Four sessions, each with a scratch folder of its own.
struct Quatre {
    std::vector<std::filesystem::path> dossiers;
    std::vector<std::unique_ptr<DossierJeu>> jeux;
    std::vector<std::unique_ptr<ClsComReseau>> r;

    Quatre() {
        const std::uint16_t port = PortLibre();
        std::random_device rd;
        for (int i = 0; i < 4; ++i) {
            auto d = std::filesystem::temp_directory_path() / ("morvaine-bench-" + std::to_string(rd()));
            std::filesystem::create_directories(d);
            std::ofstream(d / "Ini_Reseau.ini") << "[Reseau]\nServiceProvider=1\nNomJoueur=J" << i
                                                << "\nNomSession=B\nNombreJoueurs=4\nAdresse=127.0.0.1\nPort=" << port
                                                << "\n";
            dossiers.push_back(d);
            jeux.push_back(std::make_unique<DossierJeu>(d));
            r.push_back(std::make_unique<ClsComReseau>(*jeux.back(), FabriqueTransportENet()));
        }
        for (std::size_t i = 0; i < 4; ++i)
            r[i]->PendantAttente = [this, i] {
                for (std::size_t k = 0; k < 4; ++k)
                    if (k != i) r[k]->Pomper(0);
            };
        r[0]->Session_Creer();
        for (std::size_t i = 1; i < 4; ++i) {
            r[i]->Rafraichir_Parties();
            r[i]->Session_Rejoindre(0);
        }
        while (!std::all_of(r.begin(), r.end(), [](auto& x) { return x->NombreJoueursConnectes == 4; }))
            for (auto& x : r) x->Message_Lire();
        for (auto& x : r) x->Reseau_EnJeu = true;
    }
    ~Quatre() {
        r.clear();
        jeux.clear();
        for (auto& d : dossiers) std::filesystem::remove_all(d);
    }
    bool Pret() const { return std::all_of(r.begin(), r.end(), [](auto& x) { return !x->Joueurs.empty(); }); }

    void Tour() {
        for (auto& x : r) x->Tour_Fin();
        for (bool fini = false; !fini;) {
            fini = true;
            for (auto& x : r) {
                x->Message_Lire();
                fini = x->Tour_Fini() && fini;
            }
        }
        for (auto& x : r) x->Tour_Debut();
    }
};

// Two bare ENet hosts: one packet there and back.
struct AllerRetour {
    ENetHost* serveur = nullptr;
    ENetHost* client = nullptr;
    ENetPeer* versServeur = nullptr;
    ENetPeer* versClient = nullptr;

    AllerRetour() {
        enet_initialize();
        ENetAddress a{};
        enet_address_set_host_ip(&a, "127.0.0.1");
        a.port = PortLibre();
        serveur = enet_host_create(&a, 1, 1, 0, 0);
        client = enet_host_create(nullptr, 1, 1, 0, 0);
        versServeur = enet_host_connect(client, &a, 1, 0);
        ENetEvent e;
        while (!versClient || versServeur->state != ENET_PEER_STATE_CONNECTED) {
            if (enet_host_service(serveur, &e, 1) > 0 && e.type == ENET_EVENT_TYPE_CONNECT) versClient = e.peer;
            enet_host_service(client, &e, 1);
        }
    }
    ~AllerRetour() {
        enet_host_destroy(client);
        enet_host_destroy(serveur);
    }
    void Une() {
        static const std::uint8_t octets[48] = {5};
        enet_peer_send(versServeur, 0, enet_packet_create(octets, sizeof octets, ENET_PACKET_FLAG_RELIABLE));
        ENetEvent e;
        for (bool recu = false; !recu;) {
            enet_host_service(client, &e, 0);
            if (enet_host_service(serveur, &e, 0) > 0 && e.type == ENET_EVENT_TYPE_RECEIVE) {
                enet_peer_send(versClient, 0, enet_packet_create(e.packet->data, e.packet->dataLength,
                                                                 ENET_PACKET_FLAG_RELIABLE));
                enet_packet_destroy(e.packet);
                recu = true;
            }
        }
        for (bool retour = false; !retour;) {
            enet_host_service(serveur, &e, 0);
            if (enet_host_service(client, &e, 0) > 0 && e.type == ENET_EVENT_TYPE_RECEIVE) {
                enet_packet_destroy(e.packet);
                retour = true;
            }
        }
    }
};

void BM_TourReseau4VsAllerRetourENet(benchmark::State& state) {
    Quatre q;
    AllerRetour ar;
    if (!q.Pret()) {
        state.SkipWithError("session impossible sur 127.0.0.1");
        return;
    }
    std::vector<double> tours, allers;
    for (auto _ : state) {
        auto t0 = Horloge::now();
        q.Tour();
        auto t1 = Horloge::now();
        ar.Une();
        auto t2 = Horloge::now();
        tours.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
        allers.push_back(std::chrono::duration<double, std::micro>(t2 - t1).count());
    }
    state.counters["tour_p50_us"] = Centile(tours, 0.50);
    state.counters["tour_p99_us"] = Centile(tours, 0.99);
    state.counters["aller_retour_p50_us"] = Centile(allers, 0.50);
    state.counters["aller_retour_p99_us"] = Centile(allers, 0.99);
    state.counters["surcout_p99_us"] = Centile(tours, 0.99) - Centile(allers, 0.99);
}
BENCHMARK(BM_TourReseau4VsAllerRetourENet)->Iterations(5000)->Unit(benchmark::kMicrosecond);

}  // namespace
