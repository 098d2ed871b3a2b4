// The play screen for the play tests: a drawn window with the board installed, pointer moves routed
// through Win_0_MouseMove (with a test hook after it), and scripted input switched on.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "fresh_screen.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "platform/script.h"
#include "platform/window.h"
#include "play/play_loop.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "screen_pixels.h"

// Called after every pointer move has reached Win_0_MouseMove, while the game's loops run.
inline std::function<void()> AfterPointerMove;

inline void TestMouseMove(float x, float y)
{
    Win_0_MouseMove(x, y);
    if (AfterPointerMove)
        AfterPointerMove();
}

// Centre of cell (c, r) and of picker square k for that cell, in client pixels.
inline int CellCentreX(int c)
{
    return 29 + (c - 1) * 60 + 30;
}
inline int CellCentreY(int r)
{
    return 45 + (r - 1) * 60 + 30;
}
inline int PickerX(int c)
{
    return (c - 1) * 60 + 29 - 30;
}
inline int PickerY(int r)
{
    return (r - 1) * 60 + 45 - 16;
}
inline int SquareCentreX(int c, int k)
{
    return PickerX(c) + 30 * ((k - 1) % 4) + 15;
}
inline int SquareCentreY(int r, int k)
{
    return PickerY(r) + 30 * ((k - 1) / 4) + 15;
}

// Left click on cell (c, r), then a left press on the picker square of symbol k.
inline void ScriptEntry(int c, int r, int k)
{
    ScriptLeftClick(CellCentreX(c), CellCentreY(r));
    ScriptLeftClick(SquareCentreX(c, k), SquareCentreY(r, k));
}

class PlayTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        DrawFreshScreen();
        PickerMode = PickerKind::Entry;
        PickerChoice = 0;
        PickerOpen = false;
        RememberedLetter = 0;
        AfterPointerMove = nullptr;
        MainWindowHandlers handlers;
        handlers.mouseMove = TestMouseMove;
        SetMainWindowHandlers(handlers);
        ResetScript();
    }
    void TearDown() override
    {
        GameRunning = false;
        StopClockWorker();
        ResetScript();
        SetMainWindowHandlers({});
        AfterPointerMove = nullptr;
        BoardView = {};
    }

    // Runs the play loop on the queued script: true when it ended by itself, false when it was still
    // waiting for input when the script ran out.
    static bool RunPlayLoop()
    {
        try {
            PlayLoop();
            return true;
        } catch (const ScriptExhausted&) {
            return false;
        }
    }
};
