// The windows of the hall of fame, described as tables of controls (sizes in twips).
#include "records/hall_of_fame_windows.h"

#include <string>

#include "platform/dialogs.h"
#include "platform/window.h"
#include "records/hall_of_fame.h"
#include "screen/failure_message.h"
#include "screen/palette.h"

namespace {

int ShownDifficulty = 0;       // the tab `ruhm` opens on
bool ReopenHallOfFame = false; // "&Löschen" closes the window and opens a fresh one
bool NameConfirmed = false;

const char* const ListViews[4] = {"lv1", "lv2", "lv3", "lv4"};

WindowDefinition RuhmWindow()
{
    WindowDefinition window{.name = "ruhm", .caption = "Ruhmeshalle", .width = 6960, .height = 5355,
                            .backgroundRgb = Palette[12], // the main window's
                            .fontFace = "MS Shell Dlg", .offsetX = 157, .offsetY = 226};
    window.controls.push_back(Control(ControlKind::TabStrip, "tbs1", "", 240, 180, 6390, 3990)
                                  .WithFont("Arial", 0)
                                  .WithTabs({"Leicht", "Mittel", "Schwer", "Extrem"}));
    for (const char* list : ListViews)
        window.controls.push_back(
            Control(ControlKind::ListView, list, "", 0, 0, 6330, 3855)
                .WithFont("", 12)
                .WithColumns({{"#", 415}, {"Name", 3100}, {"Datum", 1400}, {"Zeit", 1345}})
                .On("tbs1"));
    window.controls.push_back(Control(ControlKind::Button, "cmd3", "&OK", 1365, 4320, 2115, 465));
    window.controls.push_back(Control(ControlKind::Button, "cmd4", "&Löschen", 3480, 4320, 2115, 465));
    return window;
}

WindowDefinition ChampWindow()
{
    WindowDefinition window{.name = "champ", .caption = "Bitte Name eingeben:", .width = 3705, .height = 2430,
                            .backgroundRgb = Palette[12], // the main window's
                            .fontFace = "Arial", .offsetX = 266, .offsetY = 326};
    window.controls.push_back(Control(ControlKind::Label, "lbl2",
                                      "Gratulation! Sie haben es in die Ruhmeshalle geschafft.", 240, 105,
                                      3075, 555));
    window.controls.push_back(Control(ControlKind::TextBox, "ed1", "", 225, 735, 3105, 375));
    window.controls.push_back(Control(ControlKind::Button, "cmd5", "&OK", 255, 1335, 1515, 465));
    window.controls.push_back(Control(ControlKind::Button, "cmd6", "&Abbruch", 1770, 1335, 1515, 465));
    return window;
}

// Fills the four lists and shows the tab of the difficulty asked for.
void ruhm_Load()
{
    for (int d = 0; d < 4; ++d)
        for (const std::vector<std::string>& row : ListedRows(d))
            AppendListRow(ListViews[d], row);
    SelectTab("tbs1", ShownDifficulty);
}

void cmd3_Click()
{
    ModalDone = true;
}

// Clears the difficulty of the tab shown, after asking; the window then opens afresh.
void cmd4_Click()
{
    if (ShowMessageBox("Wirklich löschen?", "Ruhmeshalle", "&JA|&NEIN", BoxIcon::Question, 1) != 1)
        return;
    ResetDifficulty(SelectedTab("tbs1"));
    ModalDone = true;
    ReopenHallOfFame = true;
}

void champ_Load()
{
    SetControlText("ed1", PlayerName);
    FocusControl("ed1");
}

void cmd5_Click()
{
    ModalDone = true;
    PlayerName = ControlText("ed1");
    NameConfirmed = true;
}

void cmd6_Click()
{
    ModalDone = true;
}

} // namespace

void ShowHallOfFame(int difficulty)
{
    do {
        ReopenHallOfFame = false;
        ShownDifficulty = difficulty;
        RunModalWindow(RuhmWindow(), {{"ruhm_Load", ruhm_Load},
                                      {"cmd3_Click", cmd3_Click},
                                      {"ruhm_Close", cmd3_Click},
                                      {"cmd4_Click", cmd4_Click}});
        if (ReopenHallOfFame)
            ShowFailureMessage(SaveHallOfFame());
    } while (ReopenHallOfFame);
}

bool AskPlayerName()
{
    NameConfirmed = false;
    RunModalWindow(ChampWindow(), {{"champ_Load", champ_Load},
                                   {"cmd5_Click", cmd5_Click},
                                   {"cmd6_Click", cmd6_Click},
                                   {"champ_Close", cmd6_Click}});
    return NameConfirmed;
}

void InstallHallOfFameWindows()
{
    HallOfFameView.askPlayerName = AskPlayerName;
    HallOfFameView.showFailure = ShowFailureMessage;
    HallOfFameView.showHallOfFame = ShowHallOfFame;
}
