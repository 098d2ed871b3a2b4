// The script that drives the game in these tests: events in order to their handlers, the key-release
// rule, message-box and dialog answers.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "gui_fixture.h"
#include "platform/dialogs.h"
#include "platform/script.h"
#include "platform/window.h"
#include "recording_handlers.h"

TEST(PlatformScript, EventsComeInOrderAndReachTheirHandlers)
{
    OpenTestWindow();
    InstallRecordingHandlers();
    ScriptMouseMove(5, 6);
    ScriptLeftClick(100, 200);
    ScriptKey('L');
    ScriptMenu(44);
    ScriptRightClick(7, 8);
    ScriptCloseRequest();
    EXPECT_EQ(PendingScriptEvents(), 9u);

    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_FALSE(AnyMouseButtonDown());
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_LBUTTONDOWN);
    EXPECT_TRUE(AnyMouseButtonDown()); // held until the game waits for the release
    WaitMouseRelease();
    EXPECT_FALSE(AnyMouseButtonDown());
    WindowEvent key = WaitAndDispatchEvent();
    EXPECT_EQ(key.message, WM_KEYUP);
    EXPECT_EQ(key.wParam, 'L');
    WindowEvent menu = WaitAndDispatchEvent();
    EXPECT_EQ(menu.message, WM_COMMAND);
    EXPECT_EQ(menu.wParam, 44);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_RBUTTONDOWN);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_CLOSE);
    EXPECT_EQ(PendingScriptEvents(), 0u);
    EXPECT_THROW(WaitAndDispatchEvent(), ScriptExhausted);

    ASSERT_EQ(seen.moves.size(), 3u);
    EXPECT_EQ(seen.moves[0], std::make_pair(5.0f, 6.0f));
    EXPECT_EQ(seen.moves[1], std::make_pair(100.0f, 200.0f));
    EXPECT_EQ(seen.moves[2], std::make_pair(7.0f, 8.0f));
    EXPECT_EQ(seen.commands, std::vector<int>{44});
    EXPECT_EQ(seen.closes, 1);

    // Menu commands are dropped while commands are off.
    ScriptMenu(8);
    ScriptKey(VK_ESCAPE);
    SetMenuCommandsEnabled(false);
    WindowEvent escape = WaitAndDispatchEvent();
    SetMenuCommandsEnabled(true);
    EXPECT_EQ(escape.message, WM_KEYUP);
    EXPECT_EQ(escape.wParam, VK_ESCAPE);
    EXPECT_EQ(seen.commands, std::vector<int>{44});

    EXPECT_THROW(EndProgram(), ProgramEnded);
}

TEST(PlatformScript, ReleaseWithoutPressIsNotAKey)
{
    OpenTestWindow();
    ScriptKeyRelease('S');
    ScriptKey('A');
    WindowEvent event = WaitAndDispatchEvent();
    EXPECT_EQ(event.message, WM_KEYUP);
    EXPECT_EQ(event.wParam, 'A');
    ScriptKeyRelease('D');
    EXPECT_THROW(WaitAndDispatchEvent(), ScriptExhausted);
}

TEST(PlatformDialogs, ScriptedMessageBoxesAreRecordedAndAnswered)
{
    OpenTestWindow();
    EXPECT_EQ(ShowMessageBox("Spiel beenden?", "Kastenzahl", "&JA|&NEIN", BoxIcon::Question, 2), 2);
    ScriptMessageBoxAnswer(1);
    EXPECT_EQ(ShowMessageBox("Druckerfehler!", "", "OK", BoxIcon::Warning, 1), 1);
    ScriptMessageBoxAnswer(1);
    ScriptMessageBoxAnswer(2);
    EXPECT_EQ(ShowMessageBox("a", "t", "&JA|&NEIN", BoxIcon::Question, 2), 1);
    EXPECT_EQ(ShowMessageBox("b", "t", "&JA|&NEIN", BoxIcon::Question, 1), 2);
    const auto& boxes = ShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].text, "Spiel beenden?");
    EXPECT_EQ(boxes[0].title, "Kastenzahl");
    EXPECT_EQ(boxes[0].buttons, "&JA|&NEIN");
    EXPECT_EQ(boxes[0].defaultButton, 2);
    EXPECT_EQ(boxes[0].answer, 2);
    EXPECT_EQ(boxes[1].text, "Druckerfehler!");
    EXPECT_EQ(boxes[2].answer, 1);
    EXPECT_EQ(boxes[3].answer, 2);

    std::vector<std::string> answer;
    EXPECT_FALSE(TakeDialogAnswer(answer));
    ScriptDialogAnswer({"3"});
    ScriptDialogAnswer({"Tarvo", "ok"});
    ASSERT_TRUE(TakeDialogAnswer(answer));
    EXPECT_EQ(answer, std::vector<std::string>{"3"});
    ASSERT_TRUE(TakeDialogAnswer(answer));
    EXPECT_EQ(answer, (std::vector<std::string>{"Tarvo", "ok"}));
    EXPECT_FALSE(TakeDialogAnswer(answer));
    ResetScript();
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

namespace {

WindowDefinition NameEntry(const std::string& name)
{
    WindowDefinition window;
    window.name = name;
    window.caption = "Name";
    window.width = 4500;
    window.height = 2400;
    window.controls = {
        {ControlKind::TextBox, "ed1", "", 150, 150, 3000, 300},
        {ControlKind::Button, "cmdOk", "&OK", 150, 600, 1200, 375},
        Control(ControlKind::TabStrip, "tabs", "", 150, 1050, 3000, 900).WithTabs({"Leicht", "Mittel"}),
    };
    return window;
}

std::vector<std::string> calls;

// Records each handler; "cmdOk" ends the window.
const DialogHandlers recording = {
    {"cmdOk_Click",
     [] {
         calls.push_back("ok " + ControlText("ed1"));
         EXPECT_FALSE(MainWindowEnabled());
         ModalDone = true;
     }},
    {"ed1_KeyPress", [] { calls.push_back("key " + std::to_string(LastKeyPressed())); }},
    {"tabs_Click", [] { calls.push_back("tab " + std::to_string(SelectedTab("tabs"))); }},
    {"frmName_Close", [] { calls.push_back("close"); }},
};

} // namespace

// Each answer is one turn of the window's wait; its entries act in order, as the user would.
TEST(PlatformScript, ModalWindowsTakeTheirAnswersEntryByEntry)
{
    OpenTestWindow();
    calls.clear();
    ScriptDialogAnswer({"ed1=Tar", "ed1:vo\r", "tabs#1", "frmName_Close"});
    ScriptDialogAnswer({"cmdOk", "ed1=never used"});
    RunModalWindow(NameEntry("frmName"), recording);
    EXPECT_EQ(calls,
              (std::vector<std::string>{"key 118", "key 111", "key 13", "tab 1", "close", "ok Tarvo"}));
    std::vector<std::string> left;
    EXPECT_FALSE(TakeDialogAnswer(left));

    // Without a close handler the close box ends the window.
    ScriptDialogAnswer({"frmOther_Close"});
    RunModalWindow(NameEntry("frmOther"), {});

    // A window opened from a handler takes the next answer; ending it ends the window below too.
    calls.clear();
    ScriptDialogAnswer({"ed1=Ilse", "cmdAgain"});
    ScriptDialogAnswer({"ed1=Tarvo", "cmdOk"});
    WindowDefinition outer = NameEntry("frmOuter");
    outer.controls.push_back({ControlKind::Button, "cmdAgain", "&Nochmal", 1500, 600, 1200, 375});
    RunModalWindow(outer, {{"cmdAgain_Click", [] {
                                calls.push_back("again " + ControlText("ed1"));
                                RunModalWindow(NameEntry("frmName"), recording);
                                calls.push_back("back " + ControlText("ed1"));
                            }}});
    EXPECT_EQ(calls, (std::vector<std::string>{"again Ilse", "ok Tarvo", "back Ilse"}));
}

// A window that finds no answer, or an answer that fits none of its controls, ends the run; the main
// window takes input again.
TEST(PlatformScript, ModalWindowWithoutAFittingAnswerThrows)
{
    OpenTestWindow();
    EXPECT_THROW(RunModalWindow(NameEntry("frmName"), recording), ScriptExhausted);
    EXPECT_TRUE(MainWindowEnabled());
    ScriptDialogAnswer({"cmdMissing"});
    EXPECT_THROW(RunModalWindow(NameEntry("frmName"), recording), std::invalid_argument);
    EXPECT_TRUE(MainWindowEnabled());
    EXPECT_EQ(ControlText("ed1"), ""); // the window is gone
}
