// The turn of a network game, in lock-step: each machine ends its turn
// ("Prt", after the state's fingerprints when a check is due), waits for every
// other player's end of the same turn, then replays every player's orders
// of that turn in player order and runs the number of ticks the host
// chose. Every machine thus applies the same orders at the same tick.
//
// The steps are separate so that tests can run several machines in one
// thread; Tour() chains them for the engine, letting the window events run
// while it waits.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class ClsComReseau;
class ModMain;

class PartieReseau {
public:
    // A check of the state's fingerprints every ToursEntreEmpreintes turns.
    PartieReseau(ModMain& Main, ClsComReseau& Reseau, std::int32_t ToursEntreEmpreintes = 10);

    // One simulation tick; without it, the world's own tick.
    std::function<void()> Tick;

    // Sends the local end of the turn.
    void Terminer_Tour();
    // Reads the session; true when every player still there has ended the
    // turn (or the host is gone).
    bool Tour_Pret();
    // Compares the fingerprints, replays the orders, runs the ticks and begins the
    // next turn. False when the game must stop: Erreur says why.
    bool Tour_Suivant();
    // The three in a row for the engine: Pendant runs while it waits.
    bool Tour(const std::function<void()>& Pendant);

    // The local end is sent and the turn not yet played.
    bool EnCours() const { return termine_; }

    // Shared pause: a "PAU" order of any player, replayed everywhere.
    bool Pause = false;
    std::string Erreur;
    std::int32_t TicksJoues = 0;

private:
    ModMain& Main;
    ClsComReseau& Reseau;
    std::int32_t intervalle_;
    bool termine_ = false;
    bool verifier_ = false;
    std::array<std::uint64_t, 5> locales_{};
};
