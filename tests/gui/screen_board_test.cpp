// The board on the client image: frames, grid, cell painting, the error rule and the notes.
#include <gtest/gtest.h>

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
#include "platform/window.h"
#include "play/button_bar.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "screen_pixels.h"
#include "test_boards.h"

namespace {

class ScreenBoardTest : public ::testing::Test {
  protected:
    void SetUp() override { DrawFreshScreen(); }
    void TearDown() override { BoardView = {}; }
};

} // namespace

TEST_F(ScreenBoardTest, BackgroundAndBoardFrameBevels)
{
    EXPECT_EQ(ClientPixel(5, 5), Palette[12]);
    EXPECT_EQ(ClientPixel(800, 100), Palette[12]);
    // Raised frame (20, 16)-(758, 815), depth 2: three light lines top and left, three dark ones
    // bottom and right, then background again.
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(ClientPixel(400, 16 + k), Palette[15]) << k;
        EXPECT_EQ(ClientPixel(20 + k, 400), Palette[15]) << k;
        EXPECT_EQ(ClientPixel(400, 815 - k), Palette[8]) << k;
        EXPECT_EQ(ClientPixel(758 - k, 400), Palette[8]) << k;
    }
    EXPECT_EQ(ClientPixel(400, 19), Palette[12]);
    EXPECT_EQ(ClientPixel(759, 400), Palette[12]);
    // Sunken strip frame (28, 775)-(750, 806), depth 2: two dark lines top and left, two light
    // lines bottom and right.
    for (int k = 0; k <= 1; ++k) {
        EXPECT_EQ(ClientPixel(400, 775 + k), Palette[8]) << k;
        EXPECT_EQ(ClientPixel(28 + k, 790), Palette[8]) << k;
        EXPECT_EQ(ClientPixel(400, 806 - k), Palette[15]) << k;
        EXPECT_EQ(ClientPixel(750 - k, 790), Palette[15]) << k;
    }
    EXPECT_EQ(ClientPixel(400, 790), Palette[12]); // the empty strip
    // Footer bar (0, 832)-(1154, 854), raised.
    EXPECT_EQ(ClientPixel(600, 832), Palette[15]);
    EXPECT_EQ(ClientPixel(600, 854), Palette[8]);
}

TEST_F(ScreenBoardTest, WhiteBoardBlackCellLinesRedBoxLines)
{
    // Cell lines one pixel wide at 29 + 60 k, except where a box line lies.
    for (int k : {1, 2, 3, 5, 6, 7, 9, 10, 11}) {
        const int x = 29 + 60 * k;
        EXPECT_EQ(ClientPixel(x, 100), Palette[0]) << x;
        EXPECT_EQ(ClientPixel(x - 1, 100), Palette[15]) << x;
        EXPECT_EQ(ClientPixel(x + 1, 100), Palette[15]) << x;
    }
    for (int k : {1, 2, 4, 5, 7, 8, 10, 11}) {
        const int y = 45 + 60 * k;
        EXPECT_EQ(ClientPixel(60, y), Palette[0]) << y;
        EXPECT_EQ(ClientPixel(60, y - 1), Palette[15]) << y;
        EXPECT_EQ(ClientPixel(60, y + 1), Palette[15]) << y;
    }
    // Box lines two pixels wide, red, at x 29 + 240 j and y 45 + 180 i.
    for (int j = 0; j <= 3; ++j) {
        const int x = 29 + 240 * j;
        EXPECT_EQ(ClientPixel(x, 100), Palette[9]) << x;
        const int wide = (ClientPixel(x - 1, 100) == Palette[9]) + (ClientPixel(x + 1, 100) == Palette[9]);
        EXPECT_EQ(wide, 1) << x;
    }
    for (int i = 0; i <= 4; ++i) {
        const int y = 45 + 180 * i;
        EXPECT_EQ(ClientPixel(100, y), Palette[9]) << y;
        const int wide = (ClientPixel(100, y - 1) == Palette[9]) + (ClientPixel(100, y + 1) == Palette[9]);
        EXPECT_EQ(wide, 1) << y;
    }
    // Every cell interior is white on a fresh board.
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            EXPECT_EQ(CountOtherPixels(CellInterior(c, r).x1, CellInterior(c, r).y1, CellInterior(c, r).x2,
                                       CellInterior(c, r).y2, Palette[15]),
                      0)
                << c << "," << r;
    EXPECT_EQ(BoardLeft, 29);
    EXPECT_EQ(BoardTop, 45);
    EXPECT_EQ(CellWidth, 60);
    EXPECT_EQ(CellHeight, 60);
}

TEST_F(ScreenBoardTest, CellPaintingKeepsTheBoxLines)
{
    // Cells at the right and bottom box edges leave the 2-pixel red line alone.
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            DrawGivenCell(c, r, PatternValue(c, r));
    for (int j = 0; j <= 3; ++j)
        EXPECT_EQ(CountPixels(29 + 240 * j - 1, 50, 29 + 240 * j + 1, 60, Palette[9]), 22) << j;
    for (int i = 0; i <= 4; ++i)
        EXPECT_EQ(CountPixels(35, 45 + 180 * i - 1, 45, 45 + 180 * i + 1, Palette[9]), 22) << i;
}

TEST_F(ScreenBoardTest, GivenIsBlackEntryBlueWrongEntryRed)
{
    SolutionGrid(2, 3) = 5;
    SolutionGrid(3, 3) = 4;
    SolutionGrid(4, 3) = 6;
    PlayGrid(2, 3) = 5;
    DrawGivenCell(2, 3, 5);
    EXPECT_EQ(GivenGrid(2, 3), 5);
    EXPECT_GT(CountInCell(2, 3, Palette[0]), 40);
    EXPECT_EQ(CountInCell(2, 3, Palette[9]), 0);
    EXPECT_EQ(CountInCell(2, 3, Palette[4]), 0);

    PlayGrid(3, 3) = 7;
    DrawEntryCell(3, 3, 7);
    EXPECT_GT(CountInCell(3, 3, Palette[9]), 40);
    EXPECT_EQ(CountInCell(3, 3, Palette[4]), 0);
    EXPECT_EQ(GivenGrid(3, 3), 0);
    EXPECT_EQ(ErrorCount, 1);

    PlayGrid(4, 3) = 6;
    DrawEntryCell(4, 3, 6);
    EXPECT_GT(CountInCell(4, 3, Palette[4]), 40);
    EXPECT_EQ(CountInCell(4, 3, Palette[9]), 0);
    EXPECT_EQ(ErrorCount, 1);

    // Without a known solution nothing is red and nothing counted.
    PlayGrid(5, 5) = 3;
    DrawEntryCell(5, 5, 3);
    EXPECT_GT(CountInCell(5, 5, Palette[4]), 40);
    EXPECT_EQ(ErrorCount, 1);

    // Clearing a given repaints the cell empty and stores 0.
    DrawGivenCell(2, 3, 0);
    EXPECT_EQ(GivenGrid(2, 3), 0);
    EXPECT_EQ(CountInCell(2, 3, Palette[0]), 0);
}

TEST_F(ScreenBoardTest, SymbolsSitWhereTheirModeSaysAndStayInsideTheCell)
{
    // Each symbol's ink lies inside its cell; letter "I" starts 14 pixels right of "A".
    auto leftmostInk = [](int c, int r, uint32_t rgb) {
        const CellRect k = CellInterior(c, r);
        for (int x = k.x1; x <= k.x2; ++x)
            for (int y = k.y1; y <= k.y2; ++y)
                if (CountInk(x, y, x, y, rgb) == 1)
                    return x - k.x1;
        return -1;
    };
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        for (int v = 1; v <= 12; ++v) {
            const int c = v;
            DrawGivenCell(c, 1, v);
            EXPECT_GT(CountInCell(c, 1, Palette[0]), 30) << digits << " " << v;
            // Nothing leaked into the neighbouring cell below.
            EXPECT_EQ(CountInCell(c, 2, Palette[0]), 0) << digits << " " << v;
        }
        if (!digits) {
            const int a = leftmostInk(1, 1, Palette[0]);
            const int i = leftmostInk(9, 1, Palette[0]);
            EXPECT_GT(i, a + 6);
        } else {
            // "10".."12" use the narrower font further left than single digits' field.
            EXPECT_LT(leftmostInk(10, 1, Palette[0]), leftmostInk(8, 1, Palette[0]));
        }
    }
}

TEST_F(ScreenBoardTest, ThirdWrongPaintEndsTheTimedGame)
{
    SolutionGrid(1, 1) = 2;
    PlayGrid(1, 1) = 3;
    GameRunning = true;
    SetLabelText(ClockLabel, " 00:01:02");
    DrawEntryCell(1, 1, 3);
    EXPECT_EQ(ErrorCount, 1);
    EXPECT_TRUE(GameRunning);
    RedrawBoard();
    EXPECT_EQ(ErrorCount, 2);
    EXPECT_TRUE(GameRunning);
    EXPECT_EQ(LabelText(ClockLabel), " 00:01:02");
    RedrawBoard();
    EXPECT_EQ(ErrorCount, 3);
    EXPECT_FALSE(GameRunning);
    EXPECT_EQ(LabelText(ClockLabel), " 99:99:99");
    EXPECT_GT(CountInCell(1, 1, Palette[9]), 40);
}

TEST_F(ScreenBoardTest, ErrorCountStopsAtItsLargestValue)
{
    SolutionGrid(1, 1) = 2;
    PlayGrid(1, 1) = 3;
    ErrorCount = INT16_MAX - 1;
    for (int n = 0; n < 3; ++n)
        DrawEntryCell(1, 1, 3);
    EXPECT_EQ(ErrorCount, INT16_MAX);
}

TEST_F(ScreenBoardTest, CorrectBoardRedrawnLeavesErrorCountAlone)
{
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            SolutionGrid(c, r) = PlayGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
            if ((c + r) % 3 == 0)
                GivenGrid(c, r) = PlayGrid(c, r);
        }
    ErrorCount = 2;
    GameRunning = true;
    for (int n = 0; n < 5; ++n)
        RedrawBoard();
    EXPECT_EQ(ErrorCount, 2);
    EXPECT_TRUE(GameRunning);
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            EXPECT_EQ(CountInCell(c, r, Palette[9]), 0) << c << "," << r;
    EXPECT_EQ(CheckMessage, VerdictSolved);
}

TEST_F(ScreenBoardTest, NotesAppearOnlyWhereMarkedAndOnlyInEmptyCells)
{
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        CandidateMarks = {};
        PlayGrid = {};
        RedrawBoard();
        const int d = digits ? 1 : 2;
        // Cell (2, 2): notes 1, 5 and 10; cell (3, 2) holds a value, its marks must not show.
        CandidateMarks(2, 2, 1) = CandidateMarks(2, 2, 5) = CandidateMarks(2, 2, 10) = true;
        CandidateMarks(3, 2, 7) = true;
        PlayGrid(3, 2) = 7;
        DrawEntryCell(3, 2, 7);
        DrawNotes();
        for (int k = 1; k <= 12; ++k) {
            const int x = 29 + 60 + ((k - 1) % 3) * 19 + d;
            const int y = 45 + 60 + ((k - 1) / 3) * 14 + 1;
            const int ink = CountInk(x, y, x + 17, y + 13, Palette[0]);
            if (k == 1 || k == 5 || k == 10)
                EXPECT_GT(ink, 5) << digits << " note " << k;
            else
                EXPECT_EQ(ink, 0) << digits << " note " << k;
        }
        EXPECT_EQ(CountInCell(3, 2, Palette[0]), 0);
        // Unmarking wipes the note again.
        CandidateMarks(2, 2, 5) = false;
        DrawNotes();
        EXPECT_EQ(
            CountInk(29 + 60 + 19 + d, 45 + 60 + 14 + 1, 29 + 60 + 19 + d + 17, 45 + 60 + 28, Palette[0]), 0);
    }
}

TEST_F(ScreenBoardTest, ComputedCandidatesOnAnEmptyBoardMarkEverythingAndStopTheGame)
{
    ShowCandidates = true;
    GameRunning = true;
    SetLabelText(ClockLabel, " 00:00:05");
    RedrawBoard();
    EXPECT_FALSE(GameRunning);
    EXPECT_EQ(LabelText(ClockLabel), " 99:99:99");
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            for (int k = 1; k <= 12; ++k)
                ASSERT_TRUE(CandidateMarks(c, r, k)) << c << "," << r << "," << k;
    // Every cell shows ink from all twelve notes.
    EXPECT_GT(CountInCell(7, 7, Palette[0]), 12 * 5);
}

TEST_F(ScreenBoardTest, HooksAreInstalled)
{
    EXPECT_EQ(BoardView.entryChanged, &PaintEntryCell);
    EXPECT_EQ(BoardView.boardChanged, &PaintBoard);
    EXPECT_NE(BoardView.statisticsChanged, nullptr);
    EXPECT_NE(BoardView.verdictChanged, nullptr);
    EXPECT_NE(BoardView.notesChanged, nullptr);
    EXPECT_NE(BoardView.timedGameStopped, nullptr);
    EXPECT_NE(BoardView.warn, nullptr);
}

// Text drawn again over itself must not thicken: the whole screen, drawn twice with givens, entries,
// a wrong entry, notes and the button bar, gives the same pixels.
TEST_F(ScreenBoardTest, RedrawingTheScreenGivesTheSamePixels)
{
    SetPatternPuzzle([](int c, int r) { return (c + r) % 3 == 0; });
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c) {
            SolutionGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
            if (GivenGrid(c, r) == 0 && (c * r) % 4 == 1)
                PlayGrid(c, r) = SolutionGrid(c, r);
            else if (GivenGrid(c, r) == 0)
                for (int k = 1; k <= 12; k += 3)
                    CandidateMarks(c, r, k) = true;
        }
    PlayGrid(2, 1) = SolutionGrid(2, 1) % 12 + 1; // wrong: red
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        DrawScreen();
        RedrawBoard();
        DrawButtonBar();
        const std::vector<uint32_t> first = PixelsOf(0, 0, 1155, 873);
        DrawScreen();
        RedrawBoard();
        DrawButtonBar();
        EXPECT_TRUE(PixelsOf(0, 0, 1155, 873) == first) << "digits " << digits;
    }
}

// A note's glyph stays inside the place its wipe clears, so clearing every note leaves a white cell.
TEST_F(ScreenBoardTest, ClearedNotesLeaveNoRemnant)
{
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        for (int k = 1; k <= 12; ++k)
            CandidateMarks(5, 5, k) = true;
        DrawNotes();
        ASSERT_GT(CountInCell(5, 5, Palette[0]), 50);
        CandidateMarks = {};
        DrawNotes();
        const CellRect cell = CellInterior(5, 5);
        EXPECT_EQ(CountOtherPixels(cell.x1, cell.y1, cell.x2, cell.y2, Palette[15]), 0)
            << "digits " << digits;
    }
}
