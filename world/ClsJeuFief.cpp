// A fief's era change, market and castle repair fund, and the trade
// between the fief and its characters.
#include "world/ClsJeuFief.h"

#include <algorithm>
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"

void ClsJeuFief::Init(const ClsJeuParam& Parametres) {
    Ressources.assign(static_cast<std::size_t>(std::max<std::int16_t>(0, Parametres.NombreRessources)), 0.0);
}

double ClsJeuFief::Definir_Ressources(std::int32_t Index) const {
    if (Index < 0 || Index >= static_cast<std::int32_t>(Ressources.size())) return 0.0;
    return Ressources[static_cast<std::size_t>(Index)];
}

void ClsJeuFief::Definir_Ressources(std::int32_t Index, double Valeur) {
    if (Index < 0 || Index >= static_cast<std::int32_t>(Ressources.size())) return;
    Ressources[static_cast<std::size_t>(Index)] = Valeur < 0.0 ? 0.0 : Valeur;
}

void ClsJeuFief::Changer_Epoque(ClsJeuBatiment& Chateau, const ClsJeuParam& Parametres) {
    if (!Chateau.Visible() || ChangementEpoque || Epoque >= Parametres.NombreEpoques - 1) return;
    ChangementEpoque = true;
    const double bonus = Val(Parametres.Epoque_BonusVieChateau(Epoque + 1));
    Chateau.MaxVie = Sature32(Arrondi(static_cast<double>(Chateau.MaxVie) + bonus));
    // One point more than the bonus, so that the era change waits until the
    // castle has really taken all of it.
    Chateau.ReserveVie += bonus + 1.0;
}

void ClsJeuFief::Transaction_Ressources(const ClsJeuParam& Parametres) {
    if (Ressources.empty()) return;
    // Resource 0 is the first candidate whatever its era; ties keep the
    // lower index. Stocks compare by their whole part.
    std::size_t rare = 0;
    std::size_t abondante = 0;
    for (std::size_t i = 1; i < Ressources.size(); ++i) {
        if (Parametres.Ressources_Epoque(static_cast<std::int32_t>(i)) <= Epoque &&
            Entier(Ressources[i]) < Entier(Ressources[rare]))
            rare = i;
        if (Entier(Ressources[i]) > Entier(Ressources[abondante])) abondante = i;
    }
    if (std::fabs(Ressources[abondante] - Ressources[rare]) > 0.02) {
        Definir_Ressources(static_cast<std::int32_t>(rare), Ressources[rare] + 0.02);
        Definir_Ressources(static_cast<std::int32_t>(abondante), Ressources[abondante] - 0.02);
    }
}

void ClsJeuFief::Restauration(ClsJeuBatiment& Chateau) {
    const double maximum = Chateau.MaxVie;
    const double vie = Chateau.Definir_Vie();
    if (vie < maximum && FondsRestauration > 0.0) {
        const double ajout = std::min(maximum - vie + 1.0, 0.2 * FondsRestauration);
        Chateau.ReserveVie += ajout;
        // Five money a point of life; rounding must never leave the fund
        // below 0, which would take life back next tick.
        FondsRestauration = std::max(0.0, FondsRestauration - ajout / 0.2);
    }
    if (Chateau.Visible() && Chateau.ReserveVie == 0.0 && ChangementEpoque) {
        Epoque = Sature16(static_cast<double>(Epoque) + 1.0);
        ChangementEpoque = false;
    }
}

void ClsJeuFief::Restaurer_Chateau(double Montant, ClsJeuPerso& Perso, bool Tout) {
    if (Tout || Montant > Perso.Definir_Argent()) Montant = Perso.Definir_Argent();
    if (!(Montant > 0.0)) return;  // a gift never takes money back
    FondsRestauration += Montant;
    Perso.Definir_Argent(Perso.Definir_Argent() - Montant);
}

void ClsJeuFief::Vendre(std::int32_t Index, double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                        bool Tout) {
    if (Index < 0 || Index >= static_cast<std::int32_t>(Ressources.size())) return;
    if (Tout || Quantite > Perso.Definir_Ressources(Index)) Quantite = Perso.Definir_Ressources(Index);
    Quantite = Entier(Quantite);
    if (Quantite <= 0.0) return;
    Perso.Definir_Ressources(Index, Perso.Definir_Ressources(Index) - Quantite);
    Definir_Ressources(Index, Definir_Ressources(Index) + Quantite);
    Perso.Definir_Argent(Perso.Definir_Argent() + Parametres.Ressources_PrixVente(Index) * Quantite);
}

void ClsJeuFief::Acheter(std::int32_t Index, double Quantite, ClsJeuPerso& Perso, const ClsJeuParam& Parametres,
                         bool Tout) {
    if (Index < 0 || Index >= static_cast<std::int32_t>(Ressources.size())) return;
    const double unite = Parametres.Ressources_PrixVente(Index) * Parametres.CoefficientAchat;
    // A price of 0 would divide the money by zero: nothing is sold for it.
    if (!(unite > 0.0)) return;
    if (Tout || Quantite * unite > Perso.Definir_Argent()) Quantite = Perso.Definir_Argent() / unite;
    if (Quantite > Definir_Ressources(Index)) Quantite = Definir_Ressources(Index);
    // Whole units that really fit: a fraction carried must not let a unit
    // be paid for and then cut off by the carrying capacity.
    const double place = Entier(Perso.Definir_MaxRessources(Index) - Perso.Definir_Ressources(Index));
    if (place < Quantite) Quantite = place;
    Quantite = Entier(Quantite);
    if (Quantite <= 0.0) return;
    Perso.Definir_Ressources(Index, Perso.Definir_Ressources(Index) + Quantite);
    Definir_Ressources(Index, Definir_Ressources(Index) - Quantite);
    Perso.Definir_Argent(Perso.Definir_Argent() - unite * Quantite);
}
