// The row of six owner-drawn buttons in the strip below the board, shared by the play loop and the
// own-board editor: their table, drawing, hit zones and the actions that both loops run alike.
#pragma once

#include <cstdint>
#include <string>

enum ButtonNumber { LadenButton, SichernButton, DruckenButton, NeustartButton, HilfeButton, AbbruchButton };

struct BarButton {
    const char* caption; // the underscore marks the accelerator letter
    int16_t left;        // x of the drawn button
    int16_t hitRight;    // last x of its hit zone, which reaches up to the next button
    char key;            // its shortcut key
};

// A copy of the empty strip below the board, taken at start-up: putting it back erases the bar.
extern int StripImage;

constexpr int ButtonCount = 6;
constexpr int16_t ButtonTop = 778;
extern const BarButton ButtonBar[ButtonCount];

// A button with its caption; pressed draws it pushed in.
void DrawButton(const std::string& caption, int16_t x, int16_t y, bool pressed);
// One accelerator letter in dark red over a white shadow; used by DrawButton.
void DrawAccelerator(const std::string& letter, int16_t x, int16_t y);
// All six buttons raised, left to right.
void DrawButtonBar();
// The button whose hit zone holds the pointer (MouseX, MouseY), or -1.
int ButtonAtPointer();
// The button whose shortcut is this upper-case key, or -1.
int ButtonForKey(int key);
// A released key's code with lower-case letters as upper case: both act the same.
int UpperCaseKey(int key);
// The action of Laden, Sichern, Drucken, Neustart or Hilfe: the button drawn pressed, its work, then
// the release of the mouse button waited for and the button raised again. Laden refreshes the clock
// only when refreshClock is set.
void RunButtonAction(int button, bool refreshClock);
