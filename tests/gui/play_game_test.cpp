// A whole new game: a puzzle library in a fresh folder, StartNewGame, and every empty cell filled
// through the picker until the board is solved, all inside the play loop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/new_game.h"
#include "engine/board_record.h"
#include "platform/system.h"
#include "play_fixture.h"
#include "records/hall_of_fame.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

// The pattern board with its symbols relabelled at random and about two cells in five removed.
void MakeRandomPuzzle()
{
    uint8_t label[13] = {};
    for (int v = 1; v <= 12; ++v)
        label[v] = static_cast<uint8_t>(v);
    for (int v = 12; v > 1; --v)
        std::swap(label[v], label[1 + Random(v)]);
    SetPatternPuzzle([](int, int) { return Random(5) >= 2; });
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c) {
            PlayGrid(c, r) = label[PlayGrid(c, r)];
            GivenGrid(c, r) = PlayGrid(c, r);
        }
}

} // namespace

TEST_F(PlayTest, ANewGamePlayedToTheEndByPickerClicksIsSolvedInsideTheLoop)
{
    for (uint64_t seed : {11u, 2024u, 77777u}) {
        ScopedTempFolder folder;
        LoadHallOfFame(); // the fresh folder's: empty
        SeedRandom(seed);
        MakeRandomPuzzle();
        LibraryFileName = "leicht.l12";
        for (int16_t record = 0; record < 4; ++record)
            SaveBoardRecord(record); // the game picks any of the four
        PlayGrid = {};
        GivenGrid = {};
        SolutionGrid = {};
        Difficulty = 0;

        // Playing as the player would: on the first pointer move, look at the board and queue a click
        // on every empty cell and on its solution's square in the picker, then a move and Esc.
        int emptyCells = -1;
        std::vector<bool> runningSeen;
        AfterPointerMove = [&] {
            runningSeen.push_back(GameRunning);
            if (emptyCells >= 0)
                return;
            emptyCells = 0;
            if (PuzzleUnsolvable) {
                ScriptKey(VK_ESCAPE);
                return;
            }
            for (int r = 1; r <= 12; ++r)
                for (int c = 1; c <= 12; ++c)
                    if (PlayGrid(c, r) == 0) {
                        ScriptEntry(c, r, SolutionGrid(c, r));
                        ++emptyCells;
                    }
            ScriptMouseMove(900, 100);
            ScriptKey(VK_ESCAPE);
        };
        ScriptMouseMove(900, 100);
        // The solved time enters the empty hall of fame: a name, then the hall of fame closed.
        ScriptDialogAnswer({"ed1=Tester", "cmd5"});
        ScriptDialogAnswer({"cmd3"});
        try {
            StartNewGame();
        } catch (const ScriptExhausted&) {
            FAIL() << "the play loop did not end on Esc, seed " << seed;
        }

        SCOPED_TRACE(seed);
        ASSERT_FALSE(PuzzleUnsolvable);
        ASSERT_GT(emptyCells, 30);
        EXPECT_EQ(LibraryFileName, "leicht.l12");
        EXPECT_EQ(PlayGrid, SolutionGrid);
        EXPECT_EQ(CheckMessage, VerdictSolved);
        EXPECT_EQ(ErrorCount, 0);
        EXPECT_FALSE(PuzzleSolved);
        EXPECT_FALSE(GameRunning);
        EXPECT_EQ(PendingScriptEvents(), 0u);
        // One move to start, two per entry (cell, square), one after the last entry: the game was
        // timed until the last entry and over right after it, before Esc.
        ASSERT_EQ(runningSeen.size(), static_cast<size_t>(2 * emptyCells + 2));
        for (size_t i = 0; i + 1 < runningSeen.size(); ++i)
            ASSERT_TRUE(runningSeen[i]) << i;
        EXPECT_FALSE(runningSeen.back());
        std::vector<std::string> unused;
        EXPECT_FALSE(TakeDialogAnswer(unused)); // both windows opened, once each
        LoadHallOfFame();
        EXPECT_EQ(HallOfFame.ChampionNames[0][1], "Tester");
        EXPECT_EQ(HallOfFame.ChampionTimes[0][1], FinalTime);
        EXPECT_EQ(FinalTime.size(), 10u) << FinalTime; // hh:mm:ss.t
    }
}
