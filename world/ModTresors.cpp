// The treasure collection of a game: adding, picking up and removing
// treasures, and keeping the walkers' targets in step.
#include "world/ModTresors.h"

#include <algorithm>

#include "characters/ClsJeuPerso.h"
#include "rules/ClsJeuParam.h"
#include "world/ClsJeuMonde.h"

std::int32_t ModTresors::Ajouter_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuParam& Parametres) {
    ClsJeuTresors& tresor = Elements.emplace_back();
    tresor.Init(Parametres);
    tresor.X = X;
    tresor.Y = Y;
    return Count();
}

std::int64_t ModTresors::Case(std::int32_t X, std::int32_t Y, const ClsJeuMonde& Monde) {
    const std::int64_t lc = std::max<std::int64_t>(1, Monde.LargeurCase);
    const std::int64_t hc = std::max<std::int64_t>(1, Monde.HauteurCase);
    const std::int64_t colonnes = std::max<std::int64_t>(0, Monde.LargeurCarte) + 1;
    const std::int64_t lignes = std::max<std::int64_t>(0, Monde.HauteurCarte) + 1;
    // Rounded down, below 0 as well: a cell is a square of the map.
    auto bas = [](std::int64_t v, std::int64_t d) { return v >= 0 ? v / d : -((-v + d - 1) / d); };
    const std::int64_t cx = std::clamp<std::int64_t>(bas(X, lc), 0, colonnes - 1);
    const std::int64_t cy = std::clamp<std::int64_t>(bas(Y, hc), 0, lignes - 1);
    return cy * colonnes + cx;
}

std::int32_t ModTresors::Deposer_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuMonde& Monde,
                                        const ClsJeuParam& Parametres) {
    const std::int64_t c = Case(X, Y, Monde);
    for (std::size_t k = 0; k < Elements.size(); ++k)
        if (Case(Elements[k].X, Elements[k].Y, Monde) == c) return static_cast<std::int32_t>(k + 1);
    return Ajouter_Tresor(X, Y, Parametres);
}

void ModTresors::Ramasser_Tresor_Collection(std::int32_t k, ClsJeuPerso& Perso, std::vector<ClsJeuPerso>& Persos,
                                            const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires) {
    if (!Existe(k)) return;
    // Work on a copy: handing items over may put a displaced item on the
    // ground, which adds a treasure and may move the collection. Nothing is
    // removed meanwhile, so number k still names this one; it is emptied
    // first, so that what falls on its cell during the pick-up lands in it
    // and then joins what the character left.
    ClsJeuTresors tresor = (*this)(k);
    (*this)(k).Vider();
    tresor.Rammasser_Tresor(Parametres, Commentaires, Perso);
    if (!(*this)(k).Vide()) tresor.Joindre((*this)(k), Parametres);
    if (tresor.Vide())
        Supprimer_Tresor(k, Persos);
    else
        (*this)(k) = tresor;
    // An item displaced by what was just equipped lies down at once.
    Perso.Poser_Objets_En_Attente_Sol();
}

void ModTresors::Supprimer_Tresor(std::int32_t k, std::vector<ClsJeuPerso>& Persos) {
    if (!Existe(k)) return;
    Elements.erase(Elements.begin() + (k - 1));
    for (ClsJeuPerso& perso : Persos) {
        if (perso.Action != Actions::AllerTresor) continue;
        if (perso.CibleTresor == k)
            perso.Arreter();
        else if (perso.CibleTresor > k)
            --perso.CibleTresor;
    }
}
