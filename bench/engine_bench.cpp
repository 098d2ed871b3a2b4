// Engine speed: each engine routine next to its literal whole-board version on the same board.
#include <benchmark/benchmark.h>

#include "engine/board_check.h"
#include "engine/engine_state.h"
#include "engine/puzzle_search.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "reference/literal_engine.h"

using namespace testboards;

namespace {

// The boards, found once: a correct partial board, a puzzle the logic steps solve alone, and one
// that needs the guessing stage.
struct Boards {
    ByteGrid partial;
    ByteGrid singles;
    ByteGrid guessing;
};

const Boards& TheBoards()
{
    static const Boards boards = [] {
        ResetEngineState();
        Boards b;
        const ByteGrid solution = SolvedGrid(7);
        b.partial = Holes(solution, 100, 7);
        b.singles = SinglesPuzzle().clues;
        b.guessing = LargerChoicePuzzle().first.clues;
        ResetEngineState();
        return b;
    }();
    return boards;
}

void SetBoard(const ByteGrid& clues)
{
    ResetEngineState();
    SetPuzzle(clues);
}

template <bool (*Test)()> void RunIsConsistent(benchmark::State& state)
{
    SetBoard(TheBoards().partial);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Test());
    }
}

template <void (*Pass)()> void RunLogicPass(benchmark::State& state)
{
    const ByteGrid board = TheBoards().singles;
    SetBoard(board);
    for (auto _ : state) {
        PlayGrid = board;
        Pass();
        benchmark::DoNotOptimize(PlayGrid);
    }
}

template <void (*Solve)()> void RunComputeSolution(benchmark::State& state)
{
    SetBoard(TheBoards().guessing);
    for (auto _ : state) {
        Solve();
        benchmark::DoNotOptimize(SolutionGrid);
    }
    if (PuzzleUnsolvable) {
        state.SkipWithError("the guessing puzzle was not solved");
    }
}

template <void (*Fill)()> void RunCandidateFill(benchmark::State& state)
{
    SetBoard(TheBoards().partial);
    for (auto _ : state) {
        Fill();
        benchmark::DoNotOptimize(CandidateMarks);
    }
}

template <void (*Shuffle)()> void RunShuffleBoard(benchmark::State& state)
{
    const ByteGrid board = TheBoards().guessing;
    uint64_t seed = 0;
    for (auto _ : state) {
        SetBoard(board);
        SeedRandom(++seed % 8);
        Shuffle();
        benchmark::DoNotOptimize(SolutionGrid);
    }
}

void IsConsistent_(benchmark::State& state)
{
    RunIsConsistent<IsConsistent>(state);
}
void IsConsistent_Literal(benchmark::State& state)
{
    RunIsConsistent<literal::IsConsistent>(state);
}
void LogicPass_(benchmark::State& state)
{
    RunLogicPass<LogicPass>(state);
}
void LogicPass_Literal(benchmark::State& state)
{
    RunLogicPass<literal::LogicPass>(state);
}
void ComputeSolution_(benchmark::State& state)
{
    RunComputeSolution<ComputeSolution>(state);
}
void ComputeSolution_Literal(benchmark::State& state)
{
    RunComputeSolution<literal::ComputeSolution>(state);
}
void CandidateFill_(benchmark::State& state)
{
    RunCandidateFill<FillCandidateMarks>(state);
}
void CandidateFill_Literal(benchmark::State& state)
{
    RunCandidateFill<literal::FillCandidateMarks>(state);
}
void ShuffleBoard_(benchmark::State& state)
{
    RunShuffleBoard<ShuffleBoard>(state);
}
void ShuffleBoard_Literal(benchmark::State& state)
{
    RunShuffleBoard<literal::ShuffleBoard>(state);
}

} // namespace

BENCHMARK(IsConsistent_)->Name("IsConsistent");
BENCHMARK(IsConsistent_Literal);
BENCHMARK(LogicPass_)->Name("LogicPass");
BENCHMARK(LogicPass_Literal)->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputeSolution_)->Name("ComputeSolution")->Unit(benchmark::kMicrosecond);
BENCHMARK(ComputeSolution_Literal)->Unit(benchmark::kMillisecond);
BENCHMARK(CandidateFill_)->Name("CandidateFill");
BENCHMARK(CandidateFill_Literal)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShuffleBoard_)->Name("ShuffleBoard")->Unit(benchmark::kMicrosecond);
BENCHMARK(ShuffleBoard_Literal)->Unit(benchmark::kMillisecond);
