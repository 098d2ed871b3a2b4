// The Qt platform layer: window geometry, pixel-exact drawing, fonts, copies of the client image,
// menus, the event queue with its key-release rule, scripted input, message boxes and labels.
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/qt_internal.h"
#include "platform/window.h"
#include "recording_handlers.h"

#include <QApplication>
#include <QDialog>
#include <QFontInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <random>
#include <thread>
#include <vector>

namespace {

// One main window per test process, at (0, 0) with the game's client size.
void OpenTestWindow()
{
    if (!MainWindowExists()) {
        OpenMainWindow("Kastenzahl V6.0 by Tarvo", 0, 0, 1156, 903);
        SetClientSize(ClientImageWidth, ClientImageHeight);
    }
}

// Where tests put their screenshots: $KASTENZAHL_SCREENS, or "screens" in the working folder.
std::string ScreensFolder()
{
    const char* folder = std::getenv("KASTENZAHL_SCREENS");
    return folder && *folder ? folder : "screens";
}

constexpr uint32_t White = 0xFFFFFF, Black = 0x000000, Red = 0xFF0000, Blue = 0x0000BC, Grey = 0xC0C0C0;

// The pixels of a rectangle (inclusive) that have the given colour.
int CountColour(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    int count = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            count += ClientPixel(x, y) == rgb;
    return count;
}

void ResetDrawing()
{
    SetLineWidth(1);
    SetTextColor(Black);
    SetFillColor(White);
    SetTransparentText(false);
    FillClient(White);
}

// Real (non-scripted) input sent to the client widget as Qt would deliver it.
void PostKey(QEvent::Type type, int qtKey, bool autoRepeat = false, const QString& text = QString(),
             unsigned long long timestamp = 0, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    auto* event = new QKeyEvent(type, qtKey, modifiers, text, autoRepeat);
    event->setTimestamp(timestamp);
    QCoreApplication::postEvent(qtplatform::ClientWidget(), event);
}
void SendKey(QEvent::Type type, int qtKey)
{
    QKeyEvent event(type, qtKey, Qt::NoModifier);
    QCoreApplication::sendEvent(qtplatform::ClientWidget(), &event);
}
void PostLeftPress(int x, int y)
{
    QPointF local(x, y);
    QCoreApplication::postEvent(qtplatform::ClientWidget(),
                                new QMouseEvent(QEvent::MouseButtonPress, local, local, Qt::LeftButton,
                                                Qt::LeftButton, Qt::NoModifier));
}

// Opens the window for real input: scripting off, nothing queued from earlier tests.
void RealInput()
{
    OpenTestWindow();
    QCoreApplication::processEvents();
    DiscardPendingInput();
    InstallRecordingHandlers();
}

} // namespace

TEST(PlatformWindow, ClientAreaHasTheGameSizeBelowTheMenuBar)
{
    OpenTestWindow();
    EXPECT_EQ(ClientWidth(), 1156);
    EXPECT_EQ(ClientHeight(), 874);
    EXPECT_EQ(MainWindowTitle(), "Kastenzahl V6.0 by Tarvo");
    EXPECT_EQ(MainWindowLeft(), 0);
    EXPECT_EQ(MainWindowTop(), 0);
    EXPECT_GT(ScreenWidth(), 0);
    EXPECT_GT(ScreenHeight(), 0);
    FillClient(0x123456);
    EXPECT_EQ(ClientPixel(0, 0), 0x123456u);
    EXPECT_EQ(ClientPixel(1155, 873), 0x123456u);

    // With a menu bar the window declares one fixed size: client area plus bar.
    int bar = CreateMenuBar();
    int popup = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuItem(popup, 8, "&Neues Spiel") && AppendPopup(bar, popup, "&Kastenzahl"));
    InstallMenuBar(bar);
    QCoreApplication::processEvents();
    QMainWindow* window = qtplatform::MainWindow();
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->maximumSize().height(), 874 + window->menuBar()->height());
    EXPECT_EQ(ClientHeight(), 874);
}

TEST(PlatformDrawing, ThinLinesCoverExactlyTheirEndPoints)
{
    OpenTestWindow();
    ResetDrawing();
    SetTextColor(Red);
    DrawLine(100, 50, 110, 50); // horizontal
    EXPECT_EQ(CountColour(90, 45, 120, 55, Red), 11);
    for (int x = 100; x <= 110; ++x)
        EXPECT_EQ(ClientPixel(x, 50), Red) << x;
    DrawLine(200, 60, 200, 40); // vertical, drawn upwards
    EXPECT_EQ(CountColour(195, 35, 205, 65, Red), 21);
    EXPECT_EQ(ClientPixel(200, 40), Red);
    EXPECT_EQ(ClientPixel(200, 60), Red);
    DrawLine(300, 300, 310, 305); // slanted: one pixel per column, both ends
    EXPECT_EQ(CountColour(295, 295, 315, 310, Red), 11);
    EXPECT_EQ(ClientPixel(300, 300), Red);
    EXPECT_EQ(ClientPixel(310, 305), Red);
    DrawLine(400, 400, 400, 400); // a point
    EXPECT_EQ(CountColour(395, 395, 405, 405, Red), 1);
}

TEST(PlatformDrawing, WideLinesAddTheirSecondPixelLeftAndUp)
{
    OpenTestWindow();
    ResetDrawing();
    SetTextColor(Red);
    SetLineWidth(2);
    DrawLine(269, 45, 269, 225);
    EXPECT_EQ(CountColour(260, 40, 280, 230, Red), 2 * 181);
    EXPECT_EQ(ClientPixel(268, 45), Red);
    EXPECT_EQ(ClientPixel(269, 225), Red);
    EXPECT_EQ(ClientPixel(270, 100), White);
    DrawLine(29, 500, 749, 500);
    EXPECT_EQ(ClientPixel(29, 499), Red);
    EXPECT_EQ(ClientPixel(749, 500), Red);
    EXPECT_EQ(ClientPixel(400, 501), White);
    EXPECT_EQ(ClientPixel(750, 500), White);
}

TEST(PlatformDrawing, BoxesCoverBothCornersAndFillTheirInterior)
{
    OpenTestWindow();
    ResetDrawing();
    SetTextColor(Black);
    SetFillColor(Grey);
    DrawBox(20, 30, 29, 39, true);                     // 10 x 10
    EXPECT_EQ(CountColour(10, 20, 40, 50, Black), 36); // the ring of a 10 x 10 box
    EXPECT_EQ(CountColour(21, 31, 28, 38, Grey), 64);  // all of the 8 x 8 interior
    EXPECT_EQ(ClientPixel(20, 30), Black);
    EXPECT_EQ(ClientPixel(29, 39), Black);
    EXPECT_EQ(ClientPixel(30, 39), White);
    EXPECT_EQ(ClientPixel(29, 40), White);

    SetFillColor(Red);
    DrawBox(79, 69, 60, 50, false); // corners given the other way round; outline only
    EXPECT_EQ(CountColour(55, 45, 85, 75, Black), 4 * 19);
    EXPECT_EQ(CountColour(61, 51, 78, 68, White), 18 * 18);

    SetLineWidth(2);
    SetTextColor(Red);
    DrawBox(200, 200, 209, 209, false);
    // Rows 199/200 and 208/209, columns 199/200 and 208/209.
    EXPECT_EQ(CountColour(195, 195, 215, 215, Red), 11 * 11 - 7 * 7);
    EXPECT_EQ(ClientPixel(199, 199), Red);
    EXPECT_EQ(ClientPixel(208, 208), Red);
    EXPECT_EQ(ClientPixel(201, 201), White);
    EXPECT_EQ(ClientPixel(210, 205), White);
}

TEST(PlatformDrawing, OpaqueTextFillsItsCellTransparentTextDoesNot)
{
    OpenTestWindow();
    ResetDrawing();
    FillClient(Blue);
    UseFixedFont();
    int height = FixedFontHeight();
    int width = TextWidth("Ab");
    ASSERT_EQ(width, 16);

    SetTextColor(Black);
    SetFillColor(White);
    SetTransparentText(false);
    DrawText(100, 100, "Ab");
    EXPECT_EQ(CountColour(100, 100, 115, 100 + height - 1, Blue), 0); // the whole cell is covered
    EXPECT_GT(CountColour(100, 100, 115, 100 + height - 1, White), 0);
    EXPECT_EQ(CountColour(100, 100 + height, 115, 100 + height, Blue), 16); // nothing below the cell
    EXPECT_EQ(CountColour(116, 100, 116, 100 + height - 1, Blue), height);  // nothing right of it
    EXPECT_EQ(CountColour(99, 100, 99, 100 + height - 1, Blue), height);

    SetTransparentText(true);
    SetTextColor(White);
    DrawText(300, 100, "Ab");
    EXPECT_GT(16 * height - CountColour(300, 100, 315, 100 + height - 1, Blue), 10); // the glyphs are there
    EXPECT_GT(CountColour(300, 100, 315, 100 + height - 1, Blue), 100);              // the background shows
    EXPECT_EQ(CountColour(290, 90, 330, 99, Blue), 41 * 10);                         // nothing above the cell
}

TEST(PlatformFonts, FixedFontsAdvanceEightPixels)
{
    OpenTestWindow();
    UseFixedFont();
    EXPECT_EQ(TextWidth("Vorgegebene Zahlen: "), 160);
    EXPECT_EQ(TextWidth("Gelöst"), 48); // characters, not UTF-8 bytes
    EXPECT_EQ(FixedFontHeight(), 12);   // the 8 x 12 cell the panel layouts count on
    UseWindowFont("Fixedsys", 9);
    EXPECT_EQ(TextWidth("   _Abbruch   "), 14 * 8);
    UseWindowFont("System", 9.75);
    EXPECT_EQ(TextWidth("ZEITMESSUNG:"), 12 * 8);

    // Drawn, too: the left edges of four "|" lie exactly 8 pixels apart.
    ResetDrawing();
    UseFixedFont();
    SetTransparentText(true);
    DrawText(500, 500, "||||");
    std::vector<int> lefts;
    for (int i = 0; i < 4; ++i)
        for (int x = 500 + 8 * i; x < 508 + 8 * i; ++x)
            if (CountColour(x, 500, x, 500 + FixedFontHeight(), White) < FixedFontHeight() + 1) {
                lefts.push_back(x);
                break;
            }
    ASSERT_EQ(lefts.size(), 4u);
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(lefts[i] - lefts[i - 1], 8);
}

TEST(PlatformFonts, ArialResolvesToLiberationSansWithTheAskedCell)
{
    OpenTestWindow();
    for (const char* face : {"Arial", "ARIAL", "arial"}) {
        UseFont(face, 58, 32, 200);
        EXPECT_EQ(QFontInfo(qtplatform::CurrentFont().font).family(), "Liberation Sans") << face;
    }
    struct Request {
        int height, width, weight;
    };
    for (Request r : {Request{18, 10, 400}, Request{30, 16, 200}, Request{26, 14, 200}, Request{58, 22, 500},
                      Request{58, 32, 200}}) {
        UseFont("ARIAL", r.height, r.width, r.weight);
        const qtplatform::FontInfo& font = qtplatform::CurrentFont();
        EXPECT_LE(font.height, r.height);
        EXPECT_GE(font.height, r.height - 2);
        // Arial's digits are 1139 units wide where its average is 904.
        double digit = TextWidth("0000000000") / 10.0;
        EXPECT_NEAR(digit, r.width * 1139.0 / 904.0, 1.0) << r.height << " x " << r.width;
    }
    // The glyphs stay inside the cell they are drawn in.
    ResetDrawing();
    UseFont("ARIAL", 58, 32, 200);
    SetTransparentText(true);
    DrawText(100, 100, "ÅgjM");
    int inkTop = -1, inkBottom = -1;
    for (int y = 90; y < 100 + 70; ++y)
        if (CountColour(100, y, 100 + TextWidth("ÅgjM"), y, White) < TextWidth("ÅgjM") + 1) {
            if (inkTop < 0)
                inkTop = y;
            inkBottom = y;
        }
    EXPECT_GE(inkTop, 100);
    EXPECT_LT(inkBottom, 158);
    EXPECT_GT(inkBottom - inkTop, 40);
}

TEST(PlatformDrawing, CopyAndPasteRestorePixelsExactlyAlsoAtTheEdges)
{
    OpenTestWindow();
    ResetDrawing();
    std::mt19937 random(7);
    auto scribble = [&](int x1, int y1, int x2, int y2) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x) {
                SetTextColor(random() & 0xFFFFFF);
                DrawLine(x, y, x, y);
            }
    };
    auto snapshot = [](int x1, int y1, int x2, int y2) {
        std::vector<uint32_t> pixels;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                pixels.push_back(ClientPixel(x, y));
        return pixels;
    };
    struct Area {
        int x1, y1, x2, y2;
    };
    for (Area a : {Area{30, 777, 80, 804}, Area{-1, -16, 118, 73}, Area{1120, 850, 1170, 880}}) {
        int cx1 = std::max(a.x1, 0), cy1 = std::max(a.y1, 0);
        int cx2 = std::min(a.x2, 1155), cy2 = std::min(a.y2, 873);
        scribble(cx1, cy1, cx2, cy2);
        auto before = snapshot(cx1, cy1, cx2, cy2);
        int bitmap = CopyClientRect(a.x1, a.y1, a.x2, a.y2);
        EXPECT_GT(bitmap, 0);
        FillClient(Grey);
        PasteBitmap(bitmap, a.x1, a.y1);
        EXPECT_EQ(snapshot(cx1, cy1, cx2, cy2), before) << a.x1 << "," << a.y1;
        EXPECT_EQ(ClientPixel(cx2 + 1 <= 1155 ? cx2 + 1 : cx1 - 1, cy1), Grey); // nothing beside it
        ReleaseBitmap(bitmap);
    }
    // Pasted elsewhere, the part that lay outside the client area paints nothing.
    scribble(0, 0, 9, 9);
    auto corner = snapshot(0, 0, 9, 9);
    int bitmap = CopyClientRect(-10, 0, 9, 9);
    FillClient(Grey);
    PasteBitmap(bitmap, 100, 100);
    EXPECT_EQ(CountColour(100, 100, 109, 109, Grey), 100);
    EXPECT_EQ(snapshot(110, 100, 119, 109), corner);
    ReleaseBitmap(bitmap);
}

TEST(PlatformMenus, BarsCarryCommandsCaptionsAndCheckMarks)
{
    OpenTestWindow();
    int bar = CreateMenuBar();
    int game = CreatePopupMenu();
    int options = CreatePopupMenu();
    ASSERT_GT(bar, 0);
    ASSERT_GT(game, 0);
    ASSERT_GT(options, 0);
    EXPECT_TRUE(AppendMenuItem(game, 8, "&Neues Spiel"));
    EXPECT_TRUE(AppendMenuSeparator(game));
    EXPECT_TRUE(AppendMenuItem(game, 99, "&Beenden"));
    EXPECT_TRUE(AppendMenuItem(options, 30, "&Leicht"));
    EXPECT_TRUE(AppendMenuItem(options, 31, "&Mittel"));
    EXPECT_TRUE(AppendPopup(bar, game, "&Kastenzahl"));
    EXPECT_TRUE(AppendPopup(bar, options, "Sch&wierigkeit"));
    EXPECT_FALSE(AppendMenuItem(bar, 1, "not a popup"));
    InstallMenuBar(bar);
    EXPECT_EQ(InstalledMenuBar(), bar);
    EXPECT_EQ(MenuItemCaption(8), "&Neues Spiel");
    EXPECT_EQ(MenuItemCaption(31), "&Mittel");
    QMenuBar* menuBar = qtplatform::MainWindow()->menuBar();
    ASSERT_EQ(menuBar->actions().size(), 2);
    EXPECT_EQ(menuBar->actions()[1]->text(), "Sch&wierigkeit");

    CheckMenuItem(30, true);
    EXPECT_TRUE(MenuItemChecked(30));
    EXPECT_FALSE(MenuItemChecked(31));
    CheckMenuItem(30, false);
    CheckMenuItem(31, true);
    EXPECT_FALSE(MenuItemChecked(30));
    EXPECT_TRUE(MenuItemChecked(31));

    // A second bar replaces the first, whose items are gone.
    int second = CreateMenuBar();
    int help = CreatePopupMenu();
    AppendMenuItem(help, 60, "&Anleitung");
    AppendPopup(second, help, "&Hilfe");
    InstallMenuBar(second);
    EXPECT_EQ(InstalledMenuBar(), second);
    EXPECT_EQ(MenuItemCaption(60), "&Anleitung");
    EXPECT_EQ(MenuItemCaption(8), "");
    EXPECT_FALSE(MenuItemChecked(31));
    EXPECT_EQ(qtplatform::MainWindow()->menuBar()->actions().size(), 1);
}

namespace {
QAction* InstalledAction(int command)
{
    for (QAction* action : qtplatform::MainWindow()->menuBar()->findChildren<QAction*>())
        if (action->data().isValid() && action->data().toInt() == command)
            return action;
    return nullptr;
}
void InstallSmallBar()
{
    int bar = CreateMenuBar();
    int popup = CreatePopupMenu();
    AppendMenuItem(popup, 40, "&Zahlen");
    AppendMenuItem(popup, 41, "&Buchstaben");
    AppendPopup(bar, popup, "Sch&wierigkeit");
    InstallMenuBar(bar);
}
} // namespace

TEST(PlatformMenus, ChosenItemsAreQueuedAndDroppedWhileCommandsAreOff)
{
    RealInput();
    InstallSmallBar();
    CheckMenuItem(40, true);
    InstalledAction(41)->trigger(); // as if chosen: queued, dispatched by the wait
    EXPECT_TRUE(seen.commands.empty());
    WindowEvent event = WaitAndDispatchEvent();
    EXPECT_EQ(event.message, WM_COMMAND);
    EXPECT_EQ(event.wParam, 41);
    EXPECT_EQ(seen.commands, std::vector<int>{41});
    InstalledAction(40)->trigger();
    EXPECT_EQ(WaitAndDispatchEvent().wParam, 40);
    EXPECT_TRUE(MenuItemChecked(40)); // choosing an item does not flip its mark by itself
    EXPECT_FALSE(MenuItemChecked(41));

    SetMenuCommandsEnabled(false);
    EXPECT_FALSE(MenuCommandsEnabled());
    EXPECT_FALSE(qtplatform::MainWindow()->menuBar()->isEnabled());
    InstalledAction(41)->trigger();
    PostLeftPress(10, 20); // client input keeps arriving meanwhile
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_LBUTTONDOWN);
    EXPECT_EQ(seen.commands, (std::vector<int>{41, 40}));
    SetMenuCommandsEnabled(true);

    // A command queued before commands went off is dropped when it comes to be dispatched.
    InstalledAction(40)->trigger();
    SetMenuCommandsEnabled(false);
    PostLeftPress(30, 40);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    SetMenuCommandsEnabled(true);
    EXPECT_EQ(seen.commands, (std::vector<int>{41, 40}));
}

TEST(PlatformEvents, KeyReleaseCountsOnlyWhenItsPressCameDuringAWait)
{
    RealInput();
    // The press reached the widget while the game was not waiting (a menu chosen by keyboard).
    SendKey(QEvent::KeyPress, Qt::Key_S);
    PostKey(QEvent::KeyRelease, Qt::Key_S);
    PostLeftPress(50, 60);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_LBUTTONDOWN);

    // Pressed and released while the game waits: delivered, lower case as upper case.
    PostKey(QEvent::KeyPress, Qt::Key_D, false, "d");
    PostKey(QEvent::KeyRelease, Qt::Key_D, false, "d");
    WindowEvent key = WaitAndDispatchEvent();
    EXPECT_EQ(key.message, WM_KEYUP);
    EXPECT_EQ(key.wParam, 'D');

    // Held down with auto-repeat: one release only.
    PostKey(QEvent::KeyPress, Qt::Key_7);
    for (int i = 0; i < 3; ++i) {
        PostKey(QEvent::KeyRelease, Qt::Key_7, true);
        PostKey(QEvent::KeyPress, Qt::Key_7, true);
    }
    PostKey(QEvent::KeyRelease, Qt::Key_7);
    PostKey(QEvent::KeyPress, Qt::Key_Escape);
    PostKey(QEvent::KeyRelease, Qt::Key_Escape);
    PostKey(QEvent::KeyPress, Qt::Key_Return);
    PostKey(QEvent::KeyRelease, Qt::Key_Return);
    PostKey(QEvent::KeyPress, Qt::Key_F1);
    PostKey(QEvent::KeyRelease, Qt::Key_F1);
    std::vector<int> codes;
    for (int i = 0; i < 4; ++i) {
        WindowEvent event = WaitAndDispatchEvent();
        EXPECT_EQ(event.message, WM_KEYUP);
        codes.push_back(event.wParam);
    }
    EXPECT_EQ(codes[0], '7');
    EXPECT_EQ(codes[1], VK_ESCAPE);
    EXPECT_EQ(codes[2], VK_RETURN);
    bool letterOrDigit = (codes[3] >= 'A' && codes[3] <= 'Z') || (codes[3] >= '0' && codes[3] <= '9');
    EXPECT_FALSE(letterOrDigit) << codes[3];
}

// X may repeat a held key as release-press pairs with one time stamp and no auto-repeat flag; only
// the last release acts. Keys typed with Alt held belong to the menu and never reach the game.
TEST(PlatformEvents, HeldKeyActsOnceOnItsRealReleaseAndAltKeysNotAtAll)
{
    RealInput();
    PostKey(QEvent::KeyPress, Qt::Key_N, false, "n", 100);
    for (unsigned long long t : {760, 800, 840}) {
        PostKey(QEvent::KeyRelease, Qt::Key_N, false, "n", t);
        PostKey(QEvent::KeyPress, Qt::Key_N, false, "n", t);
    }
    PostKey(QEvent::KeyRelease, Qt::Key_N, false, "n", 900);
    PostKey(QEvent::KeyPress, Qt::Key_K, false, "k", 950, Qt::AltModifier);
    PostKey(QEvent::KeyRelease, Qt::Key_K, false, "k", 960, Qt::AltModifier);
    PostKey(QEvent::KeyPress, Qt::Key_O, false, "o", 970, Qt::AltModifier);
    PostKey(QEvent::KeyRelease, Qt::Key_O, false, "o", 990); // Alt let go first
    PostKey(QEvent::KeyPress, Qt::Key_D, false, "d", 1000);
    PostKey(QEvent::KeyRelease, Qt::Key_D, false, "d", 1010);
    std::vector<int> codes;
    for (int i = 0; i < 2; ++i) {
        WindowEvent event = WaitAndDispatchEvent();
        EXPECT_EQ(event.message, WM_KEYUP);
        codes.push_back(event.wParam);
    }
    EXPECT_EQ(codes, (std::vector<int>{'N', 'D'}));
}

TEST(PlatformEvents, CloseBoxQueuesACloseRequestAndKeepsTheWindow)
{
    RealInput();
    QTimer::singleShot(0, [] { qtplatform::MainWindow()->close(); });
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_CLOSE);
    EXPECT_EQ(seen.closes, 1);
    EXPECT_TRUE(MainWindowExists());
    EXPECT_TRUE(qtplatform::MainWindow()->isVisible());
}

TEST(PlatformEvents, DisabledMainWindowTakesNoInputButItsOwnWindowsDo)
{
    RealInput();
    QDialog owned(qtplatform::MainWindow());
    owned.show();
    EnableMainWindow(false);
    EXPECT_TRUE(owned.isEnabled());
    qtplatform::MainWindow()->close();
    PostLeftPress(10, 10);
    PostKey(QEvent::KeyPress, Qt::Key_L);
    PostKey(QEvent::KeyRelease, Qt::Key_L);
    QCoreApplication::processEvents();
    EnableMainWindow(true);
    owned.hide();
    PostKey(QEvent::KeyPress, Qt::Key_X);
    PostKey(QEvent::KeyRelease, Qt::Key_X);
    WindowEvent event = WaitAndDispatchEvent();
    EXPECT_EQ(event.message, WM_KEYUP);
    EXPECT_EQ(event.wParam, 'X');
    EXPECT_EQ(seen.closes, 0);
    EXPECT_TRUE(seen.moves.empty());
}

TEST(PlatformEvents, WaitingBlocksWithoutSpinning)
{
    RealInput();
    QTimer::singleShot(300, [] { PostLeftPress(70, 80); });
    auto wallStart = std::chrono::steady_clock::now();
    std::clock_t cpuStart = std::clock();
    WindowEvent event = WaitAndDispatchEvent();
    double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    EXPECT_EQ(event.message, WM_MOUSEMOVE);
    EXPECT_GE(wall, 0.25);
    EXPECT_LT(cpu, wall / 10) << "cpu " << cpu << " s of " << wall << " s waiting";
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_LBUTTONDOWN);
    // Nothing is held (synthetic presses do not hold a button): the release wait returns at once
    // and leaves queued input queued.
    PostLeftPress(90, 95);
    QCoreApplication::processEvents();
    WaitMouseRelease();
    EXPECT_EQ(seen.moves.size(), 1u);
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_MOUSEMOVE);
    EXPECT_EQ(seen.moves.back(), std::make_pair(90.0f, 95.0f));
    EXPECT_EQ(WaitAndDispatchEvent().message, WM_LBUTTONDOWN);
}

TEST(PlatformDialogs, RealMessageBoxKeepsCaptionsAndOrderAndEscapeChoosesTheDefault)
{
    RealInput();
    QStringList captions;
    QString defaultCaption;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            captions << button->text();
        defaultCaption = box->defaultButton() ? box->defaultButton()->text() : QString();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &escape);
    });
    EXPECT_EQ(ShowMessageBox("Spiel beenden?", "Kastenzahl", "&JA|&NEIN", BoxIcon::Question, 2), 2);
    EXPECT_TRUE(captions.contains("&JA"));
    EXPECT_TRUE(captions.contains("&NEIN"));
    EXPECT_EQ(defaultCaption, "&NEIN");

    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            if (button->text() == "&JA")
                button->click();
    });
    EXPECT_EQ(ShowMessageBox("Spiel beenden?", "Kastenzahl", "&JA|&NEIN", BoxIcon::Question, 2), 1);
}

TEST(PlatformDialogs, LabelTextSetFromAnotherThreadArrives)
{
    OpenTestWindow();
    int label = CreateLabel(886, 773, 160, 30, " 99:99:99", "Arial", 24, White);
    ASSERT_GT(label, 0);
    EXPECT_EQ(LabelText(label), " 99:99:99");
    std::thread worker([label] {
        for (int second = 0; second <= 42; ++second)
            SetLabelText(label, " 00:00:" + std::string(second < 10 ? "0" : "") + std::to_string(second));
    });
    worker.join();
    EXPECT_EQ(LabelText(label), " 00:00:42"); // at once
    QCoreApplication::processEvents();
    QLabel* shown = nullptr;
    for (QLabel* child : qtplatform::ClientWidget()->findChildren<QLabel*>())
        if (child->geometry() == QRect(886, 773, 160, 30))
            shown = child;
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->text(), " 00:00:42"); // and on screen once the GUI thread has run
    SetLabelText(label, " 99:99:99");
    EXPECT_EQ(LabelText(label), " 99:99:99");
}

TEST(PlatformDrawing, SavedImageIsAPngOfTheClientArea)
{
    OpenTestWindow();
    ResetDrawing();
    SetTextColor(Red);
    DrawBox(10, 10, 20, 20, false);
    std::string path = ScreensFolder() + "/platform/nested/box.png";
    ASSERT_TRUE(SaveClientImage(path));
    QImage saved(QString::fromStdString(path));
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(saved.size(), QSize(1156, 874));
    EXPECT_EQ(saved.pixel(10, 10) & 0xFFFFFF, Red);
    EXPECT_EQ(saved.pixel(15, 15) & 0xFFFFFF, White);
}
