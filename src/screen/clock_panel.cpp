// The clock panel "ZEITMESSUNG:" around the label.
#include "platform/draw.h"
#include "screen/clock.h"
#include "screen/drawing_helpers.h"
#include "screen/palette.h"

void DrawClockPanel()
{
    DrawBevel(0, 2, 843, 743, 1077, 815);
    DrawBevel(1, 2, 849, 765, 1071, 809);
    DrawEmbossedText(16, 0, 908, 763, "ZEITMESSUNG:");
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    DrawBox(849, 765, 1070, 808, true);
}
