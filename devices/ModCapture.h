// Pictures of the game itself: the back buffer put on the clipboard (the
// preview of a world save), and the whole map photographed screen by
// screen into Capture000.bmp, Capture001.bmp, ... in the game folder.
// Both copy the game's own back buffer, never the desktop.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

class ClsAffTerrain;
class ClsJeuMonde;
class PressePapiers;
class Surface;
struct Vue;

// False when there is nothing to copy or the clipboard refused it.
bool CopierEcranPressePapiers(const Surface& SurfBack, PressePapiers& pressePapiers);

struct CoucheCapture {
    // Draws the world's layers over the terrain (deposits, buildings,
    // treasures, scenery, characters, effects, speech lines) for player
    // 0's view, whose origin is already set; the view given is the whole
    // screen.
    std::function<void(const Vue&)> DessinerCouches;
    // Shows the frame on the screen (may be empty).
    std::function<void()> Presenter;
    // Where each tile goes before its file is written (may be null): the
    // clipboard holds the last tile afterwards.
    PressePapiers* VersPressePapiers = nullptr;
};

// Photographs the whole map: columns of screen-sized tiles from left to
// right, each top to bottom, the last of a row or column moved back to end
// at the map's edge (a map smaller than the screen gives one tile whose
// origin is negative). Player 0's view origin (VueX, VueY) is set for each
// tile and stays on the last one. Files are numbered from 000 at every
// call. Stops without a message at the first file that cannot be written;
// returns the number of files written.
std::int32_t GigaCapture(const std::filesystem::path& dossierJeu, const ClsJeuMonde& Monde,
                         const ClsAffTerrain& AffTerrain, Surface& SurfBack, std::int32_t& VueX, std::int32_t& VueY, const CoucheCapture& couches);

// The name of capture number n ("Capture007.bmp").
std::string NomCapture(std::int32_t n);
