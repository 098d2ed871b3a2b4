// Modal windows made from tables of controls, with the window's real input: widgets and their pixel
// geometry, handlers by name, the close box, nesting, keys, and a wait that does not spin.
#include "platform/dialogs.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

void OpenMainTestWindow()
{
    if (!MainWindowExists()) {
        OpenMainWindow("Kastenzahl V6.0 by Tarvo", 0, 0, 1156, 903);
        SetClientSize(1156, 874);
    }
    QCoreApplication::processEvents();
}

// A window with one control of every kind; the list views "lst1" and "lst2" are the pages of "tabs".
WindowDefinition EveryKind()
{
    WindowDefinition window;
    window.name = "frmTest";
    window.caption = "Ruhmeshalle";
    window.width = 6000;
    window.height = 4500;
    window.backgroundRgb = 0x8080FF;
    window.offsetX = 40;
    window.offsetY = 30;
    window.controls = {
        {ControlKind::Label, "lbl1", "Dein Name:", 157, 158, 1500, 255},
        Control(ControlKind::TextBox, "ed1", "Tarvo", 150, 450, 2400, 300).WithFont("Courier New", 12),
        {ControlKind::Button, "cmdOk", "&OK", 3000, 450, 1200, 375},
        {ControlKind::OptionButton, "opt1", "Platz 1", 150, 900, 1500, 300},
        {ControlKind::OptionButton, "opt2", "Platz 2", 1800, 900, 1500, 300},
        Control(ControlKind::TabStrip, "tabs", "", 150, 1350, 5400, 2100).WithTabs({"Leicht", "Mittel"}),
        Control(ControlKind::ListView, "lst1", "", 0, 0, 0, 0)
            .WithColumns({{"Name", 1500}, {"Zeit", 1202}})
            .On("tabs"),
        Control(ControlKind::ListView, "lst2", "", 0, 0, 0, 0).WithColumns({{"Name", 1500}}).On("tabs"),
    };
    return window;
}

// The open modal window with this caption, or null.
QWidget* ModalWindow(const QString& caption)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == caption)
            return widget;
    return nullptr;
}

template <class Widget> Widget* Child(const QString& caption, const char* name)
{
    QWidget* window = ModalWindow(caption);
    return window ? window->findChild<Widget*>(name) : nullptr;
}

void Click(const QString& caption, const char* name)
{
    if (auto* button = Child<QAbstractButton>(caption, name))
        button->click();
    else
        ADD_FAILURE() << "no button " << name;
}

// What the handlers saw.
std::vector<std::string> calls;
bool mainTookInputInHandler = true;

void Record(const std::string& call)
{
    calls.push_back(call);
    mainTookInputInHandler = qtplatform::MainWindowTakesInput() && qtplatform::ClientWidget()->isEnabled();
}

} // namespace

TEST(PlatformModalWindows, ControlsBecomeWidgetsAtTheirPixelGeometry)
{
    OpenMainTestWindow();
    calls.clear();
    QTimer::singleShot(0, [] {
        QWidget* window = ModalWindow("Ruhmeshalle");
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->size(), QSize(6000 / 15 - DialogFrameWidth, 4500 / 15 - DialogFrameHeight));
        EXPECT_EQ(window->pos(), qtplatform::MainWindow()->frameGeometry().topLeft() + QPoint(40, 30));
        EXPECT_EQ(window->parentWidget(), qtplatform::MainWindow());
        EXPECT_EQ(window->palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF));
        struct Expected {
            const char* name;
            const char* className;
            QRect geometry;
            QString text;
        };
        const Expected table[] = {
            {"lbl1", "QLabel", QRect(10, 11, 100, 17), "Dein Name:"}, // 157 and 158 twips round apart
            {"ed1", "QLineEdit", QRect(10, 30, 160, 20), "Tarvo"},
            {"cmdOk", "QPushButton", QRect(200, 30, 80, 25), "&OK"},
            {"opt1", "QRadioButton", QRect(10, 60, 100, 20), "Platz 1"},
            {"opt2", "QRadioButton", QRect(120, 60, 100, 20), "Platz 2"},
            {"tabs", "QTabWidget", QRect(10, 90, 360, 140), ""},
        };
        for (const Expected& expected : table) {
            QWidget* widget = window->findChild<QWidget*>(expected.name);
            ASSERT_NE(widget, nullptr) << expected.name;
            EXPECT_STREQ(widget->metaObject()->className(), expected.className);
            EXPECT_EQ(widget->geometry(), expected.geometry) << expected.name;
            EXPECT_EQ(ControlText(expected.name), expected.text.toStdString()) << expected.name;
        }
        auto* edit = window->findChild<QLineEdit*>("ed1");
        EXPECT_EQ(edit->font().family(), qtplatform::ResolveFace("Courier New"));
        EXPECT_EQ(edit->font().pixelSize(), 16);                               // 12 points at 96 dpi
        EXPECT_EQ(window->findChild<QLabel*>("lbl1")->font().pixelSize(), 11); // the window's 8 points

        auto* tabs = window->findChild<QTabWidget*>("tabs");
        ASSERT_EQ(tabs->count(), 2);
        EXPECT_EQ(tabs->tabText(0), "Leicht");
        EXPECT_EQ(tabs->tabText(1), "Mittel");
        auto* first = window->findChild<QTreeWidget*>("lst1");
        auto* second = window->findChild<QTreeWidget*>("lst2");
        ASSERT_TRUE(first && second);
        EXPECT_TRUE(tabs->widget(0)->isAncestorOf(first));
        EXPECT_TRUE(tabs->widget(1)->isAncestorOf(second));
        ASSERT_EQ(first->columnCount(), 2);
        EXPECT_EQ(first->headerItem()->text(0), "Name");
        EXPECT_EQ(first->headerItem()->text(1), "Zeit");
        EXPECT_EQ(first->columnWidth(0), 100);
        EXPECT_EQ(first->columnWidth(1), 80); // 1202 twips
        EXPECT_EQ(second->columnCount(), 1);
        Click("Ruhmeshalle", "cmdOk");
    });
    RunModalWindow(EveryKind(), {{"cmdOk_Click", [] { ModalDone = true; }}});
    EXPECT_EQ(ModalWindow("Ruhmeshalle"), nullptr);
}

// Load runs before the window shows; the handlers reach the controls by name.
TEST(PlatformModalWindows, HandlersReachTheControlsByName)
{
    OpenMainTestWindow();
    calls.clear();
    RunModalWindow(EveryKind(),
                   {{"frmTest_Load",
                     [] {
                         Record("load");
                         EXPECT_EQ(ModalWindow("Ruhmeshalle"), nullptr); // not yet shown
                         AppendListRow("lst2", {"Tarvo"});
                         AppendListRow("lst1", {"Tarvo", "00:12:34"});
                         AppendListRow("lst1", {"Ilse", "00:13:00"});
                         SelectTab("tabs", 1);
                         SetOptionChecked("opt2", true);
                         FocusControl("ed1");
                         QTimer::singleShot(0, [] { Click("Ruhmeshalle", "opt1"); });
                     }},
                    {"tabs_Click", [] { Record("tabs " + std::to_string(SelectedTab("tabs"))); }},
                    {"opt1_Click", [] {
                         Record("opt1");
                         EXPECT_TRUE(OptionChecked("opt1"));
                         EXPECT_FALSE(OptionChecked("opt2")); // one group per window
                         EXPECT_EQ(ListRowCount("lst1"), 2);
                         EXPECT_EQ(ListRowCount("lst2"), 1);
                         auto* list = Child<QTreeWidget>("Ruhmeshalle", "lst1");
                         EXPECT_EQ(list->topLevelItem(1)->text(1), "00:13:00");
                         ClearList("lst1");
                         EXPECT_EQ(ListRowCount("lst1"), 0);
                         EXPECT_EQ(FocusedControl(), "ed1");
                         SetControlText("ed1", "Ilse");
                         EXPECT_EQ(Child<QLineEdit>("Ruhmeshalle", "ed1")->text(), "Ilse");
                         SetOptionChecked("opt1", false);
                         EXPECT_FALSE(OptionChecked("opt1"));
                         ModalDone = true;
                     }}});
    EXPECT_EQ(calls, (std::vector<std::string>{"load", "tabs 1", "opt1"}));
}

TEST(PlatformModalWindows, MainWindowIsDisabledWhileAWindowRunsAndComesBackAfter)
{
    OpenMainTestWindow();
    calls.clear();
    QTimer::singleShot(0, [] { Click("Ruhmeshalle", "cmdOk"); });
    RunModalWindow(EveryKind(), {{"cmdOk_Click", [] {
                                      Record("ok");
                                      ModalDone = true;
                                  }}});
    EXPECT_EQ(calls, std::vector<std::string>{"ok"});
    EXPECT_FALSE(mainTookInputInHandler);
    EXPECT_TRUE(qtplatform::MainWindowTakesInput());
    EXPECT_TRUE(qtplatform::ClientWidget()->isEnabled());
    EXPECT_EQ(ModalWindow("Ruhmeshalle"), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == qtplatform::MainWindow(); }));
}

// The close box keeps the window until its handler sets ModalDone; without a handler it just closes.
TEST(PlatformModalWindows, CloseBoxAsksTheCloseHandler)
{
    OpenMainTestWindow();
    calls.clear();
    QTimer::singleShot(0, [] { ModalWindow("Ruhmeshalle")->close(); });
    QTimer::singleShot(20, [] {
        ASSERT_NE(ModalWindow("Ruhmeshalle"), nullptr);
        ModalWindow("Ruhmeshalle")->close();
    });
    RunModalWindow(EveryKind(), {{"frmTest_Close", [] {
                                      Record("close");
                                      ModalDone = calls.size() == 2;
                                  }}});
    EXPECT_EQ(calls, (std::vector<std::string>{"close", "close"}));

    QTimer::singleShot(0, [] { ModalWindow("Ruhmeshalle")->close(); });
    RunModalWindow(EveryKind(), {});
    EXPECT_EQ(ModalWindow("Ruhmeshalle"), nullptr);
}

// A handler opens a window on top of its own; the inner one ending with ModalDone ends both.
TEST(PlatformModalWindows, WindowOpenedFromAHandlerRunsOnTopAndEndsBoth)
{
    OpenMainTestWindow();
    calls.clear();
    QTimer::singleShot(0, [] { Click("Ruhmeshalle", "cmdOk"); });
    RunModalWindow(EveryKind(), {{"cmdOk_Click", [] {
                                      Record("outer");
                                      WindowDefinition inner = EveryKind();
                                      inner.name = "frmInner";
                                      inner.caption = "Name";
                                      QTimer::singleShot(0, [] {
                                          EXPECT_FALSE(ModalWindow("Ruhmeshalle")->isEnabled());
                                          EXPECT_EQ(ModalWindow("Name")->parentWidget(),
                                                    ModalWindow("Ruhmeshalle"));
                                          Click("Name", "cmdOk");
                                      });
                                      RunModalWindow(inner, {{"cmdOk_Click", [] {
                                                                  Record("inner");
                                                                  ModalDone = true;
                                                              }}});
                                      Record("back");
                                      EXPECT_TRUE(ModalWindow("Ruhmeshalle")->isEnabled());
                                      EXPECT_FALSE(mainTookInputInHandler);
                                  }}});
    EXPECT_EQ(calls, (std::vector<std::string>{"outer", "inner", "back"}));
    EXPECT_EQ(ModalWindow("Ruhmeshalle"), nullptr);
    EXPECT_EQ(ModalWindow("Name"), nullptr);
    EXPECT_TRUE(qtplatform::MainWindowTakesInput());
}

// Typed keys reach "_KeyPress" with their character; Alt and a button's access letter click it,
// although the main window is disabled.
TEST(PlatformModalWindows, TypedKeysAndAltLettersReachTheirHandlers)
{
    OpenMainTestWindow();
    calls.clear();
    QTimer::singleShot(0, [] {
        QWidget* window = ModalWindow("Ruhmeshalle");
        // The window shows as the active one, so its access keys work.
        EXPECT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
        QTest::keyClick(window->findChild<QLineEdit*>("ed1"), Qt::Key_X, Qt::NoModifier);
        QTest::keyClick(window->findChild<QLineEdit*>("ed1"), Qt::Key_Return, Qt::NoModifier);
        QTest::keyClick(window, Qt::Key_O, Qt::AltModifier);
    });
    RunModalWindow(EveryKind(), {{"frmTest_Load", [] { FocusControl("ed1"); }},
                                 {"ed1_KeyPress", [] { Record("key " + std::to_string(LastKeyPressed())); }},
                                 {"cmdOk_Click", [] {
                                      Record("ok");
                                      EXPECT_EQ(ControlText("ed1"), "Tarvox");
                                      ModalDone = true;
                                  }}});
    EXPECT_EQ(calls, (std::vector<std::string>{"key 120", "key 13", "ok"}));
}

TEST(PlatformModalWindows, WaitingBlocksWithoutSpinning)
{
    OpenMainTestWindow();
    // Measured once the window is up, so making its widgets does not count.
    static std::chrono::steady_clock::time_point wallStart;
    static std::clock_t cpuStart;
    static double cpu, wall;
    QTimer::singleShot(100, [] {
        wallStart = std::chrono::steady_clock::now();
        cpuStart = std::clock();
    });
    QTimer::singleShot(400, [] {
        cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        Click("Ruhmeshalle", "cmdOk");
    });
    RunModalWindow(EveryKind(), {{"cmdOk_Click", [] { ModalDone = true; }}});
    EXPECT_GE(wall, 0.25);
    // A spinning wait would use the whole time; a quarter leaves room for a loaded or instrumented run.
    EXPECT_LT(cpu, wall / 4) << "cpu " << cpu << " s of " << wall << " s waiting";
}
