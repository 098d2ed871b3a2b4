// The menu bar: popups of actions that carry their command numbers. A triggered action only queues
// its command; the game's event wait dispatches it.
#include "platform/inspection.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <map>

namespace {

struct MenuEntry {
    QPointer<QMenuBar> bar; // one of the two is set
    QPointer<QMenu> popup;
};

std::map<int, MenuEntry>& Menus()
{
    static auto* menus = new std::map<int, MenuEntry>;
    return *menus;
}
int nextMenu = 1;
int installedBar = 0;

QWidget* MenuWidget(int menu)
{
    auto found = Menus().find(menu);
    if (found == Menus().end())
        return nullptr;
    if (found->second.bar)
        return found->second.bar.data();
    return found->second.popup.data();
}

QMenu* Popup(int menu)
{
    auto found = Menus().find(menu);
    return found == Menus().end() ? nullptr : found->second.popup.data();
}

QMenuBar* Bar(int menu)
{
    auto found = Menus().find(menu);
    return found == Menus().end() ? nullptr : found->second.bar.data();
}

// Every action with this command number in the installed bar (normally one).
template <typename F> void ForEachAction(int command, F f)
{
    QMenuBar* bar = Bar(installedBar);
    if (!bar)
        return;
    for (QAction* action : bar->findChildren<QAction*>())
        if (action->data().isValid() && action->data().toInt() == command)
            f(action);
}

} // namespace

int CreateMenuBar()
{
    int handle = nextMenu++;
    Menus()[handle] = MenuEntry{new QMenuBar, nullptr};
    return handle;
}

int CreatePopupMenu()
{
    int handle = nextMenu++;
    Menus()[handle] = MenuEntry{nullptr, new QMenu};
    return handle;
}

bool AppendMenuItem(int menu, int command, const std::string& caption)
{
    QMenu* popup = Popup(menu);
    if (!popup)
        return false;
    QAction* action = popup->addAction(qtplatform::FromUtf8(caption));
    action->setData(command);
    QObject::connect(action, &QAction::triggered, [action, command] {
        if (action->isCheckable())
            action->setChecked(!action->isChecked()); // check marks follow the game's settings only
        qtplatform::QueueMenuCommand(command);
    });
    return true;
}

bool AppendMenuSeparator(int menu)
{
    QMenu* popup = Popup(menu);
    if (!popup)
        return false;
    popup->addSeparator();
    return true;
}

bool AppendPopup(int bar, int popup, const std::string& caption)
{
    QMenuBar* menuBar = Bar(bar);
    QMenu* menu = Popup(popup);
    if (!menuBar || !menu)
        return false;
    menu->setTitle(qtplatform::FromUtf8(caption));
    menu->setParent(menuBar, menu->windowFlags()); // the bar owns its popups from now on
    menuBar->addMenu(menu);
    return true;
}

void DestroyMenu(int menu)
{
    QWidget* widget = MenuWidget(menu);
    Menus().erase(menu);
    if (menu == installedBar) {
        installedBar = 0;
        if (QMainWindow* window = qtplatform::MainWindow(); window && window->menuWidget() == widget)
            window->setMenuWidget(nullptr); // deletes the bar
        return;
    }
    delete widget;
}

void InstallMenuBar(int bar)
{
    QMenuBar* menuBar = Bar(bar);
    QMainWindow* window = qtplatform::MainWindow();
    if (!menuBar || !window || bar == installedBar)
        return;
    int previous = installedBar;
    window->setMenuBar(menuBar); // deletes the bar installed before
    if (previous)
        Menus().erase(previous);
    installedBar = bar;
    qtplatform::RefreshMenuBar();
    qtplatform::KeepFramePosition();
}

int InstalledMenuBar()
{
    return installedBar;
}

void CheckMenuItem(int command, bool checked)
{
    ForEachAction(command, [checked](QAction* action) {
        action->setCheckable(true);
        action->setChecked(checked);
    });
}

bool MenuItemChecked(int command)
{
    bool checked = false;
    ForEachAction(command, [&checked](QAction* action) { checked = checked || action->isChecked(); });
    return checked;
}

std::string MenuItemCaption(int command)
{
    std::string caption;
    ForEachAction(command, [&caption](QAction* action) { caption = action->text().toStdString(); });
    return caption;
}

void SetMenuCommandsEnabled(bool enabled)
{
    qtplatform::SetMenuCommandsFlag(enabled);
    qtplatform::RefreshMenuBar();
}

namespace qtplatform {

// Greyed while a command runs; the client area keeps its input meanwhile.
void RefreshMenuBar()
{
    if (QMenuBar* bar = Bar(installedBar))
        bar->setEnabled(MenuCommandsEnabled() && MainWindowTakesInput());
}

} // namespace qtplatform
