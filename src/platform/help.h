// The help viewer: a window of its own that shows the pages of a compiled help file (.chm).
#pragma once

#include <string>

// Opens the topic page of the help file in the working folder in the help viewer and returns at
// once; the game goes on while the viewer is open, and a second call reuses it. The file and the topic
// are matched without regard to letter case. False (and nothing shown) when the file or the topic
// cannot be found or read.
bool ShowHtmlHelpTopic(const std::string& file, const std::string& topic);
