// Solver: logic steps, guessing stage, silent solution, candidate notes.
//
// Every trial placement is judged by the duplicate test of the whole board. The masks of
// board_check.h answer it from the trial cell's row, column and box alone: a board that already
// holds a duplicate has no candidate anywhere, and on a board without one a symbol is a candidate
// exactly when none of the cell's three units holds it. The masks are read from PlayGrid at the
// start of each pass and kept current while the pass places symbols.
#include "engine/solver.h"

#include <bit>

#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"

bool Guessing = false;

namespace {

UnitMasks Masks; // PlayGrid's units during a logic pass

// Writes value into the cell, keeps the masks current and draws the entry unless silent.
void Place(int column, int row, int value)
{
    PlayGrid(column, row) = static_cast<uint8_t>(value);
    uint16_t bit = uint16_t(1u << value);
    Masks.row[row] |= bit;
    Masks.column[column] |= bit;
    Masks.box[BoxOf(column, row)] |= bit;
    if (!SilentSolve) {
        DrawEntryCell(column, row, value);
    }
}

int PlacedInPass = 0;

// One unit's "symbol with one cell" step. The symbols are taken 1..12 in turn and each counted on
// the board as the earlier placements left it: the tallies are taken over the unit's cells at once
// and taken again after every placement, which changes the unit.
template <int Cells, typename CellAt> void PlaceLoneSymbols(CellAt cellAt)
{
    uint16_t from = AllSymbols; // symbols not yet taken in turn
    while (from != 0) {
        uint16_t once = 0;
        uint16_t twice = 0;
        for (int i = 0; i < Cells; ++i) {
            auto [column, row] = cellAt(i);
            if (PlayGrid(column, row) == 0) {
                uint16_t free = FreeSymbols(Masks, column, row);
                twice |= once & free;
                once |= free;
            }
        }
        uint16_t lone = once & ~twice & from;
        if (lone == 0) {
            return;
        }
        int value = std::countr_zero(lone);
        uint16_t bit = uint16_t(1u << value);
        for (int i = 0; i < Cells; ++i) {
            auto [column, row] = cellAt(i);
            if (PlayGrid(column, row) == 0 && (FreeSymbols(Masks, column, row) & bit)) {
                Place(column, row, value);
                ++PlacedInPass;
                break;
            }
        }
        from &= uint16_t(~((bit << 1) - 1));
    }
}

struct Cell {
    int column;
    int row;
};

void BoxStep(int c0, int r0)
{
    for (int column = c0; column < c0 + 4; ++column) {
        for (int row = r0; row < r0 + 3; ++row) {
            if (PlayGrid(column, row) == 0) {
                uint16_t free = FreeSymbols(Masks, column, row);
                if (std::popcount(free) == 1) {
                    Place(column, row, std::countr_zero(free));
                    ++PlacedInPass;
                }
            }
        }
    }
    PlaceLoneSymbols<12>([c0, r0](int i) { return Cell{c0 + i / 3, r0 + i % 3}; });
}

void RowStep(int row)
{
    PlaceLoneSymbols<12>([row](int i) { return Cell{i + 1, row}; });
}

void ColumnStep(int column)
{
    PlaceLoneSymbols<12>([column](int i) { return Cell{column, i + 1}; });
}

bool Solved()
{
    return CheckMessage == VerdictSolved;
}

// Tries both candidates of every two-candidate cell of one row. TRUE when a trial solved the board.
bool RowTrial(int row, const UnitMasks& snapshot)
{
    for (int column = 1; column <= BoardSize; ++column) {
        if (PlayGrid(column, row) != 0) {
            continue;
        }
        // PlayGrid equals the snapshot here, so its masks give the cell's candidates.
        uint16_t free = FreeSymbols(snapshot, column, row);
        if (std::popcount(free) != 2) {
            continue;
        }
        int smaller = std::countr_zero(free);
        int larger = 15 - std::countl_zero(uint16_t(free));
        for (int value : {smaller, larger}) {
            PlayGrid = BackupGrid;
            Place(column, row, value); // the trial's LogicPass reads its masks afresh
            SolveBoard();
            if (Solved()) {
                return true;
            }
        }
        PlayGrid = BackupGrid;
        PlayGrid(column, row) = 0;
        if (!SilentSolve) {
            DrawEntryCell(column, row, 0);
        }
    }
    if (!SilentSolve) {
        RedrawBoard();
    }
    return false;
}

} // namespace

void LogicPass()
{
    ReadUnitMasks(Masks);
    if (Masks.duplicate) {
        return; // no candidate anywhere: no sweep can place
    }
    for (int sweep = 1; sweep <= 12; ++sweep) {
        PlacedInPass = 0;
        for (int c0 = 1; c0 <= 9; c0 += 4) {
            for (int r0 = 1; r0 <= 10; r0 += 3) {
                BoxStep(c0, r0);
            }
        }
        for (int k = 1; k <= BoardSize; ++k) {
            RowStep(k);
            ColumnStep(k);
        }
        if (PlacedInPass == 0) {
            return; // the remaining sweeps would see the same board and place nothing either
        }
    }
}

void SolveBoard()
{
    LogicPass();
    UpdateStatistics(); // while silent it only recounts and checks
    if (!Solved() && !Guessing) {
        GuessStage();
    }
}

void GuessStage()
{
    Guessing = true;
    BackupGrid = PlayGrid;
    UnitMasks snapshot;
    ReadUnitMasks(snapshot);
    for (int row = 1; row <= BoardSize; ++row) {
        if (RowTrial(row, snapshot) || Solved()) {
            break;
        }
    }
    Guessing = false;
}

void SolveCommand()
{
    SolveBoard();
    if (!(BoardFull && IsConsistent()) && HasDeadCell()) {
        RestartBoard();
        SolveBoard();
    }
}

void ComputeSolution()
{
    // Verdicts left from the previous puzzle must not hide a solved trial board nor fake one.
    PuzzleUnsolvable = false;
    CheckMessage = Verdict::None;
    const ByteGrid start = PlayGrid;
    SilentSolve = true;
    LogicPass();
    if (!IsBoardFull() && !Guessing) {
        GuessStage();
    }
    PuzzleUnsolvable = !IsBoardFull();
    SolutionGrid = {};
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            SolutionGrid(column, row) = PlayGrid(column, row);
        }
    }
    PlayGrid = start;
    SilentSolve = false;
    ErrorCount = 0;
}
