// The treasure collection of a game: adding, picking up and removing
// treasures, and keeping the walkers' targets in step.
#include "world/ModTresors.h"

#include "characters/ClsJeuPerso.h"
#include "rules/ClsJeuParam.h"

std::int32_t ModTresors::Ajouter_Tresor(std::int32_t X, std::int32_t Y, const ClsJeuParam& Parametres) {
    ClsJeuTresors& tresor = Elements.emplace_back();
    tresor.Init(Parametres);
    tresor.X = X;
    tresor.Y = Y;
    return Count();
}

void ModTresors::Ramasser_Tresor_Collection(std::int32_t k, ClsJeuPerso& Perso, std::vector<ClsJeuPerso>& Persos,
                                            const ClsJeuParam& Parametres, ClsJeuCommentaires& Commentaires) {
    if (!Existe(k)) return;
    // Work on a copy: handing items over may put a displaced item on the
    // ground, which adds a treasure and may move the collection. Added
    // treasures go to the end, so number k still names this one.
    ClsJeuTresors tresor = (*this)(k);
    tresor.Rammasser_Tresor(Parametres, Commentaires, Perso);
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
        if (perso.Action != 204) continue;
        if (perso.CibleTresor == k)
            perso.Arreter();
        else if (perso.CibleTresor > k)
            --perso.CibleTresor;
    }
}
