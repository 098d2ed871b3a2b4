// The symbol picker: twelve squares laid over a clicked cell, and the pointer tracking of the main
// window that every hit test of the play loop, the editor and the picker relies on.
#pragma once

#include <cstdint>

// Pointer position in client pixels, kept current by Win_0_MouseMove for every hit test.
extern int32_t MouseX;
extern int32_t MouseY;
// The own-board editor runs: the picker then stores the chosen symbol but leaves drawing to it.
extern bool EditingOwnBoard;

enum class PickerKind { Entry, Note };

extern PickerKind PickerMode; // set by the caller before the picker is shown
extern int16_t PickerChoice;  // the highlighted symbol; kept between uses, 0 before the first
extern bool PickerOpen;       // RunSymbolPicker is running; only then is PickerChoice tracked

// The board cell under the pointer (MouseX, MouseY); false off the board.
bool CellAtPointer(int16_t& column, int16_t& row);

// The main window's pointer handler: keeps MouseX and MouseY current and moves the highlight.
void Win_0_MouseMove(float x, float y);

// Draws the picker for the cell (column, row), saving the screen under it on its first showing.
void ShowSymbolPicker(int16_t column, int16_t row);

// Runs the open picker until a left press inside it or a right press anywhere; puts the screen back.
// Returns true when cancelled by the right button; otherwise the taken symbol is in PickerChoice.
bool RunSymbolPicker(int16_t column, int16_t row);
// Closes the picker: the saved background released, the tracking off.
void ClosePicker();
