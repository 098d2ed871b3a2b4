// The board: every grid, the notes, the symbol counts, the error count and the last verdict. One
// value, Board, holds it all, so a fresh board is one assignment (Board = {}); the board's parts keep
// their own names as references into it.
//
// Every array keeps index 0 in every dimension (it is never used for a cell or symbol), so the code
// can use the board's own 1-based numbers. Grids are addressed (column, row) and stored with the
// column varying fastest: byte (c, r) sits at offset c + 13 * r, which is also the order the board
// files use.
#pragma once

#include <cstdint>

constexpr int BoardSize = 12; // columns, rows, symbols
constexpr int GridSide = 13;  // one more for the unused index 0
constexpr int GridBytes = GridSide * GridSide;
constexpr int MarkBytes = GridBytes * GridSide;

// A 13 x 13 byte grid addressed as Grid(column, row).
struct ByteGrid {
    uint8_t cells[GridBytes] = {};
    uint8_t& operator()(int column, int row) { return cells[column + GridSide * row]; }
    uint8_t operator()(int column, int row) const { return cells[column + GridSide * row]; }
    bool operator==(const ByteGrid&) const = default;
};

// Thirteen planes of 13 x 13, addressed (column, row, symbol); plane s holds symbol s.
template <typename T> struct SymbolPlanes {
    T cells[MarkBytes] = {};
    T& operator()(int column, int row, int symbol)
    {
        return cells[column + GridSide * row + GridBytes * symbol];
    }
    T operator()(int column, int row, int symbol) const
    {
        return cells[column + GridSide * row + GridBytes * symbol];
    }
    bool operator==(const SymbolPlanes&) const = default;
};

// The verdict of the last check, shown in the status panel; None before the first check.
enum class Verdict { None, Wrong, Unsolvable, NoErrors, Solved };
inline constexpr Verdict VerdictWrong = Verdict::Wrong;
inline constexpr Verdict VerdictUnsolvable = Verdict::Unsolvable;
inline constexpr Verdict VerdictNoErrors = Verdict::NoErrors;
inline constexpr Verdict VerdictSolved = Verdict::Solved;
// The text the player reads, blanks and exclamation marks as shown ("" for None).
const char* VerdictText(Verdict verdict);

struct BoardState {
    ByteGrid PlayGrid;                  // what stands in every cell now; 0 = empty
    ByteGrid GivenGrid;                 // the clues; nonzero = a given with that symbol
    ByteGrid SolutionGrid;              // the worked-out solution; 0 = not known
    ByteGrid BackupGrid;                // snapshot taken while the solver works
    SymbolPlanes<bool> CandidateMarks;  // the candidate notes
    uint8_t SymbolCount[GridSide] = {}; // [0] = empty cells, [v] = occurrences of v
    int16_t ErrorCount = 0;             // wrong entries drawn in this game; the third ends a timed one
    bool BoardFull = false;             // every symbol stands twelve times (set by the check)
    Verdict CheckMessage = Verdict::None;
    bool VerdictInRed = false;     // the verdict's colour: red, or black when nothing is wrong
    bool PuzzleUnsolvable = false; // the last ComputeSolution left the board incomplete
};

extern BoardState Board;

inline ByteGrid& PlayGrid = Board.PlayGrid;
inline ByteGrid& GivenGrid = Board.GivenGrid;
inline ByteGrid& SolutionGrid = Board.SolutionGrid;
inline ByteGrid& BackupGrid = Board.BackupGrid;
inline SymbolPlanes<bool>& CandidateMarks = Board.CandidateMarks;
inline uint8_t (&SymbolCount)[GridSide] = Board.SymbolCount;
inline int16_t& ErrorCount = Board.ErrorCount;
inline bool& BoardFull = Board.BoardFull;
inline Verdict& CheckMessage = Board.CheckMessage;
inline bool& PuzzleUnsolvable = Board.PuzzleUnsolvable;
