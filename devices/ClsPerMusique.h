// Background music: for each situation of the game (menu, start, town,
// combat, death, victory, defeat) the tracks of its folder under the music
// folder of Ini_Musiques, one chosen at random when the situation changes
// or when the current track has played long enough. The switch "Jouer les
// musiques" lives here and is written back at once. Tracks go to a
// SortieMusique: the sound card, silence, or a recorder in tests.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class DossierJeu;
class GenerateurLocal;
class SortieMusique;

enum SituationMusique : std::int32_t {
    MusiqueMenu = 0,
    MusiqueDebut = 1,
    MusiqueVille = 2,
    MusiqueCombat = 3,
    MusiqueMort = 4,
    MusiqueVictoire = 5,
    MusiqueDefaite = 6,
};

class ClsPerMusique {
public:
    static constexpr int NombreSituations = 7;

    struct ListeMusiques {
        bool Disponible = false;
        // Folder below Chemin, with its trailing separator ("Ville\").
        std::string Dossier;
        // Accepted file names, in name order.
        std::vector<std::string> Fichiers;
        std::int32_t Nombre = 0;
    };

    // Reads Ini_Musiques [Musiques] and lists the tracks of each
    // situation's folder. Tracks are chosen with the platform generator
    // (never the game's random source: music is this machine's own
    // business). Throws ErreurFichier when Jouer or IntervalMusiques is not
    // a number. sortie may be nullptr (silence) and set later.
    ClsPerMusique(DossierJeu& dossier, GenerateurLocal& generateur, SortieMusique* sortie = nullptr);
    ~ClsPerMusique();
    ClsPerMusique(const ClsPerMusique&) = delete;
    ClsPerMusique& operator=(const ClsPerMusique&) = delete;

    std::string FichierIni = "Ini_Musiques";
    std::string SectionIni = "Musiques";
    // Music root below the game folder ("\Musiques\").
    std::string Chemin;

    // The output must outlive this object, or be detached first (nullptr):
    // the music is stopped through it when the object ends.
    void Definir_Sortie(SortieMusique* sortie) { sortie_ = sortie; }

    // Called every pass with the situation wanted and the game clock in
    // seconds. Within IntervalMusiques of the current track's start, the
    // track goes on when the situation is the same or Garder is set;
    // otherwise, when music is on and the situation has tracks, a random
    // one of them starts. A situation without tracks keeps what plays.
    void Jouer_Musique(std::int32_t Situation, bool Garder, double Maintenant);

    // Stops and closes the track playing.
    void StopSon();

    bool Definir_JouerMusique() const { return Jouer; }
    // Stores the switch, stops the music when it is False, and writes it
    // ("1" or "0") at once. Switching on starts nothing by itself.
    void Definir_JouerMusique(bool Valeur);

    const ListeMusiques& Liste(std::int32_t Situation) const { return ListesMusiques.at(Situation); }
    const std::string& Morceau_Courant() const { return MorceauCourant; }
    std::int32_t Situation_Courante() const { return SituationCourante; }
    std::int32_t Intervalle() const { return IntervalMusiques; }
    const std::array<std::string, 3>& Extensions() const { return ExtensionsMusiques; }

private:
    DossierJeu* dossier_;
    GenerateurLocal* generateur_;
    SortieMusique* sortie_;
    bool Jouer = true;
    std::array<std::string, 3> ExtensionsMusiques;
    std::int32_t IntervalMusiques = 0;
    std::array<ListeMusiques, NombreSituations> ListesMusiques;
    std::string MorceauCourant;
    // Start of the current track on the game clock; none before the first.
    std::optional<double> DebutMorceau;
    std::int32_t SituationCourante = 0;
};
