// The combat module: the fifteen combat coefficients of Ini_Combat, one
// blow of a character on another, on a house or a castle, the area attack,
// and the looting of a fallen character or house. It keeps nothing between
// blows; the blows are started by the character's tick.
//
// Every draw comes from the game's random source in a fixed order: network
// machines replay the same blows only while that order holds.
#pragma once

#include <cstdint>

class ClsJeuBatiment;
class ClsJeuPerso;
class ModMain;

class ModCombat {
public:
    // Reads Ini_Combat from the world's folder. Throws ErreurFichier when
    // CoefDegatPerso is not above 0 (every blow divides by it).
    explicit ModCombat(ModMain& Main);
    ModCombat(const ModCombat&) = delete;
    ModCombat& operator=(const ModCombat&) = delete;

    // ---- Coefficients, in their reading order ----
    float CoefDegatPerso = 1.0f;
    float CoefDegatBatiment = 0.0f;
    std::int16_t DureeImmobilisation = 0;
    float ChanceCoupCritique = 0.0f;
    float CoefDegatCoupCritique = 0.0f;
    float ChanceEchecCritique = 0.0f;
    float PerteEchecCritique = 0.0f;
    float MaxDegatBatiment = 0.0f;
    float CoefPillageArgentPersoMort = 0.0f;
    float CoefPillageRessourcesPersoMort = 0.0f;
    float CoefPillageObjetsPersoMort = 0.0f;
    float CoefDestructionObjets = 0.0f;
    float CoefPillageArgentMaison = 0.0f;
    float CoefPillageRessourcesMaison = 0.0f;
    float CoefPillageObjetsMaison = 0.0f;

    // Reads the fifteen keys of section [Combat]; a missing key reads 0.
    void Charger_Parametres_Combat();

    // One blow of Attaquant on Cible: failure, critical or normal hit, the
    // target's answer (fighting back, calling for help, fleeing), and what
    // a kill brings (loot, bestiary, kill count, bounty).
    void Combat_Perso(ClsJeuPerso& Attaquant, ClsJeuPerso& Cible);
    // One blow on a house (IndiceChateau -1; Proprietaire its owner) or on
    // castle IndiceChateau (Proprietaire is not read and may be null).
    void Combat_Batiment(ClsJeuPerso& Attaquant, ClsJeuBatiment& Batiment, ClsJeuPerso* Proprietaire,
                         std::int32_t IndiceChateau);
    // Strikes every enemy character, house and castle whose top-left corner
    // lies strictly within Surface pixels, each with the whole attack; the
    // attack is spent even when nothing was in range.
    void Attaque_Surface(ClsJeuPerso& Attaquant, std::int32_t Surface);

    // ---- Looting (ModCombat_Pillage.cpp) ----
    // Shares of the victim's money and resources and some of its items go
    // to the looter when the two touch, else into one treasure on the
    // victim. A treasure left empty is removed; nothing taken is lost
    // except the items the destruction chance breaks.
    void Piller_Perso(ClsJeuPerso& Pillard, ClsJeuPerso& Victime);
    // Shares of a destroyed house's cash, stock and made items go into one
    // treasure on the house; the house itself keeps them (a house built
    // again starts from nothing).
    void Piller_Maison(ClsJeuPerso& Pillard, ClsJeuBatiment& Maison);
    // A demolished house's whole contents go back to its owner.
    void Piller_Maison_Demolie(ClsJeuPerso& Proprietaire, ClsJeuBatiment& Maison);

private:
    // The character says a line of speech type Type (when it may speak).
    void Dire(ClsJeuPerso& Perso, std::int16_t Type);
    float Tirage();
    // The rules' starting levels divide some blows; 1 stands for a 0.
    double NiveauSpecialesDepart() const;
    double NiveauServicesDepart() const;
    ClsJeuPerso* Perso(std::int32_t Indice);

    ModMain& Main;
};
