// The game's small modal windows, each described as a table of controls that RunModalWindow turns into
// a real window. Positions and sizes are in twips; the handlers are found by the control's name.
//
// While a window runs, the main window takes no input. Handlers are called one at a time from the
// routine's own wait, never inside the window system's event handling, so a handler may open another
// modal window (which then runs on top of the first) or show a message box.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

// 15 twips are one pixel (96 dpi), rounded to the nearest pixel (a whole number of twips never lies
// exactly half-way).
constexpr int TwipsToPixels(int twips)
{
    return twips >= 0 ? (twips + 7) / 15 : -((7 - twips) / 15);
}

// The window's outer size includes its frame: the client area is this much smaller (pixels).
constexpr int DialogFrameWidth = 6;   // left and right border
constexpr int DialogFrameHeight = 25; // title bar and top and bottom border

enum class ControlKind { Label, TextBox, Button, OptionButton, ListView, TabStrip };

struct Column {
    std::string caption;
    int widthTwips = 0;
};

struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;
    // Label and button text ("&" marks the Alt key of a button), a text box's first text.
    std::string caption;
    int x = 0, y = 0, width = 0, height = 0; // twips, relative to the window's client area
    std::string fontFace;                    // empty: the window's
    int fontPointSize = 0;                   // 0: the window's
    std::vector<Column> columns;             // list views: a report with these columns
    std::vector<std::string> tabs;           // tab strips: the tab captions
    // A list view naming a tab strip here is a page of it: the k-th such list view (in table order)
    // fills the page of tab k, and its own position and size are not used. Other controls sit on the
    // window and leave this empty.
    std::string parent;

    Control() = default;
    Control(ControlKind kind, std::string name, std::string caption, int x, int y, int width, int height)
        : kind(kind), name(std::move(name)), caption(std::move(caption)), x(x), y(y), width(width),
          height(height)
    {
    }
    // For tables: a copy with the rest set.
    Control WithFont(std::string face, int pointSize) const
    {
        Control control = *this;
        control.fontFace = std::move(face);
        control.fontPointSize = pointSize;
        return control;
    }
    Control WithColumns(std::vector<Column> listColumns) const
    {
        Control control = *this;
        control.columns = std::move(listColumns);
        return control;
    }
    Control WithTabs(std::vector<std::string> tabCaptions) const
    {
        Control control = *this;
        control.tabs = std::move(tabCaptions);
        return control;
    }
    Control On(std::string parentName) const
    {
        Control control = *this;
        control.parent = std::move(parentName);
        return control;
    }
};

struct WindowDefinition {
    std::string name;
    std::string caption;
    int width = 0, height = 0; // twips, the outer size with the frame
    uint32_t backgroundRgb = 0xC0C0C0;
    std::string fontFace = "Arial";
    int fontPointSize = 8;
    int offsetX = 0, offsetY = 0; // pixels right and down of the main window's frame corner
    std::vector<Control> controls = {};
};

using DialogHandler = void (*)();
// Handlers by name: "<control>_Click" (buttons, option buttons, a tab chosen on a tab strip),
// "<control>_KeyPress" (a key typed in a text box, button or option button; LastKeyPressed tells which),
// "<window>_Load" (once, after the controls are made and before the window shows) and "<window>_Close"
// (the title bar's close box; the window stays open unless the handler sets ModalDone, and without
// such a handler the close box sets ModalDone).
using DialogHandlers = std::map<std::string, DialogHandler>;

// Set by the game's handlers to end the innermost modal window. RunModalWindow clears it when the
// window opens and leaves it as it was when it returns: a window opened from a handler that ends with
// ModalDone set ends the window below it too, unless that handler clears it again.
extern bool ModalDone;

// Disables the main window, opens the window owned by it at the main window's corner plus the offset,
// and handles its input until ModalDone is set, the window's main window is closed or the program
// ends; then destroys the window, and enables the main window again and brings it to the front (or,
// when this window was opened from another modal window, returns the input to that one).
void RunModalWindow(const WindowDefinition& window, const DialogHandlers& handlers);

// For the handlers while windows are open. A control is found by its name, in the innermost window
// first; an unknown name does nothing (or reads as empty, 0, false).
void SetControlText(const std::string& name, const std::string& text); // text box, label, button
std::string ControlText(const std::string& name);
void FocusControl(const std::string& name);
std::string FocusedControl(); // the control with the focus in the innermost window, or ""
void AppendListRow(const std::string& listView, const std::vector<std::string>& cells);
void ClearList(const std::string& listView);
int ListRowCount(const std::string& listView);
void SelectTab(const std::string& tabStrip, int index); // 0-based
int SelectedTab(const std::string& tabStrip);           // -1 for an unknown tab strip
void SetOptionChecked(const std::string& optionButton, bool checked);
bool OptionChecked(const std::string& optionButton);
// The character of the key behind the latest "_KeyPress" (13 for Enter, 27 for Esc, 8 for Backspace).
int LastKeyPressed();
