// Shared set-up of the GUI tests: one main window per test process and the folder for screenshots.
#pragma once

#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/script.h"
#include "platform/window.h"

#include <cstdlib>
#include <string>

// Opens the main window once per process at (0, 0) with the game's client size and empties the
// script and the recorded message boxes.
inline void OpenTestWindow()
{
    if (!MainWindowExists()) {
        OpenMainWindow("Kastenzahl V6.0 by Tarvo", 0, 0, 1156, 903);
        SetClientSize(ClientImageWidth, ClientImageHeight);
    }
    ResetScript();
}

// Where tests put their screenshots: $KASTENZAHL_SCREENS, or "screens" in the working folder.
inline std::string ScreensFolder()
{
    const char* folder = std::getenv("KASTENZAHL_SCREENS");
    return folder && *folder ? folder : "screens";
}
