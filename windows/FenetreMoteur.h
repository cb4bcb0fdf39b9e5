// The engine window: a top-level window holding the drawing area, opened
// at the chosen resolution or full screen, where each frame of the back
// buffer is shown. The game's main loop and input live with the engine;
// this is only what shows the picture.
#pragma once

#include <QWidget>

#include "platform/SortieEcran.h"

class WidgetEcran;

class FenetreMoteur : public QWidget, public SortieEcran {
    Q_OBJECT
public:
    explicit FenetreMoteur(QWidget* parent = nullptr);

    void Ouvrir(std::int32_t largeur, std::int32_t hauteur, bool modeFenetre) override;
    void Presenter(const Surface& back) override;
    void TraiterEvenements() override;
    void Fermer() override;

    WidgetEcran* Ecran() const { return ecran_; }

private:
    WidgetEcran* ecran_;
};
