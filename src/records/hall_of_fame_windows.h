// The hall of fame's two windows: `ruhm`, one list per difficulty on a tab strip, and `champ`, the
// name entry after a qualifying time.
#pragma once

// Opens `ruhm` modally on the tab of this difficulty (0..3) and returns when it is closed.
void ShowHallOfFame(int difficulty);
// Opens `champ` with PlayerName offered; true when the player confirmed (the name is in PlayerName).
bool AskPlayerName();
// The hall of fame's hooks: these windows, and failures shown in a message box.
void InstallHallOfFameWindows();
