// The play loop: the modal loop in which the player works on the board, with the button bar below
// it, key shortcuts on release and clicks on the cells.
#pragma once

// Runs until the Abbruch button or its key (A, Esc).
void PlayLoop();

// The shortcut letter remembered across keys and loops: 'K' after the key K, emptied by every O.
extern char RememberedLetter;
