// One fief (one team) of the game: its side, people and era, the fund that
// repairs its castle, and its stock of every resource, which is the fief's
// market. Fief i owns castle i of Chateaux. The fief upkeep of each tick
// runs Transaction_Ressources and Restauration, then the castle's own
// Restauration.
#pragma once

#include <cstdint>
#include <vector>

class ClsJeuBatiment;
class ClsJeuParam;
class ClsJeuPerso;

class ClsJeuFief {
public:
    // ---- Public fields, in their declared order ----
    std::int32_t Camp = 0;
    std::int16_t Peuple = 0;
    std::int16_t Epoque = 0;
    bool ChangementEpoque = false;
    std::int32_t NombrePersos = 0;
    std::int32_t NombreMorts = 0;
    double FondsRestauration = 0.0;

    // One stock entry per resource, all 0.
    void Init(const ClsJeuParam& Parametres);

    // Stock of resource Index; 0 outside the table. A negative value is
    // stored as 0; an index outside the table is not stored.
    double Definir_Ressources(std::int32_t Index) const;
    void Definir_Ressources(std::int32_t Index, double Valeur);

    // Starts the move to the next era: the castle's maximum life grows and
    // its reserve is filled; the era advances once the castle has taken it.
    void Changer_Epoque(ClsJeuBatiment& Chateau, const ClsJeuParam& Parametres);
    // One tick of the market: 0.02 of the most plentiful resource becomes
    // 0.02 of the scarcest one available in this era.
    void Transaction_Ressources(const ClsJeuParam& Parametres);
    // A character gives money to the castle's repair fund.
    void Restaurer_Chateau(double Montant, ClsJeuPerso& Perso, bool Tout);
    // One tick: the fund pays for missing castle life (5 money a point),
    // then the era advances when a change is under way and done.
    void Restauration(ClsJeuBatiment& Chateau);
    // The character sells resource Index to the fief at its sale price.
    void Vendre(std::int32_t Index, double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                bool Tout);
    // The character buys resource Index at its sale price times the
    // purchase coefficient.
    void Acheter(std::int32_t Index, double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                 bool Tout);

private:
    std::vector<double> Ressources;
};
