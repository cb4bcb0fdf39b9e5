// The character's state: life and death, resurrection, visibility, money,
// immobilisation, the speech line over its head, its kill counts, the
// sprite it is drawn with and its step length for the tick.
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"

namespace {

template <class Rangee>
bool Dans(const Rangee& rangee, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size();
}

}  // namespace

// ---- Death and resurrection ----

void ClsJeuPerso::Vivant(bool Valeur) {
    // Only a change of state counts: killing the dead or raising the living
    // must not move the fief's or the summoner's counts.
    if (Valeur == Vivant()) return;
    if (Valeur)
        Ressusciter_Etat();
    else
        Mourir();
}

void ClsJeuPerso::Mourir() {
    Morts = Sature32(static_cast<double>(Morts) + 1.0);
    Commentaire.clear();
    Arreter();
    Vie = 0.0;
    ReserveVie = ReserveEnergie = ReserveMagie = ReserveMoral = 0.0;
    DureeImmobilisation = 0.0;
    DelaiResurrection = 100.0;
    if (Main == nullptr) return;
    if (Invocation()) {
        if (Dans(Main->Persos, Invocateur)) --Main->Persos[static_cast<std::size_t>(Invocateur)].NombreInvocations;
    } else if (Dans(Main->Fiefs, Equipe)) {
        ++Main->Fiefs[static_cast<std::size_t>(Equipe)].NombreMorts;
    }
}

void ClsJeuPerso::Ressusciter_Etat() {
    Arreter();
    Vie = Definir_MaxVie();
    Definir_Attaque(Definir_MaxAttaque());
    Definir_Defense(Definir_MaxDefense());
    if (Main != nullptr) {
        if (Invocation()) {
            if (Dans(Main->Persos, Invocateur)) ++Main->Persos[static_cast<std::size_t>(Invocateur)].NombreInvocations;
        } else if (Dans(Main->Fiefs, Equipe)) {
            --Main->Fiefs[static_cast<std::size_t>(Equipe)].NombreMorts;
        }
    }
    if (RestaurationComplete) {
        if (Regles != nullptr) {
            for (std::int32_t r = 0; r < Nombre_Ressources(); ++r) {
                const double depart = Regles->Race_Ressources(Race, r);
                if (Definir_Ressources(r) < depart) Definir_Ressources(r, depart);
            }
            // Race equipment the character lost comes back (one of each);
            // what finds no room goes to the ground.
            for (std::int32_t i = 0; i < Regles->Race_NombreEquipement(Race); ++i) {
                const std::int16_t e = Regles->Race_Equipement(Race, i);
                if (Objet_NombreType(e) == 0) Objet_Placer_Inventaire(e, *Regles, Equiper);
            }
        }
        ReserveEnergie = Definir_MaxEnergie();
        ReserveMagie = Definir_MaxMagie();
        ReserveMoral = Definir_MaxMoral();
    } else {
        if (Energie == 0.0) Energie = Definir_Energie();
        if (Moral == 0.0) Moral = Definir_Moral();
    }
}

// ---- Simple state ----

void ClsJeuPerso::Visible(bool Valeur) {
    DansChateau = DansChateauCible = DansMaison = DansMaisonCible = !Valeur;
}

void ClsJeuPerso::Definir_Argent(double Valeur) {
    if (std::isnan(Valeur)) return;
    Argent = Valeur < 0.0 ? 0.0 : Valeur;
}

void ClsJeuPerso::Definir_DureeImmobilisation(double Valeur) {
    DureeImmobilisation = Valeur;
    RessourceEnCours = -1;
}

// ---- Speech line ----

double ClsJeuPerso::Heure_Actuelle() const { return Main != nullptr ? Main->Horloge : 0.0; }

void ClsJeuPerso::Definir_Commentaires(const std::string& Valeur) { Definir_Commentaires(Valeur, Heure_Actuelle()); }

void ClsJeuPerso::Definir_Commentaires(const std::string& Valeur, double Heure) {
    if (!Parole) return;
    // A line being shown is never replaced; only "" clears it.
    if (!Valeur.empty() && !Commentaire.empty()) return;
    Commentaire = Valeur;
    if (!Valeur.empty()) HeureCommentaire = Heure;
}

// ---- Bestiary ----

std::int32_t ClsJeuPerso::Definir_Bestiaire(std::int16_t Index) const {
    return Dans(Bestiaire, Index) ? Bestiaire[static_cast<std::size_t>(Index)] : 0;
}

void ClsJeuPerso::Definir_Bestiaire(std::int16_t Index, std::int32_t Valeur) {
    if (Dans(Bestiaire, Index)) Bestiaire[static_cast<std::size_t>(Index)] = Valeur;
}

std::int32_t ClsJeuPerso::Definir_Bestiaire_Total() const {
    double total = 0.0;
    for (auto n : Bestiaire) total += n;
    return Sature32(total);
}

// ---- Appearance ----

void ClsJeuPerso::Calculer_Apparence(const ClsJeuBatiment& Maison, const ClsJeuParam& Parametres) {
    Calculer_Apparence_Maison(Maison.Acheve, Maison.TypeBatiment, Parametres);
}

void ClsJeuPerso::Calculer_Apparence(const ClsJeuParam& Parametres) {
    if (Main != nullptr && Dans(Main->Maisons, NoMaison))
        Calculer_Apparence(Main->Maisons[static_cast<std::size_t>(NoMaison)], Parametres);
    else
        Calculer_Apparence_Maison(false, -1, Parametres);
}

void ClsJeuPerso::Calculer_Apparence_Maison(bool MaisonAchevee, std::int32_t TypeBatiment,
                                             const ClsJeuParam& Parametres) {
    if (Apparence) {
        ApparenceAffichee = ApparenceBase;
        return;
    }
    // The body slot's look, then the look of the trade practised in a
    // finished house, then the character's own.
    const std::int16_t corps = Objet_Equipe(2).ApparencePerso;
    if (corps >= 1) {
        ApparenceAffichee = corps;
        return;
    }
    if (MaisonAchevee) {
        const std::int16_t metier = Parametres.Batiment_ApparencePerso(TypeBatiment);
        if (metier >= 1) {
            ApparenceAffichee = metier;
            return;
        }
    }
    ApparenceAffichee = ApparenceBase;
}

// ---- Step length ----

void ClsJeuPerso::Calculer_Longueur_Pas() {
    if (!Vivant()) {
        // The dead walk back to their castle at a fixed pace.
        LongueurPas = 6;
    } else {
        double pas = std::floor(static_cast<double>(VitesseTotale) * CoefVitesse);
        // The terrain under the character's feet slows walkers, not fliers.
        if (!Volant && Main != nullptr) {
            const double terrain = Main->Monde.CoefVitesse(PositionX, PositionY + Hauteur - Main->Monde.HauteurCase);
            pas = std::floor(pas * terrain);
        }
        if (pas < 1.0) pas = 1.0;
        LongueurPas = Sature32(pas);
    }
    Calculer_Pas_Diagonaux();
}

void ClsJeuPerso::Calculer_Pas_Diagonaux() {
    const std::int32_t h = Sature32(LongueurPas / 2.0);
    const std::int32_t q = static_cast<std::int32_t>(Entier(LongueurPas / 4.0));
    PasDiagonalB = Sature16(static_cast<double>(q) + h);
    PasDiagonalA = Sature16(static_cast<double>(q) + (LongueurPas - h));
}
