// The sixteen colours every drawing routine picks from by index. Entries 3 and 11 are the same yellow.
#include "screen/palette.h"

uint32_t Palette[16];

void FillPalette()
{
    static constexpr uint32_t colours[16] = {
        0x000000, // 0 black: givens, grid lines, most text
        0x800000, // 1
        0x008000, // 2
        0xFFFF00, // 3
        0x0000BC, // 4 dark blue: the player's entries
        0x800080, // 5
        0x008080, // 6
        0xC0C0C0, // 7 light grey: default text background
        0x404040, // 8 dark grey: shaded side of bevels
        0xFF0000, // 9 red: box outlines, wrong entries
        0x00FF00, // 10
        0xFFFF00, // 11
        0xB4C9D0, // 12 the window background
        0xFF00FF, // 13
        0x00FFFF, // 14
        0xFFFFFF, // 15 white: cell and panel interiors, lit side of bevels
    };
    for (int i = 0; i < 16; ++i)
        Palette[i] = colours[i];
}
