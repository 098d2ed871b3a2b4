// The menu bar and the command dispatch: what every command does before and after its own work.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/exit.h"
#include "app/menu.h"
#include "app/startup.h"
#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "platform/script.h"
#include "platform/system.h"
#include "platform/window.h"
#include "play/symbol_picker.h"
#include "screen/clock.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "screen_pixels.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

// What the prompt said while a command was working, seen from the routines it runs.
std::vector<std::string> promptsSeen;
std::vector<bool> timedSeen;
void (*realEntryChanged)(int, int, int) = nullptr;
void (*realBoardChanged)() = nullptr;

void SpyEntryChanged(int c, int r, int v)
{
    promptsSeen.push_back(StatusText);
    realEntryChanged(c, r, v);
}
void SpyBoardChanged()
{
    promptsSeen.push_back(StatusText);
    realBoardChanged();
}
int SpyRandom(int n)
{
    static int draws = 0;
    promptsSeen.push_back(StatusText);
    return draws++ % n; // cycles, so drawing until a free symbol turns up ends
}
void SpyMouseMove(float x, float y)
{
    promptsSeen.push_back(StatusText);
    timedSeen.push_back(GameRunning);
    Win_0_MouseMove(x, y);
}

int CountClues()
{
    int n = 0;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            n += GivenGrid(c, r) != 0;
    return n;
}

class MenuTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        StartUp();
        realEntryChanged = BoardView.entryChanged;
        realBoardChanged = BoardView.boardChanged;
        BoardView.entryChanged = SpyEntryChanged;
        BoardView.boardChanged = SpyBoardChanged;
        SetMainWindowHandlers({Win_0_MenuEvent, SpyMouseMove, Win_0_Close});
        promptsSeen.clear();
        timedSeen.clear();
    }
    void TearDown() override
    {
        BoardView.entryChanged = realEntryChanged;
        BoardView.boardChanged = realBoardChanged;
        SetMenuCommandsEnabled(true);
        CloseMainWindow(); // start-up placed it for the screen; later tests expect the test window
        ClockLabel = 0;    // gone with its window
    }

    // Draws into the button strip, so the test can see it restored after the command.
    void MarkStrip()
    {
        SetTextColor(0xFF0000);
        SetFillColor(0xFF0000);
        DrawBox(100, 780, 140, 800, true);
        ASSERT_EQ(ClientPixel(120, 790), 0xFF0000u);
    }
    // The fixed steps after every command.
    void ExpectIdleAfterCommand()
    {
        EXPECT_EQ(StatusText, "Bitte Menupunkt auswählen!");
        EXPECT_FALSE(GameRunning);
        EXPECT_TRUE(MenuCommandsEnabled());
        EXPECT_EQ(ClientPixel(120, 790), Palette[12]) << "button strip not restored";
    }
    bool AllPromptsWere(const char* prompt)
    {
        for (const std::string& seen : promptsSeen)
            if (seen != prompt)
                return false;
        return !promptsSeen.empty();
    }
};

} // namespace

TEST(MenuDefinitionTest, OnlyTheFirstColonSeparatesNumberAndCaption)
{
    OpenTestWindow();
    int bar = BuildMenuFromLines({"&Test", "7:Zeit: 12:30", "-", "8:Ende", "", ""});
    ASSERT_NE(bar, 0);
    InstallMenuBar(bar);
    EXPECT_EQ(MenuItemCaption(7), "Zeit: 12:30");
    EXPECT_EQ(MenuItemCaption(8), "Ende");
    BuildMenuBar(); // back to the program's own menu for the other tests
}

TEST(MenuDefinitionTest, ProgramMenuCarriesEveryCommand)
{
    OpenTestWindow();
    BuildMenuBar();
    EXPECT_EQ(MenuItemCaption(8), "&Neues Spiel");
    EXPECT_EQ(MenuItemCaption(22), "&Brett lösen");
    EXPECT_EQ(MenuItemCaption(45), "Rätsel-Symmetrie");
    EXPECT_EQ(MenuItemCaption(1), "über &Kastenzahl...");
    EXPECT_EQ(MenuItemCaption(99), "&Beenden");
}

TEST_F(MenuTest, DifficultyMovesTheCheckMarkAndLeavesTheBoard)
{
    SetPatternPuzzle([](int c, int r) { return (c + r) % 3 == 0; });
    ByteGrid board = PlayGrid;
    MarkStrip();
    Win_0_MenuEvent(31);
    EXPECT_EQ(Difficulty, 1);
    EXPECT_TRUE(MenuItemChecked(31));
    EXPECT_FALSE(MenuItemChecked(30));
    EXPECT_EQ(PlayGrid, board);
    ExpectIdleAfterCommand();
    Win_0_MenuEvent(33);
    EXPECT_EQ(Difficulty, 3);
    EXPECT_TRUE(MenuItemChecked(33));
    EXPECT_FALSE(MenuItemChecked(31));
}

TEST_F(MenuTest, SymbolModeRedrawsEvenWhenUnchanged)
{
    // A stray mark inside an empty cell disappears only when the board is repainted.
    SetTextColor(0x00FF00);
    SetFillColor(0x00FF00);
    DrawBox(60, 60, 70, 70, true);
    Win_0_MenuEvent(40);
    EXPECT_TRUE(ShowDigits);
    EXPECT_TRUE(MenuItemChecked(40));
    EXPECT_EQ(ClientPixel(65, 65), 0xFFFFFFu) << "the board was not redrawn";
    Win_0_MenuEvent(41);
    EXPECT_FALSE(ShowDigits);
    EXPECT_TRUE(MenuItemChecked(41));
    EXPECT_FALSE(MenuItemChecked(40));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, CandidateDisplayDiscardsNotesBothWays)
{
    CandidateMarks(2, 2, 5) = true; // a note of the player's
    Win_0_MenuEvent(44);
    EXPECT_TRUE(ShowCandidates);
    EXPECT_TRUE(MenuItemChecked(44));
    // The empty board: every symbol is a candidate everywhere.
    for (int k = 1; k <= 12; ++k)
        EXPECT_TRUE(CandidateMarks(7, 9, k));
    Win_0_MenuEvent(44);
    EXPECT_FALSE(ShowCandidates);
    EXPECT_FALSE(MenuItemChecked(44));
    EXPECT_EQ(CandidateMarks, SymbolPlanes<bool>{});
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, SymmetryToggles)
{
    Win_0_MenuEvent(45);
    EXPECT_FALSE(KeepSymmetry);
    EXPECT_FALSE(MenuItemChecked(45));
    Win_0_MenuEvent(45);
    EXPECT_TRUE(KeepSymmetry);
    EXPECT_TRUE(MenuItemChecked(45));
}

TEST_F(MenuTest, SolveShowsThePromptWhileItWorks)
{
    SetPatternPuzzle([](int c, int r) { return (c * 7 + r * 5) % 4 != 0; });
    MarkStrip();
    Win_0_MenuEvent(22);
    EXPECT_TRUE(IsBoardFull());
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(AllPromptsWere(PromptClickCell));
    ExpectIdleAfterCommand();
}

// The counts and the difficulty line are drawn in the colours the board drawing leaves: after every
// command that redraws the board they must still read dark on white.
TEST_F(MenuTest, PanelNumbersStayReadableAfterBoardCommands)
{
    SetPatternPuzzle([](int c, int r) { return (c * 5 + r) % 3 != 0; });
    for (int command : {24, 44, 22, 41, 40, 44, 26, 22}) {
        Win_0_MenuEvent(command);
        EXPECT_GT(CountsInk(), 20) << "counts after command " << command;
        EXPECT_GT(DifficultyInk(), 40) << "difficulty line after command " << command;
    }
}

TEST_F(MenuTest, ShuffleKeepsTheCluesAndShowsThePrompt)
{
    SetPatternPuzzle([](int c, int r) { return (c + 2 * r) % 3 != 0; });
    int clues = CountClues();
    SetRandomSource(SpyRandom); // the shuffle's draws see the prompt of the running command
    MarkStrip();
    Win_0_MenuEvent(24);
    SetRandomSource(nullptr);
    EXPECT_EQ(CountClues(), clues);
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(AllPromptsWere(PromptClickCell));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, ClearEmptiesEverythingWithoutChangingThePrompt)
{
    SetPatternPuzzle([](int, int) { return true; });
    SolutionGrid = PlayGrid;
    CandidateMarks(1, 1, 1) = true;
    ErrorCount = 2;
    MarkStrip();
    Win_0_MenuEvent(26);
    EXPECT_EQ(PlayGrid, ByteGrid{});
    EXPECT_EQ(GivenGrid, ByteGrid{});
    EXPECT_EQ(SolutionGrid, ByteGrid{});
    EXPECT_EQ(CandidateMarks, SymbolPlanes<bool>{});
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_TRUE(AllPromptsWere(PromptChooseMenu));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, PlayStartRunsTheLoopUntimedWithThePrompt)
{
    MarkStrip();
    ScriptMouseMove(900, 100);
    ScriptKey(VK_ESCAPE);
    Win_0_MenuEvent(10);
    EXPECT_EQ(PendingScriptEvents(), 0u);
    ASSERT_EQ(timedSeen.size(), 1u);
    EXPECT_FALSE(timedSeen[0]);
    EXPECT_TRUE(AllPromptsWere(PromptClickCell));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, RestartKeepsOnlyTheCluesThenPlays)
{
    SetPatternPuzzle([](int c, int) { return c <= 6; });
    PlayGrid(12, 12) = static_cast<uint8_t>(PatternValue(12, 12)); // an entry
    CandidateMarks(11, 11, 3) = true;
    ScriptMouseMove(900, 100);
    ScriptKey(VK_ESCAPE);
    Win_0_MenuEvent(25);
    EXPECT_TRUE(AllPromptsWere(PromptClickCell));
    EXPECT_EQ(PlayGrid, GivenGrid);
    EXPECT_EQ(CountClues(), 72);
    EXPECT_FALSE(CandidateMarks(11, 11, 3));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, NewGameLoadsShufflesAndTimesTheGameUntilTheLoopEnds)
{
    ScopedTempFolder folder;
    // A library of four records, each the pattern board with a different set of clues.
    LibraryFileName = "mittel.l12";
    for (int16_t record = 0; record < 4; ++record) {
        SetPatternPuzzle([record](int c, int r) { return (c + r + record) % 4 != 0; });
        SaveBoardRecord(record);
    }
    PlayGrid = GivenGrid = {};
    Difficulty = 1;
    SeedRandom(5);
    ScriptMouseMove(900, 100);
    ScriptKey(VK_ESCAPE);
    Win_0_MenuEvent(8);
    EXPECT_EQ(LibraryFileName, "mittel.l12");
    EXPECT_EQ(CountClues(), 108);
    EXPECT_EQ(PlayGrid, GivenGrid); // restarted: only clues
    EXPECT_TRUE(IsConsistent());
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            ASSERT_NE(SolutionGrid(c, r), 0) << "no solution computed";
    ASSERT_EQ(timedSeen.size(), 1u);
    EXPECT_TRUE(timedSeen[0]) << "the game inside the loop was not timed";
    EXPECT_TRUE(AllPromptsWere(PromptClickCell));
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, QuitAnsweredNoEndsTheCommandNormally)
{
    ScriptMessageBoxAnswer(2);
    MarkStrip();
    Win_0_MenuEvent(99);
    EXPECT_TRUE(MainWindowExists());
    ExpectIdleAfterCommand();
}

TEST_F(MenuTest, MenuCommandsAreShutOffWhileACommandRuns)
{
    // A menu command chosen inside the play loop is dropped, not run inside the running one.
    ScriptMenu(31);
    ScriptKey(VK_ESCAPE);
    Win_0_MenuEvent(10);
    EXPECT_EQ(Difficulty, 0);
    EXPECT_TRUE(MenuCommandsEnabled());
}
