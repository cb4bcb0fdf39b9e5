// The setup choices' text for the network.
#include "network/ChoixReseau.h"

#include <cmath>
#include <sstream>
#include <vector>

#include "platform/Nombres.h"
#include "platform/Texte.h"

namespace ChoixReseau {

namespace {

// Counts and sizes a setup window can give; anything beyond is not a game
// this program made.
constexpr std::int32_t CarteMax = 1024, QuantiteMax = 100000, ListeMax = 256;

bool Propre(const std::string& s) { return s.find_first_of("\r\n") == std::string::npos; }

// A file's bytes on one line: printable ASCII as it is, every other byte,
// "%" and "," percent-encoded. Any byte travels, whatever the file's
// encoding.
bool Imprimable(unsigned char b) { return b >= 0x20 && b < 0x7F && b != '%' && b != ','; }

}  // namespace

std::string Ecrire(const SetupChoices& c) {
    // A name that would cut a line travels as an empty one.
    auto p = [](const std::string& v) { return Propre(v) ? v : std::string(); };
    std::ostringstream o;
    o << "Mode=" << p(c.Mode) << "\nLargeurCarte=" << c.LargeurCarte << "\nHauteurCarte=" << c.HauteurCarte
      << "\nNombreRessources=" << c.NombreRessources << "\nTypeMonde=" << c.TypeMonde << "\nEpoque=" << c.Epoque
      << "\nFichierMonde=" << p(c.FichierMonde) << "\nBonusXP=" << c.BonusXP
      << "\nNombreJoueursReseau=" << c.NombreJoueursReseau << "\n";
    for (const auto& f : c.Fiefs) o << "Fief=" << f.Equipe << "," << f.Peuple << "," << f.Villageois << "\n";
    for (int a = 0; a < 2; ++a) {
        o << "Armee" << a << "=" << c.Armees[a].Soldats << "," << c.Armees[a].Peuple << ","
          << (c.Armees[a].Equipement ? 1 : 0) << "\n";
        for (const auto& x : c.Armees[a].Objets) o << "Objet" << a << "=" << p(x) << "\n";
    }
    for (const auto& h : c.Heros) o << "Heros=" << p(h) << "\n";
    for (const auto& f : c.FichiersIA) o << "IA=" << p(f) << "\n";
    for (const auto& h : c.FichiersHeros) o << "FichierHeros=" << EncoderPourcent(h.Nom, Imprimable) << "," << EncoderPourcent(h.Texte, Imprimable) << "\n";
    return o.str();
}

std::optional<SetupChoices> Lire(const std::string& texte, std::string* Erreur) {
    SetupChoices c;
    std::istringstream in(texte);
    std::string ligne;
    int n = 0;
    std::string faute;
    auto nombre = [&](const std::string& v, std::int32_t min, std::int32_t max, std::int32_t& r) {
        const auto x = ValeurStricte(v);
        // The range first: a huge number must not reach the integer test.
        if (!x || !(*x >= min && *x <= max) || *x != std::trunc(*x)) {
            faute = "« " + v + " » n'est pas un nombre de " + std::to_string(min) + " à " + std::to_string(max);
            return false;
        }
        r = static_cast<std::int32_t>(*x);
        return true;
    };
    auto nombres = [&](const std::string& v, std::vector<std::int32_t>& r, std::size_t k) {
        r.clear();
        std::istringstream s(v);
        std::string morceau;
        while (std::getline(s, morceau, ',')) {
            std::int32_t x;
            if (!nombre(morceau, -QuantiteMax, QuantiteMax, x)) return false;
            r.push_back(x);
        }
        if (r.size() != k) faute = "« " + v + " » n'a pas " + std::to_string(k) + " nombres";
        return r.size() == k;
    };
    auto trop = [&](std::size_t taille) {
        if (taille < static_cast<std::size_t>(ListeMax)) return false;
        faute = "plus de " + std::to_string(ListeMax) + " entrées";
        return true;
    };
    while (std::getline(in, ligne)) {
        ++n;
        const auto eq = ligne.find('=');
        if (eq == std::string::npos) {
            faute = "pas de « = »";
            break;
        }
        const std::string cle = ligne.substr(0, eq), v = ligne.substr(eq + 1);
        std::int32_t x = 0;
        std::vector<std::int32_t> t;
        bool ok = true;
        if (cle == "Mode") {
            c.Mode = v;
            ok = v == SetupChoices::NouveauMonde || v == SetupChoices::NouvelleBataille ||
                 v == SetupChoices::ChargerScenario || v == SetupChoices::ChargerMonde;
            if (!ok) faute = "mode « " + v + " » inconnu";
        } else if (cle == "LargeurCarte") ok = nombre(v, 1, CarteMax, c.LargeurCarte);
        else if (cle == "HauteurCarte") ok = nombre(v, 1, CarteMax, c.HauteurCarte);
        else if (cle == "NombreRessources") ok = nombre(v, 0, QuantiteMax, c.NombreRessources);
        else if (cle == "TypeMonde" || cle == "Epoque") {
            ok = nombre(v, 0, 32767, x);
            (cle == "TypeMonde" ? c.TypeMonde : c.Epoque) = static_cast<std::int16_t>(x);
        } else if (cle == "FichierMonde") c.FichierMonde = v;
        else if (cle == "BonusXP") ok = nombre(v, 0, QuantiteMax, c.BonusXP);
        else if (cle == "NombreJoueursReseau") ok = nombre(v, 0, 16, c.NombreJoueursReseau);
        else if (cle == "Fief") {
            ok = !trop(c.Fiefs.size()) && nombres(v, t, 3) && t[1] >= 0 && t[1] <= 32767 && t[2] >= 0;
            if (ok) c.Fiefs.push_back({t[0], static_cast<std::int16_t>(t[1]), t[2]});
            else if (faute.empty()) faute = "fief « " + v + " » impossible";
        } else if (cle == "Armee0" || cle == "Armee1") {
            ok = nombres(v, t, 3) && t[0] >= 0 && t[1] >= 0 && t[1] <= 32767 && (t[2] == 0 || t[2] == 1);
            auto& a = c.Armees[cle == "Armee1"];
            if (ok) a.Soldats = t[0], a.Peuple = static_cast<std::int16_t>(t[1]), a.Equipement = t[2] == 1;
            else if (faute.empty()) faute = "armée « " + v + " » impossible";
        } else if (cle == "Objet0" || cle == "Objet1") {
            auto& o = c.Armees[cle == "Objet1"].Objets;
            ok = !trop(o.size());
            if (ok) o.push_back(v);
        } else if (cle == "Heros") {
            ok = !trop(c.Heros.size());
            if (ok) c.Heros.push_back(v);
        } else if (cle == "FichierHeros") {
            const auto virgule = v.find(',');
            std::optional<std::string> nom, fichier;
            if (virgule != std::string::npos) {
                nom = DecoderPourcent(std::string_view(v).substr(0, virgule));
                fichier = DecoderPourcent(std::string_view(v).substr(virgule + 1));
            }
            ok = !trop(c.FichiersHeros.size()) && nom && fichier && !nom->empty() && Propre(*nom);
            if (ok) c.FichiersHeros.push_back({std::move(*nom), std::move(*fichier)});
            else if (faute.empty()) faute = "fichier de héros illisible";
        } else if (cle == "IA") {
            ok = !trop(c.FichiersIA.size());
            if (ok) c.FichiersIA.push_back(v);
        } else {
            ok = false;
            faute = "clé « " + cle + " » inconnue";
        }
        if (!ok) break;
        faute.clear();
    }
    if (!faute.empty()) {
        if (Erreur) *Erreur = "Choix de la partie reçus de l'hôte illisibles (ligne " + std::to_string(n) + ") : " + faute + ".";
        return std::nullopt;
    }
    c.Reseau = true;
    c.HerosDeLHote = true;
    return c;
}

}  // namespace ChoixReseau
