// The board tests the whole engine shares, the check that turns them into a verdict, and the
// candidate rule.
#pragma once

#include <cstdint>

// TRUE when no symbol stands twice in any column, row or box of PlayGrid; empty cells are ignored.
bool IsConsistent();
// TRUE when some empty cell of PlayGrid admits no symbol. On a board with a duplicate every empty
// cell is dead.
bool HasDeadCell();
// Recounts SymbolCount; TRUE when every symbol stands exactly twelve times.
bool IsBoardFull();
// Recounts SymbolCount from PlayGrid: [0] the empty cells, [v] the occurrences of v.
void CountSymbols();
// Sets CheckMessage, its colour and BoardFull from the board. TRUE when the check warns: the board has
// a duplicate or a dead cell but no wrong entry.
bool JudgeBoard();
// TRUE when writing value into cell (column, row) leaves PlayGrid free of duplicates.
bool IsCandidate(int column, int row, int value);
// Replaces CandidateMarks by every candidate of every empty cell.
void FillCandidateMarks();

// The symbols each row, column and box of PlayGrid holds, one bit per symbol (bit v for symbol v).
// With these the duplicate test of a trial placement needs only the three units of its cell.
struct UnitMasks {
    uint16_t row[13];
    uint16_t column[13];
    uint16_t box[12];
    bool duplicate; // some unit holds a symbol twice: then no symbol is a candidate anywhere
};

constexpr uint16_t AllSymbols = 0x1FFE; // bits 1..12

// Box number 0..11 of a cell: stack by stack, top to bottom within a stack.
constexpr int BoxOf(int column, int row)
{
    return (column - 1) / 4 * 4 + (row - 1) / 3;
}

// Fills the masks from PlayGrid.
void ReadUnitMasks(UnitMasks& masks);

// The candidates of the empty cell (column, row) as a bit set: the symbols whose placement leaves
// the board free of duplicates.
inline uint16_t FreeSymbols(const UnitMasks& masks, int column, int row)
{
    if (masks.duplicate) {
        return 0;
    }
    return AllSymbols & ~(masks.row[row] | masks.column[column] | masks.box[BoxOf(column, row)]);
}
