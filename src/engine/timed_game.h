// The flags of a timed game. The clock's worker thread reads them while the user-interface thread
// writes them, so they are atomic. The engine's error rule ends a timed game too.
#pragma once

#include <atomic>
#include <string>

extern std::atomic<bool> GameRunning;  // a timed game is in progress
extern std::atomic<bool> PuzzleSolved; // the player's completion is being handed to the clock
extern std::atomic<bool> ClockHold;    // the clock worker skips its refresh while set

// The frozen solving time hh:mm:ss.t of the last solved timed game, handed to the hall of fame; "X"
// while a new one runs. Only the user-interface thread touches it.
extern std::string FinalTime;

// All three flags cleared and no final time, as at start-up.
void ResetTimedGame();
