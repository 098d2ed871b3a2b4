// The hall of fame's windows: what its lists show, clearing one tab after asking, the name entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/startup.h"
#include "engine/settings.h"
#include "gui_fixture.h"
#include "records/hall_of_fame.h"
#include "records/hall_of_fame_windows.h"
#include "screen/clock.h"
#include "temp_folder.h"

namespace {

class HallOfFameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        StartUp(); // the fresh folder has no hall of fame: every slot empty
        HallOfFame.ChampionNames[0][1] = "Anna";
        HallOfFame.ChampionTimes[0][1] = "00:05:00.0";
        HallOfFame.ChampionNames[2][1] = "Bert";
        HallOfFame.ChampionDates[2][1] = "01.12.2026";
        HallOfFame.ChampionTimes[2][1] = "00:09:00.0";
        HallOfFame.ChampionNames[2][2] = "Cleo";
        HallOfFame.ChampionTimes[2][2] = "00:09:30.0";
    }
    void TearDown() override
    {
        CloseMainWindow();
        ClockLabel = 0;
    }
    ScopedTempFolder folder;
};

} // namespace

TEST_F(HallOfFameWindowTest, ListsShowTheFilledRanksInOrder)
{
    const std::vector<std::vector<std::string>> schwer = {{"1.", "Bert", "01.12.2026", "00:09:00.0"},
                                                          {"2.", "Cleo", "", "00:09:30.0"}};
    EXPECT_EQ(ListedRows(2), schwer);
    EXPECT_EQ(ListedRows(0).size(), 1u);
    EXPECT_TRUE(ListedRows(1).empty());
}

// "&Löschen" asks first; "&JA" empties only the tab shown (not the current difficulty's), saves, and
// opens the window afresh; "&NEIN" changes nothing.
TEST_F(HallOfFameWindowTest, ClearingEmptiesOnlyTheShownTabAfterAsking)
{
    for (int answer : {2, 1}) {
        ResetScript();
        Difficulty = 0;
        ScriptMessageBoxAnswer(answer);
        ScriptDialogAnswer({"tbs1#2", "cmd4", "cmd3"});
        if (answer == 1)
            ScriptDialogAnswer({"cmd3"}); // the window opened afresh
        ShowHallOfFame(Difficulty);
        std::vector<std::string> unused;
        EXPECT_FALSE(TakeDialogAnswer(unused)) << answer;
        ASSERT_EQ(ShownMessageBoxes().size(), 1u);
        EXPECT_EQ(ShownMessageBoxes()[0].text, "Wirklich löschen?");
        EXPECT_EQ(ShownMessageBoxes()[0].buttons, "&JA|&NEIN");
        EXPECT_EQ(ShownMessageBoxes()[0].defaultButton, 1);
        EXPECT_EQ(ListedRows(2).size(), answer == 1 ? 0u : 2u);
        EXPECT_EQ(ListedRows(0).size(), 1u);
        EXPECT_EQ(std::filesystem::exists("Champions.Rhm"), answer == 1);
    }
    LoadHallOfFame(); // what was saved
    EXPECT_TRUE(ListedRows(2).empty());
    EXPECT_EQ(HallOfFame.ChampionNames[0][1], "Anna");
}

// The name entry offers the name confirmed last; OK takes the text as typed (also an empty one),
// "&Abbruch" and the close box take nothing.
TEST_F(HallOfFameWindowTest, NameEntryOffersTheLastNameAndTakesItOnlyOnOk)
{
    const struct {
        std::vector<std::string> answer;
        bool confirmed;
        const char* name;
    } cases[] = {
        {{"cmd5"}, true, "Tarvo"},
        {{"ed1=", "cmd5"}, true, ""},
        {{"ed1=Xaver", "cmd6"}, false, "Tarvo"},
        {{"ed1=Xaver", "champ_Close"}, false, "Tarvo"},
    };
    for (const auto& c : cases) {
        PlayerName = "Tarvo";
        ScriptDialogAnswer(c.answer);
        EXPECT_EQ(AskPlayerName(), c.confirmed) << c.answer.front();
        EXPECT_EQ(PlayerName, c.name) << c.answer.front();
    }
}
