// The menu bar, its check marks and the dispatch of menu commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The menu as definition lines: a popup caption, then its items ("number:caption" or "-"), then an
// empty line; an empty line where a caption is expected ends the bar.
extern const std::vector<std::string> MenuDefinition;

// Builds a menu bar from definition lines; 0 when the platform refused a menu (nothing is left over).
int BuildMenuFromLines(const std::vector<std::string>& lines);
// Builds the program's menu and installs it; without a menu the program cannot run.
void BuildMenuBar();
// Sets the check marks of the difficulty, symbol, candidate and symmetry items from the settings.
void UpdateMenuChecks();
// Runs menu command n with the fixed steps before and after it.
void Win_0_MenuEvent(int32_t command);
