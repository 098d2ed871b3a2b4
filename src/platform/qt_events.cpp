// The real input of the main window and the game's event wait, and the wait of the modal windows.
//
// Qt delivers input to the widgets while the wait runs QCoreApplication::processEvents; the widgets
// only queue it here, and WaitAndDispatchEvent hands one queued event at a time to the game.
//
// A key release counts only if the same key went down while the game was waiting here: a release
// whose press went elsewhere (to a menu opened with Alt, say) must not act as a game key. A release
// is held back for a moment: when X repeats a held key it sends release-press pairs with the same
// time stamp, and such a pair is dropped whole, so a held key acts once, when it is let go.
#include "platform/event_dispatch.h"
#include "platform/inspection.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QTimer>
#include <cstdlib>
#include <deque>
#include <optional>
#include <set>

using platform_events::QueuedEvent;

namespace {

std::deque<QueuedEvent> queue;
std::set<int> keysDownInWait; // keys whose press the game saw while waiting
struct HeldRelease {
    int key = 0;
    unsigned long long timestamp = 0;
};
std::optional<HeldRelease> heldRelease; // a release that may still turn out to be an auto-repeat
bool waiting = false;
int lastMoveX = -1000000, lastMoveY = -1000000;

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
    ReleaseHeldKey(); // anything else arriving first shows the held release was real
    queue.push_back(event);
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
    if (platform_events::CommandsAccepted())
        Push({WM_COMMAND, command, 0, 0});
}

// The modal window's real input: Qt delivers it to the window's controls, which queue handlers.
void WaitForModalInput()
{
    while (ModalWindowWaiting())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace qtplatform

WindowEvent WaitAndDispatchEvent()
{
    for (;;) {
        waiting = true;
        while (queue.empty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        waiting = false;
        QueuedEvent event = queue.front();
        queue.pop_front();
        if (platform_events::Dispatch(event))
            return WindowEvent{event.message, event.wParam};
    }
}

bool AnyMouseButtonDown()
{
    return QGuiApplication::mouseButtons() != Qt::NoButton;
}

void WaitMouseRelease()
{
    while (QGuiApplication::mouseButtons() != Qt::NoButton)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void EndProgram()
{
    std::exit(0);
}

void DiscardPendingInput()
{
    queue.clear();
    keysDownInWait.clear();
    heldRelease.reset();
}
