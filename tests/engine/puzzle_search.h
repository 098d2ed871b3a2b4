// Searches for test puzzles with a wanted property, from fixed seeds, so no board is written out
// by hand.
#pragma once

#include <optional>

#include "engine/board_check.h"
#include "engine/solver.h"
#include "engine_boards.h"

namespace testboards {

struct Puzzle {
    ByteGrid solution;
    ByteGrid clues;
};

// TRUE when the logic steps alone fill the puzzle.
inline bool SinglesSolve(const ByteGrid& clues)
{
    SetPuzzle(clues);
    LogicPass();
    return IsBoardFull() && IsConsistent();
}

inline Puzzle SinglesPuzzle()
{
    for (uint64_t seed = 1;; ++seed) {
        Puzzle p{SolvedGrid(seed), {}};
        p.clues = Holes(p.solution, 60, seed);
        if (SinglesSolve(p.clues)) {
            return p;
        }
    }
}

// The first trial of the guessing stage that solves the board, found by replaying the stage's order
// by hand on the board the logic steps leave: cells row by row, left to right, with exactly two
// candidates, the smaller value first.
struct Trial {
    int column = 0;
    int row = 0;
    int smaller = 0;
    int larger = 0;
    int value = 0;
};

inline std::optional<Trial> FirstSolvingTrial(const ByteGrid& clues)
{
    SetPuzzle(clues);
    LogicPass();
    const ByteGrid after = PlayGrid;
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            if (after(c, r) != 0) {
                continue;
            }
            std::vector<int> candidates;
            for (int v = 1; v <= 12; ++v) {
                PlayGrid = after;
                if (IsCandidate(c, r, v)) {
                    candidates.push_back(v);
                }
            }
            if (candidates.size() != 2) {
                continue;
            }
            for (int v : candidates) {
                PlayGrid = after;
                PlayGrid(c, r) = static_cast<uint8_t>(v);
                LogicPass();
                if (IsBoardFull() && IsConsistent()) {
                    return Trial{c, r, candidates[0], candidates[1], v};
                }
            }
        }
    }
    return std::nullopt;
}

// A puzzle the logic steps do not finish, whose first solving trial takes the larger candidate.
inline std::pair<Puzzle, Trial> LargerChoicePuzzle()
{
    for (uint64_t seed = 1;; ++seed) {
        Puzzle p{SolvedGrid(seed), {}};
        for (int removed = 70; removed <= 110; removed += 4) {
            p.clues = Holes(p.solution, removed, seed);
            if (SinglesSolve(p.clues)) {
                continue;
            }
            auto trial = FirstSolvingTrial(p.clues);
            if (trial && trial->value == trial->larger) {
                return {p, *trial};
            }
        }
    }
}

// A puzzle the guessing stage solves, on which row 1 holds no two-candidate cell after the logic
// steps: the stage's first row then runs no trial and so no check.
inline std::pair<Puzzle, Trial> QuietFirstRowPuzzle()
{
    for (uint64_t seed = 1;; ++seed) {
        Puzzle p{SolvedGrid(seed), {}};
        for (int removed = 70; removed <= 110; removed += 4) {
            p.clues = Holes(p.solution, removed, seed);
            if (SinglesSolve(p.clues))
                continue;
            auto trial = FirstSolvingTrial(p.clues);
            if (!trial)
                continue;
            SetPuzzle(p.clues);
            LogicPass();
            bool pairInRowOne = false;
            for (int c = 1; c <= 12; ++c) {
                int candidates = 0;
                for (int v = 1; v <= 12 && PlayGrid(c, 1) == 0; ++v)
                    candidates += IsCandidate(c, 1, v) ? 1 : 0;
                pairInRowOne = pairInRowOne || candidates == 2;
            }
            if (!pairInRowOne)
                return {p, *trial};
        }
    }
}

// A puzzle with exactly one solution that the one-level guessing stage cannot solve: cells are
// removed one by one as long as the solution stays unique, until the engine gives up on it.
inline const Puzzle& NestedGuessPuzzle()
{
    static const Puzzle found = [] {
        SolutionCounter counter;
        for (uint64_t seed = 1;; ++seed) {
            Puzzle p{SolvedGrid(seed), {}};
            p.clues = p.solution;
            int removed = 0;
            for (auto [c, r] : CellOrder(seed)) {
                uint8_t kept = p.clues(c, r);
                p.clues(c, r) = 0;
                if (counter.count(p.clues, 2) != 1) {
                    p.clues(c, r) = kept;
                    continue;
                }
                if (++removed < 60) {
                    continue;
                }
                SetPuzzle(p.clues);
                ComputeSolution();
                if (PuzzleUnsolvable) {
                    return p;
                }
            }
        }
    }();
    return found;
}

} // namespace testboards
