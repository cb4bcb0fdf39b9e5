// The network packets' byte layout: writer and checked reader.
#include "network/MessageReseau.h"

#include <bit>
#include <cmath>

namespace Protocole {

namespace {

class Ecrivain {
public:
    void Octet(std::uint8_t o) { b_.push_back(o); }
    void Entier(std::uint32_t v) {
        for (int i = 0; i < 4; ++i) Octet(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void Entier(std::int32_t v) { Entier(static_cast<std::uint32_t>(v)); }
    void Reel(double v) {
        const auto u = std::bit_cast<std::uint64_t>(v);
        for (int i = 0; i < 8; ++i) Octet(static_cast<std::uint8_t>(u >> (8 * i)));
    }
    void Texte(const std::string& s) {
        Entier(static_cast<std::uint32_t>(s.size()));
        b_.insert(b_.end(), s.begin(), s.end());
    }
    std::vector<std::uint8_t> Fin() { return std::move(b_); }

private:
    std::vector<std::uint8_t> b_;
};

class Lecteur {
public:
    Lecteur(const std::uint8_t* d, std::size_t n) : d_(d), n_(n) {}

    bool Octet(std::uint8_t& o, const char* quoi) {
        if (!Reste(1, quoi)) return false;
        o = d_[pos_++];
        return true;
    }
    bool Entier(std::uint32_t& v, const char* quoi) {
        if (!Reste(4, quoi)) return false;
        v = 0;
        for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(d_[pos_++]) << (8 * i);
        return true;
    }
    bool Entier(std::int32_t& v, const char* quoi) {
        std::uint32_t u;
        if (!Entier(u, quoi)) return false;
        v = static_cast<std::int32_t>(u);
        return true;
    }
    bool Booleen(bool& v, const char* quoi) {
        std::uint8_t o;
        if (!Octet(o, quoi)) return false;
        if (o > 1) return Faute(std::string("valeur ") + quoi + " qui n'est ni 0 ni 1");
        v = o == 1;
        return true;
    }
    bool Reel(double& v, const char* quoi) {
        if (!Reste(8, quoi)) return false;
        std::uint64_t u = 0;
        for (int i = 0; i < 8; ++i) u |= static_cast<std::uint64_t>(d_[pos_++]) << (8 * i);
        v = std::bit_cast<double>(u);
        if (!std::isfinite(v)) return Faute(std::string("nombre ") + quoi + " infini ou indéfini");
        return true;
    }
    bool Texte(std::string& s, const char* quoi, std::size_t borne = LongueurTexteMax) {
        std::uint32_t n;
        if (!Entier(n, quoi)) return false;
        if (n > borne)
            return Faute(std::string("texte ") + quoi + " de " + std::to_string(n) + " octets (au plus " +
                         std::to_string(borne) + ")");
        if (!Reste(n, quoi)) return false;
        s.assign(reinterpret_cast<const char*>(d_ + pos_), n);
        pos_ += n;
        if (!Utf8Valide(s)) return Faute(std::string("texte ") + quoi + " qui n'est pas en UTF-8");
        return true;
    }
    bool Termine() {
        if (pos_ != n_) return Faute(std::to_string(n_ - pos_) + " octets en trop à la fin");
        return true;
    }
    bool Faute(std::string e) {
        if (erreur_.empty()) erreur_ = std::move(e);
        return false;
    }
    const std::string& Erreur() const { return erreur_; }

private:
    bool Reste(std::size_t k, const char* quoi) {
        if (n_ - pos_ < k) return Faute(std::string("message tronqué (") + quoi + ")");
        return true;
    }
    const std::uint8_t* d_;
    std::size_t n_;
    std::size_t pos_ = 0;
    std::string erreur_;
};

bool Lire(Lecteur& l, Paquet& p) {
    std::uint8_t g;
    if (!l.Octet(g, "genre")) return false;
    if (g < 1 || g > 8) return l.Faute("genre de message inconnu (" + std::to_string(g) + ")");
    p.Type = static_cast<Genre>(g);
    switch (p.Type) {
    case Genre::Bonjour:
    case Genre::DemandeInfo:
        if (!l.Entier(p.Magie, "magie") || !l.Entier(p.Version, "version")) return false;
        if (p.Type == Genre::Bonjour &&
            (!l.Texte(p.Texte, "nom du joueur") || !l.Texte(p.Donnees, "empreintes des données", LongueurDonneesMax)))
            return false;
        break;
    case Genre::Accueil:
        if (!l.Entier(p.Magie, "magie") || !l.Entier(p.Version, "version") || !l.Entier(p.ID, "identifiant") ||
            !l.Texte(p.Texte, "nom de la session"))
            return false;
        break;
    case Genre::Refus:
        if (!l.Texte(p.Texte, "raison")) return false;
        break;
    case Genre::ListeJoueurs: {
        std::int32_t n;
        if (!l.Entier(n, "nombre de joueurs")) return false;
        if (n < 1 || n > JoueursMax)
            return l.Faute("nombre de joueurs " + std::to_string(n) + " hors de 1 à " + std::to_string(JoueursMax));
        p.Joueurs.resize(static_cast<std::size_t>(n));
        for (auto& j : p.Joueurs)
            if (!l.Entier(j.ID, "identifiant") || !l.Texte(j.Nom, "nom du joueur") || !l.Booleen(j.Parti, "départ"))
                return false;
        break;
    }
    case Genre::Message:
        if (!l.Entier(p.ID, "expéditeur") || !l.Entier(p.Tour, "tour") || !l.Entier(p.Noperso, "numéro") ||
            !l.Texte(p.Texte, "texte") || !l.Reel(p.X, "X") || !l.Reel(p.Y, "Y") || !l.Reel(p.Z, "Z"))
            return false;
        break;
    case Genre::Choix:
        if (!l.Texte(p.Texte, "choix de la partie", LongueurChoixMax)) return false;
        break;
    case Genre::Info:
        if (!l.Texte(p.Texte, "nom de la session") || !l.Entier(p.NombreJoueurs, "nombre de joueurs") ||
            !l.Entier(p.NombreJoueursMax, "nombre de joueurs maximum") || !l.Booleen(p.EnJeu, "partie commencée"))
            return false;
        break;
    }
    return l.Termine();
}

}  // namespace

bool Utf8Valide(const std::string& s) {
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t k;
        std::uint32_t cp;
        if (c < 0x80) { ++i; continue; }
        if (c >= 0xC2 && c <= 0xDF) { k = 1; cp = c & 0x1F; }
        else if (c >= 0xE0 && c <= 0xEF) { k = 2; cp = c & 0x0F; }
        else if (c >= 0xF0 && c <= 0xF4) { k = 3; cp = c & 0x07; }
        else return false;
        if (n - i <= k) return false;
        for (std::size_t j = 1; j <= k; ++j) {
            const auto d = static_cast<unsigned char>(s[i + j]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        if ((k == 2 && cp < 0x800) || (k == 3 && cp < 0x10000) || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += k + 1;
    }
    return true;
}

std::vector<std::uint8_t> Encoder(const Paquet& p) {
    Ecrivain e;
    e.Octet(static_cast<std::uint8_t>(p.Type));
    switch (p.Type) {
    case Genre::Bonjour:
    case Genre::DemandeInfo:
        e.Entier(p.Magie);
        e.Entier(p.Version);
        if (p.Type == Genre::Bonjour) {
            e.Texte(p.Texte);
            e.Texte(p.Donnees);
        }
        break;
    case Genre::Accueil:
        e.Entier(p.Magie);
        e.Entier(p.Version);
        e.Entier(p.ID);
        e.Texte(p.Texte);
        break;
    case Genre::Refus:
    case Genre::Choix: e.Texte(p.Texte); break;
    case Genre::ListeJoueurs:
        e.Entier(static_cast<std::int32_t>(p.Joueurs.size()));
        for (const auto& j : p.Joueurs) {
            e.Entier(j.ID);
            e.Texte(j.Nom);
            e.Octet(j.Parti ? 1 : 0);
        }
        break;
    case Genre::Message:
        e.Entier(p.ID);
        e.Entier(p.Tour);
        e.Entier(p.Noperso);
        e.Texte(p.Texte);
        e.Reel(p.X);
        e.Reel(p.Y);
        e.Reel(p.Z);
        break;
    case Genre::Info:
        e.Texte(p.Texte);
        e.Entier(p.NombreJoueurs);
        e.Entier(p.NombreJoueursMax);
        e.Octet(p.EnJeu ? 1 : 0);
        break;
    }
    return e.Fin();
}

std::optional<Paquet> Decoder(const std::uint8_t* Donnees, std::size_t Taille, std::string* Erreur) {
    Lecteur l(Donnees, Taille);
    Paquet p;
    bool ok;
    if (Taille > TaillePaquetMax)
        ok = l.Faute("message de " + std::to_string(Taille) + " octets (au plus " + std::to_string(TaillePaquetMax) + ")");
    else
        ok = Lire(l, p);
    if (!ok) {
        if (Erreur) *Erreur = "Message réseau refusé : " + l.Erreur() + ".";
        return std::nullopt;
    }
    return p;
}

}  // namespace Protocole

namespace Protocole {
std::string Borner(std::string s) {
    if (s.size() <= LongueurTexteMax) return s;
    std::size_t n = LongueurTexteMax;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    s.resize(n);
    return s;
}
}  // namespace Protocole
