// What a computer-controlled character builds and where: a building type
// of a higher level that it can pay for, else one its fief lacks, else a
// random one of a given level; and a clear site drawn around its castle in
// a margin that widens try after try. Scenarios place houses with the
// same site search.
#include <algorithm>

#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"
#include "world/ModEmplacement.h"

namespace {

// The era check may ask again for a type of level 0, which may meet the
// era check again: rules where every level-0 type belongs to a later era
// would never end. Past this depth the choice gives up with -1.
constexpr int ProfondeurMaxChoix = 8;

}  // namespace

std::int32_t ModIA::Compter_Maisons_Type(std::int16_t TypeBatiment, std::int32_t Fief) const {
    if (TypeBatiment < 0) return 0;
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    std::int32_t compte = 0;
    // Standing or not: a house slot keeps the type it was last built as.
    for (std::size_t h = 0; h < n; ++h)
        if (Main.Maisons[h].TypeBatiment == TypeBatiment && Main.Persos[h].Equipe == Fief) ++compte;
    return compte;
}

bool ModIA::Fief_A_Maison_Type(std::int16_t TypeBatiment, std::int32_t Fief) const {
    if (TypeBatiment < 0) return false;
    const std::size_t n = std::min(Main.Maisons.size(), Main.Persos.size());
    for (std::size_t h = 0; h < n; ++h)
        if (Main.Maisons[h].TypeBatiment == TypeBatiment && Main.Persos[h].Equipe == Fief) return true;
    return false;
}

std::int16_t ModIA::Choisir_Batiment(std::int32_t i, std::int32_t Fief, std::int32_t Niveau) {
    return Choisir_Batiment_Borne(i, Fief, Niveau, 0);
}

std::int16_t ModIA::Choisir_Batiment_Borne(std::int32_t i, std::int32_t Fief, std::int32_t Niveau, int Profondeur) {
    if (!PersoValide(i)) return -1;
    const ClsJeuParam& P = Main.Parametres;
    const auto k = static_cast<std::size_t>(i);
    auto perso = [&]() -> const ClsJeuPerso& { return Main.Persos[k]; };
    const bool maison = k < Main.Maisons.size();
    const std::int16_t t0 = maison ? Main.Maisons[k].TypeBatiment : -1;
    const bool maisonDebout = maison && Main.Maisons[k].Visible();
    std::int16_t resultat = -1;

    if (Niveau == -1) {
        // A random level from 1 to the highest, then each lower one down to
        // one above the present building's: the first type it can pay for.
        Niveau = 0;
        std::int32_t L = Sature32(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * NiveauMaxBatiment) + 1.0);
        const std::int32_t Lmin = P.Batiment_Niveau(t0) + 1;
        while (L >= Lmin) {
            resultat = Choisir_Batiment_Borne(i, Fief, L, Profondeur + 1);
            if (perso().PeutConstruire_Maison(resultat, P)) break;
            resultat = -1;
            --L;
        }
    }

    // A type the fief lacks, below the present building's level. Only
    // whether one exists matters: the scan stops at the first.
    if (!Fief_A_Maison_Type(t0, Fief)) {
        for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t) {
            if (P.Batiment_Niveau(t) < P.Batiment_Niveau(t0) && !Fief_A_Maison_Type(t, Fief)) {
                resultat = t;
                break;
            }
        }
    }

    if (resultat == -1) {
        std::int32_t compte = 0;
        for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t)
            if (P.Batiment_Niveau(t) == Niveau) ++compte;
        const auto rang = static_cast<std::int32_t>(Entier(static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()) * compte));
        std::int32_t vu = 0;
        for (std::int16_t t = 0; t < P.NombreTypeBatiments; ++t) {
            if (P.Batiment_Niveau(t) != Niveau) continue;
            if (vu++ == rang) {
                resultat = t;
                break;
            }
        }
    }

    if (resultat != -1 && IndiceDans(Fief, Main.Fiefs.size()) &&
        P.Batiment_NoEpoque(resultat) - 1 > Main.Fiefs[static_cast<std::size_t>(Fief)].Epoque && !maisonDebout &&
        perso().PeutConstruire_Maison(resultat, P))
        resultat = Profondeur < ProfondeurMaxChoix ? Choisir_Batiment_Borne(i, Fief, 0, Profondeur + 1) : -1;
    return resultat;
}

bool ModIA::Chercher_Emplacement_Maison(std::int32_t i, std::int32_t& X, std::int32_t& Y, std::int16_t TypeBatiment) {
    if (!PersoValide(i)) return false;
    const ClsJeuParam& P = Main.Parametres;
    const std::int32_t e = Main.Persos[static_cast<std::size_t>(i)].Equipe;
    if (TypeBatiment < 0 || TypeBatiment >= P.NombreTypeBatiments) return false;
    if (!IndiceDans(e, Main.Chateaux.size())) return false;
    // Fiefs added after the AI set-up get their margin here.
    if (RayonEmplacement.size() < Main.Fiefs.size()) RayonEmplacement.resize(Main.Fiefs.size(), 0);
    if (!IndiceDans(e, RayonEmplacement.size())) return false;
    const ClsJeuBatiment& C = Main.Chateaux[static_cast<std::size_t>(e)];
    const ClsJeuMonde& M = Main.Monde;
    const double largeur = P.Batiment_Largeur(TypeBatiment), hauteur = P.Batiment_Hauteur(TypeBatiment);
    auto tirage = [&] { return static_cast<double>(Main.Aleatoire.Nombre_Aleatoire()); };
    // One coordinate: uniform from R before the castle to R past it, kept
    // on the map within a cell of its edges.
    auto coordonnee = [&](double debut, double taille, double R, double cellule, double cellules, double batiment) {
        std::int32_t v = Sature32((taille + 2.0 * R) * tirage() + debut - R);
        if (v < 0)
            v = Sature32(tirage() * cellule);
        else if (v > cellules * cellule - batiment)
            v = Sature32(cellules * cellule - batiment - tirage() * cellule);
        return v;
    };
    std::int32_t& rayon = RayonEmplacement[static_cast<std::size_t>(e)];
    for (int essai = 0; essai <= 10; ++essai) {
        // The margin is not reset by a failed search: the next one starts
        // wider.
        rayon = Sature32(static_cast<double>(rayon) + M.LargeurCase);
        const double R = rayon;
        X = coordonnee(C.X, C.Largeur, R, M.LargeurCase, M.LargeurCarte, largeur);
        Y = coordonnee(C.Y, C.Hauteur, R, M.HauteurCase, M.HauteurCarte, hauteur);
        if (Emplacement_Libre(Main, i, X, Y, static_cast<std::int32_t>(largeur), static_cast<std::int32_t>(hauteur))) {
            rayon = C.Largeur;
            return true;
        }
    }
    return false;
}
