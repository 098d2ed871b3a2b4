// The script for headless tests: a whole run of input (events, message-box and dialog answers) is
// queued here and fed to the game's own event waits, message boxes and dialogs in order; the time of
// day, random draws and sleeping can be replaced too. A binary that links the script's input in place
// of the window's real input sees only its script: a wait that finds the script used up throws
// ScriptExhausted, and EndProgram throws ProgramEnded, so a test can run a command from start to end
// and then look at the state, the client image and the files.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

struct ScriptExhausted : std::runtime_error {
    ScriptExhausted() : std::runtime_error("scripted input used up") {}
};
struct ProgramEnded : std::runtime_error {
    ProgramEnded() : std::runtime_error("program ended") {}
};

// Empties the queue, the answers and the record of message boxes.
void ResetScript();

void ScriptMouseMove(int x, int y);
void ScriptLeftPress(); // the press; the button counts as held until WaitMouseRelease
void ScriptRightPress();
void ScriptLeftClick(int x, int y); // move there, then press
void ScriptRightClick(int x, int y);
void ScriptKey(int virtualKey);        // press and release
void ScriptKeyRelease(int virtualKey); // a release without a press seen by the game
void ScriptMenu(int command);
void ScriptCloseRequest();
// The next message box returns this button number.
void ScriptMessageBoxAnswer(int button);
// The next dialog takes these answers. A modal window (platform/dialogs.h) takes one answer each time
// it waits and does its entries in order as the user would: "name=text" sets a text box, "name#k"
// chooses tab k, "name:chars" types the characters in the control, "<window>_Close" clicks the close
// box and a bare name clicks that button or option button. A window waiting with no answer left
// throws ScriptExhausted; an entry that fits no control throws std::invalid_argument.
void ScriptDialogAnswer(const std::vector<std::string>& answer);
bool TakeDialogAnswer(std::vector<std::string>& answer);

// What the message boxes asked, oldest first, for tests to look at.
struct ShownMessageBox {
    std::string text, title, buttons;
    int defaultButton = 0;
    int answer = 0;
};
const std::vector<ShownMessageBox>& ShownMessageBoxes();
size_t PendingScriptEvents();

// Time, random draws and sleeping (any binary, also without a window).
// Replaces the time of day (nullptr restores the real clock).
void SetTimeOfDaySource(double (*source)());
// Replaces the generator by a function of n (nullptr restores it).
void SetRandomSource(int (*source)(int n));
// Replaces the sleep by a function of the milliseconds (nullptr restores it), so nothing waits.
void SetSleepFunction(void (*sleeper)(int milliseconds));
