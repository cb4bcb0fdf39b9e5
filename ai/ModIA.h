// The built-in AI of the characters: its per-character tables, and the
// behaviours the rules of play call on their own (a fleeing character
// wandering off, a freshly summoned berserk creature attacking anything),
// with the nearest-target searches and attack orders they rest on.
//
// The tables live as long as the program, indexed by character, and grow
// with Persos; the scheduler, the needs, the patrols and the scripted AI
// are not here yet.
#pragma once

#include <cstdint>
#include <vector>

class ModMain;

class ModIA {
public:
    explicit ModIA(ModMain& Main) : Main(Main) {}
    ModIA(const ModIA&) = delete;
    ModIA& operator=(const ModIA&) = delete;

    // ---- Per-character tables, indices 0 to DernierPerso ----
    std::vector<std::int32_t> DistanceRecherche;
    std::vector<std::int32_t> RayonTresor;
    std::vector<std::int32_t> RayonPerso;
    std::vector<std::int32_t> RayonMaison;
    std::vector<std::int32_t> RayonChateau;
    std::vector<std::int32_t> CurseurMaison;
    std::vector<std::int32_t> CurseurPerso;
    std::vector<std::int32_t> CurseurMaisonEnnemie;
    std::vector<std::int32_t> CurseurChateau;
    std::vector<std::int16_t> TypeMaisonVoulue;
    std::vector<std::int16_t> RessourceVoulue;
    std::vector<std::int16_t> ObjetVoulu;
    std::vector<std::int16_t> QuantiteVoulue;
    std::vector<bool> CourseFaite;

    // ---- Module values ----
    std::int32_t DernierPerso = -1;
    // The scheduler serves PersosParTour + 1 characters a tick; a radius
    // search examines NombreParRecherche + 1 entries a call.
    std::int32_t PersosParTour = 1;
    std::int32_t NombreParRecherche = 1;

    // Sizes every table to n characters, keeping what they hold (new
    // entries are 0), and recomputes the per-tick counts.
    void Redimensionner_Tableaux_IA(std::int32_t n);

    // Character i walks to a random point up to 64 cells aside and 48 up or
    // down, kept on the map. Two draws of the game's random source.
    void Aller_Au_Hasard(std::int32_t i);
    // Character i attacks the nearest enemy character, else castle, else
    // house; with none left anywhere it dies.
    void Attaquer_Tout(std::int32_t i);

    // Nearest enemy of character i (alive and outside any building, or a
    // standing building); -1 when none. Ties keep the lower index.
    std::int32_t Chercher_Perso_Proche(std::int32_t i) const;
    std::int32_t Chercher_Maison_Proche(std::int32_t i) const;
    std::int32_t Chercher_Chateau_Proche(std::int32_t i) const;
    // Character i attacks the nearest enemy, or with EnGroupe sends its
    // creatures at it (the two choices go to the group order; the third is
    // not read by it).
    void Attaquer_Perso_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                               bool Choix3 = false);
    void Attaquer_Maison_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                                bool Choix3 = false);
    void Attaquer_Chateau_Proche(std::int32_t i, bool EnGroupe, bool Choix1 = false, bool Choix2 = false,
                                 bool Choix3 = false);

private:
    ModMain& Main;
};
