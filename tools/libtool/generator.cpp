// Generating a puzzle library: a random completed board, then clues taken away in half-turn pairs
// in random order, each pair only while the puzzle keeps one solution and can still reach its grade.
//
// Everything draws from the game's Random, so a seed gives the same library every time; for the
// same reason the search for few clues (Extrem) is bounded by a number of attempts, not by time.
#include "libtool.h"

#include "solution_counter.h"

#include "engine/board_record.h"
#include "platform/system.h"

#include <cstdio>
#include <filesystem>
#include <utility>

namespace {

// The board is taken apart in pairs: pair k (0..71) is the cell (k % 12 + 1, k / 12 + 1) of the
// upper half and its partner (13 - c, 13 - r) under the half turn.
constexpr int PairCount = BoardSize * BoardSize / 2;

// The game's solver copes with a puzzle of the Schwer kind in some shuffled forms and not in
// others, so every pair taken away is tried on this many shuffles of each form, and the finished
// puzzle on as many as the check runs.
constexpr int ReachShuffles = 16;
constexpr int FinalShuffles = 1000;

// Extrem: this many fresh boards, each followed by this many exchanges of a clue pair for an empty
// one (after which every pair that can go goes); the fewest clues of all win.
constexpr int ExtremBoards = 4;
constexpr int ExtremExchanges = 1000;

void SetPair(ByteGrid& puzzle, const ByteGrid& solution, int pair, bool filled)
{
    const int column = pair % BoardSize + 1;
    const int row = pair / BoardSize + 1;
    puzzle(column, row) = filled ? solution(column, row) : 0;
    puzzle(13 - column, 13 - row) = filled ? solution(13 - column, 13 - row) : 0;
}

bool PairFilled(const ByteGrid& puzzle, int pair)
{
    return puzzle(pair % BoardSize + 1, pair / BoardSize + 1) != 0;
}

void RandomPairOrder(int (&pairs)[PairCount])
{
    for (int k = 0; k < PairCount; ++k)
        pairs[k] = k;
    for (int i = PairCount - 1; i > 0; --i)
        std::swap(pairs[i], pairs[Random(i + 1)]);
}

// What a puzzle must keep while clues go: one solution (proved within the counter's budget), and the
// solver strength its grade needs.
bool StaysWithinReach(Grade grade, const ByteGrid& puzzle)
{
    if (CountSolutions(puzzle, 2) != 1)
        return false;
    switch (grade) {
    case Grade::Leicht:
        return SinglesSolve(puzzle) && LogicSolves(puzzle);
    case Grade::Mittel:
        return LogicSolves(puzzle);
    default:
        return SolverSolves(puzzle) && SurvivesShuffles(puzzle, ReachShuffles);
    }
}

// The grade's own condition once enough clues are gone, including the shuffles the check runs.
bool HasGrade(Grade grade, const ByteGrid& puzzle)
{
    int lowest, highest;
    ClueRange(grade, lowest, highest);
    const int clues = CountClues(puzzle);
    return clues >= lowest && clues <= highest && GradeOf(ExamineSolver(puzzle), clues) == grade &&
           SurvivesShuffles(puzzle, FinalShuffles);
}

// Takes away pairs in random order while the puzzle stays within reach of the grade, until the clue
// count is at most target and the grade holds (target 0: every pair that can go). True when the
// grade holds at the end.
bool RemovePairs(Grade grade, int target, const ByteGrid& solution, ByteGrid& puzzle)
{
    int lowest, highest;
    ClueRange(grade, lowest, highest);
    int pairs[PairCount];
    RandomPairOrder(pairs);
    int clues = CountClues(puzzle);
    for (const int pair : pairs) {
        if (target > 0 && clues <= target && HasGrade(grade, puzzle))
            return true;
        if (clues - 2 < lowest)
            break;
        if (!PairFilled(puzzle, pair))
            continue;
        SetPair(puzzle, solution, pair, false);
        if (StaysWithinReach(grade, puzzle))
            clues -= 2;
        else
            SetPair(puzzle, solution, pair, true);
    }
    return HasGrade(grade, puzzle);
}

// Leicht, Mittel, Schwer: fresh boards until one reaches a clue count drawn inside the range.
ByteGrid MakePuzzle(Grade grade, bool verbose)
{
    int lowest, highest;
    ClueRange(grade, lowest, highest);
    for (int attempt = 1;; ++attempt) {
        // Aim inside the range, away from its edges.
        const int target = lowest + 2 + 2 * Random((highest - lowest - 2) / 2);
        const ByteGrid solution = RandomFullGrid();
        ByteGrid puzzle = solution;
        const bool reached = RemovePairs(grade, target, solution, puzzle);
        if (verbose)
            std::fprintf(stderr, "  Versuch %d: Ziel %d, %d Vorgaben, %s\n", attempt, target,
                         CountClues(puzzle), reached ? "erreicht" : "verfehlt");
        if (reached)
            return puzzle;
    }
}

// Extrem: from a puzzle where no pair can go, give back one pair for another and take away again
// whatever can go; keep the exchange unless it costs clues. The fewest clues seen with the grade win.
ByteGrid MakeExtremPuzzle(bool verbose)
{
    ByteGrid best;
    int bestClues = BoardSize * BoardSize + 1;
    for (int board = 1; board <= ExtremBoards || bestClues > BoardSize * BoardSize; ++board) {
        const ByteGrid solution = RandomFullGrid();
        ByteGrid puzzle = solution;
        RemovePairs(Grade::Extrem, 0, solution, puzzle);
        for (int exchange = 0; exchange <= ExtremExchanges; ++exchange) {
            const int clues = CountClues(puzzle);
            if (clues < bestClues && HasGrade(Grade::Extrem, puzzle)) {
                best = puzzle;
                bestClues = clues;
                if (verbose)
                    std::fprintf(stderr, "  Brett %d, Tausch %d: %d Vorgaben\n", board, exchange, clues);
            }
            int given, taken;
            do
                given = Random(PairCount);
            while (!PairFilled(puzzle, given));
            do
                taken = Random(PairCount);
            while (PairFilled(puzzle, taken));
            ByteGrid trial = puzzle;
            SetPair(trial, solution, given, false);
            SetPair(trial, solution, taken, true);
            if (!StaysWithinReach(Grade::Extrem, trial))
                continue;
            RemovePairs(Grade::Extrem, 0, solution, trial);
            if (CountClues(trial) <= clues)
                puzzle = trial;
        }
    }
    return best;
}

} // namespace

void GenerateLibrary(Grade grade, const std::string& file, bool verbose)
{
    ByteGrid puzzles[LibraryRecords];
    for (int k = 0; k < LibraryRecords; ++k) {
        if (verbose)
            std::fprintf(stderr, "Rätsel %d (%s):\n", k, GradeName(grade));
        puzzles[k] = grade == Grade::Extrem ? MakeExtremPuzzle(verbose) : MakePuzzle(grade, verbose);
    }
    // A fresh file, so the filler SaveBoardRecord draws does not depend on what stood there.
    std::error_code error;
    std::filesystem::remove(file, error);
    LibraryFileName = file;
    CandidateMarks = {};
    for (int k = 0; k < LibraryRecords; ++k) {
        PlayGrid = puzzles[k];
        GivenGrid = puzzles[k];
        SaveBoardRecord(int16_t(k));
    }
    if (FileLength(file) != SlotFileBytes)
        Fail("\"" + file + "\" konnte nicht geschrieben werden");
}
