// The event queue of the main window and the game's event wait.
//
// Qt delivers input to the widgets while the wait runs QCoreApplication::processEvents; the widgets
// only queue it here, and WaitAndDispatchEvent hands one queued event at a time to the game. In
// scripted mode the queued script takes the place of real input.
//
// A key release counts only if the same key went down while the game was waiting here: a release
// whose press went elsewhere (to a menu opened with Alt, say) must not act as a game key. A release
// is held back for a moment: when X repeats a held key it sends release-press pairs with the same
// time stamp, and such a pair is dropped whole, so a held key acts once, when it is let go.
#include "platform/qt_internal.h"
#include "platform/script.h"
#include "platform/window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <deque>
#include <optional>
#include <set>

namespace {

struct QueuedEvent {
    int message = WM_NULL;
    int wParam = 0;
    int x = 0, y = 0;
};

enum class ScriptKind { Move, LeftPress, RightPress, KeyPress, KeyRelease, Menu, Close };
struct ScriptEvent {
    ScriptKind kind;
    int a = 0, b = 0;
};

std::deque<QueuedEvent> queue;
std::set<int> keysDownInWait; // keys whose press the game saw while waiting
struct HeldRelease {
    int key = 0;
    unsigned long long timestamp = 0;
};
std::optional<HeldRelease> heldRelease; // a release that may still turn out to be an auto-repeat
bool waiting = false;
int lastMoveX = -1000000, lastMoveY = -1000000;
MainWindowHandlers handlers;
bool menuCommandsEnabled = true;

bool scripted = false;
std::deque<ScriptEvent> script;
bool scriptedButtonHeld = false;
std::deque<int> boxAnswers;
std::deque<std::vector<std::string>> dialogAnswers;
std::vector<ShownMessageBox> shownBoxes;

void Push(const QueuedEvent& event);

// The held release is a real one: queue it.
void ReleaseHeldKey()
{
    if (!heldRelease)
        return;
    const int key = heldRelease->key;
    heldRelease.reset();
    keysDownInWait.erase(key);
    Push({WM_KEYUP, key, 0, 0});
}

void Push(const QueuedEvent& event)
{
    if (scripted)
        return;       // a scripted run sees only its script
    ReleaseHeldKey(); // anything else arriving first shows the held release was real
    queue.push_back(event);
}

// Hands the event to its handler; false if it is dropped (a menu command while commands are off).
bool Dispatch(const QueuedEvent& event)
{
    switch (event.message) {
    case WM_MOUSEMOVE:
        if (handlers.mouseMove)
            handlers.mouseMove(float(event.x), float(event.y));
        return true;
    case WM_COMMAND:
        if (!menuCommandsEnabled)
            return false;
        if (handlers.menuEvent)
            handlers.menuEvent(event.wParam);
        return true;
    case WM_CLOSE:
        if (handlers.close)
            handlers.close();
        return true;
    default:
        return true;
    }
}

// The next scripted event the game gets to see, or false when the script is used up.
bool NextScripted(QueuedEvent& out)
{
    while (!script.empty()) {
        ScriptEvent event = script.front();
        script.pop_front();
        switch (event.kind) {
        case ScriptKind::Move:
            out = {WM_MOUSEMOVE, 0, event.a, event.b};
            return true;
        case ScriptKind::LeftPress:
        case ScriptKind::RightPress:
            scriptedButtonHeld = true;
            out = {event.kind == ScriptKind::LeftPress ? WM_LBUTTONDOWN : WM_RBUTTONDOWN, 0, lastMoveX,
                   lastMoveY};
            return true;
        case ScriptKind::KeyPress:
            keysDownInWait.insert(event.a);
            break;
        case ScriptKind::KeyRelease:
            if (keysDownInWait.erase(event.a)) {
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

} // namespace

namespace qtplatform {

void QueueMouseMove(int x, int y)
{
    if (!queue.empty() && queue.back().message == WM_MOUSEMOVE)
        queue.pop_back(); // only the latest position matters
    lastMoveX = x;
    lastMoveY = y;
    Push({WM_MOUSEMOVE, 0, x, y});
}

void QueueButtonPress(int message, int x, int y)
{
    if (x != lastMoveX || y != lastMoveY)
        QueueMouseMove(x, y); // the game reads the position from its move handler
    Push({message, 0, x, y});
}

void QueueKeyPress(int virtualKey, unsigned long long timestamp, bool alt)
{
    if (heldRelease && heldRelease->key == virtualKey && heldRelease->timestamp == timestamp) {
        heldRelease.reset(); // an auto-repeat pair: the key is still down
        return;
    }
    ReleaseHeldKey();
    if (waiting && !alt)
        keysDownInWait.insert(virtualKey);
}

void QueueKeyRelease(int virtualKey, unsigned long long timestamp, bool alt)
{
    if (!keysDownInWait.erase(virtualKey) || alt)
        return;
    ReleaseHeldKey();
    if (scripted)
        return;
    heldRelease = HeldRelease{virtualKey, timestamp};
    keysDownInWait.insert(virtualKey); // until the release proves real
    QTimer::singleShot(AutoRepeatWindowMs, [] { ReleaseHeldKey(); });
}

void QueueClose()
{
    Push({WM_CLOSE, 0, 0, 0});
}

void QueueMenuCommand(int command)
{
    if (menuCommandsEnabled)
        Push({WM_COMMAND, command, 0, 0});
}

} // namespace qtplatform

void SetMainWindowHandlers(const MainWindowHandlers& newHandlers)
{
    handlers = newHandlers;
}

namespace qtplatform {
void SetMenuCommandsFlag(bool enabled)
{
    menuCommandsEnabled = enabled;
}
} // namespace qtplatform

bool MenuCommandsEnabled()
{
    return menuCommandsEnabled;
}

WindowEvent WaitAndDispatchEvent()
{
    for (;;) {
        QueuedEvent event;
        if (scripted) {
            QCoreApplication::processEvents(); // labels and repaints keep going
            if (!NextScripted(event))
                throw ScriptExhausted();
            if (event.message == WM_MOUSEMOVE) {
                lastMoveX = event.x;
                lastMoveY = event.y;
            }
        } else {
            waiting = true;
            while (queue.empty())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            waiting = false;
            event = queue.front();
            queue.pop_front();
        }
        if (Dispatch(event))
            return WindowEvent{event.message, event.wParam};
    }
}

bool AnyMouseButtonDown()
{
    if (scripted)
        return scriptedButtonHeld;
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

void WaitMouseRelease()
{
    if (scripted) {
        scriptedButtonHeld = false;
        return;
    }
    while (QGuiApplication::mouseButtons() != Qt::NoButton)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// Scripted input.

void UseScriptedInput(bool on)
{
    scripted = on;
    script.clear();
    queue.clear();
    keysDownInWait.clear();
    heldRelease.reset();
    scriptedButtonHeld = false;
    boxAnswers.clear();
    dialogAnswers.clear();
    shownBoxes.clear();
}

bool ScriptedInput()
{
    return scripted;
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

namespace qtplatform {
// A message box in scripted mode: recorded, answered from the script or with its default button.
int ScriptedMessageBox(const std::string& text, const std::string& title, const std::string& buttons,
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
} // namespace qtplatform
