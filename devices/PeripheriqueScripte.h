// A mouse and keyboard driven by hand: tests (and a headless engine) say
// which keys and buttons are held and how far the mouse moved, and the
// device classes read that as they would read the engine window.
#pragma once

#include <cstdint>

#include "platform/SourceEntrees.h"

class PeripheriqueScripte {
public:
    SourceSouris& Souris() { return souris_; }
    SourceClavier& Clavier() { return clavier_; }

    // Mouse movement, added up until the next read.
    void Deplacer(std::int32_t dx, std::int32_t dy, std::int32_t dz = 0);
    void Bouton(int numero, bool enfonce);
    void Touche(std::uint8_t code, bool enfonce);
    // Every key and button up.
    void ToutRelacher();
    // The next mouse read fails, as when the window loses the focus; while
    // Refuser_Souris is set, the mouse cannot be acquired again.
    void Perdre_Souris() { souris_.perdue = true; }
    void Refuser_Souris(bool refuser) { souris_.refusee = refuser; }

    bool Souris_Acquise() const { return souris_.acquise; }
    bool Clavier_Acquis() const { return clavier_.acquis; }
    std::int32_t Acquisitions_Souris() const { return souris_.acquisitions; }

private:
    struct Souris_ : SourceSouris {
        bool Acquerir() override;
        void Liberer() override { acquise = false; }
        bool Lire(EtatSouris& etat) override;
        EtatSouris attente;
        bool acquise = false;
        bool perdue = false;
        bool refusee = false;
        std::int32_t acquisitions = 0;
    };
    struct Clavier_ : SourceClavier {
        bool Acquerir() override { acquis = true; return true; }
        void Liberer() override { acquis = false; }
        void Lire(EtatClavier& etat) override;
        EtatClavier touches{};
        EtatClavier frappees{};
        bool acquis = false;
    };
    Souris_ souris_;
    Clavier_ clavier_;
};
