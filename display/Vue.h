// The view being drawn: its size and its place on the back buffer. The
// engine sets it before each view's draw passes (half the screen each in a
// split view); every sprite draw takes view-relative coordinates and is cut
// to it.
#pragma once

#include <cstdint>

struct Vue {
    std::int32_t LargeurVue = 0;
    std::int32_t HauteurVue = 0;
    std::int32_t DecalageVueX = 0;
    std::int32_t DecalageVueY = 0;  // always 0: views sit side by side
};
