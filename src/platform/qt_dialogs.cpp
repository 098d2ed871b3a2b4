// Message boxes with the game's own button captions, and the text label (the game clock, written by
// the clock worker thread).
#include "platform/qt_internal.h"
#include "platform/script.h"
#include "platform/window.h"

#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <map>
#include <mutex>

namespace {

struct Label {
    QPointer<QLabel> widget;
    std::string text; // the latest text, readable at once from any thread
};

std::mutex labelMutex;
std::map<int, Label>& Labels()
{
    static auto* labels = new std::map<int, Label>;
    return *labels;
}
int nextLabel = 1;

QMessageBox::Icon QtIcon(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::Question:
        return QMessageBox::Question;
    case BoxIcon::Information:
        return QMessageBox::Information;
    case BoxIcon::Warning:
        return QMessageBox::Warning;
    case BoxIcon::Error:
        return QMessageBox::Critical;
    case BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

int ShowMessageBox(const std::string& text, const std::string& title, const std::string& buttons,
                   BoxIcon icon, int defaultButton)
{
    if (ScriptedInput())
        return qtplatform::ScriptedMessageBox(text, title, buttons, defaultButton);
    qtplatform::EndPainting();
    QMessageBox box(qtplatform::MainWindow());
    box.setWindowTitle(qtplatform::FromUtf8(title));
    box.setText(qtplatform::FromUtf8(text));
    box.setIcon(QtIcon(icon));
    QStringList captions = qtplatform::FromUtf8(buttons).split('|');
    std::vector<QPushButton*> pushButtons;
    for (const QString& caption : captions)
        pushButtons.push_back(box.addButton(caption, QMessageBox::ActionRole));
    int fallback = defaultButton >= 1 && defaultButton <= int(pushButtons.size()) ? defaultButton : 1;
    box.setDefaultButton(pushButtons[fallback - 1]);
    box.setEscapeButton(pushButtons[fallback - 1]); // Esc and the close box choose the default
    box.exec();
    for (size_t i = 0; i < pushButtons.size(); ++i)
        if (box.clickedButton() == pushButtons[i])
            return int(i) + 1;
    return fallback;
}

int CreateLabel(int x, int y, int width, int height, const std::string& text, const std::string& fontFace,
                int pointSize, uint32_t backgroundRgb)
{
    QWidget* parent = qtplatform::ClientWidget();
    if (!parent)
        return 0;
    auto* label = new QLabel(qtplatform::FromUtf8(text), parent);
    label->setGeometry(x, y, width, height);
    QFont font(qtplatform::ResolveFace(fontFace));
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(QRgb(0xFF000000u | backgroundRgb)));
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks reach the client area beneath
    label->show();
    std::lock_guard lock(labelMutex);
    int handle = nextLabel++;
    Labels()[handle] = Label{label, text};
    return handle;
}

void SetLabelText(int label, const std::string& text)
{
    QPointer<QLabel> widget;
    {
        std::lock_guard lock(labelMutex);
        auto found = Labels().find(label);
        if (found == Labels().end())
            return;
        found->second.text = text;
        widget = found->second.widget;
    }
    if (!widget)
        return;
    // Always through the GUI thread's event queue: the caller may be the clock worker.
    QMetaObject::invokeMethod(
        widget.data(),
        [label] {
            std::string latest;
            QPointer<QLabel> target;
            {
                std::lock_guard lock(labelMutex);
                auto found = Labels().find(label);
                if (found == Labels().end())
                    return;
                latest = found->second.text;
                target = found->second.widget;
            }
            if (target)
                target->setText(qtplatform::FromUtf8(latest));
        },
        Qt::QueuedConnection);
}

std::string LabelText(int label)
{
    std::lock_guard lock(labelMutex);
    auto found = Labels().find(label);
    return found == Labels().end() ? std::string() : found->second.text;
}

namespace qtplatform {

void PaintLabels(QImage& image)
{
    std::vector<std::pair<QPointer<QLabel>, std::string>> labels;
    {
        std::lock_guard lock(labelMutex);
        for (auto& [handle, label] : Labels())
            labels.emplace_back(label.widget, label.text);
    }
    QPainter painter(&image);
    for (auto& [widget, text] : labels) {
        if (!widget || !widget->isVisible())
            continue;
        widget->setText(FromUtf8(text));
        widget->render(&painter, widget->pos());
    }
}

} // namespace qtplatform
