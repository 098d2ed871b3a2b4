// Boards for the engine tests: a solved grid from a formula, shuffled by the engine's own passes,
// puzzles made from it by removing cells, a solution counter, and hooks that log what the engine draws.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/engine_state.h"
#include "engine/settings.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/system.h"

namespace testboards {

// A solved board: rows of a band shift by four, bands by one, so every row, column and box holds
// each symbol once.
inline ByteGrid PatternGrid()
{
    ByteGrid grid;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            grid(c, r) = static_cast<uint8_t>(((r - 1) % 3 * 4 + (r - 1) / 3 + (c - 1)) % 12 + 1);
        }
    }
    return grid;
}

// A solved board disguised by 50..99 free shuffle passes drawn from the seed.
inline ByteGrid SolvedGrid(uint64_t seed)
{
    PlayGrid = PatternGrid();
    GivenGrid = {};
    SeedRandom(seed);
    const bool keep = KeepSymmetry;
    KeepSymmetry = false;
    RunShufflePasses();
    KeepSymmetry = keep;
    return PlayGrid;
}

// The 144 cells in an order drawn from the seed.
inline std::vector<std::pair<int, int>> CellOrder(uint64_t seed)
{
    std::vector<std::pair<int, int>> cells;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            cells.emplace_back(c, r);
        }
    }
    std::mt19937_64 rng(seed);
    std::shuffle(cells.begin(), cells.end(), rng);
    return cells;
}

// The solution with the first `removed` cells of the seed's order emptied.
inline ByteGrid Holes(const ByteGrid& solution, int removed, uint64_t seed)
{
    ByteGrid grid = solution;
    auto order = CellOrder(seed);
    for (int i = 0; i < removed; ++i) {
        grid(order[i].first, order[i].second) = 0;
    }
    return grid;
}

// Puts a puzzle on the board: every clue in PlayGrid and GivenGrid, nothing else.
inline void SetPuzzle(const ByteGrid& clues)
{
    PlayGrid = clues;
    GivenGrid = clues;
}

inline int EmptyCells(const ByteGrid& grid)
{
    int empty = 0;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            empty += grid(c, r) == 0;
        }
    }
    return empty;
}

// Counts the completions of a grid without duplicates, stopping at `limit`: depth-first search on
// the cell with fewest free symbols, with its own unit masks, independent of the engine.
class SolutionCounter {
  public:
    int count(const ByteGrid& grid, int limit)
    {
        limit_ = limit;
        found_ = 0;
        empties_ = 0;
        for (int i = 0; i < 13; ++i) {
            row_[i] = column_[i] = box_[i] = 0;
        }
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                int v = grid(c, r);
                if (v == 0) {
                    cells_[empties_++] = {c, r};
                    continue;
                }
                uint16_t bit = uint16_t(1u << v);
                if ((row_[r] | column_[c] | box_[BoxOf(c, r)]) & bit) {
                    return 0; // a duplicate: no completion
                }
                row_[r] |= bit;
                column_[c] |= bit;
                box_[BoxOf(c, r)] |= bit;
            }
        }
        search(0);
        return found_;
    }

  private:
    uint16_t free(int i) const
    {
        auto [c, r] = cells_[i];
        return uint16_t(0x1FFE & ~(row_[r] | column_[c] | box_[BoxOf(c, r)]));
    }
    void search(int depth)
    {
        if (depth == empties_) {
            ++found_;
            return;
        }
        int best = depth;
        int bestCount = 13;
        for (int i = depth; i < empties_ && bestCount > 1; ++i) {
            int n = std::popcount(free(i));
            if (n < bestCount) {
                bestCount = n;
                best = i;
            }
        }
        std::swap(cells_[depth], cells_[best]);
        auto [c, r] = cells_[depth];
        uint16_t options = free(depth);
        while (options != 0 && found_ < limit_) {
            uint16_t bit = uint16_t(options & -options);
            options &= uint16_t(options - 1);
            row_[r] |= bit;
            column_[c] |= bit;
            box_[BoxOf(c, r)] |= bit;
            search(depth + 1);
            row_[r] &= uint16_t(~bit);
            column_[c] &= uint16_t(~bit);
            box_[BoxOf(c, r)] &= uint16_t(~bit);
        }
        std::swap(cells_[depth], cells_[best]);
    }
    std::pair<int, int> cells_[144];
    int empties_ = 0;
    uint16_t row_[13];
    uint16_t column_[13];
    uint16_t box_[13];
    int limit_ = 0;
    int found_ = 0;
};

// Everything the engine shows, as a log: placements with the guessing flag, and call counts.
struct DrawLog {
    struct Entry {
        int column;
        int row;
        int value;
        bool guessing;
    };
    std::vector<Entry> entries;
    int redraws = 0;
    int statistics = 0;
    int verdicts = 0;
    int warnings = 0;
    bool lastRed = false;
};

inline DrawLog Log;

// Handlers that log what the engine shows.
inline void InstallLoggingView()
{
    Log = DrawLog{};
    BoardView.entryChanged = [](int c, int r, int v) { Log.entries.push_back({c, r, v, Guessing}); };
    BoardView.boardChanged = [] { ++Log.redraws; };
    BoardView.statisticsChanged = [] { ++Log.statistics; };
    BoardView.verdictChanged = [] {
        ++Log.verdicts;
        Log.lastRed = Board.VerdictInRed;
    };
    BoardView.warn = [] { ++Log.warnings; };
}

inline void RemoveView()
{
    BoardView = BoardViewHooks{};
}

} // namespace testboards
