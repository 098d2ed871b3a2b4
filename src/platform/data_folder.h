// The player's folder for the game's files and the files that come with the game.
//
// The game addresses its files by bare name, so it works inside the player's folder
// ($XDG_DATA_HOME/kastenzahl). The puzzle libraries and the manual are installed read-only beside the
// program; at start they are copied into the player's folder when missing there or different. The
// player's own files, the board slots and the hall of fame, are never written here.
#pragma once

#include <string>
#include <vector>

// The player's folder: $XDG_DATA_HOME/kastenzahl, or ~/.local/share/kastenzahl when XDG_DATA_HOME is
// unset, empty or relative (the XDG rule). "" when neither gives an absolute path.
std::string PlayerDataFolder(const char* xdgDataHome, const char* home);
// The same from the environment (HOME, else the password database).
std::string PlayerDataFolder();

// The folder holding the running program, "" when it cannot be told.
std::string ExecutableFolder();

// The folder of the shipped files for a program in programFolder: <programFolder>/../share/kastenzahl
// once installed, else <programFolder>/share/kastenzahl, where the build stages them beside the built
// program. "" when neither exists.
std::string ShippedDataFolder(const std::string& programFolder);

// The files of the shipped folder the player's folder gets: the puzzle libraries (*.l12) and the
// manual (*.chm), sorted by name, never brett.l12 or Champions.Rhm.
std::vector<std::string> ShippedFileNames(const std::string& shippedFolder);

// Creates the player's folder (with its parents) when missing, copies each shipped file into it that
// is missing there or differs, whole or not at all, and makes it the working folder. An empty
// shippedFolder copies nothing. Returns "" or a German message naming the folder and the reason.
std::string PrepareDataFolder(const std::string& folder, const std::string& shippedFolder);
