// Printing the board on one page: the cells and boxes, every symbol on the board, and a footer with
// the difficulty and the number of givens printed.
#pragma once

class PrintTarget;

// Prints the board on the printer SelectPrinter gives; nothing when the player cancels the
// printer-selection dialog. A failing printer shows "Druckerfehler!". Board and game stay untouched.
void PrintBoard();

// The page as one document on this printer, whose document is not started yet; false when the
// printer failed to start or finish it.
bool PrintBoardOn(PrintTarget& printer);
