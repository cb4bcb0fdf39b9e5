// The character's share of the game-state fingerprint: the fields of its
// saved record, from the list the world save reads and writes, then what
// the save does not hold because the load works it out again from the
// record (maxima, bonuses, the items' rules), which the hash still checks.
// The speech line and its time stamp are left out: they are drawn and
// stamped by one machine only.
#include "characters/ClsJeuPerso.h"
#include "characters/ClsJeuPerso_Champs.h"
#include "engine/HachageEtat.h"
#include "rules/ClsJeuParam.h"

namespace {

void Hacher_Slot(HacheurEtat& h, const ClsJeuObjet& o, const ClsJeuParam* P) {
    h.Nommer("Objet");
    h.Ajouter(o.Indice);
    h.Ajouter(o.Nom);
    h.Ajouter(o.Description);
    h.Ajouter(o.Indestructible);
    h.Ajouter(o.Inseparable);
    h.Ajouter(o.Categorie);
    h.Ajouter(o.Competence);
    h.Ajouter(o.PrixVente);
    h.Ajouter(o.BonusVie);
    h.Ajouter(o.BonusEnergie);
    h.Ajouter(o.BonusMagie);
    h.Ajouter(o.BonusMoral);
    h.Ajouter(o.BonusAttaque);
    h.Ajouter(o.BonusPorteeAttaque);
    h.Ajouter(o.EffetAttaque);
    h.Ajouter(o.SurfaceAttaque);
    h.Ajouter(o.BonusDefense);
    h.Ajouter(o.BonusDeplacement);
    h.Ajouter(o.BonusArmure);
    h.Ajouter(o.BonusMaxRessources);
    h.Ajouter(o.BonusVitesseRegenerationVie);
    h.Ajouter(o.BonusVitesseRegenerationEnergie);
    h.Ajouter(o.BonusVitesseRegenerationMagie);
    h.Ajouter(o.BonusVitesseRegenerationMoral);
    h.Ajouter(o.PerteVie);
    h.Ajouter(o.PerteEnergie);
    h.Ajouter(o.PerteMagie);
    h.Ajouter(o.PerteMoral);
    h.Ajouter(o.PerteArgent);
    h.Ajouter(o.PerteRessourceIndice);
    h.Ajouter(o.PerteRessourceQuantite);
    h.Ajouter(o.ApparencePerso);
    h.Ajouter(o.ChangerApparencePerso);
    h.Ajouter(o.Utilisable);
    h.Ajouter(o.UtilisationUnique);
    h.Ajouter(o.UtilisationMort);
    h.Ajouter(o.Experience);
    h.Ajouter(o.Invocation);
    h.Ajouter(o.Quantite);
    h.Ajouter(o.GainVie);
    h.Ajouter(o.GainEnergie);
    h.Ajouter(o.GainMagie);
    h.Ajouter(o.GainMoral);
    h.Ajouter(o.GainArgent);
    h.Ajouter(o.Resurrection);
    h.Ajouter(o.SelfResurrection);
    h.Ajouter(o.CoutUtilisation);
    if (P == nullptr) return;
    for (std::int16_t r = 0; r < P->NombreRessources; ++r) {
        h.Ajouter(o.Param_PrixRessources(r));
        h.Ajouter(o.Param_BonusCompetencesRessources(r));
        h.Ajouter(o.Param_GainRessource(r));
    }
    for (std::int16_t c = 0; c < P->NombreCompetencesSpeciales; ++c) h.Ajouter(o.Param_BonusCompetencesSpeciales(c));
    for (std::int16_t c = 0; c + 1 < P->NombreServices; ++c) h.Ajouter(o.Param_BonusCompetencesServices(c));
    for (std::int16_t c = 0; c < P->NombreCompetencesObjets; ++c) h.Ajouter(o.Param_BonusCompetencesObjets(c));
}

}  // namespace

void ClsJeuPerso::Hacher(HacheurEtat& h, const ClsJeuParam& P, const ComptesMonde& n) const {
    ArchiveHachage a(h);
    ClsJeuPerso& p = const_cast<ClsJeuPerso&>(*this);
    // The saved record, its final section included.
    Champs_Perso_Debut(a, p, P, n);
    Champs_Perso_Fabrication(a, p, P);
    Champs_Perso_Objets(a, p, P);
    Champs_Perso_Fin(a, p, n);
    Champs_Perso_Suite(a, p);

    // What the load works out again from the record, the rules and the
    // world; the hash keeps checking that it comes back the same.
    a.I16(IndiceIA, "IndiceIA");
    a.F64(ArgentSelectionne, "ArgentSelectionne");
    a.B(SelectionRessources, "SelectionRessources");
    a.I16(PasDiagonalA, "PasDiagonalA");
    a.I16(PasDiagonalB, "PasDiagonalB");
    a.I32(PersoFichier, "PersoFichier");
    a.I32(NiveauObjetsDepart, "NiveauObjetsDepart");
    a.I16(CapaciteEnAttente, "CapaciteEnAttente");
    a.F32(VitesseRegenerationVie, "VitesseRegenerationVie");
    a.F32(VitesseRegenerationEnergie, "VitesseRegenerationEnergie");
    a.F32(VitesseRegenerationMagie, "VitesseRegenerationMagie");
    a.F32(VitesseRegenerationMoral, "VitesseRegenerationMoral");
    a.F32(RegenerationVie, "RegenerationVie");
    a.F32(RegenerationEnergie, "RegenerationEnergie");
    a.F32(RegenerationMagie, "RegenerationMagie");
    a.F32(RegenerationMoral, "RegenerationMoral");
    a.I16(RessourceAttaque, "RessourceAttaque");
    a.F64(CoutAttaque, "CoutAttaque");
    h.Nommer("ObjetsEnAttenteSol");
    h.Ajouter(ObjetsEnAttenteSol);
    h.Nommer("RessourcesSelectionnees");
    h.Ajouter(RessourcesSelectionnees);
    a.B(RestaurationComplete, "RestaurationComplete");
    a.I32(VieMax, "VieMax");
    a.I32(EnergieMax, "EnergieMax");
    a.I32(MagieMax, "MagieMax");
    a.I32(MoralMax, "MoralMax");
    a.I32(AttaqueMax, "AttaqueMax");
    a.I32(DefenseMax, "DefenseMax");
    a.I16(SurfaceAttaqueBase, "SurfaceAttaqueBase");
    a.I16(SurfaceAttaqueTotale, "SurfaceAttaqueTotale");
    a.I16(PorteeAttaqueTotale, "PorteeAttaqueTotale");
    a.F64(CoutCoupVie, "CoutCoupVie");
    a.F64(CoutCoupEnergie, "CoutCoupEnergie");
    a.F64(CoutCoupMagie, "CoutCoupMagie");
    a.F64(CoutCoupMoral, "CoutCoupMoral");
    a.F64(CoutCoupArgent, "CoutCoupArgent");
    a.I16(ArmureTotale, "ArmureTotale");
    a.B(GainsObjets, "GainsObjets");
    a.F32(GainArgentObjets, "GainArgentObjets");
    h.Nommer("GainRessourcesObjets");
    h.Ajouter(GainRessourcesObjets);
    a.I32(BonusMaxRessources, "BonusMaxRessources");
    h.Nommer("NiveauEffectifSpeciales");
    h.Ajouter(NiveauEffectifSpeciales);
    h.Nommer("NiveauEffectifRessources");
    h.Ajouter(NiveauEffectifRessources);
    h.Nommer("NiveauEffectifServices");
    h.Ajouter(NiveauEffectifServices);
    h.Nommer("NiveauEffectifObjets");
    h.Ajouter(NiveauEffectifObjets);
    a.I32(MaxRessourcesDepart, "MaxRessourcesDepart");
    // Each slot's copy of its item's rules, which the load takes again
    // from the rules.
    h.Ajouter(static_cast<std::uint64_t>(ObjetsEquipes.size()));
    for (const ClsJeuObjet& o : ObjetsEquipes) Hacher_Slot(h, o, Regles);
    h.Ajouter(static_cast<std::uint64_t>(ObjetsInventaire.size()));
    for (const ClsJeuObjet& o : ObjetsInventaire) Hacher_Slot(h, o, Regles);
}
