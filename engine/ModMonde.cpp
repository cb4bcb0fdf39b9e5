// The per-tick world step.
#include "engine/ModMonde.h"

#include "characters/ModCapacites.h"
#include "engine/ModMain.h"

namespace {

template <class Rangee>
auto Element(Rangee& rangee, std::int32_t i) -> decltype(&rangee[0]) {
    return i >= 0 && static_cast<std::size_t>(i) < rangee.size() ? &rangee[static_cast<std::size_t>(i)] : nullptr;
}

}  // namespace

namespace ModMonde {

void Deplacer_Persos(ModMain& Main) {
    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        ClsJeuPerso& P = Main.Persos[i];

        // Upkeep. A character whose team names no fief keeps its upkeep
        // with a fief of nobody (its resurrection clock runs at full pace).
        if (ClsJeuFief* fief = Element(Main.Fiefs, P.Equipe)) {
            P.Recuperation(*fief);
        } else {
            ClsJeuFief aucun;
            P.Recuperation(aucun);
        }

        // The state machine, on the objects its indices name.
        std::int16_t code = -1;
        P.Deplacement(Element(Main.Ressources, P.CibleRessource), Element(Main.Persos, P.CiblePerso),
                      Element(Main.Maisons, P.CibleMaison), Element(Main.Chateaux, P.CibleChateau),
                      Element(Main.Fiefs, P.Equipe), code, Main.Commentaires, Main.Parametres);

        // A line from the work: the local player's character always says
        // it, the others one time in a hundred. The draw is made either way.
        if (code >= 0) {
            const float r = Main.Aleatoire.Nombre_Aleatoire();
            if (r > 0.99f || static_cast<std::int32_t>(i) == Main.NoPersoJoueur)
                P.Definir_Commentaires(Main.Commentaires.Message(code, P));
        }
    }
}

void Animer_Maisons(ModMain& Main) {
    for (ClsJeuBatiment& maison : Main.Maisons) maison.Actualiser_NumeroAnimation(Main.Parametres);
}

void Animer_Decors(ModMain& Main) {
    for (ClsJeuDecors& decor : Main.Decors) decor.ChangerEtapeAnimation();
}

void Animer_Effets(ModMain& Main) {
    // The effect arrays mirror Maisons and Persos: their bounds come from
    // those, within what the effect arrays hold.
    for (std::size_t k = 0; k < Main.Maisons.size() && k < Main.EffetsMaisons.size(); ++k)
        Main.EffetsMaisons[k].Etape_Suivante();
    for (std::size_t k = 0; k < Main.Persos.size() && k < Main.EffetsPersos.size(); ++k)
        Main.EffetsPersos[k].Etape_Suivante();
}

void Pas_Monde(ModMain& Main) {
    Deplacer_Persos(Main);
    ModCapacites::Capacites_Speciales(Main);
    Animer_Maisons(Main);
    Animer_Decors(Main);
    Animer_Effets(Main);
}

}  // namespace ModMonde
