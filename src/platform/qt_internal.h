// What the Qt pieces of the platform layer share among themselves (and with the platform's own
// tests, which send synthetic Qt events to the client widget). Nothing outside src/platform and the
// platform tests includes this.
#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <memory>
#include <string>

class QWidget;
class QMainWindow;
class QPrinter;

namespace qtplatform {

// The persistent client image, Format_RGB32: 1156 x 874 logical pixels at the screen's device-pixel
// ratio, which it carries. Call EndPainting before reading or writing its pixels.
QImage& ClientImage();
// The first device pixel of a logical coordinate of the client image (round(logical * ratio), as the
// painter fills).
int DevicePixel(int logical);
// Closes the drawing painter that is kept open on the client image between drawing calls.
void EndPainting();
// Asks the client widget to show the image again (once per batch of drawing).
void ScheduleRepaint();

QMainWindow* MainWindow();
// After the window's size changed (client size, menu bar): its frame stays where it was placed.
void KeepFramePosition();
bool MainWindowTakesInput(); // false while EnableMainWindow(false) holds
// Greys the installed menu bar unless commands are on and the main window takes input.
void RefreshMenuBar();
// The central widget showing the client image; null before OpenMainWindow and after CloseMainWindow.
QWidget* ClientWidget();

// Input seen by the client widget and the main window, queued for WaitAndDispatchEvent by the event
// source the binary links (the window's real input, or the tests' script, which ignores it).
void QueueMouseMove(int x, int y);
void QueueButtonPress(int message, int x, int y);
// A key press is remembered only while a wait runs and without Alt; its release is queued only if the
// press was remembered. X may deliver a held key's auto-repeat as release-press pairs with one time
// stamp and no auto-repeat flag: a release waits a moment for such a press and is dropped with it.
void QueueKeyPress(int virtualKey, unsigned long long timestamp, bool alt);
void QueueKeyRelease(int virtualKey, unsigned long long timestamp, bool alt);
// How long a release waits for the press that would make it an auto-repeat.
constexpr int AutoRepeatWindowMs = 30;
void QueueClose();
void QueueMenuCommand(int command);
void SetMenuCommandsFlag(bool enabled);
// The game's key code for a Qt key (letters upper case, digits, Esc 27, Enter 13, else not a letter/digit).
int VirtualKeyFromQt(int qtKey);

// Modal windows (qt_dialogs.cpp). Their input only queues the handlers it calls; the window's
// routine runs them from its own wait, one at a time.
// True while the innermost modal window has no handler queued and has not ended.
bool ModalWindowWaiting();
// Runs the handlers queued for the innermost modal window, oldest first, until it is done.
void RunQueuedModalHandlers();
// One turn of the modal wait, supplied by the event source the binary links: the window's real
// input until a handler is queued or the window ended, or the script's next answer for the window.
void WaitForModalInput();
// What a user does in the innermost modal window (controls of windows below it are found too);
// false when no such control takes that input.
std::string InnermostModalWindowName();
bool HasModalControl(const std::string& name);
bool ClickModalControl(const std::string& name); // a button or option button
bool TypeInModalControl(const std::string& name, int character);
void CloseModalWindow(); // the innermost window's close box

// The system's printer, supplied by the event source: the default printer when it is usable, else
// the one chosen in the printer-selection dialog; null when that is cancelled. The script has no
// system printer and answers as cancelled, so a scripted run prints only into PDF files.
std::unique_ptr<QPrinter> SystemPrinter();

// Paints the labels onto a copy of the client image (screenshots).
void PaintLabels(QImage& image);

// A resolved font: fixedAdvance > 0 places every character that many pixels after the previous one.
struct FontInfo {
    QFont font;
    int ascent = 0;
    int height = 0; // the character cell: ascent + descent
    int fixedAdvance = 0;
};
const FontInfo& CurrentFont();

QString FromUtf8(const std::string& text);
// "Arial" in any case resolves to its metric twin "Liberation Sans".
QString ResolveFace(const std::string& face);

} // namespace qtplatform
