// Screenshots of the screen for looking at: the start screen and a board in play in both symbol
// modes. Each also checks the picture it saves.
#include <gtest/gtest.h>

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
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "screen_pixels.h"
#include "test_boards.h"

namespace {

void DrawStartScreen()
{
    DrawFreshScreen();
}

// A game in progress: every third cell given, a few right entries, one wrong entry, notes in two
// empty cells.
void SetUpGameInProgress()
{
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            SolutionGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
            if ((c * 7 + r * 5) % 3 == 0)
                GivenGrid(c, r) = PlayGrid(c, r) = SolutionGrid(c, r);
        }
    for (int c : {2, 6, 11})
        if (GivenGrid(c, 5) == 0)
            PlayGrid(c, 5) = SolutionGrid(c, 5);
    PlayGrid(3, 8) = static_cast<uint8_t>(SolutionGrid(3, 8) % 12 + 1); // wrong
    for (int k : {1, 4, 9, 10, 11, 12})
        CandidateMarks(1, 2, k) = true;
    for (int k : {2, 3, 5, 6, 7, 8})
        CandidateMarks(5, 10, k) = true;
    Difficulty = 2;
}

} // namespace

TEST(ScreenShots, StartScreen)
{
    DrawStartScreen();
    EXPECT_TRUE(SaveClientImage(ScreensFolder() + "/screen_start.png"));
    EXPECT_EQ(ClientPixel(400, 400), Palette[15]);
    BoardView = {};
}

TEST(ScreenShots, GameInProgressInBothSymbolModes)
{
    for (bool digits : {true, false}) {
        DrawStartScreen();
        ShowDigits = digits;
        SetUpGameInProgress();
        ASSERT_EQ(PlayGrid(1, 2), 0);
        ASSERT_EQ(PlayGrid(5, 10), 0);
        DrawScreen();
        RedrawBoard();
        const std::string name = digits ? "/screen_game_digits.png" : "/screen_game_letters.png";
        EXPECT_TRUE(SaveClientImage(ScreensFolder() + name));
        EXPECT_GT(CountInCell(3, 8, Palette[9]), 40);
        EXPECT_GT(CountInCell(1, 2, Palette[0]), 6 * 5);
        EXPECT_EQ(CheckMessage, VerdictWrong);
        BoardView = {};
    }
}
