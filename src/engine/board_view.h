// The drawing the engine asks for while it works on the board.
//
// The engine runs without a window (tests, benchmarks, the library tool), so it does not call the
// screen's routines directly: the screen installs them here at start-up. An empty entry draws
// nothing; where drawing also carries game logic (the statistics refresh runs the check), the engine
// does that logic itself when no screen is installed.
#pragma once

#include <string>

struct BoardViewHooks {
    void (*drawEntryCell)(int column, int row, int value) = nullptr; // paints an entry, counts errors
    void (*redrawBoard)() = nullptr;                                 // all cells, statistics, notes
    void (*updateStatistics)() = nullptr;         // recount, draw the counts, then CheckBoard
    void (*drawCheckVerdict)(bool red) = nullptr; // CheckMessage and the error line
    void (*warn)() = nullptr;                     // the check's warning call (a beep)
    // A failure the player must hear of (a board that could not be saved); without a screen it goes
    // to standard error.
    void (*reportError)(const std::string& message) = nullptr;
};

extern BoardViewHooks BoardView;
