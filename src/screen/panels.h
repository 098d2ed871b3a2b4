// The information panels right of the board: statistics, status (the check verdict), difficulty and
// the help line.
#pragma once

#include <cstdint>
#include <string>

#include "engine/board_view.h" // UpdateStatistics: recount, counts shown, then the check

// The one-line prompt of the help panel.
extern std::string StatusText;
// The number of givens as last counted for the difficulty panel.
extern int16_t GivenCount;

inline constexpr const char* PromptChooseMenu = "Bitte Menupunkt auswählen!";
inline constexpr const char* PromptClickCell = "Bitte ein Feld anklicken!";

// A framed panel: raised frame from (x0, y0) to (x0 + w, y0 + h), sunken white field inside, and the
// title embossed at x0 + titleOffset. Leaves black on white, opaque.
void DrawPanelFrame(int x0, int y0, int w, int h, const std::string& title, int titleOffset);

void DrawStatisticsPanel();   // frame, labels and headers, then UpdateStatistics and DrawStatusPanel
void DrawSymbolCounts();      // the "Anzahl" row from SymbolCount, in the colours current
void DrawStatusPanel();       // frame, then CheckBoard
void DrawDifficultyPanel();   // frame and caption, then UpdateDifficultyPanel
void UpdateDifficultyPanel(); // recount GivenCount, draw it and the difficulty name
void DrawHelpPanel();         // frame, then DrawStatusLine
void DrawStatusLine();        // StatusText into the help panel
// The check's verdict: CheckMessage in its colour, and the error line "Fehler: n/3".
void DrawCheckVerdict();
