// The flags of a timed game. The clock's worker thread reads them while the user-interface thread
// writes them, so they are atomic. The engine's error rule ends a timed game too.
#pragma once

#include <atomic>

extern std::atomic<bool> GameRunning;  // a timed game is in progress
extern std::atomic<bool> PuzzleSolved; // the player's completion is being handed to the clock
extern std::atomic<bool> ClockHold;    // the clock worker skips its refresh while set

// All three flags cleared, as at start-up.
void ResetTimedGame();
