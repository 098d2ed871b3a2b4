// Shuffling: the primitives, the draw order of the passes, and what every pass keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

#include "engine/shuffle.h"
#include "engine/solver.h"
#include "engine_boards.h"
#include "platform/script.h"
#include "reference/literal_engine.h"

using namespace testboards;

namespace {

// A board whose every cell holds a value telling where it started: PlayGrid the column, GivenGrid
// the row.
void Coordinates()
{
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            PlayGrid(c, r) = static_cast<uint8_t>(c);
            GivenGrid(c, r) = static_cast<uint8_t>(r);
        }
    }
}

// TRUE when every cell (c, r) now holds what stood at from(c, r).
template <typename From> bool MovedAs(From from)
{
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            auto [c0, r0] = from(c, r);
            if (PlayGrid(c, r) != c0 || GivenGrid(c, r) != r0) {
                return false;
            }
        }
    }
    return true;
}

class ShuffleTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        ResetEngineState();
        RemoveView();
        SetRandomSource(nullptr);
    }
    void TearDown() override { SetRandomSource(nullptr); }
};

TEST_F(ShuffleTest, PrimitivesMoveWholeRowsColumnsStacksAndBands)
{
    using P = std::pair<int, int>;
    Coordinates();
    SwapRows(2, 3);
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c, r == 2 ? 3 : r == 3 ? 2 : r}; }));
    Coordinates();
    SwapColumns(6, 7);
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c == 6 ? 7 : c == 7 ? 6 : c, r}; }));
    Coordinates();
    SwapStacks(1, 3);
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c <= 4 ? c + 8 : c >= 9 ? c - 8 : c, r}; }));
    Coordinates();
    SwapStacks(2, 2);
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c, r}; }));
    Coordinates();
    SwapBands(2, 4);
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c, r >= 4 && r <= 6 ? r + 6 : r >= 10 ? r - 6 : r}; }));
    Coordinates();
    FlipRows();
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{c, 13 - r}; }));
    Coordinates();
    FlipColumns();
    EXPECT_TRUE(MovedAs([](int c, int r) { return P{13 - c, r}; }));
}

TEST_F(ShuffleTest, RelabellingIsAPermutationAppliedToBothGrids)
{
    SeedRandom(3);
    Coordinates();
    PlayGrid(1, 1) = 0;
    GivenGrid(1, 1) = 0;
    RelabelSymbols();
    bool used[13] = {};
    for (int v = 1; v <= 12; ++v) {
        int image = SymbolPermutation[v];
        ASSERT_GE(image, 1);
        ASSERT_LE(image, 12);
        EXPECT_FALSE(used[image]);
        used[image] = true;
    }
    EXPECT_EQ(SymbolPermutation[0], 0);
    EXPECT_TRUE(MovedAs([](int c, int r) {
        return c == 1 && r == 1 ? std::pair{0, 0}
                                : std::pair{int(SymbolPermutation[c]), int(SymbolPermutation[r])};
    }));
}

// A scripted generator that logs the range of every draw and answers by a counter.
std::vector<int> Draws;
int ScriptedRandom(int n)
{
    Draws.push_back(n);
    return int(Draws.size()) % n;
}

TEST_F(ShuffleTest, PassesDrawInTheirFixedOrder)
{
    SetRandomSource(ScriptedRandom);
    Draws.clear();
    ShufflePass();
    std::vector<int> head(Draws.begin(), Draws.begin() + 9);
    EXPECT_EQ(head, (std::vector<int>{2, 3, 3, 2, 3, 4, 4, 2, 2}));
    EXPECT_TRUE(std::all_of(Draws.begin() + 9, Draws.end(), [](int n) { return n == 12; }));

    Draws.clear();
    SymmetricShufflePass();
    head.assign(Draws.begin(), Draws.begin() + 8);
    EXPECT_EQ(head, (std::vector<int>{2, 3, 3, 2, 2, 2, 2, 2}));
    EXPECT_TRUE(std::all_of(Draws.begin() + 8, Draws.end(), [](int n) { return n == 12; }));
}

// Draws answered from a script, in order; past its end a counter answers, so that a pass asking for
// more draws than scripted still ends.
std::vector<int> Script;
size_t ScriptNext;
int ScriptedDraw(int n)
{
    const size_t at = ScriptNext++;
    return (at < Script.size() ? Script[at] : int(at)) % n;
}

// Where every row and column of the board came from, moved by hand as the passes document their steps.
struct Moves {
    int row[13], column[13];
    Moves()
    {
        for (int k = 0; k <= 12; ++k)
            row[k] = column[k] = k;
    }
    void rows(int a, int b) { std::swap(row[a], row[b]); }
    void columns(int a, int b) { std::swap(column[a], column[b]); }
    void stacks(int p, int q)
    {
        for (int t = 1; t <= 4; ++t)
            columns(4 * (p - 1) + t, 4 * (q - 1) + t);
    }
    void bands(int p, int q)
    {
        for (int t = 1; t <= 3; ++t)
            rows(3 * (p - 1) + t, 3 * (q - 1) + t);
    }
    void flipRows() { std::reverse(row + 1, row + 13); }
    void flipColumns() { std::reverse(column + 1, column + 13); }
};

TEST_F(ShuffleTest, ScriptedPassGivesTheBoardWorkedOutByHand)
{
    // The relabelling 1..12 -> 6 11 4 9 2 7 12 5 10 3 8 1. Drawn as value - 1, with 11 and 6 drawn
    // again before the 9, which must be passed over as used.
    const int relabel[13] = {0, 6, 11, 4, 9, 2, 7, 12, 5, 10, 3, 8, 1};
    const std::vector<int> relabelDraws = {5, 10, 3, 10, 5, 8, 1, 6, 11, 4, 9, 2, 7, 0};
    const struct {
        bool symmetric;
        std::vector<int> draws; // up to the relabelling
        void (*expected)(Moves&);
    } cases[] = {
        // Rows 2-3, columns k = 3 + 4 * 1 = 7 and 8, stacks q = 1 and p = 3, bands q = 4 and p = 2, both
        // flips.
        {false,
         {1, 2, 1, 0, 2, 3, 1, 0, 0},
         [](Moves& m) {
             m.rows(2, 3);
             m.columns(7, 8);
             m.stacks(3, 1);
             m.bands(2, 4);
             m.flipRows();
             m.flipColumns();
         }},
        // Rows 1-2, columns k = 1 + 4 * 2 = 9 and 10, stacks q = 2 and p = 1, bands q = 1 and p = 3, only
        // the column flip: tells the two coins apart.
        {false,
         {0, 0, 2, 1, 0, 0, 2, 1, 0},
         [](Moves& m) {
             m.rows(1, 2);
             m.columns(9, 10);
             m.stacks(1, 2);
             m.bands(3, 1);
             m.flipColumns();
         }},
        // Rows 2-3 and 11-10, columns 7-8 and 6-5, then every coin step in its order.
        {true,
         {1, 2, 1, 0, 0, 0, 0, 0},
         [](Moves& m) {
             m.rows(2, 3);
             m.rows(11, 10);
             m.columns(7, 8);
             m.columns(6, 5);
             m.stacks(1, 3);
             m.bands(2, 3);
             m.bands(1, 2);
             m.bands(3, 4);
             m.flipRows();
             m.flipColumns();
         }},
        // The coins of the last two cases tell apart any two coin steps that commute.
        // Rows 1-2 and 12-11, columns 9-10 and 4-3, the stack swap and both band swaps.
        {true,
         {0, 0, 2, 0, 0, 0, 1, 1},
         [](Moves& m) {
             m.rows(1, 2);
             m.rows(12, 11);
             m.columns(9, 10);
             m.columns(4, 3);
             m.stacks(1, 3);
             m.bands(2, 3);
             m.bands(1, 2);
             m.bands(3, 4);
         }},
        // Rows 2-3 and 11-10, columns 1-2 and 12-11, the stack swap and the row flip.
        {true,
         {1, 0, 0, 0, 1, 1, 0, 1},
         [](Moves& m) {
             m.rows(2, 3);
             m.rows(11, 10);
             m.columns(1, 2);
             m.columns(12, 11);
             m.stacks(1, 3);
             m.flipRows();
         }},
    };
    SetRandomSource(ScriptedDraw);
    for (size_t i = 0; i < std::size(cases); ++i) {
        // Every cell tells where it started: (c + 2r, 3c + r) mod 13 differs for any two cells.
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                PlayGrid(c, r) = static_cast<uint8_t>((c + 2 * r) % 13);
                GivenGrid(c, r) = static_cast<uint8_t>((3 * c + r) % 13);
            }
        }
        Script = cases[i].draws;
        Script.insert(Script.end(), relabelDraws.begin(), relabelDraws.end());
        ScriptNext = 0;
        cases[i].symmetric ? SymmetricShufflePass() : ShufflePass();
        EXPECT_EQ(ScriptNext, Script.size()) << "case " << i;

        Moves m;
        cases[i].expected(m);
        ByteGrid play, given;
        for (int r = 1; r <= 12; ++r) {
            for (int c = 1; c <= 12; ++c) {
                const int c0 = m.column[c];
                const int r0 = m.row[r];
                play(c, r) = static_cast<uint8_t>(relabel[(c0 + 2 * r0) % 13]);
                given(c, r) = static_cast<uint8_t>(relabel[(3 * c0 + r0) % 13]);
            }
        }
        EXPECT_EQ(PlayGrid, play) << "case " << i;
        EXPECT_EQ(GivenGrid, given) << "case " << i;
    }
}

TEST_F(ShuffleTest, NumberOfPassesIsFiftyPlusTheFirstDraw)
{
    SetRandomSource(ScriptedRandom);
    for (bool symmetric : {false, true}) {
        KeepSymmetry = symmetric;
        Draws.clear();
        RunShufflePasses();
        ASSERT_FALSE(Draws.empty());
        EXPECT_EQ(Draws[0], 50);
        int first = 1 % 50; // what the scripted source answered
        int passes = 0;
        for (size_t i = 1; i < Draws.size(); ++i) {
            // Every pass starts with the row pair drawn from 2, right after a relabelling (12).
            if (Draws[i] == 2 && (i == 1 || Draws[i - 1] == 12)) {
                ++passes;
            }
        }
        EXPECT_EQ(passes, first + 50);
    }
}

TEST_F(ShuffleTest, EveryPassKeepsAValidBoardValid)
{
    for (bool symmetric : {false, true}) {
        SeedRandom(symmetric ? 8 : 9);
        PlayGrid = PatternGrid();
        GivenGrid = {};
        for (int pass = 0; pass < 99; ++pass) {
            symmetric ? SymmetricShufflePass() : ShufflePass();
            ASSERT_TRUE(literal::IsConsistent()) << pass;
            ASSERT_TRUE(IsBoardFull()) << pass;
        }
    }
}

bool HalfTurnSymmetric()
{
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if ((GivenGrid(c, r) != 0) != (GivenGrid(13 - c, 13 - r) != 0)) {
                return false;
            }
        }
    }
    return true;
}

TEST_F(ShuffleTest, SymmetricPassesKeepAHalfTurnSymmetricCluePattern)
{
    const ByteGrid solution = SolvedGrid(4);
    ByteGrid clues;
    for (auto [c, r] : CellOrder(4)) {
        if (clues(13 - c, 13 - r) == 0 && (c * 7 + r * 3) % 5 < 2) {
            clues(c, r) = solution(c, r);
            clues(13 - c, 13 - r) = solution(13 - c, 13 - r);
        }
    }
    SetPuzzle(clues);
    ASSERT_TRUE(HalfTurnSymmetric());
    SeedRandom(12);
    for (int pass = 0; pass < 99; ++pass) {
        SymmetricShufflePass();
        ASSERT_TRUE(HalfTurnSymmetric()) << pass;
    }

    // The free passes do not care for it.
    SetPuzzle(clues);
    bool broken = false;
    for (int pass = 0; pass < 99 && !broken; ++pass) {
        ShufflePass();
        broken = !HalfTurnSymmetric();
    }
    EXPECT_TRUE(broken);
}

std::multiset<int> CountsOf(const ByteGrid& grid)
{
    int counts[13] = {};
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            ++counts[grid(c, r)];
        }
    }
    return std::multiset<int>(counts + 1, counts + 13);
}

TEST_F(ShuffleTest, CluesEntriesAndSymbolCountsStayTogether)
{
    const ByteGrid solution = SolvedGrid(6);
    const ByteGrid clues = Holes(solution, 100, 6);
    SetPuzzle(clues);
    // Some entries that are not clues, one symbol thinned out so the counts differ.
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (clues(c, r) == 0 && (c + 2 * r) % 7 == 0 && solution(c, r) != 5) {
                PlayGrid(c, r) = solution(c, r);
            }
        }
    }
    const auto counts = CountsOf(PlayGrid);
    const int givens = 144 - EmptyCells(GivenGrid);
    const int filled = 144 - EmptyCells(PlayGrid);
    for (bool symmetric : {false, true}) {
        SeedRandom(symmetric ? 30 : 31);
        for (int pass = 0; pass < 99; ++pass) {
            symmetric ? SymmetricShufflePass() : ShufflePass();
            ASSERT_EQ(CountsOf(PlayGrid), counts);
            ASSERT_EQ(144 - EmptyCells(GivenGrid), givens);
            ASSERT_EQ(144 - EmptyCells(PlayGrid), filled);
            for (int r = 1; r <= 12; ++r) {
                for (int c = 1; c <= 12; ++c) {
                    if (GivenGrid(c, r) != 0) {
                        ASSERT_EQ(PlayGrid(c, r), GivenGrid(c, r));
                    }
                }
            }
        }
    }
}

TEST_F(ShuffleTest, EmptyBoardStaysEmptyAndNotesStay)
{
    CandidateMarks(2, 3, 4) = true;
    const auto marks = CandidateMarks;
    SeedRandom(1);
    ShuffleBoard();
    EXPECT_EQ(PlayGrid, ByteGrid{});
    EXPECT_EQ(GivenGrid, ByteGrid{});
    EXPECT_EQ(CandidateMarks, marks);
    EXPECT_TRUE(PuzzleUnsolvable);
}

TEST_F(ShuffleTest, ShuffleBoardEndsWithTheSolutionOfTheNewBoard)
{
    const ByteGrid solution = SolvedGrid(2);
    SetPuzzle(Holes(solution, 50, 2));
    ErrorCount = 2;
    SeedRandom(77);
    ShuffleBoard();
    EXPECT_FALSE(PuzzleUnsolvable);
    EXPECT_EQ(ErrorCount, 0);
    const ByteGrid shuffled = PlayGrid;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (shuffled(c, r) != 0) {
                EXPECT_EQ(SolutionGrid(c, r), shuffled(c, r));
            }
        }
    }
    PlayGrid = SolutionGrid;
    EXPECT_TRUE(IsBoardFull());
    EXPECT_TRUE(literal::IsConsistent());
}

} // namespace
