// Grading a puzzle by how the game's own solver copes with it: single-candidate cells alone, one
// LogicPass, or the whole ComputeSolution with its guessing stage.
#include "libtool.h"

#include "solution_counter.h"

#include "engine/board_check.h"
#include "engine/shuffle.h"
#include "engine/solver.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <filesystem>

namespace {

// Fills every empty cell that has exactly one candidate, again and again until none is left.
void FillSingleCandidateCells()
{
    bool placed = true;
    while (placed) {
        placed = false;
        UnitMasks masks;
        ReadUnitMasks(masks);
        for (int row = 1; row <= BoardSize; ++row) {
            for (int column = 1; column <= BoardSize; ++column) {
                if (PlayGrid(column, row) != 0)
                    continue;
                const uint16_t free = FreeSymbols(masks, column, row);
                if (std::popcount(free) != 1)
                    continue;
                PlayGrid(column, row) = uint8_t(std::countr_zero(free));
                ReadUnitMasks(masks);
                placed = true;
            }
        }
    }
}

} // namespace

const char* GradeName(Grade grade)
{
    switch (grade) {
    case Grade::Leicht:
        return "Leicht";
    case Grade::Mittel:
        return "Mittel";
    case Grade::Schwer:
        return "Schwer";
    case Grade::Extrem:
        return "Extrem";
    case Grade::None:
        break;
    }
    return "keine";
}

Grade GradeOfFileName(const std::string& file)
{
    std::string name = std::filesystem::path(file).filename().string();
    std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
    const std::pair<const char*, Grade> names[] = {{"leicht", Grade::Leicht},
                                                   {"mittel", Grade::Mittel},
                                                   {"schwer", Grade::Schwer},
                                                   {"extrem", Grade::Extrem}};
    for (const auto& [word, grade] : names)
        if (name.find(word) != std::string::npos)
            return grade;
    return Grade::None;
}

void ClueRange(Grade grade, int& lowest, int& highest)
{
    switch (grade) {
    case Grade::Leicht:
        lowest = 70, highest = 80;
        return;
    case Grade::Mittel:
        lowest = 56, highest = 66;
        return;
    case Grade::Schwer:
        lowest = 52, highest = 56;
        return;
    case Grade::Extrem:
        lowest = 0, highest = 50;
        return;
    case Grade::None:
        break;
    }
    lowest = 0, highest = BoardSize * BoardSize;
}

bool SinglesSolve(const ByteGrid& clues)
{
    PlayGrid = clues;
    FillSingleCandidateCells();
    return IsBoardFull();
}

bool LogicSolves(const ByteGrid& clues)
{
    PlayGrid = clues;
    LogicPass();
    return IsBoardFull();
}

bool SolverSolves(const ByteGrid& clues)
{
    PlayGrid = clues;
    Guessing = false;
    ComputeSolution();
    return !PuzzleUnsolvable;
}

SolverBehaviour ExamineSolver(const ByteGrid& clues)
{
    SolverBehaviour behaviour;
    behaviour.singlesSolve = SinglesSolve(clues);
    behaviour.logicSolves = LogicSolves(clues);
    behaviour.solverSolves = SolverSolves(clues);
    return behaviour;
}

bool SolutionFitsClues()
{
    if (CountClues(SolutionGrid) != BoardSize * BoardSize || CountSolutions(SolutionGrid, 2) != 1)
        return false;
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            if (GivenGrid(column, row) != 0 && GivenGrid(column, row) != SolutionGrid(column, row))
                return false;
    return true;
}

bool ShuffleKeepsSolvable(bool symmetry)
{
    KeepSymmetry = symmetry;
    Guessing = false;
    ShuffleBoard();
    return !PuzzleUnsolvable && SolutionFitsClues() && (!symmetry || IsHalfTurnSymmetric(GivenGrid));
}

bool SurvivesShuffles(const ByteGrid& clues, int shufflesPerForm)
{
    for (const bool symmetry : {true, false}) {
        for (int i = 0; i < shufflesPerForm; ++i) {
            PlayGrid = clues;
            GivenGrid = clues;
            if (!ShuffleKeepsSolvable(symmetry))
                return false;
        }
    }
    return true;
}

Grade GradeOf(const SolverBehaviour& behaviour, int clues)
{
    if (!behaviour.solverSolves)
        return Grade::None;
    if (!behaviour.logicSolves) {
        int lowest, highest;
        ClueRange(Grade::Schwer, lowest, highest);
        return clues < lowest ? Grade::Extrem : Grade::Schwer;
    }
    return behaviour.singlesSolve ? Grade::Leicht : Grade::Mittel;
}
