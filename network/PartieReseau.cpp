// The lock-step turn of a network game.
#include "network/PartieReseau.h"

#include "engine/HachageEtat.h"
#include "engine/ModCommandes.h"
#include "engine/ModMain.h"
#include "network/ClsComReseau.h"

PartieReseau::PartieReseau(ModMain& Main_, ClsComReseau& Reseau_, std::int32_t ToursEntreEmpreintes)
    : Main(Main_), Reseau(Reseau_), intervalle_(ToursEntreEmpreintes > 0 ? ToursEntreEmpreintes : 1) {}

void PartieReseau::Terminer_Tour() {
    if (termine_) return;
    termine_ = true;
    // The fingerprints go before "Prt": whoever has a player's "Prt" has
    // its fingerprints.
    verifier_ = Reseau.TourCourant() % intervalle_ == 0;
    if (verifier_) {
        locales_ = Hacher_Parties(Main);
        Reseau.Empreintes_Envoyer(locales_);
    }
    Reseau.Tour_Fin();
}

bool PartieReseau::Tour_Pret() {
    Reseau.Message_Lire();
    return Reseau.Tour_Fini();
}

bool PartieReseau::Tour_Suivant() {
    if (!termine_) Terminer_Tour();
    if (!Reseau.Tour_Fini()) return true;
    termine_ = false;
    if (Reseau.HotePerdu) {
        Erreur = Reseau.Message_Hote_Perdu();
        return false;
    }
    if (verifier_) {
        Erreur = Reseau.Empreintes_Verifier(locales_);
        if (!Erreur.empty()) return false;
    }
    // Orders of player 0 first, each player's in the order given.
    for (std::size_t p = 0; p < Reseau.Joueurs.size(); ++p) {
        const ClsComMessages& q = Reseau.Messages_Joueur(p);
        for (std::int32_t i = 0; i < q.NombreMessages; ++i) {
            const MessageCom& m = q.Entree(i);
            if (m.Categorie == "PAU") {
                if (m.Noperso == static_cast<std::int32_t>(p)) Pause = m.X != 0;
                continue;
            }
            ModCommandes::Rejouer_Ordre(Main, static_cast<std::int32_t>(p), m);
        }
    }
    const std::int32_t ticks = Pause ? 0 : Reseau.Ticks_Tour();
    for (std::int32_t t = 0; t < ticks; ++t) {
        if (Tick) Tick();
        else Main.Tour_Simulation();
        ++TicksJoues;
    }
    Reseau.Tour_Debut();
    return true;
}

bool PartieReseau::Tour(const std::function<void()>& Pendant) {
    Terminer_Tour();
    while (!Tour_Pret()) {
        // Waits for the next packet a millisecond at most, then lets the
        // window events run.
        Reseau.Pomper(1);
        if (Pendant) Pendant();
    }
    return Tour_Suivant();
}
