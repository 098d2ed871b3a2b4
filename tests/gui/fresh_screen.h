// The start screen drawn afresh on a reset game state, without the menu bar and the rest of start-up,
// for tests of the screen and of the play loops.
#pragma once

#include "app/game_state.h"
#include "app/startup.h"
#include "engine/board_view.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/palette.h"

inline void DrawFreshScreen()
{
    OpenTestWindow();
    ResetGameState();
    FillDifficultyNames();
    FillPalette();
    FillClient(Palette[12]);
    InstallBoardView();
    if (ClockLabel == 0)
        CreateClockLabel();
    DrawScreen();
}
