// Fuzzes the board records: the input as a .l12 file, each of its four records loaded and put through
// what the game does with a loaded board (check, statistics, solution, candidates, shuffling), then
// saved into a slot file, which must load back to the same board.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "engine/board_check.h"
#include "engine/board_record.h"
#include "engine/board_state.h"
#include "engine/board_view.h"
#include "engine/engine_state.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "fuzz_folder.h"
#include "platform/system.h"

namespace {

constexpr const char* InputFile = "input.l12";
constexpr const char* SlotFile = "slot.l12";

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    EnterScratchFolder("board_record_fuzz.");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WriteWholeFile(InputFile, data, size);
    std::remove(SlotFile);
    for (int16_t k = 0; k < SlotRecords; ++k) {
        ResetEngineState();
        LibraryFileName = InputFile;
        if (!LoadBoardRecord(k).empty())
            continue;
        CheckBoard();
        UpdateStatistics();
        ComputeSolution();
        FillCandidateMarks();
        SeedRandom(12345u + static_cast<uint64_t>(k));
        ShuffleBoard();

        LibraryFileName = SlotFile;
        if (!SaveBoardRecord(k).empty())
            __builtin_trap();
        const ByteGrid play = PlayGrid;
        const ByteGrid given = GivenGrid;
        const SymbolPlanes<bool> marks = CandidateMarks;
        ResetEngineState();
        LibraryFileName = SlotFile;
        if (!LoadBoardRecord(k).empty())
            __builtin_trap();
        if (!(PlayGrid == play) || !(GivenGrid == given) || !(CandidateMarks == marks))
            __builtin_trap();
    }
    ResetEngineState();
    return 0;
}
