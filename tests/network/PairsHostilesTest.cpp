// Hostile peers against a real host over ENet on 127.0.0.1: a client written
// here with ENet itself sends junk, floods the chat, holds idle connections
// or stops ending its turns, beside one good client. The host removes the
// hostile one (at its fifth fault, at once for what this program never
// sends), passes nothing of it on, closes idle connections while a newcomer
// still lists and joins, and goes on turning with the good client; memory
// stays bounded. And a host that reads nothing for 3 s loses nobody.
#include <enet/enet.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "network/ClsComReseau.h"
#include "network/MessageReseau.h"
#include "tests/network/Sessions.h"

namespace {

using Horloge = std::chrono::steady_clock;
using Octets = std::vector<std::uint8_t>;
using Protocole::Genre;

// Resident memory of this process, in bytes.
long long Residente() {
    std::ifstream f("/proc/self/statm");
    long long pages = 0, residentes = 0;
    f >> pages >> residentes;
    return residentes * static_cast<long long>(::sysconf(_SC_PAGESIZE));
}

Octets Paquet(Genre g, const std::string& texte = "") {
    Protocole::Paquet p;
    p.Type = g;
    p.Texte = texte;
    if (g == Genre::ListeJoueurs) p.Joueurs = {{1, "usurpateur", false}};
    return Protocole::Encoder(p);
}

Octets Message(std::int32_t tour, std::int32_t noperso, const std::string& texte, double x = 0) {
    Protocole::Paquet p;
    p.Type = Genre::Message;
    p.Tour = tour;
    p.Noperso = noperso;
    p.Texte = texte;
    p.X = x;
    return Protocole::Encoder(p);
}

Octets Bonjour(std::uint32_t magie = Protocole::Magie, std::int32_t version = Protocole::Version) {
    Protocole::Paquet p;
    p.Type = Genre::Bonjour;
    p.Magie = magie;
    p.Version = version;
    p.Texte = "Mallory";
    return Protocole::Encoder(p);
}

// A client that speaks ENet directly: it sends whatever the test says.
struct Brut {
    ENetHost* hote = nullptr;
    std::uint16_t port = 0;
    std::vector<Octets> recus;
    int connexions = 0, deconnexions = 0;

    Brut(std::uint16_t port_, std::size_t pairs) : port(port_) {
        enet_initialize();
        hote = enet_host_create(nullptr, pairs, 1, 0, 0);
    }
    ~Brut() {
        if (hote) enet_host_destroy(hote);
    }
    Brut(const Brut&) = delete;
    Brut& operator=(const Brut&) = delete;

    ENetPeer* Connecter() {
        ENetAddress a{};
        enet_address_set_host_ip(&a, "127.0.0.1");
        a.port = port;
        return enet_host_connect(hote, &a, 1, 0);
    }
    void Servir() {
        ENetEvent e;
        while (enet_host_service(hote, &e, 0) > 0) {
            if (e.type == ENET_EVENT_TYPE_CONNECT) {
                ++connexions;
            } else if (e.type == ENET_EVENT_TYPE_DISCONNECT) {
                ++deconnexions;
            } else if (e.type == ENET_EVENT_TYPE_RECEIVE) {
                recus.emplace_back(e.packet->data, e.packet->data + e.packet->dataLength);
                enet_packet_destroy(e.packet);
            }
        }
    }
    void Envoyer(ENetPeer* p, const Octets& d) {
        enet_peer_send(p, 0, enet_packet_create(d.data(), d.size(), ENET_PACKET_FLAG_RELIABLE));
        enet_host_flush(hote);
    }
    // Peers connected or connecting.
    int Ouverts() const {
        int n = 0;
        for (const ENetPeer* q = hote->peers; q < hote->peers + hote->peerCount; ++q)
            n += q->state != ENET_PEER_STATE_DISCONNECTED ? 1 : 0;
        return n;
    }
    // The last reason the host gave for a refusal ("" when none came).
    std::string DernierRefus() const {
        for (auto it = recus.rbegin(); it != recus.rend(); ++it)
            if (auto p = Protocole::Decoder(*it); p && p->Type == Genre::Refus) return p->Texte;
        return "";
    }
};

// The machines' wire: every game message that reaches the good client (a
// wire that connects, not the host's that listens) is noted.
struct Temoin : TransportReseau {
    std::unique_ptr<TransportReseau> vrai = FabriqueTransportENet()();
    std::vector<std::string>* textes = nullptr;
    bool Ecouter(const std::string& a, std::uint16_t p, std::size_t n) override {
        textes = nullptr;
        return vrai->Ecouter(a, p, n);
    }
    bool Connecter(const std::string& a, std::uint16_t p, std::uint32_t& pair) override {
        return vrai->Connecter(a, p, pair);
    }
    void Envoyer(std::uint32_t p, const std::vector<std::uint8_t>& d) override { vrai->Envoyer(p, d); }
    bool Recevoir(EvenementTransport& e, std::uint32_t ms) override {
        if (!vrai->Recevoir(e, ms)) return false;
        if (e.Type == EvenementTransport::Genre::Reception)
            if (auto p = Protocole::Decoder(e.Donnees); p && p->Type == Genre::Message && textes)
                textes->push_back(p->Texte);
        return true;
    }
    void Deconnecter(std::uint32_t p) override { vrai->Deconnecter(p); }
    void Couper(std::uint32_t p) override { vrai->Couper(p); }
    void Limiter(std::uint32_t s, std::size_t t) override { vrai->Limiter(s, t); }
    void Fermer() override { vrai->Fermer(); }
    std::string Erreur() const override { return vrai->Erreur(); }
};

bool Nomme(const ClsComReseau& r, const std::string& nom) {
    return std::any_of(r.Joueurs.begin(), r.Joueurs.end(), [&](const auto& j) { return j.Nom == nom && !j.Parti; });
}

class PairsHostiles : public ::testing::Test {
protected:
    void SetUp() override {
        memoire = Residente();
        m = std::make_unique<Machines>(2, "1", false, [this] {
            auto t = std::make_unique<Temoin>();
            t->textes = &textes;
            return std::unique_ptr<TransportReseau>(std::move(t));
        });
        // A second of lateness stands for the game's 30 s.
        LimitesReseau l;
        l.TourMaxMs = 1000;
        m->Limiter(l);
        // Room for the hostile player and a newcomer.
        h().NombreJoueurs = 4;
        ASSERT_TRUE(m->Ouvrir());
        textes.clear();
        brut = std::make_unique<Brut>(h().Port, 1);
    }
    void TearDown() override {
        // The good client never saw any of it.
        EXPECT_EQ(c().MessagesRefuses, 0);
        EXPECT_FALSE(c().HotePerdu);
        EXPECT_LT(Residente() - memoire, 50LL << 20);
    }

    ClsComReseau& h() { return (*m)[0]; }
    ClsComReseau& c() { return (*m)[1]; }

    // Reads every machine and the hostile one until the condition holds.
    bool Jusqua(const std::function<bool()>& condition, std::chrono::seconds delai = std::chrono::seconds(30)) {
        const auto fin = Horloge::now() + delai;
        while (!condition()) {
            if (Horloge::now() > fin) return false;
            Tout_Lire();
            ::usleep(200);
        }
        return true;
    }
    void Tout_Lire() {
        h().Message_Lire();
        c().Message_Lire();
        if (nouveau) nouveau->Message_Lire();
        brut->Servir();
        if (oisifs) oisifs();
    }
    std::size_t Lignes(const std::string& debut) const {
        return static_cast<std::size_t>(
            std::count_if(textes.begin(), textes.end(), [&](const auto& t) { return t.rfind(debut, 0) == 0; }));
    }

    // The hostile player joins as this program would: the third player.
    // Each time from a new socket, as the game does: a peer of ENet that
    // connects again at once to the same host may take the end of its
    // previous connection for its own.
    ENetPeer* Rejoindre() {
        brut = std::make_unique<Brut>(h().Port, 1);
        ENetPeer* p = brut->Connecter();
        const int avant = brut->connexions;
        EXPECT_TRUE(Jusqua([&] { return brut->connexions > avant; }));
        brut->Envoyer(p, Bonjour());
        EXPECT_TRUE(Jusqua([&] { return Nomme(h(), "Mallory") && Nomme(c(), "Mallory"); }));
        return p;
    }
    // Until the host has let it go and both lists say so.
    bool Parti(ENetPeer* p) {
        return Jusqua([&] { return p->state == ENET_PEER_STATE_DISCONNECTED && !Nomme(h(), "Mallory") && !Nomme(c(), "Mallory"); });
    }

    long long memoire = 0;
    std::vector<std::string> textes;  // what reached the good client
    std::unique_ptr<Machines> m;
    std::unique_ptr<Brut> brut;
    ClsComReseau* nouveau = nullptr;
    std::function<void()> oisifs;
};

}  // namespace

TEST_F(PairsHostiles, JunkRemovesItsSenderAtItsFifthFaultOrAtOnce) {
    // Only the handshake's own rule may close a connection here.
    h().Limites.AttenteJointureMs = 60000;
    Octets tronque = Message(0, 2, "PMV", 10);
    tronque.resize(tronque.size() - 3);
    Octets infini = Message(0, 2, "PMV", 10);
    std::fill(infini.end() - 24, infini.end() - 16, std::uint8_t{0xFF});  // X: not a number
    Octets long_(ClsComReseau::TaillePaquetClientMax + 1, 0);
    long_[0] = static_cast<std::uint8_t>(Genre::Message);
    struct Cas {
        const char* nom;
        Octets paquet;
        bool aussitot;  // nothing this program sends
    };
    const Cas cas[] = {
        {"octets illisibles", {0xEE, 1, 2, 3}, false},
        {"message tronqué", tronque, false},
        {"nombre infini", infini, false},
        {"ordre au personnage d'un autre", Message(0, 0, "PMV", 10), false},
        {"tour impossible", Message(1000, 2, "PMV", 10), false},
        {"fin de tour au nom d'un autre", Message(0, 0, "Prt"), false},
        {"signal de départ", Message(0, 2, "Com"), false},
        {"seconde poignée de main", Bonjour(), false},
        {"accueil", Paquet(Genre::Accueil, "x"), true},
        {"refus", Paquet(Genre::Refus, "non"), true},
        {"liste des joueurs", Paquet(Genre::ListeJoueurs), true},
        {"description de session", Paquet(Genre::Info, "x"), true},
        {"choix de la partie", Paquet(Genre::Choix, "x"), true},
        {"paquet trop long", long_, true},
    };
    const std::int32_t fautesMax = h().Limites.FautesMax;
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.nom);
        ENetPeer* p = Rejoindre();
        if (!k.aussitot) {
            for (std::int32_t n = 1; n < fautesMax; ++n) brut->Envoyer(p, k.paquet);
            // Still in after one fault less: its next line reaches the good
            // client, after the faults on the same channel.
            const std::size_t avant = Lignes("<Mallory>");
            brut->Envoyer(p, Message(0, 2, "<Mallory> encore là"));
            ASSERT_TRUE(Jusqua([&] { return Lignes("<Mallory>") > avant; }));
            EXPECT_TRUE(Nomme(h(), "Mallory"));
        }
        brut->Envoyer(p, k.paquet);
        ASSERT_TRUE(Parti(p));
        // It was told why; the host names who was removed and why, the
        // good client who left.
        EXPECT_FALSE(brut->DernierRefus().empty());
        ASSERT_FALSE(h().Annonces.empty());
        EXPECT_EQ(h().Annonces.back().rfind("« Mallory » a été retiré de la session : ", 0), 0u) << h().Annonces.back();
        ASSERT_FALSE(c().Annonces.empty());
        EXPECT_EQ(c().Annonces.back(), "« Mallory » a quitté la session.");
    }
    // A handshake this program would not make: closed at once, never let in.
    struct Salut {
        const char* nom;
        std::uint32_t magie;
        std::int32_t version;
        const char* refus;
    };
    for (const Salut s : {Salut{"magie étrangère", 0x12345678U, Protocole::Version, ""},
                          Salut{"autre version", Protocole::Magie, Protocole::Version + 1, "version du jeu différente"}}) {
        SCOPED_TRACE(s.nom);
        brut = std::make_unique<Brut>(h().Port, 1);
        ENetPeer* p = brut->Connecter();
        const int avant = brut->connexions;
        ASSERT_TRUE(Jusqua([&] { return brut->connexions > avant; }));
        brut->Envoyer(p, Bonjour(s.magie, s.version));
        ASSERT_TRUE(Jusqua([&] { return p->state == ENET_PEER_STATE_DISCONNECTED; }));
        EXPECT_EQ(brut->DernierRefus(), s.refus);
        EXPECT_FALSE(Nomme(h(), "Mallory"));
    }
    EXPECT_EQ(h().NombreJoueursConnectes, 2);
    EXPECT_EQ(c().NombreJoueursConnectes, 2);
    EXPECT_GE(h().MessagesRefuses, 8 * fautesMax + 6);
}

TEST_F(PairsHostiles, FloodsAreCutAndTheirSenderRemoved) {
    h().Limites.MessagesParTourMax = 50;
    const LimitesReseau& l = h().Limites;
    struct Cas {
        const char* nom;
        std::function<Octets(int)> paquet;
        const char* debut;  // what the good client receives of it
        const char* raison;
        // What reaches the good client at least, and at most after ms
        // milliseconds.
        double auMoins;
        std::function<double(double)> auPlus;
    };
    const Cas cas[] = {
        {"discussion", [](int k) { return Message(0, 2, "<Mallory> " + std::to_string(k)); }, "<Mallory>",
         "messages de discussion trop rapprochés", static_cast<double>(l.RafaleChat),
         [&](double ms) { return l.RafaleChat + 1 + ms / l.IntervalleChatMs; }},
        {"ordres d'un tour", [](int k) { return Message(0, 2, "PMV", k); }, "PMV", "plus de 50 messages dans le tour 0",
         static_cast<double>(l.MessagesParTourMax), [&](double) { return static_cast<double>(l.MessagesParTourMax); }},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        textes.clear();
        ENetPeer* p = Rejoindre();
        const auto debut = Horloge::now();
        for (int k = 0; k < 1000; ++k) brut->Envoyer(p, c.paquet(k));
        ASSERT_TRUE(Parti(p));
        const double ms = std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();
        // Whatever the host passed on before the removal reaches the good
        // client before the host's own next line.
        h().Message_Envoyer(h().Joueur_Local, "<J0> fin");
        ASSERT_TRUE(Jusqua([&] { return Lignes("<J0> fin") == 1; }));
        const auto passes = static_cast<double>(Lignes(c.debut));
        EXPECT_GE(passes, c.auMoins);
        EXPECT_LE(passes, c.auPlus(ms));
        EXPECT_NE(h().Annonces.back().find(c.raison), std::string::npos) << h().Annonces.back();
    }
}

TEST_F(PairsHostiles, IdleConnectionsAreClosedAndANewcomerStillListsAndJoins) {
    h().Limites.AttenteJointureMs = 500;
    // Two hundred connections that never say a word; those the host closes
    // come back while the newcomer is at it.
    Brut muets(h().Port, 200);
    bool revenir = true;
    int retours = 0;
    for (int k = 0; k < 200; ++k) enet_peer_timeout(muets.Connecter(), 0, 5000, 5000);
    oisifs = [&] {
        muets.Servir();
        for (int libres = 200 - muets.Ouverts(); revenir && libres > 0 && retours < 600; --libres, ++retours)
            enet_peer_timeout(muets.Connecter(), 0, 5000, 5000);
    };
    ASSERT_TRUE(Jusqua([&] { return muets.connexions >= 64; }));

    DossierTemporaire d;
    d.Ecrire("Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomJoueur=Nouveau\nAdresse=127.0.0.1\nPort=" +
                                   std::to_string(h().Port) + "\n");
    DossierJeu jeu(d.Chemin());
    ClsComReseau n(jeu, FabriqueTransportENet());
    n.PendantAttente = [&] {
        h().Pomper(0);
        c().Pomper(0);
        oisifs();
    };
    n.Rafraichir_Parties();
    ASSERT_EQ(n.NombreParties, 1) << n.DerniereErreur;
    ASSERT_TRUE(n.Session_Rejoindre(0)) << n.DerniereErreur;
    nouveau = &n;
    revenir = false;
    ASSERT_TRUE(Jusqua([&] {
        return h().NombreJoueursConnectes == 3 && c().NombreJoueursConnectes == 3 && n.NombreJoueursConnectes == 3;
    }));
    EXPECT_EQ(n.Joueur_Nom(3), "Nouveau");
    // Every idle connection let in was closed by the host (a connection
    // started again at once on the same peer may also end before it is
    // let in).
    ASSERT_TRUE(Jusqua([&] { return muets.Ouverts() == 0; }));
    EXPECT_GE(muets.connexions, 200);
    EXPECT_GE(muets.deconnexions, muets.connexions);
    nouveau = nullptr;
    oisifs = nullptr;
}

TEST_F(PairsHostiles, APlayerWhoStopsEndingItsTurnsIsRemovedAndTheOthersGoOn) {
    ENetPeer* p = Rejoindre();
    for (ClsComReseau* r : {&h(), &c()}) {
        r->Reseau_EnJeu = true;
        r->Partie_Debut();
    }
    // It ends three turns, then none, while its connection stays alive.
    for (std::int32_t t = 0; t < 3; ++t) brut->Envoyer(p, Message(t, 2, "Prt"));
    const auto debut = Horloge::now();
    std::optional<Horloge::time_point> retire;
    ASSERT_TRUE(Jusqua([&] {
        for (ClsComReseau* r : {&h(), &c()}) {
            r->Tour_Fin();
            if (r->Tour_Fini()) r->Tour_Debut();
        }
        if (!retire && h().Joueurs[2].Parti) retire = Horloge::now();
        return h().TourCourant() >= 20 && c().TourCourant() >= 20;
    }));
    ASSERT_TRUE(retire);
    // Not before the limit: the host waits that long for a late player.
    EXPECT_GE(*retire - debut, std::chrono::milliseconds(h().Limites.TourMaxMs));
    EXPECT_LE(std::abs(h().TourCourant() - c().TourCourant()), 1);
    EXPECT_TRUE(c().Joueurs[2].Parti);
    EXPECT_EQ(c().Joueurs.size(), 3u);  // its place is kept
    ASSERT_TRUE(Jusqua([&] { return p->state == ENET_PEER_STATE_DISCONNECTED; }));
    EXPECT_EQ(brut->DernierRefus(), "tour non terminé depuis 1 s");
    EXPECT_EQ(h().Annonces.back(), "« Mallory » a été retiré de la partie : tour non terminé depuis 1 s.");
    EXPECT_EQ(c().Annonces.back(), "« Mallory » a quitté la partie.");
}

TEST(SessionLente, AHostThatReadsNothingForThreeSecondsLosesNobody) {
    Machines m(2);
    ASSERT_TRUE(m.Ouvrir());
    for (std::size_t i = 0; i < 2; ++i) {
        m[i].Reseau_EnJeu = true;
        m[i].Partie_Debut();
    }
    auto tours = [&](std::int32_t jusqua) {
        return m.Jusqua([&] {
            for (std::size_t i = 0; i < 2; ++i) {
                m[i].Tour_Fin();
                if (m[i].Tour_Fini()) m[i].Tour_Debut();
            }
            return m[0].TourCourant() >= jusqua && m[1].TourCourant() >= jusqua;
        });
    };
    ASSERT_TRUE(tours(5));
    // The host is busy (a large world being built): it reads nothing for
    // 3 s while the client waits for its turn.
    const auto fin = Horloge::now() + std::chrono::seconds(3);
    while (Horloge::now() < fin) {
        m[1].Tour_Fin();
        m[1].Message_Lire();
        if (m[1].Tour_Fini()) m[1].Tour_Debut();
        ::usleep(1000);
    }
    ASSERT_TRUE(tours(15));
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(m[i].NombreJoueursConnectes, 2) << i;
        for (const auto& j : m[i].Joueurs) EXPECT_FALSE(j.Parti) << i << " " << j.Nom;
        EXPECT_TRUE(m[i].Annonces.empty()) << i;
    }
    EXPECT_FALSE(m[1].HotePerdu);
}
