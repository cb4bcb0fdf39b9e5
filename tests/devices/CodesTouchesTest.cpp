#include <gtest/gtest.h>

#include <Qt>

#include <set>

#include "platform/qt/CodesTouches.h"

TEST(CodesTouches, DepuisEvdev) {
    struct Cas { std::uint32_t evdev; int code; const char* touche; };
    const Cas cas[] = {
        {1, 1, "Échap"},          {2, 2, "1"},
        {16, 16, "Q (QWERTY)"},   {30, 30, "A (QWERTY)"},
        {29, 29, "Ctrl gauche"},  {42, 42, "Maj gauche"},
        {54, 54, "Maj droite"},   {56, 56, "Alt gauche"},
        {57, 57, "Espace"},       {62, 62, "F4"},
        {72, 72, "pavé 8"},       {82, 82, "pavé 0"},
        {83, 83, "pavé ."},       {87, 87, "F11"},
        {88, 88, "F12"},          {86, 0x56, "< >"},
        {96, 0x9C, "pavé Entrée"}, {97, 0x9D, "Ctrl droit"},
        {98, 0xB5, "pavé /"},     {100, 0xB8, "AltGr"},
        {102, 0xC7, "Origine"},   {103, 0xC8, "Haut"},
        {104, 0xC9, "Page préc."}, {105, 0xCB, "Gauche"},
        {106, 0xCD, "Droite"},    {107, 0xCF, "Fin"},
        {108, 0xD0, "Bas"},       {109, 0xD1, "Page suiv."},
        {110, 0xD2, "Inser"},     {111, 0xD3, "Suppr"},
        {119, 0xC5, "Pause"},     {125, 0xDB, "Windows gauche"},
        {0, 0, "rien"},           {84, 0, "inconnue"},
        {240, 0, "inconnue"},     {100000, 0, "hors table"},
    };
    for (const auto& c : cas) {
        EXPECT_EQ(CodeDepuisEvdev(c.evdev), c.code) << c.touche;
        EXPECT_EQ(CodeDepuisX11(c.evdev + 8), c.code) << c.touche;
    }
    for (std::uint32_t natif = 0; natif < 8; ++natif) EXPECT_EQ(CodeDepuisX11(natif), 0);
}

TEST(CodesTouches, DeuxTouchesNeDonnentJamaisLeMemeCode) {
    // Except the Japanese kana keys, which all are DirectInput's one kana key.
    std::set<int> vus;
    for (std::uint32_t e = 0; e < 256; ++e) {
        const int code = CodeDepuisEvdev(e);
        if (code == 0 || code == 0x70 || code == 0xB3) continue;
        EXPECT_TRUE(vus.insert(code).second) << "evdev " << e;
    }
}

TEST(CodesTouches, DepuisCleQt) {
    struct Cas { int cle; bool pave; int code; };
    const Cas cas[] = {
        {Qt::Key_A, false, 30},        {Qt::Key_Z, false, 44},      {Qt::Key_Q, false, 16},
        {Qt::Key_M, false, 50},        {Qt::Key_1, false, 2},       {Qt::Key_0, false, 11},
        {Qt::Key_F1, false, 59},       {Qt::Key_F4, false, 62},     {Qt::Key_F12, false, 88},
        {Qt::Key_Escape, false, 1},    {Qt::Key_Space, false, 57},  {Qt::Key_Return, false, 28},
        {Qt::Key_Control, false, 29},  {Qt::Key_Shift, false, 42},  {Qt::Key_Alt, false, 56},
        {Qt::Key_AltGr, false, 0xB8},  {Qt::Key_Up, false, 0xC8},   {Qt::Key_Delete, false, 0xD3},
        {Qt::Key_8, true, 72},         {Qt::Key_Up, true, 72},      {Qt::Key_0, true, 82},
        {Qt::Key_Enter, true, 0x9C},   {Qt::Key_Enter, false, 0x9C}, {Qt::Key_Slash, true, 0xB5},
        {Qt::Key_5, true, 76},         {Qt::Key_Clear, true, 76},   {Qt::Key_Eacute, false, 0},
    };
    for (const auto& c : cas) EXPECT_EQ(CodeDepuisCleQt(c.cle, c.pave), c.code) << std::hex << c.cle << " " << c.pave;
}
