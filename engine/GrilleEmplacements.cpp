#include "engine/GrilleEmplacements.h"

#include <algorithm>

#include "engine/ModMain.h"
#include "world/ClsJeuRessources.h"
#include "world/ClsJeuTresors.h"
#include "world/ModEmplacement.h"

GrilleEmplacements::GrilleEmplacements(const ModMain& Main) : main_(Main) {
    const std::int64_t largeur = static_cast<std::int64_t>(Main.Monde.LargeurCarte) * Main.Monde.LargeurCase;
    const std::int64_t hauteur = static_cast<std::int64_t>(Main.Monde.HauteurCarte) * Main.Monde.HauteurCase;
    colonnes_ = static_cast<std::int32_t>(std::clamp<std::int64_t>((largeur + Cote - 1) / Cote, 1, 4096));
    rangees_ = static_cast<std::int32_t>(std::clamp<std::int64_t>((hauteur + Cote - 1) / Cote, 1, 4096));
    tetes_.assign(static_cast<std::size_t>(colonnes_) * static_cast<std::size_t>(rangees_), -1);
    const std::size_t total = Main.Chateaux.size() + Main.Maisons.size() + Main.Ressources.size() + Main.Persos.size() +
                              static_cast<std::size_t>(Main.Decors.Count() + Main.Tresors.Count());
    choses_.reserve(total);
    liens_.reserve(total * 2);
    auto ajouter = [&](Sorte s, std::int32_t i, std::int32_t X, std::int32_t Y, std::int32_t l, std::int32_t h) {
        choses_.push_back({s, i});
        Entrer(static_cast<std::int32_t>(choses_.size() - 1), X, Y, l, h);
    };
    for (std::size_t j = 0; j < Main.Chateaux.size(); ++j) {
        const ClsJeuBatiment& c = Main.Chateaux[j];
        ajouter(Sorte::Chateau, static_cast<std::int32_t>(j), c.X, c.Y, c.Largeur, c.Hauteur);
    }
    for (std::size_t h = 0; h < Main.Maisons.size(); ++h) {
        const ClsJeuBatiment& m = Main.Maisons[h];
        ajouter(Sorte::Maison, static_cast<std::int32_t>(h), m.X, m.Y, m.Largeur, m.Hauteur);
    }
    ressources_.resize(Main.Ressources.size());
    for (std::size_t r = 0; r < Main.Ressources.size(); ++r) {
        const ClsJeuRessources& d = Main.Ressources[r];
        ressources_[r] = static_cast<std::int32_t>(choses_.size());
        ajouter(Sorte::Ressource, static_cast<std::int32_t>(r), d.X, d.Y, ClsJeuRessources::Largeur,
                ClsJeuRessources::Hauteur);
    }
    for (std::int32_t k = 1; k <= Main.Decors.Count(); ++k) {
        const ClsJeuDecors& d = Main.Decors(k);
        ajouter(Sorte::Decor, k, d.X, d.Y, d.Largeur, d.Hauteur);
    }
    for (std::int32_t k = 1; k <= Main.Tresors.Count(); ++k) {
        const ClsJeuTresors& t = Main.Tresors(k);
        ajouter(Sorte::Tresor, k, t.X, t.Y, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur);
    }
    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        const ClsJeuPerso& p = Main.Persos[i];
        ajouter(Sorte::Perso, static_cast<std::int32_t>(i), p.PositionX, p.PositionY, p.Largeur, p.Hauteur);
    }
}

// Integer division truncates towards 0, which still grows with x: a thing
// left of the map falls in the first column, as a site there does.
std::int32_t GrilleEmplacements::Colonne(std::int64_t x) const {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(x / Cote, 0, colonnes_ - 1));
}
std::int32_t GrilleEmplacements::Rangee(std::int64_t y) const {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(y / Cote, 0, rangees_ - 1));
}

// Two boxes that meet share a point; that point's square (clamped to the
// grid like both boxes) lies in both boxes' square ranges, so a thing
// entered in every square its box covers is seen from every site it meets.
void GrilleEmplacements::Entrer(std::int32_t chose, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                                std::int32_t Hauteur) {
    if (Largeur < 0 || Hauteur < 0) {
        partout_.push_back(chose);
        return;
    }
    const std::int32_t c1 = Colonne(static_cast<std::int64_t>(X) + Largeur);
    const std::int32_t r1 = Rangee(static_cast<std::int64_t>(Y) + Hauteur);
    for (std::int32_t r = Rangee(Y); r <= r1; ++r)
        for (std::int32_t c = Colonne(X); c <= c1; ++c) {
            std::int32_t& tete = tetes_[static_cast<std::size_t>(r) * static_cast<std::size_t>(colonnes_) +
                                        static_cast<std::size_t>(c)];
            liens_.push_back({chose, tete});
            tete = static_cast<std::int32_t>(liens_.size() - 1);
        }
}

void GrilleEmplacements::Deplacer_Ressource(std::size_t r) {
    // The old entries stay where they were: the test reads the deposit's
    // place as it is now, so they only cost a look.
    if (r >= ressources_.size()) return;
    const ClsJeuRessources& d = main_.Ressources[r];
    Entrer(ressources_[r], d.X, d.Y, ClsJeuRessources::Largeur, ClsJeuRessources::Hauteur);
}

bool GrilleEmplacements::Touche(const Chose& c, std::int32_t camp, std::int32_t X, std::int32_t Y,
                                std::int32_t Largeur, std::int32_t Hauteur) const {
    auto touche = [&](std::int32_t x2, std::int32_t y2, std::int32_t l2, std::int32_t h2) {
        return Collision_Rectangles(X, Y, x2, y2, Largeur, Hauteur, l2, h2);
    };
    const auto i = static_cast<std::size_t>(c.indice);
    switch (c.sorte) {
    case Sorte::Chateau: {
        const ClsJeuBatiment& b = main_.Chateaux[i];
        return b.Visible() && touche(b.X, b.Y, b.Largeur, b.Hauteur);
    }
    case Sorte::Maison: {
        const ClsJeuBatiment& b = main_.Maisons[i];
        return b.Visible() && touche(b.X, b.Y, b.Largeur, b.Hauteur);
    }
    case Sorte::Ressource: {
        const ClsJeuRessources& d = main_.Ressources[i];
        return touche(d.X, d.Y, ClsJeuRessources::Largeur, ClsJeuRessources::Hauteur);
    }
    case Sorte::Decor: {
        const ClsJeuDecors& d = main_.Decors(c.indice);
        return touche(d.X, d.Y, d.Largeur, d.Hauteur);
    }
    case Sorte::Tresor: {
        const ClsJeuTresors& t = main_.Tresors(c.indice);
        return touche(t.X, t.Y, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur);
    }
    case Sorte::Perso: {
        const ClsJeuPerso& p = main_.Persos[i];
        return p.Camp != camp && touche(p.PositionX, p.PositionY, p.Largeur, p.Hauteur) && p.Attaquable();
    }
    }
    return false;
}

bool GrilleEmplacements::Libre(std::int32_t Perso, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                               std::int32_t Hauteur) const {
    if (Perso < 0 || static_cast<std::size_t>(Perso) >= main_.Persos.size()) return false;
    if (!main_.Monde.Constructible(X, Y, Largeur, Hauteur)) return false;
    const std::int32_t camp = main_.Persos[static_cast<std::size_t>(Perso)].Camp;
    for (const std::int32_t k : partout_)
        if (Touche(choses_[static_cast<std::size_t>(k)], camp, X, Y, Largeur, Hauteur)) return false;
    // A site of negative size is not a range of squares either: every
    // thing is looked at.
    if (Largeur < 0 || Hauteur < 0) {
        for (const Chose& c : choses_)
            if (Touche(c, camp, X, Y, Largeur, Hauteur)) return false;
        return true;
    }
    const std::int32_t c1 = Colonne(static_cast<std::int64_t>(X) + Largeur);
    const std::int32_t r1 = Rangee(static_cast<std::int64_t>(Y) + Hauteur);
    for (std::int32_t r = Rangee(Y); r <= r1; ++r)
        for (std::int32_t c = Colonne(X); c <= c1; ++c)
            for (std::int32_t l = tetes_[static_cast<std::size_t>(r) * static_cast<std::size_t>(colonnes_) +
                                         static_cast<std::size_t>(c)];
                 l >= 0; l = liens_[static_cast<std::size_t>(l)].suivant)
                if (Touche(choses_[static_cast<std::size_t>(liens_[static_cast<std::size_t>(l)].chose)], camp, X, Y,
                           Largeur, Hauteur))
                    return false;
    return true;
}
