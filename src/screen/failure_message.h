// A failure the player must hear of (a board that could not be loaded or saved): its German reason in
// a message box.
#pragma once

#include <string>

// Shows the reason; an empty reason (nothing failed) shows nothing.
void ShowFailureMessage(const std::string& reason);
