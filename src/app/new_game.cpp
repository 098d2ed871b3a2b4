// New games: load a random stored puzzle of the chosen difficulty and disguise it.
#include "app/new_game.h"

#include "engine/board_record.h"
#include "engine/settings.h"
#include "engine/shuffle.h"
#include "engine/timed_game.h"
#include "platform/system.h"
#include "play/play_loop.h"
#include "records/printing.h"
#include "screen/clock.h"
#include "screen/failure_message.h"
#include "screen/panels.h"

static const char* const LibraryFiles[4] = {"leicht.l12", "mittel.l12", "schwer.l12", "extrem.l12"};

// Steps shared by both commands: the library, a random record, the difficulty panel, the shuffle.
static void SetUpPuzzle()
{
    LibraryFileName = LibraryFiles[Difficulty & 3];
    ShowFailureMessage(LoadBoardRecord(static_cast<int16_t>(Random(4))));
    UpdateDifficultyPanel();
    ShuffleBoard();
}

void StartNewGame()
{
    SetUpPuzzle();
    StartClock();
    RestartBoard();
    PlayLoop();
}

void PrintNewGame()
{
    SetUpPuzzle();
    PrintBoard();
    PlayLoop();
}
