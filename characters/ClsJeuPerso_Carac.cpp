// The six characteristics: maxima, what items add to them, current values
// and their setters, and the fatigue speed factor. Every loss goes through
// a setter, which is where characteristics (and the items that raise them)
// are trained.
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"

namespace {

// Experience for a loss measured against the maximum: no maximum, no
// experience (rather than a division by zero).
double Rapport(double perte, double base, double maximum) { return maximum != 0.0 ? perte * base / maximum : 0.0; }

// Trains the item competence of every worn item whose bonus (read by
// Bonus) is above 0. The amount is asked for at each item, since a level
// gained by the previous call changes the maxima it is measured against.
template <class LireBonus, class Montant>
void Entrainer_Objets_Porteurs(ClsJeuPerso& perso, LireBonus bonus, Montant montant) {
    for (std::int16_t p = 0; p < perso.Nombre_Objets_Equipes(); ++p) {
        const ClsJeuObjet& slot = perso.Objet_Equipe(p);
        if (bonus(slot) > 0) perso.Gagner_Experience_CompetenceObjet(slot.Competence, montant());
    }
}

}  // namespace

// ---- Maxima ----

void ClsJeuPerso::Definir_MaxVie(double Valeur) { VieBase = Sature32(Valeur); }
void ClsJeuPerso::Definir_MaxEnergie(double Valeur) { EnergieBase = Sature32(Valeur); }
void ClsJeuPerso::Definir_MaxMagie(double Valeur) { MagieBase = Sature32(Valeur); }
void ClsJeuPerso::Definir_MaxMoral(double Valeur) { MoralBase = Sature32(Valeur); }
void ClsJeuPerso::Definir_MaxAttaque(double Valeur) { AttaqueBase = Sature32(Valeur); }
void ClsJeuPerso::Definir_MaxDefense(double Valeur) { DefenseBase = Sature32(Valeur); }

double ClsJeuPerso::Definir_BonusVie() const { return Entier(VieMax - static_cast<double>(CoefVie) * VieBase); }
double ClsJeuPerso::Definir_BonusEnergie() const {
    return Entier(EnergieMax - static_cast<double>(CoefEnergie) * EnergieBase);
}
double ClsJeuPerso::Definir_BonusMagie() const { return Entier(MagieMax - static_cast<double>(CoefMagie) * MagieBase); }
double ClsJeuPerso::Definir_BonusMoral() const { return Entier(MoralMax - static_cast<double>(CoefMoral) * MoralBase); }
double ClsJeuPerso::Definir_BonusAttaque() const {
    return Entier(AttaqueMax - static_cast<double>(CoefAttaque) * AttaqueBase);
}
double ClsJeuPerso::Definir_BonusDefense() const {
    return Entier(DefenseMax - static_cast<double>(CoefDefense) * DefenseBase);
}

// ---- Current values ----

namespace {
double AvecReserve(double courant, double reserve, double maximum) {
    const double v = courant + reserve;
    return v > maximum ? maximum : v;
}
}  // namespace

double ClsJeuPerso::Definir_Vie() const { return AvecReserve(Vie, ReserveVie, Definir_MaxVie()); }
double ClsJeuPerso::Definir_Energie() const { return AvecReserve(Energie, ReserveEnergie, Definir_MaxEnergie()); }
double ClsJeuPerso::Definir_Magie() const { return AvecReserve(Magie, ReserveMagie, Definir_MaxMagie()); }
double ClsJeuPerso::Definir_Moral() const { return AvecReserve(Moral, ReserveMoral, Definir_MaxMoral()); }

void ClsJeuPerso::Definir_Vie(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Vie;
    if (Vivant() && Valeur <= 0.0) {
        Valeur = 0.0;
        Vivant(false);
    }
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(VieBase, Rapport(perte, VieBase, VieMax), ExpVie, NiveauVie, ExpNivVie, ExpNivPlusVie, 0);
        if (Definir_BonusVie() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusVie; },
                                      [&] { return Rapport(perte, VieBase, VieMax) * 0.2; });
    }
    // A dead character's life has no floor: it may go below 0.
    Vie = Valeur;
    if (Vie > Definir_MaxVie()) Vie = Definir_MaxVie();
}

void ClsJeuPerso::Definir_Energie(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Energie;
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(EnergieBase, perte, ExpEnergie, NiveauEnergie, ExpNivEnergie, ExpNivPlusEnergie, 1);
        if (Definir_BonusEnergie() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusEnergie; },
                                      [&] { return perte * 2.0; });
    }
    Energie = Valeur;
    if (Energie > Definir_MaxEnergie()) Energie = Definir_MaxEnergie();
    if (Energie < 0.0) Energie = 0.0;
}

void ClsJeuPerso::Definir_Magie(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Magie;
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(MagieBase, Rapport(perte, MagieBase, MagieMax), ExpMagie, NiveauMagie, ExpNivMagie,
                          ExpNivPlusMagie, 2);
        if (Definir_BonusMagie() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusMagie; },
                                      [&] { return Rapport(perte, MagieBase, MagieMax) * 0.2; });
    }
    Magie = Valeur;
    if (Magie > Definir_MaxMagie()) Magie = Definir_MaxMagie();
    if (Magie < 0.0) Magie = 0.0;
}

void ClsJeuPerso::Definir_Moral(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Moral;
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(MoralBase, perte, ExpMoral, NiveauMoral, ExpNivMoral, ExpNivPlusMoral, 3);
        if (Definir_BonusMoral() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusMoral; },
                                      [&] { return perte * 10.0; });
    }
    Moral = Valeur;
    if (Moral > Definir_MaxMoral()) Moral = Definir_MaxMoral();
    if (Moral < 0.0) Moral = 0.0;
}

void ClsJeuPerso::Definir_Attaque(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Attaque;
    if (Valeur < 0.0) Valeur = 0.0;
    if (Valeur > Definir_MaxAttaque()) Valeur = Definir_MaxAttaque();
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(AttaqueBase, Rapport(perte, AttaqueBase, AttaqueMax), ExpAttaque, NiveauAttaque,
                          ExpNivAttaque, ExpNivPlusAttaque, 4);
        if (Definir_BonusAttaque() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusAttaque; },
                                      [&] { return Rapport(perte, AttaqueBase, AttaqueMax) * 0.1; });
    }
    Attaque = Valeur;
}

void ClsJeuPerso::Definir_Defense(double Valeur) {
    if (std::isnan(Valeur)) return;
    const double C = Defense;
    // Armour is a floor even above the maximum.
    if (Valeur < Definir_Armure())
        Valeur = Definir_Armure();
    else if (Valeur > Definir_MaxDefense())
        Valeur = Definir_MaxDefense();
    if (Valeur < C) {
        const double perte = C - Valeur;
        Gagner_Experience(DefenseBase, Rapport(perte, DefenseBase, DefenseMax), ExpDefense, NiveauDefense,
                          ExpNivDefense, ExpNivPlusDefense, 5);
        if (Definir_BonusDefense() > 0)
            Entrainer_Objets_Porteurs(*this, [](const ClsJeuObjet& o) { return o.BonusDefense; },
                                      [&] { return Rapport(perte, DefenseBase, DefenseMax) * 0.16; });
    }
    Defense = Valeur;
}

// ---- Fatigue ----

void ClsJeuPerso::Calculer_Coef_Vitesse() {
    if (!Vivant()) {
        CoefVitesse = 0.0;
        return;
    }
    CoefVitesse = 1.0;
    // With no maximum there is nothing to be tired of: the share counts full.
    auto retenue = [](double courant, double maximum) {
        const double r = maximum != 0.0 ? courant / maximum : 1.0;
        if (r < 0.1) return 0.45;
        if (r < 0.25) return 0.25;
        if (r < 0.5) return 0.125;
        return 0.0;
    };
    CoefVitesse -= retenue(Vie, Definir_MaxVie());
    CoefVitesse -= retenue(Energie, Definir_MaxEnergie());
    CoefVitesse -= retenue(Moral, Definir_MaxMoral());
    if (CoefVitesse < 0.1) CoefVitesse = 0.1;
}
