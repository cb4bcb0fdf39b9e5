// The system clipboard, as far as the game uses it: a picture put on it
// (the screen copy that a world save takes as its preview). Tests give a
// fake that keeps the picture.
#pragma once

class Surface;

class PressePapiers {
public:
    virtual ~PressePapiers() = default;
    // False when the clipboard refused the picture.
    virtual bool MettreImage(const Surface& image) = 0;
};
