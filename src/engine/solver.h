// The solver and the candidate rule.
//
// A symbol is a candidate of an empty cell when writing it there leaves the board free of
// duplicates. On that rule rest the logic steps (a cell with one candidate; a symbol with one cell
// in a box, row or column), a one-level guessing stage over two-candidate cells, the silent
// solution of a new puzzle and the candidate notes shown to the player.
#pragma once

#include "engine/board_view.h" // SilentSolve

// TRUE while GuessStage runs: a solve started inside it starts no other guessing stage.
extern bool Guessing;

// The solve command: solve the visible board; if it stays unsolved with a dead cell, clear the
// entries and solve from the clues.
void SolveCommand();
// LogicPass, the check, and GuessStage when the board is not solved and no guessing runs yet.
void SolveBoard();
// Silent solve: fills SolutionGrid and PuzzleUnsolvable, leaves PlayGrid as it was, resets ErrorCount.
void ComputeSolution();
// Twelve sweeps of the box, row and column steps.
void LogicPass();
// Tries both values of every two-candidate cell, one level deep, each followed by SolveBoard.
void GuessStage();
