// Calls for help, the orders a leader gives its summoned creatures, the
// formations, and the orders of a player's selection.
#include "characters/ModDialogue.h"

#include <algorithm>
#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "world/ClsJeuBatiment.h"

namespace {

bool Existe(const ModMain& main, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < main.Persos.size();
}

ClsJeuPerso& Perso(ModMain& main, std::int32_t i) { return main.Persos[static_cast<std::size_t>(i)]; }

void Dire(ModMain& main, ClsJeuPerso& perso, std::int16_t type) {
    perso.Definir_Commentaires(main.Commentaires.Message(type, perso));
}

// The line is cleared first, so that the new one shows.
void Redire(ModMain& main, ClsJeuPerso& perso, std::int16_t type) {
    perso.Definir_Commentaires("");
    Dire(main, perso, type);
}

bool Suit(const ClsJeuPerso& p, std::int32_t chef) { return p.Invocateur == chef && p.Vivant(); }

// A member acknowledges an order of its player with a chance of one in ten;
// only the player's machine hears it.
void Acquitter(ModMain& main, std::int32_t chef, std::int32_t m) {
    const float r = main.GenerateurPlateforme.Suivant();
    if (m != Perso(main, chef).NoMaison && r < 0.1f) Dire(main, Perso(main, m), 31);
}

// The three attack orders of a selection differ only by the order given
// and the leader's two lines.
template <class Ordre>
void Ordre_Attaquer(ModMain& main, std::int32_t chef, const ModDialogue::Groupe& groupe, std::int32_t cible,
                    Ordre ordre, std::int16_t ligneUn, std::int16_t lignePlusieurs) {
    if (cible < 0 || !Existe(main, chef)) return;
    for (std::int32_t m : groupe) {
        if (!Existe(main, m)) continue;
        ordre(Perso(main, m), cible);
        Perso(main, m).Suivre = 0;
        Acquitter(main, chef, m);
    }
    Dire(main, Perso(main, chef), groupe.size() > 1 ? lignePlusieurs : ligneUn);
}

}  // namespace

namespace ModDialogue {

void Appel_Aide(ModMain& Main, std::int32_t v) {
    if (!Existe(Main, v)) return;
    // About three answer whatever the size of the fief. A fief with no
    // counted character still lets the three nearest chances through.
    std::int32_t n = 0;
    const std::int32_t equipe = Perso(Main, v).Equipe;
    if (equipe >= 0 && static_cast<std::size_t>(equipe) < Main.Fiefs.size())
        n = std::max<std::int32_t>(0, Main.Fiefs[static_cast<std::size_t>(equipe)].NombrePersos);
    const double seuil = 3.0 / (n + 1.0);

    for (std::size_t i = 0; i < Main.Persos.size(); ++i) {
        // The draw is made for everyone; in a large fief it lets few
        // through, and only those are looked at.
        const float r = Main.Aleatoire.Nombre_Aleatoire();
        if (!(r < seuil)) continue;
        ClsJeuPerso& P = Main.Persos[i];
        ClsJeuPerso& V = Perso(Main, v);
        if (!(P.Vie > P.Definir_MaxVie() * 0.5 && P.Camp == V.Camp && P.Action < Actions::ProduireMaison && P.CoefVitesse == 1.0 &&
              !P.IA_Pacifique && !P.Invocation() && P.IA_Active))
            continue;
        bool envoye = true;
        switch (V.Action) {
        case Actions::Attaquer:
            Redire(Main, V, 6);
            P.Attaquer_Perso(V.CiblePerso);
            break;
        case Actions::DetruireMaison:
            Redire(Main, V, 7);
            P.Attaquer_Maison(V.CibleMaison);
            break;
        case Actions::DetruireChateau:
            Redire(Main, V, 8);
            P.Attaquer_Chateau(V.CibleChateau);
            break;
        default: {
            // The caller's own attacker, the first found.
            envoye = false;
            for (std::size_t q = 0; q < Main.Persos.size(); ++q) {
                const float s = Main.Aleatoire.Nombre_Aleatoire();
                const ClsJeuPerso& Q = Main.Persos[q];
                if ((Q.Action == Actions::Attaquer && Q.CiblePerso == v) || (Q.Action == Actions::DetruireMaison && Q.CibleMaison == v && s < 0.5f)) {
                    Redire(Main, V, 9);
                    P.Attaquer_Perso(static_cast<std::int32_t>(q));
                    envoye = true;
                    break;
                }
            }
            break;
        }
        }
        if (envoye) Dire(Main, P, 10);
    }
}

void Ordre_Attaquer_Groupe(ModMain& Main, std::int32_t Chef, std::int16_t TypeCible, std::int32_t IndiceCible,
                           bool Choix1, bool Choix2) {
    if (!Existe(Main, Chef)) return;
    // The leader's own attack.
    if (TypeCible == CibleActuelle) {
        const ClsJeuPerso& L = Perso(Main, Chef);
        switch (L.Action) {
        case Actions::Attaquer:
            TypeCible = CiblePerso;
            if (IndiceCible == -1) IndiceCible = L.CiblePerso;
            break;
        case Actions::DetruireMaison:
            TypeCible = CibleMaison;
            if (IndiceCible == -1) IndiceCible = L.CibleMaison;
            break;
        case Actions::DetruireChateau:
            TypeCible = CibleChateau;
            if (IndiceCible == -1) IndiceCible = L.CibleChateau;
            break;
        default: break;
        }
    }
    // A kind the game does not know orders nothing but the leader's own
    // follow-up.
    if (TypeCible < CibleActuelle || TypeCible > CibleChateau) TypeCible = CibleActuelle;

    // How many followers take the order, from the two choices.
    const std::size_t maximum = Choix2 ? (Choix1 ? 10 : 5) : (Choix1 ? 1 : Main.Persos.size());

    // The leader's nearest attacker; the distances are kept rounded.
    std::int32_t assaillant = -1;
    {
        const ClsJeuPerso& L = Perso(Main, Chef);
        std::int32_t meilleure = Main.Monde.Longueur_Diagonale();
        for (std::size_t q = 0; q < Main.Persos.size(); ++q) {
            const ClsJeuPerso& Q = Main.Persos[q];
            if (!((Q.Action == Actions::Attaquer && Q.CiblePerso == Chef) || (Q.Action == Actions::DetruireMaison && Q.CibleMaison == Chef))) continue;
            const double dx = static_cast<double>(Q.PositionX) - L.PositionX;
            const double dy = static_cast<double>(Q.PositionY) - L.PositionY;
            const std::int32_t d = Sature32(std::sqrt(dx * dx + dy * dy));
            if (d < meilleure) {
                meilleure = d;
                assaillant = static_cast<std::int32_t>(q);
            }
        }
    }

    // With no attacker to answer, the followers fall back into formation.
    if (TypeCible == CibleActuelle && assaillant < 0) Placer_Formation(Main, Chef, false, false);

    // The order goes to the free followers, in index order, up to the maximum.
    std::size_t ordonnes = 0;
    for (std::size_t p = 0; p < Main.Persos.size() && ordonnes < maximum; ++p) {
        ClsJeuPerso& P = Main.Persos[p];
        if (!Suit(P, Chef) || P.EnCombat()) continue;
        const ClsJeuPerso& L = Perso(Main, Chef);
        switch (TypeCible) {
        case CiblePerso: P.Attaquer_Perso(IndiceCible); break;
        case CibleMaison: P.Attaquer_Maison(IndiceCible); break;
        case CibleChateau: P.Attaquer_Chateau(IndiceCible); break;
        default:
            if (assaillant >= 0)
                P.Attaquer_Perso(assaillant);
            else
                P.Aller_A(Sature32(static_cast<double>(L.DestinationX) + P.DecalageFormationX),
                          Sature32(static_cast<double>(L.DestinationY) + P.DecalageFormationY));
            break;
        }
        const float r = Main.Aleatoire.Nombre_Aleatoire();
        if (r < 0.1f) Dire(Main, P, 31);
        ++ordonnes;
    }

    // The leader says what was done.
    ClsJeuPerso& L = Perso(Main, Chef);
    std::int16_t ligne;
    if (ordonnes == 0)
        ligne = 32;
    else if (TypeCible == CiblePerso)
        ligne = ordonnes == 1 ? 25 : 26;
    else if (TypeCible == CibleMaison)
        ligne = ordonnes == 1 ? 27 : 28;
    else if (TypeCible == CibleChateau)
        ligne = ordonnes == 1 ? 29 : 30;
    else if (assaillant >= 0)
        ligne = 24;
    else
        ligne = L.EnMarche ? 23 : 22;
    Redire(Main, L, ligne);
}

void Ordre_Arreter_Groupe(ModMain& Main, std::int32_t Chef, bool Selection, const Groupe& Groupe) {
    if (!Existe(Main, Chef)) return;
    bool parler = Selection;
    if (Selection) {
        for (std::int32_t m : Groupe) {
            if (!Existe(Main, m)) continue;
            Perso(Main, m).Arreter();
            Perso(Main, m).Suivre = 0;
        }
    } else {
        for (ClsJeuPerso& P : Main.Persos) {
            if (!Suit(P, Chef)) continue;
            P.Arreter();
            parler = true;
        }
    }
    if (parler) Redire(Main, Perso(Main, Chef), 21);
}

void Placer_Formation(ModMain& Main, std::int32_t Chef, bool ChangerFormation, bool Silencieux) {
    if (!Existe(Main, Chef)) return;
    ClsJeuPerso& L = Perso(Main, Chef);
    if (ChangerFormation) L.Changer_Formation();

    // Row length and start of the formation.
    const double s = Entier(std::sqrt(static_cast<double>(std::max<std::int32_t>(0, L.NombreInvocations))));
    const double W = Arrondi(s * 1.5);
    double R = 0.0, X = 0.0, Y = 0.0;
    const std::int16_t formation = L.Formation;
    switch (formation) {
    case 0:
        R = Arrondi(W / 1.5);
        X = 12.0 * R - 12.0;
        Y = Arrondi(12.0 * R + 12.0);
        break;
    case 1:
    case 2:
        R = W;
        X = 12.0 * W - 12.0;
        break;
    case 3:
    case 4:
        R = W;
        Y = Arrondi(12.0 * W - 12.0);
        break;
    default: break;
    }
    const bool connue = formation >= 0 && formation <= 4;

    // With no row length (no creature counted) nobody is placed: the
    // count of places divides by it.
    if (!connue || R >= 1.0) {
        const std::int64_t rang = static_cast<std::int64_t>(R);
        std::int64_t c = 0;
        for (ClsJeuPerso& P : Main.Persos) {
            if (!Suit(P, Chef) || P.Suivre != 0) continue;
            if (!connue) {
                P.DecalageFormationX = 0;
                P.DecalageFormationY = 0;
                continue;
            }
            if (c % rang == 0) {
                switch (formation) {
                case 0:
                case 1: Y -= 24.0; X -= 24.0 * R - 24.0; break;
                case 2: Y += 24.0; X -= 24.0 * R - 24.0; break;
                case 3: X -= 24.0; Y += 24.0 - 24.0 * R; break;
                default: X += 24.0; Y += 24.0 - 24.0 * R; break;
                }
            } else if (formation <= 2) {
                X += 24.0;
            } else {
                Y += 24.0;
            }
            P.DecalageFormationX = Sature32(X);
            P.DecalageFormationY = Sature32(Y);
            ++c;
        }
    }

    // The leader says the formation was taken.
    if (!Silencieux) Dire(Main, Perso(Main, Chef), Perso(Main, Chef).EnMarche ? 23 : 22);
}

void Activer_IA_Invocations(ModMain& Main, std::int32_t Chef, bool Valeur) {
    if (!Existe(Main, Chef) || Perso(Main, Chef).NombreInvocations <= 0) return;
    for (ClsJeuPerso& P : Main.Persos)
        if (Suit(P, Chef)) P.IA_Active = Valeur;
}

void Ordre_Deplacer_Groupe(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t X, std::int32_t Y) {
    if (!Existe(Main, Chef)) return;
    for (std::int32_t m : Groupe) {
        if (!Existe(Main, m)) continue;
        ClsJeuPerso& P = Perso(Main, m);
        P.Aller_A(Sature32(static_cast<double>(X) + P.DecalageFormationX),
                  Sature32(static_cast<double>(Y) + P.DecalageFormationY));
        P.Suivre = 0;
        Acquitter(Main, Chef, m);
    }
    Dire(Main, Perso(Main, Chef), 23);
}

void Ordre_Attaquer_Perso(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible) {
    Ordre_Attaquer(Main, Chef, Groupe, IndiceCible, [](ClsJeuPerso& p, std::int32_t c) { p.Attaquer_Perso(c); }, 25, 26);
}

void Ordre_Attaquer_Maison(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible) {
    Ordre_Attaquer(Main, Chef, Groupe, IndiceCible, [](ClsJeuPerso& p, std::int32_t c) { p.Attaquer_Maison(c); }, 27, 28);
}

void Ordre_Attaquer_Chateau(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t IndiceCible) {
    Ordre_Attaquer(Main, Chef, Groupe, IndiceCible, [](ClsJeuPerso& p, std::int32_t c) { p.Attaquer_Chateau(c); }, 29, 30);
}

namespace {

// The gathering point on a building: its width serves for both
// coordinates, so a group gathers on the square of the building's width,
// below the walls of a building wider than tall.
void Rassembler(ClsJeuPerso& P, const ClsJeuBatiment& B) {
    P.Aller_A(Sature32(B.X + B.Largeur / 2.0 - P.Largeur / 2.0), Sature32(B.Y + B.Largeur / 2.0 - P.Hauteur / 2.0));
}

}  // namespace

void Ordre_Rentrer_Maison(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t H) {
    if (H < 0 || static_cast<std::size_t>(H) >= Main.Maisons.size() || !Existe(Main, Chef)) return;
    const ClsJeuBatiment& maison = Main.Maisons[static_cast<std::size_t>(H)];
    const bool sienne = H == Perso(Main, Chef).NoMaison;
    for (std::int32_t m : Groupe) {
        if (!Existe(Main, m)) continue;
        ClsJeuPerso& P = Perso(Main, m);
        if (m == Perso(Main, Chef).NoMaison) {
            if (sienne)
                P.Rentrer_Maison(maison);
            else
                P.Aller_Maison(maison);
        } else {
            P.Suivre = 1;
            P.CibleMaison = H;
            Rassembler(P, maison);
        }
    }
    const bool plusieurs = Groupe.size() > 1;
    Dire(Main, Perso(Main, Chef), plusieurs ? (sienne ? 37 : 39) : (sienne ? 36 : 38));
}

void Ordre_Rentrer_Chateau(ModMain& Main, std::int32_t Chef, const Groupe& Groupe, std::int32_t C) {
    if (C < 0 || static_cast<std::size_t>(C) >= Main.Chateaux.size() || !Existe(Main, Chef)) return;
    const ClsJeuBatiment& chateau = Main.Chateaux[static_cast<std::size_t>(C)];
    const bool sien = C == Perso(Main, Chef).Equipe;
    for (std::int32_t m : Groupe) {
        if (!Existe(Main, m)) continue;
        ClsJeuPerso& P = Perso(Main, m);
        if (m == Perso(Main, Chef).NoMaison) {
            if (sien)
                P.Rentrer_Chateau(chateau);
            else
                P.Aller_Chateau(chateau, C);
        } else {
            P.Suivre = 2;
            P.CibleChateau = C;
            Rassembler(P, chateau);
        }
    }
    const bool plusieurs = Groupe.size() > 1;
    Dire(Main, Perso(Main, Chef), plusieurs ? (sien ? 41 : 43) : (sien ? 40 : 42));
}

}  // namespace ModDialogue
