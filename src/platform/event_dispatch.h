// What the two sources of window events share: the real input of the Qt window and the scripted
// input of the tests each queue events their own way and hand them to the game's handlers here.
// Only the platform's event sources include this.
#pragma once

#include "platform/window.h"

namespace platform_events {

struct QueuedEvent {
    int message = WM_NULL;
    int wParam = 0;
    int x = 0, y = 0;
};

// Hands the event to its handler; false if it is dropped (a menu command while commands are off).
bool Dispatch(const QueuedEvent& event);
// Menu commands may be queued only while this holds.
bool CommandsAccepted();

} // namespace platform_events
