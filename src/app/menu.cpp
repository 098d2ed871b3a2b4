// The menu bar and the command dispatch. Every command runs here from start to end; the steps after
// it put the screen back to idle, so a timed game never outlives the command that started it.
#include "app/menu.h"

#include <cstdlib>

#include "app/exit.h"
#include "app/new_game.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/button_bar.h"
#include "play/own_board_editor.h"
#include "play/play_loop.h"
#include "play/slot_dialog.h"
#include "play/symbol_picker.h"
#include "records/hall_of_fame_windows.h"
#include "records/help.h"
#include "records/info_windows.h"
#include "records/printing.h"
#include "screen/board_drawing.h"
#include "screen/panels.h"

namespace {

void ShowSymbolsAsDigits(bool digits)
{
    ShowDigits = digits;
    UpdateMenuChecks();
    RedrawBoard();
    DrawStatisticsPanel();
}

constexpr MenuCommand PopupCaption(const char* caption)
{
    return {MenuCommand::Popup, 0, caption, false, nullptr, nullptr};
}
constexpr MenuCommand Item(int number, const char* caption, bool prompts, void (*run)(),
                           bool (*checked)() = nullptr)
{
    return {MenuCommand::Command, number, caption, prompts, run, checked};
}
constexpr MenuCommand Separator{MenuCommand::Separator, 0, "-", false, nullptr, nullptr};
constexpr bool Prompts = true; // "Bitte ein Feld anklicken!" while the command works
constexpr bool Quiet = false;

std::vector<std::string> DefinitionLines(const std::vector<MenuCommand>& commands)
{
    std::vector<std::string> lines;
    for (const MenuCommand& row : commands) {
        if (row.kind == MenuCommand::Popup) {
            if (!lines.empty())
                lines.emplace_back(); // ends the popup before
            lines.emplace_back(row.caption);
        } else if (row.kind == MenuCommand::Separator) {
            lines.emplace_back("-");
        } else {
            lines.push_back(std::to_string(row.number) + ":" + row.caption);
        }
    }
    lines.emplace_back(); // ends the last popup
    lines.emplace_back(); // ends the bar
    return lines;
}

const MenuCommand* FindCommand(int32_t number)
{
    for (const MenuCommand& row : MenuCommands)
        if (row.kind == MenuCommand::Command && row.number == number)
            return &row;
    return nullptr;
}

} // namespace

const std::vector<MenuCommand> MenuCommands = {
    PopupCaption("&Kastenzahl"),
    Item(8, "&Neues Spiel", Prompts, StartNewGame),
    Separator,
    Item(10, "&Spielstart", Prompts, PlayLoop),
    Item(25, "N&eustart", Prompts,
         [] {
             RestartBoard();
             PlayLoop();
         }),
    Separator,
    Item(12, "Spieldruck", Quiet, PrintNewGame),
    Separator,
    Item(99, "&Beenden", Quiet, ConfirmExit),
    PopupCaption("&Optionen"),
    Item(20, "&lade Brett", Prompts,
         [] {
             LibraryFileName = "brett.l12";
             OpenLoadDialog();
             UpdateDifficultyPanel();
             PlayLoop();
         }),
    Item(21, "&sichere Brett", Prompts,
         [] {
             OpenSaveDialog();
             PlayLoop();
         }),
    Separator,
    Item(22, "&Brett lösen", Prompts, SolveCommand),
    Item(26, "B&rett löschen", Quiet, ClearBoard),
    Item(27, "Brett &drucken", Quiet, PrintBoard),
    Item(24, "Brett &mischen", Prompts,
         [] {
             ShuffleBoard();
             RedrawBoard();
         }),
    Separator,
    Item(11, "&Eigenes Brett", Prompts,
         [] {
             OwnBoardEditor();
             EditingOwnBoard = false;
         }),
    PopupCaption("Sch&wierigkeit"),
    Item(
        30, "&Leicht", Quiet, [] { Difficulty = 0; }, [] { return Difficulty == 0; }),
    Item(
        31, "&Mittel", Quiet, [] { Difficulty = 1; }, [] { return Difficulty == 1; }),
    Item(
        32, "&Schwer", Quiet, [] { Difficulty = 2; }, [] { return Difficulty == 2; }),
    Item(
        33, "&Extrem", Quiet, [] { Difficulty = 3; }, [] { return Difficulty == 3; }),
    Separator,
    Item(
        40, "&Zahlen", Quiet, [] { ShowSymbolsAsDigits(true); }, [] { return ShowDigits; }),
    Item(
        41, "&Buchstaben", Quiet, [] { ShowSymbolsAsDigits(false); }, [] { return !ShowDigits; }),
    Separator,
    Item(
        44, "Zeige &Kandidaten", Quiet,
        [] {
            // The player's notes are discarded in both directions.
            ShowCandidates = !ShowCandidates;
            CandidateMarks = {};
            RedrawBoard();
        },
        [] { return ShowCandidates; }),
    Separator,
    Item(
        45, "Rätsel-Symmetrie", Quiet, [] { KeepSymmetry = !KeepSymmetry; }, [] { return KeepSymmetry; }),
    Separator,
    Item(50, "&Ruhmeshalle", Quiet, [] { ShowHallOfFame(Difficulty); }),
    PopupCaption("&Hilfe"),
    Item(60, "&Anleitung", Quiet, [] { ShowHelpTopic("Kasten12.chm", "Übersicht.htm"); }),
    Separator,
    Item(1, "über &Kastenzahl...", Quiet, ShowInfoWindow),
};

const std::vector<std::string> MenuDefinition = DefinitionLines(MenuCommands);

int BuildMenuFromLines(const std::vector<std::string>& lines)
{
    std::vector<int> built;
    auto giveUp = [&built] {
        for (int menu : built)
            DestroyMenu(menu);
        return 0;
    };
    int bar = CreateMenuBar();
    if (!bar)
        return 0;
    built.push_back(bar);

    size_t i = 0;
    while (i < lines.size() && !lines[i].empty()) {
        const std::string& caption = lines[i++];
        int popup = CreatePopupMenu();
        if (!popup)
            return giveUp();
        built.push_back(popup);
        for (; i < lines.size() && !lines[i].empty(); ++i) {
            const std::string& line = lines[i];
            bool ok;
            if (line == "-") {
                ok = AppendMenuSeparator(popup);
            } else {
                size_t colon = line.find(':');
                int number = std::atoi(line.substr(0, colon).c_str());
                ok = AppendMenuItem(popup, number, colon == std::string::npos ? "" : line.substr(colon + 1));
            }
            if (!ok)
                return giveUp();
        }
        ++i; // the empty line that ends the popup
        if (!AppendPopup(bar, popup, caption))
            return giveUp();
    }
    return bar;
}

void BuildMenuBar()
{
    int bar = BuildMenuFromLines(MenuDefinition);
    if (!bar) {
        ShowMessageBox("Das Menü konnte nicht erstellt werden.", "Kastenzahl", "OK", BoxIcon::Error, 1);
        EndProgram();
    }
    InstallMenuBar(bar);
}

void UpdateMenuChecks()
{
    for (const MenuCommand& row : MenuCommands)
        if (row.checked != nullptr)
            CheckMenuItem(row.number, false);
    for (const MenuCommand& row : MenuCommands)
        if (row.checked != nullptr && row.checked())
            CheckMenuItem(row.number, true);
}

void Win_0_MenuEvent(int32_t number)
{
    SetMenuCommandsEnabled(false);
    const MenuCommand* command = FindCommand(number);
    if (command != nullptr && command->prompts) {
        StatusText = PromptClickCell;
        DrawHelpPanel();
    }
    if (command != nullptr && command->run != nullptr)
        command->run();
    SetMenuCommandsEnabled(true);
    UpdateMenuChecks();
    UpdateDifficultyPanel();
    StatusText = PromptChooseMenu;
    DrawStatusLine();
    PasteBitmap(StripImage, 30, 777);
    GameRunning = false;
}
