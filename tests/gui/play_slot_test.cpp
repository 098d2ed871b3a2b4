// The board slot dialog: choosing a slot by click, key or OK, loading and saving brett.l12.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/engine_state.h"
#include "gui_fixture.h"
#include "play/slot_dialog.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

class SlotDialogTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        ResetEngineState();
        BoardSlot = 0;
    }
    ScopedTempFolder folder;
};

// A board with givens, an entry and notes.
void SomeBoard()
{
    SetPatternPuzzle([](int c, int r) { return (c + r) % 3 == 0; });
    PlayGrid(1, 1) = static_cast<uint8_t>(PatternValue(1, 1));
    CandidateMarks(2, 1, 5) = CandidateMarks(2, 1, 7) = true;
}

struct BoardContents {
    ByteGrid play, given;
    SymbolPlanes<bool> notes;
    bool operator==(const BoardContents&) const = default;
};
BoardContents Current()
{
    return {PlayGrid, GivenGrid, CandidateMarks};
}

void RunSlotDialog(bool load, const std::vector<std::string>& answer)
{
    ScriptDialogAnswer(answer);
    LibraryFileName = "brett.l12";
    if (load)
        OpenLoadDialog();
    else
        OpenSaveDialog();
    std::vector<std::string> unused;
    EXPECT_FALSE(TakeDialogAnswer(unused));
}

} // namespace

// A digit typed on any option finishes the dialog with that slot, loading or saving.
TEST_F(SlotDialogTest, ADigitTypedOnAnyOptionChoosesItsSlotAtOnce)
{
    SomeBoard();
    const BoardContents saved = Current();
    RunSlotDialog(false, {"opt1:3"});
    EXPECT_EQ(BoardSlot, 2);
    ResetEngineState();
    RunSlotDialog(true, {"opt4:3"});
    EXPECT_EQ(Current(), saved);
    ResetEngineState();
    RunSlotDialog(true, {"opt2:1"}); // slot 1 was never saved: blank
    EXPECT_EQ(Current(), BoardContents{});
    EXPECT_EQ(BoardSlot, 0);
}

// The dialog offers the slot used last, also from saving to loading; OK takes the selected option and
// a click on an option takes that one at once.
TEST_F(SlotDialogTest, OpensOnTheSlotUsedLastAcrossSaveAndLoad)
{
    SomeBoard();
    const BoardContents saved = Current();
    RunSlotDialog(false, {"opt4"});
    EXPECT_EQ(BoardSlot, 3);
    ResetEngineState();
    RunSlotDialog(true, {"cmd1"});
    EXPECT_EQ(Current(), saved); // givens, entries and notes alike
    EXPECT_EQ(BoardSlot, 3);
}

// Cancelling, by the button, the close box or Esc on an option, loads and saves nothing; a load
// computes the solution of the board all the same.
TEST_F(SlotDialogTest, CancellingChangesNothingButALoadStillSolves)
{
    SomeBoard();
    const BoardContents board = Current();
    for (const std::vector<std::string>& cancel :
         {std::vector<std::string>{"cmd2"}, {"frm1_Close"}, {"opt2:\x1b"}}) {
        RunSlotDialog(false, cancel);
        EXPECT_FALSE(std::filesystem::exists("brett.l12")) << cancel[0];
        SolutionGrid = {};
        RunSlotDialog(true, cancel);
        EXPECT_EQ(Current(), board) << cancel[0];
        EXPECT_EQ(SolutionGrid(1, 2), PatternValue(1, 2)) << cancel[0];
    }
}
