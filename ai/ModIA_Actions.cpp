// The short errands of the AI: send a character to a treasure, home, to
// another house or back to its castle, keep its errand flag, test its
// purse and whether its own building lacks raw material.
#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "world/ClsJeuBatiment.h"
#include "world/ClsJeuFief.h"
#include "world/ClsJeuTresors.h"

void ModIA::Envoyer_Tresor(std::int32_t i, std::int32_t n) {
    if (!PersoValide(i) || !Main.Tresors.Existe(n)) return;
    Main.Persos[static_cast<std::size_t>(i)].Aller_Tresor(Main.Tresors(n), n, ClsJeuTresors::Largeur,
                                                          ClsJeuTresors::Hauteur);
    CourseFaite[static_cast<std::size_t>(i)] = true;
}

void ModIA::Envoyer_Maison(std::int32_t i) {
    if (!PersoValide(i)) return;
    if (IndiceDans(i, Main.Maisons.size()))
        Main.Persos[static_cast<std::size_t>(i)].Rentrer_Maison(Main.Maisons[static_cast<std::size_t>(i)]);
    CourseFaite[static_cast<std::size_t>(i)] = false;
}

void ModIA::Envoyer_Batiment(std::int32_t i, std::int32_t k) {
    if (k == i) {
        Envoyer_Maison(i);
        return;
    }
    if (!PersoValide(i)) return;
    if (IndiceDans(k, Main.Maisons.size()))
        Main.Persos[static_cast<std::size_t>(i)].Aller_Maison(Main.Maisons[static_cast<std::size_t>(k)]);
    CourseFaite[static_cast<std::size_t>(i)] = false;
}

void ModIA::Envoyer_Chateau(std::int32_t i) {
    if (!PersoValide(i)) return;
    ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    if (IndiceDans(p.Equipe, Main.Chateaux.size())) p.Rentrer_Chateau(Main.Chateaux[static_cast<std::size_t>(p.Equipe)]);
    CourseFaite[static_cast<std::size_t>(i)] = false;
}

void ModIA::Marquer_Course(std::int32_t i) {
    if (PersoValide(i)) CourseFaite[static_cast<std::size_t>(i)] = true;
}

void ModIA::Visite_Chateau(std::int32_t i) {
    if (!PersoValide(i)) return;
    const auto k = static_cast<std::size_t>(i);
    if (CourseFaite[k] || !Main.Persos[k].DansChateau) return;
    Reparer_Chateau(i);
    CourseFaite[k] = true;
}

bool ModIA::Manque_Argent(std::int32_t i) const {
    if (i < 0 || static_cast<std::size_t>(i) >= Main.Persos.size()) return true;
    const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    // A character of no fief counts in the first era.
    const double epoque = IndiceDans(p.Equipe, Main.Fiefs.size()) ? Main.Fiefs[static_cast<std::size_t>(p.Equipe)].Epoque : 0;
    return p.Definir_Argent() < 300.0 * (epoque + 1.0);
}

bool ModIA::Besoin_Matiere(std::int32_t i) {
    if (!PersoValide(i) || !IndiceDans(i, Main.Maisons.size())) return false;
    const ClsJeuPerso& p = Main.Persos[static_cast<std::size_t>(i)];
    const ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(i)];
    // A full shop sends its owner to the castle to sell.
    if (maison.Magasin && maison.Definir_Stock() > maison.MaxStock - 1.0) return true;
    // So does a building short of its raw material: less than one unit
    // carried, as the AI counts raw material everywhere else.
    const std::int16_t matiere = Main.Parametres.Batiment_TypeMatierePremiere(maison.TypeBatiment, Main.Aleatoire);
    return matiere >= 0 && p.Definir_Ressources(matiere) < 1.0;
}
