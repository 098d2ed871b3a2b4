// Printing the board. The page is laid out in units of its printable area: 80 across and 60 down;
// a cell is 4 x 3 units and the grid starts at (15, 10) units. The symbols' small offsets are in dots.
#include "records/printing.h"

#include "engine/board_state.h"
#include "engine/settings.h"
#include "platform/printer.h"
#include "platform/window.h"

#include <string>

namespace {

struct PageUnits {
    int x = 0, y = 0; // one unit across and down, in dots
    int cellWidth = 0, cellHeight = 0;
};

// halves / 2 units, to the nearest dot (a tie rounds up).
int HalfUnits(int halves, int unit)
{
    return (halves * unit + 1) / 2;
}

// One symbol of the board. A given counts towards the footer's number.
void PrintCell(PrintTarget& printer, const PageUnits& unit, int column, int row, int value, int& givenCount)
{
    if (GivenGrid(column, row) != 0)
        ++givenCount;
    const int x = 2 * unit.x + (column - 1) * unit.cellWidth + 14 * unit.x;
    const int y = HalfUnits(3, unit.y) + (row - 1) * unit.cellHeight + 9 * unit.y;
    if (ShowDigits) // two digits start further left, so 10..12 stay inside the cell
        printer.Text(value >= 10 ? x - 25 : x + 7, y + 3, std::to_string(value));
    else // the narrow I moves right
        printer.Text(value == 9 ? x + 14 : x + 7, y + 3, std::string(1, static_cast<char>(64 + value)));
}

} // namespace

bool PrintBoardOn(PrintTarget& printer)
{
    if (!printer.BeginDocument("Brett drucken"))
        return false;
    printer.SetFont("ARIAL", 20);

    PageUnits unit;
    unit.x = printer.PageWidth() / 80;
    unit.y = printer.PageHeight() / 60;
    unit.cellWidth = 4 * unit.x;
    unit.cellHeight = 3 * unit.y;
    const int left = 15 * unit.x, top = 10 * unit.y;

    printer.SetPenWidth(2);
    for (int r = 1; r <= BoardSize; ++r)
        for (int c = 1; c <= BoardSize; ++c) {
            const int x = left + (c - 1) * unit.cellWidth, y = top + (r - 1) * unit.cellHeight;
            printer.Box(x, y, x + unit.cellWidth, y + unit.cellHeight);
        }
    printer.SetPenWidth(10);
    for (int boxRow = 1; boxRow <= 4; ++boxRow)
        for (int boxColumn = 1; boxColumn <= 3; ++boxColumn) {
            const int x = left + (boxColumn - 1) * 4 * unit.cellWidth;
            const int y = top + (boxRow - 1) * 3 * unit.cellHeight;
            printer.Box(x, y, x + 4 * unit.cellWidth, y + 3 * unit.cellHeight);
        }

    printer.SetPenWidth(1);
    int givenCount = 0;
    for (int c = 1; c <= BoardSize; ++c)
        for (int r = 1; r <= BoardSize; ++r)
            if (PlayGrid(c, r) != 0)
                PrintCell(printer, unit, c, r, PlayGrid(c, r), givenCount);

    printer.SetFont("ARIAL", 10);
    printer.Text(left, HalfUnits(95, unit.y),
                 "Schwierigkeitsgrad: " + DifficultyName[Difficulty & 3] + "mit " +
                     std::to_string(givenCount) + " Zahlen");
    return printer.EndDocument();
}

void PrintBoard()
{
    std::unique_ptr<PrintTarget> printer = SelectPrinter();
    if (!printer)
        return;
    if (!PrintBoardOn(*printer))
        ShowMessageBox("Druckerfehler!", "Kastenzahl", "OK", BoxIcon::Error, 1);
}
