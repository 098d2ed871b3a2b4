// The board tests and the check verdicts.
#include <gtest/gtest.h>

#include "engine/board_check.h"
#include "engine_boards.h"
#include "reference/literal_engine.h"

using namespace testboards;

namespace {

class CheckTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        InstallLoggingView();
        solution = SolvedGrid(11);
        ResetEngineState();
    }
    void TearDown() override { RemoveView(); }

    // The board as a game sets it up: clues, known solution, counts as the statistics leave them.
    void StartGame(const ByteGrid& clues)
    {
        SetPuzzle(clues);
        SolutionGrid = solution;
        CountSymbols();
    }

    ByteGrid solution;
};

TEST_F(CheckTest, PatternGridIsAValidSolvedBoard)
{
    PlayGrid = PatternGrid();
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(literal::IsConsistent());
    EXPECT_TRUE(IsBoardFull());
    EXPECT_FALSE(HasDeadCell());
}

TEST_F(CheckTest, DuplicatesInEveryKindOfUnitAreFound)
{
    // Row: (1,1) and (12,1); column: (3,1) and (3,12); box: (1,1) and (4,3).
    const std::pair<std::pair<int, int>, std::pair<int, int>> clashes[] = {
        {{1, 1}, {12, 1}}, {{3, 1}, {3, 12}}, {{1, 1}, {4, 3}}, {{9, 10}, {12, 12}}};
    for (auto [a, b] : clashes) {
        PlayGrid = {};
        PlayGrid(a.first, a.second) = 5;
        PlayGrid(b.first, b.second) = 5;
        EXPECT_FALSE(IsConsistent());
        PlayGrid(b.first, b.second) = 6;
        EXPECT_TRUE(IsConsistent());
    }
    // Two cells in different rows, columns and boxes may hold the same symbol.
    PlayGrid = {};
    PlayGrid(1, 1) = 5;
    PlayGrid(5, 4) = 5;
    EXPECT_TRUE(IsConsistent());
}

TEST_F(CheckTest, DeadCellsAndFullness)
{
    PlayGrid = solution;
    EXPECT_FALSE(HasDeadCell());
    EXPECT_TRUE(IsBoardFull());
    for (int v = 1; v <= 12; ++v) {
        EXPECT_EQ(SymbolCount[v], 12);
    }

    // One empty cell on a board with a duplicate elsewhere is dead.
    PlayGrid(7, 7) = 0;
    EXPECT_FALSE(HasDeadCell());
    std::swap(PlayGrid(1, 1), PlayGrid(2, 1)); // still a row of twelve, but columns clash now
    EXPECT_FALSE(IsConsistent());
    EXPECT_TRUE(HasDeadCell());
    EXPECT_FALSE(IsBoardFull());
    EXPECT_EQ(SymbolCount[0], 1);

    // A cell whose row, column and box hold all twelve symbols between them is dead.
    PlayGrid = {};
    for (int c = 2; c <= 12; ++c) {
        PlayGrid(c, 1) = static_cast<uint8_t>(c - 1); // 1..11 in row 1
    }
    PlayGrid(1, 5) = 12;
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(HasDeadCell());
    EXPECT_EQ(HasDeadCell(), literal::HasDeadCell());
}

TEST_F(CheckTest, EmptyBoardHasNoErrors)
{
    StartGame({});
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictNoErrors);
    EXPECT_FALSE(BoardFull);
    EXPECT_EQ(Log.verdicts, 1);
    EXPECT_FALSE(Log.lastRed);
    EXPECT_EQ(Log.warnings, 0);
}

TEST_F(CheckTest, DuplicateCluesGiveWrongNumberAndWarn)
{
    ByteGrid clues;
    clues(1, 1) = 4;
    clues(3, 2) = 4; // same box
    StartGame(clues);
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictWrong);
    EXPECT_EQ(Log.warnings, 1);
    EXPECT_TRUE(Log.lastRed);
}

TEST_F(CheckTest, OneWrongEntryAnywhereGivesWrongNumber)
{
    const ByteGrid clues = Holes(solution, 80, 3);
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (clues(c, r) != 0) {
                continue;
            }
            StartGame(clues);
            PlayGrid(c, r) = static_cast<uint8_t>(solution(c, r) % 12 + 1);
            CountSymbols();
            CheckBoard();
            EXPECT_EQ(CheckMessage, VerdictWrong) << c << "," << r;
            EXPECT_TRUE(Log.lastRed);
            // The correct entry in the same place is fine.
            PlayGrid(c, r) = solution(c, r);
            CheckBoard();
            EXPECT_EQ(CheckMessage, VerdictNoErrors) << c << "," << r;
        }
    }
    EXPECT_EQ(Log.warnings, 0);
}

TEST_F(CheckTest, CompleteBoardThatDiffersFromTheSolutionIsSolvedInRed)
{
    // Another valid completion: the solution with two symbols exchanged, all of it entries.
    ByteGrid other = solution;
    for (uint8_t& cell : other.cells) {
        cell = cell == 1 ? 2 : cell == 2 ? 1 : cell;
    }
    StartGame({});
    PlayGrid = other;
    CountSymbols();
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_TRUE(BoardFull);
    EXPECT_TRUE(Log.lastRed);

    PlayGrid = solution;
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_FALSE(Log.lastRed);
}

TEST_F(CheckTest, UnsolvablePuzzleOverridesEverythingAndKeepsBoardFull)
{
    StartGame(Holes(solution, 50, 4));
    PlayGrid = solution;
    CountSymbols();
    PuzzleUnsolvable = true;
    BoardFull = false;
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictUnsolvable);
    EXPECT_FALSE(BoardFull);
    EXPECT_TRUE(Log.lastRed);
}

TEST_F(CheckTest, SilentCheckSetsTheVerdictButDrawsNothing)
{
    ByteGrid clues;
    clues(1, 1) = 4;
    clues(3, 2) = 4;
    StartGame(clues);
    SilentSolve = true;
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictWrong);
    PlayGrid = solution;
    CountSymbols();
    CheckBoard();
    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_TRUE(BoardFull);
    EXPECT_EQ(Log.verdicts, 0);
    EXPECT_EQ(Log.warnings, 0);
}

TEST_F(CheckTest, CountSymbolsCountsEmptyCellsAndEachSymbol)
{
    PlayGrid = Holes(solution, 30, 5);
    CountSymbols();
    int total = 0;
    for (int v = 1; v <= 12; ++v) {
        int expected = 0;
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                expected += PlayGrid(c, r) == v;
            }
        }
        EXPECT_EQ(SymbolCount[v], expected);
        total += SymbolCount[v];
    }
    EXPECT_EQ(SymbolCount[0], 30);
    EXPECT_EQ(total, 144 - 30);
}

} // namespace
