// The engine's board tests, candidates and solver against the literal whole-board reference, on
// many random boards: correct partial boards, boards with duplicates, boards with wrong entries
// and nearly empty boards.
#include <gtest/gtest.h>

#include "engine/board_check.h"
#include "engine/solver.h"
#include "engine_boards.h"
#include "reference/literal_engine.h"

using namespace testboards;

namespace {

enum class Kind { Partial, Duplicate, WrongEntries, Sparse };

// A random board of the kind, as clues in GivenGrid and the board in PlayGrid.
void RandomBoard(Kind kind, uint64_t seed)
{
    std::mt19937_64 rng(seed * 977 + 13);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const ByteGrid solution = SolvedGrid(seed);
    ResetEngineState();
    switch (kind) {
    case Kind::Partial:
        SetPuzzle(Holes(solution, pick(10, 115), seed));
        break;
    case Kind::Sparse:
        SetPuzzle(Holes(solution, pick(125, 144), seed));
        break;
    case Kind::Duplicate: {
        SetPuzzle(Holes(solution, pick(20, 110), seed));
        // Copy a filled cell's symbol into an empty cell of the same row, column or box.
        for (int tries = 0; tries < 1000; ++tries) {
            int c = pick(1, 12);
            int r = pick(1, 12);
            int c2 = c;
            int r2 = r;
            switch (pick(0, 2)) {
            case 0:
                c2 = pick(1, 12);
                break;
            case 1:
                r2 = pick(1, 12);
                break;
            default:
                c2 = (c - 1) / 4 * 4 + 1 + pick(0, 3);
                r2 = (r - 1) / 3 * 3 + 1 + pick(0, 2);
            }
            if (PlayGrid(c, r) != 0 && PlayGrid(c2, r2) == 0) {
                PlayGrid(c2, r2) = PlayGrid(c, r);
                break;
            }
        }
        break;
    }
    case Kind::WrongEntries: {
        SetPuzzle(Holes(solution, pick(40, 110), seed));
        int wanted = pick(1, 6);
        for (int tries = 0; tries < 2000 && wanted > 0; ++tries) {
            int c = pick(1, 12);
            int r = pick(1, 12);
            int v = pick(1, 12);
            if (PlayGrid(c, r) == 0 && v != solution(c, r) && literal::IsCandidate(c, r, v)) {
                PlayGrid(c, r) = static_cast<uint8_t>(v);
                --wanted;
            }
        }
        break;
    }
    }
}

struct Outcome {
    ByteGrid play;
    ByteGrid solution;
    ByteGrid backup;
    bool unsolvable;
    Verdict message;
    bool full;
    int16_t errors;
    bool operator==(const Outcome&) const = default;
};

Outcome Snapshot()
{
    return {PlayGrid, SolutionGrid, BackupGrid, PuzzleUnsolvable, CheckMessage, BoardFull, ErrorCount};
}

class EquivalenceTest : public ::testing::TestWithParam<Kind> {
  protected:
    void SetUp() override { RemoveView(); }
};

TEST_P(EquivalenceTest, BoardTestsAndCandidates)
{
    for (uint64_t seed = 1; seed <= 60; ++seed) {
        RandomBoard(GetParam(), seed);
        const ByteGrid board = PlayGrid;
        ASSERT_EQ(IsConsistent(), literal::IsConsistent()) << seed;
        ASSERT_EQ(HasDeadCell(), literal::HasDeadCell()) << seed;
        ASSERT_EQ(PlayGrid, board);
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                for (int v = 1; v <= 12; ++v) {
                    ASSERT_EQ(IsCandidate(c, r, v), literal::IsCandidate(c, r, v))
                        << seed << ": " << c << "," << r << " " << v;
                }
            }
        }
        ASSERT_EQ(PlayGrid, board);
        literal::FillCandidateMarks();
        const auto expected = CandidateMarks;
        CandidateMarks(1, 1, 1) = !CandidateMarks(1, 1, 1);
        FillCandidateMarks();
        ASSERT_EQ(CandidateMarks, expected) << seed;
        ASSERT_EQ(PlayGrid, board);
    }
}

TEST_P(EquivalenceTest, LogicPass)
{
    for (uint64_t seed = 100; seed < 130; ++seed) {
        RandomBoard(GetParam(), seed);
        const ByteGrid board = PlayGrid;
        literal::LogicPass();
        const ByteGrid expected = PlayGrid;
        PlayGrid = board;
        LogicPass();
        ASSERT_EQ(PlayGrid, expected) << seed;
    }
}

TEST_P(EquivalenceTest, ComputeSolution)
{
    for (uint64_t seed = 200; seed < 215; ++seed) {
        RandomBoard(GetParam(), seed);
        const ByteGrid board = PlayGrid;
        const ByteGrid given = GivenGrid;
        SolutionGrid = PatternGrid(); // an old solution to overwrite
        ErrorCount = 1;
        literal::ComputeSolution();
        const Outcome expected = Snapshot();
        const uint8_t* counts = SymbolCount;
        std::vector<uint8_t> expectedCounts(counts, counts + 13);

        ResetEngineState();
        PlayGrid = board;
        GivenGrid = given;
        SolutionGrid = PatternGrid();
        ErrorCount = 1;
        ComputeSolution();
        ASSERT_EQ(Snapshot(), expected) << seed;
        ASSERT_EQ(std::vector<uint8_t>(SymbolCount, SymbolCount + 13), expectedCounts) << seed;
    }
}

// The visible solve command draws the same cells in the same order as the reference would.
TEST_P(EquivalenceTest, VisibleSolveDrawsTheSame)
{
    for (uint64_t seed = 300; seed < 310; ++seed) {
        RandomBoard(GetParam(), seed);
        const ByteGrid board = PlayGrid;
        const ByteGrid given = GivenGrid;
        InstallLoggingView();
        literal::SolveBoard();
        const Outcome expected = Snapshot();
        const DrawLog expectedLog = Log;

        ResetEngineState();
        PlayGrid = board;
        GivenGrid = given;
        InstallLoggingView();
        SolveBoard();
        ASSERT_EQ(Snapshot(), expected) << seed;
        ASSERT_EQ(Log.entries.size(), expectedLog.entries.size()) << seed;
        for (size_t i = 0; i < Log.entries.size(); ++i) {
            const auto& a = Log.entries[i];
            const auto& b = expectedLog.entries[i];
            ASSERT_TRUE(a.column == b.column && a.row == b.row && a.value == b.value &&
                        a.guessing == b.guessing)
                << seed << " entry " << i;
        }
        ASSERT_EQ(Log.redraws, expectedLog.redraws) << seed;
        ASSERT_EQ(Log.statistics, expectedLog.statistics) << seed;
        ASSERT_EQ(Log.warnings, expectedLog.warnings) << seed;
        RemoveView();
    }
}

std::string KindName(const ::testing::TestParamInfo<Kind>& info)
{
    switch (info.param) {
    case Kind::Partial:
        return "Partial";
    case Kind::Duplicate:
        return "Duplicate";
    case Kind::WrongEntries:
        return "WrongEntries";
    case Kind::Sparse:
        return "Sparse";
    }
    return "Unknown";
}

INSTANTIATE_TEST_SUITE_P(Boards, EquivalenceTest,
                         ::testing::Values(Kind::Partial, Kind::Duplicate, Kind::WrongEntries, Kind::Sparse),
                         KindName);

} // namespace
