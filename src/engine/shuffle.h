// Shuffling: validity-preserving transformations that disguise a loaded puzzle.
//
// Every primitive works on PlayGrid and GivenGrid together, cell for cell; the notes stay where
// they are. Rows and columns are 1..12, stacks (four columns) 1..3, bands (three rows) 1..4.
#pragma once

#include <cstdint>

#include "engine/board_state.h"

// The relabelling of the last RelabelSymbols: symbol v became SymbolPermutation[v] (entry 0 stays 0).
extern uint8_t SymbolPermutation[GridSide];

void SwapRows(int a, int b);
void SwapColumns(int a, int b);
void SwapStacks(int p, int q);
void SwapBands(int p, int q);
void FlipRows();    // upside down
void FlipColumns(); // left to right
// Replaces every symbol by its image under a freshly drawn permutation (SymbolPermutation).
void RelabelSymbols();

// One pass of the free form: any row swap in band 1, column swap in a stack, stack and band swap.
void ShufflePass();
// One pass of the form that keeps a clue pattern's mirror and half-turn symmetries.
void SymmetricShufflePass();
// 50..99 passes of the form KeepSymmetry chooses, without computing the solution.
void RunShufflePasses();
// RunShufflePasses, then ComputeSolution.
void ShuffleBoard();
