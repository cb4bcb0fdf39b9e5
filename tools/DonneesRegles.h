// What the picture generator needs of the default data: how many of each
// thing the rules define, their names and the sizes of their pictures,
// read from the rules and settings files of the data folder. A missing
// file gives empty lists: its sheets are simply not drawn.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class DossierJeu;

struct DonneesRegles {
    struct Terrain { std::string Nom; bool Animation = false; };
    struct Peuple { std::string Nom; int ChateauLargeur = 128, ChateauHauteur = 128; int NombreMonstres = 0; };
    struct Race {
        std::string Nom;
        int Largeur = 0, Hauteur = 0;
        bool DefinirApparence = false, Volant = false, Jouable = false;
        std::string CheminM, CheminF;
    };
    struct Batiment {
        std::string Nom;
        int Largeur = 64, Hauteur = 64, EtapesFabrication = 1, EtapesAnimation = 1, NoEpoque = 1;
        bool Magasin = false, Fabrique = false;
        int Service = 0, ApparencePerso = 0, RessourceFabrique = -1;
    };
    struct Decor { std::string Nom, Image; int Largeur = 32, Hauteur = 32, Etapes = 1; };
    struct Effet { std::string Nom, Fichier; int Largeur = 32, Hauteur = 32, Etapes = 1; };
    struct Objet { std::string Nom, Image; int Categorie = 0, ApparencePerso = 0; };
    struct Depot { std::string Nom; int TypeRessource = -1; };

    // Terrain (Ini_Terrain).
    int LargeurCase = 32, HauteurCase = 32, EtapesAnimation = 1;
    std::vector<Terrain> Terrains;
    // Screen and cursor settings.
    std::vector<std::pair<int, int>> Resolutions;
    std::string CheminCurseurs;
    int NombreCurseurs = 14, LargeurCurseur = 32, HauteurCurseur = 32;
    // Rules.
    int NombreApparences = 0, LargeurPerso = 24, HauteurPerso = 32;
    int NombreEpoques = 0;
    std::vector<Peuple> Peuples;
    std::vector<Race> Races;
    std::vector<Batiment> Batiments;
    std::vector<std::string> Ressources;
    std::vector<Depot> Depots;
    std::vector<std::string> Tresors;
    std::vector<Decor> Decors;
    std::vector<Effet> Effets;
    std::vector<Objet> Objets;

    static DonneesRegles Lire(DossierJeu& dossier);
};
