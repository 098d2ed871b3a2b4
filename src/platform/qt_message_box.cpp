// Message boxes with the game's own button captions, in the given order; closing the box or Esc
// chooses the default button.
#include "platform/qt_internal.h"
#include "platform/window.h"

#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

namespace {

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
