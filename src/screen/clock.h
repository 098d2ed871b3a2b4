// The clock label and panel. Only what the board needs so far: the label, its panel and the stop
// case of UpdateClock; the running clock and its worker thread come with the clock itself.
#pragma once

#include <string>

// The label `uhr` (0 until CreateClockLabel has run).
extern int ClockLabel;
// The frozen solving time hh:mm:ss.t of the last solved timed game; "X" while a new one runs.
extern std::string FinalTime;

// The label at (886, 773), 160 x 30, " 99:99:99" in Arial 24 on white.
void CreateClockLabel();
// The "ZEITMESSUNG:" panel around the label.
void DrawClockPanel();
// Refreshes the label; with no timed game running it shows " 99:99:99".
void UpdateClock();
