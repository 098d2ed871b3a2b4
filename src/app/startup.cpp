// Start-up in its fixed order and the top-level event loop.
#include "app/startup.h"

#include <cmath>
#include <string>

#include "app/exit.h"
#include "app/menu.h"
#include "engine/board_state.h"
#include "engine/engine_state.h"
#include "platform/data_folder.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/button_bar.h"
#include "play/play_loop.h"
#include "play/symbol_picker.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_windows.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/fonts.h"
#include "screen/palette.h"
#include "screen/panels.h"

WindowPlacement MainWindowPlacement(int screenWidth, int screenHeight)
{
    // nearbyint rounds halves to even in the default rounding mode.
    int left = static_cast<int>(std::nearbyint((screenWidth - ClientAreaWidth) / 2.0));
    int top = static_cast<int>(std::nearbyint((screenHeight - ClientAreaHeight) / 2.0 - 32));
    if (top < 0)
        top = 0;
    return {left, top};
}

void ResetGameState()
{
    ResetEngineState();
    ResetHallOfFame();
    PlayerName.clear();
    StatusText = PromptChooseMenu;
    GivenCount = 0;
    MouseX = MouseY = 0;
    EditingOwnBoard = false;
    RememberedLetter = 0;
}

void InitGameState()
{
    ResetGameState();
    LoadHallOfFame();
}

bool PrepareGameFolder()
{
    const std::string failure = PrepareDataFolder(PlayerDataFolder(), ShippedDataFolder(ExecutableFolder()));
    if (failure.empty())
        return true;
    ShowMessageBox(failure, "Kastenzahl", "OK", BoxIcon::Error, 1);
    return false;
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
    InstallHallOfFameWindows();
    InitGameState();
    BuildMenuBar();
    UpdateMenuChecks();
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
