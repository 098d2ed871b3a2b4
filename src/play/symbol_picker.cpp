// The symbol picker, a 120 x 90 pop-up of four by three squares placed over the clicked cell, 30
// pixels left of it and 16 above. The screen under it is copied once per opening and pasted back when
// it closes, so the board and button bar look exactly as before. ClockHold keeps the clock worker from
// drawing while the picker does.
#include "play/symbol_picker.h"

#include <cmath>
#include <string>

#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "screen/board_drawing.h"
#include "screen/fonts.h"
#include "screen/palette.h"
#include "screen/panels.h"

int32_t MouseX = 0;
int32_t MouseY = 0;
bool EditingOwnBoard = false;
PickerKind PickerMode = PickerKind::Entry;
int16_t PickerChoice = 0;
bool PickerOpen = false;

namespace {

constexpr int PickerWidth = 120;
constexpr int PickerHeight = 90;
constexpr int SquareSide = 30;

// The open picker's cell and top-left corner, for the pointer handler.
int16_t PickerColumn = 0;
int16_t PickerRow = 0;
int PickerLeft = 0;
int PickerTop = 0;

int PickerBackground = 0; // bitmap of the screen under the picker
bool BackgroundHeld = false;

int PickerLeftOf(int16_t column)
{
    return (column - 1) * CellWidth + BoardLeft - 30;
}
int PickerTopOf(int16_t row)
{
    return (row - 1) * CellHeight + BoardTop - 16;
}

void ReleaseBackground()
{
    if (BackgroundHeld) {
        ReleaseBitmap(PickerBackground);
        BackgroundHeld = false;
    }
}

void PasteBackground()
{
    if (BackgroundHeld)
        PasteBitmap(PickerBackground, PickerLeft, PickerTop);
}

// Letters are placed by hand so the narrow ones stand in the middle of their square.
int LetterOffset(int16_t symbol)
{
    switch (symbol) {
    case 9: // I
        return 10;
    case 10: // J
        return 7;
    case 11: // K
    case 12: // L
        return 4;
    default:
        return 3;
    }
}

void DrawSquare(int16_t symbol, int left, int top)
{
    SetTextColor(Palette[0]);
    SetFillColor(symbol == PickerChoice ? Palette[7] : Palette[15]);
    DrawBox(left, top, left + SquareSide, top + SquareSide, true);
    SetTransparentText(true);
    SetTextColor(Palette[0]);
    if (ShowDigits) {
        if (symbol <= 9) {
            SelectFont(6);
            DrawText(left + 6, top + 1, std::to_string(symbol));
        } else {
            SelectFont(5);
            DrawText(left + 2, top + 1, std::to_string(symbol));
        }
    } else {
        SelectFont(6);
        DrawText(left + LetterOffset(symbol), top + 1, std::string(1, static_cast<char>(64 + symbol)));
    }
}

bool PointerOnPicker()
{
    return MouseX >= PickerLeft && MouseX < PickerLeft + PickerWidth && MouseY >= PickerTop &&
           MouseY < PickerTop + PickerHeight;
}

} // namespace

bool CellAtPointer(int16_t& column, int16_t& row)
{
    if (MouseX < BoardLeft || MouseX >= BoardLeft + 12 * CellWidth || MouseY < BoardTop ||
        MouseY >= BoardTop + 12 * CellHeight)
        return false;
    column = static_cast<int16_t>((MouseX - BoardLeft) / CellWidth + 1);
    row = static_cast<int16_t>((MouseY - BoardTop) / CellHeight + 1);
    return true;
}

void ClosePicker()
{
    ReleaseBackground();
    PickerOpen = false;
    ClockHold = false;
}

void Win_0_MouseMove(float x, float y)
{
    // Rounded to nearest, halves to even, as the pointer values always were.
    MouseX = static_cast<int32_t>(std::nearbyint(x));
    MouseY = static_cast<int32_t>(std::nearbyint(y));
    if (!PickerOpen || !PointerOnPicker())
        return;
    const int16_t square =
        static_cast<int16_t>((MouseY - PickerTop) / SquareSide * 4 + (MouseX - PickerLeft) / SquareSide + 1);
    if (square != PickerChoice) {
        PickerChoice = square;
        ShowSymbolPicker(PickerColumn, PickerRow);
    }
}

void ShowSymbolPicker(int16_t column, int16_t row)
{
    ClockHold = true;
    StatusText = PickerMode == PickerKind::Entry ? "Rechte Taste löscht Feld!" : "Bitte Kandidaten notieren!";
    DrawStatusLine();

    const int px = PickerLeftOf(column);
    const int py = PickerTopOf(row);
    if (!BackgroundHeld) {
        PickerBackground = CopyClientRect(px, py, px + PickerWidth, py + PickerHeight);
        BackgroundHeld = true;
    }
    for (int16_t k = 1; k <= 12; ++k)
        DrawSquare(k, px + SquareSide * ((k - 1) % 4), py + SquareSide * ((k - 1) / 4));

    SetTransparentText(false);
    ClockHold = false;
}

bool RunSymbolPicker(int16_t column, int16_t row)
{
    PickerOpen = true;
    WaitMouseRelease();
    PickerColumn = column;
    PickerRow = row;
    PickerLeft = PickerLeftOf(column);
    PickerTop = PickerTopOf(row);

    bool cancelled = false;
    for (;;) {
        const WindowEvent event = WaitAndDispatchEvent();
        if (event.message == WM_LBUTTONDOWN) {
            if (!PointerOnPicker())
                continue;
            ClockHold = true;
            PasteBackground();
            if (PickerMode == PickerKind::Note) {
                CandidateMarks(column, row, PickerChoice) = !CandidateMarks(column, row, PickerChoice);
                ShowComputedCandidates();
            } else {
                PlayGrid(column, row) = static_cast<uint8_t>(PickerChoice);
                if (!EditingOwnBoard)
                    DrawEntryCell(column, row, PickerChoice);
            }
            ClockHold = false;
            break;
        }
        if (event.message == WM_RBUTTONDOWN) {
            ClockHold = true;
            PasteBackground();
            if (PickerMode == PickerKind::Note) {
                for (int s = 1; s <= 12; ++s)
                    CandidateMarks(column, row, s) = false;
                ShowComputedCandidates();
            } else if (!EditingOwnBoard) {
                PlayGrid(column, row) = 0;
                DrawEntryCell(column, row, 0);
            }
            ClockHold = false;
            cancelled = true;
            break;
        }
    }

    ClosePicker();
    WaitMouseRelease();
    StatusText = LargeFontMode ? "Bitte ein Feld anklicken!    " : "Bitte ein Feld anklicken! ";
    DrawStatusLine();
    if (ShowCandidates)
        ShowComputedCandidates();
    return cancelled;
}
