#include "tools/sons/Musiques.h"

#include <algorithm>
#include <cmath>

namespace synthese {
namespace {

double Hz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

const std::vector<int> Majeur = {0, 2, 4, 5, 7, 9, 11};
const std::vector<int> Dorien = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> Mineur = {0, 2, 3, 5, 7, 8, 10};

struct Style {
    double tempo;
    int racine;                 // MIDI note of the tonic
    std::vector<int> gamme;
    std::vector<int> accords;   // scale degree of each bar's chord
    Onde melodie;
    double densite;             // share of melody steps that sound
    double pasMelodie;          // melody step in beats
    double vibrato;             // depth in semitones
    int basse;                  // 0 whole notes, 1 beats 1 and 3, 2 eighths
    int batterie;               // 0 none, 1 light, 2 driving, 3 fanfare
    bool arpege;
    bool glas;                  // a bell tolls at each bar
    double pad;                 // chord pad volume
};

// The note of scale degree d (any integer) above the tonic.
int Note(const Style& s, int d) {
    const int n = static_cast<int>(s.gamme.size());
    const int octave = (d >= 0 ? d / n : -((-d + n - 1) / n));
    const int reste = d - octave * n;
    return s.racine + 12 * octave + s.gamme[static_cast<std::size_t>(reste)];
}

Tampon Voix(Onde onde, double f, double duree, double vibrato, float volume, double coupure) {
    Tampon t(Echantillons(duree));
    double phase = 0;
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double s = k / double(Frequence);
        const double v = vibrato > 0 ? std::pow(2.0, vibrato * std::sin(2 * Pi * 5.5 * s) * std::min(1.0, s * 3) / 12) : 1.0;
        phase += f * v / Frequence;
        t[k] = volume * Oscillateur(onde, phase);
    }
    PasseBas(t, coupure, coupure * 0.6);
    Enveloppe(t, 0.015, std::min(0.08, duree * 0.4));
    return t;
}

Tampon Pince(double f, double duree, float volume) {
    Tampon t = Ton(Onde::Triangle, f, f, duree, 0.003, 0.25, volume);
    PasseBas(t, 2500, 800);
    return t;
}

Tampon GrosseCaisse() { return Ton(Onde::Sinus, 130, 42, 0.3, 0.001, 0.08, 0.9f); }
Tampon CaisseClaire(Bruit& b) {
    Tampon t = Souffle(b, 0.18, 0.001, 0.05, 0.5f);
    PasseHaut(t, 900);
    Ajouter(t, Ton(Onde::Triangle, 210, 180, 0.1, 0.001, 0.03, 0.4f), 0);
    return t;
}
Tampon Charleston(Bruit& b, float volume) {
    Tampon t = Souffle(b, 0.05, 0.0005, 0.012, volume);
    PasseHaut(t, 6000);
    return t;
}

Tampon Composer(const Style& s, std::uint32_t graine) {
    Bruit b(graine);
    const double temps = 60.0 / s.tempo;
    const double mesure = 4 * temps;
    const double total = mesure * static_cast<double>(s.accords.size());
    Tampon t(Echantillons(total), 0.0f);

    int precedente = 7;  // melody degree, an octave above the tonic
    for (std::size_t m = 0; m < s.accords.size(); ++m) {
        const double debut = m * mesure;
        const int d = s.accords[m];
        // Pad: the triad held through the bar.
        if (s.pad > 0)
            for (int k : {0, 2, 4}) {
                Tampon n = Voix(Onde::Triangle, Hz(Note(s, d + k)), mesure + 0.3, 0, static_cast<float>(s.pad), 1200);
                Enveloppe(n, 0.3, 0.4);
                Ajouter(t, n, debut);
            }
        // Bass: the chord's root, an octave or two down.
        const double f = Hz(Note(s, d) - 24);
        if (s.basse == 0) Ajouter(t, Voix(Onde::Triangle, f, mesure, 0, 0.35f, 600), debut);
        if (s.basse == 1)
            for (int k : {0, 2}) Ajouter(t, Pince(f, 2 * temps, 0.5f), debut + k * temps);
        if (s.basse == 2)
            for (int k = 0; k < 8; ++k)
                Ajouter(t, Voix(Onde::DentDeScie, k % 4 == 3 ? f * 1.5 : f, temps * 0.45, 0, 0.3f, 900), debut + k * temps / 2);
        // Arpeggio: chord tones upwards on eighths.
        if (s.arpege)
            for (int k = 0; k < 8; ++k) {
                const int degres[] = {0, 2, 4, 7, 9, 7, 4, 2};
                Ajouter(t, Pince(Hz(Note(s, d + degres[k])), temps * 1.5, 0.16f), debut + k * temps / 2);
            }
        if (s.glas) Ajouter(t, Cloche(Hz(Note(s, 0) - 12), mesure * 1.5, 0.35f), debut);
        // Drums.
        for (int k = 0; k < 8 && s.batterie > 0; ++k) {
            const double moment = debut + k * temps / 2;
            if (s.batterie == 1) {
                if (k == 0 || k == 4) Ajouter(t, GrosseCaisse(), moment, 0.5f);
                if (k % 2 == 1) Ajouter(t, Charleston(b, 0.15f), moment);
            } else if (s.batterie == 2) {
                if (k == 0 || k == 3 || k == 4 || k == 6) Ajouter(t, GrosseCaisse(), moment, 0.7f);
                if (k == 2 || k == 6) Ajouter(t, CaisseClaire(b), moment, 0.8f);
                Ajouter(t, Charleston(b, k % 2 ? 0.12f : 0.2f), moment);
            } else {
                if (k == 0) Ajouter(t, GrosseCaisse(), moment, 0.8f);
                if (m + 1 == s.accords.size() && k >= 4)
                    for (int r = 0; r < 4; ++r) Ajouter(t, CaisseClaire(b), moment + r * temps / 8, 0.35f);
                else if (k == 4) Ajouter(t, CaisseClaire(b), moment, 0.6f);
            }
        }
        // Melody: chord tones on strong steps, small moves in the scale
        // between them.
        const int pas = static_cast<int>(std::lround(4.0 / s.pasMelodie));
        for (int k = 0; k < pas; ++k) {
            if (b.Entre(0, 1) > s.densite) continue;
            int degre;
            if (k == 0) {
                const int choix[] = {d + 7, d + 9, d + 11};
                degre = choix[static_cast<int>(b.Entre(0, 2.999))];
                if (std::abs(degre - precedente) > 4) degre -= 7 * (degre > precedente ? 1 : -1);
            } else {
                const int sauts[] = {-2, -1, -1, 1, 1, 2, 0};
                degre = precedente + sauts[static_cast<int>(b.Entre(0, 6.999))];
            }
            degre = std::clamp(degre, 4, 13);
            precedente = degre;
            int longueur = 1;
            while (k + longueur < pas && b.Entre(0, 1) < 0.3) ++longueur;
            const double duree = longueur * s.pasMelodie * temps;
            Ajouter(t, Voix(s.melodie, Hz(Note(s, degre)), duree * 0.95, s.vibrato, 0.22f, s.melodie == Onde::Sinus ? 4000 : 2200),
                    debut + k * s.pasMelodie * temps);
            k += longueur - 1;
        }
    }
    // What rings past the end joins the start: the loop has no seam.
    const std::size_t n = Echantillons(total);
    for (std::size_t k = n; k < t.size(); ++k) t[k % n] += t[k];
    t.resize(n);
    Normaliser(t, 0.7f);
    return t;
}

}  // namespace

std::vector<MorceauPrevu> Musiques() {
    const Style menu{76, 62, Dorien, {0, 3, 0, 6, 0, 3, 4, 0}, Onde::Sinus, 0.45, 1, 0.15, 0, 0, true, false, 0.05};
    const Style debut{96, 62, Majeur, {0, 4, 5, 3, 0, 3, 4, 0}, Onde::Carre, 0.7, 1, 0.1, 1, 1, false, false, 0.06};
    const Style ville1{104, 67, Majeur, {0, 3, 0, 4, 0, 5, 3, 4}, Onde::Sinus, 0.75, 0.5, 0.2, 1, 1, true, false, 0.04};
    const Style ville2{92, 65, Majeur, {0, 5, 3, 4, 0, 5, 1, 4}, Onde::Triangle, 0.65, 0.5, 0.15, 1, 0, true, false, 0.05};
    const Style combat1{144, 57, Mineur, {0, 5, 6, 0, 0, 3, 5, 4}, Onde::DentDeScie, 0.85, 0.5, 0, 2, 2, false, false, 0.04};
    const Style combat2{132, 52, Mineur, {0, 0, 5, 6, 0, 3, 6, 4}, Onde::Carre, 0.8, 0.5, 0, 2, 2, false, false, 0.05};
    const Style mort{56, 50, Mineur, {0, 3, 0, 4, 0, 5, 3, 0}, Onde::Sinus, 0.35, 2, 0.1, 0, 0, false, true, 0.08};
    const Style victoire{120, 60, Majeur, {0, 3, 4, 0, 0, 3, 4, 0}, Onde::Carre, 0.9, 0.5, 0.05, 1, 3, false, false, 0.06};
    const Style defaite{66, 52, Mineur, {0, 5, 3, 4, 0, 5, 3, 0}, Onde::Triangle, 0.5, 1, 0.12, 0, 0, false, false, 0.08};

    std::vector<MorceauPrevu> m;
    m.push_back({"CheminMenu", "Veillee.wav", Composer(menu, 11)});
    m.push_back({"CheminDebut", "Aube.wav", Composer(debut, 23)});
    m.push_back({"CheminVille", "Marche.wav", Composer(ville1, 37)});
    m.push_back({"CheminVille", "Moisson.wav", Composer(ville2, 41)});
    m.push_back({"CheminCombat", "Melee.wav", Composer(combat1, 53)});
    m.push_back({"CheminCombat", "Assaut.wav", Composer(combat2, 67)});
    m.push_back({"CheminMort", "Glas.wav", Composer(mort, 71)});
    m.push_back({"CheminVictoire", "Triomphe.wav", Composer(victoire, 83)});
    m.push_back({"CheminDefaite", "Cendres.wav", Composer(defaite, 97)});
    return m;
}

}  // namespace synthese
