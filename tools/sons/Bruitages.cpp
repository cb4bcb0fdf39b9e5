#include "tools/sons/Bruitages.h"

#include <cmath>
#include <functional>
#include <utility>
#include <vector>

#include "platform/Texte.h"

namespace synthese {
namespace {

std::uint32_t Hachage(const std::string& s) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : s) h = (h ^ c) * 16777619u;
    return h;
}

// A blunt blow: a falling thump and a short dull burst.
Tampon Choc(Bruit& b, double hauteur) {
    Tampon t = Ton(Onde::Sinus, 140 * hauteur, 45 * hauteur, 0.25, 0.002, 0.06);
    Tampon s = Souffle(b, 0.08, 0.001, 0.015, 0.8f);
    PasseBas(s, 1800, 500);
    Ajouter(t, s, 0);
    return t;
}

// A blade: a whoosh that rises, then a thin metallic ring.
Tampon Entaille(Bruit& b) {
    Tampon t = Souffle(b, 0.22, 0.12, 0, 0.7f);
    PasseBas(t, 600, 5000);
    PasseHaut(t, 400);
    Enveloppe(t, 0.0, 0.05);
    Tampon anneau;
    for (double f : {1850.0, 2710.0, 3930.0}) Ajouter(anneau, Ton(Onde::Sinus, f, f * 0.995, 0.45, 0.001, 0.09, 0.25f), 0);
    Ajouter(t, anneau, 0.12);
    return t;
}

// An arrow: a short whistle, then the thud of the point.
Tampon Fleche(Bruit& b) {
    Tampon t = Ton(Onde::Sinus, 1500, 850, 0.14, 0.02, 0, 0.35f);
    Enveloppe(t, 0.02, 0.03);
    Tampon s = Souffle(b, 0.12, 0.01, 0.04, 0.4f);
    PasseHaut(s, 2000);
    Ajouter(t, s, 0);
    Ajouter(t, Choc(b, 1.6), 0.13, 0.8f);
    return t;
}

// Arcane lightning: a crackle of sparks over a falling buzz, echoed.
Tampon Eclair(Bruit& b) {
    Tampon t = Ton(Onde::DentDeScie, 1200, 160, 0.45, 0.002, 0.2, 0.35f);
    PasseBas(t, 5000, 900);
    Tampon c(Echantillons(0.5));
    for (std::size_t k = 0; k < c.size(); ++k)
        if (b.Suivant() > 0.93f) c[k] = b.Suivant() * std::exp(-float(k) / float(Frequence) / 0.2f);
    Ajouter(t, c, 0, 0.9f);
    Echo(t, 0.09, 0.35f, 3);
    return t;
}

// A bite: a growl and two crunches.
Tampon Morsure(Bruit& b) {
    Tampon t = Ton(Onde::DentDeScie, 95, 80, 0.35, 0.02, 0.15, 0.3f);
    PasseBas(t, 700, 400);
    for (double debut : {0.03, 0.16}) {
        Tampon s = Souffle(b, 0.07, 0.002, 0.02, 0.9f);
        PasseBas(s, 3000, 1200);
        PasseHaut(s, 300);
        Ajouter(t, s, debut);
    }
    return t;
}

// Fire: a rumble with crackling pops, fading in and out.
Tampon Incendie(Bruit& b) {
    Tampon t = Grondement(b, 1.4, 1.6f);
    PasseBas(t, 500, 500);
    for (int k = 0; k < 40; ++k) {
        Tampon pop = Souffle(b, 0.015, 0.0005, 0.004, static_cast<float>(b.Entre(0.2, 0.7)));
        PasseHaut(pop, 1500);
        Ajouter(t, pop, b.Entre(0.0, 1.35));
    }
    Enveloppe(t, 0.25, 0.5);
    return t;
}

// Falling masonry: a rumble and thuds, heavier for a fortress.
Tampon Effondrement(Bruit& b, double duree, int coups, double grave) {
    Tampon t = Grondement(b, duree, 2.2f);
    PasseBas(t, 900, 150);
    for (int k = 0; k < coups; ++k)
        Ajouter(t, Choc(b, b.Entre(0.5, 1.0) * grave), b.Entre(0.0, duree * 0.7), static_cast<float>(b.Entre(0.4, 0.9)));
    if (grave < 1.0) Ajouter(t, Ton(Onde::Sinus, 55, 32, duree, 0.01, duree * 0.35, 0.9f), 0);
    Enveloppe(t, 0.01, duree * 0.4);
    return t;
}

// Building: three hammer knocks on wood.
Tampon Construction(Bruit& b) {
    Tampon t;
    for (int k = 0; k < 3; ++k) {
        Tampon coup = Ton(Onde::Triangle, 420, 300, 0.12, 0.001, 0.025, 0.7f);
        Tampon s = Souffle(b, 0.03, 0.001, 0.008, 0.5f);
        PasseBas(s, 4000, 2000);
        Ajouter(coup, s, 0);
        Ajouter(t, coup, k * 0.22);
    }
    return t;
}

// Holy light: a major chord of soft sines that shimmers and fades.
Tampon Lueur() {
    Tampon t;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5, 1318.5};
    for (std::size_t k = 0; k < std::size(notes); ++k) {
        Tampon n = Ton(Onde::Sinus, notes[k], notes[k], 1.3, 0.25, 0.6, 0.3f);
        for (std::size_t i = 0; i < n.size(); ++i) n[i] *= 0.8f + 0.2f * float(std::sin(2 * Pi * (5 + k) * i / Frequence));
        Ajouter(t, n, k * 0.05);
    }
    Echo(t, 0.13, 0.3f, 3);
    return t;
}

// Coins: a shower of small bright chimes.
Tampon PluieOr(Bruit& b) {
    Tampon t;
    for (int k = 0; k < 18; ++k) {
        const double f = b.Entre(2600, 4200);
        Tampon tinte = Ton(Onde::Sinus, f, f, 0.18, 0.0005, 0.04, 0.4f);
        Ajouter(tinte, Ton(Onde::Sinus, f * 1.51, f * 1.51, 0.12, 0.0005, 0.025, 0.2f), 0);
        Ajouter(t, tinte, b.Entre(0.0, 0.7) * b.Entre(0.3, 1.0));
    }
    return t;
}

// Healing: a rising arpeggio of bells.
Tampon Guerison() {
    Tampon t;
    const double notes[] = {587.33, 739.99, 880.0, 1174.66};
    for (std::size_t k = 0; k < std::size(notes); ++k) Ajouter(t, Cloche(notes[k], 0.8, 0.35f), k * 0.09);
    Echo(t, 0.11, 0.25f, 2);
    return t;
}

// Summoning: a low detuned swell that opens up.
Tampon Invocation(Bruit& b) {
    Tampon t = Ton(Onde::DentDeScie, 70, 280, 1.2, 0.5, 0, 0.3f);
    Ajouter(t, Ton(Onde::DentDeScie, 70.8, 283, 1.2, 0.5, 0, 0.3f), 0);
    PasseBas(t, 200, 3500);
    Tampon s = Souffle(b, 1.2, 0.6, 0, 0.15f);
    PasseBas(s, 300, 2500);
    Ajouter(t, s, 0);
    Enveloppe(t, 0.3, 0.35);
    Echo(t, 0.15, 0.3f, 3);
    return t;
}

// Resurrection: a dark chord that brightens, crowned by bells.
Tampon Resurrection() {
    Tampon t;
    for (double f : {146.83, 220.0, 293.66}) {
        Tampon n = Ton(Onde::Triangle, f, f * 2, 1.6, 0.5, 0, 0.25f);
        Enveloppe(n, 0.4, 0.5);
        Ajouter(t, n, 0);
    }
    const double cloches[] = {587.33, 880.0, 1174.66};
    for (std::size_t k = 0; k < std::size(cloches); ++k) Ajouter(t, Cloche(cloches[k], 1.0, 0.3f), 0.9 + k * 0.12);
    Echo(t, 0.14, 0.3f, 3);
    return t;
}

// A death: a falling, wavering groan, then a soft fall.
Tampon Mort(Bruit& b) {
    Tampon t(Echantillons(0.7));
    double phase = 0;
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double s = k / double(Frequence);
        phase += (180 - 90 * s / 0.7 + 6 * std::sin(2 * Pi * 6 * s)) / Frequence;
        t[k] = 0.5f * Oscillateur(Onde::DentDeScie, phase);
    }
    PasseBas(t, 1400, 500);
    Enveloppe(t, 0.04, 0.3);
    Ajouter(t, Choc(b, 0.8), 0.6, 0.6f);
    return t;
}

// An interface click: short and dry.
Tampon Clic(Bruit& b) {
    Tampon t = Ton(Onde::Triangle, 1800, 1200, 0.03, 0.0005, 0.006, 0.6f);
    Tampon s = Souffle(b, 0.01, 0.0005, 0.002, 0.3f);
    Ajouter(t, s, 0);
    return t;
}

// For a name no recipe knows: a short tone whose pitch and colour come
// from the name, so that two unknown effects do not sound alike.
Tampon Inconnu(Bruit& b, std::uint32_t h) {
    const double f = 300 + (h % 900);
    const Onde ondes[] = {Onde::Sinus, Onde::Triangle, Onde::Carre};
    Tampon t = Ton(ondes[(h >> 10) % 3], f, f * (0.6 + ((h >> 12) % 9) * 0.1), 0.35, 0.005, 0.1, 0.5f);
    PasseBas(t, 3000, 1200);
    Tampon s = Souffle(b, 0.05, 0.001, 0.01, 0.3f);
    Ajouter(t, s, 0);
    return t;
}

bool Contient(const std::string& nom, std::initializer_list<const char*> mots) {
    for (const char* m : mots)
        if (nom.find(m) != std::string::npos) return true;
    return false;
}

}  // namespace

Tampon Bruitage(const std::string& nomFichier) {
    std::string nom = MinusculesAscii(nomFichier);
    if (auto p = nom.find_last_of("/\\"); p != std::string::npos) nom = nom.substr(p + 1);
    if (auto p = nom.rfind('.'); p != std::string::npos) nom = nom.substr(0, p);
    const std::uint32_t h = Hachage(nom);
    Bruit b(h);

    Tampon t;
    if (Contient(nom, {"forteresse", "chateau", "donjon"})) t = Effondrement(b, 2.6, 9, 0.6);
    else if (Contient(nom, {"effondre", "ruine", "detrui", "ecroul"})) t = Effondrement(b, 1.5, 5, 1.0);
    else if (Contient(nom, {"construi", "batir", "chantier", "marteau"})) t = Construction(b);
    else if (Contient(nom, {"entaille", "lame", "epee", "tranch", "hache"})) t = Entaille(b);
    else if (Contient(nom, {"fleche", "carreau", "trait", "arc"}) && !Contient(nom, {"arcan"})) t = Fleche(b);
    else if (Contient(nom, {"eclair", "foudre", "arcan", "sort"})) t = Eclair(b);
    else if (Contient(nom, {"morsure", "griffe", "croc"})) t = Morsure(b);
    else if (Contient(nom, {"incendie", "feu", "flamme", "brul"})) t = Incendie(b);
    else if (Contient(nom, {"lueur", "sacre", "benedi", "priere"})) t = Lueur();
    else if (Contient(nom, {"pluieor", "ecus", "monnaie", "tresor", "argent"}) || nom == "or") t = PluieOr(b);
    else if (Contient(nom, {"guerison", "soin", "soigne"})) t = Guerison();
    else if (Contient(nom, {"invocation", "invoque", "appel"})) t = Invocation(b);
    else if (Contient(nom, {"resurrection", "ressusci", "renaissance"})) t = Resurrection();
    else if (Contient(nom, {"mort", "agonie", "cri"})) t = Mort(b);
    else if (Contient(nom, {"clic", "bouton", "interface"})) t = Clic(b);
    else if (Contient(nom, {"choc", "coup", "frappe", "impact"})) t = Choc(b, 1.0);
    else t = Inconnu(b, h);

    Normaliser(t, 0.85f);
    Enveloppe(t, 0.001, 0.01);
    return t;
}

}  // namespace synthese
