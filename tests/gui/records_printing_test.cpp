// Printing the board: the page's arithmetic on a recording printer, and the whole command into a PDF
// file read back with poppler's pdftotext.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/exit.h"
#include "app/menu.h"
#include "app/startup.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "gui_fixture.h"
#include "platform/inspection.h"
#include "platform/printer.h"
#include "platform/script.h"
#include "play/symbol_picker.h"
#include "records/printing.h"
#include "screen/clock.h"
#include "temp_folder.h"
#include "test_boards.h"

namespace {

// What PrintBoardOn asked of the printer, with the pen width and font size in force.
struct PrintedBox {
    int x1, y1, x2, y2, pen;
};
struct PrintedText {
    int x, y;
    std::string text;
    int pointSize;
    bool operator==(const PrintedText&) const = default;
};

class RecordingPrinter final : public PrintTarget {
  public:
    RecordingPrinter(int width, int height, bool startFails = false)
        : width_(width), height_(height), startFails_(startFails)
    {
    }
    bool BeginDocument(const std::string& name) override
    {
        documentName = name;
        return !startFails_;
    }
    int PageWidth() const override { return width_; }
    int PageHeight() const override { return height_; }
    void SetFont(const std::string& face, int pointSize) override
    {
        this->face = face;
        pointSize_ = pointSize;
    }
    void SetPenWidth(int dots) override { pen_ = dots; }
    void Box(int x1, int y1, int x2, int y2) override { boxes.push_back({x1, y1, x2, y2, pen_}); }
    void Text(int x, int y, const std::string& utf8) override { texts.push_back({x, y, utf8, pointSize_}); }
    bool EndDocument() override
    {
        ended = true;
        return true;
    }

    std::string documentName, face;
    std::vector<PrintedBox> boxes;
    std::vector<PrintedText> texts;
    bool ended = false;

  private:
    int width_, height_;
    bool startFails_;
    int pen_ = 0, pointSize_ = 0;
};

// The first n cells of the pattern board in reading order as givens: rows 1..3 already hold every
// symbol.
void SetFirstGivens(int n)
{
    SetPatternPuzzle([n](int c, int r) { return (r - 1) * 12 + c <= n; });
}

std::string PdfText(const std::string& path)
{
    std::string text;
    FILE* pipe = popen(("pdftotext -raw '" + path + "' -").c_str(), "r");
    if (pipe == nullptr)
        return text;
    std::array<char, 4096> chunk;
    size_t read;
    while ((read = fread(chunk.data(), 1, chunk.size(), pipe)) > 0)
        text.append(chunk.data(), read);
    pclose(pipe);
    return text;
}

std::vector<std::string> Words(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

} // namespace

// A page of 4800 x 6600 dots: units of 60 x 110 dots, cells of 240 x 330, the grid from (900, 1100).
TEST(PrintLayoutTest, GridOfCellsAndBoxesFromTheUnits)
{
    PlayGrid = GivenGrid = {};
    RecordingPrinter printer(4800, 6600);
    ASSERT_TRUE(PrintBoardOn(printer));
    EXPECT_EQ(printer.documentName, "Brett drucken");
    EXPECT_EQ(printer.face, "ARIAL");
    EXPECT_TRUE(printer.ended);
    ASSERT_EQ(printer.boxes.size(), 144u + 12u);
    struct Case {
        size_t index;
        PrintedBox box;
    };
    const Case cases[] = {
        {0, {900, 1100, 1140, 1430, 2}},     // cell (1, 1)
        {13, {1140, 1430, 1380, 1760, 2}},   // cell (2, 2)
        {143, {3540, 4730, 3780, 5060, 2}},  // cell (12, 12)
        {144, {900, 1100, 1860, 2090, 10}},  // box (1, 1): 4 cells by 3
        {155, {2820, 4070, 3780, 5060, 10}}, // box row 4, column 3
    };
    for (const Case& c : cases) {
        const PrintedBox& box = printer.boxes[c.index];
        EXPECT_EQ(std::vector<int>({box.x1, box.y1, box.x2, box.y2, box.pen}),
                  std::vector<int>({c.box.x1, c.box.y1, c.box.x2, c.box.y2, c.box.pen}))
            << "box " << c.index;
    }
    // An empty board: the footer alone, with no givens.
    ASSERT_EQ(printer.texts.size(), 1u);
    EXPECT_EQ(printer.texts[0], (PrintedText{900, 5225, "Schwierigkeitsgrad:  Leicht mit 0 Zahlen", 10}));
}

// Anchor (960 + 240 (c - 1), 1155 + 330 (r - 1)); 1..9 and letters 7 dots right of it and 10..12 25
// dots left, so 32 dots further left; the narrow I 14 dots right; all 3 dots down.
TEST(PrintLayoutTest, SymbolPositionsInDigitsAndLetters)
{
    struct Case {
        int column, row, value;
        bool digits;
        PrintedText expected;
    };
    const Case cases[] = {
        {1, 1, 1, true, {967, 1158, "1", 20}},     {1, 1, 10, true, {935, 1158, "10", 20}},
        {3, 2, 9, true, {1447, 1488, "9", 20}},    {3, 2, 12, true, {1415, 1488, "12", 20}},
        {12, 12, 1, false, {3607, 4788, "A", 20}}, {12, 12, 9, false, {3614, 4788, "I", 20}},
        {5, 7, 12, false, {1927, 3138, "L", 20}},
    };
    for (const Case& c : cases) {
        PlayGrid = GivenGrid = {};
        PlayGrid(c.column, c.row) = static_cast<uint8_t>(c.value);
        ShowDigits = c.digits;
        RecordingPrinter printer(4800, 6600);
        ASSERT_TRUE(PrintBoardOn(printer));
        ASSERT_EQ(printer.texts.size(), 2u);
        EXPECT_EQ(printer.texts[0], c.expected) << c.column << "," << c.row << " = " << c.value;
    }
    ShowDigits = true;
}

// The footer counts the givens among the printed symbols, not the player's entries; half units round
// to the nearest dot.
TEST(PrintLayoutTest, FooterCountsGivensAndNamesTheDifficulty)
{
    SetFirstGivens(47);
    PlayGrid(12, 12) = 5; // an entry of the player's
    Difficulty = 2;
    RecordingPrinter printer(4800, 6660); // units of 111 dots: 1.5 and 47.5 units end in a half
    ASSERT_TRUE(PrintBoardOn(printer));
    Difficulty = 0;
    ASSERT_EQ(printer.texts.size(), 49u);
    EXPECT_EQ(printer.texts[0].y, 167 + 999 + 3);
    EXPECT_EQ(printer.texts.back(), (PrintedText{900, 5273, "Schwierigkeitsgrad: Schwer mit 47 Zahlen", 10}));
}

TEST(PrintLayoutTest, AFailedStartPrintsNothing)
{
    RecordingPrinter printer(4800, 6600, true);
    EXPECT_FALSE(PrintBoardOn(printer));
    EXPECT_TRUE(printer.boxes.empty());
    EXPECT_TRUE(printer.texts.empty());
}

namespace {

// Printing with the game's window and menus up: into a PDF file, an unusable one, or none chosen.
class PrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override
    {
        OpenTestWindow();
        StartUp();
        SetMainWindowHandlers({Win_0_MenuEvent, Win_0_MouseMove, Win_0_Close});
    }
    void TearDown() override
    {
        PrintToPdfFile("", 0, 0);
        ShowDigits = true;
        CloseMainWindow();
        ClockLabel = 0;
    }
    ScopedTempFolder folder_;
};

} // namespace

TEST_F(PrintCommandTest, BoardGoesIntoThePdfWithFooterAndSymbols)
{
    struct Case {
        bool digits;
        std::vector<std::string> symbols;
    };
    const Case cases[] = {
        {true, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {false, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L"}},
    };
    for (const Case& c : cases) {
        SetFirstGivens(47);
        ShowDigits = c.digits;
        const std::string path = c.digits ? "digits.pdf" : "letters.pdf";
        PrintToPdfFile(path, 9600, 13200); // 8 x 11 inches at 1200 dots per inch
        PrintBoard();
        EXPECT_TRUE(ShownMessageBoxes().empty());
        const std::string text = PdfText(path);
        // pdftotext reads the two blanks before the difficulty as one.
        EXPECT_NE(text.find("Schwierigkeitsgrad: Leicht mit 47 Zahlen"), std::string::npos) << text;
        const std::vector<std::string> words = Words(text);
        for (const std::string& symbol : c.symbols)
            EXPECT_TRUE(std::ranges::find(words, symbol) != words.end())
                << symbol << " missing in " << path << ":\n"
                << text;
    }
}

TEST_F(PrintCommandTest, FailingPrinterSaysSoAndLeavesTheBoard)
{
    SetFirstGivens(47);
    const BoardState before = Board;
    PrintToPdfFile((folder_.path() / "no-such-folder" / "board.pdf").string(), 4800, 6600);
    PrintBoard();
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].text, "Druckerfehler!");
    EXPECT_EQ(ShownMessageBoxes()[0].buttons, "OK");
    EXPECT_TRUE(Board.PlayGrid == before.PlayGrid && Board.GivenGrid == before.GivenGrid);
}

TEST_F(PrintCommandTest, CancelledPrinterChoicePrintsAndShowsNothing)
{
    SetFirstGivens(47);
    PrintBoard(); // no PDF file set: the script cancels the printer-selection dialog
    EXPECT_TRUE(ShownMessageBoxes().empty());
    EXPECT_TRUE(folder_.empty());
}

namespace {
void NoSleep(int) {}
} // namespace

// Every way to print: the two menu commands, and the Drucken button and its key in the play loop.
TEST_F(PrintCommandTest, MenuButtonAndKeyPrintTheBoard)
{
    LibraryFileName = "leicht.l12"; // Spieldruck's new game comes from here
    SetFirstGivens(47);
    for (int16_t record = 0; record < 4; ++record)
        SaveBoardRecord(record);
    SetSleepFunction(NoSleep);
    struct Case {
        const char* name;
        int command;
        void (*script)();
    };
    const Case cases[] = {
        {"Brett drucken", 27, [] {}},
        {"Spieldruck", 12, [] { ScriptKey(VK_ESCAPE); }},
        {"D key", 10,
         [] {
             ScriptKey('D');
             ScriptKey(VK_ESCAPE);
         }},
        {"Drucken button", 10,
         [] {
             ScriptLeftClick(300, 790);
             ScriptKey(VK_ESCAPE);
         }},
    };
    for (const Case& c : cases) {
        SetFirstGivens(47);
        const std::string path = std::string(c.name) + ".pdf";
        PrintToPdfFile(path, 9600, 13200);
        c.script();
        Win_0_MenuEvent(c.command);
        EXPECT_NE(PdfText(path).find("mit 47 Zahlen"), std::string::npos) << c.name;
    }
    SetSleepFunction(nullptr);
}
