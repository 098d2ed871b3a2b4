// The own-board editor: givens set, replaced and removed through the picker and the right button, and
// its keys.
#include <gtest/gtest.h>

#include "engine/board_check.h"
#include "play/own_board_editor.h"
#include "play_fixture.h"
#include "test_boards.h"

namespace {

// Half the cells are givens (column + row even).
class EditorTest : public PlayTest {
  protected:
    void SetUp() override
    {
        PlayTest::SetUp();
        SetPatternPuzzle([](int c, int r) { return (c + r) % 2 == 0; });
    }
    static bool RunEditor()
    {
        try {
            OwnBoardEditor();
            return true;
        } catch (const ScriptExhausted&) {
            return false;
        }
    }
};

int Givens()
{
    int n = 0;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            n += GivenGrid(c, r) != 0;
    return n;
}

} // namespace

TEST_F(EditorTest, ClicksSetReplaceAndRemoveGivens)
{
    PlayGrid(1, 2) = 9;                              // a player's entry
    ScriptEntry(2, 2, 5);                            // a given replaced by 5
    ScriptEntry(1, 2, 9);                            // the entry becomes a given
    ScriptLeftClick(CellCentreX(4), CellCentreY(4)); // a given's picker cancelled
    ScriptRightPress();
    ScriptRightClick(CellCentreX(6), CellCentreY(6)); // a given removed
    ScriptRightClick(CellCentreX(3), CellCentreY(2)); // an empty cell: nothing
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunEditor());
    EXPECT_TRUE(EditingOwnBoard); // the menu command clears it after the editor
    const struct {
        int c, r, value;
    } cells[] = {{2, 2, 5}, {1, 2, 9}, {4, 4, 0}, {6, 6, 0}, {3, 2, 0}};
    for (const auto& cell : cells) {
        EXPECT_EQ(GivenGrid(cell.c, cell.r), cell.value) << cell.c << "," << cell.r;
        EXPECT_EQ(PlayGrid(cell.c, cell.r), cell.value) << cell.c << "," << cell.r;
    }
    EXPECT_GT(CountInCell(2, 2, Palette[0]), 40); // drawn black, as a given
}

// Esc always ends the editor, A only while symbols are digits; X shuffles the board being edited and
// K then O solves it.
TEST_F(EditorTest, KeysEndShuffleAndSolve)
{
    for (bool digits : {true, false}) {
        ShowDigits = digits;
        ScriptKey('A');
        ScriptKey('Z');
        ASSERT_EQ(RunEditor(), digits);
        EXPECT_EQ(PendingScriptEvents(), digits ? 2u : 0u);
        ResetScript();
    }
    SetPatternPuzzle([](int c, int r) { return (c + 2 * r) % 3 != 0; }); // one the solver finishes
    const ByteGrid before = GivenGrid;
    const int givens = Givens();
    ScriptKey('X');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunEditor());
    EXPECT_NE(GivenGrid, before);
    EXPECT_EQ(Givens(), givens);
    EXPECT_TRUE(IsConsistent());

    ScriptKey('K');
    ScriptKey('O');
    ScriptKey(VK_ESCAPE);
    ASSERT_TRUE(RunEditor());
    EXPECT_TRUE(IsBoardFull());
    EXPECT_TRUE(IsConsistent());
}
