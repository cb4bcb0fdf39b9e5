// What a computer-controlled character does when it has no errand: the
// idle patrol, and the guard duty of a summoned creature at a building.
#include "ai/ModIA.h"
#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"

void ModIA::Patrouiller(std::int32_t i) {
    if (!PersoValide(i)) return;
    const auto k = static_cast<std::size_t>(i);
    // The draw is compared with the thresholds in double precision, so that
    // a draw close to a threshold takes the same branch on every machine.
    const double r = Main.Aleatoire.Nombre_Aleatoire();

    // A summoned creature goes back to its place beside its master; any
    // other character goes home to its castle.
    auto rentrer = [&] {
        ClsJeuPerso& p = Main.Persos[k];
        if (p.Invocation()) {
            if (!IndiceDans(p.Invocateur, Main.Persos.size())) return;
            const ClsJeuPerso& maitre = Main.Persos[static_cast<std::size_t>(p.Invocateur)];
            p.Aller_A(maitre.DestinationX + p.DecalageFormationX, maitre.DestinationY + p.DecalageFormationY);
        } else {
            Envoyer_Chateau(i);
        }
    };

    if (Main.Persos[k].IA_Pacifique) {
        if (r < 0.1) rentrer();
        else if (r < 0.2) Aller_Au_Hasard(i);
        return;
    }
    std::int32_t trouve = -1;
    if (r < 0.05) {
        if (Chercher_Chateau_Rayon(i, trouve)) Main.Persos[k].Attaquer_Chateau(trouve);
    } else if (r < 0.1) {
        rentrer();
    } else if (r < 0.2) {
        Aller_Au_Hasard(i);
    } else if (r < 0.4) {
        if (Chercher_Maison_Rayon(i, trouve)) Main.Persos[k].Attaquer_Maison(trouve);
    } else {
        if (Chercher_Perso_Rayon(i, trouve)) Main.Persos[k].Attaquer_Perso(trouve);
    }
}

void ModIA::Garder_Batiment(std::int32_t i, bool Chateau) {
    if (!PersoValide(i)) return;
    const auto k = static_cast<std::size_t>(i);
    ClsJeuPerso& p = Main.Persos[k];
    const std::int32_t b = Chateau ? p.CibleChateau : p.CibleMaison;
    const auto& batiments = Chateau ? Main.Chateaux : Main.Maisons;
    // A post that names no building is as good as a fallen one.
    if (!IndiceDans(b, batiments.size()) || !batiments[static_cast<std::size_t>(b)].Visible()) {
        p.Suivre = 0;
        return;
    }
    if (p.EnCombat()) return;
    std::int32_t assaillant = -1;
    if (Chercher_Assaillant(i, b, Chateau, assaillant)) {
        p.Attaquer_Perso(assaillant);
        return;
    }

    // A random point just outside one side of the building.
    const ClsJeuBatiment& bat = batiments[static_cast<std::size_t>(b)];
    const double r = Main.Aleatoire.Nombre_Aleatoire();
    const double r2 = Main.Aleatoire.Nombre_Aleatoire();
    const std::int32_t bX = bat.X, bY = bat.Y, bL = bat.Largeur, bH = bat.Hauteur;
    const std::int32_t cL = p.Largeur, cH = p.Hauteur;
    // The sides' lengths are 16-bit sums, as the game keeps them.
    const double largeur = Sature16(static_cast<double>(bL) + cL);
    const double hauteur = Sature16(static_cast<double>(bH) + cH);
    double X = 0.0, Y = 0.0;
    if (r < 0.25) {
        X = bX - cL + Entier(largeur * r2);
        Y = bY - cH;
    } else if (r < 0.5) {
        X = bX + bL;
        Y = bY - cH + Entier(hauteur * r2);
    } else if (r < 0.75) {
        X = bX + bL - Entier(largeur * r2);
        Y = bY + bH;
    } else {
        X = bX - cL;
        Y = bY + bH - Entier(hauteur * r2);
    }
    p.Aller_A(Sature32(X), Sature32(Y));
}
