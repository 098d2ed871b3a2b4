// The display rules of the board and the view's notifications.
#include "engine/board_view.h"

#include <cstdint>

#include "engine/board_check.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/timed_game.h"

BoardViewHooks BoardView;
bool SilentSolve = false;

bool IsWrongEntry(int column, int row, int value)
{
    // Compared with PlayGrid, which the caller has set to value.
    return value != 0 && SolutionGrid(column, row) != 0 && SolutionGrid(column, row) != PlayGrid(column, row);
}

void CountEntryError(int column, int row, int value)
{
    if (value == 0 || SolutionGrid(column, row) == 0)
        return;
    if (IsWrongEntry(column, row, value) && ErrorCount < INT16_MAX)
        ++ErrorCount;
    if (ErrorCount == 3)
        StopTimedGame();
}

void DrawEntryCell(int column, int row, int value)
{
    CountEntryError(column, row, value);
    NotifyView(BoardView.entryChanged, column, row, value);
}

void RedrawBoard()
{
    // The rules first, the whole picture after: a repaint counts every wrong entry again.
    for (int column = 1; column <= BoardSize; ++column)
        for (int row = 1; row <= BoardSize; ++row)
            if (GivenGrid(column, row) == 0)
                CountEntryError(column, row, PlayGrid(column, row));
    CountSymbols();
    if (JudgeBoard())
        NotifyView(BoardView.warn);
    if (ShowCandidates) {
        StopTimedGame(); // looking at all candidates ends a timed game without a record
        FillCandidateMarks();
    }
    NotifyView(BoardView.boardChanged);
}

void UpdateStatistics()
{
    CountSymbols();
    if (!SilentSolve)
        NotifyView(BoardView.statisticsChanged);
    CheckBoard();
}

void CheckBoard()
{
    const bool warn = JudgeBoard();
    if (SilentSolve)
        return;
    if (warn)
        NotifyView(BoardView.warn);
    NotifyView(BoardView.verdictChanged);
}

void StopTimedGame()
{
    GameRunning = false;
    NotifyView(BoardView.timedGameStopped);
}

void ShowComputedCandidates()
{
    if (ShowCandidates) {
        StopTimedGame();
        FillCandidateMarks();
    }
    NotifyView(BoardView.notesChanged);
}
