// The per-character AI tables, wandering, the all-out attack, and the
// nearest-target searches with their attack orders.
#include "ai/ModIA.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "characters/ClsJeuPerso.h"
#include "characters/ModDialogue.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"

namespace {

template <class T>
void Redimensionner(std::vector<T>& table, std::int32_t n) {
    table.resize(static_cast<std::size_t>(std::max<std::int32_t>(n, 0)), T{});
}

// 0.01 and 0.6 as the game stores them, in single precision.
constexpr float PartParTour = 0.01f;
constexpr float PartParRecherche = 0.6f;

std::int32_t AuMoinsUn(double x) {
    const std::int32_t n = Sature32(x);
    return n == 0 ? 1 : n;
}

double Distance(const ClsJeuPerso& p, std::int32_t x, std::int32_t y) {
    const double dx = static_cast<double>(x) - p.PositionX;
    const double dy = static_cast<double>(y) - p.PositionY;
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

void ModIA::Redimensionner_Tableaux_IA(std::int32_t n) {
    DernierPerso = n - 1;
    Redimensionner(DistanceRecherche, n);
    Redimensionner(RayonTresor, n);
    Redimensionner(RayonPerso, n);
    Redimensionner(RayonMaison, n);
    Redimensionner(RayonChateau, n);
    Redimensionner(CurseurMaison, n);
    Redimensionner(CurseurPerso, n);
    Redimensionner(CurseurMaisonEnnemie, n);
    Redimensionner(CurseurChateau, n);
    Redimensionner(TypeMaisonVoulue, n);
    Redimensionner(RessourceVoulue, n);
    Redimensionner(ObjetVoulu, n);
    Redimensionner(QuantiteVoulue, n);
    Redimensionner(QuantiteObjetVoulue, n);
    Redimensionner(CourseFaite, n);
    PersosParTour = AuMoinsUn(DernierPerso * static_cast<double>(PartParTour));
    NombreParRecherche = AuMoinsUn(DernierPerso * static_cast<double>(PartParRecherche));
}

void ModIA::Aller_Au_Hasard(std::int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return;
    // Both draws are made before anything else, in this order.
    const double r1 = Main.Aleatoire.Nombre_Aleatoire();
    const double r2 = Main.Aleatoire.Nombre_Aleatoire();
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const double largeurCase = Main.Monde.LargeurCase, hauteurCase = Main.Monde.HauteurCase;
    double x = Arrondi((r1 * 128.0 - 64.0) * largeurCase + p.PositionX);
    double y = Arrondi((r2 * 96.0 - 48.0) * hauteurCase + p.PositionY);
    // The whole sprite stays on the map.
    const double maxX = static_cast<double>(Main.Monde.LargeurCarte) * largeurCase - p.Largeur;
    const double maxY = static_cast<double>(Main.Monde.HauteurCarte) * hauteurCase - p.Hauteur;
    if (x < 0.0) x = 0.0;
    if (x > maxX) x = maxX;
    if (y < 0.0) y = 0.0;
    if (y > maxY) y = maxY;
    p.Aller_A(Sature32(x), Sature32(y));
}

void ModIA::Attaquer_Tout(std::int32_t i) {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return;
    auto enCombat = [&] { return Main.Persos[static_cast<std::size_t>(i)].EnCombat(); };
    if (enCombat()) return;
    Attaquer_Perso_Proche(i, false);
    if (!enCombat()) Attaquer_Chateau_Proche(i, false);
    if (!enCombat()) Attaquer_Maison_Proche(i, false);
    // Nothing left to fight anywhere: a berserk dies of it.
    if (!enCombat()) Main.Persos[static_cast<std::size_t>(i)].Vivant(false);
}

// ---- Nearest searches ----
// The bound starts at the map's width plus height in pixels; a later entry
// must be strictly nearer than the rounded bound.

namespace {

template <class Accepter, class Position>
std::int32_t Chercher_Proche(const ModMain& main, const ClsJeuPerso& p, std::size_t nombre, Accepter accepter,
                             Position position) {
    double borne = static_cast<double>(main.Monde.LargeurCarte) * main.Monde.LargeurCase +
                   static_cast<double>(main.Monde.HauteurCarte) * main.Monde.HauteurCase;
    std::int32_t trouve = -1;
    for (std::size_t j = 0; j < nombre; ++j) {
        if (!accepter(j)) continue;
        const auto [x, y] = position(j);
        const double d = Distance(p, x, y);
        if (borne > d) {
            trouve = static_cast<std::int32_t>(j);
            borne = Arrondi(d);
        }
    }
    return trouve;
}

}  // namespace

std::int32_t ModIA::Chercher_Perso_Proche(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return -1;
    const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    return Chercher_Proche(
        Main, p, Main.Persos.size(),
        [&](std::size_t j) { return Main.Persos[j].Camp != p.Camp && Main.Persos[j].Attaquable(); },
        [&](std::size_t j) { return std::pair{Main.Persos[j].PositionX, Main.Persos[j].PositionY}; });
}

std::int32_t ModIA::Chercher_Maison_Proche(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return -1;
    const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    // A house has its owner's side; a house without an owner is nobody's.
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    return Chercher_Proche(
        Main, p, n,
        [&](std::size_t j) { return Main.Persos[j].Camp != p.Camp && Main.Maisons[j].Visible(); },
        [&](std::size_t j) { return std::pair{Main.Maisons[j].X, Main.Maisons[j].Y}; });
}

std::int32_t ModIA::Chercher_Chateau_Proche(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return -1;
    const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const std::size_t n = std::min(Main.Chateaux.size(), Main.Fiefs.size());
    return Chercher_Proche(
        Main, p, n,
        [&](std::size_t j) { return Main.Fiefs[j].Camp != p.Camp && Main.Chateaux[j].Visible(); },
        [&](std::size_t j) { return std::pair{Main.Chateaux[j].X, Main.Chateaux[j].Y}; });
}

void ModIA::Attaquer_Perso_Proche(std::int32_t i, bool EnGroupe, bool Choix1, bool Choix2, bool /*Choix3*/) {
    const std::int32_t t = Chercher_Perso_Proche(i);
    if (t < 0) return;
    if (EnGroupe)
        ModDialogue::Ordre_Attaquer_Groupe(Main, i, ModDialogue::CiblePerso, t, Choix1, Choix2);
    else
        Main.Persos[static_cast<std::size_t>(i)].Attaquer_Perso(t);
}

void ModIA::Attaquer_Maison_Proche(std::int32_t i, bool EnGroupe, bool Choix1, bool Choix2, bool /*Choix3*/) {
    const std::int32_t t = Chercher_Maison_Proche(i);
    if (t < 0) return;
    if (EnGroupe)
        ModDialogue::Ordre_Attaquer_Groupe(Main, i, ModDialogue::CibleMaison, t, Choix1, Choix2);
    else
        Main.Persos[static_cast<std::size_t>(i)].Attaquer_Maison(t);
}

void ModIA::Attaquer_Chateau_Proche(std::int32_t i, bool EnGroupe, bool Choix1, bool Choix2, bool /*Choix3*/) {
    const std::int32_t t = Chercher_Chateau_Proche(i);
    if (t < 0) return;
    if (EnGroupe)
        ModDialogue::Ordre_Attaquer_Groupe(Main, i, ModDialogue::CibleChateau, t, Choix1, Choix2);
    else
        Main.Persos[static_cast<std::size_t>(i)].Attaquer_Chateau(t);
}
