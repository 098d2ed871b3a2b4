// The orderly exit: the question "Spiel beenden?", from the menu and from the close box.
#pragma once

// Asks "Spiel beenden?"; ends the program on "&JA", returns on "&NEIN".
void ConfirmExit();
// The close box: asks as ConfirmExit; when it returns, the window stays open.
void Win_0_Close();
