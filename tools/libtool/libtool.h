// The puzzle library tool: shows, solves, shuffles, generates and checks `.l12` files with the
// game's own engine. Pieces shared by its commands.
#pragma once

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/engine_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"

#include <cstdint>
#include <string>

// Exit codes: everything passed, a check found faults, the input was unusable.
constexpr int ExitOk = 0;
constexpr int ExitFaults = 1;
constexpr int ExitError = 2;

constexpr int LibraryRecords = 4; // a library holds four puzzles, records 0..3

// Prints "kastenzahl-libtool: <message>" on standard error and ends the program with ExitError.
[[noreturn]] void Fail(const std::string& message);

// record_file.cpp: loads record index of file through the game's LoadBoardRecord after making sure
// the file is there and holds the record's board bytes (the filler may be cut short); a record
// holding values above 12 ends the program (ExitError).
void LoadRecordOrFail(const std::string& file, int index);
// Saves the board as record 0 of file, a slot file of four records: the other three are the file's
// own when it holds them, else blank. The file is replaced whole or not at all; a failure ends the
// program (ExitError).
void SaveRecord0OrFail(const std::string& file);
// Length of the file in bytes, -1 when it is missing or unreadable.
int64_t FileLength(const std::string& file);

// board_facts.cpp: simple facts about a board's cells 1..12 x 1..12.
int CountClues(const ByteGrid& grid);
// True when every filled cell (c, r) has its partner (13 - c, 13 - r) filled too.
bool IsHalfTurnSymmetric(const ByteGrid& grid);

// full_grid.cpp: a random completed board from the game's Random.
ByteGrid RandomFullGrid();

// grading.cpp: how the game's own solver copes with a puzzle given by its clues.
enum class Grade { None, Leicht, Mittel, Schwer, Extrem };
const char* GradeName(Grade grade);
// The difficulty a library file name names (leicht/mittel/schwer/extrem anywhere in the last path
// part, letter case ignored); None when it names none.
Grade GradeOfFileName(const std::string& file);

struct SolverBehaviour {
    bool singlesSolve = false; // filling single-candidate cells until none is left completes it
    bool logicSolves = false;  // one LogicPass completes it
    bool solverSolves = false; // ComputeSolution completes it
};
// Each runs the game's code on the clues; PlayGrid and the solver's globals are overwritten.
bool SinglesSolve(const ByteGrid& clues);
bool LogicSolves(const ByteGrid& clues);
bool SolverSolves(const ByteGrid& clues); // SolutionGrid holds the result
SolverBehaviour ExamineSolver(const ByteGrid& clues);
// SolutionGrid is a completed board that keeps every clue of GivenGrid.
bool SolutionFitsClues();
// The game's ShuffleBoard on the board as it stands (KeepSymmetry := symmetry); true when the
// solution it computes fits the shuffled clues and, with symmetry kept, the clues stay symmetric.
bool ShuffleKeepsSolvable(bool symmetry);
// ShuffleKeepsSolvable for shufflesPerForm shuffles of the clues with symmetry and as many without,
// each from the clues; stops at the first failure.
bool SurvivesShuffles(const ByteGrid& clues, int shufflesPerForm);
// The grade of a puzzle with one solution, by how the game's solver copes: Leicht when single
// candidates alone (and LogicPass) complete it, Mittel when LogicPass does, Schwer when only the
// guessing stage does; Extrem is the Schwer kind with fewer clues than Schwer's range.
Grade GradeOf(const SolverBehaviour& behaviour, int clues);
// The clue range of a grade: Leicht 70..80, Mittel 56..66, Schwer 52..56, Extrem up to 50.
void ClueRange(Grade grade, int& lowest, int& highest);

// generator.cpp: a library of four puzzles of the grade, written to file as records 0..3.
void GenerateLibrary(Grade grade, const std::string& file, bool verbose);

// check.cpp: checks records 0..3; returns ExitOk or ExitFaults (ExitError through Fail). A record
// whose solutions the counter cannot settle within countBudget nodes is a fault of its own.
int CheckLibrary(const std::string& file, int shufflesPerForm, int64_t countBudget);
