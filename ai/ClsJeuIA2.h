// One AI script: a plan per era of the world, a list of steps that a
// scripted character follows (collect, build, equip, work, patrol, attack,
// change mode, earn money), read from and written to an .ia text file.
// The library of every script is ModIA2; the executor only reads them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class ClsJeuParam;

// One step: category 0 to 8, the 0-based index of what it names, and an
// amount for the categories that take one (0, 2 and 8).
struct EtapeIA {
    std::int16_t Categorie = 0;
    std::int16_t Valeur = 0;
    std::int16_t Quantite = 0;
    bool operator==(const EtapeIA&) const = default;
};

// The plan of one era (the files call it an age).
struct EpoqueIA {
    std::string Commentaire;
    std::vector<EtapeIA> Etapes;
    // Set by the reader when the age has a building line; the work step
    // reads it. An age named again in the file starts over without it.
    bool BatimentDefini = false;
    bool operator==(const EpoqueIA&) const = default;
};

class ClsJeuIA2 {
public:
    // Step categories, as stored in EtapeIA::Categorie.
    static constexpr std::int16_t CategorieRessource = 0;      // Ressource_v=q
    static constexpr std::int16_t CategorieBatiment = 1;       // Batiment_v
    static constexpr std::int16_t CategorieObjet = 2;          // Objet_v=q
    static constexpr std::int16_t CategorieTravailler = 3;     // Travailler
    static constexpr std::int16_t CategoriePatrouiller = 4;    // Patrouiller
    static constexpr std::int16_t CategorieAttaquerEnnemi = 5; // Attaquer Ennemi
    static constexpr std::int16_t CategorieAttaquerDonjon = 6; // Attaquer Donjon
    static constexpr std::int16_t CategorieChangerMode = 7;    // ChangerMode_v
    static constexpr std::int16_t CategorieGagnerArgent = 8;   // GagnerArgent_v=q
    // Values of a mode step.
    static constexpr std::int16_t ModePacifiste = 0;
    static constexpr std::int16_t ModeCombatif = 1;

    // File name without folder: the script's identity for the library, the
    // editor and the characters.
    std::string NomFichier;
    // A script of the root of the scripts folder, which the editor saves.
    bool EstJoueur = false;
    std::string Description;

    // Reads CheminFichier / NomFichier: one age per era of the rules. Throws
    // ErreurFichier naming the file (NomAffiche, or the path when empty)
    // and every faulty line; the object is then left as it was.
    void Charger_IA(const std::filesystem::path& CheminFichier, const std::string& NomFichier,
                    const ClsJeuParam& Parametres, bool EstJoueur, std::string_view NomAffiche = {});
    // Writes the blank script: one work step per era. Does not change this
    // object. False when the file could not be written (an old file of that
    // name is then untouched).
    bool Creer_IA_Vierge(const std::filesystem::path& CheminFichier, const std::string& NomFichier,
                         const ClsJeuParam& Parametres) const;
    // Writes this script, replacing the file as a whole. False on failure.
    bool Sauvegarder_IA(const std::filesystem::path& CheminFichier, const std::string& NomFichier,
                        const ClsJeuParam& Parametres) const;
    // The text the writer puts in the file, CR LF line ends.
    std::string Texte_IA(const ClsJeuParam& Parametres) const;
    static std::string Texte_IA_Vierge(const ClsJeuParam& Parametres);

    // Step operations. Every index is checked: an age or step that does not
    // exist makes the operation do nothing, and a read gives 0, "" or false.
    //
    // Makes the age's list hold exactly the steps 0 to NumeroEtape, keeping
    // those it has; new steps are {0, 0, 0}. Pass the count to append one.
    void Ajouter_Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape);
    void Intervertir_Etapes(std::int32_t NumeroEpoque, std::int32_t Indice1, std::int32_t Indice2);
    // Removes one step, the others keeping their order. The editor keeps at
    // least one step per age; an empty age is still safe everywhere.
    void Supprimer_Etape(std::int32_t NumeroEpoque, std::int32_t Indice);

    std::int32_t NombreEpoques() const { return static_cast<std::int32_t>(Epoques.size()); }
    // 0 for an age without steps.
    std::int32_t Definir_NombreEtapes(std::int32_t NumeroEpoque) const;
    std::string Definir_Commentaire(std::int32_t NumeroEpoque) const;
    void Definir_Commentaire(std::int32_t NumeroEpoque, const std::string& Texte);
    std::int16_t Definir_Categorie(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const;
    void Definir_Categorie(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur);
    std::int16_t Definir_Valeur(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const;
    void Definir_Valeur(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur);
    std::int16_t Definir_Quantite(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const;
    void Definir_Quantite(std::int32_t NumeroEpoque, std::int32_t NumeroEtape, std::int16_t Valeur);
    bool Definir_BatimentDefini(std::int32_t NumeroEpoque) const;

    bool operator==(const ClsJeuIA2&) const = default;

private:
    EpoqueIA* Epoque(std::int32_t NumeroEpoque);
    const EpoqueIA* Epoque(std::int32_t NumeroEpoque) const;
    EtapeIA* Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape);
    const EtapeIA* Etape(std::int32_t NumeroEpoque, std::int32_t NumeroEtape) const;

    std::vector<EpoqueIA> Epoques;
};
