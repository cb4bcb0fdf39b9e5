// Where the back buffer is shown: the engine window in a window at the
// chosen resolution, or full screen with the picture scaled to fit and its
// aspect kept. Tests use a fake that keeps the last frame.
#pragma once

#include <cstdint>

class Surface;

class SortieEcran {
public:
    virtual ~SortieEcran() = default;
    // Opens (or re-opens) the window for a back buffer of this size;
    // modeFenetre False asks for full screen.
    virtual void Ouvrir(std::int32_t largeur, std::int32_t hauteur, bool modeFenetre) = 0;
    // Shows this frame now.
    virtual void Presenter(const Surface& back) = 0;
    // Lets pending window events run (during a long preparation).
    virtual void TraiterEvenements() {}
    virtual void Fermer() = 0;
};
