// The board slot dialog `frm1`: one of the four slots of brett.l12 chosen to load the board from or
// to save it into.
#pragma once

#include <cstdint>

// The slot last chosen (0..3), offered when the dialog opens again; shared by loading and saving.
extern int16_t BoardSlot;
// The dialog was opened for loading (else for saving).
extern bool SlotDialogLoads;

// Loads the chosen slot; afterwards, also when cancelled, the solution of the board is computed.
void OpenLoadDialog();
// Saves the board into the chosen slot.
void OpenSaveDialog();
