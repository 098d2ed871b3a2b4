// Board tests (duplicates, dead cells, completeness) and the check verdict.
#include "engine/board_check.h"

#include "app/game_state.h"
#include "engine/board_view.h"

void ReadUnitMasks(UnitMasks& masks)
{
    masks = {};
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            int value = PlayGrid(column, row);
            if (value == 0 || value > BoardSize) {
                continue;
            }
            uint16_t bit = uint16_t(1u << value);
            uint16_t& inRow = masks.row[row];
            uint16_t& inColumn = masks.column[column];
            uint16_t& inBox = masks.box[BoxOf(column, row)];
            if ((inRow | inColumn | inBox) & bit) {
                masks.duplicate = true;
            }
            inRow |= bit;
            inColumn |= bit;
            inBox |= bit;
        }
    }
}

bool IsConsistent()
{
    UnitMasks masks;
    ReadUnitMasks(masks);
    return !masks.duplicate;
}

bool HasDeadCell()
{
    UnitMasks masks;
    ReadUnitMasks(masks);
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            if (PlayGrid(column, row) == 0 && FreeSymbols(masks, column, row) == 0) {
                return true;
            }
        }
    }
    return false;
}

void CountSymbols()
{
    for (int v = 0; v < GridSide; ++v) {
        SymbolCount[v] = 0;
    }
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            int value = PlayGrid(column, row);
            if (value <= BoardSize) {
                ++SymbolCount[value];
            }
        }
    }
}

namespace {

bool EverySymbolTwelveTimes()
{
    for (int v = 1; v <= BoardSize; ++v) {
        if (SymbolCount[v] != BoardSize) {
            return false;
        }
    }
    return true;
}

} // namespace

bool IsBoardFull()
{
    CountSymbols();
    return EverySymbolTwelveTimes();
}

void CheckBoard()
{
    bool red = true;
    CheckMessage = VerdictWrong;
    if (!PuzzleUnsolvable) {
        bool wrongEntry = false;
        for (int row = 1; row <= BoardSize && !wrongEntry; ++row) {
            for (int column = 1; column <= BoardSize; ++column) {
                int value = PlayGrid(column, row);
                if (value != 0 && GivenGrid(column, row) == 0 && value != SolutionGrid(column, row)) {
                    wrongEntry = true;
                    break;
                }
            }
        }
        if (!wrongEntry) {
            if (IsConsistent() && !HasDeadCell()) {
                red = false;
                CheckMessage = VerdictNoErrors;
            } else if (!SilentSolve && BoardView.warn != nullptr) {
                // The warning is for the player; a silent solve's trial boards are not the player's.
                BoardView.warn();
            }
        }
        BoardFull = EverySymbolTwelveTimes();
        if (BoardFull && IsConsistent()) {
            CheckMessage = VerdictSolved;
        }
    } else {
        CheckMessage = VerdictUnsolvable;
    }
    if (!SilentSolve && BoardView.drawCheckVerdict != nullptr) {
        BoardView.drawCheckVerdict(red);
    }
}
