// Putting an item to work (using it or wearing it) and rebuilding
// everything the worn items give: maxima, speed, reach, area, armour,
// per-blow costs, regeneration, per-tick gains and effective competences.
#include <cmath>

#include "characters/ClsJeuCommentaires.h"
#include "characters/ClsJeuPerso.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

std::int16_t Plus16(std::int16_t a, double b) { return Sature16(static_cast<double>(a) + b); }
std::int32_t Plus32(std::int32_t a, double b) { return Sature32(static_cast<double>(a) + b); }
// Coefficient (single) times a whole value, in double so that no digit of
// either is lost before the product is rounded half to even into 32 bits.
std::int32_t Fois32(float coef, std::int32_t v) { return Sature32(static_cast<double>(coef) * v); }

// New current value that keeps its share of the maximum. A maximum of 0
// before the change leaves no share to keep: the value stays.
double Proportion(double nouveauMax, double courant, double ancienMax) {
    if (ancienMax == 0.0) return courant;
    return nouveauMax * courant / ancienMax;
}

}  // namespace

// ---- Using or wearing an item ----

bool ClsJeuPerso::Objet_Equiper(std::int16_t Indice, const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires,
                                bool Inventaire, bool SecondEmplacement) {
    if (Inventaire && !Objet_Inventaire_Actif(Indice)) return false;
    const std::int16_t T = Inventaire ? Objet_Inventaire_Type(Indice) : Indice;
    if (T < 0 || T >= Parametres.NombreTypesObjets) return false;
    if (!Parametres.Objet_Utilisable(T)) return Objet_Porter(Indice, Parametres, Inventaire, SecondEmplacement);

    const bool vivant = Vivant();
    if (!(vivant || Parametres.Objet_UtilisationMort(T))) return false;
    if (CapaciteEnAttente != -1) return false;
    if (vivant && Parametres.Objet_SelfResurrection(T) != 0) return false;

    // The tests are strict: with 0 energy even a free item cannot be used.
    std::int16_t refus = -1;
    if (vivant && Vie <= Parametres.Objet_PerteVie(T))
        refus = 17;
    else if (Energie <= Parametres.Objet_PerteEnergie(T))
        refus = 18;
    else if (Magie <= Parametres.Objet_PerteMagie(T))
        refus = 19;
    else if (Moral <= Parametres.Objet_PerteMoral(T))
        refus = 20;
    else if (Argent < Parametres.Objet_PerteArgent(T))
        refus = 45;
    else if (Definir_Ressources(Parametres.Objet_PerteRessourceIndice(T)) < Parametres.Objet_PerteRessourceQuantite(T))
        refus = 34;
    if (refus >= 0) {
        Definir_Commentaires(Commentaires.Message(refus, *this));
        return false;
    }

    CapaciteEnAttente = T;
    Gagner_Experience_CompetenceObjet(Parametres.Objet_Competence(T), Parametres.Objet_Experience(T));
    Definir_Vie(Vie - Parametres.Objet_PerteVie(T));
    Definir_Energie(Energie - Parametres.Objet_PerteEnergie(T));
    Definir_Magie(Magie - Parametres.Objet_PerteMagie(T));
    Definir_Moral(Moral - Parametres.Objet_PerteMoral(T));
    if (Parametres.Objet_UtilisationUnique(T) && Inventaire) Objet_Inventaire_Detruire(Indice);
    Definir_Argent(Definir_Argent() - Parametres.Objet_PerteArgent(T));
    const float quantite = Parametres.Objet_PerteRessourceQuantite(T);
    if (quantite > 0) {
        const std::int16_t r = Parametres.Objet_PerteRessourceIndice(T);
        Definir_Ressources(r, Definir_Ressources(r) - quantite);
    }
    return true;
}

bool ClsJeuPerso::Objet_Porter(std::int16_t Indice, const ClsJeuParam& Parametres, bool Inventaire,
                               bool SecondEmplacement) {
    if (Inventaire && !Objet_Inventaire_Actif(Indice)) return false;
    const std::int16_t T = Inventaire ? Objet_Inventaire_Type(Indice) : Indice;
    if (T < 0 || T >= Parametres.NombreTypesObjets) return false;
    const std::int16_t c = Parametres.Objet_Categorie(T);
    // A category with no place in the row cannot be worn: the item stays
    // where it is.
    const std::int16_t derniere = c == 0 || c == 1 ? 1 : (c == 6 || c == 7 ? 7 : c);
    if (c < 0 || !Dans(ObjetsEquipes, derniere)) return false;

    auto actif = [this](std::int16_t p) { return ObjetsEquipes[static_cast<std::size_t>(p)].Actif(); };
    auto categorie = [this](std::int16_t p) { return ObjetsEquipes[static_cast<std::size_t>(p)].Categorie; };
    // The item of a place; an empty place holds none, whatever its number.
    auto objet = [&](std::int16_t p) -> std::int16_t { return actif(p) ? ObjetsEquipes[static_cast<std::size_t>(p)].Indice : -1; };

    std::int16_t R1 = -1, R2 = -1;
    if (!Emplacement_Equipement(T, Parametres)) {
        if (c == 0) {
            if (!SecondEmplacement) {
                if (actif(1) || (actif(0) && categorie(0) == 1)) R1 = objet(0), Objet_Equipes_Detruire(0);
            } else if (actif(0) && actif(1)) {
                R1 = objet(1), Objet_Equipes_Detruire(1);
            } else if (actif(0) && categorie(0) == 1 && !actif(1)) {
                R1 = objet(0), Objet_Equipes_Detruire(0);
            }
        } else if (c == 1) {
            R1 = objet(0), Objet_Equipes_Detruire(0);
            if (actif(1)) R2 = objet(1), Objet_Equipes_Detruire(1);
        } else if (c == 6 || c == 7) {
            if (!SecondEmplacement) {
                if (actif(7) || (actif(6) && categorie(6) == 7)) R1 = objet(6), Objet_Equipes_Detruire(6);
            } else if (actif(6) && actif(7)) {
                R1 = objet(7), Objet_Equipes_Detruire(7);
            }
        } else {
            R1 = objet(c), Objet_Equipes_Detruire(c);
        }
    }

    if (Parametres.Objet_ChangerApparencePerso(T)) {
        Apparence = true;
        ApparenceBase = ApparenceFichier;
    }

    std::int16_t place = c;
    if (c == 0) {
        if (!SecondEmplacement)
            place = actif(0) ? 1 : 0;
        else
            place = !actif(1) ? 1 : (!actif(0) ? 0 : 1);
    } else if (c == 1) {
        place = 0;
    } else if (c == 6 || c == 7) {
        if (!SecondEmplacement)
            place = actif(6) ? 7 : 6;
        else
            place = !actif(7) ? 7 : (!actif(6) ? 6 : 7);
    }
    // A pair whose places are both still taken (a displaced item could not
    // be moved): what is there goes back rather than being overwritten.
    if (actif(place)) {
        const std::int16_t ancien = objet(place);
        Objet_Equipes_Detruire(place);
        if (R1 < 0) R1 = ancien; else if (R2 < 0) R2 = ancien; else Objet_Poser_Sol(ancien);
    }
    ObjetsEquipes[static_cast<std::size_t>(place)].Charger(T, Parametres);

    if (Inventaire) Objet_Inventaire_Detruire(Indice);
    // Displaced items go back to the inventory, or to the ground when it
    // is full.
    if (R1 >= 0) Objet_Placer_Inventaire(R1, Parametres, false);
    if (R2 >= 0) Objet_Placer_Inventaire(R2, Parametres, false);

    // A two-handed item keeps the second hand free; what was held there is
    // put away, not destroyed.
    if (actif(0) && categorie(0) == 1 && actif(1)) {
        const std::int16_t second = objet(1);
        ObjetsEquipes[1].Decharger();
        Objet_Placer_Inventaire(second, Parametres, false);
    }

    Actualiser_Bonus();
    Calculer_Apparence(Parametres);
    return true;
}

// ---- Scaling of item bonuses by the item competence ----
// L x V / S - V + V is evaluated as written, in extended precision: the
// subtraction and addition are not folded away.

std::int16_t ClsJeuPerso::Objet_Equipe_BonusSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const {
    // Most bonuses of most items are 0, which every level leaves at 0.
    if (ValeurBonus == 0.0f) return 0;
    const long double V = ValeurBonus;
    if (NiveauObjetsDepart <= 0) return Sature16(std::floor(static_cast<double>(V)));
    const long double L = Definir_Niveau_CompetenceObjets(NumeroCompetenceObjet);
    long double t = L * V;
    t = t / NiveauObjetsDepart;
    t = t - V;
    t = t + V;
    return Sature16(std::floor(static_cast<double>(t)));
}

float ClsJeuPerso::Objet_Equipe_GainSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const {
    if (ValeurBonus == 0.0f) return 0.0f;
    const long double V = ValeurBonus;
    if (NiveauObjetsDepart <= 0) return ValeurBonus;
    const long double L = Definir_Niveau_CompetenceObjets(NumeroCompetenceObjet);
    long double t = L * V;
    t = t / NiveauObjetsDepart;
    t = t - V;
    t = t + V;
    return static_cast<float>(t);
}

std::int16_t ClsJeuPerso::Objet_Equipe_PorteeSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const {
    // Most bonuses of most items are 0, which every level leaves at 0.
    if (ValeurBonus == 0.0f) return 0;
    const long double V = ValeurBonus;
    if (NiveauObjetsDepart <= 0) return Sature16(std::floor(static_cast<double>(V)));
    const long double L = Definir_Niveau_CompetenceObjets(NumeroCompetenceObjet);
    long double t = L * V;
    t = t / NiveauObjetsDepart;
    t = t - V;
    t = t * 0.25L;
    t = t + V;
    return Sature16(std::floor(static_cast<double>(t)));
}

std::int16_t ClsJeuPerso::Objet_Equipe_SurfaceSup(std::int16_t NumeroCompetenceObjet, float ValeurBonus) const {
    return Objet_Equipe_PorteeSup(NumeroCompetenceObjet, ValeurBonus);
}

std::int16_t ClsJeuPerso::Objet_Equipe_ArmureSup(std::int16_t /*NumeroCompetenceObjet*/, float ValeurBonus) const {
    return Sature16(std::floor(static_cast<double>(ValeurBonus)));
}

// ---- Rebuilding the item-derived values ----

void ClsJeuPerso::Ajuster_Bonus() {
    RegenerationVie = VitesseRegenerationVie;
    RegenerationEnergie = VitesseRegenerationEnergie;
    RegenerationMagie = VitesseRegenerationMagie;
    RegenerationMoral = VitesseRegenerationMoral;
    VitesseTotale = Vitesse;
    VieMax = VieBase;
    EnergieMax = EnergieBase;
    MagieMax = MagieBase;
    MoralMax = MoralBase;
    AttaqueMax = AttaqueBase;
    DefenseMax = DefenseBase;
    PorteeAttaqueTotale = PorteeAttaque;
    NiveauEffectifSpeciales = CaracSpeciales;
    NiveauEffectifRessources = NiveauRessources;
    NiveauEffectifServices = CaracServices;
    NiveauEffectifObjets = CaracObjets;
    SurfaceAttaqueTotale = SurfaceAttaqueBase;
    ArmureTotale = Armure;
    BonusMaxRessources = 0;
}

void ClsJeuPerso::Actualiser_Bonus() {
    // 1-2: per-tick gains and per-blow costs start from nothing.
    GainsObjets = false;
    GainArgentObjets = 0.0f;
    for (auto& g : GainRessourcesObjets) g = 0.0f;
    const double ancienVie = VieMax, ancienEnergie = EnergieMax, ancienMagie = MagieMax;
    const double ancienMoral = MoralMax, ancienAttaque = AttaqueMax, ancienDefense = DefenseMax;
    CoutCoupVie = CoutCoupEnergie = CoutCoupMagie = CoutCoupMoral = CoutCoupArgent = 0.0;
    CoutAttaque = 0.0;
    RessourceAttaque = 0;

    // 3: the character's own values.
    Ajuster_Bonus();

    // 4: item competences first. Each addition already counts in the next
    // one's level, as items read the effective level as it stands.
    for (const auto& slot : ObjetsEquipes) {
        if (!slot.Actif()) continue;
        for (std::size_t j = 0; j < NiveauEffectifObjets.size(); ++j) {
            const std::int16_t bonus = Objet_Equipe_BonusSup(slot.Competence, slot.Param_BonusCompetencesObjets(static_cast<std::int16_t>(j)));
            NiveauEffectifObjets[j] = Plus32(NiveauEffectifObjets[j], bonus);
        }
    }
    // 5: the race's share of item competences.
    for (std::size_t j = 0; j < NiveauEffectifObjets.size(); ++j) {
        const float coef = j < CoefRaceCompObjets.size() ? CoefRaceCompObjets[j] : 1.0f;
        NiveauEffectifObjets[j] = Fois32(coef, NiveauEffectifObjets[j]);
    }

    // 6: every worn item, its values scaled by its competence's level.
    for (const auto& slot : ObjetsEquipes) {
        if (!slot.Actif()) continue;
        const std::int16_t c = slot.Competence;
        if (!Volant) VitesseTotale = Plus32(VitesseTotale, Objet_Equipe_BonusSup(c, slot.BonusDeplacement));
        VieMax = Plus32(VieMax, Objet_Equipe_BonusSup(c, slot.BonusVie));
        EnergieMax = Plus32(EnergieMax, Objet_Equipe_BonusSup(c, slot.BonusEnergie));
        MagieMax = Plus32(MagieMax, Objet_Equipe_BonusSup(c, slot.BonusMagie));
        MoralMax = Plus32(MoralMax, Objet_Equipe_BonusSup(c, slot.BonusMoral));
        AttaqueMax = Plus32(AttaqueMax, Objet_Equipe_BonusSup(c, slot.BonusAttaque));
        DefenseMax = Plus32(DefenseMax, Objet_Equipe_BonusSup(c, slot.BonusDefense));
        PorteeAttaqueTotale = Plus16(PorteeAttaqueTotale, Objet_Equipe_PorteeSup(c, slot.BonusPorteeAttaque));
        SurfaceAttaqueTotale = Plus16(SurfaceAttaqueTotale, Objet_Equipe_SurfaceSup(c, slot.SurfaceAttaque));
        CoutCoupVie += slot.PerteVie;
        CoutCoupEnergie += slot.PerteEnergie;
        CoutCoupMagie += slot.PerteMagie;
        CoutCoupMoral += slot.PerteMoral;
        CoutCoupArgent += slot.PerteArgent;
        if (slot.PerteRessourceIndice >= 0) RessourceAttaque = slot.PerteRessourceIndice;
        CoutAttaque += slot.PerteRessourceQuantite;
        for (std::size_t j = 0; j < NiveauEffectifSpeciales.size(); ++j)
            NiveauEffectifSpeciales[j] = Plus32(NiveauEffectifSpeciales[j],
                Objet_Equipe_BonusSup(c, slot.Param_BonusCompetencesSpeciales(static_cast<std::int16_t>(j))));
        for (std::size_t j = 0; j < NiveauEffectifRessources.size(); ++j)
            NiveauEffectifRessources[j] = Plus32(NiveauEffectifRessources[j],
                Objet_Equipe_BonusSup(c, slot.Param_BonusCompetencesRessources(static_cast<std::int16_t>(j))));
        for (std::size_t j = 0; j < NiveauEffectifServices.size(); ++j)
            NiveauEffectifServices[j] = Plus32(NiveauEffectifServices[j],
                Objet_Equipe_BonusSup(c, slot.Param_BonusCompetencesServices(static_cast<std::int16_t>(j))));
        if (slot.GainArgent > 0) {
            GainsObjets = true;
            GainArgentObjets += Objet_Equipe_GainSup(c, slot.GainArgent);
        }
        for (std::size_t j = 0; j < GainRessourcesObjets.size(); ++j) {
            const float gain = slot.Param_GainRessource(static_cast<std::int16_t>(j));
            if (gain > 0) {
                GainRessourcesObjets[j] += Objet_Equipe_GainSup(c, gain);
                GainsObjets = true;
            }
        }
        ArmureTotale = Plus16(ArmureTotale, Objet_Equipe_ArmureSup(c, slot.BonusArmure));
        BonusMaxRessources = Plus32(BonusMaxRessources, Objet_Equipe_BonusSup(c, slot.BonusMaxRessources));
        RegenerationVie += slot.BonusVitesseRegenerationVie;
        RegenerationEnergie += slot.BonusVitesseRegenerationEnergie;
        RegenerationMagie += slot.BonusVitesseRegenerationMagie;
        RegenerationMoral += slot.BonusVitesseRegenerationMoral;
    }

    // 7: the race coefficient multiplies base and item bonuses together.
    VieMax = Fois32(CoefVie, VieMax);
    EnergieMax = Fois32(CoefEnergie, EnergieMax);
    MagieMax = Fois32(CoefMagie, MagieMax);
    MoralMax = Fois32(CoefMoral, MoralMax);
    AttaqueMax = Fois32(CoefAttaque, AttaqueMax);
    DefenseMax = Fois32(CoefDefense, DefenseMax);
    for (std::size_t j = 0; j < NiveauEffectifSpeciales.size(); ++j) {
        const float coef = j < CoefRaceCompSpeciales.size() ? CoefRaceCompSpeciales[j] : 1.0f;
        NiveauEffectifSpeciales[j] = Fois32(coef, NiveauEffectifSpeciales[j]);
    }
    // Resource competences scale the starting capacity, not the level.
    const double P = MaxRessourcesDepart;
    for (std::size_t j = 0; j < NiveauEffectifRessources.size(); ++j) {
        const double coef = j < CoefRaceCompRessources.size() ? CoefRaceCompRessources[j] : 1.0f;
        NiveauEffectifRessources[j] = Sature32(coef * P + NiveauEffectifRessources[j] - P);
    }
    for (std::size_t j = 0; j < NiveauEffectifServices.size(); ++j) {
        const float coef = j < CoefRaceCompServices.size() ? CoefRaceCompServices[j] : 1.0f;
        NiveauEffectifServices[j] = Fois32(coef, NiveauEffectifServices[j]);
    }

    // 8: every current value keeps its share of its maximum.
    Vie = Proportion(VieMax, Vie, ancienVie);
    Energie = Proportion(EnergieMax, Energie, ancienEnergie);
    Magie = Proportion(MagieMax, Magie, ancienMagie);
    Moral = Proportion(MoralMax, Moral, ancienMoral);
    ReserveVie = Proportion(VieMax, ReserveVie, ancienVie);
    ReserveEnergie = Proportion(EnergieMax, ReserveEnergie, ancienEnergie);
    ReserveMagie = Proportion(MagieMax, ReserveMagie, ancienMagie);
    ReserveMoral = Proportion(MoralMax, ReserveMoral, ancienMoral);
    Attaque = Proportion(AttaqueMax, Attaque, ancienAttaque);
    Defense = Proportion(DefenseMax, Defense, ancienDefense);

    // 9: nobody carries more than it now can.
    for (std::size_t r = 0; r < Ressources.size(); ++r) {
        const double maximum = Definir_MaxRessources(static_cast<std::int32_t>(r));
        if (Ressources[r] > maximum) Ressources[r] = maximum;
    }
}

float ClsJeuPerso::Definir_GainRessourcesObjets(std::int32_t Index) const {
    return Dans(GainRessourcesObjets, Index) ? GainRessourcesObjets[static_cast<std::size_t>(Index)] : 0.0f;
}
