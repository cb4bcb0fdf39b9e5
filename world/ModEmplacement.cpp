#include "world/ModEmplacement.h"

#include "engine/ModMain.h"
#include "world/ClsJeuRessources.h"
#include "world/ClsJeuTresors.h"

bool Collision_Rectangles(std::int32_t X1, std::int32_t Y1, std::int32_t X2, std::int32_t Y2, std::int32_t Largeur1,
                          std::int32_t Hauteur1, std::int32_t Largeur2, std::int32_t Hauteur2) {
    // 64-bit sums: positions near the 32-bit limits must not wrap.
    const std::int64_t x1 = X1, y1 = Y1, x2 = X2, y2 = Y2;
    if (Largeur1 == 0 && Hauteur1 == 0) return x2 <= x1 && x1 <= x2 + Largeur2 && y2 <= y1 && y1 <= y2 + Hauteur2;
    return x1 <= x2 + Largeur2 && x2 <= x1 + Largeur1 && y1 <= y2 + Hauteur2 && y2 <= y1 + Hauteur1;
}

std::int16_t Tester_Emplacement(ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y,
                                std::int32_t Largeur, std::int32_t Hauteur, bool Memoriser) {
    if (Perso < 0 || static_cast<std::size_t>(Perso) >= Main.Persos.size()) return Emplacement::Obstacle;
    const ClsJeuPerso& c = Main.Persos[static_cast<std::size_t>(Perso)];
    auto retenir = [&](std::int32_t indice) {
        if (Memoriser) Main.IndiceEmplacement = indice;
    };
    auto touche = [&](std::int32_t x2, std::int32_t y2, std::int32_t l2, std::int32_t h2) {
        return Collision_Rectangles(X, Y, x2, y2, Largeur, Hauteur, l2, h2);
    };

    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        const ClsJeuPerso& p = Main.Persos[i];
        if (touche(p.PositionX, p.PositionY, p.Largeur, p.Hauteur) && p.Attaquable() && p.Camp != c.Camp) {
            retenir(static_cast<std::int32_t>(i));
            return Emplacement::PersoEnnemi;
        }
    }
    for (std::int32_t k = 1; k <= Main.Tresors.Count(); ++k) {
        const ClsJeuTresors& t = Main.Tresors(k);
        if (touche(t.X, t.Y, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur)) {
            retenir(k);
            return Emplacement::Tresor;
        }
    }
    for (std::size_t j = 0; j < Main.Chateaux.size(); ++j) {
        const ClsJeuBatiment& ch = Main.Chateaux[j];
        if (!ch.Visible() || !touche(ch.X, ch.Y, ch.Largeur, ch.Hauteur)) continue;
        if (static_cast<std::int32_t>(j) == c.Equipe) return Emplacement::ChateauPropre;
        retenir(static_cast<std::int32_t>(j));
        const std::int32_t camp = j < Main.Fiefs.size() ? Main.Fiefs[j].Camp : -1;
        return camp == c.Camp ? Emplacement::ChateauAllie : Emplacement::ChateauEnnemi;
    }
    for (std::size_t h = 0; h < Main.Maisons.size(); ++h) {
        const ClsJeuBatiment& m = Main.Maisons[h];
        if (!m.Visible() || !touche(m.X, m.Y, m.Largeur, m.Hauteur)) continue;
        retenir(static_cast<std::int32_t>(h));
        if (static_cast<std::int32_t>(h) == Perso)
            return (m.Definir_Vie() == m.MaxVie && m.Acheve) ? Emplacement::MaisonAchevee : Emplacement::MaisonEnChantier;
        const std::int32_t camp = h < Main.Persos.size() ? Main.Persos[h].Camp : -1;
        if (camp == c.Camp) return m.Service == 1 ? Emplacement::MaisonService : Emplacement::MaisonAlliee;
        return Emplacement::MaisonEnnemie;
    }
    for (std::size_t r = 0; r < Main.Ressources.size(); ++r) {
        const ClsJeuRessources& d = Main.Ressources[r];
        if (touche(d.X, d.Y, ClsJeuRessources::Largeur, ClsJeuRessources::Hauteur)) {
            retenir(static_cast<std::int32_t>(r));
            return Emplacement::Ressource;
        }
    }
    for (std::int32_t k = 1; k <= Main.Decors.Count(); ++k) {
        const ClsJeuDecors& d = Main.Decors(k);
        if (touche(d.X, d.Y, d.Largeur, d.Hauteur)) {
            retenir(k);
            return Emplacement::Obstacle;
        }
    }
    if (!Main.Monde.Constructible(X, Y, Largeur, Hauteur)) return Emplacement::Obstacle;
    return Emplacement::Libre;
}

bool Emplacement_Libre(const ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y, std::int32_t Largeur,
                       std::int32_t Hauteur) {
    if (Perso < 0 || static_cast<std::size_t>(Perso) >= Main.Persos.size()) return false;
    auto touche = [&](std::int32_t x2, std::int32_t y2, std::int32_t l2, std::int32_t h2) {
        return Collision_Rectangles(X, Y, x2, y2, Largeur, Hauteur, l2, h2);
    };
    if (!Main.Monde.Constructible(X, Y, Largeur, Hauteur)) return false;
    for (const ClsJeuBatiment& ch : Main.Chateaux)
        if (ch.Visible() && touche(ch.X, ch.Y, ch.Largeur, ch.Hauteur)) return false;
    for (const ClsJeuBatiment& m : Main.Maisons)
        if (m.Visible() && touche(m.X, m.Y, m.Largeur, m.Hauteur)) return false;
    for (const ClsJeuRessources& d : Main.Ressources)
        if (touche(d.X, d.Y, ClsJeuRessources::Largeur, ClsJeuRessources::Hauteur)) return false;
    for (std::int32_t k = 1; k <= Main.Decors.Count(); ++k) {
        const ClsJeuDecors& d = Main.Decors(k);
        if (touche(d.X, d.Y, d.Largeur, d.Hauteur)) return false;
    }
    for (std::int32_t k = 1; k <= Main.Tresors.Count(); ++k) {
        const ClsJeuTresors& t = Main.Tresors(k);
        if (touche(t.X, t.Y, ClsJeuTresors::Largeur, ClsJeuTresors::Hauteur)) return false;
    }
    const std::int32_t camp = Main.Persos[static_cast<std::size_t>(Perso)].Camp;
    for (const ClsJeuPerso& p : Main.Persos)
        if (p.Camp != camp && touche(p.PositionX, p.PositionY, p.Largeur, p.Hauteur) && p.Attaquable()) return false;
    return true;
}

bool Tester_Emplacement_Allie(ModMain& Main, std::int32_t Perso, std::int32_t X, std::int32_t Y,
                              std::int32_t Largeur, std::int32_t Hauteur, bool Memoriser) {
    if (Perso < 0 || static_cast<std::size_t>(Perso) >= Main.Persos.size()) return false;
    const std::int32_t camp = Main.Persos[static_cast<std::size_t>(Perso)].Camp;
    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        const ClsJeuPerso& p = Main.Persos[i];
        if (static_cast<std::int32_t>(i) == Perso) continue;
        if (Collision_Rectangles(X, Y, p.PositionX, p.PositionY, Largeur, Hauteur, p.Largeur, p.Hauteur) &&
            p.Attaquable() && p.Camp == camp) {
            if (Memoriser) Main.IndiceEmplacement = static_cast<std::int32_t>(i);
            return true;
        }
    }
    return false;
}
