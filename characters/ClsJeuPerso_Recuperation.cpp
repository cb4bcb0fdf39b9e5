// The character's recovery: the per-tick upkeep (reserves flowing in,
// attack and defence refilling, regeneration, the items' gains, the
// resurrection countdown in the castle) and eating the food it carries.
#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

// One step of a reserve: it flows in by step s, or is dropped when smaller.
template <typename Setter>
void Verser_Reserve(double& reserve, double pas, double actuelle, Setter definir) {
    if (reserve >= pas) {
        definir(actuelle + pas);
        reserve -= pas;
    } else {
        reserve = 0.0;
    }
}

// Maximum with items over base maximum; 1 when the base is 0 (nothing to
// scale by).
double Rapport(double maximum, double base) { return base > 0.0 ? maximum / base : 1.0; }

}  // namespace

void ClsJeuPerso::Recuperation(ClsJeuFief& Fief) {
    // Items that found no room earlier are never kept hanging: they lie on
    // the ground from this tick on.
    if (!ObjetsEnAttenteSol.empty()) Poser_Objets_En_Attente_Sol();

    if (Vivant()) {
        Verser_Reserve(ReserveVie, 0.0025 * Definir_MaxVie(), Vie, [this](double v) { Definir_Vie(v); });
        Verser_Reserve(ReserveEnergie, 0.005 * Definir_MaxEnergie(), Energie, [this](double v) { Definir_Energie(v); });
        Verser_Reserve(ReserveMagie, 0.005 * Definir_MaxMagie(), Magie, [this](double v) { Definir_Magie(v); });
        Verser_Reserve(ReserveMoral, 0.0025 * Definir_MaxMoral(), Moral, [this](double v) { Definir_Moral(v); });

        if (Attaque < Definir_MaxAttaque()) {
            Definir_Attaque(Attaque + 1.25 * CoefVitesse * Rapport(Definir_MaxAttaque(), AttaqueBase));
            Definir_Energie(Energie - 0.0125 * CoefVitesse);
            Definir_Moral(Moral - 0.0025 * CoefVitesse);
        }
        if (Defense < Definir_MaxDefense()) {
            Definir_Defense(Defense + 0.75 * CoefVitesse * Rapport(Definir_MaxDefense(), DefenseBase));
            Definir_Energie(Energie - 0.0125 * CoefVitesse);
            Definir_Moral(Moral - 0.0025 * CoefVitesse);
        }

        Definir_Vie(Vie + RegenerationVie * Definir_MaxVie());
        Definir_Energie(Energie + RegenerationEnergie * Definir_MaxEnergie());
        Definir_Magie(Magie + RegenerationMagie * Definir_MaxMagie());
        Definir_Moral(Moral + RegenerationMoral * Definir_MaxMoral());

        Appliquer_Gains();
        return;
    }

    if (!DansChateau) return;
    const ClsJeuBatiment* chateau = nullptr;
    if (Main != nullptr && Equipe >= 0 && Equipe < static_cast<std::int32_t>(Main->Chateaux.size()))
        chateau = &Main->Chateaux[static_cast<std::size_t>(Equipe)];
    if (chateau == nullptr || !chateau->Visible()) {
        Action = Actions::Attente;
        DansChateau = false;
        return;
    }
    // The more of the fief still alive, the faster the dead come back. The
    // counts are kept by deaths and resurrections; they are bounded here so
    // that the countdown always runs forward and never divides by zero.
    const double persos = std::max<std::int32_t>(1, Fief.NombrePersos);
    const double morts = std::clamp<double>(Fief.NombreMorts, 0.0, persos);
    DelaiResurrection -= 0.25 * (persos - morts + 1.0) / persos;
    if (DelaiResurrection <= 0.0)
        Vivant(true);
    else
        Action = Actions::Ressusciter;
}

void ClsJeuPerso::Appliquer_Gains() {
    if (!GainsObjets) return;
    Definir_Argent(Argent + GainArgentObjets);
    for (std::int32_t i = 0; i < Nombre_Ressources(); ++i)
        Definir_Ressources(i, Definir_Ressources(i) + Definir_GainRessourcesObjets(i));
}

void ClsJeuPerso::Recuperer_AutoVie(const ClsJeuParam& Parametres) {
    if (Definir_Vie() < Definir_MaxVie()) Recuperer_Vie(Parametres);
}

void ClsJeuPerso::Recuperer_AutoEnergie(const ClsJeuParam& Parametres) {
    if (Definir_Energie() < Definir_MaxEnergie()) Recuperer_Energie(Parametres);
}

void ClsJeuPerso::Recuperer_AutoMagie(const ClsJeuParam& Parametres) {
    if (Definir_Magie() < Definir_MaxMagie()) Recuperer_Magie(Parametres);
}

void ClsJeuPerso::Recuperer_AutoMoral(const ClsJeuParam& Parametres) {
    if (Definir_Moral() < Definir_MaxMoral()) Recuperer_Moral(Parametres);
}

namespace {

// The eating family: the first edible kind with a positive gain for the
// characteristic, eaten while one more unit does not overflow the maximum.
template <typename Gain, typename Actuelle>
void Manger_Pour(ClsJeuPerso& perso, const ClsJeuParam& Parametres, Gain gain, std::int16_t coefficient,
                 double maximum, Actuelle actuelle) {
    for (std::int32_t i = 0; i < Parametres.NombreRessources; ++i) {
        if (!Parametres.Ressources_Mangeable(i) || !(gain(i) > 0.0) || perso.Definir_Ressources(i) < 1.0) continue;
        const std::int16_t index = static_cast<std::int16_t>(i);
        perso.Manger_Ressources(index, Parametres);
        while (perso.Definir_Ressources(i) >= 1.0 &&
               maximum - gain(i) * perso.Manger_Ressources_Coef(coefficient) > actuelle())
            perso.Manger_Ressources(index, Parametres);
        return;
    }
}

}  // namespace

void ClsJeuPerso::Recuperer_Vie(const ClsJeuParam& Parametres) {
    Manger_Pour(*this, Parametres, [&](std::int32_t i) { return Parametres.Ressources_GainVie(i); }, 0,
                Definir_MaxVie(), [this] { return Definir_Vie(); });
}

void ClsJeuPerso::Recuperer_Energie(const ClsJeuParam& Parametres) {
    Manger_Pour(*this, Parametres, [&](std::int32_t i) { return Parametres.Ressources_GainEnergie(i); }, 1,
                Definir_MaxEnergie(), [this] { return Definir_Energie(); });
}

void ClsJeuPerso::Recuperer_Magie(const ClsJeuParam& Parametres) {
    Manger_Pour(*this, Parametres, [&](std::int32_t i) { return Parametres.Ressources_GainMagie(i); }, 2,
                Definir_MaxMagie(), [this] { return Definir_Magie(); });
}

void ClsJeuPerso::Recuperer_Moral(const ClsJeuParam& Parametres) {
    Manger_Pour(*this, Parametres, [&](std::int32_t i) { return Parametres.Ressources_GainMoral(i); }, 3,
                Definir_MaxMoral(), [this] { return Definir_Moral(); });
}

void ClsJeuPerso::Manger_Ressources(std::int16_t Index, const ClsJeuParam& Parametres) {
    if (Index < 0 || Index >= Nombre_Ressources()) return;
    double& porte = Ressources[static_cast<std::size_t>(Index)];
    if (porte < 1.0) return;
    porte -= 1.0;
    // Food feeds in proportion to the character's maxima; the reserves
    // flow into the current values over the next ticks.
    ReserveVie += Parametres.Ressources_GainVie(Index) * Manger_Ressources_Coef(0);
    ReserveEnergie += Parametres.Ressources_GainEnergie(Index) * Manger_Ressources_Coef(1);
    ReserveMagie += Parametres.Ressources_GainMagie(Index) * Manger_Ressources_Coef(2);
    ReserveMoral += Parametres.Ressources_GainMoral(Index) * Manger_Ressources_Coef(3);
}

double ClsJeuPerso::Manger_Ressources_Coef(std::int16_t Numero) const {
    switch (Numero) {
    case 0: return Rapport(VieMax, VieBase);
    case 1: return Rapport(EnergieMax, EnergieBase);
    case 2: return Rapport(MagieMax, MagieBase);
    case 3: return Rapport(MoralMax, MoralBase);
    default: return 0.0;
    }
}
