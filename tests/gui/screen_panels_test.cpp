// The information panels: frames, statistics counts and headers, verdict and error line, difficulty
// and help line, the clock panel.
#include <gtest/gtest.h>

#include "app/startup.h"
#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "fresh_screen.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/drawing_helpers.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "screen_pixels.h"
#include "test_boards.h"

namespace {

class ScreenPanelsTest : public ::testing::Test {
  protected:
    void SetUp() override { DrawFreshScreen(); }
    void TearDown() override { BoardView = {}; }
};

struct Panel {
    int x0, y0, w, h;
};
constexpr Panel Panels[] = {
    {773, 332, 368, 78}, // statistics
    {843, 437, 234, 78}, // status
    {843, 542, 234, 78}, // difficulty
    {843, 646, 234, 72}, // help
    {843, 743, 234, 72}, // clock
};

// Dark text pixels (black ink) of the fixed panel font in one 8-pixel character cell.
int CharInk(int column, int y)
{
    return CountInk(column, y, column + 7, y + 13, Palette[0], 96);
}

} // namespace

TEST(NumberText, RightAlignsAndKeepsLongNumbersWhole)
{
    EXPECT_EQ(NumberText(5, 2), " 5");
    EXPECT_EQ(NumberText(47, 2), "47");
    EXPECT_EQ(NumberText(0, 3), "  0");
    EXPECT_EQ(NumberText(12, 3), " 12");
    EXPECT_EQ(NumberText(144, 2), "144");
    EXPECT_EQ(NumberText(7, 1), "7");
}

TEST_F(ScreenPanelsTest, EveryPanelHasRaisedFrameSunkenFieldAndWhiteInterior)
{
    for (const Panel& p : Panels) {
        const int mx = p.x0 + p.w / 2;
        // Raised outer frame, depth 2: light on top, dark at the bottom, three lines each.
        for (int k = 0; k <= 2; ++k) {
            EXPECT_EQ(ClientPixel(p.x0 + k, p.y0 + 40), Palette[15]) << p.x0 << "," << p.y0;
            EXPECT_EQ(ClientPixel(mx, p.y0 + p.h - k), Palette[8]) << p.x0 << "," << p.y0;
            EXPECT_EQ(ClientPixel(p.x0 + p.w - k, p.y0 + 40), Palette[8]) << p.x0 << "," << p.y0;
        }
        EXPECT_EQ(ClientPixel(mx, p.y0), Palette[15]);
        // Background between the two frames.
        EXPECT_EQ(ClientPixel(p.x0 + 4, p.y0 + 40), Palette[12]) << p.x0 << "," << p.y0;
        // The white field's black outline and its interior.
        EXPECT_EQ(ClientPixel(p.x0 + 6, p.y0 + 40), Palette[0]) << p.x0 << "," << p.y0;
        EXPECT_EQ(ClientPixel(p.x0 + p.w - 7, p.y0 + 40), Palette[0]) << p.x0 << "," << p.y0;
        EXPECT_EQ(ClientPixel(p.x0 + 8, p.y0 + p.h - 9), Palette[15]) << p.x0 << "," << p.y0;
        // The sunken frame's light lines right and bottom of the field.
        EXPECT_EQ(ClientPixel(p.x0 + p.w - 6, p.y0 + 40), Palette[15]) << p.x0 << "," << p.y0;
        EXPECT_EQ(ClientPixel(mx, p.y0 + p.h - 6), Palette[15]) << p.x0 << "," << p.y0;
        // The embossed title above the field: black ink somewhere in the title band.
        EXPECT_GT(CountInk(p.x0 + 8, p.y0 + 3, p.x0 + p.w - 8, p.y0 + 20, Palette[0], 96), 10);
    }
}

TEST_F(ScreenPanelsTest, CountsStandRightAlignedUnderTheirHeaders)
{
    // Empty board: every count is "0" in the units column, nothing in the tens column.
    for (int k = 1; k <= 12; ++k) {
        const int units = (k == 1) ? 852 : 813 + 24 * k + 16;
        EXPECT_GT(CharInk(units, 384), 5) << k;
        EXPECT_EQ(CharInk(units - 8, 384), 0) << k;
    }
    EXPECT_EQ(SymbolCount[0], 144);
    // A full board: every count is 12, so the tens column fills.
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            PlayGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
    UpdateStatistics();
    for (int k = 1; k <= 12; ++k) {
        const int units = (k == 1) ? 852 : 813 + 24 * k + 16;
        EXPECT_GT(CharInk(units - 8, 384), 3) << k;
        EXPECT_EQ(SymbolCount[k], 12);
    }
    // The same count renders the same ink: a 12 under symbol 3 looks like a 12 under symbol 7.
    EXPECT_EQ(CountInk(813 + 24 * 3 + 8, 384, 813 + 24 * 3 + 23, 397, Palette[0], 96),
              CountInk(813 + 24 * 7 + 8, 384, 813 + 24 * 7 + 23, 397, Palette[0], 96));
}

TEST_F(ScreenPanelsTest, HeadersFollowTheSymbolMode)
{
    // Digit mode: "10" starts 16 pixels after "9", at 1061; in letter mode "J" stands at 1069.
    EXPECT_GT(CharInk(1061, 364), 3);
    ShowDigits = false;
    DrawStatisticsPanel();
    EXPECT_EQ(CharInk(1061, 364), 0);
    EXPECT_GT(CharInk(1069, 364), 3);
    // Header and count of symbol 5 share one column in both modes.
    EXPECT_GT(CharInk(949, 364), 3);
    EXPECT_GT(CharInk(949, 384), 3);
}

TEST_F(ScreenPanelsTest, VerdictAndErrorLine)
{
    // Empty board: "Keine Fehler! " in black, no red in the verdict line.
    EXPECT_EQ(CheckMessage, VerdictNoErrors);
    EXPECT_GT(CountInk(866, 470, 1060, 494, Palette[0], 96), 30);
    EXPECT_EQ(CountInk(866, 470, 1060, 494, Palette[9]), 0);
    EXPECT_GT(CountInk(914, 496, 1000, 509, Palette[0], 96), 20);

    SolutionGrid(1, 1) = 2;
    PlayGrid(1, 1) = 3;
    RedrawBoard();
    EXPECT_EQ(CheckMessage, VerdictWrong);
    EXPECT_GT(CountInk(866, 470, 1060, 494, Palette[9]), 30);
    EXPECT_EQ(ErrorCount, 1);

    // The error line changes with the count: the digit's column differs between 1 and 2.
    const int before = CountInk(914 + 8 * 8, 496, 914 + 8 * 9 - 1, 509, Palette[0], 96);
    ErrorCount = 0;
    Board.VerdictInRed = false;
    DrawCheckVerdict();
    const int zero = CountInk(914 + 8 * 8, 496, 914 + 8 * 9 - 1, 509, Palette[0], 96);
    EXPECT_NE(before, zero);
    // A shorter error line and a later black verdict leave nothing of the longer, red ones.
    ErrorCount = 10;
    CheckMessage = VerdictWrong;
    Board.VerdictInRed = true;
    DrawCheckVerdict();
    ErrorCount = 0;
    CheckMessage = VerdictSolved;
    Board.VerdictInRed = false;
    DrawCheckVerdict();
    EXPECT_EQ(CountInk(850, 460, 1069, 507, Palette[9]), 0);
    EXPECT_EQ(CountInk(914 + 8 * 11, 496, 1069, 507, Palette[0], 96), 0); // "Fehler: 0/3" ends there
    // Nothing is drawn while the solver checks silently.
    FillClient(Palette[12]);
    SilentSolve = true;
    CheckBoard();
    SilentSolve = false;
    EXPECT_EQ(CountOtherPixels(860, 465, 1070, 512, Palette[12]), 0);
}

TEST_F(ScreenPanelsTest, DifficultyLineCountsGivens)
{
    // 0 givens: a blank and "0" after the 20-character caption at 871.
    EXPECT_GT(CharInk(1039, 572), 3);
    EXPECT_EQ(CharInk(1031, 572), 0);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 4; ++r)
            GivenGrid(c, r) = 1;
    UpdateDifficultyPanel();
    EXPECT_EQ(GivenCount, 48);
    EXPECT_GT(CharInk(1031, 572), 3);
    GivenGrid(1, 1) = 0;
    UpdateDifficultyPanel();
    EXPECT_EQ(GivenCount, 47);
}

TEST_F(ScreenPanelsTest, ShorterDifficultyNameLeavesNoTrace)
{
    Difficulty = 1;
    UpdateDifficultyPanel();
    Difficulty = 2;
    UpdateDifficultyPanel();
    const int after = CountInk(900, 585, 1060, 612, Palette[0], 96);
    FillClient(Palette[12]);
    DrawScreen();
    const int fresh = CountInk(900, 585, 1060, 612, Palette[0], 96);
    EXPECT_EQ(after, fresh);
}

TEST_F(ScreenPanelsTest, StatusLineIsWrittenIntoTheHelpPanel)
{
    const int withPrompt = CountInk(856, 685, 1060, 698, Palette[0], 96);
    EXPECT_GT(withPrompt, 40);
    StatusText = "";
    DrawHelpPanel();
    EXPECT_EQ(CountInk(856, 685, 1060, 698, Palette[0], 96), 0);
}

TEST_F(ScreenPanelsTest, ClockPanelFieldIsWhiteWithBlackOutline)
{
    EXPECT_EQ(ClientPixel(849, 790), Palette[0]);
    EXPECT_EQ(ClientPixel(1070, 790), Palette[0]);
    EXPECT_EQ(ClientPixel(900, 808), Palette[0]);
    EXPECT_EQ(ClientPixel(1060, 800), Palette[15]);
}
