// Start-up: window placement, the state the game starts with, and the exit question.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/exit.h"
#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "gui_fixture.h"
#include "platform/draw.h"
#include "platform/script.h"
#include "platform/window.h"
#include "play/symbol_picker.h"
#include "records/hall_of_fame.h"
#include "screen/clock.h"
#include "screen/failure_message.h"
#include "screen/palette.h"
#include "screen/panels.h"
#include "temp_folder.h"

TEST(WindowPlacement, CentresAndRaisesOnCommonScreens)
{
    auto at = MainWindowPlacement(1920, 1080);
    EXPECT_EQ(at.left, 382);
    EXPECT_EQ(at.top, 71);
    at = MainWindowPlacement(1280, 1024);
    EXPECT_EQ(at.left, 62);
    EXPECT_EQ(at.top, 43);
}

TEST(WindowPlacement, SmallScreensKeepTopAtZeroButLeftUnlimited)
{
    auto at = MainWindowPlacement(1366, 768);
    EXPECT_EQ(at.left, 105);
    EXPECT_EQ(at.top, 0);
    at = MainWindowPlacement(1024, 768);
    EXPECT_EQ(at.left, -66);
    EXPECT_EQ(at.top, 0);
}

TEST(WindowPlacement, HalvesRoundToEven)
{
    EXPECT_EQ(MainWindowPlacement(1157, 1000).left, 0); // 0.5
    EXPECT_EQ(MainWindowPlacement(1159, 1000).left, 2); // 1.5
    EXPECT_EQ(MainWindowPlacement(1300, 939).top, 0);   // 0.5
    EXPECT_EQ(MainWindowPlacement(1300, 941).top, 2);   // 1.5
}

class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        StartUp();
    }
    // Start-up placed the window for the screen; later tests expect the test window at (0, 0).
    void TearDown() override
    {
        CloseMainWindow();
        ClockLabel = 0; // gone with its window
    }
};

TEST_F(StartUpTest, WindowHasTitleClientSizeAndBackground)
{
    EXPECT_EQ(MainWindowTitle(), "Kastenzahl V6.0 by Tarvo");
    EXPECT_EQ(ClientWidth(), 1156);
    EXPECT_EQ(ClientHeight(), 874);
    EXPECT_EQ(ClientPixel(800, 100), 0xB4C9D0u); // right of the board frame, above the panels
    EXPECT_EQ(ClientPixel(400, 790), 0xB4C9D0u); // the empty button strip
}

TEST_F(StartUpTest, GameStateStartsAtItsDefaults)
{
    EXPECT_EQ(Difficulty, 0);
    EXPECT_TRUE(ShowDigits);
    EXPECT_TRUE(KeepSymmetry);
    EXPECT_FALSE(ShowCandidates);
    EXPECT_FALSE(GameRunning);
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_EQ(StatusText, "Bitte Menupunkt auswählen!");
    ByteGrid empty;
    EXPECT_EQ(PlayGrid, empty);
    EXPECT_EQ(GivenGrid, empty);
    EXPECT_EQ(SolutionGrid, empty);
    EXPECT_EQ(CandidateMarks, SymbolPlanes<bool>{});
    EXPECT_EQ(DifficultyName[0], " Leicht ");
    EXPECT_EQ(DifficultyName[0].size(), 8u);
    EXPECT_EQ(DifficultyName[1], " Mittel ");
    EXPECT_EQ(DifficultyName[2], "Schwer ");
    EXPECT_EQ(DifficultyName[2].size(), 7u);
    EXPECT_EQ(DifficultyName[3], "Extrem ");
}

TEST(InitGameState, LoadsTheHallOfFameFromTheWorkingFolder)
{
    ScopedTempFolder folder;
    std::ofstream(HallOfFameFileName, std::ios::binary) << "Anna\r\n01.02.2024\r\n00:12:34.5\r\n";

    InitGameState();

    EXPECT_EQ(HallOfFame.ChampionNames[0][1], "Anna");
    EXPECT_EQ(HallOfFame.ChampionTimes[0][1], "00:12:34.5");
    EXPECT_EQ(HallOfFame.ChampionTimes[0][2], "9");
    ResetHallOfFame();
}

TEST_F(StartUpTest, MenuChecksFollowTheDefaults)
{
    EXPECT_TRUE(MenuItemChecked(30));
    EXPECT_TRUE(MenuItemChecked(40));
    EXPECT_TRUE(MenuItemChecked(45));
    for (int command : {31, 32, 33, 41, 44})
        EXPECT_FALSE(MenuItemChecked(command)) << command;
}

TEST_F(StartUpTest, ExitQuestionAnsweredNoLeavesEverythingAsItWas)
{
    GameRunning = true;
    PlayGrid(3, 4) = 7;
    size_t before = ShownMessageBoxes().size();
    ScriptMessageBoxAnswer(2);
    ScriptCloseRequest();
    WaitAndDispatchEvent();
    ASSERT_EQ(ShownMessageBoxes().size(), before + 1);
    const ShownMessageBox& box = ShownMessageBoxes().back();
    EXPECT_EQ(box.text, "Spiel beenden?");
    EXPECT_EQ(box.buttons, "&JA|&NEIN");
    EXPECT_EQ(box.defaultButton, 2);
    EXPECT_TRUE(MainWindowExists());
    EXPECT_TRUE(GameRunning);
    EXPECT_EQ(PlayGrid(3, 4), 7);
    GameRunning = false;
}

TEST_F(StartUpTest, ExitQuestionAnsweredYesEndsAtOnceWithoutWritingFiles)
{
    ScopedTempFolder folder;
    StartClock();
    StartClockWorker(); // a running clock is stopped before the window goes
    ScriptMessageBoxAnswer(1);
    EXPECT_THROW(ConfirmExit(), ProgramEnded);
    EXPECT_FALSE(MainWindowExists());
    EXPECT_TRUE(folder.empty());
    GameRunning = false;
}

TEST_F(StartUpTest, BoardThatCannotBeSavedIsReportedInAMessageBoxAndPlayGoesOn)
{
    ScopedTempFolder folder;
    std::filesystem::create_directory("brett.l12"); // a folder where the slot file should be
    PlayGrid(5, 5) = 3;
    LibraryFileName = "brett.l12";
    size_t before = ShownMessageBoxes().size();
    ShowFailureMessage(SaveBoardRecord(0)); // as the slot dialog hands the failure on
    ASSERT_EQ(ShownMessageBoxes().size(), before + 1);
    const ShownMessageBox& box = ShownMessageBoxes().back();
    EXPECT_EQ(box.text.rfind("Das Brett konnte nicht gespeichert werden.", 0), 0u) << box.text;
    EXPECT_EQ(box.buttons, "OK");
    EXPECT_EQ(PlayGrid(5, 5), 3);
    EXPECT_TRUE(MainWindowExists());
}

TEST(PrepareGameFolder, MakesThePlayersFolderOrSaysWhyInAMessageBox)
{
    ScopedTempFolder scratch;
    const char* before = std::getenv("XDG_DATA_HOME");
    const std::string saved = before ? before : "";
    ResetScript();
    std::ofstream("datei") << "kein Ordner";
    setenv("XDG_DATA_HOME", (scratch.path() / "datei").c_str(), 1);
    EXPECT_FALSE(PrepareGameFolder());
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].text, "Der Ordner für die Spieldaten kann nicht angelegt werden:\n" +
                                               (scratch.path() / "datei/kastenzahl").string() +
                                               "\nEin Teil des Pfades ist kein Ordner");
    EXPECT_EQ(ShownMessageBoxes()[0].title, "Kastenzahl");
    EXPECT_EQ(ShownMessageBoxes()[0].buttons, "OK");
    EXPECT_EQ(std::filesystem::current_path(), scratch.path());

    // The shipped files staged beside the test program, as beside the game.
    setenv("XDG_DATA_HOME", (scratch.path() / "daten").c_str(), 1);
    EXPECT_TRUE(PrepareGameFolder());
    EXPECT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(std::filesystem::current_path(), scratch.path() / "daten/kastenzahl");
    const auto bytes = [](const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    for (const char* library : {"leicht.l12", "mittel.l12", "schwer.l12", "extrem.l12"})
        EXPECT_EQ(bytes(library), bytes(std::string(KASTENZAHL_DATA_FOLDER) + "/" + library)) << library;
    EXPECT_EQ(bytes("Kasten12.chm"), bytes(KASTENZAHL_HELP_FILE));
    if (before)
        setenv("XDG_DATA_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_DATA_HOME");
}
