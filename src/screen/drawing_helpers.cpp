// Bevels, embossed text and number fields, drawn straight into the client image.
#include "screen/drawing_helpers.h"

#include "platform/draw.h"
#include "screen/fonts.h"
#include "screen/palette.h"

void DrawBevel(int16_t sunken, int16_t depth, int x1, int y1, int x2, int y2)
{
    SetLineWidth(1);
    uint32_t light = Palette[15];
    uint32_t dark = Palette[8];
    if (sunken != 0) {
        light = Palette[8];
        dark = Palette[15];
    }
    const int n = depth - sunken;
    SetTextColor(light);
    for (int k = 0; k <= n; ++k) {
        DrawLine(x1 + k, y1 + k, x2, y1 + k);
        DrawLine(x1 + k, y1 + k, x1 + k, y2);
    }
    SetTextColor(dark);
    for (int k = 0; k <= n; ++k) {
        DrawLine(x1 + k, y2 - k, x2 + 1, y2 - k);
        DrawLine(x2 - k, y1 + k, x2 - k, y2);
    }
}

void DrawEmbossedText(int16_t font, int16_t colour, int x, int y, const std::string& text)
{
    SelectFont(font);
    if (font == 14 && LargeFontMode)
        x += 21;
    y -= 14;
    SetTransparentText(true);
    SetTextColor(Palette[15]);
    DrawText(x, y, text);
    SetTextColor(Palette[colour & 15]);
    DrawText(x - 1, y - 1, text);
    SetTransparentText(false);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[7]);
    SelectFont(8);
}

std::string NumberText(int value, int width)
{
    std::string digits = std::to_string(value < 0 ? -value : value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, width - digits.size(), ' ');
    return digits;
}
