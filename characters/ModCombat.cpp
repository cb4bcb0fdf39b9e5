// The combat coefficients and the blows: between characters, on buildings
// and by area. Looting is in ModCombat_Pillage.cpp.
#include "characters/ModCombat.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "characters/ClsJeuPerso.h"
#include "characters/ModDialogue.h"
#include "engine/ModMain.h"
#include "platform/ErreurFichier.h"
#include "platform/Nombres.h"
#include "rules/ClsFicINI.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"

namespace {

// Special competences that blows train and scale by.
constexpr std::int32_t CompetenceSiege = 1;
constexpr std::int32_t CompetenceCombat = 2;
// The service competence of the bounty (service row 2).
constexpr std::int32_t CompetencePrime = 1;
constexpr std::int16_t ServicePrime = 2;

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

// City-block distance between two characters, in 64 bits so that far
// corners of a large map cannot overflow.
std::int64_t DistancePave(const ClsJeuPerso& a, const ClsJeuPerso& b) {
    return std::llabs(static_cast<std::int64_t>(a.PositionY) - b.PositionY) +
           std::llabs(static_cast<std::int64_t>(a.PositionX) - b.PositionX);
}

double Distance(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return std::sqrt(dy * dy + dx * dx);
}

}  // namespace

ModCombat::ModCombat(ModMain& Main) : Main(Main) { Charger_Parametres_Combat(); }

void ModCombat::Charger_Parametres_Combat() {
    ClsFicINI ini(Main.Dossier);
    ini.NomFichier = "Ini_Combat";
    ini.Section = "Combat";
    auto lire = [&](const char* cle) { return static_cast<float>(Val(ini.Parametre(cle))); };
    CoefDegatPerso = lire("CoefDegatPerso");
    CoefDegatBatiment = lire("CoefDegatBatiment");
    DureeImmobilisation = Sature16(Arrondi(Val(ini.Parametre("DureeImmobilisation"))));
    ChanceCoupCritique = lire("ChanceCoupCritique");
    CoefDegatCoupCritique = lire("CoefDegatCoupCritique");
    ChanceEchecCritique = lire("ChanceEchecCritique");
    PerteEchecCritique = lire("PerteEchecCritique");
    MaxDegatBatiment = lire("MaxDegatBatiment");
    CoefPillageArgentPersoMort = lire("CoefPillageArgentPersoMort");
    CoefPillageRessourcesPersoMort = lire("CoefPillageRessourcesPersoMort");
    CoefPillageObjetsPersoMort = lire("CoefPillageObjetsPersoMort");
    CoefDestructionObjets = lire("CoefDestructionObjets");
    CoefPillageArgentMaison = lire("CoefPillageArgentMaison");
    CoefPillageRessourcesMaison = lire("CoefPillageRessourcesMaison");
    CoefPillageObjetsMaison = lire("CoefPillageObjetsMaison");
    // The cost of every blow divides by it: without it no blow can be
    // resolved, so the file is refused rather than read as 0.
    if (!(CoefDegatPerso > 0.0f))
        throw ErreurFichier("Ini_Combat.ini",
                            "Section [Combat], clé CoefDegatPerso : la valeur « " + ini.Parametre("CoefDegatPerso") +
                                " » doit être un nombre supérieur à 0.");
}

// ---- Helpers ----

void ModCombat::Dire(ClsJeuPerso& Perso, std::int16_t Type) {
    Perso.Definir_Commentaires(Main.Commentaires.Message(Type, Perso));
}

float ModCombat::Tirage() { return Main.Aleatoire.Nombre_Aleatoire(); }

double ModCombat::NiveauSpecialesDepart() const {
    const std::int32_t n = Main.Parametres.PersosNiveauSpecialesDepart;
    return n > 0 ? n : 1.0;
}

double ModCombat::NiveauServicesDepart() const {
    const std::int32_t n = Main.Parametres.PersosNiveauServicesDepart;
    return n > 0 ? n : 1.0;
}

ClsJeuPerso* ModCombat::Perso(std::int32_t Indice) {
    return Dans(Main.Persos, Indice) ? &Main.Persos[static_cast<std::size_t>(Indice)] : nullptr;
}

// ---- A blow between characters ----

void ModCombat::Combat_Perso(ClsJeuPerso& A, ClsJeuPerso& T) {
    const ClsJeuParam& P = Main.Parametres;
    const double coefDegat = CoefDegatPerso;
    double cout = 0.0;

    // Critical failure: the target is not touched.
    const float r1 = Tirage();
    if (r1 <= ChanceEchecCritique && !A.Kamikaze) {
        Dire(A, 3);
        cout = PerteEchecCritique;
    } else {
        const bool etaitVivant = T.Vivant();
        // The blow lands.
        if (Dans(Main.EffetsPersos, T.NoMaison))
            Main.EffetsPersos[static_cast<std::size_t>(T.NoMaison)].Activer_Effet(
                A.Effet_Attaque(), T.PositionX, T.PositionY, T.Largeur, T.Hauteur, P, false);
        T.DureeImmobilisation = DureeImmobilisation;

        // What the blow costs: the attack that would just fail to kill.
        cout = T.Vie / coefDegat + T.Defense - 1.0;

        // Damage.
        const double a = A.Attaque, d = T.Defense, v = T.Vie;
        if (a > d) {
            const float r2 = Tirage();
            if (r2 <= ChanceCoupCritique) {
                const double critique = CoefDegatCoupCritique;
                const double k = A.Definir_Niveau_CompetenceSpeciales(CompetenceCombat) / NiveauSpecialesDepart();
                T.Definir_Vie(v - (critique * a - d) * coefDegat * k);
                const double k2 = A.Definir_Niveau_CompetenceSpeciales(CompetenceCombat) / NiveauSpecialesDepart();
                A.Gestion_Niveau_Comp_Speciale(CompetenceCombat, critique * A.Attaque * coefDegat * k2, P);
                Dire(A, 2);
            } else {
                T.Definir_Vie(v - (a - d) * coefDegat);
            }
        } else {
            T.Definir_Vie(v - 1.0);
        }

        // The defence is worn down by the whole attack.
        T.Definir_Defense(T.Definir_Defense() - A.Definir_Attaque());

        if (T.Vivant()) {
            // The target answers.
            if (T.IA_Active) {
                if (T.Action != Actions::Attaquer) {
                    T.Attaquer_Perso(A.NoMaison);
                } else {
                    // A target that no longer exists is as far as can be.
                    const ClsJeuPerso* C = Perso(T.CiblePerso);
                    if (C == nullptr || DistancePave(A, T) < DistancePave(*C, T)) T.Attaquer_Perso(A.NoMaison);
                }
                const bool h = T.Vie < T.Definir_MaxVie() / 2.0;
                const bool w = T.Vie < A.Vie;
                const float r3 = Tirage();
                if (r3 > 0.2f && h && w && !T.Invocation()) {
                    ModDialogue::Appel_Aide(Main, T.NoMaison);
                    const float r4 = Tirage();
                    if (r4 > 0.9f && T.LongueurPas >= A.LongueurPas && T.Vie < A.Vie && !T.IA_Temeraire) {
                        if (Dans(Main.Maisons, T.NoMaison) && Main.Maisons[static_cast<std::size_t>(T.NoMaison)].Acheve)
                            T.Rentrer_Maison(Main.Maisons[static_cast<std::size_t>(T.NoMaison)]);
                        else if (Dans(Main.Chateaux, T.Equipe) && Main.Chateaux[static_cast<std::size_t>(T.Equipe)].Visible())
                            T.Rentrer_Chateau(Main.Chateaux[static_cast<std::size_t>(T.Equipe)]);
                        else
                            Main.IA.Aller_Au_Hasard(T.NoMaison);
                        Dire(A, 13);
                    }
                }
            } else if (T.Inactif() || T.Action == Actions::Recolter) {
                T.Attaquer_Perso(A.NoMaison);
            }
        } else if (etaitVivant) {
            // The kill. Only a blow that killed counts it: a body struck
            // again is not killed twice.
            const ClsJeuPerso* maitre = Perso(T.Invocateur);
            if (T.Invocation() && maitre != nullptr && maitre->Vivant() && A.IA_Active && !A.IA_Pacifique &&
                A.CoefVitesse == 1.0) {
                A.Attaquer_Perso(T.Invocateur);
                Dire(A, 44);
            } else {
                A.Arreter();
            }
            T.Calculer_Apparence(P);

            ClsJeuPerso* S = A.Invocation() ? Perso(A.Invocateur) : nullptr;
            if (S != nullptr) {
                ClsJeuPerso& bestiaire = A.IA_Berserk ? *S : A;
                bestiaire.Definir_Bestiaire(T.Race, bestiaire.Definir_Bestiaire(T.Race) + 1);
                Piller_Perso(S->Vivant() ? *S : A, T);
                ++S->FragsPersos;
            } else {
                Piller_Perso(A, T);
                A.Definir_Bestiaire(T.Race, A.Definir_Bestiaire(T.Race) + 1);
                ++A.FragsPersos;
            }

            // The bounty of a hunting lodge, on every kill.
            if (Dans(Main.Maisons, A.NoMaison)) {
                ClsJeuBatiment& K = Main.Maisons[static_cast<std::size_t>(A.NoMaison)];
                if (K.Acheve && K.Service == ServicePrime) {
                    const double depart = NiveauServicesDepart();
                    const double montant = (T.Definir_MaxDefense() + T.Definir_MaxAttaque() + T.Definir_MaxVie()) *
                                           P.Service_Coefficient(ServicePrime) *
                                           (A.Definir_Niveau_CompetenceServices(CompetencePrime) + depart) / depart;
                    K.Service_Utiliser(A, P, montant);
                }
            }
        }
    }

    // The attacker pays, whatever happened.
    A.Definir_Attaque(A.Definir_Attaque() - cout);
}

// ---- A blow on a building ----

void ModCombat::Combat_Batiment(ClsJeuPerso& A, ClsJeuBatiment& B, ClsJeuPerso* O, std::int32_t C) {
    const ClsJeuParam& P = Main.Parametres;

    // The attack spent: the building's life, the cap, the attack.
    double S = B.Vie;
    if (!A.Kamikaze && S > MaxDegatBatiment) S = MaxDegatBatiment;
    if (S > A.Definir_Attaque()) S = A.Definir_Attaque();

    // The building takes the damage scaled by the attacker's siege skill;
    // the attacker spends the attack and trains the skill.
    const double k = A.Definir_Niveau_CompetenceSpeciales(CompetenceSiege) / NiveauSpecialesDepart();
    B.Definir_Vie(B.Vie - static_cast<double>(CoefDegatBatiment) * S * k);
    A.Attaque -= S;
    A.Gestion_Niveau_Comp_Speciale(CompetenceSiege, S, P);

    ClsJeuPerso* invocateur = A.Invocation() ? Perso(A.Invocateur) : nullptr;

    if (!B.Visible()) {
        // The building falls.
        A.Arreter();
        B.Endommage = false;
        if (C < 0) {
            ClsJeuPerso& pillard = invocateur != nullptr ? *invocateur : A;
            Piller_Maison(pillard, B);
            ++pillard.FragsMaisons;
            if (O != nullptr) {
                O->Calculer_Apparence(B, P);
                O->Definir_Commentaires("");
                Dire(*O, 5);
            }
            if (Dans(Main.EffetsMaisons, B.Proprietaire))
                Main.EffetsMaisons[static_cast<std::size_t>(B.Proprietaire)].Activer_Effet(
                    P.EffetMaisonDetruite, B.X, B.Y, B.Largeur, B.Hauteur, P, true);
            const float r = Tirage();
            if (O != nullptr && O->DansMaison && A.IA_Active && r < 0.9f) A.Attaquer_Perso(B.Proprietaire);
        } else {
            if (Dans(Main.EffetsMaisons, A.NoMaison))
                Main.EffetsMaisons[static_cast<std::size_t>(A.NoMaison)].Activer_Effet(
                    P.EffetChateauDetruit, B.X, B.Y, B.Largeur, B.Hauteur, P, true);
            for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
                const float r = Tirage();
                ClsJeuPerso& membre = Main.Persos[i];
                if (membre.Equipe == C && membre.Vivant() && r > 0.6f) {
                    membre.Definir_Commentaires("");
                    Dire(membre, 12);
                }
            }
            ++(invocateur != nullptr ? *invocateur : A).FragsChateaux;
        }
        return;
    }

    // The building stands: its people react.
    if (C < 0) {
        if (O == nullptr) return;
        if (Dans(Main.EffetsMaisons, O->NoMaison))
            Main.EffetsMaisons[static_cast<std::size_t>(O->NoMaison)].Activer_Effet(
                A.Effet_Attaque(), B.X, B.Y, B.Largeur, B.Hauteur, P, true);
        if (O->Vivant() && O->IA_Active) {
            const float r1 = Tirage();
            if (O->Action == Actions::Attaquer || r1 <= 0.75f) {
                const float r2 = Tirage();
                if (r2 > 0.65f && B.Definir_Vie() < B.MaxVie / 2.0) ModDialogue::Appel_Aide(Main, O->NoMaison);
            } else {
                O->Attaquer_Perso(A.NoMaison);
            }
        }
        Dire(*O, 4);
    } else {
        if (Dans(Main.EffetsMaisons, A.NoMaison))
            Main.EffetsMaisons[static_cast<std::size_t>(A.NoMaison)].Activer_Effet(
                A.Effet_Attaque(), B.X, B.Y, B.Largeur, B.Hauteur, P, true);
        for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
            ClsJeuPerso& membre = Main.Persos[i];
            if (membre.Equipe != C || !membre.Vivant() || membre.Invocation()) continue;
            const float r = Tirage();
            if (membre.IA_Active && r > 0.92f) membre.Attaquer_Perso(A.NoMaison);
            const float r2 = Tirage();
            if (r2 > 0.9f) Dire(membre, 11);
        }
        const float r = Tirage();
        if (A.IA_Active && r > 0.9f) ModDialogue::Appel_Aide(Main, A.NoMaison);
    }
}

// ---- The area attack ----

void ModCombat::Attaque_Surface(ClsJeuPerso& A, std::int32_t Surface) {
    const double sauve = A.Attaque;
    const double surface = Surface;

    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        ClsJeuPerso& cible = Main.Persos[i];
        if (Distance(cible.PositionX, cible.PositionY, A.PositionX, A.PositionY) < surface && cible.Camp != A.Camp &&
            cible.Attaquable()) {
            Combat_Perso(A, cible);
            A.Attaque = sauve;
        }
    }
    for (std::size_t k = 0; k < Main.Maisons.size(); ++k) {
        ClsJeuBatiment& maison = Main.Maisons[k];
        ClsJeuPerso* proprietaire = Perso(static_cast<std::int32_t>(k));
        if (proprietaire == nullptr) continue;
        if (Distance(maison.X, maison.Y, A.PositionX, A.PositionY) < surface && proprietaire->Camp != A.Camp &&
            maison.Visible()) {
            Combat_Batiment(A, maison, proprietaire, -1);
            A.Attaque = sauve;
        }
    }
    for (std::size_t k = 0; k < Main.Chateaux.size(); ++k) {
        ClsJeuBatiment& chateau = Main.Chateaux[k];
        if (!Dans(Main.Fiefs, static_cast<std::int32_t>(k))) continue;
        if (Distance(chateau.X, chateau.Y, A.PositionX, A.PositionY) < surface && Main.Fiefs[k].Camp != A.Camp &&
            chateau.Visible()) {
            Combat_Batiment(A, chateau, nullptr, static_cast<std::int32_t>(k));
            A.Attaque = sauve;
        }
    }
    A.Definir_Attaque(0.0);
}
