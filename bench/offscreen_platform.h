// The platform for the benchmarks that draw: Qt's offscreen platform (unless the caller chose one),
// started once per process.
#pragma once

#include <cstdlib>

#include "platform/window.h"

inline void StartOffscreenPlatform()
{
    static bool started = false;
    if (started)
        return;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kastenzahl_bench";
    static char* argv[] = {name, nullptr};
    InitPlatform(argc, argv);
    started = true;
}
