// Network packets: any bytes through the decoder (and the host's setup
// choices they may carry), and any sequence of packets through a host's
// handshake and message handling.
//
// The decoder either refuses with a French reason or gives a packet that
// encodes back to the very same bytes. The host, fed packets from up to
// three connections, never lists more players than a session holds, lets
// in only a peer whose handshake carried the magic value and version, and
// sends nothing that does not decode.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <string>

#include "network/ChoixReseau.h"
#include "network/ClsComReseau.h"
#include "network/MessageReseau.h"
#include "platform/DossierJeu.h"
#include "tests/fuzz/OutilsFuzz.h"

namespace {

const std::filesystem::path& Dossier() {
    static const std::filesystem::path& d = [] () -> const std::filesystem::path& {
        const auto& p = fuzz::Dossier("messages", false);
        fuzz::Ecrire(p / "Ini_Reseau.ini", "[Reseau]\nServiceProvider=1\nNomJoueur=Hote\nNomSession=S\n"
                                           "NombreJoueurs=3\nAdresse=127.0.0.1\nPort=27960\n");
        return p;
    }();
    return d;
}

// A wire that only the harness talks on.
struct Fil : TransportReseau {
    std::deque<EvenementTransport> entrants;
    bool Ecouter(const std::string&, std::uint16_t, std::size_t) override { return true; }
    bool Connecter(const std::string&, std::uint16_t, std::uint32_t&) override { return false; }
    void Envoyer(std::uint32_t, const std::vector<std::uint8_t>& d) override {
        std::string erreur;
        if (!Protocole::Decoder(d, &erreur)) std::abort();
    }
    bool Recevoir(EvenementTransport& e, std::uint32_t) override {
        if (entrants.empty()) return false;
        e = std::move(entrants.front());
        entrants.pop_front();
        return true;
    }
    void Deconnecter(std::uint32_t) override {}
    void Fermer() override {}
    std::string Erreur() const override { return ""; }
};

void Decodeur(const std::uint8_t* Donnees, std::size_t Taille) {
    std::string erreur;
    auto p = Protocole::Decoder(Donnees, Taille, &erreur);
    if (!p) {
        if (erreur.rfind("Message réseau refusé : ", 0) != 0) std::abort();
        return;
    }
    const auto octets = Protocole::Encoder(*p);
    if (octets.size() != Taille || !std::equal(octets.begin(), octets.end(), Donnees)) std::abort();
    // The host's choices: read, written and read again to the same text.
    if (p->Type == Protocole::Genre::Choix) {
        std::string e;
        auto c = ChoixReseau::Lire(p->Texte, &e);
        if (!c) {
            if (e.rfind("Choix de la partie reçus de l'hôte illisibles", 0) != 0) std::abort();
            return;
        }
        const std::string t = ChoixReseau::Ecrire(*c);
        auto relu = ChoixReseau::Lire(t);
        if (!relu || ChoixReseau::Ecrire(*relu) != t) std::abort();
    }
}

void Hote(const std::uint8_t* Donnees, std::size_t Taille) {
    DossierJeu dossier(Dossier());
    Fil* fil = nullptr;
    ClsComReseau hote(dossier, [&] {
        auto f = std::make_unique<Fil>();
        fil = f.get();
        return std::unique_ptr<TransportReseau>(std::move(f));
    });
    if (!hote.Session_Creer() || !fil) std::abort();
    // Chunks: a header byte (its low two bits: 0 connects a new peer,
    // 1-3 is a packet from peer 1-3; bit 2 disconnects that peer instead),
    // a length byte, the packet.
    std::size_t i = 0;
    while (i + 2 <= Taille) {
        const std::uint8_t entete = Donnees[i], n = Donnees[i + 1];
        i += 2;
        const std::size_t k = std::min<std::size_t>(n, Taille - i);
        EvenementTransport e;
        e.Pair = entete & 3;
        if (e.Pair == 0) {
            e.Type = EvenementTransport::Genre::Connexion;
            e.Pair = 1 + (entete >> 3) % 3;
        } else if (entete & 4) {
            e.Type = EvenementTransport::Genre::Deconnexion;
        } else {
            e.Type = EvenementTransport::Genre::Reception;
            e.Donnees.assign(Donnees + i, Donnees + i + k);
            i += k;
        }
        fil->entrants.push_back(std::move(e));
        hote.Message_Lire();
        if (hote.NombreJoueursConnectes > hote.NombreJoueurs || hote.Joueurs.empty() || hote.Joueurs[0].ID != 1)
            std::abort();
    }
    // The turn still works after whatever came in.
    hote.Tour_Fin();
    hote.Message_Lire();
    if (!hote.Joueurs[0].Fini) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Donnees, std::size_t Taille) {
    Decodeur(Donnees, Taille);
    Hote(Donnees, Taille);
    return 0;
}
