// The board tests and the solver written word for word: every trial placement writes the symbol and
// tallies the whole board. Slow on purpose; tests and benchmarks hold the engine against it. They
// work on the same global game state as the engine and draw through the same hooks.
#pragma once

namespace literal {

bool IsConsistent();
bool HasDeadCell();
bool IsCandidate(int column, int row, int value);
void FillCandidateMarks();
void CheckBoard();
void LogicPass();
void SolveBoard();
void GuessStage();
void ComputeSolution();
void ShuffleBoard();

} // namespace literal
