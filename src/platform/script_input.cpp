// Scripted input for headless tests, in place of the window's real input: a whole run of input is
// queued here and fed to the game's own event waits, message boxes and modal windows in order. A wait
// that finds the script used up throws ScriptExhausted, and EndProgram throws ProgramEnded, so a test can run
// a command from start to end and then look at the state, the client image and the files. What the window
// itself receives (a real pointer, keys) is ignored: a scripted run sees only its script.
#include "platform/dialogs.h"
#include "platform/event_dispatch.h"
#include "platform/qt_internal.h"
#include "platform/script.h"
#include "platform/window.h"

#include <QCoreApplication>
#include <QPrinter>
#include <deque>
#include <set>

using platform_events::QueuedEvent;

namespace {

enum class ScriptKind { Move, LeftPress, RightPress, KeyPress, KeyRelease, Menu, Close };
struct ScriptEvent {
    ScriptKind kind;
    int a = 0, b = 0;
};

std::deque<ScriptEvent> script;
std::set<int> keysDown; // keys whose scripted press the game saw
bool buttonHeld = false;
int lastMoveX = 0, lastMoveY = 0;
std::deque<int> boxAnswers;
std::deque<std::vector<std::string>> dialogAnswers;
std::vector<ShownMessageBox> shownBoxes;

// The next scripted event the game gets to see, or false when the script is used up.
bool NextScripted(QueuedEvent& out)
{
    while (!script.empty()) {
        ScriptEvent event = script.front();
        script.pop_front();
        switch (event.kind) {
        case ScriptKind::Move:
            lastMoveX = event.a;
            lastMoveY = event.b;
            out = {WM_MOUSEMOVE, 0, event.a, event.b};
            return true;
        case ScriptKind::LeftPress:
        case ScriptKind::RightPress:
            buttonHeld = true;
            out = {event.kind == ScriptKind::LeftPress ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, lastMoveX,
                   lastMoveY};
            return true;
        case ScriptKind::KeyPress:
            keysDown.insert(event.a);
            break;
        case ScriptKind::KeyRelease:
            if (keysDown.erase(event.a)) {
                out = {WM_KEYUP, event.a, 0, 0};
                return true;
            }
            break;
        case ScriptKind::Menu:
            out = {WM_COMMAND, event.a, 0, 0};
            return true;
        case ScriptKind::Close:
            out = {WM_CLOSE, 0, 0, 0};
            return true;
        }
    }
    return false;
}

// One entry of a dialog answer, done as the user would in the innermost modal window:
// "name=text" sets a text box, "name#k" chooses tab k, "name:chars" types the characters in the
// control, "<window>_Close" is the close box, and a bare name clicks that button or option button.
void ApplyDialogEntry(const std::string& entry)
{
    const size_t mark = entry.find_first_of("=#:");
    const std::string name = entry.substr(0, mark);
    const std::string rest = mark == std::string::npos ? std::string() : entry.substr(mark + 1);
    const bool known = qtplatform::HasModalControl(name);
    if (mark == std::string::npos && name == qtplatform::InnermostModalWindowName() + "_Close") {
        qtplatform::CloseModalWindow();
        return;
    }
    if (known && mark == std::string::npos && qtplatform::ClickModalControl(name))
        return;
    if (known && mark != std::string::npos) {
        switch (entry[mark]) {
        case '=':
            SetControlText(name, rest);
            return;
        case '#':
            SelectTab(name, std::stoi(rest));
            return;
        default:
            for (unsigned char character : rest)
                qtplatform::TypeInModalControl(name, character);
            return;
        }
    }
    throw std::invalid_argument("dialog answer \"" + entry + "\" fits no control of " +
                                qtplatform::InnermostModalWindowName());
}

} // namespace

namespace qtplatform {

// A modal window takes the script's next dialog answer, entry by entry, each entry's handlers run
// before the next; entries after the one that ended the window are not used.
void WaitForModalInput()
{
    QCoreApplication::processEvents();
    std::vector<std::string> answer;
    if (!TakeDialogAnswer(answer))
        throw ScriptExhausted();
    for (const std::string& entry : answer) {
        if (!ModalWindowWaiting())
            break;
        ApplyDialogEntry(entry);
        RunQueuedModalHandlers();
    }
}

std::unique_ptr<QPrinter> SystemPrinter()
{
    return nullptr;
}

void QueueMouseMove(int, int) {}
void QueueButtonPress(int, int, int) {}
void QueueKeyPress(int, unsigned long long, bool) {}
void QueueKeyRelease(int, unsigned long long, bool) {}
void QueueClose() {}
void QueueMenuCommand(int) {}

} // namespace qtplatform

WindowEvent WaitAndDispatchEvent()
{
    for (;;) {
        QCoreApplication::processEvents(); // labels and repaints keep going
        QueuedEvent event;
        if (!NextScripted(event))
            throw ScriptExhausted();
        if (platform_events::Dispatch(event))
            return WindowEvent{event.message, event.wParam};
    }
}

bool AnyMouseButtonDown()
{
    return buttonHeld;
}

void WaitMouseRelease()
{
    buttonHeld = false;
}

void EndProgram()
{
    throw ProgramEnded();
}

int ShowMessageBox(const std::string& text, const std::string& title, const std::string& buttons, BoxIcon,
                   int defaultButton)
{
    int answer = defaultButton;
    if (!boxAnswers.empty()) {
        answer = boxAnswers.front();
        boxAnswers.pop_front();
    }
    shownBoxes.push_back({text, title, buttons, defaultButton, answer});
    return answer;
}

void ResetScript()
{
    script.clear();
    keysDown.clear();
    buttonHeld = false;
    boxAnswers.clear();
    dialogAnswers.clear();
    shownBoxes.clear();
}

void ScriptMouseMove(int x, int y)
{
    script.push_back({ScriptKind::Move, x, y});
}
void ScriptLeftPress()
{
    script.push_back({ScriptKind::LeftPress});
}
void ScriptRightPress()
{
    script.push_back({ScriptKind::RightPress});
}
void ScriptLeftClick(int x, int y)
{
    ScriptMouseMove(x, y);
    ScriptLeftPress();
}
void ScriptRightClick(int x, int y)
{
    ScriptMouseMove(x, y);
    ScriptRightPress();
}
void ScriptKey(int virtualKey)
{
    script.push_back({ScriptKind::KeyPress, virtualKey});
    script.push_back({ScriptKind::KeyRelease, virtualKey});
}
void ScriptKeyRelease(int virtualKey)
{
    script.push_back({ScriptKind::KeyRelease, virtualKey});
}
void ScriptMenu(int command)
{
    script.push_back({ScriptKind::Menu, command});
}
void ScriptCloseRequest()
{
    script.push_back({ScriptKind::Close});
}
void ScriptMessageBoxAnswer(int button)
{
    boxAnswers.push_back(button);
}
void ScriptDialogAnswer(const std::vector<std::string>& answer)
{
    dialogAnswers.push_back(answer);
}

bool TakeDialogAnswer(std::vector<std::string>& answer)
{
    if (dialogAnswers.empty())
        return false;
    answer = dialogAnswers.front();
    dialogAnswers.pop_front();
    return true;
}

const std::vector<ShownMessageBox>& ShownMessageBoxes()
{
    return shownBoxes;
}
size_t PendingScriptEvents()
{
    return script.size();
}
