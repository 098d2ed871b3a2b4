// The button bar below the board. A button is a bevel with a black outline and an embossed caption in
// the fixed window font, 8 pixels per character, whose accelerator letter is drawn in dark red over the
// blank left in the caption for it. Hit zones close the gaps between the drawn buttons.
#include "play/button_bar.h"

#include "engine/board_record.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "play/slot_dialog.h"
#include "play/symbol_picker.h"
#include "records/help.h"
#include "records/printing.h"
#include "screen/board_drawing.h"
#include "screen/clock.h"
#include "screen/drawing_helpers.h"
#include "screen/fonts.h"
#include "screen/palette.h"
#include "screen/panels.h"

int StripImage = 0;

const BarButton ButtonBar[ButtonCount] = {
    {"   _Laden   ", 31, 139, 'L'},   {"   _Sichern   ", 140, 264, 'S'}, {"   _Drucken   ", 265, 389, 'D'},
    {"  _Neustart  ", 390, 506, 'N'}, {"   _Hilfe    ", 507, 623, 'H'},  {"   _Abbruch   ", 624, 750, 'A'},
};

void DrawButton(const std::string& caption, int16_t x, int16_t y, bool pressed)
{
    const size_t underscore = caption.find('_');
    const int p = underscore == std::string::npos ? 0 : static_cast<int>(underscore) + 1;
    const int n = static_cast<int>(caption.size()) - 1;
    std::string shown = caption;
    std::string letter;
    if (p > 0 && underscore + 1 < caption.size()) {
        letter = caption.substr(underscore + 1, 1);
        shown = caption.substr(0, underscore) + " " + caption.substr(underscore + 2);
    }

    const int w = 8 * n + 19;
    DrawBevel(pressed ? 1 : 0, 2, x, y, x + w, y + 25);
    SetTextColor(Palette[0]);
    DrawBox(x - 1, y - 1, x + w, y + 25, false);

    const int d = 4 * (n - 1 - static_cast<int>(shown.size())) + 14;
    DrawEmbossedText(14, 0, x + d, y + 20, shown);
    if (!letter.empty())
        DrawAccelerator(letter, static_cast<int16_t>(x + d + 8 * (p - 1) - (p == 1 ? 1 : 0)),
                        static_cast<int16_t>(y + 20));

    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    SetTransparentText(false);
}

void DrawAccelerator(const std::string& letter, int16_t x, int16_t y)
{
    SelectFont(14);
    y = static_cast<int16_t>(y - 14);
    SetTransparentText(true);
    SetTextColor(Palette[15]);
    DrawText(x, y, letter);
    SetTextColor(Palette[1]);
    DrawText(x - 1, y - 1, letter);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    SetTransparentText(false);
}

void DrawButtonBar()
{
    for (const BarButton& button : ButtonBar)
        DrawButton(button.caption, button.left, ButtonTop, false);
}

int ButtonAtPointer()
{
    if (MouseY < 777 || MouseY > 803)
        return -1;
    for (int i = 0; i < ButtonCount; ++i)
        if (MouseX >= ButtonBar[i].left && MouseX <= ButtonBar[i].hitRight)
            return i;
    return -1;
}

int ButtonForKey(int key)
{
    for (int i = 0; i < ButtonCount; ++i)
        if (ButtonBar[i].key == key)
            return i;
    return -1;
}

int UpperCaseKey(int key)
{
    return key >= 'a' && key <= 'z' ? key - ('a' - 'A') : key;
}

void RunButtonAction(int button, bool refreshClock)
{
    const BarButton& bar = ButtonBar[button];
    DrawButton(bar.caption, bar.left, ButtonTop, true);
    switch (button) {
    case LadenButton:
        LibraryFileName = "brett.l12";
        OpenLoadDialog();
        UpdateDifficultyPanel();
        RedrawBoard();
        if (refreshClock)
            UpdateClock();
        break;
    case SichernButton:
        OpenSaveDialog();
        break;
    case DruckenButton:
        PrintBoard();
        break;
    case NeustartButton:
        RestartBoard();
        RedrawBoard();
        break;
    case HilfeButton:
        ShowHelpTopic("kasten12.chm", "erklärung.htm");
        break;
    default:
        return;
    }
    WaitMouseRelease();
    DrawButton(bar.caption, bar.left, ButtonTop, false);
}
