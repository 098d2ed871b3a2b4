// The text label (the game clock, written by the clock worker thread).
#include "platform/inspection.h"
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <cmath>
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

} // namespace

int CreateLabel(int x, int y, int width, int height, const std::string& text, const std::string& fontFace,
                int pointSize, uint32_t backgroundRgb)
{
    QWidget* parent = qtplatform::ClientWidget();
    if (!parent)
        return 0;
    auto* label = new QLabel(qtplatform::FromUtf8(text), parent);
    label->setGeometry(x, y, width, height);
    QFont font(qtplatform::ResolveFace(fontFace));
    // Points taken at 96 dots per inch and fixed in pixels, so the text fits the label's pixels on a
    // screen of any resolution.
    font.setPixelSize(int(std::lround((pointSize > 0 ? pointSize : 10) * 96.0 / 72.0)));
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
