// A random completed board: randomised backtracking that always fills the cell with the fewest
// symbols left, trying that cell's symbols in random order. Draws from the game's Random, so a
// seeded generator gives the same board every time.
#include "libtool.h"

#include "platform/system.h"

#include <bit>
#include <cstdint>
#include <utility>

namespace {

struct Filler {
    uint16_t rowUsed[GridSide] = {};
    uint16_t columnUsed[GridSide] = {};
    uint16_t boxUsed[BoardSize] = {};
    ByteGrid grid;

    static int boxOf(int column, int row) { return (column - 1) / 4 + 3 * ((row - 1) / 3); }

    uint16_t freeSymbols(int column, int row) const
    {
        return uint16_t(0x1FFE & ~(rowUsed[row] | columnUsed[column] | boxUsed[boxOf(column, row)]));
    }

    void place(int column, int row, int value)
    {
        const uint16_t bit = uint16_t(1u << value);
        rowUsed[row] ^= bit;
        columnUsed[column] ^= bit;
        boxUsed[boxOf(column, row)] ^= bit;
        grid(column, row) = grid(column, row) ? 0 : uint8_t(value);
    }

    bool fill(int left)
    {
        if (left == 0)
            return true;
        int bestColumn = 0, bestRow = 0, bestCount = 99;
        uint16_t bestFree = 0;
        for (int row = 1; row <= BoardSize && bestCount > 1; ++row) {
            for (int column = 1; column <= BoardSize; ++column) {
                if (grid(column, row))
                    continue;
                const uint16_t open = freeSymbols(column, row);
                const int count = std::popcount(open);
                if (count < bestCount) {
                    bestColumn = column;
                    bestRow = row;
                    bestCount = count;
                    bestFree = open;
                    if (count <= 1)
                        break;
                }
            }
        }
        if (bestCount == 0)
            return false;
        // The open symbols in random order (Fisher-Yates).
        int order[BoardSize];
        int n = 0;
        for (int value = 1; value <= BoardSize; ++value)
            if (bestFree & (1u << value))
                order[n++] = value;
        for (int i = n - 1; i > 0; --i)
            std::swap(order[i], order[Random(i + 1)]);
        for (int i = 0; i < n; ++i) {
            place(bestColumn, bestRow, order[i]);
            if (fill(left - 1))
                return true;
            place(bestColumn, bestRow, order[i]);
        }
        return false;
    }
};

} // namespace

ByteGrid RandomFullGrid()
{
    Filler filler;
    filler.fill(BoardSize * BoardSize);
    return filler.grid;
}
