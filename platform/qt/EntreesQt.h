// The mouse and keyboard of the engine window: Qt events on the drawing
// area turned into what ClsPerSouris and ClsPerClavier read. The mouse is
// relative: each move counts from the last pointer position, and while the
// window has the focus the pointer is put back in the middle whenever it
// strays from it, so it never reaches the window's edge. On a drawing area
// that shows the back buffer scaled (WidgetEcran), moves are scaled to the
// back buffer's pixels.
// Keys are held in a 256-entry table of DirectInput codes (CodesTouches).
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include "platform/SourceEntrees.h"

class QWidget;

class EntreesQt : public QObject {
public:
    // Listens to the events of the drawing area. Not a child of it: the
    // owner keeps it until the mouse and keyboard have let go of it
    // (ClsPerSouris::Fermer, ClsPerClavier::Fermer); a zone that goes first
    // leaves it reading nothing.
    explicit EntreesQt(QWidget* zone);
    ~EntreesQt() override;

    SourceSouris& Souris() { return souris_; }
    SourceClavier& Clavier() { return clavier_; }

    // Whether the pointer is put back at the centre after each move
    // (off in tests driving events by hand).
    void Definir_Recentrer(bool valeur) { recentrer_ = valeur; }

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    struct Souris_ : SourceSouris {
        explicit Souris_(EntreesQt& e) : entrees(e) {}
        bool Acquerir() override;
        void Liberer() override;
        bool Lire(EtatSouris& etat) override;
        EntreesQt& entrees;
        EtatSouris attente;
        bool acquise = false;
        bool perdue = false;
    };
    struct Clavier_ : SourceClavier {
        bool Acquerir() override { return true; }
        void Liberer() override {}
        void Lire(EtatClavier& etat) override;
        EtatClavier touches{};
        // Pressed since the last read, even if let go since.
        EtatClavier frappees{};
    };

    bool AFocus() const;
    QPoint Centre() const;
    void Recentrer();
    void PerdreFocus();
    // The pointer seen at P: the move since the last position counts.
    void Suivre(const QPoint& p);

    QPointer<QWidget> zone_;
    Souris_ souris_{*this};
    Clavier_ clavier_;
    bool recentrer_ = true;
    // Where the pointer was last seen (widget coordinates), to measure the
    // next move from.
    QPoint dernier_;
    bool dernierConnu_ = false;
    // Fractions of a back-buffer pixel not yet handed over.
    double resteX_ = 0, resteY_ = 0;
};
