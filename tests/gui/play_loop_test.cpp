// The play loop: the button bar and its hit zones, the keys acting on release, and the ways out.
#include <gtest/gtest.h>

#include <string>

#include "engine/board_check.h"
#include "play/button_bar.h"
#include "play/slot_dialog.h"
#include "play_fixture.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_windows.h"
#include "screen_pixels.h"
#include "test_boards.h"

namespace {

// Every third cell is a clue; the pattern is the known solution, enough for the solver.
class LoopTest : public PlayTest {
  protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        SetPatternPuzzle([](int c, int r) { return (c + 2 * r) % 3 != 0; });
        clues = PlayGrid;
        for (int r = 1; r <= 12; ++r)
            for (int c = 1; c <= 12; ++c) {
                solved(c, r) = static_cast<uint8_t>(PatternValue(c, r));
                SolutionGrid(c, r) = solved(c, r);
            }
    }
    ByteGrid clues, solved;
};

constexpr int BarY = 790;

// An entry the player made: (1, 1) is empty in this puzzle.
void PutEntry()
{
    PlayGrid(1, 1) = static_cast<uint8_t>(PatternValue(1, 1));
}

} // namespace

TEST_F(LoopTest, ButtonsAreDrawnRaisedAndAbbruchStaysPressed)
{
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    // Laden at x 31, width 107: raised bevel white top-left, dark bottom-right, black outline.
    EXPECT_EQ(ClientPixel(30, 777), Palette[0]);
    EXPECT_EQ(ClientPixel(32, 779), Palette[15]);
    EXPECT_EQ(ClientPixel(31 + 107 - 1, 778 + 25 - 1), Palette[8]);
    EXPECT_EQ(ClientPixel(31 + 107, 790), Palette[0]);
    // Its accelerator L stands in dark red at 65 - 1, 798 - 14 - 1; the caption in black after it.
    EXPECT_GT(CountInk(63, 782, 72, 800, Palette[1], 40), 0);
    EXPECT_EQ(CountInk(73, 782, 120, 800, Palette[1], 40), 0);
    EXPECT_GT(CountInk(73, 782, 120, 800, Palette[0], 40), 0);
    // Abbruch at x 624 is left pressed: dark top-left.
    EXPECT_EQ(ClientPixel(625, 779), Palette[8]);
    EXPECT_EQ(ClientPixel(624 + 123 - 1, 778 + 25 - 1), Palette[15]);
    // Neustart in the middle is raised again.
    EXPECT_EQ(ClientPixel(391, 779), Palette[15]);
}

TEST_F(LoopTest, DrawButtonWithoutAcceleratorCentresTheWholeCaption)
{
    // Right of the board, on the window background.
    ASSERT_EQ(CountOtherPixels(790, 140, 870, 180, Palette[12]), 0);
    DrawButton("  OK  ", 800, 150, false);
    // n = 5: width 59; no dark red anywhere, black caption ink between the bevels.
    EXPECT_EQ(ClientPixel(799, 149), Palette[0]);
    EXPECT_EQ(ClientPixel(859, 160), Palette[0]);
    EXPECT_EQ(ClientPixel(860, 160), Palette[12]);
    EXPECT_EQ(CountInk(800, 150, 859, 175, Palette[1], 40), 0);
    EXPECT_GT(CountInk(803, 153, 856, 172, Palette[0], 40), 0);
    DrawButton("  OK  ", 800, 150, true);
    EXPECT_EQ(ClientPixel(801, 151), Palette[8]);
}

TEST_F(LoopTest, ButtonHitZonesCloseTheGapsAndEndAtX750)
{
    ByteGrid withEntry = clues;
    withEntry(1, 1) = solved(1, 1);
    struct Case {
        int x, y;
        bool restarts;
    };
    // Neustart's zone is 390..506, 777..803: it empties the player's entry.
    for (const Case& k :
         {Case{390, BarY, true}, Case{506, BarY, true}, Case{450, 777, true}, Case{450, 803, true},
          Case{389, BarY, false}, Case{507, BarY, false}, Case{450, 776, false}, Case{450, 804, false}}) {
        PutEntry();
        ScriptLeftClick(k.x, k.y);
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop()) << k.x << "," << k.y;
        EXPECT_EQ(PlayGrid(1, 1) == 0, k.restarts) << k.x << "," << k.y;
        EXPECT_EQ(PlayGrid, k.restarts ? clues : withEntry) << k.x << "," << k.y;
    }

    // x 139 is in the gap after Laden's drawn rectangle and still Laden's; 140 is Sichern's. Each
    // opens the slot dialog, which is cancelled.
    for (int x : {140, 139}) {
        ScriptLeftClick(x, BarY);
        ScriptDialogAnswer({"cmd2"});
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        EXPECT_EQ(SlotDialogLoads, x == 139) << x;
        EXPECT_EQ(LibraryFileName, "brett.l12") << x;
    }

    // x 751 hits nothing; 750 is Abbruch.
    ScriptLeftClick(751, BarY);
    ASSERT_FALSE(RunPlayLoop());
    ScriptLeftClick(750, BarY);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PendingScriptEvents(), 0u);
}

TEST_F(LoopTest, TheRightButtonOnTheBarDoesNothing)
{
    LibraryFileName = "leicht.l12";
    ScriptRightClick(100, BarY);
    ScriptRightClick(700, BarY);
    ASSERT_FALSE(RunPlayLoop());
    EXPECT_EQ(LibraryFileName, "leicht.l12");
}

TEST_F(LoopTest, ButtonKeysActLikeTheButtonsInEitherCase)
{
    for (int key : {'N', 'n'}) {
        PutEntry();
        ScriptKey(key);
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        EXPECT_EQ(PlayGrid, clues) << static_cast<char>(key);
    }
    for (int key : {'L', 'l'}) {
        LibraryFileName = "leicht.l12";
        ScriptKey(key);
        ScriptDialogAnswer({"cmd2"});
        ScriptKey(VK_ESCAPE);
        ASSERT_TRUE(RunPlayLoop());
        EXPECT_EQ(LibraryFileName, "brett.l12") << static_cast<char>(key);
    }
}

TEST_F(LoopTest, EscAndAEndTheLoopByKeyAndResetTheClockLabel)
{
    for (int key : {VK_ESCAPE, int{'A'}, int{'a'}}) {
        GameRunning = true;
        SetLabelText(ClockLabel, " 00:01:02");
        ScriptKey(key);
        ASSERT_TRUE(RunPlayLoop()) << key;
        EXPECT_FALSE(GameRunning);
        EXPECT_EQ(LabelText(ClockLabel), " 99:99:99") << key;
    }
}

// Every way of stopping a timed game other than solving it shows no time and enters no result; the
// loop is left with the mouse, which leaves the label as the stop set it.
TEST_F(LoopTest, StoppedTimedGamesShowNoTimeAndEnterNoResult)
{
    const int wrong = solved(1, 1) % 12 + 1;
    const struct {
        const char* stop;
        void (*script)(int wrong);
    } stops[] = {
        {"K then O",
         [](int) {
             ScriptKey('K');
             ScriptKey('O');
         }},
        {"M", [](int) { ScriptKey('M'); }},
        {"third wrong entry",
         [](int wrong) {
             for (int n = 0; n < 3; ++n)
                 ScriptEntry(1, 1, wrong);
         }},
    };
    for (const auto& stop : stops) {
        PlayGrid = clues;
        ErrorCount = 0;
        ShowCandidates = false;
        StartClock();
        stop.script(wrong);
        ScriptLeftClick(700, BarY);
        ASSERT_TRUE(RunPlayLoop()) << stop.stop;
        EXPECT_EQ(LabelText(ClockLabel), " 99:99:99") << stop.stop;
        EXPECT_EQ(FinalTime, "X") << stop.stop;
    }
}

TEST_F(LoopTest, AbbruchByMouseLeavesTheClockLabelAsItWas)
{
    GameRunning = true;
    SetLabelText(ClockLabel, " 00:01:02");
    ScriptLeftClick(700, BarY);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_FALSE(GameRunning);
    // The last time shown stays: the one set here, or the worker's if it ran a pass before the click.
    EXPECT_NE(LabelText(ClockLabel), " 99:99:99");
}

TEST_F(LoopTest, OtherKeysAndReleasesWithoutTheirPressDoNothing)
{
    PutEntry();
    ScriptKeyRelease(VK_ESCAPE);
    ScriptKeyRelease('A');
    ScriptKeyRelease('N');
    ScriptKey('Z');
    ScriptKey('7');
    ScriptKey(VK_RETURN);
    ASSERT_FALSE(RunPlayLoop()); // still waiting: nothing ended it
    EXPECT_EQ(PlayGrid(1, 1), solved(1, 1));

    // The loop goes on to the next key that was pressed and released.
    ScriptKeyRelease(VK_ESCAPE);
    ScriptKey('F');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_TRUE(CandidateMarks(2, 1, 7));
}

TEST_F(LoopTest, KThenOSolvesEvenWithOtherKeysBetween)
{
    GameRunning = true;
    ScriptKey('K');
    ScriptKey('Z');
    ScriptKey('F');
    ScriptKey('O');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid, solved);
    EXPECT_EQ(CheckMessage, VerdictSolved);
}

TEST_F(LoopTest, TheRememberedKOutlivesTheLoop)
{
    ScriptKey('K');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    ScriptKey('O');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid, solved);
}

TEST_F(LoopTest, OWithoutKDoesNothingAndOEmptiesTheMemory)
{
    ScriptKey('O');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid, clues);

    // k, o solves (lower case); N restarts; the second O finds the memory empty.
    ScriptKey('k');
    ScriptKey('o');
    ScriptKey('N');
    ScriptKey('O');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_EQ(PlayGrid, clues);
}

TEST_F(LoopTest, SolveKeysEndATimedGame)
{
    GameRunning = true;
    std::vector<bool> runningSeen;
    AfterPointerMove = [&] { runningSeen.push_back(GameRunning); };
    ScriptMouseMove(900, 100);
    ScriptKey('K');
    ScriptKey('O');
    ScriptMouseMove(900, 110);
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    ASSERT_EQ(runningSeen.size(), 2u);
    EXPECT_TRUE(runningSeen[0]);
    EXPECT_FALSE(runningSeen[1]);
}

TEST_F(LoopTest, FSetsEveryNoteAndCClearsThem)
{
    ScriptKey('F');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    for (int s = 1; s <= 12; ++s) {
        EXPECT_TRUE(CandidateMarks(1, 1, s));
        EXPECT_TRUE(CandidateMarks(12, 12, s));
    }
    EXPECT_GT(CountInCell(1, 1, Palette[0]), 0); // the notes are drawn

    ScriptKey('c');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    for (bool mark : CandidateMarks.cells)
        ASSERT_FALSE(mark);
    EXPECT_EQ(CountInCell(1, 1, Palette[0]), 0);
}

TEST_F(LoopTest, MTogglesTheComputedCandidatesAndEndsATimedGame)
{
    GameRunning = true;
    CandidateMarks(1, 1, 1) = true;
    ScriptKey('M');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_TRUE(ShowCandidates);
    EXPECT_FALSE(GameRunning);
    // The computed candidates replace the notes: the solution's value is one of (1, 1)'s.
    EXPECT_TRUE(CandidateMarks(1, 1, solved(1, 1)));
    EXPECT_FALSE(CandidateMarks(1, 1, solved(2, 1))); // a clue in the same row

    ScriptKey('m');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    EXPECT_FALSE(ShowCandidates);
    for (bool mark : CandidateMarks.cells)
        ASSERT_FALSE(mark);
}

TEST_F(LoopTest, CompletingTheBoardEndsTheTimedGameInsideTheLoop)
{
    // Filling the last empty cell of a timed game ends it inside the loop; clearing one does not.
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            PlayGrid(c, r) = solved(c, r);
    PlayGrid(1, 1) = 0;
    StartClock();
    // The clock hands the solved game to the hall of fame while the game is still marked solved.
    static bool solvedAtEntry;
    solvedAtEntry = false;
    HallOfFameView.askPlayerName = [] {
        solvedAtEntry = PuzzleSolved && FinalTime != "X";
        return false;
    };
    HallOfFameView.showHallOfFame = nullptr;
    std::vector<bool> runningSeen;
    AfterPointerMove = [&] {
        if (!PickerOpen)
            runningSeen.push_back(GameRunning);
    };
    ScriptRightClick(CellCentreX(2), CellCentreY(2)); // (2, 2) is an entry: cleared, game goes on
    ScriptEntry(2, 2, solved(2, 2));
    ScriptMouseMove(900, 100);
    ScriptEntry(1, 1, solved(1, 1)); // the last cell
    ScriptMouseMove(900, 100);
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunPlayLoop());
    ASSERT_EQ(runningSeen.size(), 5u);
    EXPECT_TRUE(runningSeen[0]);
    EXPECT_TRUE(runningSeen[1]);
    EXPECT_TRUE(runningSeen[2]);
    EXPECT_TRUE(runningSeen[3]);
    EXPECT_FALSE(runningSeen[4]);
    EXPECT_FALSE(PuzzleSolved);
    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_TRUE(solvedAtEntry);
    InstallHallOfFameWindows();
}
