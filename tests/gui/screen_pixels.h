// Pixel queries on the client image shared by the screen tests.
#pragma once

#include <cstdint>
#include <vector>

#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/inspection.h"
#include "play/symbol_picker.h"
#include "screen/palette.h"
#include "screen/panels.h"

// The client pixels of a rectangle, corners inclusive.
inline std::vector<uint32_t> PixelsOf(int x1, int y1, int x2, int y2)
{
    std::vector<uint32_t> pixels;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            pixels.push_back(ClientPixel(x, y));
    return pixels;
}

// Pixels of exactly this colour in the rectangle (corners inclusive).
inline int CountPixels(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (ClientPixel(x, y) == rgb)
                ++n;
    return n;
}

// Pixels within `tolerance` of this colour in every channel: the ink of text drawn in it, whatever
// edge smoothing the text gets.
inline int CountInk(int x1, int y1, int x2, int y2, uint32_t rgb, int tolerance = 48)
{
    auto near = [tolerance](uint32_t a, uint32_t b, int shift) {
        const int d = static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        return d <= tolerance && d >= -tolerance;
    };
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) {
            const uint32_t p = ClientPixel(x, y);
            if (near(p, rgb, 16) && near(p, rgb, 8) && near(p, rgb, 0))
                ++n;
        }
    return n;
}

// Pixels that are not this colour in the rectangle.
inline int CountOtherPixels(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    return (x2 - x1 + 1) * (y2 - y1 + 1) - CountPixels(x1, y1, x2, y2, rgb);
}

// The interior of cell (c, r) as painted by the cell routines.
struct CellRect {
    int x1, y1, x2, y2;
};
inline CellRect CellInterior(int c, int r)
{
    const int x = 29 + (c - 1) * 60 + 1;
    const int y = 45 + (r - 1) * 60 + 1;
    return {x, y, x + 58 - (c % 4 == 0 ? 1 : 0), y + 58 - (r % 3 == 0 ? 1 : 0)};
}
inline int CountInCell(int c, int r, uint32_t rgb)
{
    const CellRect k = CellInterior(c, r);
    return CountInk(k.x1, k.y1, k.x2, k.y2, rgb);
}

// Dark ink (black or the entries' dark blue) in the panel texts the board drawing leaves its colours
// to: the "Anzahl" counts, the given count and the difficulty name. White on white shows none.
inline int CountsInk()
{
    return CountInk(837, 384, 1130, 395, Palette[0], 96) + CountInk(837, 384, 1130, 395, Palette[4], 96);
}
inline int DifficultyInk()
{
    return CountInk(1031, 572, 1048, 583, Palette[0], 96) + CountInk(907, 585, 1060, 609, Palette[0], 96) +
           CountInk(1031, 572, 1048, 583, Palette[4], 96) + CountInk(907, 585, 1060, 609, Palette[4], 96);
}
