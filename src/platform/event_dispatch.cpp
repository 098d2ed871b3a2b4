// The main window's handlers and the rule that drops menu commands while a command runs.
#include "platform/event_dispatch.h"

#include "platform/inspection.h"
#include "platform/qt_internal.h"

namespace {

MainWindowHandlers handlers;
bool menuCommandsEnabled = true;

} // namespace

void SetMainWindowHandlers(const MainWindowHandlers& newHandlers)
{
    handlers = newHandlers;
}

bool MenuCommandsEnabled()
{
    return menuCommandsEnabled;
}

namespace qtplatform {
void SetMenuCommandsFlag(bool enabled)
{
    menuCommandsEnabled = enabled;
}
} // namespace qtplatform

namespace platform_events {

bool CommandsAccepted()
{
    return menuCommandsEnabled;
}

bool Dispatch(const QueuedEvent& event)
{
    switch (event.message) {
    case WM_MOUSEMOVE:
        if (handlers.mouseMove)
            handlers.mouseMove(float(event.x), float(event.y));
        return true;
    case WM_COMMAND:
        if (!menuCommandsEnabled)
            return false;
        if (handlers.menuEvent)
            handlers.menuEvent(event.wParam);
        return true;
    case WM_CLOSE:
        if (handlers.close)
            handlers.close();
        return true;
    default:
        return true;
    }
}

} // namespace platform_events
