// The start screen drawn afresh on a reset game state, without the menu bar and the rest of start-up,
// for tests of the screen and of the play loops.
#pragma once

#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "play/symbol_picker.h"
#include "records/hall_of_fame_windows.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/palette.h"
#include "screen/panels.h"

inline void DrawFreshScreen()
{
    OpenTestWindow();
    ResetGameState();
    FillPalette();
    FillClient(Palette[12]);
    InstallBoardView();
    InstallHallOfFameWindows();
    if (ClockLabel == 0)
        CreateClockLabel();
    DrawScreen();
}
