// The clock label and its panel. For now UpdateClock handles only a stopped game (the label goes back
// to " 99:99:99"); the elapsed-time display, the solved-game finish and the worker come with the clock.
#include "screen/clock.h"

#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "screen/drawing_helpers.h"
#include "screen/palette.h"

int ClockLabel = 0;
std::string FinalTime;

static constexpr const char* ClockIdleText = " 99:99:99";

void CreateClockLabel()
{
    ClockLabel = CreateLabel(886, 773, 160, 30, ClockIdleText, "Arial", 24, Palette[15]);
}

void DrawClockPanel()
{
    DrawBevel(0, 2, 843, 743, 1077, 815);
    DrawBevel(1, 2, 849, 765, 1071, 809);
    DrawEmbossedText(16, 0, 908, 763, "ZEITMESSUNG:");
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    DrawBox(849, 765, 1070, 808, true);
}

void UpdateClock()
{
    if (!GameRunning && ClockLabel != 0)
        SetLabelText(ClockLabel, ClockIdleText);
}
