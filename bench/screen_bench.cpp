// A full board redraw (144 cells, statistics and check, notes) on the offscreen client image, with
// the notes from CandidateMarks and with all computed candidates.
#include <benchmark/benchmark.h>

#include "offscreen_platform.h"

#include <cstdlib>

#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/engine_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/window.h"
#include "screen/board_drawing.h"
#include "screen/palette.h"

namespace {

// The window once per process, drawn like the start screen.
void OpenScreen()
{
    static bool open = false;
    if (open)
        return;
    StartOffscreenPlatform();
    OpenMainWindow("Kastenzahl V6.0 by Tarvo", 0, 0, 1156, 903);
    SetClientSize(ClientImageWidth, ClientImageHeight);
    ResetEngineState();
    FillPalette();
    FillClient(Palette[12]);
    InstallBoardView();
    DrawScreen();
    open = true;
}

// Half the board given from a solved grid, a few entries, notes in the empty cells.
void SetUpBoard()
{
    ResetEngineState();
    for (int c = 1; c <= 12; ++c)
        for (int r = 1; r <= 12; ++r) {
            const int v = ((c - 1) + 4 * ((r - 1) % 3) + (r - 1) / 3) % 12 + 1;
            SolutionGrid(c, r) = static_cast<uint8_t>(v);
            if ((c + r) % 2 == 0)
                GivenGrid(c, r) = PlayGrid(c, r) = static_cast<uint8_t>(v);
            else if ((c * r) % 5 == 0)
                PlayGrid(c, r) = static_cast<uint8_t>(v);
            else
                for (int k = 1; k <= 12; k += 2)
                    CandidateMarks(c, r, k) = true;
        }
}

void BM_RedrawBoard(benchmark::State& state)
{
    OpenScreen();
    SetUpBoard();
    ShowCandidates = state.range(0) != 0;
    for (auto _ : state)
        RedrawBoard();
    ShowCandidates = false;
}
BENCHMARK(BM_RedrawBoard)
    ->Arg(0)
    ->Arg(1)
    ->ArgName("candidates")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace
