// The own-board editor. It starts from the board as it stands; a left click on any cell makes the
// symbol chosen in the picker a given there (the picker stores it but leaves drawing to the editor), a
// right click removes a given. It starts no clock and computes no solution of its own.
#include "play/own_board_editor.h"

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "platform/system.h"
#include "platform/window.h"
#include "play/button_bar.h"
#include "play/play_loop.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/panels.h"

namespace {

// The cell emptied, given and entry alike.
void RemoveGiven(int16_t column, int16_t row)
{
    PlayGrid(column, row) = 0;
    GivenGrid(column, row) = 0;
    DrawEntryCell(column, row, 0);
    if (ShowCandidates)
        ShowComputedCandidates();
}

// A left or right press on a cell, given or not; nothing happens off the board.
void EditorBoardClick(bool rightButton)
{
    int16_t column = 0, row = 0;
    if (!CellAtPointer(column, row))
        return;
    if (rightButton) {
        if (GivenGrid(column, row) != 0)
            RemoveGiven(column, row);
    } else {
        PickerMode = PickerKind::Entry;
        ShowSymbolPicker(column, row);
        if (RunSymbolPicker(column, row))
            RemoveGiven(column, row);
        else
            DrawGivenCell(column, row, PickerChoice); // also stores it into GivenGrid
    }
    UpdateStatistics();
    UpdateDifficultyPanel();
}

void Abort()
{
    const BarButton& bar = ButtonBar[AbbruchButton];
    DrawButton(bar.caption, bar.left, ButtonTop, true);
    SleepMilliseconds(200);
}

} // namespace

void OwnBoardEditor()
{
    EditingOwnBoard = true;
    DrawButtonBar();
    for (;;) {
        const WindowEvent event = WaitAndDispatchEvent();
        if (event.message == WM_KEYUP) {
            const int key = UpperCaseKey(event.wParam);
            const int button = ButtonForKey(key);
            if (key == VK_ESCAPE || (button == AbbruchButton && ShowDigits)) {
                Abort();
                return;
            }
            if (button >= 0 && button != AbbruchButton) {
                RunButtonAction(button, false);
                continue;
            }
            switch (key) {
            case 'K':
                RememberedLetter = 'K';
                break;
            case 'O':
                if (RememberedLetter == 'K') {
                    ComputeSolution();
                    SolveCommand();
                }
                RememberedLetter = 0;
                break;
            case 'M':
                CandidateMarks = {};
                ShowCandidates = !ShowCandidates;
                RedrawBoard();
                break;
            case 'X':
                ShuffleBoard();
                RedrawBoard();
                break;
            default:
                break;
            }
        } else if (event.message == WM_LBUTTONDOWN || event.message == WM_RBUTTONDOWN) {
            const int button = event.message == WM_LBUTTONDOWN ? ButtonAtPointer() : -1;
            if (button == AbbruchButton) {
                Abort();
                return;
            }
            if (button >= 0)
                RunButtonAction(button, false);
            else
                EditorBoardClick(event.message == WM_RBUTTONDOWN);
        }
    }
}
