// The timed-game flags.
#include "engine/timed_game.h"

std::atomic<bool> GameRunning{false};
std::atomic<bool> PuzzleSolved{false};
std::atomic<bool> ClockHold{false};
std::string FinalTime;

void ResetTimedGame()
{
    GameRunning = false;
    PuzzleSolved = false;
    ClockHold = false;
    FinalTime.clear();
}
