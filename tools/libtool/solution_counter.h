// Exhaustive count of the solutions of a board, stopped at a limit.
//
// Deliberately independent of the game's solver: plain bitmask backtracking over the rows, columns
// and boxes, always branching on the empty cell with the fewest symbols left. It proves that a
// library puzzle has exactly one solution, which the game's solver cannot tell.
//
// The search visits at most a budget of nodes (partial boards), so a sparse board whose dead ends
// would run on for hours ends as undecided instead.
#pragma once

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"

#include <bit>
#include <cstdint>
#include <utility>

// What CountSolutions gives when the budget ran out before the count was settled.
constexpr int Undecided = -1;
// The shipped puzzles settle within 120 thousand nodes, the boards the generator tries on its way to
// them within 27 million. A node takes 50 to 150 ns (more on sparse boards), so the default gives up
// on a hopeless board after some seconds.
constexpr int64_t CountBudget = 50'000'000;

namespace solution_counter {

inline int BoxOf(int column, int row)
{
    return (column - 1) / 4 + 3 * ((row - 1) / 3);
}

struct Search {
    uint16_t rowUsed[GridSide] = {};
    uint16_t columnUsed[GridSide] = {};
    uint16_t boxUsed[BoardSize] = {};
    uint8_t emptyColumn[BoardSize * BoardSize] = {};
    uint8_t emptyRow[BoardSize * BoardSize] = {};
    int emptyCount = 0;
    int found = 0;
    int limit = 2;
    int64_t budget = CountBudget; // nodes still allowed; below zero the search has given up
    ByteGrid* first = nullptr;    // receives the first solution found, when wanted
    ByteGrid work;

    uint16_t freeSymbols(int column, int row) const
    {
        constexpr uint16_t all = 0x1FFE; // bits 1..12
        return all & ~(rowUsed[row] | columnUsed[column] | boxUsed[BoxOf(column, row)]);
    }

    void set(int column, int row, int value, bool on)
    {
        const uint16_t bit = uint16_t(1u << value);
        rowUsed[row] ^= bit;
        columnUsed[column] ^= bit;
        boxUsed[BoxOf(column, row)] ^= bit;
        work(column, row) = on ? uint8_t(value) : 0;
    }

    bool gaveUp() const { return budget < 0; }

    // Cells emptyColumn/emptyRow[depth..] are still open.
    void run(int depth)
    {
        if (--budget < 0)
            return;
        if (depth == emptyCount) {
            if (found == 0 && first)
                *first = work;
            ++found;
            return;
        }
        int best = depth;
        int bestCount = 99;
        uint16_t bestFree = 0;
        for (int i = depth; i < emptyCount; ++i) {
            const uint16_t open = freeSymbols(emptyColumn[i], emptyRow[i]);
            const int count = std::popcount(open);
            if (count < bestCount) {
                best = i;
                bestCount = count;
                bestFree = open;
                if (count <= 1)
                    break;
            }
        }
        if (bestCount == 0)
            return;
        std::swap(emptyColumn[depth], emptyColumn[best]);
        std::swap(emptyRow[depth], emptyRow[best]);
        const int column = emptyColumn[depth];
        const int row = emptyRow[depth];
        for (int value = 1; value <= BoardSize && found < limit && !gaveUp(); ++value) {
            if (!(bestFree & (1u << value)))
                continue;
            set(column, row, value, true);
            run(depth + 1);
            set(column, row, value, false);
        }
    }
};

} // namespace solution_counter

// The number of ways to complete the board, counting stops at limit; Undecided when more than budget
// nodes would be needed to tell. Cells 1..12 x 1..12 are read; values above 12 or clashing clues give
// 0. When solution is given it receives the first completion found (the only one when the result is
// 1).
inline int CountSolutions(const ByteGrid& board, int limit = 2, ByteGrid* solution = nullptr,
                          int64_t budget = CountBudget)
{
    solution_counter::Search search;
    search.limit = limit;
    search.budget = budget;
    search.first = solution;
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            const int value = board(column, row);
            if (value == 0) {
                search.emptyColumn[search.emptyCount] = uint8_t(column);
                search.emptyRow[search.emptyCount] = uint8_t(row);
                ++search.emptyCount;
                continue;
            }
            if (value > BoardSize || !(search.freeSymbols(column, row) & (1u << value)))
                return 0;
            search.set(column, row, value, true);
        }
    }
    search.run(0);
    return search.found < limit && search.gaveUp() ? Undecided : search.found;
}
