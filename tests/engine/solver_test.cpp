// The solver's edge cases: singles, the guessing stage, unsolvable boards, silent solving, and the
// solve command's fall back to the clues.
#include <gtest/gtest.h>

#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/solver.h"
#include "puzzle_search.h"
#include "reference/literal_engine.h"

using namespace testboards;

namespace {

class SolverTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        RemoveView();
    }
    void TearDown() override { RemoveView(); }

    // A fresh game of the puzzle: clues only, the flags as after start-up.
    void Start(const ByteGrid& clues)
    {
        ResetEngineState();
        SetPuzzle(clues);
    }
};

bool HoldsClues(const ByteGrid& board, const ByteGrid& clues)
{
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (clues(c, r) != 0 && board(c, r) != clues(c, r)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(SolverTest, SinglesPuzzleNeverGuesses)
{
    const Puzzle p = SinglesPuzzle();
    Start(p.clues);
    InstallLoggingView();
    SolveBoard();
    EXPECT_EQ(PlayGrid, p.solution);
    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_EQ(Log.entries.size(), size_t(EmptyCells(p.clues)));
    for (const auto& entry : Log.entries) {
        EXPECT_FALSE(entry.guessing);
    }
    EXPECT_EQ(Log.redraws, 0);
    EXPECT_EQ(Log.statistics, 1);

    Start(p.clues);
    PuzzleUnsolvable = true;
    ComputeSolution();
    EXPECT_FALSE(PuzzleUnsolvable);
    EXPECT_EQ(SolutionGrid, p.solution);
    EXPECT_EQ(PlayGrid, p.clues);
}

TEST_F(SolverTest, LargerCandidateIsFoundAfterTheSmallerIsUndone)
{
    const auto [p, trial] = LargerChoicePuzzle();
    ASSERT_LT(trial.smaller, trial.larger);
    Start(p.clues);
    InstallLoggingView();
    SolveCommand();

    EXPECT_EQ(CheckMessage, VerdictSolved);
    EXPECT_TRUE(IsBoardFull());
    EXPECT_TRUE(IsConsistent());
    EXPECT_TRUE(HoldsClues(PlayGrid, p.clues));
    EXPECT_EQ(PlayGrid(trial.column, trial.row), trial.larger);

    // In the log: the smaller value tried in the trial cell, later the larger one.
    auto at = [&](int value) {
        for (size_t i = 0; i < Log.entries.size(); ++i) {
            const auto& e = Log.entries[i];
            if (e.guessing && e.column == trial.column && e.row == trial.row && e.value == value) {
                return int(i);
            }
        }
        return -1;
    };
    int smaller = at(trial.smaller);
    int larger = at(trial.larger);
    ASSERT_GE(smaller, 0);
    ASSERT_GE(larger, 0);
    EXPECT_LT(smaller, larger);
    const ByteGrid solved = PlayGrid;

    Start(p.clues);
    ComputeSolution();
    EXPECT_FALSE(PuzzleUnsolvable);
    EXPECT_EQ(SolutionGrid, solved);
    EXPECT_EQ(PlayGrid, p.clues);
}

TEST_F(SolverTest, PuzzleNeedingTwoNestedGuessesIsUnsolvable)
{
    const Puzzle& p = NestedGuessPuzzle();
    SolutionCounter counter;
    ASSERT_EQ(counter.count(p.clues, 2), 1);

    // What the first logic pass leaves, by the literal pass.
    Start(p.clues);
    literal::LogicPass();
    const ByteGrid afterLogic = PlayGrid;
    ASSERT_GT(EmptyCells(afterLogic), 0);

    Start(p.clues);
    ComputeSolution();
    EXPECT_TRUE(PuzzleUnsolvable);
    EXPECT_EQ(SolutionGrid, afterLogic); // zeros where the solver left cells empty
    EXPECT_EQ(PlayGrid, p.clues);

    Start(p.clues);
    InstallLoggingView();
    SolveBoard();
    EXPECT_EQ(PlayGrid, afterLogic);
    EXPECT_EQ(Log.redraws, 12); // every row trial ended without success
    EXPECT_FALSE(Guessing);
}

TEST_F(SolverTest, ComputeSolutionLeavesTheBoardAsItWas)
{
    const Puzzle p = SinglesPuzzle();
    Start(p.clues);
    int entries = 0;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (p.clues(c, r) == 0 && (c + r) % 5 == 0) {
                PlayGrid(c, r) = ++entries % 2 ? p.solution(c, r) : uint8_t(p.solution(c, r) % 12 + 1);
            }
        }
    }
    ASSERT_GT(entries, 4);
    CandidateMarks(1, 2, 3) = true;
    const ByteGrid play = PlayGrid;
    const auto marks = CandidateMarks;
    ErrorCount = 2;
    ComputeSolution();
    EXPECT_EQ(PlayGrid, play);
    EXPECT_EQ(GivenGrid, p.clues);
    EXPECT_EQ(CandidateMarks, marks);
    EXPECT_EQ(ErrorCount, 0);
    EXPECT_FALSE(SilentSolve);
}

TEST_F(SolverTest, EmptyBoardIsUnsolvable)
{
    Start({});
    LogicPass();
    EXPECT_EQ(PlayGrid, ByteGrid{});
    ComputeSolution();
    EXPECT_TRUE(PuzzleUnsolvable);
    EXPECT_EQ(SolutionGrid, ByteGrid{});
}

TEST_F(SolverTest, ClashingEntryMakesTheSolveCommandStartFromTheClues)
{
    const Puzzle p = SinglesPuzzle();
    Start(p.clues);
    // An entry repeating a clue of its row.
    int column = 0;
    int row = 0;
    for (int r = 1; r <= 12 && column == 0; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (p.clues(c, r) == 0) {
                column = c;
                row = r;
                break;
            }
        }
    }
    for (int c = 1; c <= 12; ++c) {
        if (p.clues(c, row) != 0) {
            PlayGrid(column, row) = p.clues(c, row);
            break;
        }
    }
    ASSERT_FALSE(IsConsistent());
    CandidateMarks(column, row, 1) = true;
    SolveCommand();
    EXPECT_EQ(PlayGrid, p.solution);
    EXPECT_FALSE(CandidateMarks(column, row, 1));
}

TEST_F(SolverTest, ClashingCluesLeaveOnlyTheClues)
{
    ByteGrid clues;
    clues(1, 1) = 7;
    clues(2, 2) = 7;
    clues(6, 6) = 3;
    Start(clues);
    PlayGrid(10, 10) = 4;
    CandidateMarks(12, 1, 5) = true;
    SolveCommand();
    EXPECT_EQ(PlayGrid, clues);
    EXPECT_EQ(CandidateMarks, (SymbolPlanes<bool>{}));
    EXPECT_EQ(CheckMessage, VerdictWrong);
}

// Verdicts left by the previous game: neither an "unsolvable" nor a "solved" may end the guessing
// stage early and leave zeros in the solution.
TEST_F(SolverTest, StaleVerdictsDoNotHideTheSolution)
{
    const auto [p, trial] = QuietFirstRowPuzzle();
    for (bool staleSolved : {false, true}) {
        Start(p.clues);
        PuzzleUnsolvable = !staleSolved;
        CheckMessage = staleSolved ? VerdictSolved : Verdict::None;
        ComputeSolution();
        EXPECT_FALSE(PuzzleUnsolvable) << staleSolved;
        EXPECT_EQ(EmptyCells(SolutionGrid), 0);
        PlayGrid = SolutionGrid;
        EXPECT_TRUE(IsConsistent());
        EXPECT_TRUE(HoldsClues(SolutionGrid, p.clues));
    }
}

TEST_F(SolverTest, SilentSolveDrawsNothingAndKeepsTheGameRunning)
{
    const Puzzle& nested = NestedGuessPuzzle();
    const auto [larger, trial] = LargerChoicePuzzle();
    for (const ByteGrid& clues : {nested.clues, larger.clues}) {
        Start(clues);
        InstallLoggingView();
        // An old solution that every placement contradicts, as a redraw would count it.
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                SolutionGrid(c, r) = 13;
            }
        }
        GameRunning = true;
        ComputeSolution();
        EXPECT_TRUE(Log.entries.empty());
        EXPECT_EQ(Log.redraws, 0);
        EXPECT_EQ(Log.statistics, 0);
        EXPECT_EQ(Log.verdicts, 0);
        EXPECT_EQ(Log.warnings, 0);
        EXPECT_TRUE(GameRunning);
        EXPECT_EQ(ErrorCount, 0);
    }
}

TEST_F(SolverTest, CandidatesOfACell)
{
    const Puzzle p = SinglesPuzzle();
    Start(p.clues);
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (p.clues(c, r) == 0) {
                // The solution's value is always a candidate of a correct partial board.
                EXPECT_TRUE(IsCandidate(c, r, p.solution(c, r)));
            }
        }
    }
    FillCandidateMarks();
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            for (int v = 1; v <= 12; ++v) {
                EXPECT_EQ(CandidateMarks(c, r, v), p.clues(c, r) == 0 && IsCandidate(c, r, v));
            }
        }
    }
    EXPECT_EQ(PlayGrid, p.clues);
}

} // namespace
