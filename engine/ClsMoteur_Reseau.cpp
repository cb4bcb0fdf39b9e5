// The engine's side of a network game: the turn replaces the timed tick,
// the pause travels as an order, and a turn that cannot be played ends the
// game with the reason for the player.
#include <cmath>

#include "engine/ClsJeu.h"
#include "engine/ClsMoteur.h"
#include "engine/ModMain_Heros.h"
#include "engine/ModMain.h"
#include "network/ChoixReseau.h"
#include "network/ClsComReseau.h"
#include "network/MessageReseau.h"
#include "network/PartieReseau.h"

void ClsMoteur::Debut_Reseau(const SetupChoices& Choix) {
    Reseau.reset();
    pauseDemandee_ = false;
    ClsComReseau* r = Main.Reseau;
    if (r == nullptr || !r->Reseau_Actif || Main.FinPartie) return;
    r->Partie_Debut();
    r->Reseau_EnJeu = true;
    Reseau = std::make_unique<PartieReseau>(Main, *r);
    Reseau->Tick = [this] { Tour(); };
    // The host's loading is done: the others start theirs, from its
    // choices.
    if (r->Reseau_Serveur) {
        // The heroes travel with the choices: the others' folders may hold
        // other files under the same names, or none.
        SetupChoices envoi = Choix;
        envoi.FichiersHeros = Fichiers_Heros(Main, Choix);
        const std::string texte = ChoixReseau::Ecrire(envoi);
        if (texte.size() > Protocole::LongueurChoixMax) {
            Main.MessagesPartie.push_back(
                "Les fichiers des héros choisis sont trop volumineux pour une partie en réseau : la partie s'arrête.");
            Main.FinPartie = true;
            return;
        }
        r->Choix_Envoyer(texte);
        r->Message_Envoyer(Main.NoPersoJoueur, "Com");
    }
}

void ClsMoteur::Tour_Reseau() {
    if (Main.FinPartie) return;
    // A player who left, or whom the host removed: the player reads it in
    // its feed while the game goes on.
    for (auto& a = Main.Reseau->Annonces; !a.empty(); a.pop_front())
        if (!Joueurs.empty() && Joueurs[0].Interface) Joueurs[0].Interface->Ajouter_Message(a.front());
    if (!Reseau->EnCours()) {
        // The turn is due when a tick would be; pause or not, turns go on
        // (with no tick) so that the pause can be lifted.
        const double t = Jeu.IntervalleTour();
        if (!(TempsEcoule > t || TempsEcoule < -t)) {
            // Between turns the session is still read: the others' orders
            // and players leaving are taken in as they come.
            Main.Reseau->Message_Lire();
            return;
        }
        if (Jeu.Pause != Reseau->Pause && !pauseDemandee_) {
            Main.Reseau->Message_Envoyer(Main.Reseau->Joueur_Local, "PAU", Jeu.Pause ? 1 : 0);
            pauseDemandee_ = true;
        }
        Reseau->Terminer_Tour();
    }
    if (!Reseau->Tour_Pret()) return;
    TempsDernierTour = TempsActuel;
    if (!Reseau->Tour_Suivant()) {
        Main.MessagesPartie.push_back(Reseau->Erreur);
        Main.FinPartie = true;
    }
    // The pause asked here has been replayed with the turn's orders.
    pauseDemandee_ = false;
    Jeu.Pause = Reseau->Pause;
}

void ClsMoteur::Fin_Reseau() {
    if (Main.Reseau) Main.Reseau->Reseau_EnJeu = false;
    Reseau.reset();
}
