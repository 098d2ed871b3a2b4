// Counting clues and testing the half-turn symmetry of a clue pattern.
#include "libtool.h"

int CountClues(const ByteGrid& grid)
{
    int clues = 0;
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            clues += grid(column, row) != 0;
    return clues;
}

bool IsHalfTurnSymmetric(const ByteGrid& grid)
{
    for (int row = 1; row <= BoardSize; ++row)
        for (int column = 1; column <= BoardSize; ++column)
            if ((grid(column, row) != 0) != (grid(13 - column, 13 - row) != 0))
                return false;
    return true;
}
