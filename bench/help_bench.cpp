// Opening a help topic in the viewer: finding the help file, reading the topic's page from it and
// showing it, offscreen; once with the viewer open (a second topic reuses it) and once with a new
// viewer window each time.
#include <benchmark/benchmark.h>

#include "offscreen_platform.h"

#include <chrono>
#include <filesystem>

#include "platform/help.h"
#include "platform/inspection.h"
#include "platform/window.h"
#include "temp_folder.h"

namespace {

void OpenTopic(benchmark::State& state)
{
    StartOffscreenPlatform();
    const bool newViewer = state.range(0) != 0;
    ScopedTempFolder folder; // holding only the help file
    std::filesystem::copy_file(KASTENZAHL_HELP_FILE, folder.path() / "Kasten12.chm");
    const char* const topics[2] = {"Übersicht.htm", "erklärung.htm"};
    int next = 0;
    for (auto _ : state) {
        if (newViewer)
            CloseHelpViewer();
        const auto start = std::chrono::steady_clock::now();
        const bool shown = ShowHtmlHelpTopic("kasten12.chm", topics[next]);
        benchmark::DoNotOptimize(HelpViewerTitle());
        const auto end = std::chrono::steady_clock::now();
        if (!shown)
            state.SkipWithError("the topic could not be shown");
        next = 1 - next;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    CloseHelpViewer();
}

} // namespace

BENCHMARK(OpenTopic)
    ->Name("Help_OpenTopic")
    ->Arg(0)
    ->Arg(1)
    ->ArgName("new_viewer")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
