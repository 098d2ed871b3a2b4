// The game's modal windows, made from their tables of controls. A window is a top-level widget owned
// by the main window (or by the modal window it was opened from); its input only queues the handler
// it calls, and RunModalWindow runs the queue from its wait, so no handler runs inside Qt's event
// handling and a handler may open the next window.
#include "platform/dialogs.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <deque>
#include <memory>

bool ModalDone = false;

namespace {

struct QueuedHandler {
    std::string name;
    int key = 0;
};

class ModalFrame;

struct OpenWindow {
    std::string name;
    const DialogHandlers* handlers = nullptr;
    QPointer<ModalFrame> frame;
    bool hadMainWindow = false;
    std::map<std::string, QPointer<QWidget>> controls;
    std::deque<QueuedHandler> queued;
};

std::vector<std::unique_ptr<OpenWindow>> openWindows; // innermost last
int lastKey = 0;

// The character a key press types, or 0 for keys that type none.
int TypedCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::AltModifier | Qt::ControlModifier))
        return 0; // Alt letters belong to the buttons' access keys
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    return event.text().isEmpty() ? 0 : int(event.text().at(0).unicode());
}

class ModalFrame : public QWidget {
  public:
    ModalFrame(OpenWindow& window, QWidget* owner)
        : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                             Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
          window(window)
    {
    }
    bool closing = false; // the routine itself closes the window

  protected:
    // The close box only asks: the "_Close" handler decides.
    void closeEvent(QCloseEvent* event) override
    {
        if (closing) {
            event->accept();
            return;
        }
        event->ignore();
        if (isEnabled())
            window.queued.push_back({window.name + "_Close"});
    }
    // Keys typed in a text box, button or option button; the control takes the key as well.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            if (int key = TypedCharacter(*static_cast<QKeyEvent*>(event)))
                window.queued.push_back({watched->objectName().toStdString() + "_KeyPress", key});
        return false;
    }

  private:
    OpenWindow& window;
};

bool Alive(const OpenWindow& window)
{
    return window.frame && (!window.hadMainWindow || MainWindowExists());
}

QWidget* Find(const std::string& name)
{
    for (auto window = openWindows.rbegin(); window != openWindows.rend(); ++window) {
        auto found = (*window)->controls.find(name);
        if (found != (*window)->controls.end() && found->second)
            return found->second;
    }
    return nullptr;
}

template <class Widget> Widget* FindAs(const std::string& name)
{
    return qobject_cast<Widget*>(Find(name));
}

QFont Font(const std::string& face, int pointSize)
{
    // Points taken at 96 dots per inch and fixed in pixels, as the twips of the layout are.
    QFont font(qtplatform::ResolveFace(face));
    font.setPixelSize(int(std::lround((pointSize > 0 ? pointSize : 8) * 96.0 / 72.0)));
    return font;
}

QRect Geometry(const Control& control)
{
    return QRect(TwipsToPixels(control.x), TwipsToPixels(control.y), TwipsToPixels(control.width),
                 TwipsToPixels(control.height));
}

QTreeWidget* MakeListView(const Control& control, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    QStringList captions;
    for (const Column& column : control.columns)
        captions << qtplatform::FromUtf8(column.caption);
    list->header()->setStretchLastSection(false); // every column keeps its width
    list->setTextElideMode(Qt::ElideNone);        // a date or time cut short would mislead
    list->setColumnCount(int(captions.size()));
    list->setHeaderLabels(captions);
    for (size_t i = 0; i < control.columns.size(); ++i)
        list->setColumnWidth(int(i), TwipsToPixels(control.columns[i].widthTwips));
    return list;
}

// Makes the controls in table order (their tab order); list views on a tab strip go to its pages.
void MakeControls(const WindowDefinition& definition, OpenWindow& window)
{
    ModalFrame* frame = window.frame;
    std::map<std::string, int> pagesUsed;
    for (const Control& control : definition.controls) {
        QWidget* widget = nullptr;
        const QString caption = qtplatform::FromUtf8(control.caption);
        switch (control.kind) {
        case ControlKind::Label: {
            auto* label = new QLabel(caption, frame);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::TextBox:
            widget = new QLineEdit(caption, frame);
            widget->installEventFilter(frame);
            break;
        case ControlKind::Button:
        case ControlKind::OptionButton: {
            QAbstractButton* button = nullptr;
            if (control.kind == ControlKind::Button) {
                auto* push = new QPushButton(caption, frame);
                push->setAutoDefault(true); // Enter clicks the button with the focus
                button = push;
            } else {
                button = new QRadioButton(caption, frame);
            }
            std::string handler = control.name + "_Click";
            QObject::connect(button, &QAbstractButton::clicked,
                             [&window, handler] { window.queued.push_back({handler}); });
            button->installEventFilter(frame);
            widget = button;
            break;
        }
        case ControlKind::ListView: {
            auto strip = window.controls.find(control.parent);
            auto* tabs = strip == window.controls.end() ? nullptr : qobject_cast<QTabWidget*>(strip->second);
            int page = tabs ? pagesUsed[control.parent]++ : -1;
            if (tabs && page < tabs->count()) {
                widget = MakeListView(control, tabs->widget(page));
                tabs->widget(page)->layout()->addWidget(widget);
            } else {
                widget = MakeListView(control, frame);
            }
            break;
        }
        case ControlKind::TabStrip: {
            auto* tabs = new QTabWidget(frame);
            for (const std::string& tab : control.tabs) {
                auto* page = new QWidget;
                auto* layout = new QVBoxLayout(page);
                layout->setContentsMargins(0, 0, 0, 0);
                tabs->addTab(page, qtplatform::FromUtf8(tab));
            }
            std::string handler = control.name + "_Click";
            QObject::connect(tabs, &QTabWidget::currentChanged,
                             [&window, handler] { window.queued.push_back({handler}); });
            widget = tabs;
            break;
        }
        }
        widget->setObjectName(qtplatform::FromUtf8(control.name));
        if (!widget->parentWidget() || widget->parentWidget() == frame)
            widget->setGeometry(Geometry(control));
        if (!control.fontFace.empty() || control.fontPointSize > 0)
            widget->setFont(
                Font(control.fontFace.empty() ? definition.fontFace : control.fontFace,
                     control.fontPointSize > 0 ? control.fontPointSize : definition.fontPointSize));
        window.controls[control.name] = widget;
    }
}

void CallHandler(OpenWindow& window, const QueuedHandler& call)
{
    auto found = window.handlers->find(call.name);
    if (found != window.handlers->end() && found->second) {
        lastKey = call.key;
        found->second();
    } else if (call.name == window.name + "_Close") {
        ModalDone = true; // a window without a close handler just closes
    }
}

// Puts things back when the window ends, also when a handler or the script throws.
struct WindowEnd {
    OpenWindow* outer;
    ~WindowEnd()
    {
        if (ModalFrame* frame = openWindows.back()->frame) {
            frame->closing = true;
            frame->close();
            delete frame;
        }
        openWindows.pop_back();
        if (outer) {
            if (outer->frame) {
                outer->frame->setEnabled(true);
                outer->frame->raise();
                outer->frame->activateWindow();
            }
        } else {
            EnableMainWindow(true);
            BringMainWindowToFront();
        }
    }
};

} // namespace

void RunModalWindow(const WindowDefinition& definition, const DialogHandlers& handlers)
{
    qtplatform::EndPainting();
    ModalDone = false;
    OpenWindow* outer = openWindows.empty() ? nullptr : openWindows.back().get();
    openWindows.push_back(std::make_unique<OpenWindow>());
    OpenWindow& window = *openWindows.back();
    WindowEnd end{outer};
    window.name = definition.name;
    window.handlers = &handlers;
    window.hadMainWindow = MainWindowExists();
    QMainWindow* main = qtplatform::MainWindow();
    EnableMainWindow(false);
    if (outer && outer->frame)
        outer->frame->setEnabled(false);

    QWidget* owner = outer && outer->frame ? static_cast<QWidget*>(outer->frame) : main;
    auto* frame = new ModalFrame(window, owner);
    window.frame = frame;
    frame->setWindowTitle(qtplatform::FromUtf8(definition.caption));
    frame->setFixedSize(std::max(1, TwipsToPixels(definition.width) - DialogFrameWidth),
                        std::max(1, TwipsToPixels(definition.height) - DialogFrameHeight));
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(QRgb(0xFF000000u | definition.backgroundRgb)));
    frame->setPalette(palette);
    frame->setFont(Font(definition.fontFace, definition.fontPointSize));
    QPoint corner = main ? main->frameGeometry().topLeft() : QPoint();
    frame->move(corner + QPoint(definition.offsetX, definition.offsetY));
    MakeControls(definition, window);
    window.queued.clear(); // the tab strips' first tabs are no choice of the user's

    CallHandler(window, {definition.name + "_Load"});
    if (!Alive(window))
        return;
    frame->show();
    frame->raise();
    frame->activateWindow();
    while (!ModalDone && Alive(window)) {
        if (window.queued.empty())
            qtplatform::WaitForModalInput();
        qtplatform::RunQueuedModalHandlers();
    }
}

namespace qtplatform {

bool ModalWindowWaiting()
{
    return !openWindows.empty() && openWindows.back()->queued.empty() && !ModalDone &&
           Alive(*openWindows.back());
}

void RunQueuedModalHandlers()
{
    if (openWindows.empty())
        return;
    OpenWindow& window = *openWindows.back();
    while (!window.queued.empty() && !ModalDone && Alive(window)) {
        QueuedHandler call = window.queued.front();
        window.queued.pop_front();
        CallHandler(window, call);
    }
}

std::string InnermostModalWindowName()
{
    return openWindows.empty() ? std::string() : openWindows.back()->name;
}

bool HasModalControl(const std::string& name)
{
    return Find(name) != nullptr;
}

bool ClickModalControl(const std::string& name)
{
    auto* button = FindAs<QAbstractButton>(name);
    if (!button)
        return false;
    button->click();
    return true;
}

bool TypeInModalControl(const std::string& name, int character)
{
    QWidget* widget = Find(name);
    if (!widget)
        return false;
    int key = character;
    if (character == 13)
        key = Qt::Key_Return;
    else if (character == 27)
        key = Qt::Key_Escape;
    else if (character == 8)
        key = Qt::Key_Backspace;
    else if (character >= 'a' && character <= 'z')
        key = character - 'a' + 'A';
    QString text = character >= 32 ? QString(QChar(character)) : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
    return true;
}

void CloseModalWindow()
{
    if (!openWindows.empty() && openWindows.back()->frame)
        openWindows.back()->frame->close();
}

} // namespace qtplatform

void SetControlText(const std::string& name, const std::string& text)
{
    QString value = qtplatform::FromUtf8(text);
    QWidget* widget = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        edit->setText(value);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(value);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(value);
}

std::string ControlText(const std::string& name)
{
    QWidget* widget = Find(name);
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text().toStdString();
    return std::string();
}

void FocusControl(const std::string& name)
{
    if (QWidget* widget = Find(name))
        widget->setFocus(Qt::OtherFocusReason);
}

std::string FocusedControl()
{
    if (openWindows.empty() || !openWindows.back()->frame)
        return std::string();
    QWidget* focus = openWindows.back()->frame->focusWidget();
    return focus ? focus->objectName().toStdString() : std::string();
}

void AppendListRow(const std::string& listView, const std::vector<std::string>& cells)
{
    auto* list = FindAs<QTreeWidget>(listView);
    if (!list)
        return;
    QStringList texts;
    for (const std::string& cell : cells)
        texts << qtplatform::FromUtf8(cell);
    new QTreeWidgetItem(list, texts);
}

void ClearList(const std::string& listView)
{
    if (auto* list = FindAs<QTreeWidget>(listView))
        list->clear();
}

int ListRowCount(const std::string& listView)
{
    auto* list = FindAs<QTreeWidget>(listView);
    return list ? list->topLevelItemCount() : 0;
}

void SelectTab(const std::string& tabStrip, int index)
{
    if (auto* tabs = FindAs<QTabWidget>(tabStrip))
        tabs->setCurrentIndex(index);
}

int SelectedTab(const std::string& tabStrip)
{
    auto* tabs = FindAs<QTabWidget>(tabStrip);
    return tabs ? tabs->currentIndex() : -1;
}

void SetOptionChecked(const std::string& optionButton, bool checked)
{
    auto* option = FindAs<QRadioButton>(optionButton);
    if (!option)
        return;
    if (checked) {
        option->setChecked(true); // the others of the window go off
        return;
    }
    option->setAutoExclusive(false); // an exclusive group would not let its checked option go
    option->setChecked(false);
    option->setAutoExclusive(true);
}

bool OptionChecked(const std::string& optionButton)
{
    auto* option = FindAs<QRadioButton>(optionButton);
    return option && option->isChecked();
}

int LastKeyPressed()
{
    return lastKey;
}
