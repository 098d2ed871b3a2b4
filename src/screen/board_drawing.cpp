// The board: its frames and grid, the painting of givens and entries (with the error rule, the one
// rule of play that lives in the drawing), and the candidate notes.
#include "screen/board_drawing.h"

#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "screen/clock.h"
#include "screen/drawing_helpers.h"
#include "screen/fonts.h"
#include "screen/palette.h"
#include "screen/panels.h"

int16_t BoardLeft = 29;
int16_t BoardTop = 45;
int16_t CellWidth = 60;
int16_t CellHeight = 60;

void DrawScreen()
{
    DrawBevel(0, 2, 0, 832, 1154, 854);
    DrawEmbossedText(16, 0, 10, 850, "Kastenzahl V6.0");
    DrawBoardFrame();
    DrawHelpPanel();
}

void DrawBoardFrame()
{
    DrawBevel(0, 2, 20, 16, 758, 815);  // around board and button strip
    DrawBevel(1, 2, 28, 44, 750, 766);  // the board
    DrawBevel(1, 2, 28, 775, 750, 806); // the button strip
    SetLineWidth(1);
    BoardLeft = 29;
    BoardTop = 45;
    CellWidth = 60;
    CellHeight = 60;
    DrawEmbossedText(18, 0, BoardLeft + 265, BoardTop - 8, "S P I E L B R E T T :");

    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    DrawBox(28, 44, 749, 765, true);
    for (int r = 1; r <= 12; ++r) {
        for (int c = 1; c <= 12; ++c) {
            const int x = BoardLeft + (c - 1) * CellWidth;
            const int y = BoardTop + (r - 1) * CellHeight;
            DrawBox(x, y, x + CellWidth, y + CellHeight, false);
        }
    }
    SetLineWidth(2);
    SetTextColor(Palette[9]);
    for (int i = 0; i <= 3; ++i)
        for (int j = 0; j <= 2; ++j)
            DrawBox(29 + 240 * j, 45 + 180 * i, 29 + 240 * j + 240, 45 + 180 * i + 180, false);
    SetLineWidth(1);

    DrawStatisticsPanel();
    DrawDifficultyPanel();
    DrawClockPanel();
}

// Clears the cell's interior and draws v in `colour`; the interior stops one pixel short of the red
// 2-pixel box lines on the right and bottom box edges.
static void PaintCell(int c, int r, int v, uint32_t colour)
{
    const int x = BoardLeft + (c - 1) * CellWidth + 1;
    const int y = BoardTop + (r - 1) * CellHeight + 1;
    const int a = (c % 4 == 0) ? 1 : 0;
    const int b = (r % 3 == 0) ? 1 : 0;
    SetTextColor(Palette[15]);
    SetFillColor(Palette[15]);
    DrawBox(x, y, x + CellWidth - 2 - a, y + CellHeight - 2 - b, true);
    if (v == 0)
        return;

    SetTransparentText(true);
    SetTextColor(colour);
    if (ShowDigits) {
        if (v <= 9) {
            SelectFont(40);
            DrawText(x + 10, y + 2, std::to_string(v));
        } else {
            SelectFont(39);
            DrawText(x, y + 2, std::to_string(v));
        }
    } else {
        int dx = 4;
        if (v == 9)
            dx = 18; // "I"
        else if (v == 10 || v == 12)
            dx = 10; // "J", "L"
        SelectFont(40);
        DrawText(x + dx, y + 2, std::string(1, static_cast<char>(v + 64)));
    }
    SelectFont(20);
    SetTransparentText(false);
}

void DrawGivenCell(int c, int r, int v)
{
    PaintCell(c, r, v, Palette[0]);
    SetTextColor(Palette[4]);
    SetFillColor(Palette[15]);
    GivenGrid(c, r) = static_cast<uint8_t>(v);
}

void PaintEntryCell(int c, int r, int v)
{
    PaintCell(c, r, v, IsWrongEntry(c, r, v) ? Palette[9] : Palette[4]);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
}

void PaintBoard()
{
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            if (GivenGrid(c, r) != 0)
                DrawGivenCell(c, r, GivenGrid(c, r));
            else
                PaintEntryCell(c, r, PlayGrid(c, r));
        }
    }
    DrawSymbolCounts();
    DrawCheckVerdict();
    DrawNotes();
}

// One note k of a cell whose note grid starts at (x, y): the symbol when marked, else its place wiped.
static void DrawNote(int x, int y, int k, bool marked)
{
    SetTextColor(Palette[15]);
    SetFillColor(Palette[15]);
    if (!marked) {
        const int e = (ShowDigits ? 17 : 18) + (k == 10 ? 1 : 0);
        DrawBox(x, y + 2, x + e, y + 15, true);
        return;
    }
    DrawBox(x, y + 2, x + 10, y + 7, true);
    SelectFont(4);
    SetTextColor(Palette[0]);
    SetTransparentText(true);
    if (!ShowDigits) {
        DrawText(k == 9 ? x + 2 : x, y, std::string(1, static_cast<char>(k + 64)));
    } else if (k == 10) {
        // Two single digits, 8 pixels apart, so the pair fits the note's place.
        DrawText(x - 1, y, "1");
        DrawText(x + 7, y, "0");
    } else if (k == 11) {
        DrawText(x + 1, y, "1");
        DrawText(x + 7, y, "1");
    } else if (k == 12) {
        DrawText(x, y, "1");
        DrawText(x + 7, y, "2");
    } else {
        DrawText(x, y, NumberText(k, 2));
    }
    SetTransparentText(false);
}

void DrawNotes()
{
    const int d = ShowDigits ? 1 : 2;
    for (int c = 1; c <= 12; ++c) {
        for (int r = 1; r <= 12; ++r) {
            if (PlayGrid(c, r) != 0)
                continue;
            for (int k = 1; k <= 12; ++k) {
                const int x = BoardLeft + (c - 1) * CellWidth + ((k - 1) % 3) * 19 + d;
                const int y = BoardTop + (r - 1) * CellHeight + ((k - 1) / 3) * 14 + 1;
                DrawNote(x, y, k, CandidateMarks(c, r, k));
            }
        }
    }
    // The wipes leave white ink; the panel counts drawn next expect black on white.
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    SetTransparentText(false);
}

static void Warn()
{
    Beep();
}

void InstallBoardView()
{
    BoardView.entryChanged = PaintEntryCell;
    BoardView.boardChanged = PaintBoard;
    BoardView.statisticsChanged = DrawSymbolCounts;
    BoardView.verdictChanged = DrawCheckVerdict;
    BoardView.notesChanged = DrawNotes;
    BoardView.warn = Warn;
    BoardView.timedGameStopped = UpdateClock;
}
