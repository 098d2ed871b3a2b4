// The menu bar and the command dispatch. Every command runs here from start to end; the steps after
// it put the screen back to idle, so a timed game never outlives the command that started it.
#include "app/menu.h"

#include <algorithm>
#include <cstdlib>

#include "app/game_state.h"
#include "app/new_game.h"
#include "app/startup.h"
#include "engine/board_record.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/play_loop.h"
#include "screen/board_drawing.h"
#include "screen/panels.h"

const std::vector<std::string> MenuDefinition = {
    "&Kastenzahl",
    "8:&Neues Spiel",
    "-",
    "10:&Spielstart",
    "25:N&eustart",
    "-",
    "12:Spieldruck",
    "-",
    "99:&Beenden",
    "",
    "&Optionen",
    "20:&lade Brett",
    "21:&sichere Brett",
    "-",
    "22:&Brett lösen",
    "26:B&rett löschen",
    "27:Brett &drucken",
    "24:Brett &mischen",
    "-",
    "11:&Eigenes Brett",
    "",
    "Sch&wierigkeit",
    "30:&Leicht",
    "31:&Mittel",
    "32:&Schwer",
    "33:&Extrem",
    "-",
    "40:&Zahlen",
    "41:&Buchstaben",
    "-",
    "44:Zeige &Kandidaten",
    "-",
    "45:Rätsel-Symmetrie",
    "-",
    "50:&Ruhmeshalle",
    "",
    "&Hilfe",
    "60:&Anleitung",
    "-",
    "1:über &Kastenzahl...",
    "",
    "",
};

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
    for (int command : {30, 31, 32, 33, 40, 41, 44, 45})
        CheckMenuItem(command, false);
    CheckMenuItem(30 + Difficulty, true);
    CheckMenuItem(ShowDigits ? 40 : 41, true);
    if (ShowCandidates)
        CheckMenuItem(44, true);
    if (KeepSymmetry)
        CheckMenuItem(45, true);
}

// The commands' own work. Commands whose windows do not exist yet (slot dialog, printing, hall of
// fame, help, information window, own-board editor) do nothing until they arrive.
static void RunCommand(int32_t command)
{
    switch (command) {
    case 8:
        StartNewGame();
        break;
    case 10:
        PlayLoop();
        break;
    case 12:
        PrintNewGame();
        break;
    case 22:
        SolveCommand();
        break;
    case 24:
        ShuffleBoard();
        RedrawBoard();
        break;
    case 25:
        RestartBoard();
        PlayLoop();
        break;
    case 26:
        ClearBoard();
        break;
    case 30:
    case 31:
    case 32:
    case 33:
        Difficulty = static_cast<int16_t>(command - 30);
        break;
    case 40:
    case 41:
        ShowDigits = command == 40;
        UpdateMenuChecks();
        RedrawBoard();
        DrawStatisticsPanel();
        break;
    case 44:
        ShowCandidates = !ShowCandidates;
        CandidateMarks = {};
        RedrawBoard();
        break;
    case 45:
        KeepSymmetry = !KeepSymmetry;
        break;
    case 99:
        ConfirmExit();
        break;
    default:
        break;
    }
}

void Win_0_MenuEvent(int32_t command)
{
    SetMenuCommandsEnabled(false);
    static constexpr int promptingCommands[] = {8, 10, 11, 20, 21, 22, 24, 25};
    if (std::find(std::begin(promptingCommands), std::end(promptingCommands), command) !=
        std::end(promptingCommands)) {
        StatusText = PromptClickCell;
        DrawHelpPanel();
    }
    RunCommand(command);
    SetMenuCommandsEnabled(true);
    UpdateMenuChecks();
    UpdateDifficultyPanel();
    StatusText = PromptChooseMenu;
    DrawStatusLine();
    PasteBitmap(StripImage, 30, 777);
    GameRunning = false;
}
