// What the player waits for: every menu command and play action that works on the board, timed from
// the start of the command to the last pixel drawn into the client image (reading a pixel ends the
// painter). The window is set up as at start-up and then hidden, so no repaint to a screen is timed;
// input comes from the script, and the 200 ms pause of Abbruch is skipped.
//
// Commands that end in the play loop also report ready_ms: the time until the loop waits for the
// player's first input, the board and the button bar drawn; the benchmark's time runs on through the
// Esc key that ends the loop and the steps after every command.
#include <benchmark/benchmark.h>

#include "offscreen_platform.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "app/exit.h"
#include "app/menu.h"
#include "app/startup.h"
#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/settings.h"
#include "engine/solver.h"
#include "engine/timed_game.h"
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/script.h"
#include "platform/system.h"
#include "platform/window.h"
#include "play/play_loop.h"
#include "play/symbol_picker.h"
#include "screen/board_drawing.h"
#include "screen/palette.h"
#include "screen/panels.h"

namespace {

using Clock = std::chrono::steady_clock;

const char* const Libraries[4] = {"leicht.l12", "mittel.l12", "schwer.l12", "extrem.l12"};

double Seconds(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

// Ends the painter, so everything drawn so far is in the client image.
void FinishDrawing()
{
    benchmark::DoNotOptimize(ClientPixel(0, 0));
}

int SkippedSleeps = 0;
void SkipSleep(int)
{
    ++SkippedSleeps;
}

// The times at which pointer moves reached the game, each after the drawing before it was finished.
std::vector<Clock::time_point> Marks;
void MarkingMouseMove(float x, float y)
{
    FinishDrawing();
    Marks.push_back(Clock::now());
    Win_0_MouseMove(x, y);
}

// A pointer move onto a place that is neither board nor button, which the play loop ignores.
constexpr int QuietX = 900;
constexpr int QuietY = 100;

// Once per process: a temporary working folder with the shipped libraries, removed at exit.
void EnterWorkingFolder()
{
    static std::filesystem::path folder;
    if (!folder.empty())
        return;
    std::string pattern = (std::filesystem::temp_directory_path() / "kastenzahl-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    folder = pattern;
    for (const auto& entry : std::filesystem::directory_iterator(KASTENZAHL_DATA_FOLDER))
        if (entry.path().extension() == ".l12")
            std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    std::filesystem::current_path(folder);
    std::atexit([] {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    });
}

// The game as start-up leaves it, with the window hidden, scripted input and no sleeping. Start-up
// runs once per process, and again when another benchmark has opened a window of its own since.
void StartGame()
{
    static bool started = false;
    if (!started || MainWindowShown() || !MainWindowExists()) {
        StartOffscreenPlatform();
        EnterWorkingFolder();
        StartUp();
        HideMainWindow();
        started = true;
    } else {
        InitGameState();
        StatusText = PromptChooseMenu;
        FillClient(Palette[12]);
        DrawScreen();
    }
    SetMainWindowHandlers({Win_0_MenuEvent, MarkingMouseMove, Win_0_Close});
    ResetScript();
    SetSleepFunction(SkipSleep);
    SkippedSleeps = 0;
    SeedRandom(1);
}

void EndGame()
{
    SetSleepFunction(nullptr);
    ResetScript();
}

// Puzzle `record` of a library as a new game sets it up, but unshuffled: the clues and their solution.
void LoadPuzzle(int library, int record)
{
    Difficulty = static_cast<int16_t>(library);
    LibraryFileName = Libraries[library];
    LoadBoardRecord(static_cast<int16_t>(record));
    RestartBoard();
    ComputeSolution();
}

// The easy library's first puzzle half played: every second empty cell holds its right symbol.
void LoadHalfPlayed()
{
    LoadPuzzle(0, 0);
    bool fill = false;
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c)
            if (GivenGrid(c, r) == 0) {
                if (fill)
                    PlayGrid(c, r) = SolutionGrid(c, r);
                fill = !fill;
            }
}

// Draws the board as the screen would show it, before a timed command.
void ShowBoard()
{
    RedrawBoard();
    FinishDrawing();
}

// Runs menu command `command` and returns its seconds up to the last pixel drawn.
double TimeMenuCommand(int command)
{
    const Clock::time_point start = Clock::now();
    Win_0_MenuEvent(command);
    FinishDrawing();
    return Seconds(start, Clock::now());
}

// A menu command that ends in the play loop: the loop sees a quiet pointer move (marking the moment
// it waits for input) and then Esc.
void RunLoopCommand(benchmark::State& state, int command, double& readySeconds)
{
    ScriptMouseMove(QuietX, QuietY);
    ScriptKey(VK_ESCAPE);
    Marks.clear();
    const int sleeps = SkippedSleeps;
    const Clock::time_point start = Clock::now();
    Win_0_MenuEvent(command);
    FinishDrawing();
    const Clock::time_point end = Clock::now();
    if (Marks.size() != 1 || PendingScriptEvents() != 0 || SkippedSleeps != sleeps + 1) {
        state.SkipWithError("the play loop did not end on Esc");
        return;
    }
    state.SetIterationTime(Seconds(start, end));
    readySeconds += Seconds(start, Marks[0]);
}

void SetReadyCounter(benchmark::State& state, double readySeconds)
{
    state.counters["ready_ms"] = benchmark::Counter(readySeconds * 1e3, benchmark::Counter::kAvgIterations);
}

// Neues Spiel at difficulty range(0): a random record, 50..99 shuffle passes, the solution, the board
// drawn in the play loop. The seed runs through 0..15, the same draws in every run.
void NewGame(benchmark::State& state)
{
    StartGame();
    uint64_t seed = 0;
    double ready = 0;
    for (auto _ : state) {
        Difficulty = static_cast<int16_t>(state.range(0));
        SeedRandom(seed++ % 16);
        RunLoopCommand(state, 8, ready);
    }
    SetReadyCounter(state, ready);
    EndGame();
}

// Neustart on a half-played board: the entries go, the board is redrawn in the play loop.
void Restart(benchmark::State& state)
{
    StartGame();
    double ready = 0;
    for (auto _ : state) {
        LoadHalfPlayed();
        ShowBoard();
        RunLoopCommand(state, 25, ready);
    }
    SetReadyCounter(state, ready);
    EndGame();
}

// Spielstart on a half-played board: the board and the button bar are drawn, the loop waits.
void StartPlay(benchmark::State& state)
{
    StartGame();
    LoadHalfPlayed();
    ShowBoard();
    double ready = 0;
    for (auto _ : state)
        RunLoopCommand(state, 10, ready);
    SetReadyCounter(state, ready);
    EndGame();
}

// Brett lösen on puzzle range(1) of library range(0) as a new game shows it, unshuffled.
void SolveFresh(benchmark::State& state)
{
    StartGame();
    for (auto _ : state) {
        LoadPuzzle(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
        ShowBoard();
        state.SetIterationTime(TimeMenuCommand(22));
        if (!IsBoardFull() || !IsConsistent()) {
            state.SkipWithError("the puzzle was not solved");
            break;
        }
    }
    EndGame();
}

// Puts one wrong entry on the half-played board. Repeated (true): the first entry gets the next
// symbol, which then stands twice in a unit. Otherwise the first empty cell with a wrong candidate
// gets the smallest one, which repeats nothing. False when there was no such place.
bool PlaceWrongEntry(bool repeated)
{
    for (int r = 1; r <= 12; ++r)
        for (int c = 1; c <= 12; ++c) {
            if (GivenGrid(c, r) != 0)
                continue;
            if (repeated && PlayGrid(c, r) != 0) {
                PlayGrid(c, r) = static_cast<uint8_t>(PlayGrid(c, r) % 12 + 1);
                return !IsConsistent();
            }
            if (!repeated && PlayGrid(c, r) == 0)
                for (int v = 1; v <= 12; ++v)
                    if (v != SolutionGrid(c, r) && IsCandidate(c, r, v)) {
                        PlayGrid(c, r) = static_cast<uint8_t>(v);
                        return IsConsistent();
                    }
        }
    return false;
}

// Brett lösen on the half-played board with one wrong entry (range(0) = 1: one that repeats a
// symbol): the solve runs into a dead end, clears the entries and solves again from the clues.
void SolveWithWrongEntry(benchmark::State& state)
{
    StartGame();
    for (auto _ : state) {
        LoadHalfPlayed();
        if (!PlaceWrongEntry(state.range(0) != 0)) {
            state.SkipWithError("no place for the wrong entry");
            break;
        }
        ShowBoard();
        ErrorCount = 0;
        state.SetIterationTime(TimeMenuCommand(22));
        if (!IsBoardFull() || !IsConsistent()) {
            state.SkipWithError("the board was not solved");
            break;
        }
    }
    EndGame();
}

// Brett mischen on puzzle 0 of library range(0): the passes, the solution, the redraw.
void Shuffle(benchmark::State& state)
{
    StartGame();
    uint64_t seed = 0;
    for (auto _ : state) {
        LoadPuzzle(static_cast<int>(state.range(0)), 0);
        ShowBoard();
        SeedRandom(seed++ % 16);
        state.SetIterationTime(TimeMenuCommand(24));
    }
    EndGame();
}

// Brett löschen on the half-played board.
void Clear(benchmark::State& state)
{
    StartGame();
    for (auto _ : state) {
        LoadHalfPlayed();
        ShowBoard();
        state.SetIterationTime(TimeMenuCommand(26));
    }
    EndGame();
}

// Brett drucken of a full board (the easy library's first puzzle solved) into a PDF file of an A4
// page at 1200 dots per inch, the file written and closed.
void PrintBoardCommand(benchmark::State& state)
{
    StartGame();
    LoadPuzzle(0, 0);
    PlayGrid = SolutionGrid;
    ShowBoard();
    const std::string path = "print.pdf";
    PrintToPdfFile(path, 9921, 14031);
    for (auto _ : state) {
        std::filesystem::remove(path);
        state.SetIterationTime(TimeMenuCommand(27));
        if (!ShownMessageBoxes().empty() || !std::filesystem::exists(path)) {
            state.SkipWithError("the board was not printed");
            break;
        }
    }
    PrintToPdfFile("", 0, 0);
    EndGame();
}

// Zeige Kandidaten on the half-played board, switched on (range(0) = 1) or off.
void Candidates(benchmark::State& state)
{
    StartGame();
    const bool on = state.range(0) != 0;
    LoadHalfPlayed();
    for (auto _ : state) {
        ShowCandidates = !on;
        CandidateMarks = {};
        if (!on)
            FillCandidateMarks();
        ShowBoard();
        state.SetIterationTime(TimeMenuCommand(44));
        if (ShowCandidates != on) {
            state.SkipWithError("the candidates did not switch");
            break;
        }
    }
    ShowCandidates = false;
    EndGame();
}

// Buchstaben (range(0) = 1) or Zahlen on the half-played board shown the other way.
void Symbols(benchmark::State& state)
{
    StartGame();
    const bool letters = state.range(0) != 0;
    LoadHalfPlayed();
    for (auto _ : state) {
        ShowDigits = letters;
        ShowBoard();
        state.SetIterationTime(TimeMenuCommand(letters ? 41 : 40));
        if (ShowDigits == letters) {
            state.SkipWithError("the symbols did not switch");
            break;
        }
    }
    ShowDigits = true;
    EndGame();
}

// In the play loop on the half-played board: a left click on an empty cell opens the picker, the
// pointer moves onto the right symbol's square, a left click enters it (the cell, the statistics and
// the check). Timed from the move onto the cell to the loop's next wait. picker_ms is the picker's
// opening, entry_ms the move onto the square and the click.
void PickerEntry(benchmark::State& state)
{
    StartGame();
    LoadHalfPlayed();
    int column = 0, row = 0;
    for (int r = 2; r <= 11 && column == 0; ++r)
        for (int c = 2; c <= 11 && column == 0; ++c)
            if (PlayGrid(c, r) == 0) {
                column = c;
                row = r;
            }
    const int symbol = SolutionGrid(column, row);
    const int cellX = BoardLeft + (column - 1) * CellWidth + CellWidth / 2;
    const int cellY = BoardTop + (row - 1) * CellHeight + CellHeight / 2;
    const int squareX = (column - 1) * CellWidth + BoardLeft - 30 + 30 * ((symbol - 1) % 4) + 15;
    const int squareY = (row - 1) * CellHeight + BoardTop - 16 + 30 * ((symbol - 1) / 4) + 15;

    double picker = 0, entry = 0;
    for (auto _ : state) {
        PlayGrid(column, row) = 0;
        PickerChoice = 0;
        ErrorCount = 0;
        ShowBoard();
        ScriptLeftClick(cellX, cellY);
        ScriptLeftClick(squareX, squareY);
        ScriptMouseMove(QuietX, QuietY);
        ScriptKey(VK_ESCAPE);
        Marks.clear();
        PlayLoop();
        if (Marks.size() != 3 || PlayGrid(column, row) != symbol || PendingScriptEvents() != 0) {
            state.SkipWithError("the entry did not arrive");
            break;
        }
        state.SetIterationTime(Seconds(Marks[0], Marks[2]));
        picker += Seconds(Marks[0], Marks[1]);
        entry += Seconds(Marks[1], Marks[2]);
    }
    state.counters["picker_ms"] = benchmark::Counter(picker * 1e3, benchmark::Counter::kAvgIterations);
    state.counters["entry_ms"] = benchmark::Counter(entry * 1e3, benchmark::Counter::kAvgIterations);
    EndGame();
}

void Timed(benchmark::internal::Benchmark* b)
{
    b->UseManualTime()->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

} // namespace

BENCHMARK(NewGame)->Name("Command_NewGame")->DenseRange(0, 3)->ArgName("difficulty")->Apply(Timed);
BENCHMARK(Restart)->Name("Command_Restart")->Apply(Timed);
BENCHMARK(StartPlay)->Name("Command_StartPlay")->Apply(Timed);
BENCHMARK(SolveFresh)
    ->Name("Command_Solve")
    ->ArgsProduct({{0, 1, 2, 3}, {0, 1, 2, 3}})
    ->ArgNames({"library", "record"})
    ->Apply(Timed);
BENCHMARK(SolveWithWrongEntry)
    ->Name("Command_SolveWithWrongEntry")
    ->Arg(1)
    ->Arg(0)
    ->ArgName("repeated")
    ->Apply(Timed);
BENCHMARK(Shuffle)->Name("Command_Shuffle")->DenseRange(0, 3)->ArgName("library")->Apply(Timed);
BENCHMARK(Clear)->Name("Command_Clear")->Apply(Timed);
BENCHMARK(PrintBoardCommand)->Name("Command_PrintBoard")->Apply(Timed);
BENCHMARK(Candidates)->Name("Command_Candidates")->Arg(1)->Arg(0)->ArgName("on")->Apply(Timed);
BENCHMARK(Symbols)->Name("Command_Symbols")->Arg(1)->Arg(0)->ArgName("letters")->Apply(Timed);
BENCHMARK(PickerEntry)->Name("Play_PickerEntry")->Apply(Timed);
