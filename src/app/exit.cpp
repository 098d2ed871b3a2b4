// Ending the program: nothing is written, a game in progress is not saved.
#include "app/exit.h"

#include "platform/draw.h"
#include "platform/window.h"
#include "play/button_bar.h"
#include "screen/clock.h"

void ConfirmExit()
{
    int answer = ShowMessageBox("Spiel beenden?", "Kastenzahl", "&JA|&NEIN", BoxIcon::Question, 2);
    if (answer != 1)
        return;
    StopClockWorker(); // it must not write into a window that is gone
    CloseMainWindow();
    ReleaseBitmap(StripImage);
    StripImage = 0;
    EndProgram();
}

void Win_0_Close()
{
    ConfirmExit();
}
