// The panels beside the board. Their texts use the fixed panel font (8 pixels per character), and
// the positions below count on that width. Counts and the difficulty line use the colours current
// at the call, as the board drawing leaves them.
#include "screen/panels.h"

#include "engine/board_check.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/settings.h"
#include "platform/draw.h"
#include "screen/drawing_helpers.h"
#include "screen/fonts.h"
#include "screen/palette.h"

void DrawPanelFrame(int x0, int y0, int w, int h, const std::string& title, int titleOffset)
{
    DrawBevel(0, 2, x0, y0, x0 + w, y0 + h);
    DrawBevel(1, 2, x0 + 6, y0 + 22, x0 + w - 6, y0 + h - 6);
    DrawEmbossedText(16, 0, x0 + titleOffset, y0 + 20, title);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    DrawBox(x0 + 6, y0 + 22, x0 + w - 7, y0 + h - 7, true);
    SetTransparentText(false);
}

void DrawStatisticsPanel()
{
    DrawPanelFrame(773, 332, 368, 78, "STATISTIK:", 146);
    SelectFont(8);
    DrawText(789, 364, ShowDigits ? "Zahlen" : "Ziffer");
    DrawText(789, 384, "Anzahl");
    int x = 845;
    for (int k = 1; k <= 12; ++k) {
        if (ShowDigits) {
            DrawText(LargeFontMode ? x : x + 8, 364, NumberText(k, 1));
            x += (k == 9) ? 16 : 24;
        } else {
            DrawText(LargeFontMode ? x + 2 : x + 8, 364, std::string(1, static_cast<char>(k + 64)));
            x += 24;
        }
    }
    SetLineWidth(1);
    SetTextColor(Palette[0]);
    DrawLine(785, 378, 1129, 378);
    DrawLine(841, 360, 841, 399);
    UpdateStatistics();
    DrawStatusPanel();
}

std::string StatusText = PromptChooseMenu;
int16_t GivenCount = 0;

void DrawSymbolCounts()
{
    SelectFont(8);
    for (int k = 1; k <= 12; ++k) {
        if (k == 1)
            DrawText(844, 384, NumberText(SymbolCount[k], 2));
        else
            DrawText(813 + 24 * k, 384, NumberText(SymbolCount[k], 3) + " ");
    }
}

void DrawStatusPanel()
{
    DrawPanelFrame(843, 437, 234, 78, "STATUSMELDUNG:", 60);
    CheckBoard();
}

void DrawDifficultyPanel()
{
    DrawPanelFrame(843, 542, 234, 78, "SCHWIERIGKEITSGRAD:", 38);
    SelectFont(8);
    DrawText(871, LargeFontMode ? 569 : 572, "Vorgegebene Zahlen: " + NumberText(GivenCount, 2));
    UpdateDifficultyPanel();
}

void UpdateDifficultyPanel()
{
    GivenCount = 0;
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r)
            if (GivenGrid(c, r) != 0)
                ++GivenCount;
    SelectFont(8);
    // Lands on the number of the caption line: 871 + 20 characters of 8 pixels.
    DrawText(1031, LargeFontMode ? 569 : 572, NumberText(GivenCount, 2) + " ");
    SelectFont(20);
    // The two blanks wipe the rest of a longer previous name.
    DrawText(907, 585, DifficultyName[Difficulty & 3] + "  ");
}

void DrawHelpPanel()
{
    DrawPanelFrame(843, 646, 234, 72, "HILFEFENSTER:", 64);
    DrawStatusLine();
}

void DrawStatusLine()
{
    SetTransparentText(false);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    SelectFont(8);
    DrawText(856, 685, StatusText);
}

void DrawCheckVerdict()
{
    // The panel's white field first: a shorter verdict or error line leaves nothing of the last.
    SetTextColor(Palette[15]);
    SetFillColor(Palette[15]);
    DrawBox(850, 460, 1069, 507, true);
    SelectFont(20);
    SetTextColor(Palette[Board.VerdictInRed ? 9 : 0]);
    SetFillColor(Palette[15]);
    DrawText(866, 470, VerdictText(CheckMessage));
    SelectFont(8);
    SetTextColor(Palette[0]);
    SetFillColor(Palette[15]);
    DrawText(914, 496, "Fehler: " + std::to_string(ErrorCount) + "/3");
}
