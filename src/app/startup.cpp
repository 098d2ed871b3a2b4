// Start-up in its fixed order, the top-level event loop, and ending the program.
#include "app/startup.h"

#include <cmath>

#include "app/game_state.h"
#include "app/menu.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/fonts.h"
#include "screen/palette.h"

int StripImage = 0;

WindowPlacement MainWindowPlacement(int screenWidth, int screenHeight)
{
    // nearbyint rounds halves to even in the default rounding mode.
    int left = static_cast<int>(std::nearbyint((screenWidth - ClientAreaWidth) / 2.0));
    int top = static_cast<int>(std::nearbyint((screenHeight - ClientAreaHeight) / 2.0 - 32));
    if (top < 0)
        top = 0;
    return {left, top};
}

void FillDifficultyNames()
{
    DifficultyName[0] = " Leicht ";
    DifficultyName[1] = " Mittel ";
    DifficultyName[2] = "Schwer ";
    DifficultyName[3] = "Extrem ";
}

void InitGameState()
{
    ResetGameState();
    ShowDigits = true;
    KeepSymmetry = true;
    // The hall of fame is loaded here once it exists (LoadHallOfFame).
    FillDifficultyNames();
    BuildMenuBar();
    UpdateMenuChecks();
}

void StartUp()
{
    WindowPlacement at = MainWindowPlacement(ScreenWidth(), ScreenHeight());
    OpenMainWindow("Kastenzahl V6.0 by Tarvo", at.left, at.top, ClientAreaWidth, OuterWindowHeight);
    SetClientSize(ClientAreaWidth, ClientAreaHeight);
    BringMainWindowToFront();
    SetMainWindowHandlers({Win_0_MenuEvent, Win_0_MouseMove, Win_0_Close});

    FillPalette();
    InstallBoardView();
    InitGameState();
    FillClient(Palette[12]);
    if (StripImage)
        ReleaseBitmap(StripImage);
    StripImage = CopyClientRect(30, 777, 747, 804);
    StatusText = PromptChooseMenu;
    CreateClockLabel();
    DrawScreen();
    SelectFont(16);
}

void RunEventLoop()
{
    while (MainWindowExists())
        WaitAndDispatchEvent();
}

void ConfirmExit()
{
    int answer = ShowMessageBox("Spiel beenden?", "Kastenzahl", "&JA|&NEIN", BoxIcon::Question, 2);
    if (answer != 1)
        return;
    CloseMainWindow();
    ReleaseBitmap(StripImage);
    StripImage = 0;
    EndProgram();
}

void Win_0_Close()
{
    ConfirmExit();
}
