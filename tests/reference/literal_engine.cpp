// Literal board tests and solver: whole-board tallies for every trial.
#include "reference/literal_engine.h"

#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "engine/timed_game.h"

namespace literal {

namespace {

uint8_t UnitTally[GridSide]; // one unit's tally, index = symbol

bool TallyHasDuplicate()
{
    for (int v = 1; v <= BoardSize; ++v) {
        if (UnitTally[v] > 1) {
            return true;
        }
    }
    return false;
}

void ClearTally()
{
    for (int v = 0; v < GridSide; ++v) {
        UnitTally[v] = 0;
    }
}

} // namespace

bool IsConsistent()
{
    for (int c = 1; c <= 12; ++c) {
        ClearTally();
        for (int r = 1; r <= 12; ++r) {
            ++UnitTally[PlayGrid(c, r)];
        }
        if (TallyHasDuplicate()) {
            return false;
        }
    }
    for (int r = 1; r <= 12; ++r) {
        ClearTally();
        for (int c = 1; c <= 12; ++c) {
            ++UnitTally[PlayGrid(c, r)];
        }
        if (TallyHasDuplicate()) {
            return false;
        }
    }
    for (int c0 = 1; c0 <= 9; c0 += 4) {
        for (int r0 = 1; r0 <= 10; r0 += 3) {
            ClearTally();
            for (int c = c0; c <= c0 + 3; ++c) {
                for (int r = r0; r <= r0 + 2; ++r) {
                    ++UnitTally[PlayGrid(c, r)];
                }
            }
            if (TallyHasDuplicate()) {
                return false;
            }
        }
    }
    return true;
}

bool IsCandidate(int column, int row, int value)
{
    uint8_t kept = PlayGrid(column, row);
    PlayGrid(column, row) = static_cast<uint8_t>(value);
    bool result = IsConsistent();
    PlayGrid(column, row) = kept;
    return result;
}

bool HasDeadCell()
{
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            if (PlayGrid(c, r) != 0) {
                continue;
            }
            bool passed = false;
            for (int v = 1; v <= 12 && !passed; ++v) {
                PlayGrid(c, r) = static_cast<uint8_t>(v);
                passed = IsConsistent();
            }
            PlayGrid(c, r) = 0;
            if (!passed) {
                return true;
            }
        }
    }
    return false;
}

void FillCandidateMarks()
{
    CandidateMarks = {};
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            if (PlayGrid(c, r) != 0) {
                continue;
            }
            for (int k = 1; k <= 12; ++k) {
                PlayGrid(c, r) = static_cast<uint8_t>(k);
                CandidateMarks(c, r, k) = IsConsistent();
            }
            PlayGrid(c, r) = 0;
        }
    }
}

void CheckBoard()
{
    bool red = true;
    CheckMessage = VerdictWrong;
    if (PuzzleUnsolvable) {
        CheckMessage = VerdictUnsolvable;
    } else {
        bool wrong = false;
        for (int c = 1; c <= 12; ++c) {
            for (int r = 1; r <= 12; ++r) {
                if (PlayGrid(c, r) != 0 && GivenGrid(c, r) == 0 && PlayGrid(c, r) != SolutionGrid(c, r)) {
                    wrong = true;
                }
            }
        }
        if (!wrong) {
            if (IsConsistent() && !HasDeadCell()) {
                red = false;
                CheckMessage = VerdictNoErrors;
            } else if (!SilentSolve) {
                NotifyView(BoardView.warn);
            }
        }
        BoardFull = true;
        for (int v = 1; v <= 12; ++v) {
            if (SymbolCount[v] != 12) {
                BoardFull = false;
            }
        }
        if (BoardFull && IsConsistent()) {
            CheckMessage = VerdictSolved;
        }
    }
    Board.VerdictInRed = red;
    if (!SilentSolve) {
        NotifyView(BoardView.verdictChanged);
    }
}

namespace {

void Place(int c, int r, int v)
{
    PlayGrid(c, r) = static_cast<uint8_t>(v);
    if (!SilentSolve) {
        ::DrawEntryCell(c, r, v);
    }
}

int CandidateCount(int c, int r, int& last)
{
    int count = 0;
    for (int v = 1; v <= 12; ++v) {
        if (IsCandidate(c, r, v)) {
            ++count;
            last = v;
        }
    }
    return count;
}

void BoxStep(int c0, int r0)
{
    for (int c = c0; c <= c0 + 3; ++c) {
        for (int r = r0; r <= r0 + 2; ++r) {
            int last = 0;
            if (PlayGrid(c, r) == 0 && CandidateCount(c, r, last) == 1) {
                Place(c, r, last);
            }
        }
    }
    for (int v = 1; v <= 12; ++v) {
        int count = 0;
        int atC = 0;
        int atR = 0;
        for (int c = c0; c <= c0 + 3; ++c) {
            for (int r = r0; r <= r0 + 2; ++r) {
                if (PlayGrid(c, r) == 0 && IsCandidate(c, r, v)) {
                    ++count;
                    atC = c;
                    atR = r;
                }
            }
        }
        if (count == 1) {
            Place(atC, atR, v);
        }
    }
}

void RowStep(int r)
{
    for (int v = 1; v <= 12; ++v) {
        int count = 0;
        int at = 0;
        for (int c = 1; c <= 12; ++c) {
            if (PlayGrid(c, r) == 0 && IsCandidate(c, r, v)) {
                ++count;
                at = c;
            }
        }
        if (count == 1) {
            Place(at, r, v);
        }
    }
}

void ColumnStep(int c)
{
    for (int v = 1; v <= 12; ++v) {
        int count = 0;
        int at = 0;
        for (int r = 1; r <= 12; ++r) {
            if (PlayGrid(c, r) == 0 && IsCandidate(c, r, v)) {
                ++count;
                at = r;
            }
        }
        if (count == 1) {
            Place(c, at, v);
        }
    }
}

bool Solved()
{
    return CheckMessage == VerdictSolved;
}

} // namespace

void LogicPass()
{
    for (int sweep = 1; sweep <= 12; ++sweep) {
        for (int c0 = 1; c0 <= 9; c0 += 4) {
            for (int r0 = 1; r0 <= 10; r0 += 3) {
                BoxStep(c0, r0);
            }
        }
        for (int k = 1; k <= 12; ++k) {
            RowStep(k);
            ColumnStep(k);
        }
    }
}

void SolveBoard()
{
    LogicPass();
    CountSymbols();
    if (!SilentSolve) {
        NotifyView(BoardView.statisticsChanged);
    }
    CheckBoard();
    if (!Solved() && !Guessing) {
        GuessStage();
    }
}

void GuessStage()
{
    Guessing = true;
    BackupGrid = PlayGrid;
    for (int r = 1; r <= 12; ++r) {
        // The row trial.
        bool done = false;
        for (int c = 1; c <= 12 && !done; ++c) {
            if (PlayGrid(c, r) != 0) {
                continue;
            }
            int a = 0;
            int b = 0;
            int count = 0;
            for (int v = 1; v <= 12; ++v) {
                if (IsCandidate(c, r, v)) {
                    ++count;
                    if (count == 1) {
                        a = v;
                    } else {
                        b = v;
                    }
                }
            }
            if (count != 2) {
                continue;
            }
            Place(c, r, a);
            SolveBoard();
            if (Solved()) {
                done = true;
                break;
            }
            PlayGrid = BackupGrid;
            Place(c, r, b);
            SolveBoard();
            if (Solved()) {
                done = true;
                break;
            }
            PlayGrid = BackupGrid;
            PlayGrid(c, r) = 0;
            if (!SilentSolve) {
                ::DrawEntryCell(c, r, 0);
            }
        }
        if (!done && !SilentSolve) {
            ::RedrawBoard();
        }
        if (Solved()) {
            break;
        }
    }
    Guessing = false;
}

void ComputeSolution()
{
    PuzzleUnsolvable = false;
    ByteGrid start = PlayGrid;
    SilentSolve = true;
    LogicPass();
    if (!IsBoardFull() && !Guessing) {
        GuessStage();
    }
    PuzzleUnsolvable = !IsBoardFull();
    SolutionGrid = {};
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            SolutionGrid(c, r) = PlayGrid(c, r);
        }
    }
    PlayGrid = start;
    SilentSolve = false;
    ErrorCount = 0;
}

void ShuffleBoard()
{
    RunShufflePasses();
    ComputeSolution();
}

} // namespace literal
