// Several network sessions in one test process, over ENet on 127.0.0.1:
// each machine has its own scratch game folder with its Ini_Reseau, and
// while one machine waits for the host, the others run.
#pragma once

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/SetupChoices.h"
#include "network/ClsComReseau.h"
#include "platform/DossierJeu.h"
#include "platform/enet/TransportENet.h"
#include "tests/Outils.h"

// A UDP port free on 127.0.0.1 at the time of asking.
inline std::uint16_t PortLibre() {
    const int s = ::socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t n = sizeof a;
    ::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &n);
    ::close(s);
    return ntohs(a.sin_port);
}

// The small world every machine of a test network game builds: 40 x 40,
// two fiefs of three villagers, for `joueurs` players.
inline SetupChoices ChoixPartieReseau(int joueurs) {
    SetupChoices c;
    c.LargeurCarte = c.HauteurCarte = 40;
    c.NombreRessources = 10;
    for (int f = 0; f < 2; ++f) c.Fiefs.push_back({f, static_cast<std::int16_t>(f % 2), 3});
    c.Reseau = true;
    c.NombreJoueursReseau = joueurs;
    return c;
}

class Machines {
public:
    // n machines, all pointed at the same loopback port; the first hosts
    // when Ouvrir is called.
    // With Donnees, each folder holds the default data set (for a world).
    explicit Machines(int n, const std::string& fournisseur = "1", bool Donnees = false,
                      FabriqueTransport fabrique = FabriqueTransportENet()) {
        const std::uint16_t port = PortLibre();
        for (int i = 0; i < n; ++i) {
            dossiers.push_back(std::make_unique<DossierTemporaire>());
            if (Donnees) dossiers.back()->CopierDonnees();
            dossiers.back()->Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=" + fournisseur + "\nNomJoueur=J" +
                                                          std::to_string(i) + "\nNomSession=Essai\nNombreJoueurs=" +
                                                          std::to_string(n) + "\nAdresse=127.0.0.1\nPort=" +
                                                          std::to_string(port) + "\n");
            jeux.push_back(std::make_unique<DossierJeu>(dossiers.back()->Chemin()));
            reseaux.push_back(std::make_unique<ClsComReseau>(*jeux.back(), fabrique));
        }
        for (std::size_t i = 0; i < reseaux.size(); ++i)
            reseaux[i]->PendantAttente = [this, i] { PomperSauf(i); };
    }
    ClsComReseau& operator[](std::size_t i) { return *reseaux[i]; }
    // The same limits on every machine, before the session opens.
    void Limiter(const LimitesReseau& l) {
        for (auto& r : reseaux) r->Limites = l;
    }
    std::size_t size() const { return reseaux.size(); }

    void PomperSauf(std::size_t i) {
        for (std::size_t k = 0; k < reseaux.size(); ++k)
            if (k != i && reseaux[k]) reseaux[k]->Pomper(0);
    }
    // The host creates, every other machine lists and joins.
    bool Ouvrir() {
        if (!reseaux[0]->Session_Creer()) return false;
        for (std::size_t i = 1; i < reseaux.size(); ++i) {
            reseaux[i]->Rafraichir_Parties();
            if (reseaux[i]->NombreParties != 1 || !reseaux[i]->Session_Rejoindre(0)) return false;
        }
        return Jusqua([&] {
            for (auto& r : reseaux)
                if (r && r->NombreJoueursConnectes != static_cast<std::int16_t>(reseaux.size())) return false;
            return true;
        });
    }
    // Reads every machine until the condition holds (false after the delay).
    bool Jusqua(const std::function<bool()>& condition, std::chrono::milliseconds delai = std::chrono::seconds(8)) {
        const auto fin = std::chrono::steady_clock::now() + delai;
        while (!condition()) {
            if (std::chrono::steady_clock::now() > fin) return false;
            for (auto& r : reseaux)
                if (r) r->Message_Lire();
            ::usleep(200);
        }
        return true;
    }

    std::vector<std::unique_ptr<DossierTemporaire>> dossiers;
    std::vector<std::unique_ptr<DossierJeu>> jeux;
    std::vector<std::unique_ptr<ClsComReseau>> reseaux;
};
