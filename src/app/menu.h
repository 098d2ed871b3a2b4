// The menu bar, its check marks and the dispatch of menu commands, all fed by one table of commands.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One row of the menu, in the order the bar shows it: a popup's caption, a separator, or a command
// with its number, caption, whether the prompt asks for a cell while it works, its work (nullptr:
// nothing yet) and, for the option items, when it carries a check mark.
struct MenuCommand {
    enum Kind { Popup, Separator, Command } kind;
    int number;
    const char* caption;
    bool prompts;
    void (*run)();
    bool (*checked)();
};

extern const std::vector<MenuCommand> MenuCommands;

// The menu as definition lines, made from the table: a popup caption, then its items
// ("number:caption" or "-"), then an empty line; an empty line where a caption is expected ends the
// bar.
extern const std::vector<std::string> MenuDefinition;

// Builds a menu bar from definition lines; 0 when the platform refused a menu (nothing is left over).
int BuildMenuFromLines(const std::vector<std::string>& lines);
// Builds the program's menu and installs it; without a menu the program cannot run.
void BuildMenuBar();
// Sets the check marks of the difficulty, symbol, candidate and symmetry items from the settings.
void UpdateMenuChecks();
// Runs menu command n with the fixed steps before and after it.
void Win_0_MenuEvent(int32_t command);
