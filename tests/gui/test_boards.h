// Boards for tests: a valid completed grid from a fixed pattern, and puzzles cut from it.
#pragma once

#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "play/symbol_picker.h"
#include "screen/panels.h"

// Row r, column c (0-based) holds (4 (r mod 3) + r div 3 + c) mod 12 + 1: every row is a shift of the
// first, the row offsets 0, 4, 8, 1, 5, 9, ... are all different, and each box of 4 x 3 gets every
// value once.
inline int PatternValue(int column, int row)
{
    int r = row - 1, c = column - 1;
    return (4 * (r % 3) + r / 3 + c) % 12 + 1;
}

// The completed pattern board as clues in PlayGrid and GivenGrid, except the cells for which
// keep(column, row) is false, which stay empty.
template <typename Keep> void SetPatternPuzzle(Keep keep)
{
    PlayGrid = {};
    GivenGrid = {};
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            if (keep(c, r))
                PlayGrid(c, r) = GivenGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
}
