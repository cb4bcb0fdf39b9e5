#include "tools/sons/Synthese.h"

#include <algorithm>
#include <cmath>

#include "platform/Texte.h"

namespace synthese {

float Oscillateur(Onde onde, double p) {
    p -= std::floor(p);
    switch (onde) {
    case Onde::Sinus: return static_cast<float>(std::sin(2 * Pi * p));
    case Onde::Triangle: return static_cast<float>(p < 0.5 ? 4 * p - 1 : 3 - 4 * p);
    case Onde::Carre: return p < 0.5 ? 0.8f : -0.8f;
    case Onde::DentDeScie: return static_cast<float>(2 * p - 1);
    }
    return 0.0f;
}

namespace {

float Niveau(double t, double attaque, double decroissance) {
    double v = attaque > 0 && t < attaque ? t / attaque : 1.0;
    if (decroissance > 0) v *= std::exp(-t / decroissance);
    return static_cast<float>(v);
}

}  // namespace

Tampon Ton(Onde onde, double f0, double f1, double duree, double attaque, double decroissance, float volume) {
    Tampon t(Echantillons(duree));
    double phase = 0;
    const double n = static_cast<double>(t.size());
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double f = f0 * std::pow(f1 / f0, k / n);
        phase += f / Frequence;
        t[k] = volume * Oscillateur(onde, phase) * Niveau(k / double(Frequence), attaque, decroissance);
    }
    return t;
}

Tampon Souffle(Bruit& bruit, double duree, double attaque, double decroissance, float volume) {
    Tampon t(Echantillons(duree));
    for (std::size_t k = 0; k < t.size(); ++k)
        t[k] = volume * bruit.Suivant() * Niveau(k / double(Frequence), attaque, decroissance);
    return t;
}

Tampon Grondement(Bruit& bruit, double duree, float volume) {
    Tampon t(Echantillons(duree));
    float v = 0;
    for (auto& e : t) {
        v = 0.98f * v + 0.06f * bruit.Suivant();
        e = volume * v;
    }
    // Integrated noise wanders: keep it centred.
    PasseHaut(t, 30);
    return t;
}

void PasseBas(Tampon& t, double c0, double c1) {
    float y = 0;
    const double n = static_cast<double>(t.size());
    for (std::size_t k = 0; k < t.size(); ++k) {
        const double c = c0 * std::pow(c1 / c0, k / n);
        const auto a = static_cast<float>(1 - std::exp(-2 * Pi * c / Frequence));
        y += a * (t[k] - y);
        t[k] = y;
    }
}

void PasseHaut(Tampon& t, double c) {
    const auto a = static_cast<float>(std::exp(-2 * Pi * c / Frequence));
    float x0 = 0, y = 0;
    for (auto& e : t) {
        y = a * (y + e - x0);
        x0 = e;
        e = y;
    }
}

void Enveloppe(Tampon& t, double attaque, double relache) {
    const std::size_t na = Echantillons(attaque), nr = Echantillons(relache);
    for (std::size_t k = 0; k < t.size(); ++k) {
        float v = 1;
        if (na && k < na) v = float(k) / float(na);
        if (nr && k + nr > t.size()) v = std::min(v, float(t.size() - k) / float(nr));
        t[k] *= v;
    }
}

void Echo(Tampon& t, double retard, float retour, int repetitions) {
    const std::size_t d = Echantillons(retard);
    if (d == 0) return;
    t.resize(t.size() + d * static_cast<std::size_t>(repetitions), 0.0f);
    for (std::size_t k = d; k < t.size(); ++k) t[k] += retour * t[k - d];
}

void Ajouter(Tampon& dst, const Tampon& src, double debut, float gain) {
    const std::size_t d = Echantillons(std::max(0.0, debut));
    if (dst.size() < d + src.size()) dst.resize(d + src.size(), 0.0f);
    for (std::size_t k = 0; k < src.size(); ++k) dst[d + k] += gain * src[k];
}

void Normaliser(Tampon& t, float crete) {
    float max = 0;
    for (float e : t) max = std::max(max, std::fabs(e));
    if (max <= 0) return;
    for (auto& e : t) e *= crete / max;
}

Tampon Cloche(double f, double duree, float volume) {
    Tampon t;
    const double partiels[][3] = {{1.0, 1.0, 1.0}, {2.76, 0.5, 0.45}, {5.40, 0.25, 0.25}, {8.93, 0.12, 0.15}};
    for (const auto& p : partiels)
        Ajouter(t, Ton(Onde::Sinus, f * p[0], f * p[0], duree, 0.002, duree * p[2] * 0.5, static_cast<float>(volume * p[1])), 0);
    return t;
}

bool EcrireWav(const std::filesystem::path& chemin, const Tampon& t) {
    std::string octets;
    auto mot = [&](std::uint32_t v, int n) {
        for (int k = 0; k < n; ++k) octets += static_cast<char>((v >> (8 * k)) & 0xFF);
    };
    const auto donnees = static_cast<std::uint32_t>(t.size() * 2);
    octets += "RIFF";
    mot(36 + donnees, 4);
    octets += "WAVEfmt ";
    mot(16, 4);
    mot(1, 2);                  // PCM
    mot(1, 2);                  // mono
    mot(Frequence, 4);
    mot(Frequence * 2, 4);
    mot(2, 2);
    mot(16, 2);
    octets += "data";
    mot(donnees, 4);
    for (float e : t) {
        const float c = std::clamp(e, -1.0f, 1.0f);
        mot(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lrint(c * 32767.0f))), 2);
    }
    std::error_code ec;
    std::filesystem::create_directories(chemin.parent_path(), ec);
    return EcrireFichierAtomique(chemin, octets);
}

}  // namespace synthese
