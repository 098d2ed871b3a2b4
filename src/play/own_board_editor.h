// The own-board editor: the player sets and removes the givens of a board of their own, with the
// same button bar as the play loop.
#pragma once

// Runs until Abbruch (button, Esc, or A while symbols are shown as digits).
void OwnBoardEditor();
