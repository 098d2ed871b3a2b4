// A new game from the puzzle library of the chosen difficulty.
#pragma once

// The library file of the current difficulty, a random record of it, disguised by shuffling, then a
// timed game in the play loop.
void StartNewGame();
// As StartNewGame up to the shuffle, then the printed board and untimed play.
void PrintNewGame();
