// What the player is shown of the board: the rules that decide it, and the notifications that tell
// the screen what to draw.
//
// The engine runs without a window too (tests, benchmarks, the library tool), so it never draws: it
// applies the rules (a wrong entry is counted, the third ends a timed game, the statistics are
// recounted and checked, shown candidates are recomputed) and then notifies the view, whose
// handlers only draw. An empty handler draws nothing; the rules run the same with or without one.
#pragma once

struct BoardViewHooks {
    void (*entryChanged)(int column, int row, int value) = nullptr; // paint an entry (red when wrong)
    void (*boardChanged)() = nullptr;      // paint all cells, the counts, the verdict, the notes
    void (*statisticsChanged)() = nullptr; // paint the symbol counts
    void (*verdictChanged)() = nullptr;    // paint CheckMessage and the error line
    void (*notesChanged)() = nullptr;      // paint the notes of the empty cells
    void (*warn)() = nullptr;              // the check's warning (a beep)
    void (*timedGameStopped)() = nullptr;  // let the clock show that no timed game runs
};

extern BoardViewHooks BoardView;

// TRUE only while ComputeSolution solves silently: nothing is shown, and the check neither warns nor
// shows its verdict (the trial boards are not the player's).
extern bool SilentSolve;

template <typename... Args> void NotifyView(void (*handler)(Args...), Args... args)
{
    if (handler != nullptr)
        handler(args...);
}

// An entry that differs from a known solution value.
bool IsWrongEntry(int column, int row, int value);
// The error rule: a wrong entry counts (up to the count's largest value) every time it is shown,
// also when an unchanged one is shown again; at exactly three errors the timed game ends.
void CountEntryError(int column, int row, int value);

// Shows cell (column, row) as the player's entry value (0 = empty), with the error rule.
void DrawEntryCell(int column, int row, int value);
// Shows the whole board again: every entry with the error rule (so a wrong one counts again), the
// statistics with the check, and the notes or, with ShowCandidates, all computed candidates.
void RedrawBoard();
// Recounts SymbolCount, shows the counts, then runs the check.
void UpdateStatistics();
// The check: the verdict judged, the warning given and the verdict shown, unless SilentSolve.
void CheckBoard();
// Ends a running timed game without a record and lets the clock show it.
void StopTimedGame();
// With ShowCandidates, replaces the notes by all candidates (ending a timed game); then shows the
// notes.
void ShowComputedCandidates();
