// Shuffling primitives and passes. The random draws happen in a fixed order, one statement each,
// so a seeded or scripted generator gives the same board every time.
#include "engine/shuffle.h"

#include <utility>

#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "platform/system.h"

uint8_t SymbolPermutation[GridSide];

namespace {

bool SymbolUnused[GridSide]; // symbols not yet taken while the permutation is drawn

void SwapCells(int c1, int r1, int c2, int r2)
{
    std::swap(PlayGrid(c1, r1), PlayGrid(c2, r2));
    std::swap(GivenGrid(c1, r1), GivenGrid(c2, r2));
}

bool Coin()
{
    return Random(2) == 0;
}

} // namespace

void SwapRows(int a, int b)
{
    for (int column = 1; column <= BoardSize; ++column) {
        SwapCells(column, a, column, b);
    }
}

void SwapColumns(int a, int b)
{
    for (int row = 1; row <= BoardSize; ++row) {
        SwapCells(a, row, b, row);
    }
}

void SwapStacks(int p, int q)
{
    for (int row = 1; row <= BoardSize; ++row) {
        for (int t = 1; t <= 4; ++t) {
            SwapCells(4 * (p - 1) + t, row, 4 * (q - 1) + t, row);
        }
    }
}

void SwapBands(int p, int q)
{
    for (int column = 1; column <= BoardSize; ++column) {
        for (int t = 1; t <= 3; ++t) {
            SwapCells(column, 3 * (p - 1) + t, column, 3 * (q - 1) + t);
        }
    }
}

void FlipRows()
{
    for (int k = 1; k <= 6; ++k) {
        SwapRows(k, 13 - k);
    }
}

void FlipColumns()
{
    for (int k = 1; k <= 6; ++k) {
        SwapColumns(k, 13 - k);
    }
}

void RelabelSymbols()
{
    for (int v = 0; v < GridSide; ++v) {
        SymbolUnused[v] = v >= 1;
        SymbolPermutation[v] = 0;
    }
    for (int k = 1; k <= BoardSize; ++k) {
        int v;
        do {
            v = Random(12) + 1;
        } while (!SymbolUnused[v]);
        SymbolPermutation[k] = static_cast<uint8_t>(v);
        SymbolUnused[v] = false;
    }
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            uint8_t& play = PlayGrid(column, row);
            uint8_t& given = GivenGrid(column, row);
            play = play <= BoardSize ? SymbolPermutation[play] : play;
            given = given <= BoardSize ? SymbolPermutation[given] : given;
        }
    }
}

namespace {

// A column pair inside one stack: k = 1..3, 5..7 or 9..11 with its right neighbour.
int DrawColumnPair()
{
    int k = Random(3) + 1;
    k += 4 * Random(3);
    return k;
}

} // namespace

void ShufflePass()
{
    int k = Random(2) + 1;
    SwapRows(k, k + 1);
    k = DrawColumnPair();
    SwapColumns(k, k + 1);
    int q = Random(2) + 1;
    int p = Random(3) + 1;
    SwapStacks(p, q);
    q = Random(4) + 1;
    p = Random(4) + 1;
    SwapBands(p, q);
    if (Coin()) {
        FlipRows();
    }
    if (Coin()) {
        FlipColumns();
    }
    RelabelSymbols();
}

void SymmetricShufflePass()
{
    int k = Random(2) + 1;
    SwapRows(k, k + 1);
    SwapRows(13 - k, 12 - k);
    k = DrawColumnPair();
    SwapColumns(k, k + 1);
    SwapColumns(13 - k, 12 - k);
    if (Coin()) {
        SwapStacks(1, 3);
    }
    if (Coin()) {
        SwapBands(2, 3);
    }
    if (Coin()) {
        SwapBands(1, 2);
        SwapBands(3, 4);
    }
    if (Coin()) {
        FlipRows();
    }
    if (Coin()) {
        FlipColumns();
    }
    RelabelSymbols();
}

void RunShufflePasses()
{
    const int passes = Random(50) + 50;
    const bool symmetric = KeepSymmetry;
    for (int pass = 0; pass < passes; ++pass) {
        if (symmetric) {
            SymmetricShufflePass();
        } else {
            ShufflePass();
        }
    }
}

void ShuffleBoard()
{
    RunShufflePasses();
    ComputeSolution();
}
