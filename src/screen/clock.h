// The game clock: the label `uhr` in the clock panel, the elapsed time of a timed game, the worker
// thread that refreshes the label once a second, and the finish of a solved game, whose time goes to
// the hall of fame.
//
// The worker and the user-interface thread share the clock values below; one lock (ClockLock) is held
// around every elapsed-time computation and the label write that follows it. The flags the worker
// reads (GameRunning, PuzzleSolved, ClockHold) are atomic.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>

// The label `uhr` (0 until CreateClockLabel has run).
extern int ClockLabel;

extern std::mutex ClockLock;
extern double ClockStart;      // time of day in seconds when the game started
extern double ClockLastSecond; // whole second of the time of day at the last computation
extern double ClockElapsed;    // after a computation: the seconds left over after hours and minutes
extern int32_t ClockHours;
extern int32_t ClockMinutes;

// The label at (886, 773), 160 x 30, " 99:99:99" in Arial 24 on white.
void CreateClockLabel();
// The "ZEITMESSUNG:" panel around the label.
void DrawClockPanel();

// Starts a timed game: GameRunning set, the start time taken, FinalTime "X", the label refreshed.
void StartClock();
// Refreshes the label at once: " 99:99:99" when no timed game runs, else the running time when a new
// second has begun. With PuzzleSolved set it finishes the game: the final time frozen in the label
// and FinalTime, GameRunning cleared, the result entered into the hall of fame, then " 99:99:99".
void UpdateClock();
// Starts the worker for the running timed game (the play loop does); a worker still running from
// before is stopped first, so at most one writes the label.
void StartClockWorker();
// Stops the worker and waits for it (before a new one, and before the program ends).
void StopClockWorker();

// The label texts: " hh:mm:ss" while running, "hh:mm:ss.t" when solved.
std::string RunningClockText();
std::string FinalClockText();
