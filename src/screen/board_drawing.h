// The client area's layout, the board grid and the painting of the 144 cells and their notes.
#pragma once

#include <cstdint>

#include "engine/board_view.h" // RedrawBoard, DrawEntryCell, ShowComputedCandidates: rules, then drawing

// Board geometry, set by DrawBoardFrame: cell (c, r) starts at
// (BoardLeft + (c - 1) * CellWidth, BoardTop + (r - 1) * CellHeight).
extern int16_t BoardLeft;
extern int16_t BoardTop;
extern int16_t CellWidth;
extern int16_t CellHeight;

// The whole client area except the clock label: footer, board frame with its panels, help panel.
void DrawScreen();
// Frames, title and grid of the board, then the statistics, difficulty and clock panels.
void DrawBoardFrame();
// Paints cell (c, r) as a given v (0 = empty) and stores v into GivenGrid.
void DrawGivenCell(int c, int r, int v);
// Paints cell (c, r) as the player's entry v (0 = empty), red when it is wrong. Counting it is the
// engine's DrawEntryCell.
void PaintEntryCell(int c, int r, int v);
// All 144 cells, the counts, the verdict and the notes as the engine left them.
void PaintBoard();
// The candidate notes of every empty cell from CandidateMarks.
void DrawNotes();
// Puts the screen's routines into BoardView, so what the engine shows is drawn.
void InstallBoardView();
