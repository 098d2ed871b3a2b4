// The play loop runs inside the menu command that started it and handles one window event per pass:
// a key release (button shortcuts and the commands K-O, F, C, M), a left press on the button bar, or
// a left or right press on a cell, which opens the symbol picker or clears the cell. It also notices
// when the player completes the board of a timed game and hands that to the clock.
#include "play/play_loop.h"

#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/system.h"
#include "platform/window.h"
#include "play/button_bar.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/panels.h"

char RememberedLetter = 0;

namespace {

void SetAllCandidateMarks(bool value)
{
    for (bool& mark : CandidateMarks.cells)
        mark = value;
}

// Abbruch: the button stays pressed as the loop ends. Only the key refreshes the clock.
void Abort(bool byKey)
{
    const BarButton& bar = ButtonBar[AbbruchButton];
    DrawButton(bar.caption, bar.left, ButtonTop, true);
    GameRunning = false;
    if (byKey)
        UpdateClock();
    SleepMilliseconds(200); // the clock worker sees GameRunning cleared within 50 ms
}

// A left or right press at (MouseX, MouseY); nothing happens off the board and on clues.
void BoardClick(bool rightButton)
{
    int16_t column = 0, row = 0;
    if (!CellAtPointer(column, row))
        return;
    if (GivenGrid(column, row) != 0)
        return;

    if (!rightButton) {
        PickerMode = PickerKind::Entry;
        ShowSymbolPicker(column, row);
        RunSymbolPicker(column, row);
        UpdateStatistics();
    } else if (PlayGrid(column, row) == 0) {
        PickerMode = PickerKind::Note;
        ShowSymbolPicker(column, row);
        RunSymbolPicker(column, row);
    } else {
        PlayGrid(column, row) = 0;
        DrawEntryCell(column, row, 0);
        if (ShowCandidates)
            ShowComputedCandidates();
        UpdateStatistics();
    }

    if (GameRunning && CheckMessage == VerdictSolved) {
        PuzzleSolved = true;
        UpdateClock(); // freezes the time and enters it into the hall of fame
        GameRunning = false;
        PuzzleSolved = false;
    }
}

} // namespace

void PlayLoop()
{
    RedrawBoard();
    DrawButtonBar();
    if (GameRunning)
        StartClockWorker(); // a new game: the label counts the seconds

    for (;;) {
        const WindowEvent event = WaitAndDispatchEvent();
        if (event.message == WM_KEYUP) {
            const int key = UpperCaseKey(event.wParam);
            const int button = ButtonForKey(key);
            if (button == AbbruchButton || key == VK_ESCAPE) {
                Abort(true);
                return;
            }
            if (button >= 0) {
                RunButtonAction(button, true);
                continue;
            }
            switch (key) {
            case 'K':
                RememberedLetter = 'K';
                break;
            case 'O':
                if (RememberedLetter == 'K') {
                    GameRunning = false;
                    SolveCommand();
                    UpdateClock();
                }
                RememberedLetter = 0;
                break;
            case 'F':
                SetAllCandidateMarks(true);
                RedrawBoard();
                break;
            case 'C':
                SetAllCandidateMarks(false);
                RedrawBoard();
                break;
            case 'M':
                GameRunning = false;
                SetAllCandidateMarks(false);
                ShowCandidates = !ShowCandidates;
                RedrawBoard();
                break;
            default:
                break;
            }
        } else if (event.message == WM_LBUTTONDOWN || event.message == WM_RBUTTONDOWN) {
            const int button = event.message == WM_LBUTTONDOWN ? ButtonAtPointer() : -1;
            if (button == AbbruchButton) {
                Abort(false);
                return;
            }
            if (button >= 0)
                RunButtonAction(button, true);
            else
                BoardClick(event.message == WM_RBUTTONDOWN);
        }
    }
}
