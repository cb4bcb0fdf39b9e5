#include "platform/qt/CodesTouches.h"

#include <Qt>

#include <utility>

namespace {

// evdev codes past the main block, with their DirectInput twins. Codes 1
// to 83 and 86 to 88 are the same in both (the PC set-1 scan codes).
constexpr std::pair<std::uint16_t, std::uint8_t> Etendues[] = {
    {85, 0x94},   // zenkaku/hankaku (kanji)
    {89, 0x73},   // ro
    {90, 0x70},   // katakana
    {91, 0x70},   // hiragana
    {92, 0x79},   // henkan (convert)
    {93, 0x70},   // katakana/hiragana
    {94, 0x7B},   // muhenkan (no convert)
    {95, 0xB3},   // keypad Japanese comma
    {96, 0x9C},   // keypad Enter
    {97, 0x9D},   // right Ctrl
    {98, 0xB5},   // keypad /
    {99, 0xB7},   // Print Screen / SysRq
    {100, 0xB8},  // right Alt (AltGr)
    {102, 0xC7},  // Home
    {103, 0xC8},  // Up
    {104, 0xC9},  // Page Up
    {105, 0xCB},  // Left
    {106, 0xCD},  // Right
    {107, 0xCF},  // End
    {108, 0xD0},  // Down
    {109, 0xD1},  // Page Down
    {110, 0xD2},  // Insert
    {111, 0xD3},  // Delete
    {113, 0xA0},  // mute
    {114, 0xAE},  // volume down
    {115, 0xB0},  // volume up
    {116, 0xDE},  // power
    {117, 0x8D},  // keypad =
    {119, 0xC5},  // Pause
    {121, 0xB3},  // keypad ,
    {124, 0x7D},  // yen
    {125, 0xDB},  // left Windows
    {126, 0xDC},  // right Windows
    {127, 0xDD},  // menu (applications)
    {128, 0xE8},  // web stop
    {140, 0xA1},  // calculator
    {142, 0xDF},  // sleep
    {143, 0xE3},  // wake
    {155, 0xEC},  // mail
    {156, 0xE6},  // web favourites
    {157, 0xEB},  // my computer
    {158, 0xEA},  // web back
    {159, 0xE9},  // web forward
    {163, 0x99},  // next track
    {164, 0xA2},  // play/pause
    {165, 0x90},  // previous track
    {166, 0xA4},  // media stop
    {172, 0xB2},  // web home
    {173, 0xE7},  // web refresh
    {183, 0x64},  // F13
    {184, 0x65},  // F14
    {185, 0x66},  // F15
    {217, 0xE5},  // web search
    {226, 0xED},  // media select
};

// Letters by their place on a QWERTY board (what the set-1 codes name).
constexpr std::uint8_t Lettres[26] = {
    30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,  // A .. M
    49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44,  // N .. Z
};

}  // namespace

std::uint8_t CodeDepuisEvdev(std::uint32_t evdev) {
    if ((evdev >= 1 && evdev <= 83) || (evdev >= 86 && evdev <= 88)) return static_cast<std::uint8_t>(evdev);
    for (const auto& [e, di] : Etendues)
        if (e == evdev) return di;
    return 0;
}

std::uint8_t CodeDepuisX11(std::uint32_t codeNatif) {
    if (codeNatif < 8) return 0;
    return CodeDepuisEvdev(codeNatif - 8);
}

std::uint8_t CodeDepuisCleQt(int cle, bool pave) {
    if (pave) {
        switch (cle) {
        case Qt::Key_7: case Qt::Key_Home: return 71;
        case Qt::Key_8: case Qt::Key_Up: return 72;
        case Qt::Key_9: case Qt::Key_PageUp: return 73;
        case Qt::Key_Minus: return 74;
        case Qt::Key_4: case Qt::Key_Left: return 75;
        case Qt::Key_5: case Qt::Key_Clear: return 76;
        case Qt::Key_6: case Qt::Key_Right: return 77;
        case Qt::Key_Plus: return 78;
        case Qt::Key_1: case Qt::Key_End: return 79;
        case Qt::Key_2: case Qt::Key_Down: return 80;
        case Qt::Key_3: case Qt::Key_PageDown: return 81;
        case Qt::Key_0: case Qt::Key_Insert: return 82;
        case Qt::Key_Period: case Qt::Key_Comma: case Qt::Key_Delete: return 83;
        case Qt::Key_Asterisk: return 55;
        case Qt::Key_Slash: return 0xB5;
        case Qt::Key_Enter: case Qt::Key_Return: return 0x9C;
        case Qt::Key_Equal: return 0x8D;
        default: break;
        }
    }
    if (cle >= Qt::Key_A && cle <= Qt::Key_Z) return Lettres[cle - Qt::Key_A];
    if (cle >= Qt::Key_1 && cle <= Qt::Key_9) return static_cast<std::uint8_t>(2 + (cle - Qt::Key_1));
    if (cle >= Qt::Key_F1 && cle <= Qt::Key_F10) return static_cast<std::uint8_t>(59 + (cle - Qt::Key_F1));
    switch (cle) {
    case Qt::Key_0: return 11;
    case Qt::Key_F11: return 87;
    case Qt::Key_F12: return 88;
    case Qt::Key_Escape: return 1;
    case Qt::Key_Minus: return 12;
    case Qt::Key_Equal: return 13;
    case Qt::Key_Backspace: return 14;
    case Qt::Key_Tab: case Qt::Key_Backtab: return 15;
    case Qt::Key_BracketLeft: return 26;
    case Qt::Key_BracketRight: return 27;
    case Qt::Key_Return: return 28;
    case Qt::Key_Control: return 29;
    case Qt::Key_Semicolon: return 39;
    case Qt::Key_Apostrophe: return 40;
    case Qt::Key_QuoteLeft: return 41;
    case Qt::Key_Shift: return 42;
    case Qt::Key_Backslash: return 43;
    case Qt::Key_Comma: return 51;
    case Qt::Key_Period: return 52;
    case Qt::Key_Slash: return 53;
    case Qt::Key_Alt: return 56;
    case Qt::Key_Space: return 57;
    case Qt::Key_CapsLock: return 58;
    case Qt::Key_NumLock: return 69;
    case Qt::Key_ScrollLock: return 70;
    case Qt::Key_Enter: return 0x9C;
    case Qt::Key_Print: case Qt::Key_SysReq: return 0xB7;
    case Qt::Key_AltGr: return 0xB8;
    case Qt::Key_Pause: return 0xC5;
    case Qt::Key_Home: return 0xC7;
    case Qt::Key_Up: return 0xC8;
    case Qt::Key_PageUp: return 0xC9;
    case Qt::Key_Left: return 0xCB;
    case Qt::Key_Right: return 0xCD;
    case Qt::Key_End: return 0xCF;
    case Qt::Key_Down: return 0xD0;
    case Qt::Key_PageDown: return 0xD1;
    case Qt::Key_Insert: return 0xD2;
    case Qt::Key_Delete: return 0xD3;
    case Qt::Key_Meta: case Qt::Key_Super_L: return 0xDB;
    case Qt::Key_Super_R: return 0xDC;
    case Qt::Key_Menu: return 0xDD;
    default: return 0;
    }
}
