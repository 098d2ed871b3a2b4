// Failure messages for the player.
#include "screen/failure_message.h"

#include "platform/window.h"

void ShowFailureMessage(const std::string& reason)
{
    if (!reason.empty())
        ShowMessageBox(reason, "Kastenzahl", "OK", BoxIcon::Error, 1);
}
