// The game's help: a topic of the compiled help file, shown in the help viewer.
#pragma once

#include <string>

// Opens the topic of the help file (in the working folder; both matched without regard to letter
// case) and returns at once; when that fails, says so in a message box naming the file as given.
void ShowHelpTopic(const std::string& file, const std::string& topic);
