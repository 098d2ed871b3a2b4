// The application object and the main window: a fixed-size QMainWindow whose central widget shows
// the persistent client image and turns pointer, button, key and close input into queued events.
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace qtplatform {
namespace {

class ClientArea : public QWidget {
  public:
    ClientArea()
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override
    {
        EndPainting();
        QPainter painter(this);
        // At the logical size: one image pixel to one screen pixel while the ratios agree.
        painter.drawImage(0, 0, ClientImage());
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        QPoint p = event->position().toPoint();
        QueueMouseMove(p.x(), p.y());
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QPoint p = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            QueueButtonPress(WM_LBUTTONDOWN, p.x(), p.y());
        else if (event->button() == Qt::RightButton)
            QueueButtonPress(WM_RBUTTONDOWN, p.x(), p.y());
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    // Keys typed with Alt held belong to the menu, never to the game's loops.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->isAutoRepeat())
            QueueKeyPress(VirtualKeyFromQt(event->key()), event->timestamp(),
                          event->modifiers().testFlag(Qt::AltModifier));
    }
    void keyReleaseEvent(QKeyEvent* event) override
    {
        if (!event->isAutoRepeat())
            QueueKeyRelease(VirtualKeyFromQt(event->key()), event->timestamp(),
                            event->modifiers().testFlag(Qt::AltModifier));
    }
    bool focusNextPrevChild(bool) override { return false; } // Tab is a key like any other
};

class MainFrame : public QMainWindow {
  public:
    bool closing = false;

  protected:
    void closeEvent(QCloseEvent* event) override
    {
        if (closing) {
            event->accept();
            return;
        }
        event->ignore();
        if (MainWindowTakesInput())
            QueueClose();
    }
};

QApplication* application = nullptr;
MainFrame* mainFrame = nullptr;
ClientArea* clientArea = nullptr;
bool repaintPending = false;
bool takesInput = true;
QPoint framePosition;

} // namespace

void KeepFramePosition()
{
    if (!mainFrame)
        return;
    // The new size first (the layout would apply it later and place the client area at the old
    // point); then the frame goes where it was placed.
    mainFrame->layout()->activate();
    mainFrame->move(framePosition);
}

QMainWindow* MainWindow()
{
    return mainFrame;
}
QWidget* ClientWidget()
{
    return clientArea;
}
bool MainWindowTakesInput()
{
    return takesInput;
}

void ScheduleRepaint()
{
    if (repaintPending || !clientArea)
        return;
    repaintPending = true;
    QMetaObject::invokeMethod(
        clientArea,
        [] {
            repaintPending = false;
            if (clientArea)
                clientArea->update();
        },
        Qt::QueuedConnection);
}

int VirtualKeyFromQt(int qtKey)
{
    if (qtKey == Qt::Key_Escape)
        return VK_ESCAPE;
    if (qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter)
        return VK_RETURN;
    if (qtKey >= 'a' && qtKey <= 'z')
        return qtKey - 'a' + 'A';
    if (qtKey >= 32 && qtKey <= 255)
        return qtKey; // letters, digits and punctuation are their (upper-case) character codes
    return 0;         // function, cursor and modifier keys: no code the game acts on
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace qtplatform

using namespace qtplatform;

void InitPlatform(int& argc, char** argv)
{
    if (!application)
        application = new QApplication(argc, argv); // lives until the process ends
    // The name of the menu entry (share/applications/<name>.desktop): Wayland desktops find the
    // window's entry and icon by it.
    QGuiApplication::setDesktopFileName("io.github.kastenzahl.Kastenzahl");
    // The installed icon from the desktop's icon theme; none when the game runs from its build folder.
    QApplication::setWindowIcon(QIcon::fromTheme("io.github.kastenzahl.Kastenzahl"));
}

int ScreenWidth()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int ScreenHeight()
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

void OpenMainWindow(const std::string& title, int left, int top, int outerWidth, int outerHeight)
{
    if (mainFrame)
        CloseMainWindow();
    mainFrame = new MainFrame;
    takesInput = true;
    clientArea = new ClientArea;
    mainFrame->setCentralWidget(clientArea);
    mainFrame->setWindowTitle(FromUtf8(title));
    mainFrame->setAttribute(Qt::WA_DeleteOnClose, false);
    // The window always has exactly the size of its client area and menu bar: one fixed size for the
    // window manager, kept when the menu bar arrives.
    mainFrame->layout()->setSizeConstraint(QLayout::SetFixedSize);
    clientArea->setFixedSize(ClientImageWidth, outerHeight > 29 ? outerHeight - 29 : ClientImageHeight);
    (void)outerWidth;
    framePosition = QPoint(left, top);
    KeepFramePosition(); // the frame's corner, so the position may be negative
    mainFrame->show();
    // Under X the window manager adds the frame only after the window is shown; once its size is
    // known, the frame is moved to the point asked for.
    if (QGuiApplication::platformName() == "xcb") {
        QElapsedTimer waited;
        waited.start();
        while (mainFrame->frameGeometry() == mainFrame->geometry() && waited.elapsed() < 500)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        mainFrame->move(framePosition);
    }
    clientArea->setFocus();
}

void SetClientSize(int width, int height)
{
    if (!mainFrame)
        return;
    clientArea->setFixedSize(width, height);
    KeepFramePosition();
}

void BringMainWindowToFront()
{
    if (!mainFrame)
        return;
    mainFrame->raise();
    mainFrame->activateWindow();
    clientArea->setFocus();
}

bool MainWindowExists()
{
    return mainFrame != nullptr;
}

void CloseMainWindow()
{
    if (!mainFrame)
        return;
    EndPainting();
    mainFrame->closing = true;
    mainFrame->close();
    delete mainFrame; // also deletes the client area, the menu bar and the labels
    mainFrame = nullptr;
    clientArea = nullptr;
}

std::string MainWindowTitle()
{
    return mainFrame ? mainFrame->windowTitle().toStdString() : std::string();
}
int MainWindowLeft()
{
    return mainFrame ? mainFrame->frameGeometry().x() : 0;
}
int MainWindowTop()
{
    return mainFrame ? mainFrame->frameGeometry().y() : 0;
}
bool MainWindowShown()
{
    return mainFrame && mainFrame->isVisible();
}

bool MainWindowEnabled()
{
    return takesInput && (!clientArea || clientArea->isEnabled());
}

void HideMainWindow()
{
    if (mainFrame)
        mainFrame->hide();
}

int ClientWidth()
{
    return clientArea ? clientArea->width() : 0;
}
int ClientHeight()
{
    return clientArea ? clientArea->height() : 0;
}
double MainWindowPixelRatio()
{
    return mainFrame ? mainFrame->devicePixelRatioF() : 0.0;
}

// Only the client area and the menu bar are switched off: windows the main window owns (the modal
// ones) must keep their input.
void EnableMainWindow(bool enabled)
{
    takesInput = enabled;
    if (!mainFrame)
        return;
    clientArea->setEnabled(enabled);
    RefreshMenuBar();
    if (enabled)
        clientArea->setFocus();
}

void Beep()
{
    QApplication::beep();
}
