// The packets' byte layout: every kind comes back as written, and every
// kind of damage is refused with a French reason.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "network/MessageReseau.h"

using namespace Protocole;

namespace {

Paquet Message(std::string texte, double x = 1.5, double y = -2, double z = 0) {
    Paquet p;
    p.Type = Genre::Message;
    p.ID = 3;
    p.Tour = 1234;
    p.Noperso = -7;
    p.Texte = std::move(texte);
    p.X = x, p.Y = y, p.Z = z;
    return p;
}

}  // namespace

TEST(MessageReseau, EveryKindComesBackAsWritten) {
    std::vector<Paquet> cas;
    cas.push_back(Message("PMV"));
    cas.push_back(Message("<Élise> bonjour à tous ✓", -0.0, 1e300, -123456789.25));
    Paquet b;
    b.Type = Genre::Bonjour;
    b.Texte = "Aurélien";
    cas.push_back(b);
    Paquet a;
    a.Type = Genre::Accueil;
    a.ID = 4;
    a.Texte = "Ma partie";
    cas.push_back(a);
    Paquet r;
    r.Type = Genre::Refus;
    r.Texte = "la partie a déjà commencé";
    cas.push_back(r);
    Paquet l;
    l.Type = Genre::ListeJoueurs;
    l.Joueurs = {{1, "Hôte", false}, {2, "", true}, {5, "Zoé", false}};
    cas.push_back(l);
    Paquet d;
    d.Type = Genre::DemandeInfo;
    cas.push_back(d);
    Paquet i;
    i.Type = Genre::Info;
    i.Texte = "Session";
    i.NombreJoueurs = 2;
    i.NombreJoueursMax = 4;
    i.EnJeu = true;
    cas.push_back(i);

    for (const Paquet& p : cas) {
        const auto octets = Encoder(p);
        std::string erreur;
        auto q = Decoder(octets, &erreur);
        ASSERT_TRUE(q) << static_cast<int>(p.Type) << " " << erreur;
        EXPECT_EQ(Encoder(*q), octets);
        EXPECT_EQ(q->Type, p.Type);
        EXPECT_EQ(q->Texte, p.Texte);
        // Every strict prefix is a truncated packet.
        for (std::size_t n = 0; n < octets.size(); ++n) EXPECT_FALSE(Decoder(octets.data(), n)) << n;
        // One byte more is refused too.
        auto plus = octets;
        plus.push_back(0);
        EXPECT_FALSE(Decoder(plus));
    }
    auto q = Decoder(Encoder(cas[1]));
    EXPECT_TRUE(std::signbit(q->X));
    EXPECT_EQ(q->Z, -123456789.25);
    EXPECT_EQ(q->Tour, 1234);
    EXPECT_EQ(q->Noperso, -7);
    EXPECT_EQ(Decoder(Encoder(cas[5]))->Joueurs[1].Parti, true);
}

TEST(MessageReseau, DamageIsRefusedWithItsReason) {
    auto message = Encoder(Message("PMV"));
    // Offsets in a message: kind 0, sender 1, turn 5, index 9, text length
    // 13, text 17 (3 bytes), X 20, Y 28, Z 36.
    struct Cas {
        const char* nom;
        std::vector<std::uint8_t> octets;
        const char* raison;
    };
    auto modifie = [&](std::size_t pos, std::vector<std::uint8_t> v) {
        auto m = message;
        for (std::size_t k = 0; k < v.size(); ++k) m[pos + k] = v[k];
        return m;
    };
    const std::uint64_t nan = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::quiet_NaN());
    const std::uint64_t inf = std::bit_cast<std::uint64_t>(std::numeric_limits<double>::infinity());
    auto reel = [](std::uint64_t u) {
        std::vector<std::uint8_t> v;
        for (int i = 0; i < 8; ++i) v.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
        return v;
    };
    Paquet longue = Message(std::string(LongueurTexteMax + 1, 'a'));
    Paquet liste;
    liste.Type = Genre::ListeJoueurs;
    liste.Joueurs = {{1, "a", false}};
    auto listeVide = Encoder(liste);
    listeVide[1] = 0;
    auto listeTrop = Encoder(liste);
    listeTrop[1] = JoueursMax + 1;
    auto listeBool = Encoder(liste);
    listeBool.back() = 2;
    const std::vector<Cas> cas = {
        {"vide", {}, "tronqué"},
        {"genre inconnu", modifie(0, {9}), "genre"},
        {"genre zéro", modifie(0, {0}), "genre"},
        {"texte trop long annoncé", modifie(13, {0xff, 0xff, 0xff, 0x7f}), "octets (au plus"},
        {"texte plus long que le message", modifie(13, {40}), "tronqué"},
        {"texte non UTF-8", modifie(17, {0xC3, 0x28}), "UTF-8"},
        {"surrogate", modifie(17, {0xED, 0xA0, 0x80}), "UTF-8"},
        {"X indéfini", modifie(20, reel(nan)), "infini ou indéfini"},
        {"Z infini", modifie(36, reel(inf)), "infini ou indéfini"},
        {"texte borné", Encoder(longue), "au plus"},
        {"liste vide", listeVide, "nombre de joueurs"},
        {"liste trop longue", listeTrop, "nombre de joueurs"},
        {"booléen", listeBool, "ni 0 ni 1"},
        {"paquet énorme", std::vector<std::uint8_t>(TaillePaquetMax + 1, 5), "octets (au plus"},
    };
    for (const Cas& c : cas) {
        std::string erreur;
        EXPECT_FALSE(Decoder(c.octets, &erreur)) << c.nom;
        EXPECT_NE(erreur.find("Message réseau refusé"), std::string::npos) << c.nom;
        EXPECT_NE(erreur.find(c.raison), std::string::npos) << c.nom << ": " << erreur;
    }
}

TEST(MessageReseau, BoundCutsBetweenCharacters) {
    std::string s(LongueurTexteMax - 1, 'a');
    s += "é";  // two bytes across the bound
    EXPECT_EQ(Borner(s), std::string(LongueurTexteMax - 1, 'a'));
    EXPECT_TRUE(Utf8Valide(Borner(s)));
    EXPECT_EQ(Borner("court"), "court");
    EXPECT_FALSE(Utf8Valide("\xC0\xAF"));       // overlong
    EXPECT_FALSE(Utf8Valide("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_TRUE(Utf8Valide("\xF0\x9F\x8F\xB0"));
}
