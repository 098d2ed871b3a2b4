// The main window, its event stream, menus and message boxes.
//
// The game pulls events: each of its loops calls WaitAndDispatchEvent, which blocks until the next
// event, hands pointer moves, menu commands and close requests to the handlers the game installed,
// and returns the event so the loop can look at its message number and key code. Menu commands are
// queued like every other event, so a command never runs inside the menu's own event handling, and
// they are dropped while commands are switched off (a command is already running).
#pragma once

#include <cstdint>
#include <string>

// Message numbers of the events the game's loops look at.
constexpr int WM_NULL = 0x0000;
constexpr int WM_CLOSE = 0x0010;
constexpr int WM_KEYUP = 0x0101;
constexpr int WM_COMMAND = 0x0111;
constexpr int WM_MOUSEMOVE = 0x0200;
constexpr int WM_LBUTTONDOWN = 0x0201;
constexpr int WM_RBUTTONDOWN = 0x0204;

// Virtual-key codes besides 'A'..'Z' and '0'..'9' (which are their upper-case character codes).
constexpr int VK_RETURN = 13;
constexpr int VK_ESCAPE = 27;

struct WindowEvent {
    int message = WM_NULL;
    int wParam = 0; // the key code of WM_KEYUP, the command number of WM_COMMAND
};

struct MainWindowHandlers {
    void (*menuEvent)(int32_t command) = nullptr;
    void (*mouseMove)(float x, float y) = nullptr;
    void (*close)() = nullptr;
};

// Creates the application object. Call once, before anything else here.
void InitPlatform(int& argc, char** argv);

int ScreenWidth();
int ScreenHeight();

void OpenMainWindow(const std::string& title, int left, int top, int outerWidth, int outerHeight);
void SetClientSize(int width, int height);
void BringMainWindowToFront();
void SetMainWindowHandlers(const MainWindowHandlers& handlers);
bool MainWindowExists();
void CloseMainWindow();
// A disabled main window takes no input (a modal window of the game is open).
void EnableMainWindow(bool enabled);
// Switched off while a menu command runs: the menu bar starts no other command meanwhile.
void SetMenuCommandsEnabled(bool enabled);

// Blocks (without spinning) until the next event, dispatches it to its handler and returns it.
WindowEvent WaitAndDispatchEvent();
bool AnyMouseButtonDown();
// Returns once no mouse button is held down; events arriving meanwhile wait in the queue.
void WaitMouseRelease();

// Ends the program at once.
[[noreturn]] void EndProgram();

// Menus: built from popups of string items carrying command numbers.
int CreateMenuBar(); // handles are positive; 0 means the platform refused
int CreatePopupMenu();
bool AppendMenuItem(int menu, int command, const std::string& caption); // "&" marks the access key
bool AppendMenuSeparator(int menu);
bool AppendPopup(int bar, int popup, const std::string& caption);
void DestroyMenu(int menu);
void InstallMenuBar(int bar); // destroys the bar installed before, if any
void CheckMenuItem(int command, bool checked);

enum class BoxIcon { None, Question, Information, Warning, Error };
// Buttons are given as one text with "|" between the captions; returns the 1-based number of the
// chosen button (closing the box chooses the default button).
int ShowMessageBox(const std::string& text, const std::string& title, const std::string& buttons,
                   BoxIcon icon, int defaultButton);

// A text label child of the main window (the game clock). Its text may be set from any thread.
int CreateLabel(int x, int y, int width, int height, const std::string& text, const std::string& fontFace,
                int pointSize, uint32_t backgroundRgb);
void SetLabelText(int label, const std::string& text);

// The platform's warning sound.
void Beep();
