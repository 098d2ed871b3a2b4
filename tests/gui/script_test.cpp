// The script that drives the game in these tests: events in order to their handlers, the key-release
// rule, message-box and dialog answers.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "gui_fixture.h"
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
