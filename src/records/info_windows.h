// The information window `Inf` ("über Kastenzahl..."): the game's name, version, what it is and its keys.
#pragma once

// Opens `Inf` modally and returns when it is closed.
void ShowInfoWindow();
