// The game statistics: at game start, a snapshot of every hero (each
// character carrying the player mark) taken from its character file; at
// game end, the heroes stripped of their items, and what each gained since
// the snapshot, for the statistics page. Reading never changes anything, so
// the page may ask as often as it likes until the next game starts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "characters/ClsJeuPerso.h"

class ClsJeuParam;
class ModMain;

class ClsJeuStastistiques {
public:
    // Main (the world whose Persos are followed) must outlive this object.
    explicit ClsJeuStastistiques(ModMain* Main = nullptr) : Main(Main) {}

    ModMain* Main = nullptr;

    std::int16_t NombrePersosSuivis = 0;
    // Index in Persos of each followed character, increasing, and its
    // snapshot.
    std::vector<std::int32_t> IndicesPersos;
    std::vector<ClsJeuPerso> Instantanes;
    // Heroes whose file could not be read for the snapshot: one message
    // each ("Le fichier de personnage ... est invalide"). Their snapshot is
    // then the character itself as the game starts.
    std::vector<std::string> Erreurs;

    // Takes the snapshots, from Main's characters and its character files.
    // Without a world there is nothing to follow.
    void Init(const ClsJeuParam& Parametres);
    // Follows no one (at each game setup, before the new world exists).
    void Vider();
    // Empties the followed characters' inventories and equipment.
    void Fin_Partie();

    // i is a followed character (0 to NombrePersosSuivis - 1): anything
    // else, or a character no longer in Persos, reads as "" or 0.
    std::string Nom(std::int16_t i) const;
    // Categorie 0 characters killed, 1 houses destroyed, 2 castles.
    std::int32_t Frags(std::int16_t i, std::int16_t Categorie) const;
    std::int32_t Morts(std::int16_t i) const;
    double Gain_Niveau(std::int16_t i) const;
    std::int16_t Gain_Vie(std::int16_t i) const;
    std::int16_t Gain_Energie(std::int16_t i) const;
    std::int16_t Gain_Magie(std::int16_t i) const;
    std::int16_t Gain_Moral(std::int16_t i) const;
    std::int16_t Gain_Attaque(std::int16_t i) const;
    std::int16_t Gain_Defense(std::int16_t i) const;
    std::int16_t Gain_CompetenceSpeciales(std::int16_t i, std::int16_t j) const;
    std::int16_t Gain_CompetenceRessources(std::int16_t i, std::int16_t j) const;
    std::int16_t Gain_CompetenceServices(std::int16_t i, std::int16_t j) const;
    std::int16_t Gain_CompetenceObjets(std::int16_t i, std::int16_t j) const;
    std::int16_t Gain_Bestiaire(std::int16_t i, std::int16_t j) const;

private:
    // The followed character and its snapshot; null when i or its index is
    // no longer valid.
    const ClsJeuPerso* Reel(std::int16_t i) const;
    const ClsJeuPerso* Instantane(std::int16_t i) const;
};
