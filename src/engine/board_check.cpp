// Board tests (duplicates, dead cells, completeness), the check verdict and the candidate rule.
#include "engine/board_check.h"

#include <bit>

#include "engine/board_state.h"

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

bool JudgeBoard()
{
    bool red = true;
    bool warn = false;
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
            } else {
                warn = true;
            }
        }
        BoardFull = EverySymbolTwelveTimes();
        if (BoardFull && IsConsistent()) {
            CheckMessage = VerdictSolved;
        }
    } else {
        CheckMessage = VerdictUnsolvable;
    }
    Board.VerdictInRed = red;
    return warn;
}

bool IsCandidate(int column, int row, int value)
{
    // The board with the cell emptied, then the cell's three units: the same answer as writing the
    // value and testing the whole board.
    uint8_t kept = PlayGrid(column, row);
    PlayGrid(column, row) = 0;
    UnitMasks masks;
    ReadUnitMasks(masks);
    PlayGrid(column, row) = kept;
    return value >= 1 && value <= BoardSize && (FreeSymbols(masks, column, row) >> value & 1);
}

void FillCandidateMarks()
{
    CandidateMarks = {};
    UnitMasks masks;
    ReadUnitMasks(masks);
    if (masks.duplicate) {
        return;
    }
    for (int row = 1; row <= BoardSize; ++row) {
        for (int column = 1; column <= BoardSize; ++column) {
            if (PlayGrid(column, row) != 0) {
                continue;
            }
            uint16_t free = FreeSymbols(masks, column, row);
            while (free != 0) {
                int value = std::countr_zero(free);
                CandidateMarks(column, row, value) = true;
                free &= uint16_t(free - 1);
            }
        }
    }
}
