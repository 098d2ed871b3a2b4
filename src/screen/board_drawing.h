// The client area's layout, the board grid and the painting of the 144 cells and their notes.
#pragma once

#include <cstdint>

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
// All 144 cells, the statistics with the check, then the notes or the computed candidates.
void RedrawBoard();
// Paints cell (c, r) as a given v (0 = empty) and stores v into GivenGrid.
void DrawGivenCell(int c, int r, int v);
// Paints cell (c, r) as the player's entry v (0 = empty); a wrong entry is red and counted, and the
// third error ends a timed game.
void DrawEntryCell(int c, int r, int v);
// The candidate notes of every empty cell from CandidateMarks.
void DrawNotes();
// With ShowCandidates on, replaces the notes by all candidates (ending a timed game); then DrawNotes.
void ShowComputedCandidates();
// Puts the screen's routines into BoardView so the engine draws through them.
void InstallBoardView();
