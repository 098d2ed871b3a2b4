// The symbol picker run from the play loop: pointer tracking, entry and note mode, the prompts, its
// border, and the screen under it put back exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "engine/board_check.h"
#include "engine/solver.h"
#include "play_fixture.h"
#include "screen/fonts.h"
#include "screen_pixels.h"
#include "test_boards.h"

namespace {

// Half the cells are clues (column + row even); the other half are empty, with the pattern as the
// known solution.
class PickerTest : public PlayTest {
  protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        SetPatternPuzzle([](int c, int r) { return (c + r) % 2 == 0; });
        for (int r = 1; r <= 12; ++r)
            for (int c = 1; c <= 12; ++c)
                SolutionGrid(c, r) = static_cast<uint8_t>(PatternValue(c, r));
    }
};

constexpr int EmptyC = 6, EmptyR = 5; // an empty cell in the middle of the board
constexpr int OtherC = 8, OtherR = 3; // another empty cell

std::vector<uint32_t> PickerArea(int c, int r)
{
    return PixelsOf(PickerX(c), PickerY(r), PickerX(c) + 120, PickerY(r) + 90);
}

// The picker area with the interior of its own cell left out.
std::vector<uint32_t> PickerAreaAroundCell(int c, int r)
{
    const int cx = 29 + (c - 1) * 60 + 1, cy = 45 + (r - 1) * 60 + 1;
    std::vector<uint32_t> pixels;
    for (int y = PickerY(r); y <= PickerY(r) + 90; ++y)
        for (int x = PickerX(c); x <= PickerX(c) + 120; ++x)
            if (x < cx || x > cx + 58 || y < cy || y > cy + 58)
                pixels.push_back(ClientPixel(x, y));
    return pixels;
}

void ScriptMoveAway()
{
    ScriptMouseMove(900, 100);
}

} // namespace

TEST_F(PickerTest, PointerPositionIsRoundedToNearestWithHalvesToEven)
{
    Win_0_MouseMove(10.4f, 20.6f);
    EXPECT_EQ(MouseX, 10);
    EXPECT_EQ(MouseY, 21);
    Win_0_MouseMove(2.5f, 3.5f);
    EXPECT_EQ(MouseX, 2);
    EXPECT_EQ(MouseY, 4);
    // With no picker open the choice is not tracked, wherever the pointer is.
    Win_0_MouseMove(static_cast<float>(SquareCentreX(EmptyC, 9)),
                    static_cast<float>(SquareCentreY(EmptyR, 9)));
    EXPECT_EQ(PickerChoice, 0);
}

TEST_F(PickerTest, LeftClickEntersThePointedSymbolWithThePrompts)
{
    std::vector<std::string> promptsWhileOpen;
    AfterPointerMove = [&] {
        if (PickerOpen)
            promptsWhileOpen.push_back(StatusText);
    };
    const int value = PatternValue(EmptyC, EmptyR);
    ScriptEntry(EmptyC, EmptyR, value);
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());

    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), value);
    EXPECT_EQ(PickerChoice, value);
    EXPECT_FALSE(PickerOpen);
    ASSERT_EQ(promptsWhileOpen.size(), 1u);
    EXPECT_EQ(promptsWhileOpen[0], "Rechte Taste löscht Feld!");
    EXPECT_EQ(StatusText, "Bitte ein Feld anklicken! ");
    // Drawn as a correct entry: dark blue ink in the cell, nothing counted.
    EXPECT_GT(CountInCell(EmptyC, EmptyR, Palette[4]), 0);
    EXPECT_EQ(ErrorCount, 0);
}

TEST_F(PickerTest, ClicksOnCluesOpenNothing)
{
    std::vector<uint32_t> before;
    AfterPointerMove = [&] {
        if (before.empty())
            before = PickerArea(5, 5);
    };
    ScriptMoveAway();
    ScriptLeftClick(CellCentreX(5), CellCentreY(5));
    ScriptRightClick(CellCentreX(5), CellCentreY(5));
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop()); // had a picker opened, Esc would not have ended the loop

    EXPECT_EQ(PickerArea(5, 5), before);
    EXPECT_EQ(StatusText, PromptChooseMenu);
    EXPECT_EQ(PlayGrid(5, 5), PatternValue(5, 5));
    EXPECT_EQ(GivenGrid(5, 5), PatternValue(5, 5));
}

TEST_F(PickerTest, RightClickClearsAnEntryAtOnceAndOpensTheNotePickerOnAnEmptyCell)
{
    PlayGrid(EmptyC, EmptyR) = 7;
    std::vector<std::string> promptsWhileOpen;
    AfterPointerMove = [&] {
        if (PickerOpen)
            promptsWhileOpen.push_back(StatusText);
    };
    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0);
    EXPECT_EQ(StatusText, PromptChooseMenu); // no picker was shown
    EXPECT_EQ(CountInCell(EmptyC, EmptyR, Palette[4]), 0);

    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptLeftClick(SquareCentreX(EmptyC, 5), SquareCentreY(EmptyR, 5));
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0);
    EXPECT_TRUE(CandidateMarks(EmptyC, EmptyR, 5));
    ASSERT_EQ(promptsWhileOpen.size(), 1u);
    EXPECT_EQ(promptsWhileOpen[0], "Bitte Kandidaten notieren!");
    EXPECT_EQ(StatusText, "Bitte ein Feld anklicken! ");
}

TEST_F(PickerTest, RightPressOnTheEntryPickerOfAFilledCellClearsIt)
{
    PlayGrid(EmptyC, EmptyR) = 7;
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptRightPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0);
    EXPECT_EQ(CountInCell(EmptyC, EmptyR, Palette[4]) + CountInCell(EmptyC, EmptyR, Palette[9]), 0);
}

// With all candidates shown, an entry and a right-click clear each recompute them, end the timed
// game, and leave the panel counts readable.
TEST_F(PickerTest, ShownCandidatesFollowEntriesAndClearsAndEndTheTimedGame)
{
    ShowCandidates = true;
    GameRunning = true;
    const int v = PatternValue(EmptyC, EmptyR);
    FillCandidateMarks();
    ASSERT_TRUE(CandidateMarks(EmptyC, EmptyR, v));
    ScriptEntry(EmptyC, EmptyR, v);
    ScriptMouseMove(900, 100);
    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptMouseMove(900, 110);
    ScriptKey(VK_ESCAPE);
    std::vector<bool> candidateInCell, running;
    std::vector<int> countsInk;
    AfterPointerMove = [&] {
        if (MouseX != 900)
            return;
        candidateInCell.push_back(CandidateMarks(EmptyC, EmptyR, v));
        running.push_back(GameRunning);
        countsInk.push_back(CountsInk());
    };
    ASSERT_TRUE(RunPlayLoop());
    ASSERT_EQ(candidateInCell.size(), 2u);
    EXPECT_FALSE(candidateInCell[0]); // a filled cell has no candidates
    EXPECT_TRUE(candidateInCell[1]);  // empty again after the clear
    EXPECT_FALSE(running[0]);
    EXPECT_GT(countsInk[0], 20);
    EXPECT_GT(countsInk[1], 20);
}

TEST_F(PickerTest, NoteModeTogglesOneNoteAndTheRightButtonClearsAllTwelve)
{
    CandidateMarks(EmptyC, EmptyR, 3) = true;
    CandidateMarks(EmptyC, EmptyR, 12) = true;
    CandidateMarks(OtherC, OtherR, 3) = true;

    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptLeftClick(SquareCentreX(EmptyC, 3), SquareCentreY(EmptyR, 3));
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_FALSE(CandidateMarks(EmptyC, EmptyR, 3));
    EXPECT_TRUE(CandidateMarks(EmptyC, EmptyR, 12));

    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptLeftClick(SquareCentreX(EmptyC, 3), SquareCentreY(EmptyR, 3));
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_TRUE(CandidateMarks(EmptyC, EmptyR, 3)); // taken twice: as it was

    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptRightPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    for (int s = 1; s <= 12; ++s)
        EXPECT_FALSE(CandidateMarks(EmptyC, EmptyR, s)) << s;
    EXPECT_TRUE(CandidateMarks(OtherC, OtherR, 3)); // another cell's note stays
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0);
}

TEST_F(PickerTest, ReopenedWithoutAPointerMoveItTakesThePreviousChoice)
{
    ScriptEntry(EmptyC, EmptyR, 2);
    // The pointer rests on the other cell's centre, over its picker's square 7, but does not move
    // once the picker is open.
    ScriptLeftClick(CellCentreX(OtherC), CellCentreY(OtherR));
    ScriptLeftPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 2);
    EXPECT_EQ(PlayGrid(OtherC, OtherR), 2);
}

TEST_F(PickerTest, FirstUseWithoutAPointerMoveTakesZeroAndEmptiesTheCell)
{
    PlayGrid(EmptyC, EmptyR) = 4;
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptLeftPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PickerChoice, 0);
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0);
}

TEST_F(PickerTest, PressesOnTheOuterBorderRowAndColumnLeaveItOpen)
{
    const int px = PickerX(EmptyC), py = PickerY(EmptyR);
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptLeftClick(px + 10, py + 90);
    ScriptLeftClick(px + 120, py + 10);
    ScriptLeftClick(px - 1, py + 10);
    ScriptLeftClick(px + 75, py + 15); // square 3: inside at last
    ScriptKey(VK_ESCAPE);
    // Had a border press closed the picker, the last press would have opened another one on the
    // cell above, and Esc would have found it open.
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 3);
    EXPECT_EQ(PendingScriptEvents(), 0u);
}

TEST_F(PickerTest, TheHighlightFollowsThePointerAndRedrawsOnlyWhenTheSquareChanges)
{
    const int px = PickerX(EmptyC), py = PickerY(EmptyR);
    const int markX = px + 27, markY = py + 27; // a corner of square 1, free of its digit
    int moves = 0;
    uint32_t chosenCorner = 0, otherCorner = 0, outline = 0, markAfterInside = 0, markAfterCross = 0;
    int16_t choiceAfterCross = 0;
    AfterPointerMove = [&] {
        ++moves;
        if (moves == 2) { // entered square 6
            chosenCorner = ClientPixel(px + 30 + 27, py + 30 + 27);
            otherCorner = ClientPixel(markX, markY);
            outline = ClientPixel(px, py);
            SetTextColor(Palette[13]);
            DrawLine(markX, markY, markX + 1, markY);
        } else if (moves == 3) { // moved inside square 6
            markAfterInside = ClientPixel(markX, markY);
        } else if (moves == 4) { // crossed into square 11
            markAfterCross = ClientPixel(markX, markY);
            choiceAfterCross = PickerChoice;
        }
    };
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptMouseMove(SquareCentreX(EmptyC, 6), SquareCentreY(EmptyR, 6));
    ScriptMouseMove(SquareCentreX(EmptyC, 6) + 8, SquareCentreY(EmptyR, 6) + 8);
    ScriptMouseMove(SquareCentreX(EmptyC, 11), SquareCentreY(EmptyR, 11));
    ScriptRightPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());

    EXPECT_EQ(chosenCorner, Palette[7]);
    EXPECT_EQ(otherCorner, Palette[15]);
    EXPECT_EQ(outline, Palette[0]);
    EXPECT_EQ(markAfterInside, Palette[13]);
    EXPECT_EQ(markAfterCross, Palette[15]);
    EXPECT_EQ(choiceAfterCross, 11);
    EXPECT_EQ(PlayGrid(EmptyC, EmptyR), 0); // the right press cancelled
}

TEST_F(PickerTest, EverySquareShowsItsSymbolAsDigitOrLetter)
{
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        std::vector<int> inkPerSquare;
        AfterPointerMove = [&] {
            if (!PickerOpen || !inkPerSquare.empty())
                return;
            for (int k = 1; k <= 12; ++k) {
                const int x = PickerX(EmptyC) + 30 * ((k - 1) % 4), y = PickerY(EmptyR) + 30 * ((k - 1) / 4);
                inkPerSquare.push_back(CountInk(x + 1, y + 1, x + 29, y + 29, Palette[0], 60));
            }
        };
        ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
        ScriptMouseMove(PickerX(EmptyC) + 1, PickerY(EmptyR) + 1);
        ScriptRightPress();
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        ASSERT_EQ(inkPerSquare.size(), 12u);
        for (int k = 1; k <= 12; ++k)
            EXPECT_GT(inkPerSquare[k - 1], 5) << "digits " << digits << " square " << k;
    }
}

TEST_F(PickerTest, TheScreenUnderThePickerIsPutBackPixelForPixel)
{
    int moves = 0;
    std::vector<uint32_t> before, entryOpen, afterEntry, noteOpen, afterNote;
    AfterPointerMove = [&] {
        switch (++moves) {
        case 1:
            before = PickerArea(EmptyC, EmptyR);
            break;
        case 3:
            entryOpen = PickerArea(EmptyC, EmptyR);
            break;
        case 4:
            afterEntry = PickerArea(EmptyC, EmptyR);
            break;
        case 6:
            noteOpen = PickerArea(EmptyC, EmptyR);
            break;
        case 7:
            afterNote = PickerArea(EmptyC, EmptyR);
            break;
        default:
            break;
        }
    };
    ScriptMoveAway();                                                    // 1
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));           // 2
    ScriptMouseMove(SquareCentreX(EmptyC, 4), SquareCentreY(EmptyR, 4)); // 3, open
    ScriptRightPress();                                         // entry mode: an empty cell stays empty
    ScriptMoveAway();                                           // 4
    ScriptRightClick(CellCentreX(EmptyC), CellCentreY(EmptyR)); // 5
    ScriptMouseMove(SquareCentreX(EmptyC, 9), SquareCentreY(EmptyR, 9)); // 6, open
    ScriptRightPress();                                                  // note mode: no notes to clear
    ScriptMoveAway();                                                    // 7
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());

    ASSERT_FALSE(before.empty());
    EXPECT_NE(entryOpen, before);
    EXPECT_EQ(afterEntry, before);
    EXPECT_NE(noteOpen, before);
    EXPECT_EQ(afterNote, before);
}

TEST_F(PickerTest, TakingASymbolChangesOnlyTheCellUnderThePicker)
{
    // The bottom row: the picker reaches into the button bar there.
    constexpr int c = 3, r = 12;
    ASSERT_EQ(PlayGrid(c, r), 0);
    int moves = 0;
    std::vector<uint32_t> before, after;
    AfterPointerMove = [&] {
        ++moves;
        if (moves == 1)
            before = PickerAreaAroundCell(c, r);
        else if (moves == 4)
            after = PickerAreaAroundCell(c, r);
    };
    ScriptMoveAway();
    ScriptEntry(c, r, PatternValue(c, r));
    ScriptMoveAway();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid(c, r), PatternValue(c, r));
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(after, before);
}

TEST_F(PickerTest, ScreenshotOfThePlayScreenWithThePickerOpen)
{
    bool saved = false;
    AfterPointerMove = [&] {
        if (PickerOpen && !saved)
            saved = SaveClientImage(ScreensFolder() + "/play_picker_open.png");
    };
    PlayGrid(7, 5) = static_cast<uint8_t>(PatternValue(7, 5));
    CandidateMarks(4, 7, 2) = CandidateMarks(4, 7, 10) = CandidateMarks(4, 7, 11) = true;
    ScriptLeftClick(CellCentreX(EmptyC), CellCentreY(EmptyR));
    ScriptMouseMove(SquareCentreX(EmptyC, 10), SquareCentreY(EmptyR, 10));
    ScriptRightPress();
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_TRUE(saved);
}

TEST_F(PickerTest, AtTheBoardEdgesThePickerReachesBeyondTheBoardAndIsPutBackToo)
{
    // Column 1: the picker starts one pixel left of the client area; column 12: it reaches 30 pixels
    // past the board; row 1: it starts 16 pixels above the board, over the title.
    for (auto [c, r] : {std::pair{1, 2}, std::pair{12, 1}}) {
        ASSERT_EQ(PlayGrid(c, r), 0);
        const int x1 = std::max(0, PickerX(c)), y1 = PickerY(r), x2 = PickerX(c) + 120, y2 = PickerY(r) + 90;
        int moves = 0;
        std::vector<uint32_t> before, open, after;
        AfterPointerMove = [&] {
            switch (++moves) {
            case 1:
                before = PixelsOf(x1, y1, x2, y2);
                break;
            case 3:
                open = PixelsOf(x1, y1, x2, y2);
                break;
            case 4:
                after = PixelsOf(x1, y1, x2, y2);
                break;
            default:
                break;
            }
        };
        ScriptMoveAway();
        ScriptLeftClick(CellCentreX(c), CellCentreY(r));
        ScriptMouseMove(SquareCentreX(c, 1), SquareCentreY(r, 1));
        ScriptRightPress();
        ScriptMoveAway();
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        ASSERT_FALSE(before.empty());
        EXPECT_NE(open, before) << c << "," << r;
        EXPECT_EQ(after, before) << c << "," << r;
    }
}
