// The slot dialog, a table of controls (sizes in twips). A click on an option, or a digit 1..4, Enter
// or any other character typed on one, finishes it at once; "&OK" takes the selected option.
#include "play/slot_dialog.h"

#include <string>

#include "engine/board_record.h"
#include "engine/solver.h"
#include "platform/dialogs.h"
#include "screen/failure_message.h"
#include "screen/palette.h"

int16_t BoardSlot = 0;
bool SlotDialogLoads = false;

namespace {

const char* const Options[4] = {"opt1", "opt2", "opt3", "opt4"};

WindowDefinition SlotWindow(const std::string& caption)
{
    WindowDefinition window{.name = "frm1", .caption = caption, .width = 3750, .height = 2370,
                            .backgroundRgb = Palette[12], // the main window's
                            .fontFace = "Arial", .offsetX = 724, .offsetY = 330};
    for (int k = 0; k < 4; ++k) // one below the other, above the buttons
        window.controls.push_back(Control(ControlKind::OptionButton, Options[k],
                                          "Nr. &" + std::to_string(k + 1), 345, 300 + 240 * k, 1380, 225));
    window.controls.push_back(Control(ControlKind::Button, "cmd1", "&OK", 330, 1305, 1500, 495));
    window.controls.push_back(Control(ControlKind::Button, "cmd2", "&Abbruch", 1845, 1305, 1500, 495));
    return window;
}

void FocusSlotOption()
{
    if (BoardSlot < 0 || BoardSlot > 3)
        return;
    SetOptionChecked(Options[BoardSlot], true);
    FocusControl(Options[BoardSlot]);
}

void CommitSlotDialog()
{
    for (int16_t k = 0; k < 4; ++k)
        if (OptionChecked(Options[k]))
            BoardSlot = k;
    ShowFailureMessage(SlotDialogLoads ? LoadBoardRecord(BoardSlot) : SaveBoardRecord(BoardSlot));
    ModalDone = true;
}

void frm1_Finish()
{
    ModalDone = true;
}

// A character typed on the option of slot `slot`: a digit 1..4 chooses that slot, Enter this one, any
// other character the selected one. Esc leaves without loading or saving (a save must not happen by a
// key meant to get away), and Tab only moves the focus.
void KeyOnOption(int16_t slot)
{
    const int key = LastKeyPressed();
    if (key == 27) {
        frm1_Finish();
        return;
    }
    if (key < 32 && key != 13)
        return;
    if (key >= '1' && key <= '4')
        BoardSlot = static_cast<int16_t>(key - '1');
    else if (key == 13)
        BoardSlot = slot;
    FocusSlotOption();
    CommitSlotDialog();
}

template <int16_t Slot> void OptionKeyPress()
{
    KeyOnOption(Slot);
}

void RunSlotDialog(const std::string& caption)
{
    RunModalWindow(SlotWindow(caption), {{"frm1_Load", FocusSlotOption},
                                         {"opt1_Click", CommitSlotDialog},
                                         {"opt2_Click", CommitSlotDialog},
                                         {"opt3_Click", CommitSlotDialog},
                                         {"opt4_Click", CommitSlotDialog},
                                         {"opt1_KeyPress", OptionKeyPress<0>},
                                         {"opt2_KeyPress", OptionKeyPress<1>},
                                         {"opt3_KeyPress", OptionKeyPress<2>},
                                         {"opt4_KeyPress", OptionKeyPress<3>},
                                         {"cmd1_Click", CommitSlotDialog},
                                         {"cmd2_Click", frm1_Finish},
                                         {"frm1_Close", frm1_Finish}});
}

} // namespace

void OpenLoadDialog()
{
    SlotDialogLoads = true;
    RunSlotDialog("Welches Brett laden?");
    ComputeSolution();
}

void OpenSaveDialog()
{
    SlotDialogLoads = false;
    LibraryFileName = "brett.l12";
    RunSlotDialog("Sichern unter ...");
}
