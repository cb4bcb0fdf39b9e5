// The explicit table from the keys Qt reports to the DirectInput key codes
// of the key-binding file (PC set-1 scan codes; extended keys 0x9C-0xDD).
// On X11 a key event's native scan code is the evdev code + 8; elsewhere
// (Wayland without it, the offscreen platform) the Qt key is used.
#pragma once

#include <cstdint>

// The DirectInput code of an X11 key code (evdev + 8); 0 when unknown.
std::uint8_t CodeDepuisX11(std::uint32_t codeNatif);
// The DirectInput code of an evdev key code; 0 when unknown.
std::uint8_t CodeDepuisEvdev(std::uint32_t evdev);
// The DirectInput code of a Qt key (Qt::Key) with its keypad flag; 0 when
// unknown.
std::uint8_t CodeDepuisCleQt(int cle, bool pave);
