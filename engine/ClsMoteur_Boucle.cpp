// The main loop: one pass reads the devices and turns them into orders,
// runs a simulation tick and draws a frame when each is due, then lets the
// window events run. Between passes the loop waits for the next tick, the
// next frame or a window event instead of spinning.
#include <algorithm>
#include <cmath>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/Horloge.h"
#include "engine/ModMain.h"
#include "engine/ModMonde.h"
#include "devices/ModCapture.h"
#include "network/PartieReseau.h"
#include "platform/Nombres.h"
#include "platform/SortieEcran.h"

namespace {

// Escape in the keyboard codes of the key bindings.
constexpr std::int16_t ToucheEchap = 1;

}  // namespace

bool ClsMoteur::Tour_Du(double Ecoule) const {
    // Both tests strict; the second catches a clock that went back.
    const double t = Jeu.IntervalleTour();
    return (Ecoule > t || Ecoule < -t) && !Jeu.Pause;
}

bool ClsMoteur::Trame_Due(double Ecoule) const {
    const double f = Jeu.IntervalleTrame();
    return Ecoule > f || Ecoule < -f || Jeu.Definir_AffichageRapide();
}

namespace {

bool A_Un_Front(const EtatBoutons& b) { return b.Clique[0] || b.Clique[1] || b.Relache[0] || b.Relache[1]; }

}  // namespace

bool ClsMoteur::Entrees_Attendent_Trame() const {
    if (ToucheTrame != 0) return true;
    for (const JoueurLocal& j : Joueurs)
        if (A_Un_Front(j.BoutonsTrame)) return true;
    return false;
}

bool ClsMoteur::Entrees_Attendent_Passe() const {
    for (const JoueurLocal& j : Joueurs)
        if (A_Un_Front(j.BoutonsPasse)) return true;
    return false;
}

double ClsMoteur::Delai_Prochaine_Echeance() const {
    // Waiting for the other machines: look again in a millisecond.
    if (Reseau && Reseau->EnCours()) return 0.001;
    if (Jeu.Definir_AffichageRapide() || Entrees_Attendent_Passe()) return 0.0;
    const double maintenant = Horloge_.Maintenant();
    const double depuisTour = maintenant - TempsDernierTour;
    const double depuisTrame = maintenant - TempsDerniereTrame;
    // A clock that went back makes both due at once.
    if (depuisTour < 0 || depuisTrame < 0) return 0.0;
    double delai = Jeu.IntervalleTrame() - depuisTrame;
    if (!Jeu.Pause) delai = std::min(delai, Jeu.IntervalleTour() - depuisTour);
    return std::max(0.0, delai);
}

void ClsMoteur::Boucle() {
    while (!Main.FinPartie) {
        Passe();
        if (Attente == nullptr) continue;
        // Wait for the next deadline or a window event. The time tests are
        // strict: the clock must go past the deadline, hence the margin.
        if (Jeu.Definir_AffichageRapide())
            Attente->Traiter();
        else
            Attente->Attendre(Delai_Prochaine_Echeance() + 0.0005);
    }
}

bool ClsMoteur::Passe() {
    if (Main.Persos.empty() || Joueurs.empty()) {
        Main.FinPartie = true;
        return false;
    }
    // Music from the local character's state; once player 0 has won or
    // lost, its end music goes on.
    const bool fini = Joueurs[0].Defaite || Joueurs[0].Victoire;
    if (PersoValide(Main.NoPersoJoueur)) {
        const ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)];
        if (perso.EnCombat())
            Jouer(MusiqueCombat, fini);
        else if (perso.Vivant())
            Jouer(MusiqueVille, true);
        else
            Jouer(MusiqueMort, fini);
    }
    // One reading of the clock serves both tests of the pass.
    TempsActuel = Horloge_.Maintenant();
    TempsEcoule = TempsActuel - TempsDernierTour;
    Main.Horloge = TempsActuel;
    // The key pressed in this pass, with its modifiers.
    ToucheEnfoncee = Peripheriques_.Pret() ? Peripheriques_.Pression_Clavier(CtrlEnfonce, ShiftEnfonce, AltEnfonce) : 0;
    if (ToucheEnfoncee != 0) ToucheTrame = ToucheEnfoncee;
    // The split-screen decision, then each local player's input.
    if (NombreJoueursLocaux == 2) Decision_Ecran_Separe();
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i) Entrees_Joueur(i);
    VueCourante.DecalageVueX = 0;
    // The key dispatcher; the quit key ends the game.
    if (Presser_Touche) {
        for (std::int16_t i = 0; i < NombreJoueursLocaux && !Main.FinPartie; ++i)
            Presser_Touche(i, ToucheEnfoncee, CtrlEnfonce, ShiftEnfonce, AltEnfonce, Main.FinPartie);
    } else if (ToucheEnfoncee == ToucheEchap)
        Main.FinPartie = true;
    // A tick when due (in a network game, the turn), then a frame when due.
    if (Reseau)
        Tour_Reseau();
    else if (Tour_Du(TempsEcoule))
        Tour();
    // Frames keep their own time stamp: measured from the last tick, a
    // frame rate below the game speed would never draw a frame at all.
    // A click or a key waiting for the hit test draws a frame at once.
    const bool trame = Trame_Due(TempsActuel - TempsDerniereTrame) || Entrees_Attendent_Trame();
    if (trame) {
        TempsDerniereTrame = TempsActuel;
        Trame();
    }
    // Window events are pumped by the loop's wait.
    return trame;
}

std::int32_t ClsMoteur::Capture_Ecran() {
    if (Joueurs.empty() || SurfBack.Vide()) return 0;
    const Vue gardee = VueCourante;
    CoucheCapture couches;
    couches.DessinerCouches = [this](const Vue& ecran) {
        VueCourante = ecran;
        Afficher_Ressources(0);
        Afficher_Batiments(0);
        Afficher_Tresors(0);
        Afficher_Decors(0);
        Afficher_Persos(0, -1);
        Afficher_Effets(0);
        Afficher_Commentaires(0);
    };
    couches.Presenter = [this] { Afficher_Ecran(); };
    couches.VersPressePapiers = PressePapiersJeu;
    const std::int32_t n = GigaCapture(Main.Dossier.Racine(), Main.Monde, AffTerrain, SurfBack, Joueurs[0].VueX,
                                       Joueurs[0].VueY, couches);
    VueCourante = gardee;
    return n;
}

void ClsMoteur::Tour() {
    // The tick is counted and stamped.
    ++CompteurTours;
    TempsDernierTour = TempsActuel;
    // The AI and the fiefs' upkeep come first.
    Main.IA.Gestion_IA();
    Main.IA.Gestion_Fiefs();
    // Views follow the players' characters.
    auto position = [&](std::int32_t k, std::int32_t& x, std::int32_t& y) {
        x = y = 0;
        if (!PersoValide(k)) return;
        x = Main.Persos[static_cast<std::size_t>(k)].PositionX;
        y = Main.Persos[static_cast<std::size_t>(k)].PositionY;
    };
    if (NombreJoueursLocaux != 2) {
        std::int32_t x, y;
        position(Main.NoPersoJoueur, x, y);
        Centrer_Vue(x, y, VueCourante.LargeurVue, VueCourante.HauteurVue, 0);
    } else {
        std::int32_t x0, y0, x1, y1;
        position(Main.NoPersoParJoueur[0], x0, y0);
        position(Main.NoPersoParJoueur[1], x1, y1);
        for (std::int16_t i = 0; i < 2; ++i) {
            if (EcranSepare)
                Centrer_Vue(i == 0 ? x0 : x1, i == 0 ? y0 : y1, VersEntier32(Arrondi(VueCourante.LargeurVue / 2.0)),
                            VueCourante.HauteurVue, i);
            else
                Centrer_Vue(VersEntier32(Arrondi((double(x0) + x1) / 2)), VersEntier32(Arrondi((double(y0) + y1) / 2)),
                            VueCourante.LargeurVue, VueCourante.HauteurVue, i);
        }
    }
    // The world's share of the tick, then the terrain's animation.
    ModMonde::Pas_Monde(Main);
    AffTerrain.Animation_Suivante(Main.Monde, Jeu.Definir_Vitesse());
    // Each local player's verdict and automatic actions.
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i) {
        Verifier_Fin_Partie(i);
        // The automatic actions go as the player's orders: in a network
        // game every machine replays them.
        Main.NoPersoJoueur = Main.NoPersoParJoueur[static_cast<std::size_t>(i)];
        if (PersoValide(Main.NoPersoJoueur) && static_cast<std::size_t>(Main.NoPersoJoueur) < Main.Maisons.size())
            J(i).Interface->Actions_Automatiques(Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)],
                                                 Main.Maisons[static_cast<std::size_t>(Main.NoPersoJoueur)],
                                                 Main.Parametres);
    }
}

void ClsMoteur::Verifier_Fin_Partie(std::int16_t i) {
    JoueurLocal& j = J(i);
    if (j.Victoire || j.Defaite) return;
    const std::int32_t k = Main.NoPersoParJoueur[static_cast<std::size_t>(i)];
    if (!PersoValide(k)) return;
    const ClsJeuPerso& P = Main.Persos[static_cast<std::size_t>(k)];
    auto battu = [&](std::size_t f) {
        // A fief without a castle slot has no castle left standing.
        const bool chateau = f < Main.Chateaux.size() && Main.Chateaux[f].Visible();
        return !chateau && Main.Fiefs[f].NombreMorts >= Main.Fiefs[f].NombrePersos;
    };
    j.Victoire = true;
    for (std::size_t f = 0; f < Main.Fiefs.size(); ++f)
        if (Main.Fiefs[f].Camp != P.Camp && !battu(f)) {
            j.Victoire = false;
            break;
        }
    // Scripted attacks stop once the first player has won.
    // (Each machine of a network game has its own first player: there the
    // world never hears of one machine's verdict.)
    if (i == 0 && !Reseau) Main.IA.VictoirePremierJoueur = j.Victoire;
    if (j.Victoire) {
        j.SpritesFin.Selection(0, 199, 0, 319);
        return;
    }
    const bool fief = P.Equipe >= 0 && static_cast<std::size_t>(P.Equipe) < Main.Fiefs.size();
    j.Defaite = fief && battu(static_cast<std::size_t>(P.Equipe));
    if (j.Defaite) j.SpritesFin.Selection(200, 399, 0, 319);
}

void ClsMoteur::Terrain_Vue(std::int16_t p, std::int32_t Gauche, std::int32_t Largeur) {
    if (!AffichageCharge) return;
    // Around the terrain the view's right limit is its right edge on the
    // back buffer.
    const Vue limite{Gauche + Largeur, HauteurEcran, 0, 0};
    if (Main.Monde.TerrainOptimise && AffTerrain.BlocsPrets())
        AffTerrain.AfficheVeryFast(Gauche, 0, J(p).VueX, J(p).VueY, Largeur, HauteurEcran, SurfBack, limite, Main.Monde);
    else
        AffTerrain.AfficheFast(Gauche, 0, J(p).VueX, J(p).VueY, Largeur, HauteurEcran, SurfBack, limite, Main.Monde);
}

void ClsMoteur::Couches_Vue(std::int16_t p, bool Separation) {
    Afficher_Ressources(p);
    Afficher_Batiments(p);
    Afficher_Tresors(p);
    Afficher_Decors(p);
    if (Separation) Afficher_Separation();
    if (!J(p).SelectionVisible) Afficher_Marque_Selection(Main.NoPersoParJoueur[static_cast<std::size_t>(p)], p);
    Afficher_Selection_Joueur(p);
    Afficher_Progression(Main.NoPersoParJoueur[static_cast<std::size_t>(p)], p);
    Afficher_Persos(p, -1);
    Afficher_Effets(p);
    Afficher_Commentaires(p);
}

void ClsMoteur::Trame() {
    ++CompteurTrames;
    SurfBack.Remplir(0);
    const std::int32_t demi = VersEntier32(Arrondi(LargeurEcran / 2.0));
    // Views and world layers.
    if (NombreJoueursLocaux != 1 && EcranSepare) {
        Terrain_Vue(0, 0, demi);
        VueCourante.DecalageVueX = 0;
        VueCourante.LargeurVue = demi;
        Couches_Vue(0, false);
        Agrandir_Vue(0, demi);
        VueCourante.DecalageVueX = demi;
        Terrain_Vue(1, demi, demi);
        VueCourante.LargeurVue = demi;
        Couches_Vue(1, true);
        Agrandir_Vue(demi, LargeurEcran - demi);
        if (Zoom > 1.0) Afficher_Separation();
        VueCourante.DecalageVueX = 0;
        VueCourante.LargeurVue = LargeurEcran;
    } else {
        Terrain_Vue(0, 0, LargeurEcran);
        Afficher_Ressources(0);
        Afficher_Batiments(0);
        Afficher_Tresors(0);
        Afficher_Decors(0);
        for (std::int16_t p = 0; p < NombreJoueursLocaux; ++p) {
            if (!J(p).SelectionVisible) Afficher_Marque_Selection(Main.NoPersoParJoueur[static_cast<std::size_t>(p)], p);
            Afficher_Selection_Joueur(p);
            Afficher_Progression(Main.NoPersoParJoueur[static_cast<std::size_t>(p)], p);
        }
        // With two players both characters count as "own" for ghosts.
        Afficher_Persos(0, NombreJoueursLocaux == 1 ? -1 : 1);
        Afficher_Effets(0);
        Afficher_Commentaires(0);
        Agrandir_Vue(0, LargeurEcran);
    }
    if (Zoom > 1.0)
        for (std::int16_t p = 0; p < NombreJoueursLocaux; ++p)
            if (PersoValide(Main.NoPersoParJoueur[static_cast<std::size_t>(p)]) &&
                Main.Persos[static_cast<std::size_t>(Main.NoPersoParJoueur[static_cast<std::size_t>(p)])].Vivant())
                Afficher_Rectangle_Selection(p);
    // The heads-up layer of each player.
    for (std::int16_t i = 0; i < NombreJoueursLocaux; ++i) {
        JoueurLocal& j = J(i);
        Main.NoPersoJoueur = Main.NoPersoParJoueur[static_cast<std::size_t>(i)];
        if (!PersoValide(Main.NoPersoJoueur)) {
            j.BoutonsTrame = {};
            continue;
        }
        ClsJeuPerso& perso = Main.Persos[static_cast<std::size_t>(Main.NoPersoJoueur)];
        j.Interface->Afficher_Messages(perso, Main.Parametres, SurfBack);
        CurseurInterface curseur;
        curseur.X = VersEntier32(Arrondi(j.SourisX));
        curseur.Y = VersEntier32(Arrondi(j.SourisY));
        // The hit test sees every edge read since the last frame, then the
        // next pass acts on them.
        EtatBoutons& b = j.BoutonsTrame;
        curseur.CliqueGauche = b.Clique[0], curseur.CliqueDroit = b.Clique[1];
        curseur.RelacheGauche = b.Relache[0], curseur.RelacheDroit = b.Relache[1];
        curseur.GaucheEnfonce = b.Maintenu[0];
        curseur.Ctrl = CtrlEnfonce, curseur.Shift = ShiftEnfonce, curseur.Alt = AltEnfonce;
        curseur.NoPerso = Main.NoPersoJoueur;
        // The fief whose castle the character trades with: the one it is in.
        curseur.NoFief = perso.DansChateauCible ? perso.CibleChateau : perso.Equipe;
        curseur.Touche = &ToucheTrame;
        curseur.AssocierTouche = ToucheTrame != 0 && !CtrlEnfonce;
        curseur.SelectionVisible = &j.SelectionVisible;
        curseur.Selection = &j.Selection;
        j.SurInterface =
            j.Interface->Interieur_Boutons(curseur, perso, Main.Parametres, SurfBack, j.CodeAction, j.BoutonConstruction);
        for (int k = 0; k < 2; ++k) {
            j.BoutonsPasse.Clique[k] = j.BoutonsPasse.Clique[k] || b.Clique[k];
            j.BoutonsPasse.Relache[k] = j.BoutonsPasse.Relache[k] || b.Relache[k];
            j.BoutonsPasse.Maintenu[k] = b.Maintenu[k];
            b.Clique[k] = b.Relache[k] = false;
        }
        Couche_Curseur(i);
        Afficher_Infos_Survol(curseur.X, curseur.Y, i);
        // The frame-rate meter counts player 0's frames.
        if (i == 0) ++TramesComptees;
        if (std::abs(TempsActuel - DernierComptageFPS) > 1.0) {
            FPSMesure = TramesComptees;
            TramesComptees = 0;
            DernierComptageFPS = TempsActuel;
        }
        j.Interface->Afficher_FPS(FPSMesure, SurfBack);
        if (j.Victoire || j.Defaite) {
            const double w = NombreJoueursLocaux == 1 ? VueCourante.LargeurVue : (i + 0.5) * VueCourante.LargeurVue;
            if (j.SpritesFin.Charge())
                j.SpritesFin.Afficher(VersEntier32(Arrondi((w - 320) / 2)),
                                      VersEntier32(Arrondi((VueCourante.HauteurVue - 200) / 2.0)), SurfBack,
                                      Vue{LargeurEcran, HauteurEcran, 0, 0}, false);
            if (i == 0) Jouer(j.Victoire ? MusiqueVictoire : MusiqueDefaite, false);
        }
    }
    ToucheTrame = 0;
    // The back buffer goes to the screen.
    Afficher_Ecran();
}
