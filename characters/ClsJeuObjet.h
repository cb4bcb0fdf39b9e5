// One item slot of a character (equipment place or inventory place): empty,
// or a copy of one item type's rules. The copy keeps a slot meaningful even
// while the rules are not at hand (per-tick costs, bonuses, saves). Moving
// items between slots is the character's business, not this class's.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class ClsJeuParam;

class ClsJeuObjet {
public:
    // ---- Public fields, in their declared order ----
    std::int16_t Indice = -1;  // item type, -1 when the slot is empty
    std::string Nom;           // "" when the slot is empty
    std::string Description;
    bool Indestructible = false;
    bool Inseparable = false;
    std::int16_t Categorie = 0;
    std::int16_t Competence = 0;
    std::int16_t PrixVente = 0;
    std::int16_t BonusVie = 0;
    std::int16_t BonusEnergie = 0;
    std::int16_t BonusMagie = 0;
    std::int16_t BonusMoral = 0;
    std::int16_t BonusAttaque = 0;
    std::int16_t BonusPorteeAttaque = 0;
    std::int16_t EffetAttaque = 0;
    std::int16_t SurfaceAttaque = 0;
    std::int16_t BonusDefense = 0;
    std::int16_t BonusDeplacement = 0;
    std::int16_t BonusArmure = 0;
    std::int16_t BonusMaxRessources = 0;
    float BonusVitesseRegenerationVie = 0.0f;
    float BonusVitesseRegenerationEnergie = 0.0f;
    float BonusVitesseRegenerationMagie = 0.0f;
    float BonusVitesseRegenerationMoral = 0.0f;
    double PerteVie = 0.0;
    double PerteEnergie = 0.0;
    double PerteMagie = 0.0;
    double PerteMoral = 0.0;
    std::int32_t PerteArgent = 0;
    std::int16_t PerteRessourceIndice = -1;
    float PerteRessourceQuantite = 0.0f;
    std::int16_t ApparencePerso = 0;
    bool ChangerApparencePerso = false;
    bool Utilisable = false;
    bool UtilisationUnique = false;
    bool UtilisationMort = false;
    double Experience = 0.0;
    std::int16_t Invocation = 0;
    float Quantite = 0.0f;
    double GainVie = 0.0;
    double GainEnergie = 0.0;
    double GainMagie = 0.0;
    double GainMoral = 0.0;
    float GainArgent = 0.0f;
    std::int32_t Resurrection = 0;
    bool SelfResurrection = false;
    // Worked out by Charger: using or striking with it costs something.
    bool CoutUtilisation = false;

    // Empties the slot and sizes its lists from the rules.
    void Init(const ClsJeuParam& Parametres);
    // Copies item type Indice from the rules into the slot.
    void Charger(std::int16_t Indice, const ClsJeuParam& Parametres);
    // Empties the slot; the lists keep their sizes, all 0.
    void Decharger();

    // A slot is in use exactly when it has a name. Setting it writes only
    // the name ("Temp" or ""), as the world loader expects.
    bool Actif() const { return !Nom.empty(); }
    void Actif(bool Valeur) { Nom = Valeur ? "Temp" : ""; }

    // One element of each list; a position outside the list reads 0.
    std::int16_t Param_PrixRessources(std::int16_t Index) const;
    std::int16_t Param_BonusCompetencesSpeciales(std::int16_t Index) const;
    std::int16_t Param_BonusCompetencesRessources(std::int16_t Index) const;
    std::int16_t Param_BonusCompetencesServices(std::int16_t Index) const;
    std::int16_t Param_BonusCompetencesObjets(std::int16_t Index) const;
    float Param_GainRessource(std::int16_t Index) const;

private:
    std::vector<std::int16_t> PrixRessources;
    std::vector<std::int16_t> BonusCompetencesSpeciales;
    std::vector<std::int16_t> BonusCompetencesRessources;
    std::vector<std::int16_t> BonusCompetencesServices;
    std::vector<std::int16_t> BonusCompetencesObjets;
    std::vector<float> GainRessource;
};
