// The abilities step: summoning, healing and resurrection by items.
#include "characters/ModCapacites.h"

#include <cmath>

#include "characters/ClsJeuPerso.h"
#include "characters/ModDialogue.h"
#include "engine/ModMain.h"
#include "platform/Nombres.h"
#include "rules/ClsJeuParam.h"

namespace {

bool Existe(const ModMain& main, std::int32_t i) {
    return i >= 0 && static_cast<std::size_t>(i) < main.Persos.size();
}

ClsJeuPerso& Perso(ModMain& main, std::int32_t i) { return main.Persos[static_cast<std::size_t>(i)]; }

// The visual effect of character i, started unless one is running.
void Jouer_Effet(ModMain& main, std::int32_t i, std::int16_t effet) {
    if (static_cast<std::size_t>(i) >= main.EffetsPersos.size()) return;
    const ClsJeuPerso& p = Perso(main, i);
    main.EffetsPersos[static_cast<std::size_t>(i)].Activer_Effet(effet, p.PositionX, p.PositionY, p.Largeur,
                                                                 p.Hauteur, main.Parametres, false);
}

// A slot for a new creature: the first dead summoned creature's, else a
// new one at the end of every per-character array. A dead creature that
// summons from beyond keeps its own slot.
std::int32_t Emplacement_Creature(ModMain& main, std::int32_t invocateur) {
    for (std::size_t j = 0; j < main.Persos.size(); ++j)
        if (main.Persos[j].Invocation() && !main.Persos[j].Vivant() && static_cast<std::int32_t>(j) != invocateur)
            return static_cast<std::int32_t>(j);
    const std::size_t slot = main.Persos.size();
    main.Persos.emplace_back(&main);
    // House i and effects i belong to character i: the arrays are brought
    // to the same length, whatever they held before.
    if (main.EffetsPersos.size() < slot + 1) main.EffetsPersos.resize(slot + 1);
    if (main.EffetsMaisons.size() < slot + 1) main.EffetsMaisons.resize(slot + 1);
    while (main.Maisons.size() < slot + 1) {
        ClsJeuBatiment& maison = main.Maisons.emplace_back();
        maison.Main = &main;
        maison.Proprietaire = static_cast<std::int32_t>(main.Maisons.size() - 1);
    }
    main.IA.Redimensionner_Tableaux_IA(static_cast<std::int32_t>(main.Persos.size()));
    return static_cast<std::int32_t>(slot);
}

}  // namespace

namespace ModCapacites {

void Capacites_Speciales(ModMain& Main) {
    const ClsJeuParam& P = Main.Parametres;
    // Creatures summoned during the step wait for the next one.
    const std::size_t nombre = Main.Persos.size();
    for (std::size_t n = 0; n < nombre; ++n) {
        const auto i = static_cast<std::int32_t>(n);
        const std::int16_t o = Perso(Main, i).CapaciteEnAttente;
        if (o < 0) continue;
        const std::int16_t c = P.Objet_Competence(o);

        if (P.Objet_Invocation(o) >= 0) {
            const std::int16_t quantite = Perso(Main, i).Objet_Equipe_BonusSup(c, P.Objet_Quantite(o));
            Invoquer(Main, P.Objet_Invocation(o), quantite, i, P.Objet_EffetAttaque(o));
        }

        // The summoning may have moved Persos: the bearer is read again.
        const double gains[4] = {P.Objet_GainVie(o), P.Objet_GainEnergie(o), P.Objet_GainMagie(o),
                                 P.Objet_GainMoral(o)};
        auto gain = [&](std::int16_t k) {
            const ClsJeuPerso& L = Perso(Main, i);
            return L.Objet_Equipe_BonusSup(c, static_cast<float>(gains[k])) * L.Manger_Ressources_Coef(k);
        };
        const std::int16_t p = P.Objet_BonusPorteeAttaque(o);
        if (p < 1) {
            if (P.Objet_SelfResurrection(o) != 0) Ressusciter(Main, i, P.Objet_EffetAttaque(o));
            const double g0 = gain(0), g1 = gain(1), g2 = gain(2), g3 = gain(3);
            ClsJeuPerso& L = Perso(Main, i);
            L.ReserveVie += g0;
            L.ReserveEnergie += g1;
            L.ReserveMagie += g2;
            L.ReserveMoral += g3;
            if (P.Objet_Invocation(o) < 0) Jouer_Effet(Main, i, P.Objet_EffetAttaque(o));
        } else {
            const ClsJeuPerso& L = Perso(Main, i);
            Gains_Zone(Main, i, L.Objet_Equipe_PorteeSup(c, p), gain(0), gain(1), gain(2), gain(3),
                       Sature16(P.Objet_Resurrection(o)), L.Objet_Equipe_BonusSup(c, P.Objet_Quantite(o)),
                       P.Objet_EffetAttaque(o));
        }
        Perso(Main, i).CapaciteEnAttente = -1;
    }
}

void Invoquer(ModMain& Main, std::int16_t Race, std::int16_t Nombre, std::int32_t Invocateur, std::int16_t Effet) {
    const ClsJeuParam& P = Main.Parametres;
    if (!Existe(Main, Invocateur) || Race < 0 || Race >= P.NombreRaces) return;
    // An item always summons at least one creature, also when its quantity
    // scaled below 1.
    if (Nombre < 1) Nombre = 1;

    for (std::int16_t k = 0; k < Nombre; ++k) {
        const std::int32_t slot = Emplacement_Creature(Main, Invocateur);
        // Arrays may have grown: every element is looked up from here on.
        // A reused slot starts as a brand-new record would.
        Perso(Main, slot) = ClsJeuPerso(&Main);
        ClsJeuPerso& C = Perso(Main, slot);
        const ClsJeuPerso& S = Perso(Main, Invocateur);

        // The summoner's side, the race's characteristics, and every
        // gauge full.
        C.Init(slot, P);
        C.Equipe = S.Equipe;
        C.Camp = S.Camp;
        C.Changer_Race_Personnage(Race, P);
        C.Actualiser_Bonus();
        C.Vie = C.Definir_MaxVie();
        C.Energie = C.Definir_MaxEnergie();
        C.Magie = C.Definir_MaxMagie();
        C.Moral = C.Definir_MaxMoral();
        C.Attaque = C.Definir_MaxAttaque();
        C.Defense = C.Definir_MaxDefense();

        // A race with its own look wears a file of its folder, drawn from the
        // list made when the game was set up, so that a world with no window
        // draws the same. A game folder without look files (the rules' test
        // folders) leaves the race's look.
        if (C.Apparence && !Main.Apparences.Apparences.empty()) {
            if (C.FichierApparence.empty())
                C.FichierApparence = Main.Apparences.Tirer(P.Race_CheminApparence(Race, C.Sexe), Main.Aleatoire);
            C.ApparenceFichier = Main.Apparences.Indice(C.FichierApparence);
            C.ApparenceBase = C.ApparenceFichier;
            C.ApparenceAffichee = C.ApparenceFichier;
        }

        // An AI creature that no player drives, tied to its summoner.
        C.IA_Active = true;
        C.IA = false;
        C.Suivre = 0;
        C.Invocateur = Invocateur;

        // Rings of eight around the summoner.
        const std::int32_t anneau = k / 8 + 1;
        const std::int32_t W = anneau * C.Largeur, H = anneau * C.Hauteur;
        static constexpr std::int32_t DX[8] = {1, -1, 0, 0, -1, 1, -1, 1};
        static constexpr std::int32_t DY[8] = {0, 0, 1, -1, -1, -1, 1, 1};
        C.DecalageFormationX = DX[k % 8] * W;
        C.DecalageFormationY = DY[k % 8] * H;

        // It appears at its place in the ring, standing.
        C.PositionX = Sature32(static_cast<double>(S.PositionX) + C.DecalageFormationX);
        C.PositionY = Sature32(static_cast<double>(S.PositionY) + C.DecalageFormationY);
        C.Arreter();

        // The creature joins what its summoner is doing.
        switch (S.Action) {
        case Actions::Attaquer: C.Attaquer_Perso(S.CiblePerso); break;
        case Actions::DetruireMaison: C.Attaquer_Maison(S.CibleMaison); break;
        case Actions::DetruireChateau: C.Attaquer_Chateau(S.CibleChateau); break;
        default:
            C.Aller_A(Sature32(static_cast<double>(S.DestinationX) + C.DecalageFormationX),
                      Sature32(static_cast<double>(S.DestinationY) + C.DecalageFormationY));
            break;
        }

        // A berserk creature goes for every enemy at once.
        if (C.IA_Berserk) Main.IA.Attaquer_Tout(slot);
        // The summoning's effect, on the creature.
        if (Effet >= 0) Jouer_Effet(Main, slot, Effet);
        // Its arrival line.
        ClsJeuPerso& creature = Perso(Main, slot);
        creature.Definir_Commentaires(Main.Commentaires.Message(33, creature));
    }

    ClsJeuPerso& S = Perso(Main, Invocateur);
    S.NombreInvocations = Sature32(static_cast<double>(S.NombreInvocations) + Nombre);
    ModDialogue::Placer_Formation(Main, Invocateur, false, true);
}

void Gains_Zone(ModMain& Main, std::int32_t Lanceur, std::int16_t Portee, double GainVie, double GainEnergie,
                double GainMagie, double GainMoral, std::int16_t Resurrection, std::int16_t Nombre,
                std::int16_t Effet) {
    if (!Existe(Main, Lanceur)) return;
    const double largeur = static_cast<double>(Main.Monde.LargeurCarte) * Main.Monde.LargeurCase;
    const double hauteur = static_cast<double>(Main.Monde.HauteurCarte) * Main.Monde.HauteurCase;
    const double diagonale = std::sqrt(largeur * largeur + hauteur * hauteur);

    for (std::int16_t passe = 0; passe < Nombre; ++passe) {
        const ClsJeuPerso& L = Perso(Main, Lanceur);
        double meilleure = diagonale;
        std::int32_t choisi = -1;
        for (std::size_t j = 0; j < Main.Persos.size(); ++j) {
            const ClsJeuPerso& C = Main.Persos[j];
            if (static_cast<std::int32_t>(j) == L.NoMaison || C.Camp != L.Camp) continue;
            bool candidat;
            if (Resurrection >= 1)
                candidat = !C.Vivant() && !C.Invocation();
            else if (Resurrection == 0)
                candidat = C.Vivant() && C.Definir_Vie() < C.Definir_MaxVie();
            else
                candidat = false;
            if (!candidat) continue;
            const double dx = static_cast<double>(C.PositionX) - L.PositionX;
            const double dy = static_cast<double>(C.PositionY) - L.PositionY;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d < meilleure) {
                meilleure = d;
                choisi = static_cast<std::int32_t>(j);
            }
        }
        if (choisi < 0 || !(Portee > meilleure)) return;

        if (!Perso(Main, choisi).Vivant() && Resurrection > 0) Ressusciter(Main, choisi, Effet);
        if (GainVie + GainEnergie + GainMagie + GainMoral <= 0.0) continue;
        ClsJeuPerso& C = Perso(Main, choisi);
        C.ReserveVie += GainVie;
        C.ReserveEnergie += GainEnergie;
        C.ReserveMagie += GainMagie;
        C.ReserveMoral += GainMoral;
        if (Effet >= 0) Jouer_Effet(Main, choisi, Effet);
    }
}

void Ressusciter(ModMain& Main, std::int32_t Indice, std::int16_t Effet) {
    if (!Existe(Main, Indice)) return;
    ClsJeuPerso& C = Perso(Main, Indice);
    // Only the dead are raised: a character raised meanwhile (in its castle,
    // by a service) keeps the life it has.
    if (C.Vivant()) return;
    C.Vivant(true);
    C.Vie = 0.05 * C.Definir_MaxVie();
    C.ReserveVie = 0.95 * C.Definir_MaxVie();
    if (Effet >= 0) Jouer_Effet(Main, Indice, Effet);
}

}  // namespace ModCapacites
