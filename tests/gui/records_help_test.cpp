// Help: the two topics open in the viewer from the built help file, whatever the letter case; a
// failure names the file as the caller spelled it; the menu, the Hilfe button and H reach their
// topics; the information window ends with its OK and its close box.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/menu.h"
#include "app/startup.h"
#include "gui_fixture.h"
#include "play/play_loop.h"
#include "records/help.h"
#include "screen/clock.h"
#include "temp_folder.h"

namespace {

const std::string Overview = "Kastenzahl – Übersicht";
const std::string Rules = "Spielregeln und Bedienung";

void NoSleep(int) {}

class HelpTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        std::filesystem::copy_file(KASTENZAHL_HELP_FILE, folder.path() / "Kasten12.chm");
    }
    void TearDown() override
    {
        CloseHelpViewer();
        SetSleepFunction(nullptr);
        SetMainWindowHandlers({});
        ResetScript();
    }
    ScopedTempFolder folder;
};

} // namespace

// Both topics, under any letter case of file and topic, show their page in one reused viewer while
// the main window goes on taking input.
TEST_F(HelpTest, TopicsOpenInOneViewerWithoutRegardToLetterCase)
{
    const struct {
        std::string file, topic, title, text;
    } cases[] = {
        {"Kasten12.chm", "Übersicht.htm", Overview, "Die Menüs"},
        {"kasten12.chm", "erklärung.htm", Rules, "Notizen"},
        {"KASTEN12.CHM", "ERKLÄRUNG.HTM", Rules, "Ruhmeshalle"},
        {"kasten12.chm", "übersicht.HTM", Overview, "Schwierigkeit"},
    };
    CloseHelpViewer(); // one left open by an earlier test would be reused
    const int madeBefore = HelpViewersMade();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + c.topic);
        ShowHelpTopic(c.file, c.topic);
        EXPECT_TRUE(ShownMessageBoxes().empty());
        EXPECT_TRUE(HelpViewerShown());
        EXPECT_EQ(HelpViewerTitle(), c.title);
        EXPECT_NE(HelpViewerText().find(c.text), std::string::npos);
        EXPECT_TRUE(MainWindowEnabled());
    }
    EXPECT_EQ(HelpViewersMade(), madeBefore + 1);
}

TEST_F(HelpTest, FailureNamesTheFileAsTheCallerSpelledIt)
{
    const struct {
        std::string file, topic;
        bool fileThere;
    } cases[] = {
        {"kasten12.chm", "erklärung.htm", false},
        {"Kasten12.chm", "Übersicht.htm", false},
        {"Kasten12.chm", "fehlt.htm", true},
        {"anders.chm", "Übersicht.htm", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + " " + c.topic);
        ResetScript();
        if (!c.fileThere)
            std::filesystem::remove(folder.path() / "Kasten12.chm");
        ScriptMessageBoxAnswer(1);
        ShowHelpTopic(c.file, c.topic);
        ASSERT_EQ(ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(ShownMessageBoxes()[0].text, "Error while trying to display a topic of " + c.file);
        EXPECT_EQ(ShownMessageBoxes()[0].buttons, "OK");
        EXPECT_FALSE(HelpViewerShown());
    }
}

// "&Anleitung" opens the overview; in the play loop the Hilfe button and its key H open the rules,
// and the loop goes on to the Esc after them.
TEST_F(HelpTest, MenuButtonAndKeyOpenTheirTopics)
{
    StartUp();
    SetSleepFunction(NoSleep);
    Win_0_MenuEvent(60);
    EXPECT_EQ(HelpViewerTitle(), Overview);
    for (bool byKey : {true, false}) {
        CloseHelpViewer();
        ResetScript();
        if (byKey)
            ScriptKey('H');
        else
            ScriptLeftClick(560, 790);
        ScriptKey(VK_ESCAPE);
        PlayLoop();
        EXPECT_TRUE(ShownMessageBoxes().empty());
        EXPECT_EQ(HelpViewerTitle(), Rules);
        EXPECT_EQ(PendingScriptEvents(), 0u);
    }
    CloseMainWindow(); // start-up placed it for the screen; later tests expect the test window
    ClockLabel = 0;
}

// "über &Kastenzahl..." opens `Inf`; its OK and its close box end it and the command returns.
TEST_F(HelpTest, InformationWindowEndsWithOkAndCloseBox)
{
    for (const char* answer : {"cmd15", "Inf_Close"}) {
        SCOPED_TRACE(answer);
        ResetScript();
        ScriptDialogAnswer({answer});
        Win_0_MenuEvent(1);
        std::vector<std::string> left;
        EXPECT_FALSE(TakeDialogAnswer(left));
        EXPECT_TRUE(MainWindowEnabled());
    }
}
