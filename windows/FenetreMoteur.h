// The engine window: a top-level window holding the drawing area, opened
// at the chosen resolution or full screen, where each frame of the back
// buffer is shown. In a window, when the desktop's free area cannot hold
// the back buffer with the window's frame, the window takes the free area
// and the picture is scaled down to fit it (the mouse follows the scaled
// picture, EntreesQt). The game's main loop and input live with the
// engine; this is only what shows the picture.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <QWidget>

#include "platform/SortieEcran.h"

class WidgetEcran;

// Where the inside of a window for a back buffer of size tampon goes on a
// desktop whose free area is libre, the window's frame being cadre: the
// back buffer's size at the free area's corner when it fits there with the
// frame, else all of the free area inside the frame.
QRect GeometrieFenetre(const QRect& libre, const QMargins& cadre, const QSize& tampon);

class FenetreMoteur : public QWidget, public SortieEcran {
    Q_OBJECT
public:
    explicit FenetreMoteur(QWidget* parent = nullptr);

    void Ouvrir(std::int32_t largeur, std::int32_t hauteur, bool modeFenetre) override;
    void Presenter(const Surface& back) override;
    void TraiterEvenements() override;
    void Fermer() override;

    WidgetEcran* Ecran() const { return ecran_; }

protected:
    bool event(QEvent* e) override;

private:
    // Sizes and places the window for the back buffer (windowed mode).
    void Placer();

    WidgetEcran* ecran_;
    QSize tampon_;
    bool fenetre_ = false;
    // The frame the window was last placed with.
    QMargins cadre_;
};
