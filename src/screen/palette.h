// The fixed colour table of the game, 0xRRGGBB, filled once at start-up.
#pragma once

#include <cstdint>

extern uint32_t Palette[16];

void FillPalette();
