// The fields of a character record, each described once against an
// archive (see world/ChampsMonde.h): the world save writes and reads them
// in this order, and the state hash feeds on the same list, so that a
// field cannot be saved and left out of the hash or the other way round.
// What the hash sees beyond the file (values the load recomputes) is
// listed beside the hash.
#pragma once

#include <cstdint>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "rules/ClsJeuParam.h"
#include "world/ChampsMonde.h"

// One characteristic: value, base, reserve (when it has one), experience,
// level and the two level thresholds.
template <class A>
void Carac(A& a, double& v, std::int32_t& base, double* reserve, double& exp, std::int32_t& niv, double& expNiv,
           double& expNivPlus, const char* nom) {
    a.F64(v, nom);
    a.I32(base, "Base");
    if (reserve) a.F64(*reserve, "Reserve");
    a.F64(exp, "Exp");
    a.I32(niv, "Niveau");
    a.F64(expNiv, "ExpNiv");
    a.F64(expNivPlus, "ExpNivPlus");
}

// Lines 1 to 105 of a character and its competences and coefficients.
template <class A>
void Champs_Perso_Debut(A& a, ClsJeuPerso& p, const ClsJeuParam& P, const ComptesMonde& n) {
    a.I32(p.PositionX, "PositionX");
    a.I32(p.PositionY, "PositionY");
    a.I32(p.Vitesse, "Vitesse");
    a.I32(p.VitesseTotale, "VitesseTotale");
    a.I16(p.EtapeAnimation, "EtapeAnimation");
    a.I16(p.ApparenceBase, "ApparenceBase");
    a.I32(p.DestinationX, "DestinationX");
    a.I32(p.DestinationY, "DestinationY");
    a.I32(p.NoMaison, "NoMaison");
    a.S(p.Nom, "Nom");
    a.I16(p.Largeur, "Largeur");
    a.I16(p.Hauteur, "Hauteur");
    a.I32(p.Equipe, "Equipe", 0, n.NF - 1);
    a.I32(p.Camp, "Camp");
    a.I32(p.Invocateur, "Invocateur", -1, n.NP - 1);
    a.B(p.IA_Incommandable, "IA_Incommandable");
    a.I32(p.DecalageFormationX, "DecalageFormationX");
    a.I32(p.DecalageFormationY, "DecalageFormationY");
    a.I16(p.Attitude, "Attitude");
    a.I16(p.Formation, "Formation");
    a.B(p.IA_Active, "IA_Active");
    a.I32(p.NombreInvocations, "NombreInvocations");
    a.I16(p.Race, "Race", 0, n.NRA - 1);
    a.B(p.Parole, "Parole");
    a.B(p.Volant, "Volant");
    a.B(p.Apparence, "Apparence");
    a.S(p.FichierApparence, "FichierApparence");
    a.I16(p.ApparenceFichier, "ApparenceFichier");
    a.I16(p.ApparenceAffichee, "ApparenceAffichee");
    a.B(p.Sexe, "Sexe");
    a.B(p.Experience, "Experience");
    a.F64(p.DelaiResurrection, "DelaiResurrection");
    // The speech line over the head and the time it was said: drawn and
    // stamped by one machine only, so the hash leaves them out.
    a.Local([&] {
        a.PS([&] { return p.Definir_Commentaires(); }, [&](const std::string& s) { p.Definir_Commentaires(s, 0.0); },
             "Commentaires");
    });
    a.B(p.ParoleSpecifique, "ParoleSpecifique");
    a.I16(p.CommentairesSpecifique, "CommentairesSpecifique");
    a.Local([&] { a.F64(p.HeureCommentaire, "HeureCommentaire"); });
    Carac(a, p.Vie, p.VieBase, &p.ReserveVie, p.ExpVie, p.NiveauVie, p.ExpNivVie, p.ExpNivPlusVie, "Vie");
    Carac(a, p.Energie, p.EnergieBase, &p.ReserveEnergie, p.ExpEnergie, p.NiveauEnergie, p.ExpNivEnergie,
          p.ExpNivPlusEnergie, "Energie");
    Carac(a, p.Magie, p.MagieBase, &p.ReserveMagie, p.ExpMagie, p.NiveauMagie, p.ExpNivMagie, p.ExpNivPlusMagie,
          "Magie");
    Carac(a, p.Moral, p.MoralBase, &p.ReserveMoral, p.ExpMoral, p.NiveauMoral, p.ExpNivMoral, p.ExpNivPlusMoral,
          "Moral");
    Carac(a, p.Attaque, p.AttaqueBase, nullptr, p.ExpAttaque, p.NiveauAttaque, p.ExpNivAttaque, p.ExpNivPlusAttaque,
          "Attaque");
    a.I16(p.PorteeAttaque, "PorteeAttaque");
    a.I16(p.EffetAttaque, "EffetAttaque", -1, P.NombreEffets - 1);
    a.B(p.PremierCoup, "PremierCoup");
    a.B(p.Kamikaze, "Kamikaze");
    Carac(a, p.Defense, p.DefenseBase, nullptr, p.ExpDefense, p.NiveauDefense, p.ExpNivDefense, p.ExpNivPlusDefense,
          "Defense");
    a.I16(p.Armure, "Armure");
    a.B(p.IA, "IA");
    a.S(p.FichierIA, "FichierIA");
    a.B(p.Equiper, "Equiper");
    a.B(p.IA_Manger, "IA_Manger");
    a.B(p.IA_Pacifique, "IA_Pacifique");
    a.B(p.IA_Temeraire, "IA_Temeraire");
    a.B(p.IA_Berserk, "IA_Berserk");
    a.I16(p.Suivre, "Suivre");
    // Which of this machine's players steers the character: each machine
    // of a network game marks only its own, so the hash leaves it out.
    a.Local([&] { a.B(p.Joueur, "Joueur"); });
    a.PF64([&] { return p.Definir_Argent(); }, [&](double v) { p.Definir_Argent(v); }, "Argent");
    a.I16(p.Action, "Action");
    a.I16(p.Direction, "Direction");
    a.F64(p.DureeImmobilisation, "DureeImmobilisation");
    a.B(p.DansMaisonCible, "DansMaisonCible");
    a.B(p.DansMaison, "DansMaison");
    a.I32(p.CibleMaison, "CibleMaison");
    a.B(p.DansChateauCible, "DansChateauCible");
    a.B(p.DansChateau, "DansChateau");
    a.I32(p.CibleRessource, "CibleRessource");
    a.I32(p.CibleChateau, "CibleChateau");
    a.I32(p.CiblePerso, "CiblePerso");
    a.I32(p.CibleTresor, "CibleTresor");
    a.I32(p.RessourceEnCours, "RessourceEnCours");
    a.I32(p.ServiceEnCours, "ServiceEnCours");

    for (std::int32_t s = 0; s < n.NCS; ++s) {
        a.PI16([&] { return p.Definir_Carac_CompetenceSpeciales(s); },
               [&](std::int16_t v) { p.Definir_Carac_CompetenceSpeciales(s, v); }, "CompetenceSpeciale");
        a.PF64([&] { return p.Definir_ExpSpeciales(s); }, [&](double v) { p.Definir_ExpSpeciales(s, v); }, "ExpSpeciales");
        a.PI16([&] { return p.Niveau_CompetenceSpeciales(s); }, [&](std::int16_t v) { p.Niveau_CompetenceSpeciales(s, v); },
               "NiveauSpeciales");
        a.PF64([&] { return p.Definir_ExpNivSpeciales(s); }, [&](double v) { p.Definir_ExpNivSpeciales(s, v); },
               "ExpNivSpeciales");
        a.PF64([&] { return p.Definir_ExpNivPlusSpeciales(s); }, [&](double v) { p.Definir_ExpNivPlusSpeciales(s, v); },
               "ExpNivPlusSpeciales");
    }
    for (std::int32_t r = 0; r < n.NR; ++r) {
        a.PI32([&] { return p.Definir_Carac_Ressources(r); }, [&](std::int32_t v) { p.Definir_Carac_Ressources(r, v); },
               "CompetenceRessource");
        a.PF64([&] { return p.Definir_ExpRessources(r); }, [&](double v) { p.Definir_ExpRessources(r, v); },
               "ExpRessources");
        a.PI16([&] { return p.Niveau_CompetenceRessources(r); },
               [&](std::int16_t v) { p.Niveau_CompetenceRessources(r, v); }, "NiveauRessources");
        a.PF64([&] { return p.Definir_ExpNivRessources(r); }, [&](double v) { p.Definir_ExpNivRessources(r, v); },
               "ExpNivRessources");
        a.PF64([&] { return p.Definir_ExpNivPlusRessources(r); },
               [&](double v) { p.Definir_ExpNivPlusRessources(r, v); }, "ExpNivPlusRessources");
    }
    for (std::int32_t v = 0; v < n.NSV; ++v) {
        a.PI16([&] { return p.Definir_Carac_CompetenceServices(v); },
               [&](std::int16_t x) { p.Definir_Carac_CompetenceServices(v, x); }, "CompetenceService");
        a.PF64([&] { return p.Definir_ExpServices(v); }, [&](double x) { p.Definir_ExpServices(v, x); }, "ExpServices");
        a.PI16([&] { return p.Niveau_CompetenceServices(v); }, [&](std::int16_t x) { p.Niveau_CompetenceServices(v, x); },
               "NiveauServices");
        a.PF64([&] { return p.Definir_ExpNivServices(v); }, [&](double x) { p.Definir_ExpNivServices(v, x); },
               "ExpNivServices");
        a.PF64([&] { return p.Definir_ExpNivPlusServices(v); }, [&](double x) { p.Definir_ExpNivPlusServices(v, x); },
               "ExpNivPlusServices");
    }
    for (std::int32_t o = 0; o < n.NCO; ++o) {
        a.PI16([&] { return p.Definir_Carac_CompetenceObjets(o); },
               [&](std::int16_t x) { p.Definir_Carac_CompetenceObjets(o, x); }, "CompetenceObjet");
        a.PF64([&] { return p.Definir_ExpObjets(o); }, [&](double x) { p.Definir_ExpObjets(o, x); }, "ExpObjets");
        a.PI16([&] { return p.Niveau_CompetenceObjets(o); }, [&](std::int16_t x) { p.Niveau_CompetenceObjets(o, x); },
               "NiveauObjets");
        a.PF64([&] { return p.Definir_ExpNivObjets(o); }, [&](double x) { p.Definir_ExpNivObjets(o, x); },
               "ExpNivObjets");
        a.PF64([&] { return p.Definir_ExpNivPlusObjets(o); }, [&](double x) { p.Definir_ExpNivPlusObjets(o, x); },
               "ExpNivPlusObjets");
    }
    a.F32(p.CoefVie, "CoefVie");
    a.F32(p.CoefEnergie, "CoefEnergie");
    a.F32(p.CoefMagie, "CoefMagie");
    a.F32(p.CoefMoral, "CoefMoral");
    a.F32(p.CoefAttaque, "CoefAttaque");
    a.F32(p.CoefDefense, "CoefDefense");
    for (std::int16_t s = 0; s < n.NCS; ++s)
        a.PF32([&] { return p.Definir_CoefRaceCompSpeciales(s); }, [&](float v) { p.Definir_CoefRaceCompSpeciales(s, v); },
               "CoefRaceCompSpeciales");
    for (std::int16_t r = 0; r < n.NR; ++r)
        a.PF32([&] { return p.Definir_CoefRaceCompRessources(r); },
               [&](float v) { p.Definir_CoefRaceCompRessources(r, v); }, "CoefRaceCompRessources");
    for (std::int16_t v = 0; v < n.NSV; ++v)
        a.PF32([&] { return p.Definir_CoefRaceCompServices(v); }, [&](float x) { p.Definir_CoefRaceCompServices(v, x); },
               "CoefRaceCompServices");
    for (std::int16_t o = 0; o < n.NCO; ++o)
        a.PF32([&] { return p.Definir_CoefRaceCompObjets(o); }, [&](float x) { p.Definir_CoefRaceCompObjets(o, x); },
               "CoefRaceCompObjets");
}

// What the character is making and has selected.
template <class A>
void Champs_Perso_Fabrication(A& a, ClsJeuPerso& p, const ClsJeuParam& P) {
    a.I16(p.ObjetEnCours, "ObjetEnCours");
    a.I16(p.IndiceObjetSelectionne, "IndiceObjetSelectionne", -1, P.NombreTypesObjets - 1);
    a.F64(p.ProgressionFabrication, "ProgressionFabrication");
}

// One item slot: in use, and the item type. A unique item belongs to its
// hero's file: a hero's slot holding one is written empty, since the file
// brings it back. Any other character has no file but the world, which
// keeps its unique items like the others.
template <class A>
void Champs_Perso_Emplacement(A& a, const ClsJeuPerso& p, bool& actif, std::int16_t& type, const ClsJeuParam& P) {
    if constexpr (A::Ecriture) {
        if (p.PersoFichier > 0 && actif && type >= 0 && type < P.NombreTypesObjets && P.Objet_Unique(type)) {
            actif = false;
            type = 0;
        }
    }
    a.B(actif, "ObjetActif");
    a.I16(type, "ObjetType", actif ? 0 : champs::Min16, actif ? P.NombreTypesObjets - 1 : champs::Max16);
}

// Every equipment slot, then every inventory slot. The reader loads the
// item of a slot in use into it.
template <class A>
void Champs_Perso_Objets(A& a, ClsJeuPerso& p, const ClsJeuParam& P) {
    for (std::int16_t k = 0; k < p.Nombre_Objets_Equipes(); ++k) {
        bool actif = p.Objet_Equipes_Actif(k);
        std::int16_t type = p.Objet_Equipes_Type(k);
        Champs_Perso_Emplacement(a, p, actif, type, P);
        if constexpr (A::Lecture) {
            p.Objet_Equipes_Actif(k, actif);
            p.Objet_Equipes_Type(k, type);
            if (actif) p.Objet_Equipe_Charger(k, type, P);
        }
    }
    for (std::int16_t k = 0; k < p.Nombre_Objets_Inventaire(); ++k) {
        bool actif = p.Objet_Inventaire_Actif(k);
        std::int16_t type = p.Objet_Inventaire_Type(k);
        Champs_Perso_Emplacement(a, p, actif, type, P);
        if constexpr (A::Lecture) {
            p.Objet_Inventaire_Actif(k, actif);
            p.Objet_Inventaire_Type(k, type);
            if (actif) p.Objet_Inventaire_Charger(k, type, P);
        }
    }
}

// The resources carried and the bestiary: the record's last lines.
template <class A>
void Champs_Perso_Fin(A& a, ClsJeuPerso& p, const ComptesMonde& n) {
    for (std::int32_t r = 0; r < n.NR; ++r)
        a.PF64([&] { return p.Definir_Ressources(r); }, [&](double v) { p.Definir_Ressources(r, v); }, "Ressources");
    for (std::int16_t r = 0; r < n.NRA; ++r)
        a.PI32([&] { return p.Definir_Bestiaire(r); }, [&](std::int32_t v) { p.Definir_Bestiaire(r, v); }, "Bestiaire",
               0, champs::Max32);
}

// What the record of the first format lacks and the rules read: the
// walking flag, the pace, the fatigue factor they were last worked out
// with (each worked out at a step and read until the next one, so the
// state of the save cannot give them back), and the tallies of kills and
// deaths. Kept in the file's final section; a file without it recomputes
// the pace and walking flag from the position and counts from 0.
template <class A>
void Champs_Perso_Suite(A& a, ClsJeuPerso& p) {
    a.B(p.EnMarche, "EnMarche");
    a.F64(p.CoefVitesse, "CoefVitesse");
    a.I32(p.LongueurPas, "LongueurPas", 0, champs::Max32);
    a.I32(p.FragsPersos, "FragsPersos", 0, champs::Max32);
    a.I32(p.FragsMaisons, "FragsMaisons", 0, champs::Max32);
    a.I32(p.FragsChateaux, "FragsChateaux", 0, champs::Max32);
    a.I32(p.Morts, "Morts", 0, champs::Max32);
}
