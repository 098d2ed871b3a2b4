// The information panels right of the board: statistics, status (the check verdict), difficulty and
// the help line.
#pragma once

#include <string>

// A framed panel: raised frame from (x0, y0) to (x0 + w, y0 + h), sunken white field inside, and the
// title embossed at x0 + titleOffset. Leaves black on white, opaque.
void DrawPanelFrame(int x0, int y0, int w, int h, const std::string& title, int titleOffset);

void DrawStatisticsPanel();   // frame, labels and headers, then UpdateStatistics and DrawStatusPanel
void UpdateStatistics();      // recount SymbolCount, draw the counts, then CheckBoard
void DrawStatusPanel();       // frame, then CheckBoard
void DrawDifficultyPanel();   // frame and caption, then UpdateDifficultyPanel
void UpdateDifficultyPanel(); // recount GivenCount, draw it and the difficulty name
void DrawHelpPanel();         // frame, then DrawStatusLine
void DrawStatusLine();        // StatusText into the help panel
// The check's verdict: CheckMessage in red or black, and the error line "Fehler: n/3".
void DrawCheckVerdict(bool red);
